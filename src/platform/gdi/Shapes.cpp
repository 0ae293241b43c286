// Rectangles, lines, ellipses, polygons, pixels, gradients and region painting.
#include "platform/gdi/Raster.h"
#include "platform/os/WinBase.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace win::gdi {
HRGN RegionFromBoxes(const std::vector<pixman_box32_t>& boxes);
}

namespace win {

using namespace gdi;

namespace {

struct Box {
    int x1, y1, x2, y2;
};

Box SurfaceBox(DeviceContext* d, int left, int top, int right, int bottom) {
    Box b{d->Sx(left), d->Sy(top), d->Sx(right), d->Sy(bottom)};
    if (b.x1 > b.x2)
        std::swap(b.x1, b.x2);
    if (b.y1 > b.y2)
        std::swap(b.y1, b.y2);
    return b;
}

struct PenInfo {
    bool null = true;
    std::uint32_t pixel = 0;
    int width = 1;
    int style = PS_SOLID;
};

PenInfo PenOf(DeviceContext* d) {
    PenInfo info;
    Pen* p = LivePen(d->State().pen);
    if (!p || p->style == PS_NULL)
        return info;
    info.null = false;
    info.pixel = ToPixel(p->dcPen ? d->State().dcPenColor : p->color);
    if (d->IsMono())
        info.pixel = ToMono(info.pixel);
    info.width = std::max(1, p->width);
    info.style = p->style;
    return info;
}

void Plot(DeviceContext* d, int x, int y, const PenInfo& pen) {
    Surface& s = d->TargetSurface();
    const int half = pen.width / 2;
    ForEachClipped(d, x - half, y - half, x - half + pen.width, y - half + pen.width,
                   [&](const pixman_box32_t& b) {
                       for (int yy = b.y1; yy < b.y2; ++yy)
                           for (int xx = b.x1; xx < b.x2; ++xx)
                               s.Row(yy)[xx] = Rop2(d->State().rop2, pen.pixel, s.Row(yy)[xx]);
                   });
}

bool DashOn(int style, int step) {
    switch (style) {
    case PS_DASH: return step % 24 < 18;
    case PS_DOT: return step % 6 < 3;
    case PS_DASHDOT: return step % 30 < 18 || (step % 30 >= 24 && step % 30 < 27);
    case PS_DASHDOTDOT:
        return step % 36 < 18 || (step % 36 >= 24 && step % 36 < 27) || (step % 36 >= 30 && step % 36 < 33);
    default: return true;
    }
}

// Bresenham, surface coordinates, last point excluded as Windows does.
void DrawLine(DeviceContext* d, int x0, int y0, int x1, int y1, const PenInfo& pen) {
    if (pen.null)
        return;
    // Keep absurd coordinates from turning into hours of plotting.
    const int limit = 1 << 15;
    if (std::abs(x1 - x0) > limit || std::abs(y1 - y0) > limit) {
        double t0 = 0, t1 = 1;
        const double dx = x1 - x0, dy = y1 - y0;
        auto clipT = [&](double p, double q) {
            if (p == 0)
                return q >= 0;
            double r = q / p;
            if (p < 0) {
                if (r > t1)
                    return false;
                t0 = std::max(t0, r);
            } else {
                if (r < t0)
                    return false;
                t1 = std::min(t1, r);
            }
            return true;
        };
        const double lo = -4.0, hi = 16384.0 + 4.0;
        if (!clipT(-dx, x0 - lo) || !clipT(dx, hi - x0) || !clipT(-dy, y0 - lo) || !clipT(dy, hi - y0))
            return;
        int nx0 = static_cast<int>(x0 + t0 * dx), ny0 = static_cast<int>(y0 + t0 * dy);
        int nx1 = static_cast<int>(x0 + t1 * dx), ny1 = static_cast<int>(y0 + t1 * dy);
        x0 = nx0, y0 = ny0, x1 = nx1, y1 = ny1;
    }
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int step = 0;
    while (x0 != x1 || y0 != y1) {
        if (DashOn(pen.style, step++))
            Plot(d, x0, y0, pen);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void FillRegionWith(DeviceContext* d, const pixman_region32_t* region, std::uint32_t pixel) {
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(region), &n);
    for (int i = 0; i < n; ++i)
        FillBox(d, boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2, pixel);
}

void FillRegionBrush(DeviceContext* d, const pixman_region32_t* region, const BrushSource& brush) {
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(region), &n);
    for (int i = 0; i < n; ++i)
        FillBoxBrush(d, boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2, brush);
}

// Fill and outline of a shape given as a region builder over a surface box.
template <class Make> BOOL Shape(HDC dc, int left, int top, int right, int bottom, Make make) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    DrawAccess access(d);
    Box b = SurfaceBox(d, left, top, right, bottom);
    if (b.x2 - b.x1 > 65536 || b.y2 - b.y1 > 65536)
        return FALSE;
    PenInfo pen = PenOf(d);
    BrushSource brush;
    if (!MakeBrushSource(d, nullptr, &brush))
        return FALSE;
    const int pw = pen.null ? 0 : pen.width;
    HRGN outer = make(b.x1, b.y1, b.x2, b.y2, 0);
    HRGN inner = make(b.x1 + pw, b.y1 + pw, b.x2 - pw, b.y2 - pw, pw);
    pixman_region32_t* o = RegionData(outer);
    pixman_region32_t* in = RegionData(inner);
    if (o && in) {
        FillRegionBrush(d, in, brush);
        if (!pen.null) {
            pixman_region32_t ring;
            pixman_region32_init(&ring);
            pixman_region32_subtract(&ring, o, in);
            FillRegionWith(d, &ring, pen.pixel);
            pixman_region32_fini(&ring);
        }
    }
    DeleteObject(outer);
    DeleteObject(inner);
    return TRUE;
}

} // namespace

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !rect)
        return 0;
    BrushSource src;
    if (!brush || !MakeBrushSource(d, brush, &src)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    DrawAccess access(d);
    // FillRect does not normalise: an inverted rectangle paints nothing.
    if (rect->right <= rect->left || rect->bottom <= rect->top)
        return 1;
    Box b = SurfaceBox(d, rect->left, rect->top, rect->right, rect->bottom);
    FillBoxBrush(d, b.x1, b.y1, b.x2, b.y2, src);
    return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !rect)
        return 0;
    BrushSource src;
    if (!brush || !MakeBrushSource(d, brush, &src))
        return 0;
    if (rect->right <= rect->left || rect->bottom <= rect->top)
        return 1;
    DrawAccess access(d);
    Box b = SurfaceBox(d, rect->left, rect->top, rect->right, rect->bottom);
    FillBoxBrush(d, b.x1, b.y1, b.x2, b.y1 + 1, src);
    FillBoxBrush(d, b.x1, b.y2 - 1, b.x2, b.y2, src);
    FillBoxBrush(d, b.x1, b.y1 + 1, b.x1 + 1, b.y2 - 1, src);
    FillBoxBrush(d, b.x2 - 1, b.y1 + 1, b.x2, b.y2 - 1, src);
    return 1;
}

BOOL InvertRect(HDC dc, const RECT* rect) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !rect)
        return FALSE;
    DrawAccess access(d);
    Box b = SurfaceBox(d, rect->left, rect->top, rect->right, rect->bottom);
    PatBox(d, b.x1, b.y1, b.x2, b.y2, BrushSource{}, DSTINVERT);
    return TRUE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !rect)
        return FALSE;
    DrawAccess access(d);
    Box b = SurfaceBox(d, rect->left, rect->top, rect->right, rect->bottom);
    Surface& s = d->TargetSurface();
    // A dotted outline drawn with XOR, so drawing it twice removes it.
    auto dot = [&](int x, int y) {
        ForEachClipped(d, x, y, x + 1, y + 1, [&](const pixman_box32_t&) { s.Row(y)[x] ^= 0xFFFFFF; });
    };
    for (int x = b.x1; x < b.x2; x += 2) {
        dot(x, b.y1);
        if (b.y2 - 1 > b.y1)
            dot(x, b.y2 - 1);
    }
    for (int y = b.y1 + 2; y < b.y2 - 1; y += 2) {
        dot(b.x1, y);
        if (b.x2 - 1 > b.x1)
            dot(b.x2 - 1, y);
    }
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return Shape(dc, left, top, right, bottom, [](int l, int t, int r, int b, int) {
        return CreateRectRgn(l, t, std::max(l, r), std::max(t, b));
    });
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int we, int he) {
    return Shape(dc, left, top, right, bottom, [we, he](int l, int t, int r, int b, int inset) {
        return CreateRoundRectRgn(l, t, std::max(l, r), std::max(t, b), std::max(0, we - 2 * inset),
                                  std::max(0, he - 2 * inset));
    });
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    return Shape(dc, left, top, right, bottom, [](int l, int t, int r, int b, int) {
        return CreateEllipticRgn(l, t, std::max(l, r), std::max(t, b));
    });
}

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->State().position;
    d->State().position = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    DrawAccess access(d);
    POINT from = d->State().position;
    DrawLine(d, d->Sx(from.x), d->Sy(from.y), d->Sx(x), d->Sy(y), PenOf(d));
    d->State().position = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC dc, LPPOINT position) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !position)
        return FALSE;
    *position = d->State().position;
    return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !points || count < 2)
        return FALSE;
    DrawAccess access(d);
    PenInfo pen = PenOf(d);
    for (int i = 1; i < count; ++i)
        DrawLine(d, d->Sx(points[i - 1].x), d->Sy(points[i - 1].y), d->Sx(points[i].x), d->Sy(points[i].y),
                 pen);
    return TRUE;
}

BOOL Polygon(HDC dc, const POINT* points, int count) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !points || count < 2)
        return FALSE;
    DrawAccess access(d);
    HRGN region = CreatePolygonRgn(points, count, d->State().polyFillMode);
    if (pixman_region32_t* r = RegionData(region)) {
        pixman_region32_translate(r, d->Sx(0), d->Sy(0));
        BrushSource brush;
        if (MakeBrushSource(d, nullptr, &brush))
            FillRegionBrush(d, r, brush);
    }
    DeleteObject(region);
    PenInfo pen = PenOf(d);
    for (int i = 0; i < count; ++i) {
        const POINT& a = points[i];
        const POINT& b = points[(i + 1) % count];
        DrawLine(d, d->Sx(a.x), d->Sy(a.y), d->Sx(b.x), d->Sy(b.y), pen);
    }
    return TRUE;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 3)
        return CreateRectRgn(0, 0, 0, 0);
    int minY = points[0].y, maxY = points[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min<int>(minY, points[i].y);
        maxY = std::max<int>(maxY, points[i].y);
    }
    if (static_cast<long long>(maxY) - minY > 65536) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<pixman_box32_t> boxes;
    std::vector<std::pair<double, int>> xs;
    for (int y = minY; y < maxY; ++y) {
        const double sy = y + 0.5;
        xs.clear();
        for (int i = 0; i < count; ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % count];
            if (a.y == b.y)
                continue;
            const bool up = a.y < b.y;
            const POINT& lo = up ? a : b;
            const POINT& hi = up ? b : a;
            if (sy < lo.y || sy >= hi.y)
                continue;
            double x = lo.x + (sy - lo.y) * (hi.x - lo.x) / static_cast<double>(hi.y - lo.y);
            xs.emplace_back(x, up ? 1 : -1);
        }
        std::sort(xs.begin(), xs.end());
        int wind = 0;
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            wind += xs[i].second;
            bool inside = fillMode == WINDING ? wind != 0 : (i % 2 == 0);
            if (!inside)
                continue;
            int x0 = static_cast<int>(std::lround(xs[i].first));
            int x1 = static_cast<int>(std::lround(xs[i + 1].first));
            if (x1 > x0)
                boxes.push_back({x0, y, x1, y + 1});
        }
    }
    pixman_region32_t acc;
    pixman_region32_init(&acc);
    for (const auto& b : boxes)
        pixman_region32_union_rect(&acc, &acc, b.x1, b.y1, static_cast<unsigned>(b.x2 - b.x1), 1);
    HRGN result = CreateRegionFrom(acc);
    pixman_region32_fini(&acc);
    return result;
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    BrushSource brush;
    if (!MakeBrushSource(d, nullptr, &brush))
        return FALSE;
    DrawAccess access(d);
    Box b = SurfaceBox(d, x, y, x + width, y + height);
    PatBox(d, b.x1, b.y1, b.x2, b.y2, brush, rop);
    return TRUE;
}

namespace {
template <class Fn> BOOL WithRegion(HDC dc, HRGN region, Fn fn) {
    DeviceContext* d = DcOrFail(dc);
    pixman_region32_t* r = RegionData(region);
    if (!d || !r)
        return FALSE;
    DrawAccess access(d);
    pixman_region32_t moved;
    pixman_region32_init(&moved);
    pixman_region32_copy(&moved, r);
    pixman_region32_translate(&moved, d->Sx(0), d->Sy(0));
    BOOL ok = fn(d, &moved);
    pixman_region32_fini(&moved);
    return ok;
}
} // namespace

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) {
    return WithRegion(dc, region, [brush](DeviceContext* d, pixman_region32_t* r) {
        BrushSource src;
        if (!brush || !MakeBrushSource(d, brush, &src))
            return FALSE;
        FillRegionBrush(d, r, src);
        return TRUE;
    });
}

BOOL PaintRgn(HDC dc, HRGN region) {
    return WithRegion(dc, region, [](DeviceContext* d, pixman_region32_t* r) {
        BrushSource src;
        if (!MakeBrushSource(d, nullptr, &src))
            return FALSE;
        FillRegionBrush(d, r, src);
        return TRUE;
    });
}

BOOL InvertRgn(HDC dc, HRGN region) {
    return WithRegion(dc, region, [](DeviceContext* d, pixman_region32_t* r) {
        int n = 0;
        const pixman_box32_t* boxes = pixman_region32_rectangles(r, &n);
        for (int i = 0; i < n; ++i)
            PatBox(d, boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2, BrushSource{}, DSTINVERT);
        return TRUE;
    });
}

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height) {
    return WithRegion(dc, region, [=](DeviceContext* d, pixman_region32_t* r) {
        BrushSource src;
        if (!brush || !MakeBrushSource(d, brush, &src) || width < 0 || height < 0)
            return FALSE;
        // The frame is the region minus the region eroded by (width, height).
        pixman_region32_t inner, shifted;
        pixman_region32_init(&inner);
        pixman_region32_init(&shifted);
        pixman_region32_copy(&inner, r);
        for (int dx : {-width, width}) {
            pixman_region32_copy(&shifted, r);
            pixman_region32_translate(&shifted, dx, 0);
            pixman_region32_intersect(&inner, &inner, &shifted);
        }
        for (int dy : {-height, height}) {
            pixman_region32_copy(&shifted, r);
            pixman_region32_translate(&shifted, 0, dy);
            pixman_region32_intersect(&inner, &inner, &shifted);
        }
        pixman_region32_subtract(&shifted, r, &inner);
        FillRegionBrush(d, &shifted, src);
        pixman_region32_fini(&inner);
        pixman_region32_fini(&shifted);
        return TRUE;
    });
}

} // namespace win
