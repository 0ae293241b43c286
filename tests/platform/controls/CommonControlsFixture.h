// A host window for the common controls (CommCtrl.h) that records what they tell their parent: WM_NOTIFY
// with the fields of the notification that matter, WM_COMMAND, WM_HSCROLL and WM_VSCROLL. A test may answer
// WM_NOTIFY (a veto) through `answer`.
#pragma once

#include "ControlsFixture.h"

namespace win::testing {

struct Told {
    UINT msg = 0;
    UINT code = 0; // WM_NOTIFY: the notification code; otherwise LOWORD(wParam)
    WPARAM wParam = 0;
    HWND from = nullptr;
    int a = 0; // NMUPDOWN iPos, NMHEADER iItem
    int b = 0; // NMUPDOWN iDelta, NMHEADER's item width
};

class CommonControlsTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        Self() = this;
        WNDCLASSEXA wc;
        if (!GetClassInfoExA(nullptr, "CommonControlsHost", &wc)) {
            wc = WNDCLASSEXA{};
            wc.lpfnWndProc = CommonHostProc;
            wc.lpszClassName = "CommonControlsHost";
            wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
            ASSERT_NE(RegisterClassExA(&wc), 0);
        }
        RECT rc;
        GetClientRect(m_host, &rc);
        m_parent = CreateWindowExA(0, "CommonControlsHost", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                   rc.right, rc.bottom, m_host, nullptr, nullptr, nullptr);
        ASSERT_NE(m_parent, nullptr);
    }
    void TearDown() override {
        Self() = nullptr;
        ControlsTest::TearDown();
    }

    HWND Make(LPCSTR cls, DWORD style, int x, int y, int w, int h, int id, LPCSTR text = "") {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, m_parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    std::vector<Told> ToldOf(UINT msg) const {
        std::vector<Told> out;
        for (const Told& t : m_told)
            if (t.msg == msg)
                out.push_back(t);
        return out;
    }
    std::vector<UINT> Codes(UINT msg) const {
        std::vector<UINT> out;
        for (const Told& t : ToldOf(msg))
            out.push_back(t.code);
        return out;
    }
    // Screen point of a client point of `w`.
    static POINT At(HWND w, int x, int y) {
        POINT p{x, y};
        ClientToScreen(w, &p);
        return p;
    }
    void ClickAt(HWND w, int x, int y) {
        POINT p = At(w, x, y);
        m_display->Click(p.x, p.y);
    }
    void Drag(HWND w, POINT from, POINT to) {
        POINT a = At(w, from.x, from.y), b = At(w, to.x, to.y);
        m_display->MouseMove(a.x, a.y);
        m_display->MouseDown();
        m_display->Pump();
        m_display->MouseMove((a.x + b.x) / 2, (a.y + b.y) / 2);
        m_display->Pump();
        m_display->MouseMove(b.x, b.y);
        m_display->MouseUp();
        m_display->Pump();
    }

    static CommonControlsTest*& Self() {
        static CommonControlsTest* t = nullptr;
        return t;
    }

    static LRESULT CommonHostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        CommonControlsTest* t = Self();
        switch (msg) {
        case WM_NOTIFY: {
            const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
            if (!t || !hdr)
                return 0;
            Told told{msg, hdr->code, wParam, hdr->hwndFrom};
            if (hdr->code == UDN_DELTAPOS) {
                const auto* nm = reinterpret_cast<const NMUPDOWN*>(lParam);
                told.a = nm->iPos;
                told.b = nm->iDelta;
            } else if (hdr->code >= HDN_TRACKA && hdr->code <= HDN_ITEMCHANGINGA) {
                const auto* nm = reinterpret_cast<const NMHEADERA*>(lParam);
                told.a = nm->iItem;
                told.b = nm->pitem ? nm->pitem->cxy : -1;
            }
            t->m_told.push_back(told);
            return t->m_answer ? t->m_answer(*hdr) : 0;
        }
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (t)
                t->m_told.push_back(Told{msg, LOWORD(wParam), wParam, reinterpret_cast<HWND>(lParam)});
            return 0;
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
    }

    HWND m_parent = nullptr;
    std::vector<Told> m_told;
    std::function<LRESULT(const NMHDR&)> m_answer;
};

} // namespace win::testing
