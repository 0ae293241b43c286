// The common base of the controls built on the native "button" class (push buttons, check boxes, radio
// buttons): they click through the button's own BN_CLICKED notification, not on a mouse release, and they
// are tab stops that follow their parent's colour.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {

class TButtonControl : public TWinControl {
    TK_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* owner);

    // Properties every button-based control publishes.
    static void DefineCommonProperties(std::vector<PropertyInfo>& p);

protected:
    void CreateParams(TCreateParams& params) override;
    bool ClicksOnMouseUp() const override { return false; }
};

} // namespace tk
