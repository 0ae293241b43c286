#include "platform/display/HeadlessDisplay.h"
#include "platform/core/WindowManager.h"
#include "platform/os/CodePage.h"

#include <cstring>
#include <thread>

namespace win::display {

namespace {

constexpr int kPumpLimit = 100000; // a window that posts to itself for ever must not hang a test

std::uint32_t ToPixel(COLORREF c) {
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

} // namespace

HeadlessDisplay::HeadlessDisplay(bool virtualClock, SIZE screen)
    : m_screen(SIZE{std::max<LONG>(1, screen.cx), std::max<LONG>(1, screen.cy)}), m_virtual(virtualClock),
      m_start(std::chrono::steady_clock::now()) {
    // Start well above zero so that "now - interval" never wraps in code that subtracts times.
    m_virtualNow = 100000;
}

std::uint64_t HeadlessDisplay::now() const {
    if (m_virtual)
        return m_virtualNow;
    return 100000 + static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                   std::chrono::steady_clock::now() - m_start)
                                                   .count());
}

bool HeadlessDisplay::wait(std::uint32_t timeoutMs) {
    if (!core::S().input.empty())
        return true;
    if (timeoutMs == ~0u)
        return m_idle ? m_idle() : false;
    if (m_virtual)
        m_virtualNow += timeoutMs;
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
    return true;
}

void HeadlessDisplay::useVirtualClock() {
    if (m_virtual)
        return;
    m_virtualNow = now();
    m_virtual = true;
}

int HeadlessDisplay::pump() {
    MSG m;
    int n = 0;
    while (n < kPumpLimit && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam)); // left for the program's own loop
            break;
        }
        TranslateMessage(&m);
        DispatchMessageA(&m);
        ++n;
    }
    return n;
}

void HeadlessDisplay::advance(std::uint32_t ms) {
    pump();
    if (!m_virtual)
        return;
    const std::uint64_t target = m_virtualNow + ms;
    std::uint64_t due;
    while (core::NextTimerDue(&due) && due <= target) {
        m_virtualNow = std::max(m_virtualNow, due);
        pump();
    }
    m_virtualNow = target;
    pump();
}

void HeadlessDisplay::mouseMove(int x, int y) {
    m_mouse = POINT{x, y};
    QueueMouseMove(x, y);
}
void HeadlessDisplay::mouseDown(int button) {
    QueueMouseButton(m_mouse.x, m_mouse.y, button, true);
}
void HeadlessDisplay::mouseUp(int button) {
    QueueMouseButton(m_mouse.x, m_mouse.y, button, false);
}

void HeadlessDisplay::click(int x, int y, int button) {
    mouseMove(x, y);
    mouseDown(button);
    mouseUp(button);
    pump();
}

void HeadlessDisplay::doubleClick(int x, int y) {
    click(x, y);
    click(x, y);
}

void HeadlessDisplay::wheel(int delta) {
    QueueMouseWheel(m_mouse.x, m_mouse.y, delta);
}
void HeadlessDisplay::keyDown(UINT vk) {
    QueueKey(vk, true);
}
void HeadlessDisplay::keyUp(UINT vk) {
    QueueKey(vk, false);
}
void HeadlessDisplay::key(UINT vk) {
    keyDown(vk);
    keyUp(vk);
    pump();
}

void HeadlessDisplay::typeText(const std::string& utf8) {
    for (char32_t c : Utf8ToUtf32(utf8))
        QueueChar(c);
}

void CompositeWindows(gdi::Surface& screen) {
    auto& desk = core::S().desktop->children;
    for (auto it = desk.rbegin(); it != desk.rend(); ++it) {
        HWND w = *it;
        if (!(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE) || !w->surface)
            continue;
        const RECT r = w->rcWindow;
        core::Region area(RECT{0, 0, std::min(w->surface->width(), static_cast<int>(r.right - r.left)),
                               std::min(w->surface->height(), static_cast<int>(r.bottom - r.top))});
        if (w->windowRgn)
            area.intersect(*w->windowRgn);
        area.translate(r.left, r.top);
        area.intersect(RECT{0, 0, screen.width(), screen.height()});
        int n = 0;
        const pixman_box32_t* boxes = pixman_region32_rectangles(area.get(), &n);
        for (int i = 0; i < n; ++i) {
            const pixman_box32_t& b = boxes[i];
            for (int y = b.y1; y < b.y2; ++y)
                std::memcpy(screen.row(y) + b.x1, w->surface->row(y - r.top) + (b.x1 - r.left),
                            static_cast<size_t>(b.x2 - b.x1) * 4);
        }
    }
}

std::unique_ptr<gdi::Surface> HeadlessDisplay::composite() const {
    auto screen = std::make_unique<gdi::Surface>(m_screen.cx, m_screen.cy);
    const std::uint32_t desktop = ToPixel(GetSysColor(COLOR_DESKTOP));
    for (int y = 0; y < screen->height(); ++y)
        std::fill(screen->row(y), screen->row(y) + screen->width(), desktop);
    CompositeWindows(*screen);
    return screen;
}

bool HeadlessDisplay::screenshot(const std::string& path, std::string* error) const {
    auto screen = composite();
    return gdi::WritePng(*screen, path.c_str(), error);
}

HeadlessDisplay& Headless() {
    if (auto* h = dynamic_cast<HeadlessDisplay*>(&Current()))
        return *h;
    Install(std::make_unique<HeadlessDisplay>(false));
    return static_cast<HeadlessDisplay&>(Current());
}

HeadlessDisplay& ResetHeadless(bool virtualClock) {
    auto& s = core::S();
    for (int guard = 0; guard < 1000 && !s.desktop->children.empty(); ++guard) {
        HWND w = s.desktop->children.front();
        if (!DestroyWindow(w)) {
            // A hook refused: take the window down without asking.
            auto& list = s.desktop->children;
            list.erase(std::remove(list.begin(), list.end(), w), list.end());
        }
    }
    s.posted.clear();
    s.input.clear();
    s.timers.clear();
    s.hooks.clear();
    s.hookDepth = 0;
    s.quitPosted = false;
    s.keys.fill(0);
    s.active = s.focus = s.capture = s.trackWindow = s.lastMouseWindow = s.lastDownWindow = nullptr;
    s.trackFlags = 0;
    s.lastDownMsg = 0;
    s.lastWasDblClk = false;
    s.doubleClickTime = 500;
    s.cursorPos = POINT{640, 512};
    Install(std::make_unique<HeadlessDisplay>(virtualClock));
    return static_cast<HeadlessDisplay&>(Current());
}

} // namespace win::display
