// The scroll bars of a scroll box (and of other vendors' embedded scroll bars): the overlays of
// TSkinScrollbar, without redrawing the box's border, which the box draws itself.
#pragma once

#include "skin/controls/TSkinScrollbar.h"

namespace skin {

class TSkinScControl : public TSkinScrollbar {
    TK_CLASS(TSkinScControl, TSkinScrollbar)
public:
    explicit TSkinScControl(tk::TComponent* owner);

protected:
    bool DrawsBorder() const override { return false; }
};

} // namespace skin
