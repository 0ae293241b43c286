#include "skin/controls/TSkinCheckBox.h"

#include "skin/controls/ControlProperties.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TControl.h"

#include <algorithm>
#include <cctype>

namespace skin {

namespace {

CheckState FromButtonState(win::WPARAM state) {
    switch (state & 3) {
    case win::BST_CHECKED: return CheckState::Checked;
    case win::BST_INDETERMINATE: return CheckState::Mixed;
    default: return CheckState::Unchecked;
    }
}

// "cbUnchecked", "cbChecked", "cbGrayed" and the like, by what their names say.
CheckState FromStateName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name.find("uncheck") != std::string::npos)
        return CheckState::Unchecked;
    if (name.find("check") != std::string::npos)
        return CheckState::Checked;
    if (name.find("gray") != std::string::npos)
        return CheckState::Mixed;
    return CheckState::Unchecked;
}

} // namespace

TK_IMPLEMENT_CLASS(TSkinCheckBox, TSkinCheckControl, nullptr)

TSkinCheckBox::TSkinCheckBox(tk::TComponent* owner) : TSkinCheckControl(owner) {
}

const TSkinBitmap* TSkinCheckBox::GlyphImage() const {
    return Skin() && Skin()->Buttons ? &Skin()->Buttons->CheckImage : nullptr;
}

int TSkinCheckBox::GlyphFrameCount() const {
    return Skin() && Skin()->Buttons ? Skin()->Buttons->CheckFrameCount : 1;
}

int TSkinCheckBox::GlyphFrame(const ControlState& state) const {
    return CheckBoxFrame(state, GlyphFrameCount());
}

CheckState TSkinCheckBox::ReadCheck() const {
    const win::LRESULT buttonState = ButtonState();
    CheckState check = FromButtonState(static_cast<win::WPARAM>(buttonState));
    if (const tk::TControl* control = Control()) {
        if (auto state = props::Text(*control, "State"))
            check = FromStateName(*state);
        else if (auto checked = props::Boolean(*control, "Checked"))
            check = *checked ? CheckState::Checked : CheckState::Unchecked;
        if (props::Has(*control, "DataField"))
            check = FromButtonState(m_lastSetCheck);
        if (props::Has(*control, "DataBinding"))
            check = CheckState::Unchecked;
    }
    if ((buttonState & 3) == static_cast<win::LRESULT>(win::BST_INDETERMINATE))
        check = CheckState::Mixed;
    return check;
}

} // namespace skin
