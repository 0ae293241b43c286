#include "platform/controls/ScrollBarModel.h"

namespace win::controls {

namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFFE;
constexpr UINT kFirstDelay = 200;
constexpr UINT kRepeatDelay = 50;

// Offset of a screen point along the bar.
int OffsetOf(HWND hwnd, int bar, const ScrollLayout& l, POINT screen) {
    POINT origin{0, 0};
    if (bar == SB_CTL) {
        ClientToScreen(hwnd, &origin);
    } else {
        RECT wr;
        GetWindowRect(hwnd, &wr);
        origin = POINT{wr.left, wr.top};
    }
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
    void send(WORD code, int pos = 0) const {
        if (m_target && IsWindow(m_target))
            SendMessageA(m_target, m_msg, MAKEWPARAM(code, static_cast<WORD>(pos)),
                         reinterpret_cast<LPARAM>(m_ctl));
    }

private:
    HWND m_target;
    HWND m_ctl;
    UINT m_msg;
};

} // namespace

void ScrollTracker::Track(HWND hwnd, int bar, POINT screen) {
    ScrollLayout l = ScrollBarModel::Layout(hwnd, bar);
    const int part = ScrollBarModel::PartAt(l, OffsetOf(hwnd, bar, l, screen));
    if (part == kPartNone)
        return;
    const Notifier notify(hwnd, bar, l.vertical);
    ScrollBarModel::Get(hwnd, bar).pressedPart = part;
    const int grab = OffsetOf(hwnd, bar, l, screen) - l.thumbTop;
    if (part == kPartThumb) {
        ScrollData& d = ScrollBarModel::Get(hwnd, bar);
        d.tracking = true;
        d.trackPos = d.pos;
    } else {
        notify.send(static_cast<WORD>(part));
        if (IsWindow(hwnd))
            SetTimer(hwnd, kRepeatTimer, kFirstDelay, nullptr);
    }
    if (!IsWindow(hwnd))
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
        if (m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE) {
            l = ScrollBarModel::Layout(hwnd, bar);
            const int at = OffsetOf(hwnd, bar, l, m.pt);
            ScrollData& d = ScrollBarModel::Get(hwnd, bar);
            if (part == kPartThumb) {
                const int pos = ScrollBarModel::PosForThumb(hwnd, bar, l, at - grab);
                if (pos != d.trackPos) {
                    d.trackPos = pos;
                    notify.send(SB_THUMBTRACK, pos);
                    if (IsWindow(hwnd))
                        ScrollBarPainter::Redraw(hwnd, bar);
                }
            } else {
                const int shown = ScrollBarModel::PartAt(l, at) == part ? part : kPartNone;
                if (shown != d.pressedPart) {
                    d.pressedPart = shown;
                    ScrollBarPainter::Redraw(hwnd, bar);
                }
            }
            continue;
        }
        if (m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == kRepeatTimer) {
            l = ScrollBarModel::Layout(hwnd, bar);
            POINT cursor;
            GetCursorPos(&cursor);
            if (ScrollBarModel::PartAt(l, OffsetOf(hwnd, bar, l, cursor)) == part)
                notify.send(static_cast<WORD>(part));
            if (IsWindow(hwnd)) {
                SetTimer(hwnd, kRepeatTimer, kRepeatDelay, nullptr);
                ScrollBarPainter::Redraw(hwnd, bar);
            }
            continue;
        }
        if (IsInput(m.message))
            continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    if (!IsWindow(hwnd))
        return;
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    ScrollData& d = ScrollBarModel::Get(hwnd, bar);
    if (part == kPartThumb) {
        const int pos = d.trackPos;
        notify.send(SB_THUMBPOSITION, pos);
        if (!IsWindow(hwnd))
            return;
        ScrollBarModel::Get(hwnd, bar).tracking = false;
    }
    notify.send(SB_ENDSCROLL);
    if (!IsWindow(hwnd))
        return;
    ScrollBarModel::Get(hwnd, bar).pressedPart = kPartNone;
    ScrollBarPainter::Redraw(hwnd, bar);
}

} // namespace win::controls
