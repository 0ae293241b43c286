// The tab set under its skinner: the selected tab in frame 2 (5 with the focus) up to the top edge, the
// others lower in frame 1 and frame 3 under the pointer, all frame 4 when disabled, the strip in the skin's
// face colour or the parent's background; the control still switching tabs by mouse and keys; no change at
// all without a Tabs image; and a form's walk giving a tab set this skinner.
#include "CommonControlsSkin.h"

#include "skin/controls/ControlRecognizer.h"
#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinTab31.h"
#include "skin/data/SkinMessages.h"

#include "toolkit/TTabSet.h"

#include <memory>

using namespace skinner_tests;
using namespace skin;

namespace {

// The frame's side of recognition, building what the factory makes for a toolkit control.
class BuildingHost : public RecognitionHost {
public:
    explicit BuildingHost(const SkinnerContext& context) : m_context(context) {}

    bool ListsSkinnerFor(const tk::TControl*) const override { return false; }
    bool ListsSkinnerFor(win::HWND) const override { return false; }
    void AttachToControl(tk::TControl* control, const SkinnerRequest& request) override {
        if (TSkinControl* skinner = MakeSkinner(request.kind, control))
            skinner->AttachToControl(control, m_context);
    }
    void AttachToWindow(win::HWND, SkinnerKind) override {}
    void AdoptSkinner(tk::TControl*, tk::TComponent*) override {}
    tk::TComponent* Frame() override { return nullptr; }
    void DropDeadSkinners() override {}
    void SkinPopupMenus() override {}

private:
    SkinnerContext m_context;
};

class TabSetSkin : public CommonControlsSkin {
protected:
    tk::TTabSet* MakeTabSet() {
        auto* tabs = new tk::TTabSet(m_form);
        tabs->SetBounds(10, 10, 300, 24);
        tabs->SetParent(m_form);
        tabs->SetTabs("One\nTwo\nThree");
        tabs->SetTabIndex(0);
        tabs->OnChange = [this](tk::TObject*) { ++m_changes; };
        Settle();
        return tabs;
    }
    // A point of tab `index` its caption does not cover: at the top edge, or below where the others start.
    static std::uint32_t TopOf(tk::TTabSet* tabs, int index) {
        return PixelOf(tabs->Handle(), tabs->TabRect(index).left + 1, 0);
    }
    static std::uint32_t LowestOf(tk::TTabSet* tabs, int index) {
        const win::RECT tab = tabs->TabRect(index);
        return PixelOf(tabs->Handle(), tab.left + 1, tab.bottom - 1);
    }
    static std::uint32_t BodyOf(tk::TTabSet* tabs, int index) {
        return PixelOf(tabs->Handle(), tabs->TabRect(index).left + 1, 4);
    }

    int m_changes = 0;
};

} // namespace

TEST_F(TabSetSkin, SelectedNormalAndHotTabsShowTheirFramesAndTheControlStillSwitches) {
    LoadSkin(CommonControlsPackage());
    tk::TTabSet* tabs = MakeTabSet();
    Skin<TSkinTab31>(tabs);
    EXPECT_EQ(TopOf(tabs, 0), FrameColour(kTab, 2)) << "the selected tab breaks the edge";
    EXPECT_EQ(TopOf(tabs, 1), kSkinShadow) << "the others hang from it";
    EXPECT_EQ(BodyOf(tabs, 1), FrameColour(kTab, 1));
    EXPECT_EQ(LowestOf(tabs, 0), FrameColour(kTab, 2)) << "the selected tab reaches lowest";
    EXPECT_EQ(LowestOf(tabs, 1), kSkinFace);
    EXPECT_EQ(PixelOf(tabs->Handle(), 295, 12), kSkinFace) << "the strip past the last tab";

    const win::RECT second = tabs->TabRect(1);
    MoveTo(tabs, second.left + 3, 8);
    EXPECT_EQ(BodyOf(tabs, 1), FrameColour(kTab, 3)) << "hot";
    EXPECT_EQ(BodyOf(tabs, 2), FrameColour(kTab, 1));
    MoveTo(tabs, 295, 12);
    EXPECT_EQ(BodyOf(tabs, 1), FrameColour(kTab, 1)) << "the pointer left it";

    ClickAt(tabs, second.left + 3, 8);
    EXPECT_EQ(tabs->TabIndex(), 1) << "the press still selects";
    EXPECT_EQ(m_changes, 1);
    EXPECT_EQ(TopOf(tabs, 1), FrameColour(kTab, 5)) << "selected, with the focus the press gave";
    EXPECT_EQ(TopOf(tabs, 0), kSkinShadow);
    EXPECT_EQ(BodyOf(tabs, 0), FrameColour(kTab, 1));

    m_display->Key(win::VK_RIGHT);
    Settle();
    EXPECT_EQ(tabs->TabIndex(), 2) << "the keys still move it";
    EXPECT_EQ(m_changes, 2);
    EXPECT_EQ(TopOf(tabs, 2), FrameColour(kTab, 5));
    EXPECT_EQ(BodyOf(tabs, 1), FrameColour(kTab, 3)) << "no longer selected, still under the pointer";
}

TEST_F(TabSetSkin, TheTabImageIsDrawnUpsideDownAsTheTabsHang) {
    // A tab whose top rows (its rounded end) are a colour of their own.
    constexpr std::uint32_t kEnd = 0x00F0F0;
    const std::string ini = "[Tabs]\r\nImage=t.bmp\r\n";
    LoadSkin(skintest::Package(ini, {{"t.bmp", skintest::Bmp24(25 * 5, 19, [](int x, int y) {
                                          return y < 3 ? kEnd : FrameColour(kTab, x / 25 + 1);
                                      })}}));
    tk::TTabSet* tabs = MakeTabSet();
    Skin<TSkinTab31>(tabs);
    EXPECT_EQ(LowestOf(tabs, 0), kEnd) << "the end of the tab is at the bottom";
    EXPECT_EQ(TopOf(tabs, 0), FrameColour(kTab, 2));
}

TEST_F(TabSetSkin, DisabledFramesAndTheParentUnderATransparentOne) {
    LoadSkin(CommonControlsPackage());
    tk::TTabSet* tabs = MakeTabSet();
    tabs->SetTag(TSkinControl::kTransparentTag);
    Skin<TSkinTab31>(tabs);
    EXPECT_EQ(PixelOf(tabs->Handle(), 295, 12), kFormColour) << "past the last tab";
    EXPECT_EQ(LowestOf(tabs, 1), kFormColour) << "below a tab that is not selected";
    tabs->SetEnabled(false);
    Settle();
    EXPECT_EQ(TopOf(tabs, 0), FrameColour(kTab, 4));
    EXPECT_EQ(BodyOf(tabs, 1), FrameColour(kTab, 4));
    EXPECT_EQ(BodyOf(tabs, 2), FrameColour(kTab, 4));
}

TEST_F(TabSetSkin, WithoutATabsImageTheTabSetKeepsItsOwnLook) {
    LoadSkin(CommonControlsPackage(false));
    tk::TTabSet* tabs = MakeTabSet();
    Redraw(tabs->Handle());
    const auto own = Face(tabs->Handle());
    std::unique_ptr<TSkinControl> skinner(MakeSkinner(SkinnerKind::Tab31, nullptr));
    ASSERT_NE(skinner, nullptr);
    skinner->AttachToControl(tabs, Context());
    Redraw(tabs->Handle());
    EXPECT_EQ(Face(tabs->Handle()), own);
    ClickAt(tabs, tabs->TabRect(1).left + 3, 8);
    EXPECT_EQ(tabs->TabIndex(), 1);
    skinner.reset();
}

TEST_F(TabSetSkin, WalkingAFormGivesItsTabSetThisSkinner) {
    LoadSkin(CommonControlsPackage());
    tk::TTabSet* tabs = MakeTabSet();
    BuildingHost host(Context());
    ControlRecognizer(*m_skin, host).WalkToolkitForm(m_form);
    Settle();
    EXPECT_EQ(win::SendMessageA(tabs->Handle(), SkinMsgQuery, 0, 0), 1);
    ASSERT_EQ(m_owner.skinners.size(), 1u);
    EXPECT_EQ(m_owner.skinners.front()->ClassName(), "TSkinTab31");
    EXPECT_EQ(m_owner.skinners.front()->Control(), tabs);
    Redraw(tabs->Handle());
    EXPECT_EQ(TopOf(tabs, 0), FrameColour(kTab, 2));
}
