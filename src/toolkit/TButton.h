// A push button on the native "button" class. A click (mouse, space bar, or Return/Escape for the default
// and cancel buttons) runs OnClick and, when ModalResult is set, ends the modal form it sits on. The default
// ring follows the focus: the focused push button shows it, otherwise the Default one.
#pragma once

#include "toolkit/TButtonControl.h"

namespace tk {

class TButton : public TButtonControl {
    TK_CLASS(TButton, TButtonControl)
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    void Click() override;

protected:
    // Shows the default ring: the default button, or the push button that has the focus.
    bool Active() const { return m_active; }
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool m_default = false;
    bool m_cancel = false;
    bool m_active = false; // shows the default ring
    int m_modalResult = 0;

    void CNCommand(win::WORD code);
    void CMDialogKey(TMessage& m);
    void CMFocusChanged(TMessage& m);
    void SetActive(bool active);
};

} // namespace tk
