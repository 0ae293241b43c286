// Colour and bitmap helpers shared by the skin data model and the painters. Colours are the toolkit's
// (0x00BBGGRR, system colours resolved before any arithmetic); bitmaps are TSkinBitmap.
#pragma once

#include "skin/data/TSkinBitmap.h"

#include "platform/win.h"
#include "toolkit/TColor.h"

#include <vector>

namespace skin {

// Weight below 100 is a percentage of `colour1`, otherwise tenths of a percent (150 = 15 %).
tk::TColor MixColours(tk::TColor colour1, tk::TColor colour2, int weight);

// 0 ... 255: the HSV saturation when a channel exceeds 159, otherwise 200.
int ColourSaturation(tk::TColor colour);

// One line per pixel row (vertical) or column of the part of `rect` that the DC can show.
void GradientFill(win::HDC dc, const win::RECT& rect, tk::TColor start, bool vertical, tk::TColor end);

// The colours (0x00BBGGRR) of an n-line ramp, from a cache of 16 ramps reused round-robin. The reference
// stays valid until 16 other ramps have been asked for.
const std::vector<tk::TColor>& GradientRamp(int lines, tk::TColor start, tk::TColor end);

// Every exactly magenta pixel becomes `colour`; the bitmap is 24-bit afterwards.
void ReplaceMagenta(TSkinBitmap& bitmap, tk::TColor colour);
void MirrorHorizontal(TSkinBitmap& bitmap);
void FlipVertical(TSkinBitmap& bitmap);
// A quarter turn anticlockwise (left) or clockwise (right); width and height swap.
void RotateLeft(TSkinBitmap& bitmap);
void RotateRight(TSkinBitmap& bitmap);

} // namespace skin
