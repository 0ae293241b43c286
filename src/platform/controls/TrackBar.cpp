#include "platform/controls/TrackBar.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kMargin = 8; // channel ends inside the client area
constexpr int kThumbLength = 11;
constexpr int kTickRoom = 6; // the room a row of ticks takes
constexpr int kMaxThickness = 20;

WindowData<TrackState>& States() {
    static WindowData<TrackState> d;
    return d;
}

TrackState& StateOf(HWND hwnd) {
    return CommonControl::StateIn(States(), hwnd);
}

bool Vertical(HWND hwnd) {
    return (CommonControl::StyleOf(hwnd) & TBS_VERT) != 0;
}

void Redraw(HWND hwnd, bool redraw = true) {
    if (redraw)
        InvalidateRect(hwnd, nullptr, FALSE);
}

} // namespace

LRESULT TrackBar::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, CommonControl::PointOf(lParam));
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, CommonControl::PointOf(lParam));
    case WM_LBUTTONUP: return OnMouseUp(hwnd);
    case WM_CAPTURECHANGED: return OnCaptureChanged(hwnd);
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam);
    case WM_KEYUP: return OnKeyUp(hwnd, wParam);
    case WM_SETFOCUS: return OnFocus(hwnd, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, false);
    case WM_ENABLE:
    case WM_SIZE: Redraw(hwnd); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SETFONT: StateOf(hwnd).font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case TBM_GETPOS: return StateOf(hwnd).pos;
    case TBM_GETRANGEMIN: return StateOf(hwnd).low;
    case TBM_GETRANGEMAX: return StateOf(hwnd).high;
    case TBM_SETPOS: return OnSetPos(hwnd, static_cast<int>(lParam), wParam != 0);
    case TBM_SETRANGE:
        return OnSetRange(hwnd, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)),
                          wParam != 0);
    case TBM_SETRANGEMIN: return OnSetRangeMin(hwnd, static_cast<int>(lParam), wParam != 0);
    case TBM_SETRANGEMAX: return OnSetRangeMax(hwnd, static_cast<int>(lParam), wParam != 0);
    case TBM_SETTICFREQ: return OnSetSize(hwnd, &StateOf(hwnd).tickFrequency, static_cast<int>(wParam));
    case TBM_SETPAGESIZE: return OnSetSize(hwnd, &StateOf(hwnd).page, static_cast<int>(lParam));
    case TBM_GETPAGESIZE: return StateOf(hwnd).page;
    case TBM_SETLINESIZE: return OnSetSize(hwnd, &StateOf(hwnd).line, static_cast<int>(lParam));
    case TBM_GETLINESIZE: return StateOf(hwnd).line;
    case TBM_GETTHUMBRECT: return OnGetRect(hwnd, true, reinterpret_cast<LPRECT>(lParam));
    case TBM_GETCHANNELRECT: return OnGetRect(hwnd, false, reinterpret_cast<LPRECT>(lParam));
    case TBM_GETNUMTICS: return OnGetNumTics(hwnd);
    case TBM_GETTICPOS: return OnGetTicPos(hwnd, wParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT TrackBar::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

TrackLayout TrackBar::Layout(HWND hwnd, const TrackState& s) {
    (void)s;
    TrackLayout l;
    const DWORD style = CommonControl::StyleOf(hwnd);
    const RECT rc = ClientRectOf(hwnd);
    l.vertical = (style & TBS_VERT) != 0;
    const bool ticks = !(style & TBS_NOTICKS);
    l.ticksBefore = ticks && (style & (TBS_TOP | TBS_BOTH));
    l.ticksAfter = ticks && (!(style & TBS_TOP) || (style & TBS_BOTH));
    // Along: the channel runs between the margins. Across: ticks, thumb, ticks.
    const int along = l.vertical ? rc.bottom : rc.right;
    const int across = l.vertical ? rc.right : rc.bottom;
    const int before = l.ticksBefore ? kTickRoom : 0;
    const int after = l.ticksAfter ? kTickRoom : 0;
    const int thickness = std::clamp(across - before - after - 4, 4, kMaxThickness);
    const int thumbFrom = before + std::max(0, (across - before - after - thickness) / 2);
    const int channelFrom = thumbFrom + thickness / 2 - 2;
    const int start = kMargin, end = std::max(kMargin + kThumbLength, along - kMargin);
    l.travel = end - start - kThumbLength;
    auto make = [&](int a0, int a1, int c0, int c1) {
        return l.vertical ? RECT{c0, a0, c1, a1} : RECT{a0, c0, a1, c1};
    };
    l.channel = make(start, end, channelFrom, channelFrom + 4);
    const long long span = static_cast<long long>(s.high) - s.low;
    const int offset =
        span > 0 ? static_cast<int>(l.travel * (static_cast<long long>(s.pos) - s.low) / span) : 0;
    l.thumb = make(start + offset, start + offset + kThumbLength, thumbFrom, thumbFrom + thickness);
    return l;
}

LRESULT TrackBar::OnSetPos(HWND hwnd, int pos, bool redraw) {
    TrackState& s = StateOf(hwnd);
    s.pos = std::clamp(pos, s.low, s.high);
    Redraw(hwnd, redraw);
    return 0;
}

// A range given backwards is swapped; the position moves inside it.
LRESULT TrackBar::OnSetRange(HWND hwnd, int low, int high, bool redraw) {
    TrackState& s = StateOf(hwnd);
    if (low > high)
        std::swap(low, high);
    s.low = low;
    s.high = high;
    s.pos = std::clamp(s.pos, low, high);
    Redraw(hwnd, redraw);
    return 0;
}

// A minimum above the maximum takes the maximum along, and the other way round.
LRESULT TrackBar::OnSetRangeMin(HWND hwnd, int low, bool redraw) {
    const TrackState& s = StateOf(hwnd);
    return OnSetRange(hwnd, low, std::max(low, s.high), redraw);
}

LRESULT TrackBar::OnSetRangeMax(HWND hwnd, int high, bool redraw) {
    const TrackState& s = StateOf(hwnd);
    return OnSetRange(hwnd, std::min(high, s.low), high, redraw);
}

// Line and page sizes and the tick frequency are at least 1; returns the previous value.
LRESULT TrackBar::OnSetSize(HWND hwnd, int* field, int value) {
    const int old = *field;
    *field = std::max(1, value);
    Redraw(hwnd);
    return old;
}

LRESULT TrackBar::OnGetRect(HWND hwnd, bool thumb, LPRECT out) {
    if (!out)
        return 0;
    const TrackLayout l = Layout(hwnd, StateOf(hwnd));
    *out = thumb ? l.thumb : l.channel;
    return 1;
}

int TrackBar::PositionAt(HWND hwnd, const TrackState& s, int along) {
    const TrackLayout l = Layout(hwnd, s);
    const int start = l.vertical ? l.channel.top : l.channel.left;
    if (l.travel <= 0)
        return s.low;
    const long long span = static_cast<long long>(s.high) - s.low;
    const long long offset = std::clamp(along - start, 0, l.travel);
    // Rounded to the nearest position.
    return static_cast<int>(s.low + (offset * span + l.travel / 2) / l.travel);
}

void TrackBar::MoveTo(HWND hwnd, int pos, WORD code) {
    TrackState& s = StateOf(hwnd);
    pos = std::clamp(pos, s.low, s.high);
    if (pos != s.pos) {
        s.pos = pos;
        Redraw(hwnd);
    }
    CommonControl::Scroll(hwnd, Vertical(hwnd), code, s.pos);
}

LRESULT TrackBar::OnMouseDown(HWND hwnd, POINT pt) {
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    if (!IsWindow(hwnd))
        return 0;
    TrackState& s = StateOf(hwnd);
    const TrackLayout l = Layout(hwnd, s);
    const int along = l.vertical ? pt.y : pt.x;
    const int thumbStart = l.vertical ? l.thumb.top : l.thumb.left;
    if (CommonControl::Inside(l.thumb, pt)) {
        s.dragging = true;
        s.grabOffset = along - thumbStart;
        SetCapture(hwnd);
        return 0;
    }
    // Beside the thumb: a page towards the pointer.
    const bool before = along < thumbStart;
    const long long next = static_cast<long long>(s.pos) + (before ? -s.page : s.page);
    MoveTo(hwnd, static_cast<int>(std::clamp<long long>(next, s.low, s.high)),
           before ? TB_PAGEUP : TB_PAGEDOWN);
    if (IsWindow(hwnd))
        CommonControl::Scroll(hwnd, Vertical(hwnd), TB_ENDTRACK, StateOf(hwnd).pos);
    return 0;
}

LRESULT TrackBar::OnMouseMove(HWND hwnd, POINT pt) {
    TrackState& s = StateOf(hwnd);
    if (!s.dragging || GetCapture() != hwnd)
        return 0;
    const TrackLayout l = Layout(hwnd, s);
    const int along = (l.vertical ? pt.y : pt.x) - s.grabOffset;
    const int pos = PositionAt(hwnd, s, along);
    if (pos != s.pos)
        MoveTo(hwnd, pos, TB_THUMBTRACK);
    return 0;
}

LRESULT TrackBar::OnMouseUp(HWND hwnd) {
    TrackState& s = StateOf(hwnd);
    if (!s.dragging)
        return 0;
    s.dragging = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    CommonControl::Scroll(hwnd, Vertical(hwnd), TB_THUMBPOSITION, s.pos);
    if (IsWindow(hwnd))
        CommonControl::Scroll(hwnd, Vertical(hwnd), TB_ENDTRACK, StateOf(hwnd).pos);
    return 0;
}

LRESULT TrackBar::OnCaptureChanged(HWND hwnd) {
    TrackState& s = StateOf(hwnd);
    if (s.dragging) {
        s.dragging = false;
        CommonControl::Scroll(hwnd, Vertical(hwnd), TB_ENDTRACK, s.pos);
    }
    return 0;
}

LRESULT TrackBar::OnKeyDown(HWND hwnd, WPARAM vk) {
    const TrackState& s = StateOf(hwnd);
    const long long pos = s.pos;
    switch (vk) {
    case VK_LEFT:
    case VK_UP: MoveTo(hwnd, static_cast<int>(std::max<long long>(pos - s.line, s.low)), TB_LINEUP); break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveTo(hwnd, static_cast<int>(std::min<long long>(pos + s.line, s.high)), TB_LINEDOWN);
        break;
    case VK_PRIOR: MoveTo(hwnd, static_cast<int>(std::max<long long>(pos - s.page, s.low)), TB_PAGEUP); break;
    case VK_NEXT:
        MoveTo(hwnd, static_cast<int>(std::min<long long>(pos + s.page, s.high)), TB_PAGEDOWN);
        break;
    case VK_HOME: MoveTo(hwnd, s.low, TB_TOP); break;
    case VK_END: MoveTo(hwnd, s.high, TB_BOTTOM); break;
    default: return DefWindowProcA(hwnd, WM_KEYDOWN, vk, 0);
    }
    return 0;
}

LRESULT TrackBar::OnKeyUp(HWND hwnd, WPARAM vk) {
    switch (vk) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: CommonControl::Scroll(hwnd, Vertical(hwnd), TB_ENDTRACK, StateOf(hwnd).pos); break;
    default: break;
    }
    return 0;
}

LRESULT TrackBar::OnFocus(HWND hwnd, bool gained) {
    StateOf(hwnd).focused = gained;
    Redraw(hwnd);
    return 0;
}

LRESULT TrackBar::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

long long TrackBar::TicksBetween(HWND hwnd, const TrackState& s, const TrackLayout& l) {
    const long long span = static_cast<long long>(s.high) - s.low;
    const DWORD style = CommonControl::StyleOf(hwnd);
    if (span <= 0 || l.travel <= 0 || (style & TBS_NOTICKS))
        return -1;
    const long long freq = std::max(1, s.tickFrequency);
    // Ticks closer than 2 pixels would only fill the row: then the two ends alone.
    if (!(style & TBS_AUTOTICKS) || span / freq > l.travel / 2)
        return 0;
    return (span - 1) / freq;
}

int TrackBar::TickAt(const TrackState& s, const TrackLayout& l, long long value) {
    const long long span = static_cast<long long>(s.high) - s.low;
    const int start = (l.vertical ? l.channel.top : l.channel.left) + kThumbLength / 2;
    return start + static_cast<int>(l.travel * (value - s.low) / span);
}

std::vector<int> TrackBar::TickPositions(HWND hwnd, const TrackState& s, const TrackLayout& l) {
    const long long between = TicksBetween(hwnd, s, l);
    if (between < 0)
        return {};
    const long long freq = std::max(1, s.tickFrequency);
    std::vector<int> ticks{TickAt(s, l, s.low)};
    for (long long i = 1; i <= between; ++i)
        ticks.push_back(TickAt(s, l, s.low + i * freq));
    ticks.push_back(TickAt(s, l, s.high));
    return ticks;
}

LRESULT TrackBar::OnGetNumTics(HWND hwnd) {
    const TrackState& s = StateOf(hwnd);
    const long long between = TicksBetween(hwnd, s, Layout(hwnd, s));
    return between < 0 ? 0 : static_cast<LRESULT>(between + 2);
}

// The ticks between the two ends, counted from 0; -1 for any other index.
LRESULT TrackBar::OnGetTicPos(HWND hwnd, WPARAM index) {
    const TrackState& s = StateOf(hwnd);
    const TrackLayout l = Layout(hwnd, s);
    if (index >= static_cast<unsigned long long>(std::max(0LL, TicksBetween(hwnd, s, l))))
        return -1;
    return TickAt(s, l, s.low + (static_cast<long long>(index) + 1) * std::max(1, s.tickFrequency));
}

void TrackBar::DrawTicks(HDC dc, const std::vector<int>& ticks, const TrackLayout& l) {
    HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int at = ticks[i];
        const int len = i == 0 || i + 1 == ticks.size() ? 4 : 3;
        RECT before, after;
        if (l.vertical) {
            before = RECT{l.thumb.left - 2 - len, at, l.thumb.left - 2, at + 1};
            after = RECT{l.thumb.right + 2, at, l.thumb.right + 2 + len, at + 1};
        } else {
            before = RECT{at, l.thumb.top - 2 - len, at + 1, l.thumb.top - 2};
            after = RECT{at, l.thumb.bottom + 2, at + 1, l.thumb.bottom + 2 + len};
        }
        if (l.ticksBefore)
            FillRect(dc, &before, ink);
        if (l.ticksAfter)
            FillRect(dc, &after, ink);
    }
}

void TrackBar::Draw(HWND hwnd, HDC dc) {
    const TrackState& s = StateOf(hwnd);
    const TrackLayout l = Layout(hwnd, s);
    RECT rc = ClientRectOf(hwnd);
    FillRect(dc, &rc, ControlBrush(hwnd, dc, WM_CTLCOLORSTATIC));
    RECT channel = l.channel;
    DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(dc, &channel, GetSysColorBrush(COLOR_WINDOW));
    DrawTicks(dc, TickPositions(hwnd, s, l), l);
    if (!(CommonControl::StyleOf(hwnd) & TBS_NOTHUMB)) {
        RECT thumb = l.thumb;
        DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
        if (!IsWindowEnabled(hwnd) || s.dragging) {
            // The classic checked face: pressed or disabled thumbs are hatched with the highlight colour.
            for (int y = thumb.top; y < thumb.bottom; ++y)
                for (int x = thumb.left + ((y - thumb.top) & 1); x < thumb.right; x += 2)
                    SetPixel(dc, x, y, GetSysColor(COLOR_BTNHIGHLIGHT));
        }
    }
    if (s.focused) {
        RECT f = rc;
        DrawFocusRect(dc, &f);
    }
}

LRESULT TrackBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TrackBar::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
