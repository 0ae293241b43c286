// What the core asks of the native controls, which sit above it. The controls install these when the
// platform makes its first display (before any window exists), so the core reaches them without including
// anything of theirs.
#pragma once

#include "platform/core/WinUser.h"

namespace win::core {

struct SystemControls {
    // Registers the native window classes ("button", "edit", ...), which exist without anyone registering
    // them, as on Windows.
    void (*registerClasses)() = nullptr;
    // The controls' part of the default procedure: the standard scroll bars, the menu bar and the system
    // menu. True when the message was handled, with its result in *result.
    bool (*defNonClient)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) = nullptr;
    // The user32 entry points that live in the controls, for GetProcAddress; null for any other name.
    FARPROC (*procAddress)(const char* name) = nullptr;
};

void SetSystemControls(const SystemControls& controls);
// Starts the platform first if it has not started, so the controls are in place when installed at all.
const SystemControls& GetSystemControls();

} // namespace win::core
