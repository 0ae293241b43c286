// The objects behind GDI handles. Every live object is registered, so a stale or foreign handle is refused
// instead of being dereferenced. Objects selected into a DC are reference-counted: deleting one that is still
// selected only marks it, and it goes when the last DC lets it go.
#pragma once

#include "platform/gdi/DibFormat.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/gdi/WinGdi.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace win::gdi {

class FontFace;

struct ObjectHeader {
    int refs = 0;
    bool deletePending = false;
    bool stock = false;
};

struct Region : HRGN__ {
    Region();
    ~Region() override;
    pixman_region32_t data;
};

struct Bitmap : HBITMAP__ {
    ObjectHeader hdr;
    std::shared_ptr<Surface> surface;
    int bitsPixel = 32; // 1 for masks, 24 or 32 otherwise
    HDC selectedIn = nullptr;

    // A DIB section whose caller-visible bits are not laid out as the surface (24-bit, bottom-up, 1-bit...)
    // keeps them apart; they are converted into the surface before GDI reads it and back after GDI writes.
    bool isDib = false;
    BITMAPINFOHEADER dibHeader;
    DibLayout dibLayout;
    std::unique_ptr<std::uint8_t[]> dibStorage;
    std::uint8_t* dibBits = nullptr;
    bool dibShared = false; // dibBits point into the surface itself

    int Width() const { return surface->Width(); }
    int Height() const { return surface->Height(); }
    int DibStride() const { return static_cast<int>(dibLayout.stride); }
    void PullFromDib();
    void PushToDib();
};

struct Brush : HBRUSH__ {
    ObjectHeader hdr;
    UINT style = BS_SOLID;
    COLORREF color = 0;
    std::shared_ptr<Surface> pattern; // BS_PATTERN
    bool dcBrush = false;             // DC_BRUSH: the DC's brush colour
};

struct Pen : HPEN__ {
    ObjectHeader hdr;
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
    bool dcPen = false;
};

struct Font : HFONT__ {
    ObjectHeader hdr;
    LOGFONT lf;
    std::shared_ptr<FontFace> face; // resolved on first use
};

struct Palette : HPALETTE__ {
    ObjectHeader hdr;
};

// Registry of live objects.
void RegisterObject(HGDIOBJ object);
bool IsLiveObject(HGDIOBJ object);
template <class T> T* Live(HGDIOBJ object) {
    return IsLiveObject(object) ? dynamic_cast<T*>(object) : nullptr;
}
ObjectHeader* HeaderOf(HGDIOBJ object);
// Selection references.
void AddRef(HGDIOBJ object);
void Release(HGDIOBJ object);

Region* LiveRegion(HRGN region);
Bitmap* LiveBitmap(HBITMAP bitmap);
Brush* LiveBrush(HBRUSH brush);
Pen* LivePen(HPEN pen);
Font* LiveFont(HFONT font);

// A brush handle or a system-colour value (COLOR_* + 1), as FillRect accepts.
bool ResolveBrush(HBRUSH brush, COLORREF dcBrushColor, COLORREF* color, const Brush** object);

Bitmap* NewBitmap(int width, int height, int bitsPixel);

// Pixel conversions between COLORREF (0x00BBGGRR) and surface words (0xAARRGGBB).
inline std::uint32_t ToPixel(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ToColorRef(std::uint32_t p) {
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
// Nearest of black and white, for 1-bit targets.
inline std::uint32_t ToMono(std::uint32_t p) {
    int sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    return sum >= 383 ? 0xFFFFFF : 0;
}

} // namespace win::gdi
