// A flat push button without a window: its parent paints it and hands it the mouse. Its state (hot while the
// pointer is over it, pressed while held down inside, Down when it stays pressed in a group) is kept apart
// from its drawing, which the skin engine may take over. A click is a release inside after a press inside,
// or Click() from code.
#pragma once

#include "toolkit/TGlyphButtonParts.h"
#include "toolkit/TGraphicControl.h"

namespace tk {

class TSpeedButton : public TGraphicControl, public TGlyphButtonParts<TSpeedButton> {
    TK_CLASS(TSpeedButton, TGraphicControl)
    friend class TGlyphButtonParts<TSpeedButton>;

public:
    explicit TSpeedButton(TComponent* owner);

    bool Down() const { return m_down; }
    void SetDown(bool down);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index) { m_groupIndex = index; }
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { m_allowAllUp = allow; }
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat) {
        m_flat = flat;
        Invalidate();
    }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent) {
        m_transparent = transparent;
        Invalidate();
    }

    // Drawn pressed: held down with the pointer inside, or Down.
    bool ShownPressed() const { return m_down || (m_pressed && m_pointerInside); }
    bool Hot() const { return MouseInControl() && Enabled(); }

    void Click() override;

protected:
    void WndProc(TMessage& message) override;
    void Paint(win::HDC dc) override;
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseMove(TShiftState shift, int x, int y) override;

private:
    bool m_down = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_flat = true;
    bool m_transparent = true;
    bool m_pointerInside = false;

    void UpdateGroup();
    void HotChanged();
};

} // namespace tk
