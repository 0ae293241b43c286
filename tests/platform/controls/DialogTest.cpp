#include "ControlsFixture.h"

namespace win::testing {

namespace {

class DialogTest : public ControlsTest {
protected:
    HWND MakeDialog() {
        HWND d = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "对话框", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 200, 200, 320, 220, m_host, nullptr, nullptr, nullptr);
        EXPECT_NE(d, nullptr);
        return d;
    }
};

TEST_F(DialogTest, ArrowKeysMoveThroughARadioGroupAndCheckAsTheyGo) {
    HWND d = MakeDialog();
    HWND a = Child("button", "A", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 10, 100, 20, 11, d);
    HWND b = Child("button", "B", BS_AUTORADIOBUTTON, 10, 35, 100, 20, 12, d);
    HWND c = Child("button", "C", BS_AUTORADIOBUTTON, 10, 60, 100, 20, 13, d);
    Child("button", "确定", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 200, 150, 75, 23, IDOK, d);
    SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(d, DM_SETDEFID, 0, 0);
    QueueKey(VK_TAB); // from the dialog's first tab stop, A, to OK and back
    QueueKey(VK_TAB);
    QueueKey(VK_DOWN);
    QueueKey(VK_DOWN);
    QueueKey(VK_DOWN); // wraps inside the group, back to A
    QueueKey(VK_UP);
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(RunDialogLoop(d), IDCANCEL);
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowVisible(d)) << "the loop hides the dialog when it ends";
    EXPECT_TRUE(IsWindowEnabled(m_host));
    DestroyWindow(d);
}

TEST_F(DialogTest, TabSkipsDisabledControlsAndSelectsAnEditsText) {
    HWND d = MakeDialog();
    HWND ok = Child("button", "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 150, 75, 23, IDOK, d);
    HWND off = Child("button", "关", BS_PUSHBUTTON | WS_TABSTOP, 100, 150, 75, 23, 21, d);
    HWND e = Child("edit", "abc", WS_BORDER | WS_TABSTOP, 10, 10, 150, 22, 22, d);
    EnableWindow(off, FALSE);
    ShowWindow(d, SW_SHOW);
    SetFocus(ok);
    MSG m{ok, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageA(d, &m));
    EXPECT_EQ(GetFocus(), e);
    DWORD a = 9, b = 9;
    SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    EXPECT_EQ(a, 0u);
    EXPECT_EQ(b, 3u);
    EXPECT_EQ(GetNextDlgTabItem(d, e, FALSE), ok);
    EXPECT_EQ(GetNextDlgTabItem(d, ok, TRUE), e);
    MSG other{m_host, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(IsDialogMessageA(d, &other)) << "a message for another window is not the dialog's";
    EXPECT_FALSE(IsDialogMessageA(d, nullptr));
    DestroyWindow(d);
}

TEST_F(DialogTest, EnterChoosesTheFocusedPushButtonAndClosingCancels) {
    HWND d = MakeDialog();
    Child("button", "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 150, 75, 23, IDOK, d);
    HWND cancel = Child("button", "取消", BS_PUSHBUTTON | WS_TABSTOP, 100, 150, 75, 23, IDCANCEL, d);
    QueueKey(VK_TAB);
    QueueKey(VK_RETURN);
    EXPECT_EQ(RunDialogLoop(d), IDCANCEL);
    EXPECT_EQ(GetFocus() == cancel, false);
    PostMessageA(d, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunDialogLoop(d), IDCANCEL);
    EXPECT_FALSE(EndDialog(m_host, 1)) << "only a dialog can be ended";
    DestroyWindow(d);
}

TEST_F(DialogTest, SetDefIdMovesTheDefaultLook) {
    HWND d = MakeDialog();
    HWND ok = Child("button", "确定", BS_DEFPUSHBUTTON, 200, 150, 75, 23, IDOK, d);
    HWND other = Child("button", "其他", BS_PUSHBUTTON, 100, 150, 75, 23, 30, d);
    SendMessageA(d, DM_SETDEFID, 30, 0);
    EXPECT_EQ(LOWORD(SendMessageA(d, DM_GETDEFID, 0, 0)), 30);
    EXPECT_EQ(HIWORD(SendMessageA(d, DM_GETDEFID, 0, 0)), DC_HASDEFID);
    EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
    EXPECT_EQ(GetWindowLongA(other, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_DEFPUSHBUTTON));
    DestroyWindow(d);
}

using ListBoxTest = ControlsTest;

TEST_F(ListBoxTest, SortsSelectsAndNotifies) {
    HWND l = Child("listbox", "", WS_BORDER | LBS_NOTIFY | LBS_SORT, 10, 10, 150, 100, 40);
    for (const char* s : {"delta", "Alpha", "charlie", "bravo"})
        SendMessageA(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    char buf[16];
    SendMessageA(l, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(buf));
    EXPECT_STREQ(buf, "Alpha");
    SendMessageA(l, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(buf));
    EXPECT_STREQ(buf, "delta");
    EXPECT_EQ(SendMessageA(l, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("CH")), 2);
    SendMessageA(l, LB_SETCURSEL, 2, 0);
    SendMessageA(l, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 1) << "the selection follows its item";
    SendMessageA(l, LB_DELETESTRING, 1, 0);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), LB_ERR);
    SetFocus(l);
    Key(VK_DOWN);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 0);
    Key(VK_END);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Commands(40, LBN_SELCHANGE), 2);
    EXPECT_EQ(SendMessageA(l, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("far")), LB_ERR);
}

} // namespace

} // namespace win::testing
