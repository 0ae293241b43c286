// Bitmap creation and the DIB transfer calls.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DibFormat.h"
#include "platform/os/WinBase.h"

#include <cstring>

namespace win {

using namespace gdi;

namespace {

bool SizeOk(int width, int height) {
    return width >= 0 && height >= 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide;
}

// Bytes after the header that the caller's BITMAPINFO is promised to hold (masks and palette).
std::size_t TailBytes(const BITMAPINFOHEADER& h) {
    std::size_t n = 0;
    if (h.biCompression == BI_BITFIELDS)
        n += 12;
    if (h.biBitCount <= 8)
        n += 4 * (h.biClrUsed ? std::min<std::size_t>(h.biClrUsed, 256) : (std::size_t{1} << h.biBitCount));
    return n;
}

bool LayoutOf(const BITMAPINFO* info, DibLayout* layout) {
    if (!info)
        return false;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    // Masks sit right after the first 40 bytes (inside a larger header, or after a small one); a palette
    // follows the whole header.
    const auto* tail =
        reinterpret_cast<const std::uint8_t*>(info) + (h.biCompression == BI_BITFIELDS ? 40 : h.biSize);
    std::string error;
    if (h.biSize < 40 || h.biSize > 124)
        return false;
    return ParseDibHeader(h, tail, TailBytes(h), layout, &error);
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (!SizeOk(width, height) || planes != 1 ||
        (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32 && bitsPerPixel != 8 &&
         bitsPerPixel != 16 && bitsPerPixel != 4)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const int bpp = bitsPerPixel == 1 ? 1 : 32;
    Bitmap* b = NewBitmap(std::max(width, 1), std::max(height, 1), bpp);
    if (bits && width > 0 && height > 0) {
        // Device-dependent rows are WORD-aligned, top-down.
        const auto* src = static_cast<const std::uint8_t*>(bits);
        const std::size_t stride = ((static_cast<std::size_t>(width) * bitsPerPixel + 15) / 16) * 2;
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* row = src + stride * y;
            std::uint32_t* dst = b->surface->Row(y);
            for (int x = 0; x < width; ++x) {
                switch (bitsPerPixel) {
                case 1: dst[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 0xFFFFFF : 0; break;
                case 32: std::memcpy(&dst[x], row + 4 * x, 4); break;
                case 24: dst[x] = row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16); break;
                default: dst[x] = 0; break;
                }
            }
        }
    } else if (bpp == 1) {
        std::fill(b->surface->Pixels(), b->surface->Pixels() + std::size_t(b->Width()) * b->Height(), 0u);
    }
    return b;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    DeviceContext* d = LiveDC(dc);
    if (!d || !SizeOk(width, height)) {
        SetLastError(d ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // As in Windows, a memory DC holding a monochrome bitmap makes monochrome bitmaps.
    return NewBitmap(std::max(width, 1), std::max(height, 1), d->IsMono() ? 1 : 32);
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    if (bits)
        *bits = nullptr;
    DibLayout layout;
    if (!LayoutOf(info, &layout) || usage != DIB_RGB_COLORS || section) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Bitmap* b = NewBitmap(layout.width, layout.height, 32);
    b->isDib = true;
    b->dibHeader = info->bmiHeader;
    b->dibHeader.biSize = sizeof(BITMAPINFOHEADER);
    b->dibHeader.biSizeImage = static_cast<DWORD>(layout.ImageSize());
    b->dibLayout = layout;
    if (layout.bitCount == 32 && layout.topDown && layout.compression == BI_RGB) {
        b->dibShared = true;
        b->dibBits = reinterpret_cast<std::uint8_t*>(b->surface->Pixels());
    } else {
        b->dibStorage.reset(new std::uint8_t[layout.ImageSize()]());
        b->dibBits = b->dibStorage.get();
        b->PushToDib();
    }
    if (bits)
        *bits = b->dibBits;
    return b;
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
    Bitmap* b = LiveBitmap(bitmap);
    DibLayout layout;
    if (!b || !bits || !LayoutOf(info, &layout) || usage != DIB_RGB_COLORS || layout.width != b->Width() ||
        layout.height != b->Height()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (start >= static_cast<UINT>(layout.height))
        return 0;
    lines = std::min<UINT>(lines, static_cast<UINT>(layout.height) - start);
    b->PullFromDib();
    std::string error;
    if (!DecodeDibRows(layout, static_cast<const std::uint8_t*>(bits), layout.stride * lines,
                       static_cast<int>(start), static_cast<int>(lines), *b->surface, &error))
        return 0;
    if (b->bitsPixel == 1)
        for (int y = 0; y < b->Height(); ++y)
            for (int x = 0; x < b->Width(); ++x)
                b->surface->Row(y)[x] = ToMono(b->surface->Row(y)[x]);
    b->PushToDib();
    return static_cast<int>(lines);
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info, UINT usage) {
    Bitmap* b = LiveBitmap(bitmap);
    if (!b || !info || info->bmiHeader.biSize < 40 || usage != DIB_RGB_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits && h.biBitCount == 0) {
        h.biWidth = b->Width();
        h.biHeight = b->Height();
        h.biPlanes = 1;
        h.biBitCount = static_cast<WORD>(b->bitsPixel == 1 ? 1 : 32);
        h.biCompression = BI_RGB;
        h.biSizeImage = static_cast<DWORD>(DibStride(b->Width(), h.biBitCount) * b->Height());
        return b->Height();
    }
    if (h.biBitCount != 1 && h.biBitCount != 24 && h.biBitCount != 32) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    h.biWidth = b->Width();
    if (h.biHeight == 0 || (h.biHeight > 0 ? h.biHeight : -h.biHeight) != b->Height())
        h.biHeight = h.biHeight < 0 ? -b->Height() : b->Height();
    h.biPlanes = 1;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(DibStride(b->Width(), h.biBitCount) * b->Height());
    if (h.biBitCount == 1) {
        info->bmiColors[0] = RGBQUAD{0, 0, 0, 0};
        // The second entry lies in the caller's allocation beyond the one-element array, as in Windows.
        RGBQUAD white{255, 255, 255, 0};
        std::memcpy(reinterpret_cast<std::uint8_t*>(info->bmiColors) + sizeof(RGBQUAD), &white, sizeof white);
    }
    if (!bits)
        return b->Height();
    if (start >= static_cast<UINT>(b->Height()))
        return 0;
    lines = std::min<UINT>(lines, static_cast<UINT>(b->Height()) - start);
    DibLayout layout;
    layout.width = b->Width();
    layout.height = b->Height();
    layout.topDown = h.biHeight < 0;
    layout.bitCount = h.biBitCount;
    layout.stride = DibStride(layout.width, layout.bitCount);
    b->PullFromDib();
    EncodeDibRows(layout, *b->surface, static_cast<int>(start), static_cast<int>(lines),
                  static_cast<std::uint8_t*>(bits));
    return static_cast<int>(lines);
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage) {
    if (!header) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    int h = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    HBITMAP bm = CreateBitmap(header->biWidth, h, 1, 32, nullptr);
    if (bm && (init & CBM_INIT) && bits && info &&
        SetDIBits(dc, bm, 0, static_cast<UINT>(h), bits, info, usage) == 0) {
        DeleteObject(bm);
        return nullptr;
    }
    return bm;
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits) {
    Bitmap* b = LiveBitmap(bitmap);
    if (!b || size < 0 || !bits)
        return 0;
    b->PullFromDib();
    const std::size_t total = std::size_t(b->Width()) * b->Height() * 4;
    const std::size_t n = std::min<std::size_t>(total, static_cast<std::size_t>(size));
    std::memcpy(bits, b->surface->Pixels(), n);
    return static_cast<LONG>(n);
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE size) {
    if (!LiveBitmap(bitmap) || !size)
        return FALSE;
    *size = SIZE{};
    return TRUE;
}

} // namespace win
