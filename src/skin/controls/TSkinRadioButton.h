// A radio button drawn from the skin's radio image (RadioImage, RadioFrameCount frames).
#pragma once

#include "skin/controls/TSkinCheckControl.h"

namespace skin {

class TSkinRadioButton : public TSkinCheckControl {
    TK_CLASS(TSkinRadioButton, TSkinCheckControl)
public:
    explicit TSkinRadioButton(tk::TComponent* owner);

protected:
    const TSkinBitmap* GlyphImage() const override;
    int GlyphFrameCount() const override;
    int GlyphFrame(const ControlState& state) const override;
    // The Checked property of a toolkit button, else BM_GETCHECK.
    CheckState ReadCheck() const override;
};

} // namespace skin
