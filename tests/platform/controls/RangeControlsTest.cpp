// The common controls that hold a position in a range: progress bar, trackbar and up-down.
#include "CommonControlsFixture.h"

namespace win::testing {

namespace {

using RangeControlsTest = CommonControlsTest;

TEST_F(RangeControlsTest, ProgressBarSwapsABackwardsRangeAndKeepsThePositionInside) {
    HWND bar = Make(PROGRESS_CLASSA, 0, 10, 10, 200, 18, 1);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(SendMessageA(bar, PBM_SETRANGE32, 50, 10), MAKELONG(0, 100)) << "returns the old range";
    PBRANGE range;
    SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 10);
    EXPECT_EQ(range.iHigh, 50);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 10) << "0 lies below the new range";
    EXPECT_EQ(SendMessageA(bar, PBM_SETPOS, 1000, 0), 10);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 50);
    SendMessageA(bar, PBM_DELTAPOS, static_cast<WPARAM>(-15), 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 35);
    SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(-5), 5));
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), -5) << "PBM_SETRANGE's halves are signed";
}

TEST_F(RangeControlsTest, ProgressBarStepsAndStartsOverPastTheEnd) {
    HWND bar = Make(PROGRESS_CLASSA, PBS_SMOOTH, 10, 10, 200, 18, 1);
    SendMessageA(bar, PBM_SETRANGE32, 0, 10);
    EXPECT_EQ(SendMessageA(bar, PBM_SETSTEP, 4, 0), 10) << "the default step is 10";
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 8);
    EXPECT_EQ(SendMessageA(bar, PBM_STEPIT, 0, 0), 8);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 2) << "12 is past 10: it starts over from the beginning";
    SendMessageA(bar, PBM_SETRANGE32, 7, 7);
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 7) << "an empty range keeps its only position";
    UpdateWindow(bar);
}

TEST_F(RangeControlsTest, TrackBarRangesAreSwappedAndBoundsTakeEachOtherAlong) {
    HWND track = Make(TRACKBAR_CLASSA, TBS_AUTOTICKS, 10, 10, 200, 30, 2);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(20, 5));
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMIN, 0, 0), 5);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 5);
    SendMessageA(track, TBM_SETPOS, TRUE, 99);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 20);
    SendMessageA(track, TBM_SETRANGEMIN, TRUE, 30);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMAX, 0, 0), 30) << "a minimum above the maximum moves it up";
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 30);
    SendMessageA(track, TBM_SETRANGEMAX, TRUE, -3);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMIN, 0, 0), -3);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), -3);
    EXPECT_EQ(SendMessageA(track, TBM_SETPAGESIZE, 0, 0), 20) << "the old page size";
    EXPECT_EQ(SendMessageA(track, TBM_GETPAGESIZE, 0, 0), 1) << "a page is at least one position";
    EXPECT_EQ(SendMessageA(track, TBM_GETTHUMBRECT, 0, 0), 0) << "no rectangle to fill";
    EXPECT_EQ(SendMessageA(track, TBM_GETCHANNELRECT, 0, 0), 0);
}

TEST_F(RangeControlsTest, TrackBarTellsItsTicksEndsFirstThenEveryStepWithAutoTicks) {
    HWND autoTicks = Make(TRACKBAR_CLASSA, TBS_AUTOTICKS, 10, 10, 200, 30, 5);
    SendMessageA(autoTicks, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageA(autoTicks, TBM_SETTICFREQ, 5, 0);
    EXPECT_EQ(SendMessageA(autoTicks, TBM_GETNUMTICS, 0, 0), 3) << "both ends and the middle";
    RECT channel{};
    SendMessageA(autoTicks, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const LRESULT middle = SendMessageA(autoTicks, TBM_GETTICPOS, 0, 0);
    EXPECT_NEAR(middle, (channel.left + channel.right) / 2, 1) << "the tick of 5 halfway along";
    EXPECT_EQ(SendMessageA(autoTicks, TBM_GETTICPOS, 1, 0), -1) << "the ends are not counted by index";
    EXPECT_EQ(SendMessageA(autoTicks, TBM_GETTICPOS, static_cast<WPARAM>(-1), 0), -1);

    HWND plain = Make(TRACKBAR_CLASSA, 0, 10, 50, 200, 30, 6);
    SendMessageA(plain, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    EXPECT_EQ(SendMessageA(plain, TBM_GETNUMTICS, 0, 0), 2) << "without TBS_AUTOTICKS the ends alone";
    HWND none = Make(TRACKBAR_CLASSA, TBS_AUTOTICKS | TBS_NOTICKS, 10, 90, 200, 30, 7);
    EXPECT_EQ(SendMessageA(none, TBM_GETNUMTICS, 0, 0), 0);
}

TEST_F(RangeControlsTest, TrackBarKeysMoveThePositionAndEndEachMove) {
    HWND track = Make(TRACKBAR_CLASSA, WS_TABSTOP, 10, 10, 220, 30, 3);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 50));
    SendMessageA(track, TBM_SETPAGESIZE, 0, 10);
    SetFocus(track);
    Key(VK_RIGHT);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 1);
    Key(VK_NEXT);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 11);
    Key(VK_END);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 50);
    Key(VK_RIGHT);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 50) << "stays at the end";
    Key(VK_HOME);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 0);
    Key(VK_LEFT);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(Codes(WM_HSCROLL),
              (std::vector<UINT>{TB_LINEDOWN, TB_ENDTRACK, TB_PAGEDOWN, TB_ENDTRACK, TB_BOTTOM, TB_ENDTRACK,
                                 TB_LINEDOWN, TB_ENDTRACK, TB_TOP, TB_ENDTRACK, TB_LINEUP, TB_ENDTRACK}));
    EXPECT_EQ(ToldOf(WM_HSCROLL)[0].from, track);
    EXPECT_TRUE(ToldOf(WM_VSCROLL).empty());
}

TEST_F(RangeControlsTest, DraggingTheThumbTracksToTheEndAndClicksBesideItPage) {
    HWND track = Make(TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH, 10, 10, 40, 220, 4);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    RECT thumb, channel;
    ASSERT_TRUE(SendMessageA(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb)));
    ASSERT_TRUE(SendMessageA(track, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel)));
    EXPECT_EQ(thumb.top, channel.top) << "position 0 puts the thumb at the channel's start";
    EXPECT_GT(channel.bottom - channel.top, channel.right - channel.left) << "a vertical channel";
    const POINT grab{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    Drag(track, grab, POINT{grab.x, grab.y + 1000});
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 100);
    const std::vector<UINT> codes = Codes(WM_VSCROLL);
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes.front(), TB_THUMBTRACK);
    EXPECT_EQ(codes[codes.size() - 2], TB_THUMBPOSITION);
    EXPECT_EQ(codes.back(), TB_ENDTRACK);
    EXPECT_EQ(HIWORD(ToldOf(WM_VSCROLL)[codes.size() - 2].wParam), 100);

    m_told.clear();
    ClickAt(track, grab.x, channel.top + 2);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 80) << "a click before the thumb pages back";
    EXPECT_EQ(Codes(WM_VSCROLL), (std::vector<UINT>{TB_PAGEUP, TB_ENDTRACK}));
}

class UpDownTest : public CommonControlsTest {
protected:
    void SetUp() override {
        CommonControlsTest::SetUp();
        m_edit = Make("edit", WS_BORDER, 10, 10, 100, 22, 10, "0");
        m_spin = Make(UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_WRAP | UDS_ARROWKEYS, 0, 0, 16,
                      10, 11);
        ASSERT_NE(m_spin, nullptr);
        SendMessageA(m_spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(m_edit), 0);
        SendMessageA(m_spin, UDM_SETRANGE32, 0, 3);
    }
    RECT Rect(HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    int Pos() { return static_cast<int>(SendMessageA(m_spin, UDM_GETPOS32, 0, 0)); }
    void ClickUp() { ClickAt(m_spin, 8, 2); }
    void ClickDown() { ClickAt(m_spin, 8, Rect(m_spin).bottom - Rect(m_spin).top - 3); }
    HWND m_edit = nullptr;
    HWND m_spin = nullptr;
};

TEST_F(UpDownTest, AlignsInsideTheBuddyAndShowsThePositionInIt) {
    EXPECT_EQ(Rect(m_spin).right, 110) << "stands at the buddy's old right edge";
    EXPECT_EQ(Rect(m_edit).right, 94) << "the buddy gives up the control's width";
    EXPECT_EQ(Rect(m_spin).bottom - Rect(m_spin).top, 22) << "as high as the buddy";
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(m_spin, UDM_GETBUDDY, 0, 0)), m_edit);
    SendMessageA(m_spin, UDM_SETPOS32, 0, 2);
    EXPECT_EQ(Text(m_edit), "2");
    SendMessageA(m_spin, UDM_SETPOS32, 0, 99);
    EXPECT_EQ(Text(m_edit), "3") << "clamped into the range";
}

TEST_F(UpDownTest, ArrowsStepWrapAndTellTheParent) {
    ClickUp();
    EXPECT_EQ(Pos(), 1);
    EXPECT_EQ(Text(m_edit), "1");
    ClickDown();
    ClickDown();
    EXPECT_EQ(Pos(), 3) << "below the lower end wraps to the upper one";
    ClickUp();
    EXPECT_EQ(Pos(), 0) << "past the upper end wraps to the lower one";
    const std::vector<Told> deltas = ToldOf(WM_NOTIFY);
    ASSERT_EQ(deltas.size(), 4u);
    EXPECT_EQ(deltas[0].code, UDN_DELTAPOS);
    EXPECT_EQ(deltas[0].a, 0);
    EXPECT_EQ(deltas[0].b, 1);
    EXPECT_EQ(deltas[2].b, -1) << "the step asked for, though it wraps";
    EXPECT_EQ(Codes(WM_VSCROLL),
              (std::vector<UINT>{SB_THUMBPOSITION, SB_ENDSCROLL, SB_THUMBPOSITION, SB_ENDSCROLL,
                                 SB_THUMBPOSITION, SB_ENDSCROLL, SB_THUMBPOSITION, SB_ENDSCROLL}));
}

TEST_F(UpDownTest, AVetoKeepsThePositionAndWithoutWrapTheEndsHold) {
    m_answer = [](const NMHDR& h) -> LRESULT { return h.code == UDN_DELTAPOS ? 1 : 0; };
    ClickUp();
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(Text(m_edit), "0");
    EXPECT_EQ(Codes(WM_VSCROLL), (std::vector<UINT>{SB_ENDSCROLL}));
    m_answer = nullptr;
    SetWindowLongA(m_spin, GWL_STYLE, GetWindowLongA(m_spin, GWL_STYLE) & ~static_cast<LONG>(UDS_WRAP));
    ClickDown();
    EXPECT_EQ(Pos(), 0);
    SendMessageA(m_spin, UDM_SETPOS32, 0, 3);
    ClickUp();
    EXPECT_EQ(Pos(), 3);
}

TEST_F(UpDownTest, HoldingAnArrowRepeatsOnTheTimer) {
    SendMessageA(m_spin, UDM_SETRANGE32, 0, 100);
    SetWindowLongA(m_spin, GWL_STYLE, GetWindowLongA(m_spin, GWL_STYLE) & ~static_cast<LONG>(UDS_WRAP));
    POINT p = At(m_spin, 8, 2);
    m_display->MouseMove(p.x, p.y);
    m_display->MouseDown();
    m_display->Pump();
    EXPECT_EQ(Pos(), 1);
    m_display->Advance(400);
    EXPECT_EQ(Pos(), 1) << "no repeat before the first delay";
    m_display->Advance(400);
    EXPECT_GE(Pos(), 3);
    m_display->MouseUp();
    m_display->Pump();
    const int released = Pos();
    m_display->Advance(1000);
    EXPECT_EQ(Pos(), released) << "the release stops the repeat";
}

TEST_F(UpDownTest, TheBuddysArrowKeysStepAndItsTextIsReadBack) {
    SetFocus(m_edit);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(Pos(), 2);
    EXPECT_EQ(Text(m_edit), "2");
    SetWindowTextA(m_edit, "1");
    Key(VK_UP);
    EXPECT_EQ(Text(m_edit), "2") << "steps from what the buddy says";
    SetWindowTextA(m_edit, "abc");
    BOOL error = FALSE;
    EXPECT_EQ(SendMessageA(m_spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 2);
    EXPECT_TRUE(error) << "text that is no number";
    EXPECT_NE(HIWORD(SendMessageA(m_spin, UDM_GETPOS, 0, 0)), 0);
    DestroyWindow(m_edit);
    EXPECT_EQ(SendMessageA(m_spin, UDM_GETBUDDY, 0, 0), 0) << "a destroyed buddy is forgotten";
    ClickUp();
    EXPECT_EQ(Pos(), 3);
}

TEST_F(UpDownTest, HostileMessagesFailCleanly) {
    EXPECT_EQ(SendMessageA(m_spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(m_spin), 0),
              reinterpret_cast<LRESULT>(m_edit));
    EXPECT_EQ(SendMessageA(m_spin, UDM_GETBUDDY, 0, 0), 0) << "not its own buddy";
    SendMessageA(m_spin, UDM_SETBUDDY, 0x1234, 0);
    EXPECT_EQ(SendMessageA(m_spin, UDM_GETBUDDY, 0, 0), 0) << "not a window";
    SendMessageA(m_spin, UDM_GETRANGE32, 0, 0);
    SendMessageA(m_spin, UDM_GETPOS32, 0, 0);
    SendMessageA(m_spin, UDM_SETRANGE32, 10, -10);
    int lo = 0, hi = 0;
    SendMessageA(m_spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(lo, 10);
    EXPECT_EQ(hi, -10) << "a reversed range is kept: up runs towards -10";
    SendMessageA(m_spin, UDM_SETPOS32, 0, 0);
    ClickUp();
    EXPECT_EQ(Pos(), -1);
}

} // namespace

} // namespace win::testing
