// A stand-in main window while the program is being built: a captioned window with a client area and two
// child windows, drawn through the platform's own calls. It shows that windows, painting and input work.
#pragma once

#include "platform/core/WinUser.h"

namespace demo {

constexpr int kLeft = 200, kTop = 150, kWidth = 480, kHeight = 320;

// Creates and shows the demo window at (kLeft, kTop); closing it posts WM_QUIT.
// `onClick` (may be null) is told the id (1 or 2) of each child window clicked.
win::HWND CreateDemoWindow(void (*onClick)(int id) = nullptr);

} // namespace demo
