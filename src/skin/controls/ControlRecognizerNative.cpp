// The children of a window the toolkit did not make (a system dialog, a message box) are told apart by their
// window class names and styles alone.
#include "skin/controls/ControlRecognizer.h"

#include "skin/data/TSkinData.h"

#include "platform/os/Bytes.h"
#include "toolkit/TWinControl.h"

#include <algorithm>
#include <vector>

namespace skin {

namespace {

// Owner-drawn tab controls paint their own tabs.
constexpr win::DWORD kTabOwnerDrawFixed = 0x2000;
constexpr win::DWORD kComboTypeMask = 0x3;

} // namespace

// The "button" class is one class for push buttons, boxes and frames; its style says which it is.
struct ControlRecognizer::NativeButtonRule {
    win::DWORD mask;
    win::DWORD value;
    SkinnerKind kind; // None: left alone
    int needs;        // a TSkinControlType, or -1 for none
};

// Classes whose skinner depends on their name and one switch alone.
struct ControlRecognizer::NativeClassRule {
    const char* className;
    SkinnerKind kind; // None: left alone
    int needs;        // a TSkinControlType, or -1 for none
};

void ControlRecognizer::WalkNativeChildren(win::HWND window) {
    if (!win::IsWindow(window) || m_nativeDepth >= kMaxNesting)
        return;
    std::vector<win::HWND> children;
    for (win::HWND child = win::GetTopWindow(window); child; child = win::GetWindow(child, win::GW_HWNDNEXT))
        if (static_cast<win::DWORD>(win::GetWindowLongA(child, win::GWL_STYLE)) & win::WS_CHILD)
            children.push_back(child);
    ++m_nativeDepth;
    for (win::HWND child : children)
        ClassifyNativeChild(child);
    --m_nativeDepth;
}

std::string ControlRecognizer::NativeClassName(win::HWND window) {
    char name[kMaxClassNameLength + 1] = {};
    const int length = win::GetClassNameA(window, name, static_cast<int>(sizeof name));
    if (length <= 0)
        return {};
    return win::AsciiLower(std::string_view(name, std::min(length, kMaxClassNameLength)));
}

void ControlRecognizer::ClassifyNativeChild(win::HWND child) {
    if (!win::IsWindow(child) || HasSkinner(child))
        return;
    const std::string className = NativeClassName(child);
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(child, win::GWL_STYLE));
    if (className == "button")
        ClassifyNativeButton(child, style);
    else
        ClassifyNativeNamed(child, className, style);
}

void ControlRecognizer::ClassifyNativeButton(win::HWND child, win::DWORD style) {
    using K = SkinnerKind;
    // Group boxes and bitmap buttons keep their own look; the rest by the low bits of their style, the first
    // row that fits deciding.
    static const NativeButtonRule kRules[] = {
        {win::BS_GROUPBOX, win::BS_GROUPBOX, K::None, -1},
        {win::BS_BITMAP, win::BS_BITMAP, K::None, -1},
        {win::BS_AUTOCHECKBOX, win::BS_AUTOCHECKBOX, K::CheckBox, xcCheckBox},
        {win::BS_CHECKBOX, win::BS_CHECKBOX, K::CheckBox, xcCheckBox},
        {win::BS_3STATE, win::BS_3STATE, K::CheckBox, xcCheckBox},
        {win::BS_AUTORADIOBUTTON, win::BS_AUTORADIOBUTTON, K::RadioButton, xcRadioButton},
        {win::BS_RADIOBUTTON, win::BS_RADIOBUTTON, K::RadioButton, xcRadioButton},
        {0, 0, K::Button, xcButton},
    };
    if ((style & win::BS_OWNERDRAW) == win::BS_OWNERDRAW)
        return;
    for (const NativeButtonRule& rule : kRules)
        if ((style & rule.mask) == rule.value) {
            if (rule.kind != K::None && SwitchedOn(rule.needs))
                AttachWindow(child, rule.kind);
            return;
        }
}

void ControlRecognizer::ClassifyNativeNamed(win::HWND child, const std::string& className, win::DWORD style) {
    using K = SkinnerKind;
    static const NativeClassRule kRules[] = {
        {"systreeview32", K::None, -1},    {"tcheckbox", K::CheckBox, xcCheckBox},
        {"tcombobox", K::ComBox, xcCombo}, {"tbutton", K::Button, xcButton},
        {"tprogressbar", K::Progress, -1}, {"toolbarwindow32", K::BoxH, -1},
        {"edit", K::Edit, xcEdit},
    };
    for (const NativeClassRule& rule : kRules)
        if (className == rule.className) {
            if (rule.kind != K::None && SwitchedOn(rule.needs))
                AttachWindow(child, rule.kind);
            return;
        }

    if (ClassifyNativeCommonControl(child, className))
        return;

    const bool tabStop = (style & win::WS_TABSTOP) != 0;
    if (className == "combobox") {
        if (Enabled(xcCombo) && (style & kComboTypeMask) != win::CBS_SIMPLE)
            AttachWindow(child, K::ComBox);
    } else if (className == "comboboxex32") {
        if (Enabled(xcCombo))
            AttachWindow(win::GetWindow(child, win::GW_CHILD), K::ComBox);
    } else if (className == "scrollbar") {
        // A scroll bar that takes no focus is a size grip.
        if (!tabStop)
            AttachWindow(child, K::Sizer);
    } else if (className == "#32770") {
        // A dialog page inside a dialog.
        if (!tabStop) {
            WalkNativeChildren(child);
            AttachWindow(child, K::BoxH);
        }
    } else if (className == "tpanel" || className == "ttntpanel.unicodeclass" ||
               className == "ttntsilentpaintpanel.unicodeclass") {
        WalkNativeChildren(child);
        ColourToolkitPanel(child);
    } else if (className == "tsilentpaintpanel") {
        ColourToolkitPanel(child);
    } else if (className == "systabcontrol32") {
        if (Enabled(xcTab) && !(style & kTabOwnerDrawFixed))
            AttachWindow(child, K::Tab);
    }
}

bool ControlRecognizer::SwitchedOn(int needs) const {
    return needs < 0 || Enabled(static_cast<TSkinControlType>(needs));
}

void ControlRecognizer::ColourToolkitPanel(win::HWND window) {
    if (tk::TWinControl* control = tk::TWinControl::FindControl(window))
        control->SetColor(m_skin.SkinColours[scButtonFace]);
}

} // namespace skin
