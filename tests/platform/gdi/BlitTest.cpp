#include "GdiTestUtil.h"
#include "support/GoldenImage.h"

#include <cstring>

using namespace win;
using gditest::Canvas;
using gditest::Px;

namespace {

// A 4 x 4 checker of four colours with a magenta key in one cell, drawn into a canvas.
void PaintSample(Canvas& c) {
    const COLORREF colours[4] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 0, 255)};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixel(c.dc, x, y, colours[(x / 2) + 2 * (y / 2)]);
}

} // namespace

TEST(BitBlt, RasterOperationsCombineSourceAndDestination) {
    Canvas src(1, 1, RGB(0xF0, 0x0F, 0x55));
    struct Case {
        DWORD rop;
        std::uint32_t expected;
    } cases[] = {
        {SRCCOPY, 0xF00F55},
        {SRCAND, 0xF00F55 & 0x33CC99},
        {SRCPAINT, 0xF00F55 | 0x33CC99},
        {SRCINVERT, 0xF00F55 ^ 0x33CC99},
        {DSTINVERT, ~0x33CC99u & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
        {NOTSRCCOPY, ~0xF00F55u & 0xFFFFFF},
        {SRCERASE, 0xF00F55 & ~0x33CC99u},
    };
    for (const auto& c : cases) {
        Canvas dst(1, 1, RGB(0x33, 0xCC, 0x99));
        ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, c.rop)) << std::hex << c.rop;
        EXPECT_EQ(dst.At(0, 0), c.expected) << std::hex << c.rop;
    }
    Canvas dst(2, 1);
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    HGDIOBJ old = SelectObject(dst.dc, green);
    EXPECT_TRUE(BitBlt(dst.dc, 0, 0, 1, 1, nullptr, 0, 0, PATCOPY));
    EXPECT_EQ(dst.At(0, 0), Px(0, 255, 0));
    EXPECT_EQ(dst.At(1, 0), Px(255, 255, 255));
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY)); // needs a source
    SelectObject(dst.dc, old);
    DeleteObject(green);
}

TEST(BitBlt, SourceOutsideTheBitmapIsSkippedNotRead) {
    Canvas src(4, 4, RGB(9, 9, 9));
    Canvas dst(8, 8);
    EXPECT_TRUE(BitBlt(dst.dc, 0, 0, 8, 8, src.dc, -2, -2, SRCCOPY));
    EXPECT_EQ(dst.At(1, 1), Px(255, 255, 255));
    EXPECT_EQ(dst.At(2, 2), Px(9, 9, 9));
    EXPECT_EQ(dst.At(5, 5), Px(9, 9, 9));
    EXPECT_EQ(dst.At(6, 6), Px(255, 255, 255));
    EXPECT_TRUE(BitBlt(dst.dc, 0, 0, 8, 8, src.dc, 100000, -100000, SRCCOPY));
}

TEST(BitBlt, OverlappingCopyWithinOneBitmap) {
    Canvas c(6, 1);
    for (int x = 0; x < 6; ++x)
        SetPixel(c.dc, x, 0, RGB(x, 0, 0));
    BitBlt(c.dc, 1, 0, 5, 1, c.dc, 0, 0, SRCCOPY);
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(c.At(x, 0), Px(x - 1, 0, 0));
}

TEST(BitBlt, MonochromeMasksConvertThroughTextAndBackgroundColours) {
    // Colour to mono: pixels of the source background colour become white, all others black.
    Canvas colour(2, 1, RGB(255, 0, 255));
    SetPixel(colour.dc, 1, 0, RGB(10, 20, 30));
    HDC maskDc = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateBitmap(2, 1, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(maskDc, mask);
    SetBkColor(colour.dc, RGB(255, 0, 255));
    BitBlt(maskDc, 0, 0, 2, 1, colour.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(maskDc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(maskDc, 1, 0), RGB(0, 0, 0));
    // Mono to colour: black takes the text colour, white the background colour.
    Canvas out(2, 1);
    SetTextColor(out.dc, RGB(1, 2, 3));
    SetBkColor(out.dc, RGB(4, 5, 6));
    BitBlt(out.dc, 0, 0, 2, 1, maskDc, 0, 0, SRCCOPY);
    EXPECT_EQ(out.At(0, 0), Px(4, 5, 6));
    EXPECT_EQ(out.At(1, 0), Px(1, 2, 3));
    SelectObject(maskDc, old);
    DeleteDC(maskDc);
    DeleteObject(mask);
}

TEST(StretchBlt, NearestNeighbourAndMirroring) {
    Canvas src(2, 1);
    SetPixel(src.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(src.dc, 1, 0, RGB(0, 0, 255));
    Canvas dst(8, 2);
    SetStretchBltMode(dst.dc, COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 8, 2, src.dc, 0, 0, 2, 1, SRCCOPY));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(dst.At(x, 1), Px(255, 0, 0)) << x;
    for (int x = 4; x < 8; ++x)
        EXPECT_EQ(dst.At(x, 0), Px(0, 0, 255)) << x;
    // A negative destination width mirrors.
    ASSERT_TRUE(StretchBlt(dst.dc, 8, 0, -8, 2, src.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.At(0, 0), Px(0, 0, 255));
    EXPECT_EQ(dst.At(7, 0), Px(255, 0, 0));
    // Shrinking keeps every destination pixel a source colour.
    Canvas wide(9, 1, RGB(50, 60, 70));
    Canvas one(1, 1);
    StretchBlt(one.dc, 0, 0, 1, 1, wide.dc, 0, 0, 9, 1, SRCCOPY);
    EXPECT_EQ(one.At(0, 0), Px(50, 60, 70));
}

TEST(StretchBlt, HalftoneSmoothsEdges) {
    Canvas src(2, 1);
    SetPixel(src.dc, 0, 0, RGB(0, 0, 0));
    SetPixel(src.dc, 1, 0, RGB(255, 255, 255));
    Canvas dst(16, 1);
    SetStretchBltMode(dst.dc, HALFTONE);
    StretchBlt(dst.dc, 0, 0, 16, 1, src.dc, 0, 0, 2, 1, SRCCOPY);
    const std::uint32_t mid = dst.At(8, 0);
    EXPECT_GT(mid & 0xFF, 0u);
    EXPECT_LT(mid & 0xFF, 255u);
    EXPECT_EQ(dst.At(0, 0), 0u);
    EXPECT_EQ(dst.At(15, 0), Px(255, 255, 255));
}

TEST(StretchBlt, HugeDestinationOnlyCostsItsVisiblePart) {
    Canvas src(2, 2, RGB(7, 7, 7));
    Canvas dst(4, 4);
    EXPECT_TRUE(StretchBlt(dst.dc, -1000000, -1000000, 2000000, 2000000, src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(dst.At(3, 3), Px(7, 7, 7));
}

TEST(TransparentBlt, SkipsTheColourKeyAndRejectsBadSizes) {
    Canvas src(4, 4);
    PaintSample(src);
    Canvas dst(8, 8, RGB(1, 1, 1));
    ASSERT_TRUE(TransparentBlt(dst.dc, 0, 0, 8, 8, src.dc, 0, 0, 4, 4, RGB(255, 0, 255)));
    EXPECT_EQ(dst.At(0, 0), Px(255, 0, 0));
    EXPECT_EQ(dst.At(7, 0), Px(0, 160, 0));
    EXPECT_EQ(dst.At(6, 6), Px(1, 1, 1)); // magenta quarter left untouched
    EXPECT_FALSE(TransparentBlt(dst.dc, 0, 0, -1, 8, src.dc, 0, 0, 4, 4, 0));
    // A source rectangle running past the bitmap copies only what exists.
    Canvas part(8, 8, RGB(1, 1, 1));
    ASSERT_TRUE(TransparentBlt(part.dc, 0, 0, 8, 8, src.dc, 2, 0, 8, 8, RGB(255, 0, 255)));
    EXPECT_EQ(part.At(0, 0), Px(0, 160, 0));
    EXPECT_EQ(part.At(2, 0), Px(1, 1, 1));
    EXPECT_EQ(part.At(0, 4), Px(1, 1, 1));
}

TEST(AlphaBlend, ConstantAndPerPixelAlpha) {
    Canvas dst(2, 1, RGB(0, 0, 0));
    Canvas src(2, 1, RGB(200, 100, 50));
    BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    ASSERT_TRUE(AlphaBlend(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, 1, 1, half));
    EXPECT_EQ(dst.At(0, 0), Px(100, 50, 25));

    // A premultiplied 32-bit DIB: alpha 0 leaves the destination, alpha 255 replaces it.
    BITMAPINFO bi{};
    bi.bmiHeader.biWidth = 2;
    bi.bmiHeader.biHeight = -1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    auto* px = static_cast<std::uint32_t*>(bits);
    px[0] = 0x00FFFFFF;
    px[1] = 0xFF102030;
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, dib);
    Canvas out(2, 1, RGB(9, 9, 9));
    BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(out.dc, 0, 0, 2, 1, mem, 0, 0, 2, 1, perPixel));
    EXPECT_EQ(out.At(1, 0), 0x102030u);
    EXPECT_FALSE(AlphaBlend(out.dc, 0, 0, 2, 1, mem, 1, 0, 2, 1, perPixel)); // source beyond the bitmap
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
}

TEST(BlitGolden, ModesClippingAndKeys) {
    Canvas sample(4, 4);
    PaintSample(sample);
    Canvas c(96, 64, RGB(212, 208, 200));
    BitBlt(c.dc, 2, 2, 4, 4, sample.dc, 0, 0, SRCCOPY);
    SetStretchBltMode(c.dc, COLORONCOLOR);
    StretchBlt(c.dc, 8, 2, 16, 16, sample.dc, 0, 0, 4, 4, SRCCOPY);
    SetStretchBltMode(c.dc, HALFTONE);
    StretchBlt(c.dc, 26, 2, 16, 16, sample.dc, 0, 0, 4, 4, SRCCOPY);
    TransparentBlt(c.dc, 44, 2, 16, 16, sample.dc, 0, 0, 4, 4, RGB(255, 0, 255));
    StretchBlt(c.dc, 78, 2, -16, 16, sample.dc, 0, 0, 4, 4, SRCINVERT);
    // Clipping by an elliptic region with a moved viewport.
    HRGN ellipse = CreateEllipticRgn(4, 22, 60, 62);
    SelectClipRgn(c.dc, ellipse);
    SetViewportOrgEx(c.dc, 10, 20, nullptr);
    SetStretchBltMode(c.dc, COLORONCOLOR);
    StretchBlt(c.dc, -10, 0, 80, 44, sample.dc, 0, 0, 4, 4, SRCCOPY);
    SelectClipRgn(c.dc, nullptr);
    SetViewportOrgEx(c.dc, 0, 0, nullptr);
    DeleteObject(ellipse);
    EXPECT_TRUE(taxi::test::MatchesGolden(c.Surface(), "platform/gdi/golden/blits.png"));
}
