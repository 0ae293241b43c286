// A push button that can carry a glyph beside its caption. The kind presets the modal result and the
// default/cancel role (bkOK is a default button ending with mrOk, bkCancel a cancel button...).
#pragma once

#include "toolkit/TButton.h"
#include "toolkit/TGlyphButtonParts.h"

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

class TBitBtn : public TButton, public TGlyphButtonParts<TBitBtn> {
    TK_CLASS(TBitBtn, TButton)
    friend class TGlyphButtonParts<TBitBtn>;

public:
    explicit TBitBtn(TComponent* owner);

    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind kind);
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    TBitBtnKind m_kind = TBitBtnKind::bkCustom;

    void CNDrawItem(const win::DRAWITEMSTRUCT& item, TMessage& m);
    void CMLookChanged(TMessage& m);
    void DrawItem(const win::DRAWITEMSTRUCT& item);
};

} // namespace tk
