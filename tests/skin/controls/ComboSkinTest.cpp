// Combo boxes under a skinner: the drop button's frame for each state and the border in the skin's colours,
// the drop-down list's scroll bar drawn from the skin and kept so after a scroll, the box's own look without
// a combo image, and a box destroyed under its skinner.
#include "SkinnedControls.h"

#include "skin/controls/TSkinComBox.h"

using namespace skinner_tests;
using namespace skin;

namespace {

constexpr int kArrow = 16;
constexpr std::uint32_t kButton[5] = {0, 0x2060A0, 0x60A020, 0xA02060,
                                      0x808080}; // normal, hot, pressed, disabled
constexpr std::uint32_t kShadow = 0x5080BC;
constexpr std::uint32_t kThumb = 0x90C030;

// Arrow frame k (from 1; the grips from 17 on are see-through).
constexpr std::uint32_t ArrowColour(int k) {
    return static_cast<std::uint32_t>(0x0A0000 * k + 0x40);
}

skintest::Bytes ComboPackage(bool withCombo) {
    std::string ini = "[Scrollbar]\r\nImage=a.bmp\r\nTrans=1\r\n[VertScroll]\r\nImage=t.bmp\r\n"
                      "[VertScrollThumb]\r\nImage=m.bmp\r\n"
                      "[Colours]\r\nButtonFace=200 220 240\r\nButtonShadow=80 128 188\r\n";
    std::vector<std::pair<std::string, skintest::Bytes>> images = {
        {"a.bmp", skintest::Bmp24(
                      23 * kArrow, kArrow,
                      [](int x, int) { return x / kArrow < 16 ? ArrowColour(x / kArrow + 1) : kMagenta; })},
        {"t.bmp", skintest::SolidBmp(32, 8, 0x303090)},
        {"m.bmp", skintest::SolidBmp(24, 8, kThumb)}};
    if (withCombo) {
        ini += "[ComboButton]\r\nImage=c.bmp\r\n";
        images.push_back(
            {"c.bmp", skintest::Bmp24(4 * 15, 16, [](int x, int) { return kButton[x / 15 + 1]; })});
    }
    return skintest::Package(ini, images);
}

class ComboSkin : public SkinnedControls {
protected:
    win::HWND MakeCombo(int items) {
        win::HWND combo =
            win::CreateWindowExA(0, "combobox", "", win::WS_CHILD | win::WS_VISIBLE | win::CBS_DROPDOWNLIST,
                                 20, 20, 150, 120, m_form->Handle(), nullptr, nullptr, nullptr);
        for (int i = 0; i < items; ++i)
            win::SendMessageA(combo, win::CB_ADDSTRING, 0,
                              reinterpret_cast<win::LPARAM>(("item " + std::to_string(i)).c_str()));
        Settle();
        return combo;
    }
    static std::uint32_t WindowPixel(win::HWND hwnd, int x, int y) {
        win::HDC dc = win::GetWindowDC(hwnd);
        const win::COLORREF c = win::GetPixel(dc, x, y);
        win::ReleaseDC(hwnd, dc);
        return Ref(c);
    }
    // The middle of the drop button, in window coordinates.
    static win::POINT ButtonMiddle(win::HWND combo) {
        win::COMBOBOXINFO info{};
        win::GetComboBoxInfo(combo, &info);
        win::POINT p{(info.rcButton.left + info.rcButton.right) / 2,
                     (info.rcButton.top + info.rcButton.bottom) / 2};
        win::RECT window{};
        win::GetWindowRect(combo, &window);
        win::ClientToScreen(combo, &p);
        return {p.x - window.left, p.y - window.top};
    }
    std::uint32_t ButtonPixel(win::HWND combo) {
        const win::POINT p = ButtonMiddle(combo);
        return WindowPixel(combo, p.x, p.y - 4);
    }
};

} // namespace

TEST_F(ComboSkin, DropButtonShowsEachStateAndTheBorderIsTheSkins) {
    LoadSkin(ComboPackage(true));
    win::HWND combo = MakeCombo(3);
    TSkinComBox skinner(nullptr);
    skinner.AttachToWindow(combo, Context());
    Settle();
    EXPECT_EQ(ButtonPixel(combo), kButton[1]) << "normal";
    EXPECT_EQ(WindowPixel(combo, 0, 0), kShadow);
    EXPECT_EQ(WindowPixel(combo, 1, 5), kSkinFace);

    win::RECT window{};
    win::GetWindowRect(combo, &window);
    const win::POINT middle = ButtonMiddle(combo);
    m_display->MouseMove(window.left + middle.x, window.top + middle.y);
    Settle();
    EXPECT_EQ(ButtonPixel(combo), kButton[2]) << "hot";

    win::SendMessageA(combo, win::CB_SHOWDROPDOWN, win::TRUE, 0);
    Settle();
    EXPECT_EQ(ButtonPixel(combo), kButton[3]) << "pressed while the list is down";
    win::SendMessageA(combo, win::CB_SHOWDROPDOWN, win::FALSE, 0);

    win::EnableWindow(combo, win::FALSE);
    Settle();
    EXPECT_EQ(ButtonPixel(combo), kButton[4]) << "disabled wins";
}

TEST_F(ComboSkin, DropDownListBarIsSkinnedAndStaysSoAfterAScroll) {
    LoadSkin(ComboPackage(true));
    win::HWND combo = MakeCombo(40);
    TSkinComBox skinner(nullptr);
    skinner.AttachToWindow(combo, Context());
    win::SendMessageA(combo, win::CB_SHOWDROPDOWN, win::TRUE, 0);
    Settle();
    ASSERT_NE(skinner.ListBar(), nullptr);
    const win::HWND list = skinner.ListBar()->Window();
    ScrollbarLook look;
    win::RECT where{};
    ASSERT_TRUE(skinner.ListBar()->CurrentLook(look, where)) << "forty items need a bar";
    EXPECT_EQ(WindowPixel(list, where.left + 8, where.bottom - 4), ArrowColour(13)) << "down arrow";
    EXPECT_EQ(WindowPixel(list, where.left + 8, where.top + look.thumb.start + 1), kThumb);

    win::SendMessageA(list, win::WM_MOUSEWHEEL, win::MAKEWPARAM(0, static_cast<win::WORD>(-120)), 0);
    Settle();
    ASSERT_TRUE(skinner.ListBar()->CurrentLook(look, where));
    EXPECT_GT(look.thumb.start, kArrow) << "the list scrolled";
    EXPECT_EQ(WindowPixel(list, where.left + 8, where.top + look.thumb.start + 1), kThumb)
        << "the moved thumb is drawn from the skin";
    win::SendMessageA(combo, win::CB_SHOWDROPDOWN, win::FALSE, 0);
}

TEST_F(ComboSkin, WithoutAComboImageTheBoxKeepsItsOwnLook) {
    LoadSkin(ComboPackage(false));
    win::HWND combo = MakeCombo(3);
    const std::uint32_t own = ButtonPixel(combo);
    const std::uint32_t corner = WindowPixel(combo, 0, 0);
    TSkinComBox skinner(nullptr);
    skinner.AttachToWindow(combo, Context());
    Settle();
    EXPECT_EQ(ButtonPixel(combo), own);
    EXPECT_EQ(WindowPixel(combo, 0, 0), corner);
}

TEST_F(ComboSkin, ABoxDestroyedUnderItsSkinnerLeavesBothSkinnersDead) {
    LoadSkin(ComboPackage(true));
    win::HWND combo = MakeCombo(40);
    TSkinComBox skinner(nullptr);
    skinner.AttachToWindow(combo, Context());
    win::SendMessageA(combo, win::CB_SHOWDROPDOWN, win::TRUE, 0);
    Settle();
    ASSERT_NE(skinner.ListBar(), nullptr);
    win::DestroyWindow(combo);
    Settle();
    EXPECT_TRUE(skinner.Dead());
    EXPECT_TRUE(skinner.ListBar()->Dead());
    skinner.ListBar()->PaintBar();
    skinner.SkinChanged();
    skinner.Detach();
}
