#include "platform/gdi/Raster.h"

namespace win::gdi {

bool MakeBrushSource(DeviceContext* dc, HBRUSH brush, BrushSource* out) {
    COLORREF color = 0;
    const Brush* b = nullptr;
    if (!ResolveBrush(brush ? brush : dc->State().brush, dc->State().dcBrushColor, &color, &b))
        return false;
    *out = BrushSource{};
    if (b && b->style == BS_NULL) {
        out->null = true;
        return true;
    }
    out->pixel = ToPixel(color);
    if (b && b->style == BS_PATTERN && b->pattern) {
        out->pattern = b->pattern.get();
        out->orgX = dc->Sx(0) + dc->State().brushOrg.x - dc->State().viewportOrg.x + dc->State().windowOrg.x;
        out->orgY = dc->Sy(0) + dc->State().brushOrg.y - dc->State().viewportOrg.y + dc->State().windowOrg.y;
    }
    if (dc->IsMono())
        out->pixel = ToMono(out->pixel);
    return true;
}

void FillBox(DeviceContext* dc, int x1, int y1, int x2, int y2, std::uint32_t pixel) {
    if (dc->IsMono())
        pixel = ToMono(pixel);
    Surface& s = dc->TargetSurface();
    ForEachClipped(dc, x1, y1, x2, y2, [&](const pixman_box32_t& b) {
        for (int y = b.y1; y < b.y2; ++y)
            std::fill(s.Row(y) + b.x1, s.Row(y) + b.x2, pixel);
    });
}

void FillBoxBrush(DeviceContext* dc, int x1, int y1, int x2, int y2, const BrushSource& brush) {
    if (brush.null)
        return;
    if (!brush.pattern) {
        FillBox(dc, x1, y1, x2, y2, brush.pixel);
        return;
    }
    Surface& s = dc->TargetSurface();
    const bool mono = dc->IsMono();
    ForEachClipped(dc, x1, y1, x2, y2, [&](const pixman_box32_t& b) {
        for (int y = b.y1; y < b.y2; ++y) {
            std::uint32_t* row = s.Row(y);
            for (int x = b.x1; x < b.x2; ++x)
                row[x] = mono ? ToMono(brush.At(x, y)) : brush.At(x, y);
        }
    });
}

void PatBox(DeviceContext* dc, int x1, int y1, int x2, int y2, const BrushSource& brush, DWORD rop) {
    const std::uint8_t index = static_cast<std::uint8_t>((rop >> 16) & 0xFF);
    switch (index) {
    case 0x00: FillBox(dc, x1, y1, x2, y2, 0); return;
    case 0xFF: FillBox(dc, x1, y1, x2, y2, 0xFFFFFF); return;
    case 0xF0:
        if (brush.null)
            FillBox(dc, x1, y1, x2, y2, 0); // a null brush paints as black with PATCOPY
        else
            FillBoxBrush(dc, x1, y1, x2, y2, brush);
        return;
    case 0xAA: return;
    default: break;
    }
    Surface& s = dc->TargetSurface();
    const bool mono = dc->IsMono();
    ForEachClipped(dc, x1, y1, x2, y2, [&](const pixman_box32_t& b) {
        for (int y = b.y1; y < b.y2; ++y) {
            std::uint32_t* row = s.Row(y);
            for (int x = b.x1; x < b.x2; ++x) {
                std::uint32_t p = brush.null ? 0 : brush.At(x, y);
                std::uint32_t v = Rop3(index, p, 0, row[x] & 0xFFFFFF);
                row[x] = mono ? ToMono(v) : v;
            }
        }
    });
}

std::uint32_t Rop2(int mode, std::uint32_t pen, std::uint32_t dest) {
    pen &= 0xFFFFFF;
    dest &= 0xFFFFFF;
    std::uint32_t r;
    switch (mode) {
    case 1: r = 0; break;              // R2_BLACK
    case 2: r = ~(pen | dest); break;  // R2_NOTMERGEPEN
    case 3: r = dest & ~pen; break;    // R2_MASKNOTPEN
    case 4: r = ~pen; break;           // R2_NOTCOPYPEN
    case 5: r = pen & ~dest; break;    // R2_MASKPENNOT
    case 6: r = ~dest; break;          // R2_NOT
    case 7: r = pen ^ dest; break;     // R2_XORPEN
    case 8: r = ~(pen & dest); break;  // R2_NOTMASKPEN
    case 9: r = pen & dest; break;     // R2_MASKPEN
    case 10: r = ~(pen ^ dest); break; // R2_NOTXORPEN
    case 11: r = dest; break;          // R2_NOP
    case 12: r = dest | ~pen; break;   // R2_MERGENOTPEN
    case 14: r = pen | ~dest; break;   // R2_MERGEPENNOT
    case 15: r = pen | dest; break;    // R2_MERGEPEN
    case 16: r = 0xFFFFFF; break;      // R2_WHITE
    default: r = pen; break;           // R2_COPYPEN
    }
    return r & 0xFFFFFF;
}

} // namespace win::gdi
