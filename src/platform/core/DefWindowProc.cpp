#include "platform/core/ControlsHooks.h"
#include "platform/core/WindowManager.h"

namespace win::core {

namespace {

// The (window, message) pairs being handled by the controls' extension right now: a nested default call for
// the same pair is the plain default.
std::vector<std::pair<HWND, UINT>> g_extending;

// The controls' part of the default procedure (window scroll bars, menu bar, system menu) calls
// DefWindowProc itself for the plain default of the same message.
bool AskControls(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto defNonClient = GetSystemControls().defNonClient;
    if (!defNonClient)
        return false;
    for (auto& e : g_extending)
        if (e.first == hwnd && e.second == msg)
            return false;
    g_extending.push_back({hwnd, msg});
    bool handled = defNonClient(hwnd, msg, wParam, lParam, result);
    g_extending.pop_back();
    return handled;
}

constexpr UINT PRF_CHECKVISIBLE = 0x01, PRF_NONCLIENT = 0x02, PRF_CLIENT = 0x04, PRF_ERASEBKGND = 0x08,
               PRF_CHILDREN = 0x10;

POINT PointOf(LPARAM lp) {
    return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

LRESULT OnNcCreate(HWND hwnd, const CREATESTRUCTA* cs) {
    if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
        hwnd->text = cs->lpszName;
    return TRUE;
}

LRESULT OnNcCalcSize(HWND hwnd, bool valid, LPARAM lParam) {
    if (!lParam)
        return 0;
    if (valid) {
        auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        p->rgrc[0] = NcCalcDefault(hwnd, p->rgrc[0]);
    } else {
        auto* r = reinterpret_cast<RECT*>(lParam);
        *r = NcCalcDefault(hwnd, *r);
    }
    return 0;
}

// The frame is repainted through WM_NCPAINT, so that a procedure that paints its own frame keeps it.
void RepaintFrame(HWND hwnd) {
    if (HasCaption(hwnd) && ReallyVisible(hwnd))
        Send(hwnd, WM_NCPAINT, 1, 0);
}

LRESULT OnNcActivate(HWND hwnd, bool active, LPARAM lParam) {
    hwnd->ncActive = active;
    if (lParam != -1)
        RepaintFrame(hwnd);
    return TRUE;
}

LRESULT OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps))
        EndPaint(hwnd, &ps);
    return 0;
}

LRESULT OnEraseBkgnd(HWND hwnd, HDC dc) {
    HBRUSH brush = hwnd->cls ? hwnd->cls->background : nullptr;
    if (!brush || !dc)
        return 0;
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, brush);
    return 1;
}

LRESULT OnSetText(HWND hwnd, LPCSTR text) {
    hwnd->text = text ? text : "";
    RepaintFrame(hwnd);
    return TRUE;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM cmd, LPARAM lParam) {
    if (CallHooks(WH_CBT, HCBT_SYSCOMMAND, cmd, lParam))
        return 0;
    switch (cmd & 0xFFF0) {
    case SC_CLOSE:
        if (!(hwnd->cls && (hwnd->cls->style & CS_NOCLOSE)))
            Send(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
    case SC_MOVE:
    case SC_SIZE: MoveSizeLoop(hwnd, cmd, PointOf(lParam)); break;
    default: break;
    }
    return 0;
}

LRESULT OnNcLButtonDown(HWND hwnd, LRESULT hit, LPARAM lParam) {
    switch (hit) {
    case HTCAPTION: Send(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam); break;
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        Send(hwnd, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(hit - HTLEFT + WMSZ_LEFT), lParam);
        break;
    case HTCLOSE:
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTHELP: TrackCaptionButton(hwnd, hit); break;
    case HTSYSMENU: Send(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU, lParam); break;
    default: break;
    }
    return 0;
}

LRESULT OnNcLButtonDblClk(HWND hwnd, LRESULT hit, LPARAM lParam) {
    if (hit == HTCAPTION && (hwnd->style & WS_MAXIMIZEBOX))
        Send(hwnd, WM_SYSCOMMAND, (hwnd->style & (WS_MAXIMIZE | WS_MINIMIZE)) ? SC_RESTORE : SC_MAXIMIZE,
             lParam);
    else if (hit == HTSYSMENU)
        Send(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
    return 0;
}

LRESULT OnSetCursor(HWND hwnd, HWND over, WORD hit, WORD msg) {
    if ((hwnd->style & WS_CHILD) && hwnd->parent &&
        Send(hwnd->parent, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(hit, msg)))
        return TRUE;
    const char* id = IDC_ARROW;
    switch (static_cast<SHORT>(hit)) {
    case HTERROR:
        if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)
            MessageBeep(0);
        break;
    case HTCLIENT: {
        // The cursor of the window under the pointer, whichever ancestor answers.
        HWND target = IsWindow(over) ? over : hwnd;
        if (target->cls && target->cls->cursor) {
            SetCursor(target->cls->cursor);
            return TRUE;
        }
        return FALSE;
    }
    case HTLEFT:
    case HTRIGHT: id = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: id = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: id = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: id = IDC_SIZENESW; break;
    default: break;
    }
    SetCursor(LoadCursorA(nullptr, id));
    return TRUE;
}

LRESULT OnWindowPosChanging(HWND hwnd, WINDOWPOS* wp) {
    if (!wp || (wp->flags & SWP_NOSIZE) || (hwnd->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        return 0;
    if (!((hwnd->style & WS_THICKFRAME) || !(hwnd->style & (WS_POPUP | WS_CHILD))))
        return 0;
    MINMAXINFO mmi = GetMinMaxInfo(hwnd);
    wp->cx =
        std::clamp<int>(wp->cx, std::min(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x), mmi.ptMaxTrackSize.x);
    wp->cy =
        std::clamp<int>(wp->cy, std::min(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y), mmi.ptMaxTrackSize.y);
    return 0;
}

LRESULT OnWindowPosChanged(HWND hwnd, const WINDOWPOS* wp) {
    if (!wp)
        return 0;
    RECT c = hwnd->rcClient;
    if (!(wp->flags & SWP_NOCLIENTMOVE))
        Send(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(c.left), static_cast<WORD>(c.top)));
    if (hwnd->alive && (!(wp->flags & SWP_NOCLIENTSIZE) || (wp->flags & SWP_STATECHANGED))) {
        WPARAM type = (hwnd->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                      : (hwnd->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                    : SIZE_RESTORED;
        int w = type == SIZE_MINIMIZED ? 0 : c.right - c.left;
        int h = type == SIZE_MINIMIZED ? 0 : c.bottom - c.top;
        Send(hwnd, WM_SIZE, type, MAKELPARAM(w, h));
    }
    return 0;
}

LRESULT OnSetIcon(HWND hwnd, WPARAM which, HICON icon) {
    HICON& slot = which == ICON_BIG ? hwnd->iconBig : hwnd->iconSmall;
    HICON old = slot;
    slot = icon;
    RepaintFrame(hwnd);
    return reinterpret_cast<LRESULT>(old);
}

LRESULT OnGetIcon(HWND hwnd, WPARAM which) {
    switch (which) {
    case ICON_BIG: return reinterpret_cast<LRESULT>(hwnd->iconBig);
    case ICON_SMALL: return reinterpret_cast<LRESULT>(hwnd->iconSmall);
    case ICON_SMALL2: return reinterpret_cast<LRESULT>(hwnd->iconSmall ? hwnd->iconSmall : hwnd->iconBig);
    default: return 0;
    }
}

LRESULT OnCtlColor(UINT msg, HDC dc) {
    const bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    if (dc) {
        SetTextColor(dc, GetSysColor(window ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_BTNFACE));
}

LRESULT OnPrint(HWND hwnd, HDC dc, UINT flags) {
    if (!dc || ((flags & PRF_CHECKVISIBLE) && !ReallyVisible(hwnd)))
        return 0;
    if (flags & PRF_NONCLIENT)
        NcDraw(hwnd, dc);
    POINT off{hwnd->rcClient.left - hwnd->rcWindow.left, hwnd->rcClient.top - hwnd->rcWindow.top};
    POINT old;
    OffsetViewportOrgEx(dc, off.x, off.y, &old);
    if (flags & PRF_ERASEBKGND)
        Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (flags & PRF_CLIENT)
        Send(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
    if (flags & PRF_CHILDREN) {
        std::vector<HWND> kids(hwnd->children.rbegin(), hwnd->children.rend());
        for (HWND c : kids) {
            if (!c->alive || !(c->style & WS_VISIBLE))
                continue;
            POINT o2;
            OffsetViewportOrgEx(dc, c->rcWindow.left, c->rcWindow.top, &o2);
            Send(c, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT);
            SetViewportOrgEx(dc, o2.x, o2.y, nullptr);
        }
    }
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
    return 0;
}

LRESULT OnKeyCommand(HWND hwnd, UINT msg, WPARAM vk, LPARAM lParam) {
    if (msg == WM_SYSKEYDOWN && vk == static_cast<WPARAM>(VK_F4) && (lParam & (1 << 29)))
        Send(TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}

LRESULT ToParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if ((hwnd->style & WS_CHILD) && hwnd->parent && hwnd->parent != S().desktop)
        return Send(hwnd->parent, msg, wParam, lParam);
    return 0;
}

LRESULT OnNcPaint(HWND hwnd, HRGN clip) {
    NcPaintDefault(hwnd, clip);
    return 0;
}

LRESULT OnClose(HWND hwnd) {
    DestroyWindow(hwnd);
    return 0;
}

LRESULT OnRButtonUp(HWND hwnd, POINT client) {
    ClientToScreen(hwnd, &client);
    Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(client.x, client.y));
    return 0;
}

LRESULT OnNcRButtonUp(HWND hwnd, LPARAM screenPoint) {
    Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), screenPoint);
    return 0;
}

LRESULT OnMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = ToParent(hwnd, WM_MOUSEACTIVATE, wParam, lParam);
    return r ? r : MA_ACTIVATE;
}

LRESULT OnActivate(HWND hwnd, WORD state) {
    if (state != WA_INACTIVE && !(hwnd->style & WS_MINIMIZE))
        SetFocus(hwnd);
    return 0;
}

LRESULT OnCancelMode(HWND hwnd) {
    if (S().capture == hwnd)
        ReleaseCapture();
    return 0;
}

// As on Windows, redraw off simply hides the window from painting without any message.
LRESULT OnSetRedraw(HWND hwnd, bool redraw) {
    if (redraw)
        hwnd->style |= WS_VISIBLE;
    else
        hwnd->style &= ~WS_VISIBLE;
    return 0;
}

} // namespace

} // namespace win::core

namespace win {

using namespace core;

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!Valid(hwnd))
        return 0;
    LRESULT extended = 0;
    if (AskControls(hwnd, msg, wParam, lParam, &extended))
        return extended;
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_NCCALCSIZE: return OnNcCalcSize(hwnd, wParam != 0, lParam);
    case WM_NCHITTEST: return NcHitTestDefault(hwnd, PointOf(lParam));
    case WM_NCPAINT: return OnNcPaint(hwnd, reinterpret_cast<HRGN>(wParam));
    case WM_NCACTIVATE: return OnNcActivate(hwnd, wParam != 0, lParam);
    case WM_PAINT: return OnPaint(hwnd);
    case WM_ERASEBKGND: return OnEraseBkgnd(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_SETTEXT: return OnSetText(hwnd, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
        return CopyWindowText(hwnd->text, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(hwnd->text.size());
    case WM_CLOSE: return OnClose(hwnd);
    case WM_SYSCOMMAND: return OnSysCommand(hwnd, wParam, lParam);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(hwnd, static_cast<LRESULT>(wParam), lParam);
    case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(hwnd, static_cast<LRESULT>(wParam), lParam);
    case WM_RBUTTONUP: return OnRButtonUp(hwnd, PointOf(lParam));
    case WM_NCRBUTTONUP: return OnNcRButtonUp(hwnd, lParam);
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: return ToParent(hwnd, msg, wParam, lParam);
    case WM_MOUSEACTIVATE: return OnMouseActivate(hwnd, wParam, lParam);
    case WM_SETCURSOR:
        return OnSetCursor(hwnd, reinterpret_cast<HWND>(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                           HIWORD(static_cast<DWORD_PTR>(lParam)));
    case WM_ACTIVATE: return OnActivate(hwnd, LOWORD(wParam));
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(hwnd, reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_SETICON: return OnSetIcon(hwnd, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON: return OnGetIcon(hwnd, wParam);
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN: return OnKeyCommand(hwnd, msg, wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return OnCtlColor(msg, reinterpret_cast<HDC>(wParam));
    case WM_PRINT: return OnPrint(hwnd, reinterpret_cast<HDC>(wParam), static_cast<UINT>(lParam));
    case WM_CANCELMODE: return OnCancelMode(hwnd);
    case WM_SETREDRAW: return OnSetRedraw(hwnd, wParam != 0);
    default: return 0;
    }
}

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace win
