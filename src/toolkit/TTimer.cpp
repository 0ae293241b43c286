#include "toolkit/TTimer.h"

#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
constexpr win::UINT_PTR kTimerId = 1;

void DefineTimerProperties(std::vector<PropertyInfo>& p) {
    p.push_back(BooleanProperty<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled));
    p.push_back(IntegerProperty<TTimer>("Interval", &TTimer::Interval, &TTimer::SetInterval));
    p.push_back(EventProperty<TTimer>("OnTimer", &TTimer::OnTimer));
}
} // namespace

TK_IMPLEMENT_CLASS(TTimer, TComponent, DefineTimerProperties)

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
}

TTimer::~TTimer() {
    if (m_running && m_window)
        win::KillTimer(m_window->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != m_enabled) {
        m_enabled = enabled;
        UpdateTimer();
    }
}

void TTimer::SetInterval(int milliseconds) {
    if (milliseconds < 0)
        throw PropertyError{"a timer interval cannot be negative"};
    if (milliseconds != m_interval) {
        m_interval = milliseconds;
        UpdateTimer();
    }
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (IsLoading())
        return;
    if (m_running) {
        win::KillTimer(m_window->Handle(), kTimerId);
        m_running = false;
    }
    if (!m_enabled || m_interval == 0)
        return;
    if (!m_window)
        m_window =
            std::make_unique<UtilityWindow>([this](win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
                if (msg == win::WM_TIMER && wParam == kTimerId) {
                    if (m_enabled && OnTimer)
                        OnTimer(this);
                    return win::LRESULT{0};
                }
                return win::DefWindowProcA(m_window->Handle(), msg, wParam, lParam);
            });
    m_running = win::SetTimer(m_window->Handle(), kTimerId, static_cast<win::UINT>(m_interval), nullptr) != 0;
}

} // namespace tk
