// A 32-bit pixel buffer: the backing store of a top-level window, of a DIB section and of the virtual screen.
// Pixels are 0xAARRGGBB words (pixman a8r8g8b8 / x8r8g8b8 layout), rows top-down, stride in bytes.
#pragma once

#include <cstdint>
#include <memory>

typedef union pixman_image pixman_image_t;

namespace win::gdi {

class Surface {
public:
    // A zero-filled (black) surface; width and height are clamped to at least 1.
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Stride() const { return m_width * 4; }
    std::uint32_t* Pixels() { return m_pixels.get(); }
    const std::uint32_t* Pixels() const { return m_pixels.get(); }
    std::uint32_t* Row(int y) { return m_pixels.get() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* Row(int y) const { return m_pixels.get() + static_cast<std::size_t>(y) * m_width; }

    // A pixman view of the pixels (x8r8g8b8), valid until the next resize.
    pixman_image_t* Image() const { return m_image; }

    // Changes the size; the overlapping top-left part keeps its pixels, new pixels are black.
    void Resize(int width, int height);

private:
    int m_width = 1;
    int m_height = 1;
    std::unique_ptr<std::uint32_t[]> m_pixels;
    pixman_image_t* m_image = nullptr;
};

} // namespace win::gdi
