// What a button with a glyph beside its caption publishes and how it places the two: Glyph, NumGlyphs,
// Layout, Margin and Spacing. The bitmap button and the speed button take it in, so both keep the same
// property names, defaults and layout (and the skinners find the same values on either).
#pragma once

#include "toolkit/ButtonLayout.h"
#include "toolkit/PropertyBuilders.h"
#include "toolkit/TBitmap.h"
#include "toolkit/WidgetTypes.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tk {

template <class Button> class TGlyphButtonParts {
public:
    TBitmap* Glyph() { return &m_glyph; }
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int n) {
        m_numGlyphs = std::clamp(n, 1, 4);
        Changed();
    }
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout) {
        m_layout = layout;
        Changed();
    }
    int Margin() const { return m_margin; }
    void SetMargin(int margin) {
        m_margin = margin;
        Changed();
    }
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing) {
        m_spacing = spacing;
        Changed();
    }

    // The published properties above, for the button's property table.
    static void AddGlyphProperties(std::vector<PropertyInfo>& p) {
        p.push_back(ObjectProperty<Button>("Glyph", &Button::Glyph));
        p.push_back(IntegerProperty<Button>("NumGlyphs", &Button::NumGlyphs, &Button::SetNumGlyphs));
        p.push_back(EnumProperty<Button>("Layout", kButtonLayoutInfo, &Button::Layout, &Button::SetLayout));
        p.push_back(IntegerProperty<Button>("Margin", &Button::Margin, &Button::SetMargin));
        p.push_back(IntegerProperty<Button>("Spacing", &Button::Spacing, &Button::SetSpacing));
    }

protected:
    // The glyph's pieces and where they and the caption go inside `bounds`.
    struct Face {
        TGlyphStrip Strip;
        TButtonFace Places;
    };
    Face LayOut(const win::RECT& bounds, const TFont& font, const std::string& caption) const {
        const TGlyphStrip strip = GlyphStrip(m_glyph, m_numGlyphs);
        return {strip,
                LayoutButtonFace(bounds, strip.PieceSize, font, caption, m_layout, m_margin, m_spacing)};
    }

    TBitmap m_glyph;
    int m_numGlyphs = 1;

private:
    void Changed() { static_cast<Button*>(this)->Invalidate(); }

    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
};

} // namespace tk
