#include "SkinShapes.h"

namespace refskin {

void Triangle(Canvas& c, Pt centre, float size, char direction, Rgb colour) {
    const float h = size / 2, w = size * 0.9f;
    std::vector<Pt> pts;
    switch (direction) {
    case 'u':
        pts = {{centre.x - w / 2 - 0.5f, centre.y + h / 2},
               {centre.x + w / 2 + 0.5f, centre.y + h / 2},
               {centre.x, centre.y - h / 2 - 0.5f}};
        break;
    case 'd':
        pts = {{centre.x - w / 2 - 0.5f, centre.y - h / 2},
               {centre.x + w / 2 + 0.5f, centre.y - h / 2},
               {centre.x, centre.y + h / 2 + 0.5f}};
        break;
    case 'l':
        pts = {{centre.x + h / 2, centre.y - w / 2 - 0.5f},
               {centre.x + h / 2, centre.y + w / 2 + 0.5f},
               {centre.x - h / 2 - 0.5f, centre.y}};
        break;
    default:
        pts = {{centre.x - h / 2, centre.y - w / 2 - 0.5f},
               {centre.x - h / 2, centre.y + w / 2 + 0.5f},
               {centre.x + h / 2 + 0.5f, centre.y}};
        break;
    }
    c.Polygon(pts, colour);
}

Canvas Strip(int frames, int fw, int h, const std::function<void(Canvas&, float, int)>& draw) {
    Canvas c(frames * fw, h);
    for (int i = 0; i < frames; ++i)
        draw(c, float(i * fw), i);
    return c;
}

void DrawCaptionGlyph(Canvas& c, float x, float y, float size, CaptionGlyph g, Rgb colour) {
    const float s = size / 21.0f;
    const auto p = [&](float px, float py) { return Pt{x + px * s, y + py * s}; };
    const float w = std::max(1.6f, 2.2f * s);
    switch (g) {
    case CaptionGlyph::Close:
    case CaptionGlyph::MdiClose:
        c.Line(p(6.5f, 6.5f), p(14.5f, 14.5f), w, colour);
        c.Line(p(14.5f, 6.5f), p(6.5f, 14.5f), w, colour);
        break;
    case CaptionGlyph::Max:
        c.Rect(int(x + 6 * s), int(y + 5 * s), int(x + 15 * s), int(y + 8 * s), colour);
        c.RoundFrame(x + 6 * s, y + 5 * s, x + 15 * s, y + 15 * s, 0.5f, 1.2f, colour);
        break;
    case CaptionGlyph::Min:
    case CaptionGlyph::MdiMin:
        c.Rect(int(x + 6 * s), int(y + 13 * s), int(x + 12 * s), int(y + 15 * s + 0.5f), colour);
        break;
    default:
        c.Rect(int(x + 8 * s), int(y + 4 * s), int(x + 16 * s), int(y + 6 * s), colour);
        c.RoundFrame(x + 8 * s, y + 4 * s, x + 16 * s, y + 12 * s, 0.5f, 1.1f, colour);
        c.Rect(int(x + 5 * s), int(y + 8 * s), int(x + 13 * s), int(y + 10 * s), colour);
        c.RoundFrame(x + 5 * s, y + 8 * s, x + 13 * s, y + 16 * s, 0.5f, 1.1f, colour);
        break;
    }
}

} // namespace refskin
