// The display every test uses: a virtual screen in memory, a clock that is either real or virtual (advanced
// only by the test), injected mouse and keyboard input at screen coordinates, and screenshots to PNG. With a
// pixel scale it stands for a dense screen as the SDL display shows one: screenshots are enlarged and input
// comes in the screen's pixels, while the windows and ScreenSize() stay in the program's own pixels.
#pragma once

#include "platform/display/Display.h"
#include "platform/display/PixelScale.h"
#include "platform/gdi/Surface.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace win::display {

class HeadlessDisplay : public Display {
public:
    explicit HeadlessDisplay(bool virtualClock = false, SIZE screen = SIZE{1280, 1024}, int scale = 1);

    const char* Name() const override { return "headless"; }
    SIZE ScreenSize() const override { return m_screen; }
    std::uint64_t Now() const override;
    bool Wait(std::uint32_t timeoutMs) override;

    // Clock. Switching to the virtual clock keeps the current time, so pending timers stay in step.
    void UseVirtualClock();
    bool VirtualClock() const { return m_virtual; }
    // Moves virtual time forward by `ms`, stopping at every timer due on the way and dispatching what is
    // pending there, so each tick is delivered at its own time. With the real clock it only dispatches.
    void Advance(std::uint32_t ms);
    // Dispatches every message that is pending now (TranslateMessage + DispatchMessage); returns how many.
    int Pump();
    // Called when a message loop would wait for ever; returning false makes the wait fail.
    void SetIdleHandler(std::function<bool()> handler) { m_idle = std::move(handler); }

    const PixelScale& Scale() const { return m_scale; }

    // Injected input at screen pixels (queued; pump() or a message loop delivers it). Buttons: 0 left, 1
    // right, 2 middle.
    void MouseMove(int x, int y);
    void MouseDown(int button = 0);
    void MouseUp(int button = 0);
    void Click(int x, int y, int button = 0); // move, press, release, pump
    void DoubleClick(int x, int y);
    void Wheel(int delta);
    void KeyDown(UINT vk);
    void KeyUp(UINT vk);
    void Key(UINT vk); // press and release, pump
    void TypeText(const std::string& utf8);

    // The whole virtual screen in the program's pixels: the desktop colour with every visible top-level
    // window drawn bottom to top.
    std::unique_ptr<gdi::Surface> Composite() const;
    // The screen as it is shown: Composite() enlarged by the pixel scale.
    bool Screenshot(const std::string& path, std::string* error = nullptr) const;

private:
    SIZE m_screen;
    PixelScale m_scale;
    bool m_virtual = false;
    std::uint64_t m_virtualNow = 0;
    std::chrono::steady_clock::time_point m_start;
    POINT m_mouse{0, 0};
    std::function<bool()> m_idle;
};

// The current display as a headless one (installing a new headless display if it is something else).
HeadlessDisplay& Headless();

// For tests: destroys every window, clears the queue, timers, hooks, input state and capture, and installs
// a fresh headless display (virtual clock when asked).
HeadlessDisplay& ResetHeadless(bool virtualClock = true);

// Draws the visible top-level windows onto `screen` (also used by the SDL display for its fallback).
void CompositeWindows(gdi::Surface& screen);

} // namespace win::display
