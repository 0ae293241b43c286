// Kernel-side services of the platform layer: the thread's last error, and (added by the OS part) the
// instance lock, the performance counter and the executable's folder.
#pragma once

#include "platform/WinTypes.h"

namespace win {

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_CALL_NOT_IMPLEMENTED = 120;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_NOT_SUPPORTED = 50;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_INVALID_MENU_HANDLE = 1401;
constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
constexpr DWORD ERROR_CLASS_DOES_NOT_EXIST = 1411;
constexpr DWORD ERROR_CLASS_HAS_WINDOWS = 1412;
constexpr DWORD ERROR_INVALID_INDEX = 1413;
constexpr DWORD ERROR_TLW_WITH_WSCHILD = 1406;
constexpr DWORD ERROR_INVALID_HOOK_FILTER = 1426;
constexpr DWORD ERROR_INVALID_FILTER_PROC = 1427;
constexpr DWORD ERROR_HOOK_NEEDS_HMOD = 1428;
constexpr DWORD ERROR_INVALID_THREAD_ID = 1444;
constexpr DWORD ERROR_INVALID_HOOK_HANDLE = 1404;
constexpr DWORD ERROR_TIMEOUT = 1460;

// Per thread, as on Windows.
DWORD GetLastError();
void SetLastError(DWORD error);

// Kernel objects (the named mutex) derive from this; other handle values (window properties, images cast
// to HANDLE) are never dereferenced by the platform.
struct HANDLE__ {
    virtual ~HANDLE__() = default;
};

struct SECURITY_ATTRIBUTES {
    DWORD nLength = sizeof(SECURITY_ATTRIBUTES);
    LPVOID lpSecurityDescriptor = nullptr;
    BOOL bInheritHandle = FALSE;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
};

// A named mutex is the single-instance lock: one per name and desktop session, held until the handle is
// closed or the process ends in any way (the OS drops the lock of a killed process). A second CreateMutex
// for a held name succeeds with GetLastError() == ERROR_ALREADY_EXISTS (183). Null with ERROR_ACCESS_DENIED
// when no lock folder that only this user can write is to be had. A null name gives a private,
// unnamed mutex. `initialOwner` is accepted and has no further effect (one thread).
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCSTR name);
HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCWSTR name);
inline HANDLE CreateMutex(LPSECURITY_ATTRIBUTES a, BOOL o, LPCSTR n) {
    return CreateMutexA(a, o, n);
}
BOOL ReleaseMutex(HANDLE mutex);
BOOL CloseHandle(HANDLE handle);

// A monotonic counter of 10,000,000 ticks per second.
BOOL QueryPerformanceCounter(LARGE_INTEGER* count);
// Where QueryPerformanceCounter reads its 100-ns ticks from; null gives the system's monotonic clock back. A
// harness that runs the program on a virtual clock installs its own, so that whatever the program seeds or
// times from the counter repeats from one run to the next.
using PerformanceCounterSource = LONGLONG (*)();
void SetPerformanceCounterSource(PerformanceCounterSource source);
BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency);

// number * numerator / denominator, rounded half away from zero; -1 when the denominator is 0 or the result
// does not fit in an int.
int MulDiv(int number, int numerator, int denominator);

DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();
void Sleep(DWORD ms);

// The running executable's path (module null) in UTF-8; returns the length copied, 0 on failure, and
// `size` with ERROR_INSUFFICIENT_BUFFER when the path was cut.
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);
inline DWORD GetModuleFileNameW(HMODULE m, LPWSTR b, DWORD s) {
    return GetModuleFileNameA(m, b, s);
}
inline DWORD GetModuleFileName(HMODULE m, LPSTR b, DWORD s) {
    return GetModuleFileNameA(m, b, s);
}

} // namespace win

#include <string>

namespace win {

// Why this thread's last CreateMutex for a name failed (which folder or file, and what is wrong with it);
// empty after a success.
std::string MutexFailure();

// The folder of the running executable, with a trailing '/'; data paths are built from it, never from the
// working directory. Empty when the system cannot tell.
std::string ExecutableFolder();

} // namespace win
