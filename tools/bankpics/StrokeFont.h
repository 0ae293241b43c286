#pragma once

#include "Canvas.h"

#include <string_view>

namespace bankpics {

// Stroke glyphs for the few characters the pictures need: digits, "ABS", "km/h", ".", ":" and "¥".
// Text is laid out from its top-left corner; the cap height is `height`.
float TextWidth(std::u32string_view text, float height, float gap);
void DrawText(Canvas& canvas, std::u32string_view text, Pt topLeft, float height, float stroke, Color c,
              float gap);

// Seven-segment display digits (and "." and ":"); unlit segments are drawn in `dim`.
float SegmentWidth(std::u32string_view text, float height);
void DrawSegments(Canvas& canvas, std::u32string_view text, Pt topLeft, float height, Color lit, Color dim);

} // namespace bankpics
