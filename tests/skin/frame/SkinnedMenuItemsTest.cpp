// Menu items drawn from the skin: their width, which frame of the item image a state shows, separators from
// the second frame, the look without an item image, and giving the menu its own drawing back.
#include "skin/frame/SkinnedMenuItems.h"

#include "skin/data/TSkinData.h"

#include "TestSkin.h"

#include "toolkit/TApplication.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPopupMenu.h"

#include <gtest/gtest.h>

#include <memory>

using namespace skin;

namespace {

// Five frames of 10 x 12, each its own colour; magenta corners stand for the see-through pixels.
constexpr std::uint32_t kFrameColours[] = {0x101010, 0x202020, 0x303030, 0x404040, 0x505050};

skintest::Bytes ItemPackage(bool withItemImage) {
    std::string ini = "[Colours]\r\nMenu=1 2 3\r\nMenuText=4 5 6\r\nHilight=7 8 9\r\nHilightText=10 11 12\r\n"
                      "ButtonShadow=13 14 15\r\n";
    std::vector<std::pair<std::string, skintest::Bytes>> images;
    if (withItemImage) {
        ini += "[MenuItem]\r\nImage=item.bmp\r\nTopHeight=2\r\nBottomHeight=2\r\nLeftWidth=3\r\n"
               "Rightwidth=3\r\nFrame=5\r\nTrans=1\r\n";
        images.push_back({"item.bmp", skintest::Bmp24(50, 12, [](int x, int y) -> std::uint32_t {
                              if ((x % 10 == 0) && y == 0)
                                  return 0xFF00FF;
                              return kFrameColours[x / 10];
                          })});
    }
    return skintest::Package(ini, images);
}

class SkinnedMenuItemsTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk::InitializeToolkit();
        m_menu = std::make_unique<tk::TPopupMenu>(nullptr);
        for (const char* caption : {"Open", "-", "Close"}) {
            auto* item = new tk::TMenuItem(m_menu.get());
            item->SetCaption(caption);
            m_menu->Items()->Add(item);
        }
    }
    void TearDown() override {
        m_menu.reset();
        m_skin.reset();
        tk::FinalizeToolkit();
    }
    void Load(bool withItemImage) {
        m_skin = std::make_unique<TSkinData>(nullptr);
        ASSERT_TRUE(m_skin->LoadPackage(ItemPackage(withItemImage)));
    }
    tk::TMenuItem* Item(int i) { return m_menu->Items()->Items(i); }

    // The item drawn into a 60 x 20 bitmap at (0, 0); returns the pixel at (x, y).
    std::uint32_t DrawnPixel(tk::TMenuItem* item, bool selected, int x, int y, bool systemMenu = false) {
        TSkinBitmap target;
        EXPECT_TRUE(target.SetSize(60, 20, 0xABCDEF));
        win::HDC dc = win::CreateCompatibleDC(nullptr);
        win::HGDIOBJ old = win::SelectObject(dc, target.Handle());
        SkinnedMenuItems::Draw(m_skin.get(), item, dc, win::RECT{0, 0, 60, 20}, selected, systemMenu);
        const win::COLORREF c = win::GetPixel(dc, x, y);
        win::SelectObject(dc, old);
        win::DeleteDC(dc);
        return (win::GetRValue(c) << 16) | (win::GetGValue(c) << 8) | win::GetBValue(c);
    }

    std::unique_ptr<TSkinData> m_skin;
    std::unique_ptr<tk::TPopupMenu> m_menu;
};

TEST_F(SkinnedMenuItemsTest, ItemsWidenForTheSkinsEdgeAndTheGlyphColumn) {
    Load(true);
    int plainWidth = 0, plainHeight = 0;
    Item(0)->DefaultMeasureItem(nullptr, plainWidth, plainHeight);
    int width = 0, height = 0;
    SkinnedMenuItems::Measure(m_skin.get(), Item(0), nullptr, width, height, false);
    EXPECT_EQ(width, plainWidth + 3 + 10 + 25) << "item edge, the gap, and no image list";
    EXPECT_EQ(height, plainHeight);
    SkinnedMenuItems::Measure(m_skin.get(), Item(0), nullptr, width, height, true);
    EXPECT_EQ(width, plainWidth + 3 + 12) << "the system menu has the skin's glyphs";

    int lineWidth = 0, lineHeight = 0, skinnedLineWidth = 0, skinnedLineHeight = 0;
    Item(1)->DefaultMeasureItem(nullptr, lineWidth, lineHeight);
    SkinnedMenuItems::Measure(m_skin.get(), Item(1), nullptr, skinnedLineWidth, skinnedLineHeight, false);
    EXPECT_EQ(skinnedLineWidth, lineWidth);
    EXPECT_EQ(skinnedLineHeight, lineHeight);
}

TEST_F(SkinnedMenuItemsTest, SelectionShowsTheFourthFrameAndSeparatorsTheSecond) {
    Load(true);
    EXPECT_EQ(DrawnPixel(Item(0), false, 30, 10), kFrameColours[0]);
    EXPECT_EQ(DrawnPixel(Item(0), true, 30, 10), kFrameColours[3]);
    EXPECT_EQ(DrawnPixel(Item(1), false, 30, 10), kFrameColours[1]) << "the separator's line";
    EXPECT_EQ(DrawnPixel(Item(0), false, 0, 0), 0x010203u) << "a see-through corner shows the menu colour";
}

TEST_F(SkinnedMenuItemsTest, WithoutAnItemImageTheSkinsMenuColoursAreUsed) {
    Load(false);
    EXPECT_EQ(DrawnPixel(Item(0), false, 55, 2), 0x010203u);
    EXPECT_EQ(DrawnPixel(Item(0), true, 55, 2), 0x070809u);
    Item(0)->SetEnabled(false);
    EXPECT_EQ(DrawnPixel(Item(0), true, 55, 2), 0x010203u) << "a disabled item is never highlighted";
}

TEST_F(SkinnedMenuItemsTest, AttachReachesSubItemsAndDetachGivesTheMenuItsOwnDrawingBack) {
    Load(true);
    auto* sub = new tk::TMenuItem(m_menu.get());
    sub->SetCaption("Deeper");
    Item(2)->Add(sub);
    SkinnedMenuItems::Attach(m_menu.get(), m_skin.get(), false);
    EXPECT_TRUE(m_menu->OwnerDraw());
    EXPECT_TRUE(sub->OnDrawItem && sub->OnMeasureItem);
    int width = 0, height = 0, plainWidth = 0, plainHeight = 0;
    sub->MeasureItem(nullptr, width, height);
    sub->DefaultMeasureItem(nullptr, plainWidth, plainHeight);
    EXPECT_GT(width, plainWidth);
    SkinnedMenuItems::Detach(m_menu.get());
    EXPECT_FALSE(m_menu->OwnerDraw());
    EXPECT_FALSE(sub->OnDrawItem || Item(0)->OnMeasureItem);
}

} // namespace
