#include "platform/gdi/GdiInternal.h"
#include "platform/gdi/WinGdi.h"
#include "platform/os/WinBase.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace win;

namespace {

struct Rgn {
    HRGN h;
    explicit Rgn(HRGN r) : h(r) {}
    Rgn(int l, int t, int r, int b) : h(CreateRectRgn(l, t, r, b)) {}
    ~Rgn() { DeleteObject(h); }
    operator HRGN() const { return h; }
};

RECT Box(HRGN r) {
    RECT rc{};
    GetRgnBox(r, &rc);
    return rc;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST(Region, CombineModesGiveSetResultsAndComplexity) {
    Rgn a(0, 0, 10, 10), b(5, 5, 15, 15), out(0, 0, 0, 0);

    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_TRUE(SameRect(Box(out), RECT{5, 5, 10, 10}));

    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(SameRect(Box(out), RECT{0, 0, 15, 15}));
    EXPECT_TRUE(PtInRegion(out, 12, 12));
    EXPECT_FALSE(PtInRegion(out, 12, 2));

    EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(out, 7, 7));
    EXPECT_TRUE(PtInRegion(out, 2, 2));
    EXPECT_TRUE(PtInRegion(out, 12, 12));

    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 2, 7));
    EXPECT_FALSE(PtInRegion(out, 7, 7));

    EXPECT_EQ(CombineRgn(out, b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(out, b));

    Rgn far(100, 100, 110, 110);
    EXPECT_EQ(CombineRgn(out, a, far, RGN_AND), NULLREGION);
}

TEST(Region, CombineIntoOneOfItsSources) {
    Rgn a(0, 0, 10, 10), b(10, 0, 20, 10);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(SameRect(Box(a), RECT{0, 0, 20, 10}));
}

TEST(Region, BadHandlesAndModesAreRefused) {
    Rgn a(0, 0, 10, 10);
    HRGN dead = CreateRectRgn(0, 0, 1, 1);
    DeleteObject(dead);
    EXPECT_EQ(CombineRgn(a, dead, a, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(a, a, a, 0), ERROR);
    EXPECT_EQ(CombineRgn(a, a, a, 6), ERROR);
    EXPECT_FALSE(DeleteObject(dead));
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_EQ(CombineRgn(a, reinterpret_cast<HRGN>(static_cast<HGDIOBJ>(brush)), a, RGN_OR), ERROR);
    DeleteObject(brush);
    EXPECT_EQ(gdi::RegionData(dead), nullptr);
}

TEST(Region, OffsetPointAndRectTests) {
    Rgn a(0, 0, 10, 10);
    EXPECT_EQ(OffsetRgn(a, 5, -5), SIMPLEREGION);
    EXPECT_TRUE(SameRect(Box(a), RECT{5, -5, 15, 5}));
    RECT inside{6, -4, 8, -2}, touching{14, 4, 20, 10}, outside{15, 5, 20, 10};
    EXPECT_TRUE(RectInRegion(a, &inside));
    EXPECT_TRUE(RectInRegion(a, &touching));
    EXPECT_FALSE(RectInRegion(a, &outside));
    EXPECT_FALSE(PtInRegion(a, 15, 0)); // right edge is exclusive
    EXPECT_EQ(OffsetRgn(a, 0x7FFFFFFF, 0), ERROR);
}

TEST(Region, InvertedAndEmptyRectangles) {
    Rgn inverted(10, 10, 0, 0);
    EXPECT_TRUE(SameRect(Box(inverted), RECT{0, 0, 10, 10}));
    Rgn empty(5, 5, 5, 20);
    RECT rc{1, 1, 1, 1};
    EXPECT_EQ(GetRgnBox(empty, &rc), NULLREGION);
    EXPECT_TRUE(SameRect(rc, RECT{}));
}

TEST(Region, EllipseIsSymmetricAndInsideItsBox) {
    Rgn e(CreateEllipticRgn(0, 0, 20, 10));
    RECT b = Box(e);
    EXPECT_GE(b.left, 0);
    EXPECT_LE(b.right, 20);
    EXPECT_EQ(b.top, 0);
    EXPECT_EQ(b.bottom, 10);
    EXPECT_TRUE(PtInRegion(e, 10, 5));
    EXPECT_FALSE(PtInRegion(e, 0, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(PtInRegion(e, x, y), PtInRegion(e, 19 - x, 9 - y)) << x << "," << y;
}

TEST(Region, RoundRectKeepsStraightEdgesAndCutsCorners) {
    Rgn r(CreateRoundRectRgn(0, 0, 30, 20, 10, 10));
    EXPECT_TRUE(SameRect(Box(r), RECT{0, 0, 30, 20}));
    EXPECT_FALSE(PtInRegion(r, 0, 0));
    EXPECT_FALSE(PtInRegion(r, 29, 19));
    EXPECT_TRUE(PtInRegion(r, 15, 0));
    EXPECT_TRUE(PtInRegion(r, 0, 10));
    EXPECT_TRUE(PtInRegion(r, 15, 19));
}

TEST(Region, RegionDataRoundTrip) {
    Rgn a(0, 0, 10, 10), b(20, 5, 30, 25), both(0, 0, 0, 0);
    CombineRgn(both, a, b, RGN_OR);
    DWORD size = GetRegionData(both, 0, nullptr);
    ASSERT_GT(size, sizeof(RGNDATAHEADER));
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(both, size - 1, data), 0u);
    ASSERT_EQ(GetRegionData(both, size, data), size);
    EXPECT_TRUE(SameRect(data->rdh.rcBound, RECT{0, 0, 30, 25}));
    Rgn copy(ExtCreateRegion(nullptr, size, data));
    ASSERT_NE(copy.h, nullptr);
    EXPECT_TRUE(EqualRgn(copy, both));
}

TEST(Region, ExtCreateRegionRejectsCountsBeyondTheBuffer) {
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + sizeof(RECT));
    RGNDATAHEADER h;
    h.nCount = 1000000; // claims far more rectangles than the buffer holds
    std::memcpy(buffer.data(), &h, sizeof h);
    EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()),
                              reinterpret_cast<RGNDATA*>(buffer.data())),
              nullptr);
    h.nCount = 1;
    h.iType = 7;
    std::memcpy(buffer.data(), &h, sizeof h);
    EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()),
                              reinterpret_cast<RGNDATA*>(buffer.data())),
              nullptr);
}

TEST(Region, CreateRegionFromCopiesTheData) {
    pixman_region32_t src;
    pixman_region32_init_rect(&src, 1, 2, 3, 4);
    Rgn r(gdi::CreateRegionFrom(src));
    pixman_region32_fini(&src);
    EXPECT_TRUE(SameRect(Box(r), RECT{1, 2, 4, 6}));
}
