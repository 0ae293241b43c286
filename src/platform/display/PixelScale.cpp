#include "platform/display/PixelScale.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace win::display {

PixelScale::PixelScale(int factor) : m_factor(std::clamp(factor, 1, kLargest)) {
}

std::optional<int> PixelScale::Parse(std::string_view text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kLargest)
        return std::nullopt;
    return text[0] - '0';
}

int PixelScale::ForDpi(float dpi) {
    if (!std::isfinite(dpi) || dpi <= 0)
        return 1;
    return std::clamp(static_cast<int>(std::lround(dpi / kBaseDpi)), 1, kLargest);
}

int PixelScale::ToProgram(int screenPixels) const {
    const int q = screenPixels / m_factor;
    return screenPixels % m_factor < 0 ? q - 1 : q;
}

void PixelScale::Enlarge(const gdi::Surface& from, std::uint32_t* to, int toStride, int toWidth,
                         int toHeight) const {
    const int width = std::min(toWidth, from.Width() * m_factor);
    const int height = std::min(toHeight, from.Height() * m_factor);
    auto* bytes = reinterpret_cast<unsigned char*>(to);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bytes + static_cast<std::size_t>(y) * toStride);
        if (y % m_factor != 0) {
            std::memcpy(row, bytes + static_cast<std::size_t>(y - 1) * toStride,
                        static_cast<std::size_t>(width) * 4);
            continue;
        }
        const std::uint32_t* source = from.Row(y / m_factor);
        for (int x = 0; x < width; ++x)
            row[x] = source[x / m_factor];
    }
}

std::unique_ptr<gdi::Surface> PixelScale::Enlarged(const gdi::Surface& from) const {
    auto to = std::make_unique<gdi::Surface>(from.Width() * m_factor, from.Height() * m_factor);
    Enlarge(from, to->Pixels(), to->Stride(), to->Width(), to->Height());
    return to;
}

} // namespace win::display
