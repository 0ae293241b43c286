#include "toolkit/TSpeedButton.h"

#include "toolkit/ButtonLayout.h"
#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"
#include "toolkit/TWinControl.h"

#include <algorithm>

namespace tk {

namespace {
void DefineSpeedButtonProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(BooleanProperty<TSpeedButton>("Down", &TSpeedButton::Down, &TSpeedButton::SetDown));
    p.push_back(
        IntegerProperty<TSpeedButton>("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex));
    p.push_back(
        BooleanProperty<TSpeedButton>("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp));
    p.push_back(BooleanProperty<TSpeedButton>("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat));
    p.push_back(BooleanProperty<TSpeedButton>("Transparent", &TSpeedButton::Transparent,
                                              &TSpeedButton::SetTransparent));
    TSpeedButton::AddGlyphProperties(p);
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Published);
}
} // namespace

TK_IMPLEMENT_CLASS(TSpeedButton, TGraphicControl, DefineSpeedButtonProperties)

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    m_glyph.OnChange = [this](TBitmap&) { Invalidate(); };
}

void TSpeedButton::SetDown(bool down) {
    if (m_groupIndex == 0)
        down = false; // only buttons of a group stay down
    if (down == m_down)
        return;
    if (m_down && !m_allowAllUp && !IsLoading()) {
        // The last down button of a group without AllowAllUp stays down.
        bool otherDown = false;
        if (Parent())
            for (int i = 0; i < Parent()->ControlCount(); ++i)
                if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
                    b && b != this && b->m_groupIndex == m_groupIndex && b->m_down)
                    otherDown = true;
        if (!otherDown)
            return;
    }
    m_down = down;
    Invalidate();
    if (m_down)
        UpdateGroup();
}

void TSpeedButton::UpdateGroup() {
    if (!Parent() || m_groupIndex == 0)
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            b && b != this && b->m_groupIndex == m_groupIndex && b->m_down) {
            b->m_down = false;
            b->Invalidate();
        }
}

void TSpeedButton::Click() {
    if (m_groupIndex != 0)
        SetDown(m_allowAllUp ? !m_down : true);
    TGraphicControl::Click();
}

void TSpeedButton::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    m_pointerInside = true;
    Invalidate();
    TGraphicControl::DoMouseDown(button, shift, x, y);
}

void TSpeedButton::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    m_pointerInside = false;
    Invalidate();
    TGraphicControl::DoMouseUp(button, shift, x, y);
}

void TSpeedButton::DoMouseMove(TShiftState shift, int x, int y) {
    bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside != m_pointerInside && m_pressed) {
        m_pointerInside = inside;
        Invalidate();
    }
    TGraphicControl::DoMouseMove(shift, x, y);
}

// Only a flat button shows the pointer over it.
void TSpeedButton::HotChanged() {
    if (m_flat)
        Invalidate();
}

void TSpeedButton::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: HotChanged(); break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    }
}

void TSpeedButton::Paint(win::HDC dc) {
    win::RECT r{0, 0, Width(), Height()};
    bool pressed = ShownPressed();
    if (!m_transparent || !m_flat || pressed)
        FillColour(dc, r, clBtnFace);
    if (!m_flat) {
        win::DrawEdge(dc, &r, pressed ? win::EDGE_SUNKEN : win::EDGE_RAISED, win::BF_RECT | win::BF_ADJUST);
    } else if (pressed) {
        Frame3D(dc, r, clBtnShadow, clBtnHighlight, 1);
    } else if (Hot()) {
        Frame3D(dc, r, clBtnHighlight, clBtnShadow, 1);
    }
    if (pressed)
        win::OffsetRect(&r, 1, 1);

    // Glyph piece: 1 up, 2 disabled, 3 pressed, 4 down.
    const Face face = LayOut(r, *Font(), Caption());
    if (int pieces = face.Strip.Pieces) {
        int piece = !Enabled() && pieces >= 2 ? 1
                    : m_down && pieces >= 4   ? 3
                    : pressed && pieces >= 3  ? 2
                                              : 0;
        DrawGlyphPiece(dc, m_glyph, face.Strip, piece, face.Places.Glyph);
    }
    DrawTextIn(dc, Caption(), face.Places.Text, win::DT_SINGLELINE | win::DT_VCENTER | win::DT_CENTER,
               *Font(), Enabled());
}

} // namespace tk
