// The scroll bar of a combo box's drop-down list in the skin's look. The list is a pop-up with no parent to
// hold an overlay window, so the bar is drawn straight over the list's own bar, after everything that
// redraws it: a frame paint, a scroll, the wheel, the list moving or showing.
#pragma once

#include "skin/controls/ScrollbarPainting.h"
#include "skin/controls/TSkinControl.h"

namespace skin {

class TComboxScrollBar : public TSkinControl {
    TK_CLASS(TComboxScrollBar, TSkinControl)
public:
    explicit TComboxScrollBar(tk::TComponent* owner);

    // The look the bar is drawn with now; false when there is no bar to draw.
    bool CurrentLook(ScrollbarLook& look, win::RECT& where) const;
    void PaintBar();

protected:
    void AfterMessage(tk::TMessage& message) override;
};

} // namespace skin
