#include "ControlsFixture.h"

namespace win::testing {

namespace {

using ScrollBarTest = ControlsTest;

std::vector<WORD> Codes(const std::vector<Notice>& ns) {
    std::vector<WORD> out;
    for (const Notice& n : ns)
        out.push_back(LOWORD(n.wParam));
    return out;
}

TEST_F(ScrollBarTest, ControlReportsArrowAndPageClicksToItsParent) {
    HWND bar = Child("scrollbar", "", SBS_VERT, 10, 10, 17, 200, 40);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 0;
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &si, TRUE), 0);
    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &sbi));
    EXPECT_EQ(sbi.dxyLineButton, GetSystemMetrics(SM_CYVSCROLL));
    EXPECT_EQ(sbi.xyThumbTop, sbi.dxyLineButton) << "position 0 puts the thumb right after the arrow";

    RECT r;
    GetWindowRect(bar, &r);
    m_display->Click(r.left + 8, r.bottom - 5);
    m_display->Click(r.left + 8, r.bottom - 30);
    const std::vector<Notice> v = Of(WM_VSCROLL);
    EXPECT_EQ(Codes(v), (std::vector<WORD>{SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(reinterpret_cast<HWND>(v[0].lParam), bar);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0) << "the owner moves the position, not the bar";
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndEndsWithThePosition) {
    HWND bar = Child("scrollbar", "", SBS_HORZ, 10, 10, 300, 17, 41);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 99;
    si.nPage = 10;
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
    SCROLLBARINFO sbi;
    GetScrollBarInfo(bar, OBJID_CLIENT, &sbi);
    const int y = (sbi.rcScrollBar.top + sbi.rcScrollBar.bottom) / 2;
    const int x = sbi.rcScrollBar.left + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2;
    m_display->MouseMove(x, y);
    m_display->MouseDown();
    m_display->MouseMove(x + 60, y);
    m_display->MouseMove(x + 1000, y);
    m_display->MouseUp();
    m_display->Pump();
    const std::vector<Notice> h = Of(WM_HSCROLL);
    ASSERT_GE(h.size(), 4u);
    EXPECT_EQ(LOWORD(h[0].wParam), SB_THUMBTRACK);
    EXPECT_GT(HIWORD(h[0].wParam), 0);
    EXPECT_EQ(LOWORD(h[h.size() - 2].wParam), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(h[h.size() - 2].wParam), 90) << "dragged past the end: the last position";
    EXPECT_EQ(LOWORD(h.back().wParam), SB_ENDSCROLL);
}

TEST_F(ScrollBarTest, HoldingAnArrowRepeatsUntilReleased) {
    HWND bar = Child("scrollbar", "", SBS_VERT, 10, 10, 17, 200, 42);
    SetScrollRange(bar, SB_CTL, 0, 50, TRUE);
    RECT r;
    GetWindowRect(bar, &r);
    m_onNotice = [this](UINT msg, WPARAM w, LPARAM) {
        if (msg == WM_VSCROLL && Of(WM_VSCROLL).size() == 4)
            m_display->MouseUp();
    };
    m_display->MouseMove(r.left + 8, r.top + 5);
    m_display->MouseDown();
    m_display->Pump();
    EXPECT_EQ(Codes(Of(WM_VSCROLL)),
              (std::vector<WORD>{SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_ENDSCROLL}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarTest, WindowBarsHideShowAndDisableWithTheirRange) {
    HWND w = Child("edit", "", WS_VSCROLL | ES_MULTILINE, 10, 10, 200, 100, 43);
    SCROLLBARINFO sbi;
    sbi.cbSize = 52;
    EXPECT_FALSE(GetScrollBarInfo(w, OBJID_VSCROLL, &sbi)) << "a wrong structure size is refused";
    sbi.cbSize = sizeof sbi;
    ASSERT_TRUE(GetScrollBarInfo(w, OBJID_HSCROLL, &sbi));
    EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);

    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    si.nMax = 3;
    si.nPage = 10;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &sbi));
    EXPECT_FALSE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);

    si.fMask = SIF_RANGE | SIF_PAGE;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    EXPECT_FALSE(GetWindowLongA(w, GWL_STYLE) & WS_VSCROLL) << "nothing to scroll: the bar goes";
    RECT before;
    GetClientRect(w, &before);
    si.nMax = 40;
    SetScrollInfo(w, SB_HORZ, &si, TRUE);
    EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_HSCROLL);
    RECT after;
    GetClientRect(w, &after);
    EXPECT_EQ(after.bottom, before.bottom - GetSystemMetrics(SM_CYHSCROLL));
    ASSERT_TRUE(GetScrollBarInfo(w, OBJID_HSCROLL, &sbi));
    RECT wr;
    GetWindowRect(w, &wr);
    EXPECT_EQ(sbi.rcScrollBar.bottom, wr.bottom);
}

TEST_F(ScrollBarTest, PositionsAreClampedToTheRange) {
    HWND bar = Child("scrollbar", "", SBS_HORZ, 10, 10, 200, 17, 44);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    si.nMin = 10;
    si.nMax = 5; // a maximum below the minimum is taken as the minimum
    si.nPage = 1000;
    si.nPos = -7;
    SetScrollInfo(bar, SB_CTL, &si, FALSE);
    SCROLLINFO got;
    got.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &got);
    EXPECT_EQ(got.nMin, 10);
    EXPECT_EQ(got.nMax, 10);
    EXPECT_EQ(got.nPage, 1u);
    EXPECT_EQ(got.nPos, 10);
    EXPECT_EQ(SendMessageA(bar, SBM_SETPOS, 99, FALSE), 10);
    EXPECT_EQ(SendMessageA(bar, SBM_GETPOS, 0, 0), 10);
    EXPECT_FALSE(GetScrollInfo(bar, SB_VERT, &got)) << "a control has no window bars";
    got.cbSize = 3;
    EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, &got));
}

TEST_F(ScrollBarTest, TheSkinFindsGetScrollBarInfoAtRunTime) {
    HMODULE user32 = LoadLibraryA("user32.dll");
    ASSERT_NE(user32, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(user32, "GetScrollBarInfo")),
              reinterpret_cast<void*>(&GetScrollBarInfo));
}

WNDPROC g_barProc = nullptr;
LRESULT ToolkitBarProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    return CallWindowProcA(g_barProc, h, m, w, l);
}

TEST_F(ScrollBarTest, AClassBuiltOnTheScrollBarProcedureIsAScrollBarControl) {
    WNDCLASSEXA wc;
    ASSERT_TRUE(GetClassInfoExA(nullptr, "scrollbar", &wc));
    g_barProc = wc.lpfnWndProc;
    if (!GetClassInfoExA(nullptr, "TScrollBarTest", &wc)) {
        wc.lpfnWndProc = ToolkitBarProc;
        wc.lpszClassName = "TScrollBarTest";
        wc.style &= ~CS_GLOBALCLASS;
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }
    HWND bar = Child("TScrollBarTest", "", SBS_VERT, 10, 10, 17, 150, 45);
    SetScrollRange(bar, SB_CTL, 0, 20, TRUE);
    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &sbi));
    m_display->Click(sbi.rcScrollBar.left + 8, sbi.rcScrollBar.bottom - 5);
    ASSERT_FALSE(Of(WM_VSCROLL).empty());
    EXPECT_EQ(LOWORD(Of(WM_VSCROLL)[0].wParam), SB_LINEDOWN);
}

} // namespace

} // namespace win::testing
