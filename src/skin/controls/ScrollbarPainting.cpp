#include "skin/controls/ScrollbarPainting.h"

#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinElements.h"

#include <cstdlib>

namespace skin {

namespace {

// The arrow image holds, four frames each (normal, pressed, disabled, hot), the left, right, up and down
// arrows, then the horizontal and vertical grip glyphs (normal, pressed, hot).
constexpr int kArrowFrames = 23;
constexpr int kLeftArrow = 1;
constexpr int kRightArrow = 5;
constexpr int kUpArrow = 9;
constexpr int kDownArrow = 13;
constexpr int kHorizontalGrip = 17;
constexpr int kVerticalGrip = 20;
// An arrow image this close to the system's arrow size is drawn at its own size.
constexpr int kArrowSizeSlack = 2;

// A rectangle along the bar, from `from` to `to`, across its whole breadth.
win::RECT Along(const ScrollbarLook& look, int from, int to) {
    return look.vertical ? win::RECT{0, from, look.breadth, to} : win::RECT{from, 0, to, look.breadth};
}

int StateOffset(const ScrollbarLook& look, int part, int pressed, int hot) {
    if (look.hot != part)
        return 0;
    return look.pressed ? pressed : hot;
}

int DrawnArrowSize(const ScrollbarLook& look, const TDataSkinObject& arrows) {
    const int imageSize = arrows.Image.Height();
    int size = std::abs(imageSize - look.arrow) > kArrowSizeSlack ? look.arrow : imageSize;
    if (look.length < 2 * size)
        size = look.length / 2;
    return size;
}

void DrawArrows(win::HDC dc, const ScrollbarLook& look, const TDataSkinObject& arrows, int size) {
    const int first = look.vertical ? kUpArrow : kLeftArrow;
    const int second = look.vertical ? kDownArrow : kRightArrow;
    const auto frame = [&](int base, int part) {
        if (look.disabled)
            return base + 2;
        return base + StateOffset(look, part, 1, 3);
    };
    DrawElementFrame(dc, Along(look, 0, size), arrows, frame(first, sbpFirstArrow));
    DrawElementFrame(dc, Along(look, look.length - size, look.length), arrows, frame(second, sbpSecondArrow));
}

void DrawThumb(win::HDC dc, const ScrollbarLook& look, const TSkinElements& skin) {
    if (look.thumb.Length() <= 0)
        return;
    const win::RECT rect = Along(look, look.thumb.start, look.thumb.end);
    const TDataSkinObject* element = look.vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
    if (element)
        DrawElementFrame(dc, rect, *element, 1 + StateOffset(look, sbpThumb, 1, 2));
    const TDataSkinObject& arrows = *skin.Scrollbar;
    const int glyph = look.vertical ? arrows.FrameHeight() : arrows.FrameWidth();
    if (look.thumb.Length() <= glyph + 2)
        return;
    const int frame = (look.vertical ? kVerticalGrip : kHorizontalGrip) + StateOffset(look, sbpThumb, 1, 2);
    DrawImageFrame(dc, rect, arrows.Image, kArrowFrames, frame, arrows.Trans == 1);
}

} // namespace

bool SkinDrawsScrollbars(const TSkinElements& skin) {
    return skin.Scrollbar && !skin.Scrollbar->Image.Empty();
}

void DrawScrollbar(win::HDC dc, const ScrollbarLook& look, const TSkinElements& skin) {
    if (!dc || !SkinDrawsScrollbars(skin) || look.length <= 0 || look.breadth <= 0)
        return;
    const tk::TColor face = skin.SkinColours[scButtonFace];
    FillSolid(dc, Along(look, 0, look.length), face);
    const TDataSkinObject& arrows = *skin.Scrollbar;
    const int size = DrawnArrowSize(look, arrows);
    if (const TDataSkinObject* track = look.vertical ? skin.VertScroll.get() : skin.HorzScroll.get())
        DrawElementFrame(dc, Along(look, size, look.length - size), *track, look.disabled ? 3 : 1);
    DrawArrows(dc, look, arrows, size);
    if (!look.disabled)
        DrawThumb(dc, look, skin);
}

} // namespace skin
