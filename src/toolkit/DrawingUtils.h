// Small drawing services the widgets share: measuring text in a control's font, three-dimensional frames and
// colour fills in toolkit colours, and text drawn in a font and colour.
#pragma once

#include "toolkit/TColor.h"
#include "toolkit/TFont.h"
#include "toolkit/WidgetTypes.h"

#include "platform/win.h"

#include <string>

namespace tk {

// The size `text` takes in `font` with DrawText `flags` (DT_CALCRECT is added); a blank text is one line
// high and 0 wide.
win::SIZE TextExtent(const TFont& font, const std::string& text, win::UINT flags = win::DT_SINGLELINE,
                     int maxWidth = 0);
int FontLineHeight(const TFont& font);

void FillColour(win::HDC dc, const win::RECT& rect, TColor colour);
// Draws `width` rings inside `rect`, top and left in `topLeft`, bottom and right in `bottomRight`, and moves
// `rect` inside them.
void Frame3D(win::HDC dc, win::RECT& rect, TColor topLeft, TColor bottomRight, int width);
// Text in the font, transparent over what is there; grey when not enabled.
void DrawTextIn(win::HDC dc, const std::string& text, win::RECT rect, win::UINT flags, const TFont& font,
                bool enabled = true);

} // namespace tk
