// The menu functions of user32 over MenuModel.
#include "platform/controls/MenuModel.h"

#include <cstring>

namespace win {

using controls::MenuItem;
using controls::MenuModel;

namespace {

bool ValidInfoSize(const MENUITEMINFOA* info) {
    return info &&
           (info->cbSize == sizeof(MENUITEMINFOA) || info->cbSize == sizeof(MENUITEMINFOA) - sizeof(HBITMAP));
}

bool Insert(HMENU menu, UINT position, bool byPosition, MenuItem item) {
    if (!MenuModel::Valid(menu))
        return false;
    if (item.sub == menu) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    size_t index = menu->items.size();
    HMENU target = menu;
    if (byPosition) {
        if (position != static_cast<UINT>(-1) && position < menu->items.size())
            index = position;
    } else {
        size_t found;
        if (HMENU m = MenuModel::Find(menu, position, false, &found)) {
            target = m;
            index = found;
        }
    }
    target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    return true;
}

void ApplyInfo(MenuItem& it, const MENUITEMINFOA* info) {
    const UINT mask = info->fMask;
    if (mask & MIIM_TYPE) {
        it.type = info->fType;
        if (it.OwnerDraw())
            it.data = info->dwItemData;
        else if (it.type & MFT_BITMAP)
            it.bitmap = reinterpret_cast<HBITMAP>(info->dwTypeData);
        else if (!it.Separator())
            it.text = info->dwTypeData ? info->dwTypeData : "";
    }
    if (mask & MIIM_FTYPE)
        it.type = (it.type & MFT_BITMAP) | (info->fType & ~MFT_BITMAP);
    if ((mask & MIIM_STRING) && !it.Separator())
        it.text = info->dwTypeData ? info->dwTypeData : "";
    if (mask & MIIM_STATE)
        it.state = info->fState;
    if (mask & MIIM_ID)
        it.id = info->wID;
    if (mask & MIIM_SUBMENU)
        it.sub = info->hSubMenu ? MenuModel::Valid(info->hSubMenu) : nullptr;
    if (mask & MIIM_DATA)
        it.data = info->dwItemData;
    if (mask & MIIM_CHECKMARKS) {
        it.checked = info->hbmpChecked;
        it.unchecked = info->hbmpUnchecked;
    }
    if ((mask & MIIM_BITMAP) && info->cbSize == sizeof(MENUITEMINFOA))
        it.bitmap = info->hbmpItem;
}

UINT StateFlags(const MenuItem& it) {
    UINT f = it.type | it.state;
    if (it.sub)
        f |= MF_POPUP;
    return f;
}

} // namespace

HMENU CreateMenu() {
    return MenuModel::Create(false);
}
HMENU CreatePopupMenu() {
    return MenuModel::Create(true);
}

BOOL DestroyMenu(HMENU menu) {
    if (!MenuModel::Valid(menu))
        return FALSE;
    MenuModel::Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return MenuModel::Valid(menu) ? TRUE : FALSE;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    return InsertMenuA(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, id, text);
}
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR text) {
    return AppendMenuA(menu, flags, id, text);
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    MenuItem it = MenuModel::FromFlags(flags, id, text);
    if ((flags & MF_POPUP) && !it.sub)
        return FALSE;
    return Insert(menu, position, (flags & MF_BYPOSITION) != 0, std::move(it)) ? TRUE : FALSE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    size_t index;
    HMENU m = MenuModel::Find(menu, position, (flags & MF_BYPOSITION) != 0, &index);
    if (!m)
        return FALSE;
    MenuItem it = MenuModel::FromFlags(flags, id, text);
    if ((flags & MF_POPUP) && !it.sub)
        return FALSE;
    m->items[index] = std::move(it);
    return TRUE;
}

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
    if (!ValidInfoSize(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    MenuItem it;
    ApplyInfo(it, info);
    return Insert(menu, item, byPosition != 0, std::move(it)) ? TRUE : FALSE;
}
BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
    return InsertMenuItemA(menu, item, byPosition, info);
}

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info) {
    if (!ValidInfoSize(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    size_t index;
    HMENU m = MenuModel::Find(menu, item, byPosition != 0, &index);
    if (!m)
        return FALSE;
    const MenuItem& it = m->items[index];
    const UINT mask = info->fMask;
    if (mask & (MIIM_TYPE | MIIM_FTYPE))
        info->fType = it.type;
    if (mask & (MIIM_TYPE | MIIM_STRING)) {
        const bool isText = !it.Separator() && !it.OwnerDraw() && !(it.type & MFT_BITMAP);
        if ((mask & MIIM_TYPE) && it.OwnerDraw()) {
            info->dwTypeData = reinterpret_cast<LPSTR>(it.data);
        } else if ((mask & MIIM_TYPE) && (it.type & MFT_BITMAP)) {
            info->dwTypeData = reinterpret_cast<LPSTR>(it.bitmap);
        } else if (isText && info->dwTypeData && info->cch > 0) {
            const size_t n = std::min<size_t>(it.text.size(), info->cch - 1);
            std::memcpy(info->dwTypeData, it.text.data(), n);
            info->dwTypeData[n] = '\0';
            info->cch = static_cast<UINT>(n);
        } else {
            info->cch = isText ? static_cast<UINT>(it.text.size()) : 0;
        }
    }
    if (mask & MIIM_STATE)
        info->fState = it.state;
    if (mask & MIIM_ID)
        info->wID = it.id;
    if (mask & MIIM_SUBMENU)
        info->hSubMenu = it.sub;
    if (mask & MIIM_DATA)
        info->dwItemData = it.data;
    if (mask & MIIM_CHECKMARKS) {
        info->hbmpChecked = it.checked;
        info->hbmpUnchecked = it.unchecked;
    }
    if ((mask & MIIM_BITMAP) && info->cbSize == sizeof(MENUITEMINFOA))
        info->hbmpItem = it.bitmap;
    return TRUE;
}
BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info) {
    return GetMenuItemInfoA(menu, item, byPosition, info);
}

BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
    if (!ValidInfoSize(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    size_t index;
    HMENU m = MenuModel::Find(menu, item, byPosition != 0, &index);
    if (!m)
        return FALSE;
    if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu == m)
        return FALSE;
    ApplyInfo(m->items[index], info);
    return TRUE;
}
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
    return SetMenuItemInfoA(menu, item, byPosition, info);
}

int GetMenuItemCount(HMENU menu) {
    return MenuModel::Valid(menu) ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    if (!MenuModel::Valid(menu) || position < 0 || static_cast<size_t>(position) >= menu->items.size())
        return static_cast<UINT>(-1);
    const MenuItem& it = menu->items[static_cast<size_t>(position)];
    return it.sub ? static_cast<UINT>(-1) : it.id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    if (!MenuModel::Valid(menu) || position < 0 || static_cast<size_t>(position) >= menu->items.size())
        return nullptr;
    HMENU sub = menu->items[static_cast<size_t>(position)].sub;
    return sub && sub->alive ? sub : nullptr;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    size_t index;
    HMENU m = MenuModel::Find(menu, item, (flags & MF_BYPOSITION) != 0, &index);
    if (!m)
        return static_cast<UINT>(-1);
    const MenuItem& it = m->items[index];
    UINT f = StateFlags(it);
    if (it.sub && it.sub->alive)
        f = (f & 0xFF) | static_cast<UINT>(std::min<size_t>(it.sub->items.size(), 0xFF)) << 8;
    return f;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags) {
    size_t index;
    HMENU m = MenuModel::Find(menu, item, (flags & MF_BYPOSITION) != 0, &index);
    if (!m)
        return 0;
    const std::string s = MenuModel::Label(m->items[index]);
    if (!buffer || size <= 0)
        return static_cast<int>(s.size());
    const size_t n = std::min(s.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    size_t index;
    HMENU m = MenuModel::Find(menu, item, (enable & MF_BYPOSITION) != 0, &index);
    if (!m)
        return -1;
    MenuItem& it = m->items[index];
    const UINT old = it.state & (MF_GRAYED | MF_DISABLED);
    it.state = (it.state & ~MFS_GRAYED) | (enable & (MF_GRAYED | MF_DISABLED));
    if (it.state & MF_DISABLED)
        it.state |= MFS_GRAYED;
    return static_cast<BOOL>(old);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    size_t index;
    HMENU m = MenuModel::Find(menu, item, (check & MF_BYPOSITION) != 0, &index);
    if (!m)
        return static_cast<DWORD>(-1);
    MenuItem& it = m->items[index];
    const DWORD old = it.state & MF_CHECKED;
    it.state = (it.state & ~MFS_CHECKED) | (check & MF_CHECKED);
    return old;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    size_t index;
    HMENU m = MenuModel::Find(menu, position, (flags & MF_BYPOSITION) != 0, &index);
    if (!m)
        return FALSE;
    m->items.erase(m->items.begin() + static_cast<std::ptrdiff_t>(index));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    size_t index;
    HMENU m = MenuModel::Find(menu, position, (flags & MF_BYPOSITION) != 0, &index);
    if (!m)
        return FALSE;
    HMENU sub = m->items[index].sub;
    m->items.erase(m->items.begin() + static_cast<std::ptrdiff_t>(index));
    if (sub)
        MenuModel::Destroy(sub);
    return TRUE;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition) {
    if (!MenuModel::Valid(menu))
        return FALSE;
    for (MenuItem& it : menu->items)
        it.state &= ~MFS_DEFAULT;
    if (item == static_cast<UINT>(-1))
        return TRUE;
    size_t index;
    HMENU m = MenuModel::Find(menu, item, byPosition != 0, &index);
    if (m != menu)
        return FALSE;
    menu->items[index].state |= MFS_DEFAULT;
    return TRUE;
}

} // namespace win
