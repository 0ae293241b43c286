// What several of the script's commands look at: the message box in front and window texts.
#pragma once

#include "platform/win.h"

#include <string>

namespace uirun {

// The visible message box, or null.
win::HWND FrontMessageBox();
// The visible popup menu in front (the deepest open sub-menu), or null.
win::HWND FrontPopupMenu();
std::string WindowText(win::HWND hwnd);
bool IsInteger(const std::string& s);

} // namespace uirun
