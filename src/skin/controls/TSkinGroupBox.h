// A group box over its own painting: the etched frame is covered by the skin's face colour and replaced by a
// one-pixel rounded outline in the skin's shadow colour, and the caption is written again on the face colour.
// The box itself takes the skin's face colour.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinGroupBox : public TSkinControl {
    TK_CLASS(TSkinGroupBox, TSkinControl)
public:
    static constexpr int kCaptionIndent = 8;

    explicit TSkinGroupBox(tk::TComponent* owner);

protected:
    void Draw(win::HDC dc, const win::RECT& rect) override;
    bool AlwaysRecolours() const override { return true; }
};

} // namespace skin
