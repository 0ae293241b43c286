// Decides which skinner each control of a framed window gets, once, when the frame finishes its set-up: a
// toolkit form's controls by their classes (and the program's Skin3rd lines for classes it does not know), a
// native window's children by their window class names and styles. It builds nothing itself: every skinner
// goes through the RecognitionHost, which is the frame.
//
// ControlRecognizer.cpp: the walk of a toolkit form and its rules; ControlRecognizerSkin3rd.cpp: the Skin3rd
// lines and their kinds; ControlRecognizerNative.cpp: the children of a native window;
// ControlRecognizerCommon.cpp: the common controls, toolkit and native, after every other rule.
#pragma once

#include "skin/controls/RecognitionHost.h"
#include "skin/data/SkinDataTypes.h"

#include "platform/win.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk {
class TComponent;
class TControl;
class TWinControl;
class TCustomForm;
} // namespace tk

namespace skin {

class TSkinData;

class ControlRecognizer {
public:
    // Kinds longer than this in a Skin3rd line are cut to it before they are compared.
    static constexpr std::size_t kMaxKindLength = 50;
    // Native class names are read up to this many characters.
    static constexpr int kMaxClassNameLength = 100;
    // Containers nested deeper than this are left unskinned rather than walked.
    static constexpr int kMaxNesting = 64;

    ControlRecognizer(TSkinData& skin, RecognitionHost& host) : m_skin(skin), m_host(host) {}

    // Every control the form owns, the form's popup menus, then its windowed controls in tab order.
    void WalkToolkitForm(tk::TCustomForm* form);
    // The first rule that matches the control decides; `parent` is the container being walked.
    void ClassifyControl(tk::TControl* control, tk::TWinControl* parent);
    // Applies the first Skin3rd line naming the class; false when no line names it.
    bool MapSkin3rd(const std::string& upperClassName, tk::TControl* control);

    // The child windows of a window the toolkit did not make, in z-order.
    void WalkNativeChildren(win::HWND window);
    void ClassifyNativeChild(win::HWND child);

    // The window's class name as recognition compares it: lower case, at most kMaxClassNameLength long.
    static std::string NativeClassName(win::HWND window);
    // Whether the control or window answers the skin's query, i.e. something of the skin already sits on it.
    static bool AnswersSkinQuery(tk::TControl* control);
    static bool AnswersSkinQuery(win::HWND window);

    // A row of the common-control rules (public so that the rows can be a plain table).
    struct CommonControlRule;

private:
    struct ControlRule;
    struct Skin3rdKind;
    struct NativeButtonRule;
    struct NativeClassRule;
    static std::span<const ControlRule> ControlRules();
    static const Skin3rdKind* FindSkin3rdKind(std::string_view kind);

    bool Enabled(TSkinControlType type) const;
    bool AllEnabled(TSkinControlTypes types) const;
    bool HasSkinner(tk::TControl* control) const;
    bool HasSkinner(win::HWND window) const;
    // Attaches unless the control is switched off by DisableTag or already has a skinner.
    void Attach(tk::TControl* control, SkinnerRequest request);
    void Attach(tk::TControl* control, SkinnerKind kind, bool recolour = false);
    void AttachWindow(win::HWND window, SkinnerKind kind);

    void ApplyRule(const ControlRule& rule, tk::TControl* control);
    void ApplyDcEdit(tk::TControl* control);
    // The controls a container holds, taken before any of them is classified: attaching a skinner may add
    // windows of its own.
    static std::vector<tk::TControl*> ChildrenOf(tk::TControl* container);
    void ClassifyChildren(tk::TControl* container);
    void ClassifyOwned(tk::TCustomForm* form);
    void GiveChildrenTag(tk::TControl* control, int tag);
    void ApplySkin3rdResult(const Skin3rdKind& row, std::string_view line, tk::TControl* control);
    void AttachGroupChildren(tk::TControl* group, SkinnerKind plainKind, int objImageVariant);

    // True when the control is one of the common controls (attached or switched off).
    bool ClassifyCommonControl(tk::TControl* control);
    bool ClassifyNativeCommonControl(win::HWND child, const std::string& className);
    static SkinnerKind TabKindFor(win::HWND window, SkinnerKind kind);

    void ClassifyNativeButton(win::HWND child, win::DWORD style);
    void ClassifyNativeNamed(win::HWND child, const std::string& className, win::DWORD style);
    // A native rule's switch: a TSkinControlType, or -1 for a rule without one.
    bool SwitchedOn(int needs) const;
    void ColourToolkitPanel(win::HWND window);

    TSkinData& m_skin;
    RecognitionHost& m_host;
    // The controls being classified right now, innermost last: a container that holds (or owns) one of its
    // own ancestors is not walked into a second time.
    std::vector<const tk::TControl*> m_walking;
    int m_nativeDepth = 0;
};

} // namespace skin
