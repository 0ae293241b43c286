#include "skin/controls/TSkinButton.h"

#include "skin/controls/ControlProperties.h"
#include "skin/controls/SkinPainting.h"
#include "skin/controls/TSkinCanvas.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TControl.h"
#include "toolkit/TFont.h"

#include <algorithm>
#include <cctype>

namespace skin {

namespace {

// Controls that run their own mouse-down event from the press message already.
bool KeepsOwnMouseDown(const std::string& className) {
    std::string lower(className);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.rfind("trz", 0) == 0 || lower.rfind("tel", 0) == 0;
}

// A point that may not fit the message's 16-bit coordinates.
constexpr int kLargestExactCoordinate = 0x8000;

} // namespace

TK_IMPLEMENT_CLASS(TSkinButton, TSkinControl, nullptr)

TSkinButton::TSkinButton(tk::TComponent* owner) : TSkinControl(owner) {
}

bool TSkinButton::HasButtonImage() const {
    return Skin() && Skin()->Buttons && !Skin()->Buttons->Image.Empty();
}

// Without a button image the control keeps its own look and its own press handling.
bool TSkinButton::BeforeMessage(tk::TMessage& message) {
    if (!HasButtonImage())
        return TSkinControl::BeforeMessage(message);
    switch (message.Msg) {
    case win::WM_PAINT: OnPaint(message); return false;
    case win::WM_ERASEBKGND: message.Result = 1; return false;
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK: OnMouseDown(message); return false;
    case win::WM_LBUTTONUP:
        // Decided before the control sees the release: a control that ends its own capture on release
        // would otherwise look like a press cancelled by losing the capture.
        m_releaseHeld = m_held;
        m_releasePressed = m_flags.pressed && m_held;
        m_held = false;
        return TSkinControl::BeforeMessage(message);
    default: return TSkinControl::BeforeMessage(message);
    }
}

void TSkinButton::AfterMessage(tk::TMessage& message) {
    if (!HasButtonImage()) {
        TSkinControl::AfterMessage(message);
        return;
    }
    switch (message.Msg) {
    case win::WM_KEYDOWN:
    case win::WM_KEYUP:
        if (message.WParam == static_cast<win::WPARAM>(win::VK_SPACE))
            OnSpace(message.Msg == win::WM_KEYDOWN);
        break;
    case win::WM_MOUSEMOVE: OnMouseMove(message); break;
    case win::WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE: OnMouseLeave(); break;
    case win::WM_CAPTURECHANGED: OnCaptureChanged(); break;
    case tk::CM_DIALOGKEY:
    case tk::CM_FOCUSCHANGED: Repaint(); break;
    case win::WM_LBUTTONUP: OnMouseUp(message); break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinButton::OnPaint(tk::TMessage& message) {
    message.Result = 0;
    if (auto given = reinterpret_cast<win::HDC>(message.WParam)) {
        PaintWindow(given);
        return;
    }
    win::PAINTSTRUCT ps{};
    win::HDC dc = win::BeginPaint(Window(), &ps);
    if (dc)
        PaintWindow(dc);
    win::EndPaint(Window(), &ps);
}

void TSkinButton::OnMouseDown(tk::TMessage& message) {
    message.Result = 0;
    const std::weak_ptr<bool> alive = AliveToken();
    if (win::GetFocus() != Window())
        win::SetFocus(Window());
    if (alive.expired() || !win::IsWindow(Window()))
        return;
    m_flags.pressed = true;
    m_held = true;
    win::SetCapture(Window());
    Repaint();
    ForwardMouseDown(message);
}

void TSkinButton::ForwardMouseDown(const tk::TMessage& message) {
    tk::TControl* control = Control();
    if (!control || KeepsOwnMouseDown(control->ClassName()))
        return;
    win::POINT at{win::GET_X_LPARAM(message.LParam), win::GET_Y_LPARAM(message.LParam)};
    if (control->Width() > kLargestExactCoordinate || control->Height() > kLargestExactCoordinate) {
        win::GetCursorPos(&at);
        win::ScreenToClient(Window(), &at);
    }
    tk::TShiftState shift = tk::KeysToShiftState(message.WParam);
    if (message.Msg == win::WM_LBUTTONDBLCLK)
        shift |= tk::ssDouble;
    control->MouseDown(tk::TMouseButton::mbLeft, shift, at.x, at.y);
}

bool TSkinButton::Inside(win::LPARAM point) const {
    const win::RECT r = Bounds();
    const int x = win::GET_X_LPARAM(point), y = win::GET_Y_LPARAM(point);
    return x >= r.left && y >= r.top && x < r.right && y < r.bottom;
}

void TSkinButton::OnMouseMove(tk::TMessage& message) {
    const bool inside = Inside(message.LParam);
    // While held, the button shows pressed only with the pointer over it, as a native button does.
    if (m_held && inside != m_flags.pressed) {
        m_flags.pressed = inside;
        Repaint();
    }
    if (inside)
        SetHot();
}

void TSkinButton::OnMouseLeave() {
    if (!m_flags.hot && !m_flags.pressed)
        return;
    m_flags.hot = false;
    m_flags.pressed = false;
    Repaint();
}

void TSkinButton::OnCaptureChanged() {
    if (!m_held)
        return;
    m_held = false;
    m_flags.pressed = false;
    Repaint();
}

void TSkinButton::OnSpace(bool down) {
    m_flags.pressed = down;
    Repaint();
}

void TSkinButton::OnMouseUp(tk::TMessage& message) {
    const bool wasPressed = m_releasePressed, held = m_releaseHeld;
    m_releasePressed = m_releaseHeld = false;
    // The capture goes whether or not the release clicks: released away from the button, the next press
    // belongs to whatever is under the pointer.
    if (held && win::GetCapture() == Window())
        win::ReleaseCapture();
    if (!wasPressed)
        return;
    m_flags.pressed = false;
    Repaint();
    if (Inside(message.LParam))
        ClickControl(); // last: the click may free the control and this skinner with it
}

void TSkinButton::ClickControl() {
    if (tk::TControl* control = Control()) {
        control->Click();
        return;
    }
    const win::HWND parent = win::GetParent(Window());
    if (!parent)
        return;
    const auto id = static_cast<win::WORD>(win::GetDlgCtrlID(Window()));
    win::PostMessageA(parent, win::WM_COMMAND, win::MAKEWPARAM(id, win::BN_CLICKED),
                      reinterpret_cast<win::LPARAM>(Window()));
}

ControlState TSkinButton::CurrentState() const {
    ControlState state = m_flags;
    state.disabled = WindowDisabled();
    state.focused = HasFocus();
    if (Control())
        state.isDefault = props::Boolean(*Control(), "Default").value_or(false);
    else
        state.isDefault = (WindowStyle() & win::BS_TYPEMASK) == win::BS_DEFPUSHBUTTON;
    return state;
}

win::COLORREF TSkinButton::TextColour(const ControlState& state) const {
    return PushButtonTextColour(*Skin()->Buttons, state, FontColour());
}

void TSkinButton::PaintBackground(win::HDC dc, const win::RECT& rect) {
    if (Transparent())
        PaintParentBackground(Window(), dc);
    else
        FillSolid(dc, rect, FaceColour());
}

void TSkinButton::Draw(win::HDC dc, const win::RECT& rect) {
    if (!HasButtonImage() || !Shown())
        return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    OffscreenBuffer buffer(Canvas(), dc, width, height);
    const win::HDC target = buffer.Dc() ? buffer.Dc() : dc;
    const win::RECT face = buffer.Dc() ? win::RECT{0, 0, width, height} : rect;
    const ControlState state = CurrentState();
    PaintBackground(target, face);
    DrawElementFrame(target, face, *Skin()->Buttons, FaceFrame(state));
    DrawOwnColour(target, face);
    DrawFace(target, face, state);
    if (buffer.Dc())
        buffer.Present(dc, rect.left, rect.top);
}

// A colour the program gave the button says something (the answer card marks right and wrong answers so):
// it fills the face inside the skin's edges. A button of the plain face colour shows the skin alone.
void TSkinButton::DrawOwnColour(win::HDC dc, const win::RECT& face) {
    const tk::TControl* control = Control();
    if (!control || Recolours())
        return;
    const tk::TColor colour = control->Color();
    if (colour == tk::clBtnFace || colour == Skin()->SkinColours[scButtonFace])
        return;
    // Inside the skin's rounded outline, whatever the element's own edges, so that the mark reads even on the
    // card's small buttons.
    const int inset = std::min(3, std::min(face.right - face.left, face.bottom - face.top) / 4);
    const win::RECT inside{face.left + inset, face.top + inset, face.right - inset, face.bottom - inset};
    if (inside.right <= inside.left || inside.bottom <= inside.top)
        return;
    win::HBRUSH brush = win::CreateSolidBrush(tk::ColorToRGB(colour));
    win::FillRect(dc, &inside, brush);
    win::DeleteObject(brush);
}

void TSkinButton::DrawFace(win::HDC dc, const win::RECT& rect, const ControlState& state) {
    win::UINT format = win::DT_CENTER;
    if (Control() && props::Boolean(*Control(), "MultiLine").value_or(false))
        format |= win::DT_WORDBREAK;
    DrawCaption(dc, rect, CaptionText(), FontHandle(), TextColour(state), format);
}

} // namespace skin
