#include "platform/controls/ScrollBarModel.h"

#include <algorithm>
#include <array>

namespace win::controls {

namespace {

struct Bars {
    std::array<ScrollData, 3> bars;
    bool control = false; // made by the "scrollbar" class procedure (or a class built on it)
};

WindowData<Bars>& AllBars() {
    static WindowData<Bars> d;
    return d;
}

constexpr int kMinThumb = 8;

int MulDivSafe(long long a, long long b, long long c) {
    return c == 0 ? 0 : static_cast<int>(a * b / c);
}

} // namespace

ScrollData* ScrollBarModel::Find(HWND hwnd, int bar) {
    if (bar < SB_HORZ || bar > SB_CTL)
        return nullptr;
    Bars* b = AllBars().Find(hwnd);
    return b ? &b->bars[static_cast<size_t>(bar)] : nullptr;
}

ScrollData& ScrollBarModel::Get(HWND hwnd, int bar) {
    bar = std::clamp(bar, SB_HORZ, SB_CTL);
    Bars* b = AllBars().Find(hwnd);
    if (!b) {
        b = &AllBars().Create(hwnd);
        b->bars[SB_CTL].max = 0;
    }
    return b->bars[static_cast<size_t>(bar)];
}

void ScrollBarModel::Drop(HWND hwnd) {
    AllBars().Drop(hwnd);
}

bool ScrollBarModel::IsControl(HWND hwnd) {
    Bars* b = AllBars().Find(hwnd);
    return b && b->control;
}

void ScrollBarModel::MarkControl(HWND hwnd) {
    Get(hwnd, SB_CTL);
    AllBars().Find(hwnd)->control = true;
}

POINT ScrollBarModel::ScreenOrigin(HWND hwnd, int bar) {
    POINT origin{0, 0};
    if (bar == SB_CTL) {
        ClientToScreen(hwnd, &origin);
    } else {
        RECT wr;
        GetWindowRect(hwnd, &wr);
        origin = POINT{wr.left, wr.top};
    }
    return origin;
}

ScrollLayout ScrollBarModel::Layout(HWND hwnd, int bar) {
    ScrollLayout l;
    if (!IsWindow(hwnd))
        return l;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const ScrollData& d = Get(hwnd, bar);
    if (bar == SB_CTL) {
        l.rect = ClientRectOf(hwnd);
        l.vertical = (style & SBS_VERT) != 0;
        l.visible = (style & WS_VISIBLE) != 0 && !(style & (SBS_SIZEBOX | SBS_SIZEGRIP));
    } else {
        RECT wr, cr;
        GetWindowRect(hwnd, &wr);
        GetClientRect(hwnd, &cr);
        POINT o{0, 0};
        ClientToScreen(hwnd, &o);
        const int cl = o.x - wr.left, ct = o.y - wr.top;
        const int cw = cr.right, ch = cr.bottom;
        if (bar == SB_VERT) {
            const int w = GetSystemMetrics(SM_CXVSCROLL);
            const int x = (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) ? cl - w : cl + cw;
            l.rect = RECT{x, ct, x + w, ct + ch};
            l.vertical = true;
            l.visible = (style & WS_VSCROLL) != 0;
        } else {
            const int h = GetSystemMetrics(SM_CYHSCROLL);
            l.rect = RECT{cl, ct + ch, cl + cw, ct + ch + h};
            l.visible = (style & WS_HSCROLL) != 0;
        }
    }
    l.length = l.vertical ? l.rect.bottom - l.rect.top : l.rect.right - l.rect.left;
    const int arrowSize = l.vertical ? GetSystemMetrics(SM_CYVSCROLL) : GetSystemMetrics(SM_CXHSCROLL);
    l.arrow = std::max(0, std::min(arrowSize, l.length / 2));
    l.enabled = l.visible && d.disabledArrows != ESB_DISABLE_BOTH && HasRange(d) && IsWindowEnabled(hwnd);
    const int track = l.length - 2 * l.arrow;
    if (!l.enabled || track <= 0)
        return l;
    long long range = static_cast<long long>(d.max) - d.min + 1;
    int thumb =
        d.page ? std::max(kMinThumb, MulDivSafe(track, d.page, range)) : GetSystemMetrics(SM_CXHTHUMB);
    if (thumb > track)
        return l;
    const int maxPos = MaxPos(d);
    const int pos = d.tracking ? d.trackPos : d.pos;
    int top = l.arrow;
    if (maxPos > d.min)
        top += MulDivSafe(track - thumb, static_cast<long long>(std::clamp(pos, d.min, maxPos)) - d.min,
                          static_cast<long long>(maxPos) - d.min);
    l.thumbTop = top;
    l.thumbBottom = top + thumb;
    return l;
}

int ScrollBarModel::PartAt(const ScrollLayout& l, int offset) {
    if (!l.enabled || offset < 0 || offset >= l.length)
        return kPartNone;
    if (offset < l.arrow)
        return kPartArrowUp;
    if (offset >= l.length - l.arrow)
        return kPartArrowDown;
    if (l.thumbBottom <= l.thumbTop) {
        // No room for a thumb: the track pages by its halves.
        return offset < l.length / 2 ? kPartPageUp : kPartPageDown;
    }
    if (offset < l.thumbTop)
        return kPartPageUp;
    if (offset < l.thumbBottom)
        return kPartThumb;
    return kPartPageDown;
}

int ScrollBarModel::PosForThumb(HWND hwnd, int bar, const ScrollLayout& l, int thumbTop) {
    const ScrollData& d = Get(hwnd, bar);
    const int thumb = l.thumbBottom - l.thumbTop;
    const int track = l.length - 2 * l.arrow - thumb;
    const int maxPos = MaxPos(d);
    if (track <= 0 || maxPos <= d.min)
        return d.min;
    const int offset = std::clamp(thumbTop - l.arrow, 0, track);
    return d.min +
           static_cast<int>(
               (static_cast<long long>(offset) * (static_cast<long long>(maxPos) - d.min) + track / 2) /
               track);
}

} // namespace win::controls
