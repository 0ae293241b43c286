// An up-down control drawn from the skin's UpDownVert (or, with UDS_HORZ, UpDownHorz) element: two buttons,
// the first (up or left) in frames 1-4 and the second in frames 5-8, each normal, hot, pressed and disabled,
// with the matching arrow glyph from the element's second image. The control keeps its own clicks and keys;
// the skinner only watches them to know which button to show hot or pressed.
#pragma once

#include "skin/controls/PartTracker.h"
#include "skin/controls/TSkinControl.h"

namespace skin {

class TDataSkinBorder;

class TSkinUpDown : public TSkinControl {
    TK_CLASS(TSkinUpDown, TSkinControl)
public:
    explicit TSkinUpDown(tk::TComponent* owner);

    static constexpr int kNoButton = PartTracker::kNone;
    // The frame (from 1) of button `button` (0 first, 1 second).
    static int ButtonFrame(int button, bool hot, bool pressed, bool disabled);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

private:
    const TDataSkinBorder* Element() const;
    bool Horizontal() const;
    win::RECT ButtonRect(const win::RECT& rect, int button) const;
    int ButtonAt(win::LPARAM point) const;

    PartTracker m_buttons;
};

} // namespace skin
