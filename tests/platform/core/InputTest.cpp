#include "CoreTestSupport.h"

using namespace win;
using namespace coretest;

namespace {
class Input : public CoreTest {};
} // namespace

TEST_F(Input, DoubleClicksOnlyForClassesThatAskForThem) {
    HWND plain = Top("p", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND dbl = CreateWindowExA(0, "RecDbl", "d", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
    m_display->Pump();
    Log().clear();
    m_display->DoubleClick(50, 50);
    EXPECT_EQ(Messages(plain, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    m_display->DoubleClick(250, 50);
    EXPECT_EQ(Messages(dbl, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    // Too slow, or a third click, is a plain press again.
    Log().clear();
    m_display->Click(250, 50);
    m_display->Advance(GetDoubleClickTime() + 1);
    m_display->Click(250, 50);
    EXPECT_EQ(Messages(dbl, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(Input, ClientCoordinatesAndKeyFlags) {
    HWND h = Top("p", WS_POPUP | WS_VISIBLE, 100, 50, 100, 100);
    HWND c = Child(h, 10, 10, 40, 40);
    m_display->Pump();
    Log().clear();
    m_display->KeyDown(VK_SHIFT);
    m_display->MouseMove(115, 65);
    m_display->MouseDown();
    m_display->Pump();
    ASSERT_FALSE(Log().empty());
    bool found = false;
    for (auto& r : Log())
        if (r.hwnd == c && r.msg == WM_LBUTTONDOWN) {
            found = true;
            EXPECT_EQ(GET_X_LPARAM(r.lParam), 5);
            EXPECT_EQ(GET_Y_LPARAM(r.lParam), 5);
            EXPECT_EQ(r.wParam, MK_LBUTTON | MK_SHIFT);
        }
    EXPECT_TRUE(found);
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    m_display->MouseUp();
    m_display->KeyUp(VK_SHIFT);
    m_display->Pump();
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(Input, MouseLeaveIsPostedOnceWhenThePointerLeaves) {
    HWND a = Top("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = Child(a, 10, 10, 30, 30);
    m_display->MouseMove(20, 20);
    m_display->Pump();
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = b;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    TRACKMOUSEEVENT q;
    q.dwFlags = TME_QUERY;
    TrackMouseEvent(&q);
    EXPECT_EQ(q.hwndTrack, b);
    Log().clear();
    m_display->MouseMove(25, 25);
    m_display->Pump();
    EXPECT_TRUE(Messages(b, {WM_MOUSELEAVE}).empty());
    m_display->MouseMove(80, 80);
    m_display->MouseMove(90, 90);
    m_display->Pump();
    EXPECT_EQ(Messages(b, {WM_MOUSELEAVE}).size(), 1u);
    // Asking while the pointer is already outside answers at once.
    Log().clear();
    TrackMouseEvent(&tme);
    m_display->Pump();
    EXPECT_EQ(Messages(b, {WM_MOUSELEAVE}).size(), 1u);
    tme.cbSize = 3;
    EXPECT_FALSE(TrackMouseEvent(&tme));
}

TEST_F(Input, KeysGoToTheFocusAndTranslateIntoCharacters) {
    HWND h = Top();
    HWND c = Child(h, 0, 0, 10, 10);
    SetFocus(c);
    Log().clear();
    m_display->KeyDown('A');
    m_display->KeyUp('A');
    m_display->TypeText("考");
    m_display->Pump();
    std::vector<WPARAM> chars;
    for (auto& r : Log())
        if (r.hwnd == c && r.msg == WM_CHAR)
            chars.push_back(r.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'a', 0x8003}));
    EXPECT_EQ(Messages(c, {WM_KEYDOWN, WM_KEYUP}), (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));
}

TEST_F(Input, HandCursorFollowsTheClassCursor) {
    WNDCLASSEXA wc;
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = "Link";
    wc.hCursor = LoadCursorA(nullptr, IDC_HAND);
    RegisterClassExA(&wc);
    HWND h = Top("p", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    CreateWindowExA(0, "Link", "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, h, nullptr, nullptr, nullptr);
    m_display->MouseMove(15, 15);
    m_display->Pump();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    EXPECT_EQ(display::CursorId(GetCursor()), 32649);
    m_display->MouseMove(60, 60);
    m_display->Pump();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(1)), nullptr);
}

TEST_F(Input, WindowFromPointSkipsHiddenAndDisabledChildren) {
    HWND h = Top("p", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND c = Child(h, 10, 10, 20, 20);
    EXPECT_EQ(WindowFromPoint(POINT{15, 15}), c);
    EnableWindow(c, FALSE);
    EXPECT_EQ(WindowFromPoint(POINT{15, 15}), h);
    EnableWindow(c, TRUE);
    ShowWindow(c, SW_HIDE);
    EXPECT_EQ(WindowFromPoint(POINT{15, 15}), h);
    EXPECT_EQ(WindowFromPoint(POINT{500, 500}), nullptr);
}

TEST_F(Input, HoverIsReportedOnceAfterThePointerRests) {
    HWND a = Top("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    m_display->MouseMove(20, 20);
    m_display->Pump();
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_HOVER;
    tme.hwndTrack = a;
    tme.dwHoverTime = 300;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    Log().clear();
    m_display->Advance(200);
    m_display->MouseMove(40, 40); // a real move restarts the wait
    m_display->Advance(200);
    EXPECT_TRUE(Messages(a, {WM_MOUSEHOVER}).empty());
    m_display->Advance(100);
    ASSERT_EQ(Messages(a, {WM_MOUSEHOVER}).size(), 1u);
    for (auto& r : Log())
        if (r.msg == WM_MOUSEHOVER) {
            EXPECT_EQ(GET_X_LPARAM(r.lParam), 40);
        }
    m_display->Advance(2000);
    EXPECT_EQ(Messages(a, {WM_MOUSEHOVER}).size(), 1u);
}
