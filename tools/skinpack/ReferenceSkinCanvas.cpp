#include "ReferenceSkinCanvas.h"

#include "platform/os/Bytes.h"

#include <map>
#include <set>

namespace refskin {

Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighter(Rgb c, float t) {
    return Mix(c, RGB(255, 255, 255), t);
}
Rgb Darker(Rgb c, float t) {
    return Mix(c, RGB(0, 0, 0), t);
}

float DistRoundRect(Pt p, float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    const float qx = std::fabs(p.x - cx) - hx, qy = std::fabs(p.y - cy) - hy;
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float DistSegment(Pt p, Pt a, Pt b) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

float DistPolygon(Pt p, const std::vector<Pt>& pts) {
    float d = 1e9f;
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        d = std::min(d, DistSegment(p, pts[j], pts[i]));
        if (((pts[i].y > p.y) != (pts[j].y > p.y)) &&
            p.x < (pts[j].x - pts[i].x) * (p.y - pts[i].y) / (pts[j].y - pts[i].y) + pts[i].x)
            inside = !inside;
    }
    return inside ? -d : d;
}

Canvas::Canvas(int width, int height)
    : m_width(width), m_height(height), m_px(static_cast<std::size_t>(width) * height) {
}

void Canvas::Blend(int x, int y, Rgb c, float alpha) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || alpha <= 0)
        return;
    Px& p = m_px[static_cast<std::size_t>(y) * m_width + x];
    alpha = std::min(alpha, 1.0f);
    p.r = c.r * alpha + p.r * (1 - alpha);
    p.g = c.g * alpha + p.g * (1 - alpha);
    p.b = c.b * alpha + p.b * (1 - alpha);
    p.a = alpha + p.a * (1 - alpha);
}

void Canvas::Fill(const std::function<float(Pt)>& dist, float x0, float y0, float x1, float y1,
                  const std::function<Rgb(float, float)>& colour) {
    const int ix0 = std::max(0, int(std::floor(x0 - 1))), iy0 = std::max(0, int(std::floor(y0 - 1)));
    const int ix1 = std::min(m_width, int(std::ceil(x1 + 1))),
              iy1 = std::min(m_height, int(std::ceil(y1 + 1)));
    for (int y = iy0; y < iy1; ++y)
        for (int x = ix0; x < ix1; ++x) {
            const float cover = std::clamp(0.5f - dist(Pt{x + 0.5f, y + 0.5f}), 0.0f, 1.0f);
            if (cover > 0)
                Blend(x, y, colour(x + 0.5f, y + 0.5f), cover);
        }
}

void Canvas::Rect(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = std::max(y0, 0); y < std::min(y1, m_height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, m_width); ++x)
            Blend(x, y, c, 1);
}

void Canvas::VGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom) {
    const float span = std::max(1, y1 - y0 - 1);
    for (int y = y0; y < y1; ++y)
        Rect(x0, y, x1, y + 1, Mix(top, bottom, (y - y0) / span));
}

void Canvas::RoundRect(float x0, float y0, float x1, float y1, float radius, Rgb top, Rgb bottom) {
    const float span = std::max(1.0f, y1 - y0);
    Fill([=](Pt p) { return DistRoundRect(p, x0, y0, x1, y1, radius); }, x0, y0, x1, y1,
         [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / span, 0.0f, 1.0f)); });
}

void Canvas::RoundFrame(float x0, float y0, float x1, float y1, float radius, float thickness, Rgb c) {
    Fill(
        [=](Pt p) {
            const float d = DistRoundRect(p, x0, y0, x1, y1, radius);
            return std::max(d, -d - thickness);
        },
        x0, y0, x1, y1, [=](float, float) { return c; });
}

void Canvas::Line(Pt a, Pt b, float width, Rgb c) {
    Fill([=](Pt p) { return DistSegment(p, a, b) - width / 2; }, std::min(a.x, b.x) - width,
         std::min(a.y, b.y) - width, std::max(a.x, b.x) + width, std::max(a.y, b.y) + width,
         [=](float, float) { return c; });
}

void Canvas::Polygon(const std::vector<Pt>& pts, Rgb c) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const Pt& p : pts) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    Fill([&pts](Pt p) { return DistPolygon(p, pts); }, x0, y0, x1, y1, [=](float, float) { return c; });
}

void Canvas::Disc(Pt centre, float radius, Rgb top, Rgb bottom) {
    Fill([=](Pt p) { return std::hypot(p.x - centre.x, p.y - centre.y) - radius; }, centre.x - radius,
         centre.y - radius, centre.x + radius, centre.y + radius,
         [=](float, float y) {
             return Mix(top, bottom, std::clamp((y - centre.y + radius) / (2 * radius), 0.f, 1.f));
         });
}

void Canvas::Ring(Pt centre, float radius, float thickness, Rgb c) {
    Fill([=](Pt p) { return std::fabs(std::hypot(p.x - centre.x, p.y - centre.y) - radius) - thickness / 2; },
         centre.x - radius - thickness, centre.y - radius - thickness, centre.x + radius + thickness,
         centre.y + radius + thickness, [=](float, float) { return c; });
}

void Canvas::Clear(int x0, int y0, int x1, int y1) {
    for (int y = std::max(y0, 0); y < std::min(y1, m_height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, m_width); ++x)
            m_px[static_cast<std::size_t>(y) * m_width + x] = Px{};
}

void Canvas::Paste(const Canvas& other, int x, int y) {
    for (int row = 0; row < other.m_height; ++row)
        for (int col = 0; col < other.m_width; ++col) {
            const int tx = x + col, ty = y + row;
            if (tx >= 0 && ty >= 0 && tx < m_width && ty < m_height)
                m_px[static_cast<std::size_t>(ty) * m_width + tx] =
                    other.m_px[static_cast<std::size_t>(row) * other.m_width + col];
        }
}

std::vector<std::uint8_t> Canvas::Bmp(int bits, bool transparent, Rgb matte) const {
    // Final colours, top-down, as 0x00RRGGBB.
    std::vector<std::uint32_t> colours(m_px.size());
    for (std::size_t i = 0; i < m_px.size(); ++i) {
        const Px& p = m_px[i];
        if (transparent && p.a < 0.5f) {
            colours[i] = 0xFF00FF;
            continue;
        }
        const auto channel = [&](float premultiplied, float back) {
            return static_cast<std::uint32_t>(
                std::lround(std::clamp(premultiplied + back * (1 - p.a), 0.f, 255.f)));
        };
        std::uint32_t c =
            (channel(p.r, matte.r) << 16) | (channel(p.g, matte.g) << 8) | channel(p.b, matte.b);
        // A drawn pixel must never read as the transparent colour.
        if (c == 0xFF00FF)
            c = 0xFE00FF;
        colours[i] = c;
    }
    std::vector<std::uint32_t> palette;
    std::map<std::uint32_t, std::uint8_t> index;
    if (bits == 8) {
        for (int coarse = 0; coarse < 5; ++coarse) {
            palette.clear();
            index.clear();
            for (std::uint32_t& c : colours) {
                if (coarse && c != 0xFF00FF) {
                    const std::uint32_t mask = (0xFFu << coarse) & 0xFF;
                    c = (c & ((mask << 16) | (mask << 8) | mask));
                }
                if (!index.count(c) && palette.size() < 256) {
                    index[c] = static_cast<std::uint8_t>(palette.size());
                    palette.push_back(c);
                }
            }
            if (index.size() == std::set<std::uint32_t>(colours.begin(), colours.end()).size())
                break;
        }
    }
    const std::size_t stride = ((static_cast<std::size_t>(m_width) * bits + 31) / 32) * 4;
    const std::size_t paletteBytes = bits == 8 ? 4 * 256 : 0;
    const std::size_t offset = 14 + 40 + paletteBytes;
    std::vector<std::uint8_t> out(offset + stride * m_height, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) { win::WriteLe32(out.data() + at, v); };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<std::uint32_t>(out.size()));
    put32(10, static_cast<std::uint32_t>(offset));
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(m_width));
    put32(22, static_cast<std::uint32_t>(m_height));
    out[26] = 1;
    out[28] = static_cast<std::uint8_t>(bits);
    put32(34, static_cast<std::uint32_t>(stride * m_height));
    put32(38, 2835);
    put32(42, 2835);
    if (bits == 8) {
        put32(46, 256);
        for (std::size_t i = 0; i < palette.size(); ++i)
            put32(54 + 4 * i, palette[i]);
    }
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* row = out.data() + offset + stride * (m_height - 1 - y);
        for (int x = 0; x < m_width; ++x) {
            const std::uint32_t c = colours[static_cast<std::size_t>(y) * m_width + x];
            if (bits == 8) {
                const auto found = index.find(c);
                row[x] = found == index.end() ? 0 : found->second;
            } else {
                const int n = bits / 8;
                row[n * x] = c & 0xFF;
                row[n * x + 1] = (c >> 8) & 0xFF;
                row[n * x + 2] = (c >> 16) & 0xFF;
                if (n == 4)
                    row[n * x + 3] = 0xFF;
            }
        }
    }
    return out;
}

} // namespace refskin
