// Draws a skin element's image into a rectangle of a device context: one state frame of the image, sliced by
// the element's fixed edges into four corners copied as they are, four edges stretched along their length and
// a middle tiled or stretched. The window frame, the popup menus and the control skinners all draw their
// elements through here, so an element looks the same wherever it appears.
#pragma once

#include "skin/data/TDataSkinObject.h"
#include "skin/data/TSkinBitmap.h"

#include "platform/win.h"

namespace skin {

class ElementRenderer {
public:
    // How the frames lie in the image, and what happens to the middle.
    struct Slicing {
        int frameCount = 1;         // below 1 counts as 1
        bool framesStacked = false; // one above the other (top and bottom border pieces); else side by side
        bool stretchMiddle = false; // else tiled from its top-left corner
    };

    // Frame `frame` (from 1; clamped to the frames there are) of `image` into `dest`, sliced by `edges`
    // (left, top, right and bottom widths). A destination narrower than left + right drops both, one lower
    // than top + bottom drops those; edges wider than the frame itself are cut to it. An empty destination or
    // image draws nothing. Stretching uses colour-on-colour mode; the context's mode is restored.
    static void Render(win::HDC dc, const win::RECT& dest, const TSkinBitmap& image, const win::RECT& edges,
                       int frame, const Slicing& slicing);

    // The same for an element, with its own image, frame count and fixed edges.
    static void Render(win::HDC dc, const win::RECT& dest, const TDataSkinObject& element, int frame,
                       bool framesStacked, bool stretchMiddle);
};

} // namespace skin
