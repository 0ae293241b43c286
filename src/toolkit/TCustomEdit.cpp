#include "toolkit/TCustomEdit.h"

#include "toolkit/PropertyBuilders.h"

namespace tk {

void TCustomEdit::DefineEditProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TControl>("Text", &TControl::Text, &TControl::SetText));
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TControl::ParentColorProperty());
    p.push_back(
        IntegerProperty<TCustomEdit>("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength));
    p.push_back(BooleanProperty<TCustomEdit>("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly));
    p.push_back(EnumProperty<TCustomEdit>("BorderStyle", kBorderStyleInfo, &TCustomEdit::BorderStyle,
                                          &TCustomEdit::SetBorderStyle));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(EventProperty<TCustomEdit>("OnChange", &TCustomEdit::OnChange));
    p.push_back(TControl::OnClickProperty());
    p.push_back(TWinControl::OnKeyDownProperty());
    p.push_back(TWinControl::OnKeyUpProperty());
    p.push_back(TWinControl::OnKeyPressProperty());
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}

TK_IMPLEMENT_CLASS(TCustomEdit, TWinControl, &TCustomEdit::DefineEditProperties)
TK_IMPLEMENT_CLASS(TEdit, TCustomEdit, nullptr)

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
}

void TCustomEdit::SetMaxLength(int length) {
    m_maxLength = std::max(0, length);
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::EM_LIMITTEXT, static_cast<win::WPARAM>(m_maxLength), 0);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::EM_SETREADONLY, readOnly ? 1 : 0, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style != m_borderStyle) {
        m_borderStyle = style;
        RecreateWnd();
    }
}

void TCustomEdit::SelectAll() {
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::EM_SETSEL, 0, -1);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "edit");
    params.Style |= win::ES_AUTOHSCROLL | win::ES_AUTOVSCROLL;
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
    if (m_readOnly)
        params.Style |= win::ES_READONLY;
    if (m_borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= win::WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandleDone() {
    if (m_maxLength > 0)
        win::SendMessageA(Handle(), win::EM_LIMITTEXT, static_cast<win::WPARAM>(m_maxLength), 0);
}

void TCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::HIWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

void TCustomEdit::CNCommand(win::WORD code) {
    if (code != win::EN_CHANGE)
        return;
    int length = static_cast<int>(win::SendMessageA(Handle(), win::WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    int copied = static_cast<int>(win::SendMessageA(Handle(), win::WM_GETTEXT, text.size(),
                                                    reinterpret_cast<win::LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
    StoreCaption(std::move(text));
    Change();
}

} // namespace tk
