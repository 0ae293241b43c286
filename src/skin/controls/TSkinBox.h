// Panels and embedded forms: the skin only gives them its face colour (and takes it back on detach).
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinBox : public TSkinControl {
    TK_CLASS(TSkinBox, TSkinControl)
public:
    explicit TSkinBox(tk::TComponent* owner);

protected:
    bool AlwaysRecolours() const override { return true; }
};

} // namespace skin
