// What check boxes and radio buttons share: when the skin has their glyph image at attach, the skinner draws
// the whole control (glyph at the left edge, or the right with BS_RIGHTBUTTON, and the caption beside it) and
// the control's own painting never runs; without the image the control keeps its own look.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinBitmap;

class TSkinCheckControl : public TSkinControl {
    TK_CLASS(TSkinCheckControl, TSkinControl)
public:
    enum PaintMode { pmOwnLook = 0, pmSkinDrawsAll = 1 };

    explicit TSkinCheckControl(tk::TComponent* owner);

    int Mode() const { return m_paintMode; }

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;
    void OnAttached() override;

    // The glyph image and its frame count, from the skin's Buttons element.
    virtual const TSkinBitmap* GlyphImage() const = 0;
    virtual int GlyphFrameCount() const = 0;
    virtual int GlyphFrame(const ControlState& state) const = 0;
    virtual CheckState ReadCheck() const = 0;

    // The flags the messages left, with the check, pressed and disabled states read from the control now.
    ControlState CurrentState() const;
    // BM_GETSTATE of the window.
    win::LRESULT ButtonState() const;

    // The last state set through BM_SETCHECK (data-aware controls show that).
    win::WPARAM m_lastSetCheck = 0;

private:
    void OnPaint(tk::TMessage& message);
    void OnHotLost();

    int m_paintMode = pmOwnLook;
};

} // namespace skin
