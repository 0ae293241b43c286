#include "skin/data/TSkinBitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace skin {

namespace {

std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool Refuse(std::string* error, const char* why) {
    if (error)
        *error = why;
    return false;
}

} // namespace

TSkinBitmap::~TSkinBitmap() {
    Clear();
}

TSkinBitmap::TSkinBitmap(TSkinBitmap&& other) noexcept {
    *this = std::move(other);
}

TSkinBitmap& TSkinBitmap::operator=(TSkinBitmap&& other) noexcept {
    if (this != &other) {
        Clear();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_bits = std::exchange(other.m_bits, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_format = other.m_format;
        m_transparent = other.m_transparent;
    }
    return *this;
}

void TSkinBitmap::Clear() {
    if (m_handle)
        win::DeleteObject(m_handle);
    m_handle = nullptr;
    m_bits = nullptr;
    m_width = 0;
    m_height = 0;
}

bool TSkinBitmap::SetSize(int width, int height, std::uint32_t fill, int pixelFormat) {
    Clear();
    m_format = pixelFormat;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide ||
        static_cast<std::int64_t>(width) * height > MaxPixels)
        return false;
    win::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = win::BI_RGB;
    void* bits = nullptr;
    win::HBITMAP handle = win::CreateDIBSection(nullptr, &info, win::DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle || !bits) {
        if (handle)
            win::DeleteObject(handle);
        return false;
    }
    m_handle = handle;
    m_bits = static_cast<std::uint32_t*>(bits);
    m_width = width;
    m_height = height;
    std::fill(m_bits, m_bits + static_cast<std::size_t>(width) * height, fill & 0xFFFFFF);
    return true;
}

void TSkinBitmap::Assign(const TSkinBitmap& other) {
    if (&other == this)
        return;
    AssignPart(other, 0, 0, other.m_width, other.m_height);
    m_format = other.m_format;
    m_transparent = other.m_transparent;
}

void TSkinBitmap::AssignPart(const TSkinBitmap& other, int x, int y, int width, int height) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + width, other.m_width), y1 = std::min(y + height, other.m_height);
    if (&other == this) {
        TSkinBitmap copy;
        copy.Assign(other);
        AssignPart(copy, x, y, width, height);
        return;
    }
    if (x1 <= x0 || y1 <= y0) {
        Clear();
        return;
    }
    if (!SetSize(x1 - x0, y1 - y0, 0, other.m_format))
        return;
    for (int row = y0; row < y1; ++row)
        std::memcpy(Row(row - y0), other.Row(row) + x0, sizeof(std::uint32_t) * (x1 - x0));
}

std::uint32_t TSkinBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return Row(y)[x] & 0xFFFFFF;
}

void TSkinBitmap::SetPixel(int x, int y, std::uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        Row(y)[x] = rgb & 0xFFFFFF;
}

bool TSkinBitmap::LoadFromBmp(std::span<const std::uint8_t> bytes, std::string* error) {
    Clear();
    const std::size_t size = bytes.size();
    const std::uint8_t* p = bytes.data();
    if (size < 14 + 40 || p[0] != 'B' || p[1] != 'M')
        return Refuse(error, "not a BMP file");
    const std::uint32_t bitsOffset = U32(p + 10);
    const std::uint32_t headerSize = U32(p + 14);
    if (headerSize < 40 || headerSize > 124 || 14 + static_cast<std::size_t>(headerSize) > size)
        return Refuse(error, "unsupported or truncated BMP header");
    const std::int32_t width = static_cast<std::int32_t>(U32(p + 18));
    const std::int32_t rawHeight = static_cast<std::int32_t>(U32(p + 22));
    const std::uint16_t planes = U16(p + 26);
    const std::uint16_t bitCount = U16(p + 28);
    const std::uint32_t compression = U32(p + 30);
    const std::uint32_t colorsUsed = U32(p + 46);
    if (rawHeight == INT32_MIN || width <= 0 || rawHeight == 0 || planes != 1)
        return Refuse(error, "bad BMP dimensions");
    const std::int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (width > MaxSide || height > MaxSide || static_cast<std::int64_t>(width) * height > MaxPixels)
        return Refuse(error, "BMP image too large");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return Refuse(error, "unsupported BMP bit depth");
    const bool bitfields = compression == win::BI_BITFIELDS;
    if (compression != win::BI_RGB && !(bitfields && (bitCount == 16 || bitCount == 32)))
        return Refuse(error, "unsupported BMP compression");

    // The info block the platform expects: a 40-byte header, the masks, then the palette.
    std::size_t paletteEntries = 0;
    if (bitCount <= 8) {
        const std::size_t full = std::size_t{1} << bitCount;
        paletteEntries = colorsUsed ? std::min<std::size_t>(colorsUsed, full) : full;
    }
    const std::size_t maskOffset = 14 + 40;
    const std::size_t paletteOffset = 14 + headerSize + (bitfields && headerSize == 40 ? 12 : 0);
    if ((bitfields && maskOffset + 12 > size) || paletteOffset + 4 * paletteEntries > size)
        return Refuse(error, "truncated BMP palette");
    std::vector<std::uint8_t> info(40 + 12 + 4 * std::max<std::size_t>(paletteEntries, 1), 0);
    std::memcpy(info.data(), p + 14, 40);
    const std::uint32_t small = 40;
    std::memcpy(info.data(), &small, 4);
    std::size_t at = 40;
    if (bitfields) {
        std::memcpy(info.data() + at, p + maskOffset, 12);
        at += 12;
    }
    if (paletteEntries)
        std::memcpy(info.data() + at, p + paletteOffset, 4 * paletteEntries);
    // The platform reads as many palette entries as the header claims: claim exactly those copied.
    const std::uint32_t claimed = static_cast<std::uint32_t>(paletteEntries);
    std::memcpy(info.data() + 32, &claimed, 4);

    const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    const std::size_t imageBytes = stride * static_cast<std::size_t>(height);
    if (bitsOffset < paletteOffset || bitsOffset > size || size - bitsOffset < imageBytes)
        return Refuse(error, "truncated BMP pixel data");

    if (!SetSize(width, height, 0, bitCount <= 8 ? 8 : bitCount))
        return Refuse(error, "cannot create the bitmap");
    const auto* header = reinterpret_cast<const win::BITMAPINFO*>(info.data());
    if (win::SetDIBits(nullptr, m_handle, 0, static_cast<win::UINT>(height), p + bitsOffset, header,
                       win::DIB_RGB_COLORS) != height) {
        Clear();
        return Refuse(error, "BMP pixel data rejected");
    }
    for (int y = 0; y < height; ++y)
        for (std::uint32_t& px : std::span(Row(y), static_cast<std::size_t>(width)))
            px &= 0xFFFFFF;
    return true;
}

} // namespace skin
