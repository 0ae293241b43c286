#include "skin/controls/TSkinTrackBar.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinTrackBar, TSkinControl, nullptr)

TSkinTrackBar::TSkinTrackBar(tk::TComponent* owner) : TSkinControl(owner) {
}

int TSkinTrackBar::ThumbFrame(const ControlState& state) {
    if (state.disabled)
        return 4;
    if (state.pressed)
        return 3;
    if (state.hot)
        return 2;
    return state.focused ? 5 : 1;
}

const TDataSkinObject* TSkinTrackBar::Thumb() const {
    if (!Skin())
        return nullptr;
    const win::DWORD style = WindowStyle();
    const bool vertical = (style & win::TBS_VERT) != 0;
    const TDataSkinObject* both =
        vertical ? Skin()->TrackbarThumbVert.get() : Skin()->TrackbarThumbHorz.get();
    const TDataSkinObject* pointing = both;
    if ((style & win::TBS_BOTH) == 0) {
        const bool topOrLeft = (style & win::TBS_TOP) != 0;
        if (vertical)
            pointing = topOrLeft ? Skin()->TrackbarThumbLeft.get() : Skin()->TrackbarThumbRight.get();
        else
            pointing = topOrLeft ? Skin()->TrackbarThumbUp.get() : Skin()->TrackbarThumbDown.get();
    }
    if (HasImage(pointing))
        return pointing;
    return HasImage(both) ? both : nullptr;
}

win::RECT TSkinTrackBar::ThumbRect() const {
    win::RECT thumb{};
    win::SendMessageA(Window(), win::TBM_GETTHUMBRECT, 0, reinterpret_cast<win::LPARAM>(&thumb));
    return thumb;
}

bool TSkinTrackBar::OnThumb(win::LPARAM point) const {
    const win::RECT thumb = ThumbRect();
    const int x = win::GET_X_LPARAM(point), y = win::GET_Y_LPARAM(point);
    return x >= thumb.left && x < thumb.right && y >= thumb.top && y < thumb.bottom;
}

bool TSkinTrackBar::BeforeMessage(tk::TMessage& message) {
    if (!Thumb())
        return TSkinControl::BeforeMessage(message);
    switch (message.Msg) {
    case win::WM_PAINT: PaintInstead(*this, message); return false;
    case win::WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(message);
    }
}

void TSkinTrackBar::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK: OnMouseDown(message); break;
    case win::WM_MOUSEMOVE: OnMouseMove(message); break;
    case win::WM_LBUTTONUP:
    case win::WM_CAPTURECHANGED: OnRelease(); break;
    case win::WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE: OnMouseLeave(); break;
    // The control moves its thumb by keys and by the program without telling the skinner.
    case win::WM_KEYDOWN:
    case win::TBM_SETPOS:
    case win::TBM_SETRANGE:
    case win::TBM_SETRANGEMIN:
    case win::TBM_SETRANGEMAX: Repaint(); break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

// The control has taken the press by now: on the thumb it has started a drag.
void TSkinTrackBar::OnMouseDown(const tk::TMessage& message) {
    m_flags.pressed = OnThumb(message.LParam);
    Repaint();
}

void TSkinTrackBar::OnMouseMove(const tk::TMessage& message) {
    const bool hot = m_flags.pressed || OnThumb(message.LParam);
    if (hot)
        SetHot();
    else if (m_flags.hot) {
        m_flags.hot = false;
        Repaint();
        return;
    }
    // While dragging the thumb moves under the pointer.
    if (m_flags.pressed)
        Repaint();
}

void TSkinTrackBar::OnRelease() {
    if (!m_flags.pressed)
        return;
    m_flags.pressed = false;
    Repaint();
}

void TSkinTrackBar::OnMouseLeave() {
    if (!m_flags.hot)
        return;
    m_flags.hot = false;
    Repaint();
}

void TSkinTrackBar::Draw(win::HDC dc, const win::RECT& rect) {
    const TDataSkinObject* thumb = Thumb();
    if (!dc || !thumb)
        return;
    FillSolid(dc, rect, Skin()->SkinColours[scButtonFace]);
    const bool vertical = (WindowStyle() & win::TBS_VERT) != 0;
    const TDataSkinObject* track = vertical ? Skin()->TrackVert.get() : Skin()->Track.get();
    win::RECT channel{};
    win::SendMessageA(Window(), win::TBM_GETCHANNELRECT, 0, reinterpret_cast<win::LPARAM>(&channel));
    if (HasImage(track) && channel.right > channel.left && channel.bottom > channel.top)
        DrawElementFrame(dc, channel, *track, 1);
    if (WindowStyle() & win::TBS_NOTHUMB)
        return;
    ControlState state = m_flags;
    state.disabled = WindowDisabled();
    state.focused = HasFocus();
    const win::RECT at = ThumbRect();
    if (at.right > at.left && at.bottom > at.top)
        DrawElementFrame(dc, at, *thumb, ThumbFrame(state));
}

} // namespace skin
