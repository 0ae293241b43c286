#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cstring>
#include <pixman.h>

namespace win::gdi {

namespace {
// Keeps every surface far below sizes whose byte count could overflow an int stride or a size_t product.
constexpr int kMaxSide = 16384;

int ClampSide(int v) {
    return std::clamp(v, 1, kMaxSide);
}
} // namespace

Surface::Surface(int width, int height) : m_width(ClampSide(width)), m_height(ClampSide(height)) {
    m_pixels.reset(new std::uint32_t[static_cast<std::size_t>(m_width) * m_height]());
    m_image = pixman_image_create_bits(PIXMAN_x8r8g8b8, m_width, m_height, m_pixels.get(), Stride());
}

Surface::~Surface() {
    if (m_image)
        pixman_image_unref(m_image);
}

void Surface::Resize(int width, int height) {
    width = ClampSide(width);
    height = ClampSide(height);
    if (width == m_width && height == m_height)
        return;
    std::unique_ptr<std::uint32_t[]> pixels(new std::uint32_t[static_cast<std::size_t>(width) * height]());
    int copyW = std::min(width, m_width);
    int copyH = std::min(height, m_height);
    for (int y = 0; y < copyH; ++y)
        std::memcpy(pixels.get() + static_cast<std::size_t>(y) * width, Row(y), copyW * 4);
    if (m_image)
        pixman_image_unref(m_image);
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
    m_image = pixman_image_create_bits(PIXMAN_x8r8g8b8, m_width, m_height, m_pixels.get(), Stride());
}

} // namespace win::gdi
