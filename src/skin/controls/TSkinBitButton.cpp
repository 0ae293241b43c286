#include "skin/controls/TSkinBitButton.h"

#include "skin/controls/ControlProperties.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include "toolkit/ButtonLayout.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TControl.h"

#include <algorithm>

namespace skin {

namespace {
// The face's edge that glyph and caption keep clear of, as the toolkit's own button does.
constexpr int kFaceInset = 4;
} // namespace

TK_IMPLEMENT_CLASS(TSkinBitButton, TSkinButton, nullptr)

TSkinBitButton::TSkinBitButton(tk::TComponent* owner) : TSkinButton(owner) {
}

bool TSkinBitButton::Shown() const {
    return !Control() || Control()->Visible();
}

TSkinBitButton::GlyphParts TSkinBitButton::ReadGlyphParts() const {
    GlyphParts parts;
    const tk::TControl* control = Control();
    if (!control)
        return parts;
    parts.glyph = dynamic_cast<const tk::TBitmap*>(props::Object(*control, "Glyph"));
    parts.numGlyphs =
        static_cast<int>(std::clamp<std::int64_t>(props::Integer(*control, "NumGlyphs").value_or(1), 1, 4));
    if (auto layout = props::Text(*control, "Layout")) {
        const int ordinal = tk::kButtonLayoutInfo.Ordinal(*layout);
        if (ordinal >= 0)
            parts.layout = static_cast<tk::TButtonLayout>(ordinal);
    }
    parts.margin = static_cast<int>(
        std::clamp<std::int64_t>(props::Integer(*control, "Margin").value_or(-1), -1, 0x7FFF));
    parts.spacing = static_cast<int>(
        std::clamp<std::int64_t>(props::Integer(*control, "Spacing").value_or(4), -1, 0x7FFF));
    return parts;
}

int TSkinBitButton::GlyphPiece(const ControlState& state, int pieces) const {
    return BitButtonGlyphPiece(state, pieces);
}

bool TSkinBitButton::FocusRectangle(const ControlState& state) const {
    return state.focused && !(Skin()->Options() & Bit(xoNoFocusRect));
}

win::RECT TSkinBitButton::DrawGlyphAndCaption(win::HDC dc, const win::RECT& bounds,
                                              const ControlState& state) {
    const GlyphParts parts = ReadGlyphParts();
    const tk::TGlyphStrip strip =
        parts.glyph ? tk::GlyphStrip(*parts.glyph, parts.numGlyphs) : tk::TGlyphStrip{};
    const std::string caption = CaptionText();
    const bool sideBySide =
        parts.layout == tk::TButtonLayout::blGlyphLeft || parts.layout == tk::TButtonLayout::blGlyphRight;
    // Spacing -1 leaves the block centred, as the toolkit lays it out.
    const int spacing = std::max(0, parts.spacing);
    const int room = (bounds.right - bounds.left) - (sideBySide ? strip.PieceSize.cx + spacing : 0);
    const win::UINT format = win::DT_CENTER | win::DT_WORDBREAK;
    const win::SIZE text = MeasureCaption(dc, caption, FontHandle(), format, std::max(1, room));
    win::RECT glyphRect{}, textRect{};
    tk::LayoutGlyphAndText(bounds, strip.PieceSize, text, parts.layout, parts.margin, spacing, &glyphRect,
                           &textRect);
    if (strip.Pieces > 0)
        tk::DrawGlyphPiece(dc, *parts.glyph, strip, GlyphPiece(state, strip.Pieces), glyphRect);
    return DrawCaption(dc, textRect, caption, FontHandle(), TextColour(state), format);
}

void TSkinBitButton::DrawFace(win::HDC dc, const win::RECT& rect, const ControlState& state) {
    win::RECT bounds = rect;
    win::InflateRect(&bounds, -kFaceInset, -kFaceInset);
    win::RECT text = DrawGlyphAndCaption(dc, bounds, state);
    if (FocusRectangle(state) && text.right > text.left) {
        win::InflateRect(&text, 2, 2);
        win::DrawFocusRect(dc, &text);
    }
}

} // namespace skin
