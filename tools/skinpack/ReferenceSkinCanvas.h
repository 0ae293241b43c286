// A small anti-aliased canvas for drawing the reference skin's images: shapes by signed distance (negative
// inside), coverage from the distance at each pixel centre, composited over transparent pixels; written out
// as BMP with uncovered pixels turned magenta (the skin's transparent colour) or laid on a matte colour.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace refskin {

struct Rgb {
    float r = 0, g = 0, b = 0;
};
constexpr Rgb RGB(int r, int g, int b) {
    return Rgb{float(r), float(g), float(b)};
}
Rgb Mix(Rgb a, Rgb b, float t); // t = 0 gives a
Rgb Lighter(Rgb c, float t);    // towards white
Rgb Darker(Rgb c, float t);     // towards black

struct Pt {
    float x, y;
};

float DistRoundRect(Pt p, float x0, float y0, float x1, float y1, float radius);
float DistSegment(Pt p, Pt a, Pt b);
float DistPolygon(Pt p, const std::vector<Pt>& pts);

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Paints `colour(x, y)` wherever `dist` is below 0.5 inside the box, blending the edge.
    void Fill(const std::function<float(Pt)>& dist, float x0, float y0, float x1, float y1,
              const std::function<Rgb(float, float)>& colour);

    void Rect(int x0, int y0, int x1, int y1, Rgb c);                    // hard-edged, [x0, x1)
    void VGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom); // hard-edged
    void RoundRect(float x0, float y0, float x1, float y1, float radius, Rgb top, Rgb bottom);
    void RoundFrame(float x0, float y0, float x1, float y1, float radius, float thickness, Rgb c);
    void Line(Pt a, Pt b, float width, Rgb c);
    void Polygon(const std::vector<Pt>& pts, Rgb c);
    void Disc(Pt centre, float radius, Rgb top, Rgb bottom);
    void Ring(Pt centre, float radius, float thickness, Rgb c);
    void Clear(int x0, int y0, int x1, int y1); // makes pixels transparent again

    // Copies another canvas's pixels to (x, y).
    void Paste(const Canvas& other, int x, int y);

    // Whole BMP file, rows bottom-up; `bits` 8, 24 or 32. Pixels less than half covered become magenta when
    // `transparent`, the rest are laid on `matte`.
    std::vector<std::uint8_t> Bmp(int bits, bool transparent, Rgb matte) const;

private:
    struct Px {
        float r = 0, g = 0, b = 0, a = 0; // premultiplied
    };
    void Blend(int x, int y, Rgb c, float alpha);

    int m_width, m_height;
    std::vector<Px> m_px;
};

} // namespace refskin
