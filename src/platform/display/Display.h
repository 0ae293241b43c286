// Where windows meet a screen. The core asks the current display for the time, hands it the top-level
// windows to present, and waits on it for input; a display feeds raw input back through the Queue functions.
// Without any set-up call the current display is a headless one with the real clock.
// A display sees the window system only through the functions at the end of this header, which the core
// implements, so that displays never reach into the core's own state.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace win::gdi {
class Surface;
}

namespace win::display {

class Display {
public:
    virtual ~Display() = default;
    virtual const char* Name() const = 0;
    virtual SIZE ScreenSize() const = 0;
    // Milliseconds since some fixed start.
    virtual std::uint64_t Now() const = 0;
    // Present whatever changed on screen (called before the queue waits and by UpdateWindow).
    virtual void Flush() {}
    // Waits until input is queued or `timeoutMs` passes (~0u: no limit). False when nothing could ever
    // arrive, so that a waiting message loop fails instead of hanging.
    virtual bool Wait(std::uint32_t timeoutMs) = 0;
    virtual void SetCursor(HCURSOR cursor) {}
    virtual void SetCapture(HWND hwnd) {}
    virtual void SetCursorPos(POINT pt) {}
    // A top-level window is being destroyed: forget anything kept for it.
    virtual void WindowDestroyed(HWND hwnd) {}
};

// The current display; created headless (real clock) on first use.
Display& Current();
// Replaces the current display (windows keep existing; the new display shows them from its next flush).
void Install(std::unique_ptr<Display> display);

// Ends the current display (the next use makes a headless one again). The program calls it when its windows
// are gone; nothing ends the display at exit.
void Close();

// ---- What a display needs from the window system (implemented by the core) ------------------------------

// Raw input from a display, at screen coordinates. Buttons: 0 left, 1 right, 2 middle. Keys and characters
// arrive at the current cursor position.
void QueueMouseMove(int x, int y);
void QueueMouseButton(int x, int y, int button, bool down);
void QueueMouseWheel(int x, int y, int delta);
void QueueKey(UINT vk, bool down);
void QueueChar(char32_t ch);
// Raw input is waiting for the message queue to take it.
bool InputPending();
// The next button press starts a new click, however soon and near it comes: a scripted user's two commands
// are two clicks, not a double click.
void ForgetLastClick();

// The IDC_ number (32512 arrow, 32649 hand, ...) of a system cursor, 0 for anything else.
int CursorId(HCURSOR cursor);

// One top-level window as a display presents it.
struct TopLevelWindow {
    HWND hwnd = nullptr;
    const gdi::Surface* surface = nullptr; // non-client and client pixels; null before the first paint
    RECT rect{};                           // screen coordinates
    bool shaped = false;                   // has a window region (possibly empty)
    std::vector<RECT> shape;               // the region's rectangles, window coordinates, none overlapping
    bool visible = false;
    bool minimized = false;
    bool inTaskList = true; // false for owned windows and tool windows
    std::string title;
};
// Every top-level window, bottom of the z-order first. Valid until the windows next change.
std::vector<TopLevelWindow> TopLevelWindows();

// When the next window timer is due (virtual clocks stop there); false when no timer runs.
bool NextTimerDue(std::uint64_t* due);
// The desktop window follows the screen of a newly installed display.
void ScreenSizeChanged(SIZE size);
// For tests: destroys every window and clears the queue, timers, hooks, input state and capture.
void ResetWindowSystem();

} // namespace win::display
