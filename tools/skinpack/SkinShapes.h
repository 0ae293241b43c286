// Shapes that more than one of the skins this tool draws are made of: strips of state frames, arrows and the
// caption-button glyphs.
#pragma once

#include "ReferenceSkinCanvas.h"

#include <functional>

namespace refskin {

// Frames side by side: calls draw(canvas, x offset, frame index).
Canvas Strip(int frames, int fw, int h, const std::function<void(Canvas&, float, int)>& draw);

// A filled triangle pointing 'u'p, 'd'own, 'l'eft or (any other letter) right.
void Triangle(Canvas& c, Pt centre, float size, char direction, Rgb colour);

enum class CaptionGlyph { Close, Max, Min, Restore, MdiMin, MdiRestore, MdiClose };

// The glyph drawn for a caption button `size` pixels square at (x, y), scaled from a 21-pixel design.
void DrawCaptionGlyph(Canvas& c, float x, float y, float size, CaptionGlyph g, Rgb colour);

} // namespace refskin
