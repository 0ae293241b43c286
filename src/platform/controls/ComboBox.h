// The "combobox" class: a drop-down list (CBS_DROPDOWNLIST) or a drop-down with an edit field
// (CBS_DROPDOWN); its items live in its "ComboLBox" list window.
#pragma once

#include "platform/controls/ControlsInternal.h"

namespace win::controls {

struct ComboState {
    HWND list = nullptr;
    HWND edit = nullptr;
    HFONT font = nullptr;
    bool dropped = false;
    bool focused = false;
    int selAtDrop = -1;
    int droppedHeight = 100;
};

class ComboBox {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static ComboState* StateOf(HWND hwnd);
    static void DropDown(HWND hwnd);
    static void CloseUp(HWND hwnd, bool accept);
    static RECT ButtonRect(HWND hwnd);

private:
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnCreate(HWND hwnd, const CREATESTRUCTA* cs);
    static LRESULT OnSysKeyDown(HWND hwnd, WPARAM vk, LPARAM lParam);
    static LRESULT OnEnable(HWND hwnd);
    static LRESULT OnGetDlgCode(HWND hwnd);
    static LRESULT OnLimitText(HWND hwnd, WPARAM limit);
    static LRESULT OnGetEditSel(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnDestroy(HWND hwnd);
    static LRESULT OnReset(HWND hwnd);
    static LRESULT OnSelectString(HWND hwnd, WPARAM start, LPCSTR text);
    static LRESULT OnShowDropDown(HWND hwnd, bool show);
    static LRESULT OnSetEditSel(HWND hwnd, LPARAM range);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnKeyDown(HWND hwnd, WPARAM vk, bool alt);
    static LRESULT OnChar(HWND hwnd, char32_t ch);
    static LRESULT OnFocus(HWND hwnd, bool gained);
    static LRESULT OnSetCurSel(HWND hwnd, WPARAM index);
    static LRESULT OnGetText(HWND hwnd, int size, LPSTR buffer);
    static LRESULT OnGetTextLength(HWND hwnd);
    static LRESULT OnSetText(HWND hwnd, LPCSTR text);
    static LRESULT OnSetFont(HWND hwnd, HFONT font, bool redraw);
    static LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnDroppedRect(HWND hwnd, RECT* rect);
    static LRESULT ToList(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Moves the selection by the user (closed list), with CBN_SELCHANGE.
    static void UserSelect(HWND hwnd, int index);
    static void SyncEdit(HWND hwnd);
    static std::string SelectedText(HWND hwnd);
    static void Draw(HWND hwnd, HDC dc);
};

} // namespace win::controls
