// The common controls made of items in a row: tab control, status bar, header and toolbar.
#include "CommonControlsFixture.h"

namespace win::testing {

namespace {

using BarControlsTest = CommonControlsTest;

void AddTab(HWND tabs, int at, const char* text) {
    TCITEMA item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
}

POINT Middle(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(BarControlsTest, TabClickAsksThenSelectsAndAVetoKeepsTheSelection) {
    HWND tabs = Make(WC_TABCONTROLA, WS_TABSTOP, 10, 10, 300, 150, 20);
    AddTab(tabs, 0, "顺序练习");
    AddTab(tabs, 1, "模拟考试");
    AddTab(tabs, 5, "错题");
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0) << "the first tab is selected";
    RECT third;
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third)));
    POINT p = Middle(third);
    ClickAt(tabs, p.x, p.y);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Codes(WM_NOTIFY), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
    EXPECT_EQ(GetFocus(), tabs);

    m_told.clear();
    m_answer = [](const NMHDR& h) -> LRESULT { return h.code == TCN_SELCHANGING ? TRUE : FALSE; };
    RECT first;
    SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    p = Middle(first);
    ClickAt(tabs, p.x, p.y);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2) << "vetoed";
    EXPECT_EQ(Codes(WM_NOTIFY), (std::vector<UINT>{TCN_SELCHANGING}));
    m_answer = nullptr;

    TCHITTESTINFO hit;
    hit.pt = p;
    EXPECT_EQ(SendMessageA(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
    EXPECT_EQ(hit.flags, TCHT_ONITEMLABEL);
    hit.pt = POINT{290, 140};
    EXPECT_EQ(SendMessageA(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, TCHT_NOWHERE);
}

TEST_F(BarControlsTest, TabArrowKeysMoveTheSelectionWithinTheTabs) {
    HWND tabs = Make(WC_TABCONTROLA, WS_TABSTOP | TCS_BUTTONS, 10, 10, 300, 40, 21);
    AddTab(tabs, 0, "A");
    AddTab(tabs, 1, "B");
    SetFocus(tabs);
    Key(VK_RIGHT);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1);
    Key(VK_RIGHT);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1) << "no tab after the last";
    Key(VK_LEFT);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Codes(WM_NOTIFY),
              (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE, TCN_SELCHANGING, TCN_SELCHANGE}));
    EXPECT_EQ(SendMessageA(tabs, TCM_SETCURSEL, 1, 0), 0) << "the previous selection";
    EXPECT_EQ(Codes(WM_NOTIFY).size(), 4u) << "TCM_SETCURSEL does not notify";
}

TEST_F(BarControlsTest, TabHostileMessagesFailCleanly) {
    HWND tabs = Make(WC_TABCONTROLA, 0, 10, 10, 300, 150, 22);
    EXPECT_EQ(SendMessageA(tabs, TCM_INSERTITEMA, 0, 0), -1) << "no item";
    TCITEMA item;
    item.mask = TCIF_TEXT;
    item.pszText = nullptr;
    EXPECT_EQ(SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item)),
              -1);
    EXPECT_EQ(SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), 0)
        << "a null text is empty";
    AddTab(tabs, 1, "第二");
    RECT r;
    EXPECT_FALSE(SendMessageA(tabs, TCM_GETITEMRECT, 7, reinterpret_cast<LPARAM>(&r)));
    EXPECT_FALSE(SendMessageA(tabs, TCM_GETITEMRECT, 0, 0));
    EXPECT_EQ(SendMessageA(tabs, TCM_SETCURSEL, 99, 0), -1);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(SendMessageA(tabs, TCM_DELETEITEM, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(SendMessageA(tabs, TCM_HITTEST, 0, 0), -1);
    char small[3] = {};
    TCITEMA get;
    get.mask = TCIF_TEXT;
    get.pszText = small;
    get.cchTextMax = 3;
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&get)));
    EXPECT_EQ(std::string(small), "\xE7\xAC") << "cut to the buffer, NUL-terminated";
    get.pszText = nullptr;
    EXPECT_TRUE(SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&get)));

    RECT page{0, 0, 300, 150};
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    EXPECT_GT(page.top, 15) << "below the row of tabs";
    SendMessageA(tabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&page));
    EXPECT_EQ(page.top, 0);
    EXPECT_EQ(page.right, 300);
    SendMessageA(tabs, TCM_ADJUSTRECT, TRUE, 0);

    EXPECT_TRUE(SendMessageA(tabs, TCM_DELETEITEM, 0, 0));
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), -1) << "deleting the selected tab selects none";
    SendMessageA(tabs, TCM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 0);

    item.pszText = const_cast<char*>("页");
    int added = 0;
    while (added < 20000 && SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) >= 0)
        ++added;
    EXPECT_EQ(added, 10000) << "a bounded number of tabs";
    ClickAt(tabs, 250, 10);
    RedrawWindow(tabs, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST_F(BarControlsTest, StatusBarLiesAlongTheParentsBottomAndFollowsItsSize) {
    HWND status = Make(STATUSCLASSNAMEA, SBARS_SIZEGRIP, 0, 0, 0, 0, 30);
    RECT pc, r;
    GetClientRect(m_parent, &pc);
    GetWindowRect(status, &r);
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.bottom, pc.bottom);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, pc.right);
    EXPECT_GE(r.bottom - r.top, 18);
    const int height = r.bottom - r.top;

    MoveWindow(m_parent, 0, 0, 300, 200, TRUE);
    SendMessageA(status, WM_SIZE, 0, 0);
    GetWindowRect(status, &r);
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 200 - height);
    EXPECT_EQ(r.right, 300);

    const int rights[] = {100, 200, -1};
    EXPECT_TRUE(SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights)));
    int got[5] = {};
    EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 5, reinterpret_cast<LPARAM>(got)), 3);
    EXPECT_EQ(got[1], 200);
    EXPECT_EQ(got[2], -1);
    EXPECT_TRUE(SendMessageA(status, SB_SETTEXTA, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>("第 3 题")));
    EXPECT_EQ(LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, 1, 0)), 9);
    char text[32] = {};
    const LRESULT info = SendMessageA(status, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::string(text), "第 3 题");
    EXPECT_EQ(HIWORD(info), SBT_POPOUT);
    RECT part;
    ASSERT_TRUE(SendMessageA(status, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&part)));
    EXPECT_EQ(part.left, 202);
    EXPECT_LT(part.right, 300) << "the last part leaves room for the size grip";

    EXPECT_FALSE(SendMessageA(status, SB_SETPARTS, 0, reinterpret_cast<LPARAM>(rights)));
    EXPECT_FALSE(SendMessageA(status, SB_SETPARTS, 100000, reinterpret_cast<LPARAM>(rights)));
    EXPECT_FALSE(SendMessageA(status, SB_SETPARTS, 2, 0));
    EXPECT_FALSE(SendMessageA(status, SB_SETTEXTA, 7, reinterpret_cast<LPARAM>("x")));
    EXPECT_FALSE(SendMessageA(status, SB_GETRECT, 3, reinterpret_cast<LPARAM>(&part)));
    EXPECT_FALSE(SendMessageA(status, SB_GETRECT, 0, 0));
    EXPECT_EQ(SendMessageA(status, SB_GETTEXTA, 9, reinterpret_cast<LPARAM>(text)), 0);
    EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 0, 0), 3);

    SendMessageA(status, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>("正在载入…"));
    SendMessageA(status, SB_SIMPLE, TRUE, 0);
    EXPECT_TRUE(SendMessageA(status, SB_ISSIMPLE, 0, 0));
    EXPECT_TRUE(SendMessageA(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part)));
    EXPECT_FALSE(SendMessageA(status, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part)));
    UpdateWindow(status);
}

class HeaderTest : public CommonControlsTest {
protected:
    void SetUp() override {
        CommonControlsTest::SetUp();
        m_header = Make(WC_HEADERA, HDS_BUTTONS, 10, 10, 400, 22, 40);
        for (const char* title : {"题号", "题目", "答案"}) {
            HDITEMA item;
            item.mask = HDI_TEXT | HDI_WIDTH;
            item.pszText = const_cast<char*>(title);
            item.cxy = 100;
            SendMessageA(m_header, HDM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&item));
        }
    }
    int Width(int index) {
        HDITEMA item;
        item.mask = HDI_WIDTH;
        return SendMessageA(m_header, HDM_GETITEMA, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(&item))
                   ? item.cxy
                   : -1;
    }
    HWND m_header = nullptr;
};

TEST_F(HeaderTest, DraggingADividerChangesTheWidthAndTellsTheParent) {
    EXPECT_EQ(SendMessageA(m_header, HDM_GETITEMCOUNT, 0, 0), 3);
    Drag(m_header, POINT{100, 10}, POINT{160, 10});
    EXPECT_EQ(Width(0), 160);
    EXPECT_EQ(Width(1), 100);
    RECT second;
    ASSERT_TRUE(SendMessageA(m_header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
    EXPECT_EQ(second.left, 160);
    const std::vector<Told> told = ToldOf(WM_NOTIFY);
    ASSERT_GE(told.size(), 4u);
    EXPECT_EQ(told.front().code, HDN_BEGINTRACK);
    EXPECT_EQ(told[1].code, HDN_TRACK);
    EXPECT_EQ(told[told.size() - 2].code, HDN_ENDTRACK);
    EXPECT_EQ(told[told.size() - 2].b, 160);
    EXPECT_EQ(told.back().code, HDN_ITEMCHANGEDA);
    EXPECT_EQ(told.back().a, 0);

    m_told.clear();
    Drag(m_header, POINT{160, 10}, POINT{-50, 10});
    EXPECT_EQ(Width(0), 0) << "a width never goes below zero";
    Drag(m_header, POINT{0, 10}, POINT{30, 10});
    EXPECT_EQ(Width(0), 30) << "a zero-width title's divider can still be grabbed";
}

TEST_F(HeaderTest, AClickTellsTheTitleAndARefusedTrackChangesNothing) {
    ClickAt(m_header, 150, 10);
    ASSERT_EQ(Codes(WM_NOTIFY), (std::vector<UINT>{HDN_ITEMCLICK}));
    EXPECT_EQ(ToldOf(WM_NOTIFY)[0].a, 1);
    m_told.clear();
    m_answer = [](const NMHDR& h) -> LRESULT { return h.code == HDN_BEGINTRACK ? TRUE : FALSE; };
    Drag(m_header, POINT{200, 10}, POINT{260, 10});
    EXPECT_EQ(Width(1), 100);
    EXPECT_EQ(Codes(WM_NOTIFY), (std::vector<UINT>{HDN_BEGINTRACK}));
}

TEST_F(HeaderTest, LayoutAndHostileMessages) {
    RECT parent{0, 0, 500, 300};
    WINDOWPOS pos;
    HDLAYOUT layout{&parent, &pos};
    ASSERT_TRUE(SendMessageA(m_header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)));
    EXPECT_EQ(pos.cx, 500);
    EXPECT_GT(pos.cy, 12);
    EXPECT_EQ(parent.top, pos.cy) << "the rest lies below the header";
    HDLAYOUT empty{};
    EXPECT_FALSE(SendMessageA(m_header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&empty)));
    EXPECT_FALSE(SendMessageA(m_header, HDM_LAYOUT, 0, 0));
    EXPECT_EQ(SendMessageA(m_header, HDM_INSERTITEMA, 0, 0), -1);
    EXPECT_FALSE(SendMessageA(m_header, HDM_DELETEITEM, 3, 0));
    EXPECT_FALSE(SendMessageA(m_header, HDM_GETITEMA, 0, 0));
    EXPECT_EQ(Width(-1), -1);
    RECT r;
    EXPECT_FALSE(
        SendMessageA(m_header, HDM_GETITEMRECT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&r)));
    HDITEMA huge;
    huge.mask = HDI_WIDTH;
    huge.cxy = -500;
    ASSERT_TRUE(SendMessageA(m_header, HDM_SETITEMA, 2, reinterpret_cast<LPARAM>(&huge)));
    EXPECT_EQ(Width(2), 0) << "a negative width is none";
    EXPECT_TRUE(SendMessageA(m_header, HDM_DELETEITEM, 0, 0));
    EXPECT_EQ(SendMessageA(m_header, HDM_GETITEMCOUNT, 0, 0), 2);
    UpdateWindow(m_header);
}

class ToolBarTest : public CommonControlsTest {
protected:
    void SetUp() override {
        CommonControlsTest::SetUp();
        m_bar = Make(TOOLBARCLASSNAMEA, TBSTYLE_FLAT, 0, 0, 0, 0, 50);
        SendMessageA(m_bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        TBBUTTON buttons[4];
        const char* texts[] = {"交卷", "", "标记", "帮助"};
        const BYTE styles[] = {TBSTYLE_BUTTON, TBSTYLE_SEP, TBSTYLE_CHECK, TBSTYLE_BUTTON};
        for (int i = 0; i < 4; ++i) {
            buttons[i].idCommand = 100 + i;
            buttons[i].fsState = TBSTATE_ENABLED;
            buttons[i].fsStyle = styles[i];
            buttons[i].iString = reinterpret_cast<INT_PTR>(texts[i]);
        }
        ASSERT_TRUE(SendMessageA(m_bar, TB_ADDBUTTONSA, 4, reinterpret_cast<LPARAM>(buttons)));
        SendMessageA(m_bar, TB_AUTOSIZE, 0, 0);
    }
    void ClickButton(int index) {
        RECT r;
        ASSERT_TRUE(
            SendMessageA(m_bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)));
        const POINT p = Middle(r);
        ClickAt(m_bar, p.x, p.y);
    }
    HWND m_bar = nullptr;
};

TEST_F(ToolBarTest, ACheckButtonTogglesAndEveryClickSendsItsCommand) {
    RECT pc, r;
    GetClientRect(m_parent, &pc);
    GetWindowRect(m_bar, &r);
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 0) << "TB_AUTOSIZE lays the bar along the parent's top";
    EXPECT_EQ(r.right, pc.right);
    EXPECT_GT(r.bottom, 20);
    EXPECT_EQ(SendMessageA(m_bar, TB_BUTTONCOUNT, 0, 0), 4);

    ClickButton(2);
    EXPECT_TRUE(SendMessageA(m_bar, TB_ISBUTTONCHECKED, 102, 0));
    ClickButton(0);
    ClickButton(2);
    EXPECT_FALSE(SendMessageA(m_bar, TB_ISBUTTONCHECKED, 102, 0));
    ClickButton(1);
    const std::vector<Told> commands = ToldOf(WM_COMMAND);
    ASSERT_EQ(commands.size(), 3u) << "a separator sends nothing";
    EXPECT_EQ(commands[0].code, 102);
    EXPECT_EQ(commands[1].code, 100);
    EXPECT_EQ(commands[2].code, 102);
    EXPECT_EQ(commands[0].from, m_bar);

    SendMessageA(m_bar, TB_ENABLEBUTTON, 103, FALSE);
    EXPECT_FALSE(SendMessageA(m_bar, TB_ISBUTTONENABLED, 103, 0));
    ClickButton(3);
    EXPECT_EQ(ToldOf(WM_COMMAND).size(), 3u) << "a disabled button sends nothing";
    SendMessageA(m_bar, TB_CHECKBUTTON, 102, TRUE);
    EXPECT_TRUE(SendMessageA(m_bar, TB_ISBUTTONCHECKED, 102, 0));
}

TEST_F(ToolBarTest, FlatButtonsFollowThePointer) {
    RECT r;
    SendMessageA(m_bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    POINT p = At(m_bar, Middle(r).x, Middle(r).y);
    m_display->MouseMove(p.x, p.y);
    m_display->Pump();
    EXPECT_EQ(SendMessageA(m_bar, TB_GETHOTITEM, 0, 0), 0);
    SendMessageA(m_bar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    p = At(m_bar, Middle(r).x, Middle(r).y);
    m_display->MouseMove(p.x, p.y);
    m_display->Pump();
    EXPECT_EQ(SendMessageA(m_bar, TB_GETHOTITEM, 0, 0), -1) << "a separator is never hot";
    m_display->MouseMove(p.x, 400);
    m_display->Pump();
    EXPECT_EQ(SendMessageA(m_bar, TB_GETHOTITEM, 0, 0), -1);
}

TEST_F(ToolBarTest, HostileMessagesFailCleanly) {
    TBBUTTON one;
    EXPECT_FALSE(SendMessageA(m_bar, TB_ADDBUTTONSA, 1, 0));
    EXPECT_FALSE(SendMessageA(m_bar, TB_ADDBUTTONSA, 0x7FFFFFFF, reinterpret_cast<LPARAM>(&one)));
    EXPECT_FALSE(
        SendMessageA(m_bar, TB_ADDBUTTONSA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&one)));
    SendMessageA(m_bar, TB_BUTTONSTRUCTSIZE, 3, 0);
    EXPECT_FALSE(SendMessageA(m_bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&one)))
        << "a wrong structure size";
    SendMessageA(m_bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    one.iString = 5; // a string index: no text, no crash
    EXPECT_TRUE(SendMessageA(m_bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&one)));
    RECT r;
    EXPECT_FALSE(SendMessageA(m_bar, TB_GETITEMRECT, 99, reinterpret_cast<LPARAM>(&r)));
    EXPECT_FALSE(SendMessageA(m_bar, TB_GETITEMRECT, 0, 0));
    EXPECT_EQ(SendMessageA(m_bar, TB_ISBUTTONCHECKED, 4242, 0), -1) << "no such command";
    EXPECT_FALSE(SendMessageA(m_bar, TB_CHECKBUTTON, 4242, TRUE));
    EXPECT_FALSE(SendMessageA(m_bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(0, 20)));
    EXPECT_FALSE(SendMessageA(m_bar, TB_DELETEBUTTON, 99, 0));
    EXPECT_EQ(SendMessageA(m_bar, TB_SETHOTITEM, 1, 0), -1);
    EXPECT_EQ(SendMessageA(m_bar, TB_GETHOTITEM, 0, 0), -1) << "a separator cannot be made hot";
    EXPECT_TRUE(SendMessageA(m_bar, TB_DELETEBUTTON, 0, 0));
    EXPECT_EQ(SendMessageA(m_bar, TB_BUTTONCOUNT, 0, 0), 4);
    UpdateWindow(m_bar);
}

} // namespace

} // namespace win::testing
