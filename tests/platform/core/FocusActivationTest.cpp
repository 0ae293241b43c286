#include "CoreTestSupport.h"

using namespace win;
using namespace coretest;

namespace {
class FocusActivation : public CoreTest {};
} // namespace

TEST_F(FocusActivation, SwitchingWindowsDeactivatesFirstThenActivatesAndMovesFocus) {
    HWND a = Top("a");
    HWND b = Top("b", WS_OVERLAPPEDWINDOW, 50, 50, 200, 100);
    HWND edit = Child(a, 5, 5, 50, 20);
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    ShowWindow(b, SW_SHOWNA);
    Log().clear();
    ASSERT_EQ(SetActiveWindow(b), a);
    std::vector<std::pair<HWND, UINT>> seq;
    for (auto& r : Log())
        if (r.msg == WM_NCACTIVATE || r.msg == WM_ACTIVATE || r.msg == WM_SETFOCUS || r.msg == WM_KILLFOCUS)
            seq.push_back({r.hwnd, r.msg});
    std::vector<std::pair<HWND, UINT>> want = {{a, WM_NCACTIVATE}, {a, WM_ACTIVATE},     {b, WM_NCACTIVATE},
                                               {b, WM_ACTIVATE},   {edit, WM_KILLFOCUS}, {b, WM_SETFOCUS}};
    EXPECT_EQ(seq, want);
    // The deactivated window learns which window takes over, the activated one which one it replaces.
    for (auto& r : Log()) {
        if (r.hwnd == a && r.msg == WM_ACTIVATE) {
            EXPECT_EQ(LOWORD(r.wParam), WA_INACTIVE);
            EXPECT_EQ(reinterpret_cast<HWND>(r.lParam), b);
        }
        if (r.hwnd == b && r.msg == WM_ACTIVATE) {
            EXPECT_EQ(reinterpret_cast<HWND>(r.lParam), a);
        }
    }
    EXPECT_EQ(GetTopWindow(nullptr), b);
}

TEST_F(FocusActivation, FocusOnAChildOfAnInactiveWindowActivatesItsTopLevel) {
    HWND a = Top("a");
    HWND b = Top("b");
    HWND c = Child(a, 0, 0, 10, 10);
    ASSERT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(SetFocus(c), b);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), c);
}

TEST_F(FocusActivation, DisabledOrHiddenWindowsLoseAndRefuseFocus) {
    HWND a = Top();
    HWND c = Child(a, 0, 0, 10, 10);
    SetFocus(c);
    EnableWindow(c, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(c), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EnableWindow(c, TRUE);
    SetFocus(c);
    ShowWindow(c, SW_HIDE);
    EXPECT_EQ(GetFocus(), a); // a hidden child hands the focus to its parent
}

TEST_F(FocusActivation, HidingTheActiveWindowActivatesItsOwner) {
    HWND owner = Top("owner");
    HWND other = Top("other");
    HWND popup = Top("popup", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 50, 50, owner);
    ASSERT_EQ(GetActiveWindow(), popup);
    ShowWindow(popup, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), owner);
    DestroyWindow(owner);
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(FocusActivation, OwnedWindowsStayAboveTheirOwner) {
    HWND owner = Top("owner");
    HWND owned = Top("owned", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, owner);
    HWND other = Top("other");
    ASSERT_EQ(GetTopWindow(nullptr), other);
    SetActiveWindow(owner);
    EXPECT_EQ(GetTopWindow(nullptr), owned);
    EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), owner);
}

TEST_F(FocusActivation, WindowsOwnedInTurnStayAboveTheWholeChain) {
    // The main window, a practice window it owns, and a message box the practice window owns: bringing the
    // main window forward must not bury the box beneath the window it belongs to.
    HWND main = Top("main");
    HWND practice = Top("practice", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, main);
    HWND box = Top("box", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, practice);
    HWND other = Top("other");
    ASSERT_EQ(GetTopWindow(nullptr), other);
    SetActiveWindow(main);
    EXPECT_EQ(GetTopWindow(nullptr), box);
    EXPECT_EQ(GetWindow(box, GW_HWNDNEXT), practice);
    EXPECT_EQ(GetWindow(practice, GW_HWNDNEXT), main);
}

TEST_F(FocusActivation, ClickingAnInactiveWindowActivatesItWithClickActive) {
    HWND a = Top("a", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND b = Top("b", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 0, 200, 200);
    ASSERT_EQ(GetActiveWindow(), b);
    Log().clear();
    m_display->Click(100, 100);
    EXPECT_EQ(GetActiveWindow(), a);
    bool clickActive = false;
    for (auto& r : Log())
        if (r.hwnd == a && r.msg == WM_ACTIVATE)
            clickActive = LOWORD(r.wParam) == WA_CLICKACTIVE;
    EXPECT_TRUE(clickActive);
    auto msgs = Messages(a, {WM_MOUSEACTIVATE, WM_LBUTTONDOWN, WM_LBUTTONUP});
    EXPECT_EQ(msgs, (std::vector<UINT>{WM_MOUSEACTIVATE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(FocusActivation, CaptureRoutesMouseAndAnnouncesItsLoss) {
    HWND a = Top("a", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND b = Top("b", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 0, 200, 200);
    SetCapture(a);
    Log().clear();
    m_display->MouseMove(500, 100);
    m_display->Pump();
    EXPECT_EQ(Messages(a, {WM_MOUSEMOVE}).size(), 1u);
    EXPECT_TRUE(Messages(b, {WM_MOUSEMOVE, WM_NCMOUSEMOVE}).empty());
    SetCapture(b);
    EXPECT_EQ(Messages(a, {WM_CAPTURECHANGED}).size(), 1u);
    DestroyWindow(b);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FocusActivation, DisablingAWindowTakesTheMouseFromItsChildren) {
    // A click handler that opens a modal box disables its window while a child may still hold the mouse;
    // the box must get the next press.
    HWND top = Top("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200);
    HWND child = Child(top, 10, 10, 100, 50);
    SetCapture(child);
    EnableWindow(top, FALSE);
    EXPECT_EQ(GetCapture(), nullptr);
    HWND other = Top("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 0, 200, 200);
    SetCapture(other);
    EnableWindow(top, TRUE);
    EnableWindow(top, FALSE);
    EXPECT_EQ(GetCapture(), other) << "a window elsewhere keeps its capture";
}

TEST_F(FocusActivation, ModalOwnerIsDisabledAndItsClicksAreRefused) {
    HWND owner = Top("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
    HWND dlg = Top("dlg", WS_POPUP | WS_CAPTION | WS_SYSMENU, 500, 0, 100, 100, owner);
    bool checked = false;
    SetTimer(dlg, 1, 100, [](HWND h, UINT, UINT_PTR, DWORD) {
        HWND owner = GetWindow(h, GW_OWNER);
        Log().clear();
        display::Headless().Click(150, 150);
        EXPECT_FALSE(IsWindowEnabled(owner));
        EXPECT_TRUE(Messages(owner, {WM_LBUTTONDOWN}).empty());
        EXPECT_EQ(GetActiveWindow(), h);
        EndModalLoop(h, 42);
    });
    (void)checked;
    EXPECT_EQ(RunModalLoop(dlg), 42);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindowVisible(dlg));
    EXPECT_EQ(GetActiveWindow(), owner);
}
