// Which part of a many-part control (a header's sections, an up-down control's buttons, the tabs, a track
// bar's thumb) is under the pointer and which one the mouse holds down, from the pointer messages alone. As
// on a push button, a held part shows pressed only while the pointer is over it, and comes back pressed when
// the pointer returns before the button is let go.
#pragma once

#include "platform/win.h"
#include "toolkit/Messages.h"

#include <functional>

namespace skin {

class PartTracker {
public:
    static constexpr int kNone = -1;
    // The part under a client point given as a message's lParam, or kNone.
    using PartAt = std::function<int(win::LPARAM)>;
    enum class Outcome { NotPointer, Unchanged, Changed };

    int Hot() const { return m_hot; }
    int Pressed() const { return m_held != kNone && m_hot == m_held ? m_held : kNone; }
    int Held() const { return m_held; }

    // Each returns whether what the control shows (hot or pressed) changed, so needs a repaint.
    bool OnMove(int part);
    bool OnLeave();
    bool OnPress(int part);
    bool OnRelease();

    // Feeds one message of `hwnd`'s to the tracker: moves, presses, releases, a lost capture and the pointer
    // leaving. Asks for the leave notification when the pointer comes onto a part.
    Outcome Follow(const tk::TMessage& message, win::HWND hwnd, const PartAt& partAt);

private:
    // Sets both; returns whether the hot or the pressed part changed.
    bool Set(int hot, int held);

    int m_hot = kNone;
    int m_held = kNone;
};

} // namespace skin
