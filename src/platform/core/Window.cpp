#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

#include <cstring>

namespace win::core {

State& S() {
    static State* state = [] {
        auto* s = new State;
        auto desk = std::make_unique<HWND__>();
        desk->className = "#32769";
        desk->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
        SIZE sz = display::Current().ScreenSize();
        desk->rcWindow = desk->rcClient = RECT{0, 0, sz.cx, sz.cy};
        s->desktop = desk.get();
        s->live.insert(desk.get());
        s->windows.push_back(std::move(desk));
        return s;
    }();
    return *state;
}

HWND Valid(HWND hwnd) {
    if (!hwnd || !S().live.count(hwnd) || !hwnd->alive) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return hwnd;
}

bool IsDesktop(HWND hwnd) {
    return hwnd && hwnd == S().desktop;
}
bool IsTopLevel(HWND hwnd) {
    return hwnd && hwnd->parent == S().desktop;
}
bool IsChildStyle(HWND hwnd) {
    return (hwnd->style & WS_CHILD) != 0;
}

HWND TopLevelOf(HWND hwnd) {
    while (hwnd && hwnd->parent && hwnd->parent != S().desktop)
        hwnd = hwnd->parent;
    return hwnd;
}

POINT ClientOrigin(HWND hwnd) {
    POINT p{hwnd->rcClient.left, hwnd->rcClient.top};
    for (HWND p2 = hwnd->parent; p2 && p2 != S().desktop; p2 = p2->parent) {
        p.x += p2->rcClient.left;
        p.y += p2->rcClient.top;
    }
    return p;
}

static POINT ParentClientOrigin(HWND hwnd) {
    if (!hwnd->parent || hwnd->parent == S().desktop)
        return POINT{0, 0};
    return ClientOrigin(hwnd->parent);
}

RECT WindowRectScreen(HWND hwnd) {
    POINT o = ParentClientOrigin(hwnd);
    RECT r = hwnd->rcWindow;
    return RECT{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
}

RECT ClientRectScreen(HWND hwnd) {
    POINT o = ParentClientOrigin(hwnd);
    RECT r = hwnd->rcClient;
    return RECT{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
}

POINT SurfaceOffset(HWND hwnd) {
    HWND top = TopLevelOf(hwnd);
    RECT w = WindowRectScreen(hwnd);
    return POINT{w.left - top->rcWindow.left, w.top - top->rcWindow.top};
}

bool ReallyVisible(HWND hwnd) {
    for (; hwnd && hwnd != S().desktop; hwnd = hwnd->parent)
        if (!(hwnd->style & WS_VISIBLE))
            return false;
    return hwnd != nullptr;
}

namespace {

void Unlink(HWND hwnd) {
    if (!hwnd->parent)
        return;
    auto& list = hwnd->parent->children;
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

void SendDestroy(HWND hwnd) {
    Send(hwnd, WM_DESTROY, 0, 0);
    std::vector<HWND> kids = hwnd->children;
    for (HWND c : kids)
        if (c->alive)
            SendDestroy(c);
}

void FreeWindow(HWND hwnd) {
    std::vector<HWND> kids = hwnd->children;
    for (HWND c : kids)
        if (c->alive)
            FreeWindow(c);
    Send(hwnd, WM_NCDESTROY, 0, 0);
    auto& s = S();
    RemoveWindowTimers(hwnd);
    ReleaseInputState(hwnd);
    for (auto it = s.posted.begin(); it != s.posted.end();)
        it = it->hwnd == hwnd ? s.posted.erase(it) : it + 1;
    if (IsTopLevel(hwnd))
        display::Current().WindowDestroyed(hwnd);
    Unlink(hwnd);
    hwnd->alive = false;
    hwnd->children.clear();
    hwnd->props.clear();
    hwnd->surface.reset();
    hwnd->windowRgn.reset();
    hwnd->update.Clear();
    hwnd->cls = nullptr;
    s.live.erase(hwnd);
}

void DefaultPosition(HWND parent, int& x, int& y, int& cx, int& cy, bool child) {
    if (child) {
        if (x == CW_USEDEFAULT)
            x = y = 0;
        if (cx == CW_USEDEFAULT)
            cx = cy = 0;
        return;
    }
    static int cascade = 0;
    SIZE scr = display::Current().ScreenSize();
    if (x == CW_USEDEFAULT) {
        x = 26 * (cascade % 8) + 26;
        y = 26 * (cascade % 8) + 26;
        ++cascade;
    }
    if (cx == CW_USEDEFAULT) {
        cx = scr.cx * 3 / 4;
        cy = scr.cy * 3 / 4;
    }
}

} // namespace

} // namespace win::core

namespace win {

using namespace core;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    auto& s = S();
    EnsureSystemClasses();
    WindowClass* cls = className ? FindClass(className, instance) : nullptr;
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent == HWND_MESSAGE)
        parent = nullptr;
    if (parent && !Valid(parent))
        return nullptr;
    if ((style & WS_CHILD) && !parent) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    HWND parentWnd = (style & WS_CHILD) ? parent : s.desktop;
    HWND owner = (style & WS_CHILD) || !parent ? nullptr : TopLevelOf(parent);
    if (owner == s.desktop)
        owner = nullptr;

    DefaultPosition(parentWnd, x, y, width, height, (style & WS_CHILD) != 0);
    width = std::max(0, width);
    height = std::max(0, height);

    auto holder = std::make_unique<HWND__>();
    HWND hwnd = holder.get();
    s.windows.push_back(std::move(holder));
    hwnd->cls = cls;
    hwnd->className = cls->name;
    hwnd->text = windowName && !IS_INTRESOURCE(windowName) ? windowName : "";
    const bool visible = (style & WS_VISIBLE) != 0;
    hwnd->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    if (!(style & (WS_CHILD | WS_POPUP)))
        hwnd->style |= WS_CAPTION | WS_CLIPSIBLINGS; // overlapped windows always have a caption
    hwnd->exStyle = exStyle;
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_DLGFRAME | WS_THICKFRAME)))
        hwnd->exStyle |= WS_EX_WINDOWEDGE;
    hwnd->proc = cls->proc;
    hwnd->unicode = cls->unicode;
    hwnd->instance = instance;
    if (style & WS_CHILD)
        hwnd->id = reinterpret_cast<LONG_PTR>(menu);
    else
        hwnd->menu = menu;
    hwnd->extra.assign(static_cast<size_t>(cls->wndExtra), 0);
    hwnd->parent = parentWnd;
    hwnd->owner = owner;
    hwnd->rcWindow = RECT{x, y, x + width, y + height};
    hwnd->rcClient = hwnd->rcWindow;
    hwnd->rcNormal = hwnd->rcWindow;
    if (style & WS_CHILD)
        parentWnd->children.push_back(hwnd);
    else
        parentWnd->children.insert(parentWnd->children.begin(), hwnd);
    s.live.insert(hwnd);

    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    auto abandon = [&] {
        Unlink(hwnd);
        hwnd->alive = false;
        s.live.erase(hwnd);
        return nullptr;
    };
    if (HasHooks(WH_CBT)) {
        CBT_CREATEWNDA cbt{&cs, HWND_TOP};
        if (CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)))
            return abandon();
        if (!hwnd->alive)
            return nullptr;
        hwnd->rcWindow = RECT{cs.x, cs.y, cs.x + std::max(0, cs.cx), cs.y + std::max(0, cs.cy)};
        hwnd->rcClient = hwnd->rcNormal = hwnd->rcWindow;
    }
    if (IsTopLevel(hwnd))
        EnsureSurface(hwnd);

    if (!Send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (hwnd->alive)
            FreeWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!hwnd->alive)
        return nullptr;
    RecalcClient(hwnd);
    if (Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        if (hwnd->alive)
            DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!hwnd->alive)
        return nullptr;
    RECT c = hwnd->rcClient;
    Send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.right - c.left, c.bottom - c.top));
    Send(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(c.left), static_cast<WORD>(c.top)));
    if ((style & WS_CHILD) && !(exStyle & WS_EX_NOPARENTNOTIFY) && hwnd->alive)
        Send(parentWnd, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<WORD>(hwnd->id)),
             reinterpret_cast<LPARAM>(hwnd));
    if (!hwnd->alive)
        return nullptr;
    if (style & WS_MINIMIZE)
        ShowWindow(hwnd, visible ? SW_SHOWMINIMIZED : SW_MINIMIZE);
    else if (style & WS_MAXIMIZE)
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    else if (visible)
        ShowWindow(hwnd, SW_SHOW);
    return hwnd->alive ? hwnd : nullptr;
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance,
                           param);
}

BOOL DestroyWindow(HWND hwnd) {
    if (!Valid(hwnd))
        return FALSE;
    if (IsDesktop(hwnd)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (hwnd->destroying)
        return TRUE;
    if (CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0))
        return FALSE;
    if (!hwnd->alive)
        return TRUE;
    hwnd->destroying = true;
    if ((hwnd->style & WS_CHILD) && !(hwnd->exStyle & WS_EX_NOPARENTNOTIFY))
        Send(hwnd->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, static_cast<WORD>(hwnd->id)),
             reinterpret_cast<LPARAM>(hwnd));
    if (hwnd->style & WS_VISIBLE)
        SetWindowPosInternal(hwnd, nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (IsTopLevel(hwnd)) {
        std::vector<HWND> owned;
        for (HWND w : S().desktop->children)
            if (w->owner == hwnd)
                owned.push_back(w);
        for (HWND w : owned)
            if (w->alive)
                DestroyWindow(w);
    }
    WindowHiddenOrDestroyed(hwnd);
    SendDestroy(hwnd);
    if (hwnd->alive)
        FreeWindow(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return hwnd && S().live.count(hwnd) && hwnd->alive ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    return IsWindow(hwnd) && ReallyVisible(hwnd) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    return IsWindow(hwnd) && !(hwnd->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    return IsWindow(hwnd) && (hwnd->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    return IsWindow(hwnd) && (hwnd->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL IsWindowUnicode(HWND hwnd) {
    return IsWindow(hwnd) && hwnd->unicode ? TRUE : FALSE;
}

} // namespace win
