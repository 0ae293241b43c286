#include "skin/controls/TSkinSpeedButton.h"

#include "skin/controls/ControlProperties.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TControl.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinSpeedButton, TSkinBitButton, nullptr)

TSkinSpeedButton::TSkinSpeedButton(tk::TComponent* owner) : TSkinBitButton(owner) {
}

bool TSkinSpeedButton::BeforeMessage(tk::TMessage& message) {
    if (message.Msg == win::WM_PAINT && HasButtonImage() && message.WParam) {
        OnPaint(message);
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinSpeedButton::OnPaint(tk::TMessage& message) {
    // A paint that reaches the button while it paints (through a parent asked for its background) is
    // refused rather than nested.
    if (m_painting) {
        message.Result = 0;
        return;
    }
    m_painting = true;
    PaintWindow(reinterpret_cast<win::HDC>(message.WParam));
    m_painting = false;
    message.Result = 1;
}

void TSkinSpeedButton::SetPressed(bool pressed) {
    m_flags.pressed = pressed;
    if (!pressed)
        m_flags.hot = m_flags.hot && Control() && Control()->MouseInControl();
    Repaint();
}

void TSkinSpeedButton::AfterMessage(tk::TMessage& message) {
    if (!HasButtonImage()) {
        TSkinControl::AfterMessage(message);
        return;
    }
    switch (message.Msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK: SetPressed(true); break;
    case win::WM_LBUTTONUP: SetPressed(false); break;
    case win::WM_KEYUP:
        if (message.WParam == static_cast<win::WPARAM>(win::VK_SPACE))
            SetPressed(false);
        break;
    case tk::CM_MOUSEENTER: SetHot(); break;
    case tk::CM_MOUSELEAVE:
        m_flags.hot = false;
        SetPressed(false);
        break;
    // Enabling and focus changes repaint through the parent already.
    case win::WM_ENABLE:
    case tk::CM_FOCUSCHANGED:
    case tk::CM_ENABLEDCHANGED:
    case win::WM_PAINT: break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

ControlState TSkinSpeedButton::CurrentState() const {
    ControlState state = m_flags;
    state.disabled = WindowDisabled();
    state.focused = false;
    state.down = Control() && props::Boolean(*Control(), "Down").value_or(false);
    return state;
}

int TSkinSpeedButton::GlyphPiece(const ControlState& state, int pieces) const {
    return SpeedButtonGlyphPiece(state, pieces);
}

// Straight into the parent's context: the parent has painted what lies under the button already.
void TSkinSpeedButton::Draw(win::HDC dc, const win::RECT& rect) {
    if (!HasButtonImage() || !Shown() || !dc)
        return;
    const ControlState state = CurrentState();
    const bool flat = Control() && props::Boolean(*Control(), "Flat").value_or(false);
    if (!Transparent())
        FillSolid(dc, rect, FaceColour());
    if (SpeedButtonShowsFace(state, flat))
        DrawElementFrame(dc, rect, *Skin()->Buttons, SpeedButtonFrame(state));
    win::RECT bounds = rect;
    win::InflateRect(&bounds, -2, -2);
    DrawGlyphAndCaption(dc, bounds, state);
}

} // namespace skin
