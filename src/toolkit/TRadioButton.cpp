#include "toolkit/TRadioButton.h"

#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
void DefineRadioButtonProperties(std::vector<PropertyInfo>& p) {
    TButtonControl::DefineCommonProperties(p);
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentColorProperty());
    p.push_back(BooleanProperty<TRadioButton>("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked));
    p.push_back(EnumProperty<TRadioButton>("Alignment", kLeftRightInfo, &TRadioButton::Alignment,
                                           &TRadioButton::SetAlignment));
}
} // namespace

TK_IMPLEMENT_CLASS(TRadioButton, TButtonControl, DefineRadioButtonProperties)

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetParentColor(true);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::BM_SETCHECK, checked ? win::BST_CHECKED : win::BST_UNCHECKED, 0);
    if (checked && !IsLoading())
        TurnSiblingsOff();
}

void TRadioButton::TurnSiblingsOff() {
    if (!Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
            other->SetChecked(false);
}

void TRadioButton::Loaded() {
    TButtonControl::Loaded();
    if (m_checked)
        TurnSiblingsOff();
}

void TRadioButton::SetAlignment(TLeftRight alignment) {
    if (alignment != m_alignment) {
        m_alignment = alignment;
        RecreateWnd();
    }
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= win::BS_RADIOBUTTON;
    if (m_alignment == TLeftRight::taLeftJustify)
        params.Style |= win::BS_LEFTTEXT;
}

void TRadioButton::CreateHandleDone() {
    win::SendMessageA(Handle(), win::BM_SETCHECK, m_checked ? win::BST_CHECKED : win::BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::HIWORD(m.WParam)); return;
    }
    TButtonControl::WndProc(m);
}

void TRadioButton::CNCommand(win::WORD code) {
    if (code != win::BN_CLICKED)
        return;
    SetChecked(true);
    Click();
}

} // namespace tk
