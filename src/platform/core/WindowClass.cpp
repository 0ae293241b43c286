#include "platform/core/ControlsHooks.h"
#include "platform/core/WindowManager.h"

#include <cstring>

namespace win::core {

namespace {

LRESULT DesktopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool NameMatches(const WindowClass& c, LPCSTR name) {
    if (IS_INTRESOURCE(name))
        return c.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    return c.key == AsciiLower(name);
}

ATOM Register(const WNDCLASSEXA* wc, bool unicode) {
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || wc->cbClsExtra < 0 || wc->cbWndExtra < 0 ||
        wc->cbClsExtra > 40000 || wc->cbWndExtra > 40000 ||
        (!IS_INTRESOURCE(wc->lpszClassName) && !*wc->lpszClassName) || IS_INTRESOURCE(wc->lpszClassName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& s = S();
    for (auto& c : s.classes)
        if (NameMatches(*c, wc->lpszClassName) &&
            (c->instance == wc->hInstance || (c->style & CS_GLOBALCLASS) || (wc->style & CS_GLOBALCLASS))) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    auto c = std::make_unique<WindowClass>();
    c->name = wc->lpszClassName;
    c->key = AsciiLower(c->name);
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->clsExtra = wc->cbClsExtra;
    c->wndExtra = wc->cbWndExtra;
    c->instance = wc->hInstance;
    c->icon = wc->hIcon;
    c->iconSm = wc->hIconSm;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    c->menuName = wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName) ? wc->lpszMenuName : "";
    c->unicode = unicode;
    c->extra.assign(static_cast<size_t>(c->clsExtra), 0);
    c->atom = GlobalAddAtomA(c->name.c_str());
    ATOM atom = c->atom;
    s.classes.push_back(std::move(c));
    return atom;
}

WNDCLASSEXA FromPlain(const WNDCLASSA* wc) {
    WNDCLASSEXA ex;
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return ex;
}

BOOL Unregister(LPCSTR name, HINSTANCE instance) {
    auto& s = S();
    if (!name) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    for (auto it = s.classes.begin(); it != s.classes.end(); ++it) {
        if (!NameMatches(**it, name) || (*it)->name == "#32769")
            continue;
        for (HWND w : s.live)
            if (w->cls == it->get()) {
                SetLastError(ERROR_CLASS_HAS_WINDOWS);
                return FALSE;
            }
        GlobalDeleteAtom((*it)->atom);
        s.classes.erase(it);
        return TRUE;
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

} // namespace

WindowClass* FindClass(LPCSTR name, HINSTANCE instance) {
    WindowClass* any = nullptr;
    for (auto& c : S().classes)
        if (NameMatches(*c, name)) {
            if (c->instance == instance)
                return c.get();
            if (!any)
                any = c.get();
        }
    return any;
}

void EnsureSystemClasses() {
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSEXA wc;
    wc.lpfnWndProc = DesktopProc;
    wc.lpszClassName = "#32769";
    wc.style = CS_GLOBALCLASS;
    Register(&wc, false);
    S().desktop->cls = S().classes.back().get();
    if (const auto registerClasses = GetSystemControls().registerClasses)
        registerClasses();
}

} // namespace win::core

namespace win {

using namespace core;

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    EnsureSystemClasses();
    return Register(wc, false);
}
ATOM RegisterClassExW(const WNDCLASSEXW* wc) {
    EnsureSystemClasses();
    return Register(wc, true);
}
ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA ex = FromPlain(wc);
    return RegisterClassExA(&ex);
}
ATOM RegisterClassW(const WNDCLASSW* wc) {
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA ex = FromPlain(wc);
    return RegisterClassExW(&ex);
}
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance) {
    return Unregister(className, instance);
}
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance) {
    return Unregister(className, instance);
}

BOOL GetClassInfoExA(HINSTANCE instance, LPCSTR className, WNDCLASSEXA* wc) {
    EnsureSystemClasses();
    WindowClass* c = className ? FindClass(className, instance) : nullptr;
    if (!c || !wc) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->clsExtra;
    wc->cbWndExtra = c->wndExtra;
    wc->hInstance = c->instance;
    wc->hIcon = c->icon;
    wc->hIconSm = c->iconSm;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = c->menuName.empty() ? nullptr : c->menuName.c_str();
    wc->lpszClassName = c->name.c_str();
    return c->atom;
}
BOOL GetClassInfoExW(HINSTANCE instance, LPCWSTR className, WNDCLASSEXW* wc) {
    return GetClassInfoExA(instance, className, wc);
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
    if (buffer && size > 0)
        buffer[0] = '\0';
    if (!Valid(hwnd))
        return 0;
    if (!buffer || size <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    return CopyWindowText(hwnd->className, buffer, size);
}
int GetClassNameW(HWND hwnd, LPWSTR buffer, int size) {
    return GetClassNameA(hwnd, buffer, size);
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index) {
    if (!Valid(hwnd) || !hwnd->cls)
        return 0;
    WindowClass* c = hwnd->cls;
    switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c->background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c->cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c->icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c->iconSm);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c->instance);
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c->wndExtra);
    case GCL_CBCLSEXTRA: return static_cast<ULONG_PTR>(c->clsExtra);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c->proc);
    case GCL_STYLE: return c->style;
    case GCW_ATOM: return c->atom;
    default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(ULONG_PTR) <= c->extra.size()) {
        ULONG_PTR v;
        std::memcpy(&v, c->extra.data() + index, sizeof v);
        return v;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}
ULONG_PTR GetClassLongPtrW(HWND hwnd, int index) {
    return GetClassLongPtrA(hwnd, index);
}

ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    if (!Valid(hwnd) || !hwnd->cls)
        return 0;
    WindowClass* c = hwnd->cls;
    ULONG_PTR old = GetClassLongPtrA(hwnd, index);
    switch (index) {
    case GCLP_HBRBACKGROUND: c->background = reinterpret_cast<HBRUSH>(value); return old;
    case GCLP_HCURSOR: c->cursor = reinterpret_cast<HCURSOR>(value); return old;
    case GCLP_HICON: c->icon = reinterpret_cast<HICON>(value); return old;
    case GCLP_HICONSM: c->iconSm = reinterpret_cast<HICON>(value); return old;
    case GCLP_WNDPROC: c->proc = reinterpret_cast<WNDPROC>(value); return old;
    case GCL_STYLE: c->style = static_cast<UINT>(value); return old;
    default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= c->extra.size()) {
        std::memcpy(c->extra.data() + index, &value, sizeof value);
        return old;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}
ULONG_PTR SetClassLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    return SetClassLongPtrA(hwnd, index, value);
}

} // namespace win
