// The common controls (tabs, progress, track and scroll bars, status bars, headers, spin buttons) have no
// rule of their own among the toolkit's classes or the native classes a dialog is made of; without these rows
// a skinned window would show them in the classic look beside skinned buttons. They come last, so a program's
// handler, its Skin3rd lines and every earlier rule still decide first.
#include "skin/controls/ControlRecognizer.h"

#include "skin/data/TSkinData.h"

#include "platform/controls/CommCtrl.h"
#include "toolkit/TControl.h"
#include "toolkit/TWinControl.h"

namespace skin {

struct ControlRecognizer::CommonControlRule {
    const char* name; // toolkit ancestor class, or lower-case native window class
    SkinnerKind kind;
    TSkinControlType needs;
};

namespace {

using K = SkinnerKind;

// Header sections are pressed and released like buttons, so they follow the buttons' switch.
const ControlRecognizer::CommonControlRule kToolkitRules[] = {
    {"TCustomTabControl", K::Tab, xcTab},       {"TTabSheet", K::TabSheet, xcTab},
    {"TProgressBar", K::Progress, xcProgress},  {"TTrackBar", K::TrackBar, xcTrackBar},
    {"TStatusBar", K::StatusBar, xcStatusBar},  {"THeaderControl", K::Header, xcButton},
    {"TScrollBar", K::ScrollbarH, xcScrollbar},
};

const ControlRecognizer::CommonControlRule kNativeRules[] = {
    {"msctls_progress32", K::Progress, xcProgress}, {"msctls_trackbar32", K::TrackBar, xcTrackBar},
    {"msctls_updown32", K::UpDown, xcSpin},         {"msctls_statusbar32", K::StatusBar, xcStatusBar},
    {"sysheader32", K::Header, xcButton},
};

} // namespace

bool ControlRecognizer::ClassifyCommonControl(tk::TControl* control) {
    for (const CommonControlRule& rule : kToolkitRules)
        if (control->InheritsFrom(rule.name)) {
            if (Enabled(rule.needs))
                Attach(control, rule.kind);
            return true;
        }
    return false;
}

bool ControlRecognizer::ClassifyNativeCommonControl(win::HWND child, const std::string& className) {
    for (const CommonControlRule& rule : kNativeRules)
        if (className == rule.name) {
            if (Enabled(rule.needs))
                AttachWindow(child, rule.kind);
            return true;
        }
    return false;
}

// Tabs that look like push buttons are drawn from the skin's buttons, not from its tab images.
SkinnerKind ControlRecognizer::TabKindFor(win::HWND window, SkinnerKind kind) {
    if (kind != SkinnerKind::Tab || !win::IsWindow(window))
        return kind;
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(window, win::GWL_STYLE));
    return (style & (win::TCS_BUTTONS | win::TCS_FLATBUTTONS)) != 0 ? SkinnerKind::TabBtn : kind;
}

} // namespace skin
