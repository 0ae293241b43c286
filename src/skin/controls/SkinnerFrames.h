// Which frame of a skin image shows a control in a given state. The skinners turn messages into a
// ControlState; these functions alone decide the frame, so every state can be checked from a table.
#pragma once

namespace skin {

enum class CheckState { Unchecked, Checked, Mixed };

struct ControlState {
    bool hot = false;       // the pointer is over it
    bool pressed = false;   // held down by the mouse or the space bar
    bool focused = false;   // it has the keyboard focus
    bool disabled = false;  // its window is disabled
    bool isDefault = false; // the Return key would click it
    bool down = false;      // a speed button that stays down
    CheckState check = CheckState::Unchecked;
};

// Buttons element (5 frames: normal, pressed, disabled, hot, focused or default). Disabled wins over all.
int PushButtonFrame(const ControlState& state);
// A speed button shows a Down button as pressed.
int SpeedButtonFrame(const ControlState& state);
// A flat speed button draws no face while it is only normal.
bool SpeedButtonShowsFace(const ControlState& state, bool flat);

// Check-box glyphs. A 12-frame image holds unchecked, checked and mixed, each normal, hot, pressed and
// disabled; any other holds unchecked, checked, unchecked disabled and checked disabled (mixed shows as the
// last of those).
int CheckBoxFrame(const ControlState& state, int frameCount);
// Radio glyphs: an 8-frame image holds unchecked and checked, each normal, hot, pressed and disabled; any
// other the four frames of a check-box image without the mixed state.
int RadioButtonFrame(const ControlState& state, int frameCount);

// Glyph pieces of a bitmap button (0-based, within the pieces there are): normal, disabled, pressed.
int BitButtonGlyphPiece(const ControlState& state, int pieces);
// ... and of a speed button, whose fourth piece is Down.
int SpeedButtonGlyphPiece(const ControlState& state, int pieces);

} // namespace skin
