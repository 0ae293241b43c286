// The real screen: one borderless SDL window per visible top-level window, at its position, shaped by its
// window region; real mouse, keyboard and text input; mouse capture during drags; the system cursors.
#pragma once

#include "platform/display/Display.h"

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
    // Null with the reason in `error` when no display can be opened.
    static std::unique_ptr<SdlDisplay> Open(std::string* error);
    ~SdlDisplay() override;

    const char* name() const override { return "sdl"; }
    SIZE screenSize() const override { return m_screen; }
    std::uint64_t now() const override;
    void flush() override;
    bool wait(std::uint32_t timeoutMs) override;
    void setCursor(HCURSOR cursor) override;
    void setCapture(HWND hwnd) override;
    void setCursorPos(POINT pt) override;
    void windowDestroyed(HWND hwnd) override;

private:
    SdlDisplay() = default;
    struct Shown {
        SDL_Window* window = nullptr;
        RECT rect{};
        bool shaped = false;
        bool visible = false;
        bool minimized = false; // iconified on the desktop, so that the user can bring it back
    };
    void handle(const SDL_Event& ev);
    void onMouseMotion(std::uint32_t windowId, POINT p);
    void onMouseButton(std::uint32_t windowId, POINT p, std::uint8_t sdlButton, bool down);
    void onMouseWheel(int notches);
    void onKey(std::int32_t sdlKey, bool down);
    void onTextInput(const char* utf8);
    void onWindowEvent(std::uint32_t windowId, std::uint8_t event);
    HWND hwndOf(std::uint32_t windowId) const;
    bool toScreen(std::uint32_t windowId, POINT* p) const; // window to screen coordinates
    bool createWindow(const TopLevelWindow& tw, Shown& s);
    void applyShape(const TopLevelWindow& tw, Shown& s);
    void copyPixels(const TopLevelWindow& tw, Shown& s);
    void present(const TopLevelWindow& tw, Shown& s);
    void presentNow(HWND hwnd);
    void minimize(Shown& s);
    void restoreAndPresent(const TopLevelWindow& tw, Shown& s);

    SIZE m_screen{1280, 1024};
    std::chrono::steady_clock::time_point m_start;
    std::map<HWND, Shown> m_windows;
    std::map<int, SDL_Cursor*> m_cursors;
    HWND m_lastActive = nullptr;
};

} // namespace win::display
