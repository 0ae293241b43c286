// Picture files: BMP (read: 1, 4, 8, 16, 24 and 32 bits, BI_RGB and BI_BITFIELDS, either row order; write: 24
// and 32 bits), JPEG (read) and PNG (write). Bad data never crashes: the functions return null or false with
// a reason that names the file (or `name`) and what is wrong with it.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace win::gdi {

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
