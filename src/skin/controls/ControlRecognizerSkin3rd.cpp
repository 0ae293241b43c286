// The program's Skin3rd lines ("class=kind") name control classes the built-in rules do not know and say how
// each is skinned.
#include "skin/controls/ControlRecognizer.h"

#include "skin/controls/ControlProperties.h"
#include "skin/data/TSkinData.h"

#include "platform/os/Bytes.h"
#include "toolkit/TWinControl.h"

namespace skin {

struct ControlRecognizer::Skin3rdKind {
    enum Result {
        NotSkinned,
        Skinner,            // the row's skinner
        SkinnerIfBordered,  // only an edit with a border: a borderless one draws nothing of its own to hide
        TransparentSkinner, // "Transparent" switched on first, so the skin shows through
        BitBtn,             // a drop-down button of its vendor becomes a menu button
        PngGlyph,           // the skinner takes its glyph from "PngImage"
        SkinnerThenChildren,
        ChildrenScrollbars, // the control hosts scrolling children
        Children,
        RadioGroup,
        CheckGroup,
    };

    const char* kind;
    TSkinControlTypes needs;
    Result result;
    SkinnerKind skinner;
};

const ControlRecognizer::Skin3rdKind* ControlRecognizer::FindSkin3rdKind(std::string_view kind) {
    using S = Skin3rdKind;
    using K = SkinnerKind;
    static const Skin3rdKind kKinds[] = {
        {"nil", 0, S::NotSkinned, K::None},
        {"combobox", Bit(xcCombo), S::Skinner, K::ComBox},
        {"comboboxex", Bit(xcCombo), S::Skinner, K::ComBox},
        {"edit", Bit(xcEdit), S::SkinnerIfBordered, K::Edit},
        {"radiobutton", Bit(xcRadioButton), S::Skinner, K::RadioButton},
        {"panel", Bit(xcPanel), S::TransparentSkinner, K::Box},
        // Track bars are switched with the buttons, not with xcTrackBar.
        {"trackbar", Bit(xcButton), S::TransparentSkinner, K::TrackBar},
        {"button", Bit(xcButton), S::Skinner, K::Button},
        {"datetimepicker", Bit(xcCombo), S::Skinner, K::DateTime},
        {"mediaplayer", Bit(xcButton), S::Skinner, K::MediaPlayer},
        {"bitbtn", Bit(xcButton), S::BitBtn, K::BitButton},
        {"pngbitbtn", Bit(xcButton), S::PngGlyph, K::BitButton},
        {"pngspeedbutton", Bit(xcButton), S::PngGlyph, K::SpeedButton},
        {"menubtn", Bit(xcButton), S::Skinner, K::MenuButton},
        {"speedbutton", Bit(xcSpeedButton), S::Skinner, K::SpeedButton},
        {"tab", Bit(xcTab), S::Skinner, K::Tab},
        {"progress", Bit(xcProgress), S::Skinner, K::Progress},
        {"scrollbar", Bit(xcScrollbar), S::SkinnerThenChildren, K::Scrollbar},
        {"singlescrollbar", Bit(xcScrollbar), S::Skinner, K::Scrollbar},
        {"embedscrollbar", Bit(xcScrollbar), S::ChildrenScrollbars, K::Scrollbar},
        {"container", 0, S::Children, K::None},
        {"groupbox", Bit(xcGroupBox), S::Skinner, K::GroupBox},
        {"advpagecontrol", Bit(xcTab), S::Skinner, K::AdvPage},
        {"radiogroup", Bit(xcGroupBox) | Bit(xcRadioButton), S::RadioGroup, K::GroupBox},
        {"checkgroup", Bit(xcPanel) | Bit(xcCheckBox), S::CheckGroup, K::GroupBox},
        {"checkbox", Bit(xcCheckBox), S::Skinner, K::CheckBox},
    };
    for (const Skin3rdKind& row : kKinds)
        if (kind == row.kind)
            return &row;
    return nullptr;
}

bool ControlRecognizer::MapSkin3rd(const std::string& upperClassName, tk::TControl* control) {
    if (upperClassName.empty() || !control)
        return false;
    const std::string key = win::AsciiLower(upperClassName) + "=";
    std::string line;
    bool found = false;
    for (const std::string& candidate : m_skin.Skin3rd())
        if (candidate.size() >= key.size() &&
            win::EqualIgnoringAsciiCase(std::string_view(candidate).substr(0, key.size()), key)) {
            line = candidate; // a copy: applying it runs property setters and child walks
            found = true;
            break;
        }
    if (!found)
        return false;
    const std::string kind =
        win::AsciiLower(std::string_view(line).substr(line.find('=') + 1, kMaxKindLength));
    const Skin3rdKind* row = FindSkin3rdKind(kind);
    if (row && AllEnabled(row->needs))
        ApplySkin3rdResult(*row, line, control);
    return true;
}

void ControlRecognizer::ApplySkin3rdResult(const Skin3rdKind& row, std::string_view line,
                                           tk::TControl* control) {
    using enum Skin3rdKind::Result;
    switch (row.result) {
    case NotSkinned: break;
    case Skinner: Attach(control, row.skinner); break;
    case SkinnerIfBordered:
        if (auto* windowed = dynamic_cast<tk::TWinControl*>(control);
            windowed && windowed->HandleAllocated()) {
            win::RECT outer{};
            win::RECT inner{};
            win::GetWindowRect(windowed->Handle(), &outer);
            win::GetClientRect(windowed->Handle(), &inner);
            if (outer.right - outer.left != inner.right - inner.left ||
                outer.bottom - outer.top != inner.bottom - inner.top)
                Attach(control, row.skinner);
        }
        break;
    case TransparentSkinner:
        props::SetBoolean(*control, "Transparent", true);
        Attach(control, row.skinner);
        break;
    case BitBtn: {
        const bool dropDown =
            win::EqualIgnoringAsciiCase(line.substr(0, 10), "tcxbutton=") &&
            win::EqualIgnoringAsciiCase(props::Text(*control, "Kind").value_or(""), "cxbkDropDownButton");
        Attach(control, dropDown ? SkinnerKind::MenuButton : row.skinner);
        break;
    }
    case PngGlyph: Attach(control, SkinnerRequest{row.skinner, false, GlyphSource::PngImage, 0}); break;
    case SkinnerThenChildren:
        Attach(control, row.skinner);
        ClassifyChildren(control);
        break;
    case ChildrenScrollbars:
        for (tk::TControl* child : ChildrenOf(control))
            Attach(child, row.skinner);
        break;
    case Children: ClassifyChildren(control); break;
    case RadioGroup:
        AttachGroupChildren(control, SkinnerKind::RadioButton, kObjImageRadioButton);
        Attach(control, row.skinner);
        break;
    case CheckGroup:
        AttachGroupChildren(control, SkinnerKind::CheckBox, kObjImageCheckBox);
        if (Enabled(xcGroupBox))
            Attach(control, row.skinner);
        break;
    }
}

// A vendor's own boxes inside its groups draw custom glyphs and get the image skinner; any other box the
// ordinary one.
void ControlRecognizer::AttachGroupChildren(tk::TControl* group, SkinnerKind plainKind, int objImageVariant) {
    for (tk::TControl* child : ChildrenOf(group)) {
        const bool vendorBox = win::AsciiLower(child->ClassName()).find("trz") != std::string::npos;
        if (vendorBox)
            Attach(child, SkinnerRequest{SkinnerKind::ObjImage, false, GlyphSource::Own, objImageVariant});
        else
            Attach(child, plainKind);
    }
}

} // namespace skin
