#include "toolkit/DrawingUtils.h"

#include <algorithm>

namespace tk {

namespace {
struct ScreenDC {
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    ~ScreenDC() { win::DeleteDC(dc); }
};
} // namespace

win::SIZE TextExtent(const TFont& font, const std::string& text, win::UINT flags, int maxWidth) {
    ScreenDC screen;
    win::HGDIOBJ old = win::SelectObject(screen.dc, font.Handle());
    win::RECT r{0, 0, maxWidth, 0};
    win::DrawTextA(screen.dc, text.c_str(), static_cast<int>(text.size()), &r, flags | win::DT_CALCRECT);
    win::TEXTMETRIC tm{};
    win::GetTextMetricsA(screen.dc, &tm);
    win::SelectObject(screen.dc, old);
    win::SIZE size{r.right - r.left, r.bottom - r.top};
    if (text.empty()) {
        size.cx = 0;
        size.cy = tm.tmHeight;
    }
    return size;
}

int FontLineHeight(const TFont& font) {
    return TextExtent(font, "").cy;
}

void FillColour(win::HDC dc, const win::RECT& rect, TColor colour) {
    win::HBRUSH brush = win::CreateSolidBrush(ColorToRGB(colour));
    win::FillRect(dc, &rect, brush);
    win::DeleteObject(brush);
}

void Frame3D(win::HDC dc, win::RECT& r, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width && r.right - r.left > 1 && r.bottom - r.top > 1; ++i) {
        FillColour(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
        FillColour(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
        FillColour(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        FillColour(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
}

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

void DrawTextIn(win::HDC dc, const std::string& text, win::RECT rect, win::UINT flags, const TFont& font,
                bool enabled) {
    int saved = win::SaveDC(dc);
    win::SelectObject(dc, font.Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    if (!enabled) {
        // The classic engraved look: a light copy one pixel down-right under the grey text.
        win::RECT light = rect;
        win::OffsetRect(&light, 1, 1);
        win::SetTextColor(dc, ColorToRGB(clBtnHighlight));
        win::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &light, flags);
        win::SetTextColor(dc, ColorToRGB(clBtnShadow));
    } else {
        win::SetTextColor(dc, ColorToRGB(font.Color()));
    }
    win::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    win::RestoreDC(dc, saved);
}

} // namespace tk
