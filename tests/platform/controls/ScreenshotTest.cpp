// Screenshots for a person to look at: every control in one window, and a question box. Written into the
// build folder; the test only checks that they were written.
#include "ControlsFixture.h"
#include "support/TestGuards.h"

namespace win::testing {

namespace {

using ScreenshotTest = ControlsTest;

std::string OutPath(const char* name) {
    return std::string(TAXI_BINARY_DIR) + "/" + name;
}

TEST_F(ScreenshotTest, EveryControl) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 1, "打开(&O)");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
    AppendMenuA(bar, MF_STRING | MF_GRAYED, 2, "帮助(&H)");
    SetMenu(m_host, bar);
    SetWindowTextA(m_host, "【岚途学堂】控件一览");
    MoveWindow(m_host, 40, 40, 620, 470, TRUE);

    Child("button", "顺序练习", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 90, 26, 1);
    Child("button", "模拟考试", BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 10, 90, 26, 2);
    HWND disabled = Child("button", "错题练习", BS_PUSHBUTTON, 210, 10, 90, 26, 3);
    EnableWindow(disabled, FALSE);
    HWND check = Child("button", "复选框", BS_AUTOCHECKBOX, 10, 50, 100, 20, 4);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    HWND three = Child("button", "三态", BS_AUTO3STATE, 110, 50, 80, 20, 5);
    SendMessageA(three, BM_SETCHECK, BST_INDETERMINATE, 0);
    Child("button", "按钮在右", BS_AUTOCHECKBOX | BS_RIGHTBUTTON, 200, 50, 100, 20, 6);
    HWND group = Child("button", "答题", BS_GROUPBOX, 10, 80, 290, 110, 7);
    (void)group;
    HWND ra = Child("button", "A. 正确", BS_AUTORADIOBUTTON | WS_GROUP, 25, 100, 120, 20, 8);
    Child("button", "B. 错误", BS_AUTORADIOBUTTON, 25, 125, 120, 20, 9);
    Child("button", "多行的单选按钮，文字很长会折行显示", BS_AUTORADIOBUTTON | BS_MULTILINE, 150, 100, 140,
          45, 10);
    SendMessageA(ra, BM_SETCHECK, BST_CHECKED, 0);
    Child("static", "左对齐的文字", SS_LEFT, 10, 200, 140, 20, 11);
    Child("static", "居中", SS_CENTER | SS_SUNKEN, 160, 200, 140, 20, 12);
    Child("static", "【随机】", SS_RIGHT | SS_NOTIFY, 10, 225, 290, 20, 13);
    HWND edit = Child("edit", "输入框 12345", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 10, 250, 200, 22, 14);
    HWND memo = CreateWindowExA(WS_EX_CLIENTEDGE, "edit", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE, 320, 10, 270,
                                140, m_host, reinterpret_cast<HMENU>(15), nullptr, nullptr);
    std::string lines;
    for (int i = 1; i <= 20; ++i)
        lines += "第" + std::to_string(i) + "行：出租汽车驾驶员从业资格考试\r\n";
    SetWindowTextA(memo, lines.c_str());
    HWND hbar = Child("scrollbar", "", SBS_HORZ, 320, 160, 270, 17, 16);
    SetScrollRange(hbar, SB_CTL, 0, 100, FALSE);
    SetScrollPos(hbar, SB_CTL, 40, TRUE);
    HWND vbar = Child("scrollbar", "", SBS_VERT, 573, 185, 17, 150, 17);
    SetScrollRange(vbar, SB_CTL, 0, 10, TRUE);
    Child("scrollbar", "", SBS_SIZEGRIP, 573, 345, 17, 17, 18);
    HWND combo = Child("combobox", "", CBS_DROPDOWNLIST, 320, 185, 160, 150, 19);
    HWND drop = Child("combobox", "", CBS_DROPDOWN, 320, 220, 160, 150, 20);
    HWND list = Child("listbox", "", WS_BORDER | LBS_NOTIFY, 320, 255, 160, 80, 21);
    for (const char* s : {"第一章", "第二章", "第三章", "第四章", "第五章", "第六章"}) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        SendMessageA(drop, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(drop, CB_SETCURSEL, 2, 0);
    SendMessageA(list, LB_SETCURSEL, 3, 0);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 4, 7);
    RedrawWindow(m_host, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_display->Pump();
    std::string error;
    EXPECT_TRUE(m_display->Screenshot(OutPath("controls_all.png"), &error)) << error;

    Click(combo);
    EXPECT_TRUE(m_display->Screenshot(OutPath("controls_combo_dropped.png"), &error)) << error;
    Key(VK_ESCAPE);
    SetMenu(m_host, nullptr);
    DestroyMenu(bar);
}

HHOOK g_shotHook = nullptr;
bool g_shotTaken = false;
display::HeadlessDisplay* g_shotDisplay = nullptr;

LRESULT ShotHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && !g_shotTaken) {
        g_shotTaken = true;
        // The loop's first message comes before the box has had its first paint.
        RedrawWindow(GetActiveWindow(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        g_shotDisplay->Screenshot(OutPath("controls_messagebox.png"));
        g_shotDisplay->KeyDown(VK_ESCAPE);
        g_shotDisplay->KeyUp(VK_ESCAPE);
    }
    if (code == MSGF_MENU && !g_shotTaken) {
        g_shotTaken = true;
        g_shotDisplay->Screenshot(OutPath("controls_menu.png"));
        g_shotDisplay->KeyDown(VK_ESCAPE);
        g_shotDisplay->KeyUp(VK_ESCAPE);
    }
    return CallNextHookEx(g_shotHook, code, wParam, lParam);
}

TEST_F(ScreenshotTest, QuestionBoxAndPopupMenu) {
    g_shotDisplay = m_display;
    g_shotTaken = false;
    taxi::test::ScopedHook hook(WH_MSGFILTER, ShotHook);
    g_shotHook = hook.Get();
    m_display->MouseMove(3, 3);
    EXPECT_EQ(MessageBoxA(m_host, "您还有12题没做，确定交卷", "提示", MB_OKCANCEL | MB_ICONQUESTION),
              IDCANCEL);
    EXPECT_TRUE(g_shotTaken);

    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "撤消(&U)");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | MF_CHECKED, 2, "剪切(&T)\tCtrl+X");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 3, "粘贴(&P)");
    HMENU sub = CreatePopupMenu();
    AppendMenuA(sub, MF_STRING, 4, "子项");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "更多");
    g_shotTaken = false;
    m_display->MouseMove(3, 3);
    TrackPopupMenu(menu, TPM_RETURNCMD, 250, 200, 0, m_host, nullptr);
    EXPECT_TRUE(g_shotTaken);
    DestroyMenu(menu);
}

} // namespace

} // namespace win::testing
