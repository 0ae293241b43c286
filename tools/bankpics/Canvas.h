#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace bankpics {

struct Color {
    float r, g, b;
};

struct Pt {
    float x, y;
};

// Points along an elliptical arc; angles in degrees, counter-clockwise on screen (y grows downwards).
std::vector<Pt> Arc(Pt centre, float rx, float ry, float fromDeg, float toDeg, int steps = 24);

// Shapes are given by signed distance functions in pixels (negative inside); coverage comes from the
// distance at each pixel centre, which gives smooth edges without supersampling.
float DistCircle(Pt p, Pt centre, float radius);
float DistSegment(Pt p, Pt a, Pt b);
float DistPolyline(Pt p, const std::vector<Pt>& pts, bool closed);
float DistPolygon(Pt p, const std::vector<Pt>& pts); // even-odd inside test
float DistRoundRect(Pt p, float x0, float y0, float x1, float y1, float radius);

class Canvas {
public:
    Canvas(int width, int height, Color background);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Color Pixel(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }

    template <class Dist> void Fill(const Dist& dist, float x0, float y0, float x1, float y1, Color c) {
        int ix0 = std::max(0, static_cast<int>(std::floor(x0 - 1)));
        int iy0 = std::max(0, static_cast<int>(std::floor(y0 - 1)));
        int ix1 = std::min(m_width, static_cast<int>(std::ceil(x1 + 1)));
        int iy1 = std::min(m_height, static_cast<int>(std::ceil(y1 + 1)));
        for (int y = iy0; y < iy1; ++y)
            for (int x = ix0; x < ix1; ++x)
                Blend(x, y, c, std::clamp(0.5f - dist(Pt{x + 0.5f, y + 0.5f}), 0.0f, 1.0f));
    }

    void Circle(Pt centre, float radius, Color c);
    void Ring(Pt centre, float radius, float thickness, Color c);      // radius to the middle of the ring
    void Polygon(const std::vector<Pt>& pts, Color c, float grow = 0); // grow > 0 rounds the corners
    void Line(Pt a, Pt b, float width, Color c);
    void Polyline(const std::vector<Pt>& pts, float width, Color c, bool closed = false);
    void RoundRect(float x0, float y0, float x1, float y1, float radius, Color c);
    void RoundFrame(float x0, float y0, float x1, float y1, float radius, float thickness, Color c);

    // Rows top-down, three bytes per pixel in R, G, B order.
    std::vector<std::uint8_t> Rgb() const;

private:
    void Blend(int x, int y, Color c, float alpha);

    int m_width;
    int m_height;
    std::vector<Color> m_pixels;
};

} // namespace bankpics
