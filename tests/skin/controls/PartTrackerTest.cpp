// The shared hot and pressed part tracking of the many-part skinners: a held part shows pressed only while
// the pointer is over it, a repaint is asked for only when what shows changes, and the pointer messages
// (including a release that never arrived and a leave while the control holds the capture) drive it.
#include "CommonControlsSkin.h"

#include "skin/controls/PartTracker.h"

using namespace skinner_tests;
using skin::PartTracker;

namespace {

constexpr int kNone = PartTracker::kNone;

tk::TMessage Message(win::UINT msg, win::WPARAM wParam = 0, int x = 0, int y = 0) {
    return {msg, wParam, win::MAKELPARAM(static_cast<win::WORD>(x), static_cast<win::WORD>(y)), 0};
}

// Part = x / 10 below x = 30, none beyond.
int PartAt(win::LPARAM point) {
    const int x = win::GET_X_LPARAM(point);
    return x < 30 ? x / 10 : kNone;
}

} // namespace

TEST(PartTracker, PressedShowsOnlyWhileThePointerIsOverTheHeldPart) {
    PartTracker parts;
    EXPECT_TRUE(parts.OnMove(1));
    EXPECT_FALSE(parts.OnMove(1)) << "the same part again needs no repaint";
    EXPECT_TRUE(parts.OnPress(1));
    EXPECT_EQ(parts.Pressed(), 1);

    EXPECT_TRUE(parts.OnMove(2));
    EXPECT_EQ(parts.Hot(), 2);
    EXPECT_EQ(parts.Pressed(), kNone) << "dragged off, as a push button lets go";
    EXPECT_TRUE(parts.OnMove(1));
    EXPECT_EQ(parts.Pressed(), 1) << "back over it before the release";

    EXPECT_TRUE(parts.OnLeave());
    EXPECT_EQ(parts.Pressed(), kNone);
    EXPECT_TRUE(parts.OnMove(1));
    EXPECT_EQ(parts.Pressed(), 1) << "leaving does not end the hold";

    EXPECT_TRUE(parts.OnRelease());
    EXPECT_EQ(parts.Pressed(), kNone);
    EXPECT_EQ(parts.Hot(), 1) << "released, still hot";
}

TEST(PartTracker, ChangesThatDoNotShowAskForNoRepaint) {
    PartTracker parts;
    EXPECT_FALSE(parts.OnRelease()) << "nothing held";
    EXPECT_FALSE(parts.OnLeave()) << "nothing hot";
    EXPECT_FALSE(parts.OnPress(kNone)) << "a press beside every part";
    parts.OnPress(0);
    parts.OnMove(kNone);
    EXPECT_FALSE(parts.OnRelease()) << "released away from the held part: nothing showed pressed";
    parts.OnMove(2);
    EXPECT_TRUE(parts.OnMove(-7));
    EXPECT_FALSE(parts.OnMove(kNone));
    EXPECT_EQ(parts.Hot(), kNone) << "any negative part is none";
}

TEST_F(CommonControlsSkin, TrackerFollowsThePointerMessages) {
    PartTracker parts;
    using Outcome = PartTracker::Outcome;
    EXPECT_EQ(parts.Follow(Message(win::WM_PAINT), nullptr, PartAt), Outcome::NotPointer);
    EXPECT_EQ(parts.Follow(Message(win::WM_MOUSEMOVE, 0, 15), nullptr, PartAt), Outcome::Changed);
    EXPECT_EQ(parts.Hot(), 1);
    EXPECT_EQ(parts.Follow(Message(win::WM_MOUSEMOVE, 0, 18), nullptr, PartAt), Outcome::Unchanged);
    EXPECT_EQ(parts.Follow(Message(win::WM_LBUTTONDBLCLK, win::MK_LBUTTON, 5), nullptr, PartAt),
              Outcome::Changed);
    EXPECT_EQ(parts.Pressed(), 0) << "a double click presses too";
    EXPECT_EQ(parts.Follow(Message(win::WM_MOUSEMOVE, win::MK_LBUTTON, 35), nullptr, PartAt),
              Outcome::Changed);
    EXPECT_EQ(parts.Held(), 0);
    EXPECT_EQ(parts.Follow(Message(win::WM_MOUSEMOVE, 0, 5), nullptr, PartAt), Outcome::Changed);
    EXPECT_EQ(parts.Held(), kNone) << "the button came up where we did not see it";

    parts.Follow(Message(win::WM_LBUTTONDOWN, win::MK_LBUTTON, 25), nullptr, PartAt);
    EXPECT_EQ(parts.Follow(Message(win::WM_CAPTURECHANGED), nullptr, PartAt), Outcome::Changed);
    EXPECT_EQ(parts.Held(), kNone) << "a lost capture ends the press";

    const win::HWND hwnd = MakeNative(win::WC_HEADERA, 0, 10, 10, 100, 20);
    parts.Follow(Message(win::WM_LBUTTONDOWN, win::MK_LBUTTON, 25), hwnd, PartAt);
    win::SetCapture(hwnd);
    EXPECT_EQ(parts.Follow(Message(win::WM_MOUSELEAVE), hwnd, PartAt), Outcome::Unchanged);
    EXPECT_EQ(parts.Pressed(), 2) << "a control holding the capture has not been left";
    win::ReleaseCapture();
    parts.Follow(Message(win::WM_LBUTTONUP), hwnd, PartAt);
    EXPECT_EQ(parts.Follow(Message(tk::CM_MOUSELEAVE), hwnd, PartAt), Outcome::Changed);
    EXPECT_EQ(parts.Hot(), kNone);
}
