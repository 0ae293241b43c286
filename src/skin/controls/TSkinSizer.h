// A native "scrollbar" window that takes no focus. As a size grip (SBS_SIZEBOX or SBS_SIZEGRIP) its area is
// painted in the skin's face colour; as a plain bar it gets the stand-alone overlay.
#pragma once

#include "skin/controls/TSkinScrollbarH.h"

namespace skin {

class TSkinSizer : public TSkinScrollbarH {
    TK_CLASS(TSkinSizer, TSkinScrollbarH)
public:
    explicit TSkinSizer(tk::TComponent* owner);

    bool IsGrip() const;

protected:
    bool WantsOverlay() const override { return !IsGrip(); }
    void Draw(win::HDC dc, const win::RECT& rect) override;
};

} // namespace skin
