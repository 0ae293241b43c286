#include "skin/frame/SkinnedMenuItems.h"

#include "skin/data/ElementRenderer.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TFont.h"
#include "toolkit/TImageList.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPopupMenu.h"

#include <algorithm>

namespace skin {

namespace {

constexpr win::COLORREF kSeeThrough = 0xFF00FF;
constexpr int kGlyphSize = 16;
constexpr int kGlyphLeft = 4;
constexpr int kTextGap = 8;
// The popup's items start inside its 3-pixel border, which the popup paints from MenuBackground itself.
constexpr int kPopupBorder = 3;

const TDataSkinObject* ElementWithImage(const std::unique_ptr<TDataSkinObject>& element) {
    return element && !element->Image.Empty() ? element.get() : nullptr;
}

const tk::TFont& ItemFont() {
    static tk::TFont font;
    return font;
}

void ForEachItem(tk::TMenuItem* parent, const std::function<void(tk::TMenuItem*)>& visit) {
    for (int i = 0; i < parent->Count(); ++i) {
        visit(parent->Items(i));
        ForEachItem(parent->Items(i), visit);
    }
}

// `element`'s frame into `dest` of `dc`, its magenta pixels left out when the element says it has them.
void RenderElement(win::HDC dc, const win::RECT& dest, const TDataSkinObject& element, int frame) {
    const int w = dest.right - dest.left, h = dest.bottom - dest.top;
    if (w <= 0 || h <= 0)
        return;
    if (!element.Trans) {
        ElementRenderer::Render(dc, dest, element, frame, false, element.Tile != 1);
        return;
    }
    TSkinBitmap piece;
    if (!piece.SetSize(w, h, kSeeThrough))
        return;
    win::HDC src = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(src, piece.Handle());
    ElementRenderer::Render(src, win::RECT{0, 0, w, h}, element, frame, false, element.Tile != 1);
    win::TransparentBlt(dc, dest.left, dest.top, w, h, src, 0, 0, w, h, kSeeThrough);
    win::SelectObject(src, old);
    win::DeleteDC(src);
}

// What lies under the item: the part of the popup's MenuBackground at the item's place, else the skin's
// menu colour.
void PaintBackground(TSkinData* skin, win::HDC itemDc, win::HDC dc, const win::RECT& item, int w, int h) {
    const TDataSkinObject* background = ElementWithImage(skin->MenuBackground);
    win::RECT popup{};
    const win::HWND window = win::WindowFromDC(itemDc);
    if (background && window && win::GetWindowRect(window, &popup)) {
        const int pw = popup.right - popup.left, ph = popup.bottom - popup.top;
        TSkinBitmap whole;
        if (pw > 0 && ph > 0 && whole.SetSize(pw, ph)) {
            win::HDC src = win::CreateCompatibleDC(dc);
            win::HGDIOBJ old = win::SelectObject(src, whole.Handle());
            ElementRenderer::Render(src, win::RECT{0, 0, pw, ph}, *background, 1, false,
                                    background->Tile != 1);
            win::BitBlt(dc, 0, 0, w, h, src, item.left + kPopupBorder, item.top + kPopupBorder, win::SRCCOPY);
            win::SelectObject(src, old);
            win::DeleteDC(src);
            return;
        }
    }
    win::HBRUSH brush = win::CreateSolidBrush(tk::ColorToRGB(skin->SkinColours[scMenu]));
    const win::RECT all{0, 0, w, h};
    win::FillRect(dc, &all, brush);
    win::DeleteObject(brush);
}

// A separator: a line from the item image's second frame (its bottom rows when the image is taller than the
// item), edges unscaled and the middle stretched; without the image an etched line.
void PaintSeparator(win::HDC dc, const TDataSkinObject* element, int w, int h) {
    if (!element) {
        win::RECT line{2, h / 2 - 1, w - 2, h / 2 + 1};
        win::DrawEdge(dc, &line, win::EDGE_ETCHED, win::BF_TOP);
        return;
    }
    const int frames = std::max(1, element->FrameCount);
    const int frameWidth = element->Image.Width() / frames;
    const int imageHeight = element->Image.Height();
    if (frameWidth <= 0 || imageHeight <= 0)
        return;
    const int rows = std::min(imageHeight, h);
    const int sourceTop = imageHeight - rows, destTop = (h - rows) / 2;
    const int sourceLeft = std::min(1, frames - 1) * frameWidth;
    int left = std::clamp(element->LeftWidth(), 0, frameWidth),
        right = std::clamp(element->RightWidth(), 0, frameWidth - left);
    if (left + right > w)
        left = right = 0;
    win::HDC src = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(src, element->Image.Handle());
    if (left > 0)
        win::TransparentBlt(dc, 0, destTop, left, rows, src, sourceLeft, sourceTop, left, rows, kSeeThrough);
    if (right > 0)
        win::TransparentBlt(dc, w - right, destTop, right, rows, src, sourceLeft + frameWidth - right,
                            sourceTop, right, rows, kSeeThrough);
    const int middle = frameWidth - left - right;
    if (middle > 0 && w - left - right > 0)
        win::TransparentBlt(dc, left, destTop, w - left - right, rows, src, sourceLeft + left, sourceTop,
                            middle, rows, kSeeThrough);
    win::SelectObject(src, old);
    win::DeleteDC(src);
}

void PaintGlyph(TSkinData* skin, tk::TMenuItem* item, win::HDC dc, int h, bool systemMenu) {
    const int top = (h - kGlyphSize) / 2;
    tk::TImageList* images = item->Menu() ? item->Menu()->Images() : nullptr;
    if (item->ImageIndex() >= 0 && systemMenu && skin->MenuGlyphs) {
        win::ImageList_Draw(skin->MenuGlyphs, item->ImageIndex(), dc, kGlyphLeft, top, win::ILD_TRANSPARENT);
    } else if (item->ImageIndex() >= 0 && images) {
        images->Draw(dc, kGlyphLeft, (h - images->Height()) / 2, item->ImageIndex());
    } else if (item->Checked()) {
        win::RECT mark{kGlyphLeft, top, kGlyphLeft + kGlyphSize, top + kGlyphSize};
        win::DrawFrameControl(dc, &mark, win::DFC_MENU, win::DFCS_MENUCHECK | win::DFCS_TRANSPARENT);
    }
}

void PaintText(TSkinData* skin, tk::TMenuItem* item, win::HDC dc, int w, int h, int indent,
               bool highlighted) {
    win::COLORREF colour = tk::ColorToRGB(skin->SkinColours[scMenuText]);
    if (!item->Enabled())
        colour = tk::ColorToRGB(skin->SkinColours[scButtonShadow]);
    else if (highlighted)
        colour = tk::ColorToRGB(skin->SkinColours[scHilightText]);
    win::HGDIOBJ oldFont = win::SelectObject(dc, ItemFont().Handle());
    const win::COLORREF oldColour = win::SetTextColor(dc, colour);
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    win::RECT text{kGlyphLeft + kGlyphSize + kTextGap + indent, 0, w - kTextGap, h};
    std::string caption = item->Caption();
    win::DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &text,
                   win::DT_SINGLELINE | win::DT_VCENTER | win::DT_LEFT);
    std::string shortCut = item->ShortCutText();
    if (!shortCut.empty())
        win::DrawTextA(dc, shortCut.data(), static_cast<int>(shortCut.size()), &text,
                       win::DT_SINGLELINE | win::DT_VCENTER | win::DT_RIGHT | win::DT_NOPREFIX);
    if (item->Count() > 0) {
        win::RECT arrow{w - kGlyphSize, (h - kGlyphSize) / 2, w, (h + kGlyphSize) / 2};
        win::DrawFrameControl(dc, &arrow, win::DFC_MENU, win::DFCS_MENUARROW | win::DFCS_TRANSPARENT);
    }
    win::SetBkMode(dc, oldMode);
    win::SetTextColor(dc, oldColour);
    win::SelectObject(dc, oldFont);
}

} // namespace

void SkinnedMenuItems::Attach(tk::TPopupMenu* menu, TSkinData* skin, bool systemMenu) {
    if (!menu || !skin)
        return;
    menu->SetOwnerDraw(true);
    ForEachItem(menu->Items(), [skin, systemMenu](tk::TMenuItem* item) {
        item->OnMeasureItem = [skin, item, systemMenu](tk::TObject*, win::HDC dc, int& width, int& height) {
            Measure(skin, item, dc, width, height, systemMenu);
        };
        item->OnDrawItem = [skin, item, systemMenu](tk::TObject*, win::HDC dc, win::RECT rect,
                                                    bool selected) {
            Draw(skin, item, dc, rect, selected, systemMenu);
        };
    });
}

void SkinnedMenuItems::Detach(tk::TPopupMenu* menu) {
    if (!menu)
        return;
    menu->SetOwnerDraw(false);
    ForEachItem(menu->Items(), [](tk::TMenuItem* item) {
        item->OnMeasureItem = nullptr;
        item->OnDrawItem = nullptr;
    });
}

void SkinnedMenuItems::Measure(TSkinData* skin, tk::TMenuItem* item, win::HDC dc, int& width, int& height,
                               bool systemMenu) {
    item->DefaultMeasureItem(dc, width, height);
    if (item->IsLine())
        return;
    const bool hasImages = systemMenu ? skin->MenuGlyphs != nullptr : item->Menu() && item->Menu()->Images();
    const TDataSkinObject* element = ElementWithImage(skin->MenuItem);
    width += (element ? element->LeftWidth() : 0) + (systemMenu ? 12 : 10);
    // Room between the caption and a shortcut, which is drawn against the right edge.
    if (!item->ShortCutText().empty())
        width += 2 * kTextGap;
    if (!hasImages)
        width += systemMenu ? 23 : 25;
}

void SkinnedMenuItems::Draw(TSkinData* skin, tk::TMenuItem* item, win::HDC dc, const win::RECT& rect,
                            bool selected, bool systemMenu) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    TSkinBitmap canvas;
    if (w <= 0 || h <= 0 || !canvas.SetSize(w, h))
        return;
    win::HDC mem = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(mem, canvas.Handle());
    PaintBackground(skin, dc, mem, rect, w, h);
    const TDataSkinObject* element = ElementWithImage(skin->MenuItem);
    if (item->IsLine()) {
        PaintSeparator(mem, element, w, h);
    } else {
        const bool highlighted = selected && item->Enabled();
        bool plainHighlight = false;
        if (element) {
            RenderElement(mem, win::RECT{0, 0, w, h}, *element, selected ? 4 : 1);
        } else if (highlighted) {
            win::HBRUSH brush = win::CreateSolidBrush(tk::ColorToRGB(skin->SkinColours[scHilight]));
            const win::RECT all{0, 0, w, h};
            win::FillRect(mem, &all, brush);
            win::DeleteObject(brush);
            plainHighlight = true;
        }
        PaintGlyph(skin, item, mem, h, systemMenu);
        PaintText(skin, item, mem, w, h, element ? element->LeftWidth() : 0, plainHighlight);
    }
    win::BitBlt(dc, rect.left, rect.top, w, h, mem, 0, 0, win::SRCCOPY);
    win::SelectObject(mem, old);
    win::DeleteDC(mem);
}

} // namespace skin
