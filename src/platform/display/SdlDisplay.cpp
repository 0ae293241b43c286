#include "platform/display/SdlDisplay.h"
#include "platform/core/WinUser.h"
#include "platform/display/X11Shape.h"
#include "platform/gdi/Surface.h"

#include <SDL.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace win::display {

namespace {

struct KeyMap {
    SDL_Keycode sdl;
    UINT vk;
};

// Keys that have no letter or digit of their own.
constexpr KeyMap kKeys[] = {
    {SDLK_RETURN, VK_RETURN},     {SDLK_KP_ENTER, VK_RETURN},  {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, VK_BACK},    {SDLK_TAB, VK_TAB},          {SDLK_SPACE, VK_SPACE},
    {SDLK_LEFT, VK_LEFT},         {SDLK_RIGHT, VK_RIGHT},      {SDLK_UP, VK_UP},
    {SDLK_DOWN, VK_DOWN},         {SDLK_HOME, VK_HOME},        {SDLK_END, VK_END},
    {SDLK_PAGEUP, VK_PRIOR},      {SDLK_PAGEDOWN, VK_NEXT},    {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE},     {SDLK_LSHIFT, VK_LSHIFT},    {SDLK_RSHIFT, VK_RSHIFT},
    {SDLK_LCTRL, VK_LCONTROL},    {SDLK_RCTRL, VK_RCONTROL},   {SDLK_LALT, VK_LMENU},
    {SDLK_RALT, VK_RMENU},        {SDLK_CAPSLOCK, VK_CAPITAL}, {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},   {SDLK_COMMA, VK_OEM_COMMA},  {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD}, {SDLK_SLASH, VK_OEM_2},      {SDLK_BACKQUOTE, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4}, {SDLK_BACKSLASH, VK_OEM_5},  {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},
};

UINT VirtualKey(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z)
        return 'A' + static_cast<UINT>(k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9)
        return '0' + static_cast<UINT>(k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12)
        return VK_F1 + static_cast<UINT>(k - SDLK_F1);
    for (const KeyMap& m : kKeys)
        if (m.sdl == k)
            return m.vk;
    return 0;
}

struct CursorMap {
    int id;
    SDL_SystemCursor sdl;
};
constexpr CursorMap kCursors[] = {
    {32512, SDL_SYSTEM_CURSOR_ARROW},    {32513, SDL_SYSTEM_CURSOR_IBEAM},
    {32514, SDL_SYSTEM_CURSOR_WAIT},     {32515, SDL_SYSTEM_CURSOR_CROSSHAIR},
    {32642, SDL_SYSTEM_CURSOR_SIZENWSE}, {32643, SDL_SYSTEM_CURSOR_SIZENESW},
    {32644, SDL_SYSTEM_CURSOR_SIZEWE},   {32645, SDL_SYSTEM_CURSOR_SIZENS},
    {32646, SDL_SYSTEM_CURSOR_SIZEALL},  {32648, SDL_SYSTEM_CURSOR_NO},
    {32649, SDL_SYSTEM_CURSOR_HAND},
};

// Decodes the UTF-8 text of one SDL text event.
std::u32string Utf32(const char* s) {
    std::u32string out;
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    while (*p) {
        int len = *p < 0x80 ? 1 : (*p >> 5) == 6 ? 2 : (*p >> 4) == 14 ? 3 : (*p >> 3) == 30 ? 4 : 0;
        if (!len) {
            ++p;
            continue;
        }
        char32_t v = len == 1 ? *p : *p & (0xFF >> (len + 1));
        int k = 1;
        for (; k < len && (p[k] & 0xC0) == 0x80; ++k)
            v = (v << 6) | (p[k] & 0x3F);
        if (k == len)
            out.push_back(v);
        p += k;
    }
    return out;
}

// Xlib's own handler for a lost connection calls exit(): exit handlers would then tear the display down
// through the dead connection, and Xlib spins forever waiting for replies that never come. A lost display
// ends the program here and now instead. Only the display code calls into X, and never in the middle of a
// write to the bank, so ending at this point leaves every file as it was after its last complete write.
int DisplayLost(void*) {
    static constexpr char kMessage[] = ": the connection to the X display was lost; ending\n";
    const char* name = program_invocation_short_name;
    (void)!::write(2, name, std::strlen(name));
    (void)!::write(2, kMessage, sizeof kMessage - 1);
    ::_exit(1);
}

// The handler goes into the Xlib that SDL loaded (by whatever route), not into a second link of our own.
void EndOnLostConnection() {
    void* x11 = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!x11)
        return;
    using IoErrorHandler = int (*)(void*);
    if (auto set = reinterpret_cast<IoErrorHandler (*)(IoErrorHandler)>(::dlsym(x11, "XSetIOErrorHandler")))
        set(DisplayLost);
    ::dlclose(x11);
}

} // namespace

std::unique_ptr<SdlDisplay> SdlDisplay::Open(std::string* error, int scale) {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland)) {
        if (error)
            *error = "neither DISPLAY nor WAYLAND_DISPLAY names a display";
        return nullptr;
    }
    if (!wayland || !*wayland)
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // termination signals end the program as usual
    // Windows are presented from memory surfaces. Left to itself, SDL tries an OpenGL context to decide
    // whether to back window surfaces with textures, which maps the whole GL stack (tens of megabytes,
    // most of the program's memory) for nothing the program draws.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        if (error)
            *error = SDL_GetError();
        return nullptr;
    }
    // SDL falls back to drivers that draw nowhere; they are no display for a person to use.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || !std::strcmp(driver, "offscreen") || !std::strcmp(driver, "dummy")) {
        SDL_Quit();
        if (error)
            *error = "no X11 or Wayland display is available";
        return nullptr;
    }
    if (!std::strcmp(driver, "x11"))
        EndOnLostConnection();
    std::unique_ptr<SdlDisplay> d(new SdlDisplay);
    d->m_start = std::chrono::steady_clock::now();
    float horizontalDpi = 0;
    if (scale == 0 && SDL_GetDisplayDPI(0, nullptr, &horizontalDpi, nullptr) != 0)
        horizontalDpi = 0;
    d->m_scale = PixelScale(scale != 0 ? scale : PixelScale::ForDpi(horizontalDpi));
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) == 0 && bounds.w > 0 && bounds.h > 0)
        d->m_screen =
            SIZE{std::max(1, d->m_scale.ToProgram(bounds.w)), std::max(1, d->m_scale.ToProgram(bounds.h))};
    SDL_StartTextInput();
    return d;
}

SdlDisplay::~SdlDisplay() {
    for (auto& [hwnd, s] : m_windows)
        if (s.window)
            SDL_DestroyWindow(s.window);
    for (auto& [id, c] : m_cursors)
        SDL_FreeCursor(c);
    SDL_Quit();
}

std::uint64_t SdlDisplay::Now() const {
    return 100000 + static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                   std::chrono::steady_clock::now() - m_start)
                                                   .count());
}

bool SdlDisplay::CreateWindow(const TopLevelWindow& tw, Shown& s) {
    const RECT r = tw.rect;
    const int w = m_scale.ToScreen(std::max(1, static_cast<int>(r.right - r.left))),
              h = m_scale.ToScreen(std::max(1, static_cast<int>(r.bottom - r.top)));
    const int x = m_scale.ToScreen(r.left), y = m_scale.ToScreen(r.top);
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (!tw.inTaskList)
        flags |= SDL_WINDOW_SKIP_TASKBAR;
    s.window = SDL_CreateWindow(tw.title.c_str(), x, y, w, h, flags);
    if (!s.window)
        return false;
    // SDL may put a new system window behind the SDL window when its surface is first asked for (to draw
    // through a renderer); asking now means the shape given later lands on the window that stays.
    SDL_GetWindowSurface(s.window);
    s.shaped = false;
    s.shape.clear();
    s.rect = r;
    s.visible = false;
    return true;
}

// The region becomes the window's shape: the desktop shows where the region leaves the window out. Applied
// only when the region changed, since the X server redraws what lies under the window each time.
void SdlDisplay::ApplyShape(const TopLevelWindow& tw, Shown& s) {
    const auto same = [](const std::vector<RECT>& a, const std::vector<RECT>& b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](const RECT& x, const RECT& y) {
                   return x.left == y.left && x.top == y.top && x.right == y.right && x.bottom == y.bottom;
               });
    };
    if (s.shaped == tw.shaped && (!tw.shaped || same(s.shape, tw.shape)))
        return;
    s.shaped = tw.shaped;
    s.shape = tw.shape;
    if (!tw.shaped) {
        SetX11WindowShape(s.window, nullptr);
        return;
    }
    std::vector<RECT> onScreen;
    onScreen.reserve(tw.shape.size());
    for (const RECT& part : tw.shape)
        onScreen.push_back(RECT{m_scale.ToScreen(part.left), m_scale.ToScreen(part.top),
                                m_scale.ToScreen(part.right), m_scale.ToScreen(part.bottom)});
    SetX11WindowShape(s.window, &onScreen);
}

void SdlDisplay::CopyPixels(const TopLevelWindow& tw, Shown& s) {
    SDL_Surface* target = SDL_GetWindowSurface(s.window);
    if (!target || !tw.surface)
        return;
    if (SDL_LockSurface(target) == 0) {
        if (m_scale.Factor() > 1 && target->format->BytesPerPixel == 4) {
            m_scale.Enlarge(*tw.surface, static_cast<std::uint32_t*>(target->pixels), target->pitch,
                            target->w, target->h);
            SDL_UnlockSurface(target);
            SDL_UpdateWindowSurface(s.window);
            return;
        }
        const int cw = std::min(target->w, tw.surface->Width());
        const int ch = std::min(target->h, tw.surface->Height());
        if (target->format->BytesPerPixel == 4)
            for (int y = 0; y < ch; ++y)
                std::memcpy(static_cast<char*>(target->pixels) + static_cast<size_t>(y) * target->pitch,
                            tw.surface->Row(y), static_cast<size_t>(cw) * 4);
        SDL_UnlockSurface(target);
    }
    SDL_UpdateWindowSurface(s.window);
}

void SdlDisplay::Present(const TopLevelWindow& tw, Shown& s) {
    const RECT r = tw.rect;
    if (!s.window && !CreateWindow(tw, s))
        return;
    if (std::memcmp(&s.rect, &r, sizeof r) != 0) {
        SDL_SetWindowPosition(s.window, m_scale.ToScreen(r.left), m_scale.ToScreen(r.top));
        SDL_SetWindowSize(s.window, m_scale.ToScreen(std::max(1, static_cast<int>(r.right - r.left))),
                          m_scale.ToScreen(std::max(1, static_cast<int>(r.bottom - r.top))));
        s.rect = r;
    }
    ApplyShape(tw, s);
    if (!s.visible) {
        SDL_ShowWindow(s.window);
        s.visible = true;
    }
    CopyPixels(tw, s);
}

void SdlDisplay::Flush() {
    for (const TopLevelWindow& tw : TopLevelWindows()) {
        Shown& s = m_windows[tw.hwnd];
        if (tw.visible && tw.minimized)
            Minimize(s);
        else if (tw.visible && tw.surface)
            RestoreAndPresent(tw, s);
        else if (s.window && s.visible) {
            SDL_HideWindow(s.window);
            s.visible = false;
        }
    }
    HWND active = GetActiveWindow();
    if (active != m_lastActive) {
        m_lastActive = active;
        auto it = m_windows.find(active);
        if (it != m_windows.end() && it->second.window && it->second.visible)
            SDL_RaiseWindow(it->second.window);
    }
}

void SdlDisplay::Minimize(Shown& s) {
    if (s.window && s.visible && !s.minimized) {
        SDL_MinimizeWindow(s.window);
        s.minimized = true;
    }
}

void SdlDisplay::RestoreAndPresent(const TopLevelWindow& tw, Shown& s) {
    if (s.minimized && s.window) {
        SDL_RestoreWindow(s.window);
        s.minimized = false;
    }
    Present(tw, s);
}

void SdlDisplay::PresentNow(HWND hwnd) {
    for (const TopLevelWindow& tw : TopLevelWindows())
        if (tw.hwnd == hwnd)
            Present(tw, m_windows[hwnd]);
}

HWND SdlDisplay::HwndOf(std::uint32_t windowId) const {
    SDL_Window* w = SDL_GetWindowFromID(windowId);
    for (auto& [hwnd, s] : m_windows)
        if (s.window == w)
            return hwnd;
    return nullptr;
}

bool SdlDisplay::ToScreen(std::uint32_t windowId, POINT* p) const {
    HWND h = HwndOf(windowId);
    RECT r;
    if (!h || !IsWindow(h) || !GetWindowRect(h, &r))
        return false;
    *p = m_scale.ToProgram(*p);
    p->x += r.left;
    p->y += r.top;
    return true;
}

void SdlDisplay::OnMouseMotion(std::uint32_t windowId, POINT p) {
    if (ToScreen(windowId, &p))
        QueueMouseMove(p.x, p.y);
}

void SdlDisplay::OnMouseButton(std::uint32_t windowId, POINT p, std::uint8_t sdlButton, bool down) {
    const int b = sdlButton == SDL_BUTTON_LEFT ? 0 : sdlButton == SDL_BUTTON_RIGHT ? 1 : 2;
    if (ToScreen(windowId, &p))
        QueueMouseButton(p.x, p.y, b, down);
}

void SdlDisplay::OnMouseWheel(int notches) {
    POINT p;
    GetCursorPos(&p);
    QueueMouseWheel(p.x, p.y, notches * WHEEL_DELTA);
}

void SdlDisplay::OnKey(std::int32_t sdlKey, bool down) {
    if (UINT vk = VirtualKey(sdlKey))
        QueueKey(vk, down);
}

// ASCII arrives as WM_CHAR through TranslateMessage; only other text (an input method) comes here.
void SdlDisplay::OnTextInput(const char* utf8) {
    for (char32_t c : Utf32(utf8))
        if (c >= 0x80)
            QueueChar(c);
}

void SdlDisplay::OnWindowEvent(std::uint32_t windowId, std::uint8_t event) {
    HWND h = HwndOf(windowId);
    if (event == SDL_WINDOWEVENT_CLOSE) {
        if (h)
            PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (event == SDL_WINDOWEVENT_RESTORED) {
        // Brought back from the desktop's task list: the window restores itself as on Windows.
        if (h && IsWindow(h) && IsIconic(h)) {
            m_windows[h].minimized = false;
            PostMessageA(h, WM_SYSCOMMAND, SC_RESTORE, 0);
        }
    } else if (event == SDL_WINDOWEVENT_EXPOSED) {
        if (h && IsWindow(h))
            PresentNow(h);
    }
}

void SdlDisplay::Handle(const SDL_Event& ev) {
    switch (ev.type) {
    case SDL_MOUSEMOTION: OnMouseMotion(ev.motion.windowID, POINT{ev.motion.x, ev.motion.y}); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        OnMouseButton(ev.button.windowID, POINT{ev.button.x, ev.button.y}, ev.button.button,
                      ev.type == SDL_MOUSEBUTTONDOWN);
        break;
    case SDL_MOUSEWHEEL: OnMouseWheel(ev.wheel.y); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: OnKey(ev.key.keysym.sym, ev.type == SDL_KEYDOWN); break;
    case SDL_TEXTINPUT: OnTextInput(ev.text.text); break;
    case SDL_WINDOWEVENT: OnWindowEvent(ev.window.windowID, ev.window.event); break;
    default: break;
    }
}

bool SdlDisplay::Wait(std::uint32_t timeoutMs) {
    if (InputPending())
        return true;
    SDL_Event ev;
    int got =
        timeoutMs == ~0u
            ? SDL_WaitEvent(&ev)
            : SDL_WaitEventTimeout(&ev, static_cast<int>(std::min<std::uint32_t>(timeoutMs, 0x7FFFFFFF)));
    if (got)
        Handle(ev);
    while (SDL_PollEvent(&ev))
        Handle(ev);
    return true;
}

void SdlDisplay::SetCursor(HCURSOR cursor) {
    int id = CursorId(cursor);
    if (!id)
        id = 32512;
    SDL_Cursor*& c = m_cursors[id];
    if (!c)
        for (const CursorMap& m : kCursors)
            if (m.id == id)
                c = SDL_CreateSystemCursor(m.sdl);
    if (c)
        SDL_SetCursor(c);
}

void SdlDisplay::SetCapture(HWND hwnd) {
    SDL_CaptureMouse(hwnd ? SDL_TRUE : SDL_FALSE);
}

void SdlDisplay::SetCursorPos(POINT pt) {
    SDL_WarpMouseGlobal(m_scale.ToScreen(pt.x), m_scale.ToScreen(pt.y));
}

void SdlDisplay::WindowDestroyed(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end())
        return;
    if (it->second.window)
        SDL_DestroyWindow(it->second.window);
    m_windows.erase(it);
    if (m_lastActive == hwnd)
        m_lastActive = nullptr;
}

} // namespace win::display
