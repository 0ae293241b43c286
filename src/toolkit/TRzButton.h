// The flat button of the answer card: a window of its own whose face takes any colour, with a centred
// caption. It looks pressed while held down with the pointer inside and raised while the pointer is over it;
// a release inside after a press inside clicks it.
#pragma once

#include "toolkit/TCustomControl.h"

namespace tk {

class TRzButton : public TCustomControl {
    TK_CLASS(TRzButton, TCustomControl)
public:
    explicit TRzButton(TComponent* owner);

    bool Default() const { return m_default; }
    void SetDefault(bool v) {
        m_default = v;
        Invalidate();
    }
    bool HotTrack() const { return m_hotTrack; }
    void SetHotTrack(bool v) {
        m_hotTrack = v;
        Invalidate();
    }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    bool ShownPressed() const { return m_pressed && m_pointerInside; }
    bool Hot() const { return MouseInControl() && Enabled(); }

    void Click() override;

protected:
    void WndProc(TMessage& message) override;
    void Paint(win::HDC dc) override;
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseMove(TShiftState shift, int x, int y) override;

private:
    bool m_default = false;
    bool m_hotTrack = true;
    int m_modalResult = 0;
    bool m_pointerInside = false;

    void HotChanged();
};

} // namespace tk
