// The "SysTabControl32" class: one row of tabs (or push buttons with TCS_BUTTONS) over a raised page
// frame, at the top or, with TCS_BOTTOM, at the bottom. A click or the Left/Right keys asks the parent
// (TCN_SELCHANGING through WM_NOTIFY; a non-zero answer keeps the current tab) and then tells it
// (TCN_SELCHANGE). TCM_SETCURSEL selects without notifying, as on Windows.
#pragma once

#include "platform/controls/CommonControl.h"

#include <string>
#include <vector>

namespace win::controls {

struct TabItem {
    std::string text;
    LPARAM param = 0;
    int image = -1;
};

struct TabState {
    std::vector<TabItem> items;
    int selected = -1;
    bool focused = false;
    HFONT font = nullptr;
};

class TabControl {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The rectangle of tab `index` in client coordinates (the selected one drawn 2 pixels larger).
    static bool ItemRect(HWND hwnd, const TabState& s, int index, RECT* out);
    // Every tab's rectangle, in order: one pass over the texts.
    static std::vector<RECT> ItemRects(HWND hwnd, const TabState& s);

private:
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnInsertItem(HWND hwnd, WPARAM index, const TCITEMA* item);
    static LRESULT OnSetItem(HWND hwnd, WPARAM index, const TCITEMA* item);
    static LRESULT OnGetItem(HWND hwnd, WPARAM index, TCITEMA* item);
    static LRESULT OnDeleteItem(HWND hwnd, WPARAM index);
    static LRESULT OnDeleteAll(HWND hwnd);
    static LRESULT OnGetItemRect(HWND hwnd, WPARAM index, LPRECT out);
    static LRESULT OnSetCurSel(HWND hwnd, WPARAM index);
    static LRESULT OnHitTest(HWND hwnd, TCHITTESTINFO* info);
    static LRESULT OnAdjustRect(HWND hwnd, bool larger, LPRECT rect);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnKeyDown(HWND hwnd, WPARAM vk);
    static LRESULT OnFocus(HWND hwnd, bool gained);
    // Selects `index` as the user does: asks, selects, tells. False when vetoed or not a tab.
    static bool SelectByUser(HWND hwnd, int index);
    static int RowHeight(HWND hwnd, const TabState& s);
    static int HitTest(HWND hwnd, const TabState& s, POINT pt);
    static void Draw(HWND hwnd, HDC dc);
    static void DrawTab(HWND hwnd, HDC dc, const TabState& s, int index, RECT r);
};

LRESULT TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
