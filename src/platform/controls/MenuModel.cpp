#include "platform/controls/MenuModel.h"

#include <cctype>
#include <cstring>
#include <memory>

namespace win::controls {

namespace {

constexpr DWORD kErrorInvalidMenuHandle = 1401;
constexpr DWORD kErrorMenuItemNotFound = 1456;

std::vector<std::unique_ptr<HMENU__>>& AllMenus() {
    static std::vector<std::unique_ptr<HMENU__>> menus;
    return menus;
}

bool Known(HMENU menu) {
    for (auto& m : AllMenus())
        if (m.get() == menu)
            return true;
    return false;
}

HMENU FindById(HMENU menu, UINT id, size_t* index, int depth) {
    if (depth > 32)
        return nullptr; // a menu that contains itself must not recurse for ever
    for (size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& it = menu->items[i];
        if (!it.sub && it.id == id) {
            *index = i;
            return menu;
        }
        if (it.sub && it.sub->alive) {
            if (HMENU m = FindById(it.sub, id, index, depth + 1))
                return m;
            if (it.id == id) {
                *index = i;
                return menu;
            }
        }
    }
    return nullptr;
}

} // namespace

HMENU MenuModel::Create(bool popup) {
    auto m = std::make_unique<HMENU__>();
    m->popup = popup;
    AllMenus().push_back(std::move(m));
    return AllMenus().back().get();
}

HMENU MenuModel::Valid(HMENU menu) {
    if (menu && Known(menu) && menu->alive)
        return menu;
    SetLastError(kErrorInvalidMenuHandle);
    return nullptr;
}

HMENU MenuModel::Find(HMENU menu, UINT item, bool byPosition, size_t* index) {
    if (!Valid(menu))
        return nullptr;
    if (byPosition) {
        if (item >= menu->items.size()) {
            SetLastError(kErrorMenuItemNotFound);
            return nullptr;
        }
        *index = item;
        return menu;
    }
    HMENU found = FindById(menu, item, index, 0);
    if (!found)
        SetLastError(kErrorMenuItemNotFound);
    return found;
}

void MenuModel::Destroy(HMENU menu) {
    if (!menu || !menu->alive)
        return;
    menu->alive = false;
    std::vector<MenuItem> items;
    items.swap(menu->items);
    for (MenuItem& it : items)
        if (it.sub && Known(it.sub))
            Destroy(it.sub);
}

std::string MenuModel::Label(const MenuItem& item) {
    if (item.Separator() || item.OwnerDraw() || (item.type & MFT_BITMAP))
        return {};
    return item.text;
}

char32_t MenuModel::Mnemonic(const MenuItem& item) {
    const std::string s = Label(item);
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '&')
            continue;
        if (s[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(s[i + 1]);
        return c < 0x80 ? static_cast<char32_t>(std::tolower(c)) : Utf8ToU32(s.substr(i + 1))[0];
    }
    return 0;
}

MenuItem MenuModel::FromFlags(UINT flags, UINT_PTR id, LPCSTR text) {
    MenuItem it;
    it.type = flags & (MFT_OWNERDRAW | MFT_SEPARATOR | MFT_BITMAP | MFT_MENUBREAK | MFT_MENUBARBREAK |
                       MFT_RIGHTJUSTIFY | MFT_RADIOCHECK);
    it.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
    if (it.state & MF_DISABLED)
        it.state |= MFS_GRAYED;
    if (flags & MF_POPUP) {
        it.sub = Valid(reinterpret_cast<HMENU>(id));
        it.id = 0;
    } else {
        it.id = static_cast<UINT>(id);
    }
    if (it.OwnerDraw())
        it.data = reinterpret_cast<ULONG_PTR>(text);
    else if (it.type & MFT_BITMAP)
        it.bitmap = reinterpret_cast<HBITMAP>(const_cast<char*>(text));
    else if (!it.Separator() && text && !IS_INTRESOURCE(text))
        it.text = text;
    return it;
}

} // namespace win::controls
