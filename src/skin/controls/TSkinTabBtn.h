// A tab control whose tabs are push buttons (TCS_BUTTONS or TCS_FLATBUTTONS), each drawn from the skin's
// Buttons element as a push button is: the selected tab down (in the focus frame while the control has the
// focus), the one under the pointer hot, every tab in the disabled frame on a disabled control. There is no
// page frame: around the buttons the skin's face colour (the parent's background in transparent mode), as the
// control's own drawing fills it. Clicks and keys stay the control's. Without a Buttons image the control
// keeps its own look.
#pragma once

#include "skin/controls/TSkinTab.h"

namespace skin {

class TSkinTabBtn : public TSkinTab {
    TK_CLASS(TSkinTabBtn, TSkinTab)
public:
    explicit TSkinTabBtn(tk::TComponent* owner);

    // The push-button state a tab is drawn in.
    static ControlState TabState(bool selected, bool hot, bool focused, bool disabled);

protected:
    bool Skinned() const override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

private:
    void DrawButton(win::HDC dc, int index, const ControlState& state);
    win::COLORREF TextColour(const ControlState& state) const;
};

} // namespace skin
