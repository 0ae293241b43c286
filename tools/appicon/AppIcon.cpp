#include "AppIcon.h"

#include "Canvas.h"
#include "platform/gdi/GdiInternal.h"

#include <algorithm>
#include <cmath>

namespace appicon {

namespace {

using bankpics::Canvas;
using bankpics::Color;
using bankpics::Pt;

constexpr Color kSignYellow{255, 196, 0};
constexpr Color kOutline{34, 38, 46};
constexpr Color kRoof{46, 52, 64};
constexpr Color kCheck{18, 122, 52};
constexpr Color kWhite{250, 250, 250};
constexpr int kLargestSize = 1024;

void Draw(Canvas& canvas) {
    const float s = static_cast<float>(canvas.Width());
    auto at = [s](float x, float y) { return Pt{x * s, y * s}; };
    const float outline = std::max(1.0f, 0.045f * s);
    // The car's roof, and on larger icons the chequered band along it.
    const float roofTop = 0.68f * s, roofBottom = 0.92f * s, roofLeft = 0.04f * s, roofRight = 0.96f * s;
    canvas.RoundRect(roofLeft, roofTop, roofRight, roofBottom, 0.06f * s, kRoof);
    if (s >= 32) {
        const int columns = 10, rows = s >= 48 ? 2 : 1;
        const float side = (roofRight - roofLeft - 0.08f * s) / columns;
        const float left = roofLeft + 0.04f * s, top = (roofTop + roofBottom) / 2 - side * rows / 2;
        for (int row = 0; row < rows; ++row)
            for (int column = row % 2; column < columns; column += 2)
                canvas.RoundRect(left + column * side, top + row * side, left + (column + 1) * side,
                                 top + (row + 1) * side, 0, kWhite);
    }
    // The roof sign, narrower at the top, standing on the roof, with a dark edge that keeps it apart from
    // a light panel.
    const std::vector<Pt> sign = {at(0.22f, 0.08f), at(0.78f, 0.08f), at(0.88f, 0.62f), at(0.12f, 0.62f)};
    const float corner = 0.05f * s;
    canvas.Polygon(sign, kOutline, corner + outline);
    canvas.Polygon(sign, kSignYellow, corner);
    const float stroke = std::max(2.0f, 0.11f * s);
    canvas.Polyline({at(0.32f, 0.36f), at(0.45f, 0.49f), at(0.68f, 0.21f)}, stroke, kCheck);
}

std::uint32_t Byte(float v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
}

} // namespace

std::unique_ptr<win::gdi::Surface> AppIcon::Render(int size) {
    size = std::clamp(size, 1, kLargestSize);
    // Drawn once on black and once on white: where the two differ the shape lets the background through,
    // which gives the alpha; the colour is what the black drawing shows, undone for that alpha.
    Canvas onBlack(size, size, Color{0, 0, 0});
    Canvas onWhite(size, size, Color{255, 255, 255});
    Draw(onBlack);
    Draw(onWhite);
    auto icon = std::make_unique<win::gdi::Surface>(size, size);
    for (int y = 0; y < size; ++y) {
        std::uint32_t* row = icon->Row(y);
        for (int x = 0; x < size; ++x) {
            const Color b = onBlack.Pixel(x, y), w = onWhite.Pixel(x, y);
            const float alpha = std::clamp(1.0f - (w.g - b.g) / 255.0f, 0.0f, 1.0f);
            if (alpha <= 0.0f) {
                row[x] = 0;
                continue;
            }
            row[x] = Byte(alpha * 255) << 24 | Byte(b.r / alpha) << 16 | Byte(b.g / alpha) << 8 |
                     Byte(b.b / alpha);
        }
    }
    return icon;
}

bool AppIcon::WriteFile(int size, const std::string& path, std::string* error) {
    return win::gdi::WritePng(*Render(size), path.c_str(), error, true);
}

} // namespace appicon
