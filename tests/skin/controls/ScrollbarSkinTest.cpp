// Skinned scroll bars on real controls: overlays that follow a memo's bars (one bar, then two with the
// corner filled), a dragged thumb held between the arrows, an arrow click scrolling the memo through the
// system's own loop, a stand-alone bar with an empty range, a size grip, a skin without scroll-bar images,
// and the overlays going with detach and with the control.
#include "SkinnedControls.h"

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinScrollbar.h"
#include "skin/controls/TSkinScrollbarH.h"
#include "skin/controls/TSkinSizer.h"
#include "skin/data/SkinMessages.h"

#include "toolkit/TCustomMemo.h"

#include <functional>

using namespace skinner_tests;
using namespace skin;

namespace {

constexpr int kArrow = 16; // SM_CXHSCROLL, and the arrow image's height
constexpr std::uint32_t kTrack = 0x303090;
constexpr std::uint32_t kThumb[4] = {0, 0x90C030, 0xC09030, 0x30C0C0}; // normal, pressed, hot

// Arrow frame k (from 1; the grips from 17 on are see-through).
constexpr std::uint32_t ArrowColour(int k) {
    return static_cast<std::uint32_t>(0x0A0000 * k + 0x40);
}

skintest::Bytes ScrollPackage() {
    const std::string ini = "[Scrollbar]\r\nImage=a.bmp\r\nTrans=1\r\n"
                            "[VertScroll]\r\nImage=t.bmp\r\n[HorzScroll]\r\nImage=t.bmp\r\n"
                            "[VertScrollThumb]\r\nImage=m.bmp\r\n[HorzScrollThumb]\r\nImage=m.bmp\r\n"
                            "[Colours]\r\nButtonFace=200 220 240\r\nButtonShadow=80 128 188\r\n";
    return skintest::Package(
        ini, {{"a.bmp", skintest::Bmp24(23 * kArrow, kArrow,
                                        [](int x, int) {
                                            return x / kArrow < 16 ? ArrowColour(x / kArrow + 1) : kMagenta;
                                        })},
              {"t.bmp", skintest::Bmp24(4 * 8, 8, [](int x, int) { return x < 8 ? kTrack : 0x101010u; })},
              {"m.bmp", skintest::Bmp24(3 * 8, 8, [](int x, int) { return kThumb[x / 8 + 1]; })}});
}

int OverlayWindows(win::HWND parent) {
    int count = 0;
    for (win::HWND child = win::GetWindow(parent, win::GW_CHILD); child;
         child = win::GetWindow(child, win::GW_HWNDNEXT)) {
        char name[32] = {};
        win::GetClassNameA(child, name, sizeof name);
        count += std::string(name) == "TWScrollbar";
    }
    return count;
}

std::string ManyLines() {
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

class ScrollbarSkin : public SkinnedControls {
protected:
    tk::TMemo* MakeMemo() {
        auto* memo = new tk::TMemo(m_form);
        memo->SetBounds(20, 20, 200, 120);
        memo->SetScrollBars(tk::TScrollStyle::ssVertical);
        memo->SetParent(m_form);
        win::SetWindowTextA(memo->Handle(), ManyLines().c_str());
        Settle();
        return memo;
    }
    // A point of an overlay, in screen coordinates.
    static win::POINT OnOverlay(const TWScrollbar& bar, int along, int across = 8) {
        win::POINT p = bar.Vertical() ? win::POINT{across, along} : win::POINT{along, across};
        win::ClientToScreen(bar.Handle(), &p);
        return p;
    }
    static std::uint32_t OverlayPixel(const TWScrollbar& bar, int along, int across = 8) {
        return bar.Vertical() ? PixelOf(bar.Handle(), across, along) : PixelOf(bar.Handle(), along, across);
    }
    static std::uint32_t WindowPixel(win::HWND hwnd, int x, int y) {
        win::HDC dc = win::GetWindowDC(hwnd);
        const win::COLORREF c = win::GetPixel(dc, x, y);
        win::ReleaseDC(hwnd, dc);
        return Ref(c);
    }
    // Runs `steps` one by one each time the system's loop runs out of input.
    void WhenIdle(std::vector<std::function<void()>> steps) {
        m_steps = std::move(steps);
        m_display->SetIdleHandler([this] {
            if (m_next >= m_steps.size())
                return false;
            m_steps[m_next++]();
            return true;
        });
    }
    void TearDown() override {
        m_display->SetIdleHandler(nullptr);
        SkinnedControls::TearDown();
    }

    std::vector<std::function<void()>> m_steps;
    std::size_t m_next = 0;
};

} // namespace

TEST_F(ScrollbarSkin, OneBarOneOverlayThenBothWithTheCornerFilled) {
    LoadSkin(ScrollPackage());
    tk::TMemo* memo = MakeMemo();
    auto* skinner = Skin<TSkinScrollbar>(memo);
    TWScrollbar* vertical = skinner->Overlay(TWScrollbar::wbVertical);
    TWScrollbar* horizontal = skinner->Overlay(TWScrollbar::wbHorizontal);
    ASSERT_TRUE(vertical && horizontal);
    EXPECT_TRUE(vertical->Showing());
    EXPECT_FALSE(horizontal->Showing());
    EXPECT_EQ(OverlayWindows(m_form->Handle()), 2) << "both made, one shown";

    win::SCROLLBARINFO info{};
    ASSERT_TRUE(win::GetScrollBarInfo(memo->Handle(), win::OBJID_VSCROLL, &info));
    win::RECT placed{};
    win::GetWindowRect(vertical->Handle(), &placed);
    EXPECT_TRUE(win::EqualRect(&placed, &info.rcScrollBar)) << "exactly over the real bar";
    EXPECT_EQ(OverlayPixel(*vertical, 4), ArrowColour(9)) << "up arrow";
    EXPECT_EQ(OverlayPixel(*vertical, vertical->Length() - 4), ArrowColour(13)) << "down arrow";

    const auto style = win::GetWindowLongA(memo->Handle(), win::GWL_STYLE);
    win::SetWindowLongA(memo->Handle(), win::GWL_STYLE, style | static_cast<win::LONG>(win::WS_HSCROLL));
    win::SetWindowPos(memo->Handle(), nullptr, 0, 0, 0, 0,
                      win::SWP_FRAMECHANGED | win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER);
    Settle();
    EXPECT_TRUE(horizontal->Showing());
    EXPECT_EQ(OverlayPixel(*horizontal, 4), ArrowColour(3))
        << "left arrow, disabled: nothing to scroll across";
    const win::RECT corner = skinner->CornerRect();
    ASSERT_GT(corner.right, corner.left);
    ASSERT_GT(corner.bottom, corner.top);
    EXPECT_EQ(WindowPixel(memo->Handle(), corner.left + 2, corner.top + 2), kSkinFace);
}

TEST_F(ScrollbarSkin, DraggedThumbStaysBetweenTheArrowsPastEitherEnd) {
    LoadSkin(ScrollPackage());
    tk::TMemo* memo = MakeMemo();
    TWScrollbar* bar = Skin<TSkinScrollbar>(memo)->Overlay(TWScrollbar::wbVertical);
    ASSERT_TRUE(bar && bar->Showing());
    const ThumbSpan before = bar->CurrentThumb();
    ASSERT_GT(before.Length(), 0);
    const win::POINT grab = OnOverlay(*bar, (before.start + before.end) / 2);

    std::vector<ThumbSpan> seen;
    std::vector<std::uint32_t> shown;
    const auto record = [&] {
        seen.push_back(bar->CurrentThumb());
        win::UpdateWindow(bar->Handle());
        shown.push_back(OverlayPixel(*bar, seen.back().start + 1, 1));
    };
    WhenIdle({[&] {
                  record();
                  m_display->MouseMove(grab.x, grab.y - 5000);
              },
              [&] {
                  record();
                  m_display->MouseUp();
              }});
    m_display->MouseMove(grab.x, grab.y);
    m_display->MouseDown();
    m_display->MouseMove(grab.x, grab.y + 5000);
    Settle();

    ASSERT_EQ(seen.size(), 2u);
    const int thumb = before.Length();
    EXPECT_EQ(seen[0].start, bar->Length() - kArrow - thumb) << "past the bottom: just above the down arrow";
    EXPECT_EQ(seen[0].Length(), thumb);
    EXPECT_EQ(seen[1].start, kArrow) << "past the top: just below the up arrow";
    EXPECT_EQ(shown[0], kThumb[2]) << "drawn there, pressed";
    EXPECT_EQ(shown[1], kThumb[2]);
    EXPECT_FALSE(bar->Pressed());
    EXPECT_EQ(win::SendMessageA(memo->Handle(), win::EM_GETFIRSTVISIBLELINE, 0, 0), 0)
        << "the system scrolled the memo back to the top";
}

TEST_F(ScrollbarSkin, DownArrowClickScrollsTheMemoOneLine) {
    LoadSkin(ScrollPackage());
    tk::TMemo* memo = MakeMemo();
    TWScrollbar* bar = Skin<TSkinScrollbar>(memo)->Overlay(TWScrollbar::wbVertical);
    ASSERT_TRUE(bar && bar->Showing());
    ASSERT_EQ(win::SendMessageA(memo->Handle(), win::EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    const win::POINT down = OnOverlay(*bar, bar->Length() - 4);
    m_display->Click(down.x, down.y);
    Settle();
    EXPECT_EQ(win::SendMessageA(memo->Handle(), win::EM_GETFIRSTVISIBLELINE, 0, 0), 1);
    EXPECT_FALSE(bar->Pressed());
    EXPECT_EQ(bar->HotPart(), sbpSecondArrow) << "still under the pointer";
    EXPECT_EQ(OverlayPixel(*bar, bar->Length() - 4), ArrowColour(16)) << "down arrow, hot";
}

TEST_F(ScrollbarSkin, StandaloneBarWithAnEmptyRangeDrawsItsThumbAtTheStart) {
    LoadSkin(ScrollPackage());
    win::HWND native =
        win::CreateWindowExA(0, "scrollbar", "", win::WS_CHILD | win::WS_VISIBLE | win::SBS_HORZ, 20, 160,
                             200, 17, m_form->Handle(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(native);
    win::SetScrollRange(native, win::SB_CTL, 5, 5, win::TRUE);
    TSkinScrollbarH skinner(nullptr);
    skinner.AttachToWindow(native, Context());
    Settle();
    TWScrollbar* bar = skinner.Overlay();
    ASSERT_TRUE(bar && bar->Showing());
    EXPECT_FALSE(bar->Vertical());
    const ThumbSpan thumb = bar->CurrentThumb();
    EXPECT_EQ(thumb.start, kArrow);
    EXPECT_GE(thumb.Length(), 8);
    EXPECT_EQ(OverlayPixel(*bar, kArrow + 1), kThumb[1]);
    EXPECT_EQ(OverlayPixel(*bar, thumb.end + 2), kTrack);
}

TEST_F(ScrollbarSkin, SizeGripIsPaintedInTheFaceColourWithoutAnOverlay) {
    LoadSkin(ScrollPackage());
    win::HWND grip =
        win::CreateWindowExA(0, "scrollbar", "", win::WS_CHILD | win::WS_VISIBLE | win::SBS_SIZEGRIP, 300,
                             200, 17, 17, m_form->Handle(), nullptr, nullptr, nullptr);
    TSkinSizer skinner(nullptr);
    skinner.AttachToWindow(grip, Context());
    Settle();
    EXPECT_EQ(skinner.Overlay(), nullptr);
    // The platform puts a grip in its parent's corner, partly over the form's border: only what shows counts.
    win::RECT shown{}, client{}, placed{};
    win::GetClientRect(m_form->Handle(), &client);
    win::MapWindowPoints(m_form->Handle(), nullptr, reinterpret_cast<win::POINT*>(&client), 2);
    win::GetWindowRect(grip, &placed);
    ASSERT_TRUE(win::IntersectRect(&shown, &placed, &client));
    EXPECT_EQ(CountColour(grip, kSkinFace), (shown.right - shown.left) * (shown.bottom - shown.top));
}

TEST_F(ScrollbarSkin, FactoryMakesTheScrollBarAndComboKinds) {
    for (SkinnerKind kind : {SkinnerKind::Scrollbar, SkinnerKind::ScrollbarH, SkinnerKind::ScControl,
                             SkinnerKind::Sizer, SkinnerKind::ComBox}) {
        std::unique_ptr<TSkinControl> skinner(MakeSkinner(kind, nullptr));
        ASSERT_NE(skinner, nullptr) << SkinnerClassName(kind);
        EXPECT_EQ(skinner->ClassName(), SkinnerClassName(kind));
    }
}

TEST_F(ScrollbarSkin, WithoutScrollImagesTheBarKeepsItsOwnLook) {
    LoadSkin(ControlsPackage(0, 0));
    tk::TMemo* memo = MakeMemo();
    win::SCROLLBARINFO info{};
    ASSERT_TRUE(win::GetScrollBarInfo(memo->Handle(), win::OBJID_VSCROLL, &info));
    win::RECT window{};
    win::GetWindowRect(memo->Handle(), &window);
    const int x = info.rcScrollBar.left - window.left + 8, y = info.rcScrollBar.bottom - window.top - 4;
    const std::uint32_t own = WindowPixel(memo->Handle(), x, y);
    auto* skinner = Skin<TSkinScrollbar>(memo);
    EXPECT_FALSE(skinner->Overlay(TWScrollbar::wbVertical)->Showing());
    EXPECT_EQ(WindowPixel(memo->Handle(), x, y), own);
}

TEST_F(ScrollbarSkin, SwitchingDrawingOffHidesTheOverlaysAndOnShowsThemAgain) {
    LoadSkin(ScrollPackage());
    tk::TMemo* memo = MakeMemo();
    auto* skinner = Skin<TSkinScrollbar>(memo);
    ASSERT_TRUE(skinner->Overlay(TWScrollbar::wbVertical)->Showing());
    const win::HWND overlay = skinner->Overlay(TWScrollbar::wbVertical)->Handle();
    win::SendMessageA(memo->Handle(), SkinMsgEnable, 0, 0);
    Settle();
    EXPECT_FALSE(win::IsWindowVisible(overlay)) << "the memo's own bar shows";
    win::SendMessageA(memo->Handle(), SkinMsgEnable, 1, 0);
    Settle();
    EXPECT_TRUE(win::IsWindowVisible(overlay));
}

TEST_F(ScrollbarSkin, DetachTakesTheOverlaysAway) {
    LoadSkin(ScrollPackage());
    tk::TMemo* memo = MakeMemo();
    auto* skinner = Skin<TSkinScrollbar>(memo);
    const win::HWND overlay = skinner->Overlay(TWScrollbar::wbVertical)->Handle();
    skinner->Detach();
    Settle();
    EXPECT_FALSE(win::IsWindow(overlay));
    EXPECT_EQ(OverlayWindows(m_form->Handle()), 0);
    EXPECT_EQ(skinner->Overlay(TWScrollbar::wbVertical), nullptr);
    win::SendMessageA(memo->Handle(), win::WM_VSCROLL, win::SB_LINEDOWN, 0);
    Settle();
    EXPECT_EQ(OverlayWindows(m_form->Handle()), 0) << "nothing comes back after detach";
}

TEST_F(ScrollbarSkin, OverlaysDieWithTheControl) {
    LoadSkin(ScrollPackage());
    win::HWND edit = win::CreateWindowExA(
        0, "edit", "", win::WS_CHILD | win::WS_VISIBLE | win::WS_VSCROLL | win::ES_MULTILINE, 20, 20, 200,
        120, m_form->Handle(), nullptr, nullptr, nullptr);
    win::SetWindowTextA(edit, ManyLines().c_str());
    TSkinScrollbar skinner(nullptr);
    skinner.AttachToWindow(edit, Context());
    Settle();
    ASSERT_TRUE(skinner.Overlay(TWScrollbar::wbVertical)->Showing());
    win::DestroyWindow(edit);
    Settle();
    EXPECT_TRUE(skinner.Dead());
    EXPECT_EQ(skinner.Overlay(TWScrollbar::wbVertical), nullptr);
    EXPECT_EQ(OverlayWindows(m_form->Handle()), 0);
    skinner.SkinChanged();
    skinner.Detach();

    // A toolkit memo frees its skinner with it, overlays and all.
    tk::TMemo* memo = MakeMemo();
    Skin<TSkinScrollbar>(memo);
    ASSERT_EQ(OverlayWindows(m_form->Handle()), 2);
    delete memo;
    Settle();
    EXPECT_EQ(OverlayWindows(m_form->Handle()), 0);
}
