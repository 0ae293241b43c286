// The "msctls_statusbar32" class: parts along the bottom of the parent, each a sunken box with a text (a
// text's first tab centres what follows, a second one right-aligns it), or, in simple mode (SB_SIMPLE), one
// box with the simple text. Like the Windows one it places itself along the parent's bottom, its width the
// parent's, whenever it gets WM_SIZE (the parent forwards its own) unless CCS_NOPARENTALIGN or
// CCS_NORESIZE is set; CCS_TOP puts it along the top instead. SBARS_SIZEGRIP adds a size grip that sizes
// the top-level window.
#pragma once

#include "platform/controls/CommonControl.h"

#include <string>
#include <vector>

namespace win::controls {

struct StatusPart {
    int right = -1; // client x of the right edge; -1: to the end
    std::string text;
    WPARAM type = 0; // SBT_* flags
};

struct StatusState {
    std::vector<StatusPart> parts{StatusPart{}};
    StatusPart simple;
    bool simpleMode = false;
    int minHeight = 0;
    bool laying = false;
    HFONT font = nullptr;
};

class StatusBar {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnSetText(HWND hwnd, WPARAM which, const char* text);
    static LRESULT OnGetText(HWND hwnd, WPARAM part, char* buffer, bool lengthOnly);
    static LRESULT OnSetParts(HWND hwnd, WPARAM count, const int* rights);
    static LRESULT OnGetParts(HWND hwnd, WPARAM count, int* rights);
    static LRESULT OnGetRect(HWND hwnd, WPARAM part, LPRECT out);
    static LRESULT OnSimple(HWND hwnd, bool simple);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // Lays the bar along the parent's bottom (or top) at its natural height.
    static void LayOut(HWND hwnd);
    static int NaturalHeight(HWND hwnd, const StatusState& s);
    static bool PartRect(HWND hwnd, const StatusState& s, int part, RECT* out);
    static bool HasGrip(HWND hwnd);
    static RECT GripRect(HWND hwnd);
    static void Draw(HWND hwnd, HDC dc);
    static void DrawPart(HDC dc, const RECT& r, const StatusPart& part);
};

LRESULT StatusBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
