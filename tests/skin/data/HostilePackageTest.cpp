// Packages that lie: broken images, no description text, absurd values. Each gives defaults or an empty
// element, never a crash, a hang or a read outside a buffer.
#include "TestSkin.h"

#include "skin/data/TSkinElements.h"
#include "skin/package/TSkinReader.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace skin;
using skintest::Bytes;
using skintest::Package;
using skintest::SolidBmp;

namespace {

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

TEST(HostileImages, BrokenBmpFilesAreRefusedWithoutReadingPastThem) {
    const Bytes good = SolidBmp(8, 4);
    std::vector<std::pair<std::string, Bytes>> cases;
    cases.push_back({"truncated rows", Bytes(good.begin(), good.end() - 5)});
    cases.push_back({"header only", Bytes(good.begin(), good.begin() + 30)});
    Bytes magic = good;
    magic[0] = 'X';
    cases.push_back({"not BM", magic});
    Bytes huge = good;
    Put32(huge, 18, 100000);
    cases.push_back({"absurd width", huge});
    Bytes negativeWidth = good;
    Put32(negativeWidth, 18, 0xFFFFFFF0u);
    cases.push_back({"negative width", negativeWidth});
    Bytes minHeight = good;
    Put32(minHeight, 22, 0x80000000u);
    cases.push_back({"most negative height", minHeight});
    Bytes offset = good;
    Put32(offset, 10, 0xFFFFFF00u);
    cases.push_back({"pixel offset beyond the file", offset});
    Bytes depth = good;
    depth[28] = 7;
    cases.push_back({"bit depth 7", depth});
    Bytes rle = good;
    Put32(rle, 30, 1);
    cases.push_back({"RLE", rle});
    Bytes headerSize = good;
    Put32(headerSize, 14, 0x7FFFFFFF);
    cases.push_back({"header size", headerSize});
    Bytes palette = good;
    palette[28] = 8;
    Put32(palette, 46, 200); // a palette of 200 colours that the file does not hold
    cases.push_back({"palette past the end", Bytes(palette.begin(), palette.begin() + 60)});
    for (const auto& [what, bytes] : cases) {
        TSkinBitmap b;
        std::string error;
        EXPECT_FALSE(b.LoadFromBmp(bytes, &error)) << what;
        EXPECT_TRUE(b.Empty()) << what;
        EXPECT_FALSE(error.empty()) << what;
    }
    TSkinBitmap b;
    EXPECT_TRUE(b.LoadFromBmp(good));
}

TEST(HostileImages, APaletteCountAboveTheDepthReadsOnlyThePaletteThereIs) {
    // 4 x 2 at 4 bits: header, 16 palette entries (though it claims 100), then two 4-byte rows.
    Bytes bmp(14 + 40 + 16 * 4 + 8, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Put32(bmp, 10, 14 + 40 + 64);
    Put32(bmp, 14, 40);
    Put32(bmp, 18, 4);
    Put32(bmp, 22, 2);
    bmp[26] = 1;
    bmp[28] = 4;
    Put32(bmp, 46, 100);
    Put32(bmp, 54 + 4 * 3, 0x00ABCDEF); // palette entry 3
    bmp[54 + 64] = 0x33;                // bottom row, first two pixels: entry 3
    TSkinBitmap b;
    std::string error;
    ASSERT_TRUE(b.LoadFromBmp(bmp, &error)) << error;
    EXPECT_EQ(b.Pixel(0, 1), 0xABCDEFu);
    EXPECT_EQ(b.PixelFormat(), 8);
}

TEST(HostileImages, ImageValuesNeedALowerCaseBmpExtensionAndAnEntry) {
    skintest::FailureCapture failures;
    TSkinElements skin;
    ASSERT_TRUE(
        skin.LoadPackage(Package("[Progress.Chunk]\r\nImage=c:\\skins\\Chunk.bmp\r\n"
                                 "[Headerbar]\r\nImage=Header.BMP\r\n[MenuItem]\r\nImage=missing.bmp\r\n"
                                 "[Scrollbar]\r\nImage=broken.bmp\r\n[ToolBars]\r\nImage=chunk\r\n",
                                 {{"chunk.bmp", SolidBmp(10, 12)},
                                  {"header.bmp", SolidBmp(4, 4)},
                                  {"broken.bmp", Bytes{'B', 'M', 1, 2, 3}}})));
    EXPECT_EQ(skin.ProgressChunk->Image.Width(), 10)
        << "folders are dropped, letter case of the entry ignored";
    EXPECT_TRUE(skin.Headerbar->Image.Empty()) << "an upper-case extension is not a BMP";
    EXPECT_TRUE(skin.MenuItem->Image.Empty());
    EXPECT_TRUE(skin.Scrollbar->Image.Empty());
    EXPECT_TRUE(skin.ToolBars->Image.Empty());
    EXPECT_TRUE(failures.messages.empty());
}

TEST(HostilePackages, NotAPackageIsReportedAndChangesNothing) {
    skintest::FailureCapture failures;
    TSkinElements skin;
    EXPECT_FALSE(skin.LoadPackage(Bytes{}));
    EXPECT_FALSE(skin.LoadPackage(Bytes{1, 2, 3}));
    Bytes noise(4000);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 7919 >> 3);
    Put32(noise, 0, 50000);
    EXPECT_FALSE(skin.LoadPackage(noise));
    Bytes tooBig = Package("[Colours]\r\n");
    Put32(tooBig, 0, 0x7FFFFFFF);
    EXPECT_FALSE(skin.LoadPackage(tooBig));
    EXPECT_EQ(failures.messages.size(), 4u);
    EXPECT_TRUE(skin.SkinLoading);
    EXPECT_EQ(skin.Toolbar, nullptr);
}

TEST(HostilePackages, NegativeOrTruncatedContainersReadAsAnOlderSkinOrWithZeros) {
    skintest::FailureCapture failures;
    TSkinElements skin;
    Bytes negative = Package("[Colours]\r\nButtonFace=1 2 3\r\n");
    Put32(negative, 0, static_cast<std::uint32_t>(-5));
    EXPECT_FALSE(skin.LoadPackage(negative));
    ASSERT_EQ(failures.messages.size(), 1u);
    EXPECT_EQ(failures.messages[0], "This is Older Skin File\rPlease update to new version !");

    // Cutting off the end of the description text costs its last keys, nothing more.
    Bytes cut =
        Package("[Colours]\r\nButtonFace=1 2 3\r\n" + std::string(400, ';'), {{"a.bmp", SolidBmp(40, 40)}});
    cut.resize(cut.size() - 4);
    EXPECT_TRUE(skin.LoadPackage(cut));
    EXPECT_EQ(failures.messages.size(), 1u);
}

TEST(HostilePackages, APackageWithoutDescriptionTextGivesTheDefaults) {
    TSkinElements skin;
    ASSERT_TRUE(skin.LoadPackage(Package("", {{"a.bmp", SolidBmp(2, 2)}})));
    EXPECT_FALSE(skin.SkinLoading);
    EXPECT_TRUE(skin.BorderTop->Image.Empty());
    EXPECT_EQ(skin.BorderTop->FrameCount, 1);
    EXPECT_EQ(skin.BorderLeft->Tile, 1);
    EXPECT_EQ(skin.SkinColours[scButtonFace], tk::ColorToRGB(tk::clBtnFace));
    EXPECT_EQ(skin.SysButtons.size(), 3u) << "only the MDI buttons, without images";
    EXPECT_EQ(skin.Progress, nullptr);
    EXPECT_NE(skin.Track, nullptr);
    EXPECT_NE(skin.Toolbar, nullptr);
    EXPECT_NE(skin.ComboxArrow, nullptr);
}

TEST(HostilePackages, AbsurdNumbersNeverBreakTheDerivedImages) {
    const std::string ini =
        "[Personality]\r\nTop=t.bmp\r\nTopFrame=-7\r\nLeft=t.bmp\r\nLeftFrame=0\r\nLeftTopHeight="
        "2147483647\r\n"
        "[SunkEdge]\r\nImage=t.bmp\r\nLeftWidth=-2147483648\r\nRightwidth=2147483647\r\nTopHeight=-"
        "5\r\nTrans=1\r\n"
        "[ComboButton]\r\nImage=t.bmp\r\nLeftWidth=99999\r\nTile=1\r\n[ExtraImages]\r\nImage=tiny.bmp\r\n"
        "[Button0]\r\nButtonImage=t.bmp\r\nframe=-3\r\n[Button1]\r\nButtonImage=tiny.bmp\r\nframe="
        "2147483647\r\n"
        "[Buttons]\r\nCheckButton=tiny.bmp\r\nCheckButtonFrame=-9\r\n[Tab.Pane]\r\nImage=t.bmp\r\n"
        "TopHeight=-2147483648\r\n[MDICONTROLS]\r\nImage=tiny.bmp\r\n";
    skintest::FailureCapture failures;
    TSkinElements skin;
    ASSERT_TRUE(skin.LoadPackage(Package(ini, {{"t.bmp", SolidBmp(37, 19)}, {"tiny.bmp", SolidBmp(1, 1)}})));
    EXPECT_EQ(skin.ComboButton->Style, 2);
    EXPECT_FALSE(skin.ComboxArrow->Image.Empty());
    EXPECT_EQ(skin.Buttons->CheckFrameCount, -9) << "a given count is kept as given";
    EXPECT_EQ(skin.TabPane->TopHeight(), INT32_MIN) << "only large margins are clamped";
    EXPECT_EQ(skin.SampleCaptionColour(), 0x996633u);
}

// Every value of a realistic description text replaced in turn by extreme numbers and junk.
TEST(HostilePackages, EveryKeyWithExtremeValuesLoads) {
    const std::string base =
        "[Personality]\r\nTop=t.bmp\r\nTopFrame=2\r\nLeft=t.bmp\r\nTextShift=16\r\nmenuBar=t.bmp\r\n"
        "[Buttons]\r\nBitmap=t.bmp\r\nCheckButton=t.bmp\r\nRadioButton=t.bmp\r\n[SunkEdge]\r\nImage=t.bmp\r\n"
        "[ComboButton]\r\nImage=t.bmp\r\n[ExtraImages]\r\nImage=t.bmp\r\n[Progress]\r\nBitmap=t.bmp\r\n"
        "[Button0]\r\nButtonImage=t.bmp\r\nAction=4\r\n[MDICONTROLS]\r\nImage=t.bmp\r\n[Colours]"
        "\r\nButtonFace=1 2 3\r\n";
    const Bytes image = SolidBmp(30, 12);
    std::vector<std::string> lines;
    for (std::size_t at = 0, next; at < base.size(); at = next + 2) {
        next = base.find("\r\n", at);
        lines.push_back(base.substr(at, next - at));
    }
    int loads = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const std::string& text = lines[line];
        const std::size_t eq = text.find('=');
        if (eq == std::string::npos)
            continue;
        for (const char* value : {"-2147483648", "2147483647", "0", "-1", "0x", "1 2", "junk.bmp", ""}) {
            std::string ini;
            for (std::size_t i = 0; i < lines.size(); ++i)
                ini += (i == line ? text.substr(0, eq + 1) + value : lines[i]) + "\r\n";
            skintest::FailureCapture failures;
            TSkinElements skin;
            ASSERT_TRUE(skin.LoadPackage(Package(ini, {{"t.bmp", image}}))) << ini;
            ++loads;
        }
    }
    EXPECT_GT(loads, 100);
}
