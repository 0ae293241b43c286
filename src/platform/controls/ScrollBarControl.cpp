// The "scrollbar" class: a stand-alone bar (SB_CTL) or, with SBS_SIZEGRIP/SBS_SIZEBOX, a size grip.
#include "platform/controls/ScrollBarModel.h"

namespace win::controls {

namespace {

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    ScrollBarModel::MarkControl(hwnd);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    ScrollBarModel::Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT OnEnable(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { ScrollBarPainter::Draw(hwnd, dc, SB_CTL); });
}

bool IsGrip(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0;
}

LRESULT OnMouseDown(HWND hwnd, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &pt);
    if (IsGrip(hwnd)) {
        HWND top = GetAncestor(hwnd, GA_ROOT);
        if (top && top != hwnd)
            SendMessageA(top, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_TABSTOP)
        SetFocus(hwnd);
    ScrollTracker::Track(hwnd, SB_CTL, pt);
    return 0;
}

LRESULT OnKeyDown(HWND hwnd, WPARAM vk) {
    const bool vertical = (GetWindowLongA(hwnd, GWL_STYLE) & SBS_VERT) != 0;
    WORD code;
    switch (vk) {
    case VK_UP:
    case VK_LEFT: code = SB_LINEUP; break;
    case VK_DOWN:
    case VK_RIGHT: code = SB_LINEDOWN; break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: return 0;
    }
    if (HWND parent = GetParent(hwnd)) {
        SendMessageA(parent, vertical ? WM_VSCROLL : WM_HSCROLL, code, reinterpret_cast<LPARAM>(hwnd));
        SendMessageA(parent, vertical ? WM_VSCROLL : WM_HSCROLL, SB_ENDSCROLL,
                     reinterpret_cast<LPARAM>(hwnd));
    }
    return 0;
}

LRESULT OnSetRange(HWND hwnd, int minPos, int maxPos, bool redraw) {
    SetScrollRange(hwnd, SB_CTL, minPos, maxPos, redraw);
    return GetScrollPos(hwnd, SB_CTL);
}

LRESULT OnGetRange(HWND hwnd, int* minPos, int* maxPos) {
    int lo = 0, hi = 0;
    GetScrollRange(hwnd, SB_CTL, &lo, &hi);
    if (minPos)
        *minPos = lo;
    if (maxPos)
        *maxPos = hi;
    return 0;
}

LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (IsGrip(hwnd) && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZENWSE));
        return TRUE;
    }
    return DefWindowProcA(hwnd, WM_SETCURSOR, wParam, lParam);
}

} // namespace

LRESULT ScrollBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(hwnd, wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, lParam);
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam);
    case WM_SETCURSOR: return OnSetCursor(hwnd, wParam, lParam);
    case WM_ENABLE: return OnEnable(hwnd);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case SBM_SETPOS: return SetScrollPos(hwnd, SB_CTL, static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS: return GetScrollPos(hwnd, SB_CTL);
    case SBM_SETRANGE: return OnSetRange(hwnd, static_cast<int>(wParam), static_cast<int>(lParam), false);
    case SBM_GETRANGE:
        return OnGetRange(hwnd, reinterpret_cast<int*>(wParam), reinterpret_cast<int*>(lParam));
    case SBM_ENABLE_ARROWS: return EnableScrollBar(hwnd, SB_CTL, static_cast<UINT>(wParam));
    case SBM_SETSCROLLINFO:
        return SetScrollInfo(hwnd, SB_CTL, reinterpret_cast<LPCSCROLLINFO>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO: return GetScrollInfo(hwnd, SB_CTL, reinterpret_cast<LPSCROLLINFO>(lParam));
    case SBM_GETSCROLLBARINFO:
        return GetScrollBarInfo(hwnd, OBJID_CLIENT, reinterpret_cast<SCROLLBARINFO*>(lParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace win::controls
