// A check box drawn from the skin's check image (CheckImage, CheckFrameCount frames).
#pragma once

#include "skin/controls/TSkinCheckControl.h"

namespace skin {

class TSkinCheckBox : public TSkinCheckControl {
    TK_CLASS(TSkinCheckBox, TSkinCheckControl)
public:
    explicit TSkinCheckBox(tk::TComponent* owner);

protected:
    const TSkinBitmap* GlyphImage() const override;
    int GlyphFrameCount() const override;
    int GlyphFrame(const ControlState& state) const override;
    // The State property of a toolkit box, else the button's own state; a data-aware box shows what was last
    // set through BM_SETCHECK, a bound one always unchecked; an indeterminate button is mixed whatever else.
    CheckState ReadCheck() const override;
};

} // namespace skin
