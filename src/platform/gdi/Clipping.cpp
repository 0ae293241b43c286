// Clip regions (device coordinates) and visibility queries.
#include "platform/gdi/DeviceContext.h"

#include "platform/os/WinBase.h"

#include <algorithm>

namespace win {

using namespace gdi;

namespace {

int ClipComplexity(DeviceContext* d) {
    int n = pixman_region32_n_rects(const_cast<pixman_region32_t*>(d->Clip()));
    return n == 0 ? NULLREGION : (n == 1 ? SIMPLEREGION : COMPLEXREGION);
}

// Starts a DC's clip region from "everything" when none is selected yet, in device coordinates.
void EnsureClip(DeviceContext* d) {
    if (d->State().hasClip)
        return;
    pixman_region32_fini(&d->State().clip);
    pixman_region32_init_rect(&d->State().clip, -(1 << 28), -(1 << 28), 1u << 29, 1u << 29);
    d->State().hasClip = true;
}

pixman_box32_t DeviceBox(DeviceContext* d, int left, int top, int right, int bottom) {
    POINT o = d->DeviceOrigin();
    int l = d->Sx(left) - o.x, r = d->Sx(right) - o.x;
    int t = d->Sy(top) - o.y, b = d->Sy(bottom) - o.y;
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    return pixman_box32_t{l, t, r, b};
}

} // namespace

int SelectClipRgn(HDC dc, HRGN region) {
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return ERROR;
    DcState& s = d->State();
    if (!region) {
        if (mode != RGN_COPY)
            return ERROR;
        s.hasClip = false;
        d->InvalidateClip();
        return ClipComplexity(d);
    }
    pixman_region32_t* r = RegionData(region);
    if (!r || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    if (mode == RGN_COPY) {
        pixman_region32_copy(&s.clip, r);
        s.hasClip = true;
    } else {
        EnsureClip(d);
        switch (mode) {
        case RGN_AND: pixman_region32_intersect(&s.clip, &s.clip, r); break;
        case RGN_OR: pixman_region32_union(&s.clip, &s.clip, r); break;
        case RGN_DIFF: pixman_region32_subtract(&s.clip, &s.clip, r); break;
        case RGN_XOR: {
            pixman_region32_t both;
            pixman_region32_init(&both);
            pixman_region32_intersect(&both, &s.clip, r);
            pixman_region32_union(&s.clip, &s.clip, r);
            pixman_region32_subtract(&s.clip, &s.clip, &both);
            pixman_region32_fini(&both);
            break;
        }
        }
    }
    d->InvalidateClip();
    return ClipComplexity(d);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return ERROR;
    EnsureClip(d);
    pixman_box32_t b = DeviceBox(d, left, top, right, bottom);
    pixman_region32_intersect_rect(&d->State().clip, &d->State().clip, b.x1, b.y1,
                                   static_cast<unsigned>(b.x2 - b.x1), static_cast<unsigned>(b.y2 - b.y1));
    d->InvalidateClip();
    return ClipComplexity(d);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return ERROR;
    EnsureClip(d);
    pixman_box32_t b = DeviceBox(d, left, top, right, bottom);
    if (b.x1 < b.x2 && b.y1 < b.y2) {
        pixman_region32_t ex;
        pixman_region32_init_rect(&ex, b.x1, b.y1, static_cast<unsigned>(b.x2 - b.x1),
                                  static_cast<unsigned>(b.y2 - b.y1));
        pixman_region32_subtract(&d->State().clip, &d->State().clip, &ex);
        pixman_region32_fini(&ex);
    }
    d->InvalidateClip();
    return ClipComplexity(d);
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return ERROR;
    if (d->State().hasClip)
        pixman_region32_translate(&d->State().clip, dx, dy);
    d->InvalidateClip();
    return ClipComplexity(d);
}

int GetClipBox(HDC dc, LPRECT rect) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !rect)
        return ERROR;
    const pixman_region32_t* c = d->Clip();
    if (!pixman_region32_not_empty(const_cast<pixman_region32_t*>(c))) {
        *rect = RECT{};
        return NULLREGION;
    }
    const pixman_box32_t* e = pixman_region32_extents(const_cast<pixman_region32_t*>(c));
    int ox = d->Sx(0), oy = d->Sy(0);
    *rect = RECT{e->x1 - ox, e->y1 - oy, e->x2 - ox, e->y2 - oy};
    return ClipComplexity(d);
}

int GetClipRgn(HDC dc, HRGN region) {
    DeviceContext* d = DcOrFail(dc);
    pixman_region32_t* r = RegionData(region);
    if (!d || !r)
        return -1;
    if (!d->State().hasClip)
        return 0;
    pixman_region32_copy(r, &d->State().clip);
    return 1;
}

BOOL PtVisible(HDC dc, int x, int y) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    return pixman_region32_contains_point(const_cast<pixman_region32_t*>(d->Clip()), d->Sx(x), d->Sy(y),
                                          nullptr)
               ? TRUE
               : FALSE;
}

BOOL RectVisible(HDC dc, const RECT* rect) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !rect)
        return FALSE;
    pixman_box32_t b{d->Sx(std::min(rect->left, rect->right)), d->Sy(std::min(rect->top, rect->bottom)),
                     d->Sx(std::max(rect->left, rect->right)), d->Sy(std::max(rect->top, rect->bottom))};
    if (b.x1 == b.x2 || b.y1 == b.y2)
        return FALSE;
    return pixman_region32_contains_rectangle(const_cast<pixman_region32_t*>(d->Clip()), &b) !=
                   PIXMAN_REGION_OUT
               ? TRUE
               : FALSE;
}

} // namespace win
