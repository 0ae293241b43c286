#include "toolkit/ButtonLayout.h"

#include "toolkit/DrawingUtils.h"

#include <algorithm>

namespace tk {

void LayoutGlyphAndText(const win::RECT& bounds, win::SIZE glyph, win::SIZE text, TButtonLayout layout,
                        int margin, int spacing, win::RECT* glyphRect, win::RECT* textRect) {
    if (glyph.cx == 0 || text.cx == 0)
        spacing = 0;
    bool vertical = layout == TButtonLayout::blGlyphTop || layout == TButtonLayout::blGlyphBottom;
    int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    int blockW = vertical ? std::max(glyph.cx, text.cx) : glyph.cx + spacing + text.cx;
    int blockH = vertical ? glyph.cy + spacing + text.cy : std::max(glyph.cy, text.cy);
    int x = bounds.left + (width - blockW) / 2;
    int y = bounds.top + (height - blockH) / 2;
    if (margin >= 0) {
        switch (layout) {
        case TButtonLayout::blGlyphLeft: x = bounds.left + margin; break;
        case TButtonLayout::blGlyphRight: x = bounds.right - margin - blockW; break;
        case TButtonLayout::blGlyphTop: y = bounds.top + margin; break;
        case TButtonLayout::blGlyphBottom: y = bounds.bottom - margin - blockH; break;
        }
    }
    auto centredX = [&](int w) { return x + (blockW - w) / 2; };
    auto centredY = [&](int h) { return y + (blockH - h) / 2; };
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        *glyphRect = {x, centredY(glyph.cy), x + glyph.cx, centredY(glyph.cy) + glyph.cy};
        *textRect = {x + glyph.cx + spacing, y, x + blockW, y + blockH};
        break;
    case TButtonLayout::blGlyphRight:
        *textRect = {x, y, x + text.cx, y + blockH};
        *glyphRect = {x + text.cx + spacing, centredY(glyph.cy), x + blockW, centredY(glyph.cy) + glyph.cy};
        break;
    case TButtonLayout::blGlyphTop:
        *glyphRect = {centredX(glyph.cx), y, centredX(glyph.cx) + glyph.cx, y + glyph.cy};
        *textRect = {x, y + glyph.cy + spacing, x + blockW, y + blockH};
        break;
    case TButtonLayout::blGlyphBottom:
        *textRect = {x, y, x + blockW, y + text.cy};
        *glyphRect = {centredX(glyph.cx), y + text.cy + spacing, centredX(glyph.cx) + glyph.cx, y + blockH};
        break;
    }
}

TGlyphStrip GlyphStrip(const TBitmap& glyph, int numGlyphs) {
    int pieces = glyph.Empty() ? 0 : numGlyphs;
    if (!pieces)
        return {};
    return {pieces, {glyph.Width() / pieces, glyph.Height()}};
}

TButtonFace LayoutButtonFace(const win::RECT& bounds, win::SIZE glyph, const TFont& font,
                             const std::string& caption, TButtonLayout layout, int margin, int spacing) {
    win::SIZE text = TextExtent(font, caption, win::DT_SINGLELINE);
    TButtonFace face;
    LayoutGlyphAndText(bounds, glyph, text, layout, margin, spacing, &face.Glyph, &face.Text);
    return face;
}

void DrawGlyphPiece(win::HDC dc, const TBitmap& glyph, const TGlyphStrip& strip, int piece,
                    const win::RECT& at) {
    int w = strip.PieceSize.cx;
    glyph.DrawTransparent(dc, at, {piece * w, 0, piece * w + w, strip.PieceSize.cy}, glyph.CornerColour());
}

} // namespace tk
