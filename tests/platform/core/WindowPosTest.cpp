#include "CoreTestSupport.h"

using namespace win;
using namespace coretest;

namespace {

class WindowPos : public CoreTest {};

LRESULT CALLBACK BigMinimum(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_GETMINMAXINFO) {
        auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
        mmi->ptMinTrackSize = POINT{250, 150};
        mmi->ptMaxSize = POINT{800, 600};
        mmi->ptMaxPosition = POINT{10, 20};
        return 0;
    }
    return RecordingProc(h, m, w, l);
}

} // namespace

TEST_F(WindowPos, MinMaxInfoBoundsSizingAndPlacesTheMaximisedWindow) {
    Register("MinMax", 0, BigMinimum);
    HWND h = CreateWindowExA(0, "MinMax", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                             nullptr, nullptr, nullptr);
    SetWindowPos(h, nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 250);
    EXPECT_EQ(r.bottom - r.top, 150);
    ShowWindow(h, SW_MAXIMIZE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 800);
    ShowWindow(h, SW_MINIMIZE);
    ShowWindow(h, SW_RESTORE); // a window minimised from maximised comes back maximised
    EXPECT_TRUE(IsZoomed(h));
    ShowWindow(h, SW_RESTORE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 250);
}

TEST_F(WindowPos, DraggingTheBottomRightCornerResizes) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    m_display->Pump();
    SetTimer(h, 1, 10, [](HWND w, UINT, UINT_PTR id, DWORD) {
        KillTimer(w, id);
        display::Headless().MouseMove(449, 339);
        display::Headless().MouseUp();
    });
    m_display->MouseMove(399, 299);
    m_display->MouseDown();
    m_display->Pump();
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right, 450);
    EXPECT_EQ(r.bottom, 340);
    RECT c;
    GetClientRect(h, &c);
    EXPECT_EQ(c.right, 350 - 8);
}

TEST_F(WindowPos, StyleChangesAreAnnouncedAndMayBeAmended) {
    HWND h = Top();
    Log().clear();
    LONG_PTR old = SetWindowLongPtrA(h, GWL_STYLE, GetWindowLongPtrA(h, GWL_STYLE) & ~WS_SYSMENU);
    EXPECT_TRUE(old & WS_SYSMENU);
    EXPECT_EQ(Messages(h, {WM_STYLECHANGING, WM_STYLECHANGED}),
              (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_FALSE(GetWindowLongPtrA(h, GWL_STYLE) & WS_SYSMENU);
    // Without a system menu the caption has no buttons.
    RECT w;
    GetWindowRect(h, &w);
    EXPECT_EQ(SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(w.right - 12, w.top + 12)), HTCAPTION);
}

TEST_F(WindowPos, HiddenWindowsAreNotPaintedUntilShown) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW);
    InvalidateRect(h, nullptr, TRUE);
    Log().clear();
    m_display->Pump();
    EXPECT_TRUE(Messages(h, {WM_PAINT}).empty());
    ShowWindow(h, SW_SHOWNA);
    m_display->Pump();
    EXPECT_EQ(Messages(h, {WM_PAINT}).size(), 1u);
    EXPECT_NE(GetActiveWindow(), h);
}

TEST_F(WindowPos, ChildRegionsPassThePointToTheParent) {
    HWND top = Top("t", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    HWND c = Child(top, 0, 0, 100, 100);
    SetWindowRgn(c, CreateRectRgn(0, 0, 10, 10), FALSE);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), c);
    EXPECT_EQ(WindowFromPoint(POINT{50, 50}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{50, 50}), c); // geometry only, as on Windows
}

TEST_F(WindowPos, DesktopAndCoordinateMapping) {
    RECT d;
    GetWindowRect(GetDesktopWindow(), &d);
    EXPECT_EQ(d.right, 1280);
    EXPECT_EQ(d.bottom, 1024);
    EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
    HWND h = Top("t", WS_POPUP | WS_VISIBLE, 30, 40, 100, 100);
    HWND c = Child(h, 5, 6, 10, 10);
    POINT p{0, 0};
    ClientToScreen(c, &p);
    EXPECT_EQ(p.x, 35);
    EXPECT_EQ(p.y, 46);
    ScreenToClient(h, &p);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 6);
    int packed = MapWindowPoints(c, h, nullptr, 0);
    EXPECT_EQ(static_cast<SHORT>(LOWORD(packed)), 5);
    EXPECT_EQ(static_cast<SHORT>(HIWORD(packed)), 6);
}

TEST_F(WindowPos, PeekFiltersByWindowAndRangeAndTheQueueHasAQuota) {
    HWND a = Top("a");
    HWND b = Top("b");
    m_display->Pump();
    PostMessageA(a, WM_USER + 1, 0, 0);
    PostMessageA(b, WM_USER + 2, 0, 0);
    PostMessageA(a, WM_USER + 3, 0, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, b, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_USER + 2u);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_USER + 3, WM_USER + 3, PM_NOREMOVE));
    EXPECT_EQ(m.message, WM_USER + 3u);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_USER + 1u);
    int posted = 0;
    while (PostMessageA(a, WM_USER, 0, 0) && posted < 20000)
        ++posted;
    EXPECT_LT(posted, 20000);
    EXPECT_EQ(GetLastError(), 1816u); // ERROR_NOT_ENOUGH_QUOTA
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowPos, AltKeysBecomeSystemKeysAndCharacters) {
    HWND h = Top();
    Log().clear();
    m_display->KeyDown(VK_MENU);
    m_display->KeyDown('X');
    m_display->KeyUp('X');
    m_display->KeyUp(VK_MENU);
    m_display->Pump();
    EXPECT_EQ(Messages(h, {WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYUP}),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYUP}));
}
