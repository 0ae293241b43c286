// Which frame of a skin image each control state shows: the tables every skinner draws from.
#include "skin/controls/SkinnerFrames.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

ControlState With(bool hot, bool pressed, bool focused, bool disabled, bool isDefault = false) {
    ControlState s;
    s.hot = hot;
    s.pressed = pressed;
    s.focused = focused;
    s.disabled = disabled;
    s.isDefault = isDefault;
    return s;
}

ControlState Check(CheckState check, bool hot, bool pressed, bool disabled) {
    ControlState s = With(hot, pressed, false, disabled);
    s.check = check;
    return s;
}

} // namespace

TEST(PushButtonFrames, PressedHotFocusedDefaultAndNormal) {
    EXPECT_EQ(PushButtonFrame(With(false, false, false, false)), 1);
    EXPECT_EQ(PushButtonFrame(With(false, true, false, false)), 2);
    EXPECT_EQ(PushButtonFrame(With(true, false, false, false)), 4);
    EXPECT_EQ(PushButtonFrame(With(false, false, true, false)), 5);
    EXPECT_EQ(PushButtonFrame(With(false, false, false, false, true)), 5) << "the default button";
    EXPECT_EQ(PushButtonFrame(With(true, true, true, false, true)), 2) << "pressed outranks hot and focus";
    EXPECT_EQ(PushButtonFrame(With(true, false, true, false, true)), 4) << "hot outranks focus";
}

TEST(PushButtonFrames, DisabledIsFrameThreeWhateverElseHolds) {
    for (int bits = 0; bits < 16; ++bits) {
        const ControlState s = With(bits & 1, bits & 2, bits & 4, true, bits & 8);
        EXPECT_EQ(PushButtonFrame(s), 3) << bits;
        EXPECT_EQ(SpeedButtonFrame(s), 3) << bits;
    }
}

TEST(SpeedButtonFrames, DownShowsPressedAndFlatHidesOnlyTheNormalFace) {
    ControlState down;
    down.down = true;
    EXPECT_EQ(SpeedButtonFrame(down), 2);
    EXPECT_EQ(SpeedButtonFrame(With(true, false, false, false)), 4);
    EXPECT_EQ(SpeedButtonFrame(ControlState{}), 1);
    EXPECT_FALSE(SpeedButtonShowsFace(ControlState{}, true));
    EXPECT_TRUE(SpeedButtonShowsFace(ControlState{}, false));
    EXPECT_TRUE(SpeedButtonShowsFace(With(true, false, false, false), true));
    EXPECT_TRUE(SpeedButtonShowsFace(down, true));
}

TEST(CheckBoxFrames, TwelveFrameImageHasEveryStateOfEveryCheck) {
    struct Row {
        CheckState check;
        bool hot, pressed, disabled;
        int frame;
    };
    const Row rows[] = {
        {CheckState::Unchecked, false, false, false, 1}, {CheckState::Unchecked, true, false, false, 2},
        {CheckState::Unchecked, false, true, false, 3},  {CheckState::Unchecked, false, false, true, 4},
        {CheckState::Checked, false, false, false, 5},   {CheckState::Checked, true, false, false, 6},
        {CheckState::Checked, false, true, false, 7},    {CheckState::Checked, true, true, true, 8},
        {CheckState::Mixed, false, false, false, 9},     {CheckState::Mixed, true, false, false, 10},
        {CheckState::Mixed, true, true, false, 11},      {CheckState::Mixed, false, false, true, 12},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CheckBoxFrame(Check(r.check, r.hot, r.pressed, r.disabled), 12), r.frame)
            << static_cast<int>(r.check) << r.hot << r.pressed << r.disabled;
}

TEST(CheckBoxFrames, FourFrameImageHasUncheckedCheckedAndTheirDisabledLooks) {
    for (bool hot : {false, true})
        for (bool pressed : {false, true}) {
            EXPECT_EQ(CheckBoxFrame(Check(CheckState::Unchecked, hot, pressed, false), 4), 1);
            EXPECT_EQ(CheckBoxFrame(Check(CheckState::Checked, hot, pressed, false), 4), 2);
            EXPECT_EQ(CheckBoxFrame(Check(CheckState::Unchecked, hot, pressed, true), 4), 3);
            EXPECT_EQ(CheckBoxFrame(Check(CheckState::Checked, hot, pressed, true), 4), 4);
            EXPECT_EQ(CheckBoxFrame(Check(CheckState::Mixed, hot, pressed, false), 4), 4);
            EXPECT_EQ(CheckBoxFrame(Check(CheckState::Mixed, hot, pressed, true), 4), 4);
        }
}

TEST(RadioButtonFrames, EightAndFourFrameImages) {
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Unchecked, false, false, false), 8), 1);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Unchecked, true, false, false), 8), 2);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Unchecked, false, true, false), 8), 3);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Unchecked, true, true, true), 8), 4);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Checked, false, false, false), 8), 5);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Checked, true, false, false), 8), 6);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Checked, false, true, false), 8), 7);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Checked, false, false, true), 8), 8);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Unchecked, true, true, false), 4), 1);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Checked, true, false, false), 4), 2);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Unchecked, false, false, true), 4), 3);
    EXPECT_EQ(RadioButtonFrame(Check(CheckState::Checked, false, false, true), 4), 4);
}

TEST(GlyphPieces, OnlyPiecesTheStripHas) {
    ControlState disabled = With(false, false, false, true), pressed = With(false, true, false, false);
    ControlState down;
    down.down = true;
    EXPECT_EQ(BitButtonGlyphPiece(disabled, 3), 1);
    EXPECT_EQ(BitButtonGlyphPiece(pressed, 3), 2);
    EXPECT_EQ(BitButtonGlyphPiece(pressed, 2), 0) << "no pressed piece: the normal one";
    EXPECT_EQ(BitButtonGlyphPiece(disabled, 1), 0);
    EXPECT_EQ(SpeedButtonGlyphPiece(down, 4), 3);
    EXPECT_EQ(SpeedButtonGlyphPiece(down, 3), 0);
    EXPECT_EQ(SpeedButtonGlyphPiece(pressed, 4), 2);
}
