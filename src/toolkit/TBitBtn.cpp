#include "toolkit/TBitBtn.h"

#include "toolkit/ButtonLayout.h"
#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"
#include "toolkit/TCustomForm.h"

#include <algorithm>

namespace tk {

namespace {
const EnumInfo kBitBtnKindInfo{"TBitBtnKind",
                               {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};

// Modal result, default and cancel role of each kind, in kind order.
struct KindRole {
    int modalResult;
    bool isDefault;
    bool isCancel;
};
constexpr KindRole kKindRoles[] = {
    {mrNone, false, false},  {mrOk, true, false},      {mrCancel, false, true}, {mrNone, false, false},
    {mrYes, true, false},    {mrNo, false, true},      {mrNone, false, false},  {mrAbort, false, true},
    {mrRetry, false, false}, {mrIgnore, false, false}, {8, true, false},
};

void DefineBitBtnProperties(std::vector<PropertyInfo>& p) {
    p.push_back(EnumProperty<TBitBtn>("Kind", kBitBtnKindInfo, &TBitBtn::Kind, &TBitBtn::SetKind));
    TBitBtn::AddGlyphProperties(p);
}
} // namespace

TK_IMPLEMENT_CLASS(TBitBtn, TButton, DefineBitBtnProperties)

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    m_glyph.OnChange = [this](TBitmap&) {
        if (m_numGlyphs == 1 && !m_glyph.Empty() && m_glyph.Height() > 0 &&
            m_glyph.Width() % m_glyph.Height() == 0)
            m_numGlyphs = std::clamp(m_glyph.Width() / m_glyph.Height(), 1, 4);
        Invalidate();
    };
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    m_kind = kind;
    const KindRole& role = kKindRoles[static_cast<int>(kind)];
    if (kind != TBitBtnKind::bkCustom) {
        SetModalResult(role.modalResult);
        SetDefault(role.isDefault);
        SetCancel(role.isCancel);
    }
}

void TBitBtn::Click() {
    if (m_kind == TBitBtnKind::bkClose && ModalResult() == mrNone) {
        for (TControl* c = this; c; c = c->Parent())
            if (auto* form = dynamic_cast<TCustomForm*>(c)) {
                form->Close();
                break;
            }
    }
    TButton::Click();
}

void TBitBtn::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    // Drawn here (caption and glyph); the button class keeps the behaviour.
    params.Style = (params.Style & ~win::BS_TYPEMASK) | win::BS_OWNERDRAW;
}

void TBitBtn::DrawItem(const win::DRAWITEMSTRUCT& item) {
    win::HDC dc = item.hDC;
    win::RECT r = item.rcItem;
    bool pressed = item.itemState & win::ODS_SELECTED;
    bool enabled = !(item.itemState & win::ODS_DISABLED);
    bool focused = item.itemState & win::ODS_FOCUS;
    FillColour(dc, r, clBtnFace);
    if (Active() || focused) {
        Frame3D(dc, r, cl3DDkShadow, cl3DDkShadow, 1);
    }
    if (pressed) {
        Frame3D(dc, r, clBtnShadow, clBtnShadow, 1);
    } else {
        win::DrawEdge(dc, &r, win::EDGE_RAISED, win::BF_RECT | win::BF_ADJUST);
    }
    if (pressed)
        win::OffsetRect(&r, 1, 1);

    // Glyph piece: 1 normal, 2 disabled, 3 pressed (when the strip has them).
    const Face face = LayOut(r, *Font(), Caption());
    if (int pieces = face.Strip.Pieces) {
        int piece = !enabled && pieces >= 2 ? 1 : pressed && pieces >= 3 ? 2 : 0;
        DrawGlyphPiece(dc, m_glyph, face.Strip, piece, face.Places.Glyph);
    }
    DrawTextIn(dc, Caption(), face.Places.Text, win::DT_SINGLELINE | win::DT_CENTER | win::DT_VCENTER,
               *Font(), enabled);
    if (focused) {
        win::RECT focus = item.rcItem;
        win::InflateRect(&focus, -4, -4);
        win::DrawFocusRect(dc, &focus);
    }
}

void TBitBtn::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_BASE + win::WM_DRAWITEM:
        CNDrawItem(*reinterpret_cast<const win::DRAWITEMSTRUCT*>(m.LParam), m);
        return;
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED: CMLookChanged(m); return;
    }
    TButton::WndProc(m);
}

void TBitBtn::CNDrawItem(const win::DRAWITEMSTRUCT& item, TMessage& m) {
    DrawItem(item);
    m.Result = 1;
}

// The focus ring and the greyed look are drawn by DrawItem, so a change of either repaints the button.
void TBitBtn::CMLookChanged(TMessage& m) {
    TButton::WndProc(m);
    Invalidate();
}

} // namespace tk
