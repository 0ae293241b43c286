#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

namespace win::core {

namespace {

constexpr size_t kMaxPosted = 10000; // the Windows per-queue quota
constexpr int kMaxSendDepth = 400;   // deeper recursion would exhaust the stack
constexpr DWORD ERROR_NOT_ENOUGH_QUOTA = 1816;
constexpr DWORD ERROR_STACK_OVERFLOW = 1001;

bool InRange(UINT msg, UINT min, UINT max) {
    return (min == 0 && max == 0) || (msg >= min && msg <= max);
}

bool ForWindow(HWND target, HWND filter) {
    if (!filter)
        return true;
    if (filter == reinterpret_cast<HWND>(-1))
        return target == nullptr;
    return target == filter || (target && IsChild(filter, target));
}

void Stamp(MSG* m) {
    m->time = Now();
    m->pt = S().cursorPos;
}

bool Peek(MSG* out, HWND filter, UINT min, UINT max, UINT flags) {
    auto& s = S();
    const bool remove = (flags & PM_REMOVE) != 0;
    for (;;) {
        for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
            if (!ForWindow(it->hwnd, filter) || !InRange(it->message, min, max))
                continue;
            *out = *it;
            if (remove)
                s.posted.erase(it);
            return true;
        }
        if (s.input.empty())
            break;
        InputEvent ev = s.input.front();
        s.input.pop_front();
        MSG m;
        bool produced = false;
        ProcessInput(ev, &m, &produced);
        if (produced)
            s.posted.push_back(m);
    }
    if (s.quitPosted && !filter && InRange(WM_QUIT, min, max)) {
        *out = MSG{};
        out->message = WM_QUIT;
        out->wParam = static_cast<WPARAM>(s.quitCode);
        Stamp(out);
        if (remove)
            s.quitPosted = false;
        return true;
    }
    if (InRange(WM_PAINT, min, max)) {
        if (HWND h = NextWindowToPaint(filter == reinterpret_cast<HWND>(-1) ? nullptr : filter)) {
            *out = MSG{};
            out->hwnd = h;
            out->message = WM_PAINT;
            Stamp(out);
            return true;
        }
    }
    if (InRange(WM_MOUSEHOVER, min, max) && !filter && TakeHover(out)) {
        if (!remove)
            s.posted.push_front(*out);
        return true;
    }
    if (InRange(WM_TIMER, min, max) && TakeDueTimer(filter, out, remove)) {
        Stamp(out);
        return true;
    }
    return false;
}

BOOL PeekAndHook(LPMSG msg, HWND hwnd, UINT min, UINT max, UINT flags) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && !Valid(hwnd))
        return FALSE;
    if (!Peek(msg, hwnd, min, max, flags))
        return FALSE;
    S().messageTime = msg->time;
    S().messagePos = MAKELONG(static_cast<WORD>(msg->pt.x), static_cast<WORD>(msg->pt.y));
    if ((flags & PM_REMOVE) && HasHooks(WH_GETMESSAGE))
        CallHooks(WH_GETMESSAGE, HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(msg));
    return TRUE;
}

std::uint32_t WaitTimeout() {
    std::uint64_t due;
    if (!NextTimerDue(&due))
        return ~0u;
    std::uint64_t now = Now64();
    return due <= now ? 0 : static_cast<std::uint32_t>(std::min<std::uint64_t>(due - now, 0x7FFFFFFF));
}

// Printable characters of the US layout for a key, or 0.
char32_t CharForKey(UINT vk, bool shift, bool caps, bool ctrl) {
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return vk - 'A' + 1;
        return (shift != caps) ? vk : vk + 32;
    }
    if (ctrl)
        return 0;
    if (vk >= '0' && vk <= '9')
        return shift ? U")!@#$%^&*("[vk - '0'] : vk;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return U'0' + (vk - VK_NUMPAD0);
    switch (vk) {
    case VK_SPACE: return U' ';
    case VK_RETURN: return U'\r';
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_ESCAPE: return 27;
    case VK_MULTIPLY: return U'*';
    case VK_ADD: return U'+';
    case VK_SUBTRACT: return U'-';
    case VK_DECIMAL: return U'.';
    case VK_DIVIDE: return U'/';
    case VK_OEM_1: return shift ? U':' : U';';
    case VK_OEM_PLUS: return shift ? U'+' : U'=';
    case VK_OEM_COMMA: return shift ? U'<' : U',';
    case VK_OEM_MINUS: return shift ? U'_' : U'-';
    case VK_OEM_PERIOD: return shift ? U'>' : U'.';
    case VK_OEM_2: return shift ? U'?' : U'/';
    case VK_OEM_3: return shift ? U'~' : U'`';
    case VK_OEM_4: return shift ? U'{' : U'[';
    case VK_OEM_5: return shift ? U'|' : U'\\';
    case VK_OEM_6: return shift ? U'}' : U']';
    case VK_OEM_7: return shift ? U'"' : U'\'';
    default: return 0;
    }
}

} // namespace

DWORD Now() {
    return static_cast<DWORD>(Now64());
}
std::uint64_t Now64() {
    return display::Current().Now();
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = S();
    if (!Valid(hwnd))
        return 0;
    if (s.sendDepth >= kMaxSendDepth) {
        SetLastError(ERROR_STACK_OVERFLOW);
        return 0;
    }
    if (HasHooks(WH_CALLWNDPROC)) {
        CWPSTRUCT cwp{lParam, wParam, msg, hwnd};
        CallHooks(WH_CALLWNDPROC, HC_ACTION, 1, reinterpret_cast<LPARAM>(&cwp));
        if (!hwnd->alive)
            return 0;
    }
    ++s.sendDepth;
    WNDPROC proc = hwnd->proc ? hwnd->proc : DefWindowProcA;
    LRESULT r = proc(hwnd, msg, wParam, lParam);
    --s.sendDepth;
    return r;
}

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    Stamp(&m);
    S().posted.push_back(m);
}

} // namespace win::core

namespace win {

using namespace core;

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        std::vector<HWND> tops = S().desktop->children;
        for (HWND w : tops)
            if (w->alive)
                Send(w, msg, wParam, lParam);
        return 0;
    }
    return Send(hwnd, msg, wParam, lParam);
}
LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(hwnd, msg, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = S();
    if (hwnd == HWND_BROADCAST) {
        for (HWND w : s.desktop->children)
            Post(w, msg, wParam, lParam);
        return TRUE;
    }
    if (hwnd && !Valid(hwnd))
        return FALSE;
    if (s.posted.size() >= kMaxPosted) {
        SetLastError(ERROR_NOT_ENOUGH_QUOTA);
        return FALSE;
    }
    Post(hwnd, msg, wParam, lParam);
    return TRUE;
}
BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return PostMessageA(hwnd, msg, wParam, lParam);
}

BOOL PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    return PostMessageA(nullptr, msg, wParam, lParam);
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    return PeekAndHook(msg, hwnd, filterMin, filterMax, removeFlags);
}
BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    return PeekAndHook(msg, hwnd, filterMin, filterMax, removeFlags);
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && !Valid(hwnd))
        return -1;
    for (;;) {
        if (PeekAndHook(msg, hwnd, filterMin, filterMax, PM_REMOVE))
            return msg->message == WM_QUIT ? FALSE : TRUE;
        if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && !IsWindow(hwnd))
            return -1;
        display::Current().Flush();
        if (!display::Current().Wait(WaitTimeout())) {
            SetLastError(ERROR_TIMEOUT);
            return -1;
        }
    }
}
BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    return GetMessageA(msg, hwnd, filterMin, filterMax);
}

BOOL WaitMessage() {
    MSG m;
    if (Peek(&m, nullptr, 0, 0, PM_NOREMOVE))
        return TRUE;
    display::Current().Flush();
    return display::Current().Wait(WaitTimeout()) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    const auto& k = S().keys;
    bool shift = (k[VK_SHIFT] & 0x80) != 0;
    bool ctrl = (k[VK_CONTROL] & 0x80) != 0;
    bool caps = (k[VK_CAPITAL] & 0x01) != 0;
    char32_t ch = CharForKey(static_cast<UINT>(msg->wParam), shift, caps, ctrl);
    if (ch)
        Post(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, ch, msg->lParam);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only a procedure that a live timer was set with is ever called.
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        for (const Timer& t : S().timers)
            if (t.proc == proc && t.hwnd == msg->hwnd && t.id == msg->wParam) {
                proc(msg->hwnd, WM_TIMER, msg->wParam, Now());
                return 0;
            }
        return 0;
    }
    if (!msg->hwnd)
        return 0;
    if (!Valid(msg->hwnd))
        return 0;
    HWND h = msg->hwnd;
    if (msg->message == WM_PAINT) {
        h->paintValidated = false;
        LRESULT r = Send(h, WM_PAINT, msg->wParam, msg->lParam);
        if (h->alive && !h->paintValidated) {
            // A procedure that ignored WM_PAINT must not be asked again and again.
            h->update.Clear();
            h->erase = false;
            h->ncDirty = false;
            h->internalPaint = false;
        }
        return r;
    }
    return Send(h, msg->message, msg->wParam, msg->lParam);
}
LRESULT DispatchMessageW(const MSG* msg) {
    return DispatchMessageA(msg);
}

void PostQuitMessage(int exitCode) {
    S().quitPosted = true;
    S().quitCode = exitCode;
}

LONG GetMessageTime() {
    return static_cast<LONG>(S().messageTime);
}
DWORD GetMessagePos() {
    return S().messagePos;
}

DWORD GetQueueStatus(UINT flags) {
    auto& s = S();
    DWORD bits = 0;
    if (!s.posted.empty())
        bits |= 0x0008; // QS_POSTMESSAGE
    if (!s.input.empty())
        bits |= 0x0007;
    if (NextWindowToPaint(nullptr))
        bits |= 0x0020; // QS_PAINT
    std::uint64_t due;
    if (NextTimerDue(&due) && due <= Now64())
        bits |= 0x0010; // QS_TIMER
    return bits & flags;
}

BOOL InSendMessage() {
    return FALSE;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc)
        return 0;
    auto& s = S();
    if (s.sendDepth >= kMaxSendDepth) {
        SetLastError(ERROR_STACK_OVERFLOW);
        return 0;
    }
    ++s.sendDepth;
    LRESULT r = proc(hwnd, msg, wParam, lParam);
    --s.sendDepth;
    return r;
}
LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(proc, hwnd, msg, wParam, lParam);
}

BOOL CallMsgFilterA(LPMSG msg, int code) {
    if (!msg || !HasHooks(WH_MSGFILTER))
        return FALSE;
    return CallHooks(WH_MSGFILTER, code, 0, reinterpret_cast<LPARAM>(msg)) ? TRUE : FALSE;
}
BOOL CallMsgFilterW(LPMSG msg, int code) {
    return CallMsgFilterA(msg, code);
}

} // namespace win
