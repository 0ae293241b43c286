// The whole-number pixel scale between the program's pixels and a dense screen's, and the headless display
// that stands for such a screen in tests.
#include "platform/display/PixelScale.h"
#include "platform/core/WinUser.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/GdiInternal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace win;
using display::PixelScale;

TEST(PixelScale, ParsesOnlyTheFactorsItCanShow) {
    EXPECT_EQ(PixelScale::Parse("1"), 1);
    EXPECT_EQ(PixelScale::Parse("4"), 4);
    for (const char* bad : {"", "0", "5", "-1", "+2", "2.0", " 2", "2 ", "12", "x"})
        EXPECT_EQ(PixelScale::Parse(bad), std::nullopt) << '"' << bad << '"';
}

TEST(PixelScale, DensityRoundsToTheNearestFactorWithinRange) {
    EXPECT_EQ(PixelScale::ForDpi(96), 1);
    EXPECT_EQ(PixelScale::ForDpi(143), 1);
    EXPECT_EQ(PixelScale::ForDpi(144), 2);
    EXPECT_EQ(PixelScale::ForDpi(192), 2);
    EXPECT_EQ(PixelScale::ForDpi(288), 3);
    EXPECT_EQ(PixelScale::ForDpi(1000), 4);
    EXPECT_EQ(PixelScale::ForDpi(30), 1);
    EXPECT_EQ(PixelScale::ForDpi(0), 1);
    EXPECT_EQ(PixelScale::ForDpi(-96), 1);
    EXPECT_EQ(PixelScale::ForDpi(NAN), 1);
    EXPECT_EQ(PixelScale::ForDpi(INFINITY), 1);
}

TEST(PixelScale, ScreenPixelsMapBackToTheProgramPixelTheyShow) {
    const PixelScale two(2), three(3);
    EXPECT_EQ(two.ToProgram(0), 0);
    EXPECT_EQ(two.ToProgram(1), 0);
    EXPECT_EQ(two.ToProgram(2), 1);
    EXPECT_EQ(two.ToProgram(-1), -1) << "left of a window is outside it, not on its first pixel";
    EXPECT_EQ(two.ToProgram(-2), -1);
    EXPECT_EQ(two.ToProgram(-3), -2);
    for (int x = -20; x <= 20; ++x)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(three.ToProgram(three.ToScreen(x) + k), x);
    EXPECT_EQ(PixelScale(0).Factor(), 1);
    EXPECT_EQ(PixelScale(9).Factor(), PixelScale::kLargest);
}

TEST(PixelScale, EnlargingRepeatsEachPixelAndClipsToTheTarget) {
    gdi::Surface from(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            from.Row(y)[x] = 0xFF000000u | static_cast<std::uint32_t>(y * 16 + x);
    for (int factor = 1; factor <= PixelScale::kLargest; ++factor) {
        const auto big = PixelScale(factor).Enlarged(from);
        ASSERT_EQ(big->Width(), 3 * factor);
        ASSERT_EQ(big->Height(), 2 * factor);
        for (int y = 0; y < big->Height(); ++y)
            for (int x = 0; x < big->Width(); ++x)
                ASSERT_EQ(big->Row(y)[x], from.Row(y / factor)[x / factor])
                    << factor << ": " << x << "," << y;
    }
    // A target smaller than the enlargement (a window surface not yet resized) is filled, not overrun.
    gdi::Surface small(5, 3);
    small.Row(2)[4] = 0x12345678u;
    PixelScale(2).Enlarge(from, small.Pixels(), small.Stride(), 4, 3);
    EXPECT_EQ(small.Row(2)[3], from.Row(1)[1]);
    EXPECT_EQ(small.Row(2)[4], 0x12345678u);
}

namespace {

POINT g_lastClick{-100, -100};

LRESULT CALLBACK Recording(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_LBUTTONDOWN)
        g_lastClick = POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    if (m == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(h, &r);
        HBRUSH b = CreateSolidBrush(RGB(10, 200, 30));
        FillRect(reinterpret_cast<HDC>(w), &r, b);
        DeleteObject(b);
        SetPixel(reinterpret_cast<HDC>(w), 0, 0, RGB(250, 0, 0));
        return 1;
    }
    return DefWindowProcA(h, m, w, l);
}

class ScaledHeadless : public ::testing::Test {
protected:
    void SetUp() override {
        display::ResetHeadless(true);
        display::Install(std::make_unique<display::HeadlessDisplay>(true, SIZE{320, 240}, 2));
        m_d = &display::Headless();
        WNDCLASSEXA wc{};
        wc.lpfnWndProc = Recording;
        wc.lpszClassName = "Recording";
        RegisterClassExA(&wc);
        m_window =
            CreateWindowExA(0, "Recording", "", WS_POPUP, 30, 20, 40, 30, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(m_window, SW_SHOW);
        m_d->Pump();
    }
    void TearDown() override { display::ResetHeadless(true); }
    display::HeadlessDisplay* m_d = nullptr;
    HWND m_window = nullptr;
};

} // namespace

TEST_F(ScaledHeadless, TheProgramKeepsItsOwnPixels) {
    EXPECT_EQ(m_d->Scale().Factor(), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
    EXPECT_EQ(m_d->Composite()->Width(), 320);
}

TEST_F(ScaledHeadless, ScreenshotIsTwiceTheSizeWithEveryPixelDoubled) {
    const auto file = std::filesystem::path(TAXI_BINARY_DIR) / "screenshots" / "scaled-headless.png";
    std::filesystem::create_directories(file.parent_path());
    std::string error;
    ASSERT_TRUE(m_d->Screenshot(file.string(), &error)) << error;
    const auto shot = gdi::ReadPng(file.string(), &error);
    ASSERT_TRUE(shot) << error;
    const auto screen = m_d->Composite();
    ASSERT_EQ(shot->Width(), 640);
    ASSERT_EQ(shot->Height(), 480);
    for (int y = 0; y < shot->Height(); ++y)
        for (int x = 0; x < shot->Width(); ++x)
            ASSERT_EQ(shot->Row(y)[x] & 0xFFFFFF, screen->Row(y / 2)[x / 2] & 0xFFFFFF) << x << "," << y;
    EXPECT_EQ(shot->Row(41)[61] & 0xFFFFFF, 0xFA0000u) << "the window's first pixel, doubled";
}

TEST_F(ScaledHeadless, InputInScreenPixelsLandsOnTheProgramPixelItCovers) {
    // Both screen pixels of the window's column 5 reach it as column 5.
    for (int k = 0; k < 2; ++k) {
        m_d->Click((30 + 5) * 2 + k, (20 + 7) * 2 + k);
        EXPECT_EQ(g_lastClick.x, 5);
        EXPECT_EQ(g_lastClick.y, 7);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 35);
    EXPECT_EQ(cursor.y, 27);
}
