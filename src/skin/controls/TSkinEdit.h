// An edit field keeps its own painting; the skinner redraws its border after each paint in the skin's
// shadow colour with white inside, and frames a printed copy the same way.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinEdit : public TSkinControl {
    TK_CLASS(TSkinEdit, TSkinControl)
public:
    explicit TSkinEdit(tk::TComponent* owner);

protected:
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;
    void OnAttached() override;

private:
    // How far the window exceeds its client area on each side (0 without a border).
    win::SIZE BorderSize() const;
    void PrintFrame(win::HDC dc);
};

} // namespace skin
