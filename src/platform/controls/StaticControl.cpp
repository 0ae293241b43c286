#include "platform/controls/StaticControl.h"

namespace win::controls {

namespace {

WindowData<StaticState>& States() {
    static WindowData<StaticState> d;
    return d;
}

StaticState& StateOf(HWND hwnd) {
    StaticState* s = States().Find(hwnd);
    return s ? *s : States().Create(hwnd);
}

} // namespace

LRESULT StaticControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(hwnd, wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: return OnNcHitTest(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN: return OnClick(hwnd, STN_CLICKED);
    case WM_LBUTTONDBLCLK: return OnClick(hwnd, STN_DBLCLK);
    case WM_SETTEXT: return OnSetText(hwnd, wParam, lParam);
    case WM_ENABLE: return OnEnable(hwnd);
    case WM_SETFONT: return OnSetFont(hwnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETICON: return OnSetIcon(hwnd, reinterpret_cast<HICON>(wParam));
    case STM_GETICON: return reinterpret_cast<LRESULT>(StateOf(hwnd).icon);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT StaticControl::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    StateOf(hwnd).font = DefaultGuiFont();
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (cs && (static_cast<DWORD>(cs->style) & SS_TYPEMASK) == SS_ICON) {
        // An icon static is named by its icon, not by a text.
        CREATESTRUCTA copy = *cs;
        copy.lpszName = nullptr;
        return DefWindowProcA(hwnd, WM_NCCREATE, wParam, reinterpret_cast<LPARAM>(&copy));
    }
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT StaticControl::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT StaticControl::OnSetText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = DefWindowProcA(hwnd, WM_SETTEXT, wParam, lParam);
    InvalidateRect(hwnd, nullptr, TRUE);
    return r;
}

LRESULT StaticControl::OnEnable(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT StaticControl::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

LRESULT StaticControl::OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    // Without SS_NOTIFY a static is transparent to the mouse, as on Windows.
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY))
        return HTTRANSPARENT;
    return DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT StaticControl::OnClick(HWND hwnd, WORD code) {
    if (GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY)
        NotifyParent(hwnd, code);
    return 0;
}

LRESULT StaticControl::OnSetFont(HWND hwnd, HFONT font, bool redraw) {
    StateOf(hwnd).font = font;
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT StaticControl::OnSetIcon(HWND hwnd, HICON icon) {
    HICON old = StateOf(hwnd).icon;
    StateOf(hwnd).icon = icon;
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(old);
}

void StaticControl::Draw(HWND hwnd, HDC dc) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const DWORD type = style & SS_TYPEMASK;
    RECT rc = ClientRectOf(hwnd);
    const int saved = SaveDC(dc);
    HBRUSH bg = ControlBrush(hwnd, dc, WM_CTLCOLORSTATIC);
    switch (type) {
    case SS_BLACKRECT: FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    case SS_GRAYRECT: FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW)); break;
    case SS_WHITERECT: FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW)); break;
    case SS_ETCHEDHORZ: DrawEdge(dc, &rc, EDGE_ETCHED, BF_TOP); break;
    case SS_ICON:
        FillRect(dc, &rc, bg);
        if (HICON icon = StateOf(hwnd).icon)
            DrawIconEx(dc, rc.left, rc.top, icon, 0, 0, 0, nullptr, DI_NORMAL);
        break;
    case SS_OWNERDRAW: {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_STATIC;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED;
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        dis.rcItem = rc;
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        break;
    }
    default: {
        FillRect(dc, &rc, bg);
        SelectObject(dc, StateOf(hwnd).font ? StateOf(hwnd).font : DefaultGuiFont());
        UINT flags = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
        if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP)
            flags |= DT_SINGLELINE;
        else
            flags |= DT_WORDBREAK | DT_EXPANDTABS;
        if (style & SS_CENTERIMAGE)
            flags = (flags & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
        if (style & SS_NOPREFIX)
            flags |= DT_NOPREFIX;
        if (style & SS_ENDELLIPSIS)
            flags |= DT_END_ELLIPSIS;
        SetBkMode(dc, TRANSPARENT);
        if (!IsWindowEnabled(hwnd))
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        const std::string text = WindowText(hwnd);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rc, flags);
        break;
    }
    }
    if (style & SS_SUNKEN) {
        RECT e = ClientRectOf(hwnd);
        DrawEdge(dc, &e, BDR_SUNKENOUTER, BF_RECT);
    }
    RestoreDC(dc, saved);
}

LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StaticControl::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
