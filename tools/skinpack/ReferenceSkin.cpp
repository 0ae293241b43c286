#include "ReferenceSkin.h"

#include "platform/os/AtomicFile.h"

#include <filesystem>
#include <stdexcept>

namespace refskin {

namespace {

constexpr Rgb kFace = RGB(213, 230, 250);

// Section, then key=value lines; kept in the order the skin's authors write them.
constexpr const char* kDescription[] = {
    "; Reference skin: blue",
    "[Version]",
    "Version=1.0",
    "[TitlebarSkin]",
    "SkinName=Reference Blue",
    "Author=Taxi exam trainer",
    "[Personality]",
    "Left=FrameLeft.bmp",
    "LeftFrame=2",
    "LeftStretch=1",
    "LeftTrans=1",
    "LeftTopHeight=29",
    "LeftBotHeight=5",
    "Right=FrameRight.bmp",
    "RightFrame=2",
    "RightStretch=1",
    "RightTrans=1",
    "RightTopHeight=29",
    "RightBotHeight=5",
    "Top=FrameTop.bmp",
    "TopFrame=2",
    "TopStretch=1",
    "TopTrans=1",
    "TopTopHeight=30",
    "TopBotHeight=35",
    "Bottom=FrameBottom.bmp",
    "BottomFrame=2",
    "BottomStretch=1",
    "BottomTrans=0",
    "BottomTopHeight=30",
    "BottomBotHeight=35",
    "TextShift=16",
    "TextShiftVert=2",
    "TextRightClip=80",
    "[MinimizedCaption]",
    "Image=MinCaption.bmp",
    "LeftWidth=24",
    "Rightwidth=60",
    "[Colours]",
    "ButtonFace=213 230 250",
    "TitleTextActive=255 255 255",
    "TitleTextNoActive=216 228 248",
    "ButtonHilight=118 172 228",
    "ButtonShadow=80 128 188",
    "ButtonDkShadow=113 111 100",
    "Buttonlight=213 230 250",
    "Menubar=77 133 212",
    "Menu=91 148 214",
    "MenuText=0 0 0",
    "MenuBarText=255 255 255",
    "Hilight=133 177 233",
    "HilightText=255 255 255",
    "[Buttons]",
    "Bitmap=Buttons.bmp",
    "TopHeight=9",
    "BottomHeight=9",
    "LeftWidth=9",
    "Rightwidth=7",
    "Trans=1",
    "CheckButtonFrame=12",
    "RadioButtonFrame=8",
    "CheckButton=Checkbox.bmp",
    "RadioButton=RadioButton.bmp",
    "[Progress]",
    "Bitmap=Progress.bmp",
    "TopHeight=3",
    "BottomHeight=3",
    "LeftWidth=4",
    "Rightwidth=4",
    "Trans=1",
    "Tile=1",
    "Style=1",
    "[Progress.Chunk]",
    "Image=ProgressChunk.bmp",
    "TopHeight=6",
    "BottomHeight=5",
    "LeftWidth=0",
    "Rightwidth=0",
    "Trans=0",
    "Tile=1",
    "Style=1",
    "[Tabs]",
    "Image=Tab.bmp",
    "TopHeight=6",
    "BottomHeight=6",
    "LeftWidth=6",
    "Rightwidth=6",
    "Trans=1",
    "Tile=0",
    "Style=1",
    "[Tab.Pane]",
    "Image=TabSheet.bmp",
    "TopHeight=2",
    "BottomHeight=4",
    "LeftWidth=2",
    "Rightwidth=4",
    "Trans=0",
    "Tile=0",
    "Style=1",
    "[ComboButton]",
    "Image=ComboboxBtn.bmp",
    "Trans=1",
    "Style=1",
    "[StatusBarEdges]",
    "Image=StatusBar.bmp",
    "TopHeight=0",
    "BottomHeight=12",
    "LeftWidth=0",
    "Rightwidth=4",
    "Tile=0",
    "[Headerbar]",
    "Image=Header.bmp",
    "TopHeight=4",
    "BottomHeight=4",
    "LeftWidth=2",
    "Rightwidth=10",
    "Tile=0",
    "Trans=1",
    "Frame=4",
    "[Scrollbar]",
    "Image=ScrollbarArrow.bmp",
    "[HorzScrollThumb]",
    "Image=ScrollbarHThumb.bmp",
    "TopHeight=5",
    "BottomHeight=5",
    "LeftWidth=5",
    "Rightwidth=5",
    "FrameCount=4",
    "[VertScrollThumb]",
    "Image=ScrollbarVThumb.bmp",
    "TopHeight=5",
    "BottomHeight=5",
    "LeftWidth=5",
    "Rightwidth=8",
    "FrameCount=4",
    "[HorzScroll]",
    "Image=ScrollbarHBar.bmp",
    "TopHeight=1",
    "BottomHeight=1",
    "LeftWidth=0",
    "Rightwidth=0",
    "Tile=0",
    "[VertScroll]",
    "Image=ScrollbarVBar.bmp",
    "TopHeight=0",
    "BottomHeight=0",
    "LeftWidth=1",
    "Rightwidth=1",
    "Tile=0",
    "[MenuBackground]",
    "Image=MenuBackground.bmp",
    "TopHeight=5",
    "BottomHeight=5",
    "LeftWidth=5",
    "Rightwidth=5",
    "[MenuItem]",
    "Image=MenuItem.bmp",
    "TopHeight=3",
    "BottomHeight=3",
    "LeftWidth=2",
    "Rightwidth=2",
    "Frame=5",
    "Trans=1",
    "[ExtraImages]",
    "Image=ExtraImages.bmp",
    "[Trackbar.ThumbHorz]",
    "Image=TrackThumbH.bmp",
    "[Trackbar.ThumbDown]",
    "Image=TrackBot.bmp",
    "[MDICONTROLS]",
    "Image=Mdibutton.bmp",
    "[UpDown.Vert]",
    "Image=Spin.bmp",
    "GlyphImage=SpinArrow.bmp",
    "[UpDown.Horz]",
    "Image=Spinh.bmp",
    "GlyphImage=SpinhArrow.bmp",
    "[Button0]",
    "ButtonImage=CloseButton.bmp",
    "Align=1",
    "Xcoord=25",
    "Ycoord=5",
    "Action=0",
    "Visibility=0",
    "[Button1]",
    "ButtonImage=MaxButton.bmp",
    "Align=1",
    "Xcoord=49",
    "Ycoord=5",
    "Action=1",
    "Visibility=2",
    "Visibility1=6",
    "[Button2]",
    "ButtonImage=MinButton.bmp",
    "Align=1",
    "Xcoord=73",
    "Ycoord=5",
    "Action=2",
    "Visibility=8",
    "[Button3]",
    "ButtonImage=RestroreButton.bmp",
    "Align=1",
    "Xcoord=49",
    "Ycoord=5",
    "Action=1",
    "Visibility=1",
    "[Button4]",
    "Align=0",
    "Xcoord=8",
    "Ycoord=7",
    "Action=3",
    "Visibility=0",
};

const std::vector<ImageSpec> kImages = {
    {"Buttons.bmp", 150, 23, 24},        {"Checkbox.bmp", 156, 13, 24},
    {"RadioButton.bmp", 104, 13, 24},    {"Progress.bmp", 9, 19, 24},
    {"ProgressChunk.bmp", 10, 12, 24},   {"Tab.bmp", 125, 19, 24},
    {"TabSheet.bmp", 48, 48, 24},        {"ComboboxBtn.bmp", 60, 16, 24},
    {"StatusBar.bmp", 150, 24, 24},      {"Header.bmp", 72, 18, 24},
    {"ScrollbarArrow.bmp", 391, 16, 32}, {"ScrollbarHThumb.bmp", 88, 14, 24},
    {"ScrollbarVThumb.bmp", 56, 22, 24}, {"ScrollbarHBar.bmp", 52, 15, 24},
    {"ScrollbarVBar.bmp", 60, 9, 24},    {"MenuBackground.bmp", 20, 20, 32},
    {"MenuItem.bmp", 100, 18, 32},       {"ExtraImages.bmp", 80, 17, 24},
    {"TrackThumbH.bmp", 55, 21, 24},     {"TrackBot.bmp", 55, 21, 24},
    {"Mdibutton.bmp", 156, 13, 24},      {"Spin.bmp", 120, 16, 24},
    {"SpinArrow.bmp", 56, 6, 8},         {"Spinh.bmp", 120, 16, 24},
    {"SpinhArrow.bmp", 48, 7, 8},        {"CloseButton.bmp", 126, 21, 24},
    {"MaxButton.bmp", 126, 21, 24},      {"MinButton.bmp", 126, 21, 24},
    {"RestroreButton.bmp", 126, 21, 24}, {"FrameLeft.bmp", 8, 100, 24},
    {"FrameRight.bmp", 8, 100, 24},      {"FrameTop.bmp", 367, 58, 24},
    {"FrameBottom.bmp", 367, 10, 24},    {"MinCaption.bmp", 160, 44, 24},
};

} // namespace

const std::vector<ImageSpec>& ReferenceImages() {
    return kImages;
}

std::string ReferenceDescription() {
    std::string text;
    for (const char* line : kDescription) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool DrawReferenceSkin(const std::string& dir, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) {
        error = dir + ": cannot create the folder";
        return false;
    }
    const auto write = [&](const std::string& name, const void* data, std::size_t size) {
        std::string reason;
        if (win::WriteFileAtomically(fs::path(dir) / name,
                                     std::string_view(static_cast<const char*>(data), size), reason))
            return true;
        error = (fs::path(dir) / name).string() + ": " + reason;
        return false;
    };
    for (const ImageSpec& entry : kImages) {
        const DrawnImage image = DrawImage(entry.name);
        if (image.canvas.Width() != entry.width || image.canvas.Height() != entry.height) {
            error = std::string(entry.name) + ": drawn at the wrong size";
            return false;
        }
        const std::vector<std::uint8_t> bmp = image.canvas.Bmp(entry.bits, image.transparent, kFace);
        if (!write(entry.name, bmp.data(), bmp.size()))
            return false;
    }
    const std::string text = ReferenceDescription();
    return write(kDescriptionName, text.data(), text.size());
}

} // namespace refskin
