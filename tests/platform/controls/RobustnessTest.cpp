// Hostile or careless input to the controls: null pointers, sizes out of range, stale handles, malformed
// text. None of it may crash, hang or write outside a buffer.
#include "ControlsFixture.h"
#include "support/TestGuards.h"

#include <cstring>

namespace win::testing {

namespace {

using RobustnessTest = ControlsTest;

TEST_F(RobustnessTest, EditMessagesWithNullPointersAndTinyBuffers) {
    HWND e = Child("edit", "出租车abc", WS_BORDER | ES_MULTILINE, 10, 10, 200, 60, 60);
    EXPECT_EQ(SendMessageA(e, EM_GETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(e, EM_GETLINE, 0, 0), 0);
    SendMessageA(e, EM_REPLACESEL, 0, 0);
    SendMessageA(e, EM_GETRECT, 0, 0);
    char buf[5];
    std::memset(buf, 'x', sizeof buf);
    // The first multi-byte character takes 3 bytes; a buffer of 5 holds it and is never cut mid-sequence.
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf)), 3);
    EXPECT_STREQ(buf, "出");
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buf)), 0);
    WORD line[4] = {3, 0, 0, 0}; // room for 3 bytes
    EXPECT_EQ(SendMessageA(e, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line)), 3);
    EXPECT_EQ(SendMessageA(e, EM_GETLINE, 5, reinterpret_cast<LPARAM>(line)), 0);
    SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(0x7FFFFFFF), static_cast<LPARAM>(-5));
    SendMessageA(e, WM_SETTEXT, 0, 0);
    EXPECT_EQ(Text(e), "");
    EXPECT_EQ(SendMessageA(e, EM_LINELENGTH, static_cast<WPARAM>(99999), 0), 0);
}

TEST_F(RobustnessTest, MalformedTextAndImpossibleCharacters) {
    HWND e = Child("edit", "", WS_BORDER, 10, 10, 200, 22, 61);
    SetWindowTextA(e, "a\xff\xc3");
    EXPECT_EQ(Text(e), "a\xEF\xBF\xBD\xEF\xBF\xBD") << "malformed bytes become replacement characters";
    SendMessageA(e, EM_SETSEL, 0, -1);
    for (WPARAM ch : {WPARAM{0xD800}, WPARAM{0x110000}, WPARAM{0x7F}, WPARAM{0x1F}})
        SendMessageA(e, WM_CHAR, ch, 0);
    EXPECT_EQ(Text(e), "a\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(RobustnessTest, ListAndComboMessagesOutOfRange) {
    HWND l = Child("listbox", "", WS_BORDER, 10, 10, 100, 80, 62);
    HWND c = Child("combobox", "", CBS_DROPDOWNLIST, 150, 10, 100, 100, 63);
    EXPECT_EQ(SendMessageA(l, LB_GETTEXT, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_GETTEXTLEN, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_SETCURSEL, 3, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_DELETESTRING, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_SETITEMDATA, 1, 5), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_FINDSTRING, 0, 0), LB_ERR);
    SendMessageA(l, LB_ADDSTRING, 0, 0);
    EXPECT_EQ(SendMessageA(l, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(c, CB_GETDROPPEDCONTROLRECT, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(c, CB_GETLBTEXT, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(c, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("none")),
              CB_ERR);
    EXPECT_EQ(SendMessageA(c, CB_GETEDITSEL, 0, 0), CB_ERR) << "a drop-down list has no edit field";
    SetFocus(c);
    Key(VK_DOWN);
    Key(VK_F4);
    Key(VK_RETURN); // an empty list drops and closes without a choice
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(Commands(63, CBN_SELCHANGE), 0);
}

TEST_F(RobustnessTest, ScrollFunctionsRefuseNullsAndStrangers) {
    HWND bar = Child("scrollbar", "", SBS_HORZ, 10, 10, 100, 17, 64);
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, nullptr, TRUE), 0);
    EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, nullptr));
    EXPECT_FALSE(GetScrollBarInfo(bar, OBJID_CLIENT, nullptr));
    EXPECT_FALSE(GetScrollRange(bar, SB_CTL, nullptr, nullptr));
    EXPECT_EQ(SendMessageA(bar, SBM_GETRANGE, 0, 0), 0);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    EXPECT_FALSE(GetScrollInfo(reinterpret_cast<HWND>(0x77), SB_VERT, &si));
    EXPECT_EQ(SetScrollInfo(m_host, 7, &si, TRUE), 0);
    SCROLLBARINFO sbi;
    EXPECT_FALSE(GetScrollBarInfo(m_host, OBJID_CLIENT, &sbi))
        << "OBJID_CLIENT is for scroll-bar controls only";
    EXPECT_FALSE(EnableScrollBar(m_host, 9, ESB_DISABLE_BOTH));
}

TEST_F(RobustnessTest, MenuFunctionsRefuseStaleHandlesAndKeepBuffersInBounds) {
    HMENU m = CreatePopupMenu();
    AppendMenuA(m, MF_STRING, 1, "一二三");
    char small[4];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(GetMenuStringA(m, 1, small, sizeof small, MF_BYCOMMAND), 3);
    EXPECT_EQ(std::string(small), "一");
    EXPECT_FALSE(GetMenuItemInfoA(m, 0, TRUE, nullptr));
    MENUITEMINFOA mi;
    mi.fMask = MIIM_STRING;
    mi.dwTypeData = nullptr;
    ASSERT_TRUE(GetMenuItemInfoA(m, 0, TRUE, &mi));
    EXPECT_EQ(mi.cch, 9u) << "without a buffer the length is reported";
    DestroyMenu(m);
    EXPECT_FALSE(IsMenu(m));
    EXPECT_FALSE(DestroyMenu(m));
    EXPECT_FALSE(AppendMenuA(m, MF_STRING, 2, "late"));
    EXPECT_EQ(GetMenuItemID(m, 0), static_cast<UINT>(-1));
    EXPECT_EQ(GetSubMenu(m, 0), nullptr);
    EXPECT_FALSE(TrackPopupMenu(m, TPM_RETURNCMD, 10, 10, 0, m_host, nullptr));
    HMENU live = CreatePopupMenu();
    EXPECT_FALSE(TrackPopupMenu(live, 0, 10, 10, 0, reinterpret_cast<HWND>(0x55), nullptr));
    EXPECT_EQ(GetSystemMenu(reinterpret_cast<HWND>(0x55), FALSE), nullptr);
    EXPECT_EQ(TrackPopupMenu(live, TPM_RETURNCMD, 10, 10, 0, m_host, nullptr), 0)
        << "an empty menu just ends";
    DestroyMenu(live);
}

TEST_F(RobustnessTest, AMenuEmptiedOrDestroyedWhileOpenIsNotFollowed) {
    HMENU m = CreatePopupMenu();
    for (UINT id = 1; id <= 4; ++id)
        AppendMenuA(m, MF_STRING, id, "项");
    m_onNotice = [&](UINT msg, WPARAM, LPARAM) {
        if (msg == WM_MENUSELECT && IsMenu(m) && GetMenuItemCount(m) > 0)
            RemoveMenu(m, static_cast<UINT>(GetMenuItemCount(m) - 1), MF_BYPOSITION);
    };
    for (UINT vk : {VK_UP, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN})
        QueueKey(vk);
    const BOOL chosen = TrackPopupMenu(m, TPM_RETURNCMD, 100, 100, 0, m_host, nullptr);
    EXPECT_GE(chosen, 0);
    EXPECT_LE(chosen, 4);

    m_onNotice = [&](UINT msg, WPARAM, LPARAM) {
        if (msg == WM_INITMENUPOPUP)
            DestroyMenu(m);
    };
    QueueKey(VK_DOWN);
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 100, 100, 0, m_host, nullptr), 0);
    m_onNotice = nullptr;
}

RECT g_shown{};

LRESULT RecordBox(int code, WPARAM w, LPARAM l) {
    if (code == MSGF_DIALOGBOX && g_shown.right == 0)
        GetWindowRect(GetActiveWindow(), &g_shown);
    return CallNextHookEx(nullptr, code, w, l);
}

TEST_F(RobustnessTest, AVeryLongMessageStillFitsTheScreen) {
    std::string huge(20000, 'W');
    huge += std::string(3000, '\n');
    g_shown = RECT{};
    {
        taxi::test::ScopedHook hook(WH_MSGFILTER, RecordBox);
        QueueKey(VK_RETURN);
        EXPECT_EQ(MessageBoxA(m_host, huge.c_str(), "提示", MB_OK), IDOK);
    }
    EXPECT_GT(g_shown.right, 0);
    EXPECT_GE(g_shown.left, 0);
    EXPECT_LE(g_shown.right, GetSystemMetrics(SM_CXSCREEN));
}

} // namespace

} // namespace win::testing
