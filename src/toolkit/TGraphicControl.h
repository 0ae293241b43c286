// A control without a window of its own: its parent paints it (through Paint, with the parent's device
// context moved and clipped to the control) and hands it the mouse messages that land on it.
#pragma once

#include "toolkit/TControl.h"

namespace tk {

class TGraphicControl : public TControl {
    TK_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);
};

} // namespace tk
