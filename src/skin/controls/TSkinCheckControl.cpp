#include "skin/controls/TSkinCheckControl.h"

#include "skin/controls/SkinPainting.h"
#include "skin/controls/TSkinCanvas.h"
#include "skin/data/TSkinData.h"

#include <algorithm>

namespace skin {

namespace {

// A toolkit notification asking a check control to show its state again.
constexpr win::UINT kShowStateAgain = tk::CM_BASE + 0xD0;
constexpr int kCaptionGap = 2;

// Systems of major version 6 draw no focus rectangle around a check control's caption.
bool FocusRectangles() {
    return (win::GetVersion() & 0xFF) != 6;
}

} // namespace

TK_IMPLEMENT_CLASS(TSkinCheckControl, TSkinControl, nullptr)

TSkinCheckControl::TSkinCheckControl(tk::TComponent* owner) : TSkinControl(owner) {
}

void TSkinCheckControl::OnAttached() {
    const TSkinBitmap* image = GlyphImage();
    m_paintMode = image && !image->Empty() ? pmSkinDrawsAll : pmOwnLook;
}

bool TSkinCheckControl::BeforeMessage(tk::TMessage& message) {
    if (m_paintMode != pmSkinDrawsAll)
        return TSkinControl::BeforeMessage(message);
    switch (message.Msg) {
    case win::WM_PAINT: OnPaint(message); return false;
    case win::WM_PRINT:
    case win::WM_PRINTCLIENT:
        PaintWindow(reinterpret_cast<win::HDC>(message.WParam));
        message.Result = 0;
        return false;
    case win::WM_ERASEBKGND:
        if (!Transparent())
            return true;
        PaintParentBackground(Window(), reinterpret_cast<win::HDC>(message.WParam));
        message.Result = 1;
        return false;
    default: return TSkinControl::BeforeMessage(message);
    }
}

void TSkinCheckControl::OnPaint(tk::TMessage& message) {
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

void TSkinCheckControl::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::BM_SETCHECK:
        m_lastSetCheck = message.WParam;
        Repaint();
        break;
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
    case tk::CM_EXIT:
    case kShowStateAgain: Repaint(); break;
    case win::WM_MOUSEMOVE: SetHot(); break;
    case win::WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE: OnHotLost(); break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinCheckControl::OnHotLost() {
    if (!m_flags.hot)
        return;
    m_flags.hot = false;
    Repaint();
}

win::LRESULT TSkinCheckControl::ButtonState() const {
    return win::SendMessageA(Window(), win::BM_GETSTATE, 0, 0);
}

ControlState TSkinCheckControl::CurrentState() const {
    ControlState state = m_flags;
    state.disabled = WindowDisabled();
    state.focused = HasFocus();
    state.pressed = (ButtonState() & win::BST_PUSHED) != 0;
    state.check = ReadCheck();
    return state;
}

void TSkinCheckControl::Draw(win::HDC dc, const win::RECT& rect) {
    const TSkinBitmap* image = GlyphImage();
    if (m_paintMode != pmSkinDrawsAll || !image || image->Empty() || !dc)
        return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    OffscreenBuffer buffer(Canvas(), dc, width, height);
    const win::HDC target = buffer.Dc() ? buffer.Dc() : dc;
    const win::RECT all = buffer.Dc() ? win::RECT{0, 0, width, height} : rect;
    const ControlState state = CurrentState();

    if (Transparent())
        PaintParentBackground(Window(), target);
    else
        FillSolid(target, all, FaceColour());

    const int frames = std::max(1, GlyphFrameCount());
    const int glyphWidth = std::min(image->Width() / frames, width);
    const bool glyphRight = (WindowStyle() & win::BS_RIGHTBUTTON) != 0;
    const win::RECT glyph = glyphRight ? win::RECT{all.right - glyphWidth, all.top, all.right, all.bottom}
                                       : win::RECT{all.left, all.top, all.left + glyphWidth, all.bottom};
    DrawImageFrame(target, glyph, *image, frames, GlyphFrame(state), Skin()->Buttons->Trans == 1);

    const win::RECT textArea = glyphRight
                                   ? win::RECT{all.left, all.top, glyph.left - kCaptionGap, all.bottom}
                                   : win::RECT{glyph.right + kCaptionGap, all.top, all.right, all.bottom};
    const win::COLORREF colour = state.disabled ? win::GetSysColor(win::COLOR_BTNSHADOW) : FontColour();
    win::RECT text = DrawCaption(target, textArea, CaptionText(), FontHandle(), colour,
                                 win::DT_LEFT | win::DT_WORDBREAK | win::DT_EXPANDTABS);
    if (state.focused && text.right > text.left && FocusRectangles()) {
        win::InflateRect(&text, 2, 1);
        win::IntersectRect(&text, &text, &all);
        win::DrawFocusRect(target, &text);
    }
    if (buffer.Dc())
        buffer.Present(dc, rect.left, rect.top);
}

} // namespace skin
