#include "platform/core/WindowManager.h"

namespace win::core {

namespace {
constexpr UINT kMinElapse = 10;         // USER_TIMER_MINIMUM
constexpr UINT kMaxElapse = 0x7FFFFFFF; // USER_TIMER_MAXIMUM
UINT_PTR g_nextThreadTimer = 0x7FF0;

bool Matches(const Timer& t, HWND filter) {
    if (!filter)
        return true;
    if (filter == reinterpret_cast<HWND>(-1))
        return t.hwnd == nullptr;
    return t.hwnd == filter || (t.hwnd && IsChild(filter, t.hwnd));
}
} // namespace

void RemoveWindowTimers(HWND hwnd) {
    auto& v = S().timers;
    v.erase(std::remove_if(v.begin(), v.end(), [&](const Timer& t) { return t.hwnd == hwnd; }), v.end());
}

bool NextTimerDue(std::uint64_t* due) {
    bool any = false;
    const State& s = S();
    if (s.trackWindow && (s.trackFlags & TME_HOVER)) {
        *due = s.hoverDue;
        any = true;
    }
    for (const Timer& t : S().timers)
        if (!any || t.due < *due) {
            *due = t.due;
            any = true;
        }
    return any;
}

bool TakeDueTimer(HWND filter, MSG* out, bool remove) {
    std::uint64_t now = Now64();
    Timer* best = nullptr;
    for (Timer& t : S().timers)
        if (t.due <= now && Matches(t, filter) &&
            (!best || t.due < best->due || (t.due == best->due && t.serial < best->serial)))
            best = &t;
    if (!best)
        return false;
    *out = MSG{};
    out->hwnd = best->hwnd;
    out->message = WM_TIMER;
    out->wParam = best->id;
    out->lParam = reinterpret_cast<LPARAM>(best->proc);
    if (remove)
        best->due = now + best->elapse; // missed ticks are coalesced, as on Windows
    return true;
}

} // namespace win::core

namespace win {

using namespace core;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd && !Valid(hwnd))
        return 0;
    elapse = std::clamp(elapse, kMinElapse, kMaxElapse);
    auto& s = S();
    if (!hwnd) {
        bool exists = false;
        for (const Timer& t : s.timers)
            exists |= t.hwnd == nullptr && t.id == id && id != 0;
        if (!exists)
            id = g_nextThreadTimer++;
    }
    for (Timer& t : s.timers)
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse;
            t.due = Now64() + elapse;
            t.proc = proc;
            return hwnd ? (id ? id : 1) : id;
        }
    Timer t;
    t.hwnd = hwnd;
    t.id = id;
    t.elapse = elapse;
    t.due = Now64() + elapse;
    t.proc = proc;
    t.serial = ++s.timerSerial;
    s.timers.push_back(t);
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& v = S().timers;
    auto it = std::find_if(v.begin(), v.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == v.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    v.erase(it);
    return TRUE;
}

DWORD GetTickCount() {
    return Now();
}
std::uint64_t GetTickCount64() {
    return Now64();
}

} // namespace win
