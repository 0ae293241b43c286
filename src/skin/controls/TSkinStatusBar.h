// A status bar drawn from the skin's StatusBarEdges element: frame 1 as the bar, frame 2 behind each part (or
// the one simple-mode text), frame 3 as the size grip at the right end. Each part's text is drawn again over
// the skin. Without the image the bar keeps its own look.
#pragma once

#include "skin/controls/TSkinControl.h"

#include <string>

namespace skin {

class TSkinStatusBar : public TSkinControl {
    TK_CLASS(TSkinStatusBar, TSkinControl)
public:
    explicit TSkinStatusBar(tk::TComponent* owner);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

private:
    bool Skinned() const;
    std::string PartText(win::WPARAM part) const;
    void DrawPart(win::HDC dc, const win::RECT& area, win::WPARAM part);
};

} // namespace skin
