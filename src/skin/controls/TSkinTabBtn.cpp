#include "skin/controls/TSkinTabBtn.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TDataSkinButton.h"
#include "skin/data/TSkinData.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinTabBtn, TSkinTab, nullptr)

TSkinTabBtn::TSkinTabBtn(tk::TComponent* owner) : TSkinTab(owner) {
}

// The selected tab stays down whether or not the pointer is over it; the focus shows on it alone.
ControlState TSkinTabBtn::TabState(bool selected, bool hot, bool focused, bool disabled) {
    ControlState state;
    state.disabled = disabled;
    state.focused = selected && focused;
    state.pressed = selected && !state.focused;
    state.hot = hot && !selected;
    return state;
}

bool TSkinTabBtn::Skinned() const {
    return Skin() && HasImage(Skin()->Buttons.get()) && ButtonStyle(WindowStyle());
}

void TSkinTabBtn::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skinned())
        return;
    // Around the buttons the face colour, as the control's own drawing fills it, or what the parent shows.
    if (Transparent())
        PaintParentBackground(Window(), dc);
    else
        FillSolid(dc, rect, FaceColour());
    const int count = TabCount();
    const int selected = SelectedTab();
    const bool focused = HasFocus(), disabled = WindowDisabled();
    for (int i = 0; i < count; ++i)
        DrawButton(dc, i, TabState(i == selected, i == HotTab(), focused, disabled));
}

void TSkinTabBtn::DrawButton(win::HDC dc, int index, const ControlState& state) {
    win::RECT button{};
    if (!TabRect(index, button) || button.right <= button.left || button.bottom <= button.top)
        return;
    DrawElementFrame(dc, button, *Skin()->Buttons, PushButtonFrame(state));
    DrawCaption(dc, button, TabText(index), FontHandle(), TextColour(state), win::DT_CENTER);
}

// The push button's text colours: the element's own for each state where it has one.
win::COLORREF TSkinTabBtn::TextColour(const ControlState& state) const {
    return PushButtonTextColour(*Skin()->Buttons, state, FontColour());
}

} // namespace skin
