#include "toolkit/TPopupMenu.h"

#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
void DefinePopupMenuProperties(std::vector<PropertyInfo>& p) {
    p.push_back(ObjectProperty<TPopupMenu>("Items", &TPopupMenu::Items));
    p.push_back(BooleanProperty<TPopupMenu>("OwnerDraw", &TPopupMenu::OwnerDraw, &TPopupMenu::SetOwnerDraw));
    p.push_back(BooleanProperty<TPopupMenu>("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup));
    p.push_back(EventProperty<TPopupMenu>("OnPopup", &TPopupMenu::OnPopup));
}
} // namespace

TK_IMPLEMENT_CLASS(TPopupMenu, TComponent, DefinePopupMenuProperties)

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), m_items(new TMenuItem(this)) {
    m_items->m_menu = this;
}

TPopupMenu::~TPopupMenu() {
    // The items go before the window their menu talks to.
    DestroyComponents();
}

win::HMENU TPopupMenu::BuildMenu(TMenuItem* parent) const {
    win::HMENU menu = win::CreatePopupMenu();
    win::UINT position = 0;
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible())
            continue;
        win::MENUITEMINFOA info;
        info.fMask = win::MIIM_FTYPE | win::MIIM_STATE | win::MIIM_ID | win::MIIM_DATA | win::MIIM_STRING;
        info.fType = item->IsLine() ? win::MFT_SEPARATOR : win::MFT_STRING;
        if (m_ownerDraw)
            info.fType |= win::MFT_OWNERDRAW;
        info.fState = (item->Enabled() ? 0 : win::MFS_GRAYED) | (item->Checked() ? win::MFS_CHECKED : 0);
        info.wID = item->Command();
        info.dwItemData = reinterpret_cast<win::ULONG_PTR>(item);
        std::string caption = item->Caption();
        if (!item->ShortCutText().empty())
            caption += "\t" + item->ShortCutText();
        info.dwTypeData = caption.data();
        info.cch = static_cast<win::UINT>(caption.size());
        if (item->Count() > 0) {
            info.fMask |= win::MIIM_SUBMENU;
            info.hSubMenu = BuildMenu(item);
        }
        win::InsertMenuItemA(menu, position++, win::TRUE, &info);
    }
    return menu;
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup)
        OnPopup(this);
    if (!m_window)
        m_window =
            std::make_unique<UtilityWindow>([this](win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
                return WindowMessage(msg, wParam, lParam);
            });
    win::HMENU menu = BuildMenu(m_items);
    auto command = static_cast<win::UINT>(
        win::TrackPopupMenu(menu, win::TPM_RETURNCMD | win::TPM_LEFTALIGN | win::TPM_RIGHTBUTTON, x, y, 0,
                            m_window->Handle(), nullptr));
    win::DestroyMenu(menu);
    if (command != 0)
        if (TMenuItem* item = m_items->FindByCommand(command))
            item->Click();
}

win::LRESULT TPopupMenu::WindowMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
    case win::WM_MEASUREITEM:
        if (WMMeasureItem(reinterpret_cast<win::MEASUREITEMSTRUCT*>(lParam)))
            return win::TRUE;
        break;
    case win::WM_DRAWITEM:
        if (WMDrawItem(reinterpret_cast<const win::DRAWITEMSTRUCT*>(lParam)))
            return win::TRUE;
        break;
    }
    return win::DefWindowProcA(m_window->Handle(), msg, wParam, lParam);
}

// False when the item is not one of the menu's own.
bool TPopupMenu::WMMeasureItem(win::MEASUREITEMSTRUCT* measure) {
    if (!measure || measure->CtlType != win::ODT_MENU || !measure->itemData)
        return false;
    auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
    int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
    win::HDC dc = win::GetDC(nullptr);
    item->MeasureItem(dc, width, height);
    win::ReleaseDC(nullptr, dc);
    measure->itemWidth = static_cast<win::UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<win::UINT>(std::max(height, 0));
    return true;
}

bool TPopupMenu::WMDrawItem(const win::DRAWITEMSTRUCT* draw) {
    if (!draw || draw->CtlType != win::ODT_MENU || !draw->itemData)
        return false;
    auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
    item->DrawItem(draw->hDC, draw->rcItem, (draw->itemState & win::ODS_SELECTED) != 0);
    return true;
}

} // namespace tk
