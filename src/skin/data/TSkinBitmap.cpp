#include "skin/data/TSkinBitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace skin {

namespace {

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
    // Skin images were made for readers that took a colour count past what the depth can index, and a
    // colour table that runs on into the pixel data.
    static constexpr win::gdi::BmpReadRules kSkinImages{MaxSide, MaxPixels, true};
    win::gdi::BmpInfo info;
    if (!win::gdi::ReadBmpInfo(bytes, kSkinImages, &info, error, "skin image"))
        return false;
    if (!SetSize(info.width, info.height, 0, info.bitCount <= 8 ? 8 : info.bitCount))
        return Refuse(error, "cannot create the bitmap");
    if (!win::gdi::DecodeBmp(bytes, kSkinImages,
                             std::span(m_bits, static_cast<std::size_t>(m_width) * m_height), error,
                             "skin image")) {
        Clear();
        return false;
    }
    return true;
}

} // namespace skin
