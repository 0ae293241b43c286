#include "platform/display/HeadlessDisplay.h"
#include "platform/core/WinUser.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/os/CodePage.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace win::display {

namespace {

constexpr int kPumpLimit = 100000; // a window that posts to itself for ever must not hang a test

std::uint32_t ToPixel(COLORREF c) {
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

RECT Intersection(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// Copies `part` (window coordinates) of a window's surface to where it lies on the screen.
void CopyPart(gdi::Surface& screen, const TopLevelWindow& w, const RECT& part) {
    const RECT r = w.rect;
    const RECT on =
        Intersection(RECT{part.left + r.left, part.top + r.top, part.right + r.left, part.bottom + r.top},
                     RECT{0, 0, screen.Width(), screen.Height()});
    for (int y = on.top; y < on.bottom && on.left < on.right; ++y)
        std::memcpy(screen.Row(y) + on.left, w.surface->Row(y - r.top) + (on.left - r.left),
                    static_cast<size_t>(on.right - on.left) * 4);
}

} // namespace

HeadlessDisplay::HeadlessDisplay(bool virtualClock, SIZE screen, int scale)
    : m_screen(SIZE{std::max<LONG>(1, screen.cx), std::max<LONG>(1, screen.cy)}), m_scale(scale),
      m_virtual(virtualClock), m_start(std::chrono::steady_clock::now()) {
    // Start well above zero so that "now - interval" never wraps in code that subtracts times.
    m_virtualNow = 100000;
}

std::uint64_t HeadlessDisplay::Now() const {
    if (m_virtual)
        return m_virtualNow;
    return 100000 + static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                   std::chrono::steady_clock::now() - m_start)
                                                   .count());
}

bool HeadlessDisplay::Wait(std::uint32_t timeoutMs) {
    if (InputPending())
        return true;
    if (timeoutMs == ~0u)
        return m_idle ? m_idle() : false;
    if (m_virtual)
        m_virtualNow += timeoutMs;
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
    return true;
}

void HeadlessDisplay::UseVirtualClock() {
    if (m_virtual)
        return;
    m_virtualNow = Now();
    m_virtual = true;
}

int HeadlessDisplay::Pump() {
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

void HeadlessDisplay::Advance(std::uint32_t ms) {
    Pump();
    if (!m_virtual)
        return;
    const std::uint64_t target = m_virtualNow + ms;
    std::uint64_t due;
    while (NextTimerDue(&due) && due <= target) {
        m_virtualNow = std::max(m_virtualNow, due);
        Pump();
    }
    m_virtualNow = target;
    Pump();
}

void HeadlessDisplay::MouseMove(int x, int y) {
    m_mouse = m_scale.ToProgram(POINT{x, y});
    QueueMouseMove(m_mouse.x, m_mouse.y);
}
void HeadlessDisplay::MouseDown(int button) {
    QueueMouseButton(m_mouse.x, m_mouse.y, button, true);
}
void HeadlessDisplay::MouseUp(int button) {
    QueueMouseButton(m_mouse.x, m_mouse.y, button, false);
}

void HeadlessDisplay::Click(int x, int y, int button) {
    MouseMove(x, y);
    MouseDown(button);
    MouseUp(button);
    Pump();
}

void HeadlessDisplay::DoubleClick(int x, int y) {
    Click(x, y);
    Click(x, y);
}

void HeadlessDisplay::Wheel(int delta) {
    QueueMouseWheel(m_mouse.x, m_mouse.y, delta);
}
void HeadlessDisplay::KeyDown(UINT vk) {
    QueueKey(vk, true);
}
void HeadlessDisplay::KeyUp(UINT vk) {
    QueueKey(vk, false);
}
void HeadlessDisplay::Key(UINT vk) {
    KeyDown(vk);
    KeyUp(vk);
    Pump();
}

void HeadlessDisplay::TypeText(const std::string& utf8) {
    for (char32_t c : Utf8ToUtf32(utf8))
        QueueChar(c);
}

void CompositeWindows(gdi::Surface& screen) {
    for (const TopLevelWindow& w : TopLevelWindows()) {
        if (!w.visible || w.minimized || !w.surface)
            continue;
        const RECT whole{0, 0, std::min(w.surface->Width(), static_cast<int>(w.rect.right - w.rect.left)),
                         std::min(w.surface->Height(), static_cast<int>(w.rect.bottom - w.rect.top))};
        if (!w.shaped)
            CopyPart(screen, w, whole);
        for (const RECT& part : w.shape)
            CopyPart(screen, w, Intersection(part, whole));
    }
}

std::unique_ptr<gdi::Surface> HeadlessDisplay::Composite() const {
    auto screen = std::make_unique<gdi::Surface>(m_screen.cx, m_screen.cy);
    const std::uint32_t desktop = ToPixel(GetSysColor(COLOR_DESKTOP));
    for (int y = 0; y < screen->Height(); ++y)
        std::fill(screen->Row(y), screen->Row(y) + screen->Width(), desktop);
    CompositeWindows(*screen);
    return screen;
}

bool HeadlessDisplay::Screenshot(const std::string& path, std::string* error) const {
    auto screen = Composite();
    if (m_scale.Factor() > 1)
        screen = m_scale.Enlarged(*screen);
    return gdi::WritePng(*screen, path.c_str(), error);
}

HeadlessDisplay& Headless() {
    if (auto* h = dynamic_cast<HeadlessDisplay*>(&Current()))
        return *h;
    Install(std::make_unique<HeadlessDisplay>(false));
    return static_cast<HeadlessDisplay&>(Current());
}

HeadlessDisplay& ResetHeadless(bool virtualClock) {
    ResetWindowSystem();
    Install(std::make_unique<HeadlessDisplay>(virtualClock));
    return static_cast<HeadlessDisplay&>(Current());
}

} // namespace win::display
