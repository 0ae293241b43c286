// An owned bitmap for skin elements: a 32-bit top-down DIB section whose pixels (0x00RRGGBB) the skin code
// reads and writes directly, and which GDI can select and blit. PixelFormat records the depth the image came
// in with (8, 24 or 32); the pixels are always held at 32 bits.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <span>
#include <string>

namespace skin {

class TSkinBitmap {
public:
    // Larger images are refused: no skin needs them, and a hostile header must not make us allocate
    // gigabytes.
    static constexpr int MaxSide = 8192;
    static constexpr std::int64_t MaxPixels = 8 * 1024 * 1024;

    TSkinBitmap() = default;
    ~TSkinBitmap();
    TSkinBitmap(const TSkinBitmap&) = delete;
    TSkinBitmap& operator=(const TSkinBitmap&) = delete;
    TSkinBitmap(TSkinBitmap&& other) noexcept;
    TSkinBitmap& operator=(TSkinBitmap&& other) noexcept;

    bool Empty() const { return m_handle == nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int PixelFormat() const { return m_format; }
    void SetPixelFormat(int bits) { m_format = bits; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }
    win::HBITMAP Handle() const { return m_handle; }

    // A new image of that size, every pixel `fill`; a zero or negative side (or one too large) clears it.
    bool SetSize(int width, int height, std::uint32_t fill = 0, int pixelFormat = 24);
    void Clear();
    void Assign(const TSkinBitmap& other);
    // Copies the part (x, y, width, height) of `other`, clipped to it.
    void AssignPart(const TSkinBitmap& other, int x, int y, int width, int height);

    // Loads a complete BMP file. Refuses (leaving the bitmap empty, with the reason in `error`) anything
    // whose headers, palette or pixel rows do not fit in the bytes given.
    bool LoadFromBmp(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

    std::uint32_t* Row(int y) { return m_bits + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* Row(int y) const { return m_bits + static_cast<std::size_t>(y) * m_width; }
    // 0x00RRGGBB; reads outside the image give 0.
    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t rgb);

private:
    win::HBITMAP m_handle = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_format = 24;
    bool m_transparent = false;
};

// Pixels are 0x00RRGGBB; the toolkit's colours are 0x00BBGGRR.
constexpr std::uint32_t PixelFromColour(std::uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
constexpr std::uint32_t ColourFromPixel(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
}

} // namespace skin
