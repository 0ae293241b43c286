// A window's shape on an X server: the parts of its region through the X shape extension, so that the desktop
// shows where the region leaves the window out. Kept apart because the X headers' macros (None, Bool, Status)
// must not meet the rest of the display code.
#pragma once

#include "platform/WinTypes.h"

#include <vector>

struct SDL_Window;

namespace win::display {

// `parts` in the window's pixels on the screen; null gives the window its whole rectangle back. False when
// the window is not on an X server with the shape extension (it then stays rectangular).
bool SetX11WindowShape(SDL_Window* window, const std::vector<RECT>* parts);

} // namespace win::display
