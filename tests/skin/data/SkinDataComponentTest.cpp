// TSkinData as a component: constructor values, published properties, SkinStream, SkinFile and Loaded.
#include "TestSkin.h"

#include "skin/data/TSkinData.h"

#include "toolkit/LayoutReader.h"
#include "toolkit/Property.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace skin;

namespace {

// Loaded is protected: the toolkit's loading path calls it.
void RunLoaded(TSkinData& data) {
    data.BeginLoading();
    data.EndLoading();
}

skintest::Bytes Streamed(const skintest::Bytes& container) {
    const auto n = static_cast<std::uint32_t>(container.size());
    skintest::Bytes out(4 + container.size());
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(n >> (8 * i));
    std::copy(container.begin(), container.end(), out.begin() + 4);
    return out;
}

} // namespace

TEST(SkinDataComponent, ConstructorValuesAndClassRegistration) {
    TSkinData data(nullptr);
    EXPECT_FALSE(data.Active());
    EXPECT_EQ(data.DisableTag(), 99);
    EXPECT_EQ(data.SkinControls() & Bit(xcMenuItem), 0u);
    EXPECT_EQ(data.SkinControls() & Bit(xcFastReport), 0u);
    EXPECT_NE(data.SkinControls() & Bit(xcSystemMenu), 0u);
    EXPECT_NE(data.SkinControls() & Bit(xcMainMenu), 0u);
    EXPECT_EQ(data.Options(), Bit(xoPreview) | Bit(xoToolbarBK) | Bit(xoCaptionButtonHint));
    EXPECT_EQ(data.SkinFormtype(), sfMainform);
    EXPECT_TRUE(data.MenuUpdate());
    EXPECT_FALSE(data.MenuMerge());
    EXPECT_TRUE(data.SkinLoading);
    ASSERT_EQ(data.Skin3rd().size(), 118u);
    EXPECT_EQ(data.Skin3rd().front(), "TCategoryButtons=scrollbar");
    EXPECT_NE(std::find(data.Skin3rd().begin(), data.Skin3rd().end(), "TRzButton=button"),
              data.Skin3rd().end());
    EXPECT_NE(data.Buttons, nullptr);
    EXPECT_NE(data.BorderTop, nullptr);
    EXPECT_NE(data.Title, nullptr);
    EXPECT_NE(data.MenuGlyphs, nullptr);

    const tk::TClassInfo* info = tk::FindClass("TSkinData");
    ASSERT_NE(info, nullptr);
    std::unique_ptr<tk::TComponent> made(info->create(nullptr));
    EXPECT_EQ(made->ClassName(), "TSkinData");
}

TEST(SkinDataComponent, VersionAndSkinStoreIgnoreWhatIsWritten) {
    TSkinData data(nullptr);
    tk::SetPropertyValue(data, "Version", std::string("1.0"));
    EXPECT_EQ(std::get<std::string>(tk::GetPropertyValue(data, "Version")), "5.40.07.15");
    data.SetSkinStream(Streamed(skintest::Package("[Colours]\r\n")));
    tk::SetPropertyValue(data, "SkinStore", std::string("(Good)"));
    EXPECT_EQ(data.SkinStore(), "(none)");
    tk::SetPropertyValue(data, "SkinControls", tk::StringSet{"xcButton", "xcTab"});
    EXPECT_EQ(data.SkinControls(), Bit(xcButton) | Bit(xcTab));
    tk::SetPropertyValue(data, "Skin3rd", std::string("TFoo=button\r\nTBar=edit\r\n"));
    EXPECT_EQ(data.Skin3rd(), (std::vector<std::string>{"TFoo=button", "TBar=edit"}));
}

TEST(SkinDataComponent, SkinStreamRoundTripsAndLoadsTheSkin) {
    const skintest::Bytes container = skintest::Package("[TitlebarSkin]\r\nSkinName=Round trip\r\n");
    TSkinData data(nullptr);
    tk::SetPropertyValue(data, "SkinStream", Streamed(container));
    EXPECT_FALSE(data.SkinLoading);
    EXPECT_EQ(data.SkinName, "Round trip");
    EXPECT_EQ(data.StoredSkin(), container);
    EXPECT_EQ(std::get<tk::Bytes>(tk::GetPropertyValue(data, "SkinStream")), Streamed(container));

    TSkinData copy(nullptr);
    copy.SetSkinStream(data.SkinStream());
    EXPECT_EQ(copy.SkinName, "Round trip");

    TSkinData empty(nullptr);
    EXPECT_EQ(empty.SkinStream(), (tk::Bytes{0, 0, 0, 0}));
    empty.SetSkinStream(tk::Bytes{0, 0, 0, 0});
    empty.SetSkinStream(tk::Bytes{0xFF, 0xFF, 0xFF, 0xFF, 1, 2});
    empty.SetSkinStream(tk::Bytes{});
    EXPECT_TRUE(empty.StoredSkin().empty());
    EXPECT_TRUE(empty.SkinLoading);
}

TEST(SkinDataComponent, ACountBeyondTheStoredBytesIsRefused) {
    skintest::FailureCapture failures;
    TSkinData data(nullptr);
    skintest::Bytes streamed = Streamed(skintest::Package("[Colours]\r\n"));
    streamed.resize(streamed.size() - 3);
    data.SetSkinStream(streamed);
    EXPECT_TRUE(data.StoredSkin().empty());
    EXPECT_TRUE(data.SkinLoading);
    EXPECT_EQ(failures.messages.size(), 1u);
}

TEST(SkinDataComponent, AnUnknownFormatKeepsThePreviousSkinAndIsReportedOnce) {
    skintest::FailureCapture failures;
    TSkinData data(nullptr);
    data.SetSkinStream(Streamed(skintest::Package("[TitlebarSkin]\r\nSkinName=First\r\n")));
    ASSERT_FALSE(data.SkinLoading);
    skintest::Bytes other = skintest::Package("[TitlebarSkin]\r\nSkinName=Second\r\n");
    other[4] ^= 0xFF; // the first bits of the format number
    data.SetSkinStream(Streamed(other));
    EXPECT_EQ(data.SkinName, "First");
    EXPECT_TRUE(data.SkinLoading);
    EXPECT_EQ(failures.messages.size(), 1u);
}

TEST(SkinDataComponent, SkinFileLoadsAnExistingFileAndIgnoresAMissingOne) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "skin_data_test.skin";
    {
        const skintest::Bytes container = skintest::Package("[TitlebarSkin]\r\nSkinName=From file\r\n");
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(container.data()),
                  static_cast<std::streamsize>(container.size()));
    }
    TSkinData data(nullptr);
    data.SetSkinFile(path.string());
    EXPECT_EQ(data.SkinName, "From file");
    EXPECT_FALSE(data.SkinLoading);
    data.SetSkinFile((path.string() + ".missing"));
    EXPECT_TRUE(data.SkinLoading) << "stays marked as loading until a skin loads";
    EXPECT_EQ(data.SkinName, "From file");
    std::filesystem::remove(path);
}

TEST(SkinDataComponent, LoadedAdjustsTheControlSetAndClearsActiveWithoutASkin) {
    TSkinData withMenu(nullptr);
    withMenu.SetSkinControls(Bit(xcMainMenu) | Bit(xcMenuItem) | Bit(xcSystemMenu));
    withMenu.SetActive(true);
    RunLoaded(withMenu);
    EXPECT_EQ(withMenu.SkinControls(), Bit(xcMainMenu) | Bit(xcSystemMenu));
    EXPECT_FALSE(withMenu.Active()) << "no skin loaded";

    TSkinData without(nullptr);
    without.SetSkinStream(Streamed(skintest::Package("[Colours]\r\n")));
    without.SetSkinControls(Bit(xcMenuItem) | Bit(xcSystemMenu) | Bit(xcButton));
    without.SetActive(true);
    RunLoaded(without);
    EXPECT_EQ(without.SkinControls(), Bit(xcMenuItem) | Bit(xcButton));
    EXPECT_TRUE(without.Active());

    TSkinData dialog(nullptr);
    dialog.SetSkinFormtype(sfDialog);
    dialog.SetSkinControls(Bit(xcSystemMenu));
    RunLoaded(dialog);
    EXPECT_EQ(dialog.SkinControls(), Bit(xcSystemMenu));
}

TEST(SkinDataComponent, AStoredLayoutLoadsTheSkinAndRunsLoaded) {
    std::string hex;
    static const char* digits = "0123456789ABCDEF";
    for (std::uint8_t byte : Streamed(skintest::Package("[TitlebarSkin]\r\nSkinName=From layout\r\n"))) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    const std::string text = "object Form1: TComponent\n  object SkinData1: TSkinData\n    Active = true\n"
                             "    SkinControls = [xcMainMenu, xcMenuItem, xcButton, xcFastReport]\n"
                             "    Version = \"1.0\"\n    SkinStream = { " +
                             hex + " }\n  end\nend\n";
    tk::TComponent form(nullptr);
    tk::LayoutReader::ReadText(form, text, "form.layout");
    auto* data = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->SkinName, "From layout");
    EXPECT_FALSE(data->SkinLoading);
    EXPECT_TRUE(data->Active());
    EXPECT_EQ(data->SkinControls(), Bit(xcMainMenu) | Bit(xcButton) | Bit(xcFastReport));
    EXPECT_EQ(data->Version(), "5.40.07.15");
}
