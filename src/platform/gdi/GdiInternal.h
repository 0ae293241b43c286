// What the window manager needs from GDI and nothing else: regions as pixman regions, and device contexts
// that draw on a window's backing surface. Only platform code includes this header.
#pragma once

#include "platform/WinTypes.h"
#include "platform/gdi/Surface.h"

#include <memory>
#include <pixman.h>
#include <string>

namespace win::gdi {

// The pixman region behind a region handle, or null when the handle is not a live region.
pixman_region32_t* RegionData(HRGN region);

// A new region handle holding a copy of `data`.
HRGN CreateRegionFrom(const pixman_region32_t& data);

// A device context that draws on `surface` (kept alive by the DC). `origin` is where the DC's logical (0,0)
// lies in surface coordinates; `visible` (surface coordinates) bounds every pixel the DC may ever touch,
// whatever clip region is selected later. `owner` is the window the DC belongs to (WindowFromDC), may be
// null.
HDC CreateSurfaceDC(HWND owner, std::shared_ptr<Surface> surface, POINT origin,
                    const pixman_region32_t& visible);

// Frees a DC made by CreateSurfaceDC (the window manager calls it from ReleaseDC and EndPaint).
void DeleteSurfaceDC(HDC dc);

// The window a DC was made for, or null (memory DCs, bad handles).
HWND OwnerOfDC(HDC dc);

// True when `dc` is a live DC of any kind.
bool IsLiveDC(HDC dc);

// The pixels behind a bitmap handle (DIB section bits are brought up to date first), or null.
std::shared_ptr<Surface> SurfaceOfBitmap(HBITMAP bitmap);

// The surface a DC draws on, or null.
std::shared_ptr<Surface> SurfaceOfDC(HDC dc);

// Writes the surface as a 24-bit PNG (screenshots, golden images), or with `keepAlpha` as a 32-bit one whose
// alpha is the pixels' top byte (icons). False with a reason in `error` on failure.
bool WritePng(const Surface& surface, const char* path, std::string* error = nullptr, bool keepAlpha = false);

// Reads a PNG into a new surface (24-bit, alpha dropped); null with a reason in `error` on failure.
std::unique_ptr<Surface> ReadPng(const std::string& path, std::string* error = nullptr);

struct PixelDifference {
    bool sizeDiffers = false;
    int count = 0; // pixels with a channel differing by more than the tolerance
    POINT first{-1, -1};
};
PixelDifference ComparePixels(const Surface& actual, const Surface& expected, int channelTolerance);

} // namespace win::gdi
