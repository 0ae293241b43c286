#include "platform/os/WinBase.h"

#include <chrono>
#include <climits>
#include <cstring>
#include <sys/syscall.h>
#include <thread>
#include <time.h>
#include <unistd.h>

namespace win {

namespace {

PerformanceCounterSource g_counterSource = nullptr;

} // namespace

void SetPerformanceCounterSource(PerformanceCounterSource source) {
    g_counterSource = source;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER* count) {
    if (!count) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (g_counterSource) {
        count->QuadPart = g_counterSource();
        return TRUE;
    }
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    count->QuadPart = static_cast<LONGLONG>(ts.tv_sec) * 10000000 + ts.tv_nsec / 100;
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
    if (!frequency) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    frequency->QuadPart = 10000000;
    return TRUE;
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    long long p = static_cast<long long>(number) * numerator;
    long long d = denominator;
    const bool negative = (p < 0) != (d < 0);
    unsigned long long ap =
        p < 0 ? 0ull - static_cast<unsigned long long>(p) : static_cast<unsigned long long>(p);
    unsigned long long ad =
        d < 0 ? 0ull - static_cast<unsigned long long>(d) : static_cast<unsigned long long>(d);
    unsigned long long q = (ap + ad / 2) / ad;
    if (q > static_cast<unsigned long long>(INT_MAX) + (negative ? 1 : 0))
        return -1;
    return negative ? static_cast<int>(-static_cast<long long>(q)) : static_cast<int>(q);
}

DWORD GetCurrentThreadId() {
    return static_cast<DWORD>(::syscall(SYS_gettid));
}
DWORD GetCurrentProcessId() {
    return static_cast<DWORD>(::getpid());
}

void Sleep(DWORD ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    buffer[0] = '\0';
    char path[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    path[n] = '\0';
    if (static_cast<DWORD>(n) >= size) {
        std::memcpy(buffer, path, size - 1);
        buffer[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(buffer, path, static_cast<size_t>(n) + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(n);
}

std::string ExecutableFolder() {
    char path[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    std::string p(path, static_cast<size_t>(n));
    auto slash = p.rfind('/');
    return slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
}

} // namespace win
