// The "SysHeader32" class: a row of column titles, each a raised box of its own width. With HDS_BUTTONS a
// title presses like a button and a click on it is told to the parent (HDN_ITEMCLICK). Dragging the divider
// at a title's right edge changes its width: HDN_BEGINTRACK (a non-zero answer refuses), HDN_TRACK while the
// mouse moves, HDN_ENDTRACK and HDN_ITEMCHANGED at the end, all through WM_NOTIFY.
#pragma once

#include "platform/controls/CommonControl.h"

#include <string>
#include <vector>

namespace win::controls {

struct HeaderItem {
    std::string text;
    int width = 0;
    int format = HDF_LEFT | HDF_STRING;
    LPARAM param = 0;
};

struct HeaderState {
    std::vector<HeaderItem> items;
    int pressed = -1;       // the title held down (HDS_BUTTONS)
    bool pressedIn = false; // the pointer is still over it
    int tracking = -1;      // the title whose divider is dragged
    int trackOffset = 0;    // pointer minus the divider, when the drag began
    HFONT font = nullptr;
};

class HeaderControl {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnInsertItem(HWND hwnd, WPARAM index, const HDITEMA* item);
    static LRESULT OnDeleteItem(HWND hwnd, WPARAM index);
    static LRESULT OnGetItem(HWND hwnd, WPARAM index, HDITEMA* item);
    static LRESULT OnSetItem(HWND hwnd, WPARAM index, const HDITEMA* item);
    static LRESULT OnGetItemRect(HWND hwnd, WPARAM index, LPRECT out);
    static LRESULT OnLayout(HWND hwnd, HDLAYOUT* layout);
    static LRESULT OnHitTest(HWND hwnd, HDHITTESTINFO* info);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnMouseMove(HWND hwnd, POINT pt);
    static LRESULT OnMouseUp(HWND hwnd, POINT pt);
    static LRESULT OnCaptureChanged(HWND hwnd);
    static LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT NotifyItem(HWND hwnd, UINT code, int index, int width);
    static void EndTrack(HWND hwnd, bool notify);
    static bool ItemRect(const HeaderState& s, HWND hwnd, int index, RECT* out);
    // The title under `pt` and whether it lies on that title's divider; -1 for none.
    static int HitTest(HWND hwnd, const HeaderState& s, POINT pt, bool* divider);
    static void Draw(HWND hwnd, HDC dc);
};

LRESULT HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
