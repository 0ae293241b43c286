// A speed button has no window: the skinner takes the control's message hook and answers the paint its
// parent passes down by drawing into the parent's context. Presses go to the control first (it clicks by
// itself); the skinner only follows hot, pressed and Down. A Flat button shows no face while it is only
// normal.
#pragma once

#include "skin/controls/TSkinBitButton.h"

namespace skin {

class TSkinSpeedButton : public TSkinBitButton {
    TK_CLASS(TSkinSpeedButton, TSkinBitButton)
public:
    explicit TSkinSpeedButton(tk::TComponent* owner);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;
    ControlState CurrentState() const override;
    int GlyphPiece(const ControlState& state, int pieces) const override;
    bool FocusRectangle(const ControlState&) const override { return false; }

private:
    void OnPaint(tk::TMessage& message);
    void SetPressed(bool pressed);

    bool m_painting = false;
};

} // namespace skin
