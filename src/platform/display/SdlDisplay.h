// The real screen: one borderless SDL window per visible top-level window, at its position, shaped by its
// window region; real mouse, keyboard and text input; mouse capture during drags; the system cursors. On a
// dense screen every window is shown enlarged by a whole-number pixel scale, and everything above the display
// keeps working in its own 96-DPI pixels.
#pragma once

#include "platform/display/Display.h"
#include "platform/display/PixelScale.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace win::display {

class SdlDisplay : public Display {
public:
    // Null with the reason in `error` when no display can be opened. `scale` is the pixel scale (1 to
    // PixelScale::kLargest); 0 takes it from the screen's density.
    static std::unique_ptr<SdlDisplay> Open(std::string* error, int scale = 0);
    ~SdlDisplay() override;

    const char* Name() const override { return "sdl"; }
    SIZE ScreenSize() const override { return m_screen; }
    const PixelScale& Scale() const { return m_scale; }
    std::uint64_t Now() const override;
    void Flush() override;
    bool Wait(std::uint32_t timeoutMs) override;
    void SetCursor(HCURSOR cursor) override;
    void SetCapture(HWND hwnd) override;
    void SetCursorPos(POINT pt) override;
    void WindowDestroyed(HWND hwnd) override;

private:
    SdlDisplay() = default;
    struct Shown {
        SDL_Window* window = nullptr;
        RECT rect{};
        bool shaped = false;
        std::vector<RECT> shape; // the region last given to the window system
        bool visible = false;
        bool minimized = false; // iconified on the desktop, so that the user can bring it back
    };
    void Handle(const SDL_Event& ev);
    void OnMouseMotion(std::uint32_t windowId, POINT p);
    void OnMouseButton(std::uint32_t windowId, POINT p, std::uint8_t sdlButton, bool down);
    void OnMouseWheel(int notches);
    void OnKey(std::int32_t sdlKey, bool down);
    void OnTextInput(const char* utf8);
    void OnWindowEvent(std::uint32_t windowId, std::uint8_t event);
    HWND HwndOf(std::uint32_t windowId) const;
    bool ToScreen(std::uint32_t windowId, POINT* p) const; // window to screen coordinates
    bool CreateWindow(const TopLevelWindow& tw, Shown& s);
    void ApplyShape(const TopLevelWindow& tw, Shown& s);
    void CopyPixels(const TopLevelWindow& tw, Shown& s);
    void Present(const TopLevelWindow& tw, Shown& s);
    void PresentNow(HWND hwnd);
    void Minimize(Shown& s);
    void RestoreAndPresent(const TopLevelWindow& tw, Shown& s);

    SIZE m_screen{1280, 1024}; // in the program's pixels
    PixelScale m_scale;
    std::chrono::steady_clock::time_point m_start;
    std::map<HWND, Shown> m_windows;
    std::map<int, SDL_Cursor*> m_cursors;
    HWND m_lastActive = nullptr;
};

} // namespace win::display
