// A native child dialog or tool bar attached by window handle: it has no colour property to change, so the
// skinner erases it in the skin's face colour and gives its static and button children that background.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinBoxH : public TSkinControl {
    TK_CLASS(TSkinBoxH, TSkinControl)
public:
    explicit TSkinBoxH(tk::TComponent* owner);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
};

} // namespace skin
