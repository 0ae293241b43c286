#include "platform/core/ControlsHooks.h"
#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace win {

namespace {

// The classic look at 96 dots per inch. Screen-dependent entries are computed below.
struct Metric {
    int index;
    int value;
};
constexpr Metric kMetrics[] = {
    {SM_CXVSCROLL, 16},   {SM_CYHSCROLL, 16},    {SM_CYCAPTION, 19},   {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},     {SM_CXDLGFRAME, 3},    {SM_CYDLGFRAME, 3},   {SM_CYVTHUMB, 16},
    {SM_CXHTHUMB, 16},    {SM_CXICON, 32},       {SM_CYICON, 32},      {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},    {SM_CYMENU, 19},       {SM_MOUSEPRESENT, 1}, {SM_CYVSCROLL, 16},
    {SM_CXHSCROLL, 16},   {SM_SWAPBUTTON, 0},    {SM_CXMIN, 112},      {SM_CYMIN, 27},
    {SM_CXSIZE, 18},      {SM_CYSIZE, 18},       {SM_CXFRAME, 4},      {SM_CYFRAME, 4},
    {SM_CXMINTRACK, 112}, {SM_CYMINTRACK, 27},   {SM_CXDOUBLECLK, 4},  {SM_CYDOUBLECLK, 4},
    {SM_CXEDGE, 2},       {SM_CYEDGE, 2},        {SM_CXSMICON, 16},    {SM_CYSMICON, 16},
    {SM_CYSMCAPTION, 15}, {SM_CXSMSIZE, 12},     {SM_CYSMSIZE, 14},    {SM_CXMENUSIZE, 18},
    {SM_CYMENUSIZE, 18},  {SM_CXMINIMIZED, 160}, {SM_CYMINIMIZED, 24}, {SM_CXDRAG, 4},
    {SM_CYDRAG, 4},       {SM_CXMENUCHECK, 13},  {SM_CYMENUCHECK, 13}, {SM_MOUSEWHEELPRESENT, 1},
    {SM_CMONITORS, 1},
};

// Fake module handles: only their identity matters.
char g_user32Tag, g_programTag;
HMODULE User32() {
    return reinterpret_cast<HMODULE>(&g_user32Tag);
}

// What user32 exports from the core itself; the controls add theirs through their hook.
struct Export {
    std::string_view name;
    FARPROC proc;
};
const Export kCoreExports[] = {
    {"TrackMouseEvent", reinterpret_cast<FARPROC>(&TrackMouseEvent)},
};

std::vector<std::string>& WithdrawnExports() {
    static std::vector<std::string> names;
    return names;
}

FARPROC FindUser32Export(const char* name) {
    const auto& withdrawn = WithdrawnExports();
    if (std::find(withdrawn.begin(), withdrawn.end(), name) != withdrawn.end())
        return nullptr;
    for (const Export& e : kCoreExports)
        if (e.name == name)
            return e.proc;
    if (const auto fromControls = core::GetSystemControls().procAddress)
        return fromControls(name);
    return nullptr;
}

bool IsUser32(LPCSTR name) {
    if (!name)
        return false;
    std::string n = AsciiLower(name);
    return n == "user32.dll" || n == "user32";
}

void FillFont(LOGFONTA& lf, bool bold) {
    lf = LOGFONTA{};
    lf.lfHeight = -12;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    std::strncpy(lf.lfFaceName, "宋体", LF_FACESIZE - 1);
}

} // namespace

int GetSystemMetrics(int index) {
    SIZE scr = display::Current().ScreenSize();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN: return scr.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return scr.cy;
    case SM_CYFULLSCREEN: return scr.cy - 19;
    case SM_CXMAXTRACK: return scr.cx + 12;
    case SM_CYMAXTRACK: return scr.cy + 12;
    case SM_CXMAXIMIZED: return scr.cx + 8;
    case SM_CYMAXIMIZED: return scr.cy + 8;
    default: break;
    }
    for (const Metric& m : kMetrics)
        if (m.index == index)
            return m.value;
    return 0;
}

BOOL SystemParametersInfoA(UINT action, UINT param, LPVOID data, UINT winIni) {
    switch (action) {
    case SPI_GETNONCLIENTMETRICS: {
        auto* ncm = static_cast<NONCLIENTMETRICSA*>(data);
        // 340 is what callers of the packed 32-bit structure pass; our layout is the caller's own type.
        if (!ncm || (ncm->cbSize != 340 && ncm->cbSize < sizeof(NONCLIENTMETRICSA))) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        UINT size = ncm->cbSize;
        ncm->iBorderWidth = 1;
        ncm->iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
        ncm->iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
        ncm->iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
        ncm->iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
        FillFont(ncm->lfCaptionFont, true);
        ncm->iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
        ncm->iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
        FillFont(ncm->lfSmCaptionFont, false);
        ncm->iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
        ncm->iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
        FillFont(ncm->lfMenuFont, false);
        FillFont(ncm->lfStatusFont, false);
        FillFont(ncm->lfMessageFont, false);
        ncm->cbSize = size;
        return TRUE;
    }
    case SPI_GETWORKAREA: {
        if (!data) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        SIZE scr = display::Current().ScreenSize();
        *static_cast<RECT*>(data) = RECT{0, 0, scr.cx, scr.cy};
        return TRUE;
    }
    case SPI_GETFLATMENU:
    case SPI_GETDROPSHADOW:
        if (!data) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        *static_cast<BOOL*>(data) = FALSE;
        return TRUE;
    default: SetLastError(ERROR_INVALID_PARAMETER); return FALSE;
    }
}
BOOL SystemParametersInfoW(UINT action, UINT param, LPVOID data, UINT winIni) {
    return SystemParametersInfoA(action, param, data, winIni);
}

DWORD GetVersion() {
    return 0x0A280105;
}

HMODULE LoadLibraryA(LPCSTR name) {
    if (IsUser32(name))
        return User32();
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}
HMODULE LoadLibraryW(LPCWSTR name) {
    return LoadLibraryA(name);
}

HMODULE GetModuleHandleA(LPCSTR name) {
    if (!name)
        return reinterpret_cast<HMODULE>(&g_programTag);
    return LoadLibraryA(name);
}
HMODULE GetModuleHandleW(LPCWSTR name) {
    return GetModuleHandleA(name);
}

BOOL FreeLibrary(HMODULE module) {
    if (module != User32()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    if (module != User32() || !name || IS_INTRESOURCE(name)) {
        SetLastError(module == User32() ? ERROR_PROC_NOT_FOUND : ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (FARPROC proc = FindUser32Export(name))
        return proc;
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
}

void WithdrawExport(LPCSTR module, LPCSTR name, bool withdrawn) {
    if (!IsUser32(module) || !name)
        return;
    auto& names = WithdrawnExports();
    names.erase(std::remove(names.begin(), names.end(), name), names.end());
    if (withdrawn)
        names.emplace_back(name);
}

} // namespace win
