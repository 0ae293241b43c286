#include "platform/core/WindowManager.h"

namespace win {

using namespace core;

namespace {

bool InWindowRegion(HWND w, POINT screen) {
    if (!w->windowRgn)
        return true;
    RECT r = WindowRectScreen(w);
    return w->windowRgn->Contains(screen.x - r.left, screen.y - r.top);
}

bool PtIn(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The deepest visible window under `screen` among the children of `parent`, in z-order.
HWND ChildAt(HWND parent, POINT screen, bool skipDisabled) {
    for (HWND c : parent->children) {
        if (!(c->style & WS_VISIBLE) || (c->style & WS_MINIMIZE && !IsTopLevel(c)))
            continue;
        if (!PtIn(WindowRectScreen(c), screen) || !InWindowRegion(c, screen))
            continue;
        if (skipDisabled && (c->style & WS_DISABLED))
            return parent == S().desktop ? c : parent;
        if (PtIn(ClientRectScreen(c), screen)) {
            HWND deeper = ChildAt(c, screen, true);
            if (deeper)
                return deeper;
        }
        return c;
    }
    return nullptr;
}

} // namespace

HWND GetDesktopWindow() {
    return S().desktop;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    if (!Valid(hwnd))
        return nullptr;
    auto sibling = [&](int delta) -> HWND {
        if (!hwnd->parent)
            return nullptr;
        auto& list = hwnd->parent->children;
        auto it = std::find(list.begin(), list.end(), hwnd);
        if (it == list.end())
            return nullptr;
        auto idx = (it - list.begin()) + delta;
        return idx >= 0 && idx < static_cast<long>(list.size()) ? list[idx] : nullptr;
    };
    switch (cmd) {
    case GW_HWNDFIRST:
        return hwnd->parent && !hwnd->parent->children.empty() ? hwnd->parent->children.front() : nullptr;
    case GW_HWNDLAST:
        return hwnd->parent && !hwnd->parent->children.empty() ? hwnd->parent->children.back() : nullptr;
    case GW_HWNDNEXT: return sibling(1);
    case GW_HWNDPREV: return sibling(-1);
    case GW_OWNER: return hwnd->owner;
    case GW_CHILD: return hwnd->children.empty() ? nullptr : hwnd->children.front();
    case GW_ENABLEDPOPUP:
        for (HWND w : S().desktop->children)
            if (w->owner == hwnd && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED))
                return w;
        return nullptr;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

HWND GetNextWindow(HWND hwnd, UINT cmd) {
    return GetWindow(hwnd, cmd);
}

HWND GetTopWindow(HWND hwnd) {
    if (!hwnd)
        hwnd = S().desktop;
    if (!Valid(hwnd))
        return nullptr;
    return hwnd->children.empty() ? nullptr : hwnd->children.front();
}

HWND GetParent(HWND hwnd) {
    if (!Valid(hwnd))
        return nullptr;
    if (hwnd->style & WS_CHILD)
        return hwnd->parent;
    if (hwnd->style & WS_POPUP)
        return hwnd->owner;
    return nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    if (!Valid(hwnd) || IsDesktop(hwnd))
        return nullptr;
    switch (flags) {
    case GA_PARENT: return hwnd->parent;
    case GA_ROOT: return TopLevelOf(hwnd);
    case GA_ROOTOWNER: {
        HWND w = TopLevelOf(hwnd);
        while (w->owner)
            w = w->owner;
        return w;
    }
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND hwnd) {
    if (!IsWindow(parent) || !IsWindow(hwnd))
        return FALSE;
    for (HWND w = hwnd; w && (w->style & WS_CHILD); w = w->parent)
        if (w->parent == parent)
            return TRUE;
    return FALSE;
}

HWND SetParent(HWND child, HWND newParent) {
    if (!Valid(child) || IsDesktop(child))
        return nullptr;
    if (!newParent)
        newParent = S().desktop;
    if (!Valid(newParent))
        return nullptr;
    for (HWND w = newParent; w; w = w->parent)
        if (w == child) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    HWND old = child->parent;
    const bool wasVisible = (child->style & WS_VISIBLE) != 0;
    if (wasVisible)
        ShowWindow(child, SW_HIDE);
    auto& list = old->children;
    list.erase(std::remove(list.begin(), list.end(), child), list.end());
    HWND oldTop = TopLevelOf(old);
    child->parent = newParent;
    newParent->children.insert(newParent->children.begin(), child);
    // The window keeps its coordinates, now relative to the new parent's client area, as on Windows.
    if (newParent == S().desktop) {
        child->surface.reset();
        EnsureSurface(child);
    } else if (oldTop != TopLevelOf(child)) {
        child->surface.reset();
    }
    if (wasVisible)
        ShowWindow(child, SW_SHOWNA);
    return old == S().desktop ? nullptr : old;
}

namespace {
bool EnumTree(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    std::vector<HWND> kids = parent->children;
    for (HWND c : kids) {
        if (!c->alive)
            continue;
        if (!proc(c, lParam))
            return false;
        if (c->alive && !EnumTree(c, proc, lParam))
            return false;
    }
    return true;
}
} // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    if (!proc)
        return FALSE;
    if (!parent)
        parent = S().desktop;
    if (!Valid(parent))
        return FALSE;
    return EnumTree(parent, proc, lParam) ? TRUE : FALSE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc)
        return FALSE;
    std::vector<HWND> tops = S().desktop->children;
    for (HWND w : tops)
        if (w->alive && !proc(w, lParam))
            return FALSE;
    return TRUE;
}

BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam) {
    if (threadId != GetCurrentThreadId())
        return FALSE;
    return EnumWindows(proc, lParam);
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
    for (HWND w : S().desktop->children) {
        if (className &&
            (IS_INTRESOURCE(className) ? (!w->cls || w->cls->atom != reinterpret_cast<ULONG_PTR>(className))
                                       : AsciiLower(w->className) != AsciiLower(className)))
            continue;
        if (windowName && w->text != windowName)
            continue;
        return w;
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}
HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
    return FindWindowA(className, windowName);
}

HWND WindowFromPoint(POINT pt) {
    HWND w = ChildAt(S().desktop, pt, true);
    // Windows that call themselves transparent to hit-testing pass the point to what lies beneath.
    while (w && w->parent != S().desktop) {
        if (Send(w, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y))) !=
            HTTRANSPARENT)
            break;
        w = w->parent;
    }
    return w;
}

HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags) {
    if (!Valid(parent))
        return nullptr;
    RECT c{0, 0, parent->rcClient.right - parent->rcClient.left,
           parent->rcClient.bottom - parent->rcClient.top};
    if (!PtIn(c, pt))
        return nullptr;
    for (HWND w : parent->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !(w->style & WS_VISIBLE))
            continue;
        if ((flags & CWP_SKIPDISABLED) && (w->style & WS_DISABLED))
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (w->exStyle & WS_EX_TRANSPARENT))
            continue;
        if (PtIn(w->rcWindow, pt))
            return w;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) {
    return ChildWindowFromPointEx(parent, pt, CWP_ALL);
}

} // namespace win
