#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

#include <optional>

namespace win::core {

namespace {

int W(const RECT& r) {
    return r.right - r.left;
}
int H(const RECT& r) {
    return r.bottom - r.top;
}

bool IsTopmost(HWND w) {
    return (w->exStyle & WS_EX_TOPMOST) != 0;
}

void Reorder(HWND hwnd, HWND after, bool ownerOrder) {
    auto& list = hwnd->parent->children;
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
    const bool top = IsTopLevel(hwnd);
    auto afterTopmost = [&] {
        auto it = list.begin();
        while (top && it != list.end() && IsTopmost(*it))
            ++it;
        return it;
    };
    if (after == HWND_TOPMOST) {
        if (top)
            hwnd->exStyle |= WS_EX_TOPMOST;
        list.insert(list.begin(), hwnd);
    } else if (after == HWND_NOTOPMOST) {
        hwnd->exStyle &= ~WS_EX_TOPMOST;
        list.insert(afterTopmost(), hwnd);
    } else if (after == HWND_TOP) {
        list.insert(IsTopmost(hwnd) ? list.begin() : afterTopmost(), hwnd);
    } else if (after == HWND_BOTTOM) {
        list.push_back(hwnd);
    } else {
        auto it = std::find(list.begin(), list.end(), after);
        list.insert(it == list.end() ? list.begin() : it + 1, hwnd);
    }
    if (top && ownerOrder) {
        // Owned windows stay above their owner, and so do the windows they own in turn.
        auto ownedByHwnd = [hwnd](HWND w) {
            for (HWND o = w->owner; o; o = o->owner)
                if (o == hwnd)
                    return true;
            return false;
        };
        std::vector<HWND> owned;
        for (HWND w : list)
            if (ownedByHwnd(w))
                owned.push_back(w);
        for (HWND w : owned) {
            list.erase(std::remove(list.begin(), list.end(), w), list.end());
            list.insert(std::find(list.begin(), list.end(), hwnd), w);
        }
    }
}

} // namespace

MINMAXINFO GetMinMaxInfo(HWND hwnd) {
    SIZE scr = display::Current().ScreenSize();
    RECT insets = NcCalcDefault(hwnd, RECT{0, 0, 1000, 1000});
    int bx = (hwnd->style & WS_THICKFRAME) ? GetSystemMetrics(SM_CXFRAME) : insets.left;
    int by = (hwnd->style & WS_THICKFRAME) ? GetSystemMetrics(SM_CYFRAME) : insets.left;
    MINMAXINFO mmi;
    mmi.ptMaxSize = POINT{scr.cx + 2 * bx, scr.cy + 2 * by};
    mmi.ptMaxPosition = POINT{-bx, -by};
    mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    Send(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return mmi;
}

void RecalcClient(HWND hwnd) {
    RECT r = hwnd->rcWindow;
    Send(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if (hwnd->alive) {
        r.right = std::max(r.left, r.right);
        r.bottom = std::max(r.top, r.bottom);
        hwnd->rcClient = r;
    }
}

namespace {

// The request with its flags completed: what stays as it is gets marked so, and showing a visible window or
// hiding a hidden one is dropped.
WINDOWPOS RequestedPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
    const RECT oldWin = hwnd->rcWindow;
    WINDOWPOS wp{hwnd, after, x, y, std::max(0, cx), std::max(0, cy), flags};
    if (flags & SWP_NOMOVE) {
        wp.x = oldWin.left;
        wp.y = oldWin.top;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = W(oldWin);
        wp.cy = H(oldWin);
    }
    if (wp.x == oldWin.left && wp.y == oldWin.top)
        wp.flags |= SWP_NOMOVE;
    if (wp.cx == W(oldWin) && wp.cy == H(oldWin))
        wp.flags |= SWP_NOSIZE;
    if (hwnd->style & WS_VISIBLE)
        wp.flags &= ~SWP_SHOWWINDOW;
    else
        wp.flags &= ~SWP_HIDEWINDOW;
    return wp;
}

// The window rectangle after the change, as WM_WINDOWPOSCHANGING left the request.
RECT ResultingWindowRect(const WINDOWPOS& wp, const RECT& oldWin) {
    RECT newWin{wp.x, wp.y, wp.x + std::max(0, wp.cx), wp.y + std::max(0, wp.cy)};
    if (wp.flags & SWP_NOMOVE)
        newWin = RECT{oldWin.left, oldWin.top, oldWin.left + W(newWin), oldWin.top + H(newWin)};
    if (wp.flags & SWP_NOSIZE)
        newWin.right = newWin.left + W(oldWin), newWin.bottom = newWin.top + H(oldWin);
    return newWin;
}

// Asks the window for its client area in the new window rectangle; false when the window went away.
bool CalcNewClient(HWND hwnd, WINDOWPOS& wp, const RECT& newWin, const RECT& oldWin, const RECT& oldClient,
                   RECT& newClient) {
    NCCALCSIZE_PARAMS p;
    p.rgrc[0] = newWin;
    p.rgrc[1] = oldWin;
    p.rgrc[2] = oldClient;
    p.lppos = &wp;
    Send(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
    if (!hwnd->alive)
        return false;
    newClient = p.rgrc[0];
    newClient.right = std::max(newClient.left, newClient.right);
    newClient.bottom = std::max(newClient.top, newClient.bottom);
    return true;
}

// True when the window's place among its siblings changed.
bool ApplyZOrder(HWND hwnd, const WINDOWPOS& wp) {
    if ((wp.flags & SWP_NOZORDER) || !hwnd->parent)
        return false;
    auto before = hwnd->parent->children;
    Reorder(hwnd, wp.hwndInsertAfter, !(wp.flags & SWP_NOOWNERZORDER));
    return before != hwnd->parent->children;
}

struct PosChange {
    bool sized, moved, frame, reordered, show, hide, top, wasVisible;
};

// Stores the new rectangles and visibility, and marks for painting what the change uncovered or altered.
void ApplyPosChange(HWND hwnd, const WINDOWPOS& wp, const RECT& oldWin, const RECT& newWin,
                    const RECT& newClient, const PosChange& c) {
    if (!(wp.flags & SWP_NOREDRAW) && !c.top && c.wasVisible && (c.hide || c.moved || c.sized || c.reordered))
        InvalidateScreenArea(hwnd->parent, oldWin);
    hwnd->rcWindow = newWin;
    hwnd->rcClient = newClient;
    if (c.show)
        hwnd->style |= WS_VISIBLE;
    if (c.hide)
        hwnd->style &= ~WS_VISIBLE;
    if (c.top)
        EnsureSurface(hwnd);

    const bool visible = (hwnd->style & WS_VISIBLE) != 0;
    if (c.frame)
        hwnd->ncDirty = true;
    if (visible && !(wp.flags & SWP_NOREDRAW)) {
        bool repaint = c.show || c.sized || c.frame || (!c.top && (c.moved || c.reordered));
        if (repaint)
            InvalidateInternal(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    } else if (visible && c.sized) {
        hwnd->ncDirty = true;
    }
}

// Fills in what WM_WINDOWPOSCHANGED reports: the final rectangle and whether the client area moved or sized.
void CompleteWindowPos(WINDOWPOS& wp, const RECT& newWin, const RECT& newClient, const RECT& oldClient) {
    if (W(newClient) == W(oldClient) && H(newClient) == H(oldClient))
        wp.flags |= SWP_NOCLIENTSIZE;
    if (newClient.left == oldClient.left && newClient.top == oldClient.top)
        wp.flags |= SWP_NOCLIENTMOVE;
    wp.x = newWin.left;
    wp.y = newWin.top;
    wp.cx = W(newWin);
    wp.cy = H(newWin);
}

} // namespace

BOOL SetWindowPosInternal(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
    const RECT oldWin = hwnd->rcWindow;
    const RECT oldClient = hwnd->rcClient;
    WINDOWPOS wp = RequestedPos(hwnd, after, x, y, cx, cy, flags);
    if (!(wp.flags & SWP_NOSENDCHANGING)) {
        Send(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!hwnd->alive)
            return FALSE;
    }
    const RECT newWin = ResultingWindowRect(wp, oldWin);
    PosChange c{};
    c.wasVisible = (hwnd->style & WS_VISIBLE) != 0;
    c.sized = W(newWin) != W(oldWin) || H(newWin) != H(oldWin);
    c.moved = newWin.left != oldWin.left || newWin.top != oldWin.top;
    c.frame = (wp.flags & SWP_FRAMECHANGED) != 0;

    RECT newClient{oldClient.left + newWin.left - oldWin.left, oldClient.top + newWin.top - oldWin.top,
                   oldClient.right + newWin.left - oldWin.left, oldClient.bottom + newWin.top - oldWin.top};
    if ((c.sized || c.frame) && !CalcNewClient(hwnd, wp, newWin, oldWin, oldClient, newClient))
        return FALSE;

    c.reordered = ApplyZOrder(hwnd, wp);
    c.show = (wp.flags & SWP_SHOWWINDOW) != 0;
    c.hide = (wp.flags & SWP_HIDEWINDOW) != 0;
    c.top = IsTopLevel(hwnd);
    ApplyPosChange(hwnd, wp, oldWin, newWin, newClient, c);
    const bool visible = (hwnd->style & WS_VISIBLE) != 0;

    CompleteWindowPos(wp, newWin, newClient, oldClient);
    Send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    if (!hwnd->alive)
        return TRUE;

    if (c.hide && c.wasVisible)
        WindowHiddenOrDestroyed(hwnd);
    else if (c.top && visible && !(flags & SWP_NOACTIVATE) && (c.show || !(flags & SWP_NOZORDER)))
        ActivateWindow(hwnd, false);
    return TRUE;
}

} // namespace win::core

namespace win::core {

namespace {

enum class ShowState { None, Minimize, Maximize, Restore };

struct ShowRequest {
    UINT swp = 0;
    ShowState state = ShowState::None;
    bool show = true;
    bool deactivate = false;
};

// What a ShowWindow command asks for; nothing for an unknown command.
std::optional<ShowRequest> ShowCommand(int cmd, DWORD style) {
    const ShowState restore = (style & (WS_MINIMIZE | WS_MAXIMIZE)) ? ShowState::Restore : ShowState::None;
    switch (cmd) {
    case SW_HIDE:
        return ShowRequest{SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER,
                           ShowState::None, false};
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        return ShowRequest{SWP_SHOWWINDOW | SWP_NOACTIVATE, ShowState::Minimize, true, true};
    case SW_SHOWMINIMIZED: return ShowRequest{SWP_SHOWWINDOW, ShowState::Minimize};
    case SW_SHOWMAXIMIZED: return ShowRequest{SWP_SHOWWINDOW, ShowState::Maximize};
    case SW_SHOWNA:
        return ShowRequest{SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE};
    case SW_SHOW: return ShowRequest{SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE};
    case SW_SHOWNOACTIVATE: return ShowRequest{SWP_SHOWWINDOW | SWP_NOACTIVATE, restore};
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT: return ShowRequest{SWP_SHOWWINDOW, restore};
    default: return std::nullopt;
    }
}

RECT MaximizedRect(HWND hwnd) {
    MINMAXINFO mmi = GetMinMaxInfo(hwnd);
    return RECT{mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxPosition.x + mmi.ptMaxSize.x,
                mmi.ptMaxPosition.y + mmi.ptMaxSize.y};
}

// Minimizes, maximizes or restores the window's state and returns the rectangle it goes to; adds the state
// change to `swp` when there is one.
RECT ChangeShowState(HWND hwnd, ShowState state, bool child, UINT& swp) {
    RECT target = hwnd->rcWindow;
    const DWORD st = hwnd->style;
    if (state == ShowState::Minimize && !(st & WS_MINIMIZE)) {
        if (!(st & WS_MAXIMIZE))
            hwnd->rcNormal = hwnd->rcWindow;
        hwnd->maximizeOnRestore = (st & WS_MAXIMIZE) != 0;
        hwnd->style = (st & ~WS_MAXIMIZE) | WS_MINIMIZE;
        int x = child ? 0 : -32000,
            y = child ? H(hwnd->parent->rcClient) - GetSystemMetrics(SM_CYMINIMIZED) : -32000;
        target = RECT{x, y, x + GetSystemMetrics(SM_CXMINIMIZED), y + GetSystemMetrics(SM_CYMINIMIZED)};
        swp |= SWP_FRAMECHANGED | SWP_STATECHANGED;
    } else if (state == ShowState::Maximize && !(st & WS_MAXIMIZE)) {
        if (!(st & WS_MINIMIZE))
            hwnd->rcNormal = hwnd->rcWindow;
        hwnd->style = (st & ~WS_MINIMIZE) | WS_MAXIMIZE;
        target = MaximizedRect(hwnd);
        swp |= SWP_FRAMECHANGED | SWP_STATECHANGED;
    } else if (state == ShowState::Restore) {
        if ((st & WS_MINIMIZE) && hwnd->maximizeOnRestore) {
            hwnd->style = (st & ~WS_MINIMIZE) | WS_MAXIMIZE;
            target = MaximizedRect(hwnd);
        } else {
            hwnd->style = st & ~(WS_MINIMIZE | WS_MAXIMIZE);
            target = hwnd->rcNormal;
        }
        hwnd->maximizeOnRestore = false;
        swp |= SWP_FRAMECHANGED | SWP_STATECHANGED;
    }
    return target;
}

} // namespace

} // namespace win::core

namespace win {

using namespace core;

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (!Valid(hwnd))
        return FALSE;
    if (IsDesktop(hwnd)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!(flags & SWP_NOZORDER) && insertAfter && insertAfter != HWND_BOTTOM && insertAfter != HWND_TOPMOST &&
        insertAfter != HWND_NOTOPMOST && !Valid(insertAfter))
        return FALSE;
    return SetWindowPosInternal(hwnd, insertAfter, x, y, cx, cy, flags);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    if (!Valid(hwnd) || IsDesktop(hwnd))
        return FALSE;
    const bool wasVisible = (hwnd->style & WS_VISIBLE) != 0;
    const bool child = (hwnd->style & WS_CHILD) != 0;
    if (cmd == SW_HIDE && !wasVisible)
        return FALSE;
    std::optional<ShowRequest> request = ShowCommand(cmd, hwnd->style);
    if (!request) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    UINT swp = request->swp;
    if (child)
        swp |= SWP_NOACTIVATE | SWP_NOZORDER;
    if (request->state == ShowState::None && !(swp & SWP_NOSIZE))
        swp |= SWP_NOSIZE | SWP_NOMOVE;
    if (request->show != wasVisible) {
        Send(hwnd, WM_SHOWWINDOW, request->show ? TRUE : FALSE, 0);
        if (!hwnd->alive)
            return wasVisible;
    }
    RECT target = hwnd->rcWindow;
    if (request->state != ShowState::None &&
        !CallHooks(WH_CBT, HCBT_MINMAX, reinterpret_cast<WPARAM>(hwnd), cmd) && hwnd->alive)
        target = ChangeShowState(hwnd, request->state, child, swp);
    if (!hwnd->alive)
        return wasVisible;
    if (swp & SWP_STATECHANGED)
        swp &= ~(SWP_NOSIZE | SWP_NOMOVE);
    SetWindowPosInternal(hwnd, HWND_TOP, target.left, target.top, W(target), H(target), swp);
    if (hwnd->alive && request->deactivate && S().active == hwnd)
        WindowHiddenOrDestroyed(hwnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    if (!Valid(hwnd))
        return FALSE;
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *rect = WindowRectScreen(hwnd);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    if (!Valid(hwnd))
        return FALSE;
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *rect = RECT{0, 0, W(hwnd->rcClient), H(hwnd->rcClient)};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT pt) {
    if (!Valid(hwnd) || !pt)
        return FALSE;
    POINT o = IsDesktop(hwnd) ? POINT{0, 0} : ClientOrigin(hwnd);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt) {
    if (!Valid(hwnd) || !pt)
        return FALSE;
    POINT o = IsDesktop(hwnd) ? POINT{0, 0} : ClientOrigin(hwnd);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    if ((from && !Valid(from)) || (to && !Valid(to)))
        return 0;
    POINT a = from && !IsDesktop(from) ? ClientOrigin(from) : POINT{0, 0};
    POINT b = to && !IsDesktop(to) ? ClientOrigin(to) : POINT{0, 0};
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(ERROR_SUCCESS);
    return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* wp) {
    if (!Valid(hwnd))
        return FALSE;
    if (!wp) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    wp->length = sizeof(WINDOWPLACEMENT);
    wp->flags = hwnd->maximizeOnRestore ? 2 : 0; // WPF_RESTORETOMAXIMIZED
    if (hwnd->style & WS_MINIMIZE)
        wp->showCmd = SW_SHOWMINIMIZED;
    else if (hwnd->style & WS_MAXIMIZE)
        wp->showCmd = SW_SHOWMAXIMIZED;
    else
        wp->showCmd = SW_SHOWNORMAL;
    wp->ptMinPosition = POINT{-1, -1};
    wp->ptMaxPosition = POINT{-1, -1};
    wp->rcNormalPosition = (hwnd->style & (WS_MINIMIZE | WS_MAXIMIZE)) ? hwnd->rcNormal : hwnd->rcWindow;
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* wp) {
    if (!Valid(hwnd))
        return FALSE;
    if (!wp) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECT& r = wp->rcNormalPosition;
    hwnd->rcNormal = r;
    if (!(hwnd->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        SetWindowPos(hwnd, nullptr, r.left, r.top, W(r), H(r), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd, static_cast<int>(wp->showCmd));
    return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    if (!Valid(hwnd))
        return 0;
    std::unique_ptr<Region> copy;
    if (region) {
        pixman_region32_t* data = gdi::RegionData(region);
        if (!data) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        copy = std::make_unique<Region>();
        pixman_region32_copy(copy->Get(), data);
        DeleteObject(region); // the system owns the region from now on
    }
    hwnd->windowRgn = std::move(copy);
    if (redraw && ReallyVisible(hwnd)) {
        if (!IsTopLevel(hwnd))
            InvalidateScreenArea(hwnd->parent, hwnd->rcWindow);
        InvalidateInternal(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
    if (!Valid(hwnd))
        return ERROR;
    pixman_region32_t* data = region ? gdi::RegionData(region) : nullptr;
    if (!data || !hwnd->windowRgn)
        return ERROR;
    pixman_region32_copy(data, hwnd->windowRgn->Get());
    int n = pixman_region32_n_rects(data);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace win
