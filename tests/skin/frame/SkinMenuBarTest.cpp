// The skinned menu bar: where its buttons go with and without the skin's MenuBar element and from the right,
// hit-testing, the hot frame and the disabled caption in the skin's colours, opening by accelerator, the
// arrow keys and the pointer moving along the bar (wrapping, over invisible items) while a drop-down is open,
// and the menu-loop hook gone afterwards.
#include "skin/frame/TWinSkinMenu.h"

#include "skin/data/TSkinData.h"

#include "TestSkin.h"

#include "toolkit/TApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace skin;

namespace {

constexpr std::uint32_t kHilight = 0xFA0000;
constexpr std::uint32_t kShadow = 0x0000FA;
constexpr std::uint32_t kBarText = 0x00FA00;
constexpr std::uint32_t kBarImage = 0x808080;
const win::RECT kBar{4, 30, 296, 49};

skintest::Bytes BarPackage(bool withElement) {
    std::string ini = "[Colours]\r\nButtonHilight=250 0 0\r\nButtonShadow=0 0 250\r\nMenuBarText=0 250 0\r\n"
                      "ButtonFace=255 255 255\r\n";
    std::vector<std::pair<std::string, skintest::Bytes>> images;
    if (withElement) {
        ini += "[Personality]\r\nmenuBar=bar.bmp\r\nTileLeftMenu=7\r\nTileRightMenu=9\r\n";
        images.push_back({"bar.bmp", skintest::SolidBmp(40, 19, kBarImage)});
    }
    return skintest::Package(ini, images);
}

struct Seen {
    std::vector<win::POINT> presses; // screen points of WM_NCLBUTTONDOWN
    std::vector<win::UINT> commands;
    TWinSkinMenu* menu = nullptr;
};
Seen* g_seen = nullptr;

// What the frame does with the bar's messages, as far as these tests need.
win::LRESULT CALLBACK HostProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (g_seen) {
        switch (msg) {
        case win::WM_NCLBUTTONDOWN:
            g_seen->presses.push_back({win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)});
            return 0;
        case win::WM_COMMAND:
            g_seen->commands.push_back(win::LOWORD(static_cast<win::DWORD>(wParam)));
            return 0;
        case win::WM_MENUSELECT:
            if (g_seen->menu)
                g_seen->menu->MenuSelect(wParam, lParam);
            return 0;
        default: break;
        }
    }
    return win::DefWindowProcA(hwnd, msg, wParam, lParam);
}

class SkinMenuBar : public ::testing::Test {
protected:
    void SetUp() override {
        tk::InitializeToolkit();
        g_seen = &m_seen;
        win::WNDCLASSEXA existing;
        if (!win::GetClassInfoExA(nullptr, "SkinMenuBarHost", &existing)) {
            win::WNDCLASSEXA wc;
            wc.lpfnWndProc = &HostProc;
            wc.lpszClassName = "SkinMenuBarHost";
            win::RegisterClassExA(&wc);
        }
        m_window =
            win::CreateWindowExA(0, "SkinMenuBarHost", "Bar", win::WS_OVERLAPPEDWINDOW | win::WS_VISIBLE, 40,
                                 40, 300, 200, nullptr, nullptr, nullptr, nullptr);
        m_bar = win::CreateMenu();
        AddPopup("&File", 101);
        win::AppendMenuA(m_bar, win::MF_SEPARATOR, 0, nullptr);
        AddPopup("&Edit", 201);
        AddPopup("&Help", 301);
        win::EnableMenuItem(m_bar, 2, win::MF_BYPOSITION | win::MF_GRAYED);
    }
    void TearDown() override {
        m_menu.reset();
        g_seen = nullptr;
        win::DestroyWindow(m_window);
        win::DestroyMenu(m_bar);
        m_skin.reset();
        tk::FinalizeToolkit();
    }
    void AddPopup(const char* caption, win::UINT firstId) {
        win::HMENU popup = win::CreatePopupMenu();
        win::AppendMenuA(popup, win::MF_STRING, firstId, "One");
        win::AppendMenuA(popup, win::MF_STRING, firstId + 1, "Two");
        win::AppendMenuA(m_bar, win::MF_POPUP, reinterpret_cast<win::UINT_PTR>(popup), caption);
    }
    void Build(bool withElement, bool rightToLeft = false, win::RECT bar = kBar) {
        m_skin = std::make_unique<TSkinData>(nullptr);
        ASSERT_TRUE(m_skin->LoadPackage(BarPackage(withElement)));
        m_menu = std::make_unique<TWinSkinMenu>(nullptr);
        m_seen.menu = m_menu.get();
        m_menu->Build(m_skin.get(), m_window, m_bar);
        m_menu->Layout(bar, rightToLeft);
    }
    const win::RECT& Rect(int i) const { return m_menu->Buttons()[static_cast<std::size_t>(i)].rect; }
    static void Pump() {
        win::MSG m;
        for (int i = 0; i < 1000 && win::PeekMessageA(&m, nullptr, 0, 0, win::PM_REMOVE); ++i)
            win::DispatchMessageA(&m);
    }
    void PostKey(win::UINT vk) { win::PostMessageA(m_window, win::WM_KEYDOWN, vk, 0); }
    // The button the loop handed the window a press for, after opening `index` with `key` waiting.
    int SwitchedTo(int index, win::UINT key) {
        m_seen.presses.clear();
        PostKey(key);
        m_menu->Open(index);
        Pump();
        if (m_seen.presses.size() != 1)
            return -2;
        win::RECT window;
        win::GetWindowRect(m_window, &window);
        return m_menu->ButtonAt({m_seen.presses[0].x - window.left, m_seen.presses[0].y - window.top});
    }
    // The bar painted into a bitmap of the window's size; the pixel colours of `rect` (0x00RRGGBB).
    std::vector<std::uint32_t> Pixels(const win::RECT& rect) {
        TSkinBitmap target;
        EXPECT_TRUE(target.SetSize(300, 60, 0x123456));
        win::HDC dc = win::CreateCompatibleDC(nullptr);
        win::HGDIOBJ old = win::SelectObject(dc, target.Handle());
        m_menu->Paint(dc);
        win::SelectObject(dc, old);
        win::DeleteDC(dc);
        std::vector<std::uint32_t> out;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                out.push_back(target.Pixel(x, y));
        return out;
    }
    static bool Has(const std::vector<std::uint32_t>& pixels, std::uint32_t colour) {
        return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
    }

    Seen m_seen;
    win::HWND m_window = nullptr;
    win::HMENU m_bar = nullptr;
    std::unique_ptr<TSkinData> m_skin;
    std::unique_ptr<TWinSkinMenu> m_menu;
};

TEST_F(SkinMenuBar, ButtonsStartSixInWithoutTheElementAndFollowEachOther) {
    Build(false);
    ASSERT_EQ(m_menu->Buttons().size(), 4u);
    EXPECT_EQ(Rect(0).left, kBar.left + 6);
    EXPECT_EQ(Rect(0).top, kBar.top);
    EXPECT_EQ(Rect(0).bottom, kBar.bottom - 1);
    EXPECT_TRUE(win::IsRectEmpty(&Rect(1))) << "a separator has no place on the bar";
    EXPECT_EQ(Rect(2).left, Rect(0).right);
    EXPECT_EQ(Rect(3).left, Rect(2).right);
    EXPECT_GT(Rect(0).right - Rect(0).left, 10) << "caption width plus 10";
}

TEST_F(SkinMenuBar, TheElementsEdgesMoveTheStartOnBothSides) {
    Build(true);
    EXPECT_EQ(Rect(0).left, kBar.left + 7 + 4);
    Build(true, true);
    EXPECT_EQ(Rect(0).right, kBar.right - (9 + 8)) << "right to left: from the right edge";
    EXPECT_EQ(Rect(2).right, Rect(0).left);
    Build(true, false, win::RECT{4, 30, 14, 49});
    EXPECT_EQ(Rect(0).left, 4 + 12) << "a bar narrower than the edge starts 12 in";
}

TEST_F(SkinMenuBar, HitTestingFindsVisibleButtonsOnly) {
    Build(false);
    EXPECT_EQ(m_menu->ButtonAt({(Rect(2).left + Rect(2).right) / 2, Rect(2).top + 3}), 2);
    EXPECT_EQ(m_menu->ButtonAt({Rect(0).left - 1, Rect(0).top + 3}), -1);
    EXPECT_EQ(m_menu->ButtonAt({Rect(0).left + 2, kBar.bottom - 1}), -1) << "the bar's last row is no button";
    EXPECT_EQ(m_menu->ButtonAt({0, 0}), -1);
}

TEST_F(SkinMenuBar, TheHotButtonIsFramedAndADisabledCaptionIsShadowed) {
    Build(true);
    m_menu->Hover(0);
    EXPECT_EQ(m_menu->HotIndex(), 0);
    const std::vector<std::uint32_t> hot = Pixels(Rect(0));
    EXPECT_EQ(hot.front(), kHilight) << "the hot frame's corner";
    EXPECT_TRUE(Has(hot, kBarText));
    const std::vector<std::uint32_t> normal = Pixels(Rect(3));
    EXPECT_EQ(normal.front(), kBarImage) << "a normal button shows the bar's background";
    EXPECT_FALSE(Has(normal, kHilight));
    const std::vector<std::uint32_t> disabled = Pixels(Rect(2));
    EXPECT_TRUE(Has(disabled, kShadow));
    EXPECT_FALSE(Has(disabled, kBarText));
    m_menu->Leave();
    EXPECT_EQ(Pixels(Rect(0)).front(), kBarImage);
}

TEST_F(SkinMenuBar, WithoutTheElementTheBarTakesTheSkinsMenuBarColour) {
    Build(false);
    const win::RECT corner{kBar.left, kBar.top, kBar.left + 3, kBar.top + 3};
    EXPECT_EQ(Pixels(corner).front(), 0xFFFFFFu) << "a skin that names none: the face colour";
    m_skin->SkinColours[scMenubar] = 0x302010; // the colour its MenuBarText is chosen against
    m_menu->Layout(kBar, false);
    EXPECT_EQ(Pixels(corner).front(), 0x102030u);
}

TEST_F(SkinMenuBar, AnAcceleratorOpensItsButtonsDropDown) {
    Build(false);
    // The loop selects the drop-down's first item; Enter chooses it.
    PostKey(win::VK_DOWN);
    PostKey(win::VK_RETURN);
    EXPECT_TRUE(m_menu->OpenByAccelerator(U'H'));
    Pump();
    EXPECT_EQ(m_seen.commands, (std::vector<win::UINT>{301}));
    m_seen.commands.clear();
    PostKey(win::VK_DOWN);
    PostKey(win::VK_RETURN);
    EXPECT_TRUE(m_menu->OpenByAccelerator(0)) << "a plain Alt opens the first button";
    Pump();
    EXPECT_EQ(m_seen.commands, (std::vector<win::UINT>{101}));
    EXPECT_FALSE(m_menu->OpenByAccelerator(U'z'));
    EXPECT_FALSE(m_menu->OpenByAccelerator(U' '));
}

TEST_F(SkinMenuBar, ArrowKeysMoveAlongTheBarWrappingOverInvisibleButtons) {
    Build(false);
    EXPECT_EQ(SwitchedTo(0, win::VK_RIGHT), 2);
    EXPECT_EQ(SwitchedTo(3, win::VK_RIGHT), 0);
    EXPECT_EQ(SwitchedTo(0, win::VK_LEFT), 3);
    EXPECT_EQ(SwitchedTo(3, win::VK_LEFT), 2);
}

TEST_F(SkinMenuBar, ThePointerMovingOntoAnotherButtonSwitchesToIt) {
    Build(false);
    win::RECT window;
    win::GetWindowRect(m_window, &window);
    const auto pointAt = [&](int index) {
        const win::RECT& r = Rect(index);
        win::SetCursorPos(window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2);
        win::PostMessageA(m_window, win::WM_MOUSEMOVE, 0, 0);
    };
    pointAt(3);
    m_menu->Open(0);
    Pump();
    ASSERT_EQ(m_seen.presses.size(), 1u);
    EXPECT_EQ(m_menu->ButtonAt({m_seen.presses[0].x - window.left, m_seen.presses[0].y - window.top}), 3);

    m_seen.presses.clear();
    pointAt(0);
    PostKey(win::VK_ESCAPE);
    m_menu->Open(0);
    Pump();
    EXPECT_TRUE(m_seen.presses.empty()) << "still over the open button";
}

TEST_F(SkinMenuBar, RightToLeftSwapsTheArrows) {
    Build(false, true);
    EXPECT_EQ(SwitchedTo(0, win::VK_LEFT), 2);
    EXPECT_EQ(SwitchedTo(0, win::VK_RIGHT), 3);
}

TEST_F(SkinMenuBar, TheHookIsGoneAfterTrackingAndTheItemsAreAsBefore) {
    Build(false);
    static int changes = 0;
    changes = 0;
    TWinSkinMenu::TrackingChanged = [](bool) { ++changes; };
    PostKey(win::VK_ESCAPE);
    m_menu->Open(3);
    Pump();
    TWinSkinMenu::TrackingChanged = nullptr;
    EXPECT_FALSE(TWinSkinMenu::Tracking());
    EXPECT_FALSE(m_menu->MenuOpen());
    EXPECT_EQ(m_menu->HotIndex(), -1);
    win::MSG key{};
    key.hwnd = m_window;
    key.message = win::WM_KEYDOWN;
    key.wParam = win::VK_RIGHT;
    win::CallMsgFilterA(&key, win::MSGF_MENU);
    win::MSG posted;
    EXPECT_FALSE(
        win::PeekMessageA(&posted, m_window, win::WM_NCLBUTTONDOWN, win::WM_NCLBUTTONDOWN, win::PM_REMOVE))
        << "no hook left to switch buttons";
    win::MENUITEMINFOA info;
    info.fMask = win::MIIM_FTYPE;
    ASSERT_TRUE(win::GetMenuItemInfoA(win::GetSubMenu(m_bar, 3), 0, win::TRUE, &info));
    EXPECT_FALSE(info.fType & win::MFT_OWNERDRAW) << "owner-drawn only while open";
    EXPECT_EQ(changes, 2) << "the manager hears when tracking starts and ends";
}

TEST_F(SkinMenuBar, TheDropDownsItemsAreDrawnOnlyForTheBarsMenus) {
    Build(false);
    TSkinBitmap target;
    ASSERT_TRUE(target.SetSize(60, 20));
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, target.Handle());
    win::DRAWITEMSTRUCT draw{};
    draw.CtlType = win::ODT_MENU;
    draw.itemID = 201;
    draw.hDC = dc;
    draw.rcItem = {0, 0, 60, 20};
    draw.hwndItem = reinterpret_cast<win::HWND>(win::GetSubMenu(m_bar, 2));
    EXPECT_TRUE(m_menu->DrawItem(&draw));
    win::HMENU stranger = win::CreatePopupMenu();
    draw.hwndItem = reinterpret_cast<win::HWND>(stranger);
    EXPECT_FALSE(m_menu->DrawItem(&draw));
    draw.hwndItem = reinterpret_cast<win::HWND>(0x1234);
    EXPECT_FALSE(m_menu->DrawItem(&draw));
    win::DestroyMenu(stranger);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
}

} // namespace
