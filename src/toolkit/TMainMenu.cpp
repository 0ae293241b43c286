#include "toolkit/TMainMenu.h"

#include "toolkit/Messages.h"
#include "toolkit/TCustomForm.h"

#include <algorithm>

namespace tk {

namespace {
bool Holds(const TMenuItem* parent, const TMenuItem* wanted) {
    for (int i = 0; i < parent->Count(); ++i)
        if (parent->Items(i) == wanted || Holds(parent->Items(i), wanted))
            return true;
    return false;
}
} // namespace

TK_IMPLEMENT_CLASS(TMainMenu, TPopupMenu, nullptr)

TMainMenu::TMainMenu(TComponent* owner) : TPopupMenu(owner) {
}

TMainMenu::~TMainMenu() {
    if (m_form)
        m_form->SetMenu(nullptr);
}

win::HMENU TMainMenu::BuildBar() const {
    // The drop-downs are built as a popup menu would be; the bar is the same list made a bar.
    win::HMENU built = BuildMenu(Items());
    win::HMENU bar = win::CreateMenu();
    const int count = win::GetMenuItemCount(built);
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        win::MENUITEMINFOA info;
        info.fMask = win::MIIM_FTYPE | win::MIIM_STATE | win::MIIM_ID | win::MIIM_DATA | win::MIIM_STRING |
                     win::MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!win::GetMenuItemInfoA(built, static_cast<win::UINT>(i), win::TRUE, &info))
            continue;
        info.cch = static_cast<win::UINT>(std::char_traits<char>::length(text));
        win::InsertMenuItemA(bar, static_cast<win::UINT>(i), win::TRUE, &info);
    }
    // The drop-downs now belong to the bar; only the emptied list goes.
    while (win::GetMenuItemCount(built) > 0)
        win::RemoveMenu(built, 0, win::MF_BYPOSITION);
    win::DestroyMenu(built);
    return bar;
}

void TMainMenu::Changed() {
    if (m_form && m_form->HandleAllocated())
        win::SendMessageA(m_form->Handle(), CM_MENUCHANGED, 0, 0);
}

TMenuItem* TMainMenu::ItemFromData(win::ULONG_PTR data) const {
    // Item data is only compared, never followed, until it is known to be one of ours.
    auto* candidate = reinterpret_cast<const TMenuItem*>(data);
    return candidate && Holds(Items(), candidate) ? const_cast<TMenuItem*>(candidate) : nullptr;
}

bool TMainMenu::DispatchCommand(win::UINT command) {
    if (command == 0)
        return false;
    for (int i = 0; i < Items()->Count(); ++i)
        if (TMenuItem* item = Items()->Items(i)->FindByCommand(command)) {
            item->Click();
            return true;
        }
    return false;
}

bool TMainMenu::MeasureMenuItem(win::MEASUREITEMSTRUCT* measure) {
    if (!measure || measure->CtlType != win::ODT_MENU)
        return false;
    TMenuItem* item = ItemFromData(measure->itemData);
    if (!item)
        return false;
    int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
    win::HDC dc = win::GetDC(nullptr);
    item->MeasureItem(dc, width, height);
    win::ReleaseDC(nullptr, dc);
    measure->itemWidth = static_cast<win::UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<win::UINT>(std::max(height, 0));
    return true;
}

bool TMainMenu::DrawMenuItem(const win::DRAWITEMSTRUCT* draw) {
    if (!draw || draw->CtlType != win::ODT_MENU)
        return false;
    TMenuItem* item = ItemFromData(draw->itemData);
    if (!item)
        return false;
    item->DrawItem(draw->hDC, draw->rcItem, (draw->itemState & win::ODS_SELECTED) != 0);
    return true;
}

} // namespace tk
