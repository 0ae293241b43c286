#include "skin/controls/TSkinTrackBar.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TControl.h"

#include <algorithm>

namespace skin {

namespace {

constexpr int kThumb = 0;
// Tick lengths across the channel, the ends standing out; ticks keep this gap from the thumb.
constexpr int kEndTickLength = 4;
constexpr int kTickLength = 3;
constexpr int kTickGap = 2;
// More ticks than this are not believed; no screen has room for them.
constexpr long long kMostTicks = 1 << 16;
// Further than any screen reaches: keeps the tick arithmetic in range whatever the control claims.
constexpr int kFarthest = 1 << 24;

int Tame(long long coordinate) {
    return static_cast<int>(std::clamp<long long>(coordinate, -kFarthest, kFarthest));
}

win::RECT Tame(const win::RECT& r) {
    return {Tame(r.left), Tame(r.top), Tame(r.right), Tame(r.bottom)};
}

} // namespace

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

// A dragged thumb stays the part under the pointer wherever the pointer goes.
int TSkinTrackBar::PartAt(win::LPARAM point) const {
    if (m_thumb.Held() == kThumb)
        return kThumb;
    const win::RECT thumb = ThumbRect();
    const int x = win::GET_X_LPARAM(point), y = win::GET_Y_LPARAM(point);
    const bool on = x >= thumb.left && x < thumb.right && y >= thumb.top && y < thumb.bottom;
    return on ? kThumb : PartTracker::kNone;
}

bool TSkinTrackBar::BeforeMessage(tk::TMessage& message) {
    if (Thumb() && TakeOverPainting(*this, message))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinTrackBar::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    // The control moves its thumb and ticks by keys and by the program without telling the skinner.
    case win::TBM_SETTICFREQ:
    case win::WM_KEYDOWN:
    case win::TBM_SETPOS:
    case win::TBM_SETRANGE:
    case win::TBM_SETRANGEMIN:
    case win::TBM_SETRANGEMAX: Repaint(); return;
    default: break;
    }
    const auto partAt = [this](win::LPARAM point) { return PartAt(point); };
    FollowParts(m_thumb, message, partAt);
}

// The ends, where the thumb's middle stands at the minimum and the maximum, and the ticks between them as the
// control tells them.
std::vector<int> TSkinTrackBar::TickPositions(const win::RECT& channel, const win::RECT& thumb) const {
    const bool vertical = (WindowStyle() & win::TBS_VERT) != 0;
    const auto count = static_cast<long long>(win::SendMessageA(Window(), win::TBM_GETNUMTICS, 0, 0));
    if (count < 2)
        return {};
    const int thumbLength = vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
    const int first = (vertical ? channel.top : channel.left) + thumbLength / 2;
    const int last = (vertical ? channel.bottom : channel.right) - (thumbLength - thumbLength / 2);
    std::vector<int> ticks{first};
    const long long between = std::min<long long>(count - 2, kMostTicks);
    for (long long i = 0; i < between; ++i) {
        const auto at = static_cast<long long>(
            win::SendMessageA(Window(), win::TBM_GETTICPOS, static_cast<win::WPARAM>(i), 0));
        if (at > first && at < last)
            ticks.push_back(Tame(at));
    }
    ticks.push_back(last);
    return ticks;
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
    const win::RECT at = ThumbRect();
    DrawTicks(dc, Tame(channel), Tame(at));
    if (WindowStyle() & win::TBS_NOTHUMB)
        return;
    ControlState state;
    state.hot = m_thumb.Hot() == kThumb;
    state.pressed = m_thumb.Pressed() == kThumb;
    state.disabled = WindowDisabled();
    state.focused = HasFocus();
    if (at.right > at.left && at.bottom > at.top)
        DrawElementFrame(dc, at, *thumb, ThumbFrame(state));
}

// The ticks run along the path of the thumb's middle, on the side (or sides) the style gives, just clear of
// the thumb across. The rectangles come tamed, so that nothing here overflows.
void TSkinTrackBar::DrawTicks(win::HDC dc, const win::RECT& channel, const win::RECT& thumb) {
    const win::DWORD style = WindowStyle();
    if (style & win::TBS_NOTICKS)
        return;
    const bool before = (style & (win::TBS_TOP | win::TBS_BOTH)) != 0;
    const bool after = (style & win::TBS_TOP) == 0 || (style & win::TBS_BOTH) != 0;
    const bool vertical = (style & win::TBS_VERT) != 0;
    const std::vector<int> ticks = TickPositions(channel, thumb);
    const tk::TColor ink = Skin()->SkinColours[scButtonShadow];
    const int nearSide = vertical ? thumb.left : thumb.top, farSide = vertical ? thumb.right : thumb.bottom;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int length = i == 0 || i + 1 == ticks.size() ? kEndTickLength : kTickLength;
        const int along = ticks[i];
        const auto line = [&](int from, int to) {
            FillSolid(
                dc, vertical ? win::RECT{from, along, to, along + 1} : win::RECT{along, from, along + 1, to},
                ink);
        };
        if (before)
            line(nearSide - kTickGap - length, nearSide - kTickGap);
        if (after)
            line(farSide + kTickGap, farSide + kTickGap + length);
    }
}

} // namespace skin
