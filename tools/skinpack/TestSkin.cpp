#include "TestSkin.h"

namespace testskin {

namespace {

using refskin::ImageSpec;

constexpr refskin::Rgb kFace = refskin::RGB(232, 234, 214);

// Left and right pieces hold their two frames (active, inactive) side by side, top and bottom pieces one
// above the other; the caption is 52 / 2 = 26 pixels high and each side 12 / 2 = 6 pixels wide.
const std::vector<const char*> kDescription = {
    "; Test skin: olive",
    "[TitlebarSkin]",
    "SkinName=Test Olive",
    "[Personality]",
    "Left=OliveLeft.bmp",
    "LeftFrame=2",
    "LeftStretch=1",
    "LeftTrans=1",
    "LeftTopHeight=26",
    "LeftBotHeight=8",
    "Right=OliveRight.bmp",
    "RightFrame=2",
    "RightStretch=1",
    "RightTrans=1",
    "RightTopHeight=26",
    "RightBotHeight=8",
    "Top=OliveTop.bmp",
    "TopFrame=2",
    "TopStretch=1",
    "TopTrans=1",
    "TopTopHeight=24",
    "TopBotHeight=24",
    "Bottom=OliveBottom.bmp",
    "BottomFrame=2",
    "BottomStretch=1",
    "BottomTrans=0",
    "BottomTopHeight=8",
    "BottomBotHeight=8",
    "TextAlignment=2",
    "TextShift=8",
    "TextShiftVert=1",
    "TextRightClip=76",
    "menuBar=OliveMenuBar.bmp",
    "TileMenu=0",
    "TileLeftMenu=4",
    "TileRightMenu=4",
    "[Fonts]",
    "FontHeight=13",
    "[Colours]",
    "ButtonFace=232 234 214",
    "ButtonText=40 44 20",
    "WindowText=30 34 14",
    "TitleTextActive=255 255 236",
    "TitleTextNoActive=232 234 214",
    "ButtonHilight=250 250 240",
    "ButtonShadow=128 136 84",
    "ButtonDkShadow=64 70 36",
    "Buttonlight=232 234 214",
    "Menubar=214 218 184",
    "Menu=246 247 236",
    "MenuText=30 34 14",
    "MenuBarText=40 44 20",
    "Hilight=122 138 60",
    "HilightText=255 255 255",
    "[Buttons]",
    "Bitmap=OliveButton.bmp",
    "TopHeight=6",
    "BottomHeight=6",
    "LeftWidth=6",
    "RightWidth=6",
    "Trans=1",
    "CheckButton=OliveCheck.bmp",
    "RadioButton=OliveRadio.bmp",
    "[Button0]",
    "ButtonImage=OliveClose.bmp",
    "frame=4",
    "Align=1",
    "Xcoord=26",
    "Ycoord=4",
    "Action=0",
    "Visibility=0",
    "[Button1]",
    "ButtonImage=OliveMax.bmp",
    "frame=4",
    "Align=1",
    "Xcoord=47",
    "Ycoord=4",
    "Action=1",
    "Visibility=2",
    "Visibility1=6",
    "[Button2]",
    "ButtonImage=OliveRestore.bmp",
    "frame=4",
    "Align=1",
    "Xcoord=47",
    "Ycoord=4",
    "Action=1",
    "Visibility=1",
    "[Button3]",
    "ButtonImage=OliveMin.bmp",
    "frame=4",
    "Align=1",
    "Xcoord=68",
    "Ycoord=4",
    "Action=2",
    "Visibility=8",
    "[Button4]",
    "Align=0",
    "Xcoord=8",
    "Ycoord=5",
    "Action=3",
    "Visibility=0",
};

const std::vector<ImageSpec> kImages = {
    {"OliveLeft.bmp", 12, 80, 24},    {"OliveRight.bmp", 12, 80, 24},    {"OliveTop.bmp", 240, 52, 24},
    {"OliveBottom.bmp", 240, 12, 24}, {"OliveMenuBar.bmp", 100, 40, 24}, {"OliveButton.bmp", 120, 22, 24},
    {"OliveCheck.bmp", 52, 13, 24},   {"OliveRadio.bmp", 52, 13, 24},    {"OliveClose.bmp", 72, 18, 24},
    {"OliveMax.bmp", 72, 18, 24},     {"OliveRestore.bmp", 72, 18, 24},  {"OliveMin.bmp", 72, 18, 24},
};

} // namespace

const std::vector<ImageSpec>& TestImages() {
    return kImages;
}

std::string TestDescription() {
    return refskin::JoinDescription(kDescription);
}

bool DrawTestSkin(const std::string& dir, std::string& error) {
    return refskin::WriteSkinFolder(
        dir, refskin::SkinDrawing{kImages, DrawTestImage, TestDescription(), kFace}, error);
}

} // namespace testskin
