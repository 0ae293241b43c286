// What the default window procedure leaves to the controls: the standard scroll bars, the menu bar and the
// system menu of a window.
#include "platform/controls/MenuTracker.h"
#include "platform/controls/ScrollBarModel.h"

#include <cctype>
#include <optional>

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

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// A handler's answer: a result when it handled the message, nothing when the plain default should run.
using Answer = std::optional<LRESULT>;

bool Handled(Answer answer, LRESULT* result) {
    if (answer)
        *result = *answer;
    return answer.has_value();
}

LRESULT OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
    if ((r == HTBORDER || r == HTNOWHERE || r == HTCAPTION) && HasBar(hwnd) && InBar(hwnd, PointOf(lParam)))
        return HTMENU;
    return r;
}

// Messages that repaint the frame: the scroll bars and the menu bar are drawn again over it.
LRESULT OnFrameChanged(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
    if (IsWindow(hwnd) && IsWindowVisible(hwnd))
        PaintExtras(hwnd);
    return r;
}

Answer OnNcButtonDown(HWND hwnd, UINT msg, LRESULT hit, POINT pt) {
    if (hit == HTHSCROLL || hit == HTVSCROLL) {
        ScrollTracker::Track(hwnd, hit == HTVSCROLL ? SB_VERT : SB_HORZ, pt);
        return 0;
    }
    if (hit == HTMENU && msg == WM_NCLBUTTONDOWN) {
        TrackBar(hwnd, BarItemAt(hwnd, pt), false);
        return 0;
    }
    return std::nullopt;
}

Answer OnContextMenu(HWND hwnd, LPARAM lParam) {
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
        return std::nullopt;
    const LRESULT hit = SendMessageA(hwnd, WM_NCHITTEST, 0, lParam);
    if (hit != HTCAPTION && hit != HTSYSMENU && hit != HTMINBUTTON && hit != HTMAXBUTTON && hit != HTCLOSE)
        return std::nullopt;
    TrackSystemMenu(hwnd, PointOf(lParam));
    return 0;
}

// Alt+key: the top-level window opens the menu whose mnemonic it is (SC_KEYMENU).
Answer OnSysChar(HWND hwnd, WPARAM ch, LPARAM lParam) {
    if (!(lParam & (1 << 29)))
        return std::nullopt;
    HWND root = GetAncestor(hwnd, GA_ROOT);
    SendMessageA(root ? root : hwnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(ch));
    return 0;
}

void OnMouseMenu(HWND hwnd, LPARAM lParam) {
    POINT p = SystemMenuPoint(hwnd);
    p.y = std::max(p.y, static_cast<LONG>(GET_Y_LPARAM(lParam)));
    TrackSystemMenu(hwnd, p);
}

Answer OnSysCommand(HWND hwnd, WPARAM cmd, LPARAM lParam) {
    switch (cmd & 0xFFF0) {
    case SC_KEYMENU: OnSysKeyMenu(hwnd, lParam); return 0;
    case SC_MOUSEMENU: OnMouseMenu(hwnd, lParam); return 0;
    default: return std::nullopt;
    }
}

void OnNcDestroy(HWND hwnd) {
    ScrollBarModel::Drop(hwnd);
    DropSystemMenu(hwnd);
}

} // namespace

bool DefNonClient(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!IsWindow(hwnd) || !result || (msg == WM_NCCALCSIZE && g_plainCalc > 0))
        return false;
    switch (msg) {
    case WM_NCCALCSIZE: return Handled(OnNcCalcSize(hwnd, wParam, lParam), result);
    case WM_NCHITTEST: return Handled(OnNcHitTest(hwnd, wParam, lParam), result);
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_SETICON: return Handled(OnFrameChanged(hwnd, msg, wParam, lParam), result);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return Handled(OnNcButtonDown(hwnd, msg, static_cast<LRESULT>(wParam), PointOf(lParam)), result);
    case WM_CONTEXTMENU: return Handled(OnContextMenu(hwnd, lParam), result);
    case WM_SYSCHAR: return Handled(OnSysChar(hwnd, wParam, lParam), result);
    case WM_SYSCOMMAND: return Handled(OnSysCommand(hwnd, wParam, lParam), result);
    case WM_NCDESTROY: OnNcDestroy(hwnd); return false;
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
