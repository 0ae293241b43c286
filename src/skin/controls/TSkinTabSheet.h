// A page of a page control: its background is the inside of the skin's TabPane element, so that the page
// reads as part of the pane the tab control draws around it. The page's children paint themselves; the page
// takes the colour of the pane's middle, so that those drawn in their parent's colour do not stand out.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinTabSheet : public TSkinControl {
    TK_CLASS(TSkinTabSheet, TSkinControl)
public:
    explicit TSkinTabSheet(tk::TComponent* owner);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;
    bool AlwaysRecolours() const override { return true; }
    tk::TColor RecolourColour() const override;

private:
    bool Skinned() const;
    void OnEraseBackground(tk::TMessage& message);
};

} // namespace skin
