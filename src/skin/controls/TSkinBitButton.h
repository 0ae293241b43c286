// A push button with a glyph beside its caption (Glyph split into NumGlyphs pieces: normal, disabled,
// pressed), placed by Layout, Margin and Spacing as the toolkit places them; the caption wraps, and a focused
// button gets a focus rectangle around it unless the skin's options say xoNoFocusRect.
#pragma once

#include "skin/controls/TSkinButton.h"

#include "toolkit/WidgetTypes.h"

namespace tk {
class TBitmap;
}

namespace skin {

class TSkinBitButton : public TSkinButton {
    TK_CLASS(TSkinBitButton, TSkinButton)
public:
    explicit TSkinBitButton(tk::TComponent* owner);

protected:
    // The glyph properties of the control, with the toolkit's defaults where it has none.
    struct GlyphParts {
        const tk::TBitmap* glyph = nullptr;
        int numGlyphs = 1;
        tk::TButtonLayout layout = tk::TButtonLayout::blGlyphLeft;
        int margin = -1;
        int spacing = 4;
    };
    GlyphParts ReadGlyphParts() const;

    void DrawFace(win::HDC dc, const win::RECT& rect, const ControlState& state) override;
    bool Shown() const override;
    virtual int GlyphPiece(const ControlState& state, int pieces) const;
    virtual bool FocusRectangle(const ControlState& state) const;
    // The glyph piece and the wrapped caption inside `bounds`; returns where the caption went.
    win::RECT DrawGlyphAndCaption(win::HDC dc, const win::RECT& bounds, const ControlState& state);
};

} // namespace skin
