// The window system as the displays see it (declared in display/Display.h): input injection, the top-level
// windows to present, the timers a virtual clock stops at, and a reset for tests.
#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

namespace win::core {

namespace {

void Queue(InputEvent::Kind kind, POINT pt, int button, int delta, UINT vk, char32_t ch) {
    InputEvent ev;
    ev.kind = kind;
    ev.pt = pt;
    ev.button = button;
    ev.wheelDelta = delta;
    ev.vk = vk;
    ev.ch = ch;
    QueueInput(ev);
}

std::vector<RECT> Rectangles(const Region& rgn) {
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(&rgn.Ref()), &n);
    std::vector<RECT> out;
    out.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        out.push_back(RECT{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    return out;
}

display::TopLevelWindow Describe(HWND w) {
    display::TopLevelWindow t;
    t.hwnd = w;
    t.surface = w->surface.get();
    t.rect = w->rcWindow;
    t.shaped = w->windowRgn != nullptr;
    if (w->windowRgn)
        t.shape = Rectangles(*w->windowRgn);
    t.visible = (w->style & WS_VISIBLE) != 0;
    t.minimized = (w->style & WS_MINIMIZE) != 0;
    t.inTaskList = !w->owner && !(w->exStyle & WS_EX_TOOLWINDOW);
    t.title = w->text;
    return t;
}

// A hook may refuse DestroyWindow; the window is then taken down without asking.
void DestroyTopLevelWindows() {
    auto& list = S().desktop->children;
    for (int guard = 0; guard < 1000 && !list.empty(); ++guard) {
        HWND w = list.front();
        if (!DestroyWindow(w))
            list.erase(std::remove(list.begin(), list.end(), w), list.end());
    }
}

void ClearInputState(State& s) {
    s.keys.fill(0);
    s.active = s.focus = s.capture = s.trackWindow = s.lastMouseWindow = s.lastDownWindow = nullptr;
    s.trackFlags = 0;
    s.lastDownMsg = 0;
    s.lastWasDblClk = false;
    s.doubleClickTime = 500;
    s.cursorPos = POINT{640, 512};
}

} // namespace

} // namespace win::core

namespace win::display {

using namespace core;

void QueueMouseMove(int x, int y) {
    Queue(InputEvent::MouseMove, POINT{x, y}, 0, 0, 0, 0);
}
void QueueMouseButton(int x, int y, int button, bool down) {
    Queue(down ? InputEvent::ButtonDown : InputEvent::ButtonUp, POINT{x, y}, button, 0, 0, 0);
}
void QueueMouseWheel(int x, int y, int delta) {
    Queue(InputEvent::Wheel, POINT{x, y}, 0, delta, 0, 0);
}
void QueueKey(UINT vk, bool down) {
    Queue(down ? InputEvent::KeyDown : InputEvent::KeyUp, S().cursorPos, 0, 0, vk, 0);
}
void QueueChar(char32_t ch) {
    Queue(InputEvent::Char, S().cursorPos, 0, 0, 0, ch);
}

bool InputPending() {
    return !S().input.empty();
}

void ForgetLastClick() {
    S().lastDownWindow = nullptr;
}

int CursorId(HCURSOR cursor) {
    return CursorIdOf(cursor);
}

std::vector<TopLevelWindow> TopLevelWindows() {
    const auto& desk = S().desktop->children;
    std::vector<TopLevelWindow> out;
    out.reserve(desk.size());
    for (auto it = desk.rbegin(); it != desk.rend(); ++it)
        out.push_back(Describe(*it));
    return out;
}

bool NextTimerDue(std::uint64_t* due) {
    return core::NextTimerDue(due);
}

void ScreenSizeChanged(SIZE size) {
    HWND desk = S().desktop;
    desk->rcWindow = desk->rcClient = RECT{0, 0, size.cx, size.cy};
}

void ResetWindowSystem() {
    auto& s = S();
    DestroyTopLevelWindows();
    s.posted.clear();
    s.input.clear();
    s.timers.clear();
    s.hooks.clear();
    s.hookDepth = 0;
    s.quitPosted = false;
    ClearInputState(s);
}

} // namespace win::display
