// BitBlt, StretchBlt, TransparentBlt, AlphaBlend and the DIB-to-device calls. Scaling goes through pixman;
// raster operations, monochrome conversions and colour keys are done here.
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/Raster.h"
#include "platform/os/WinBase.h"

#include <cstring>
#include <memory>

namespace win {

using namespace gdi;

namespace {

constexpr std::uint8_t RopIndex(DWORD rop) {
    return static_cast<std::uint8_t>((rop >> 16) & 0xFF);
}
constexpr bool UsesSource(DWORD rop) {
    return (((rop >> 2) ^ rop) & 0x330000) != 0;
}

struct Source {
    const Surface* surface = nullptr;
    bool mono = false;
    std::uint32_t bk = 0xFFFFFF; // the source DC's background colour, for colour-to-mono
};

struct Rect {
    int x, y, w, h;
};

// Clips a same-size copy so the source rectangle lies inside the source surface.
bool ClipToSource(const Surface& src, int& dx, int& dy, int& w, int& h, int& sx, int& sy) {
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    w = std::min(w, src.Width() - sx);
    h = std::min(h, src.Height() - sy);
    return w > 0 && h > 0;
}

// Copies (or combines) src at (sx, sy) into the DC at surface (dx, dy), w x h, clipped by the DC.
void BlitSurface(DeviceContext* dst, int dx, int dy, int w, int h, const Source& source, int sx, int sy,
                 DWORD rop) {
    const Surface& src = *source.surface;
    if (!ClipToSource(src, dx, dy, w, h, sx, sy))
        return;
    Surface& out = dst->TargetSurface();
    const bool dstMono = dst->IsMono();
    const std::uint32_t text = ToPixel(dst->State().textColor), bk = ToPixel(dst->State().bkColor);
    const bool convert = source.mono != dstMono;
    auto fetch = [&](std::uint32_t s) -> std::uint32_t {
        if (!convert)
            return s;
        if (source.mono)
            return (s & 0xFFFFFF) == 0 ? text : bk;
        return (s & 0xFFFFFF) == source.bk ? 0xFFFFFF : 0;
    };
    // Overlapping copies within one surface read from a snapshot.
    std::unique_ptr<Surface> snapshot;
    const Surface* from = &src;
    int fx = sx, fy = sy;
    if (&src == &out && !(dx + w <= sx || sx + w <= dx || dy + h <= sy || sy + h <= dy)) {
        snapshot = std::make_unique<Surface>(w, h);
        for (int y = 0; y < h; ++y)
            std::memcpy(snapshot->Row(y), src.Row(sy + y) + sx, static_cast<std::size_t>(w) * 4);
        from = snapshot.get();
        fx = fy = 0;
    }
    BrushSource brush;
    const std::uint8_t index = RopIndex(rop);
    const bool needsPattern = (((index >> 4) ^ index) & 0x0F) != 0;
    if (needsPattern && !MakeBrushSource(dst, nullptr, &brush))
        brush = BrushSource{};
    ForEachClipped(dst, dx, dy, dx + w, dy + h, [&](const pixman_box32_t& b) {
        const int bw = b.x2 - b.x1;
        for (int y = b.y1; y < b.y2; ++y) {
            const std::uint32_t* s = from->Row(fy + y - dy) + fx + (b.x1 - dx);
            std::uint32_t* d = out.Row(y) + b.x1;
            if (!convert && !dstMono) {
                // The common operations in tight loops the compiler can vectorise.
                bool done = true;
                switch (index) {
                case 0xCC: std::memcpy(d, s, static_cast<std::size_t>(bw) * 4); break;
                case 0x88:
                    for (int x = 0; x < bw; ++x)
                        d[x] = s[x] & d[x] & 0xFFFFFF;
                    break;
                case 0xEE:
                    for (int x = 0; x < bw; ++x)
                        d[x] = (s[x] | d[x]) & 0xFFFFFF;
                    break;
                case 0x66:
                    for (int x = 0; x < bw; ++x)
                        d[x] = (s[x] ^ d[x]) & 0xFFFFFF;
                    break;
                default: done = false;
                }
                if (done)
                    continue;
            }
            for (int x = 0; x < bw; ++x) {
                const std::uint32_t sp = fetch(s[x]) & 0xFFFFFF;
                std::uint32_t v;
                switch (index) {
                case 0xCC: v = sp; break;
                case 0x88: v = sp & d[x]; break;
                case 0xEE: v = sp | d[x]; break;
                case 0x66: v = sp ^ d[x]; break;
                default: v = Rop3(index, brush.null ? 0 : brush.At(b.x1 + x, y), sp, d[x] & 0xFFFFFF); break;
                }
                d[x] = dstMono ? ToMono(v & 0xFFFFFF) : (v & 0xFFFFFF);
            }
        }
    });
}

Source SourceOf(DeviceContext* d) {
    Source s;
    s.surface = &d->TargetSurface();
    s.mono = d->IsMono();
    s.bk = ToPixel(d->State().bkColor);
    return s;
}

// The part of a (possibly mirrored) destination rectangle that the DC can show, in surface coordinates.
bool VisiblePart(DeviceContext* dst, int x, int y, int w, int h, Rect* dest, Rect* part) {
    *dest = Rect{dst->Sx(w < 0 ? x + w : x), dst->Sy(h < 0 ? y + h : y), std::abs(w), std::abs(h)};
    const pixman_box32_t* e = pixman_region32_extents(const_cast<pixman_region32_t*>(dst->Clip()));
    int x1 = std::max(dest->x, e->x1), y1 = std::max(dest->y, e->y1);
    int x2 = std::min<long long>(static_cast<long long>(dest->x) + dest->w, e->x2);
    int y2 = std::min<long long>(static_cast<long long>(dest->y) + dest->h, e->y2);
    if (x1 >= x2 || y1 >= y2)
        return false;
    *part = Rect{x1, y1, x2 - x1, y2 - y1};
    return true;
}

// Scales the source rectangle (sx, sy, sw, sh; negative extents mirror) onto the visible part of the
// destination rectangle. Alpha bytes are carried along.
std::unique_ptr<Surface> ScaleToPart(const Surface& src, int sx, int sy, int sw, int sh, bool mirrorX,
                                     bool mirrorY, const Rect& dest, const Rect& part, bool smooth) {
    auto out = std::make_unique<Surface>(part.w, part.h);
    pixman_image_t* srcImg = pixman_image_create_bits(PIXMAN_a8r8g8b8, src.Width(), src.Height(),
                                                      const_cast<std::uint32_t*>(src.Pixels()), src.Stride());
    pixman_image_t* dstImg =
        pixman_image_create_bits(PIXMAN_a8r8g8b8, out->Width(), out->Height(), out->Pixels(), out->Stride());
    // Destination pixel (i, j) of the part samples the source at sx + (i + offset + 0.5) * sw / dw.
    const double scaleX = static_cast<double>(sw) / dest.w * (mirrorX ? -1 : 1);
    const double scaleY = static_cast<double>(sh) / dest.h * (mirrorY ? -1 : 1);
    const double originX = mirrorX ? sx + sw : sx;
    const double originY = mirrorY ? sy + sh : sy;
    pixman_transform_t t;
    pixman_transform_init_identity(&t);
    t.matrix[0][0] = pixman_double_to_fixed(scaleX);
    t.matrix[0][2] = pixman_double_to_fixed(originX + scaleX * (part.x - dest.x));
    t.matrix[1][1] = pixman_double_to_fixed(scaleY);
    t.matrix[1][2] = pixman_double_to_fixed(originY + scaleY * (part.y - dest.y));
    pixman_image_set_transform(srcImg, &t);
    pixman_image_set_filter(srcImg, smooth ? PIXMAN_FILTER_BILINEAR : PIXMAN_FILTER_NEAREST, nullptr, 0);
    pixman_image_set_repeat(srcImg, PIXMAN_REPEAT_PAD);
    pixman_image_composite32(PIXMAN_OP_SRC, srcImg, nullptr, dstImg, 0, 0, 0, 0, 0, 0, part.w, part.h);
    pixman_image_unref(srcImg);
    pixman_image_unref(dstImg);
    return out;
}

// Reads the source rectangle from the source surface, clamped to it so sampling never leaves the surface.
bool ClampSourceRect(const Surface& src, int& sx, int& sy, int& sw, int& sh) {
    if (sw == 0 || sh == 0)
        return false;
    return sx >= -kMaxBitmapSide && sy >= -kMaxBitmapSide && std::abs(sw) <= 4 * kMaxBitmapSide &&
           std::abs(sh) <= 4 * kMaxBitmapSide && src.Width() > 0;
}

} // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
    DeviceContext* d = LiveDC(dest);
    if (!d) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    DrawAccess access(d);
    if (!UsesSource(rop)) {
        BrushSource brush;
        if (!MakeBrushSource(d, nullptr, &brush))
            return FALSE;
        int x1 = d->Sx(std::min(x, x + width)), y1 = d->Sy(std::min(y, y + height));
        PatBox(d, x1, y1, x1 + std::abs(width), y1 + std::abs(height), brush, rop);
        return TRUE;
    }
    DeviceContext* s = LiveDC(src);
    if (!s) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (width <= 0 || height <= 0)
        return width == 0 || height == 0
                   ? TRUE
                   : StretchBlt(dest, x, y, width, height, src, xSrc, ySrc, width, height, rop);
    DrawAccess srcAccess(s != d ? s : nullptr);
    BlitSurface(d, d->Sx(x), d->Sy(y), width, height, SourceOf(s), s->Sx(xSrc), s->Sy(ySrc), rop);
    return TRUE;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop) {
    DeviceContext* d = LiveDC(dest);
    DeviceContext* s = LiveDC(src);
    if (!d || (!s && UsesSource(rop))) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!UsesSource(rop))
        return BitBlt(dest, x, y, width, height, nullptr, 0, 0, rop);
    if (width == 0 || height == 0 || wSrc == 0 || hSrc == 0)
        return TRUE;
    const bool mirrorX = (width < 0) != (wSrc < 0), mirrorY = (height < 0) != (hSrc < 0);
    if (width == wSrc && height == hSrc && width > 0 && height > 0)
        return BitBlt(dest, x, y, width, height, src, xSrc, ySrc, rop);
    DrawAccess access(d);
    DrawAccess srcAccess(s != d ? s : nullptr);
    int sx = s->Sx(wSrc < 0 ? xSrc + wSrc : xSrc), sy = s->Sy(hSrc < 0 ? ySrc + hSrc : ySrc);
    int sw = std::abs(wSrc), sh = std::abs(hSrc);
    if (!ClampSourceRect(s->TargetSurface(), sx, sy, sw, sh))
        return FALSE;
    Rect destRect, part;
    if (!VisiblePart(d, x, y, width, height, &destRect, &part))
        return TRUE;
    const bool smooth = d->State().stretchMode == HALFTONE && !s->IsMono() && !d->IsMono();
    auto scaled = ScaleToPart(s->TargetSurface(), sx, sy, sw, sh, mirrorX, mirrorY, destRect, part, smooth);
    Source source = SourceOf(s);
    source.surface = scaled.get();
    BlitSurface(d, part.x, part.y, part.w, part.h, source, 0, 0, rop);
    return TRUE;
}

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int wSrc,
                    int hSrc, UINT transparent) {
    DeviceContext* d = LiveDC(dest);
    DeviceContext* s = LiveDC(src);
    if (!d || !s) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (width <= 0 || height <= 0 || wSrc <= 0 || hSrc <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawAccess access(d);
    DrawAccess srcAccess(s != d ? s : nullptr);
    const std::uint32_t key = ToPixel(transparent) & 0xFFFFFF;
    Rect destRect, part;
    if (!VisiblePart(d, x, y, width, height, &destRect, &part))
        return TRUE;
    std::unique_ptr<Surface> scaled;
    const Surface* from = &s->TargetSurface();
    int fx = s->Sx(xSrc) + (part.x - destRect.x), fy = s->Sy(ySrc) + (part.y - destRect.y);
    if (width != wSrc || height != hSrc) {
        scaled = ScaleToPart(s->TargetSurface(), s->Sx(xSrc), s->Sy(ySrc), wSrc, hSrc, false, false, destRect,
                             part, false);
        from = scaled.get();
        fx = fy = 0;
    }
    Surface& out = d->TargetSurface();
    const bool srcMono = s->IsMono(), dstMono = d->IsMono();
    const std::uint32_t text = ToPixel(d->State().textColor), bk = ToPixel(d->State().bkColor);
    ForEachClipped(d, part.x, part.y, part.x + part.w, part.y + part.h, [&](const pixman_box32_t& b) {
        for (int yy = b.y1; yy < b.y2; ++yy) {
            const int sy = fy + yy - part.y;
            if (sy < 0 || sy >= from->Height())
                continue;
            const std::uint32_t* srow = from->Row(sy);
            const int shift = fx - part.x; // source column of destination column xx is xx + shift
            std::uint32_t* drow = out.Row(yy);
            const int x1 = std::max(b.x1, part.x - fx), x2 = std::min(b.x2, part.x - fx + from->Width());
            if (!srcMono && !dstMono) {
                for (int xx = x1; xx < x2; ++xx) {
                    const std::uint32_t p = srow[xx + shift] & 0xFFFFFF;
                    if (p != key)
                        drow[xx] = p;
                }
                continue;
            }
            for (int xx = x1; xx < x2; ++xx) {
                std::uint32_t p = srow[xx + shift] & 0xFFFFFF;
                if (p == key)
                    continue;
                if (srcMono && !dstMono)
                    p = p == 0 ? text : bk;
                drow[xx] = dstMono ? ToMono(p) : p;
            }
        }
    });
    return TRUE;
}

BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int wSrc,
                int hSrc, BLENDFUNCTION blend) {
    DeviceContext* d = LiveDC(dest);
    DeviceContext* s = LiveDC(src);
    if (!d || !s) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (width <= 0 || height <= 0 || wSrc <= 0 || hSrc <= 0 || blend.BlendOp != AC_SRC_OVER || xSrc < 0 ||
        ySrc < 0 || s->Sx(xSrc) + wSrc > s->TargetSurface().Width() ||
        s->Sy(ySrc) + hSrc > s->TargetSurface().Height()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawAccess access(d);
    DrawAccess srcAccess(s != d ? s : nullptr);
    Rect destRect, part;
    if (!VisiblePart(d, x, y, width, height, &destRect, &part))
        return TRUE;
    auto scaled = ScaleToPart(s->TargetSurface(), s->Sx(xSrc), s->Sy(ySrc), wSrc, hSrc, false, false,
                              destRect, part, width != wSrc || height != hSrc);
    const unsigned constant = blend.SourceConstantAlpha;
    const bool perPixel = blend.AlphaFormat & AC_SRC_ALPHA;
    Surface& out = d->TargetSurface();
    ForEachClipped(d, part.x, part.y, part.x + part.w, part.y + part.h, [&](const pixman_box32_t& b) {
        for (int yy = b.y1; yy < b.y2; ++yy) {
            const std::uint32_t* srow = scaled->Row(yy - part.y);
            std::uint32_t* drow = out.Row(yy);
            for (int xx = b.x1; xx < b.x2; ++xx) {
                const std::uint32_t sp = srow[xx - part.x], dp = drow[xx];
                // Source colours are premultiplied by their alpha, as AlphaBlend expects.
                const unsigned sa = perPixel ? ((sp >> 24) * constant + 127) / 255 : constant;
                std::uint32_t r = 0;
                for (int shift : {0, 8, 16}) {
                    unsigned sc = ((sp >> shift) & 0xFF) * constant / 255;
                    if (!perPixel)
                        sc = (sp >> shift) & 0xFF;
                    unsigned dc = (dp >> shift) & 0xFF;
                    unsigned v =
                        perPixel ? sc + dc * (255 - sa) / 255 : (sc * sa + dc * (255 - sa) + 127) / 255;
                    r |= std::min(v, 255u) << shift;
                }
                drow[xx] = d->IsMono() ? ToMono(r) : r;
            }
        }
    });
    return TRUE;
}

int StretchDIBits(HDC dc, int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    if (!LiveDC(dc) || !bits || !info || usage != DIB_RGB_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const BITMAPINFOHEADER& h = info->bmiHeader;
    HBITMAP bm = CreateBitmap(h.biWidth, h.biHeight < 0 ? -h.biHeight : h.biHeight, 1, 32, nullptr);
    if (!bm)
        return 0;
    int lines =
        SetDIBits(dc, bm, 0, static_cast<UINT>(h.biHeight < 0 ? -h.biHeight : h.biHeight), bits, info, usage);
    if (lines == 0) {
        DeleteObject(bm);
        return 0;
    }
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bm);
    // DIB source coordinates count from the bottom row for bottom-up bitmaps.
    const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    const int top = h.biHeight > 0 ? height - ySrc - hSrc : ySrc;
    BOOL ok = StretchBlt(dc, xDest, yDest, wDest, hDest, mem, xSrc, top, wSrc, hSrc, rop);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bm);
    return ok ? hSrc : 0;
}

int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
    if (!info || startScan != 0 || w > static_cast<DWORD>(kMaxBitmapSide) ||
        h > static_cast<DWORD>(kMaxBitmapSide))
        return 0;
    (void)lines;
    return StretchDIBits(dc, xDest, yDest, static_cast<int>(w), static_cast<int>(h), xSrc, ySrc,
                         static_cast<int>(w), static_cast<int>(h), bits, info, usage, SRCCOPY)
               ? static_cast<int>(h)
               : 0;
}

} // namespace win
