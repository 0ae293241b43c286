// Where a button's glyph and caption go: the bitmap button, the speed button and the skinners that paint them
// place the two the same way, from Layout, Margin and Spacing.
#pragma once

#include "toolkit/TBitmap.h"
#include "toolkit/TFont.h"
#include "toolkit/WidgetTypes.h"

#include "platform/win.h"

#include <string>

namespace tk {

// Places a glyph and a caption side by side (or one above the other) inside `bounds`, as button layouts do:
// centred as a block, or `margin` pixels from the glyph's edge when margin is not -1, `spacing` pixels apart.
void LayoutGlyphAndText(const win::RECT& bounds, win::SIZE glyph, win::SIZE text, TButtonLayout layout,
                        int margin, int spacing, win::RECT* glyphRect, win::RECT* textRect);

// A button's glyph bitmap holds `numGlyphs` pieces side by side (up, disabled, pressed, down); an empty
// bitmap has none.
struct TGlyphStrip {
    int Pieces = 0;
    win::SIZE PieceSize{};
};
TGlyphStrip GlyphStrip(const TBitmap& glyph, int numGlyphs);

struct TButtonFace {
    win::RECT Glyph{};
    win::RECT Text{};
};
// The places of a glyph piece and a one-line caption in `font`.
TButtonFace LayoutButtonFace(const win::RECT& bounds, win::SIZE glyph, const TFont& font,
                             const std::string& caption, TButtonLayout layout, int margin, int spacing);

// Draws piece `piece` of the strip at `at`, the bitmap's corner colour transparent.
void DrawGlyphPiece(win::HDC dc, const TBitmap& glyph, const TGlyphStrip& strip, int piece,
                    const win::RECT& at);

} // namespace tk
