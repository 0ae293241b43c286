// The test skin that `skinpack draw-test-skin` draws and the build packs into test.skin: it reads back
// through the package reader and the skin data model, and differs from the reference skin wherever the skin
// engine branches on the skin.
#include "TestSkin.h"
#include "SkinPackTool.h"

#include "skin/data/TSkinData.h"
#include "skin/package/TSkinReader.h"
#include "support/TestGuards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using skin::TSkinData;

constexpr std::uint32_t kMagenta = 0xFF00FF;

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class TestSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("test-skin-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    int Run(const std::vector<std::string>& args) {
        m_out.str("");
        m_err.str("");
        return SkinPackTool().Run(args, m_out, m_err);
    }

    // Loads a skin file through the component, as `set Form1.SkinData1.SkinFile` does; every complaint of
    // the data model fails the test.
    void Load(TSkinData& data, const std::string& file) {
        std::vector<std::string> complaints;
        const taxi::test::ScopedValue<std::function<void(const std::string&)>> capture(
            skin::TSkinElements::ReportFailure, [&](const std::string& text) { complaints.push_back(text); });
        data.SetSkinFile(file);
        EXPECT_TRUE(complaints.empty()) << complaints.front();
        ASSERT_FALSE(data.SkinLoading) << file << " was not loaded";
    }

    fs::path m_dir;
    std::ostringstream m_out, m_err;
};

TEST_F(TestSkinTest, DrawsPacksAndReadsBackThroughReaderAndDataModel) {
    ASSERT_EQ(Run({"draw-test-skin", (m_dir / "olive").string()}), 0) << m_err.str();
    ASSERT_EQ(Run({"pack", (m_dir / "olive").string(), (m_dir / "olive.skin").string()}), 0) << m_err.str();

    std::ifstream in(m_dir / "olive.skin", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    skin::TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(bytes)) << reader.FailureText();
    ASSERT_EQ(reader.EntryCount(), static_cast<int>(testskin::TestImages().size()) + 1);
    for (const refskin::ImageSpec& image : testskin::TestImages()) {
        std::vector<std::uint8_t> entry;
        reader.ExtractEntry(image.name, entry);
        EXPECT_FALSE(entry.empty()) << image.name;
    }

    TSkinData data(nullptr);
    Load(data, (m_dir / "olive.skin").string());
    EXPECT_EQ(data.SkinName, "Test Olive");
    for (const refskin::ImageSpec& image : testskin::TestImages())
        EXPECT_EQ(fs::file_size(m_dir / "olive" / image.name) > 0, true) << image.name;
}

// A key the data model does not read falls back to its default without a word; a misspelt key would
// silently make the test skin take the reference skin's branch.
TEST_F(TestSkinTest, UsesOnlyKeysTheDataModelReads) {
    std::set<std::string> personality = {"textback",      "textshift",     "textshiftvert",
                                         "textrightclip", "textalignment", "menubar",
                                         "tilemenu",      "tileleftmenu",  "tilerightmenu"};
    for (const char* side : {"left", "right", "top", "bottom"})
        for (const char* suffix : {"", "frame", "stretch", "trans", "topheight", "botheight"})
            personality.insert(std::string(side) + suffix);
    const std::map<std::string, std::set<std::string>> known = {
        {"titlebarskin", {"skinname"}},
        {"fonts", {"fontheight"}},
        {"personality", personality},
        {"colours",
         {"windowtext", "titletextactive", "titletextnoactive", "buttonface", "buttontext", "buttonhilight",
          "buttonlight", "buttonshadow", "buttondkshadow", "hilighttext", "hilight", "menubar", "menubartext",
          "menutext", "menu", "scrollbar"}},
        {"buttons",
         {"bitmap", "leftwidth", "rightwidth", "topheight", "bottomheight", "trans", "tile", "checkbutton",
          "radiobutton", "checkbuttonframe", "radiobuttonframe"}},
        {"button",
         {"buttonimage", "action", "align", "xcoord", "ycoord", "visibility", "visibility1", "frame"}},
    };
    std::istringstream text(testskin::TestDescription());
    std::string line, section;
    int keys = 0;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            section = LowerCase(line.substr(1, line.size() - 2));
            // Caption-button sections are numbered: Button0, Button1, ...
            if (section.rfind("button", 0) == 0 && section != "buttons")
                section = "button";
            ASSERT_TRUE(known.count(section)) << line;
            continue;
        }
        const std::size_t equals = line.find('=');
        ASSERT_NE(equals, std::string::npos) << line;
        EXPECT_TRUE(known.at(section).count(LowerCase(line.substr(0, equals))))
            << "[" << section << "] " << line;
        ++keys;
    }
    EXPECT_GT(keys, 50);
}

class TestSkinAgainstReference : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"test.skin", "reference.skin"})
            ASSERT_TRUE(fs::is_regular_file(fs::path(TAXI_BINARY_DIR) / name)) << "the build makes " << name;
        Load(m_test, (fs::path(TAXI_BINARY_DIR) / "test.skin").string());
        Load(m_reference, (fs::path(TAXI_BINARY_DIR) / "reference.skin").string());
    }
    static void Load(TSkinData& data, const std::string& file) {
        data.SetSkinFile(file);
        ASSERT_FALSE(data.SkinLoading) << file;
    }
    static int CaptionHeight(const TSkinData& d) {
        return d.BorderTop->Image.Height() / d.BorderTop->FrameCount;
    }
    static const skin::TDataSkinSysButton* Button(const TSkinData& d, int action, int visibility) {
        for (const auto& b : d.SysButtons)
            if (b->Action == action && b->Visibility == visibility)
                return b.get();
        return nullptr;
    }

    TSkinData m_test{nullptr};
    TSkinData m_reference{nullptr};
};

TEST_F(TestSkinAgainstReference, BorderCornersAreTransparentSoTheRegionIsNotARectangle) {
    const skin::TDataSkinBorder& left = *m_test.BorderLeft;
    const skin::TDataSkinBorder& right = *m_test.BorderRight;
    ASSERT_EQ(left.FrameCount, 2);
    const int width = left.Image.Width() / left.FrameCount, height = left.Image.Height();
    EXPECT_EQ(left.Trans, 1);
    EXPECT_EQ(right.Trans, 1);
    for (int frame = 0; frame < 2; ++frame) {
        const int x0 = frame * width;
        SCOPED_TRACE(frame);
        // Outer corners see-through, top and bottom; the inner side and the middle drawn.
        EXPECT_EQ(left.Image.Pixel(x0, 0), kMagenta);
        EXPECT_EQ(left.Image.Pixel(x0, height - 1), kMagenta);
        EXPECT_EQ(right.Image.Pixel(x0 + width - 1, 0), kMagenta);
        EXPECT_EQ(right.Image.Pixel(x0 + width - 1, height - 1), kMagenta);
        EXPECT_NE(left.Image.Pixel(x0 + width - 1, 0), kMagenta);
        EXPECT_NE(right.Image.Pixel(x0, 0), kMagenta);
        for (int y = 8; y < height - 8; ++y)
            ASSERT_NE(left.Image.Pixel(x0, y), kMagenta) << y;
    }
}

TEST_F(TestSkinAgainstReference, CaptionHeightAndFrameCountsDiffer) {
    EXPECT_EQ(CaptionHeight(m_test), 26);
    EXPECT_NE(CaptionHeight(m_test), CaptionHeight(m_reference));
    EXPECT_EQ(m_test.BorderLeft->Image.Width() / m_test.BorderLeft->FrameCount, 6);
    // Caption buttons take their count from the `frame` key, check boxes and radio buttons from their images.
    const skin::TDataSkinSysButton* close = Button(m_test, 0, 0);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->FrameCount, 4);
    EXPECT_NE(close->FrameCount, Button(m_reference, 0, 0)->FrameCount);
    EXPECT_EQ(m_test.Buttons->CheckFrameCount, 4);
    EXPECT_EQ(m_test.Buttons->RadioFrameCount, 4);
    EXPECT_NE(m_test.Buttons->CheckFrameCount, m_reference.Buttons->CheckFrameCount);
    EXPECT_NE(m_test.Buttons->RadioFrameCount, m_reference.Buttons->RadioFrameCount);
    // Push buttons always have five frames; this image's frames are another size.
    EXPECT_EQ(m_test.Buttons->FrameCount, 5);
    EXPECT_NE(m_test.Buttons->Image.Width() / 5, m_reference.Buttons->Image.Width() / 5);
}

TEST_F(TestSkinAgainstReference, CaptionTextIsRightAlignedAndClipped) {
    EXPECT_EQ(m_test.Title->TextAlignment, 2);
    EXPECT_NE(m_reference.Title->TextAlignment, 2);
    EXPECT_GT(m_test.Title->RightWidth(), 0);
    EXPECT_NE(m_test.Title->RightWidth(), m_reference.Title->RightWidth());
}

TEST_F(TestSkinAgainstReference, HasAMenuBarTheReferenceLacks) {
    ASSERT_NE(m_test.MenuBar, nullptr);
    EXPECT_FALSE(m_test.MenuBar->Image.Empty());
    EXPECT_EQ(m_test.MenuBar->FrameCount, 2);
    EXPECT_EQ(m_reference.MenuBar, nullptr);
}

TEST_F(TestSkinAgainstReference, CaptionButtonsCoverEveryWindowState) {
    const skin::TDataSkinSysButton* restore = Button(m_test, 1, 1);
    const skin::TDataSkinSysButton* maximise = Button(m_test, 1, 2);
    const skin::TDataSkinSysButton* minimise = Button(m_test, 2, 8);
    ASSERT_NE(restore, nullptr);
    ASSERT_NE(maximise, nullptr);
    ASSERT_NE(minimise, nullptr);
    ASSERT_NE(Button(m_test, 0, 0), nullptr);
    for (const skin::TDataSkinSysButton* b : {restore, maximise, minimise}) {
        EXPECT_FALSE(b->Image.Empty()) << b->ElementName;
        EXPECT_EQ(b->Align, 1) << b->ElementName;
        // The button fits in the caption.
        EXPECT_LE(b->YCoord + b->Image.Height(), CaptionHeight(m_test)) << b->ElementName;
    }
    // Restore and maximise share one place, as only one of them shows at a time.
    EXPECT_EQ(restore->XCoord, maximise->XCoord);
}

TEST_F(TestSkinTest, HelpTellsHowToMakeAndTryASkin) {
    ASSERT_EQ(Run({"--help"}), 0);
    const std::string help = m_out.str();
    for (const char* needle : {"draw-reference", "draw-test-skin", "Skin.ini", "skinpack pack", "uirun",
                               "taxitrainer --skin", "start --skin"})
        EXPECT_NE(help.find(needle), std::string::npos) << needle;
    EXPECT_EQ(Run({"draw-test-skin"}), 2);
}

} // namespace
