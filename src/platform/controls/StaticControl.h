// The "static" class: text (left, centred, right), icons, and click notification with SS_NOTIFY.
#pragma once

#include "platform/controls/ControlsInternal.h"

namespace win::controls {

struct StaticState {
    HFONT font = nullptr;
    HICON icon = nullptr;
};

class StaticControl {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnSetText(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnEnable(HWND hwnd);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnClick(HWND hwnd, WORD code);
    static LRESULT OnSetFont(HWND hwnd, HFONT font, bool redraw);
    static LRESULT OnSetIcon(HWND hwnd, HICON icon);
    static void Draw(HWND hwnd, HDC dc);
};

} // namespace win::controls
