// Window properties and the global atom table (names compare without case, as on Windows).
#include "platform/core/WindowManager.h"

namespace win::core {

namespace {

constexpr size_t kMaxAtomName = 255;

// The property key of a name or an atom: the lower-case name, or "#n" for an integer atom.
bool PropKey(LPCSTR name, std::string* key) {
    if (!name)
        return false;
    if (IS_INTRESOURCE(name)) {
        ATOM a = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
        if (!a)
            return false;
        auto it = S().atomNames.find(a);
        *key = it != S().atomNames.end() ? AsciiLower(it->second) : "#" + std::to_string(a);
        return true;
    }
    *key = AsciiLower(name);
    return true;
}

// "#123" names an integer atom.
bool IntegerAtom(LPCSTR name, ATOM* atom) {
    if (IS_INTRESOURCE(name)) {
        *atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
        return true;
    }
    if (name[0] != '#' || !name[1])
        return false;
    unsigned long v = 0;
    for (const char* p = name + 1; *p; ++p) {
        if (*p < '0' || *p > '9' || v > 0xFFFF)
            return false;
        v = v * 10 + static_cast<unsigned long>(*p - '0');
    }
    if (v == 0 || v >= 0xC000)
        return false;
    *atom = static_cast<ATOM>(v);
    return true;
}

ATOM AddAtom(LPCSTR name, bool counted) {
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ATOM a;
    if (IntegerAtom(name, &a)) {
        if (!a || a >= 0xC000) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        return a;
    }
    std::string n = name;
    if (n.empty() || n.size() > kMaxAtomName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& s = S();
    std::string key = AsciiLower(n);
    auto it = s.atoms.find(key);
    if (it != s.atoms.end()) {
        if (counted)
            ++s.atomRefs[it->second];
        return it->second;
    }
    if (s.nextAtom == 0xFFFF) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    a = s.nextAtom++;
    s.atoms[key] = a;
    s.atomNames[a] = n;
    s.atomRefs[a] = 1;
    return a;
}

} // namespace

} // namespace win::core

namespace win {

using namespace core;

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data) {
    if (!Valid(hwnd))
        return FALSE;
    std::string key;
    if (!PropKey(name, &key)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    hwnd->props[key] = data;
    return TRUE;
}
BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data) {
    return SetPropA(hwnd, name, data);
}

HANDLE GetPropA(HWND hwnd, LPCSTR name) {
    std::string key;
    if (!Valid(hwnd) || !PropKey(name, &key))
        return nullptr;
    auto it = hwnd->props.find(key);
    return it == hwnd->props.end() ? nullptr : it->second;
}
HANDLE GetPropW(HWND hwnd, LPCWSTR name) {
    return GetPropA(hwnd, name);
}

HANDLE RemovePropA(HWND hwnd, LPCSTR name) {
    std::string key;
    if (!Valid(hwnd) || !PropKey(name, &key))
        return nullptr;
    auto it = hwnd->props.find(key);
    if (it == hwnd->props.end())
        return nullptr;
    HANDLE h = it->second;
    hwnd->props.erase(it);
    return h;
}
HANDLE RemovePropW(HWND hwnd, LPCWSTR name) {
    return RemovePropA(hwnd, name);
}

ATOM GlobalAddAtomA(LPCSTR name) {
    return AddAtom(name, true);
}
ATOM GlobalAddAtomW(LPCWSTR name) {
    return AddAtom(name, true);
}

ATOM GlobalFindAtomA(LPCSTR name) {
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ATOM a;
    if (IntegerAtom(name, &a))
        return a;
    auto it = S().atoms.find(AsciiLower(name));
    if (it == S().atoms.end()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    return it->second;
}
ATOM GlobalFindAtomW(LPCWSTR name) {
    return GlobalFindAtomA(name);
}

ATOM GlobalDeleteAtom(ATOM atom) {
    auto& s = S();
    if (atom < 0xC000)
        return 0;
    auto it = s.atomRefs.find(atom);
    if (it == s.atomRefs.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return atom;
    }
    if (--it->second <= 0) {
        s.atoms.erase(AsciiLower(s.atomNames[atom]));
        s.atomNames.erase(atom);
        s.atomRefs.erase(it);
    }
    return 0;
}

UINT GlobalGetAtomNameA(ATOM atom, LPSTR buffer, int size) {
    if (!buffer || size <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    buffer[0] = '\0';
    if (atom && atom < 0xC000)
        return static_cast<UINT>(CopyWindowText("#" + std::to_string(atom), buffer, size));
    auto it = S().atomNames.find(atom);
    if (it == S().atomNames.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return static_cast<UINT>(CopyWindowText(it->second, buffer, size));
}
UINT GlobalGetAtomNameW(ATOM atom, LPWSTR buffer, int size) {
    return GlobalGetAtomNameA(atom, buffer, size);
}

UINT RegisterWindowMessageA(LPCSTR name) {
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ATOM a;
    if (IntegerAtom(name, &a))
        return 0;
    return AddAtom(name, false);
}
UINT RegisterWindowMessageW(LPCWSTR name) {
    return RegisterWindowMessageA(name);
}

} // namespace win
