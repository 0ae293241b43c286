// Track-bar ticks under the skinner: drawn in the skin's button-shadow colour exactly where the control's
// own look puts them (both ends always, every tick-frequency step between while they stay apart, on the side
// or sides the style gives), with the frequency the control had before the skin came or was given since, and
// none with TBS_NOTICKS.
#include "CommonControlsSkin.h"

#include "skin/controls/TSkinTrackBar.h"

#include "toolkit/TTrackBar.h"

#include <vector>

using namespace skinner_tests;
using namespace skin;

namespace {

constexpr std::uint32_t kClassicTick = 0x000000;

// Channels and thumbs of both directions, each one plain colour; the common controls' colours.
skintest::Bytes TrackBarPackage() {
    std::string ini = "[Colours]\r\nButtonFace=200 220 240\r\nButtonShadow=80 128 188\r\n";
    std::vector<std::pair<std::string, skintest::Bytes>> images;
    const std::pair<const char*, std::uint32_t> elements[] = {{"Trackbar.ThumbHorz", kThumb},
                                                              {"Trackbar.ThumbVert", kThumb},
                                                              {"Track", kTrack},
                                                              {"TRACKVERT", kTrack}};
    for (const auto& [section, colour] : elements) {
        const std::string file = std::string(section) + ".bmp";
        ini += "[" + std::string(section) + "]\r\nImage=" + file + "\r\n";
        images.push_back({file, skintest::SolidBmp(8, 8, FrameColour(colour, 1))});
    }
    return skintest::Package(ini, images);
}

class TrackBarTicks : public CommonControlsSkin {
protected:
    static win::RECT ThumbRect(win::HWND hwnd) {
        win::RECT r{};
        win::SendMessageA(hwnd, win::TBM_GETTHUMBRECT, 0, reinterpret_cast<win::LPARAM>(&r));
        return r;
    }
    // Where along a line across the control (a row, or a column of a vertical bar) pixels have `colour`.
    static std::vector<int> Marks(win::HWND hwnd, bool vertical, int across, std::uint32_t colour) {
        win::RECT client{};
        win::GetClientRect(hwnd, &client);
        std::vector<int> at;
        const int length = vertical ? client.bottom : client.right;
        for (int i = 0; i < length; ++i)
            if ((vertical ? PixelOf(hwnd, across, i) : PixelOf(hwnd, i, across)) == colour)
                at.push_back(i);
        return at;
    }
    // The ticks' first line beside the thumb: below or right of it, or above or left of it.
    static int TickLine(win::HWND hwnd, bool vertical, bool before) {
        const win::RECT thumb = ThumbRect(hwnd);
        if (before)
            return (vertical ? thumb.left : thumb.top) - 3;
        return (vertical ? thumb.right : thumb.bottom) + 2;
    }
    // The skinned ticks on each side the style gives, against the control's own.
    // `control` when the bar is the toolkit's, attached as the frame attaches toolkit controls.
    void ExpectTicksAsTheControlDraws(win::HWND hwnd, bool vertical, bool before, bool after,
                                      tk::TControl* control = nullptr) {
        std::vector<int> classic[2];
        for (int side = 0; side < 2; ++side)
            classic[side] = Marks(hwnd, vertical, TickLine(hwnd, vertical, side == 0), kClassicTick);
        TSkinTrackBar skinner(nullptr);
        if (control)
            skinner.AttachToControl(control, Context());
        else
            skinner.AttachToWindow(hwnd, Context());
        Redraw(hwnd);
        const bool drawn[2] = {before, after};
        for (int side = 0; side < 2; ++side) {
            const auto skinned = Marks(hwnd, vertical, TickLine(hwnd, vertical, side == 0), kSkinShadow);
            EXPECT_EQ(skinned, classic[side]) << (side == 0 ? "before" : "after");
            EXPECT_EQ(skinned.size() >= 2, drawn[side]) << (side == 0 ? "before" : "after");
        }
        skinner.Detach();
        Redraw(hwnd);
        for (int side = 0; side < 2; ++side)
            EXPECT_EQ(Marks(hwnd, vertical, TickLine(hwnd, vertical, side == 0), kSkinShadow).size(), 0u)
                << "detached, the control draws its own again";
    }
};

} // namespace

TEST_F(TrackBarTicks, StandWhereTheControlPutsThem) {
    LoadSkin(TrackBarPackage());
    auto* track = new tk::TTrackBar(m_form);
    track->SetBounds(20, 20, 220, 32);
    track->SetParent(m_form);
    track->SetMax(12);
    track->SetFrequency(3);
    Settle();
    ExpectTicksAsTheControlDraws(track->Handle(), false, false, true, track);

    const win::HWND both = MakeNative(win::TRACKBAR_CLASSA,
                                      win::TBS_VERT | win::TBS_BOTH | win::TBS_AUTOTICKS, 260, 10, 40, 200);
    win::SendMessageA(both, win::TBM_SETRANGE, win::TRUE, win::MAKELPARAM(0, 8));
    Redraw(both);
    ExpectTicksAsTheControlDraws(both, true, true, true);

    const win::HWND dense = MakeNative(win::TRACKBAR_CLASSA, win::TBS_TOP, 20, 80, 220, 32);
    win::SendMessageA(dense, win::TBM_SETRANGE, win::TRUE, win::MAKELPARAM(0, 1000));
    Redraw(dense);
    ExpectTicksAsTheControlDraws(dense, false, true, false);
}

TEST_F(TrackBarTicks, FollowTheFrequencyGivenBeforeAndWhileSkinned) {
    LoadSkin(TrackBarPackage());
    const win::HWND early = MakeNative(win::TRACKBAR_CLASSA, win::TBS_AUTOTICKS, 20, 60, 220, 32);
    win::SendMessageA(early, win::TBM_SETRANGE, win::TRUE, win::MAKELPARAM(0, 20));
    win::SendMessageA(early, win::TBM_SETTICFREQ, 10, 0);
    TSkinTrackBar earlySkinner(nullptr);
    earlySkinner.AttachToWindow(early, Context());
    Redraw(early);
    EXPECT_EQ(Marks(early, false, TickLine(early, false, false), kSkinShadow).size(), 3u)
        << "a dialog sets the frequency before any skin comes";

    const win::HWND hwnd = MakeNative(win::TRACKBAR_CLASSA, win::TBS_AUTOTICKS, 20, 20, 220, 32);
    win::SendMessageA(hwnd, win::TBM_SETRANGE, win::TRUE, win::MAKELPARAM(0, 20));
    TSkinTrackBar skinner(nullptr);
    skinner.AttachToWindow(hwnd, Context());
    Redraw(hwnd);
    const int line = TickLine(hwnd, false, false);
    EXPECT_EQ(Marks(hwnd, false, line, kSkinShadow).size(), 21u);
    win::SendMessageA(hwnd, win::TBM_SETTICFREQ, 5, 0);
    Settle();
    EXPECT_EQ(Marks(hwnd, false, line, kSkinShadow).size(), 5u);
}

TEST_F(TrackBarTicks, NoneWithNoTicks) {
    LoadSkin(TrackBarPackage());
    const win::HWND hwnd =
        MakeNative(win::TRACKBAR_CLASSA, win::TBS_NOTICKS | win::TBS_BOTH, 20, 20, 220, 32);
    TSkinTrackBar skinner(nullptr);
    skinner.AttachToWindow(hwnd, Context());
    Redraw(hwnd);
    EXPECT_EQ(CountColour(hwnd, kSkinShadow), 0);
    EXPECT_GT(CountColour(hwnd, FrameColour(kThumb, 1)) + CountColour(hwnd, FrameColour(kThumb, 5)), 0)
        << "the thumb is still drawn";
}
