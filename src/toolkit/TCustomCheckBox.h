// A check box on the native "button" class. A click by the user moves the state on (unchecked, checked,
// grayed when AllowGrayed) and then runs OnClick; setting Checked or State from code changes only the state,
// so a program can restore a box without it counting as the user's answer.
#pragma once

#include "toolkit/TButtonControl.h"
#include "toolkit/WidgetTypes.h"

namespace tk {

class TCustomCheckBox : public TButtonControl {
    TK_CLASS(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return m_state == TCheckBoxState::cbChecked; }
    void SetChecked(bool checked) {
        SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
    }
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool allow) { m_allowGrayed = allow; }
    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight alignment);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    virtual void Toggle();

private:
    TCheckBoxState m_state = TCheckBoxState::cbUnchecked;
    bool m_allowGrayed = false;
    TLeftRight m_alignment = TLeftRight::taRightJustify;

    void CNCommand(win::WORD code);
};

class TCheckBox : public TCustomCheckBox {
    TK_CLASS(TCheckBox, TCustomCheckBox)
public:
    using TCustomCheckBox::TCustomCheckBox;
};

} // namespace tk
