#include "skin/controls/ControlRecognizer.h"

#include "skin/controls/ControlProperties.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TSkinData.h"

#include "platform/os/Bytes.h"
#include "toolkit/TCustomForm.h"
#include "toolkit/TWinControl.h"

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <span>

namespace skin {

namespace {

bool HasScrollBarStyle(tk::TControl* control) {
    auto* windowed = dynamic_cast<tk::TWinControl*>(control);
    if (!windowed || !windowed->HandleAllocated())
        return false;
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(windowed->Handle(), win::GWL_STYLE));
    return (style & (win::WS_VSCROLL | win::WS_HSCROLL)) != 0;
}

std::string UpperClassName(const tk::TControl* control) {
    std::string name = control->ClassName();
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return name;
}

} // namespace

// The built-in rules for toolkit controls, tried in this order after the program's handler and its Skin3rd
// lines; the first whose match and switches hold decides.
struct ControlRecognizer::ControlRule {
    enum Match {
        Named,
        NamedTabs, // named, and the skin has tab images to draw with
        Inherits,
        ScrollStyle,
    };
    enum Action {
        Skip,
        Skinner, // the row's skinner
        ChildrenOnly,
        ChildrenThenSkinner,
        SkinnerThenChildren,
        RadioGroup,
        BitBtn,
        DcEdit,
        EmbeddedForm,
    };

    Match match;
    std::initializer_list<const char*> classes; // upper case when named; one ancestor class for Inherits
    TSkinControlTypes needs;
    Action action;
    SkinnerRequest request;

    bool Matches(tk::TControl* control, const std::string& upperClass, const TSkinData& skin) const {
        const auto named = [&] {
            return std::ranges::any_of(classes, [&](const char* c) { return upperClass == c; });
        };
        switch (match) {
        case Named: return named();
        case NamedTabs: return skin.Tabs && named();
        case Inherits: return control->InheritsFrom(*classes.begin());
        case ScrollStyle: return HasScrollBarStyle(control);
        }
        return false;
    }
};

std::span<const ControlRecognizer::ControlRule> ControlRecognizer::ControlRules() {
    using enum ControlRule::Match;
    using enum ControlRule::Action;
    using K = SkinnerKind;
    constexpr auto plain = [](K kind) { return SkinnerRequest{kind}; };
    constexpr auto recoloured = [](K kind) { return SkinnerRequest{kind, true}; };
    constexpr auto objImage = [](int variant) {
        return SkinnerRequest{K::ObjImage, false, GlyphSource::Own, variant};
    };
    static const ControlRule kRules[] = {
        {Named, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"}, 0, Skip, {}},
        {NamedTabs, {"TTABSET"}, Bit(xcTab), Skinner, plain(K::Tab31)},
        {NamedTabs, {"TTABBEDNOTEBOOK"}, Bit(xcTab), Skinner, plain(K::Tab)},
        {Named, {"TMVCPANEL"}, 0, ChildrenOnly, {}},
        {Inherits, {"TCustomCheckBox"}, Bit(xcCheckBox), Skinner, plain(K::CheckBox)},
        {Named, {"TUPDOWN", "TSPINBUTTON"}, Bit(xcSpin), Skinner, plain(K::UpDown)},
        {Named, {"TMEDIAPLAYER"}, Bit(xcButton), Skinner, plain(K::MediaPlayer)},
        {Inherits, {"TCustomRadioGroup"}, Bit(xcRadioButton), RadioGroup, recoloured(K::GroupBox)},
        {Named, {"TDBNAVIGATOR"}, Bit(xcPanel), SkinnerThenChildren, recoloured(K::Box)},
        {Named, {"TRZDBCHECKBOX", "TRZCHECKBOX"}, Bit(xcCheckBox), Skinner, objImage(kObjImageCheckBox)},
        {Named, {"TRZRADIOBUTTON"}, Bit(xcRadioButton), Skinner, objImage(kObjImageRadioButton)},
        {Named, {"TRZDBRADIOBUTTON"}, Bit(xcRadioButton), Skinner, objImage(kObjImageRadioButton)},
        {Named, {"TCXDBCHECKBOX", "TCXCHECKBOX"}, Bit(xcCheckBox), Skinner, objImage(kObjImageCxCheckBox)},
        {Inherits, {"TCustomGroupBox"}, Bit(xcPanel), ChildrenThenSkinner, plain(K::GroupBox)},
        {Inherits, {"TRadioButton"}, Bit(xcRadioButton), Skinner, plain(K::RadioButton)},
        {Named, {"TTNTCOMBOBOX"}, Bit(xcCombo), Skinner, plain(K::ComBox)},
        {Named, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}, Bit(xcScrollbar), Skinner, plain(K::Scrollbar)},
        // A bit button is never taken for a plain button, even when bit buttons are switched off.
        {Inherits, {"TBitBtn"}, 0, BitBtn, plain(K::BitButton)},
        {Inherits, {"TSpeedButton"}, Bit(xcSpeedButton), Skinner, plain(K::SpeedButton)},
        {Inherits, {"TCustomPanel"}, Bit(xcPanel), ChildrenThenSkinner, recoloured(K::Box)},
        {Named, {"TDXTREELIST", "TDXDBTREELIST"}, Bit(xcScrollbar), Skinner, plain(K::Scrollbar)},
        {Named, {"TDXDBGRID"}, Bit(xcScrollbar), Skinner, plain(K::Scrollbar)},
        {Inherits, {"TCustomMemo"}, Bit(xcScrollbar), Skinner, plain(K::Scrollbar)},
        {ScrollStyle, {}, Bit(xcScrollbar), Skinner, plain(K::Scrollbar)},
        {Inherits, {"TButton"}, Bit(xcButton), Skinner, plain(K::Button)},
        {Inherits, {"TCustomEdit"}, Bit(xcEdit), Skinner, plain(K::Edit)},
        {Named, {"TDCEDIT", "TDCDBEDIT"}, 0, DcEdit, {}},
        {Inherits, {"TCustomForm"}, 0, EmbeddedForm, recoloured(K::Box)},
    };
    return kRules;
}

// The controls a container holds, taken before any of them is classified: attaching a skinner may add
// windows of its own.
std::vector<tk::TControl*> ControlRecognizer::ChildrenOf(tk::TControl* container) {
    std::vector<tk::TControl*> children;
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(container))
        for (int i = 0; i < windowed->ControlCount(); ++i)
            children.push_back(windowed->Controls(i));
    return children;
}

bool ControlRecognizer::Enabled(TSkinControlType type) const {
    return (m_skin.SkinControls() & Bit(type)) != 0;
}

bool ControlRecognizer::AllEnabled(TSkinControlTypes types) const {
    return (m_skin.SkinControls() & types) == types;
}

bool ControlRecognizer::AnswersSkinQuery(tk::TControl* control) {
    // A skinner on the window procedure sees only messages sent to the window; one on the toolkit's message
    // hook sees both, so a window is asked through the window when it has one.
    auto* windowed = dynamic_cast<tk::TWinControl*>(control);
    if (windowed && windowed->HandleAllocated())
        return AnswersSkinQuery(windowed->Handle());
    return control->Perform(SkinMsgQuery, 0, 0) == 1;
}

bool ControlRecognizer::AnswersSkinQuery(win::HWND window) {
    return win::IsWindow(window) && win::SendMessageA(window, SkinMsgQuery, 0, 0) == 1;
}

bool ControlRecognizer::HasSkinner(tk::TControl* control) const {
    return AnswersSkinQuery(control) || m_host.ListsSkinnerFor(control);
}

bool ControlRecognizer::HasSkinner(win::HWND window) const {
    return AnswersSkinQuery(window) || m_host.ListsSkinnerFor(window);
}

void ControlRecognizer::Attach(tk::TControl* control, SkinnerRequest request) {
    if (!control || request.kind == SkinnerKind::None || control->Tag() == m_skin.DisableTag() ||
        HasSkinner(control))
        return;
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(control); windowed && windowed->HandleAllocated())
        request.kind = TabKindFor(windowed->Handle(), request.kind);
    m_host.AttachToControl(control, request);
}

void ControlRecognizer::Attach(tk::TControl* control, SkinnerKind kind, bool recolour) {
    Attach(control, SkinnerRequest{kind, recolour, GlyphSource::Own, 0});
}

void ControlRecognizer::AttachWindow(win::HWND window, SkinnerKind kind) {
    if (!win::IsWindow(window) || HasSkinner(window))
        return;
    m_host.AttachToWindow(window, TabKindFor(window, kind));
}

void ControlRecognizer::WalkToolkitForm(tk::TCustomForm* form) {
    if (!form)
        return;
    m_host.DropDeadSkinners();
    ClassifyOwned(form);
    if (Enabled(xcPopupMenu))
        m_host.SkinPopupMenus();
    for (tk::TWinControl* control : form->TabList())
        if (control->HandleAllocated() && control->Tag() != m_skin.DisableTag() && !AnswersSkinQuery(control))
            ClassifyControl(control, form);
}

void ControlRecognizer::ClassifyOwned(tk::TCustomForm* form) {
    std::vector<tk::TControl*> owned;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<tk::TControl*>(form->Components(i)))
            owned.push_back(control);
    for (tk::TControl* control : owned)
        ClassifyControl(control, form);
}

void ControlRecognizer::ClassifyChildren(tk::TControl* container) {
    auto* parent = dynamic_cast<tk::TWinControl*>(container);
    for (tk::TControl* child : ChildrenOf(container))
        ClassifyControl(child, parent);
}

void ControlRecognizer::GiveChildrenTag(tk::TControl* control, int tag) {
    for (tk::TControl* child : ChildrenOf(control))
        child->SetTag(tag);
}

void ControlRecognizer::ClassifyControl(tk::TControl* control, tk::TWinControl* parent) {
    if (!control || std::ranges::find(m_walking, control) != m_walking.end() ||
        static_cast<int>(m_walking.size()) >= kMaxNesting)
        return;
    m_walking.push_back(control);
    struct Pop {
        std::vector<const tk::TControl*>& walking;
        ~Pop() { walking.pop_back(); }
    } pop{m_walking};

    if (control->Tag() == m_skin.DisableTag()) {
        const std::string lower = win::AsciiLower(control->ClassName());
        if (lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos)
            GiveChildrenTag(control, control->Tag());
        return;
    }
    if (!control->Parent() || HasSkinner(control))
        return;
    const std::string upperClass = UpperClassName(control);
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(control)) {
        try {
            windowed->HandleNeeded();
        } catch (const std::exception&) {
            return;
        }
        if (!windowed->HandleAllocated())
            return;
    }
    if (m_skin.OnSkinControl) {
        tk::TComponent* skinned = nullptr;
        m_skin.OnSkinControl(m_host.Frame(), &m_skin, parent, control, upperClass, skinned);
        if (skinned)
            m_host.AdoptSkinner(control, skinned);
        // The handler sees the panel's children one by one, so it decides for them too.
        if (control->InheritsFrom("TCustomPanel"))
            ClassifyChildren(control);
        return;
    }
    if (MapSkin3rd(upperClass, control))
        return;

    for (const ControlRule& rule : ControlRules())
        if (rule.Matches(control, upperClass, m_skin) && AllEnabled(rule.needs)) {
            ApplyRule(rule, control);
            return;
        }
    ClassifyCommonControl(control);
}

void ControlRecognizer::ApplyRule(const ControlRule& rule, tk::TControl* control) {
    using enum ControlRule::Action;
    const SkinnerRequest& request = rule.request;
    switch (rule.action) {
    case Skip: break;
    case Skinner: Attach(control, request); break;
    case ChildrenOnly: ClassifyChildren(control); break;
    case ChildrenThenSkinner:
        ClassifyChildren(control);
        Attach(control, request);
        break;
    case SkinnerThenChildren:
        Attach(control, request);
        ClassifyChildren(control);
        break;
    case RadioGroup:
        for (tk::TControl* child : ChildrenOf(control))
            Attach(child, SkinnerKind::RadioButton);
        Attach(control, request);
        break;
    case BitBtn:
        if (Enabled(xcBitBtn))
            Attach(control, request);
        break;
    case DcEdit: ApplyDcEdit(control); break;
    case EmbeddedForm:
        Attach(control, request);
        if (auto* embedded = dynamic_cast<tk::TCustomForm*>(control))
            ClassifyOwned(embedded);
        break;
    }
}

void ControlRecognizer::ApplyDcEdit(tk::TControl* control) {
    const std::int64_t buttons = props::Integer(*control, "NumButtons").value_or(-1);
    auto* windowed = dynamic_cast<tk::TWinControl*>(control);
    if (buttons == 1 && Enabled(xcCombo))
        Attach(control, SkinnerKind::ComBox);
    else if (buttons == 0 && Enabled(xcEdit) && windowed && windowed->HandleAllocated() &&
             control->Tag() != m_skin.DisableTag())
        AttachWindow(windowed->Handle(), SkinnerKind::Edit);
}

} // namespace skin
