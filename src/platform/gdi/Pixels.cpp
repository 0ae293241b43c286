// Single pixels and gradients.
#include "platform/gdi/Raster.h"
#include "platform/os/WinBase.h"

namespace win {

using namespace gdi;

namespace {

// The surface pixel at the logical point, or null when the DC's clip leaves it out.
std::uint32_t* VisiblePixel(DeviceContext* d, int x, int y) {
    const int px = d->Sx(x), py = d->Sy(y);
    if (!pixman_region32_contains_point(const_cast<pixman_region32_t*>(d->Clip()), px, py, nullptr))
        return nullptr;
    return &d->TargetSurface().Row(py)[px];
}

} // namespace

COLORREF GetPixel(HDC dc, int x, int y) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return CLR_INVALID;
    DrawAccess access(d);
    const std::uint32_t* pixel = VisiblePixel(d, x, y);
    return pixel ? ToColorRef(*pixel) : CLR_INVALID;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return CLR_INVALID;
    DrawAccess access(d);
    std::uint32_t* pixel = VisiblePixel(d, x, y);
    if (!pixel)
        return CLR_INVALID;
    const std::uint32_t p = d->IsMono() ? ToMono(ToPixel(color)) : ToPixel(color);
    *pixel = p;
    return ToColorRef(p);
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) {
    return SetPixel(dc, x, y, color) != CLR_INVALID;
}

BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG nVertices, void* mesh, ULONG nMesh, ULONG mode) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !vertices || !mesh || (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawAccess access(d);
    auto* rects = static_cast<GRADIENT_RECT*>(mesh);
    for (ULONG m = 0; m < nMesh; ++m) {
        if (rects[m].UpperLeft >= nVertices || rects[m].LowerRight >= nVertices)
            return FALSE;
        TRIVERTEX a = vertices[rects[m].UpperLeft];
        TRIVERTEX b = vertices[rects[m].LowerRight];
        if (a.x > b.x)
            std::swap(a.x, b.x);
        if (a.y > b.y)
            std::swap(a.y, b.y);
        struct {
            int x1, y1, x2, y2;
        } box{d->Sx(a.x), d->Sy(a.y), d->Sx(b.x), d->Sy(b.y)};
        const bool vertical = mode == GRADIENT_FILL_RECT_V;
        const int n = vertical ? box.y2 - box.y1 : box.x2 - box.x1;
        if (n <= 0)
            continue;
        for (int i = 0; i < n; ++i) {
            auto lerp = [&](int c0, int c1) {
                return static_cast<std::uint32_t>((c0 + static_cast<long long>(c1 - c0) * i / n) >> 8) & 0xFF;
            };
            std::uint32_t p =
                (lerp(a.Red, b.Red) << 16) | (lerp(a.Green, b.Green) << 8) | lerp(a.Blue, b.Blue);
            if (vertical)
                FillBox(d, box.x1, box.y1 + i, box.x2, box.y1 + i + 1, p);
            else
                FillBox(d, box.x1 + i, box.y1, box.x1 + i + 1, box.y2, p);
        }
    }
    return TRUE;
}

} // namespace win
