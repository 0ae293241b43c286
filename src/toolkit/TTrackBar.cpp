#include "toolkit/TTrackBar.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
const EnumInfo kOrientationInfo{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};

void DefineTrackBarProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<TTrackBar>("Min", &TTrackBar::Min, &TTrackBar::SetMin));
    p.push_back(IntegerProperty<TTrackBar>("Max", &TTrackBar::Max, &TTrackBar::SetMax));
    p.push_back(IntegerProperty<TTrackBar>("Position", &TTrackBar::Position, &TTrackBar::SetPosition));
    p.push_back(IntegerProperty<TTrackBar>("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency));
    p.push_back(IntegerProperty<TTrackBar>("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize));
    p.push_back(IntegerProperty<TTrackBar>("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize));
    p.push_back(EnumProperty<TTrackBar>("Orientation", kOrientationInfo, &TTrackBar::Orientation,
                                        &TTrackBar::SetOrientation));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(EventProperty<TTrackBar>("OnChange", &TTrackBar::OnChange));
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}
} // namespace

TK_IMPLEMENT_CLASS(TTrackBar, TWinControl, DefineTrackBarProperties)

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

int TTrackBar::Position() const {
    if (HandleAllocated())
        return static_cast<int>(
            win::SendMessageA(const_cast<TTrackBar*>(this)->Handle(), win::TBM_GETPOS, 0, 0));
    return m_position;
}

// A minimum above the maximum takes the maximum along (and the other way round), as the native bar does.
void TTrackBar::SetMin(int value) {
    m_min = value;
    m_max = std::max(m_max, value);
    PushRange();
}

void TTrackBar::SetMax(int value) {
    m_max = value;
    m_min = std::min(m_min, value);
    PushRange();
}

void TTrackBar::PushRange() {
    m_position = std::clamp(Position(), m_min, m_max);
    if (!HandleAllocated())
        return;
    win::SendMessageA(Handle(), win::TBM_SETRANGEMIN, win::FALSE, m_min);
    win::SendMessageA(Handle(), win::TBM_SETRANGEMAX, win::TRUE, m_max);
}

void TTrackBar::SetPosition(int value) {
    m_position = std::clamp(value, m_min, m_max);
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::TBM_SETPOS, win::TRUE, m_position);
}

void TTrackBar::SetFrequency(int value) {
    m_frequency = std::max(1, value);
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::TBM_SETTICFREQ, static_cast<win::WPARAM>(m_frequency), 0);
}

void TTrackBar::SetLineSize(int value) {
    m_lineSize = std::max(1, value);
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::TBM_SETLINESIZE, 0, m_lineSize);
}

void TTrackBar::SetPageSize(int value) {
    m_pageSize = std::max(1, value);
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::TBM_SETPAGESIZE, 0, m_pageSize);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value != m_orientation) {
        m_orientation = value;
        RecreateWnd();
    }
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, win::TRACKBAR_CLASSA);
    params.Style |= win::TBS_AUTOTICKS;
    if (m_orientation == TTrackBarOrientation::trVertical)
        params.Style |= win::TBS_VERT;
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
}

void TTrackBar::CreateHandleDone() {
    win::SendMessageA(Handle(), win::TBM_SETRANGEMIN, win::FALSE, m_min);
    win::SendMessageA(Handle(), win::TBM_SETRANGEMAX, win::FALSE, m_max);
    win::SendMessageA(Handle(), win::TBM_SETTICFREQ, static_cast<win::WPARAM>(m_frequency), 0);
    win::SendMessageA(Handle(), win::TBM_SETLINESIZE, 0, m_lineSize);
    win::SendMessageA(Handle(), win::TBM_SETPAGESIZE, 0, m_pageSize);
    win::SendMessageA(Handle(), win::TBM_SETPOS, win::TRUE, m_position);
}

void TTrackBar::DestroyWnd() {
    if (HandleAllocated())
        m_position = Position();
    TWinControl::DestroyWnd();
}

void TTrackBar::Changed() {
    if (OnChange)
        OnChange(this);
}

void TTrackBar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_BASE + win::WM_HSCROLL:
    case CN_BASE + win::WM_VSCROLL: CNScroll(win::LOWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

// Every move but the closing TB_ENDTRACK (and the TB_THUMBPOSITION that repeats the last track) changes it.
void TTrackBar::CNScroll(win::WORD code) {
    if (code == win::TB_ENDTRACK)
        return;
    const int now = Position();
    if (now == m_position)
        return;
    m_position = now;
    Changed();
}

} // namespace tk
