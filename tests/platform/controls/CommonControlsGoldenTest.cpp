// One window holding one of each common control in the classic look, against a golden image.
#include "CommonControlsFixture.h"
#include "support/GoldenImage.h"

#include "platform/gdi/Surface.h"

namespace win::testing {

namespace {

using CommonControlsGoldenTest = CommonControlsTest;

// The window's pixels as the screen shows them.
std::unique_ptr<gdi::Surface> WindowPixels(display::HeadlessDisplay& display, HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const auto screen = display.Composite();
    auto out = std::make_unique<gdi::Surface>(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < out->Height(); ++y)
        for (int x = 0; x < out->Width(); ++x)
            out->Row(y)[x] = screen->Row(r.top + y)[r.left + x];
    return out;
}

TEST_F(CommonControlsGoldenTest, OneOfEachInTheClassicLook) {
    MoveWindow(m_host, 20, 20, 480, 360, TRUE);
    SetWindowTextA(m_host, "通用控件");
    RECT rc;
    GetClientRect(m_host, &rc);
    MoveWindow(m_parent, 0, 0, rc.right, rc.bottom, TRUE);

    HWND bar = Make(TOOLBARCLASSNAMEA, TBSTYLE_FLAT, 0, 0, 0, 0, 1);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[4];
    const char* texts[] = {"上一题", "下一题", "", "标记"};
    const BYTE styles[] = {TBSTYLE_BUTTON, TBSTYLE_BUTTON, TBSTYLE_SEP, TBSTYLE_CHECK};
    for (int i = 0; i < 4; ++i) {
        buttons[i].idCommand = 10 + i;
        buttons[i].fsState = TBSTATE_ENABLED | (i == 3 ? TBSTATE_CHECKED : 0);
        buttons[i].fsStyle = styles[i];
        buttons[i].iString = reinterpret_cast<INT_PTR>(texts[i]);
    }
    buttons[0].fsState = 0;
    SendMessageA(bar, TB_ADDBUTTONSA, 4, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(bar, TB_AUTOSIZE, 0, 0);

    HWND header = Make(WC_HEADERA, HDS_BUTTONS, 10, 40, 300, 20, 2);
    for (const char* title : {"题号", "题目", "答案"}) {
        HDITEMA item;
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = const_cast<char*>(title);
        item.cxy = 80;
        SendMessageA(header, HDM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
    }

    HWND tabs = Make(WC_TABCONTROLA, WS_CLIPSIBLINGS, 10, 70, 300, 110, 3);
    for (const char* text : {"顺序练习", "模拟考试", "错题"}) {
        TCITEMA item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(text);
        SendMessageA(tabs, TCM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    HWND progress = Make(PROGRESS_CLASSA, 0, 20, 110, 200, 18, 4);
    SendMessageA(progress, PBM_SETPOS, 45, 0);
    HWND smooth = Make(PROGRESS_CLASSA, PBS_SMOOTH, 20, 140, 200, 14, 5);
    SendMessageA(smooth, PBM_SETPOS, 70, 0);
    SetWindowPos(progress, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(smooth, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    HWND track = Make(TRACKBAR_CLASSA, TBS_AUTOTICKS, 10, 190, 220, 32, 6);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageA(track, TBM_SETPOS, TRUE, 3);
    HWND vtrack = Make(TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH, 330, 40, 34, 150, 7);
    SendMessageA(vtrack, TBM_SETRANGE, TRUE, MAKELPARAM(0, 5));
    SendMessageA(vtrack, TBM_SETPOS, TRUE, 5);

    HWND edit = Make("edit", WS_BORDER, 250, 195, 70, 22, 8, "");
    HWND spin = Make(UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 0, 0, 16, 10, 9);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessageA(spin, UDM_SETRANGE32, 1, 100);
    SendMessageA(spin, UDM_SETPOS32, 0, 12);
    Make(UPDOWN_CLASSA, UDS_HORZ, 380, 60, 32, 18, 10);

    HWND status = Make(STATUSCLASSNAMEA, SBARS_SIZEGRIP, 0, 0, 0, 0, 11);
    const int rights[] = {150, 300, -1};
    SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights));
    SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("第 12 题 / 共 100 题"));
    SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("\t已答 11"));
    SendMessageA(status, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("\t\t45:00"));

    RedrawWindow(m_host, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_display->Pump();
    const auto pixels = WindowPixels(*m_display, m_host);
    EXPECT_TRUE(taxi::test::MatchesGolden(*pixels, "platform/controls/golden/common-controls.png", {40, 60}));
}

} // namespace

} // namespace win::testing
