// The BMP reader and writer. Every header field is checked against the file's real size before it is used.
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/os/Bytes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace win::gdi {

namespace {

constexpr std::size_t kFileHeader = 14;

bool ReadFile(const std::string& path, std::vector<std::uint8_t>* out, std::string* error) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        if (error)
            *error = path + ": cannot open the file";
        return false;
    }
    const std::streamoff size = in.tellg();
    // Pictures bigger than this are not pictures this program shows.
    if (size < 0 || size > (std::streamoff{1} << 30)) {
        if (error)
            *error = path + ": file is too large";
        return false;
    }
    out->resize(static_cast<std::size_t>(size));
    in.seekg(0);
    if (size > 0 && !in.read(reinterpret_cast<char*>(out->data()), size)) {
        if (error)
            *error = path + ": cannot read the file";
        return false;
    }
    return true;
}

// Checks a whole BMP file against its size and `rules`. On success `layout` describes the pixel data, which
// start `offBits` bytes into the file and are all there.
bool ParseBmp(const std::uint8_t* p, std::size_t size, const BmpReadRules& rules, DibLayout* layout,
              std::size_t* offBitsOut, std::string* error, const std::string& name) {
    auto fail = [&](const std::string& why) {
        if (error)
            *error = name + ": " + why;
        return false;
    };
    if (!p || size < kFileHeader + 4)
        return fail("file is too short to be a bitmap (" + std::to_string(size) + " bytes)");
    if (p[0] != 'B' || p[1] != 'M')
        return fail("not a bitmap file (no \"BM\" signature)");
    const std::uint32_t offBits = ReadLe32(p + 10);
    const std::uint32_t headerSize = ReadLe32(p + kFileHeader);
    if (headerSize == 12)
        return fail("OS/2 bitmap headers are not supported");
    if (headerSize < 40 || headerSize > 124)
        return fail("unknown bitmap header size " + std::to_string(headerSize));
    if (size < kFileHeader + headerSize)
        return fail("bitmap header is truncated");
    BITMAPINFOHEADER h;
    const std::uint8_t* hp = p + kFileHeader;
    h.biSize = headerSize;
    h.biWidth = static_cast<LONG>(ReadLe32(hp + 4));
    h.biHeight = static_cast<LONG>(ReadLe32(hp + 8));
    h.biPlanes = ReadLe16(hp + 12);
    h.biBitCount = ReadLe16(hp + 14);
    h.biCompression = ReadLe32(hp + 16);
    h.biSizeImage = ReadLe32(hp + 20);
    h.biClrUsed = ReadLe32(hp + 32);
    const bool bitfields = h.biCompression == BI_BITFIELDS;
    if (rules.tolerantColourTable && h.biBitCount <= 8)
        h.biClrUsed = std::min<DWORD>(h.biClrUsed, DWORD{1} << h.biBitCount);
    // Masks follow the first 40 header bytes; a palette follows the whole header. Both end where the pixel
    // data start, unless the rules let a colour table run on into them.
    const std::size_t tailOffset = kFileHeader + (bitfields ? 40 : headerSize);
    std::size_t tailEnd = std::min<std::size_t>(size, offBits >= tailOffset ? offBits : size);
    std::size_t firstPixelByte = tailOffset;
    if (rules.tolerantColourTable) {
        tailEnd = size;
        firstPixelByte = kFileHeader + headerSize + (bitfields && headerSize == 40 ? 12 : 0);
    }
    std::string why;
    if (!ParseDibHeader(h, p + tailOffset, tailEnd > tailOffset ? tailEnd - tailOffset : 0, layout, &why))
        return fail(why);
    if (layout->width > rules.maxSide || layout->height > rules.maxSide ||
        static_cast<std::int64_t>(layout->width) * layout->height > rules.maxPixels)
        return fail("bitmap of " + std::to_string(layout->width) + " x " + std::to_string(layout->height) +
                    " pixels is larger than allowed here");
    if (offBits < firstPixelByte || offBits > size)
        return fail("pixel data offset " + std::to_string(offBits) + " lies outside the file");
    if (size - offBits < layout->ImageSize())
        return fail("pixel data is truncated (" + std::to_string(size - offBits) + " of " +
                    std::to_string(layout->ImageSize()) + " bytes)");
    *offBitsOut = offBits;
    return true;
}

} // namespace

HBITMAP LoadBmpFromMemory(const void* data, std::size_t size, std::string* error, const std::string& name) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    DibLayout layout;
    std::size_t offBits = 0;
    if (!ParseBmp(p, size, BmpReadRules{}, &layout, &offBits, error, name))
        return nullptr;
    Bitmap* b = NewBitmap(layout.width, layout.height, 32);
    std::string why;
    if (!DecodeDibRows(layout, p + offBits, size - offBits, 0, layout.height, *b->surface, &why)) {
        DeleteObject(b);
        if (error)
            *error = name + ": " + why;
        return nullptr;
    }
    return b;
}

bool ReadBmpInfo(std::span<const std::uint8_t> bytes, const BmpReadRules& rules, BmpInfo* info,
                 std::string* error, const std::string& name) {
    DibLayout layout;
    std::size_t offBits = 0;
    if (!ParseBmp(bytes.data(), bytes.size(), rules, &layout, &offBits, error, name))
        return false;
    if (info)
        *info = BmpInfo{layout.width, layout.height, layout.bitCount};
    return true;
}

bool DecodeBmp(std::span<const std::uint8_t> bytes, const BmpReadRules& rules,
               std::span<std::uint32_t> pixels, std::string* error, const std::string& name) {
    DibLayout layout;
    std::size_t offBits = 0;
    if (!ParseBmp(bytes.data(), bytes.size(), rules, &layout, &offBits, error, name))
        return false;
    std::string why;
    if (!DecodeDibRows(layout, bytes.data() + offBits, bytes.size() - offBits, 0, layout.height, pixels,
                       &why)) {
        if (error)
            *error = name + ": " + why;
        return false;
    }
    for (std::uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return true;
}

HBITMAP LoadBmpFile(const std::string& path, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(path, &bytes, error))
        return nullptr;
    return LoadBmpFromMemory(bytes.data(), bytes.size(), error, path);
}

bool SaveBmp(HBITMAP bitmap, int bitCount, std::vector<std::uint8_t>* out, std::string* error) {
    Bitmap* b = LiveBitmap(bitmap);
    if (!b || !out || (bitCount != 24 && bitCount != 32)) {
        if (error)
            *error = !b ? "not a bitmap" : "bitmaps are written with 24 or 32 bits per pixel";
        return false;
    }
    b->PullFromDib();
    DibLayout layout;
    layout.width = b->Width();
    layout.height = b->Height();
    layout.bitCount = bitCount;
    layout.stride = DibStride(layout.width, bitCount);
    const std::uint32_t offBits = kFileHeader + 40;
    const std::size_t imageSize = layout.ImageSize();
    out->clear();
    out->reserve(offBits + imageSize);
    out->push_back('B');
    out->push_back('M');
    AppendLe32(*out, static_cast<std::uint32_t>(offBits + imageSize));
    AppendLe32(*out, 0);
    AppendLe32(*out, offBits);
    AppendLe32(*out, 40);
    AppendLe32(*out, static_cast<std::uint32_t>(layout.width));
    AppendLe32(*out, static_cast<std::uint32_t>(layout.height));
    AppendLe16(*out, 1);
    AppendLe16(*out, static_cast<std::uint16_t>(bitCount));
    AppendLe32(*out, BI_RGB);
    AppendLe32(*out, static_cast<std::uint32_t>(imageSize));
    AppendLe32(*out, 3780); // 96 dpi
    AppendLe32(*out, 3780);
    AppendLe32(*out, 0);
    AppendLe32(*out, 0);
    out->resize(offBits + imageSize);
    EncodeDibRows(layout, *b->surface, 0, layout.height, out->data() + offBits);
    return true;
}

bool SaveBmpFile(HBITMAP bitmap, int bitCount, const std::string& path, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!SaveBmp(bitmap, bitCount, &bytes, error))
        return false;
    // Written beside the target and renamed, so a failure leaves no half-written file.
    const std::string temp = path + ".partial";
    {
        std::ofstream outFile(temp, std::ios::binary | std::ios::trunc);
        if (!outFile ||
            !outFile.write(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<std::streamsize>(bytes.size())) ||
            !outFile.flush()) {
            std::remove(temp.c_str());
            if (error)
                *error = path + ": cannot write the file";
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        if (error)
            *error = path + ": cannot replace the file";
        return false;
    }
    return true;
}

bool SaveBitmapPng(HBITMAP bitmap, const std::string& path, std::string* error) {
    Bitmap* b = LiveBitmap(bitmap);
    if (!b) {
        if (error)
            *error = "not a bitmap";
        return false;
    }
    b->PullFromDib();
    return WritePng(*b->surface, path.c_str(), error);
}

} // namespace win::gdi
