#include "toolkit/TToolBar.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TToolButton.h"

#include <algorithm>

namespace tk {

namespace {
constexpr int kSeparatorWidth = 8;

void DefineToolBarProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<TToolBar>("ButtonCount", &TToolBar::ButtonCount));
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
}

// A button's command number is its place plus one, as zero is no command.
win::WPARAM CommandOf(int index) {
    return static_cast<win::WPARAM>(index + 1);
}

win::BYTE StateOf(const TToolButton& button) {
    win::BYTE state = button.Enabled() ? win::TBSTATE_ENABLED : 0;
    if (button.Down())
        state |= button.Style() == TToolButtonStyle::tbsCheck ? win::TBSTATE_CHECKED : win::TBSTATE_PRESSED;
    return state;
}

win::BYTE NativeStyle(TToolButtonStyle style) {
    switch (style) {
    case TToolButtonStyle::tbsCheck: return win::BTNS_CHECK;
    case TToolButtonStyle::tbsSeparator: return win::BTNS_SEP;
    default: return win::BTNS_BUTTON;
    }
}
} // namespace

TK_IMPLEMENT_CLASS(TToolBar, TWinControl, DefineToolBarProperties)

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 29);
}

TToolBar::~TToolBar() {
    // The buttons belong to the owner and may outlive the bar; they must not call back into it.
    for (TToolButton* button : m_buttons)
        button->m_bar = nullptr;
}

TToolButton* TToolBar::Buttons(int index) const {
    return index >= 0 && index < ButtonCount() ? m_buttons[static_cast<std::size_t>(index)] : nullptr;
}

int TToolBar::IndexOfButton(const TToolButton* button) const {
    auto it = std::find(m_buttons.begin(), m_buttons.end(), button);
    return it == m_buttons.end() ? -1 : static_cast<int>(it - m_buttons.begin());
}

void TToolBar::AttachButton(TToolButton* button) {
    if (button->m_bar == this)
        return;
    if (button->m_bar)
        button->m_bar->DetachButton(button);
    button->m_bar = this;
    m_buttons.push_back(button);
    UpdateButtons();
}

void TToolBar::DetachButton(TToolButton* button) {
    m_buttons.erase(std::remove(m_buttons.begin(), m_buttons.end(), button), m_buttons.end());
    button->m_bar = nullptr;
    UpdateButtons();
}

// The native bar takes a limited number of buttons; the ones beyond it are kept but not shown.
void TToolBar::UpdateButtons() {
    if (!HandleAllocated())
        return;
    win::HWND h = Handle();
    while (win::SendMessageA(h, win::TB_BUTTONCOUNT, 0, 0) > 0)
        win::SendMessageA(h, win::TB_DELETEBUTTON, 0, 0);
    const int count = std::min(ButtonCount(), win::kToolBarMaxButtons);
    std::vector<win::TBBUTTON> native(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const TToolButton& button = *m_buttons[static_cast<std::size_t>(i)];
        win::TBBUTTON& b = native[static_cast<std::size_t>(i)];
        b.idCommand = static_cast<int>(CommandOf(i));
        b.fsStyle = NativeStyle(button.Style());
        b.fsState = StateOf(button);
        b.iBitmap = button.Style() == TToolButtonStyle::tbsSeparator ? kSeparatorWidth : 0;
        b.iString = reinterpret_cast<win::INT_PTR>(button.Caption().c_str());
    }
    if (!native.empty())
        win::SendMessageA(h, win::TB_ADDBUTTONSA, native.size(),
                          reinterpret_cast<win::LPARAM>(native.data()));
    win::SendMessageA(h, win::TB_AUTOSIZE, 0, 0);
}

void TToolBar::UpdateButtonState(TToolButton* button) {
    const int index = IndexOfButton(button);
    if (HandleAllocated() && index >= 0 && index < win::kToolBarMaxButtons)
        win::SendMessageA(Handle(), win::TB_SETSTATE, CommandOf(index), StateOf(*button));
}

void TToolBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, win::TOOLBARCLASSNAMEA);
    params.Style |= win::CCS_TOP;
}

void TToolBar::CreateHandleDone() {
    win::SendMessageA(Handle(), win::TB_BUTTONSTRUCTSIZE, sizeof(win::TBBUTTON), 0);
    UpdateButtons();
}

void TToolBar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::LOWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

// A check button has already toggled when its command comes; its Down follows the native state.
void TToolBar::CNCommand(win::WORD command) {
    TToolButton* button = Buttons(static_cast<int>(command) - 1);
    if (!button || !button->Enabled())
        return;
    if (button->Style() == TToolButtonStyle::tbsCheck)
        button->m_down = win::SendMessageA(Handle(), win::TB_ISBUTTONCHECKED, command, 0) != 0;
    button->Click();
}

} // namespace tk
