// The frame on real windows: the client size kept on attach and restore, the region cut from the border
// pieces, windows that keep the system's frame, message boxes widened for their caption, and the caption's
// double click.
#include "skin/frame/TWinSkinForm.h"
#include "skin/frame/TWinSkinMenu.h"

#include "skin/data/SkinMessages.h"

#include "TestSkin.h"

#include "toolkit/TApplication.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

using namespace skin;

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// Border pieces 6 wide, a 26-high caption in 2 stacked frames, a 4-high bottom; with `rounded`, the outer
// corner pixels of the left and right pieces are magenta and those pieces are transparent.
skintest::Bytes FramePackage(bool rounded) {
    const auto side = [rounded](int x, int y) -> std::uint32_t {
        if (rounded && y < 3 && x < 3 - y)
            return kMagenta;
        return 0x204080;
    };
    const std::string trans = rounded ? "1" : "0";
    const std::string ini = "[Personality]\r\nLeft=l.bmp\r\nLeftFrame=1\r\nLeftTrans=" + trans +
                            "\r\nRight=r.bmp\r\nRightFrame=1\r\nRightTrans=" + trans +
                            "\r\nTop=t.bmp\r\nTopFrame=2\r\nTopTrans=0\r\nBottom=b.bmp\r\nBottomFrame=1\r\n"
                            "BottomTrans=0\r\nTextShift=10\r\nTextRightClip=20\r\n"
                            "[Button0]\r\nAlign=0\r\nXcoord=8\r\nYcoord=5\r\nAction=3\r\nVisibility=0\r\n";
    return skintest::Package(ini,
                             {{"l.bmp", skintest::Bmp24(6, 60, side)},
                              {"r.bmp", skintest::Bmp24(6, 60, [&](int x, int y) { return side(5 - x, y); })},
                              {"t.bmp", skintest::SolidBmp(80, 52, 0x3060C0)},
                              {"b.bmp", skintest::SolidBmp(80, 4, 0x204080)}});
}

class SkinnedFrame : public ::testing::Test {
protected:
    void SetUp() override {
        tk::InitializeToolkit();
        m_skin = std::make_unique<TSkinData>(nullptr);
        ASSERT_TRUE(m_skin->LoadPackage(FramePackage(false)));
    }
    void TearDown() override {
        m_frame.reset();
        if (m_window)
            win::DestroyWindow(m_window);
        m_skin.reset();
        tk::FinalizeToolkit();
    }

    win::HWND Make(const char* className, win::DWORD style, const char* caption = "A window", int width = 300,
                   int height = 200) {
        win::WNDCLASSEXA existing;
        if (!win::GetClassInfoExA(nullptr, className, &existing)) {
            win::WNDCLASSEXA wc;
            wc.lpfnWndProc = &win::DefWindowProcA;
            wc.lpszClassName = className;
            win::RegisterClassExA(&wc);
        }
        m_window = win::CreateWindowExA(0, className, caption, style | win::WS_VISIBLE, 50, 40, width, height,
                                        nullptr, nullptr, win::GetModuleHandleA(nullptr), nullptr);
        return m_window;
    }
    // Attaches and runs the set-up the manager posts for.
    void Frame() {
        m_frame = std::make_unique<TWinSkinForm>(nullptr);
        m_frame->AttachToWindow(m_skin.get(), m_window);
        win::SendMessageA(m_window, SkinMsgFinish, 0, 1000);
    }
    static win::SIZE ClientSize(win::HWND hwnd) {
        win::RECT r;
        win::GetClientRect(hwnd, &r);
        return {r.right, r.bottom};
    }
    static win::SIZE WindowSize(win::HWND hwnd) {
        win::RECT r;
        win::GetWindowRect(hwnd, &r);
        return {r.right - r.left, r.bottom - r.top};
    }

    std::unique_ptr<TSkinData> m_skin;
    std::unique_ptr<TWinSkinForm> m_frame;
    win::HWND m_window = nullptr;
};

} // namespace

TEST_F(SkinnedFrame, AttachAndRestoreKeepTheClientSizeOfSizeableFixedAndDialogWindows) {
    const win::DWORD styles[] = {win::WS_OVERLAPPEDWINDOW, win::WS_CAPTION | win::WS_SYSMENU,
                                 win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | 0x80};
    for (win::DWORD style : styles) {
        Make("TPlainWindow", style);
        const win::SIZE client = ClientSize(m_window), window = WindowSize(m_window);
        Frame();
        EXPECT_EQ(ClientSize(m_window).cx, client.cx) << std::hex << style;
        EXPECT_EQ(ClientSize(m_window).cy, client.cy) << std::hex << style;
        EXPECT_EQ(WindowSize(m_window).cx, client.cx + 12) << "6-pixel sides";
        EXPECT_EQ(WindowSize(m_window).cy, client.cy + 26 + 4) << "a 26-pixel caption and a 4-pixel bottom";
        EXPECT_EQ(win::SendMessageA(m_window, SkinMsgQuery, 0, 0), 1);
        m_frame->Restore();
        EXPECT_EQ(ClientSize(m_window).cx, client.cx);
        EXPECT_EQ(ClientSize(m_window).cy, client.cy);
        EXPECT_EQ(WindowSize(m_window).cx, window.cx);
        EXPECT_EQ(WindowSize(m_window).cy, window.cy);
        EXPECT_NE(win::SendMessageA(m_window, SkinMsgQuery, 0, 0), 1) << "the window is its own again";
        m_frame->Restore(); // a second restore changes nothing
        EXPECT_EQ(WindowSize(m_window).cy, window.cy);
        m_frame.reset();
        win::DestroyWindow(m_window);
        m_window = nullptr;
    }
}

TEST_F(SkinnedFrame, AWindowWithoutACaptionKeepsTheSystemsNonClientArea) {
    Make("TPlainWindow", win::WS_POPUP | win::WS_BORDER);
    const win::SIZE client = ClientSize(m_window), window = WindowSize(m_window);
    Frame();
    EXPECT_EQ(m_frame->Kind(), BorderKind::NoCaption);
    EXPECT_EQ(WindowSize(m_window).cx, window.cx);
    EXPECT_EQ(WindowSize(m_window).cy, window.cy);
    EXPECT_EQ(ClientSize(m_window).cx, client.cx);
    EXPECT_EQ(ClientSize(m_window).cy, client.cy);
}

TEST_F(SkinnedFrame, OpaqueSidesGiveTheWholeWindowAsRegionAndTransparentCornersCutIt) {
    Make("TPlainWindow", win::WS_OVERLAPPEDWINDOW);
    Frame();
    win::HRGN region = win::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(win::GetWindowRgn(m_window, region), win::ERROR);
    const win::SIZE size = WindowSize(m_window);
    EXPECT_TRUE(win::PtInRegion(region, 0, 0));
    EXPECT_TRUE(win::PtInRegion(region, size.cx - 1, 0));
    win::RECT box;
    win::GetRgnBox(region, &box);
    EXPECT_EQ(box.right, size.cx);
    EXPECT_EQ(box.bottom, size.cy);
    m_frame.reset();
    win::DestroyWindow(m_window);

    ASSERT_TRUE(m_skin->LoadPackage(FramePackage(true)));
    Make("TPlainWindow", win::WS_OVERLAPPEDWINDOW);
    Frame();
    ASSERT_NE(win::GetWindowRgn(m_window, region), win::ERROR);
    const win::SIZE shaped = WindowSize(m_window);
    EXPECT_FALSE(win::PtInRegion(region, 0, 0)) << "the rounded corner shows what lies behind";
    EXPECT_FALSE(win::PtInRegion(region, shaped.cx - 1, 0));
    EXPECT_TRUE(win::PtInRegion(region, 3, 0));
    EXPECT_TRUE(win::PtInRegion(region, 0, 10));
    EXPECT_TRUE(win::PtInRegion(region, shaped.cx / 2, shaped.cy / 2));
    win::DeleteObject(region);
}

TEST_F(SkinnedFrame, AMessageBoxNarrowerThanItsCaptionIsWidenedAndItsButtonsShiftedByHalf) {
    const std::string caption(40, 'W');
    Make("#32770", win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU, caption.c_str(), 120, 100);
    win::HWND button = win::CreateWindowExA(0, "BUTTON", "OK", win::WS_CHILD | win::WS_VISIBLE, 20, 30, 60,
                                            22, m_window, nullptr, nullptr, nullptr);
    const int clientBefore = ClientSize(m_window).cx;
    Frame();
    const int increase = WindowSize(m_window).cx - (clientBefore + 12);
    ASSERT_GT(increase, 0) << "the caption needs more than the box had";
    win::RECT r;
    win::GetWindowRect(button, &r);
    win::POINT at{r.left, r.top};
    win::ScreenToClient(m_window, &at);
    EXPECT_EQ(at.x, 20 + increase / 2);
    EXPECT_EQ(at.y, 30);
}

TEST_F(SkinnedFrame, DoubleClickingTheCaptionOfAWindowWithoutAMaximiseBoxDoesNothingSpecial) {
    Make("TPlainWindow", win::WS_CAPTION | win::WS_SYSMENU | win::WS_MINIMIZEBOX);
    Frame();
    const win::SIZE before = WindowSize(m_window);
    win::RECT r;
    win::GetWindowRect(m_window, &r);
    win::SendMessageA(m_window, win::WM_NCLBUTTONDBLCLK, win::HTCAPTION,
                      win::MAKELPARAM(r.left + 100, r.top + 10));
    win::MSG msg;
    while (win::PeekMessageA(&msg, nullptr, 0, 0, win::PM_REMOVE))
        win::DispatchMessageA(&msg);
    EXPECT_TRUE(win::IsWindow(m_window));
    EXPECT_FALSE(win::IsZoomed(m_window));
    EXPECT_EQ(WindowSize(m_window).cx, before.cx);
}

TEST_F(SkinnedFrame, DoubleClickingTheIconButtonClosesTheWindow) {
    Make("TPlainWindow", win::WS_OVERLAPPEDWINDOW);
    Frame();
    win::RECT r;
    win::GetWindowRect(m_window, &r);
    // The icon button has no image of its own: it shows the window's 16 x 16 icon at (8, 5).
    win::SendMessageA(m_window, win::WM_NCLBUTTONDBLCLK, win::HTCAPTION,
                      win::MAKELPARAM(r.left + 12, r.top + 9));
    win::MSG msg;
    while (win::PeekMessageA(&msg, nullptr, 0, 0, win::PM_REMOVE))
        win::DispatchMessageA(&msg);
    EXPECT_FALSE(win::IsWindow(m_window));
    m_frame.reset();
    m_window = nullptr;
}

TEST_F(SkinnedFrame, TheFramesSetUpSkinsTheControlsAndRestoringFreesTheirSkinners) {
    Make("TPlainWindow", win::WS_OVERLAPPEDWINDOW);
    const win::HWND button = win::CreateWindowExA(0, "button", "OK", win::WS_CHILD | win::WS_VISIBLE, 10, 10,
                                                  80, 24, m_window, nullptr, nullptr, nullptr);
    const win::HWND group = win::CreateWindowExA(0, "button", "Group", win::WS_CHILD | win::WS_VISIBLE | 7,
                                                 10, 50, 80, 40, m_window, nullptr, nullptr, nullptr);
    EXPECT_EQ(win::SendMessageA(button, SkinMsgQuery, 0, 0), 0);
    Frame();
    EXPECT_EQ(win::SendMessageA(button, SkinMsgQuery, 0, 0), 1) << "a push button gets its skinner";
    EXPECT_EQ(win::SendMessageA(group, SkinMsgQuery, 0, 0), 0) << "a native group box stays as it is";
    m_frame->Restore();
    EXPECT_EQ(win::SendMessageA(button, SkinMsgQuery, 0, 0), 0) << "the skinner is gone with the frame";
    win::SendMessageA(button, win::WM_PAINT, 0, 0);
}

TEST_F(SkinnedFrame, AControlDestroyedBeforeItsFrameTakesItsSkinnerWithIt) {
    Make("TPlainWindow", win::WS_OVERLAPPEDWINDOW);
    const win::HWND button = win::CreateWindowExA(0, "button", "OK", win::WS_CHILD | win::WS_VISIBLE, 10, 10,
                                                  80, 24, m_window, nullptr, nullptr, nullptr);
    Frame();
    ASSERT_EQ(win::SendMessageA(button, SkinMsgQuery, 0, 0), 1);
    win::DestroyWindow(button);
    m_frame->Restore(); // must not touch the destroyed button's skinner state
    win::DestroyWindow(m_window);
    m_window = nullptr;
}

TEST_F(SkinnedFrame, AWindowsMenuBecomesTheSkinnedBarAndComesBackOnRestore) {
    Make("TPlainWindow", win::WS_OVERLAPPEDWINDOW);
    const win::HMENU menu = win::CreateMenu();
    const win::HMENU file = win::CreatePopupMenu();
    win::AppendMenuA(file, win::MF_STRING, 101, "&Open");
    win::AppendMenuA(menu, win::MF_POPUP, reinterpret_cast<win::UINT_PTR>(file), "&File");
    win::AppendMenuA(menu, win::MF_STRING, 102, "&Help");
    win::SetMenu(m_window, menu);
    const win::SIZE client = ClientSize(m_window);
    Frame();
    EXPECT_EQ(win::GetMenu(m_window), nullptr) << "the system draws no bar of its own";
    ASSERT_NE(m_frame->MenuBar(), nullptr);
    EXPECT_EQ(m_frame->MenuBar()->Buttons().size(), 2u);
    EXPECT_EQ(ClientSize(m_window).cx, client.cx);
    EXPECT_EQ(ClientSize(m_window).cy, client.cy) << "the skinned bar takes the system bar's place";
    win::RECT window;
    win::GetWindowRect(m_window, &window);
    EXPECT_EQ(WindowSize(m_window).cy, client.cy + 26 + 4 + TWinSkinMenu::Height());
    m_frame->Restore();
    EXPECT_EQ(win::GetMenu(m_window), menu);
    EXPECT_EQ(ClientSize(m_window).cx, client.cx);
    EXPECT_EQ(ClientSize(m_window).cy, client.cy);
}
