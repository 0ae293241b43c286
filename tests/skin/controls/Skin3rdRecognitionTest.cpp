// The Skin3rd lines: which line names a class, every kind and the switches it needs, the properties some
// kinds set or read, the kinds that reach into children, and lines that are not what they should be.
#include "RecognitionTestHost.h"

#include "skin/data/DefaultSkin3rd.h"

#include "toolkit/TButton.h"
#include "toolkit/TCustomCheckBox.h"
#include "toolkit/TCustomEdit.h"
#include "toolkit/TCustomPanel.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRzButton.h"

#include <cctype>

using namespace recognitiontest;
using skin::GlyphSource;
using K = skin::SkinnerKind;

namespace {

class Skin3rdRecognition : public Recognition {
protected:
    // A control of a class the toolkit does not have, named by one line of the given kind.
    Named<tk::TCustomEdit>* Vendor(const std::string& kind, const std::string& className = "TVendorCtl") {
        Skin().SetSkin3rd({className + "=" + kind});
        return MakeNamed<tk::TCustomEdit>(className);
    }
    bool Map(tk::TControl* control) {
        std::string upper = control->ClassName();
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return Recognizer().MapSkin3rd(upper, control);
    }
};

} // namespace

TEST_F(Skin3rdRecognition, EveryKindGivesItsSkinnerOnlyWithItsSwitches) {
    using enum skin::TSkinControlType;
    const struct {
        const char* kind;
        SkinnerRequest expected;
        std::vector<skin::TSkinControlType> needs;
    } cases[] = {
        {"nil", {}, {}},
        {"combobox", {K::ComBox}, {xcCombo}},
        {"comboboxex", {K::ComBox}, {xcCombo}},
        {"edit", {K::Edit}, {xcEdit}},
        {"radiobutton", {K::RadioButton}, {xcRadioButton}},
        {"panel", {K::Box}, {xcPanel}},
        // Track bars go with the buttons, not with their own switch.
        {"trackbar", {K::TrackBar}, {xcButton}},
        {"button", {K::Button}, {xcButton}},
        {"datetimepicker", {K::DateTime}, {xcCombo}},
        {"mediaplayer", {K::MediaPlayer}, {xcButton}},
        {"bitbtn", {K::BitButton}, {xcButton}},
        {"pngbitbtn", {K::BitButton, false, GlyphSource::PngImage}, {xcButton}},
        {"pngspeedbutton", {K::SpeedButton, false, GlyphSource::PngImage}, {xcButton}},
        {"menubtn", {K::MenuButton}, {xcButton}},
        {"speedbutton", {K::SpeedButton}, {xcSpeedButton}},
        {"tab", {K::Tab}, {xcTab}},
        {"progress", {K::Progress}, {xcProgress}},
        {"scrollbar", {K::Scrollbar}, {xcScrollbar}},
        {"singlescrollbar", {K::Scrollbar}, {xcScrollbar}},
        {"embedscrollbar", {}, {}},
        {"container", {}, {}},
        {"groupbox", {K::GroupBox}, {xcGroupBox}},
        {"advpagecontrol", {K::AdvPage}, {xcTab}},
        {"radiogroup", {K::GroupBox}, {xcGroupBox, xcRadioButton}},
        {"checkgroup", {K::GroupBox}, {xcPanel, xcCheckBox}},
        {"checkbox", {K::CheckBox}, {xcCheckBox}},
        // A kind nobody knows is still a line that names the class: the built-in rules stay out.
        {"gadget", {}, {}},
    };
    Switch(xcTrackBar, false);
    for (const auto& c : cases) {
        auto* control = Vendor(c.kind);
        EXPECT_TRUE(Map(control)) << c.kind;
        EXPECT_EQ(m_host.For(control), c.expected) << c.kind;
        for (skin::TSkinControlType need : c.needs) {
            Switch(need, false);
            auto* unskinned = Vendor(c.kind);
            EXPECT_TRUE(Map(unskinned)) << c.kind;
            EXPECT_EQ(m_host.KindOf(unskinned), K::None) << c.kind << " without switch " << need;
            Switch(need, true);
        }
    }
}

TEST_F(Skin3rdRecognition, PanelsAndTrackBarsAreMadeTransparentFirst) {
    auto* panel = Vendor("panel");
    Map(panel);
    auto* trackBar = Vendor("trackbar");
    Map(trackBar);
    auto* button = Vendor("button");
    Map(button);
    EXPECT_TRUE(panel->Transparent());
    EXPECT_TRUE(trackBar->Transparent());
    EXPECT_FALSE(button->Transparent());

    Switch(skin::xcPanel, false);
    auto* unskinned = Vendor("panel");
    Map(unskinned);
    EXPECT_FALSE(unskinned->Transparent());

    // A class without the property is skinned all the same.
    Switch(skin::xcPanel, true);
    Skin().SetSkin3rd({"TPanel=panel"});
    auto* plain = Make<tk::TPanel>();
    EXPECT_TRUE(Map(plain));
    EXPECT_EQ(m_host.KindOf(plain), K::Box);
}

TEST_F(Skin3rdRecognition, OnlyTheDropDownKindOfItsVendorsButtonIsAMenuButton) {
    auto* dropDown = Vendor("bitbtn", "TcxButton");
    dropDown->SetKind("cxbkDropDownButton");
    auto* standard = Vendor("bitbtn", "TcxButton");
    standard->SetKind("cxbkStandard");
    auto* other = Vendor("bitbtn", "TRzBitBtn");
    other->SetKind("cxbkDropDownButton");
    Skin().SetSkin3rd({"TCXBUTTON=BitBtn", "TRzBitBtn=bitbtn"});
    Map(dropDown);
    Map(standard);
    Map(other);
    EXPECT_EQ(m_host.KindOf(dropDown), K::MenuButton);
    EXPECT_EQ(m_host.KindOf(standard), K::BitButton);
    EXPECT_EQ(m_host.KindOf(other), K::BitButton);
}

TEST_F(Skin3rdRecognition, AnEditIsSkinnedOnlyWithABorder) {
    auto* bordered = Vendor("edit");
    auto* bare = Vendor("edit");
    bare->SetBorderStyle(tk::TBorderStyle::bsNone);
    Map(bordered);
    Map(bare);
    EXPECT_EQ(m_host.KindOf(bordered), K::Edit);
    EXPECT_EQ(m_host.KindOf(bare), K::None);
}

TEST_F(Skin3rdRecognition, KindsThatReachIntoChildren) {
    auto* scroller = Vendor("scrollbar", "TVendorTree");
    auto* inScroller = Make<tk::TButton>(scroller);
    auto* host1 = Vendor("embedscrollbar", "TVendorHost");
    auto* embedded = Make<tk::TButton>(host1);
    auto* container = Vendor("container", "TVendorBox");
    auto* inContainer = Make<tk::TCheckBox>(container);
    Skin().SetSkin3rd({"TVendorTree=scrollbar", "TVendorHost=embedscrollbar", "TVendorBox=container"});
    Map(scroller);
    Map(host1);
    Map(container);
    EXPECT_EQ(m_host.KindOf(scroller), K::Scrollbar);
    EXPECT_LT(m_host.IndexOf(scroller), m_host.IndexOf(inScroller));
    EXPECT_EQ(m_host.KindOf(inScroller), K::Button);
    EXPECT_EQ(m_host.KindOf(host1), K::None);
    EXPECT_EQ(m_host.KindOf(embedded), K::Scrollbar);
    EXPECT_EQ(m_host.KindOf(container), K::None);
    EXPECT_EQ(m_host.KindOf(inContainer), K::CheckBox);
}

TEST_F(Skin3rdRecognition, AGroupsOwnVendorsBoxesGetTheImageSkinner) {
    auto* radios = MakeNamed<tk::TCustomPanel>("TRzRadioGroup");
    auto* vendorRadio = MakeNamed<tk::TWinControl>("TRzRadioButton", radios);
    auto* plainRadio = Make<tk::TRadioButton>(radios);
    auto* checks = MakeNamed<tk::TCustomPanel>("TLMDCheckGroup");
    auto* vendorCheck = MakeNamed<tk::TWinControl>("TRzCheckBox", checks);
    auto* plainCheck = Make<tk::TCheckBox>(checks);
    Skin().SetSkin3rd({"TRzRadioGroup=Radiogroup", "TLMDCheckGroup=CheckGroup"});
    Map(radios);
    Switch(skin::xcGroupBox, false);
    Map(checks);

    EXPECT_EQ(m_host.For(vendorRadio), (SkinnerRequest{K::ObjImage, false, GlyphSource::Own, 2}));
    EXPECT_EQ(m_host.KindOf(plainRadio), K::RadioButton);
    EXPECT_EQ(m_host.KindOf(radios), K::GroupBox);
    EXPECT_LT(m_host.IndexOf(plainRadio), m_host.IndexOf(radios));
    EXPECT_EQ(m_host.For(vendorCheck), (SkinnerRequest{K::ObjImage, false, GlyphSource::Own, 1}));
    EXPECT_EQ(m_host.KindOf(plainCheck), K::CheckBox);
    // The group frame of a check group has its own switch.
    EXPECT_EQ(m_host.KindOf(checks), K::None);
}

TEST_F(Skin3rdRecognition, ALineNamesAClassWhateverTheCaseButOnlyAsAWholeName) {
    auto* rz = Make<tk::TRzButton>();
    auto* longer = MakeNamed<tk::TWinControl>("TRzButtonEx");
    auto* shorter = MakeNamed<tk::TWinControl>("TRz");

    Skin().SetSkin3rd({"trzbutton=BUTTON"});
    EXPECT_TRUE(Map(rz));
    EXPECT_EQ(m_host.KindOf(rz), K::Button);
    EXPECT_FALSE(Map(longer));
    EXPECT_FALSE(Map(shorter));

    Skin().SetSkin3rd({"TRzButtonEx=nil", "TRzButtonEx=button", "TRzButton=panel"});
    EXPECT_TRUE(Map(longer));
    EXPECT_EQ(m_host.KindOf(longer), K::None);
}

TEST_F(Skin3rdRecognition, KindsAreComparedOnlyUpToTheirLengthLimit) {
    auto* padded = Vendor("button" + std::string(60, ' '));
    EXPECT_TRUE(Map(padded));
    EXPECT_EQ(m_host.KindOf(padded), K::None);
    auto* huge = Vendor(std::string(100000, 'x') + "button");
    EXPECT_TRUE(Map(huge));
    EXPECT_EQ(m_host.KindOf(huge), K::None);
    // Exactly at the limit is still compared whole.
    ASSERT_LE(std::string("checkbox").size(), skin::ControlRecognizer::kMaxKindLength);
    auto* atLimit = Vendor("checkbox");
    Map(atLimit);
    EXPECT_EQ(m_host.KindOf(atLimit), K::CheckBox);
}

TEST_F(Skin3rdRecognition, MalformedLinesNameNothing) {
    Skin().SetSkin3rd(
        {"", "=", "=button", "TRzButton", "TRzButton button", std::string(5000, '='), "TRzButton="});
    auto* rz = Make<tk::TRzButton>();
    EXPECT_TRUE(Map(rz)); // the last line names it, with an empty kind
    EXPECT_EQ(m_host.KindOf(rz), K::None);
    EXPECT_FALSE(Recognizer().MapSkin3rd("", rz));
    EXPECT_FALSE(Recognizer().MapSkin3rd("TBUTTON", nullptr));
}

TEST_F(Skin3rdRecognition, TheStoredListSkinsTheAnswerCardButtonsAndNoOtherToolkitClass) {
    Skin().SetSkin3rd(skin::DefaultSkin3rd());
    auto* rz = Make<tk::TRzButton>();
    EXPECT_TRUE(Map(rz));
    EXPECT_EQ(m_host.KindOf(rz), K::Button);
    // Every other line names a class the toolkit does not have, so none of them changes how the program's
    // own controls are skinned.
    for (const std::string& line : skin::DefaultSkin3rd()) {
        const std::string className = line.substr(0, line.find('='));
        if (tk::SameText(className, "TRzButton"))
            continue;
        EXPECT_EQ(tk::FindClass(className), nullptr) << line;
    }
}
