// Element rendering into a device context: frame choice, the nine parts, and the cases where the destination
// or the element's edges do not fit.
#include "skin/data/ElementRenderer.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

constexpr std::uint32_t kUntouched = 0x123456;

// Frames of 6 x 6 pixels; every pixel says where it came from: 0x0F00YX with F the frame (from 1).
TSkinBitmap Frames(int count, bool stacked) {
    TSkinBitmap b;
    b.SetSize(stacked ? 6 : 6 * count, stacked ? 6 * count : 6);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const int frame = stacked ? y / 6 : x / 6;
            b.SetPixel(x, y, static_cast<std::uint32_t>((frame + 1) << 16 | (y % 6) << 4 | (x % 6)));
        }
    return b;
}

constexpr std::uint32_t From(int frame, int x, int y) {
    return static_cast<std::uint32_t>(frame << 16 | y << 4 | x);
}

// A 24 x 18 target selected into a memory context, every pixel kUntouched to begin with.
class Target {
public:
    Target() : m_dc(win::CreateCompatibleDC(nullptr)) {
        m_bitmap.SetSize(24, 18, kUntouched);
        m_old = win::SelectObject(m_dc, m_bitmap.Handle());
    }
    ~Target() {
        win::SelectObject(m_dc, m_old);
        win::DeleteDC(m_dc);
    }
    win::HDC Dc() const { return m_dc; }
    std::uint32_t At(int x, int y) const { return m_bitmap.Pixel(x, y); }
    // Pixels outside `r` that were written.
    int WrittenOutside(const win::RECT& r) const {
        int n = 0;
        for (int y = 0; y < m_bitmap.Height(); ++y)
            for (int x = 0; x < m_bitmap.Width(); ++x)
                if ((x < r.left || x >= r.right || y < r.top || y >= r.bottom) && At(x, y) != kUntouched)
                    ++n;
        return n;
    }

private:
    win::HDC m_dc;
    TSkinBitmap m_bitmap;
    win::HGDIOBJ m_old = nullptr;
};

const win::RECT kEdges{2, 2, 2, 2};

} // namespace

TEST(ElementRenderer, CornersAreCopiedEdgesStretchedAndTheMiddleTiledFromTheChosenFrame) {
    const TSkinBitmap image = Frames(3, false);
    Target t;
    const win::RECT dest{1, 1, 21, 15}; // 20 x 14
    ElementRenderer::Render(t.Dc(), dest, image, kEdges, 2, {3, false, false});
    // Corners, pixel for pixel.
    EXPECT_EQ(t.At(1, 1), From(2, 0, 0));
    EXPECT_EQ(t.At(2, 2), From(2, 1, 1));
    EXPECT_EQ(t.At(20, 1), From(2, 5, 0));
    EXPECT_EQ(t.At(1, 14), From(2, 0, 5));
    EXPECT_EQ(t.At(20, 14), From(2, 5, 5));
    // The top edge's two middle columns, stretched over 16 pixels; its rows stay as they are.
    EXPECT_EQ(t.At(3, 1), From(2, 2, 0));
    EXPECT_EQ(t.At(18, 2), From(2, 3, 1));
    // The left edge, stretched downwards.
    EXPECT_EQ(t.At(1, 3), From(2, 0, 2));
    EXPECT_EQ(t.At(2, 12), From(2, 1, 3));
    // The 2 x 2 middle repeats from its top-left corner.
    EXPECT_EQ(t.At(3, 3), From(2, 2, 2));
    EXPECT_EQ(t.At(4, 3), From(2, 3, 2));
    EXPECT_EQ(t.At(5, 3), From(2, 2, 2));
    EXPECT_EQ(t.At(18, 12), From(2, 3, 3));
    EXPECT_EQ(t.WrittenOutside(dest), 0);
}

TEST(ElementRenderer, AStretchedMiddleScalesInsteadOfRepeating) {
    const TSkinBitmap image = Frames(1, false);
    Target t;
    ElementRenderer::Render(t.Dc(), win::RECT{0, 0, 20, 14}, image, kEdges, 1, {1, false, true});
    // 16 middle pixels from 2 source columns: the first half from the first, the second from the second.
    for (int x = 2; x < 10; ++x)
        EXPECT_EQ(t.At(x, 2), From(1, 2, 2)) << x;
    for (int x = 10; x < 18; ++x)
        EXPECT_EQ(t.At(x, 2), From(1, 3, 2)) << x;
}

TEST(ElementRenderer, StackedFramesAreCutHorizontally) {
    const TSkinBitmap image = Frames(3, true);
    Target t;
    ElementRenderer::Render(t.Dc(), win::RECT{0, 0, 6, 6}, image, kEdges, 3, {3, true, false});
    EXPECT_EQ(t.At(0, 0), From(3, 0, 0));
    EXPECT_EQ(t.At(5, 5), From(3, 5, 5));
    EXPECT_EQ(t.At(3, 2), From(3, 3, 2));
}

TEST(ElementRenderer, EdgesThatDoNotFitTheDestinationAreDropped) {
    const TSkinBitmap image = Frames(1, false);
    Target t;
    // 3 wide: narrower than left + right, so the whole frame width is shared out across it; the top and
    // bottom edges still hold.
    const win::RECT dest{0, 0, 3, 10};
    ElementRenderer::Render(t.Dc(), dest, image, kEdges, 1, {1, false, true});
    EXPECT_EQ(t.At(0, 0), From(1, 0, 0));
    EXPECT_EQ(t.At(0, 9), From(1, 0, 5));
    const std::uint32_t middleColumn = t.At(1, 0) & 0xF;
    EXPECT_TRUE(middleColumn == 2 || middleColumn == 3) << "the middle column comes from the frame's middle";
    EXPECT_GE(t.At(2, 0) & 0xF, 3u) << "the right column comes from the frame's right half";
    EXPECT_EQ(t.WrittenOutside(dest), 0);

    // 10 wide but 3 high: now the top and bottom edges go.
    Target u;
    const win::RECT low{0, 0, 10, 3};
    ElementRenderer::Render(u.Dc(), low, image, kEdges, 1, {1, false, true});
    EXPECT_EQ(u.At(0, 0), From(1, 0, 0));
    EXPECT_EQ(u.At(9, 0), From(1, 5, 0));
    const std::uint32_t middleRow = (u.At(0, 1) >> 4) & 0xF;
    EXPECT_TRUE(middleRow == 2 || middleRow == 3) << "the middle row comes from the frame's middle";
    EXPECT_GE((u.At(0, 2) >> 4) & 0xF, 3u) << "the bottom row comes from the frame's lower half";
    EXPECT_EQ(u.WrittenOutside(low), 0);
}

TEST(ElementRenderer, NothingOrTheNearestSenseComesOfDegenerateInput) {
    const TSkinBitmap image = Frames(2, false);
    Target t;
    ElementRenderer::Render(t.Dc(), win::RECT{5, 5, 5, 9}, image, kEdges, 1, {2, false, false});
    ElementRenderer::Render(t.Dc(), win::RECT{5, 5, 9, 2}, image, kEdges, 1, {2, false, false});
    ElementRenderer::Render(t.Dc(), win::RECT{0, 0, 10, 10}, TSkinBitmap{}, kEdges, 1, {2, false, false});
    // More frames than pixels: frames of no width.
    ElementRenderer::Render(t.Dc(), win::RECT{0, 0, 10, 10}, image, kEdges, 1, {100, false, false});
    EXPECT_EQ(t.WrittenOutside(win::RECT{0, 0, 0, 0}), 0);

    // A frame number past the last draws the last; edges wider than the frame are cut to it.
    const win::RECT dest{0, 0, 12, 12};
    ElementRenderer::Render(t.Dc(), dest, image, win::RECT{50, 50, 50, 50}, 7, {2, false, false});
    EXPECT_EQ(t.At(0, 0), From(2, 0, 0));
    EXPECT_EQ(t.WrittenOutside(dest), 0);
    ElementRenderer::Render(t.Dc(), dest, image, kEdges, -3, {0, false, false});
    EXPECT_EQ(t.At(0, 0), From(1, 0, 0)) << "no frame count: the whole image is one frame";
}

TEST(ElementRenderer, TheContextKeepsItsStretchMode) {
    const TSkinBitmap image = Frames(1, false);
    Target t;
    win::SetStretchBltMode(t.Dc(), win::HALFTONE);
    ElementRenderer::Render(t.Dc(), win::RECT{0, 0, 20, 20}, image, kEdges, 1, {1, false, true});
    EXPECT_EQ(win::GetStretchBltMode(t.Dc()), win::HALFTONE);
}
