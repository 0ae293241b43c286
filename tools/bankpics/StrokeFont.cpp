#include "StrokeFont.h"

#include <array>
#include <stdexcept>

namespace bankpics {

namespace {

using Strokes = std::vector<std::vector<Pt>>;

struct Glyph {
    float advance;
    Strokes strokes;
};

std::vector<Pt> Join(std::vector<Pt> a, const std::vector<Pt>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Strokes Rotated(const Strokes& s) {
    Strokes out = s;
    for (auto& stroke : out)
        for (Pt& p : stroke)
            p = {0.6f - p.x, 1 - p.y};
    return out;
}

// Glyph boxes are one unit high, y downwards; digits are 0.6 wide.
Glyph GlyphFor(char32_t ch) {
    switch (ch) {
    case U'0': return {0.6f, {Arc({0.3f, 0.5f}, 0.3f, 0.5f, 0, 360, 40)}};
    case U'1': return {0.6f, {{{0.12f, 0.2f}, {0.36f, 0}, {0.36f, 1}}}};
    case U'2': return {0.6f, {Join(Arc({0.3f, 0.29f}, 0.29f, 0.29f, 165, -40), {{0.02f, 1}, {0.6f, 1}})}};
    case U'3':
        return {
            0.6f,
            {Join(Arc({0.3f, 0.26f}, 0.27f, 0.26f, 155, -90), Arc({0.3f, 0.74f}, 0.3f, 0.26f, 90, -155))}};
    case U'4': return {0.6f, {{{0.44f, 1}, {0.44f, 0}, {0, 0.7f}, {0.6f, 0.7f}}}};
    case U'5':
        return {0.6f,
                {Join({{0.56f, 0}, {0.1f, 0}, {0.05f, 0.45f}}, Arc({0.3f, 0.68f}, 0.3f, 0.32f, 130, -145))}};
    case U'6': {
        Strokes s{Arc({0.3f, 0.69f}, 0.29f, 0.31f, 0, 360, 32), Arc({0.6f, 0.69f}, 0.58f, 0.69f, 180, 95)};
        return {0.6f, s};
    }
    case U'7': return {0.6f, {{{0, 0}, {0.6f, 0}, {0.22f, 1}}}};
    case U'8':
        return {0.6f,
                {Arc({0.3f, 0.25f}, 0.25f, 0.25f, 0, 360, 32), Arc({0.3f, 0.74f}, 0.3f, 0.26f, 0, 360, 32)}};
    case U'9': return {0.6f, Rotated(GlyphFor(U'6').strokes)};
    case U'.': return {0.2f, {{{0.1f, 0.95f}}}};
    case U':': return {0.2f, {{{0.1f, 0.3f}}, {{0.1f, 0.85f}}}};
    case U'/': return {0.5f, {{{0.45f, 0}, {0.05f, 1}}}};
    case U' ': return {0.4f, {}};
    case U'A': return {0.64f, {{{0, 1}, {0.32f, 0}, {0.64f, 1}}, {{0.11f, 0.68f}, {0.53f, 0.68f}}}};
    case U'B':
        return {0.56f,
                {Join(Join({{0, 0.48f}, {0, 0}, {0.28f, 0}}, Arc({0.28f, 0.24f}, 0.24f, 0.24f, 90, -90, 16)),
                      Join({{0, 0.48f}, {0.3f, 0.48f}},
                           Join(Arc({0.3f, 0.74f}, 0.26f, 0.26f, 90, -90, 16), {{0, 1}, {0, 0.48f}})))}};
    case U'S':
        return {0.58f,
                {Join(Arc({0.29f, 0.26f}, 0.27f, 0.26f, 35, 270, 20),
                      Arc({0.29f, 0.74f}, 0.29f, 0.26f, 90, -145, 20))}};
    case U'k':
        return {0.5f, {{{0, 0}, {0, 1}}, {{0.48f, 0.4f}, {0.02f, 0.76f}}, {{0.18f, 0.63f}, {0.5f, 1}}}};
    case U'm':
        return {0.66f,
                {{{0, 1}, {0, 0.4f}},
                 Join(Arc({0.165f, 0.57f}, 0.165f, 0.17f, 180, 0, 10), {{0.33f, 1}}),
                 Join(Arc({0.495f, 0.57f}, 0.165f, 0.17f, 180, 0, 10), {{0.66f, 1}})}};
    case U'h':
        return {0.46f, {{{0, 0}, {0, 1}}, Join(Arc({0.23f, 0.6f}, 0.23f, 0.2f, 180, 0, 12), {{0.46f, 1}})}};
    case U'¥':
        return {0.6f,
                {{{0.02f, 0}, {0.3f, 0.46f}, {0.58f, 0}},
                 {{0.3f, 0.46f}, {0.3f, 1}},
                 {{0.08f, 0.52f}, {0.52f, 0.52f}},
                 {{0.08f, 0.74f}, {0.52f, 0.74f}}}};
    }
    throw std::invalid_argument("no stroke glyph for a character");
}

// Segments a..g as start/end points in a 0.5 x 1 box.
constexpr std::array<std::array<Pt, 2>, 7> kSegments{{
    {{{0.05f, 0}, {0.45f, 0}}},
    {{{0.5f, 0.05f}, {0.5f, 0.45f}}},
    {{{0.5f, 0.55f}, {0.5f, 0.95f}}},
    {{{0.05f, 1}, {0.45f, 1}}},
    {{{0, 0.55f}, {0, 0.95f}}},
    {{{0, 0.05f}, {0, 0.45f}}},
    {{{0.05f, 0.5f}, {0.45f, 0.5f}}},
}};

constexpr std::array<const char*, 10> kDigitSegments{"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                                     "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

float SegmentAdvance(char32_t ch) {
    if (ch == U':')
        return 0.36f;
    return ch == U'.' ? 0.25f : 0.75f;
}

} // namespace

float TextWidth(std::u32string_view text, float height, float gap) {
    float w = 0;
    for (char32_t ch : text)
        w += GlyphFor(ch).advance * height + gap;
    return text.empty() ? 0 : w - gap;
}

void DrawText(Canvas& canvas, std::u32string_view text, Pt topLeft, float height, float stroke, Color c,
              float gap) {
    float x = topLeft.x;
    for (char32_t ch : text) {
        Glyph g = GlyphFor(ch);
        for (const auto& s : g.strokes) {
            std::vector<Pt> pts;
            for (Pt p : s)
                pts.push_back({x + p.x * height, topLeft.y + p.y * height});
            canvas.Polyline(pts, stroke, c);
        }
        x += g.advance * height + gap;
    }
}

float SegmentWidth(std::u32string_view text, float height) {
    float w = 0;
    for (char32_t ch : text)
        w += SegmentAdvance(ch) * height;
    return w;
}

void DrawSegments(Canvas& canvas, std::u32string_view text, Pt topLeft, float height, Color lit, Color dim) {
    const float thick = height * 0.11f, slant = height * 0.08f;
    auto at = [&](float x, Pt p) {
        return Pt{x + thick / 2 + p.x * height + (1 - p.y) * slant,
                  topLeft.y + thick / 2 + p.y * (height - thick)};
    };
    float x = topLeft.x;
    for (char32_t ch : text) {
        if (ch == U'.') {
            canvas.Circle(at(x, {0.02f, 1}), thick * 0.6f, lit);
        } else if (ch == U':') {
            canvas.Circle(at(x, {0.1f, 0.3f}), thick * 0.55f, lit);
            canvas.Circle(at(x, {0.1f, 0.72f}), thick * 0.55f, lit);
        } else {
            std::string_view on = ch >= U'0' && ch <= U'9' ? kDigitSegments[ch - U'0'] : "";
            if (ch != U' ' && !(ch >= U'0' && ch <= U'9'))
                throw std::invalid_argument("no segment pattern for a character");
            for (std::size_t i = 0; i < kSegments.size(); ++i) {
                bool isOn = on.find(static_cast<char>('a' + i)) != std::string_view::npos;
                canvas.Line(at(x, kSegments[i][0]), at(x, kSegments[i][1]), thick, isOn ? lit : dim);
            }
        }
        x += SegmentAdvance(ch) * height;
    }
}

} // namespace bankpics
