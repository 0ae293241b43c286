// A windowed control that draws itself: its window class is its own, the background is its colour, and Paint
// draws the rest before the window-less children on top.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {

class TCustomControl : public TWinControl {
    TK_CLASS(TCustomControl, TWinControl)
public:
    using TWinControl::TWinControl;

protected:
    void PaintWindow(win::HDC dc) override { Paint(dc); }
};

} // namespace tk
