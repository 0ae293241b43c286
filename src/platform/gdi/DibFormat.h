// Device-independent bitmap rows to and from surface pixels: 1, 4, 8, 16, 24 and 32 bits per pixel,
// BI_RGB and BI_BITFIELDS, bottom-up (positive height) and top-down (negative height). Shared by the BMP
// codec, DIB sections and Get/SetDIBits. Every size is checked before a byte is read.
#pragma once

#include "platform/gdi/Surface.h"
#include "platform/gdi/WinGdi.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace win::gdi {

constexpr int kMaxBitmapSide = 16384;

struct DibLayout {
    int width = 0;
    int height = 0; // always positive
    bool topDown = false;
    int bitCount = 0;
    DWORD compression = BI_RGB;
    DWORD masks[3] = {0, 0, 0}; // red, green, blue (BI_BITFIELDS, or defaults for 16 and 32 bits)
    std::vector<RGBQUAD> colors;
    std::size_t stride = 0; // bytes per row, 4-byte aligned

    std::size_t ImageSize() const { return stride * static_cast<std::size_t>(height); }
};

// Validates a header (and, for palettes and masks, the bytes that follow it: `extra` of them at `tail`).
// False with a reason in `error`.
bool ParseDibHeader(const BITMAPINFOHEADER& header, const std::uint8_t* tail, std::size_t extra,
                    DibLayout* out, std::string* error);

// Converts rows [first, first + count) of the DIB (in its own scan order) into `pixels`, the DIB's width x
// height words with rows top-down. `bits` holds `size` bytes of row data starting at scan `first`.
bool DecodeDibRows(const DibLayout& layout, const std::uint8_t* bits, std::size_t size, int first, int count,
                   std::span<std::uint32_t> pixels, std::string* error);
// The same into a surface of the DIB's size.
bool DecodeDibRows(const DibLayout& layout, const std::uint8_t* bits, std::size_t size, int first, int count,
                   Surface& out, std::string* error);

// Converts the surface into DIB rows of the layout's depth (paletted depths take the nearest colour; a 1-bit
// layout without colours is a mask where white is 1).
void EncodeDibRows(const DibLayout& layout, const Surface& in, int first, int count, std::uint8_t* bits);

inline std::size_t DibStride(int width, int bitCount) {
    return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

} // namespace win::gdi
