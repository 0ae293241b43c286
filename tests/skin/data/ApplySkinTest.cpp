// ApplySkin on small packages: colours, frame counts, caption and MDI buttons, the derived elements.
#include "TestSkin.h"

#include "skin/data/ImgUtil.h"
#include "skin/data/TSkinElements.h"

#include <gtest/gtest.h>

using namespace skin;
using skintest::Package;
using skintest::SolidBmp;

namespace {

struct Loaded {
    TSkinElements skin;
    skintest::FailureCapture failures;
    bool ok = false;
};

std::unique_ptr<Loaded> Load(const std::string& ini,
                             const std::vector<std::pair<std::string, skintest::Bytes>>& images = {}) {
    auto out = std::make_unique<Loaded>();
    out->ok = out->skin.LoadPackage(Package(ini, images));
    return out;
}

const TDataSkinSysButton* Button(const TSkinElements& s, const std::string& name) {
    for (const auto& b : s.SysButtons)
        if (b->ElementName == name)
            return b.get();
    return nullptr;
}

} // namespace

TEST(ParseColour, GathersUpToThreeNumbersEndedByNonDigits) {
    EXPECT_EQ(TSkinElements::ParseColour("213 230 250"), 0xFAE6D5u);
    EXPECT_EQ(TSkinElements::ParseColour("1,2,3"), 0x030201u);
    EXPECT_EQ(TSkinElements::ParseColour("  7 8 9  "), 0x090807u);
    EXPECT_EQ(TSkinElements::ParseColour("r=1;g=2;b=3;"), 0x030201u);
    EXPECT_EQ(TSkinElements::ParseColour("1 2 3 4 5"), 0x030201u);
    EXPECT_EQ(TSkinElements::ParseColour("300 256 511"), 0xFF002Cu); // each modulo 256
}

TEST(ParseColour, ANumberStillGatheredAtTheEndCountsOnlyAsTheThird) {
    EXPECT_EQ(TSkinElements::ParseColour("255"), 0x000000u);
    EXPECT_EQ(TSkinElements::ParseColour("10 20"), 0x00000Au);
    EXPECT_EQ(TSkinElements::ParseColour("-1 -2 -3"), 0x030201u);
    EXPECT_EQ(TSkinElements::ParseColour(""), 0u);
    EXPECT_EQ(TSkinElements::ParseColour("99999999999999999999 1 1"), 0x0101FFu);
}

TEST(ApplySkinColours, GivenKeysParsedMissingOnesTakeSystemColoursAndFlagsSaySo) {
    const auto s = Load("[Colours]\r\nButtonFace=10 20 30\r\nMenu=\r\n[ColourExtra]\r\ncolor=1 2 3\r\n"
                        "[colourB]\r\n[Colours2]\r\ncolor=4 5 6\r\n[Customcolors]\r\nColor3=7 8 9\r\n");
    ASSERT_TRUE(s->ok);
    const TSkinElements& k = s->skin;
    EXPECT_EQ(k.SkinColours[scButtonFace], 0x1E140Au);
    EXPECT_TRUE(k.SkinColourGiven[scButtonFace]);
    EXPECT_EQ(k.SkinColours[scMenubar], 0x1E140Au) << "Menubar defaults to the skin's ButtonFace";
    EXPECT_FALSE(k.SkinColourGiven[scMenubar]);
    EXPECT_FALSE(k.SkinColourGiven[scMenu]) << "an empty value is not given";
    EXPECT_EQ(k.SkinColours[scMenu], tk::ColorToRGB(tk::clMenu));
    EXPECT_EQ(k.SkinColours[scWindowText], tk::ColorToRGB(tk::clWindowText));
    EXPECT_EQ(k.SkinColours[9], 0u);
    EXPECT_EQ(k.SkinColours[10], 0u);
    ASSERT_EQ(k.ExtraColours.size(), 3u);
    EXPECT_EQ(k.ExtraColours[0], 0x030201u);
    EXPECT_EQ(k.ExtraColours[1], tk::ColorToRGB(tk::clWindowText));
    EXPECT_EQ(k.ExtraColours[2], 0x060504u);
    EXPECT_EQ(k.CustomColours[3], 0x090807u);
    EXPECT_EQ(k.CustomColours[0], 0xFFFFFFu);
    EXPECT_EQ(k.SkinColours[scCaption], k.SkinColours[scButtonFace]) << "no top border: the face colour";
}

TEST(ApplySkinFrames, CheckAndRadioFrameCountsComeFromTheKeyOrTheImageWidth) {
    const auto given = Load("[Buttons]\r\nCheckButton=c.bmp\r\nCheckButtonFrame=12\r\nRadioButton=r.bmp\r\n",
                            {{"c.bmp", SolidBmp(156, 13)}, {"r.bmp", SolidBmp(40, 13)}});
    EXPECT_EQ(given->skin.Buttons->CheckFrameCount, 12);
    EXPECT_EQ(given->skin.Buttons->RadioFrameCount, 4) << "40 / 13 = 3 is raised to the minimum of 4";
    const auto derived = Load("[Buttons]\r\nCheckButton=c.bmp\r\nRadioButton=r.bmp\r\n",
                              {{"c.bmp", SolidBmp(156, 13)}, {"r.bmp", SolidBmp(160, 16)}});
    EXPECT_EQ(derived->skin.Buttons->CheckFrameCount, 12);
    EXPECT_EQ(derived->skin.Buttons->RadioFrameCount, 10) << "16 high: width / 16";
    EXPECT_EQ(derived->skin.Buttons->FrameCount, 5);
}

TEST(ApplySkinFrames, FixedCountsOverrideTheFrameKeyExceptForTheHeaderAndThumbs) {
    const auto s = Load("[MenuItem]\r\nImage=a.bmp\r\nFrame=9\r\n[Headerbar]\r\nImage=a.bmp\r\n"
                        "[Scrollbar]\r\nImage=a.bmp\r\n[HorzScrollThumb]\r\nImage=a.bmp\r\nFrameCount=4\r\n"
                        "[VertScrollThumb]\r\nImage=a.bmp\r\n[Progress]\r\nBitmap=a.bmp\r\nStyle=0\r\n"
                        "[Tab.Pane]\r\nImage=a.bmp\r\nTopHeight=9\r\nLeftWidth=2\r\nRightwidth=5\r\n",
                        {{"a.bmp", SolidBmp(40, 10)}});
    const TSkinElements& k = s->skin;
    EXPECT_EQ(k.MenuItem->FrameCount, 5);
    EXPECT_EQ(k.Headerbar->FrameCount, 5);
    EXPECT_EQ(k.Scrollbar->FrameCount, 23);
    EXPECT_EQ(k.HorzScrollThumb->FrameCount, 4);
    EXPECT_EQ(k.VertScrollThumb->FrameCount, 3);
    EXPECT_EQ(k.Progress->FrameCount, 2);
    EXPECT_EQ(k.Title->FrameCount, 2);
    EXPECT_EQ(k.TabPane->TopHeight(), 4) << "Tab.Pane margins are clamped to 4";
    EXPECT_EQ(k.TabPane->LeftWidth(), 2);
    EXPECT_EQ(k.TabPane->RightWidth(), 4);
    EXPECT_EQ(k.TabPane->FrameCount, 1);
    EXPECT_EQ(k.ComboButton, nullptr);
    EXPECT_EQ(k.GroupBox, nullptr);

    const auto header = Load("[Headerbar]\r\nImage=a.bmp\r\nFrame=4\r\n", {{"a.bmp", SolidBmp(72, 18)}});
    EXPECT_EQ(header->skin.Headerbar->FrameCount, 4);
}

TEST(ApplySkinCaptionButtons, FrameCountFollowsTheImageRatioWhenNotGiven) {
    const auto s =
        Load("[Button0]\r\nButtonImage=six.bmp\r\n[Button1]\r\nButtonImage=three.bmp\r\n"
             "[Button2]\r\nButtonImage=three.bmp\r\nframe=2\r\n[Button3]\r\n"
             "[Button4]\r\nAction=3\r\nButtonImage=six.bmp\r\n[Buttons]\r\n[BUTTON.RADIO]\r\n"
             "[Button5]\r\nAction=-1\r\n[Button6]\r\nAction=-1\r\nVisibility=0\r\nButtonImage=three.bmp\r\n",
             {{"six.bmp", SolidBmp(126, 21)}, {"three.bmp", SolidBmp(63, 21)}});
    const TSkinElements& k = s->skin;
    ASSERT_EQ(k.SysButtons.size(), 6u + 3u)
        << "Button5 is dropped, Buttons and BUTTON.RADIO are not caption buttons";
    EXPECT_EQ(Button(k, "BUTTON0")->FrameCount, 6);
    EXPECT_EQ(Button(k, "BUTTON1")->FrameCount, 3);
    EXPECT_EQ(Button(k, "BUTTON2")->FrameCount, 2);
    EXPECT_EQ(Button(k, "BUTTON3")->FrameCount, 6) << "no image: 6";
    EXPECT_TRUE(Button(k, "BUTTON4")->Image.Empty()) << "the icon button draws the icon, not an image";
    const TDataSkinSysButton* minusOne = Button(k, "BUTTON6");
    EXPECT_EQ(minusOne->FrameCount, 6) << "negative actions get 6 whatever the ratio";
    EXPECT_EQ(minusOne->Visibility1, -1);
    EXPECT_EQ(Button(k, "BUTTON0")->CombineOp, -1);
}

TEST(ApplySkinCaptionButtons, AnAction4ButtonTakesThePlaceOfTheMaximiseButtonBeforeIt) {
    const auto s = Load("[Button0]\r\nAction=4\r\nXcoord=1\r\nYcoord=2\r\n"
                        "[Button1]\r\nAction=1\r\nVisibility=2\r\nXcoord=49\r\nYcoord=5\r\n"
                        "[Button2]\r\nAction=4\r\nXcoord=99\r\nYcoord=99\r\n");
    const TSkinElements& k = s->skin;
    EXPECT_EQ(Button(k, "BUTTON0")->XCoord, 1) << "no recorded place yet: keeps its own";
    EXPECT_EQ(Button(k, "BUTTON2")->XCoord, 49);
    EXPECT_EQ(Button(k, "BUTTON2")->YCoord, 5);
}

TEST(ApplySkinCaptionButtons, MdiButtonsSplitTheStripIntoThreeImages) {
    const auto s = Load("[MDICONTROLS]\r\nImage=mdi.bmp\r\n",
                        {{"mdi.bmp", skintest::Bmp24(156, 13, [](int x, int) { return std::uint32_t(x); })}});
    const TSkinElements& k = s->skin;
    ASSERT_EQ(k.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = *k.SysButtons[i];
        EXPECT_EQ(b.Action, 7 + i);
        EXPECT_EQ(b.Align, 100);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.Visibility1, 100);
        EXPECT_EQ(b.FrameCount, 4);
        EXPECT_EQ(b.XCoord, 17 * (3 - i));
        ASSERT_EQ(b.Image.Width(), 52);
        EXPECT_EQ(b.Image.Height(), 13);
        EXPECT_EQ(b.Image.Pixel(0, 0), std::uint32_t(52 * i));
    }
    // Narrower than 12: a = 0, so no part to take, but the places are still (0 + 4) * (3 - i).
    const auto narrow = Load("[MDICONTROLS]\r\nImage=mdi.bmp\r\n", {{"mdi.bmp", SolidBmp(11, 13)}});
    ASSERT_EQ(narrow->skin.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(narrow->skin.SysButtons[i]->Image.Empty());
        EXPECT_EQ(narrow->skin.SysButtons[i]->XCoord, 12 - 4 * i);
    }
    const auto missing = Load("[MDICONTROLS]\r\nImage=absent.bmp\r\n");
    EXPECT_EQ(missing->skin.SysButtons[0]->XCoord, 0) << "no strip, no place";
}

TEST(ApplySkinDerived, ASkinWithoutTrackGetsTheBuiltInChannels) {
    const auto s = Load("[Colours]\r\nButtonFace=1 2 3\r\n");
    const TSkinElements& k = s->skin;
    ASSERT_NE(k.Track, nullptr);
    EXPECT_EQ(k.Track->Image.Width(), 16);
    EXPECT_EQ(k.Track->Image.Height(), 4);
    EXPECT_EQ(k.Track->LeftWidth(), 3);
    EXPECT_EQ(k.Track->BottomHeight(), 3);
    EXPECT_EQ(k.Track->FrameCount, 1);
    ASSERT_NE(k.TrackVert, nullptr);
    EXPECT_EQ(k.TrackVert->Image.Width(), 4);
    EXPECT_EQ(k.TrackVert->Image.Height(), 16);
}

TEST(ApplySkinDerived, SunkEdgeWithoutComboButtonLeavesTheArrowWithoutImage) {
    const auto s = Load("[SunkEdge]\r\nImage=s.bmp\r\n", {{"s.bmp", SolidBmp(40, 21)}});
    ASSERT_TRUE(s->ok);
    ASSERT_NE(s->skin.ComboxArrow, nullptr);
    EXPECT_TRUE(s->skin.ComboxArrow->Image.Empty());
    EXPECT_EQ(s->skin.SunkEdge->Image.Width(), 40) << "no composite without a combo button";
}

TEST(ApplySkinDerived, ComboButtonAloneGivesAnArrowWithMagentaReplacedByTheFace) {
    const auto s =
        Load("[Colours]\r\nButtonFace=10 20 30\r\n[ComboButton]\r\nImage=c.bmp\r\n",
             {{"c.bmp", skintest::Bmp24(60, 16, [](int x, int) { return x < 30 ? 0xFF00FFu : 0x123456u; })}});
    const TSkinElements& k = s->skin;
    ASSERT_NE(k.ComboButton, nullptr);
    EXPECT_EQ(k.ComboButton->FrameCount, 4);
    EXPECT_EQ(k.ComboButton->SecondImage.Pixel(0, 0), 0x123456u) << "the second image is mirrored";
    EXPECT_EQ(k.ComboButton->SecondImage.Pixel(59, 0), 0xFF00FFu);
    EXPECT_EQ(k.ComboxArrow->FrameCount, 4);
    EXPECT_EQ(k.ComboxArrow->Image.Pixel(0, 0), PixelFromColour(0x1E140A));
    EXPECT_EQ(k.ComboxArrow->Image.Pixel(59, 0), 0x123456u);
}

TEST(ApplySkinDerived, SunkEdgeAndComboButtonBuildTheCompositeStrips) {
    const auto s =
        Load("[SunkEdge]\r\nImage=s.bmp\r\nLeftWidth=2\r\nRightwidth=2\r\nTopHeight=3\r\nBottomHeight=4\r\n"
             "[ComboButton]\r\nImage=c.bmp\r\n",
             {{"s.bmp", SolidBmp(40, 21, 0x0000AA)}, {"c.bmp", SolidBmp(60, 16, 0x00AA00)}});
    const TSkinElements& k = s->skin;
    const int b = win::GetSystemMetrics(win::SM_CXHSCROLL) + 2;
    ASSERT_EQ(k.ComboButton->Style, 2);
    ASSERT_EQ(k.ComboButton->Image.Width(), 4 * 50);
    ASSERT_EQ(k.ComboButton->Image.Height(), 21);
    EXPECT_EQ(k.ComboButton->LeftWidth(), 2);
    EXPECT_EQ(k.ComboButton->RightWidth(), b + 2);
    EXPECT_EQ(k.ComboButton->TopHeight(), 3);
    EXPECT_EQ(k.ComboButton->BottomHeight(), 4);
    EXPECT_EQ(k.ComboButton->Image.Pixel(0, 0), 0x0000AAu) << "edge from the sunk edge";
    EXPECT_EQ(k.ComboButton->Image.Pixel(10, 10), 0xFF00FFu) << "the inner field is magenta";
    EXPECT_EQ(k.ComboButton->Image.Pixel(49, 10), 0x00AA00u) << "button at the right";
    EXPECT_EQ(k.SunkEdge->Image.Pixel(0, 10), 0x00AA00u) << "the sunk edge gets the mirrored strip";
    EXPECT_EQ(k.SunkEdge->LeftWidth(), b + 2);
    EXPECT_EQ(k.SunkEdge->RightWidth(), 2);
    ASSERT_EQ(k.ComboxArrow->Image.Width(), 4 * 17);
    EXPECT_EQ(k.ComboxArrow->Image.Height(), 17);
    EXPECT_EQ(k.ComboxArrow->FrameCount, 4);
    EXPECT_EQ(k.ComboxArrow->Image.Pixel(16, 8), 0x00AA00u);
}

TEST(ApplySkinDerived, ToolbarGradientAndCaptionColourComeFromTheTopBorder) {
    const auto s =
        Load("[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\n[Colours]\r\nButtonFace=200 200 200\r\n",
             {{"top.bmp", skintest::Bmp24(30, 20, [](int x, int y) {
                   return (x == 10 && y == 3) ? 0x2060C0u : 0x000000u;
               })}});
    const TSkinElements& k = s->skin;
    EXPECT_EQ(k.SampleCaptionColour(), 0xC06020u) << "pixel (30 div 3, (20 div 2) div 3)";
    EXPECT_EQ(k.SkinColours[scCaption], 0xC06020u);
    ASSERT_NE(k.Toolbar, nullptr);
    EXPECT_EQ(k.Toolbar->Image.Width(), 10);
    EXPECT_EQ(k.Toolbar->Image.Height(), 40);
    EXPECT_EQ(k.Toolbar->FrameCount, 1);
    EXPECT_EQ(ColourFromPixel(k.Toolbar->Image.Pixel(0, 0)), MixColours(0xC8C8C8, tk::clWhite, 150));
    // Saturation of (32, 96, 192) is 213, so the bottom is MixColours(c, white, 52) = (139, 172, 222) and
    // the top 247 in every channel. All three fall, and truncating towards zero leaves each one above the
    // end: 247 + (39 * -108 + 19) div 39 = 140, then 173 and 223. Row 1: 245, 246 and 247.
    EXPECT_EQ(ColourSaturation(0xC06020), 213);
    EXPECT_EQ(ColourFromPixel(k.Toolbar->Image.Pixel(9, 39)), 0xDFAD8Cu);
    EXPECT_EQ(ColourFromPixel(k.Toolbar->Image.Pixel(0, 1)), 0xF7F6F5u);
    ASSERT_NE(k.FaceBrush, nullptr);
}

TEST(ApplySkinTitle, TextColoursNeedAllThreeComponents) {
    const auto s =
        Load("[Personality]\r\nTextShift=16\r\nTextShiftVert=2\r\nTextRightClip=80\r\n"
             "ActiveTextR=1\r\nActiveTextG=2\r\nActiveTextB=259\r\nInActiveTextR=1\r\nInActiveTextG=2\r\n"
             "[Fonts]\r\nFontHeight=0x10\r\n");
    const TDataSkinTitle& t = *s->skin.Title;
    EXPECT_EQ(t.LeftWidth(), 16);
    EXPECT_EQ(t.TopHeight(), 2);
    EXPECT_EQ(t.RightWidth(), 80);
    EXPECT_EQ(t.ActiveTextColour, 0x030201u);
    EXPECT_EQ(t.InActiveTextColour, tk::clNone);
    EXPECT_EQ(t.FontHeight, 16);
    const auto plain = Load("[Colours]\r\n");
    EXPECT_EQ(plain->skin.Title->FontHeight, 14);
}
