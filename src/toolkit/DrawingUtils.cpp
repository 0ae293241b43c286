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
