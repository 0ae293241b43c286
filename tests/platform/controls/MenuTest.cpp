#include "ControlsFixture.h"
#include "platform/controls/MenuTracker.h"

namespace win::testing {

namespace {

struct HookLog {
    std::vector<HWND> created, destroyed;
    std::vector<DWORD> createdStyles;
    int menuFilterCalls = 0;
    std::function<void(HWND)> onMenuMessage; // the newest popup window, at each MSGF_MENU message
};
HookLog* g_log = nullptr;
HHOOK g_cbt = nullptr, g_filter = nullptr;

LRESULT CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (g_log && code == HCBT_CREATEWND) {
        auto* cw = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (cw && cw->lpcs && cw->lpcs->lpszClass && !IS_INTRESOURCE(cw->lpcs->lpszClass) &&
            std::string(cw->lpcs->lpszClass) == "#32768") {
            g_log->created.push_back(reinterpret_cast<HWND>(wParam));
            g_log->createdStyles.push_back(static_cast<DWORD>(cw->lpcs->style));
        }
    }
    if (g_log && code == HCBT_DESTROYWND)
        g_log->destroyed.push_back(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(g_cbt, code, wParam, lParam);
}

LRESULT FilterHook(int code, WPARAM wParam, LPARAM lParam) {
    if (g_log && code == MSGF_MENU) {
        ++g_log->menuFilterCalls;
        if (g_log->onMenuMessage && !g_log->created.empty())
            g_log->onMenuMessage(g_log->created.back());
    }
    return CallNextHookEx(g_filter, code, wParam, lParam);
}

class MenuTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        g_log = &m_log;
        g_cbt = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
        g_filter = SetWindowsHookExA(WH_MSGFILTER, FilterHook, nullptr, GetCurrentThreadId());
        m_menu = CreatePopupMenu();
        m_sub = CreatePopupMenu();
        AppendMenuA(m_sub, MF_STRING, 201, "第一章(&1)");
        AppendMenuA(m_menu, MF_STRING, 101, "顺序练习(&S)");
        AppendMenuA(m_menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(m_menu, MF_STRING | MF_GRAYED, 102, "错题练习(&W)");
        AppendMenuA(m_menu, MF_STRING | MF_CHECKED, 103, "模拟考试(&E)\tF5");
        AppendMenuA(m_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_sub), "章节(&C)");
    }
    void TearDown() override {
        UnhookWindowsHookEx(g_cbt);
        UnhookWindowsHookEx(g_filter);
        g_log = nullptr;
        DestroyMenu(m_menu);
        ControlsTest::TearDown();
    }
    // The screen centre of item `index` of a popup menu window.
    static POINT ItemCenter(HWND popup, int index) {
        controls::PopupWindowState* st = controls::PopupMenuWindow::StateOf(popup);
        RECT r = st->layout.items[static_cast<size_t>(index)];
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(popup, &p);
        return p;
    }
    void ClickItemWhenOpen(int level, int index) {
        m_log.onMenuMessage = [this, level, index](HWND) {
            if (static_cast<int>(m_log.created.size()) != level + 1)
                return;
            const POINT p = ItemCenter(m_log.created.back(), index);
            m_log.onMenuMessage = nullptr;
            m_display->MouseMove(p.x, p.y);
            m_display->MouseDown();
            m_display->MouseUp();
        };
        m_display->MouseMove(2, 2); // a first message for the loop to offer to the hook
    }

    HookLog m_log;
    HMENU m_menu = nullptr;
    HMENU m_sub = nullptr;
};

TEST_F(MenuTest, KeyboardSkipsSeparatorsAndChoosesWithEnter) {
    QueueKey(VK_DOWN);
    QueueKey(VK_DOWN);
    QueueKey(VK_DOWN);
    QueueKey(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(m_menu, TPM_RETURNCMD, 200, 200, 0, m_host, nullptr), 103);
    ASSERT_EQ(m_log.created.size(), 1u);
    EXPECT_FALSE(m_log.createdStyles[0] & WS_CHILD);
    EXPECT_EQ(m_log.destroyed, m_log.created) << "the popup window is destroyed when the loop ends";
    EXPECT_GT(m_log.menuFilterCalls, 0);
    EXPECT_TRUE(Of(WM_COMMAND).empty()) << "TPM_RETURNCMD posts nothing";
    const std::vector<Notice> sel = Of(WM_MENUSELECT);
    ASSERT_GE(sel.size(), 4u);
    EXPECT_EQ(LOWORD(sel[0].wParam), 101);
    EXPECT_EQ(LOWORD(sel[1].wParam), 102) << "a greyed item can be selected, not chosen";
    EXPECT_TRUE(HIWORD(sel[1].wParam) & MF_GRAYED);
    EXPECT_EQ(reinterpret_cast<HMENU>(sel[0].lParam), m_menu);
    EXPECT_EQ(HIWORD(sel.back().wParam), 0xFFFF) << "the closing WM_MENUSELECT";
    EXPECT_EQ(sel.back().lParam, 0);
}

TEST_F(MenuTest, SubmenuOpensWithTheRightArrowAndNotifiesEachLevel) {
    QueueKey(VK_UP); // from nothing to the last item, the sub-menu
    QueueKey(VK_RIGHT);
    QueueKey(VK_RETURN);
    EXPECT_TRUE(TrackPopupMenu(m_menu, TPM_LEFTALIGN, 200, 200, 0, m_host, nullptr));
    m_display->Pump();
    EXPECT_EQ(Commands(201, 0), 1) << "without TPM_RETURNCMD the choice is posted as WM_COMMAND";
    const std::vector<Notice> init = Of(WM_INITMENUPOPUP);
    ASSERT_EQ(init.size(), 2u);
    EXPECT_EQ(reinterpret_cast<HMENU>(init[0].wParam), m_menu);
    EXPECT_EQ(reinterpret_cast<HMENU>(init[1].wParam), m_sub);
    EXPECT_EQ(LOWORD(init[1].lParam), 4);
    EXPECT_EQ(m_log.created.size(), 2u);
    EXPECT_EQ(Of(WM_ENTERMENULOOP).size(), 1u);
    EXPECT_EQ(Of(WM_EXITMENULOOP).size(), 1u);
}

TEST_F(MenuTest, NoNotifyKeepsInitMenuPopupAway) {
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(TrackPopupMenu(m_menu, TPM_RETURNCMD | TPM_NONOTIFY, 200, 200, 0, m_host, nullptr), 0);
    EXPECT_TRUE(Of(WM_INITMENUPOPUP).empty());
}

TEST_F(MenuTest, MouseChoosesAnItemAndTheHookSeesThePopup) {
    ClickItemWhenOpen(0, 0);
    EXPECT_EQ(TrackPopupMenu(m_menu, TPM_RETURNCMD, 300, 150, 0, m_host, nullptr), 101);
    ASSERT_FALSE(m_log.created.empty());
    EXPECT_EQ(m_log.destroyed.back(), m_log.created.back());
}

TEST_F(MenuTest, ClickOnAGreyedItemKeepsTheMenuOpenAndOutsideCancels) {
    m_log.onMenuMessage = [this](HWND popup) {
        m_log.onMenuMessage = nullptr;
        EXPECT_EQ(reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)), m_menu);
        const POINT p = ItemCenter(popup, 2);
        m_display->MouseMove(p.x, p.y);
        m_display->MouseDown();
        m_display->MouseUp();
        m_display->MouseMove(1000, 900);
        m_display->MouseDown();
        m_display->MouseUp();
    };
    m_display->MouseMove(2, 2);
    EXPECT_EQ(TrackPopupMenu(m_menu, TPM_RETURNCMD, 300, 150, 0, m_host, nullptr), 0);
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner) {
    MENUITEMINFOA mi;
    mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    mi.fType = MFT_OWNERDRAW;
    mi.wID = 301;
    mi.dwItemData = 0xABC;
    ASSERT_TRUE(InsertMenuItemA(m_menu, 0, TRUE, &mi));
    QueueKey(VK_ESCAPE);
    TrackPopupMenu(m_menu, TPM_RETURNCMD, 200, 200, 0, m_host, nullptr);
    const std::vector<Notice> measured = Of(WM_MEASUREITEM);
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0].wParam, 301u);
    EXPECT_EQ(measured[0].lParam, 0xABC);
    const std::vector<Notice> drawn = Of(WM_DRAWITEM);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(reinterpret_cast<HMENU>(drawn[0].lParam), m_menu);
}

TEST_F(MenuTest, ItemInfoAndStates) {
    MENUITEMINFOA mi;
    mi.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    char buf[6];
    mi.dwTypeData = buf;
    mi.cch = sizeof buf;
    ASSERT_TRUE(GetMenuItemInfoA(m_menu, 3, TRUE, &mi));
    EXPECT_EQ(mi.wID, 103u);
    EXPECT_TRUE(mi.fState & MFS_CHECKED);
    EXPECT_EQ(mi.cch, 5u) << "a UTF-8 text is cut to the buffer";
    EXPECT_EQ(GetMenuItemCount(m_menu), 5);
    EXPECT_EQ(GetMenuItemID(m_menu, 4), static_cast<UINT>(-1));
    EXPECT_EQ(GetSubMenu(m_menu, 4), m_sub);
    EXPECT_EQ(EnableMenuItem(m_menu, 102, MF_BYCOMMAND | MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
    EXPECT_EQ(CheckMenuItem(m_menu, 201, MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED))
        << "found in the sub-menu";
    EXPECT_EQ(CheckMenuItem(m_menu, 999, MF_CHECKED), static_cast<DWORD>(-1));
    mi = MENUITEMINFOA{};
    mi.fMask = MIIM_STATE | MIIM_FTYPE;
    mi.fState = MFS_GRAYED;
    mi.fType = MFT_OWNERDRAW;
    ASSERT_TRUE(SetMenuItemInfoA(m_menu, 101, FALSE, &mi));
    EXPECT_EQ(GetMenuState(m_menu, 101, MF_BYCOMMAND) & (MF_GRAYED | MF_OWNERDRAW), MF_GRAYED | MF_OWNERDRAW);
    mi.cbSize = 7;
    EXPECT_FALSE(SetMenuItemInfoA(m_menu, 101, FALSE, &mi));
    EXPECT_TRUE(DeleteMenu(m_menu, 4, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(m_sub)) << "deleting a sub-menu item destroys the sub-menu";
    EXPECT_EQ(GetMenuItemCount(m_sub), -1);
    EXPECT_FALSE(AppendMenuA(m_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_sub), "stale"));
    EXPECT_FALSE(AppendMenuA(m_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_menu), "itself"));
    EXPECT_EQ(GetMenuItemCount(reinterpret_cast<HMENU>(0x4321)), -1);
}

TEST_F(MenuTest, SystemMenuFollowsTheWindowState) {
    HMENU sys = GetSystemMenu(m_host, FALSE);
    ASSERT_NE(sys, nullptr);
    EXPECT_EQ(GetMenuItemCount(sys), 7);
    EXPECT_TRUE(GetMenuState(sys, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(sys, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);
    ShowWindow(m_host, SW_MAXIMIZE);
    sys = GetSystemMenu(m_host, FALSE);
    EXPECT_FALSE(GetMenuState(sys, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(sys, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(sys, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(sys, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);
    ShowWindow(m_host, SW_RESTORE);
}

TEST_F(MenuTest, AltSpaceOpensTheSystemMenuAndItsChoiceIsASysCommand) {
    HWND button = Child("button", "OK", BS_PUSHBUTTON, 10, 10, 80, 24, 1);
    SetFocus(button);
    m_display->KeyDown(VK_MENU);
    m_display->KeyDown(VK_SPACE);
    m_display->KeyUp(VK_SPACE);
    m_display->KeyUp(VK_MENU);
    QueueKey(VK_UP); // the last item: close
    QueueKey(VK_RETURN);
    m_display->Pump();
    ASSERT_EQ(m_log.created.size(), 1u);
    bool closed = false;
    for (const Notice& n : Of(WM_SYSCOMMAND))
        closed |= (n.wParam & 0xFFF0) == SC_CLOSE;
    EXPECT_TRUE(closed);
    const std::vector<Notice> init = Of(WM_INITMENUPOPUP);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(HIWORD(init[0].lParam), 1) << "marked as the system menu";
}

TEST_F(MenuTest, RightClickOnTheCaptionOpensTheSystemMenu) {
    RECT r;
    GetWindowRect(m_host, &r);
    m_display->MouseMove(r.left + 100, r.top + 10);
    m_display->MouseDown(1);
    m_display->MouseUp(1);
    QueueKey(VK_ESCAPE);
    m_display->Pump();
    EXPECT_EQ(m_log.created.size(), 1u);
    EXPECT_TRUE(Of(WM_SYSCOMMAND).empty());
}

TEST_F(MenuTest, ClickingTheCaptionIconOpensTheSystemMenu) {
    RECT r;
    GetWindowRect(m_host, &r);
    const int frame = GetSystemMetrics(SM_CXFRAME);
    HMENU shown = nullptr;
    m_log.onMenuMessage = [&](HWND popup) {
        shown = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    };
    QueueKey(VK_ESCAPE);
    m_display->Click(r.left + frame + 8, r.top + frame + GetSystemMetrics(SM_CYCAPTION) / 2);
    ASSERT_EQ(m_log.created.size(), 1u);
    EXPECT_EQ(shown, GetSystemMenu(m_host, FALSE));
}

TEST_F(MenuTest, APostedNonClientPressClosesTheMenuAndIsHandledAfterIt) {
    // What a skinned menu bar does to switch to its next item.
    m_log.onMenuMessage = [this](HWND) {
        m_log.onMenuMessage = nullptr;
        PostMessageA(m_host, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(10, 10));
    };
    m_display->MouseMove(2, 2);
    EXPECT_EQ(
        TrackPopupMenu(m_menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, 200, 200, 0, m_host, nullptr),
        0);
    EXPECT_TRUE(Of(WM_NCLBUTTONDOWN).empty());
    m_display->Pump();
    EXPECT_EQ(Of(WM_NCLBUTTONDOWN).size(), 1u);
}

TEST_F(MenuTest, EndMenuFromATimerAndNoSecondLoopInside) {
    BOOL nested = TRUE;
    m_onNotice = [&](UINT msg, WPARAM, LPARAM) {
        if (msg == WM_INITMENUPOPUP)
            nested = TrackPopupMenu(m_sub, TPM_RETURNCMD, 0, 0, 0, m_host, nullptr);
        if (msg == WM_TIMER)
            EndMenu();
    };
    SetTimer(m_host, 5, 300, nullptr);
    EXPECT_EQ(TrackPopupMenu(m_menu, TPM_RETURNCMD, 200, 200, 0, m_host, nullptr), 0);
    KillTimer(m_host, 5);
    EXPECT_FALSE(nested) << "a menu loop is not started inside another";
    EXPECT_FALSE(EndMenu()) << "no menu left to end";
}

TEST_F(MenuTest, MenuBarTakesRoomAndOpensByMouseAndKeyboard) {
    RECT before;
    GetClientRect(m_host, &before);
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 301, "打开(&O)");
    AppendMenuA(file, MF_STRING, 302, "退出(&X)");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
    ASSERT_TRUE(SetMenu(m_host, bar));
    RECT after;
    GetClientRect(m_host, &after);
    EXPECT_EQ(after.bottom, before.bottom - GetSystemMetrics(SM_CYMENU));

    RECT item;
    ASSERT_TRUE(GetMenuItemRect(m_host, bar, 0, &item));
    EXPECT_EQ(SendMessageA(m_host, WM_NCHITTEST, 0, MAKELPARAM(item.left + 3, item.top + 3)), HTMENU);
    ClickItemWhenOpen(0, 1);
    m_display->Click(item.left + 3, item.top + 3);
    m_display->Pump();
    EXPECT_EQ(Commands(302, 0), 1);

    SetFocus(m_host);
    m_display->KeyDown(VK_MENU);
    QueueKey('F');
    m_display->KeyUp(VK_MENU);
    QueueKey(VK_RETURN);
    m_display->Pump();
    EXPECT_EQ(Commands(301, 0), 1) << "Alt+F opens the bar item with its first entry selected";
    SetMenu(m_host, nullptr);
    DestroyMenu(bar);
}

} // namespace

} // namespace win::testing
