// A push button drawn from the skin's Buttons element: frame by state (pressed, hot, focused or default,
// disabled), the caption with "||" line breaks in the element's state colours. The button's own press
// handling never runs: the skinner tracks the mouse itself and clicks on a release inside, so that the
// control's painting cannot show through.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinButton : public TSkinControl {
    TK_CLASS(TSkinButton, TSkinControl)
public:
    explicit TSkinButton(tk::TComponent* owner);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

    // What goes on the face over the element: the caption here, a glyph as well in the bit button.
    virtual void DrawFace(win::HDC dc, const win::RECT& rect, const ControlState& state);
    void DrawOwnColour(win::HDC dc, const win::RECT& face);
    virtual int FaceFrame(const ControlState& state) const { return PushButtonFrame(state); }
    // Whether the control shows at all (bit and speed buttons skip drawing while Visible is false).
    virtual bool Shown() const { return true; }

    // The flags the messages left, with focus, disabled and default read from the control now.
    virtual ControlState CurrentState() const;
    win::COLORREF TextColour(const ControlState& state) const;
    bool HasButtonImage() const;
    void PaintBackground(win::HDC dc, const win::RECT& rect);

private:
    void OnPaint(tk::TMessage& message);
    void OnMouseDown(tk::TMessage& message);
    void OnMouseMove(tk::TMessage& message);
    void OnMouseUp(tk::TMessage& message);
    void OnMouseLeave();
    void OnCaptureChanged();
    void OnSpace(bool down);
    void ForwardMouseDown(const tk::TMessage& message);
    void ClickControl();
    bool Inside(win::LPARAM point) const;

    // The mouse went down on the button and the capture is ours until it comes up.
    bool m_held = false;
    bool m_releaseHeld = false;
    bool m_releasePressed = false; // the press the coming release ends, decided before the control sees it
};

} // namespace skin
