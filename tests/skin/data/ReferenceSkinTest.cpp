// The reference skin the build draws and packs: the elements ApplySkin makes of it, and a contact sheet of
// every image (reference-skin.png in the build folder) for looking at it.
#include "TestSkin.h"

#include "skin/data/TSkinElements.h"
#include "skin/package/TSkinReader.h"

#include "platform/gdi/GdiInternal.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

class ReferenceSkin : public testing::Test {
protected:
    void SetUp() override {
        m_container = skintest::ReadFileBytes(skintest::ReferenceSkinPath());
        ASSERT_FALSE(m_container.empty()) << "the build makes " << skintest::ReferenceSkinPath();
        ASSERT_TRUE(m_skin.LoadPackage(m_container));
    }
    skintest::Bytes m_container;
    TSkinElements m_skin;
};

struct Expected {
    const char* name;
    int action, align, x, y, visibility, visibility1, frames;
    bool image;
};

} // namespace

TEST_F(ReferenceSkin, FiveCaptionButtonsAndThreeMdiButtons) {
    const Expected expected[] = {
        {"BUTTON0", 0, 1, 25, 5, 0, 0, 6, true},           {"BUTTON1", 1, 1, 49, 5, 2, 6, 6, true},
        {"BUTTON2", 2, 1, 73, 5, 8, 0, 6, true},           {"BUTTON3", 1, 1, 49, 5, 1, 0, 6, true},
        {"BUTTON4", 3, 0, 8, 7, 0, 0, 6, false},           {"MDICONTROLS", 7, 100, 51, 0, 100, 100, 4, true},
        {"MDICONTROLS", 8, 100, 34, 0, 100, 100, 4, true}, {"MDICONTROLS", 9, 100, 17, 0, 100, 100, 4, true},
    };
    ASSERT_EQ(m_skin.SysButtons.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TDataSkinSysButton& b = *m_skin.SysButtons[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(b.ElementName, e.name);
        EXPECT_EQ(b.Action, e.action);
        EXPECT_EQ(b.Align, e.align);
        EXPECT_EQ(b.XCoord, e.x);
        EXPECT_EQ(b.YCoord, e.y);
        EXPECT_EQ(b.Visibility, e.visibility);
        EXPECT_EQ(b.Visibility1, e.visibility1);
        EXPECT_EQ(b.FrameCount, e.frames);
        EXPECT_EQ(!b.Image.Empty(), e.image);
    }
    EXPECT_EQ(m_skin.SysButtons[0]->Image.Width(), 126);
    EXPECT_EQ(m_skin.SysButtons[5]->Image.Width(), 52);
    EXPECT_EQ(m_skin.SysButtons[5]->Image.Height(), 13);
}

TEST_F(ReferenceSkin, ElementsCarryTheTableValues) {
    EXPECT_EQ(m_skin.SkinName, "Reference Blue");
    EXPECT_EQ(m_skin.Buttons->RightWidth(), 7);
    EXPECT_EQ(m_skin.Buttons->LeftWidth(), 9);
    EXPECT_EQ(m_skin.Buttons->Trans, 1);
    EXPECT_EQ(m_skin.Buttons->CheckFrameCount, 12);
    EXPECT_EQ(m_skin.Buttons->RadioFrameCount, 8);
    EXPECT_EQ(m_skin.Buttons->CheckImage.Width(), 156);
    EXPECT_EQ(m_skin.BorderTop->Image.Height(), 58);
    EXPECT_EQ(m_skin.BorderTop->LeftWidth(), 30);
    EXPECT_EQ(m_skin.BorderTop->RightWidth(), 35);
    EXPECT_EQ(m_skin.BorderLeft->TopHeight(), 29);
    EXPECT_EQ(m_skin.BorderLeft->BottomHeight(), 5);
    EXPECT_EQ(m_skin.BorderBottom->Trans, 0);
    EXPECT_EQ(m_skin.Title->LeftWidth(), 16);
    EXPECT_EQ(m_skin.Title->RightWidth(), 80);
    EXPECT_EQ(m_skin.Progress->FrameCount, 1);
    EXPECT_EQ(m_skin.Progress->Tile, 1);
    EXPECT_EQ(m_skin.Headerbar->FrameCount, 4);
    EXPECT_EQ(m_skin.HorzScrollThumb->FrameCount, 4);
    EXPECT_EQ(m_skin.Scrollbar->Image.PixelFormat(), 32);
    EXPECT_EQ(m_skin.UpDownVert->SecondImage.Width(), 56);
    EXPECT_EQ(m_skin.UpDownVert->SecondImage.PixelFormat(), 8);
    EXPECT_EQ(m_skin.UpDownHorz->SecondImage.Height(), 7);
    EXPECT_EQ(m_skin.TrackbarThumbDown->FrameCount, 5);
    EXPECT_EQ(m_skin.TrackbarThumbVert, nullptr);
    EXPECT_EQ(m_skin.ComboButton->FrameCount, 4);
    EXPECT_EQ(m_skin.ComboxArrow->Image.Width(), 60) << "no SunkEdge: the button image itself";
    EXPECT_EQ(m_skin.SkinColours[scButtonFace], 0xFAE6D5u);
    EXPECT_EQ(m_skin.SkinColours[scMenubar], 0xD4854Du);
    EXPECT_FALSE(m_skin.SkinColourGiven[scWindowText]);
    // The caption colour is sampled from the active caption: a saturated blue.
    const tk::TColor caption = m_skin.SkinColours[scCaption];
    EXPECT_GT((caption >> 16) & 0xFF, (caption & 0xFF) + 60);
}

TEST_F(ReferenceSkin, EveryImageHasItsSizeAndNoDrawnPixelIsAccidentallyMagenta) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(m_container));
    EXPECT_EQ(reader.Header().Format, 70000);
    EXPECT_EQ(reader.EntryCount(), 35);
    EXPECT_NE(reader.EntryName(34).find(".ini"), std::string::npos);
    int images = 0;
    for (int i = 0; i < reader.EntryCount(); ++i) {
        if (reader.EntryName(i).find(".bmp") == std::string::npos)
            continue;
        std::vector<std::uint8_t> bytes;
        reader.ExtractIndex(i, bytes);
        TSkinBitmap b;
        std::string error;
        EXPECT_TRUE(b.LoadFromBmp(bytes, &error)) << reader.EntryName(i) << ": " << error;
        ++images;
    }
    EXPECT_EQ(images, 34);
}

// Every image enlarged four times, one per row, on a grey sheet; magenta shows where a skin is transparent.
TEST_F(ReferenceSkin, ContactSheet) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(m_container));
    constexpr int kScale = 4, kGap = 6;
    std::vector<std::unique_ptr<TSkinBitmap>> images;
    int width = 0, height = kGap;
    for (int i = 0; i < reader.EntryCount(); ++i) {
        std::vector<std::uint8_t> bytes;
        reader.ExtractIndex(i, bytes);
        auto b = std::make_unique<TSkinBitmap>();
        if (!b->LoadFromBmp(bytes))
            continue;
        width = std::max(width, b->Width() * kScale + 2 * kGap);
        height += b->Height() * kScale + kGap;
        images.push_back(std::move(b));
    }
    TSkinBitmap sheet;
    ASSERT_TRUE(sheet.SetSize(width, height, 0x808080));
    int y = kGap;
    for (const auto& b : images) {
        for (int row = 0; row < b->Height() * kScale; ++row)
            for (int col = 0; col < b->Width() * kScale; ++col)
                sheet.SetPixel(kGap + col, y + row, b->Pixel(col / kScale, row / kScale));
        y += b->Height() * kScale + kGap;
    }
    const std::string path = std::string(TAXI_BINARY_DIR) + "/reference-skin.png";
    std::string error;
    ASSERT_TRUE(win::gdi::WritePng(*win::gdi::SurfaceOfBitmap(sheet.Handle()), path.c_str(), &error))
        << error;
}
