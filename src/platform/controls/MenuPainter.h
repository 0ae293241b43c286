// Layout and classic look of menus: popup menu items and the menu bar of a window.
#pragma once

#include "platform/controls/MenuModel.h"

#include <vector>

namespace win::controls {

struct PopupLayout {
    std::vector<RECT> items; // client coordinates of the popup window
    SIZE size;               // client size
};

class MenuPainter {
public:
    static HFONT MenuFont();
    // Lays out a popup menu; owner-drawn items are measured by `owner` (WM_MEASUREITEM).
    static PopupLayout LayoutPopup(HMENU menu, HWND owner);
    static void DrawPopup(HDC dc, HMENU menu, const PopupLayout& layout, int selected, HWND owner);

    // The menu bar of a window with a menu, in window coordinates; empty without one.
    static RECT BarRect(HWND hwnd);
    static std::vector<RECT> LayoutBar(HWND hwnd, HMENU menu);
    static void DrawBar(HWND hwnd, int hot);

private:
    static void DrawItem(HDC dc, HMENU menu, size_t index, const RECT& rc, bool selected, HWND owner);
};

} // namespace win::controls
