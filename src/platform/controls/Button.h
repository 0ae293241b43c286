// The "button" class: push buttons, check boxes, radio buttons, group boxes and owner-drawn buttons.
#pragma once

#include "platform/controls/ControlsInternal.h"

namespace win::controls {

struct ButtonState {
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;    // shown pressed (mouse held inside, space bar held, BM_SETSTATE)
    bool mouseDown = false; // the mouse is held down on the button (capture taken)
    bool spaceDown = false;
    bool focused = false;
    bool hot = false;
    HFONT font = nullptr;
    HANDLE image = nullptr;
};

class Button {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static ButtonState* StateOf(HWND hwnd);
    static DWORD Type(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }
    static bool IsRadio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }
    static bool IsCheck(DWORD type) {
        return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
    }
    static bool IsPush(DWORD type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON; }

private:
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnCreate(HWND hwnd);
    static LRESULT OnMouseLeave(HWND hwnd);
    static LRESULT OnEnable(HWND hwnd);
    static LRESULT OnSetText(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnMouseMove(HWND hwnd, POINT pt);
    static LRESULT OnMouseUp(HWND hwnd, POINT pt);
    static LRESULT OnCaptureChanged(HWND hwnd);
    static LRESULT OnKeyDown(HWND hwnd, WPARAM vk, LPARAM flags);
    static LRESULT OnKeyUp(HWND hwnd, WPARAM vk);
    static LRESULT OnFocus(HWND hwnd, bool gained);
    static LRESULT OnSetCheck(HWND hwnd, WPARAM check);
    static LRESULT OnGetState(HWND hwnd);
    static LRESULT OnSetState(HWND hwnd, bool pushed);
    static LRESULT OnSetStyle(HWND hwnd, DWORD style, bool redraw);
    static LRESULT OnClickMessage(HWND hwnd);
    static LRESULT OnGetDlgCode(HWND hwnd);
    static LRESULT OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnSetFont(HWND hwnd, HFONT font, bool redraw);
    static LRESULT OnSetImage(HWND hwnd, HANDLE image);
    static void SetPushed(HWND hwnd, ButtonState& st, bool pushed);
    // A completed click: the automatic check state changes, then BN_CLICKED.
    static void Click(HWND hwnd);
    static void CheckRadioInGroup(HWND hwnd);
};

// The classic look of a button in its current state, into the client area.
class ButtonPainter {
public:
    static void Paint(HWND hwnd, HDC dc, const ButtonState& st);

private:
    static void PaintPush(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& st, DWORD style);
    static void PaintCheck(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& st, DWORD style);
    static void PaintGroup(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& st);
    static void PaintOwnerDraw(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& st);
};

} // namespace win::controls
