#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

namespace win::core {

namespace {

bool InSubtree(HWND root, HWND w) {
    for (; w; w = w->parent)
        if (w == root)
            return true;
    return false;
}

bool CanActivate(HWND w) {
    return w && w->alive && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED) &&
           !(w->style & WS_MINIMIZE) && !(w->exStyle & WS_EX_NOACTIVATE);
}

HWND NextToActivate(HWND leaving) {
    for (HWND o = leaving->owner; o; o = o->owner)
        if (CanActivate(o))
            return o;
    for (HWND w : S().desktop->children)
        if (w != leaving && CanActivate(w) && !InSubtree(leaving, w) && w->owner != leaving)
            return w;
    return nullptr;
}

HWND SetFocusInternal(HWND hwnd) {
    auto& s = S();
    HWND old = s.focus;
    if (old == hwnd)
        return old;
    s.focus = hwnd;
    if (old && old->alive)
        Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && s.focus == hwnd && hwnd->alive)
        Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old && old->alive ? old : nullptr), 0);
    return old;
}

} // namespace

bool ActivateWindow(HWND hwnd, bool mouse, bool force) {
    auto& s = S();
    if (hwnd)
        hwnd = TopLevelOf(hwnd);
    HWND old = s.active;
    if (hwnd == old)
        return true;
    if (hwnd && (!hwnd->alive || hwnd->destroying))
        return false;
    if (hwnd && HasHooks(WH_CBT)) {
        CBTACTIVATESTRUCT cbt{mouse ? TRUE : FALSE, old};
        if (CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)))
            return false;
        if (!hwnd->alive)
            return false;
    }
    s.active = hwnd;
    if (old && old->alive) {
        old->ncActive = false;
        Send(old, WM_NCACTIVATE, FALSE, 0);
        if (old->alive)
            Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (old->style & WS_MINIMIZE) ? 1 : 0),
                 reinterpret_cast<LPARAM>(hwnd));
    }
    if (!hwnd) {
        SetFocusInternal(nullptr);
        return true;
    }
    if (s.active != hwnd || !hwnd->alive)
        return false;
    if (s.desktop->children.front() != hwnd)
        SetWindowPosInternal(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    hwnd->ncActive = true;
    Send(hwnd, WM_NCACTIVATE, TRUE, 0);
    if (hwnd->alive)
        Send(hwnd, WM_ACTIVATE,
             MAKEWPARAM(mouse ? WA_CLICKACTIVE : WA_ACTIVE, (hwnd->style & WS_MINIMIZE) ? 1 : 0),
             reinterpret_cast<LPARAM>(old && old->alive ? old : nullptr));
    if (s.active == hwnd && hwnd->alive && (!s.focus || TopLevelOf(s.focus) != hwnd))
        SetFocusInternal((hwnd->style & WS_MINIMIZE) ? nullptr : hwnd);
    return true;
}

void WindowHiddenOrDestroyed(HWND hwnd) {
    auto& s = S();
    if (s.focus && InSubtree(hwnd, s.focus)) {
        HWND parent = IsTopLevel(hwnd) || hwnd->destroying ? nullptr : hwnd->parent;
        SetFocusInternal(parent && parent->alive ? parent : nullptr);
    }
    if (s.capture && InSubtree(hwnd, s.capture))
        ReleaseCapture();
    if (s.trackWindow && InSubtree(hwnd, s.trackWindow)) {
        s.trackWindow = nullptr;
        s.trackFlags = 0;
    }
    if (IsTopLevel(hwnd) && s.active == hwnd)
        ActivateWindow(NextToActivate(hwnd), false);
}

void ReleaseInputState(HWND hwnd) {
    auto& s = S();
    if (s.focus == hwnd)
        s.focus = nullptr;
    if (s.active == hwnd)
        s.active = nullptr;
    if (s.capture == hwnd) {
        s.capture = nullptr;
        display::Current().SetCapture(nullptr);
    }
    if (s.trackWindow == hwnd)
        s.trackWindow = nullptr;
    if (s.lastMouseWindow == hwnd)
        s.lastMouseWindow = nullptr;
    if (s.lastDownWindow == hwnd)
        s.lastDownWindow = nullptr;
}

} // namespace win::core

namespace win {

using namespace core;

HWND GetActiveWindow() {
    return S().active;
}
HWND GetForegroundWindow() {
    return S().active;
}
HWND GetFocus() {
    return S().focus;
}
HWND GetCapture() {
    return S().capture;
}

HWND SetActiveWindow(HWND hwnd) {
    HWND old = S().active;
    if (hwnd && !Valid(hwnd))
        return nullptr;
    if (hwnd && ((hwnd->style & WS_CHILD) || (hwnd->style & WS_DISABLED)))
        return nullptr;
    if (!ActivateWindow(hwnd, false))
        return nullptr;
    return old;
}

BOOL SetForegroundWindow(HWND hwnd) {
    if (!Valid(hwnd))
        return FALSE;
    return ActivateWindow(hwnd, false) ? TRUE : FALSE;
}

HWND SetFocus(HWND hwnd) {
    auto& s = S();
    HWND old = s.focus;
    if (hwnd) {
        if (!Valid(hwnd))
            return nullptr;
        if (hwnd == old)
            return old;
        for (HWND w = hwnd; w && w != s.desktop; w = w->parent) {
            if (w->style & (WS_MINIMIZE | WS_DISABLED))
                return nullptr;
            if (!(w->style & WS_CHILD))
                break;
        }
        if (CallHooks(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(old)))
            return nullptr;
        HWND top = TopLevelOf(hwnd);
        if (s.active != top) {
            if (!ActivateWindow(top, false) || s.active != top)
                return nullptr;
            if (!hwnd->alive)
                return nullptr;
        }
    } else if (CallHooks(WH_CBT, HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(old))) {
        return nullptr;
    }
    SetFocusInternal(hwnd);
    return old && old->alive ? old : nullptr;
}

HWND SetCapture(HWND hwnd) {
    auto& s = S();
    if (hwnd && !Valid(hwnd))
        return nullptr;
    HWND prev = s.capture;
    if (prev == hwnd)
        return prev;
    s.capture = hwnd;
    if (prev && prev->alive)
        Send(prev, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    display::Current().SetCapture(s.capture);
    return prev;
}

BOOL ReleaseCapture() {
    auto& s = S();
    HWND prev = s.capture;
    if (!prev)
        return TRUE;
    s.capture = nullptr;
    display::Current().SetCapture(nullptr);
    if (prev->alive)
        Send(prev, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    if (!Valid(hwnd))
        return FALSE;
    const BOOL wasDisabled = (hwnd->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        hwnd->style &= ~WS_DISABLED;
        Send(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        Send(hwnd, WM_CANCELMODE, 0, 0);
        if (!hwnd->alive)
            return FALSE;
        hwnd->style |= WS_DISABLED;
        auto& s = S();
        if (s.focus && InSubtree(hwnd, s.focus))
            SetFocus(nullptr);
        // A disabled window cannot hold the mouse, and neither can anything inside it.
        if (s.capture && InSubtree(hwnd, s.capture))
            ReleaseCapture();
        if (hwnd->alive)
            Send(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

} // namespace win
