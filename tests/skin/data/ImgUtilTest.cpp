// ImgUtil on small bitmaps, the BMP loader, and the built-in bitmaps.
#include "TestSkin.h"

#include "skin/data/BuiltinBitmaps.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinBlit.h"
#include "skin/data/TSkinBitmap.h"

#include "toolkit/TFont.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

// A w x h bitmap whose pixel (x, y) is 0x0000yx, so every pixel tells where it came from.
TSkinBitmap Numbered(int w, int h) {
    TSkinBitmap b;
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, static_cast<std::uint32_t>(y << 4 | x));
    return b;
}

} // namespace

TEST(MixColours, WeightIsAPercentageBelow100AndTenthsOfAPercentAbove) {
    EXPECT_EQ(MixColours(0x0000FF, 0x000000, 50), 0x000080u);  // (255*50 + 50) / 100 = 128
    EXPECT_EQ(MixColours(0x0000FF, 0x000000, 150), 0x000026u); // 15 %: (255*150 + 500) / 1000 = 38
    EXPECT_EQ(MixColours(0x102030, 0xF0E0D0, 0), 0xF0E0D0u);
    EXPECT_EQ(MixColours(0xFFFFFF, 0x000000, 1000), 0xFFFFFFu);
    EXPECT_EQ(MixColours(0x808080, 0x404040, 100), 0x464646u); // 100 is already tenths: 10 %
}

TEST(MixColours, SystemColoursAreResolvedFirstAndOutOfRangeWeightsClamp) {
    const tk::TColor face = tk::ColorToRGB(tk::clBtnFace);
    EXPECT_EQ(MixColours(tk::clBtnFace, tk::clBtnFace, 37), face);
    EXPECT_EQ(MixColours(0xFFFFFF, 0x000000, 5000), 0xFFFFFFu);
    EXPECT_EQ(MixColours(0x000000, 0xFFFFFF, 5000), 0x000000u);
}

TEST(ColourSaturation, DarkColoursGetTheFixedValueOthersTheHsvSaturation) {
    EXPECT_EQ(ColourSaturation(0x646464), 200); // no channel above 159
    EXPECT_EQ(ColourSaturation(0x0000FF), 255); // pure red
    EXPECT_EQ(ColourSaturation(0x6464C8), 128); // (200 - 100) / 200 * 255 = 127.5, rounded
    EXPECT_EQ(ColourSaturation(0xFFFFFF), 0);
    EXPECT_EQ(ColourSaturation(0x9F9F9F), 200); // 159 is not above 159
}

TEST(GradientRamp, LinesRoundTowardsTheNearestStep) {
    const std::vector<tk::TColor>& ramp = GradientRamp(5, 0x000000, 0x0000FF);
    ASSERT_EQ(ramp.size(), 5u);
    EXPECT_EQ(ramp[0], 0x000000u);
    EXPECT_EQ(ramp[1], 0x000040u); // (255 + 2) / 4 = 64
    EXPECT_EQ(ramp[2], 0x000080u);
    EXPECT_EQ(ramp[3], 0x0000BFu);
    EXPECT_EQ(ramp[4], 0x0000FFu);
    EXPECT_EQ(GradientRamp(1, 0x000000, 0x0000FF)[0], 0x00007Fu); // one line: the average
    const std::vector<tk::TColor>& down = GradientRamp(3, 0xFF0000, 0x000000);
    EXPECT_EQ(down[1], 0x800000u); // 255 + (-255 + 1) / 2, truncated towards zero
}

TEST(GradientRamp, CachedRampsSurviveFifteenOthersAndAreFoundAgain) {
    const std::vector<tk::TColor>& first = GradientRamp(7, 0x010203, 0xA0B0C0);
    const std::vector<tk::TColor> copy = first;
    for (int i = 0; i < 15; ++i)
        GradientRamp(8 + i, 0, 0xFFFFFF);
    EXPECT_EQ(first, copy);
    EXPECT_EQ(&GradientRamp(7, 0x010203, 0xA0B0C0), &first);
    // Sixteen more evict it; asking again rebuilds the same colours.
    for (int i = 0; i < 16; ++i)
        GradientRamp(100 + i, 0, 0xFFFFFF);
    EXPECT_EQ(GradientRamp(7, 0x010203, 0xA0B0C0), copy);
}

TEST(GradientFill, PaintsOneLinePerRowOfTheVisiblePartOnly) {
    TSkinBitmap b;
    b.SetSize(6, 10, 0x123456);
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, b.Handle());
    win::IntersectClipRect(dc, 0, 0, 6, 6);
    GradientFill(dc, win::RECT{1, 1, 5, 9}, 0x000000, true, 0x0000FF);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    const std::vector<tk::TColor>& ramp = GradientRamp(8, 0x000000, 0x0000FF);
    for (int y = 1; y < 6; ++y) {
        EXPECT_EQ(b.Pixel(1, y), PixelFromColour(ramp[y - 1])) << "row " << y;
        EXPECT_EQ(b.Pixel(4, y), PixelFromColour(ramp[y - 1])) << "row " << y;
        EXPECT_EQ(b.Pixel(0, y), 0x123456u);
        EXPECT_EQ(b.Pixel(5, y), 0x123456u);
    }
    EXPECT_EQ(b.Pixel(2, 6), 0x123456u) << "clipped rows stay untouched";
    EXPECT_EQ(b.Pixel(2, 0), 0x123456u);
}

TEST(BitmapTransforms, MirrorFlipAndRotateMovePixelsWhereTheyBelong) {
    TSkinBitmap m = Numbered(3, 2);
    MirrorHorizontal(m);
    EXPECT_EQ(m.Pixel(0, 0), 0x02u);
    EXPECT_EQ(m.Pixel(2, 1), 0x10u);

    TSkinBitmap f = Numbered(3, 3);
    FlipVertical(f);
    EXPECT_EQ(f.Pixel(1, 0), 0x21u);
    EXPECT_EQ(f.Pixel(1, 1), 0x11u);
    EXPECT_EQ(f.Pixel(1, 2), 0x01u);

    TSkinBitmap l = Numbered(3, 2);
    RotateLeft(l);
    ASSERT_EQ(l.Width(), 2);
    ASSERT_EQ(l.Height(), 3);
    EXPECT_EQ(l.Pixel(0, 0), 0x02u); // the top-right corner turns to the top-left
    EXPECT_EQ(l.Pixel(0, 2), 0x00u);
    EXPECT_EQ(l.Pixel(1, 2), 0x10u);

    TSkinBitmap r = Numbered(3, 2);
    RotateRight(r);
    ASSERT_EQ(r.Width(), 2);
    ASSERT_EQ(r.Height(), 3);
    EXPECT_EQ(r.Pixel(0, 0), 0x10u); // the bottom-left corner turns to the top-left
    EXPECT_EQ(r.Pixel(1, 0), 0x00u);
    EXPECT_EQ(r.Pixel(1, 2), 0x02u);
    RotateLeft(r);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(r.Pixel(x, y), static_cast<std::uint32_t>(y << 4 | x));

    TSkinBitmap empty;
    RotateLeft(empty);
    MirrorHorizontal(empty);
    EXPECT_TRUE(empty.Empty());
}

TEST(BitmapTransforms, ReplaceMagentaChangesOnlyExactMagentaAndMakes24Bits) {
    TSkinBitmap b;
    b.SetSize(3, 1, 0, 32);
    b.SetPixel(0, 0, 0xFF00FF);
    b.SetPixel(1, 0, 0xFE00FF);
    b.SetPixel(2, 0, 0xFF00FF);
    ReplaceMagenta(b, 0x00FF00); // green as a colour is the same in both encodings
    EXPECT_EQ(b.Pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(b.Pixel(1, 0), 0xFE00FFu);
    EXPECT_EQ(b.PixelFormat(), 24);
    ReplaceMagenta(b, 0x0000FF); // toolkit red
    EXPECT_EQ(b.Pixel(0, 0), 0x00FF00u);
}

TEST(SkinBitmap, LoadsBmpRowsTopDownAndCopiesParts) {
    const skintest::Bytes bmp =
        skintest::Bmp24(5, 3, [](int x, int y) { return std::uint32_t(y << 16 | x); });
    TSkinBitmap b;
    std::string error;
    ASSERT_TRUE(b.LoadFromBmp(bmp, &error)) << error;
    EXPECT_EQ(b.Width(), 5);
    EXPECT_EQ(b.Height(), 3);
    EXPECT_EQ(b.Pixel(4, 2), 0x020004u);
    TSkinBitmap part;
    part.AssignPart(b, 3, 1, 10, 10);
    EXPECT_EQ(part.Width(), 2);
    EXPECT_EQ(part.Height(), 2);
    EXPECT_EQ(part.Pixel(0, 0), 0x010003u);
    part.AssignPart(b, 7, 0, 3, 3);
    EXPECT_TRUE(part.Empty());
}

TEST(BuiltinBitmaps, HaveTheirSizesAndTheMenuGlyphsAreMonochrome) {
    TSkinBitmap b;
    ASSERT_TRUE(LoadBuiltinBitmap("TRACK", b));
    EXPECT_EQ(b.Width(), 16);
    EXPECT_EQ(b.Height(), 4);
    ASSERT_TRUE(LoadBuiltinBitmap("TRACKVERT", b));
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Height(), 16);
    ASSERT_TRUE(LoadBuiltinBitmap("MORAPLEMENU", b));
    EXPECT_EQ(b.Width(), 64);
    EXPECT_EQ(b.Height(), 16);
    int black = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const std::uint32_t p = b.Pixel(x, y);
            ASSERT_TRUE(p == 0 || p == 0xFFFFFF);
            black += p == 0;
        }
    EXPECT_GT(black, 40);
    EXPECT_FALSE(LoadBuiltinBitmap("TRACKS", b));
    EXPECT_TRUE(b.Empty());
}

TEST(GradientRamp, FallingChannelsTruncateTowardsZero) {
    // Green 255 to 0 over 4 lines, n - 1 = 3: 255 + (i * -255 + 1) div 3 gives 255, 171, 86 and 1; flooring
    // would give 170, 85 and 0.
    const std::vector<tk::TColor>& ramp = GradientRamp(4, 0x00FF00, 0x000000);
    EXPECT_EQ(ramp, (std::vector<tk::TColor>{0x00FF00u, 0x00AB00u, 0x005600u, 0x000100u}));
    // 40 lines from 240 to 111, 154 and 139: the last line is 240 + (39 * -129 + 19) div 39 = 240 - 128 =
    // 112, 240 - 85 = 155 and 240 - 100 = 140; rising channels are untouched by the rule.
    const std::vector<tk::TColor>& fall = GradientRamp(40, 0xF0F0F0, 0x8B9A6F);
    EXPECT_EQ(fall.front(), 0xF0F0F0u);
    // Second line: red 240 + (-129 + 19) div 39 = 238, green 240 + (-86 + 19) div 39 = 239, blue 238.
    EXPECT_EQ(fall[1], 0xEEEFEEu);
    EXPECT_EQ(fall.back(), 0x8C9B70u);
    const std::vector<tk::TColor>& rise = GradientRamp(40, 0x8B9A6F, 0xF0F0F0);
    EXPECT_EQ(rise.back(), 0xF0F0F0u);
}

TEST(ElementDrawing, CornersStayUnscaledAndMarginsThatDoNotFitAreDropped) {
    TDataSkinObject e("E");
    e.Image = Numbered(12, 6); // two frames of 6 x 6
    e.FrameCount = 2;
    e.Margins = {2, 2, 2, 2};
    TSkinBitmap dest;
    dest.SetSize(10, 10, 0xFFFFFF);
    DrawElementFrame(dest, {0, 0, 10, 10}, e, 2, false);
    EXPECT_EQ(dest.Pixel(0, 0), 0x06u);
    EXPECT_EQ(dest.Pixel(1, 1), 0x17u);
    EXPECT_EQ(dest.Pixel(9, 9), 0x5Bu);
    EXPECT_EQ(dest.Pixel(8, 0), 0x0Au) << "right corner starts at its own column";
    EXPECT_EQ(dest.Pixel(5, 0), 0x09u) << "the top edge is stretched from columns 2 and 3";

    TSkinBitmap small;
    small.SetSize(3, 3, 0xFFFFFF);
    DrawElementFrame(small, {0, 0, 3, 3}, e, 1, false);
    EXPECT_EQ(small.Pixel(0, 0), 0x00u);
    EXPECT_EQ(small.Pixel(2, 2), 0x44u) << "no room for the margins: the whole frame is stretched";

    TSkinBitmap keyed;
    keyed.SetSize(6, 6, 0x010101);
    e.Image.SetPixel(6, 0, kMagentaPixel);
    DrawElementFrame(keyed, {0, 0, 6, 6}, e, 2, true);
    EXPECT_EQ(keyed.Pixel(0, 0), 0x010101u) << "magenta is transparent";
    EXPECT_EQ(keyed.Pixel(1, 0), 0x07u);
}
