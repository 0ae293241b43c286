// Window data: the GetWindowLongPtr slots, window text, control ids and the menu handle.
#include "platform/core/WindowManager.h"

#include <cstring>

namespace win {

using namespace core;

namespace {

LONG_PTR GetLong(HWND hwnd, int index) {
    if (!Valid(hwnd))
        return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(hwnd->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(hwnd->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>((hwnd->style & WS_CHILD) ? hwnd->parent : hwnd->owner);
    case GWLP_ID: return hwnd->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(hwnd->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(hwnd->exStyle));
    case GWLP_USERDATA: return hwnd->userData;
    default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= hwnd->extra.size()) {
        LONG_PTR v;
        std::memcpy(&v, hwnd->extra.data() + index, sizeof v);
        return v;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG_PTR SetLong(HWND hwnd, int index, LONG_PTR value, bool unicode) {
    if (!Valid(hwnd))
        return 0;
    LONG_PTR old = 0;
    switch (index) {
    case GWLP_WNDPROC:
        if (!value) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        old = reinterpret_cast<LONG_PTR>(hwnd->proc);
        hwnd->proc = reinterpret_cast<WNDPROC>(value);
        hwnd->unicode = unicode;
        return old;
    case GWLP_HINSTANCE:
        old = reinterpret_cast<LONG_PTR>(hwnd->instance);
        hwnd->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWLP_HWNDPARENT: {
        if (hwnd->style & WS_CHILD) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        old = reinterpret_cast<LONG_PTR>(hwnd->owner);
        HWND o = reinterpret_cast<HWND>(value);
        hwnd->owner = o && IsWindow(o) ? TopLevelOf(o) : nullptr;
        return old;
    }
    case GWLP_ID:
        old = hwnd->id;
        hwnd->id = value;
        return old;
    case GWLP_USERDATA:
        old = hwnd->userData;
        hwnd->userData = value;
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD& field = index == GWL_STYLE ? hwnd->style : hwnd->exStyle;
        STYLESTRUCT ss{field, static_cast<DWORD>(value)};
        old = static_cast<LONG_PTR>(static_cast<LONG>(field));
        Send(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        if (!hwnd->alive)
            return old;
        field = ss.styleNew;
        Send(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        return old;
    }
    default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= hwnd->extra.size()) {
        std::memcpy(&old, hwnd->extra.data() + index, sizeof old);
        std::memcpy(hwnd->extra.data() + index, &value, sizeof value);
        return old;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

// Copies at most size-1 bytes without cutting a UTF-8 sequence, and terminates.
int CopyText(const std::string& text, LPSTR buffer, int size) {
    if (!buffer || size <= 0)
        return 0;
    size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // namespace

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    return GetLong(hwnd, index);
}
LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
    return GetLong(hwnd, index);
}
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    return SetLong(hwnd, index, value, false);
}
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    return SetLong(hwnd, index, value, true);
}
LONG GetWindowLongA(HWND hwnd, int index) {
    return static_cast<LONG>(GetLong(hwnd, index));
}
LONG GetWindowLongW(HWND hwnd, int index) {
    return static_cast<LONG>(GetLong(hwnd, index));
}
LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
    // The 32-bit call cannot carry a pointer on this platform; a procedure goes through the Ptr variant.
    if (index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return static_cast<LONG>(SetLong(hwnd, index, value, false));
}
LONG SetWindowLongW(HWND hwnd, int index, LONG value) {
    if (index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return static_cast<LONG>(SetLong(hwnd, index, value, true));
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
    if (buffer && size > 0)
        buffer[0] = '\0';
    if (!Valid(hwnd) || !buffer || size <= 0)
        return 0;
    return static_cast<int>(
        Send(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}
int GetWindowTextW(HWND hwnd, LPWSTR buffer, int size) {
    return GetWindowTextA(hwnd, buffer, size);
}
int GetWindowTextLengthA(HWND hwnd) {
    return Valid(hwnd) ? static_cast<int>(Send(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}
int GetWindowTextLengthW(HWND hwnd) {
    return GetWindowTextLengthA(hwnd);
}
BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!Valid(hwnd))
        return FALSE;
    return Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}
BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
    return SetWindowTextA(hwnd, text);
}

int GetDlgCtrlID(HWND hwnd) {
    return Valid(hwnd) ? static_cast<int>(hwnd->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
    if (!Valid(dialog))
        return nullptr;
    for (HWND c : dialog->children)
        if (c->id == id)
            return c;
    return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    if (!Valid(hwnd))
        return 0;
    if (processId)
        *processId = GetCurrentProcessId();
    return GetCurrentThreadId();
}

HMENU GetMenu(HWND hwnd) {
    return Valid(hwnd) && !(hwnd->style & WS_CHILD) ? hwnd->menu : nullptr;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    if (!Valid(hwnd))
        return FALSE;
    if (hwnd->style & WS_CHILD) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    hwnd->menu = menu;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

namespace core {
int CopyWindowText(const std::string& text, LPSTR buffer, int size) {
    return CopyText(text, buffer, size);
}
} // namespace core

} // namespace win
