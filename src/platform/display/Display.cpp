#include "platform/display/Display.h"
#include "platform/controls/WinControls.h"
#include "platform/display/HeadlessDisplay.h"

namespace win::display {

namespace {
// Never destroyed at exit: a display whose connection is gone must not be torn down from an exit handler,
// and exit() can come from inside the display's own library. Close ends it while the program still runs.
// Making the first display starts the platform: every use of the window system comes through here first, so
// the controls hand the core what it needs of them before anything can ask.
std::unique_ptr<Display>& Slot() {
    static auto* display = [] {
        controls::InstallSystemControls();
        return new std::unique_ptr<Display>;
    }();
    return *display;
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
    ScreenSizeChanged(Slot()->ScreenSize());
}

void Close() {
    Slot().reset();
}

} // namespace win::display
