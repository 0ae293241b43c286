#include "Canvas.h"

#include <limits>
#include <numbers>

namespace bankpics {

namespace {

struct Box {
    float x0, y0, x1, y1;
};

Box Bounds(const std::vector<Pt>& pts, float margin) {
    Box b{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
          std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()};
    for (Pt p : pts) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return {b.x0 - margin, b.y0 - margin, b.x1 + margin, b.y1 + margin};
}

} // namespace

std::vector<Pt> Arc(Pt centre, float rx, float ry, float fromDeg, float toDeg, int steps) {
    std::vector<Pt> pts;
    for (int i = 0; i <= steps; ++i) {
        float a = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi_v<float> / 180;
        pts.push_back({centre.x + rx * std::cos(a), centre.y - ry * std::sin(a)});
    }
    return pts;
}

float DistCircle(Pt p, Pt centre, float radius) {
    return std::hypot(p.x - centre.x, p.y - centre.y) - radius;
}

float DistSegment(Pt p, Pt a, Pt b) {
    float dx = b.x - a.x, dy = b.y - a.y;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

float DistPolyline(Pt p, const std::vector<Pt>& pts, bool closed) {
    float d = std::numeric_limits<float>::max();
    if (pts.size() == 1)
        return std::hypot(p.x - pts[0].x, p.y - pts[0].y);
    for (std::size_t i = 0; i + 1 < pts.size(); ++i)
        d = std::min(d, DistSegment(p, pts[i], pts[i + 1]));
    if (closed && pts.size() > 2)
        d = std::min(d, DistSegment(p, pts.back(), pts.front()));
    return d;
}

float DistPolygon(Pt p, const std::vector<Pt>& pts) {
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        Pt a = pts[i], b = pts[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    float d = DistPolyline(p, pts, true);
    return inside ? -d : d;
}

float DistRoundRect(Pt p, float x0, float y0, float x1, float y1, float radius) {
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    float qx = std::abs(p.x - (x0 + x1) / 2) - hx, qy = std::abs(p.y - (y0 + y1) / 2) - hy;
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
}

Canvas::Canvas(int width, int height, Color background)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width) * height, background) {
}

void Canvas::Blend(int x, int y, Color c, float alpha) {
    if (alpha <= 0)
        return;
    Color& p = m_pixels[static_cast<std::size_t>(y) * m_width + x];
    p.r += (c.r - p.r) * alpha;
    p.g += (c.g - p.g) * alpha;
    p.b += (c.b - p.b) * alpha;
}

void Canvas::Circle(Pt centre, float radius, Color c) {
    Fill([&](Pt p) { return DistCircle(p, centre, radius); }, centre.x - radius, centre.y - radius,
         centre.x + radius, centre.y + radius, c);
}

void Canvas::Ring(Pt centre, float radius, float thickness, Color c) {
    float outer = radius + thickness / 2;
    Fill([&](Pt p) { return std::abs(DistCircle(p, centre, radius)) - thickness / 2; }, centre.x - outer,
         centre.y - outer, centre.x + outer, centre.y + outer, c);
}

void Canvas::Polygon(const std::vector<Pt>& pts, Color c, float grow) {
    if (pts.size() < 3)
        return;
    Box b = Bounds(pts, grow);
    Fill([&](Pt p) { return DistPolygon(p, pts) - grow; }, b.x0, b.y0, b.x1, b.y1, c);
}

void Canvas::Line(Pt a, Pt b, float width, Color c) {
    Polyline({a, b}, width, c);
}

void Canvas::Polyline(const std::vector<Pt>& pts, float width, Color c, bool closed) {
    if (pts.empty())
        return;
    Box b = Bounds(pts, width / 2);
    Fill([&](Pt p) { return DistPolyline(p, pts, closed) - width / 2; }, b.x0, b.y0, b.x1, b.y1, c);
}

void Canvas::RoundRect(float x0, float y0, float x1, float y1, float radius, Color c) {
    Fill([&](Pt p) { return DistRoundRect(p, x0, y0, x1, y1, radius); }, x0, y0, x1, y1, c);
}

void Canvas::RoundFrame(float x0, float y0, float x1, float y1, float radius, float thickness, Color c) {
    Fill(
        [&](Pt p) {
            return std::abs(DistRoundRect(p, x0, y0, x1, y1, radius) + thickness / 2) - thickness / 2;
        },
        x0, y0, x1, y1, c);
}

std::vector<std::uint8_t> Canvas::Rgb() const {
    std::vector<std::uint8_t> out;
    out.reserve(m_pixels.size() * 3);
    auto byte = [](float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f))); };
    for (Color c : m_pixels) {
        out.push_back(byte(c.r));
        out.push_back(byte(c.g));
        out.push_back(byte(c.b));
    }
    return out;
}

} // namespace bankpics
