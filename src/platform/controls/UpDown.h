// The "msctls_updown32" class: two arrow halves that step a position through a range (lower to upper; a
// range given as upper below lower steps the other way, as on Windows). A press steps once and, held,
// repeats on a timer. Each step asks the parent first (UDN_DELTAPOS through WM_NOTIFY, which may veto it),
// then tells it (WM_VSCROLL, or WM_HSCROLL with UDS_HORZ, SB_THUMBPOSITION and the position; SB_ENDSCROLL
// on release). A buddy window (UDM_SETBUDDY) shows the position as text with UDS_SETBUDDYINT, has the
// control placed beside it with UDS_ALIGNRIGHT/UDS_ALIGNLEFT, and passes its Up and Down keys to it with
// UDS_ARROWKEYS.
#pragma once

#include "platform/controls/CommonControl.h"

namespace win::controls {

struct UpDownState {
    int lower = 0;
    int upper = 100;
    int pos = 0;
    HWND buddy = nullptr;
    WNDPROC buddyProc = nullptr; // the buddy's own procedure, while UDS_ARROWKEYS subclasses it
    int pressed = 0;             // +1 the upper (or right) half, -1 the other, 0 none
    bool repeating = false;
    HFONT font = nullptr;
};

class UpDown {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnCreate(HWND hwnd, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnSetRange(HWND hwnd, int lower, int upper);
    static LRESULT OnGetRange32(HWND hwnd, int* lower, int* upper);
    static LRESULT OnSetPos(HWND hwnd, int pos);
    static LRESULT OnGetPos(HWND hwnd, bool* error);
    static LRESULT OnSetBuddy(HWND hwnd, HWND buddy);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnMouseUp(HWND hwnd);
    static LRESULT OnTimer(HWND hwnd, UINT_PTR id);
    static LRESULT OnKeyDown(HWND hwnd, WPARAM vk);
    static LRESULT BuddyProc(HWND buddy, UINT msg, WPARAM wParam, LPARAM lParam);
    // One step in `direction` (+1 towards the upper end): reads the buddy, asks and tells the parent.
    static void Step(HWND hwnd, int direction);
    static void SetBuddyText(HWND hwnd, const UpDownState& s);
    static bool ReadBuddy(const UpDownState& s, int* value);
    static void ReleaseBuddy(HWND hwnd, UpDownState& s);
    static void AlignToBuddy(HWND hwnd, HWND buddy);
    static int HalfAt(HWND hwnd, POINT pt);
    static void Draw(HWND hwnd, HDC dc);
};

LRESULT UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
