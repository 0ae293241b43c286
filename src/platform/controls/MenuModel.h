// Menus as data: a menu handle is a list of items (strings, separators, owner-drawn items, sub-menus).
// Destroyed menus stay behind as empty shells, so a stale handle is recognised instead of followed.
#pragma once

#include "platform/controls/ControlsInternal.h"

#include <vector>

namespace win::controls {

struct MenuItem {
    UINT type = MFT_STRING;
    UINT state = MFS_ENABLED;
    UINT id = 0;
    HMENU sub = nullptr;
    ULONG_PTR data = 0;
    std::string text;
    HBITMAP bitmap = nullptr;
    HBITMAP checked = nullptr;
    HBITMAP unchecked = nullptr;

    bool Separator() const { return (type & MFT_SEPARATOR) != 0; }
    bool OwnerDraw() const { return (type & MFT_OWNERDRAW) != 0; }
    bool Grayed() const { return (state & MFS_GRAYED) != 0; }
};

} // namespace win::controls

namespace win {

struct HMENU__ {
    bool alive = true;
    bool popup = false;
    bool system = false;
    std::vector<controls::MenuItem> items;
};

} // namespace win

namespace win::controls {

class MenuModel {
public:
    static HMENU Create(bool popup);
    // The live menu of a handle, or null (with ERROR_INVALID_MENU_HANDLE) for anything else.
    static HMENU Valid(HMENU menu);
    // Finds an item by position or, recursively through sub-menus, by command; returns the menu holding it.
    static HMENU Find(HMENU menu, UINT item, bool byPosition, size_t* index);
    static void Destroy(HMENU menu);
    // The item's label as shown, '&' marks kept; empty for separators and owner-drawn items.
    static std::string Label(const MenuItem& item);
    // The accelerator letter of a label ('&x'), lower case; 0 when there is none.
    static char32_t Mnemonic(const MenuItem& item);
    static MenuItem FromFlags(UINT flags, UINT_PTR id, LPCSTR text);
};

} // namespace win::controls
