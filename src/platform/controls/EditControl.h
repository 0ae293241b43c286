// The "edit" class: single-line and multi-line text fields with caret, selection, clipboard, a context
// menu, and scroll bars for multi-line fields. Typed characters arrive as WM_CHAR through the window
// procedure, so a subclass can filter them.
#pragma once

#include "platform/controls/ControlsInternal.h"
#include "platform/controls/EditModel.h"

namespace win::controls {

struct EditState {
    EditModel model;
    HFONT font = nullptr;
    bool focused = false;
    bool selecting = false; // mouse held down
    char32_t passwordChar = 0;
    int scrollX = 0;      // pixels scrolled to the left
    size_t firstLine = 0; // multi-line: first visible line
};

class EditControl {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static EditState* StateOf(HWND hwnd);

private:
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnCaptureChanged(HWND hwnd);
    static LRESULT OnEnable(HWND hwnd);
    static LRESULT OnSize(HWND hwnd);
    static LRESULT OnSetModify(HWND hwnd, bool modified);
    static LRESULT OnSetPasswordChar(HWND hwnd, char32_t ch);
    static LRESULT OnScrollCaret(HWND hwnd);
    static LRESULT OnGetRect(HWND hwnd, RECT* rect);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnChar(HWND hwnd, char32_t ch);
    static LRESULT OnKeyDown(HWND hwnd, WPARAM vk, LPARAM flags);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt, bool dbl);
    static LRESULT OnMouseMove(HWND hwnd, POINT pt);
    static LRESULT OnMouseUp(HWND hwnd);
    static LRESULT OnFocus(HWND hwnd, bool gained);
    static LRESULT OnSetText(HWND hwnd, LPCSTR text);
    static LRESULT OnGetText(HWND hwnd, int size, LPSTR buffer);
    static LRESULT OnGetTextLength(HWND hwnd);
    static LRESULT OnGetSel(HWND hwnd, DWORD* start, DWORD* end);
    static LRESULT OnSetSel(HWND hwnd, LONG_PTR start, LONG_PTR end);
    static LRESULT OnReplaceSel(HWND hwnd, LPCSTR text);
    static LRESULT OnLimitText(HWND hwnd, WPARAM limit);
    static LRESULT OnSetReadOnly(HWND hwnd, bool readOnly);
    static LRESULT OnLineIndex(HWND hwnd, LONG_PTR line);
    static LRESULT OnLineLength(HWND hwnd, LONG_PTR pos);
    static LRESULT OnLineFromChar(HWND hwnd, LONG_PTR pos);
    static LRESULT OnGetLine(HWND hwnd, WPARAM line, LPSTR buffer);
    static LRESULT OnCut(HWND hwnd);
    static LRESULT OnCopy(HWND hwnd);
    static LRESULT OnPaste(HWND hwnd);
    static LRESULT OnClear(HWND hwnd);
    static LRESULT OnUndo(HWND hwnd);
    static LRESULT OnContextMenu(HWND hwnd, LPARAM lParam);
    static LRESULT OnScroll(HWND hwnd, bool vertical, WORD code, int thumb);
    static LRESULT OnMouseWheel(HWND hwnd, int delta);
    static LRESULT OnSetFont(HWND hwnd, HFONT font, bool redraw);
    static LRESULT OnGetDlgCode(HWND hwnd);

    // Inserts typed or pasted text in place of the selection, as the style allows; notifies the parent.
    static bool InsertText(HWND hwnd, std::u32string s, bool typed);
    static void Changed(HWND hwnd);
    static void Refresh(HWND hwnd);
};

// Geometry of an edit's text: line height, widths, hit-testing and keeping the caret in view.
class EditView {
public:
    static int LineHeight(HWND hwnd);
    static RECT TextRect(HWND hwnd);
    static size_t VisibleLines(HWND hwnd);
    // Width in pixels of the characters [from, to) of the text as shown (password characters included).
    static int Width(HWND hwnd, const EditState& st, size_t from, size_t to);
    static size_t PosFromPoint(HWND hwnd, const EditState& st, POINT pt);
    static POINT CaretPoint(HWND hwnd, const EditState& st);
    static void ScrollToCaret(HWND hwnd, EditState& st);
    static void UpdateScrollBars(HWND hwnd, EditState& st);
    static void Paint(HWND hwnd, HDC dc, const EditState& st);
    static std::u32string Shown(const EditState& st, size_t from, size_t to);
};

} // namespace win::controls
