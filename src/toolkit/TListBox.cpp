#include "toolkit/TListBox.h"

#include "toolkit/ItemLines.h"
#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
void DefineListBoxProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TListBox>("Items", &TListBox::Items, &TListBox::SetItems));
    p.push_back(IntegerProperty<TListBox>("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TControl::OnClickProperty());
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}
} // namespace

TK_IMPLEMENT_CLASS(TListBox, TWinControl, DefineListBoxProperties)

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
}

std::string TListBox::Items() const {
    return JoinItemLines(m_items);
}

void TListBox::SetItems(const std::string& lines) {
    SetItemList(SplitItemLines(lines));
}

// The choice survives new items while its index is still among them.
void TListBox::SetItemList(const std::vector<std::string>& items) {
    const int keep = ItemIndex();
    m_items = items;
    if (!IsLoading())
        m_itemIndex = keep < static_cast<int>(m_items.size()) ? keep : -1;
    m_topIndex = 0;
    if (HandleAllocated())
        PushItems();
}

int TListBox::ItemIndex() const {
    if (HandleAllocated())
        return static_cast<int>(
            win::SendMessageA(const_cast<TListBox*>(this)->Handle(), win::LB_GETCURSEL, 0, 0));
    return m_itemIndex;
}

// A layout may give the index before the items, so it is checked once the layout is read.
void TListBox::SetItemIndex(int index) {
    if (!IsLoading() && (index < -1 || index >= static_cast<int>(m_items.size())))
        throw PropertyError{"ItemIndex: " + std::to_string(index) + " is outside the " +
                            std::to_string(m_items.size()) + " items"};
    m_itemIndex = index;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::LB_SETCURSEL, static_cast<win::WPARAM>(m_itemIndex), 0);
}

int TListBox::TopIndex() const {
    if (HandleAllocated())
        return static_cast<int>(
            win::SendMessageA(const_cast<TListBox*>(this)->Handle(), win::LB_GETTOPINDEX, 0, 0));
    return m_topIndex;
}

void TListBox::Loaded() {
    TWinControl::Loaded();
    const int index = m_itemIndex;
    m_itemIndex = -1;
    SetItemIndex(index);
}

void TListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "listbox");
    params.Style |= win::LBS_NOTIFY | win::LBS_HASSTRINGS | win::LBS_NOINTEGRALHEIGHT | win::WS_VSCROLL;
    params.ExStyle |= win::WS_EX_CLIENTEDGE;
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
}

void TListBox::PushItems() {
    win::HWND h = Handle();
    win::SendMessageA(h, win::LB_RESETCONTENT, 0, 0);
    for (const std::string& item : m_items)
        win::SendMessageA(h, win::LB_ADDSTRING, 0, reinterpret_cast<win::LPARAM>(item.c_str()));
    win::SendMessageA(h, win::LB_SETCURSEL, static_cast<win::WPARAM>(m_itemIndex), 0);
    win::SendMessageA(h, win::LB_SETTOPINDEX, static_cast<win::WPARAM>(m_topIndex), 0);
}

void TListBox::CreateHandleDone() {
    PushItems();
}

void TListBox::DestroyWnd() {
    if (HandleAllocated()) {
        m_itemIndex = ItemIndex();
        m_topIndex = TopIndex();
    }
    TWinControl::DestroyWnd();
}

void TListBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::HIWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

void TListBox::CNCommand(win::WORD code) {
    if (code != win::LBN_SELCHANGE)
        return;
    m_itemIndex = ItemIndex();
    Click();
}

} // namespace tk
