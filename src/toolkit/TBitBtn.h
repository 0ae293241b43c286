// A push button that can carry a glyph beside its caption. The kind presets the modal result and the
// default/cancel role (bkOK is a default button ending with mrOk, bkCancel a cancel button...).
#pragma once

#include "toolkit/TBitmap.h"
#include "toolkit/TButton.h"
#include "toolkit/WidgetTypes.h"

#include <algorithm>

namespace tk {

enum class TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

class TBitBtn : public TButton {
    TK_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* owner);

    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind kind);
    TBitmap* Glyph() { return &m_glyph; }
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int n) {
        m_numGlyphs = std::clamp(n, 1, 4);
        Invalidate();
    }
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout) {
        m_layout = layout;
        Invalidate();
    }
    int Margin() const { return m_margin; }
    void SetMargin(int margin) {
        m_margin = margin;
        Invalidate();
    }
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing) {
        m_spacing = spacing;
        Invalidate();
    }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    TBitBtnKind m_kind = TBitBtnKind::bkCustom;
    TBitmap m_glyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;

    void CNDrawItem(const win::DRAWITEMSTRUCT& item, TMessage& m);
    void CMLookChanged(TMessage& m);
    void DrawItem(const win::DRAWITEMSTRUCT& item);
};

} // namespace tk
