#include "platform/controls/ScrollBarModel.h"

namespace win::controls {

namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFFE;
constexpr UINT kFirstDelay = 200;
constexpr UINT kRepeatDelay = 50;

// Offset of a screen point along the bar.
int OffsetOf(HWND hwnd, int bar, const ScrollLayout& l, POINT screen) {
    const POINT origin = ScrollBarModel::ScreenOrigin(hwnd, bar);
    return l.vertical ? screen.y - origin.y - l.rect.top : screen.x - origin.x - l.rect.left;
}

bool IsInput(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

class Notifier {
public:
    Notifier(HWND hwnd, int bar, bool vertical)
        : m_target(bar == SB_CTL ? GetParent(hwnd) : hwnd), m_ctl(bar == SB_CTL ? hwnd : nullptr),
          m_msg(vertical ? WM_VSCROLL : WM_HSCROLL) {}
    void Send(WORD code, int pos = 0) const {
        if (m_target && IsWindow(m_target))
            SendMessageA(m_target, m_msg, MAKEWPARAM(code, static_cast<WORD>(pos)),
                         reinterpret_cast<LPARAM>(m_ctl));
    }

private:
    HWND m_target;
    HWND m_ctl;
    UINT m_msg;
};

// One press on a scroll bar, from the press to the release.
struct Press {
    HWND hwnd;
    int bar;
    int part;
    int grab; // where on the thumb the pointer took it
    Notifier notify;
};

// Marks the part pressed and sends the first step (or starts tracking the thumb); false when the window went
// away meanwhile.
bool StartPress(const Press& p) {
    ScrollBarModel::Get(p.hwnd, p.bar).pressedPart = p.part;
    if (p.part == kPartThumb) {
        ScrollData& d = ScrollBarModel::Get(p.hwnd, p.bar);
        d.tracking = true;
        d.trackPos = d.pos;
    } else {
        p.notify.Send(static_cast<WORD>(p.part));
        if (IsWindow(p.hwnd))
            SetTimer(p.hwnd, kRepeatTimer, kFirstDelay, nullptr);
    }
    return IsWindow(p.hwnd) != FALSE;
}

// The thumb follows the pointer; another part shows pressed only while the pointer is over it.
void PointerMoved(const Press& p, POINT screen) {
    ScrollLayout l = ScrollBarModel::Layout(p.hwnd, p.bar);
    const int at = OffsetOf(p.hwnd, p.bar, l, screen);
    ScrollData& d = ScrollBarModel::Get(p.hwnd, p.bar);
    if (p.part == kPartThumb) {
        const int pos = ScrollBarModel::PosForThumb(p.hwnd, p.bar, l, at - p.grab);
        if (pos != d.trackPos) {
            d.trackPos = pos;
            p.notify.Send(SB_THUMBTRACK, pos);
            if (IsWindow(p.hwnd))
                ScrollBarPainter::Redraw(p.hwnd, p.bar);
        }
        return;
    }
    const int shown = ScrollBarModel::PartAt(l, at) == p.part ? p.part : kPartNone;
    if (shown != d.pressedPart) {
        d.pressedPart = shown;
        ScrollBarPainter::Redraw(p.hwnd, p.bar);
    }
}

// The repeat timer: another step while the pointer is still over the pressed part.
void Repeat(const Press& p) {
    ScrollLayout l = ScrollBarModel::Layout(p.hwnd, p.bar);
    POINT cursor;
    GetCursorPos(&cursor);
    if (ScrollBarModel::PartAt(l, OffsetOf(p.hwnd, p.bar, l, cursor)) == p.part)
        p.notify.Send(static_cast<WORD>(p.part));
    if (IsWindow(p.hwnd)) {
        SetTimer(p.hwnd, kRepeatTimer, kRepeatDelay, nullptr);
        ScrollBarPainter::Redraw(p.hwnd, p.bar);
    }
}

void EndPress(const Press& p) {
    KillTimer(p.hwnd, kRepeatTimer);
    if (GetCapture() == p.hwnd)
        ReleaseCapture();
    ScrollData& d = ScrollBarModel::Get(p.hwnd, p.bar);
    if (p.part == kPartThumb) {
        const int pos = d.trackPos;
        p.notify.Send(SB_THUMBPOSITION, pos);
        if (!IsWindow(p.hwnd))
            return;
        ScrollBarModel::Get(p.hwnd, p.bar).tracking = false;
    }
    p.notify.Send(SB_ENDSCROLL);
    if (!IsWindow(p.hwnd))
        return;
    ScrollBarModel::Get(p.hwnd, p.bar).pressedPart = kPartNone;
    ScrollBarPainter::Redraw(p.hwnd, p.bar);
}

} // namespace

void ScrollTracker::Track(HWND hwnd, int bar, POINT screen) {
    ScrollLayout l = ScrollBarModel::Layout(hwnd, bar);
    const int part = ScrollBarModel::PartAt(l, OffsetOf(hwnd, bar, l, screen));
    if (part == kPartNone)
        return;
    const Press press{hwnd, bar, part, OffsetOf(hwnd, bar, l, screen) - l.thumbTop,
                      Notifier(hwnd, bar, l.vertical)};
    if (!StartPress(press))
        return;
    ScrollBarPainter::Redraw(hwnd, bar);
    SetCapture(hwnd);
    MSG m;
    while (IsWindow(hwnd) && GetCapture() == hwnd) {
        BOOL r = GetMessageA(&m, nullptr, 0, 0);
        if (r <= 0) {
            if (r == 0)
                PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (CallMsgFilterA(&m, MSGF_SCROLLBAR))
            continue;
        if (m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP)
            break;
        if (m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE)
            PointerMoved(press, m.pt);
        else if (m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == kRepeatTimer)
            Repeat(press);
        else if (!IsInput(m.message)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    if (IsWindow(hwnd))
        EndPress(press);
}

} // namespace win::controls
