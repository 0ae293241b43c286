// What TSkinData does for the manager and the painters: the window veto, the skin-changed event, the caption
// hint, and the services that stand in for system calls an older system lacks.
#include "skin/data/TSkinData.h"
#include "skin/data/WinSkinData.h"

#include "support/TestGuards.h"
#include "toolkit/THintWindow.h"

#include <gtest/gtest.h>

#include <optional>

using namespace skin;

namespace {

void RunLoaded(TSkinData& data) {
    data.BeginLoading();
    data.EndLoading();
}

// An export withdrawn for one scope, with the skin services looking their entry points up again on both
// sides of it.
class OlderSystem {
public:
    explicit OlderSystem(const char* name) {
        m_gone.emplace("user32.dll", name);
        WinSkinData::ResolveEntries();
    }
    ~OlderSystem() {
        m_gone.reset();
        WinSkinData::ResolveEntries();
    }
    OlderSystem(const OlderSystem&) = delete;
    OlderSystem& operator=(const OlderSystem&) = delete;

private:
    std::optional<taxi::test::ScopedMissingExport> m_gone;
};

} // namespace

TEST(SkinDataVeto, CalendarsAndReportWindowsAreRefusedUnlessTheProgramDecides) {
    TSkinData data(nullptr);
    const auto vet = [&](const char* className, win::HWND window = nullptr) {
        bool verdict = true;
        data.VetWindow(window, className, verdict);
        return verdict;
    };
    EXPECT_TRUE(vet("TForm2"));
    EXPECT_FALSE(vet("SysMonthCal32"));
    EXPECT_TRUE(vet("TfrPreviewForm")) << "report windows are refused only with xcFastReport";
    data.SetSkinControls(data.SkinControls() | Bit(xcFastReport));
    EXPECT_FALSE(vet("TfrPreviewForm"));
    EXPECT_TRUE(vet("TForm1"));

    auto* window = reinterpret_cast<win::HWND>(0x1234);
    std::string asked;
    data.OnFormSkin = [&](tk::TObject* sender, std::string name, bool& doSkin) {
        EXPECT_EQ(sender, &data);
        asked = name;
        doSkin = name != "TForm3";
    };
    EXPECT_TRUE(vet("SysMonthCal32", window)) << "a handler lets the calendar be framed";
    EXPECT_EQ(asked, "SysMonthCal32");
    EXPECT_EQ(data.VettedWindow, window);
    EXPECT_TRUE(vet("TfrPreviewForm"));
    EXPECT_FALSE(vet("TForm3"));
    bool verdict = false;
    data.OnFormSkin = [](tk::TObject*, std::string, bool&) {};
    data.VetWindow(nullptr, "TForm1", verdict);
    EXPECT_FALSE(verdict) << "a handler that says nothing leaves the verdict as it was";
}

TEST(SkinDataEvents, SkinChangedReachesTheProgramWhenAssigned) {
    TSkinData data(nullptr);
    data.FireSkinChanged();
    int fired = 0;
    data.OnSkinChanged = [&](tk::TObject* sender) {
        EXPECT_EQ(sender, &data);
        ++fired;
    };
    data.FireSkinChanged();
    EXPECT_EQ(fired, 1);
}

TEST(SkinDataCaptionHint, ShownOnceUnderTheButtonAndOnlyWhenTheOptionsAskForIt) {
    TSkinData data(nullptr);
    data.ShowCaptionHint(win::RECT{300, 40, 320, 60}, "关闭");
    ASSERT_TRUE(data.HintShowing);
    win::HWND hint = data.HintWindow()->Handle();
    ASSERT_TRUE(win::IsWindowVisible(hint));
    win::RECT at;
    win::GetWindowRect(hint, &at);
    const win::RECT needed = data.HintWindow()->CalcHintRect(TSkinData::kCaptionHintMaxWidth, "关闭");
    EXPECT_EQ(at.left, 300 + needed.left);
    EXPECT_EQ(at.top, 40 + needed.top);
    EXPECT_EQ(at.right - at.left, needed.right - needed.left);

    data.ShowCaptionHint(win::RECT{10, 10, 20, 20}, "最小化");
    win::GetWindowRect(data.HintWindow()->Handle(), &at);
    EXPECT_EQ(at.left, 300 + needed.left) << "a second hint waits until the first is hidden";

    data.HideCaptionHint();
    EXPECT_FALSE(data.HintShowing);
    EXPECT_FALSE(data.HintWindow()->HintShowing());
    data.HideCaptionHint();

    data.SetOptions(data.Options() & ~Bit(xoCaptionButtonHint));
    data.ShowCaptionHint(win::RECT{300, 40, 320, 60}, "关闭");
    EXPECT_FALSE(data.HintShowing);
}

TEST(SkinServices, WithoutGetScrollBarInfoScrollBarsAreNotSkinnedAndInfoIsRefused) {
    {
        OlderSystem older("GetScrollBarInfo");
        EXPECT_EQ(WinSkinData::ScrollBarInfoEntry(), nullptr);
        win::SCROLLBARINFO info;
        EXPECT_FALSE(WinSkinData::SkinGetScrollBarInfo(nullptr, win::OBJID_VSCROLL, &info));
        TSkinData data(nullptr);
        data.SetSkinFormtype(sfOnlyThisForm);
        RunLoaded(data);
        EXPECT_EQ(data.SkinControls() & Bit(xcScrollbar), 0u);
    }
    EXPECT_NE(WinSkinData::ScrollBarInfoEntry(), nullptr);
    TSkinData data(nullptr);
    data.SetSkinFormtype(sfOnlyThisForm);
    RunLoaded(data);
    EXPECT_NE(data.SkinControls() & Bit(xcScrollbar), 0u);
}

TEST(SkinServices, MouseLeaveIsTrackedWhereTheSystemCanAndSkippedWhereItCannot) {
    win::HWND window = win::CreateWindowExA(0, "EDIT", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, 50, 50,
                                            nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    win::SetCursorPos(25, 25); // leave is tracked only while the pointer is inside
    const auto tracked = [] {
        win::TRACKMOUSEEVENT query;
        query.dwFlags = win::TME_QUERY;
        win::TrackMouseEvent(&query);
        return query.hwndTrack;
    };
    {
        OlderSystem older("TrackMouseEvent");
        WinSkinData::TrackMouseLeave(window);
        EXPECT_NE(tracked(), window);
    }
    WinSkinData::TrackMouseLeave(window);
    EXPECT_EQ(tracked(), window) << "the 16-byte structure is accepted";
    win::DestroyWindow(window);
}

TEST(SkinServices, TextDrawsTheSameThroughEitherCall) {
    EXPECT_EQ(WinSkinData::ToWide("出租车 taxi"), "出租车 taxi");
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::RECT r{0, 0, 200, 40};
    EXPECT_EQ(WinSkinData::DrawTextAuto(dc, "驾驶员", &r, win::DT_CALCRECT | win::DT_SINGLELINE),
              win::DrawTextA(dc, "驾驶员", -1, &r, win::DT_CALCRECT | win::DT_SINGLELINE));
    win::DeleteDC(dc);
}
