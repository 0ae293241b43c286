// The three images the engine carries itself: the track-bar channels "TRACK" (16 x 4) and "TRACKVERT"
// (4 x 16), used when a skin has none, and "MORAPLEMENU", a 64 x 16 monochrome strip of four 16 x 16 menu
// glyphs (check mark, radio bullet, submenu arrow, indeterminate dash), black on a white mask colour.
#pragma once

#include "skin/data/TSkinBitmap.h"

#include <string_view>

namespace skin {

// False (and an empty bitmap) for a name that is not one of the three.
bool LoadBuiltinBitmap(std::string_view name, TSkinBitmap& bitmap);

} // namespace skin
