#include "toolkit/TComboBox.h"

#include "toolkit/ItemLines.h"
#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ScopedFlag() { m_flag = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& m_flag;
};

const EnumInfo kComboStyleInfo{"TComboBoxStyle", {"csDropDown", "csDropDownList"}};

void DefineComboBoxProperties(std::vector<PropertyInfo>& p) {
    p.push_back(EnumProperty<TComboBox>("Style", kComboStyleInfo, &TComboBox::Style, &TComboBox::SetStyle));
    p.push_back(StringProperty<TComboBox>("Items", &TComboBox::Items, &TComboBox::SetItems));
    p.push_back(IntegerProperty<TComboBox>("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex));
    p.push_back(StringProperty<TComboBox>("Text", &TComboBox::Text, &TComboBox::SetText));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(EventProperty<TComboBox>("OnChange", &TComboBox::OnChange));
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}
} // namespace

TK_IMPLEMENT_CLASS(TComboBox, TWinControl, DefineComboBoxProperties)

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
}

std::string TComboBox::Items() const {
    return JoinItemLines(m_items);
}

void TComboBox::SetItems(const std::string& lines) {
    SetItemList(SplitItemLines(lines));
}

// The choice survives new items while its index is still among them.
void TComboBox::SetItemList(const std::vector<std::string>& items) {
    const int keep = ItemIndex();
    m_items = items;
    if (!IsLoading())
        m_itemIndex = keep < static_cast<int>(m_items.size()) ? keep : -1;
    if (HandleAllocated())
        PushItems();
}

int TComboBox::ItemIndex() const {
    if (HandleAllocated())
        return static_cast<int>(
            win::SendMessageA(const_cast<TComboBox*>(this)->Handle(), win::CB_GETCURSEL, 0, 0));
    return m_itemIndex;
}

void TComboBox::CheckIndex(int index) const {
    if (index < -1 || index >= static_cast<int>(m_items.size()))
        throw PropertyError{"ItemIndex: " + std::to_string(index) + " is outside the " +
                            std::to_string(m_items.size()) + " items"};
}

// A layout may give the index before the items, so it is checked once the layout is read.
void TComboBox::SetItemIndex(int index) {
    if (!IsLoading())
        CheckIndex(index);
    m_itemIndex = index;
    if (m_itemIndex >= 0 && m_itemIndex < static_cast<int>(m_items.size()))
        m_text = m_items[static_cast<std::size_t>(m_itemIndex)];
    if (HandleAllocated()) {
        const ScopedFlag pushing(m_pushing);
        win::SendMessageA(Handle(), win::CB_SETCURSEL, static_cast<win::WPARAM>(m_itemIndex), 0);
    }
}

void TComboBox::Loaded() {
    TWinControl::Loaded();
    const int index = m_itemIndex;
    m_itemIndex = -1;
    SetItemIndex(index);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style != m_style) {
        m_style = style;
        RecreateWnd();
    }
}

std::string TComboBox::WindowText() const {
    win::HWND h = const_cast<TComboBox*>(this)->Handle();
    const int length = static_cast<int>(win::SendMessageA(h, win::WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = static_cast<int>(
        win::SendMessageA(h, win::WM_GETTEXT, text.size(), reinterpret_cast<win::LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, std::max(length, 0))));
    return text;
}

std::string TComboBox::Text() const {
    if (HandleAllocated())
        return WindowText();
    if (m_style == TComboBoxStyle::csDropDownList)
        return m_itemIndex >= 0 && m_itemIndex < static_cast<int>(m_items.size())
                   ? m_items[static_cast<std::size_t>(m_itemIndex)]
                   : std::string();
    return m_text;
}

// A drop-down list can only show an item: the text picks the item that has it, or none.
void TComboBox::SetText(const std::string& text) {
    if (m_style == TComboBoxStyle::csDropDownList) {
        auto it = std::find(m_items.begin(), m_items.end(), text);
        SetItemIndex(it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin()));
        return;
    }
    m_text = text;
    if (HandleAllocated())
        PushText();
}

void TComboBox::PushText() {
    const ScopedFlag pushing(m_pushing);
    win::SendMessageA(Handle(), win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(m_text.c_str()));
}

void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "combobox");
    // No WS_VSCROLL: the drop-down list gets its bar when its items need one, and the box itself none.
    params.Style |= win::CBS_AUTOHSCROLL |
                    (m_style == TComboBoxStyle::csDropDownList ? win::CBS_DROPDOWNLIST : win::CBS_DROPDOWN);
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
}

void TComboBox::PushItems() {
    const ScopedFlag pushing(m_pushing);
    win::HWND h = Handle();
    win::SendMessageA(h, win::CB_RESETCONTENT, 0, 0);
    for (const std::string& item : m_items)
        win::SendMessageA(h, win::CB_ADDSTRING, 0, reinterpret_cast<win::LPARAM>(item.c_str()));
    win::SendMessageA(h, win::CB_SETCURSEL, static_cast<win::WPARAM>(m_itemIndex), 0);
}

void TComboBox::CreateHandleDone() {
    PushItems();
    if (m_style == TComboBoxStyle::csDropDown && m_itemIndex < 0)
        PushText();
}

void TComboBox::DestroyWnd() {
    if (HandleAllocated()) {
        m_itemIndex = ItemIndex();
        m_text = WindowText();
    }
    TWinControl::DestroyWnd();
}

void TComboBox::Change() {
    if (OnChange)
        OnChange(this);
}

void TComboBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::HIWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

void TComboBox::CNCommand(win::WORD code) {
    if (m_pushing || (code != win::CBN_SELCHANGE && code != win::CBN_EDITCHANGE))
        return;
    m_itemIndex = ItemIndex();
    m_text = WindowText();
    Change();
}

} // namespace tk
