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
std::vector<Pt> arc(Pt centre, float rx, float ry, float fromDeg, float toDeg, int steps = 24);

// Shapes are given by signed distance functions in pixels (negative inside); coverage comes from the
// distance at each pixel centre, which gives smooth edges without supersampling.
float distCircle(Pt p, Pt centre, float radius);
float distSegment(Pt p, Pt a, Pt b);
float distPolyline(Pt p, const std::vector<Pt>& pts, bool closed);
float distPolygon(Pt p, const std::vector<Pt>& pts); // even-odd inside test
float distRoundRect(Pt p, float x0, float y0, float x1, float y1, float radius);

class Canvas {
public:
    Canvas(int width, int height, Color background);

    int width() const { return width_; }
    int height() const { return height_; }
    Color pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    template <class Dist> void fill(const Dist& dist, float x0, float y0, float x1, float y1, Color c) {
        int ix0 = std::max(0, static_cast<int>(std::floor(x0 - 1)));
        int iy0 = std::max(0, static_cast<int>(std::floor(y0 - 1)));
        int ix1 = std::min(width_, static_cast<int>(std::ceil(x1 + 1)));
        int iy1 = std::min(height_, static_cast<int>(std::ceil(y1 + 1)));
        for (int y = iy0; y < iy1; ++y)
            for (int x = ix0; x < ix1; ++x)
                blend(x, y, c, std::clamp(0.5f - dist(Pt{x + 0.5f, y + 0.5f}), 0.0f, 1.0f));
    }

    void circle(Pt centre, float radius, Color c);
    void ring(Pt centre, float radius, float thickness, Color c);      // radius to the middle of the ring
    void polygon(const std::vector<Pt>& pts, Color c, float grow = 0); // grow > 0 rounds the corners
    void line(Pt a, Pt b, float width, Color c);
    void polyline(const std::vector<Pt>& pts, float width, Color c, bool closed = false);
    void roundRect(float x0, float y0, float x1, float y1, float radius, Color c);
    void roundFrame(float x0, float y0, float x1, float y1, float radius, float thickness, Color c);

    // Rows top-down, three bytes per pixel in R, G, B order.
    std::vector<std::uint8_t> rgb() const;

private:
    void blend(int x, int y, Color c, float alpha);

    int width_;
    int height_;
    std::vector<Color> pixels_;
};

} // namespace bankpics
