// A window timer as a component: an interval, an enabled switch and a tick event. Ticks arrive through the
// message loop, also inside modal loops.
#pragma once

#include "toolkit/TControl.h"
#include "toolkit/UtilityWindow.h"

#include <memory>

namespace tk {

class TTimer : public TComponent {
    TK_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void SetInterval(int milliseconds);

    TNotifyEvent OnTimer;

protected:
    void Loaded() override;

private:
    bool m_enabled = true;
    int m_interval = 1000;
    std::unique_ptr<UtilityWindow> m_window;
    bool m_running = false;

    void UpdateTimer();
};

} // namespace tk
