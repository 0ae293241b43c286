#include "skin/controls/TSkinRadioButton.h"

#include "skin/controls/ControlProperties.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TControl.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinRadioButton, TSkinCheckControl, nullptr)

TSkinRadioButton::TSkinRadioButton(tk::TComponent* owner) : TSkinCheckControl(owner) {
}

const TSkinBitmap* TSkinRadioButton::GlyphImage() const {
    return Skin() && Skin()->Buttons ? &Skin()->Buttons->RadioImage : nullptr;
}

int TSkinRadioButton::GlyphFrameCount() const {
    return Skin() && Skin()->Buttons ? Skin()->Buttons->RadioFrameCount : 1;
}

int TSkinRadioButton::GlyphFrame(const ControlState& state) const {
    return RadioButtonFrame(state, GlyphFrameCount());
}

CheckState TSkinRadioButton::ReadCheck() const {
    bool checked = false;
    if (Control() && props::Has(*Control(), "Checked"))
        checked = props::Boolean(*Control(), "Checked").value_or(false);
    else
        checked = win::SendMessageA(Window(), win::BM_GETCHECK, 0, 0) ==
                  static_cast<win::LRESULT>(win::BST_CHECKED);
    return checked ? CheckState::Checked : CheckState::Unchecked;
}

} // namespace skin
