// Puts an object's message method in front of a window's procedure, and takes it away again: the frames,
// the popup menus and the control skinners all hook their windows this way, with the same A or W call the
// window was read with. Restoring twice is harmless.
#pragma once

#include "platform/win.h"

#include <memory>

namespace skin {

class WindowSubclass {
public:
    WindowSubclass() = default;
    ~WindowSubclass();
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // `method` receives every message of `hwnd` from now on. `ansiOnly` reads and writes the procedure with
    // the A calls even for a Unicode window (popup menus do).
    bool Attach(win::HWND hwnd, win::ObjectInstance::Method method, bool ansiOnly = false);
    // What the window would have done without us.
    win::LRESULT CallPrevious(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) const;
    void Restore();

    bool Attached() const { return m_instance != nullptr; }
    win::HWND Window() const { return m_hwnd; }

private:
    win::HWND m_hwnd = nullptr;
    win::WNDPROC m_previous = nullptr;
    std::unique_ptr<win::ObjectInstance> m_instance;
    bool m_wide = false;
};

} // namespace skin
