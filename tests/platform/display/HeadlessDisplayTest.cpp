#include "platform/display/HeadlessDisplay.h"
#include "platform/core/WinUser.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace win;

namespace {

LRESULT CALLBACK Solid(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(h, &r);
        HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(h, GWLP_USERDATA)));
        FillRect(reinterpret_cast<HDC>(w), &r, b);
        DeleteObject(b);
        return 1;
    }
    return DefWindowProcA(h, m, w, l);
}

class Headless : public ::testing::Test {
protected:
    void SetUp() override {
        m_d = &display::ResetHeadless(true);
        WNDCLASSEXA wc;
        wc.lpfnWndProc = Solid;
        wc.lpszClassName = "Solid";
        RegisterClassExA(&wc);
    }
    void TearDown() override { display::ResetHeadless(true); }
    HWND Popup(int x, int y, int w, int h, COLORREF c) {
        HWND hwnd = CreateWindowExA(0, "Solid", "", WS_POPUP, x, y, w, h, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(c));
        ShowWindow(hwnd, SW_SHOW);
        return hwnd;
    }
    static std::uint32_t Px(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
    display::HeadlessDisplay* m_d = nullptr;
};

} // namespace

TEST_F(Headless, WithoutSetUpAProgramGetsAHeadlessScreenWithTheRealClock) {
    EXPECT_STREQ(display::Current().Name(), "headless");
    display::HeadlessDisplay real(false);
    EXPECT_FALSE(real.VirtualClock());
    auto a = real.Now();
    real.Wait(20);
    EXPECT_GE(real.Now() - a, 20u);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
}

TEST_F(Headless, VirtualClockOnlyMovesWhenAdvanced) {
    DWORD t0 = GetTickCount();
    m_d->Pump();
    EXPECT_EQ(GetTickCount(), t0);
    m_d->Advance(45 * 60 * 1000);
    EXPECT_EQ(GetTickCount() - t0, 45u * 60 * 1000);
}

TEST_F(Headless, CompositeStacksWindowsInZOrderAndShowsTheDesktopElsewhere) {
    HWND below = Popup(100, 100, 200, 200, RGB(255, 0, 0));
    HWND above = Popup(200, 200, 200, 200, RGB(0, 0, 255));
    m_d->Pump();
    auto s = m_d->Composite();
    EXPECT_EQ(s->Row(150)[150] & 0xFFFFFF, Px(RGB(255, 0, 0)));
    EXPECT_EQ(s->Row(250)[250] & 0xFFFFFF, Px(RGB(0, 0, 255)));
    EXPECT_EQ(s->Row(10)[10] & 0xFFFFFF, Px(GetSysColor(COLOR_DESKTOP)));
    SetActiveWindow(below);
    m_d->Pump();
    s = m_d->Composite();
    EXPECT_EQ(s->Row(250)[250] & 0xFFFFFF, Px(RGB(255, 0, 0)));
    ShowWindow(below, SW_HIDE);
    s = m_d->Composite();
    EXPECT_EQ(s->Row(150)[150] & 0xFFFFFF, Px(GetSysColor(COLOR_DESKTOP)));
    // Windows partly off the screen are cut at its edge.
    MoveWindow(above, 1200, 1000, 200, 200, TRUE);
    m_d->Pump();
    s = m_d->Composite();
    EXPECT_EQ(s->Row(1023)[1279] & 0xFFFFFF, Px(RGB(0, 0, 255)));
}

TEST_F(Headless, ScreenshotWritesAPngOrSaysWhyNot) {
    Popup(0, 0, 50, 50, RGB(0, 128, 0));
    m_d->Pump();
    auto dir = std::filesystem::path(TAXI_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    auto file = dir / "headless-test.png";
    std::string error;
    ASSERT_TRUE(m_d->Screenshot(file.string(), &error)) << error;
    EXPECT_GT(std::filesystem::file_size(file), 100u);
    EXPECT_FALSE(m_d->Screenshot("/nonexistent-folder/x.png", &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(Headless, IdleHandlerFeedsAWaitingLoop) {
    HWND h = Popup(0, 0, 50, 50, RGB(0, 0, 0));
    m_d->Pump();
    int calls = 0;
    m_d->SetIdleHandler([&] {
        if (++calls == 1) {
            PostMessageA(h, WM_USER, 0, 0);
            return true;
        }
        return false;
    });
    MSG m;
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), TRUE);
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), -1);
}
