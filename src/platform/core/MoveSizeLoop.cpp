// The default procedure's modal loops: dragging a window by its caption or frame, and tracking a pressed
// caption button until the mouse is released. Timers and painting keep being dispatched meanwhile.
#include "platform/core/WindowManager.h"

namespace win::core {

namespace {

bool PtIn(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// One message of a tracking loop; false when the loop must end (quit, failure, lost capture).
bool NextMessage(HWND hwnd, MSG* m, int filter) {
    for (;;) {
        BOOL r = GetMessageA(m, nullptr, 0, 0);
        if (r == 0) {
            PostQuitMessage(static_cast<int>(m->wParam));
            return false;
        }
        if (r < 0 || !IsWindow(hwnd) || S().capture != hwnd)
            return false;
        if (!CallMsgFilterA(m, filter))
            return true;
    }
}

} // namespace

void MoveSizeLoop(HWND hwnd, WPARAM command, POINT start) {
    const bool move = (command & 0xFFF0) == SC_MOVE;
    if ((move && (hwnd->style & (WS_MAXIMIZE | WS_MINIMIZE))) || !(S().keys[VK_LBUTTON] & 0x80))
        return;
    const int edge = static_cast<int>(command & 0x0F);
    if (CallHooks(WH_CBT, HCBT_MOVESIZE, reinterpret_cast<WPARAM>(hwnd), 0))
        return;
    const RECT orig = hwnd->rcWindow;
    SetCapture(hwnd);
    Send(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    MSG m;
    while (NextMessage(hwnd, &m, move ? MSGF_MOVE : MSGF_SIZE)) {
        if (m.message == WM_LBUTTONUP)
            break;
        if (m.message == WM_KEYDOWN &&
            (m.wParam == static_cast<WPARAM>(VK_ESCAPE) || m.wParam == VK_RETURN)) {
            if (m.wParam == static_cast<WPARAM>(VK_ESCAPE))
                SetWindowPos(hwnd, nullptr, orig.left, orig.top, orig.right - orig.left,
                             orig.bottom - orig.top, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        if (m.message == WM_MOUSEMOVE) {
            int dx = m.pt.x - start.x, dy = m.pt.y - start.y;
            RECT r = orig;
            if (move) {
                r = RECT{orig.left + dx, orig.top + dy, orig.right + dx, orig.bottom + dy};
                Send(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
            } else {
                if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
                    r.left += dx;
                if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT)
                    r.right += dx;
                if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
                    r.top += dy;
                if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT)
                    r.bottom += dy;
                Send(hwnd, WM_SIZING, static_cast<WPARAM>(edge), reinterpret_cast<LPARAM>(&r));
            }
            if (!IsWindow(hwnd))
                return;
            SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE | (move ? SWP_NOSIZE : 0));
            continue;
        }
        if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST)
            continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    if (S().capture == hwnd)
        ReleaseCapture();
    if (IsWindow(hwnd))
        Send(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

void TrackCaptionButton(HWND hwnd, LRESULT hit) {
    if (!(S().keys[VK_LBUTTON] & 0x80))
        return;
    auto repaint = [&] {
        if (IsWindow(hwnd))
            NcPaintDefault(hwnd, reinterpret_cast<HRGN>(1));
    };
    hwnd->pressedNcButton = static_cast<int>(hit);
    repaint();
    SetCapture(hwnd);
    bool inside = true;
    POINT last = S().cursorPos;
    MSG m;
    while (NextMessage(hwnd, &m, MSGF_MOVE)) {
        if (m.message == WM_LBUTTONUP) {
            last = m.pt;
            break;
        }
        if (m.message == WM_MOUSEMOVE) {
            RECT wr = WindowRectScreen(hwnd);
            RECT br = CaptionButtonRect(hwnd, hit);
            bool now = PtIn(br, POINT{m.pt.x - wr.left, m.pt.y - wr.top});
            if (now != inside) {
                inside = now;
                hwnd->pressedNcButton = inside ? static_cast<int>(hit) : 0;
                repaint();
            }
            continue;
        }
        if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST)
            continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    if (!IsWindow(hwnd))
        return;
    if (S().capture == hwnd)
        ReleaseCapture();
    RECT wr = WindowRectScreen(hwnd);
    inside = PtIn(CaptionButtonRect(hwnd, hit), POINT{last.x - wr.left, last.y - wr.top});
    hwnd->pressedNcButton = 0;
    repaint();
    if (!inside)
        return;
    LPARAM pt = MAKELPARAM(static_cast<WORD>(last.x), static_cast<WORD>(last.y));
    switch (hit) {
    case HTCLOSE: Send(hwnd, WM_SYSCOMMAND, SC_CLOSE, pt); break;
    case HTMAXBUTTON:
        if (hwnd->style & WS_MAXIMIZEBOX)
            Send(hwnd, WM_SYSCOMMAND, (hwnd->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, pt);
        break;
    case HTMINBUTTON:
        if (hwnd->style & WS_MINIMIZEBOX)
            Send(hwnd, WM_SYSCOMMAND, (hwnd->style & WS_MINIMIZE) ? SC_RESTORE : SC_MINIMIZE, pt);
        break;
    case HTHELP: Send(hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, pt); break;
    default: break;
    }
}

} // namespace win::core
