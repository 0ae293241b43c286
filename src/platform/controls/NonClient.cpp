// What the default window procedure leaves to the controls: the standard scroll bars, the menu bar and the
// system menu of a window.
#include "platform/controls/MenuTracker.h"
#include "platform/controls/ScrollBarModel.h"

#include <cctype>

namespace win::controls {

namespace {

int g_plainCalc = 0; // measuring the frame without the menu bar

bool HasBar(HWND hwnd) {
    const RECT r = MenuPainter::BarRect(hwnd);
    return !IsRectEmpty(&r);
}

bool InBar(HWND hwnd, POINT screen) {
    RECT bar = MenuPainter::BarRect(hwnd);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    OffsetRect(&bar, wr.left, wr.top);
    return PtInRect(&bar, screen);
}

int BarItemAt(HWND hwnd, POINT screen) {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    POINT p{screen.x - wr.left, screen.y - wr.top};
    const std::vector<RECT> rects = MenuPainter::LayoutBar(hwnd, GetMenu(hwnd));
    for (size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(&rects[i], p))
            return static_cast<int>(i);
    return -1;
}

POINT SystemMenuPoint(HWND hwnd) {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const RECT c = PlainClientRect(hwnd, RECT{0, 0, wr.right - wr.left, wr.bottom - wr.top});
    const int frame = GetSystemMetrics(SM_CXDLGFRAME);
    return POINT{wr.left + frame, wr.top + c.top};
}

void TrackBar(HWND hwnd, int index, bool keyboard) {
    if (index < 0 || MenuTracker::Active())
        return;
    MenuTracker tracker(hwnd, TPM_LEFTBUTTON, false);
    const UINT cmd = tracker.RunBar(hwnd, index, keyboard);
    if (cmd && IsWindow(hwnd))
        PostMessageA(hwnd, WM_COMMAND, cmd, 0);
}

LRESULT OnNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DefWindowProcA(hwnd, WM_NCCALCSIZE, wParam, lParam);
    if (lParam && HasBar(hwnd)) {
        RECT* rc =
            wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
        rc->top = std::min(rc->bottom, rc->top + GetSystemMetrics(SM_CYMENU));
    }
    return r;
}

void PaintExtras(HWND hwnd) {
    ScrollBarPainter::RedrawWindowBars(hwnd);
    if (HasBar(hwnd))
        MenuPainter::DrawBar(hwnd, -1);
}

void OnSysKeyMenu(HWND hwnd, LPARAM lParam) {
    const auto ch = static_cast<char32_t>(lParam);
    if (ch == U' ') {
        TrackSystemMenu(hwnd, SystemMenuPoint(hwnd));
        return;
    }
    HMENU menu = GetMenu(hwnd);
    if (!HasBar(hwnd) || !MenuModel::Valid(menu))
        return;
    const char32_t key = ch < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
    for (size_t i = 0; i < menu->items.size(); ++i)
        if (MenuModel::Mnemonic(menu->items[i]) == key) {
            TrackBar(hwnd, static_cast<int>(i), true);
            return;
        }
}

} // namespace

bool DefNonClient(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!IsWindow(hwnd) || !result || (msg == WM_NCCALCSIZE && g_plainCalc > 0))
        return false;
    switch (msg) {
    case WM_NCCALCSIZE: *result = OnNcCalcSize(hwnd, wParam, lParam); return true;
    case WM_NCHITTEST: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if ((r == HTBORDER || r == HTNOWHERE || r == HTCAPTION) && HasBar(hwnd) && InBar(hwnd, pt))
            r = HTMENU;
        *result = r;
        return true;
    }
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_SETICON:
        *result = DefWindowProcA(hwnd, msg, wParam, lParam);
        if (IsWindow(hwnd) && IsWindowVisible(hwnd))
            PaintExtras(hwnd);
        return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (wParam == static_cast<WPARAM>(HTHSCROLL) || wParam == static_cast<WPARAM>(HTVSCROLL)) {
            ScrollTracker::Track(hwnd, wParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ, pt);
            *result = 0;
            return true;
        }
        if (wParam == static_cast<WPARAM>(HTMENU) && msg == WM_NCLBUTTONDOWN) {
            TrackBar(hwnd, BarItemAt(hwnd, pt), false);
            *result = 0;
            return true;
        }
        return false;
    }
    case WM_CONTEXTMENU: {
        if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
            return false;
        const LRESULT hit = SendMessageA(hwnd, WM_NCHITTEST, 0, lParam);
        if (hit == HTCAPTION || hit == HTSYSMENU || hit == HTMINBUTTON || hit == HTMAXBUTTON ||
            hit == HTCLOSE) {
            TrackSystemMenu(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            *result = 0;
            return true;
        }
        return false;
    }
    case WM_SYSCHAR:
        if (lParam & (1 << 29)) {
            HWND root = GetAncestor(hwnd, GA_ROOT);
            SendMessageA(root ? root : hwnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
            *result = 0;
            return true;
        }
        return false;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_KEYMENU: OnSysKeyMenu(hwnd, lParam); break;
        case SC_MOUSEMENU: {
            POINT p = SystemMenuPoint(hwnd);
            p.y = std::max(p.y, static_cast<LONG>(GET_Y_LPARAM(lParam)));
            TrackSystemMenu(hwnd, p);
            break;
        }
        default: return false;
        }
        *result = 0;
        return true;
    case WM_NCDESTROY:
        ScrollBarModel::Drop(hwnd);
        DropSystemMenu(hwnd);
        return false;
    default: return false;
    }
}

RECT PlainClientRect(HWND hwnd, const RECT& window) {
    RECT c = window;
    ++g_plainCalc;
    DefWindowProcA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&c));
    --g_plainCalc;
    return c;
}

} // namespace win::controls
