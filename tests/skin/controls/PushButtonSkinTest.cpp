// Push buttons under a skinner: the Buttons frame each state shows, the disabled text colour, one click on
// a release inside and none on a release outside, the parent's background for Tag 5555, the control's own
// look without a button image, and drawing switched off and on by SkinMsgEnable.
#include "SkinnedControls.h"

#include "skin/controls/TSkinBitButton.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinSpeedButton.h"
#include "skin/data/SkinMessages.h"

#include "toolkit/TBitBtn.h"
#include "toolkit/TButton.h"
#include "toolkit/TCustomPanel.h"
#include "toolkit/TRzButton.h"
#include "toolkit/TSpeedButton.h"

using namespace skinner_tests;
using namespace skin;

namespace {

class PushButtonSkin : public SkinnedControls {
protected:
    tk::TButton* MakeButton(int left, const char* caption = "OK") {
        auto* button = new tk::TButton(m_form);
        button->SetBounds(left, 20, 75, 25);
        button->SetCaption(caption);
        button->SetParent(m_form);
        button->OnClick = [this](tk::TObject*) { ++m_clicks; };
        button->OnMouseDown = [this](tk::TObject*, tk::TMouseButton, tk::TShiftState, int, int) {
            ++m_mouseDowns;
        };
        Settle();
        return button;
    }
    // The middle of the top-left part of the face, clear of the caption.
    static std::uint32_t FacePixel(tk::TWinControl* control) { return PixelOf(control->Handle(), 4, 4); }

    int m_clicks = 0;
    int m_mouseDowns = 0;
};

} // namespace

TEST_F(PushButtonSkin, EachStateShowsItsFrame) {
    LoadSkin(ControlsPackage(0, 0));
    tk::TButton* button = MakeButton(20);
    tk::TButton* other = MakeButton(120);
    Skin<TSkinButton>(button);
    other->SetFocus();
    Settle();
    EXPECT_EQ(FacePixel(button), kFrameColour[1]) << "normal";

    MoveTo(button, 30, 12);
    EXPECT_EQ(FacePixel(button), kFrameColour[4]) << "hot";
    m_display->MouseDown();
    Settle();
    EXPECT_EQ(FacePixel(button), kFrameColour[2]) << "pressed";
    m_display->MouseUp();
    MoveTo(other, 30, 12);
    EXPECT_EQ(FacePixel(button), kFrameColour[5]) << "focused by the press";

    other->SetFocus();
    button->SetDefault(true);
    Settle();
    EXPECT_EQ(FacePixel(button), kFrameColour[5]) << "default";
}

TEST_F(PushButtonSkin, DisabledIsFrameThreeWithShadowTextWhateverElseHolds) {
    LoadSkin(ControlsPackage(0, 0, true, "NormalColour=255\r\nMouseOverColour=65280\r\n"));
    tk::TButton* button = MakeButton(20, "HHHHHH");
    Skin<TSkinButton>(button);
    EXPECT_GT(CountColour(button->Handle(), 0xFF0000), 0) << "the element's normal text colour (red)";
    button->SetDefault(true);
    button->SetFocus();
    MoveTo(button, 30, 12);
    button->SetEnabled(false);
    Settle();
    EXPECT_EQ(FacePixel(button), kFrameColour[3]);
    EXPECT_EQ(CountColour(button->Handle(), 0xFF0000), 0);
    EXPECT_EQ(CountColour(button->Handle(), 0x00FF00), 0);
    EXPECT_GT(CountColour(button->Handle(), Ref(win::GetSysColor(win::COLOR_BTNSHADOW))), 0);
}

TEST_F(PushButtonSkin, ClickOnceOnReleaseInsideNoneOutside) {
    LoadSkin(ControlsPackage(0, 0));
    tk::TButton* button = MakeButton(20);
    Skin<TSkinButton>(button);
    ClickAt(button, 30, 12);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_mouseDowns, 1) << "the control's mouse-down event still fires";

    MoveTo(button, 30, 12);
    m_display->MouseDown();
    Settle();
    MoveTo(button, 200, 12);
    m_display->MouseUp();
    Settle();
    EXPECT_EQ(m_clicks, 1) << "released outside";
    EXPECT_EQ(win::GetCapture(), nullptr) << "the next press belongs to whatever is under the pointer";
    EXPECT_NE(FacePixel(button), kFrameColour[2]) << "no longer shown pressed";

    ClickAt(button, 5, 5);
    EXPECT_EQ(m_clicks, 2);
}

TEST_F(PushButtonSkin, AButtonThatEndsItsOwnCaptureOnReleaseStillClicksOnce) {
    // The answer card's buttons release the mouse themselves when the button goes up.
    LoadSkin(ControlsPackage(0, 0));
    auto* button = new tk::TRzButton(m_form);
    button->SetBounds(20, 20, 40, 25);
    button->SetCaption("7");
    button->SetParent(m_form);
    button->OnClick = [this](tk::TObject*) { ++m_clicks; };
    Settle();
    Skin<TSkinButton>(button);
    ClickAt(button, 20, 12);
    EXPECT_EQ(m_clicks, 1);
    ClickAt(button, 5, 5);
    EXPECT_EQ(m_clicks, 2);
}

TEST_F(PushButtonSkin, AColourTheProgramGaveTheButtonShowsOnTheSkinsFace) {
    LoadSkin(ControlsPackage(0, 0));
    tk::TButton* plain = MakeButton(20);
    tk::TButton* marked = MakeButton(120);
    marked->SetColor(0x0000FF); // red, as a wrong answer on the answer card
    Skin<TSkinButton>(plain);
    Skin<TSkinButton>(marked);
    EXPECT_EQ(PixelOf(plain->Handle(), 8, 5), kFrameColour[1]);
    EXPECT_EQ(PixelOf(marked->Handle(), 8, 5), 0xFF0000u);
    marked->SetColor(tk::clBtnFace);
    Settle();
    EXPECT_EQ(PixelOf(marked->Handle(), 8, 5), kFrameColour[1]) << "back to the plain face, the skin alone";
}

TEST_F(PushButtonSkin, Tag5555ShowsTheParentsBackground) {
    LoadSkin(ControlsPackage(0, 0));
    auto* panel = new tk::TPanel(m_form);
    panel->SetBounds(10, 60, 300, 100);
    panel->SetColor(static_cast<tk::TColor>(Ref(0xFF8000)));
    panel->SetParent(m_form);
    auto* plain = new tk::TButton(m_form);
    plain->SetBounds(10, 10, 75, 25);
    plain->SetParent(panel);
    auto* seeThrough = new tk::TButton(m_form);
    seeThrough->SetBounds(110, 10, 75, 25);
    seeThrough->SetTag(TSkinControl::kTransparentTag);
    seeThrough->SetParent(panel);
    Skin<TSkinButton>(plain);
    Skin<TSkinButton>(seeThrough);
    EXPECT_EQ(PixelOf(plain->Handle(), 0, 0), kSkinFace) << "magenta corner over the face colour";
    EXPECT_EQ(PixelOf(seeThrough->Handle(), 0, 0), 0xFF8000u) << "magenta corner over the panel";
    EXPECT_EQ(PixelOf(seeThrough->Handle(), 4, 4), kFrameColour[1]);
}

TEST_F(PushButtonSkin, WithoutAButtonImageTheControlKeepsItsOwnLook) {
    LoadSkin(ControlsPackage(12, 8, false));
    tk::TButton* button = MakeButton(20);
    const auto own = Face(button->Handle());
    TSkinButton* skinner = Skin<TSkinButton>(button);
    button->Invalidate();
    Settle();
    EXPECT_EQ(Face(button->Handle()), own);
    ClickAt(button, 30, 12);
    EXPECT_EQ(m_clicks, 1) << "and its own clicking";
    EXPECT_TRUE(skinner->Attached());
}

TEST_F(PushButtonSkin, SkinMsgEnableSwitchesDrawingOffAndOn) {
    LoadSkin(ControlsPackage(0, 0));
    tk::TButton* button = MakeButton(20);
    tk::TButton* other = MakeButton(120);
    other->SetFocus();
    Settle();
    const auto own = Face(button->Handle());
    TSkinButton* skinner = Skin<TSkinButton>(button);
    EXPECT_EQ(FacePixel(button), kFrameColour[1]);

    win::SendMessageA(button->Handle(), SkinMsgEnable, 0, 0);
    Settle();
    EXPECT_FALSE(skinner->DrawingOn());
    EXPECT_EQ(Face(button->Handle()), own);
    EXPECT_EQ(win::SendMessageA(button->Handle(), SkinMsgQuery, 0, 0), 1) << "still attached";

    win::SendMessageA(button->Handle(), SkinMsgEnable, 1, 0);
    Settle();
    EXPECT_EQ(FacePixel(button), kFrameColour[1]);
}

TEST_F(PushButtonSkin, BitButtonDrawsItsFrameAndSpeedButtonFollowsDown) {
    LoadSkin(ControlsPackage(0, 0));
    auto* bit = new tk::TBitBtn(m_form);
    bit->SetBounds(20, 20, 90, 30);
    bit->SetCaption("Go||on");
    bit->SetParent(m_form);
    auto* speed = new tk::TSpeedButton(m_form);
    speed->SetBounds(20, 80, 40, 30);
    speed->SetGroupIndex(1);
    speed->SetFlat(false);
    speed->SetParent(m_form);
    Skin<TSkinBitButton>(bit);
    Skin<TSkinSpeedButton>(speed);
    m_form->SetFocus();
    Settle();
    EXPECT_EQ(PixelOf(bit->Handle(), 4, 4), kFrameColour[bit->Focused() ? 5 : 1]);
    EXPECT_EQ(PixelOf(m_form->Handle(), 20 + 4, 80 + 4), kFrameColour[1]);
    speed->SetDown(true);
    Settle();
    EXPECT_EQ(PixelOf(m_form->Handle(), 20 + 4, 80 + 4), kFrameColour[2]);
    speed->SetEnabled(false);
    Settle();
    EXPECT_EQ(PixelOf(m_form->Handle(), 20 + 4, 80 + 4), kFrameColour[3]);
}
