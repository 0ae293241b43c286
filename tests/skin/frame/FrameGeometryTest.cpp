// The frame's arithmetic: border thickness, client area, hit-testing, the caption buttons' visibility table
// and places, and where the caption text goes.
#include "skin/frame/FrameGeometry.h"

#include <gtest/gtest.h>

#include <memory>

using namespace skin;

namespace {

void Image(TDataSkinObject& element, int width, int height, int frames) {
    element.Image.SetSize(width, height);
    element.FrameCount = frames;
}

std::unique_ptr<TDataSkinSysButton> Button(int action, int visibility, int visibility1 = 0) {
    auto b = std::make_unique<TDataSkinSysButton>("SysButton");
    b->Action = action;
    b->Visibility = visibility;
    b->Visibility1 = visibility1;
    Image(*b, 63, 18, 3);
    return b;
}

WindowFacts Facts(ShowState show, unsigned buttons, bool active = true,
                  BorderKind border = BorderKind::Sizeable) {
    WindowFacts w;
    w.show = show;
    w.buttons = buttons;
    w.active = active;
    w.border = border;
    return w;
}

constexpr unsigned kAll = kHasMaximiseBox | kHasMinimiseBox | kHasSystemMenu;

} // namespace

TEST(FrameBorders, EachSideIsItsImageAcrossTheSideDividedByItsFrames) {
    TSkinElements skin;
    Image(*skin.BorderTop, 300, 30, 2);    // frames stacked: 15 high
    Image(*skin.BorderLeft, 4, 100, 2);    // frames side by side: 2 wide
    Image(*skin.BorderRight, 9, 100, 3);   // 3
    Image(*skin.BorderBottom, 300, 10, 0); // no frame count: one frame
    const FrameBorders b = FrameGeometry::Borders(skin, BorderKind::Sizeable);
    EXPECT_EQ(b.top, 15);
    EXPECT_EQ(b.left, 2);
    EXPECT_EQ(b.right, 3);
    EXPECT_EQ(b.bottom, 10);
    const FrameBorders none = FrameGeometry::Borders(skin, BorderKind::NoCaption);
    EXPECT_EQ(none.left + none.top + none.right + none.bottom, 0) << "the system keeps a captionless frame";
    skin.BorderRight->Image.Clear();
    EXPECT_EQ(FrameGeometry::Borders(skin, BorderKind::Fixed).right, 0);
}

TEST(FrameBorders, TheKindFollowsCaptionDialogAndSizingBits) {
    using win::WS_CAPTION, win::WS_THICKFRAME, win::WS_BORDER;
    EXPECT_EQ(FrameGeometry::KindOf(WS_CAPTION | WS_THICKFRAME, 0, false), BorderKind::Sizeable);
    EXPECT_EQ(FrameGeometry::KindOf(WS_CAPTION, 0, false), BorderKind::Fixed);
    EXPECT_EQ(FrameGeometry::KindOf(WS_BORDER | WS_THICKFRAME, 0, false), BorderKind::NoCaption);
    EXPECT_EQ(FrameGeometry::KindOf(WS_CAPTION | 0x80, 0, false), BorderKind::Dialog);
    EXPECT_EQ(FrameGeometry::KindOf(WS_CAPTION, win::WS_EX_DLGMODALFRAME, false), BorderKind::Dialog);
    EXPECT_EQ(FrameGeometry::KindOf(WS_CAPTION | WS_THICKFRAME, 0, true), BorderKind::Dialog);
    EXPECT_TRUE(FrameGeometry::IsDialogClass("TMessageForm"));
    EXPECT_FALSE(FrameGeometry::IsDialogClass("TForm1"));
    EXPECT_EQ(FrameGeometry::ShowStateOf(3), ShowState::Maximised);
    for (win::UINT minimised : {2u, 6u, 7u})
        EXPECT_EQ(FrameGeometry::ShowStateOf(minimised), ShowState::Minimised);
    EXPECT_EQ(FrameGeometry::ShowStateOf(1), ShowState::Normal);
}

TEST(FrameNonClient, TheClientAreaSitsInsideTheBordersAndBelowTheMenuBar) {
    const FrameBorders b{4, 26, 5, 6};
    const win::RECT client = FrameGeometry::ClientFor(win::RECT{100, 50, 400, 350}, b, 19);
    EXPECT_EQ(client.left, 104);
    EXPECT_EQ(client.top, 50 + 26 + 19);
    EXPECT_EQ(client.right, 395);
    EXPECT_EQ(client.bottom, 344);
}

TEST(FrameNonClient, OnlyNowhereAndCaptionAnswersChange) {
    const FrameBorders b{4, 26, 4, 4};
    EXPECT_EQ(FrameGeometry::HitTest(win::HTLEFT, 10, b, 0), win::HTLEFT);
    EXPECT_EQ(FrameGeometry::HitTest(win::HTCLOSE, 10, b, 0), win::HTCLOSE);
    EXPECT_EQ(FrameGeometry::HitTest(win::HTNOWHERE, 3, b, 0), win::HTNOWHERE) << "the top three rows stay";
    EXPECT_EQ(FrameGeometry::HitTest(win::HTNOWHERE, 4, b, 0), win::HTCAPTION);
    EXPECT_EQ(FrameGeometry::HitTest(win::HTCAPTION, 30, b, 0), win::HTCAPTION) << "no menu bar";
    EXPECT_EQ(FrameGeometry::HitTest(win::HTCAPTION, 26, b, 19), win::HTCAPTION);
    EXPECT_EQ(FrameGeometry::HitTest(win::HTCAPTION, 27, b, 19), win::HTMENU);
}

TEST(CaptionButtons, EveryRowOfTheVisibilityTable) {
    const WindowFacts normal = Facts(ShowState::Normal, kAll);
    const WindowFacts maximised = Facts(ShowState::Maximised, kAll);
    const WindowFacts inactive = Facts(ShowState::Normal, kAll, false);
    const WindowFacts bare = Facts(ShowState::Normal, kHasSystemMenu);
    const WindowFacts noMenu = Facts(ShowState::Normal, kHasMaximiseBox | kHasMinimiseBox);
    WindowFacts help = Facts(ShowState::Normal, kHasContextHelp | kHasSystemMenu);
    struct Row {
        int code;
        bool first; // Visibility
        const WindowFacts& w;
        bool holds;
    };
    const Row rows[] = {
        {0, true, normal, true},       {0, false, bare, true},       {1, true, maximised, true},
        {1, false, normal, false},     {2, true, normal, true},      {2, false, maximised, false},
        {3, true, normal, true},       {3, false, inactive, false},  {4, true, inactive, true},
        {4, false, normal, false},     {5, true, normal, false},     {5, false, normal, false},
        {6, true, normal, true},       {6, true, noMenu, false},     {6, false, noMenu, true},
        {6, false, bare, false},       {8, true, noMenu, false},     {8, false, noMenu, true},
        {7, true, bare, true},         {7, false, normal, false},    {9, true, bare, true},
        {9, false, normal, false},     {10, true, help, true},       {10, false, help, true},
        {10, true, normal, false},     {300, true, normal, true},    {300, false, normal, false},
        {1500, true, normal, false},   {1500, false, normal, false}, {11, true, normal, false},
        {99999, false, normal, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FrameGeometry::CodeHolds(r.code, !r.first, r.w), r.holds)
            << "code " << r.code << (r.first ? " as Visibility" : " as Visibility1");

    help.buttons |= kHasMinimiseBox;
    EXPECT_FALSE(FrameGeometry::CodeHolds(10, false, help)) << "context help without minimise or maximise";
    EXPECT_TRUE(FrameGeometry::CodeHolds(10, true, help));

    EXPECT_TRUE(FrameGeometry::CodeHolds(1500, false, normal, 1)) << "the window says yes";
    EXPECT_FALSE(FrameGeometry::CodeHolds(1500, true, normal, 1));

    WindowFacts dialog = Facts(ShowState::Normal, kAll, true, BorderKind::Dialog);
    EXPECT_TRUE(FrameGeometry::CodeHolds(200, false, dialog));
    dialog.dialogClass = true;
    EXPECT_FALSE(FrameGeometry::CodeHolds(200, false, dialog));
    EXPECT_FALSE(
        FrameGeometry::CodeHolds(200, true, Facts(ShowState::Normal, kAll, true, BorderKind::Dialog)));

    WindowFacts mdi = normal;
    EXPECT_FALSE(FrameGeometry::CodeHolds(100, false, mdi));
    mdi.mdiFrameWithMaximisedChild = true;
    EXPECT_TRUE(FrameGeometry::CodeHolds(100, false, mdi));
    EXPECT_TRUE(FrameGeometry::CodeHolds(100, true, mdi));
}

TEST(CaptionButtons, AMaximiseButtonWithCodesTwoAndSixGoesWhenMaximisedOrWithoutSizeBoxes) {
    const auto maximise = Button(1, 2, 6);
    EXPECT_TRUE(FrameGeometry::ButtonShown(*maximise, Facts(ShowState::Normal, kAll)));
    EXPECT_FALSE(FrameGeometry::ButtonShown(*maximise, Facts(ShowState::Maximised, kAll)));
    EXPECT_FALSE(FrameGeometry::ButtonShown(*maximise, Facts(ShowState::Normal, kHasSystemMenu)));
}

TEST(CaptionButtons, ActionsHideCloseWithoutASystemMenuAndIconsOnDialogsAndEnableBySizeBoxes) {
    EXPECT_FALSE(FrameGeometry::ButtonShown(*Button(0, 0), Facts(ShowState::Normal, kHasMaximiseBox)));
    EXPECT_TRUE(FrameGeometry::ButtonShown(*Button(0, 0), Facts(ShowState::Normal, kHasSystemMenu)));
    for (int icon : {3, 11, 12}) {
        EXPECT_FALSE(FrameGeometry::ButtonShown(*Button(icon, 0),
                                                Facts(ShowState::Normal, kAll, true, BorderKind::Dialog)));
        EXPECT_TRUE(FrameGeometry::ButtonShown(*Button(icon, 0), Facts(ShowState::Normal, kAll)));
    }
    EXPECT_TRUE(FrameGeometry::ButtonEnabled(*Button(1, 0), Facts(ShowState::Normal, kAll)));
    EXPECT_FALSE(FrameGeometry::ButtonEnabled(*Button(1, 0), Facts(ShowState::Normal, kHasMaximiseBox)));
    EXPECT_FALSE(FrameGeometry::ButtonEnabled(*Button(2, 0), Facts(ShowState::Normal, kHasSystemMenu)));
    EXPECT_TRUE(FrameGeometry::ButtonEnabled(*Button(2, 0),
                                             Facts(ShowState::Normal, kHasMinimiseBox | kHasSystemMenu)));
    EXPECT_TRUE(FrameGeometry::ButtonEnabled(*Button(0, 0), Facts(ShowState::Normal, 0)));
}

TEST(CaptionButtons, PlacesByAlignment) {
    const auto button = Button(0, 0); // 21 x 18
    TDataSkinSysButton& b = *button;
    b.XCoord = 30;
    b.YCoord = 5;
    const win::RECT text{40, 0, 200, 26};
    const FrameBorders borders{4, 26, 6, 4};
    const auto at = [&](int align) {
        b.Align = align;
        return FrameGeometry::ButtonRect(b, FrameGeometry::ButtonSize(b), 500, text, borders, 20, 3);
    };
    EXPECT_EQ(at(0).left, 30);
    EXPECT_EQ(at(0).top, 5);
    EXPECT_EQ(at(0).right, 51);
    EXPECT_EQ(at(0).bottom, 23);
    EXPECT_EQ(at(1).left, 470) << "from the right edge";
    EXPECT_EQ(at(2).left, 40 - 21 - 30) << "left of the caption text";
    EXPECT_EQ(at(8).left, 40 - 21 - 30);
    EXPECT_EQ(at(3).left, 30 + 200) << "right of the caption text";
    EXPECT_EQ(at(9).left, 230);
    EXPECT_EQ(at(100).left, 500 - 30 - 6 - 3) << "in the menu bar";
    EXPECT_EQ(at(100).top, 26 + (20 - 18) / 2);
}

TEST(CaptionText, OffsetsForEachAlignmentLeftToRightAndRightToLeft) {
    TDataSkinTitle title("Title");
    title.Margins = {16, 5, 80, 0}; // TextShift, TextShiftVert, TextRightClip
    const auto left = [&](int alignment, bool rtl, int block = 100) {
        title.TextAlignment = alignment;
        return FrameGeometry::CaptionTextLeft(title, 400, block, rtl, 70);
    };
    EXPECT_EQ(left(0, false), 16);
    EXPECT_EQ(left(1, false), 150);
    EXPECT_EQ(left(2, false), 400 - 80 - 100);
    EXPECT_EQ(left(0, true), 400 - 70 - 100);
    EXPECT_EQ(left(1, true), (400 - 70 - 100) / 2);
    EXPECT_EQ(left(2, true), 16);
    EXPECT_EQ(left(0, true, 380), 16) << "an offset below 1 falls back to TextShift";
    EXPECT_EQ(left(7, false), 16) << "an unknown alignment is taken as the first";
    EXPECT_EQ(left(2, false, 330), 16) << "a right-aligned caption wider than its room starts at TextShift";
    EXPECT_EQ(left(1, false, 420), 16) << "so does a centred one";
    EXPECT_EQ(left(2, false, 320), 0) << "one that just fits stays right-aligned";

    // Each half is truncated toward zero.
    EXPECT_EQ(FrameGeometry::CaptionTextTop(title, 26, 15), 5 + 2);
    title.Margins.top = -5;
    EXPECT_EQ(FrameGeometry::CaptionTextTop(title, 26, 15), 5 - 2);
    EXPECT_EQ(FrameGeometry::CaptionTextTop(title, 10, 15), -2 - 2);
}
