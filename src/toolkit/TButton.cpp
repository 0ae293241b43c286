#include "toolkit/TButton.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TCustomForm.h"

namespace tk {

namespace {
void DefineButtonProperties(std::vector<PropertyInfo>& p) {
    TButtonControl::DefineCommonProperties(p);
    p.push_back(BooleanProperty<TButton>("Default", &TButton::Default, &TButton::SetDefault));
    p.push_back(BooleanProperty<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel));
    p.push_back(IntegerProperty<TButton>("ModalResult", &TButton::ModalResult, &TButton::SetModalResult));
}

TCustomForm* ParentForm(TControl* control) {
    for (TControl* c = control; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}
} // namespace

TK_IMPLEMENT_CLASS(TButton, TButtonControl, DefineButtonProperties)

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
    if (value == m_default)
        return;
    m_default = value;
    SetActive(value);
}

void TButton::SetActive(bool active) {
    m_active = active;
    if (!HandleAllocated())
        return;
    auto style = static_cast<win::DWORD>(win::GetWindowLongA(Handle(), win::GWL_STYLE));
    if ((style & win::BS_TYPEMASK) == win::BS_OWNERDRAW)
        Invalidate(); // draws the ring itself
    else
        win::SendMessageA(Handle(), win::BM_SETSTYLE, active ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON, 1);
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= m_active ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON;
}

void TButton::Click() {
    if (m_modalResult != 0)
        if (TCustomForm* form = ParentForm(this))
            form->SetModalResult(m_modalResult);
    TButtonControl::Click();
}

void TButton::CMDialogKey(TMessage& m) {
    bool plain = (KeyboardShiftState() & (ssShift | ssCtrl | ssAlt)) == 0;
    if (plain &&
        ((m.WParam == static_cast<win::WPARAM>(win::VK_RETURN) && m_active) ||
         (m.WParam == static_cast<win::WPARAM>(win::VK_ESCAPE) && m_cancel)) &&
        CanFocus() && Showing()) {
        Click();
        m.Result = 1;
    }
}

void TButton::CMFocusChanged(TMessage& m) {
    auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
    bool active = dynamic_cast<TButton*>(focused) ? focused == this : m_default;
    if (active != m_active)
        SetActive(active);
}

void TButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::HIWORD(m.WParam)); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    case CM_FOCUSCHANGED: CMFocusChanged(m); return;
    }
    TButtonControl::WndProc(m);
}

void TButton::CNCommand(win::WORD code) {
    if (code == win::BN_CLICKED)
        Click();
}

} // namespace tk
