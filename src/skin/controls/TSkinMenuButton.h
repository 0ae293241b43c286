// A push button with a drop-down part: the bit button's face in the left part, a drop arrow in the right.
#pragma once

#include "skin/controls/TSkinBitButton.h"

namespace skin {

class TSkinMenuButton : public TSkinBitButton {
    TK_CLASS(TSkinMenuButton, TSkinBitButton)
public:
    static constexpr int kDropPartWidth = 16;

    explicit TSkinMenuButton(tk::TComponent* owner);

protected:
    void DrawFace(win::HDC dc, const win::RECT& rect, const ControlState& state) override;
};

} // namespace skin
