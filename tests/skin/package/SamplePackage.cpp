#include "SamplePackage.h"

namespace skin::sample {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

struct ImageSpec {
    const char* Name;
    int Width;
    int Height;
    int Bits;
};

// Scaled so that the whole package expands to about 320 KB, like the program's own.
constexpr ImageSpec Images[] = {
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
    {"FrameBottom.bmp", 367, 10, 24},    {"Background.bmp", 200, 123, 24},
};

} // namespace

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::uint8_t> MakeBmp(int width, int height, int bitsPerPixel, std::uint32_t seed) {
    const int paletteSize = bitsPerPixel == 8 ? 256 * 4 : 0;
    const int stride = ((width * bitsPerPixel + 31) / 32) * 4;
    const std::uint32_t offset = 14 + 40 + paletteSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + stride * height);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + stride * height);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(stride * height));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, bitsPerPixel == 8 ? 256 : 0);
    Put32(out, 0);
    for (int i = 0; i < paletteSize / 4; ++i)
        Put32(out, static_cast<std::uint32_t>(i * 0x010101));

    std::uint32_t noise = seed * 2654435761u + 1;
    const int frameWidth = width > 30 ? width / 6 : width;
    for (int y = 0; y < height; ++y) {
        std::size_t row = out.size();
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int fx = x % frameWidth;
            const bool edge = fx == 0 || fx == frameWidth - 1 || y == 0 || y == height - 1;
            const bool magenta = !edge && (fx < 2 || fx > frameWidth - 3) && y < 3;
            int r = magenta ? 255 : edge ? 40 : 90 + (y * 120) / height + (x / frameWidth) * 10;
            int g = magenta ? 0 : edge ? 70 : 130 + (y * 90) / height;
            int b = magenta ? 255 : edge ? 120 : 200 + (y * 40) / height;
            if (!magenta && !edge && (noise >> 28) == 0) {
                r ^= 3;
                g ^= 1;
            }
            switch (bitsPerPixel) {
            case 8: out.push_back(static_cast<std::uint8_t>((r + g + b) / 3)); break;
            case 32:
                out.insert(out.end(), {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r), std::uint8_t(255)});
                break;
            default: out.insert(out.end(), {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r)}); break;
            }
        }
        out.resize(row + stride, 0);
    }
    return out;
}

std::string MakeDescription() {
    return "[SkinVersion]\r\nVersion=2\r\n\r\n"
           "[TitlebarSkin]\r\nSkinName=Sample\r\nAuthor=Generator\r\n\r\n"
           "[Personality]\r\nLeft=FrameLeft.bmp\r\nLeftFrame=2\r\nLeftStretch=1\r\nLeftTrans=1\r\n"
           "LeftTopHeight=29\r\nLeftBotHeight=5\r\nRight=FrameRight.bmp\r\nRightFrame=2\r\nRightStretch=1\r\n"
           "RightTrans=1\r\nRightTopHeight=29\r\nRightBotHeight=5\r\nTop=FrameTop.bmp\r\nTopFrame=2\r\n"
           "TopStretch=1\r\nTopTrans=1\r\nTopTopHeight=30\r\nTopBotHeight=35\r\nBottom=FrameBottom.bmp\r\n"
           "BottomFrame=2\r\nBottomStretch=1\r\nBottomTrans=0\r\nBottomTopHeight=30\r\nBottomBotHeight=35\r\n"
           "TextShift=16\r\nTextShiftVert=2\r\nTextRightClip=80\r\n\r\n"
           "[Buttons]\r\nBitmap=Buttons.bmp\r\nTopHeight=9\r\nBottomHeight=9\r\nLeftWidth=9\r\nRightwidth="
           "7\r\n"
           "Trans=1\r\nCheckButtonFrame=12\r\nRadioButtonFrame=8\r\nCheckButton=Checkbox.bmp\r\n"
           "RadioButton=RadioButton.bmp\r\n\r\n"
           "[Progress]\r\nBitmap=Progress.bmp\r\nTopHeight=3\r\nBottomHeight=3\r\nLeftWidth=4\r\nRightwidth="
           "4\r\n"
           "Trans=1\r\nTile=1\r\nStyle=1\r\n\r\n"
           "[Button0]\r\nButtonImage=CloseButton.bmp\r\nAlign=1\r\nXcoord=25\r\nYcoord=5\r\nAction=0\r\n"
           "Visibility=0\r\n\r\n"
           "[Button1]\r\nButtonImage=MaxButton.bmp\r\nAlign=1\r\nXcoord=49\r\nYcoord=5\r\nAction=1\r\n"
           "Visibility=2\r\nVisibility1=6\r\n\r\n"
           "[Colours]\r\nButtonFace=213 230 250\r\nTitleTextActive=255 255 255\r\nMenubar=77 133 212\r\n"
           "Hilight=133 177 233\r\nHilightText=255 255 255\r\nColor=0x10\r\n";
}

TSkinWriter MakeSkinWriter(std::int32_t format) {
    TSkinWriter writer(format);
    std::uint32_t seed = 1;
    for (const ImageSpec& image : Images)
        writer.AddEntry(image.Name, MakeBmp(image.Width, image.Height, image.Bits, seed++));
    writer.AddEntry("Sample.ini", Bytes(MakeDescription()));
    return writer;
}

} // namespace skin::sample
