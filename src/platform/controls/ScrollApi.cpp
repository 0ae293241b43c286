// SetScrollInfo and its companions, for the standard bars of a window and for "scrollbar" controls.
#include "platform/controls/ScrollBarModel.h"

namespace win::controls {

namespace {

bool ValidBar(HWND hwnd, int bar) {
    if (!IsWindow(hwnd))
        return false;
    if (bar == SB_CTL)
        return ScrollBarModel::IsControl(hwnd);
    return bar == SB_HORZ || bar == SB_VERT;
}

DWORD StyleBit(int bar) {
    return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

void SetBarShown(HWND hwnd, int bar, bool show) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    DWORD bits = bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : StyleBit(bar);
    DWORD next = show ? (style | bits) : (style & ~bits);
    if (next == style)
        return;
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(next));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

} // namespace win::controls

namespace win {

using namespace controls;

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
    if (!ValidBar(hwnd, bar) || !info ||
        (info->cbSize != sizeof(SCROLLINFO) && info->cbSize != sizeof(SCROLLINFO) - 4)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ScrollData& d = ScrollBarModel::Get(hwnd, bar);
    const bool hadRange = ScrollBarModel::HasRange(d);
    if (info->fMask & SIF_RANGE) {
        d.min = info->nMin;
        d.max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE) {
        const long long range = static_cast<long long>(d.max) - d.min + 1;
        d.page = static_cast<UINT>(std::min<long long>(info->nPage, range));
    }
    if (info->fMask & SIF_POS)
        d.pos = info->nPos;
    d.pos = std::clamp(d.pos, d.min, ScrollBarModel::MaxPos(d));
    const int pos = d.pos;
    if (bar != SB_CTL && (info->fMask & (SIF_RANGE | SIF_PAGE))) {
        const bool has = ScrollBarModel::HasRange(d);
        if (has) {
            d.disabledArrows = ESB_ENABLE_BOTH;
            SetBarShown(hwnd, bar, true);
        } else if (info->fMask & SIF_DISABLENOSCROLL) {
            d.disabledArrows = ESB_DISABLE_BOTH;
        } else if (hadRange || (GetWindowLongA(hwnd, GWL_STYLE) & StyleBit(bar))) {
            SetBarShown(hwnd, bar, false);
        }
    }
    if (redraw && IsWindow(hwnd))
        ScrollBarPainter::Redraw(hwnd, bar);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
    // A window's own bars exist once it has had WS_HSCROLL/WS_VSCROLL or a SetScrollInfo; a control has none.
    const bool known =
        bar == SB_CTL ||
        (!ScrollBarModel::IsControl(hwnd) &&
         (ScrollBarModel::Find(hwnd, bar) || (GetWindowLongA(hwnd, GWL_STYLE) & StyleBit(bar))));
    if (!ValidBar(hwnd, bar) || !known || !info ||
        (info->cbSize != sizeof(SCROLLINFO) && info->cbSize != sizeof(SCROLLINFO) - 4)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const ScrollData& d = ScrollBarModel::Get(hwnd, bar);
    if (info->fMask & SIF_RANGE) {
        info->nMin = d.min;
        info->nMax = d.max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = d.page;
    if (info->fMask & SIF_POS)
        info->nPos = d.pos;
    if ((info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof(SCROLLINFO))
        info->nTrackPos = d.tracking ? d.trackPos : d.pos;
    return TRUE;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info) {
    if (!IsWindow(hwnd) || !info || info->cbSize != sizeof(SCROLLBARINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    int bar;
    if (idObject == OBJID_HSCROLL)
        bar = SB_HORZ;
    else if (idObject == OBJID_VSCROLL)
        bar = SB_VERT;
    else if (idObject == OBJID_CLIENT && ScrollBarModel::IsControl(hwnd))
        bar = SB_CTL;
    else {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const ScrollLayout l = ScrollBarModel::Layout(hwnd, bar);
    const ScrollData& d = ScrollBarModel::Get(hwnd, bar);
    const POINT origin = ScrollBarModel::ScreenOrigin(hwnd, bar);
    info->rcScrollBar = l.rect;
    OffsetRect(&info->rcScrollBar, origin.x, origin.y);
    info->dxyLineButton = l.arrow;
    info->xyThumbTop = l.thumbTop;
    info->xyThumbBottom = l.thumbBottom;
    info->reserved = 0;
    for (DWORD& s : info->rgstate)
        s = 0;
    if (!l.visible)
        info->rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (!l.enabled)
        info->rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    if (l.thumbBottom <= l.thumbTop)
        info->rgstate[3] |= STATE_SYSTEM_INVISIBLE;
    static constexpr int kStateIndex[] = {1, 5, 2, 4, -1, 3};
    if (d.pressedPart >= 0 && d.pressedPart <= kPartThumb && kStateIndex[d.pressedPart] > 0)
        info->rgstate[kStateIndex[d.pressedPart]] |= STATE_SYSTEM_PRESSED;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    if (!ValidBar(hwnd, bar))
        return 0;
    const int old = ScrollBarModel::Get(hwnd, bar).pos;
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar) {
    return ValidBar(hwnd, bar) ? ScrollBarModel::Get(hwnd, bar).pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
    if (!ValidBar(hwnd, bar))
        return FALSE;
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = minPos;
    si.nMax = maxPos;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    if (!ValidBar(hwnd, bar) || !minPos || !maxPos)
        return FALSE;
    const ScrollData& d = ScrollBarModel::Get(hwnd, bar);
    *minPos = d.min;
    *maxPos = d.max;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    if (!IsWindow(hwnd))
        return FALSE;
    if (bar == SB_CTL)
        return ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE), TRUE;
    if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH)
        return FALSE;
    SetBarShown(hwnd, bar, show != 0);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    if (!IsWindow(hwnd) || bar > SB_BOTH)
        return FALSE;
    for (int b : {SB_HORZ, SB_VERT, SB_CTL})
        if (bar == static_cast<UINT>(b) || (bar == SB_BOTH && b != SB_CTL)) {
            ScrollBarModel::Get(hwnd, b).disabledArrows = arrows & ESB_DISABLE_BOTH;
            ScrollBarPainter::Redraw(hwnd, b);
        }
    return TRUE;
}

} // namespace win
