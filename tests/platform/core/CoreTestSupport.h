// Shared helpers for the window-manager tests: a fresh headless display with the virtual clock per test,
// and a window class whose procedure records every message it sees.
#pragma once

#include "platform/core/WinUser.h"
#include "platform/display/HeadlessDisplay.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coretest {

struct Rec {
    win::HWND hwnd;
    win::UINT msg;
    win::WPARAM wParam;
    win::LPARAM lParam;
};

inline std::vector<Rec>& Log() {
    static std::vector<Rec> log;
    return log;
}

inline win::LRESULT RecordingProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    Log().push_back(Rec{h, m, w, l});
    return win::DefWindowProcA(h, m, w, l);
}

inline void Register(const char* name, win::UINT style = 0, win::WNDPROC proc = RecordingProc) {
    win::WNDCLASSEXA wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    wc.hbrBackground = reinterpret_cast<win::HBRUSH>(win::COLOR_BTNFACE + 1);
    wc.hCursor = win::LoadCursorA(nullptr, win::IDC_ARROW);
    if (!win::RegisterClassExA(&wc)) {
        ASSERT_EQ(win::GetLastError(), win::ERROR_CLASS_ALREADY_EXISTS);
    }
}

// Messages of one window (or all when null), in order, restricted to `interesting` when it is not empty.
inline std::vector<win::UINT> Messages(win::HWND h = nullptr, std::vector<win::UINT> interesting = {}) {
    std::vector<win::UINT> out;
    for (const Rec& r : Log()) {
        if (h && r.hwnd != h)
            continue;
        if (!interesting.empty() &&
            std::find(interesting.begin(), interesting.end(), r.msg) == interesting.end())
            continue;
        out.push_back(r.msg);
    }
    return out;
}

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_display = &win::display::ResetHeadless(true);
        Register("Rec");
        Register("RecDbl", win::CS_DBLCLKS);
        Log().clear();
    }
    void TearDown() override { win::display::ResetHeadless(true); }

    win::HWND Top(const char* title = "top", win::DWORD style = win::WS_OVERLAPPEDWINDOW | win::WS_VISIBLE,
                  int x = 100, int y = 100, int w = 300, int h = 200, win::HWND owner = nullptr) {
        return win::CreateWindowExA(0, "Rec", title, style, x, y, w, h, owner, nullptr, nullptr, nullptr);
    }
    win::HWND Child(win::HWND parent, int x, int y, int w, int h, int id = 1,
                    win::DWORD style = win::WS_CHILD | win::WS_VISIBLE, const char* cls = "Rec") {
        return win::CreateWindowExA(0, cls, "", style, x, y, w, h, parent,
                                    reinterpret_cast<win::HMENU>(static_cast<win::INT_PTR>(id)), nullptr,
                                    nullptr);
    }

    win::display::HeadlessDisplay* m_display = nullptr;
};

} // namespace coretest
