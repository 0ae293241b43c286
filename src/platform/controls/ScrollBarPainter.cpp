#include "platform/controls/ScrollBarModel.h"

namespace win::controls {

namespace {

RECT PartRect(const ScrollLayout& l, int from, int to) {
    RECT r = l.rect;
    if (l.vertical) {
        r.top = l.rect.top + from;
        r.bottom = l.rect.top + to;
    } else {
        r.left = l.rect.left + from;
        r.right = l.rect.left + to;
    }
    return r;
}

} // namespace

void ScrollBarPainter::Draw(HWND hwnd, HDC dc, int bar) {
    const ScrollLayout l = ScrollBarModel::Layout(hwnd, bar);
    const ScrollData& d = ScrollBarModel::Get(hwnd, bar);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (bar == SB_CTL && (style & (SBS_SIZEBOX | SBS_SIZEGRIP))) {
        RECT r = ClientRectOf(hwnd);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        return;
    }
    if (!l.visible || l.length <= 0)
        return;
    HBRUSH track = GetSysColorBrush(COLOR_SCROLLBAR);
    if (bar == SB_CTL && GetParent(hwnd))
        track = ControlBrush(hwnd, dc, WM_CTLCOLORSCROLLBAR);
    FillRect(dc, &l.rect, track);
    const UINT inactive = l.enabled ? 0 : DFCS_INACTIVE;
    RECT first = PartRect(l, 0, l.arrow);
    RECT second = PartRect(l, l.length - l.arrow, l.length);
    DrawFrameControl(dc, &first, DFC_SCROLL,
                     (l.vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive |
                         (d.pressedPart == kPartArrowUp ? DFCS_PUSHED | DFCS_FLAT : 0));
    DrawFrameControl(dc, &second, DFC_SCROLL,
                     (l.vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive |
                         (d.pressedPart == kPartArrowDown ? DFCS_PUSHED | DFCS_FLAT : 0));
    if (l.thumbBottom > l.thumbTop) {
        if (d.pressedPart == kPartPageUp) {
            RECT p = PartRect(l, l.arrow, l.thumbTop);
            FillRect(dc, &p, GetSysColorBrush(COLOR_3DDKSHADOW));
        } else if (d.pressedPart == kPartPageDown) {
            RECT p = PartRect(l, l.thumbBottom, l.length - l.arrow);
            FillRect(dc, &p, GetSysColorBrush(COLOR_3DDKSHADOW));
        }
        RECT thumb = PartRect(l, l.thumbTop, l.thumbBottom);
        DrawFrameControl(dc, &thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

void ScrollBarPainter::RedrawWindowBars(HWND hwnd) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (!(style & (WS_HSCROLL | WS_VSCROLL)) || !IsWindowVisible(hwnd))
        return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc)
        return;
    if (style & WS_VSCROLL)
        Draw(hwnd, dc, SB_VERT);
    if (style & WS_HSCROLL)
        Draw(hwnd, dc, SB_HORZ);
    if ((style & WS_VSCROLL) && (style & WS_HSCROLL)) {
        const ScrollLayout v = ScrollBarModel::Layout(hwnd, SB_VERT);
        const ScrollLayout h = ScrollBarModel::Layout(hwnd, SB_HORZ);
        RECT corner{v.rect.left, h.rect.top, v.rect.right, h.rect.bottom};
        FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
    }
    ReleaseDC(hwnd, dc);
}

void ScrollBarPainter::Redraw(HWND hwnd, int bar) {
    if (!IsWindowVisible(hwnd))
        return;
    if (bar == SB_CTL) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
        return;
    }
    RedrawWindowBars(hwnd);
}

} // namespace win::controls
