#include "toolkit/TProgressBar.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
const EnumInfo kOrientationInfo{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};

void DefineProgressBarProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<TProgressBar>("Min", &TProgressBar::Min, &TProgressBar::SetMin));
    p.push_back(IntegerProperty<TProgressBar>("Max", &TProgressBar::Max, &TProgressBar::SetMax));
    p.push_back(
        IntegerProperty<TProgressBar>("Position", &TProgressBar::Position, &TProgressBar::SetPosition));
    p.push_back(IntegerProperty<TProgressBar>("Step", &TProgressBar::Step, &TProgressBar::SetStep));
    p.push_back(BooleanProperty<TProgressBar>("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth));
    p.push_back(EnumProperty<TProgressBar>("Orientation", kOrientationInfo, &TProgressBar::Orientation,
                                           &TProgressBar::SetOrientation));
}
} // namespace

TK_IMPLEMENT_CLASS(TProgressBar, TWinControl, DefineProgressBarProperties)

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
}

int TProgressBar::Position() const {
    if (HandleAllocated())
        return static_cast<int>(
            win::SendMessageA(const_cast<TProgressBar*>(this)->Handle(), win::PBM_GETPOS, 0, 0));
    return m_position;
}

// A range given backwards is swapped, and the position moves inside it, as the native bar does.
void TProgressBar::SetRange(int low, int high) {
    m_min = std::min(low, high);
    m_max = std::max(low, high);
    m_position = std::clamp(Position(), m_min, m_max);
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::PBM_SETRANGE32, static_cast<win::WPARAM>(m_min),
                          static_cast<win::LPARAM>(m_max));
}

void TProgressBar::SetPosition(int value) {
    m_position = std::clamp(value, m_min, m_max);
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::PBM_SETPOS, static_cast<win::WPARAM>(m_position), 0);
}

void TProgressBar::SetStep(int value) {
    m_step = value;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::PBM_SETSTEP, static_cast<win::WPARAM>(value), 0);
}

void TProgressBar::SetSmooth(bool value) {
    if (value != m_smooth) {
        m_smooth = value;
        RecreateWnd();
    }
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
    if (value != m_orientation) {
        m_orientation = value;
        RecreateWnd();
    }
}

void TProgressBar::StepIt() {
    win::SendMessageA(Handle(), win::PBM_STEPIT, 0, 0);
    m_position = Position();
}

void TProgressBar::StepBy(int delta) {
    win::SendMessageA(Handle(), win::PBM_DELTAPOS, static_cast<win::WPARAM>(delta), 0);
    m_position = Position();
}

void TProgressBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, win::PROGRESS_CLASSA);
    if (m_smooth)
        params.Style |= win::PBS_SMOOTH;
    if (m_orientation == TProgressBarOrientation::pbVertical)
        params.Style |= win::PBS_VERTICAL;
}

void TProgressBar::CreateHandleDone() {
    win::SendMessageA(Handle(), win::PBM_SETRANGE32, static_cast<win::WPARAM>(m_min),
                      static_cast<win::LPARAM>(m_max));
    win::SendMessageA(Handle(), win::PBM_SETPOS, static_cast<win::WPARAM>(m_position), 0);
    win::SendMessageA(Handle(), win::PBM_SETSTEP, static_cast<win::WPARAM>(m_step), 0);
}

void TProgressBar::DestroyWnd() {
    if (HandleAllocated())
        m_position = Position();
    TWinControl::DestroyWnd();
}

} // namespace tk
