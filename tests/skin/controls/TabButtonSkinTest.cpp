// Button-style tab controls under their skinner: every tab a push button from the Buttons element (the
// selected one down, or in the focus frame with the focus; the hot one hot; all disabled on a disabled
// control, with the disabled text colour), the skin's face colour around them, the control's own clicks,
// and the control's own look when the skin has no button image or the control draws plain tabs.
#include "CommonControlsSkin.h"

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinTab.h"
#include "skin/controls/TSkinTabBtn.h"

#include <memory>

using namespace skinner_tests;
using namespace skin;

namespace {

class TabButtonSkin : public CommonControlsSkin {
protected:
    win::HWND MakeTabs(win::DWORD style) {
        const win::HWND hwnd = MakeNative(win::WC_TABCONTROLA, style, 10, 10, 300, 60);
        for (const char* text : {"One", "Two", "Three"}) {
            win::TCITEMA item{};
            item.mask = win::TCIF_TEXT;
            item.pszText = const_cast<char*>(text);
            win::SendMessageA(hwnd, win::TCM_INSERTITEMA, 10, reinterpret_cast<win::LPARAM>(&item));
        }
        Redraw(hwnd);
        return hwnd;
    }
    static win::RECT TabRect(win::HWND hwnd, int index) {
        win::RECT r{};
        win::SendMessageA(hwnd, win::TCM_GETITEMRECT, static_cast<win::WPARAM>(index),
                          reinterpret_cast<win::LPARAM>(&r));
        return r;
    }
    // A point on the button's top edge, clear of its rounded corner and of the caption.
    static std::uint32_t ButtonPixel(win::HWND hwnd, int index) {
        const win::RECT r = TabRect(hwnd, index);
        return PixelOf(hwnd, r.left + 4, r.top + 2);
    }
};

} // namespace

TEST_F(TabButtonSkin, SelectedIsDownHotFollowsThePointerAndClicksStillSelect) {
    LoadSkin(ControlsPackage(0, 0));
    const win::HWND hwnd = MakeTabs(win::TCS_BUTTONS);
    TSkinTabBtn skinner(nullptr);
    skinner.AttachToWindow(hwnd, Context());
    Redraw(hwnd);
    ASSERT_NE(win::GetFocus(), hwnd);
    EXPECT_EQ(ButtonPixel(hwnd, 0), kFrameColour[2]) << "selected: down";
    EXPECT_EQ(ButtonPixel(hwnd, 1), kFrameColour[1]);
    EXPECT_EQ(PixelOf(hwnd, 150, 50), kSkinFace) << "no pane: the face colour under the buttons";
    const win::RECT first = TabRect(hwnd, 0);
    EXPECT_EQ(PixelOf(hwnd, first.left, first.top), kSkinFace) << "and through the rounded corner";

    const win::RECT second = TabRect(hwnd, 1);
    MoveToWindow(hwnd, second.left + 5, second.top + 5);
    EXPECT_EQ(ButtonPixel(hwnd, 1), kFrameColour[4]) << "hot";
    MoveToWindow(hwnd, first.left + 5, first.top + 5);
    EXPECT_EQ(ButtonPixel(hwnd, 1), kFrameColour[1]);
    EXPECT_EQ(ButtonPixel(hwnd, 0), kFrameColour[2]) << "the selected tab stays down under the pointer";

    MoveToWindow(hwnd, second.left + 5, second.top + 5);
    m_display->MouseDown();
    m_display->MouseUp();
    Settle();
    EXPECT_EQ(win::SendMessageA(hwnd, win::TCM_GETCURSEL, 0, 0), 1) << "the click still selects";
    ASSERT_EQ(win::GetFocus(), hwnd);
    EXPECT_EQ(ButtonPixel(hwnd, 1), kFrameColour[5]) << "selected with the focus";
    EXPECT_EQ(ButtonPixel(hwnd, 0), kFrameColour[1]);

    win::SetFocus(m_form->Handle());
    Settle();
    EXPECT_EQ(ButtonPixel(hwnd, 1), kFrameColour[2]) << "the focus gone";
}

TEST_F(TabButtonSkin, DisabledControlShowsEveryTabDisabled) {
    LoadSkin(ControlsPackage(0, 0));
    const win::HWND hwnd = MakeTabs(win::TCS_FLATBUTTONS);
    TSkinTabBtn skinner(nullptr);
    skinner.AttachToWindow(hwnd, Context());
    Redraw(hwnd);
    const std::uint32_t shadowText = Ref(win::GetSysColor(win::COLOR_BTNSHADOW));
    EXPECT_EQ(CountColour(hwnd, shadowText), 0);

    win::EnableWindow(hwnd, win::FALSE);
    Redraw(hwnd);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ButtonPixel(hwnd, i), kFrameColour[3]) << "tab " << i;
    EXPECT_GT(CountColour(hwnd, shadowText), 0) << "captions in the button-shadow colour";
}

TEST_F(TabButtonSkin, ControlKeepsItsOwnLookWhereTheSkinDoesNotDrawIt) {
    LoadSkin(ControlsPackage(0, 0, false));
    const win::HWND hwnd = MakeTabs(win::TCS_BUTTONS);
    const auto classic = Face(hwnd);
    const std::unique_ptr<TSkinControl> skinner(MakeSkinner(SkinnerKind::TabBtn, nullptr));
    ASSERT_TRUE(dynamic_cast<TSkinTabBtn*>(skinner.get()));
    skinner->AttachToWindow(hwnd, Context());
    Redraw(hwnd);
    EXPECT_EQ(Face(hwnd), classic) << "no button image";
    skinner->Detach();

    LoadSkin(CommonControlsPackage());
    TSkinTab tabs(nullptr);
    tabs.AttachToWindow(hwnd, Context());
    Redraw(hwnd);
    EXPECT_EQ(Face(hwnd), classic) << "the plain tab skinner leaves button tabs alone";
    tabs.Detach();

    LoadSkin(ControlsPackage(0, 0));
    const win::HWND plain = MakeTabs(0);
    const auto plainLook = Face(plain);
    TSkinTabBtn buttons(nullptr);
    buttons.AttachToWindow(plain, Context());
    Redraw(plain);
    EXPECT_EQ(Face(plain), plainLook) << "plain tabs are not drawn as buttons";
}

TEST(TabButtonFrames, SelectedStaysDownAndShowsTheFocus) {
    const auto frame = [](bool selected, bool hot, bool focused, bool disabled) {
        return PushButtonFrame(TSkinTabBtn::TabState(selected, hot, focused, disabled));
    };
    EXPECT_EQ(frame(false, false, false, false), 1);
    EXPECT_EQ(frame(true, true, false, false), 2) << "hot does not lift the selected tab";
    EXPECT_EQ(frame(true, true, true, false), 5) << "nor hide its focus";
    EXPECT_EQ(frame(false, true, true, false), 4) << "the focus belongs to the selected tab alone";
    EXPECT_EQ(frame(true, false, true, true), 3) << "disabled wins";
}
