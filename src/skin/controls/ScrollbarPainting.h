// How a skinned scroll bar is drawn from the skin's scroll-bar elements, for a bar in a given state: the
// overlays of control bars, of stand-alone bars and of a combo box's list all draw through this.
#pragma once

#include "skin/controls/ScrollbarParts.h"

#include "platform/win.h"

namespace skin {

class TSkinElements;

struct ScrollbarLook {
    bool vertical = false;
    int length = 0;  // along the axis
    int breadth = 0; // across it
    int arrow = 0;   // the system's arrow length, which the thumb arithmetic used
    ThumbSpan thumb;
    int hot = sbpNone; // the part under the pointer or being worked on
    bool pressed = false;
    bool disabled = false;
};

// Whether the skin has what a bar is drawn with (the arrow image); without it bars keep their own look.
bool SkinDrawsScrollbars(const TSkinElements& skin);

// Draws the bar at (0, 0) of `dc`, `look.length` by `look.breadth` (turned for a vertical bar).
void DrawScrollbar(win::HDC dc, const ScrollbarLook& look, const TSkinElements& skin);

} // namespace skin
