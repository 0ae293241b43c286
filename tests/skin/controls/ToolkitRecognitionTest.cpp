// The built-in rules for toolkit controls: each rule picked by a control of its kind, the earlier rule
// winning where two apply, the switches, DisableTag, controls that already have a skinner, the program's own
// handler, and the walk of a form.
#include "RecognitionTestHost.h"

#include "toolkit/TBitBtn.h"
#include "toolkit/TButton.h"
#include "toolkit/TCustomCheckBox.h"
#include "toolkit/TCustomEdit.h"
#include "toolkit/TCustomGroupBox.h"
#include "toolkit/TCustomMemo.h"
#include "toolkit/TCustomPanel.h"
#include "toolkit/TCustomRadioGroup.h"
#include "toolkit/TCustomTabControl.h"
#include "toolkit/THeaderControl.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TProgressBar.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TScrollBar.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStaticText.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTrackBar.h"

using namespace recognitiontest;
using skin::GlyphSource;
using K = skin::SkinnerKind;

namespace {

using ToolkitRecognition = Recognition;

SkinnerRequest Plain(K kind) {
    return SkinnerRequest{kind, false, GlyphSource::Own, 0};
}
SkinnerRequest Recoloured(K kind) {
    return SkinnerRequest{kind, true, GlyphSource::Own, 0};
}
SkinnerRequest ObjImage(int variant) {
    return SkinnerRequest{K::ObjImage, false, GlyphSource::Own, variant};
}

} // namespace

TEST_F(ToolkitRecognition, EachControlOfAKnownClassGetsItsSkinner) {
    Skin().SetSkin3rd({}); // the stored list names some of these classes too
    Skin().Tabs = std::make_unique<skin::TDataSkinBorder>("Tabs");
    struct Case {
        tk::TControl* control;
        SkinnerRequest expected;
    };
    auto* scrolled = MakeNamed<tk::TWinControl>("TPlainScroller");
    win::SetWindowLongA(scrolled->Handle(), win::GWL_STYLE,
                        win::GetWindowLongA(scrolled->Handle(), win::GWL_STYLE) | win::WS_VSCROLL);
    const Case cases[] = {
        {MakeNamed<tk::TWinControl>("TTabSet"), Plain(K::Tab31)},
        {MakeNamed<tk::TWinControl>("TTabbedNotebook"), Plain(K::Tab)},
        {Make<tk::TCheckBox>(), Plain(K::CheckBox)},
        {MakeNamed<tk::TWinControl>("TUpDown"), Plain(K::UpDown)},
        {MakeNamed<tk::TWinControl>("TSpinButton"), Plain(K::UpDown)},
        {MakeNamed<tk::TWinControl>("TMediaPlayer"), Plain(K::MediaPlayer)},
        {MakeNamed<tk::TWinControl>("TRzCheckBox"), ObjImage(skin::kObjImageCheckBox)},
        {MakeNamed<tk::TWinControl>("TRzDBCheckBox"), ObjImage(skin::kObjImageCheckBox)},
        {MakeNamed<tk::TWinControl>("TRzRadioButton"), ObjImage(skin::kObjImageRadioButton)},
        {MakeNamed<tk::TWinControl>("TRzDBRadioButton"), ObjImage(skin::kObjImageRadioButton)},
        {MakeNamed<tk::TWinControl>("TcxCheckBox"), ObjImage(skin::kObjImageCxCheckBox)},
        {MakeNamed<tk::TWinControl>("TcxDBCheckBox"), ObjImage(skin::kObjImageCxCheckBox)},
        {Make<tk::TRadioButton>(), Plain(K::RadioButton)},
        {MakeNamed<tk::TWinControl>("TTntComboBox"), Plain(K::ComBox)},
        // Rich edits are edits, but their scroll bars are what needs the skin.
        {MakeNamed<tk::TCustomEdit>("TRichEdit"), Plain(K::Scrollbar)},
        {MakeNamed<tk::TWinControl>("TwwDBRichEdit"), Plain(K::Scrollbar)},
        {MakeNamed<tk::TWinControl>("TdxDBMemo"), Plain(K::Scrollbar)},
        {Make<tk::TBitBtn>(), Plain(K::BitButton)},
        {Make<tk::TSpeedButton>(), Plain(K::SpeedButton)},
        {MakeNamed<tk::TWinControl>("TdxTreeList"), Plain(K::Scrollbar)},
        {MakeNamed<tk::TWinControl>("TdxDBTreeList"), Plain(K::Scrollbar)},
        {MakeNamed<tk::TWinControl>("TdxDBGrid"), Plain(K::Scrollbar)},
        {Make<tk::TMemo>(), Plain(K::Scrollbar)},
        {scrolled, Plain(K::Scrollbar)},
        {Make<tk::TButton>(), Plain(K::Button)},
        {Make<tk::TEdit>(), Plain(K::Edit)},
        {MakeNamed<tk::TStaticText>("TDBComboBoxEh"), Plain(K::None)},
        {MakeNamed<tk::TButton>("TfrDesignerPage"), Plain(K::None)},
        {MakeNamed<tk::TButton>("TfrPBox"), Plain(K::None)},
        {Make<tk::TStaticText>(), Plain(K::None)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Classify(c.control), c.expected) << c.control->ClassName();
}

TEST_F(ToolkitRecognition, TabControlsNeedATabElementInTheSkin) {
    auto* tabSet = MakeNamed<tk::TWinControl>("TTabSet");
    auto* notebook = MakeNamed<tk::TWinControl>("TTabbedNotebook");
    EXPECT_EQ(Classify(tabSet).kind, K::None);
    EXPECT_EQ(Classify(notebook).kind, K::None);
}

TEST_F(ToolkitRecognition, CommonControlsGetTheirSkinnersEachUnderItsOwnSwitch) {
    auto* buttonTabs = Make<tk::TTabControl>();
    buttonTabs->SetStyle(tk::TTabStyle::tsButtons);
    auto* flatTabs = Make<tk::TTabControl>();
    flatTabs->SetStyle(tk::TTabStyle::tsFlatButtons);
    auto* pages = Make<tk::TPageControl>();
    auto* sheet = new tk::TTabSheet(Form());
    sheet->SetPageControl(pages);
    const struct {
        tk::TControl* control;
        K expected;
        skin::TSkinControlType type;
    } cases[] = {
        {Make<tk::TTabControl>(), K::Tab, skin::xcTab},
        {pages, K::Tab, skin::xcTab},
        {buttonTabs, K::TabBtn, skin::xcTab},
        {flatTabs, K::TabBtn, skin::xcTab},
        {sheet, K::TabSheet, skin::xcTab},
        {Make<tk::TProgressBar>(), K::Progress, skin::xcProgress},
        {Make<tk::TTrackBar>(), K::TrackBar, skin::xcTrackBar},
        {Make<tk::TStatusBar>(), K::StatusBar, skin::xcStatusBar},
        {Make<tk::THeaderControl>(), K::Header, skin::xcButton},
        {Make<tk::TScrollBar>(), K::ScrollbarH, skin::xcScrollbar},
    };
    for (const auto& c : cases) {
        Switch(c.type, false);
        EXPECT_EQ(Classify(c.control).kind, K::None) << c.control->ClassName() << " switched off";
        Switch(c.type, true);
        EXPECT_EQ(Classify(c.control).kind, c.expected) << c.control->ClassName();
    }
}

TEST_F(ToolkitRecognition, ASkin3rdLineDecidesBeforeTheCommonControlRows) {
    Skin().SetSkin3rd({"TProgressBar=nil", "TTrackBar=panel"});
    EXPECT_EQ(Classify(Make<tk::TProgressBar>()).kind, K::None);
    EXPECT_EQ(Classify(Make<tk::TTrackBar>()).kind, K::Box);
}

TEST_F(ToolkitRecognition, ContainersHaveTheirChildrenClassifiedInTheirOwnOrder) {
    // A panel and a group box: children first, then the container.
    auto* panel = Make<tk::TPanel>();
    auto* inPanel = Make<tk::TButton>(panel);
    auto* group = Make<tk::TGroupBox>();
    auto* inGroup = Make<tk::TCheckBox>(group);
    EXPECT_EQ(Classify(panel), Recoloured(K::Box));
    EXPECT_EQ(Classify(group), Plain(K::GroupBox));
    EXPECT_LT(m_host.IndexOf(inPanel), m_host.IndexOf(panel));
    EXPECT_LT(m_host.IndexOf(inGroup), m_host.IndexOf(group));
    EXPECT_EQ(m_host.KindOf(inPanel), K::Button);
    EXPECT_EQ(m_host.KindOf(inGroup), K::CheckBox);

    // A navigator: the container first, then each child through the whole rule list.
    auto* navigator = MakeNamed<tk::TCustomPanel>("TDBNavigator");
    auto* navButton = Make<tk::TSpeedButton>(navigator);
    EXPECT_EQ(Classify(navigator), Recoloured(K::Box));
    EXPECT_LT(m_host.IndexOf(navigator), m_host.IndexOf(navButton));
    EXPECT_EQ(m_host.KindOf(navButton), K::SpeedButton);

    // A model-view panel only passes its children on.
    auto* mvc = MakeNamed<tk::TCustomPanel>("TMVCPanel");
    auto* inMvc = Make<tk::TEdit>(mvc);
    EXPECT_EQ(Classify(mvc).kind, K::None);
    EXPECT_EQ(m_host.KindOf(inMvc), K::Edit);
}

TEST_F(ToolkitRecognition, ARadioGroupSkinsEveryButtonThenItselfRecoloured) {
    auto* group = Make<tk::TRadioGroup>();
    group->SetItems({"one", "two", "three"});
    EXPECT_EQ(Classify(group), Recoloured(K::GroupBox));
    ASSERT_EQ(group->ControlCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_host.KindOf(group->Controls(i)), K::RadioButton);
        EXPECT_LT(m_host.IndexOf(group->Controls(i)), m_host.IndexOf(group));
    }
}

TEST_F(ToolkitRecognition, AnEmbeddedFormIsABoxAndItsOwnControlsAreWalked) {
    auto* embedded = new tk::TForm(Form());
    embedded->SetParent(Form());
    auto* button = new tk::TButton(embedded);
    button->SetParent(embedded);
    EXPECT_EQ(Classify(embedded), Recoloured(K::Box));
    EXPECT_EQ(m_host.KindOf(button), K::Button);
}

TEST_F(ToolkitRecognition, AnEditWithButtonsIsAComboAndWithoutIsAnEditByItsWindow) {
    auto* combo = MakeNamed<tk::TWinControl>("TDCEdit");
    combo->SetNumButtons(1);
    auto* edit = MakeNamed<tk::TWinControl>("TDCDBEdit");
    edit->SetNumButtons(0);
    auto* odd = MakeNamed<tk::TWinControl>("TDCEdit");
    odd->SetNumButtons(2);
    EXPECT_EQ(Classify(combo).kind, K::ComBox);
    Classify(edit);
    EXPECT_EQ(m_host.KindOf(edit->Handle()), K::Edit);
    EXPECT_EQ(Classify(odd).kind, K::None);
    EXPECT_EQ(m_host.KindOf(odd->Handle()), K::None);
}

TEST_F(ToolkitRecognition, TheFirstMatchingRuleWinsOverLaterOnes) {
    // A bit button is a button, but its own rule matches even with bit buttons switched off.
    Switch(skin::xcBitBtn, false);
    EXPECT_EQ(Classify(Make<tk::TBitBtn>()).kind, K::None);
    // A memo is an edit: the scroll-bar rule comes first, and without it the edit rule applies.
    EXPECT_EQ(Classify(Make<tk::TMemo>()).kind, K::Scrollbar);
    Switch(skin::xcScrollbar, false);
    EXPECT_EQ(Classify(Make<tk::TMemo>()).kind, K::Edit);
    // A radio group is a group box, but gets the radio-group treatment.
    auto* group = Make<tk::TRadioGroup>();
    EXPECT_EQ(Classify(group), Recoloured(K::GroupBox));
    // A Skin3rd line beats every built-in rule.
    Skin().SetSkin3rd({"TCheckBox=button", "TButton=nil"});
    EXPECT_EQ(Classify(Make<tk::TCheckBox>()).kind, K::Button);
    EXPECT_EQ(Classify(Make<tk::TButton>()).kind, K::None);
}

TEST_F(ToolkitRecognition, ASwitchedOffKindIsLeftAlone) {
    const struct {
        skin::TSkinControlType type;
        tk::TControl* control;
    } cases[] = {
        {skin::xcCheckBox, Make<tk::TCheckBox>()},
        {skin::xcRadioButton, Make<tk::TRadioButton>()},
        {skin::xcSpeedButton, Make<tk::TSpeedButton>()},
        {skin::xcPanel, Make<tk::TPanel>()},
        {skin::xcButton, Make<tk::TButton>()},
        {skin::xcEdit, Make<tk::TEdit>()},
        {skin::xcSpin, MakeNamed<tk::TWinControl>("TUpDown")},
    };
    for (const auto& c : cases) {
        Switch(c.type, false);
        EXPECT_EQ(Classify(c.control).kind, K::None) << c.control->ClassName();
        Switch(c.type, true);
    }
}

TEST_F(ToolkitRecognition, DisableTagKeepsAControlAndAGroupsButtonsUnskinned) {
    Skin().SetDisableTag(42);
    auto* button = Make<tk::TButton>();
    button->SetTag(42);
    auto* group = Make<tk::TRadioGroup>();
    group->SetItems({"a", "b"});
    group->SetTag(42);
    auto* checkGroup = MakeNamed<tk::TCustomPanel>("TRzCheckGroup");
    auto* check = Make<tk::TCheckBox>(checkGroup);
    checkGroup->SetTag(42);
    auto* panel = Make<tk::TPanel>();
    auto* inPanel = Make<tk::TButton>(panel);
    panel->SetTag(42);

    Recognizer().WalkToolkitForm(Form());
    EXPECT_EQ(m_host.KindOf(button), K::None);
    EXPECT_EQ(m_host.KindOf(group), K::None);
    for (int i = 0; i < group->ControlCount(); ++i) {
        EXPECT_EQ(group->Controls(i)->Tag(), 42);
        EXPECT_EQ(m_host.KindOf(group->Controls(i)), K::None);
    }
    EXPECT_EQ(check->Tag(), 42);
    EXPECT_EQ(m_host.KindOf(check), K::None);
    // Only groups pass the tag on; a panel's children are still skinned when the walk reaches them.
    EXPECT_EQ(inPanel->Tag(), 0);
    EXPECT_EQ(m_host.KindOf(inPanel), K::Button);
}

TEST_F(ToolkitRecognition, AControlThatAlreadyHasASkinnerIsNotClassifiedAgain) {
    auto* answering = Make<tk::TButton>();
    answering->HandleNeeded();
    AnswerSkinQuery(answering);
    auto* graphic = Make<tk::TSpeedButton>();
    AnswerSkinQuery(graphic);
    auto* listed = Make<tk::TButton>();
    EXPECT_EQ(Classify(answering).kind, K::None);
    EXPECT_EQ(Classify(graphic).kind, K::None);
    EXPECT_EQ(Classify(listed).kind, K::Button);
    Classify(listed);
    Recognizer().WalkToolkitForm(Form());
    EXPECT_EQ(std::ranges::count(m_host.calls, "attach"), 1);
}

TEST_F(ToolkitRecognition, AWindowedControlGetsAHandleOrIsSkippedWhenItCannotHaveOne) {
    // On a form whose window is not made yet, a control has none either.
    auto* unmade = new tk::TForm(tk::Application);
    auto* button = new tk::TButton(unmade);
    button->SetParent(unmade);
    ASSERT_FALSE(button->HandleAllocated());
    EXPECT_EQ(Classify(button).kind, K::Button);
    EXPECT_TRUE(button->HandleAllocated());

    // A class name no window class can be registered under.
    Skin().SetSkin3rd({});
    auto* alsoUnmade = new tk::TForm(tk::Application);
    auto* nameless = new Named<tk::TButton>(alsoUnmade, "");
    nameless->SetParent(alsoUnmade);
    EXPECT_EQ(Classify(nameless).kind, K::None);
    EXPECT_FALSE(nameless->HandleAllocated());
}

TEST_F(ToolkitRecognition, AControlWithoutAParentIsSkipped) {
    auto* loose = new tk::TButton(Form());
    EXPECT_EQ(Classify(loose).kind, K::None);
}

TEST_F(ToolkitRecognition, TheProgramsHandlerTakesOverEveryControl) {
    tk::TComponent mine(nullptr);
    std::vector<std::string> seen;
    tk::TComponent* seenSender = nullptr;
    skin::TSkinData* seenData = nullptr;
    Skin().OnSkinControl = [&](tk::TComponent* sender, skin::TSkinData* data, tk::TComponent* form,
                               tk::TComponent* control, std::string controlClass, tk::TComponent*& skinned) {
        seenSender = sender;
        seenData = data;
        seen.push_back(controlClass + (form == Form() ? "" : " in a container"));
        if (controlClass == "TBUTTON")
            skinned = &mine;
        (void)control;
    };
    auto* button = Make<tk::TButton>();
    auto* edit = Make<tk::TEdit>();
    auto* panel = Make<tk::TPanel>();
    auto* inPanel = Make<tk::TCheckBox>(panel);
    Recognizer().WalkToolkitForm(Form());

    EXPECT_EQ(seenSender, m_host.Frame());
    EXPECT_EQ(seenData, &Skin());
    ASSERT_EQ(m_host.adopted.size(), 1u);
    EXPECT_EQ(m_host.adopted[0].first, button);
    EXPECT_EQ(m_host.adopted[0].second, &mine);
    // No built-in rule runs, not even for the controls the handler declined.
    EXPECT_EQ(m_host.KindOf(edit), K::None);
    EXPECT_EQ(m_host.KindOf(panel), K::None);
    EXPECT_EQ(m_host.KindOf(inPanel), K::None);
    EXPECT_NE(std::ranges::find(seen, "TCHECKBOX in a container"), seen.end());
}

TEST_F(ToolkitRecognition, TheWalkDropsDeadSkinnersFirstAndRunsTheMenuPassWhenAsked) {
    Make<tk::TButton>();
    Recognizer().WalkToolkitForm(Form());
    ASSERT_FALSE(m_host.calls.empty());
    EXPECT_EQ(m_host.calls.front(), "drop");
    EXPECT_EQ(std::ranges::count(m_host.calls, "menus"), 1);

    m_host.calls.clear();
    Switch(skin::xcPopupMenu, false);
    Recognizer().WalkToolkitForm(Form());
    EXPECT_EQ(std::ranges::count(m_host.calls, "menus"), 0);
}

TEST_F(ToolkitRecognition, TheTabOrderPassReachesControlsTheFormDoesNotOwn) {
    auto* foreign = new tk::TEdit(tk::Application);
    foreign->SetParent(Form());
    foreign->HandleNeeded();
    Recognizer().WalkToolkitForm(Form());
    EXPECT_EQ(m_host.KindOf(foreign), K::Edit);
}

TEST_F(ToolkitRecognition, AContainerThatLeadsBackToItselfIsWalkedOnce) {
    // An embedded form that owns the panel it sits on: its owned controls lead back to the panel, whose
    // children lead back to the form. A host that builds nothing leaves no skinner to stop the walk either.
    m_host.builds = false;
    auto* embedded = new tk::TForm(Form());
    auto* panel = new tk::TPanel(embedded);
    panel->SetParent(Form());
    embedded->SetParent(panel);
    Recognizer().WalkToolkitForm(Form());
    EXPECT_EQ(std::ranges::count(m_host.calls, "attach"), 4); // each reached once by each pass
    embedded->SetParent(nullptr);                             // each would free the other
}
