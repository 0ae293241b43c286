// A toolbar on the native "ToolbarWindow32" class, along the top of its parent at the buttons' height. Its
// TToolButton children are its buttons, in order; a click on one runs that button's OnClick. The buttons'
// states are kept by the buttons, so that a new window (RecreateWnd) shows them as they were.
#pragma once

#include "toolkit/TWinControl.h"

#include <vector>

namespace tk {

class TToolButton;

class TToolBar : public TWinControl {
    TK_CLASS(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
    // Null outside 0 .. ButtonCount() - 1.
    TToolButton* Buttons(int index) const;
    int IndexOfButton(const TToolButton* button) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    friend class TToolButton;

    std::vector<TToolButton*> m_buttons;

    void AttachButton(TToolButton* button);
    void DetachButton(TToolButton* button);
    void UpdateButtons();
    void UpdateButtonState(TToolButton* button);
    void CNCommand(win::WORD command);
};

} // namespace tk
