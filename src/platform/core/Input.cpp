// Raw input from the display turned into window messages at retrieval time, as Windows does: hit-testing,
// activation by click, double clicks, mouse-leave tracking, key state. Also cursors and the program icon.
#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

#include <cstdlib>

namespace win::core {

namespace {

LPARAM PointParam(POINT p) {
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

WPARAM MouseKeys() {
    const auto& k = S().keys;
    WPARAM w = 0;
    if (k[VK_LBUTTON] & 0x80)
        w |= MK_LBUTTON;
    if (k[VK_RBUTTON] & 0x80)
        w |= MK_RBUTTON;
    if (k[VK_MBUTTON] & 0x80)
        w |= MK_MBUTTON;
    if (k[VK_SHIFT] & 0x80)
        w |= MK_SHIFT;
    if (k[VK_CONTROL] & 0x80)
        w |= MK_CONTROL;
    return w;
}

void SetKey(int vk, bool down) {
    auto& k = S().keys;
    if (down && !(k[vk] & 0x80))
        k[vk] ^= 0x01; // toggle state flips on each press
    k[vk] = static_cast<BYTE>((k[vk] & 0x01) | (down ? 0x80 : 0));
}

// The window under a screen point and its hit-test code, skipping windows that answer HTTRANSPARENT.
HWND HitTarget(POINT pt, LRESULT* hit) {
    HWND w = WindowFromPoint(pt);
    *hit = w ? Send(w, WM_NCHITTEST, 0, PointParam(pt)) : HTNOWHERE;
    return w;
}

void CheckLeave(HWND under, LRESULT hit) {
    auto& s = S();
    if (!s.trackWindow || !(s.trackFlags & TME_LEAVE))
        return;
    const bool nc = (s.trackFlags & TME_NONCLIENT) != 0;
    const bool inside = under == s.trackWindow && (nc ? hit != HTCLIENT : hit == HTCLIENT);
    if (inside)
        return;
    HWND w = s.trackWindow;
    s.trackWindow = nullptr;
    s.trackFlags = 0;
    Post(w, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

// Hovering means resting: any larger move or a button restarts the wait.
void RestartHoverWait(const InputEvent& ev) {
    auto& s = S();
    if (s.trackWindow && (s.trackFlags & TME_HOVER) &&
        (std::abs(ev.pt.x - s.hoverPt.x) > GetSystemMetrics(SM_CXDOUBLECLK) / 2 ||
         std::abs(ev.pt.y - s.hoverPt.y) > GetSystemMetrics(SM_CYDOUBLECLK) / 2 ||
         ev.kind != InputEvent::MouseMove)) {
        s.hoverPt = ev.pt;
        s.hoverDue = Now64() + s.hoverTime;
    }
}

void WheelEvent(const InputEvent& ev, MSG* out, bool* produced) {
    auto& s = S();
    HWND target = s.focus ? s.focus : s.active;
    if (!target)
        return;
    *out = MSG{target,
               WM_MOUSEWHEEL,
               MAKEWPARAM(static_cast<WORD>(MouseKeys()), static_cast<WORD>(ev.wheelDelta)),
               PointParam(ev.pt),
               Now(),
               ev.pt};
    *produced = true;
}

UINT MouseMessage(InputEvent::Kind kind, bool client, int button) {
    static constexpr UINT kDown[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    static constexpr UINT kNcDown[3] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
    switch (kind) {
    case InputEvent::MouseMove: return client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
    case InputEvent::ButtonDown: return client ? kDown[button] : kNcDown[button];
    default: return (client ? kDown[button] : kNcDown[button]) + 1;
    }
}

// WM_SETCURSOR and, for a press on an inactive window, WM_MOUSEACTIVATE. False when the event goes no
// further: the window is disabled, gone, or the activation ate the click.
bool PrepareTarget(const InputEvent& ev, HWND target, LRESULT hit, UINT msg) {
    auto& s = S();
    HWND top = TopLevelOf(target);
    if (!s.capture && (top->style & WS_DISABLED)) {
        // A disabled window (the owner of a modal window) only learns that it was clicked.
        if (ev.kind != InputEvent::ButtonUp)
            Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                 MAKELPARAM(static_cast<WORD>(HTERROR), static_cast<WORD>(msg)));
        return false;
    }
    if (!s.capture && ev.kind != InputEvent::ButtonUp) {
        Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
             MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(msg)));
        if (!IsWindow(target))
            return false;
    }
    if (ev.kind == InputEvent::ButtonDown && !s.capture && top != s.active &&
        !(top->exStyle & WS_EX_NOACTIVATE)) {
        LRESULT ma = Send(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                          MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(msg)));
        if (ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT)
            ActivateWindow(top, true);
        if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT || !IsWindow(target))
            return false;
    }
    return true;
}

// A press close enough in time and place to the previous one becomes a double click, once.
UINT PressMessage(const InputEvent& ev, HWND target, UINT msg, bool client) {
    auto& s = S();
    const DWORD now = Now();
    const bool dbl = !s.lastWasDblClk && s.lastDownMsg == msg && s.lastDownWindow == target &&
                     now - s.lastDownTime <= s.doubleClickTime &&
                     std::abs(ev.pt.x - s.lastDownPt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                     std::abs(ev.pt.y - s.lastDownPt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    s.lastDownMsg = msg;
    s.lastDownWindow = target;
    s.lastDownTime = now;
    s.lastDownPt = ev.pt;
    s.lastWasDblClk = false;
    if (dbl && (!client || (target->cls && (target->cls->style & CS_DBLCLKS)))) {
        s.lastWasDblClk = true;
        return msg + 2;
    }
    return msg;
}

MSG MouseMsg(HWND target, UINT msg, LRESULT hit, POINT screen) {
    MSG out{};
    out.hwnd = target;
    out.message = msg;
    out.time = Now();
    out.pt = screen;
    if (hit == HTCLIENT) {
        POINT c = screen;
        ScreenToClient(target, &c);
        out.wParam = MouseKeys();
        out.lParam = PointParam(c);
    } else {
        out.wParam = static_cast<WPARAM>(hit);
        out.lParam = PointParam(screen);
    }
    return out;
}

void MouseEvent(const InputEvent& ev, MSG* out, bool* produced) {
    auto& s = S();
    s.cursorPos = ev.pt;
    static constexpr int kButtonVk[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
    const int button = std::clamp(ev.button, 0, 2);
    if (ev.kind == InputEvent::ButtonDown || ev.kind == InputEvent::ButtonUp)
        SetKey(kButtonVk[button], ev.kind == InputEvent::ButtonDown);

    LRESULT realHit = HTNOWHERE;
    HWND under = HitTarget(ev.pt, &realHit);
    CheckLeave(under, realHit);
    RestartHoverWait(ev);
    if (ev.kind == InputEvent::Wheel) {
        WheelEvent(ev, out, produced);
        return;
    }

    HWND target = s.capture ? s.capture : under;
    LRESULT hit = s.capture ? HTCLIENT : realHit;
    if (!target) {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        return;
    }
    const bool client = hit == HTCLIENT;
    UINT msg = MouseMessage(ev.kind, client, button);
    if (!PrepareTarget(ev, target, hit, msg))
        return;
    if (ev.kind == InputEvent::ButtonDown)
        msg = PressMessage(ev, target, msg, client);
    *out = MouseMsg(target, msg, hit, ev.pt);
    *produced = true;
}

void KeyEvent(const InputEvent& ev, MSG* out, bool* produced) {
    auto& s = S();
    const UINT vk = ev.vk & 0xFF;
    const bool down = ev.kind == InputEvent::KeyDown;
    const bool wasDown = (s.keys[vk] & 0x80) != 0;
    SetKey(static_cast<int>(vk), down);
    if (vk == VK_LSHIFT || vk == VK_RSHIFT)
        SetKey(VK_SHIFT, down);
    if (vk == VK_LCONTROL || vk == VK_RCONTROL)
        SetKey(VK_CONTROL, down);
    if (vk == VK_LMENU || vk == VK_RMENU)
        SetKey(VK_MENU, down);
    const bool alt = (s.keys[VK_MENU] & 0x80) != 0;
    HWND target = s.focus ? s.focus : s.active;
    if (!target)
        return;
    // Alt released after another key is a plain key-up; released alone it is the system key that opens menus.
    static bool altCombined = false;
    const bool isAlt = vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU;
    if (isAlt && down && !wasDown)
        altCombined = false;
    else if (!isAlt && down && alt)
        altCombined = true;
    bool sys = (alt && !(s.keys[VK_CONTROL] & 0x80)) || vk == VK_F10 || !s.focus;
    if (isAlt)
        sys = down || !altCombined || !s.focus;
    UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lp = 1 | (static_cast<LPARAM>(ev.scanCode & 0xFF) << 16);
    if (alt)
        lp |= 1 << 29;
    if (down ? wasDown : true)
        lp |= 1 << 30;
    if (!down)
        lp |= static_cast<LPARAM>(1u << 31);
    *out = MSG{target, msg, vk, lp, Now(), s.cursorPos};
    *produced = true;
}

struct CursorObject : HICON__ {
    explicit CursorObject(int id) : id(id) {}
    int id;
};

constexpr int kCursorIds[] = {32512, 32513, 32514, 32515, 32642, 32643, 32644, 32645, 32646, 32648, 32649};

} // namespace

void ProcessInput(const InputEvent& ev, MSG* out, bool* produced) {
    *produced = false;
    switch (ev.kind) {
    case InputEvent::KeyDown:
    case InputEvent::KeyUp: KeyEvent(ev, out, produced); break;
    case InputEvent::Char: {
        HWND target = S().focus ? S().focus : S().active;
        if (target) {
            *out = MSG{target, WM_CHAR, static_cast<WPARAM>(ev.ch), 1, Now(), S().cursorPos};
            *produced = true;
        }
        break;
    }
    default: MouseEvent(ev, out, produced); break;
    }
}

void QueueInput(const InputEvent& event) {
    S().input.push_back(event);
}

bool TakeHover(MSG* out) {
    auto& s = S();
    if (!s.trackWindow || !(s.trackFlags & TME_HOVER) || Now64() < s.hoverDue)
        return false;
    HWND w = s.trackWindow;
    s.trackFlags &= ~TME_HOVER; // one notification per request, as on Windows
    if (!(s.trackFlags & TME_LEAVE))
        s.trackWindow = nullptr;
    const bool nc = (s.trackFlags & TME_NONCLIENT) != 0;
    POINT p = s.cursorPos;
    if (WindowFromPoint(p) != w)
        return false; // the pointer went elsewhere meanwhile
    *out = MSG{};
    out->hwnd = w;
    out->message = nc ? WM_NCMOUSEHOVER : WM_MOUSEHOVER;
    if (nc) {
        out->wParam = static_cast<WPARAM>(Send(w, WM_NCHITTEST, 0, PointParam(p)));
    } else {
        ScreenToClient(w, &p);
        out->wParam = MouseKeys();
    }
    out->lParam = PointParam(p);
    out->time = Now();
    out->pt = s.cursorPos;
    return true;
}

int CursorIdOf(HCURSOR cursor) {
    auto* c = dynamic_cast<CursorObject*>(cursor);
    return c ? c->id : 0;
}

} // namespace win::core

namespace win {

using namespace core;

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT tme) {
    auto& s = S();
    // 16 is the structure's size where handles are 32 bits wide, which code written for that system passes.
    if (!tme || (tme->cbSize != sizeof(TRACKMOUSEEVENT) && tme->cbSize != 16)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (tme->dwFlags & TME_QUERY) {
        tme->dwFlags = s.trackFlags;
        tme->hwndTrack = s.trackWindow;
        tme->dwHoverTime = HOVER_DEFAULT;
        return TRUE;
    }
    if (!Valid(tme->hwndTrack))
        return FALSE;
    if (tme->dwFlags & TME_CANCEL) {
        if (s.trackWindow == tme->hwndTrack) {
            s.trackFlags &= ~(tme->dwFlags & (TME_LEAVE | TME_HOVER));
            if (!(s.trackFlags & (TME_LEAVE | TME_HOVER)))
                s.trackWindow = nullptr;
        }
        return TRUE;
    }
    if (!(tme->dwFlags & (TME_LEAVE | TME_HOVER)))
        return TRUE;
    const bool nc = (tme->dwFlags & TME_NONCLIENT) != 0;
    LRESULT hit = HTNOWHERE;
    HWND under = WindowFromPoint(s.cursorPos);
    if (under == tme->hwndTrack)
        hit = Send(under, WM_NCHITTEST, 0,
                   MAKELPARAM(static_cast<WORD>(s.cursorPos.x), static_cast<WORD>(s.cursorPos.y)));
    const bool inside = under == tme->hwndTrack && (nc ? hit != HTCLIENT : hit == HTCLIENT);
    if (!inside) {
        if (tme->dwFlags & TME_LEAVE)
            Post(tme->hwndTrack, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (s.trackWindow != tme->hwndTrack)
        s.trackFlags = 0;
    s.trackWindow = tme->hwndTrack;
    s.trackFlags |= tme->dwFlags & (TME_LEAVE | TME_HOVER | TME_NONCLIENT);
    if (tme->dwFlags & TME_HOVER) {
        s.hoverTime = tme->dwHoverTime == HOVER_DEFAULT || tme->dwHoverTime == 0 ? 400 : tme->dwHoverTime;
        s.hoverPt = s.cursorPos;
        s.hoverDue = Now64() + s.hoverTime;
    }
    return TRUE;
}

SHORT GetKeyState(int vk) {
    if (vk < 0 || vk > 255)
        return 0;
    BYTE k = S().keys[static_cast<size_t>(vk)];
    return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}
SHORT GetAsyncKeyState(int vk) {
    return static_cast<SHORT>(GetKeyState(vk) & 0x8000);
}

BOOL GetKeyboardState(BYTE* state) {
    if (!state) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::copy(S().keys.begin(), S().keys.end(), state);
    return TRUE;
}

BOOL GetCursorPos(LPPOINT pt) {
    if (!pt) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *pt = S().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    SIZE scr = display::Current().ScreenSize();
    POINT p{std::clamp<LONG>(x, 0, scr.cx - 1), std::clamp<LONG>(y, 0, scr.cy - 1)};
    display::Current().SetCursorPos(p);
    InputEvent ev;
    ev.kind = InputEvent::MouseMove;
    ev.pt = p;
    S().cursorPos = p;
    QueueInput(ev);
    return TRUE;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    static std::vector<std::unique_ptr<CursorObject>> cursors;
    if (!instance && IS_INTRESOURCE(name)) {
        int id = static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
        for (int known : kCursorIds)
            if (known == id) {
                for (auto& c : cursors)
                    if (c->id == id)
                        return c.get();
                cursors.push_back(std::make_unique<CursorObject>(id));
                return cursors.back().get();
            }
    }
    SetLastError(1814); // ERROR_RESOURCE_NAME_NOT_FOUND
    return nullptr;
}
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    return LoadCursorA(instance, name);
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = S().cursor;
    if (old != cursor) {
        S().cursor = cursor;
        display::Current().SetCursor(cursor);
    }
    return old;
}
HCURSOR GetCursor() {
    return S().cursor;
}

UINT GetDoubleClickTime() {
    return S().doubleClickTime;
}
BOOL SetDoubleClickTime(UINT ms) {
    S().doubleClickTime = ms ? ms : 500;
    return TRUE;
}

BOOL MessageBeep(UINT) {
    return TRUE;
}

} // namespace win
