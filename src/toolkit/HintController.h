// Shows a control's hint: once the pointer has rested on a control with ShowHint for the application's hint
// pause, its hint appears below the pointer, and goes again after the hide pause, when the pointer leaves or
// a button is pressed.
#pragma once

#include "toolkit/UtilityWindow.h"

#include <memory>

namespace tk {

class TControl;
class THintWindow;

class HintController {
public:
    HintController();
    ~HintController();
    HintController(const HintController&) = delete;
    HintController& operator=(const HintController&) = delete;

    void MouseEntered(TControl* control);
    void MouseLeft(TControl* control);
    void ControlGone(TControl* control);
    void CancelHint();
    // Frees the hint window and the timer, while the application is still whole.
    void Shutdown();

    TControl* HintControl() const { return m_control; }
    THintWindow* Window() const { return m_window.get(); }

private:
    TControl* m_control = nullptr;
    std::unique_ptr<THintWindow> m_window;
    std::unique_ptr<UtilityWindow> m_timerWindow;

    void Tick(win::UINT_PTR id);
    void ShowHint();
};

} // namespace tk
