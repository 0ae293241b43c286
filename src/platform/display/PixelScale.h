// A whole-number enlargement between the program's own pixels (96 DPI, what every window is drawn in) and a
// denser screen's pixels: each program pixel is shown as a square of Factor() x Factor() screen pixels, and a
// screen pixel belongs to the program pixel it enlarges. Whole numbers keep text and one-pixel lines sharp
// and make the way back exact.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace win::gdi {
class Surface;
}

namespace win::display {

class PixelScale {
public:
    static constexpr int kLargest = 4;
    static constexpr float kBaseDpi = 96.0f;

    // Factors outside 1..kLargest are brought into it.
    explicit PixelScale(int factor = 1);

    // "1" to "4" and nothing else (no sign, blank or fraction).
    static std::optional<int> Parse(std::string_view text);
    // The factor for a screen's density: round(dpi / 96), at least 1; 1 when the density is unknown (zero,
    // negative or not a number).
    static int ForDpi(float dpi);

    int Factor() const { return m_factor; }
    int ToScreen(int programPixels) const { return programPixels * m_factor; }
    // Rounds down, negative coordinates (left of or above a window) included.
    int ToProgram(int screenPixels) const;
    POINT ToProgram(POINT screen) const { return POINT{ToProgram(screen.x), ToProgram(screen.y)}; }

    // Writes `from` enlarged into `to` (32-bit pixels, `toStride` bytes per row), clipped to `toWidth` x
    // `toHeight` screen pixels.
    void Enlarge(const gdi::Surface& from, std::uint32_t* to, int toStride, int toWidth, int toHeight) const;
    std::unique_ptr<gdi::Surface> Enlarged(const gdi::Surface& from) const;

private:
    int m_factor;
};

} // namespace win::display
