// A host window on a fresh headless display, recording what its controls tell it.
#pragma once

#include "platform/display/HeadlessDisplay.h"
#include "platform/win.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace win::testing {

struct Notice {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_display = &display::ResetHeadless(true);
        RegisterSystemClasses();
        Current() = this;
        WNDCLASSEXA wc;
        if (!GetClassInfoExA(nullptr, "ControlsTestHost", &wc)) {
            wc = WNDCLASSEXA{};
            wc.lpfnWndProc = HostProc;
            wc.lpszClassName = "ControlsTestHost";
            wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
            wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
            ASSERT_NE(RegisterClassExA(&wc), 0);
        }
        m_host = CreateWindowExA(0, "ControlsTestHost", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                 560, 420, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_host, nullptr);
        m_display->Pump();
    }
    void TearDown() override {
        Current() = nullptr;
        display::ResetHeadless(true);
    }

    HWND Child(LPCSTR cls, LPCSTR text, DWORD style, int x, int y, int w, int h, int id,
               HWND parent = nullptr) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               parent ? parent : m_host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr);
    }
    static POINT Center(HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Click(HWND w, int button = 0) {
        POINT p = Center(w);
        m_display->Click(p.x, p.y, button);
    }
    void Key(UINT vk) { m_display->Key(vk); }
    // Queues a key press and release without dispatching (for modal loops that are about to run).
    void QueueKey(UINT vk) {
        m_display->KeyDown(vk);
        m_display->KeyUp(vk);
    }
    std::string Text(HWND w) {
        char buf[512];
        GetWindowTextA(w, buf, sizeof buf);
        return buf;
    }
    std::vector<Notice> Of(UINT msg) const {
        std::vector<Notice> out;
        for (const Notice& n : m_notices)
            if (n.msg == msg)
                out.push_back(n);
        return out;
    }
    // WM_COMMAND notifications with this control id and code.
    int Commands(int id, WORD code) const {
        int n = 0;
        for (const Notice& c : Of(WM_COMMAND))
            n += LOWORD(c.wParam) == id && HIWORD(c.wParam) == code;
        return n;
    }

    static ControlsTest*& Current() {
        static ControlsTest* t = nullptr;
        return t;
    }

    static LRESULT HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        ControlsTest* t = Current();
        switch (msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_INITMENUPOPUP:
        case WM_MENUSELECT:
        case WM_TIMER:
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
            if (t)
                t->m_notices.push_back(Notice{msg, wParam, lParam});
            if (t && t->m_onNotice)
                t->m_onNotice(msg, wParam, lParam);
            return 0;
        case WM_NCLBUTTONDOWN:
            if (t)
                t->m_notices.push_back(Notice{msg, wParam, lParam});
            break;
        case WM_SYSCOMMAND:
            if (t)
                t->m_notices.push_back(Notice{msg, wParam, lParam});
            if ((wParam & 0xFFF0) == SC_CLOSE)
                return 0;
            break;
        case WM_MEASUREITEM:
            if (t) {
                auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                t->m_notices.push_back(Notice{msg, mis->itemID, static_cast<LPARAM>(mis->itemData)});
                mis->itemWidth = 120;
                mis->itemHeight = 30;
            }
            return TRUE;
        case WM_DRAWITEM:
            if (t) {
                auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
                t->m_notices.push_back(Notice{msg, dis->itemID, reinterpret_cast<LPARAM>(dis->hwndItem)});
                FillRect(dis->hDC, &dis->rcItem,
                         GetSysColorBrush((dis->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_INFOBK));
            }
            return TRUE;
        default: break;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    display::HeadlessDisplay* m_display = nullptr;
    HWND m_host = nullptr;
    std::vector<Notice> m_notices;
    std::function<void(UINT, WPARAM, LPARAM)> m_onNotice;
};

} // namespace win::testing
