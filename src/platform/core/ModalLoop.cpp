#include "platform/core/WindowManager.h"

namespace win {

using namespace core;

INT_PTR RunModalLoop(HWND hwnd, int filterCode) {
    if (!Valid(hwnd))
        return -1;
    if (hwnd->modal) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    auto state = std::make_shared<ModalState>();
    hwnd->modal = state;
    std::vector<HWND> disabled;
    for (HWND o = hwnd->owner; o; o = o->owner)
        if (IsWindow(o) && IsWindowEnabled(o)) {
            EnableWindow(o, FALSE);
            disabled.push_back(o);
        }
    if (IsWindow(hwnd) && !(hwnd->style & WS_VISIBLE))
        ShowWindow(hwnd, SW_SHOW);
    if (IsWindow(hwnd) && S().active != hwnd)
        ActivateWindow(hwnd, false);
    MSG m;
    while (!state->ended && IsWindow(hwnd) && (hwnd->style & WS_VISIBLE)) {
        BOOL r = GetMessageA(&m, nullptr, 0, 0);
        if (r < 0) {
            if (!state->ended)
                state->result = -1;
            break;
        }
        if (r == 0) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (filterCode >= 0 && CallMsgFilterA(&m, filterCode))
            continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    for (auto it = disabled.rbegin(); it != disabled.rend(); ++it)
        if (IsWindow(*it))
            EnableWindow(*it, TRUE);
    if (IsWindow(hwnd)) {
        if (hwnd->modal == state)
            hwnd->modal.reset();
        if (hwnd->style & WS_VISIBLE) {
            // The owner becomes active before the window disappears, so activation does not wander; an
            // owner that another modal window still holds disabled is passed over for that window.
            if (S().active == hwnd && hwnd->owner && IsWindow(hwnd->owner) && IsWindowEnabled(hwnd->owner))
                ActivateWindow(hwnd->owner, false);
            ShowWindow(hwnd, SW_HIDE);
        }
    }
    return state->result;
}

BOOL EndModalLoop(HWND hwnd, INT_PTR result) {
    if (!Valid(hwnd))
        return FALSE;
    if (!hwnd->modal) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    hwnd->modal->ended = true;
    hwnd->modal->result = result;
    PostMessageA(hwnd, WM_NULL, 0, 0);
    return TRUE;
}

BOOL IsInModalLoop(HWND hwnd) {
    return IsWindow(hwnd) && hwnd->modal ? TRUE : FALSE;
}

} // namespace win
