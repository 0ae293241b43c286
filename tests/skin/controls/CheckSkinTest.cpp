// Check boxes and radio buttons under a skinner: the glyph frame of each check and state for 12-, 8- and
// 4-frame images, the parent's background for Tag 5555, and the control's own look without a glyph image.
#include "SkinnedControls.h"

#include "skin/controls/TSkinCheckBox.h"
#include "skin/controls/TSkinRadioButton.h"

#include "toolkit/TCustomCheckBox.h"
#include "toolkit/TCustomPanel.h"
#include "toolkit/TRadioButton.h"

using namespace skinner_tests;
using namespace skin;

namespace {

class CheckSkin : public SkinnedControls {
protected:
    template <class Control> Control* Make(int top) {
        auto* control = new Control(m_form);
        control->SetBounds(20, top, 120, 21);
        control->SetCaption("Answer");
        control->SetParent(m_form);
        return control;
    }
    // The middle of the glyph, which sits at the left edge, centred vertically.
    static std::uint32_t Glyph(tk::TWinControl* control) { return PixelOf(control->Handle(), 6, 10); }
    // Any frame the glyph shows, by its colour; 0 when none.
    static int GlyphFrame(tk::TWinControl* control) {
        for (int k = 1; k <= 12; ++k)
            if (Glyph(control) == GlyphColour(k))
                return k;
        return 0;
    }
};

} // namespace

TEST_F(CheckSkin, TwelveFrameCheckBoxShowsEachCheckNormalHotPressedAndDisabled) {
    LoadSkin(ControlsPackage(12, 8));
    auto* box = Make<tk::TCheckBox>(20);
    box->SetAllowGrayed(true);
    auto* away = Make<tk::TCheckBox>(60);
    Skin<TSkinCheckBox>(box);
    away->SetFocus();
    MoveTo(away, 60, 10);
    const struct {
        tk::TCheckBoxState state;
        int normal, disabled;
    } rows[] = {{tk::TCheckBoxState::cbUnchecked, 1, 4},
                {tk::TCheckBoxState::cbChecked, 5, 8},
                {tk::TCheckBoxState::cbGrayed, 9, 12}};
    for (const auto& row : rows) {
        box->SetState(row.state);
        box->SetEnabled(true);
        Settle();
        EXPECT_EQ(GlyphFrame(box), row.normal) << static_cast<int>(row.state);
        MoveTo(box, 60, 10);
        EXPECT_EQ(GlyphFrame(box), row.normal + 1) << "hot";
        m_display->MouseDown();
        Settle();
        EXPECT_EQ(GlyphFrame(box), row.normal + 2) << "pressed";
        MoveTo(away, 60, 10); // released off the box: its state stays
        m_display->MouseUp();
        Settle();
        box->SetEnabled(false);
        Settle();
        EXPECT_EQ(GlyphFrame(box), row.disabled) << static_cast<int>(row.state);
    }
}

TEST_F(CheckSkin, FourFrameCheckBoxHasNoHotOrMixedFramesOfItsOwn) {
    LoadSkin(ControlsPackage(4, 4));
    auto* box = Make<tk::TCheckBox>(20);
    box->SetAllowGrayed(true);
    Skin<TSkinCheckBox>(box);
    MoveTo(box, 60, 10);
    EXPECT_EQ(GlyphFrame(box), 1) << "hot, unchecked";
    box->SetState(tk::TCheckBoxState::cbChecked);
    Settle();
    EXPECT_EQ(GlyphFrame(box), 2);
    box->SetState(tk::TCheckBoxState::cbGrayed);
    Settle();
    EXPECT_EQ(GlyphFrame(box), 4);
    box->SetState(tk::TCheckBoxState::cbUnchecked);
    box->SetEnabled(false);
    Settle();
    EXPECT_EQ(GlyphFrame(box), 3);
    box->SetChecked(true);
    Settle();
    EXPECT_EQ(GlyphFrame(box), 4);
}

TEST_F(CheckSkin, RadioButtonsWithEightAndFourFrames) {
    for (int frames : {8, 4}) {
        SCOPED_TRACE(frames);
        LoadSkin(ControlsPackage(12, frames));
        auto* radio = Make<tk::TRadioButton>(20);
        auto* other = Make<tk::TRadioButton>(60);
        Skin<TSkinRadioButton>(radio);
        other->SetFocus();
        MoveTo(other, 60, 10);
        EXPECT_EQ(GlyphFrame(radio), 1);
        MoveTo(radio, 60, 10);
        EXPECT_EQ(GlyphFrame(radio), frames == 8 ? 2 : 1) << "hot";
        radio->SetChecked(true);
        Settle();
        EXPECT_EQ(GlyphFrame(radio), frames == 8 ? 6 : 2) << "hot and checked";
        MoveTo(other, 60, 10);
        EXPECT_EQ(GlyphFrame(radio), frames == 8 ? 5 : 2);
        radio->SetEnabled(false);
        Settle();
        EXPECT_EQ(GlyphFrame(radio), frames == 8 ? 8 : 4);
        radio->SetChecked(false);
        Settle();
        EXPECT_EQ(GlyphFrame(radio), frames == 8 ? 4 : 3);
        delete radio;
        delete other;
    }
}

TEST_F(CheckSkin, ClickingASkinnedBoxStillTogglesIt) {
    LoadSkin(ControlsPackage(12, 8));
    auto* box = Make<tk::TCheckBox>(20);
    int clicks = 0;
    box->OnClick = [&](tk::TObject*) { ++clicks; };
    Skin<TSkinCheckBox>(box);
    ClickAt(box, 6, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Checked());
    MoveTo(box, 200, 10);
    EXPECT_EQ(GlyphFrame(box), 5);
}

TEST_F(CheckSkin, Tag5555ShowsTheParentsBackgroundBehindTheBox) {
    LoadSkin(ControlsPackage(12, 8));
    auto* panel = new tk::TPanel(m_form);
    panel->SetBounds(10, 100, 300, 100);
    panel->SetColor(static_cast<tk::TColor>(Ref(0xFF8000)));
    panel->SetParent(m_form);
    auto* plain = new tk::TCheckBox(m_form);
    plain->SetBounds(10, 10, 120, 21);
    plain->SetParent(panel);
    auto* seeThrough = new tk::TCheckBox(m_form);
    seeThrough->SetBounds(10, 50, 120, 21);
    seeThrough->SetTag(TSkinControl::kTransparentTag);
    seeThrough->SetParent(panel);
    Skin<TSkinCheckBox>(plain);
    Skin<TSkinCheckBox>(seeThrough);
    EXPECT_EQ(PixelOf(plain->Handle(), 115, 2), kSkinFace);
    EXPECT_EQ(PixelOf(seeThrough->Handle(), 115, 2), 0xFF8000u);
    EXPECT_EQ(GlyphFrame(seeThrough), 1);
}

TEST_F(CheckSkin, WithoutTheGlyphImageTheBoxKeepsItsOwnLook) {
    LoadSkin(ControlsPackage(0, 0));
    auto* box = Make<tk::TCheckBox>(20);
    Settle();
    const auto own = Face(box->Handle());
    auto* skinner = Skin<TSkinCheckBox>(box);
    box->Invalidate();
    Settle();
    EXPECT_EQ(skinner->Mode(), TSkinCheckControl::pmOwnLook);
    EXPECT_EQ(Face(box->Handle()), own);
}
