// The BMP reader and writer. Every header field is checked against the file's real size before it is used.
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageFiles.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace win::gdi {

namespace {

constexpr std::size_t kFileHeader = 14;

std::uint32_t u32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}
std::uint16_t u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
void put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& v, std::uint16_t x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}

bool readFile(const std::string& path, std::vector<std::uint8_t>* out, std::string* error) {
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

} // namespace

HBITMAP LoadBmpFromMemory(const void* data, std::size_t size, std::string* error, const std::string& name) {
    auto fail = [&](const std::string& why) -> HBITMAP {
        if (error)
            *error = name + ": " + why;
        return nullptr;
    };
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (!p || size < kFileHeader + 4)
        return fail("file is too short to be a bitmap (" + std::to_string(size) + " bytes)");
    if (p[0] != 'B' || p[1] != 'M')
        return fail("not a bitmap file (no \"BM\" signature)");
    const std::uint32_t offBits = u32(p + 10);
    const std::uint32_t headerSize = u32(p + kFileHeader);
    if (headerSize == 12)
        return fail("OS/2 bitmap headers are not supported");
    if (headerSize < 40 || headerSize > 124)
        return fail("unknown bitmap header size " + std::to_string(headerSize));
    if (size < kFileHeader + headerSize)
        return fail("bitmap header is truncated");
    BITMAPINFOHEADER h;
    const std::uint8_t* hp = p + kFileHeader;
    h.biSize = headerSize;
    h.biWidth = static_cast<LONG>(u32(hp + 4));
    h.biHeight = static_cast<LONG>(u32(hp + 8));
    h.biPlanes = u16(hp + 12);
    h.biBitCount = u16(hp + 14);
    h.biCompression = u32(hp + 16);
    h.biSizeImage = u32(hp + 20);
    h.biClrUsed = u32(hp + 32);
    // Masks follow the first 40 header bytes; a palette follows the whole header.
    const std::size_t tailOffset = kFileHeader + (h.biCompression == BI_BITFIELDS ? 40 : headerSize);
    const std::size_t tailEnd = std::min<std::size_t>(size, offBits >= tailOffset ? offBits : size);
    DibLayout layout;
    std::string why;
    if (!ParseDibHeader(h, p + tailOffset, tailEnd > tailOffset ? tailEnd - tailOffset : 0, &layout, &why))
        return fail(why);
    if (offBits < tailOffset || offBits > size)
        return fail("pixel data offset " + std::to_string(offBits) + " lies outside the file");
    if (size - offBits < layout.imageSize())
        return fail("pixel data is truncated (" + std::to_string(size - offBits) + " of " +
                    std::to_string(layout.imageSize()) + " bytes)");
    Bitmap* b = NewBitmap(layout.width, layout.height, 32);
    if (!DecodeDibRows(layout, p + offBits, size - offBits, 0, layout.height, *b->surface, &why)) {
        DeleteObject(b);
        return fail(why);
    }
    return b;
}

HBITMAP LoadBmpFile(const std::string& path, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, &bytes, error))
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
    b->pullFromDib();
    DibLayout layout;
    layout.width = b->width();
    layout.height = b->height();
    layout.bitCount = bitCount;
    layout.stride = DibStride(layout.width, bitCount);
    const std::uint32_t offBits = kFileHeader + 40;
    const std::size_t imageSize = layout.imageSize();
    out->clear();
    out->reserve(offBits + imageSize);
    out->push_back('B');
    out->push_back('M');
    put32(*out, static_cast<std::uint32_t>(offBits + imageSize));
    put32(*out, 0);
    put32(*out, offBits);
    put32(*out, 40);
    put32(*out, static_cast<std::uint32_t>(layout.width));
    put32(*out, static_cast<std::uint32_t>(layout.height));
    put16(*out, 1);
    put16(*out, static_cast<std::uint16_t>(bitCount));
    put32(*out, BI_RGB);
    put32(*out, static_cast<std::uint32_t>(imageSize));
    put32(*out, 3780); // 96 dpi
    put32(*out, 3780);
    put32(*out, 0);
    put32(*out, 0);
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
    b->pullFromDib();
    return WritePng(*b->surface, path.c_str(), error);
}

} // namespace win::gdi
