// The small yellow window that shows a hint: a top-level popup that never takes the activation, sized to its
// text.
#pragma once

#include "toolkit/TCustomControl.h"

#include <string>

namespace tk {

class THintWindow : public TCustomControl {
    TK_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(TComponent* owner);

    // The rectangle (at 0, 0) the hint text needs when wrapped at `maxWidth` pixels.
    virtual win::RECT CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the hint in `rect` (screen coordinates) above every other window.
    virtual void ActivateHint(const win::RECT& rect, const std::string& hint);
    void ReleaseHandle();
    bool HintShowing() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(win::HDC dc) override;
    void WndProc(TMessage& message) override;
};

} // namespace tk
