#include "skin/controls/TSkinMenuButton.h"

#include "skin/controls/SkinPainting.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinMenuButton, TSkinBitButton, nullptr)

TSkinMenuButton::TSkinMenuButton(tk::TComponent* owner) : TSkinBitButton(owner) {
}

void TSkinMenuButton::DrawFace(win::HDC dc, const win::RECT& rect, const ControlState& state) {
    const int split = rect.right - kDropPartWidth;
    if (split - rect.left < kDropPartWidth) {
        TSkinBitButton::DrawFace(dc, rect, state);
        return;
    }
    TSkinBitButton::DrawFace(dc, win::RECT{rect.left, rect.top, split, rect.bottom}, state);
    DrawDropArrow(dc, win::RECT{split, rect.top, rect.right, rect.bottom}, TextColour(state));
}

} // namespace skin
