// The test skin's images: window frame and caption buttons; the menu bar; push buttons, check boxes and radio
// buttons.
#include "SkinShapes.h"
#include "TestSkin.h"

#include <functional>
#include <map>
#include <stdexcept>

namespace testskin {

namespace {

using refskin::Canvas;
using refskin::CaptionGlyph;
using refskin::DrawnImage;
using refskin::Mix;
using refskin::Pt;
using refskin::Rgb;
using refskin::RGB;

constexpr int kCaption = 26;
constexpr int kSide = 6;
constexpr float kCornerRadius = 6;

struct Palette {
    Rgb captionTop, captionBottom, outline, body;
};

Palette WindowPalette(bool active) {
    if (active)
        return {RGB(156, 176, 84), RGB(86, 106, 36), RGB(46, 58, 18), RGB(104, 124, 48)};
    return {RGB(200, 206, 172), RGB(168, 176, 136), RGB(118, 126, 92), RGB(176, 182, 146)};
}

// One row of the caption, shared by the top piece and the caption part of the side pieces so that they meet
// without a seam: the outline, a highlight line, the gradient and a dark last line.
Rgb CaptionRow(const Palette& p, int y) {
    if (y <= 0)
        return p.outline;
    if (y == 1)
        return refskin::Lighter(p.captionTop, 0.35f);
    if (y >= kCaption - 1)
        return refskin::Darker(p.captionBottom, 0.3f);
    return Mix(p.captionTop, p.captionBottom, float(y - 2) / float(kCaption - 4));
}

// One frame of a side piece: the outer corners rounded (left transparent), the caption rows at the top, the
// border below them shaded from the outline inwards.
Canvas SideFrame(bool active, bool right) {
    const Palette p = WindowPalette(active);
    Canvas c(kSide, 80);
    // The window's outline as a rounded rectangle reaching well past the piece's inner edge.
    const float x0 = right ? -40.0f : 0.0f, x1 = right ? float(kSide) : 40.0f;
    c.Fill([=](Pt q) { return refskin::DistRoundRect(q, x0, 0, x1, 80, kCornerRadius); }, 0, 0, kSide, 80,
           [=](float x, float y) {
               if (y < kCaption)
                   return CaptionRow(p, int(y));
               const float inward = right ? float(kSide) - x : x;
               return inward < 2 ? refskin::Lighter(p.body, 0.25f) : p.body;
           });
    c.RoundFrame(x0, 0, x1, 80, kCornerRadius, 1.0f, p.outline);
    // The inner edge beside the client area.
    const int inner = right ? 0 : kSide - 1;
    c.Rect(inner, kCaption, inner + 1, 79, refskin::Darker(p.body, 0.35f));
    return c;
}

Canvas FrameSide(bool right) {
    Canvas c(2 * kSide, 80);
    c.Paste(SideFrame(true, right), 0, 0);
    c.Paste(SideFrame(false, right), kSide, 0);
    return c;
}

Canvas FrameTop() {
    Canvas c(240, 2 * kCaption);
    for (int frame = 0; frame < 2; ++frame) {
        const Palette p = WindowPalette(frame == 0);
        for (int y = 0; y < kCaption; ++y)
            c.Rect(0, frame * kCaption + y, 240, frame * kCaption + y + 1, CaptionRow(p, y));
    }
    return c;
}

Canvas FrameBottom() {
    Canvas c(240, 12);
    for (int frame = 0; frame < 2; ++frame) {
        const Palette p = WindowPalette(frame == 0);
        const int y0 = 6 * frame;
        c.Rect(0, y0, 240, y0 + 1, refskin::Darker(p.body, 0.35f));
        c.Rect(0, y0 + 1, 240, y0 + 3, refskin::Lighter(p.body, 0.25f));
        c.Rect(0, y0 + 3, 240, y0 + 5, p.body);
        c.Rect(0, y0 + 5, 240, y0 + 6, p.outline);
    }
    return c;
}

// Four frames as the frame painter asks for them: normal, pressed, hot, and inactive window or disabled.
Canvas CaptionButtons(CaptionGlyph glyph, bool warm) {
    struct Look {
        Rgb top, bottom, outline, ink;
    };
    const Look looks[4] = {
        warm ? Look{RGB(222, 132, 76), RGB(172, 72, 30), RGB(90, 36, 12), RGB(255, 252, 240)}
             : Look{RGB(184, 200, 116), RGB(116, 136, 56), RGB(46, 58, 18), RGB(255, 255, 240)},
        warm ? Look{RGB(150, 60, 24), RGB(204, 108, 60), RGB(80, 30, 10), RGB(255, 236, 220)}
             : Look{RGB(84, 102, 34), RGB(136, 156, 72), RGB(36, 46, 12), RGB(240, 244, 220)},
        warm ? Look{RGB(246, 170, 112), RGB(208, 96, 44), RGB(110, 44, 14), RGB(255, 255, 255)}
             : Look{RGB(214, 228, 150), RGB(148, 170, 76), RGB(60, 74, 24), RGB(255, 255, 255)},
        Look{RGB(214, 218, 190), RGB(186, 192, 156), RGB(136, 142, 108), RGB(244, 246, 232)},
    };
    return refskin::Strip(4, 18, 18, [&](Canvas& c, float x, int i) {
        const Look& look = looks[i];
        c.RoundRect(x, 0, x + 18, 18, 4, look.outline, look.outline);
        c.RoundRect(x + 1, 1, x + 17, 17, 3, look.top, look.bottom);
        refskin::DrawCaptionGlyph(c, x + 0.5f, 0.5f, 18, glyph, refskin::Darker(look.outline, 0.2f));
        refskin::DrawCaptionGlyph(c, x, 0, 18, glyph, look.ink);
    });
}

// Two frames one above the other: active and inactive window.
Canvas MenuBar() {
    Canvas c(100, 40);
    const Rgb tops[2] = {RGB(226, 230, 200), RGB(236, 238, 226)};
    const Rgb bottoms[2] = {RGB(206, 212, 172), RGB(222, 224, 208)};
    for (int frame = 0; frame < 2; ++frame) {
        const int y0 = 20 * frame;
        c.VGradient(0, y0, 100, y0 + 20, tops[frame], bottoms[frame]);
        c.Rect(0, y0, 100, y0 + 1, RGB(248, 250, 236));
        c.Rect(0, y0 + 19, 100, y0 + 20, RGB(150, 158, 110));
    }
    return c;
}

// Five frames as the push-button painter numbers them: normal, pressed, disabled, hot, focused or default.
Canvas PushButtons() {
    struct Look {
        Rgb top, bottom, outline;
    };
    const Look looks[5] = {
        {RGB(250, 251, 240), RGB(212, 218, 178), RGB(110, 124, 60)},
        {RGB(196, 206, 150), RGB(230, 234, 208), RGB(76, 90, 30)},
        {RGB(240, 240, 232), RGB(228, 228, 218), RGB(176, 178, 160)},
        {RGB(255, 255, 246), RGB(226, 234, 178), RGB(150, 120, 30)},
        {RGB(250, 251, 240), RGB(212, 218, 178), RGB(66, 84, 20)},
    };
    return refskin::Strip(5, 24, 22, [&](Canvas& c, float x, int i) {
        c.RoundRect(x, 0, x + 24, 22, 4, looks[i].outline, looks[i].outline);
        c.RoundRect(x + 1, 1, x + 23, 21, 3, looks[i].top, looks[i].bottom);
        if (i == 4)
            c.RoundFrame(x + 1, 1, x + 23, 21, 3, 1.2f, RGB(150, 170, 80));
    });
}

// Four frames: unchecked, checked, and both again disabled (the painter adds 2 for a disabled control).
Canvas CheckBoxes() {
    return refskin::Strip(4, 13, 13, [&](Canvas& c, float x, int i) {
        const bool disabled = i >= 2;
        const Rgb outline = disabled ? RGB(176, 178, 160) : RGB(86, 100, 40);
        c.RoundRect(x, 0, x + 13, 13, 2, outline, outline);
        c.RoundRect(x + 1, 1, x + 12, 12, 1, disabled ? RGB(240, 240, 232) : RGB(255, 255, 248),
                    disabled ? RGB(230, 230, 222) : RGB(222, 228, 196));
        if (i % 2 == 1) {
            const Rgb ink = disabled ? RGB(176, 178, 160) : RGB(64, 84, 16);
            c.Line({x + 3.2f, 6.6f}, {x + 5.4f, 9.0f}, 1.9f, ink);
            c.Line({x + 5.4f, 9.0f}, {x + 9.8f, 3.6f}, 1.9f, ink);
        }
    });
}

Canvas RadioButtons() {
    return refskin::Strip(4, 13, 13, [&](Canvas& c, float x, int i) {
        const bool disabled = i >= 2;
        const Pt centre{x + 6.5f, 6.5f};
        const Rgb ring = disabled ? RGB(176, 178, 160) : RGB(86, 100, 40);
        c.Disc(centre, 6.2f, ring, ring);
        c.Disc(centre, 5.2f, disabled ? RGB(240, 240, 232) : RGB(255, 255, 248),
               disabled ? RGB(230, 230, 222) : RGB(222, 228, 196));
        if (i % 2 == 1)
            c.Disc(centre, 2.6f, disabled ? RGB(176, 178, 160) : RGB(120, 146, 44),
                   disabled ? RGB(176, 178, 160) : RGB(64, 84, 16));
    });
}

} // namespace

DrawnImage DrawTestImage(const std::string& name) {
    static const std::map<std::string, std::function<DrawnImage()>> drawers = {
        {"OliveLeft.bmp",
         [] {
             return DrawnImage{FrameSide(false), true};
         }},
        {"OliveRight.bmp",
         [] {
             return DrawnImage{FrameSide(true), true};
         }},
        {"OliveTop.bmp",
         [] {
             return DrawnImage{FrameTop(), false};
         }},
        {"OliveBottom.bmp",
         [] {
             return DrawnImage{FrameBottom(), false};
         }},
        {"OliveMenuBar.bmp",
         [] {
             return DrawnImage{MenuBar(), false};
         }},
        {"OliveButton.bmp",
         [] {
             return DrawnImage{PushButtons(), true};
         }},
        {"OliveCheck.bmp",
         [] {
             return DrawnImage{CheckBoxes(), false};
         }},
        {"OliveRadio.bmp",
         [] {
             return DrawnImage{RadioButtons(), false};
         }},
        {"OliveClose.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Close, true), true};
         }},
        {"OliveMax.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Max, false), true};
         }},
        {"OliveRestore.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Restore, false), true};
         }},
        {"OliveMin.bmp",
         [] {
             return DrawnImage{CaptionButtons(CaptionGlyph::Min, false), true};
         }},
    };
    const auto found = drawers.find(name);
    if (found == drawers.end())
        throw std::invalid_argument(name + ": not an image of the test skin");
    return found->second();
}

} // namespace testskin
