// Guards for what a test installs in shared state (#include "support/TestGuards.h", link test_support): it is
// removed when the guard goes out of scope, also when a failed ASSERT or an exception ends the test early.
//
//   ScopedHook hook(WH_MSGFILTER, Probe);       // UnhookWindowsHookEx at the end of the scope
//   ScopedValue proc(control->WindowProc, lambda); // the previous value put back at the end of the scope
//   ScopedMissingExport gone("user32.dll", "TrackMouseEvent"); // offered again at the end of the scope
#pragma once

#include "platform/win.h"

#include <utility>

namespace taxi::test {

// A hook set with SetWindowsHookExA for the current thread (or `thread`).
class ScopedHook {
public:
    ScopedHook(int id, win::HOOKPROC proc, win::DWORD thread = win::GetCurrentThreadId())
        : m_hook(win::SetWindowsHookExA(id, proc, nullptr, thread)) {}
    ~ScopedHook() {
        if (m_hook)
            win::UnhookWindowsHookEx(m_hook);
    }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

    win::HHOOK Get() const { return m_hook; }
    // For a test that removes the hook itself and checks how that went: the guard forgets it.
    win::HHOOK Release() { return std::exchange(m_hook, nullptr); }

private:
    win::HHOOK m_hook;
};

// A variable given another value for one scope.
template <class T> class ScopedValue {
public:
    ScopedValue(T& variable, T value) : m_variable(variable), m_saved(variable) {
        m_variable = std::move(value);
    }
    ~ScopedValue() { Restore(); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

    // The value the variable had before.
    const T& Saved() const { return m_saved; }
    // Puts the previous value back before the scope ends.
    void Restore() {
        if (!m_restored)
            m_variable = m_saved;
        m_restored = true;
    }

private:
    T& m_variable;
    T m_saved;
    bool m_restored = false;
};

// An export GetProcAddress reports missing, as on an older system, for one scope.
class ScopedMissingExport {
public:
    ScopedMissingExport(const char* module, const char* name) : m_module(module), m_name(name) {
        win::WithdrawExport(module, name, true);
    }
    ~ScopedMissingExport() { win::WithdrawExport(m_module, m_name, false); }
    ScopedMissingExport(const ScopedMissingExport&) = delete;
    ScopedMissingExport& operator=(const ScopedMissingExport&) = delete;

private:
    const char* m_module;
    const char* m_name;
};

} // namespace taxi::test
