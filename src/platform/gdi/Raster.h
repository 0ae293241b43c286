// Pixel-level helpers shared by the drawing calls: clipped iteration, fills, ternary raster operations and
// brush patterns. Everything here works in surface coordinates.
#pragma once

#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <cstdint>

namespace win::gdi {

// Calls fn(box) for each part of `box` inside the DC's clip.
template <class Fn> void ForEachClipped(DeviceContext* dc, int x1, int y1, int x2, int y2, Fn&& fn) {
    if (x1 >= x2 || y1 >= y2)
        return;
    const pixman_region32_t* clip = dc->Clip();
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(clip), &n);
    for (int i = 0; i < n; ++i) {
        pixman_box32_t b{std::max(x1, boxes[i].x1), std::max(y1, boxes[i].y1), std::min(x2, boxes[i].x2),
                         std::min(y2, boxes[i].y2)};
        if (b.x1 < b.x2 && b.y1 < b.y2)
            fn(b);
    }
}

// The colour or pattern a brush paints with.
struct BrushSource {
    bool null = false;
    std::uint32_t pixel = 0;
    const Surface* pattern = nullptr;
    int orgX = 0, orgY = 0;
    std::uint32_t At(int x, int y) const {
        if (!pattern)
            return pixel;
        int px = (x - orgX) % pattern->Width();
        int py = (y - orgY) % pattern->Height();
        if (px < 0)
            px += pattern->Width();
        if (py < 0)
            py += pattern->Height();
        return pattern->Row(py)[px] & 0xFFFFFF;
    }
};

// The DC's selected brush (or `brush` when given; FillRect's system-colour values are accepted).
bool MakeBrushSource(DeviceContext* dc, HBRUSH brush, BrushSource* out);

// Fills a surface box (clipped) with one colour; a 1-bit DC gets the nearest of black and white.
void FillBox(DeviceContext* dc, int x1, int y1, int x2, int y2, std::uint32_t pixel);
void FillBoxBrush(DeviceContext* dc, int x1, int y1, int x2, int y2, const BrushSource& brush);
// Applies a raster operation that uses only the pattern and the destination.
void PatBox(DeviceContext* dc, int x1, int y1, int x2, int y2, const BrushSource& brush, DWORD rop);

// Result of the ternary raster operation `rop` (its index byte) on pattern, source and destination.
inline std::uint32_t Rop3(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    std::uint32_t r = 0;
    for (int i = 0; i < 8; ++i) {
        if (!(index & (1u << i)))
            continue;
        std::uint32_t term = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
        r |= term;
    }
    return r & 0xFFFFFF;
}

// Writes one pixel with the DC's binary raster operation (pens).
std::uint32_t Rop2(int mode, std::uint32_t pen, std::uint32_t dest);

// Blends `color` over a pixel with coverage 0..255.
inline std::uint32_t BlendPixel(std::uint32_t dest, std::uint32_t color, unsigned coverage) {
    if (coverage >= 255)
        return color;
    unsigned inv = 255 - coverage;
    unsigned r = (((color >> 16) & 0xFF) * coverage + ((dest >> 16) & 0xFF) * inv + 127) / 255;
    unsigned g = (((color >> 8) & 0xFF) * coverage + ((dest >> 8) & 0xFF) * inv + 127) / 255;
    unsigned b = ((color & 0xFF) * coverage + (dest & 0xFF) * inv + 127) / 255;
    return (r << 16) | (g << 8) | b;
}

} // namespace win::gdi
