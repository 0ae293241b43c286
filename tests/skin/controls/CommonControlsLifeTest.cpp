// The common-control skinners on bare windows: without their image the control keeps its own look; once the
// window is destroyed the skinner is dead and stays away from it; an edit's spin child gets skinned with it.
#include "CommonControlsSkin.h"

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/SkinnerKind.h"
#include "skin/controls/TSkinEdit.h"
#include "skin/controls/TSkinTrackBar.h"
#include "skin/controls/TSkinUpDown.h"
#include "skin/data/SkinDataTypes.h"
#include "skin/data/SkinMessages.h"

#include <memory>

using namespace skinner_tests;
using namespace skin;

namespace {

struct NativeKind {
    SkinnerKind kind;
    const char* className;
};

constexpr NativeKind kNativeKinds[] = {
    {SkinnerKind::Progress, win::PROGRESS_CLASSA}, {SkinnerKind::UpDown, win::UPDOWN_CLASSA},
    {SkinnerKind::TrackBar, win::TRACKBAR_CLASSA}, {SkinnerKind::Tab, win::WC_TABCONTROLA},
    {SkinnerKind::Header, win::WC_HEADERA},        {SkinnerKind::StatusBar, win::STATUSCLASSNAMEA},
};

} // namespace

TEST_F(CommonControlsSkin, WithoutTheirImagesControlsKeepTheirOwnLook) {
    LoadSkin(CommonControlsPackage(false));
    for (const NativeKind& native : kNativeKinds) {
        const win::HWND hwnd = MakeNative(native.className, 0, 20, 20, 120, 40);
        Redraw(hwnd);
        const auto own = Face(hwnd);
        std::unique_ptr<TSkinControl> skinner(MakeSkinner(native.kind, nullptr));
        ASSERT_NE(skinner, nullptr) << native.className;
        skinner->AttachToWindow(hwnd, Context());
        Redraw(hwnd);
        EXPECT_EQ(Face(hwnd), own) << native.className;
        skinner.reset();
        win::DestroyWindow(hwnd);
    }
}

TEST_F(CommonControlsSkin, SkinnersDieWithTheirWindows) {
    LoadSkin(CommonControlsPackage());
    for (const NativeKind& native : kNativeKinds) {
        const win::HWND hwnd = MakeNative(native.className, 0, 20, 20, 120, 40);
        std::unique_ptr<TSkinControl> skinner(MakeSkinner(native.kind, nullptr));
        skinner->AttachToWindow(hwnd, Context());
        Redraw(hwnd);
        EXPECT_EQ(win::SendMessageA(hwnd, SkinMsgQuery, 0, 0), 1) << native.className;
        win::DestroyWindow(hwnd);
        Settle();
        EXPECT_TRUE(skinner->Dead()) << native.className;
        skinner->PaintWindow(nullptr);
        skinner->SkinChanged();
    }
}

TEST_F(CommonControlsSkin, AnEditsSpinChildIsSkinnedWithIt) {
    LoadSkin(CommonControlsPackage());
    m_skin->SetSkinControls(m_skin->SkinControls() | Bit(xcSpin));
    const win::HWND edit = MakeNative("edit", win::WS_BORDER, 20, 20, 120, 40);
    const win::HWND spin = win::CreateWindowExA(0, win::UPDOWN_CLASSA, "", win::WS_CHILD | win::WS_VISIBLE,
                                                100, 0, 16, 36, edit, nullptr, nullptr, nullptr);
    auto edits = std::make_unique<TSkinEdit>(nullptr);
    edits->AttachToWindow(edit, Context());
    Redraw(spin);
    EXPECT_EQ(win::SendMessageA(spin, SkinMsgQuery, 0, 0), 1);
    EXPECT_EQ(PixelOf(spin, 1, 1), FrameColour(kSpin, 1));
    edits.reset();
    EXPECT_NE(win::SendMessageA(spin, SkinMsgQuery, 0, 0), 1) << "freed with the edit's skinner";
    win::DestroyWindow(edit);
}

TEST_F(CommonControlsSkin, WithoutSpinSkinningTheEditsSpinStaysAsItIs) {
    LoadSkin(CommonControlsPackage());
    m_skin->SetSkinControls(m_skin->SkinControls() & ~Bit(xcSpin));
    const win::HWND edit = MakeNative("edit", win::WS_BORDER, 20, 20, 120, 40);
    const win::HWND spin = win::CreateWindowExA(0, win::UPDOWN_CLASSA, "", win::WS_CHILD | win::WS_VISIBLE,
                                                100, 0, 16, 36, edit, nullptr, nullptr, nullptr);
    TSkinEdit edits(nullptr);
    edits.AttachToWindow(edit, Context());
    EXPECT_NE(win::SendMessageA(spin, SkinMsgQuery, 0, 0), 1);
    win::DestroyWindow(edit);
}

TEST_F(CommonControlsSkin, StateFramesFollowTheTables) {
    EXPECT_EQ(TSkinUpDown::ButtonFrame(0, false, false, false), 1);
    EXPECT_EQ(TSkinUpDown::ButtonFrame(0, true, false, false), 2);
    EXPECT_EQ(TSkinUpDown::ButtonFrame(1, true, true, false), 7) << "pressed beats hot";
    EXPECT_EQ(TSkinUpDown::ButtonFrame(1, true, true, true), 8) << "disabled wins";
    ControlState state;
    EXPECT_EQ(TSkinTrackBar::ThumbFrame(state), 1);
    state.focused = true;
    EXPECT_EQ(TSkinTrackBar::ThumbFrame(state), 5);
    state.hot = true;
    EXPECT_EQ(TSkinTrackBar::ThumbFrame(state), 2) << "hot beats focused";
    state.pressed = true;
    EXPECT_EQ(TSkinTrackBar::ThumbFrame(state), 3);
    state.disabled = true;
    EXPECT_EQ(TSkinTrackBar::ThumbFrame(state), 4);
}
