#include "platform/display/Display.h"
#include "platform/core/WindowManager.h"
#include "platform/display/HeadlessDisplay.h"

namespace win::display {

namespace {
// Never destroyed at exit: a display whose connection is gone must not be torn down from an exit handler,
// and exit() can come from inside the display's own library. Close ends it while the program still runs.
std::unique_ptr<Display>& Slot() {
    static auto* display = new std::unique_ptr<Display>;
    return *display;
}

void Queue(core::InputEvent::Kind kind, POINT pt, int button, int delta, UINT vk, char32_t ch) {
    core::InputEvent ev;
    ev.kind = kind;
    ev.pt = pt;
    ev.button = button;
    ev.wheelDelta = delta;
    ev.vk = vk;
    ev.ch = ch;
    core::QueueInput(ev);
}
} // namespace

Display& Current() {
    auto& d = Slot();
    if (!d)
        d = std::make_unique<HeadlessDisplay>(false);
    return *d;
}

void Install(std::unique_ptr<Display> display) {
    if (!display)
        return;
    // The previous display stays alive until the new one is in place: the core may still call it.
    std::unique_ptr<Display> old = std::move(Slot());
    Slot() = std::move(display);
    SIZE sz = Slot()->screenSize();
    HWND desk = core::S().desktop;
    desk->rcWindow = desk->rcClient = RECT{0, 0, sz.cx, sz.cy};
}

void Close() {
    Slot().reset();
}

void QueueMouseMove(int x, int y) {
    Queue(core::InputEvent::MouseMove, POINT{x, y}, 0, 0, 0, 0);
}
void QueueMouseButton(int x, int y, int button, bool down) {
    Queue(down ? core::InputEvent::ButtonDown : core::InputEvent::ButtonUp, POINT{x, y}, button, 0, 0, 0);
}
void QueueMouseWheel(int x, int y, int delta) {
    Queue(core::InputEvent::Wheel, POINT{x, y}, 0, delta, 0, 0);
}
void QueueKey(UINT vk, bool down) {
    Queue(down ? core::InputEvent::KeyDown : core::InputEvent::KeyUp, core::S().cursorPos, 0, 0, vk, 0);
}
void QueueChar(char32_t ch) {
    Queue(core::InputEvent::Char, core::S().cursorPos, 0, 0, 0, ch);
}

int CursorId(HCURSOR cursor) {
    return core::CursorIdOf(cursor);
}

} // namespace win::display
