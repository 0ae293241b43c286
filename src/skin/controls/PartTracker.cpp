#include "skin/controls/PartTracker.h"

#include "skin/data/WinSkinData.h"

namespace skin {

bool PartTracker::Set(int hot, int held) {
    const int hotBefore = m_hot, pressedBefore = Pressed();
    m_hot = hot < 0 ? kNone : hot;
    m_held = held < 0 ? kNone : held;
    return m_hot != hotBefore || Pressed() != pressedBefore;
}

bool PartTracker::OnMove(int part) {
    return Set(part, m_held);
}

bool PartTracker::OnLeave() {
    return Set(kNone, m_held);
}

bool PartTracker::OnPress(int part) {
    return Set(part, part);
}

bool PartTracker::OnRelease() {
    return Set(m_hot, kNone);
}

PartTracker::Outcome PartTracker::Follow(const tk::TMessage& message, win::HWND hwnd, const PartAt& partAt) {
    bool changed = false;
    switch (message.Msg) {
    case win::WM_MOUSEMOVE: {
        // A release we never saw (made over another window while nothing held the capture) ends the hold.
        if (m_held != kNone && (message.WParam & win::MK_LBUTTON) == 0)
            changed = OnRelease();
        const bool entering = m_hot == kNone;
        changed = OnMove(partAt(message.LParam)) || changed;
        if (entering && m_hot != kNone && hwnd)
            WinSkinData::TrackMouseLeave(hwnd);
        break;
    }
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK: changed = OnPress(partAt(message.LParam)); break;
    case win::WM_LBUTTONUP:
    case win::WM_CAPTURECHANGED: changed = OnRelease(); break;
    case win::WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE:
        // A control holding the capture still follows the pointer outside (a dragged thumb): it has not left.
        if (hwnd && win::GetCapture() == hwnd)
            return Outcome::Unchanged;
        changed = OnLeave();
        break;
    default: return Outcome::NotPointer;
    }
    return changed ? Outcome::Changed : Outcome::Unchanged;
}

} // namespace skin
