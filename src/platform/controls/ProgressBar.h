// The "msctls_progress32" class: a range, a position and a step, drawn as classic blocks (or one smooth
// bar with PBS_SMOOTH), left to right or, with PBS_VERTICAL, bottom to top. A range given backwards is
// swapped; the position always lies inside the range.
#pragma once

#include "platform/controls/CommonControl.h"

namespace win::controls {

struct ProgressState {
    int low = 0;
    int high = 100;
    int pos = 0;
    int step = 10;
    HFONT font = nullptr;
};

class ProgressBar {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnSetRange(HWND hwnd, int low, int high);
    static LRESULT OnSetPos(HWND hwnd, int pos);
    static LRESULT OnGetRange(HWND hwnd, bool low, PPBRANGE range);
    static LRESULT OnStepIt(HWND hwnd);
    static LRESULT OnSetStep(HWND hwnd, int step);
    static void Draw(HWND hwnd, HDC dc);
};

LRESULT ProgressBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
