// What the common controls (CommCtrl.h) share: per-window state, their font, notifications to the parent
// and text measuring. Only platform/controls includes this header.
#pragma once

#include "platform/controls/CommCtrl.h"
#include "platform/controls/ControlsInternal.h"

#include <string>

namespace win::controls {

class CommonControl {
public:
    // The state kept beside `hwnd`, made on first use (dropped by the class at WM_NCDESTROY).
    template <class T> static T& StateIn(WindowData<T>& data, HWND hwnd) {
        T* s = data.Find(hwnd);
        return s ? *s : data.Create(hwnd);
    }
    // WM_NOTIFY to the parent with the header filled in; the parent's answer (0 when there is no parent).
    static LRESULT Notify(HWND hwnd, UINT code, NMHDR* header);
    static LRESULT Notify(HWND hwnd, UINT code);
    // WM_HSCROLL or WM_VSCROLL to the parent: MAKEWPARAM(code, position), lParam the control.
    static void Scroll(HWND hwnd, bool vertical, WORD code, int position);
    // WM_COMMAND (id, code) to `target` (the parent when null), lParam the control.
    static void Command(HWND hwnd, HWND target, WORD id, WORD code);
    // The font a control draws with: the one set through WM_SETFONT, else the default GUI font.
    static HFONT FontOf(HFONT set) { return set ? set : DefaultGuiFont(); }
    // Size of a one-line text in a font, and the height of a line.
    static SIZE TextSize(HWND hwnd, HFONT font, const std::string& text);
    static int LineHeight(HWND hwnd, HFONT font);
    // Copies `text` into a caller's buffer of `capacity` bytes (NUL included); the bytes copied, without NUL.
    static int CopyText(const std::string& text, char* buffer, int capacity);
    static POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
    static bool Inside(const RECT& r, POINT p) {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    }
    static DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
};

} // namespace win::controls
