// What several of the script's commands look at: the message box in front and window texts.
#pragma once

#include "platform/win.h"

#include <string>

namespace uirun {

// The visible message box, or null.
win::HWND FrontMessageBox();
std::string WindowText(win::HWND hwnd);
bool IsInteger(const std::string& s);

} // namespace uirun
