// A radio button on the native "button" class. The radio buttons of one parent form a group: checking one
// unchecks the others. Every click by the user checks the button and runs OnClick, also when it was checked
// already; setting Checked from code changes only the state.
#pragma once

#include "toolkit/TButtonControl.h"
#include "toolkit/WidgetTypes.h"

namespace tk {

class TRadioButton : public TButtonControl {
    TK_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight alignment);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    bool m_checked = false;
    TLeftRight m_alignment = TLeftRight::taRightJustify;

    void TurnSiblingsOff();
    void CNCommand(win::WORD code);
};

} // namespace tk
