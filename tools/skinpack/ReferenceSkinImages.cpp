// Sections: palette and shared shapes; window frame and caption buttons; push buttons, check boxes and radio
// buttons; scroll bars; menus, tabs, headers and the status bar; progress, spin buttons, combo box and
// track-bar thumbs.
#include "ReferenceSkin.h"
#include "SkinShapes.h"

#include <functional>
#include <map>
#include <stdexcept>

namespace refskin {

namespace {

// ---------------------------------------------------------------------------------------------------------
// Palette and shared shapes
// ---------------------------------------------------------------------------------------------------------

constexpr Rgb kWhite = RGB(255, 255, 255);
constexpr Rgb kFace = RGB(213, 230, 250);
constexpr Rgb kShadow = RGB(80, 128, 188);
constexpr Rgb kHilight = RGB(133, 177, 233);
constexpr Rgb kBorder = RGB(52, 96, 164);     // control outlines
constexpr Rgb kGlyph = RGB(28, 62, 128);      // arrows and marks
constexpr Rgb kHot = RGB(255, 184, 64);       // amber glow of a hot control
constexpr Rgb kDisabled = RGB(168, 182, 204); // outlines and glyphs of disabled controls
constexpr Rgb kCaptionTop = RGB(84, 150, 238);
constexpr Rgb kCaptionBottom = RGB(30, 88, 196);
constexpr Rgb kCaptionOutline = RGB(14, 46, 124);
constexpr Rgb kIdleTop = RGB(160, 190, 236);
constexpr Rgb kIdleBottom = RGB(124, 158, 216);
constexpr Rgb kIdleOutline = RGB(96, 122, 176);

// Control states as the painters number their frames.
enum class State { Normal, Hot, Pressed, Disabled, Focused };

struct Look {
    Rgb top, bottom, outline;
};

Look ButtonLook(State s) {
    switch (s) {
    case State::Hot: return {RGB(255, 255, 255), RGB(214, 232, 255), RGB(40, 112, 214)};
    case State::Pressed: return {RGB(178, 204, 240), RGB(222, 236, 252), RGB(36, 82, 156)};
    case State::Disabled: return {RGB(238, 242, 248), RGB(226, 232, 242), kDisabled};
    case State::Focused: return {RGB(252, 253, 255), RGB(198, 220, 248), RGB(30, 80, 170)};
    default: return {RGB(252, 253, 255), RGB(196, 218, 246), kBorder};
    }
}

// A rounded control face with an outline and a soft top highlight.
void Face(Canvas& c, float x0, float y0, float x1, float y1, float r, State s) {
    const Look look = ButtonLook(s);
    c.RoundRect(x0, y0, x1, y1, r, look.outline, look.outline);
    c.RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(r - 1, 0.5f), look.top, look.bottom);
    if (s == State::Hot)
        c.RoundFrame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(r - 1, 0.5f), 1.4f, kHot);
    if (s == State::Focused)
        c.RoundFrame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(r - 1, 0.5f), 1.2f, RGB(120, 170, 240));
}

Rgb GlyphColour(State s) {
    return s == State::Disabled ? kDisabled : s == State::Pressed ? RGB(16, 40, 96) : kGlyph;
}

// ---------------------------------------------------------------------------------------------------------
// Window frame and caption buttons
// ---------------------------------------------------------------------------------------------------------

// One frame of a side piece (4 x 100): caption part at the top with the rounded outer corner, then the
// border.
void Side(Canvas& c, float x, bool active, bool right) {
    const Rgb top = active ? kCaptionTop : kIdleTop, bottom = active ? kCaptionBottom : kIdleBottom;
    const Rgb outline = active ? kCaptionOutline : kIdleOutline;
    const Rgb body = active ? RGB(44, 104, 206) : RGB(134, 166, 220);
    for (int col = 0; col < 4; ++col) {
        const int outer = right ? 3 - col : col;
        const Rgb colour = outer == 0   ? outline
                           : outer == 3 ? Darker(body, 0.25f)
                                        : (outer == 1 ? Lighter(body, 0.2f) : body);
        c.Rect(int(x) + col, 29, int(x) + col + 1, 100, colour);
        Rgb captionColour = outer == 0 ? outline : Rgb{};
        for (int y = 0; y < 29; ++y) {
            if (outer != 0)
                captionColour = Mix(top, bottom, y / 28.0f);
            if (outer == 1 && y > 0)
                captionColour = Lighter(captionColour, 0.18f);
            c.Rect(int(x) + col, y, int(x) + col + 1, y + 1, y == 0 ? outline : captionColour);
        }
        c.Rect(int(x) + col, 99, int(x) + col + 1, 100, outline);
    }
    // Rounded top corner: the outermost pixels are left transparent.
    const int edge = right ? int(x) + 3 : int(x);
    const int next = right ? int(x) + 2 : int(x) + 1;
    c.Clear(edge, 0, edge + 1, 3);
    c.Clear(next, 0, next + 1, 1);
    c.Rect(next, 1, next + 1, 2, outline);
    c.Rect(edge, 3, edge + 1, 4, outline);
    c.Rect(right ? int(x) + 1 : int(x) + 2, 0, right ? int(x) + 2 : int(x) + 3, 1, outline);
    c.Rect(edge, 2, edge + 1, 3, Mix(outline, top, 0.5f));
}

Canvas FrameSide(bool right) {
    return Strip(2, 4, 100, [&](Canvas& c, float x, int i) { Side(c, x, i == 0, right); });
}

Canvas FrameTop() {
    Canvas c(367, 58);
    for (int i = 0; i < 2; ++i) {
        const bool active = i == 0;
        const int y0 = 29 * i;
        const Rgb top = active ? kCaptionTop : kIdleTop, bottom = active ? kCaptionBottom : kIdleBottom;
        c.VGradient(0, y0, 367, y0 + 29, top, bottom);
        c.Rect(0, y0, 367, y0 + 1, active ? kCaptionOutline : kIdleOutline);
        c.Rect(0, y0 + 1, 367, y0 + 2, Lighter(top, 0.45f));
        // A brighter band through the upper third gives the caption its gloss.
        for (int y = 2; y < 12; ++y)
            c.Rect(0, y0 + y, 367, y0 + y + 1, Lighter(Mix(top, bottom, y / 28.0f), 0.12f * (12 - y) / 10));
        c.Rect(0, y0 + 28, 367, y0 + 29, active ? RGB(22, 70, 168) : RGB(118, 148, 200));
    }
    return c;
}

Canvas FrameBottom() {
    Canvas c(367, 10);
    for (int i = 0; i < 2; ++i) {
        const bool active = i == 0;
        const Rgb body = active ? RGB(44, 104, 206) : RGB(134, 166, 220);
        const int y0 = 5 * i;
        c.Rect(0, y0, 367, y0 + 1, Darker(body, 0.25f));
        c.Rect(0, y0 + 1, 367, y0 + 3, body);
        c.Rect(0, y0 + 3, 367, y0 + 4, Lighter(body, 0.2f));
        c.Rect(0, y0 + 4, 367, y0 + 5, active ? kCaptionOutline : kIdleOutline);
    }
    return c;
}

enum class Press { Normal, Pressed, Hot, Inactive, InactiveHot };

void CaptionButton(Canvas& c, float x, float size, Press state, CaptionGlyph glyph, bool red) {
    struct Colours {
        Rgb top, bottom;
    };
    Colours look;
    switch (state) {
    case Press::Pressed:
        look =
            red ? Colours{RGB(176, 48, 28), RGB(226, 110, 80)} : Colours{RGB(26, 74, 174), RGB(80, 140, 228)};
        break;
    case Press::Hot:
        look = red ? Colours{RGB(255, 168, 138), RGB(228, 86, 56)}
                   : Colours{RGB(156, 204, 255), RGB(70, 132, 236)};
        break;
    case Press::Inactive:
    case Press::InactiveHot:
        look = red ? Colours{RGB(222, 180, 180), RGB(190, 134, 136)}
                   : Colours{RGB(180, 206, 242), RGB(138, 170, 224)};
        break;
    default:
        look = red ? Colours{RGB(240, 128, 96), RGB(200, 60, 36)}
                   : Colours{RGB(112, 172, 246), RGB(40, 100, 212)};
        break;
    }
    if (state == Press::InactiveHot)
        look = {Lighter(look.top, 0.25f), Lighter(look.bottom, 0.2f)};
    const bool idle = state == Press::Inactive || state == Press::InactiveHot;
    const Rgb outline = idle ? RGB(236, 242, 252) : kWhite;
    const float r = size > 15 ? 3.5f : 2.5f;
    c.RoundRect(x, 0, x + size, size, r, outline, outline);
    c.RoundRect(x + 1, 1, x + size - 1, size - 1, r - 1, look.top, look.bottom);
    if (!idle)
        DrawCaptionGlyph(c, x + 0.6f, 0.6f, size, glyph, RGB(10, 30, 80));
    DrawCaptionGlyph(c, x, 0, size, glyph, idle ? RGB(240, 245, 252) : kWhite);
}

// Frames as the frame painter asks for them: normal, pressed, hot, inactive window or disabled, hot in an
// inactive window, disabled.
Canvas CaptionButtons(CaptionGlyph glyph, bool red) {
    static const Press frames[6] = {Press::Normal,   Press::Pressed,     Press::Hot,
                                    Press::Inactive, Press::InactiveHot, Press::Inactive};
    return Strip(6, 21, 21,
                 [&](Canvas& c, float x, int i) { CaptionButton(c, x, 21, frames[i], glyph, red); });
}

// Minimise, restore and close of a maximised MDI child, four frames each: normal, pressed, and hot twice
// (buttons in the menu bar use frame 4 for hot).
Canvas MdiButtons() {
    Canvas c(156, 13);
    const CaptionGlyph glyphs[3] = {CaptionGlyph::MdiMin, CaptionGlyph::MdiRestore, CaptionGlyph::MdiClose};
    static const Press frames[4] = {Press::Normal, Press::Pressed, Press::Hot, Press::Hot};
    for (int b = 0; b < 3; ++b)
        for (int f = 0; f < 4; ++f)
            CaptionButton(c, float(52 * b + 13 * f), 13, frames[f], glyphs[b], b == 2);
    return c;
}

Canvas MinCaption() {
    Canvas c(160, 44);
    for (int i = 0; i < 2; ++i) {
        const Rgb top = i == 0 ? kCaptionTop : kIdleTop, bottom = i == 0 ? kCaptionBottom : kIdleBottom;
        c.RoundRect(0, float(22 * i), 160, float(22 * i + 22), 4, i == 0 ? kCaptionOutline : kIdleOutline,
                    i == 0 ? kCaptionOutline : kIdleOutline);
        c.RoundRect(1, float(22 * i + 1), 159, float(22 * i + 21), 3, Lighter(top, 0.1f), bottom);
    }
    return c;
}

// ---------------------------------------------------------------------------------------------------------
// Push buttons, check boxes and radio buttons
// ---------------------------------------------------------------------------------------------------------

// Frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
Canvas PushButtons() {
    const State states[5] = {State::Normal, State::Pressed, State::Disabled, State::Hot, State::Focused};
    return Strip(5, 30, 23, [&](Canvas& c, float x, int i) { Face(c, x, 0, x + 30, 23, 3.5f, states[i]); });
}

// Twelve frames: unchecked, checked and mixed, each normal, hot, pressed, disabled.
Canvas CheckBoxes() {
    const State states[4] = {State::Normal, State::Hot, State::Pressed, State::Disabled};
    return Strip(12, 13, 13, [&](Canvas& c, float x, int i) {
        const State s = states[i % 4];
        const Look look = ButtonLook(s);
        c.RoundRect(x, 0, x + 13, 13, 1.5f, s == State::Disabled ? kDisabled : RGB(28, 81, 148),
                    s == State::Disabled ? kDisabled : RGB(28, 81, 148));
        c.RoundRect(x + 1, 1, x + 12, 12, 0.8f, s == State::Pressed ? RGB(190, 210, 240) : look.top,
                    s == State::Pressed ? RGB(232, 240, 252) : look.bottom);
        if (s == State::Hot)
            c.RoundFrame(x + 1, 1, x + 12, 12, 0.8f, 1.3f, kHot);
        const Rgb ink = s == State::Disabled ? kDisabled : RGB(24, 92, 24);
        if (i / 4 == 1) {
            c.Line({x + 3.2f, 6.4f}, {x + 5.4f, 8.8f}, 1.9f, ink);
            c.Line({x + 5.4f, 8.8f}, {x + 9.8f, 3.6f}, 1.9f, ink);
        } else if (i / 4 == 2) {
            c.Rect(int(x) + 4, 4, int(x) + 9, 9, s == State::Disabled ? kDisabled : RGB(70, 140, 210));
        }
    });
}

// Eight frames: unchecked and checked, each normal, hot, pressed, disabled.
Canvas RadioButtons() {
    const State states[4] = {State::Normal, State::Hot, State::Pressed, State::Disabled};
    return Strip(8, 13, 13, [&](Canvas& c, float x, int i) {
        const State s = states[i % 4];
        const Look look = ButtonLook(s);
        const Pt centre{x + 6.5f, 6.5f};
        const Rgb ring = s == State::Disabled ? kDisabled : RGB(28, 81, 148);
        c.Disc(centre, 6.2f, ring, ring);
        c.Disc(centre, 5.2f, s == State::Pressed ? RGB(190, 210, 240) : look.top,
               s == State::Pressed ? RGB(232, 240, 252) : look.bottom);
        if (s == State::Hot)
            c.Ring(centre, 4.6f, 1.3f, kHot);
        if (i >= 4)
            c.Disc(centre, 2.6f, s == State::Disabled ? kDisabled : RGB(60, 150, 60),
                   s == State::Disabled ? kDisabled : RGB(20, 96, 20));
    });
}

// ---------------------------------------------------------------------------------------------------------
// Scroll bars
// ---------------------------------------------------------------------------------------------------------

// 23 frames of 17 x 16: the left, right, up and down arrows (normal, pressed, disabled, hot each), the
// horizontal and the vertical thumb grip (normal, pressed, hot each) and a spare face.
Canvas ScrollArrows() {
    const State states[4] = {State::Normal, State::Pressed, State::Disabled, State::Hot};
    const char directions[4] = {'l', 'r', 'u', 'd'};
    return Strip(23, 17, 16, [&](Canvas& c, float x, int i) {
        if (i < 16) {
            const State s = states[i % 4];
            Face(c, x, 0, x + 17, 16, 2.5f, s);
            Triangle(c, {x + 8.5f, 8}, 7, directions[i / 4], GlyphColour(s));
        } else if (i < 22) {
            const bool horizontal = i < 19;
            const int k = (i - 16) % 3;
            const Rgb ink = k == 1 ? RGB(20, 50, 110) : k == 2 ? RGB(40, 112, 214) : RGB(70, 110, 170);
            for (int line = 0; line < 4; ++line) {
                const float o = 5 + 2 * line;
                if (horizontal) {
                    c.Rect(int(x + o + 0.5f), 4, int(x + o + 1.5f), 12, ink);
                    c.Rect(int(x + o + 1.5f), 5, int(x + o + 2.5f), 13, kWhite);
                } else {
                    c.Rect(int(x) + 4, int(o) - 1, int(x) + 12, int(o), ink);
                    c.Rect(int(x) + 5, int(o), int(x) + 13, int(o) + 1, kWhite);
                }
            }
        }
    });
}

// Thumbs: normal, pressed, hot, disabled; lit from the top (horizontal) or the left (vertical).
Canvas ScrollThumbs(bool horizontal) {
    const State states[4] = {State::Normal, State::Pressed, State::Hot, State::Disabled};
    const int fw = horizontal ? 22 : 14, h = horizontal ? 14 : 22;
    return Strip(4, fw, h, [&](Canvas& c, float x, int i) {
        const Look look = ButtonLook(states[i]);
        c.RoundRect(x, 0, x + fw, float(h), 3, look.outline, look.outline);
        c.Fill([=](Pt p) { return DistRoundRect(p, x + 1, 1, x + fw - 1, float(h - 1), 2); }, x, 0, x + fw,
               float(h),
               [=](float px, float py) {
                   const float t = horizontal ? py / h : (px - x) / fw;
                   return Mix(look.top, look.bottom, t);
               });
        if (states[i] == State::Hot)
            c.RoundFrame(x + 1, 1, x + fw - 1, float(h - 1), 2, 1.2f, kHot);
    });
}

// Tracks: normal, pressed (page), disabled, hot; a light channel with an edge on each long side.
Canvas ScrollTracks(bool horizontal) {
    const int fw = horizontal ? 13 : 15, h = horizontal ? 15 : 9;
    const Rgb base[4] = {RGB(236, 243, 252), RGB(196, 216, 244), RGB(240, 242, 246), RGB(226, 238, 254)};
    return Strip(4, fw, h, [&](Canvas& c, float x, int i) {
        const int x0 = int(x);
        if (horizontal) {
            c.VGradient(x0, 0, x0 + fw, h, Darker(base[i], 0.05f), base[i]);
            c.Rect(x0, 0, x0 + fw, 1, RGB(190, 210, 236));
            c.Rect(x0, h - 1, x0 + fw, h, kWhite);
        } else {
            for (int col = 0; col < fw; ++col)
                c.Rect(x0 + col, 0, x0 + col + 1, h,
                       Mix(Darker(base[i], 0.05f), base[i], col / float(fw - 1)));
            c.Rect(x0, 0, x0 + 1, h, RGB(190, 210, 236));
            c.Rect(x0 + fw - 1, 0, x0 + fw, h, kWhite);
        }
    });
}

// ---------------------------------------------------------------------------------------------------------
// Menus, tabs, headers and the status bar
// ---------------------------------------------------------------------------------------------------------

Canvas MenuBackground() {
    Canvas c(20, 20);
    c.Rect(0, 0, 20, 20, RGB(120, 152, 204));
    c.Rect(1, 1, 19, 19, RGB(250, 252, 255));
    c.Rect(1, 1, 4, 19, RGB(226, 236, 250));
    return c;
}

// Frames: 1 plain (transparent), 2 separator (a line in the bottom rows, which short separator items show),
// 3 selected but disabled, 4 selected, 5 an open menu-bar item.
Canvas MenuItems() {
    return Strip(5, 20, 18, [&](Canvas& c, float x, int i) {
        switch (i) {
        case 1:
            c.Rect(int(x) + 2, 13, int(x) + 18, 14, RGB(160, 184, 222));
            c.Rect(int(x) + 2, 14, int(x) + 18, 15, kWhite);
            break;
        case 2:
            c.RoundRect(x, 0, x + 20, 18, 2.5f, RGB(170, 180, 196), RGB(170, 180, 196));
            c.RoundRect(x + 1, 1, x + 19, 17, 1.5f, RGB(240, 242, 246), RGB(224, 228, 236));
            break;
        case 3:
            c.RoundRect(x, 0, x + 20, 18, 2.5f, RGB(70, 120, 200), RGB(70, 120, 200));
            c.RoundRect(x + 1, 1, x + 19, 17, 1.5f, RGB(196, 220, 250), kHilight);
            break;
        case 4:
            c.RoundRect(x, 0, x + 20, 18, 2.5f, RGB(24, 60, 140), RGB(24, 60, 140));
            c.RoundRect(x + 1, 1, x + 19, 17, 1.5f, RGB(40, 90, 180), RGB(70, 130, 214));
            break;
        default: break;
        }
    });
}

// Frames: 1 normal, 2 selected, 3 hot, 4 disabled, 5 selected with focus. The bottom stays open.
Canvas Tabs() {
    return Strip(5, 25, 19, [&](Canvas& c, float x, int i) {
        const bool selected = i == 1 || i == 4;
        const Rgb top = i == 3 ? RGB(240, 242, 246) : selected ? kWhite : RGB(246, 250, 255);
        const Rgb bottom = i == 3 ? RGB(228, 232, 240) : selected ? RGB(248, 251, 255) : RGB(210, 226, 248);
        const Rgb outline = i == 3 ? kDisabled : RGB(100, 140, 196);
        c.RoundRect(x, 0, x + 25, 24, 4, outline, outline);
        c.RoundRect(x + 1, 1, x + 24, 24, 3, top, bottom);
        if (selected || i == 2) {
            const Rgb accent = i == 2 ? kHot : RGB(40, 112, 214);
            c.Fill([=](Pt p) { return std::max(DistRoundRect(p, x, 0, x + 25, 24, 4), p.y - 3); }, x, 0,
                   x + 25, 3, [=](float, float) { return accent; });
        }
        if (i == 4)
            c.Rect(int(x) + 3, 4, int(x) + 22, 5, RGB(120, 170, 240));
    });
}

Canvas TabSheet() {
    Canvas c(48, 48);
    c.VGradient(0, 0, 48, 48, kWhite, RGB(236, 243, 252));
    c.Rect(0, 0, 48, 1, RGB(100, 140, 196));
    c.Rect(0, 0, 1, 48, RGB(100, 140, 196));
    c.Rect(1, 1, 47, 2, RGB(250, 252, 255));
    c.Rect(46, 1, 47, 46, RGB(170, 196, 230));
    c.Rect(1, 46, 47, 47, RGB(170, 196, 230));
    c.Rect(47, 0, 48, 48, RGB(100, 140, 196));
    c.Rect(0, 47, 48, 48, RGB(100, 140, 196));
    return c;
}

// Frames: 1 background, 2 panel, 3 the size grip at the right end.
Canvas StatusBar() {
    return Strip(3, 50, 24, [&](Canvas& c, float x, int i) {
        const int x0 = int(x);
        c.VGradient(x0, 0, x0 + 50, 24, RGB(232, 241, 252), RGB(196, 216, 244));
        c.Rect(x0, 0, x0 + 50, 1, RGB(150, 180, 222));
        if (i == 1) {
            c.Rect(x0 + 46, 3, x0 + 47, 21, RGB(150, 180, 222));
            c.Rect(x0 + 47, 3, x0 + 48, 21, kWhite);
        }
        if (i == 2)
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col <= row; ++col) {
                    const int gx = x0 + 46 - 4 * col, gy = 20 - 4 * (2 - row);
                    c.Rect(gx + 1, gy + 1, gx + 3, gy + 3, kWhite);
                    c.Rect(gx, gy, gx + 2, gy + 2, RGB(100, 140, 196));
                }
    });
}

// Frames: 1 normal, 2 hot, 3 pressed, 4 disabled.
Canvas Header() {
    return Strip(4, 18, 18, [&](Canvas& c, float x, int i) {
        const int x0 = int(x);
        const Rgb top = i == 2 ? RGB(200, 218, 244) : i == 3 ? RGB(240, 242, 246) : kWhite;
        const Rgb bottom = i == 2 ? RGB(226, 236, 250) : i == 3 ? RGB(230, 234, 240) : RGB(218, 232, 250);
        c.VGradient(x0, 0, x0 + 18, 18, top, bottom);
        c.Rect(x0, 15, x0 + 18, 18, i == 1 ? kHot : RGB(190, 210, 236));
        c.Rect(x0, 17, x0 + 18, 18, i == 1 ? RGB(230, 150, 40) : RGB(150, 180, 222));
        c.Rect(x0 + 15, 3, x0 + 16, 14, RGB(150, 180, 222));
        c.Rect(x0 + 16, 3, x0 + 17, 14, kWhite);
    });
}

// ---------------------------------------------------------------------------------------------------------
// Progress, spin buttons, combo box and track-bar thumbs
// ---------------------------------------------------------------------------------------------------------

Canvas ProgressBar() {
    Canvas c(9, 19);
    c.RoundRect(0, 0, 9, 19, 3, RGB(100, 140, 196), RGB(100, 140, 196));
    c.RoundRect(1, 1, 8, 18, 2, RGB(226, 236, 250), kWhite);
    return c;
}

Canvas ProgressChunk() {
    Canvas c(10, 12);
    c.Rect(0, 0, 10, 12, RGB(240, 246, 254));
    c.VGradient(0, 0, 8, 12, RGB(150, 200, 255), RGB(36, 104, 214));
    c.Rect(0, 1, 8, 4, RGB(190, 222, 255));
    return c;
}

// Eight frames: the first button (up or left) normal, hot, pressed, disabled, then the second.
Canvas SpinButtons() {
    const State states[4] = {State::Normal, State::Hot, State::Pressed, State::Disabled};
    return Strip(8, 15, 16, [&](Canvas& c, float x, int i) { Face(c, x, 0, x + 15, 16, 2, states[i % 4]); });
}

Canvas SpinGlyphs(bool vertical) {
    const State states[4] = {State::Normal, State::Hot, State::Pressed, State::Disabled};
    const int fw = vertical ? 7 : 6, h = vertical ? 6 : 7;
    const char first = vertical ? 'u' : 'l', second = vertical ? 'd' : 'r';
    return Strip(8, fw, h, [&](Canvas& c, float x, int i) {
        c.Rect(int(x), 0, int(x) + fw, h, kFace);
        Triangle(c, {x + fw / 2.0f, h / 2.0f}, vertical ? 6.5f : 6.0f, i < 4 ? first : second,
                 GlyphColour(states[i % 4]));
    });
}

// Frames: 1 normal, 2 hot, 3 pressed, 4 disabled.
Canvas ComboButtons() {
    const State states[4] = {State::Normal, State::Hot, State::Pressed, State::Disabled};
    return Strip(4, 15, 16, [&](Canvas& c, float x, int i) {
        Face(c, x, 0, x + 15, 16, 2.5f, states[i]);
        Triangle(c, {x + 7.5f, 8}, 7, 'd', GlyphColour(states[i]));
    });
}

// Drop-down arrows centred on the combo box button: normal, hot, pressed, disabled, focused.
Canvas ExtraImages() {
    const State states[5] = {State::Normal, State::Hot, State::Pressed, State::Disabled, State::Focused};
    return Strip(5, 16, 17, [&](Canvas& c, float x, int i) {
        Triangle(c, {x + 8, 8.5f}, 8, 'd', GlyphColour(states[i]));
    });
}

// Frames: normal, hot, pressed, disabled, focused; `pointer` gives the thumb a point at the bottom.
Canvas TrackThumbs(bool pointer) {
    const State states[5] = {State::Normal, State::Hot, State::Pressed, State::Disabled, State::Focused};
    return Strip(5, 11, 21, [&](Canvas& c, float x, int i) {
        const Look look = ButtonLook(states[i]);
        if (!pointer) {
            c.RoundRect(x, 0, x + 11, 21, 2.5f, look.outline, look.outline);
            c.RoundRect(x + 1, 1, x + 10, 20, 1.5f, look.top, look.bottom);
        } else {
            const std::vector<Pt> outer{{x, 0}, {x + 11, 0}, {x + 11, 15}, {x + 5.5f, 21}, {x, 15}};
            const std::vector<Pt> inner{
                {x + 1, 1}, {x + 10, 1}, {x + 10, 14.6f}, {x + 5.5f, 19.6f}, {x + 1, 14.6f}};
            c.Polygon(outer, look.outline);
            c.Fill([&inner](Pt p) { return DistPolygon(p, inner); }, x, 0, x + 11, 21,
                   [=](float, float py) { return Mix(look.top, look.bottom, py / 21); });
        }
        if (states[i] == State::Hot)
            c.Rect(int(x) + 2, 2, int(x) + 9, 4, kHot);
    });
}

} // namespace

// One table of every image the reference skin holds and what draws it; it reads best as one table.
DrawnImage DrawImage(const std::string& name) {
    static const std::map<std::string, std::function<DrawnImage()>> drawers = {
        {"Buttons.bmp",
         [] {
             return DrawnImage{PushButtons(), true};
         }},
        {"Checkbox.bmp",
         [] {
             return DrawnImage{CheckBoxes(), false};
         }},
        {"RadioButton.bmp",
         [] {
             return DrawnImage{RadioButtons(), false};
         }},
        {"Progress.bmp",
         [] {
             return DrawnImage{ProgressBar(), true};
         }},
        {"ProgressChunk.bmp",
         [] {
             return DrawnImage{ProgressChunk(), false};
         }},
        {"Tab.bmp",
         [] {
             return DrawnImage{Tabs(), true};
         }},
        {"TabSheet.bmp",
         [] {
             return DrawnImage{TabSheet(), false};
         }},
        {"ComboboxBtn.bmp",
         [] {
             return DrawnImage{ComboButtons(), true};
         }},
        {"StatusBar.bmp",
         [] {
             return DrawnImage{StatusBar(), false};
         }},
        {"Header.bmp",
         [] {
             return DrawnImage{Header(), true};
         }},
        {"ScrollbarArrow.bmp",
         [] {
             return DrawnImage{ScrollArrows(), false};
         }},
        {"ScrollbarHThumb.bmp",
         [] {
             return DrawnImage{ScrollThumbs(true), false};
         }},
        {"ScrollbarVThumb.bmp",
         [] {
             return DrawnImage{ScrollThumbs(false), false};
         }},
        {"ScrollbarHBar.bmp",
         [] {
             return DrawnImage{ScrollTracks(true), false};
         }},
        {"ScrollbarVBar.bmp",
         [] {
             return DrawnImage{ScrollTracks(false), false};
         }},
        {"MenuBackground.bmp",
         [] {
             return DrawnImage{MenuBackground(), false};
         }},
        {"MenuItem.bmp",
         [] {
             return DrawnImage{MenuItems(), true};
         }},
        {"ExtraImages.bmp",
         [] {
             return DrawnImage{ExtraImages(), true};
         }},
        {"TrackThumbH.bmp",
         [] {
             return DrawnImage{TrackThumbs(false), false};
         }},
        {"TrackBot.bmp",
         [] {
             return DrawnImage{TrackThumbs(true), false};
         }},
        {"Mdibutton.bmp",
         [] {
             return DrawnImage{MdiButtons(), true};
         }},
        {"Spin.bmp",
         [] {
             return DrawnImage{SpinButtons(), false};
         }},
        {"SpinArrow.bmp",
         [] {
             return DrawnImage{SpinGlyphs(true), false};
         }},
        {"Spinh.bmp",
         [] {
             return DrawnImage{SpinButtons(), false};
         }},
        {"SpinhArrow.bmp",
         [] {
             return DrawnImage{SpinGlyphs(false), false};
         }},
        {"CloseButton.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Close, true), true};
         }},
        {"MaxButton.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Max, false), true};
         }},
        {"MinButton.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Min, false), true};
         }},
        {"RestroreButton.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Restore, false), true};
         }},
        {"FrameLeft.bmp",
         [] {
             return DrawnImage{FrameSide(false), true};
         }},
        {"FrameRight.bmp",
         [] {
             return DrawnImage{FrameSide(true), true};
         }},
        {"FrameTop.bmp",
         [] {
             return DrawnImage{FrameTop(), true};
         }},
        {"FrameBottom.bmp",
         [] {
             return DrawnImage{FrameBottom(), false};
         }},
        {"MinCaption.bmp",
         [] {
             return DrawnImage{MinCaption(), true};
         }},
    };
    const auto found = drawers.find(name);
    if (found == drawers.end())
        throw std::invalid_argument(name + ": not an image of the reference skin");
    return found->second();
}

} // namespace refskin
