#include "platform/core/ControlsHooks.h"
#include "platform/display/Display.h"

namespace win::core {

namespace {
SystemControls& Installed() {
    static SystemControls controls;
    return controls;
}
} // namespace

void SetSystemControls(const SystemControls& controls) {
    Installed() = controls;
}

const SystemControls& GetSystemControls() {
    display::Current();
    return Installed();
}

} // namespace win::core
