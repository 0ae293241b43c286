// Helpers shared by the native controls: per-window state, notifications, colours, fonts and text.
// Only platform/controls includes this header.
#pragma once

#include "platform/os/CodePage.h"

#include "platform/controls/WinControls.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace win::controls {

// State kept beside a window of one control class; dropped at WM_NCDESTROY.
template <class T> class WindowData {
public:
    T* Find(HWND hwnd) {
        auto it = m_map.find(hwnd);
        return it == m_map.end() ? nullptr : it->second.get();
    }
    T& Create(HWND hwnd) {
        auto& slot = m_map[hwnd];
        slot = std::make_unique<T>();
        return *slot;
    }
    void Drop(HWND hwnd) { m_map.erase(hwnd); }

private:
    std::unordered_map<HWND, std::unique_ptr<T>> m_map;
};

// WM_PAINT, and WM_PRINTCLIENT with its DC: `draw(dc)` paints into the given DC, or into BeginPaint's.
template <typename Draw> LRESULT PaintWith(HWND hwnd, HDC given, Draw&& draw) {
    if (given) {
        draw(given);
        return 0;
    }
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(hwnd, &ps))
        draw(dc);
    EndPaint(hwnd, &ps);
    return 0;
}

// WM_COMMAND (id, code) sent to the parent of a child control.
void NotifyParent(HWND hwnd, WORD code);
// The brush the parent chooses for a control (WM_CTLCOLOR*), with the DC prepared; never null.
HBRUSH ControlBrush(HWND hwnd, HDC dc, UINT ctlColorMsg);
// The font of dialogs and controls that were given none.
HFONT DefaultGuiFont();
// Window text as UTF-8 (through WM_GETTEXT, so subclasses are honoured).
std::string WindowText(HWND hwnd);

// UTF-8 <-> code points; malformed bytes become U+FFFD.
inline std::u32string Utf8ToU32(const std::string& s) {
    return Utf8ToUtf32(s);
}
inline std::string U32ToUtf8(const std::u32string& s) {
    return Utf32ToUtf8(s);
}

// Whether a screen point lies inside the window's rectangle; the client rectangle of a window.
bool PointInWindow(HWND hwnd, POINT screen);
RECT ClientRectOf(HWND hwnd);

// What DefWindowProc delegates to the controls: the standard scroll bars of WS_HSCROLL/WS_VSCROLL windows
// (painting over the frame, the scroll loop on WM_NCLBUTTONDOWN), the classic menu bar of a window with a
// menu (room in WM_NCCALCSIZE, HTMENU, painting, mouse and keyboard), and the system menu (Alt+Space, the
// caption icon, a right click on the caption). Returns true when the message was handled, with its result in
// *result; otherwise the default procedure goes on as usual. DefWindowProc asks it first.
bool DefNonClient(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
// The client rectangle the plain frame leaves inside `window` (same coordinates), without the menu bar.
RECT PlainClientRect(HWND hwnd, const RECT& window);

// Class procedures, registered by RegisterSystemClasses.
LRESULT ButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT StaticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT EditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ScrollBarProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ListBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ComboBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT PopupMenuProc(HWND, UINT, WPARAM, LPARAM);

} // namespace win::controls
