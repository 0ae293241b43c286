#include "skin/controls/SkinnerFrames.h"

namespace skin {

namespace {

enum Frame { kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4, kFocused = 5 };

// Within a group of four glyph frames (normal, hot, pressed, disabled), the one for a state.
int OffsetInGroup(const ControlState& state) {
    if (state.disabled)
        return 3;
    if (state.pressed)
        return 2;
    if (state.hot)
        return 1;
    return 0;
}

int Piece(int wanted, int pieces) {
    return wanted < pieces ? wanted : 0;
}

} // namespace

int PushButtonFrame(const ControlState& state) {
    if (state.disabled)
        return kDisabled;
    if (state.pressed)
        return kPressed;
    if (state.hot)
        return kHot;
    if (state.focused || state.isDefault)
        return kFocused;
    return kNormal;
}

int SpeedButtonFrame(const ControlState& state) {
    if (state.disabled)
        return kDisabled;
    if (state.down || state.pressed)
        return kPressed;
    if (state.hot)
        return kHot;
    return kNormal;
}

bool SpeedButtonShowsFace(const ControlState& state, bool flat) {
    return !flat || SpeedButtonFrame(state) != kNormal;
}

int CheckBoxFrame(const ControlState& state, int frameCount) {
    if (frameCount == 12) {
        const int group = state.check == CheckState::Checked ? 1 : state.check == CheckState::Mixed ? 2 : 0;
        return group * 4 + OffsetInGroup(state) + 1;
    }
    if (state.check == CheckState::Mixed)
        return 4;
    const int frame = state.check == CheckState::Checked ? 2 : 1;
    return state.disabled ? frame + 2 : frame;
}

int RadioButtonFrame(const ControlState& state, int frameCount) {
    const bool checked = state.check == CheckState::Checked;
    if (frameCount == 8)
        return (checked ? 4 : 0) + OffsetInGroup(state) + 1;
    const int frame = checked ? 2 : 1;
    return state.disabled ? frame + 2 : frame;
}

int BitButtonGlyphPiece(const ControlState& state, int pieces) {
    if (state.disabled)
        return Piece(1, pieces);
    if (state.pressed)
        return Piece(2, pieces);
    return 0;
}

int SpeedButtonGlyphPiece(const ControlState& state, int pieces) {
    if (state.disabled)
        return Piece(1, pieces);
    if (state.down)
        return Piece(3, pieces);
    if (state.pressed)
        return Piece(2, pieces);
    return 0;
}

} // namespace skin
