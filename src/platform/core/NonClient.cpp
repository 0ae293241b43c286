// The classic non-client area: frame thickness, caption and its buttons, hit-testing and painting.
#include "platform/core/WindowManager.h"

namespace win::core {

namespace {

bool HasThickFrame(DWORD style, DWORD ex) {
    return (style & WS_THICKFRAME) && (style & (WS_DLGFRAME | WS_BORDER)) != WS_DLGFRAME;
}
bool HasDlgFrame(DWORD style, DWORD ex) {
    return (ex & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
}
bool HasThinFrame(DWORD style) {
    return (style & WS_BORDER) || !(style & (WS_CHILD | WS_POPUP));
}

int FrameWidth(DWORD style, DWORD ex) {
    if (HasThickFrame(style, ex))
        return GetSystemMetrics(SM_CXFRAME);
    if (HasDlgFrame(style, ex))
        return GetSystemMetrics(SM_CXDLGFRAME);
    if (HasThinFrame(style))
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

int CaptionHeight(DWORD style, DWORD ex) {
    if ((style & WS_CAPTION) != WS_CAPTION)
        return 0;
    return (ex & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
}

int EdgeWidth(DWORD ex) {
    if (ex & WS_EX_CLIENTEDGE)
        return GetSystemMetrics(SM_CXEDGE);
    if (ex & WS_EX_STATICEDGE)
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

bool PtIn(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Caption rectangle in window coordinates (empty without a caption).
RECT CaptionRect(HWND hwnd) {
    int f = FrameWidth(hwnd->style, hwnd->exStyle);
    int h = CaptionHeight(hwnd->style, hwnd->exStyle);
    RECT w = hwnd->rcWindow;
    if (!h)
        return RECT{};
    return RECT{f, f, (w.right - w.left) - f, f + h - 1};
}

HICON WindowIcon(HWND hwnd) {
    auto icon = reinterpret_cast<HICON>(Send(hwnd, WM_GETICON, ICON_SMALL2, 0));
    if (!icon && hwnd->alive && hwnd->cls)
        icon = hwnd->cls->iconSm ? hwnd->cls->iconSm : hwnd->cls->icon;
    if (!icon)
        icon = LoadIconA(nullptr, IDI_APPLICATION);
    return icon;
}

bool HasSysIcon(HWND hwnd) {
    return (hwnd->style & WS_SYSMENU) && !(hwnd->exStyle & (WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME));
}

} // namespace

bool HasCaption(HWND hwnd) {
    return (hwnd->style & WS_CAPTION) == WS_CAPTION;
}

RECT NcCalcDefault(HWND hwnd, const RECT& w) {
    if (hwnd->style & WS_MINIMIZE)
        return RECT{w.left, w.top, w.left, w.top};
    RECT c = w;
    int f = FrameWidth(hwnd->style, hwnd->exStyle);
    c.left += f;
    c.right -= f;
    c.top += f + CaptionHeight(hwnd->style, hwnd->exStyle);
    c.bottom -= f;
    int e = EdgeWidth(hwnd->exStyle);
    c.left += e;
    c.right -= e;
    c.top += e;
    c.bottom -= e;
    if (hwnd->style & WS_VSCROLL) {
        if (hwnd->exStyle & WS_EX_LEFTSCROLLBAR)
            c.left += GetSystemMetrics(SM_CXVSCROLL);
        else
            c.right -= GetSystemMetrics(SM_CXVSCROLL);
    }
    if (hwnd->style & WS_HSCROLL)
        c.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    c.right = std::max(c.left, c.right);
    c.bottom = std::max(c.top, c.bottom);
    return c;
}

RECT CaptionButtonRect(HWND hwnd, LRESULT which) {
    RECT cap = CaptionRect(hwnd);
    if (cap.right <= cap.left || !(hwnd->style & WS_SYSMENU))
        return RECT{};
    const bool tool = (hwnd->exStyle & WS_EX_TOOLWINDOW) != 0;
    int bw = (tool ? GetSystemMetrics(SM_CXSMSIZE) : GetSystemMetrics(SM_CXSIZE)) - 2;
    int bh = (tool ? GetSystemMetrics(SM_CYSMSIZE) : GetSystemMetrics(SM_CYSIZE)) - 4;
    int top = cap.top + 2;
    RECT close{cap.right - 2 - bw, top, cap.right - 2, top + bh};
    if (which == HTCLOSE)
        return close;
    if (which == HTSYSMENU) {
        if (!HasSysIcon(hwnd))
            return RECT{};
        int s = GetSystemMetrics(SM_CXSMICON);
        return RECT{cap.left + 1, cap.top + (cap.bottom - cap.top - s) / 2, cap.left + 1 + s,
                    cap.top + (cap.bottom - cap.top - s) / 2 + s};
    }
    const bool minmax = !tool && (hwnd->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    if (which == HTMAXBUTTON || which == HTMINBUTTON) {
        if (!minmax)
            return RECT{};
        RECT max{close.left - 2 - bw, top, close.left - 2, top + bh};
        if (which == HTMAXBUTTON)
            return max;
        return RECT{max.left - bw, top, max.left, top + bh};
    }
    if (which == HTHELP) {
        if (minmax || tool || !(hwnd->exStyle & WS_EX_CONTEXTHELP))
            return RECT{};
        return RECT{close.left - 2 - bw, top, close.left - 2, top + bh};
    }
    return RECT{};
}

LRESULT NcHitTestDefault(HWND hwnd, POINT pt) {
    RECT wr = WindowRectScreen(hwnd);
    if (!PtIn(wr, pt))
        return HTNOWHERE;
    if (hwnd->style & WS_MINIMIZE)
        return HTCAPTION;
    if (PtIn(ClientRectScreen(hwnd), pt))
        return HTCLIENT;
    POINT p{pt.x - wr.left, pt.y - wr.top};
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    const int f = FrameWidth(hwnd->style, hwnd->exStyle);
    const bool inFrame = p.x < f || p.x >= w - f || p.y < f || p.y >= h - f;
    if (inFrame) {
        if (!HasThickFrame(hwnd->style, hwnd->exStyle) || (hwnd->style & WS_MAXIMIZE))
            return HTBORDER;
        const int cs = GetSystemMetrics(SM_CXSIZE) + f;
        if (p.y < f)
            return p.x < cs ? HTTOPLEFT : p.x >= w - cs ? HTTOPRIGHT : HTTOP;
        if (p.y >= h - f)
            return p.x < cs ? HTBOTTOMLEFT : p.x >= w - cs ? HTBOTTOMRIGHT : HTBOTTOM;
        if (p.x < f)
            return p.y < cs ? HTTOPLEFT : p.y >= h - cs ? HTBOTTOMLEFT : HTLEFT;
        return p.y < cs ? HTTOPRIGHT : p.y >= h - cs ? HTBOTTOMRIGHT : HTRIGHT;
    }
    RECT cap = CaptionRect(hwnd);
    cap.bottom += 1;
    if (PtIn(cap, p)) {
        for (LRESULT b : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP, HTSYSMENU})
            if (PtIn(CaptionButtonRect(hwnd, b), p))
                return b;
        return HTCAPTION;
    }
    RECT inner = NcCalcDefault(hwnd, RECT{0, 0, w, h});
    const int sb = GetSystemMetrics(SM_CXVSCROLL);
    const bool vs = (hwnd->style & WS_VSCROLL) != 0, hs = (hwnd->style & WS_HSCROLL) != 0;
    const bool left = (hwnd->exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    if (vs && p.y >= inner.top && p.y < inner.bottom &&
        (left ? (p.x >= inner.left - sb && p.x < inner.left)
              : (p.x >= inner.right && p.x < inner.right + sb)))
        return HTVSCROLL;
    if (hs && p.y >= inner.bottom && p.y < inner.bottom + GetSystemMetrics(SM_CYHSCROLL)) {
        if (vs && (left ? p.x < inner.left : p.x >= inner.right))
            return HasThickFrame(hwnd->style, hwnd->exStyle) ? HTGROWBOX : HTNOWHERE;
        return HTHSCROLL;
    }
    return HTBORDER;
}

namespace {

void DrawFrame(HWND hwnd, HDC dc, RECT r, bool active) {
    const int f = FrameWidth(hwnd->style, hwnd->exStyle);
    if (HasThickFrame(hwnd->style, hwnd->exStyle) || HasDlgFrame(hwnd->style, hwnd->exStyle)) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        HBRUSH fill = HasThickFrame(hwnd->style, hwnd->exStyle)
                          ? GetSysColorBrush(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER)
                          : GetSysColorBrush(COLOR_BTNFACE);
        for (int i = 2; i < f; ++i) {
            FrameRect(dc, &r, fill);
            r.left++, r.top++, r.right--, r.bottom--;
        }
    } else if (f > 0) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
}

void DrawCaptionButtons(HWND hwnd, HDC dc) {
    const bool noClose = hwnd->cls && (hwnd->cls->style & CS_NOCLOSE);
    struct Btn {
        LRESULT hit;
        UINT state;
        bool enabled;
    } buttons[] = {
        {HTCLOSE, DFCS_CAPTIONCLOSE, !noClose},
        {HTMAXBUTTON, (hwnd->style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX,
         (hwnd->style & WS_MAXIMIZEBOX) != 0},
        {HTMINBUTTON, (hwnd->style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN,
         (hwnd->style & WS_MINIMIZEBOX) != 0},
        {HTHELP, DFCS_CAPTIONHELP, true},
    };
    for (const Btn& b : buttons) {
        RECT br = CaptionButtonRect(hwnd, b.hit);
        if (br.right <= br.left)
            continue;
        UINT st =
            b.state | (b.enabled ? 0 : DFCS_INACTIVE) | (hwnd->pressedNcButton == b.hit ? DFCS_PUSHED : 0);
        DrawFrameControl(dc, &br, DFC_CAPTION, st);
    }
}

void DrawCaption(HWND hwnd, HDC dc, const RECT& cap, bool active) {
    UINT flags = DC_TEXT | DC_GRADIENT | (active ? DC_ACTIVE : 0);
    if (hwnd->exStyle & WS_EX_TOOLWINDOW)
        flags |= DC_SMALLCAP;
    HICON icon = HasSysIcon(hwnd) ? WindowIcon(hwnd) : nullptr;
    if (icon)
        flags |= DC_ICON;
    DrawCaptionBar(dc, &cap, hwnd->text.c_str(), icon, nullptr, flags);
    RECT line{cap.left, cap.bottom, cap.right, cap.bottom + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNFACE));
    DrawCaptionButtons(hwnd, dc);
}

// Plain bars beside client area `c`; a window with real scroll bars has them painted by their owner.
void DrawPlainScrollBars(HWND hwnd, HDC dc, const RECT& c) {
    const int sb = GetSystemMetrics(SM_CXVSCROLL);
    HBRUSH track = GetSysColorBrush(COLOR_SCROLLBAR);
    if (hwnd->style & WS_VSCROLL) {
        bool left = (hwnd->exStyle & WS_EX_LEFTSCROLLBAR) != 0;
        RECT v =
            left ? RECT{c.left - sb, c.top, c.left, c.bottom} : RECT{c.right, c.top, c.right + sb, c.bottom};
        FillRect(dc, &v, track);
        RECT up{v.left, v.top, v.right, v.top + sb}, down{v.left, v.bottom - sb, v.right, v.bottom};
        DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP);
        DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN);
    }
    if (hwnd->style & WS_HSCROLL) {
        RECT h{c.left, c.bottom, c.right, c.bottom + sb};
        FillRect(dc, &h, track);
        RECT l{h.left, h.top, h.left + sb, h.bottom}, rr{h.right - sb, h.top, h.right, h.bottom};
        DrawFrameControl(dc, &l, DFC_SCROLL, DFCS_SCROLLLEFT);
        DrawFrameControl(dc, &rr, DFC_SCROLL, DFCS_SCROLLRIGHT);
        if (hwnd->style & WS_VSCROLL) {
            RECT corner{c.right, c.bottom, c.right + sb, c.bottom + sb};
            FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
        }
    }
}

} // namespace

void NcDraw(HWND hwnd, HDC dc) {
    RECT wr = hwnd->rcWindow;
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    const bool active = hwnd->ncActive;
    RECT c = NcCalcDefault(hwnd, RECT{0, 0, w, h});
    SaveDC(dc);
    ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
    DrawFrame(hwnd, dc, RECT{0, 0, w, h}, active);
    RECT cap = CaptionRect(hwnd);
    if (cap.right > cap.left)
        DrawCaption(hwnd, dc, cap, active);
    const int f = FrameWidth(hwnd->style, hwnd->exStyle);
    if (EdgeWidth(hwnd->exStyle)) {
        RECT er{f, f + (cap.right > cap.left ? cap.bottom - cap.top + 1 : 0), w - f, h - f};
        DrawEdge(dc, &er, (hwnd->exStyle & WS_EX_CLIENTEDGE) ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
    }
    if (hwnd->style & (WS_VSCROLL | WS_HSCROLL))
        DrawPlainScrollBars(hwnd, dc, c);
    RestoreDC(dc, -1);
}

void NcPaintDefault(HWND hwnd, HRGN clip) {
    if (!ReallyVisible(hwnd) || hwnd->rcWindow.right - hwnd->rcWindow.left <= 0)
        return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc)
        return;
    NcDraw(hwnd, dc);
    ReleaseDC(hwnd, dc);
}

} // namespace win::core

namespace win {

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HWND__ probe;
    probe.style = style & ~(WS_VSCROLL | WS_HSCROLL | WS_MINIMIZE);
    probe.exStyle = exStyle;
    RECT c = core::NcCalcDefault(&probe, RECT{0, 0, 1000, 1000});
    rect->left -= c.left;
    rect->top -= c.top;
    rect->right += 1000 - c.right;
    rect->bottom += 1000 - c.bottom;
    if (menu)
        rect->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
    return AdjustWindowRectEx(rect, style, menu, 0);
}

} // namespace win
