// The "ToolbarWindow32" class: a row of text buttons, check buttons and separators along the top of the
// parent. A click on an enabled button (a check button toggles first; a check group keeps one checked) sends
// WM_COMMAND with the button's command id to the parent (or the TB_SETPARENT window). With TBSTYLE_FLAT the
// buttons are flat and the one under the pointer is raised (hot tracking). TB_AUTOSIZE lays the bar along
// the parent's top at the buttons' height unless CCS_NOPARENTALIGN or CCS_NORESIZE is set.
#pragma once

#include "platform/controls/CommonControl.h"

#include <string>
#include <vector>

namespace win::controls {

struct ToolButton {
    int command = 0;
    BYTE state = TBSTATE_ENABLED;
    BYTE style = TBSTYLE_BUTTON;
    int separatorWidth = 0; // iBitmap of a separator
    DWORD_PTR data = 0;
    std::string text;
};

struct ToolBarState {
    std::vector<ToolButton> buttons;
    UINT structSize = sizeof(TBBUTTON);
    SIZE buttonSize{24, 22};
    int hot = -1;
    int pressed = -1;       // the button held down with the mouse
    bool pressedIn = false; // the pointer is still over it
    HWND notify = nullptr;  // TB_SETPARENT
    HFONT font = nullptr;
};

class ToolBar {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnAddButtons(HWND hwnd, WPARAM count, const TBBUTTON* buttons);
    static LRESULT OnInsertButton(HWND hwnd, WPARAM index, const TBBUTTON* button);
    static LRESULT OnDeleteButton(HWND hwnd, WPARAM index);
    static LRESULT OnGetButton(HWND hwnd, WPARAM index, TBBUTTON* out);
    static LRESULT OnSetStateBit(HWND hwnd, WPARAM command, BYTE bit, bool on);
    static LRESULT OnGetStateBit(HWND hwnd, WPARAM command, BYTE bit);
    static LRESULT OnSetState(HWND hwnd, WPARAM command, BYTE state);
    static LRESULT OnGetItemRect(HWND hwnd, WPARAM index, LPRECT out);
    static LRESULT OnSetButtonSize(HWND hwnd, LPARAM size);
    static LRESULT OnAutoSize(HWND hwnd);
    static LRESULT OnSetHotItem(HWND hwnd, WPARAM index);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnMouseMove(HWND hwnd, POINT pt);
    static LRESULT OnMouseUp(HWND hwnd, POINT pt);
    static LRESULT OnMouseLeave(HWND hwnd);
    static LRESULT OnCaptureChanged(HWND hwnd);
    static void Click(HWND hwnd, int index);
    static int IndexOfCommand(const ToolBarState& s, WPARAM command);
    static ToolButton MakeButton(const TBBUTTON& b);
    // Every button's rectangle, in order (hidden ones empty).
    static std::vector<RECT> Rects(HWND hwnd, const ToolBarState& s);
    static SIZE ButtonSize(HWND hwnd, const ToolBarState& s);
    static int HitTest(HWND hwnd, const ToolBarState& s, POINT pt);
    static void Draw(HWND hwnd, HDC dc);
    static void DrawButton(HWND hwnd, HDC dc, const ToolBarState& s, int index, const RECT& r);
};

LRESULT ToolBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
