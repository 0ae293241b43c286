#include "skin/controls/TComboxScrollBar.h"

#include "skin/controls/TSkinCanvas.h"
#include "skin/data/TSkinData.h"
#include "skin/data/WinSkinData.h"

namespace skin {

namespace {

// Which element of SCROLLBARINFO.rgstate tells that a part is pressed, by part.
struct PressedState {
    int part;
    int index;
};
constexpr PressedState kPressedStates[] = {
    {sbpFirstArrow, 1}, {sbpTrackBefore, 2}, {sbpThumb, 3}, {sbpTrackAfter, 4}, {sbpSecondArrow, 5},
};
constexpr int kLargestBar = 0x7FFF;

} // namespace

TK_IMPLEMENT_CLASS(TComboxScrollBar, TSkinControl, nullptr)

TComboxScrollBar::TComboxScrollBar(tk::TComponent* owner) : TSkinControl(owner) {
}

bool TComboxScrollBar::CurrentLook(ScrollbarLook& look, win::RECT& where) const {
    if (Dead() || !DrawingOn() || !Skin() || !SkinDrawsScrollbars(*Skin()) || !win::IsWindowVisible(Window()))
        return false;
    win::SCROLLBARINFO info{};
    if (!WinSkinData::SkinGetScrollBarInfo(Window(), win::OBJID_VSCROLL, &info) ||
        (info.rgstate[0] & win::STATE_SYSTEM_INVISIBLE))
        return false;
    win::RECT window{};
    win::GetWindowRect(Window(), &window);
    where = info.rcScrollBar;
    win::OffsetRect(&where, -window.left, -window.top);
    look.vertical = true;
    look.length = where.bottom - where.top;
    look.breadth = where.right - where.left;
    if (look.length <= 0 || look.breadth <= 0 || look.length > kLargestBar || look.breadth > kLargestBar)
        return false;
    look.arrow = win::GetSystemMetrics(win::SM_CXHSCROLL);
    const int start = std::clamp(info.xyThumbTop, 0, look.length);
    look.thumb = {start, std::clamp(info.xyThumbBottom, start, look.length)};
    look.disabled = (info.rgstate[0] & win::STATE_SYSTEM_UNAVAILABLE) != 0;
    for (const PressedState& state : kPressedStates)
        if (info.rgstate[state.index] & win::STATE_SYSTEM_PRESSED) {
            look.hot = state.part;
            look.pressed = true;
        }
    return true;
}

void TComboxScrollBar::PaintBar() {
    ScrollbarLook look;
    win::RECT where{};
    if (!CurrentLook(look, where))
        return;
    win::HDC dc = win::GetWindowDC(Window());
    if (!dc)
        return;
    {
        OffscreenBuffer buffer(Canvas(), dc, look.breadth, look.length);
        if (buffer.Dc()) {
            win::SetStretchBltMode(buffer.Dc(), win::COLORONCOLOR);
            DrawScrollbar(buffer.Dc(), look, *Skin());
            buffer.Present(dc, where.left, where.top);
        }
    }
    win::ReleaseDC(Window(), dc);
}

void TComboxScrollBar::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_NCPAINT:
    case win::WM_PAINT:
    case win::WM_VSCROLL:
    case win::WM_MOUSEWHEEL:
    case win::WM_KEYDOWN:
    case win::WM_SHOWWINDOW:
    case win::WM_WINDOWPOSCHANGED:
    case win::WM_NCLBUTTONDOWN:
    case win::LB_SETTOPINDEX:
    case win::LB_SETCURSEL: PaintBar(); break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

} // namespace skin
