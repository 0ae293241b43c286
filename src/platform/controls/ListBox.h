// The "listbox" class, as far as the combo box needs it, and "ComboLBox", the drop-down list of a combo
// box (the same procedure; it reports to its combo box instead of its parent).
#pragma once

#include "platform/controls/ControlsInternal.h"

#include <vector>

namespace win::controls {

struct ListItem {
    std::string text;
    ULONG_PTR data = 0;
};

struct ListBoxState {
    std::vector<ListItem> items;
    int cursel = -1;
    int top = 0;
    HFONT font = nullptr;
    bool focused = false;
    bool tracking = false; // mouse held down in a plain list box
    HWND combo = nullptr;  // the combo box a "ComboLBox" serves
};

class ListBox {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static ListBoxState* StateOf(HWND hwnd);
    static void AttachCombo(HWND list, HWND combo);
    static int ItemHeight(HWND hwnd);
    static int ItemAt(HWND hwnd, POINT pt); // -1 outside the items
    static void EnsureVisible(HWND hwnd, int index);

private:
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnSize(HWND hwnd);
    static LRESULT OnMouseWheel(HWND hwnd, int delta);
    static LRESULT OnGetTextLen(HWND hwnd, WPARAM index);
    static LRESULT OnGetItemData(HWND hwnd, WPARAM index);
    static LRESULT OnFocus(HWND hwnd, bool gained);
    static LRESULT OnSetFont(HWND hwnd, HFONT font, bool redraw);
    static LRESULT OnReset(HWND hwnd);
    static LRESULT OnSetTopIndex(HWND hwnd, WPARAM index);
    static LRESULT OnSetItemData(HWND hwnd, WPARAM index, ULONG_PTR data);
    static LRESULT OnAdd(HWND hwnd, int at, LPCSTR text);
    static LRESULT OnDelete(HWND hwnd, WPARAM index);
    static LRESULT OnSetCurSel(HWND hwnd, WPARAM index);
    static LRESULT OnGetText(HWND hwnd, WPARAM index, LPSTR buffer);
    static LRESULT OnFind(HWND hwnd, WPARAM start, LPCSTR text, bool exact);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnMouseMove(HWND hwnd, POINT pt);
    static LRESULT OnMouseUp(HWND hwnd, POINT pt);
    static LRESULT OnKeyDown(HWND hwnd, WPARAM vk);
    static LRESULT OnScroll(HWND hwnd, WORD code, int thumb);
    static void Select(HWND hwnd, int index, bool notify);
    static void UpdateScrollBar(HWND hwnd);
    static void Draw(HWND hwnd, HDC dc);
};

// What a "ComboLBox" tells its combo box.
void ComboListDone(HWND combo, bool accept);

} // namespace win::controls
