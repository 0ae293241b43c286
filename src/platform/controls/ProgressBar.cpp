#include "platform/controls/ProgressBar.h"

#include <algorithm>

namespace win::controls {

namespace {

WindowData<ProgressState>& States() {
    static WindowData<ProgressState> d;
    return d;
}

ProgressState& StateOf(HWND hwnd) {
    return CommonControl::StateIn(States(), hwnd);
}

// The old range as PBM_SETRANGE returns it: two 16-bit halves.
LRESULT PackedRange(const ProgressState& s) {
    return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(s.low), static_cast<WORD>(s.high)));
}

void Redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
}

} // namespace

LRESULT ProgressBar::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: StateOf(hwnd).font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case PBM_SETRANGE:
        return OnSetRange(hwnd, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
    case PBM_SETRANGE32: return OnSetRange(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE: return OnGetRange(hwnd, wParam != 0, reinterpret_cast<PPBRANGE>(lParam));
    case PBM_SETPOS: return OnSetPos(hwnd, static_cast<int>(wParam));
    case PBM_GETPOS: return StateOf(hwnd).pos;
    case PBM_DELTAPOS: return OnSetPos(hwnd, StateOf(hwnd).pos + static_cast<int>(wParam));
    case PBM_SETSTEP: return OnSetStep(hwnd, static_cast<int>(wParam));
    case PBM_STEPIT: return OnStepIt(hwnd);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ProgressBar::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT ProgressBar::OnSetRange(HWND hwnd, int low, int high) {
    ProgressState& s = StateOf(hwnd);
    const LRESULT old = PackedRange(s);
    if (low > high)
        std::swap(low, high);
    s.low = low;
    s.high = high;
    s.pos = std::clamp(s.pos, low, high);
    Redraw(hwnd);
    return old;
}

LRESULT ProgressBar::OnSetPos(HWND hwnd, int pos) {
    ProgressState& s = StateOf(hwnd);
    const int old = s.pos;
    s.pos = std::clamp(pos, s.low, s.high);
    if (s.pos != old)
        Redraw(hwnd);
    return old;
}

LRESULT ProgressBar::OnGetRange(HWND hwnd, bool low, PPBRANGE range) {
    const ProgressState& s = StateOf(hwnd);
    if (range) {
        range->iLow = s.low;
        range->iHigh = s.high;
    }
    return low ? s.low : s.high;
}

LRESULT ProgressBar::OnSetStep(HWND hwnd, int step) {
    ProgressState& s = StateOf(hwnd);
    const int old = s.step;
    s.step = step;
    return old;
}

// Past the end the bar starts over from the beginning, as on Windows.
LRESULT ProgressBar::OnStepIt(HWND hwnd) {
    ProgressState& s = StateOf(hwnd);
    const int old = s.pos;
    const long long next = static_cast<long long>(s.pos) + s.step;
    if (next > s.high)
        s.pos = s.low + static_cast<int>((next - s.high) % (static_cast<long long>(s.high) - s.low + 1));
    else if (next < s.low)
        s.pos = s.high;
    else
        s.pos = static_cast<int>(next);
    s.pos = std::clamp(s.pos, s.low, s.high);
    Redraw(hwnd);
    return old;
}

LRESULT ProgressBar::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void ProgressBar::Draw(HWND hwnd, HDC dc) {
    const ProgressState& s = StateOf(hwnd);
    const DWORD style = CommonControl::StyleOf(hwnd);
    const bool vertical = (style & PBS_VERTICAL) != 0;
    RECT rc = ClientRectOf(hwnd);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    InflateRect(&rc, -1, -1);
    const long long span = static_cast<long long>(s.high) - s.low;
    const int length = vertical ? rc.bottom - rc.top : rc.right - rc.left;
    if (span <= 0 || length <= 0)
        return;
    const int filled = static_cast<int>(length * (static_cast<long long>(s.pos) - s.low) / span);
    HBRUSH bar = GetSysColorBrush(COLOR_HIGHLIGHT);
    auto part = [&](int from, int to) {
        RECT r = rc;
        if (vertical) {
            r.bottom = rc.bottom - from;
            r.top = rc.bottom - to;
        } else {
            r.left = rc.left + from;
            r.right = rc.left + to;
        }
        FillRect(dc, &r, bar);
    };
    if (style & PBS_SMOOTH) {
        part(0, filled);
        return;
    }
    // Classic blocks: two thirds of the bar's thickness wide, two pixels apart; the last one may be cut.
    const int thickness = vertical ? rc.right - rc.left : rc.bottom - rc.top;
    const int block = std::max(2, thickness * 2 / 3);
    for (int at = 0; at < filled; at += block + 2)
        part(at, std::min(at + block, length));
}

LRESULT ProgressBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ProgressBar::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
