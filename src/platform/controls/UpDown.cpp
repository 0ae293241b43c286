#include "platform/controls/UpDown.h"

#include <algorithm>
#include <charconv>

namespace win::controls {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstDelay = 500;
constexpr UINT kRepeatDelay = 100;
// The buddy's window property naming the up-down control that subclassed it.
constexpr const char* kBuddyOwner = "msctls_updown32.owner";

WindowData<UpDownState>& States() {
    static WindowData<UpDownState> d;
    return d;
}

UpDownState& StateOf(HWND hwnd) {
    return CommonControl::StateIn(States(), hwnd);
}

bool Horizontal(HWND hwnd) {
    return (CommonControl::StyleOf(hwnd) & UDS_HORZ) != 0;
}

} // namespace

LRESULT UpDown::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd, lParam);
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, CommonControl::PointOf(lParam));
    case WM_LBUTTONUP: return OnMouseUp(hwnd);
    case WM_CAPTURECHANGED: return OnMouseUp(hwnd);
    case WM_TIMER: return OnTimer(hwnd, wParam);
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SETFONT: StateOf(hwnd).font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case UDM_SETRANGE:
        return OnSetRange(hwnd, static_cast<SHORT>(HIWORD(lParam)), static_cast<SHORT>(LOWORD(lParam)));
    case UDM_GETRANGE:
        return static_cast<LRESULT>(
            MAKELONG(static_cast<WORD>(StateOf(hwnd).upper), static_cast<WORD>(StateOf(hwnd).lower)));
    case UDM_SETRANGE32: return OnSetRange(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
    case UDM_GETRANGE32:
        return OnGetRange32(hwnd, reinterpret_cast<int*>(wParam), reinterpret_cast<int*>(lParam));
    case UDM_SETPOS: return OnSetPos(hwnd, static_cast<SHORT>(LOWORD(lParam)));
    case UDM_SETPOS32: return OnSetPos(hwnd, static_cast<int>(lParam));
    case UDM_GETPOS: {
        bool error = false;
        const LRESULT pos = OnGetPos(hwnd, &error);
        return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(pos), error ? 1 : 0));
    }
    case UDM_GETPOS32: {
        bool error = false;
        const LRESULT pos = OnGetPos(hwnd, &error);
        if (auto* out = reinterpret_cast<BOOL*>(lParam))
            *out = error ? TRUE : FALSE;
        return pos;
    }
    case UDM_SETBUDDY: return OnSetBuddy(hwnd, reinterpret_cast<HWND>(wParam));
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(StateOf(hwnd).buddy);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// UDS_AUTOBUDDY: the window created just before the control becomes its buddy.
LRESULT UpDown::OnCreate(HWND hwnd, LPARAM) {
    if (CommonControl::StyleOf(hwnd) & UDS_AUTOBUDDY)
        if (HWND previous = GetWindow(hwnd, GW_HWNDPREV))
            OnSetBuddy(hwnd, previous);
    return 0;
}

LRESULT UpDown::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (UpDownState* s = States().Find(hwnd)) {
        KillTimer(hwnd, kRepeatTimer);
        ReleaseBuddy(hwnd, *s);
    }
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT UpDown::OnSetRange(HWND hwnd, int lower, int upper) {
    UpDownState& s = StateOf(hwnd);
    s.lower = lower;
    s.upper = upper;
    s.pos = std::clamp(s.pos, std::min(lower, upper), std::max(lower, upper));
    return 0;
}

LRESULT UpDown::OnGetRange32(HWND hwnd, int* lower, int* upper) {
    const UpDownState& s = StateOf(hwnd);
    if (lower)
        *lower = s.lower;
    if (upper)
        *upper = s.upper;
    return 0;
}

// Returns the previous position; the new one is clamped into the range and shown in the buddy.
LRESULT UpDown::OnSetPos(HWND hwnd, int pos) {
    UpDownState& s = StateOf(hwnd);
    const int old = s.pos;
    s.pos = std::clamp(pos, std::min(s.lower, s.upper), std::max(s.lower, s.upper));
    SetBuddyText(hwnd, s);
    return old;
}

// With UDS_SETBUDDYINT the buddy's text is the position; text that is no number in the range is an error.
LRESULT UpDown::OnGetPos(HWND hwnd, bool* error) {
    UpDownState& s = StateOf(hwnd);
    *error = false;
    if ((CommonControl::StyleOf(hwnd) & UDS_SETBUDDYINT) && IsWindow(s.buddy)) {
        int value = 0;
        if (ReadBuddy(s, &value) && value >= std::min(s.lower, s.upper) &&
            value <= std::max(s.lower, s.upper))
            s.pos = value;
        else
            *error = true;
    }
    return s.pos;
}

bool UpDown::ReadBuddy(const UpDownState& s, int* value) {
    std::string text = WindowText(s.buddy);
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ',' || c == ' '; }),
               text.end());
    const char* first = text.c_str();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, *value);
    return ec == std::errc() && end == last && !text.empty();
}

void UpDown::SetBuddyText(HWND hwnd, const UpDownState& s) {
    if ((CommonControl::StyleOf(hwnd) & UDS_SETBUDDYINT) && IsWindow(s.buddy))
        SetWindowTextA(s.buddy, std::to_string(s.pos).c_str());
}

LRESULT UpDown::OnSetBuddy(HWND hwnd, HWND buddy) {
    UpDownState& s = StateOf(hwnd);
    HWND old = s.buddy;
    ReleaseBuddy(hwnd, s);
    if (!IsWindow(buddy) || buddy == hwnd)
        return reinterpret_cast<LRESULT>(old);
    s.buddy = buddy;
    const DWORD style = CommonControl::StyleOf(hwnd);
    if ((style & UDS_ARROWKEYS) && !GetPropA(buddy, kBuddyOwner)) {
        SetPropA(buddy, kBuddyOwner, reinterpret_cast<HANDLE>(hwnd));
        s.buddyProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UpDown::BuddyProc)));
    }
    if (style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))
        AlignToBuddy(hwnd, buddy);
    SetBuddyText(hwnd, s);
    return reinterpret_cast<LRESULT>(old);
}

void UpDown::ReleaseBuddy(HWND hwnd, UpDownState& s) {
    if (s.buddyProc && IsWindow(s.buddy) &&
        GetPropA(s.buddy, kBuddyOwner) == reinterpret_cast<HANDLE>(hwnd)) {
        // Only when nobody subclassed the buddy after us; otherwise our procedure stays and passes through.
        if (GetWindowLongPtrA(s.buddy, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&UpDown::BuddyProc))
            SetWindowLongPtrA(s.buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s.buddyProc));
        else
            SetPropA(s.buddy, "msctls_updown32.orphanproc", reinterpret_cast<HANDLE>(s.buddyProc));
        RemovePropA(s.buddy, kBuddyOwner);
    }
    s.buddy = nullptr;
    s.buddyProc = nullptr;
}

// The control takes the buddy's height and stands inside the buddy's old right (or left) edge.
void UpDown::AlignToBuddy(HWND hwnd, HWND buddy) {
    HWND parent = GetParent(hwnd);
    if (!parent || GetParent(buddy) != parent)
        return;
    RECT b;
    GetWindowRect(buddy, &b);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&b), 2);
    RECT me;
    GetWindowRect(hwnd, &me);
    const int width = std::min<int>(me.right - me.left, std::max<int>(0, b.right - b.left - 1));
    const int height = b.bottom - b.top;
    if (CommonControl::StyleOf(hwnd) & UDS_ALIGNRIGHT) {
        SetWindowPos(buddy, nullptr, b.left, b.top, b.right - b.left - width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(hwnd, nullptr, b.right - width, b.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(buddy, nullptr, b.left + width, b.top, b.right - b.left - width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(hwnd, nullptr, b.left, b.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT UpDown::BuddyProc(HWND buddy, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto owner = reinterpret_cast<HWND>(GetPropA(buddy, kBuddyOwner));
    UpDownState* s = owner ? States().Find(owner) : nullptr;
    WNDPROC next =
        s ? s->buddyProc : reinterpret_cast<WNDPROC>(GetPropA(buddy, "msctls_updown32.orphanproc"));
    if (!next)
        return DefWindowProcA(buddy, msg, wParam, lParam);
    if (s && msg == WM_KEYDOWN &&
        (wParam == static_cast<WPARAM>(VK_UP) || wParam == static_cast<WPARAM>(VK_DOWN))) {
        Step(owner, wParam == static_cast<WPARAM>(VK_UP) ? 1 : -1);
        return 0;
    }
    if (s && msg == WM_KEYUP &&
        (wParam == static_cast<WPARAM>(VK_UP) || wParam == static_cast<WPARAM>(VK_DOWN))) {
        CommonControl::Scroll(owner, !Horizontal(owner), SB_ENDSCROLL, s->pos);
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        if (s)
            s->buddy = nullptr, s->buddyProc = nullptr;
        RemovePropA(buddy, kBuddyOwner);
        RemovePropA(buddy, "msctls_updown32.orphanproc");
        SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
    }
    return CallWindowProcA(next, buddy, msg, wParam, lParam);
}

void UpDown::Step(HWND hwnd, int direction) {
    UpDownState& s = StateOf(hwnd);
    bool error = false;
    OnGetPos(hwnd, &error);
    const int lo = std::min(s.lower, s.upper), hi = std::max(s.lower, s.upper);
    // "Up" runs towards the upper end, which may be the smaller number.
    const int delta = s.upper >= s.lower ? direction : -direction;
    long long next = static_cast<long long>(s.pos) + delta;
    if (next > hi || next < lo) {
        if (!(CommonControl::StyleOf(hwnd) & UDS_WRAP))
            next = std::clamp<long long>(next, lo, hi);
        else
            next = next > hi ? lo : hi;
    }
    if (next == s.pos)
        return;
    // The delta is the step asked for, as on Windows; a wrap past the end is applied after the answer.
    NMUPDOWN nm;
    nm.iPos = s.pos;
    nm.iDelta = delta;
    if (CommonControl::Notify(hwnd, UDN_DELTAPOS, &nm.hdr) != 0)
        return;
    if (!IsWindow(hwnd))
        return;
    UpDownState& after = StateOf(hwnd);
    after.pos = static_cast<int>(next);
    SetBuddyText(hwnd, after);
    CommonControl::Scroll(hwnd, !Horizontal(hwnd), SB_THUMBPOSITION, after.pos);
}

int UpDown::HalfAt(HWND hwnd, POINT pt) {
    const RECT rc = ClientRectOf(hwnd);
    if (Horizontal(hwnd))
        return pt.x >= (rc.left + rc.right) / 2 ? 1 : -1;
    return pt.y < (rc.top + rc.bottom) / 2 ? 1 : -1;
}

LRESULT UpDown::OnMouseDown(HWND hwnd, POINT pt) {
    UpDownState& s = StateOf(hwnd);
    s.pressed = HalfAt(hwnd, pt);
    s.repeating = false;
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    Step(hwnd, s.pressed);
    if (IsWindow(hwnd) && StateOf(hwnd).pressed != 0)
        SetTimer(hwnd, kRepeatTimer, kFirstDelay, nullptr);
    return 0;
}

LRESULT UpDown::OnMouseUp(HWND hwnd) {
    UpDownState& s = StateOf(hwnd);
    if (s.pressed == 0)
        return 0;
    s.pressed = 0;
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
    CommonControl::Scroll(hwnd, !Horizontal(hwnd), SB_ENDSCROLL, StateOf(hwnd).pos);
    return 0;
}

// The held half repeats while the pointer stays over it.
LRESULT UpDown::OnTimer(HWND hwnd, UINT_PTR id) {
    UpDownState& s = StateOf(hwnd);
    if (id != kRepeatTimer || s.pressed == 0) {
        KillTimer(hwnd, id);
        return 0;
    }
    if (!s.repeating) {
        s.repeating = true;
        SetTimer(hwnd, kRepeatTimer, kRepeatDelay, nullptr);
    }
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    const RECT rc = ClientRectOf(hwnd);
    if (CommonControl::Inside(rc, p) && HalfAt(hwnd, p) == s.pressed)
        Step(hwnd, s.pressed);
    return 0;
}

LRESULT UpDown::OnKeyDown(HWND hwnd, WPARAM vk) {
    if (vk == static_cast<WPARAM>(VK_UP) || vk == static_cast<WPARAM>(VK_RIGHT))
        Step(hwnd, 1);
    else if (vk == static_cast<WPARAM>(VK_DOWN) || vk == static_cast<WPARAM>(VK_LEFT))
        Step(hwnd, -1);
    return 0;
}

LRESULT UpDown::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void UpDown::Draw(HWND hwnd, HDC dc) {
    const UpDownState& s = StateOf(hwnd);
    const RECT rc = ClientRectOf(hwnd);
    const bool horizontal = Horizontal(hwnd);
    const UINT inactive = IsWindowEnabled(hwnd) ? 0 : DFCS_INACTIVE;
    RECT first = rc, second = rc;
    if (horizontal) {
        first.right = second.left = (rc.left + rc.right) / 2;
    } else {
        first.bottom = second.top = (rc.top + rc.bottom) / 2;
    }
    // first: up (or left, the lower end of a horizontal control); second: down (or right).
    const int firstHalf = horizontal ? -1 : 1;
    DrawFrameControl(dc, &first, DFC_SCROLL,
                     (horizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLUP) | inactive |
                         (s.pressed == firstHalf ? DFCS_PUSHED : 0));
    DrawFrameControl(dc, &second, DFC_SCROLL,
                     (horizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN) | inactive |
                         (s.pressed == -firstHalf ? DFCS_PUSHED : 0));
}

LRESULT UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return UpDown::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
