#include "skin/controls/CommonControlPaint.h"

#include "toolkit/TWinControl.h"

#include <cstring>

namespace skin {

namespace {

// The toolkit draws a control's window-less children in its own paint handler, which the skin replaces.
void PaintSkinAndChildren(TSkinControl& skinner, win::HDC dc) {
    skinner.PaintWindow(dc);
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(skinner.Control()))
        windowed->PaintControls(dc);
}

} // namespace

void PaintInstead(TSkinControl& skinner, tk::TMessage& message) {
    message.Result = 0;
    if (auto given = reinterpret_cast<win::HDC>(message.WParam)) {
        PaintSkinAndChildren(skinner, given);
        return;
    }
    win::PAINTSTRUCT ps{};
    win::HDC dc = win::BeginPaint(skinner.Window(), &ps);
    if (dc)
        PaintSkinAndChildren(skinner, dc);
    win::EndPaint(skinner.Window(), &ps);
}

bool TakeOverPainting(TSkinControl& skinner, tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_PAINT: PaintInstead(skinner, message); return true;
    case win::WM_ERASEBKGND: message.Result = 1; return true;
    default: return false;
    }
}

bool HasImage(const TDataSkinObject* element) {
    return element && !element->Image.Empty();
}

int FourStateFrame(bool hot, bool pressed, bool disabled) {
    if (disabled)
        return 4;
    if (pressed)
        return 3;
    return hot ? 2 : 1;
}

std::string BoundedText(const char* buffer, std::size_t capacity) {
    if (capacity == 0)
        return {};
    const void* end = std::memchr(buffer, 0, capacity);
    const std::size_t length = end ? static_cast<const char*>(end) - buffer : capacity;
    return std::string(buffer, length);
}

} // namespace skin
