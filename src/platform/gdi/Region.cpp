// Regions are pixman regions; CombineRgn's modes map onto pixman's set operations.
#include "platform/gdi/GdiObjects.h"
#include "platform/os/WinBase.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace win::gdi {

namespace {

// Coordinates are kept well inside pixman's 32-bit range so offsets cannot overflow.
constexpr int kCoordLimit = 1 << 28;

int ClampCoord(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -kCoordLimit, kCoordLimit));
}

int Complexity(const pixman_region32_t* r) {
    int n = pixman_region32_n_rects(r);
    return n == 0 ? NULLREGION : (n == 1 ? SIMPLEREGION : COMPLEXREGION);
}

Region* NewRegion() {
    auto* r = new Region;
    RegisterObject(r);
    return r;
}

// Clamps the corners and puts them in order: left <= right, top <= bottom.
void ClampAndOrder(int& left, int& top, int& right, int& bottom) {
    left = ClampCoord(left);
    top = ClampCoord(top);
    right = ClampCoord(right);
    bottom = ClampCoord(bottom);
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

void InitRect(pixman_region32_t* r, int left, int top, int right, int bottom) {
    ClampAndOrder(left, top, right, bottom);
    pixman_region32_fini(r);
    if (left == right || top == bottom)
        pixman_region32_init(r);
    else
        pixman_region32_init_rect(r, left, top, static_cast<unsigned>(right - left),
                                  static_cast<unsigned>(bottom - top));
}

// Spans of an ellipse inscribed in the box, one per row, as Windows rasterises elliptic regions.
void EllipseSpans(int left, int top, int right, int bottom, std::vector<pixman_box32_t>& boxes) {
    const double w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    const double a = w / 2.0, b = h / 2.0;
    const double cx = left + a, cy = top + b;
    for (int y = top; y < bottom; ++y) {
        double dy = (y + 0.5 - cy) / b;
        double t = 1.0 - dy * dy;
        if (t < 0)
            continue;
        double dx = a * std::sqrt(t);
        int x0 = static_cast<int>(std::lround(cx - dx));
        int x1 = static_cast<int>(std::lround(cx + dx));
        if (x1 > x0)
            boxes.push_back({x0, y, x1, y + 1});
    }
}

} // namespace

pixman_region32_t* RegionData(HRGN region) {
    Region* r = LiveRegion(region);
    return r ? &r->data : nullptr;
}

HRGN CreateRegionFrom(const pixman_region32_t& data) {
    Region* r = NewRegion();
    pixman_region32_copy(&r->data, const_cast<pixman_region32_t*>(&data));
    return r;
}

HRGN RegionFromBoxes(const std::vector<pixman_box32_t>& boxes) {
    Region* r = NewRegion();
    pixman_region32_fini(&r->data);
    pixman_region32_init_rects(&r->data, boxes.data(), static_cast<int>(boxes.size()));
    return r;
}

} // namespace win::gdi

namespace win {

using namespace gdi;

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    Region* r = NewRegion();
    InitRect(&r->data, left, top, right, bottom);
    return r;
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    ClampAndOrder(left, top, right, bottom);
    // An elliptic region is at most as many rows as it is high; refuse absurd heights rather than allocate.
    if (bottom - top > 65536) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<pixman_box32_t> boxes;
    EllipseSpans(left, top, right, bottom, boxes);
    return RegionFromBoxes(boxes);
}

HRGN CreateEllipticRgnIndirect(const RECT* rect) {
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int we, int he) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (bottom - top > 65536) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    we = std::clamp(we, 0, right - left);
    he = std::clamp(he, 0, bottom - top);
    if (we < 2 || he < 2)
        return CreateRectRgn(left, top, right, bottom);
    std::vector<pixman_box32_t> corners;
    EllipseSpans(0, 0, we, he, corners);
    std::vector<pixman_box32_t> boxes;
    const int half = he / 2;
    for (const auto& c : corners) {
        int l = left + c.x1, r = right - (we - c.x2);
        if (c.y1 < half)
            boxes.push_back({l, top + c.y1, r, top + c.y1 + 1});
        else if (c.y1 >= he - half)
            boxes.push_back({l, bottom - (he - c.y1), r, bottom - (he - c.y1) + 1});
    }
    if (bottom - top > 2 * half)
        boxes.push_back({left, top + half, right, bottom - half});
    std::sort(boxes.begin(), boxes.end(), [](auto& a, auto& b) { return a.y1 < b.y1; });
    pixman_region32_t acc;
    pixman_region32_init(&acc);
    for (const auto& b : boxes)
        pixman_region32_union_rect(&acc, &acc, b.x1, b.y1, b.x2 - b.x1, b.y2 - b.y1);
    HRGN result = CreateRegionFrom(acc);
    pixman_region32_fini(&acc);
    return result;
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    Region* d = LiveRegion(dest);
    Region* a = LiveRegion(src1);
    Region* b = mode == RGN_COPY ? a : LiveRegion(src2);
    if (!d || !a || !b || mode < RGN_AND || mode > RGN_COPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    pixman_region32_t result;
    pixman_region32_init(&result);
    switch (mode) {
    case RGN_AND: pixman_region32_intersect(&result, &a->data, &b->data); break;
    case RGN_OR: pixman_region32_union(&result, &a->data, &b->data); break;
    case RGN_DIFF: pixman_region32_subtract(&result, &a->data, &b->data); break;
    case RGN_COPY: pixman_region32_copy(&result, &a->data); break;
    case RGN_XOR: {
        pixman_region32_t ab, ba;
        pixman_region32_init(&ab);
        pixman_region32_init(&ba);
        pixman_region32_subtract(&ab, &a->data, &b->data);
        pixman_region32_subtract(&ba, &b->data, &a->data);
        pixman_region32_union(&result, &ab, &ba);
        pixman_region32_fini(&ab);
        pixman_region32_fini(&ba);
        break;
    }
    }
    pixman_region32_fini(&d->data);
    d->data = result; // pixman regions own their storage through the struct and may be moved bitwise
    return Complexity(&d->data);
}

int OffsetRgn(HRGN region, int dx, int dy) {
    Region* r = LiveRegion(region);
    if (!r)
        return ERROR;
    pixman_box32_t* e = pixman_region32_extents(&r->data);
    if (pixman_region32_not_empty(&r->data) &&
        (std::llabs(static_cast<long long>(e->x1) + dx) > kCoordLimit ||
         std::llabs(static_cast<long long>(e->x2) + dx) > kCoordLimit ||
         std::llabs(static_cast<long long>(e->y1) + dy) > kCoordLimit ||
         std::llabs(static_cast<long long>(e->y2) + dy) > kCoordLimit))
        return ERROR;
    pixman_region32_translate(&r->data, dx, dy);
    return Complexity(&r->data);
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    Region* r = LiveRegion(region);
    if (!r)
        return FALSE;
    InitRect(&r->data, left, top, right, bottom);
    return TRUE;
}

BOOL PtInRegion(HRGN region, int x, int y) {
    Region* r = LiveRegion(region);
    return r && pixman_region32_contains_point(&r->data, x, y, nullptr) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
    Region* r = LiveRegion(region);
    if (!r || !rect)
        return FALSE;
    pixman_box32_t box{std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
                       std::max(rect->left, rect->right), std::max(rect->top, rect->bottom)};
    if (box.x1 == box.x2 || box.y1 == box.y2)
        return FALSE;
    return pixman_region32_contains_rectangle(&r->data, &box) != PIXMAN_REGION_OUT ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, LPRECT box) {
    Region* r = LiveRegion(region);
    if (!r || !box)
        return ERROR;
    if (!pixman_region32_not_empty(&r->data)) {
        *box = RECT{};
        return NULLREGION;
    }
    pixman_box32_t* e = pixman_region32_extents(&r->data);
    *box = RECT{e->x1, e->y1, e->x2, e->y2};
    return Complexity(&r->data);
}

BOOL EqualRgn(HRGN a, HRGN b) {
    Region* ra = LiveRegion(a);
    Region* rb = LiveRegion(b);
    if (!ra || !rb)
        return ERROR;
    return pixman_region32_equal(&ra->data, &rb->data) ? TRUE : FALSE;
}

HRGN ExtCreateRegion(const void* xform, DWORD count, const RGNDATA* data) {
    if (!data || count < sizeof(RGNDATAHEADER) || data->rdh.dwSize < sizeof(RGNDATAHEADER) ||
        data->rdh.iType != RDH_RECTANGLES || xform) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // The rectangles must lie inside the buffer the caller says it gave.
    const std::uint64_t need = data->rdh.dwSize + static_cast<std::uint64_t>(data->rdh.nCount) * sizeof(RECT);
    if (need > count) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto* rects = reinterpret_cast<const RECT*>(reinterpret_cast<const char*>(data) + data->rdh.dwSize);
    pixman_region32_t acc;
    pixman_region32_init(&acc);
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(data->rdh.nCount);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        RECT rc;
        std::memcpy(&rc, rects + i, sizeof rc);
        int l = ClampCoord(std::min(rc.left, rc.right)), r = ClampCoord(std::max(rc.left, rc.right));
        int t = ClampCoord(std::min(rc.top, rc.bottom)), b = ClampCoord(std::max(rc.top, rc.bottom));
        if (l < r && t < b)
            pixman_region32_union_rect(&acc, &acc, l, t, static_cast<unsigned>(r - l),
                                       static_cast<unsigned>(b - t));
    }
    HRGN result = CreateRegionFrom(acc);
    pixman_region32_fini(&acc);
    return result;
}

DWORD GetRegionData(HRGN region, DWORD count, RGNDATA* data) {
    Region* r = LiveRegion(region);
    if (!r)
        return 0;
    int n = 0;
    pixman_box32_t* boxes = pixman_region32_rectangles(&r->data, &n);
    const DWORD size = sizeof(RGNDATAHEADER) + static_cast<DWORD>(n) * sizeof(RECT);
    if (!data)
        return size;
    if (count < size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    RGNDATAHEADER h;
    h.dwSize = sizeof(RGNDATAHEADER);
    h.iType = RDH_RECTANGLES;
    h.nCount = static_cast<DWORD>(n);
    h.nRgnSize = static_cast<DWORD>(n) * sizeof(RECT);
    RECT box{};
    GetRgnBox(region, &box);
    h.rcBound = box;
    std::memcpy(static_cast<void*>(data), &h, sizeof h);
    auto* out = reinterpret_cast<char*>(data) + sizeof(RGNDATAHEADER);
    for (int i = 0; i < n; ++i) {
        RECT rc{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2};
        std::memcpy(out + i * sizeof(RECT), &rc, sizeof rc);
    }
    return size;
}

} // namespace win
