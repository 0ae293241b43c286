#include "DemoWindow.h"
#include "platform/display/HeadlessDisplay.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace win;

namespace {
int g_clicked = 0;
}

// The demo window under the headless display: caption, client area and two child windows, clickable,
// with a screenshot left in the build folder for people to look at.
TEST(DemoWindow, ShowsAndAnswersClicksHeadless) {
    auto& d = display::ResetHeadless(true);
    HWND main = demo::CreateDemoWindow([](int id) { g_clicked = id; });
    ASSERT_NE(main, nullptr);
    d.Pump();
    auto dir = std::filesystem::path(TAXI_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    std::string error;
    ASSERT_TRUE(d.Screenshot((dir / "demo-headless.png").string(), &error)) << error;

    auto s = d.Composite();
    POINT c{0, 0};
    ClientToScreen(main, &c);
    EXPECT_EQ(s->Row(c.y + 100)[c.x + 45] & 0xFFFFFF, 0x008000u);  // first child, green
    EXPECT_EQ(s->Row(c.y + 100)[c.x + 255] & 0xFFFFFF, 0xFFCC00u); // second child, yellow
    EXPECT_EQ(s->Row(c.y + 200)[c.x + 20] & 0xFFFFFF, (GetRValue(GetSysColor(COLOR_BTNFACE)) << 16) |
                                                          (GetGValue(GetSysColor(COLOR_BTNFACE)) << 8) |
                                                          GetBValue(GetSysColor(COLOR_BTNFACE)));

    d.Click(c.x + 300, c.y + 120);
    EXPECT_EQ(g_clicked, 2);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    // The close button ends the program's loop.
    RECT w;
    GetWindowRect(main, &w);
    d.Click(w.right - 3 - 2 - 8, w.top + 3 + 2 + 7);
    EXPECT_FALSE(IsWindow(main));
    MSG m;
    EXPECT_EQ(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), TRUE);
    display::ResetHeadless(true);
}
