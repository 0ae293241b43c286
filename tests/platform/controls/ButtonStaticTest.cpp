#include "ControlsFixture.h"

namespace win::testing {

namespace {

using ButtonTest = ControlsTest;

TEST_F(ButtonTest, ClickingARadioButtonChecksItAndClearsOnlyItsGroup) {
    HWND a = Child("button", "A", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 10, 100, 20, 1);
    HWND b = Child("button", "B", BS_AUTORADIOBUTTON, 10, 40, 100, 20, 2);
    HWND c = Child("button", "C", BS_AUTORADIOBUTTON, 10, 70, 100, 20, 3);
    HWND other = Child("button", "Other", BS_AUTORADIOBUTTON | WS_GROUP, 10, 100, 100, 20, 4);
    SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);

    Click(c);
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED) << "another group is left alone";
    EXPECT_EQ(Commands(3, BN_CLICKED), 1);
    // The checked button of a group is its tab stop.
    EXPECT_TRUE(GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongA(a, GWL_STYLE) & WS_TABSTOP);

    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Commands(2, BN_CLICKED), 1);
}

TEST_F(ButtonTest, PlainRadioButtonOnlyNotifies) {
    HWND r = Child("button", "R", BS_RADIOBUTTON, 10, 10, 100, 20, 7);
    Click(r);
    EXPECT_EQ(SendMessageA(r, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Commands(7, BN_CLICKED), 1);
}

TEST_F(ButtonTest, CheckBoxTogglesOnTheSpaceBar) {
    HWND box = Child("button", "Check", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 120, 20, 5);
    SetFocus(box);
    m_display->KeyDown(VK_SPACE);
    m_display->Pump();
    EXPECT_TRUE(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_PUSHED) << "held down while the space bar is";
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    m_display->KeyUp(VK_SPACE);
    m_display->Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_TRUE(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_FOCUS);
    Key(VK_SPACE);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Commands(5, BN_CLICKED), 2);
}

TEST_F(ButtonTest, ThreeStateBoxCyclesThroughIndeterminate) {
    HWND box = Child("button", "Three", BS_AUTO3STATE, 10, 10, 120, 20, 6);
    Click(box);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    Click(box);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    Click(box);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // A two-state box takes an indeterminate request as checked.
    HWND two = Child("button", "Two", BS_CHECKBOX, 10, 40, 120, 20, 8);
    SendMessageA(two, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(two, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(two, BM_SETCHECK, 12345, 0);
    EXPECT_EQ(SendMessageA(two, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, ReleasingOutsideThePushButtonDoesNotClick) {
    HWND push = Child("button", "Push", BS_PUSHBUTTON, 10, 10, 80, 24, 9);
    POINT p = Center(push);
    m_display->MouseMove(p.x, p.y);
    m_display->MouseDown();
    m_display->Pump();
    EXPECT_TRUE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    m_display->MouseMove(p.x + 200, p.y + 100);
    m_display->Pump();
    EXPECT_FALSE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED) << "shown released outside";
    m_display->MouseUp();
    m_display->Pump();
    EXPECT_EQ(Commands(9, BN_CLICKED), 0);
    Click(push);
    EXPECT_EQ(Commands(9, BN_CLICKED), 1);
}

TEST_F(ButtonTest, SetStateAndStyleAndDialogCodes) {
    HWND push = Child("button", "Push", BS_PUSHBUTTON, 10, 10, 80, 24, 10);
    SendMessageA(push, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageA(push, BM_SETSTATE, FALSE, 0);
    EXPECT_FALSE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(GetWindowLongA(push, GWL_STYLE) & WS_VISIBLE) << "BM_SETSTYLE keeps the window style";
    HWND group = Child("button", "Group", BS_GROUPBOX, 200, 10, 200, 100, 11);
    EXPECT_EQ(SendMessageA(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(ButtonTest, GroupBoxIsTransparentToTheMouse) {
    HWND group = Child("button", "Group", BS_GROUPBOX, 10, 10, 200, 100, 12);
    RECT r;
    GetWindowRect(group, &r);
    EXPECT_EQ(SendMessageA(group, WM_NCHITTEST, 0, MAKELPARAM(r.left + 5, r.bottom - 5)), HTTRANSPARENT);
    m_display->Click(r.left + 5, r.bottom - 5);
    EXPECT_EQ(Commands(12, BN_CLICKED), 0);
    SendMessageA(group, BM_CLICK, 0, 0);
    EXPECT_EQ(Commands(12, BN_CLICKED), 0);
}

TEST_F(ButtonTest, OwnerDrawnButtonIsDrawnByItsParent) {
    HWND od = Child("button", "OD", BS_OWNERDRAW, 10, 10, 80, 24, 14);
    UpdateWindow(m_host);
    m_display->Pump();
    bool drawn = false;
    for (const Notice& n : Of(WM_DRAWITEM))
        drawn |= reinterpret_cast<HWND>(n.lParam) == od;
    EXPECT_TRUE(drawn);
}

WNDPROC g_buttonProc = nullptr;
int g_seenDowns = 0;
// A class built on "button", as the widget toolkit builds its buttons: it sees every message first.
LRESULT ToolkitButtonProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_LBUTTONDOWN)
        ++g_seenDowns;
    return CallWindowProcA(g_buttonProc, h, m, w, l);
}

TEST_F(ButtonTest, AClassBuiltOnTheButtonProcedureBehavesAsAButton) {
    WNDCLASSEXA wc;
    ASSERT_TRUE(GetClassInfoExA(nullptr, "button", &wc));
    g_buttonProc = wc.lpfnWndProc;
    if (!GetClassInfoExA(nullptr, "TButtonTest", &wc)) {
        wc.lpfnWndProc = ToolkitButtonProc;
        wc.lpszClassName = "TButtonTest";
        wc.style &= ~CS_GLOBALCLASS;
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }
    g_seenDowns = 0;
    HWND b = Child("TButtonTest", "确定", BS_AUTOCHECKBOX, 10, 10, 100, 24, 15);
    Click(b);
    EXPECT_EQ(g_seenDowns, 1);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Commands(15, BN_CLICKED), 1);
}

using StaticTest = ControlsTest;

TEST_F(StaticTest, NotifiesClicksOnlyWithSsNotify) {
    HWND quiet = Child("static", "Quiet", SS_LEFT, 10, 10, 100, 20, 20);
    HWND link = Child("static", "Link", SS_LEFT | SS_NOTIFY, 10, 40, 100, 20, 21);
    Click(quiet);
    Click(link);
    EXPECT_EQ(Commands(20, STN_CLICKED), 0);
    EXPECT_EQ(Commands(21, STN_CLICKED), 1);
    EXPECT_EQ(SendMessageA(quiet, WM_NCHITTEST, 0, MAKELPARAM(Center(quiet).x, Center(quiet).y)),
              HTTRANSPARENT);
}

TEST_F(StaticTest, AsksItsParentForColoursAndKeepsText) {
    int asked = 0;
    struct Probe {
        static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_CTLCOLORSTATIC) {
                ++*reinterpret_cast<int*>(GetWindowLongPtrA(h, GWLP_USERDATA));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
            }
            return DefWindowProcA(h, m, w, l);
        }
    };
    SetWindowLongPtrA(m_host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&asked));
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Probe::Proc)));
    HWND s = Child("static", "第一章 职业道德与服务规范（244题）", SS_CENTER, 10, 10, 300, 20, 22);
    UpdateWindow(s);
    EXPECT_GT(asked, 0);
    EXPECT_EQ(Text(s), "第一章 职业道德与服务规范（244题）");
    SetWindowLongPtrA(m_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
}

} // namespace

} // namespace win::testing
