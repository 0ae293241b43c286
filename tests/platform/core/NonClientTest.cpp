#include "CoreTestSupport.h"

using namespace win;
using namespace coretest;

namespace {

class NonClient : public CoreTest {
protected:
    LRESULT Hit(HWND h, int x, int y) { return SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(x, y)); }
};

// A frame painted by someone else: 6-pixel borders and a 30-pixel caption, everything else default.
LRESULT CALLBACK SkinnedFrame(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_NCCALCSIZE && GetPropA(h, "skin")) {
        RECT* r = w ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(l)->rgrc[0] : reinterpret_cast<RECT*>(l);
        *r = RECT{r->left + 6, r->top + 30, r->right - 6, r->bottom - 6};
        return w ? WVR_REDRAW : 0;
    }
    if (m == WM_NCPAINT && GetPropA(h, "skin")) {
        HDC dc = GetWindowDC(h);
        RECT wr;
        GetWindowRect(h, &wr);
        RECT all{0, 0, wr.right - wr.left, wr.bottom - wr.top};
        HBRUSH b = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &all, b);
        DeleteObject(b);
        ReleaseDC(h, dc);
        return 0;
    }
    return RecordingProc(h, m, w, l);
}

} // namespace

TEST_F(NonClient, ClassicFrameGeometry) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    RECT c;
    GetClientRect(h, &c);
    // 4-pixel sizing frame on each side, 19-pixel caption.
    EXPECT_EQ(c.right, 300 - 8);
    EXPECT_EQ(c.bottom, 200 - 8 - 19);
    POINT p{0, 0};
    ClientToScreen(h, &p);
    EXPECT_EQ(p.x, 104);
    EXPECT_EQ(p.y, 123);
    RECT adj{0, 0, c.right, c.bottom};
    AdjustWindowRectEx(&adj, WS_OVERLAPPEDWINDOW, FALSE, 0);
    EXPECT_EQ(adj.right - adj.left, 300);
    EXPECT_EQ(adj.bottom - adj.top, 200);
}

TEST_F(NonClient, HitTestCodesForEveryPart) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    // window (100,100)-(400,300); frame 4; caption y 104..122; buttons 16x14 at y 106
    EXPECT_EQ(Hit(h, 50, 50), HTNOWHERE);
    EXPECT_EQ(Hit(h, 200, 200), HTCLIENT);
    EXPECT_EQ(Hit(h, 200, 110), HTCAPTION);
    EXPECT_EQ(Hit(h, 100, 200), HTLEFT);
    EXPECT_EQ(Hit(h, 399, 200), HTRIGHT);
    EXPECT_EQ(Hit(h, 250, 100), HTTOP);
    EXPECT_EQ(Hit(h, 250, 299), HTBOTTOM);
    EXPECT_EQ(Hit(h, 100, 100), HTTOPLEFT);
    EXPECT_EQ(Hit(h, 399, 100), HTTOPRIGHT);
    EXPECT_EQ(Hit(h, 100, 299), HTBOTTOMLEFT);
    EXPECT_EQ(Hit(h, 399, 299), HTBOTTOMRIGHT);
    EXPECT_EQ(Hit(h, 400 - 4 - 2 - 8, 112), HTCLOSE);
    EXPECT_EQ(Hit(h, 400 - 4 - 2 - 16 - 2 - 8, 112), HTMAXBUTTON);
    EXPECT_EQ(Hit(h, 400 - 4 - 2 - 16 - 2 - 16 - 8, 112), HTMINBUTTON);
    EXPECT_EQ(Hit(h, 110, 112), HTSYSMENU);

    HWND dlg = Top("d", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 500, 100, 200, 100);
    SetWindowLongPtrA(dlg, GWL_EXSTYLE, WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP);
    SetWindowPos(dlg, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(Hit(dlg, 501, 150), HTBORDER);  // fixed frames do not size
    EXPECT_EQ(Hit(dlg, 510, 110), HTCAPTION); // no icon on a modal frame
    EXPECT_EQ(Hit(dlg, 700 - 3 - 2 - 16 - 2 - 8, 112), HTHELP);

    HWND scroll =
        Top("s", WS_OVERLAPPED | WS_CAPTION | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 400, 200, 200);
    RECT wr, cr;
    GetWindowRect(scroll, &wr);
    GetClientRect(scroll, &cr);
    POINT o{0, 0};
    ClientToScreen(scroll, &o);
    EXPECT_EQ(Hit(scroll, o.x + cr.right + 3, o.y + 10), HTVSCROLL);
    EXPECT_EQ(Hit(scroll, o.x + 10, o.y + cr.bottom + 3), HTHSCROLL);
    EXPECT_EQ(Hit(scroll, o.x + cr.right + 3, o.y + cr.bottom + 3), HTNOWHERE);

    ShowWindow(h, SW_MAXIMIZE);
    RECT m;
    GetWindowRect(h, &m);
    EXPECT_EQ(Hit(h, m.left + 1, m.top + 100), HTBORDER); // a maximised window cannot be sized
}

TEST_F(NonClient, DraggingTheCaptionMovesTheWindow) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    m_display->Pump();
    SetTimer(h, 1, 10, [](HWND w, UINT, UINT_PTR id, DWORD) {
        // Runs inside the move loop: the drag goes on and the timer still ticks.
        KillTimer(w, id);
        auto& d = display::Headless();
        d.MouseMove(250, 160);
        d.MouseMove(260, 170);
        d.MouseUp();
    });
    m_display->MouseMove(200, 110);
    m_display->MouseDown();
    m_display->Pump();
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.left, 160);
    EXPECT_EQ(r.top, 160);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Messages(h, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}),
              (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
}

TEST_F(NonClient, CaptionButtonsMinimiseRestoreMaximiseAndClose) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    m_display->Pump();
    m_display->Click(400 - 4 - 2 - 16 - 2 - 16 - 8, 112);
    EXPECT_TRUE(IsIconic(h));
    WINDOWPLACEMENT wp;
    GetWindowPlacement(h, &wp);
    EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_EQ(wp.rcNormalPosition.left, 100);
    SendMessageA(h, WM_SYSCOMMAND, SC_RESTORE, 0);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right, 400);
    m_display->Click(400 - 4 - 2 - 16 - 2 - 8, 112);
    EXPECT_TRUE(IsZoomed(h));
    bool sawMaxSize = false;
    for (auto& rec : Log())
        sawMaxSize |= rec.hwnd == h && rec.msg == WM_SIZE && rec.wParam == SIZE_MAXIMIZED;
    EXPECT_TRUE(sawMaxSize);
    ShowWindow(h, SW_RESTORE);
    Log().clear();
    m_display->Click(400 - 4 - 2 - 8, 112);
    EXPECT_EQ(Messages(h, {WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(NonClient, ReleasingAwayFromACaptionButtonDoesNothing) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    m_display->Pump();
    SetTimer(h, 1, 10, [](HWND w, UINT, UINT_PTR id, DWORD) {
        KillTimer(w, id);
        display::Headless().MouseMove(200, 200);
        display::Headless().MouseUp();
    });
    m_display->MouseMove(400 - 4 - 2 - 8, 112);
    m_display->MouseDown();
    m_display->Pump();
    EXPECT_TRUE(IsWindow(h));
}

TEST_F(NonClient, ForeignFrameKeepsItsSizeThroughFrameChangesAndIsPaintedAsItsOwnerPaints) {
    Register("Skinned", 0, SkinnedFrame);
    HWND h = CreateWindowExA(0, "Skinned", "s", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150, nullptr,
                             nullptr, nullptr, nullptr);
    RECT before;
    GetClientRect(h, &before);
    SetPropA(h, "skin", reinterpret_cast<HANDLE>(1));
    // Growing the window by the frame difference keeps the client size, as a skin does when attaching.
    SetWindowPos(h, nullptr, 0, 0, 200 - 8 + 12, 150 - 27 + 36, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER);
    RECT after;
    GetClientRect(h, &after);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    RECT again;
    GetClientRect(h, &again);
    EXPECT_EQ(again.right, after.right);
    EXPECT_EQ(again.bottom, after.bottom);
    UpdateWindow(h);
    auto screen = m_display->Composite();
    // Caption and border pixels are exactly what the frame's owner painted.
    EXPECT_EQ(screen->Row(10 + 15)[10 + 50] & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(screen->Row(10 + 100)[10 + 2] & 0xFFFFFF, 0xFF00FFu);
    // Changing the text or the activation repaints the frame through its owner, never over it.
    SetWindowTextA(h, "another caption");
    HWND other = Top("other", WS_POPUP | WS_VISIBLE, 600, 600, 50, 50);
    SetActiveWindow(h);
    DestroyWindow(other);
    m_display->Pump();
    screen = m_display->Composite();
    EXPECT_EQ(screen->Row(10 + 15)[10 + 50] & 0xFFFFFF, 0xFF00FFu);
}

TEST_F(NonClient, CloseRequestsDestroyOnlyThroughTheDefaultProcedure) {
    HWND h = Top();
    SendMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(h));
    HWND k = Top();
    m_display->KeyDown(VK_MENU);
    m_display->KeyDown(VK_F4);
    m_display->Pump();
    EXPECT_FALSE(IsWindow(k));
}
