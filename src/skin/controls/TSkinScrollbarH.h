// A stand-alone scroll bar (a native "scrollbar" window, or a toolkit scroll bar) in the skin's look: one
// overlay over the whole bar, its thumb worked out from the bar's range and position, and presses handed to
// the bar, whose own loop notifies its parent as usual.
#pragma once

#include "skin/controls/TSkinControl.h"
#include "skin/controls/TWScrollbar.h"

#include <memory>

namespace skin {

class TSkinScrollbarH : public TSkinControl {
    TK_CLASS(TSkinScrollbarH, TSkinControl)
public:
    explicit TSkinScrollbarH(tk::TComponent* owner);
    ~TSkinScrollbarH() override;

    void Detach() override;
    void SkinChanged() override;
    // Null once the overlay has gone (or for a bar that gets none).
    TWScrollbar* Overlay() const { return m_bar.get(); }

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void OnAttached() override;
    // Whether this bar is covered by an overlay at all.
    virtual bool WantsOverlay() const { return true; }

private:
    std::unique_ptr<TWScrollbar> m_bar;
};

} // namespace skin
