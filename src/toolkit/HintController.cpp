#include "toolkit/HintController.h"

#include "toolkit/TApplication.h"
#include "toolkit/THintWindow.h"

namespace tk {

namespace {
constexpr win::UINT_PTR kShowTimer = 1;
constexpr win::UINT_PTR kHideTimer = 2;
constexpr int kMaxHintWidth = 300;
} // namespace

HintController::HintController() = default;

HintController::~HintController() {
    CancelHint();
}

void HintController::MouseEntered(TControl* control) {
    CancelHint();
    if (!control || !control->ShowHint() || control->Hint().empty() || !Application)
        return;
    m_control = control;
    if (!m_timerWindow)
        m_timerWindow =
            std::make_unique<UtilityWindow>([this](win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
                if (msg == win::WM_TIMER) {
                    Tick(wParam);
                    return win::LRESULT{0};
                }
                return win::DefWindowProcA(m_timerWindow->Handle(), msg, wParam, lParam);
            });
    win::SetTimer(m_timerWindow->Handle(), kShowTimer, static_cast<win::UINT>(Application->HintPause()),
                  nullptr);
}

void HintController::MouseLeft(TControl* control) {
    if (control == m_control)
        CancelHint();
}

void HintController::ControlGone(TControl* control) {
    if (control == m_control)
        CancelHint();
}

void HintController::CancelHint() {
    m_control = nullptr;
    if (m_timerWindow) {
        win::KillTimer(m_timerWindow->Handle(), kShowTimer);
        win::KillTimer(m_timerWindow->Handle(), kHideTimer);
    }
    if (m_window)
        m_window->ReleaseHandle();
}

void HintController::Shutdown() {
    CancelHint();
    m_window.reset();
    m_timerWindow.reset();
}

void HintController::Tick(win::UINT_PTR id) {
    win::KillTimer(m_timerWindow->Handle(), id);
    if (id == kShowTimer && m_control)
        ShowHint();
    else if (id == kHideTimer && m_window)
        m_window->ReleaseHandle();
}

void HintController::ShowHint() {
    if (!m_control->Showing())
        return;
    if (!m_window)
        m_window = std::make_unique<THintWindow>(nullptr);
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    win::RECT r = m_window->CalcHintRect(kMaxHintWidth, m_control->Hint());
    // Below the pointer's arrow, as the system places tooltips.
    win::OffsetRect(&r, cursor.x, cursor.y + 20);
    m_window->ActivateHint(r, m_control->Hint());
    win::SetTimer(m_timerWindow->Handle(), kHideTimer, static_cast<win::UINT>(Application->HintHidePause()),
                  nullptr);
}

} // namespace tk
