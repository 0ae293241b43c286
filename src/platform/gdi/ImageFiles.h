// Picture files: BMP (read: 1, 4, 8, 16, 24 and 32 bits, BI_RGB and BI_BITFIELDS, either row order; write: 24
// and 32 bits), JPEG (read) and PNG (write). Bad data never crashes: the functions return null or false with
// a reason that names the file (or `name`) and what is wrong with it.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace win::gdi {

// How a BMP file is read. The defaults are the GDI's own; a caller may take smaller images only, or the
// colour tables that older readers let pass.
struct BmpReadRules {
    int maxSide = 16384;
    std::int64_t maxPixels = std::int64_t{16384} * 16384;
    // A colour count above what the depth can index reads the 2^depth colours there are, and the colour table
    // may run on into the pixel data (which must still start after the headers).
    bool tolerantColourTable = false;
};

// A BMP file's size and depth (1, 4, 8, 16, 24 or 32 bits per pixel).
struct BmpInfo {
    int width = 0;
    int height = 0;
    int bitCount = 0;
};

// Checks a whole BMP file (headers, masks, colour table and pixel data against the bytes given) without
// decoding it.
bool ReadBmpInfo(std::span<const std::uint8_t> bytes, const BmpReadRules& rules, BmpInfo* info,
                 std::string* error, const std::string& name = "bitmap");
// Decodes a BMP file into `pixels`: width x height words 0x00RRGGBB, rows top-down. Refuses a file that
// ReadBmpInfo refuses, and a `pixels` of another size.
bool DecodeBmp(std::span<const std::uint8_t> bytes, const BmpReadRules& rules,
               std::span<std::uint32_t> pixels, std::string* error, const std::string& name = "bitmap");

HBITMAP LoadBmpFromMemory(const void* data, std::size_t size, std::string* error,
                          const std::string& name = "bitmap");
HBITMAP LoadBmpFile(const std::string& path, std::string* error);
HBITMAP LoadJpegFromMemory(const void* data, std::size_t size, std::string* error,
                           const std::string& name = "JPEG");
HBITMAP LoadJpegFile(const std::string& path, std::string* error);

// `bitCount` is 24 or 32; rows are stored bottom-up, as most readers expect.
bool SaveBmp(HBITMAP bitmap, int bitCount, std::vector<std::uint8_t>* out, std::string* error);
bool SaveBmpFile(HBITMAP bitmap, int bitCount, const std::string& path, std::string* error);
bool SaveBitmapPng(HBITMAP bitmap, const std::string& path, std::string* error);

} // namespace win::gdi
