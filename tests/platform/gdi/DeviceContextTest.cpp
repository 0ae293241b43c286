#include "GdiTestUtil.h"

#include "platform/os/WinBase.h"

#include <memory>

using namespace win;
using gditest::Canvas;
using gditest::Px;

namespace {

// A window-like DC on a shared surface: origin (10, 20), allowed to touch only (10, 20)-(40, 40).
struct WindowDc {
    std::shared_ptr<gdi::Surface> surface = std::make_shared<gdi::Surface>(64, 64);
    HDC dc = nullptr;
    WindowDc() {
        pixman_region32_t visible;
        pixman_region32_init_rect(&visible, 10, 20, 30, 20);
        dc = gdi::CreateSurfaceDC(nullptr, surface, POINT{10, 20}, visible);
        pixman_region32_fini(&visible);
    }
    ~WindowDc() { gdi::DeleteSurfaceDC(dc); }
    int CountOf(std::uint32_t px) const {
        int n = 0;
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x)
                n += (surface->Row(y)[x] & 0xFFFFFF) == px;
        return n;
    }
    bool OnlyInsideVisible(std::uint32_t px) const {
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x)
                if ((surface->Row(y)[x] & 0xFFFFFF) == px && (x < 10 || x >= 40 || y < 20 || y >= 40))
                    return false;
        return true;
    }
};

} // namespace

TEST(SurfaceDc, LogicalOriginIsTheDcOrigin) {
    WindowDc w;
    RECT r{0, 0, 1, 1};
    FillRect(w.dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(w.surface->Row(20)[10] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(w.CountOf(0xFFFFFF), 1);
}

TEST(SurfaceDc, NeverDrawsOutsideItsVisibleRegion) {
    WindowDc w;
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RECT huge{-1000, -1000, 1000, 1000};

    // A clip region larger than the window, a viewport moved away, and no clip at all.
    HRGN big = CreateRectRgn(-500, -500, 500, 500);
    SelectClipRgn(w.dc, big);
    SetViewportOrgEx(w.dc, -7, 13, nullptr);
    FillRect(w.dc, &huge, white);
    EXPECT_TRUE(w.OnlyInsideVisible(0xFFFFFF));
    EXPECT_EQ(w.CountOf(0xFFFFFF), 30 * 20);

    SelectClipRgn(w.dc, nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(w.dc, &huge, red);
    EXPECT_TRUE(w.OnlyInsideVisible(0xFF0000));

    // Lines, shapes, text and blits respect the bound as well.
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(0, 0, 255));
    HGDIOBJ oldPen = SelectObject(w.dc, pen);
    MoveToEx(w.dc, -100, -100, nullptr);
    LineTo(w.dc, 200, 200);
    Ellipse(w.dc, -50, -50, 100, 100);
    EXPECT_TRUE(w.OnlyInsideVisible(0x0000FF));
    SetTextColor(w.dc, RGB(0, 255, 0));
    SetBkMode(w.dc, TRANSPARENT);
    RECT textBox{-40, -40, 300, 300};
    DrawText(w.dc, "中文 Text 中文 Text", -1, &textBox, DT_NOCLIP | DT_WORDBREAK);
    EXPECT_TRUE(w.OnlyInsideVisible(0x00FF00));

    Canvas src(100, 100, RGB(1, 2, 3));
    BitBlt(w.dc, -50, -50, 100, 100, src.dc, 0, 0, SRCCOPY);
    EXPECT_TRUE(w.OnlyInsideVisible(Px(1, 2, 3)));
    SetStretchBltMode(w.dc, HALFTONE);
    StretchBlt(w.dc, -50, -50, 300, 300, src.dc, 0, 0, 100, 100, SRCCOPY);
    EXPECT_TRUE(w.OnlyInsideVisible(Px(1, 2, 3)));
    EXPECT_EQ(w.CountOf(Px(1, 2, 3)), 30 * 20);

    SelectObject(w.dc, oldPen);
    DeleteObject(pen);
    DeleteObject(red);
    DeleteObject(big);
}

TEST(SurfaceDc, ClipRectsAreLogicalAndClipBoxFollowsTheViewport) {
    WindowDc w;
    RECT box{};
    EXPECT_EQ(GetClipBox(w.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 20);

    IntersectClipRect(w.dc, 5, 5, 15, 15);
    EXPECT_EQ(ExcludeClipRect(w.dc, 5, 5, 10, 10), COMPLEXREGION);
    GetClipBox(w.dc, &box);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right, 15);
    EXPECT_EQ(box.bottom, 15);

    SetViewportOrgEx(w.dc, 5, 5, nullptr);
    GetClipBox(w.dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.bottom, 10);
    EXPECT_FALSE(PtVisible(w.dc, 1, 1)); // excluded corner
    EXPECT_TRUE(PtVisible(w.dc, 6, 6));
}

TEST(SurfaceDc, OwnerAndLiveness) {
    auto surface = std::make_shared<gdi::Surface>(4, 4);
    pixman_region32_t v;
    pixman_region32_init_rect(&v, 0, 0, 4, 4);
    HWND fake = reinterpret_cast<HWND>(0x1234);
    HDC dc = gdi::CreateSurfaceDC(fake, surface, POINT{}, v);
    pixman_region32_fini(&v);
    EXPECT_TRUE(gdi::IsLiveDC(dc));
    EXPECT_EQ(gdi::OwnerOfDC(dc), fake);
    EXPECT_FALSE(DeleteDC(dc)); // window DCs are the window manager's to free
    gdi::DeleteSurfaceDC(dc);
    EXPECT_FALSE(gdi::IsLiveDC(dc));
    EXPECT_EQ(gdi::OwnerOfDC(dc), nullptr);
    RECT r{0, 0, 1, 1};
    EXPECT_EQ(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 0);
}

TEST(MemoryDc, SaveAndRestoreState) {
    Canvas c(20, 20);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SetTextColor(c.dc, RGB(1, 1, 1));
    int level = SaveDC(c.dc);
    EXPECT_EQ(level, 1);
    HGDIOBJ before = SelectObject(c.dc, red);
    SetTextColor(c.dc, RGB(2, 2, 2));
    IntersectClipRect(c.dc, 0, 0, 5, 5);
    SaveDC(c.dc);
    SetTextColor(c.dc, RGB(3, 3, 3));
    EXPECT_TRUE(RestoreDC(c.dc, -1));
    EXPECT_EQ(GetTextColor(c.dc), RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(c.dc, level));
    EXPECT_EQ(GetTextColor(c.dc), RGB(1, 1, 1));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BRUSH), before);
    RECT box{};
    GetClipBox(c.dc, &box);
    EXPECT_EQ(box.right, 20);
    EXPECT_FALSE(RestoreDC(c.dc, 1)); // nothing saved any more
    DeleteObject(red);
}

TEST(MemoryDc, DeletingASelectedObjectWaitsUntilItIsDeselected) {
    Canvas c(4, 4);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(c.dc, red);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetObjectType(red), OBJ_BRUSH); // still alive while selected
    EXPECT_TRUE(PatBlt(c.dc, 0, 0, 4, 4, PATCOPY));
    EXPECT_EQ(c.At(2, 2), Px(255, 0, 0));
    SelectObject(c.dc, old);
    EXPECT_EQ(GetObjectType(red), 0);
}

TEST(MemoryDc, BitmapLivesInOneDcAtATime) {
    Canvas a(4, 4);
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(other, a.bitmap), nullptr);
    HBITMAP bm = CreateBitmap(2, 2, 1, 32, nullptr);
    HGDIOBJ first = SelectObject(other, bm);
    EXPECT_NE(first, nullptr);
    EXPECT_TRUE(DeleteDC(other));
    EXPECT_TRUE(DeleteObject(bm));
}

TEST(MemoryDc, DefaultBitmapIsMonochromeAndMakesMonochromeBitmaps) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bm = CreateCompatibleBitmap(dc, 8, 8);
    BITMAP info{};
    ASSERT_EQ(GetObject(bm, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidth, 8);
    DeleteObject(bm);
    DeleteDC(dc);
}

TEST(Fills, SystemColourValuesAndBrushes) {
    Canvas c(10, 10);
    RECT r{0, 0, 5, 5};
    FillRect(c.dc, &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(c.At(1, 1), Px(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    RECT r2{5, 5, 10, 10};
    FillRect(c.dc, &r2, GetSysColorBrush(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.At(7, 7), Px(64, 64, 64));
    RECT inverted{8, 8, 2, 2};
    EXPECT_EQ(FillRect(c.dc, &inverted, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
    EXPECT_EQ(c.At(4, 6), Px(255, 255, 255));
}

TEST(Fills, FocusRectDrawnTwiceDisappears) {
    Canvas c(12, 12, RGB(30, 60, 90));
    RECT r{1, 1, 11, 11};
    DrawFocusRect(c.dc, &r);
    EXPECT_NE(c.Ink(Px(30, 60, 90)).right, 0);
    DrawFocusRect(c.dc, &r);
    EXPECT_EQ(c.Ink(Px(30, 60, 90)).right, 0);
}

TEST(Shapes, RectangleOutlineAndFill) {
    Canvas c(10, 10);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ oldBrush = SelectObject(c.dc, blue);
    Rectangle(c.dc, 1, 1, 6, 6);
    EXPECT_EQ(c.At(1, 1), 0u);                // black pen
    EXPECT_EQ(c.At(5, 3), 0u);                // right edge at right - 1
    EXPECT_EQ(c.At(3, 3), Px(0, 0, 255));     // interior
    EXPECT_EQ(c.At(6, 3), Px(255, 255, 255)); // outside
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    Rectangle(c.dc, 7, 7, 10, 10);
    EXPECT_EQ(c.At(8, 8), Px(255, 255, 255)); // hollow
    SelectObject(c.dc, oldBrush);
    DeleteObject(blue);
}

TEST(Shapes, LineExcludesItsLastPoint) {
    Canvas c(10, 10);
    MoveToEx(c.dc, 1, 1, nullptr);
    LineTo(c.dc, 8, 1);
    EXPECT_EQ(c.At(1, 1), 0u);
    EXPECT_EQ(c.At(7, 1), 0u);
    EXPECT_EQ(c.At(8, 1), Px(255, 255, 255));
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 8);
}

TEST(Shapes, GradientFillRunsFromFirstToLastColour) {
    Canvas c(1, 256);
    TRIVERTEX v[2];
    v[0].x = 0;
    v[0].y = 0;
    v[1].x = 1;
    v[1].y = 256;
    v[1].Red = 0xFF00;
    GRADIENT_RECT mesh{0, 1};
    ASSERT_TRUE(GradientFill(c.dc, v, 2, &mesh, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(c.At(0, 0), 0u);
    EXPECT_EQ(c.At(0, 255), Px(254, 0, 0));
    EXPECT_LT(c.At(0, 100), c.At(0, 101) + 1);
    GRADIENT_RECT bad{0, 7};
    EXPECT_FALSE(GradientFill(c.dc, v, 2, &bad, 1, GRADIENT_FILL_RECT_V));
}

TEST(SurfaceDc, ShrunkSurfaceIsNeverWrittenPastItsEnd) {
    WindowDc w;
    RECT all{0, 0, 100, 100};
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillRect(w.dc, &all, white);
    w.surface->Resize(15, 25); // smaller than the DC's visible region
    FillRect(w.dc, &all, white);
    RECT box{};
    GetClipBox(w.dc, &box);
    EXPECT_EQ(box.right, 5);
    EXPECT_EQ(box.bottom, 5);
}
