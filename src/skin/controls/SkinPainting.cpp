#include "skin/controls/SkinPainting.h"

#include "skin/data/ElementRenderer.h"
#include "skin/data/TDataSkinButton.h"

#include "toolkit/TFont.h"

#include <algorithm>

namespace skin {

namespace {

constexpr win::COLORREF kMagenta = 0xFF00FF;

int Width(const win::RECT& r) {
    return r.right - r.left;
}
int Height(const win::RECT& r) {
    return r.bottom - r.top;
}

// A bitmap of one size filled with magenta, selected into a memory context for one drawing.
class MagentaSheet {
public:
    MagentaSheet(win::HDC like, int width, int height)
        : m_dc(win::CreateCompatibleDC(like)),
          m_bitmap(m_dc ? win::CreateCompatibleBitmap(like, width, height) : nullptr) {
        if (!m_bitmap)
            return;
        m_old = win::SelectObject(m_dc, m_bitmap);
        const win::RECT all{0, 0, width, height};
        win::HBRUSH magenta = win::CreateSolidBrush(kMagenta);
        win::FillRect(m_dc, &all, magenta);
        win::DeleteObject(magenta);
    }
    ~MagentaSheet() {
        if (m_bitmap) {
            win::SelectObject(m_dc, m_old);
            win::DeleteObject(m_bitmap);
        }
        if (m_dc)
            win::DeleteDC(m_dc);
    }
    MagentaSheet(const MagentaSheet&) = delete;
    MagentaSheet& operator=(const MagentaSheet&) = delete;
    win::HDC Dc() const { return m_bitmap ? m_dc : nullptr; }

private:
    win::HDC m_dc;
    win::HBITMAP m_bitmap;
    win::HGDIOBJ m_old = nullptr;
};

} // namespace

void DrawElementFrame(win::HDC dc, const win::RECT& rect, const TDataSkinObject& element, int frame) {
    if (!dc || element.Image.Empty() || Width(rect) <= 0 || Height(rect) <= 0)
        return;
    const bool stretchMiddle = element.Tile != 1;
    if (element.Trans != 1) {
        ElementRenderer::Render(dc, rect, element, frame, false, stretchMiddle);
        return;
    }
    MagentaSheet sheet(dc, Width(rect), Height(rect));
    if (!sheet.Dc())
        return;
    ElementRenderer::Render(sheet.Dc(), win::RECT{0, 0, Width(rect), Height(rect)}, element, frame, false,
                            stretchMiddle);
    win::TransparentBlt(dc, rect.left, rect.top, Width(rect), Height(rect), sheet.Dc(), 0, 0, Width(rect),
                        Height(rect), kMagenta);
}

void DrawElementFrameFlipped(win::HDC dc, const win::RECT& rect, const TDataSkinObject& element, int frame) {
    if (!dc || element.Image.Empty() || Width(rect) <= 0 || Height(rect) <= 0)
        return;
    const int width = Width(rect), height = Height(rect);
    MagentaSheet upright(dc, width, height);
    MagentaSheet flipped(dc, width, height);
    if (!upright.Dc() || !flipped.Dc())
        return;
    ElementRenderer::Render(upright.Dc(), win::RECT{0, 0, width, height}, element, frame, false,
                            element.Tile != 1);
    // A source of negative height is read from the bottom up.
    win::StretchBlt(flipped.Dc(), 0, 0, width, height, upright.Dc(), 0, height, width, -height, win::SRCCOPY);
    if (element.Trans == 1)
        win::TransparentBlt(dc, rect.left, rect.top, width, height, flipped.Dc(), 0, 0, width, height,
                            kMagenta);
    else
        win::BitBlt(dc, rect.left, rect.top, width, height, flipped.Dc(), 0, 0, win::SRCCOPY);
}

void DrawImageFrame(win::HDC dc, const win::RECT& rect, const TSkinBitmap& image, int frameCount, int frame,
                    bool transparent) {
    if (!dc || image.Empty())
        return;
    const int frames = std::max(1, frameCount);
    const int width = image.Width() / frames, height = image.Height();
    if (width <= 0 || height <= 0)
        return;
    const win::RECT place{rect.left + (Width(rect) - width) / 2, rect.top + (Height(rect) - height) / 2,
                          rect.left + (Width(rect) - width) / 2 + width,
                          rect.top + (Height(rect) - height) / 2 + height};
    const ElementRenderer::Slicing slicing{frames, false, false};
    if (!transparent) {
        ElementRenderer::Render(dc, place, image, win::RECT{}, frame, slicing);
        return;
    }
    MagentaSheet sheet(dc, width, height);
    if (!sheet.Dc())
        return;
    ElementRenderer::Render(sheet.Dc(), win::RECT{0, 0, width, height}, image, win::RECT{}, frame, slicing);
    win::TransparentBlt(dc, place.left, place.top, width, height, sheet.Dc(), 0, 0, width, height, kMagenta);
}

void FillSolid(win::HDC dc, const win::RECT& rect, tk::TColor colour) {
    win::HBRUSH brush = win::CreateSolidBrush(tk::ColorToRGB(colour));
    win::FillRect(dc, &rect, brush);
    win::DeleteObject(brush);
}

void FrameSolid(win::HDC dc, const win::RECT& rect, tk::TColor colour, int inset) {
    win::RECT r = rect;
    win::InflateRect(&r, -inset, -inset);
    if (Width(r) <= 0 || Height(r) <= 0)
        return;
    win::HBRUSH brush = win::CreateSolidBrush(tk::ColorToRGB(colour));
    win::FrameRect(dc, &r, brush);
    win::DeleteObject(brush);
}

void PaintParentBackground(win::HWND child, win::HDC dc) {
    const win::HWND parent = win::GetParent(child);
    if (!parent || !dc)
        return;
    win::POINT origin{0, 0};
    win::MapWindowPoints(child, parent, &origin, 1);
    const int saved = win::SaveDC(dc);
    win::OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    win::SendMessageA(parent, win::WM_ERASEBKGND, reinterpret_cast<win::WPARAM>(dc), 0);
    win::RestoreDC(dc, saved);
}

std::string CaptionLines(std::string_view caption) {
    std::string lines;
    lines.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '|' && i + 1 < caption.size() && caption[i + 1] == '|') {
            lines += '\n';
            ++i;
        } else {
            lines += caption[i];
        }
    }
    return lines;
}

win::SIZE MeasureCaption(win::HDC like, std::string_view caption, win::HFONT font, win::UINT format,
                         int maxWidth) {
    const std::string lines = CaptionLines(caption);
    if (lines.empty())
        return {0, 0};
    win::HDC dc = win::CreateCompatibleDC(like);
    if (!dc)
        return {0, 0};
    const win::HGDIOBJ old = win::SelectObject(dc, font ? font : win::GetStockObject(win::DEFAULT_GUI_FONT));
    const bool oneLine = lines.find('\n') == std::string::npos && !(format & win::DT_WORDBREAK);
    win::RECT calc{0, 0, std::max(1, maxWidth), 0};
    win::DrawTextA(dc, lines.c_str(), static_cast<int>(lines.size()), &calc,
                   (format & (win::DT_WORDBREAK | win::DT_EXPANDTABS)) | win::DT_CALCRECT |
                       (oneLine ? win::DT_SINGLELINE : 0));
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    return {Width(calc), Height(calc)};
}

win::RECT DrawCaption(win::HDC dc, const win::RECT& area, std::string_view caption, win::HFONT font,
                      win::COLORREF colour, win::UINT format) {
    const std::string lines = CaptionLines(caption);
    if (lines.empty() || !dc)
        return {};
    const bool oneLine = lines.find('\n') == std::string::npos && !(format & win::DT_WORDBREAK);
    const win::UINT flags = (format & (win::DT_CENTER | win::DT_RIGHT | win::DT_WORDBREAK |
                                       win::DT_EXPANDTABS | win::DT_RTLREADING)) |
                            (oneLine ? win::DT_SINGLELINE : 0) | win::DT_NOPREFIX;
    const win::HGDIOBJ oldFont =
        win::SelectObject(dc, font ? font : win::GetStockObject(win::DEFAULT_GUI_FONT));
    win::RECT calc{0, 0, std::max(1, Width(area)), 0};
    win::DrawTextA(dc, lines.c_str(), static_cast<int>(lines.size()), &calc, flags | win::DT_CALCRECT);
    const int width = std::min(Width(calc), Width(area)), height = Height(calc);
    win::RECT placed;
    placed.left = (flags & win::DT_CENTER)  ? area.left + (Width(area) - width) / 2
                  : (flags & win::DT_RIGHT) ? area.right - width
                                            : area.left;
    placed.top = area.top + (Height(area) - height) / 2;
    placed.right = placed.left + width;
    placed.bottom = placed.top + height;
    // Drawn across the whole width so that wrapping and centring come out as measured.
    win::RECT target{area.left, placed.top, area.right, placed.bottom};
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    const win::COLORREF oldColour = win::SetTextColor(dc, colour);
    win::DrawTextA(dc, lines.c_str(), static_cast<int>(lines.size()), &target, flags);
    win::SetTextColor(dc, oldColour);
    win::SetBkMode(dc, oldMode);
    win::SelectObject(dc, oldFont);
    return placed;
}

void DrawDropArrow(win::HDC dc, const win::RECT& rect, win::COLORREF colour) {
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    const win::POINT points[3] = {{cx - 3, cy - 1}, {cx + 4, cy - 1}, {cx, cy + 3}};
    win::HBRUSH brush = win::CreateSolidBrush(colour);
    win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, colour);
    const win::HGDIOBJ oldBrush = win::SelectObject(dc, brush);
    const win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    win::Polygon(dc, points, 3);
    win::SelectObject(dc, oldPen);
    win::SelectObject(dc, oldBrush);
    win::DeleteObject(pen);
    win::DeleteObject(brush);
}

win::COLORREF PushButtonTextColour(const TDataSkinButton& element, const ControlState& state,
                                   win::COLORREF fontColour) {
    if (state.disabled)
        return win::GetSysColor(win::COLOR_BTNSHADOW);
    win::COLORREF colour = fontColour;
    if (element.NormalColour != kNoColour)
        colour = tk::ColorToRGB(element.NormalColour);
    if (state.hot && element.MouseOverColour != kNoColour)
        colour = tk::ColorToRGB(element.MouseOverColour);
    if (state.pressed && element.PressedColour != kNoColour)
        colour = tk::ColorToRGB(element.PressedColour);
    return colour;
}

} // namespace skin
