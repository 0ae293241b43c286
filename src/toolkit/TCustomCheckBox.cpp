#include "toolkit/TCustomCheckBox.h"

#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
void DefineCheckBoxProperties(std::vector<PropertyInfo>& p) {
    TButtonControl::DefineCommonProperties(p);
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentColorProperty());
    p.push_back(EnumProperty<TCustomCheckBox>("State", kCheckBoxStateInfo, &TCustomCheckBox::State,
                                              &TCustomCheckBox::SetState));
    p.push_back(
        BooleanProperty<TCustomCheckBox>("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked));
    p.push_back(BooleanProperty<TCustomCheckBox>("AllowGrayed", &TCustomCheckBox::AllowGrayed,
                                                 &TCustomCheckBox::SetAllowGrayed));
    p.push_back(EnumProperty<TCustomCheckBox>("Alignment", kLeftRightInfo, &TCustomCheckBox::Alignment,
                                              &TCustomCheckBox::SetAlignment));
}
} // namespace

TK_IMPLEMENT_CLASS(TCustomCheckBox, TButtonControl, DefineCheckBoxProperties)
TK_IMPLEMENT_CLASS(TCheckBox, TCustomCheckBox, nullptr)

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetParentColor(true);
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
    if (state == m_state)
        return;
    m_state = state;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::BM_SETCHECK, static_cast<win::WPARAM>(m_state), 0);
}

void TCustomCheckBox::SetAlignment(TLeftRight alignment) {
    if (alignment != m_alignment) {
        m_alignment = alignment;
        RecreateWnd();
    }
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= win::BS_3STATE;
    if (m_alignment == TLeftRight::taLeftJustify)
        params.Style |= win::BS_LEFTTEXT;
}

void TCustomCheckBox::CreateHandleDone() {
    win::SendMessageA(Handle(), win::BM_SETCHECK, static_cast<win::WPARAM>(m_state), 0);
}

void TCustomCheckBox::Toggle() {
    switch (m_state) {
    case TCheckBoxState::cbUnchecked:
        SetState(m_allowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
    case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
    }
}

void TCustomCheckBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::HIWORD(m.WParam)); return;
    }
    TButtonControl::WndProc(m);
}

void TCustomCheckBox::CNCommand(win::WORD code) {
    if (code != win::BN_CLICKED)
        return;
    Toggle();
    Click();
}

} // namespace tk
