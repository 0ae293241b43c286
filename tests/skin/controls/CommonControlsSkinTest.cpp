// The common controls under their skinners: each shows its element's frame for the state it is in (the
// progress chunk over the reached fraction, the pressed and hot spin button, the selected and hot tab, the
// pressed header section, the status bar's parts and grip, the track bar's thumb where the control puts it)
// and still works as the control it is.
#include "CommonControlsSkin.h"

#include "skin/controls/TSkinHeader.h"
#include "skin/controls/TSkinProgress.h"
#include "skin/controls/TSkinStatusBar.h"
#include "skin/controls/TSkinTab.h"
#include "skin/controls/TSkinTabSheet.h"
#include "skin/controls/TSkinTrackBar.h"
#include "skin/controls/TSkinUpDown.h"

#include "toolkit/TCustomTabControl.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TProgressBar.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTrackBar.h"
#include "toolkit/TUpDown.h"

using namespace skinner_tests;
using namespace skin;

TEST_F(CommonControlsSkin, ProgressChunkCoversTheReachedFraction) {
    LoadSkin(CommonControlsPackage());
    auto* bar = new tk::TProgressBar(m_form);
    bar->SetBounds(20, 20, 200, 20);
    bar->SetParent(m_form);
    bar->SetMax(100);
    bar->SetPosition(25);
    Skin<TSkinProgress>(bar);
    const win::HWND hwnd = bar->Handle();
    EXPECT_EQ(PixelOf(hwnd, 0, 10), FrameColour(kChunk, 1));
    EXPECT_EQ(PixelOf(hwnd, 49, 10), FrameColour(kChunk, 1));
    EXPECT_EQ(PixelOf(hwnd, 50, 10), FrameColour(kBar, 1));
    EXPECT_EQ(PixelOf(hwnd, 199, 10), FrameColour(kBar, 1));

    bar->SetPosition(100);
    Settle();
    EXPECT_EQ(PixelOf(hwnd, 199, 10), FrameColour(kChunk, 1)) << "a new position is drawn";
    bar->SetPosition(0);
    Settle();
    EXPECT_EQ(CountColour(hwnd, FrameColour(kChunk, 1)), 0);
}

TEST_F(CommonControlsSkin, ProgressChunksAreBlocksWithTheirGapsCutWhereThePositionEnds) {
    // A chunk is eight columns of colour and a two-column gap.
    constexpr std::uint32_t kGap = 0x00F0F0;
    const std::string ini = "[Progress]\r\nBitmap=p.bmp\r\nStyle=1\r\n[Progress.Chunk]\r\nImage=pc.bmp\r\n";
    LoadSkin(skintest::Package(
        ini, {{"p.bmp", skintest::Bmp24(9, 19, [](int, int) { return kBar; })},
              {"pc.bmp", skintest::Bmp24(10, 12, [=](int x, int) { return x < 8 ? kChunk : kGap; })}}));
    auto* bar = new tk::TProgressBar(m_form);
    bar->SetBounds(20, 20, 200, 20);
    bar->SetParent(m_form);
    bar->SetMax(100);
    bar->SetPosition(24);
    Skin<TSkinProgress>(bar);
    const win::HWND hwnd = bar->Handle();
    for (int block = 0; block < 4; ++block) {
        EXPECT_EQ(PixelOf(hwnd, block * 10 + 1, 10), kChunk) << "block " << block;
        EXPECT_EQ(PixelOf(hwnd, block * 10 + 8, 10), kGap) << "gap after block " << block;
    }
    EXPECT_EQ(PixelOf(hwnd, 47, 10), kChunk) << "the last block is cut, not squeezed";
    EXPECT_EQ(PixelOf(hwnd, 48, 10), kBar) << "nothing past the position";
}

TEST_F(CommonControlsSkin, ProgressFilledPartStaysInsideForAnyRange) {
    const win::RECT inner{4, 3, 104, 23};
    const win::RECT half = TSkinProgress::FilledPart(inner, 0, 100, 50, false);
    EXPECT_EQ(half.left, 4);
    EXPECT_EQ(half.right, 54);
    const win::RECT up = TSkinProgress::FilledPart(inner, 0, 100, 50, true);
    EXPECT_EQ(up.bottom, 23) << "a vertical bar fills from the bottom";
    EXPECT_EQ(up.top, 13);
    const win::RECT over = TSkinProgress::FilledPart(inner, 0, 100, 1000, false);
    EXPECT_EQ(over.right, inner.right) << "a position past the end is the end";
    const win::RECT under = TSkinProgress::FilledPart(inner, 0, 100, -5, false);
    EXPECT_EQ(under.right, inner.left);
    const win::RECT reversed = TSkinProgress::FilledPart(inner, 10, 5, 7, false);
    EXPECT_EQ(reversed.right, reversed.left) << "a reversed range fills nothing";
    const win::RECT wide = TSkinProgress::FilledPart(inner, INT32_MIN, INT32_MAX, 0, false);
    EXPECT_GE(wide.right, inner.left);
    EXPECT_LE(wide.right, inner.right) << "the widest range does not overflow";
}

TEST_F(CommonControlsSkin, UpDownShowsHotAndPressedButtonAndStillSteps) {
    LoadSkin(CommonControlsPackage());
    auto* spin = new tk::TUpDown(m_form);
    spin->SetBounds(40, 40, 20, 40);
    spin->SetParent(m_form);
    spin->SetMax(10);
    spin->SetPosition(3);
    Skin<TSkinUpDown>(spin);
    const win::HWND hwnd = spin->Handle();
    EXPECT_EQ(PixelOf(hwnd, 1, 1), FrameColour(kSpin, 1)) << "first button, normal";
    EXPECT_EQ(PixelOf(hwnd, 1, 38), FrameColour(kSpin, 5)) << "second button, normal";
    EXPECT_EQ(PixelOf(hwnd, 10, 10), FrameColour(kSpinGlyph, 1))
        << "the up arrow in the middle of its button";

    MoveTo(spin, 10, 5);
    EXPECT_EQ(PixelOf(hwnd, 1, 1), FrameColour(kSpin, 2)) << "hot";
    EXPECT_EQ(PixelOf(hwnd, 1, 38), FrameColour(kSpin, 5));
    m_display->MouseDown();
    Settle();
    EXPECT_EQ(PixelOf(hwnd, 1, 1), FrameColour(kSpin, 3)) << "pressed";
    EXPECT_EQ(PixelOf(hwnd, 10, 10), FrameColour(kSpinGlyph, 3));
    m_display->MouseUp();
    Settle();
    EXPECT_EQ(spin->Position(), 4) << "the press still steps the control";
    EXPECT_EQ(PixelOf(hwnd, 1, 1), FrameColour(kSpin, 2)) << "released, still hot";

    MoveTo(spin, 10, 35);
    EXPECT_EQ(PixelOf(hwnd, 1, 1), FrameColour(kSpin, 1));
    EXPECT_EQ(PixelOf(hwnd, 1, 38), FrameColour(kSpin, 6)) << "the hot button follows the pointer";

    spin->SetEnabled(false);
    Settle();
    Redraw(hwnd);
    EXPECT_EQ(PixelOf(hwnd, 1, 1), FrameColour(kSpin, 4)) << "disabled";
    EXPECT_EQ(PixelOf(hwnd, 1, 38), FrameColour(kSpin, 8));
}

namespace {

win::RECT TabRect(win::HWND tabs, int index) {
    win::RECT r{};
    win::SendMessageA(tabs, win::TCM_GETITEMRECT, static_cast<win::WPARAM>(index),
                      reinterpret_cast<win::LPARAM>(&r));
    return r;
}

bool IsSelectedFrame(std::uint32_t colour) {
    return colour == FrameColour(kTab, 2) || colour == FrameColour(kTab, 5);
}

} // namespace

TEST_F(CommonControlsSkin, TabsShowSelectedAndHotAndClicksStillSwitch) {
    LoadSkin(CommonControlsPackage());
    auto* tabs = new tk::TTabControl(m_form);
    tabs->SetBounds(10, 10, 300, 160);
    tabs->SetParent(m_form);
    tabs->SetTabs("One\nTwo\nThree");
    tabs->SetTabIndex(0);
    Skin<TSkinTab>(tabs);
    const win::HWND hwnd = tabs->Handle();
    const win::RECT first = TabRect(hwnd, 0), second = TabRect(hwnd, 1);
    ASSERT_GT(second.right, second.left);
    EXPECT_TRUE(IsSelectedFrame(PixelOf(hwnd, first.left + 1, first.top + 1)));
    EXPECT_EQ(PixelOf(hwnd, second.left + 1, second.top + 1), FrameColour(kTab, 1));
    EXPECT_EQ(PixelOf(hwnd, 150, 140), FrameColour(kPane, 1)) << "the pane below the tabs";

    MoveTo(tabs, second.left + 3, second.top + 3);
    EXPECT_EQ(PixelOf(hwnd, second.left + 1, second.top + 1), FrameColour(kTab, 3)) << "hot";
    ClickAt(tabs, second.left + 3, second.top + 3);
    EXPECT_EQ(tabs->TabIndex(), 1) << "the click still selects";
    EXPECT_TRUE(IsSelectedFrame(PixelOf(hwnd, second.left + 1, second.top + 1)));
    EXPECT_EQ(PixelOf(hwnd, first.left + 1, first.top + 1), FrameColour(kTab, 1));
}

TEST_F(CommonControlsSkin, AWindowlessControlStraightOnASkinnedTabControlStillShows) {
    LoadSkin(CommonControlsPackage());
    auto* tabs = new tk::TTabControl(m_form);
    tabs->SetBounds(10, 10, 300, 160);
    tabs->SetParent(m_form);
    tabs->SetTabs("One\nTwo");
    auto* button = new tk::TSpeedButton(m_form);
    button->SetBounds(100, 80, 40, 20);
    button->SetFlat(false);
    button->SetParent(tabs);
    Skin<TSkinTab>(tabs);
    Redraw(tabs->Handle());
    EXPECT_NE(PixelOf(tabs->Handle(), 120, 90), FrameColour(kPane, 1)) << "the button is drawn over the pane";
    EXPECT_EQ(PixelOf(tabs->Handle(), 200, 90), FrameColour(kPane, 1));
}

TEST_F(CommonControlsSkin, TabFramesFollowTheTable) {
    EXPECT_EQ(TSkinTab::TabFrame(false, false, false, false), 1);
    EXPECT_EQ(TSkinTab::TabFrame(true, false, false, false), 2);
    EXPECT_EQ(TSkinTab::TabFrame(false, true, false, false), 3);
    EXPECT_EQ(TSkinTab::TabFrame(true, true, false, true), 4) << "disabled wins";
    EXPECT_EQ(TSkinTab::TabFrame(true, true, true, false), 5) << "selected beats hot";
}

TEST_F(CommonControlsSkin, PageBackgroundIsThePanesMiddle) {
    LoadSkin(CommonControlsPackage());
    auto* pages = new tk::TPageControl(m_form);
    pages->SetBounds(10, 10, 300, 160);
    pages->SetParent(m_form);
    auto* sheet = new tk::TTabSheet(m_form);
    sheet->SetPageControl(pages);
    Settle();
    Skin<TSkinTabSheet>(sheet);
    Redraw(sheet->Handle());
    win::RECT client{};
    win::GetClientRect(sheet->Handle(), &client);
    ASSERT_GT(client.right, 4);
    EXPECT_EQ(PixelOf(sheet->Handle(), client.right / 2, client.bottom / 2), FrameColour(kPane, 1));
    EXPECT_EQ(PixelOf(sheet->Handle(), 0, 0), FrameColour(kPane, 1));
    EXPECT_EQ(sheet->Color(), static_cast<tk::TColor>(skin::ColourFromPixel(FrameColour(kPane, 1))))
        << "controls in their parent's colour sit on the pane's colour";

    auto* button = new tk::TSpeedButton(m_form);
    button->SetBounds(10, 10, 40, 20);
    button->SetFlat(false);
    button->SetParent(sheet);
    Redraw(sheet->Handle());
    EXPECT_NE(PixelOf(sheet->Handle(), 30, 20), FrameColour(kPane, 1)) << "a window-less control still shows";
    EXPECT_EQ(PixelOf(sheet->Handle(), client.right / 2, client.bottom / 2), FrameColour(kPane, 1));
}

TEST_F(CommonControlsSkin, HeaderSectionShowsPressedAndTheDividerStillDrags) {
    LoadSkin(CommonControlsPackage());
    const win::HWND header = MakeNative(win::WC_HEADERA, 0, 10, 10, 300, 24);
    for (const char* text : {"Name", "Score"}) {
        win::HDITEMA item{};
        item.mask = win::HDI_TEXT | win::HDI_WIDTH;
        item.cxy = 100;
        item.pszText = const_cast<char*>(text);
        win::SendMessageA(header, win::HDM_INSERTITEMA, 10, reinterpret_cast<win::LPARAM>(&item));
    }
    controls::TSkinHeader skinner(nullptr);
    skinner.AttachToWindow(header, Context());
    Redraw(header);
    EXPECT_EQ(PixelOf(header, 2, 2), FrameColour(kHeader, 1));
    EXPECT_EQ(PixelOf(header, 250, 2), FrameColour(kHeader, 1)) << "the space after the sections";

    MoveToWindow(header, 150, 12);
    EXPECT_EQ(PixelOf(header, 102, 2), FrameColour(kHeader, 2)) << "hot";
    m_display->MouseDown();
    Settle();
    EXPECT_EQ(PixelOf(header, 102, 2), FrameColour(kHeader, 3)) << "pressed";
    EXPECT_EQ(PixelOf(header, 2, 2), FrameColour(kHeader, 1));
    m_display->MouseUp();
    Settle();
    EXPECT_EQ(PixelOf(header, 102, 2), FrameColour(kHeader, 2));

    MoveToWindow(header, 99, 12);
    m_display->MouseDown();
    MoveToWindow(header, 139, 12);
    m_display->MouseUp();
    Settle();
    win::RECT first{};
    win::SendMessageA(header, win::HDM_GETITEMRECT, 0, reinterpret_cast<win::LPARAM>(&first));
    EXPECT_GT(first.right, 120) << "the divider drag still resizes";
}

TEST_F(CommonControlsSkin, StatusBarDrawsPartsGripAndText) {
    LoadSkin(CommonControlsPackage());
    const win::HWND status = MakeNative(win::STATUSCLASSNAMEA, win::SBARS_SIZEGRIP, 0, 0, 0, 0);
    const int rights[2] = {100, -1};
    win::SendMessageA(status, win::SB_SETPARTS, 2, reinterpret_cast<win::LPARAM>(rights));
    TSkinStatusBar skinner(nullptr);
    skinner.AttachToWindow(status, Context());
    Redraw(status);
    win::RECT client{}, part{};
    win::GetClientRect(status, &client);
    win::SendMessageA(status, win::SB_GETRECT, 0, reinterpret_cast<win::LPARAM>(&part));
    ASSERT_GT(part.right, part.left);
    EXPECT_EQ(PixelOf(status, part.left + 1, part.top + 1), FrameColour(kStatus, 2)) << "a part";
    EXPECT_EQ(PixelOf(status, client.right - 2, client.bottom - 2), FrameColour(kStatus, 3)) << "the grip";
    const int plain = CountColour(status, FrameColour(kStatus, 2));

    win::SendMessageA(status, win::SB_SETTEXTA, 0, reinterpret_cast<win::LPARAM>("Ready"));
    Settle();
    win::UpdateWindow(status);
    EXPECT_LT(CountColour(status, FrameColour(kStatus, 2)), plain) << "the text is drawn over the part";
    char text[16] = {};
    win::SendMessageA(status, win::SB_GETTEXTA, 0, reinterpret_cast<win::LPARAM>(text));
    EXPECT_STREQ(text, "Ready");
}

TEST_F(CommonControlsSkin, TrackBarThumbFollowsTheDrag) {
    LoadSkin(CommonControlsPackage());
    auto* track = new tk::TTrackBar(m_form);
    track->SetBounds(20, 20, 220, 32);
    track->SetParent(m_form);
    track->SetMax(10);
    track->SetPosition(0);
    Skin<TSkinTrackBar>(track);
    const win::HWND hwnd = track->Handle();
    const auto thumbRect = [&] {
        win::RECT r{};
        win::SendMessageA(hwnd, win::TBM_GETTHUMBRECT, 0, reinterpret_cast<win::LPARAM>(&r));
        return r;
    };
    const win::RECT at = thumbRect();
    ASSERT_GT(at.right, at.left);
    const int midX = (at.left + at.right) / 2, midY = (at.top + at.bottom) / 2;
    const std::uint32_t normal = PixelOf(hwnd, midX, midY);
    EXPECT_TRUE(normal == FrameColour(kThumb, 1) || normal == FrameColour(kThumb, 5)) << "normal or focused";

    MoveTo(track, midX, midY);
    EXPECT_EQ(PixelOf(hwnd, midX, midY), FrameColour(kThumb, 2)) << "hot";
    m_display->MouseDown();
    Settle();
    EXPECT_EQ(PixelOf(hwnd, midX, midY), FrameColour(kThumb, 3)) << "pressed";
    MoveTo(track, midX + 100, midY);
    const win::RECT moved = thumbRect();
    EXPECT_GT(track->Position(), 0) << "the drag still moves the control";
    EXPECT_EQ(PixelOf(hwnd, (moved.left + moved.right) / 2, midY), FrameColour(kThumb, 3));
    EXPECT_NE(PixelOf(hwnd, midX, midY), FrameColour(kThumb, 3)) << "no thumb left behind";
    m_display->MouseUp();
    Settle();
    EXPECT_NE(PixelOf(hwnd, (moved.left + moved.right) / 2, midY), FrameColour(kThumb, 3));
}
