#include "platform/core/WindowManager.h"

namespace win::core {

namespace {

Hook* FromHandle(HHOOK h) {
    for (auto& hook : S().hooks)
        if (reinterpret_cast<HHOOK>(hook.get()) == h)
            return hook.get();
    return nullptr;
}

// Calls the most recent live hook of `type` older than position `below` (exclusive).
LRESULT CallFrom(size_t below, int type, int code, WPARAM wParam, LPARAM lParam) {
    auto& s = S();
    for (size_t i = below; i-- > 0;) {
        Hook* h = s.hooks[i].get();
        if (h->type != type || h->removed)
            continue;
        ++s.hookDepth;
        LRESULT r = h->proc(code, wParam, lParam);
        --s.hookDepth;
        if (s.hookDepth == 0)
            s.hooks.erase(std::remove_if(s.hooks.begin(), s.hooks.end(), [](auto& x) { return x->removed; }),
                          s.hooks.end());
        return r;
    }
    return 0;
}

} // namespace

bool HasHooks(int type) {
    for (auto& h : S().hooks)
        if (h->type == type && !h->removed)
            return true;
    return false;
}

LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam) {
    if (!HasHooks(type))
        return 0;
    return CallFrom(S().hooks.size(), type, code, wParam, lParam);
}

} // namespace win::core

namespace win {

using namespace core;

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
    switch (idHook) {
    case WH_MSGFILTER:
    case WH_CBT:
    case WH_GETMESSAGE:
    case WH_CALLWNDPROC: break;
    default: SetLastError(ERROR_INVALID_HOOK_FILTER); return nullptr;
    }
    if (!proc) {
        SetLastError(ERROR_INVALID_FILTER_PROC);
        return nullptr;
    }
    if (threadId != 0 && threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto hook = std::make_unique<Hook>();
    hook->type = idHook;
    hook->proc = proc;
    HHOOK h = reinterpret_cast<HHOOK>(hook.get());
    S().hooks.push_back(std::move(hook));
    return h;
}
HHOOK SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
    return SetWindowsHookExA(idHook, proc, module, threadId);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    Hook* h = FromHandle(hook);
    if (!h || h->removed) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    h->removed = true;
    auto& s = S();
    if (s.hookDepth == 0)
        s.hooks.erase(std::remove_if(s.hooks.begin(), s.hooks.end(), [](auto& x) { return x->removed; }),
                      s.hooks.end());
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto& s = S();
    for (size_t i = 0; i < s.hooks.size(); ++i)
        if (reinterpret_cast<HHOOK>(s.hooks[i].get()) == hook)
            return CallFrom(i, s.hooks[i]->type, code, wParam, lParam);
    return 0;
}

} // namespace win
