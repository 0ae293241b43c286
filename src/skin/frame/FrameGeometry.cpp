#include "skin/frame/FrameGeometry.h"

#include <algorithm>

namespace skin {

namespace {

int FramesOf(const TDataSkinObject& element) {
    return std::max(1, element.FrameCount);
}

int Across(const TDataSkinBorder* border, bool stacked) {
    if (!border || border->Image.Empty())
        return 0;
    return (stacked ? border->Image.Height() : border->Image.Width()) / FramesOf(*border);
}

bool MinOrMax(const WindowFacts& w) {
    return (w.buttons & (kHasMinimiseBox | kHasMaximiseBox)) != 0;
}

} // namespace

BorderKind FrameGeometry::KindOf(win::DWORD style, win::DWORD exStyle, bool dialogClass) {
    if ((style & win::WS_CAPTION) != win::WS_CAPTION)
        return BorderKind::NoCaption;
    if ((style & 0x80) != 0 || (exStyle & win::WS_EX_DLGMODALFRAME) != 0 || dialogClass)
        return BorderKind::Dialog;
    return (style & win::WS_THICKFRAME) != 0 ? BorderKind::Sizeable : BorderKind::Fixed;
}

ShowState FrameGeometry::ShowStateOf(win::UINT showCommand) {
    switch (showCommand) {
    case 3: return ShowState::Maximised;
    case 2:
    case 6:
    case 7: return ShowState::Minimised;
    default: return ShowState::Normal;
    }
}

FrameBorders FrameGeometry::Borders(const TSkinElements& skin, BorderKind kind) {
    if (kind == BorderKind::NoCaption)
        return {};
    return FrameBorders{Across(skin.BorderLeft.get(), false), Across(skin.BorderTop.get(), true),
                        Across(skin.BorderRight.get(), false), Across(skin.BorderBottom.get(), true)};
}

win::RECT FrameGeometry::ClientFor(const win::RECT& window, const FrameBorders& b, int menuBarHeight) {
    return win::RECT{window.left + b.left, window.top + b.top + menuBarHeight, window.right - b.right,
                     window.bottom - b.bottom};
}

win::LRESULT FrameGeometry::HitTest(win::LRESULT systemAnswer, int y, const FrameBorders& b,
                                    int menuBarHeight) {
    if (systemAnswer != win::HTNOWHERE && systemAnswer != win::HTCAPTION)
        return systemAnswer;
    if (y <= 3)
        return systemAnswer;
    return y > b.top && menuBarHeight > 0 ? win::HTMENU : win::HTCAPTION;
}

bool FrameGeometry::CodeHolds(int code, bool secondCode, const WindowFacts& w, win::LRESULT answer) {
    const bool maximised = w.show == ShowState::Maximised;
    const bool systemMenu = (w.buttons & kHasSystemMenu) != 0;
    switch (code) {
    case 0: return true;
    case 1: return maximised;
    case 2: return !maximised;
    case 3: return w.active;
    case 4: return !w.active;
    case 5: return false;
    case 6:
    case 8: return secondCode ? MinOrMax(w) : MinOrMax(w) && systemMenu;
    case 7: return (w.buttons & kHasMaximiseBox) == 0;
    case 9: return (w.buttons & kHasMinimiseBox) == 0;
    case 10:
        return secondCode ? (w.buttons & kHasContextHelp) != 0
                          : (w.buttons & kHasContextHelp) != 0 && !MinOrMax(w);
    case 100: return w.mdiFrameWithMaximisedChild;
    case 200: return !secondCode && w.border == BorderKind::Dialog && !w.dialogClass;
    default: break;
    }
    if (code >= 201 && code <= 999)
        return !secondCode;
    if (code >= 1000 && code <= 2000)
        return !secondCode && answer > 0;
    return false;
}

bool FrameGeometry::ButtonShown(const TDataSkinSysButton& button, const WindowFacts& w, win::LRESULT answer) {
    if (!CodeHolds(button.Visibility, false, w, answer) || !CodeHolds(button.Visibility1, true, w, answer))
        return false;
    if (button.Action == 0 && (w.buttons & kHasSystemMenu) == 0)
        return false;
    const bool iconOrMenu = button.Action == 3 || button.Action == 11 || button.Action == 12;
    return !(iconOrMenu && w.border == BorderKind::Dialog);
}

bool FrameGeometry::ButtonEnabled(const TDataSkinSysButton& button, const WindowFacts& w) {
    const bool systemMenu = (w.buttons & kHasSystemMenu) != 0;
    if (button.Action == 1)
        return systemMenu && (w.buttons & kHasMaximiseBox) != 0;
    if (button.Action == 2)
        return systemMenu && (w.buttons & kHasMinimiseBox) != 0;
    return true;
}

win::SIZE FrameGeometry::ButtonSize(const TDataSkinSysButton& button) {
    if (button.Image.Empty())
        return {};
    return {button.Image.Width() / FramesOf(button), button.Image.Height()};
}

win::RECT FrameGeometry::ButtonRect(const TDataSkinSysButton& button, win::SIZE size, int width,
                                    const win::RECT& captionText, const FrameBorders& b, int menuBarHeight,
                                    int menuBarLeftEdge) {
    int x = button.XCoord, y = button.YCoord;
    switch (button.Align) {
    case 1: x = width - button.XCoord; break;
    case 2:
    case 8: x = captionText.left - size.cx - button.XCoord; break;
    case 3:
    case 9: x = button.XCoord + captionText.right; break;
    case 100:
        x = width - button.XCoord - b.right - menuBarLeftEdge;
        y = b.top + (menuBarHeight - size.cy) / 2;
        break;
    default: break;
    }
    return win::RECT{x, y, x + size.cx, y + size.cy};
}

int FrameGeometry::CaptionTextLeft(const TDataSkinTitle& title, int areaWidth, int blockWidth,
                                   bool rightToLeft, int rightOffset) {
    const int shift = title.LeftWidth(), rightClip = title.RightWidth();
    if (!rightToLeft) {
        int left = shift;
        switch (title.TextAlignment) {
        case 1: left = (areaWidth - blockWidth) / 2; break;
        case 2: left = areaWidth - rightClip - blockWidth; break;
        default: break;
        }
        // A caption wider than its room starts where a left-aligned one would, so that its beginning shows
        // and its end gives way to the ellipsis.
        return left < 0 ? shift : left;
    }
    int left = shift;
    switch (title.TextAlignment) {
    case 0: left = areaWidth - rightOffset - blockWidth; break;
    case 1: left = (areaWidth - rightOffset - blockWidth) / 2; break;
    default: break;
    }
    return left < 1 ? shift : left;
}

int FrameGeometry::CaptionTextTop(const TDataSkinTitle& title, int captionHeight, int textHeight) {
    return (captionHeight - textHeight) / 2 + title.TopHeight() / 2;
}

} // namespace skin
