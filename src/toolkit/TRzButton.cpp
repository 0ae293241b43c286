#include "toolkit/TRzButton.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"
#include "toolkit/TCustomForm.h"

namespace tk {

namespace {
void DefineRzButtonProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(BooleanProperty<TRzButton>("Default", &TRzButton::Default, &TRzButton::SetDefault));
    p.push_back(BooleanProperty<TRzButton>("HotTrack", &TRzButton::HotTrack, &TRzButton::SetHotTrack));
    p.push_back(
        IntegerProperty<TRzButton>("ModalResult", &TRzButton::ModalResult, &TRzButton::SetModalResult));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Absent);
}
} // namespace

TK_IMPLEMENT_CLASS(TRzButton, TCustomControl, DefineRzButtonProperties)

TRzButton::TRzButton(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TRzButton::Click() {
    if (m_modalResult != 0)
        for (TControl* c = Parent(); c; c = c->Parent())
            if (auto* form = dynamic_cast<TCustomForm*>(c)) {
                form->SetModalResult(m_modalResult);
                break;
            }
    TCustomControl::Click();
}

void TRzButton::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        // Keeps the release even when it happens outside, so pressing and sliding off does not click.
        win::SetCapture(Handle());
        m_pointerInside = true;
        Invalidate();
    }
    TCustomControl::DoMouseDown(button, shift, x, y);
}

void TRzButton::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (win::GetCapture() == Handle())
            win::ReleaseCapture();
        m_pointerInside = false;
        Invalidate();
    }
    TCustomControl::DoMouseUp(button, shift, x, y);
}

void TRzButton::DoMouseMove(TShiftState shift, int x, int y) {
    bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (m_pressed && inside != m_pointerInside) {
        m_pointerInside = inside;
        Invalidate();
    }
    TCustomControl::DoMouseMove(shift, x, y);
}

void TRzButton::HotChanged() {
    if (m_hotTrack)
        Invalidate();
}

void TRzButton::WndProc(TMessage& m) {
    TCustomControl::WndProc(m);
    switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: HotChanged(); break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    }
}

void TRzButton::Paint(win::HDC dc) {
    win::RECT r = ClientRect();
    if (ShownPressed())
        Frame3D(dc, r, clBtnShadow, clBtnHighlight, 1);
    else if (Hot() && m_hotTrack)
        Frame3D(dc, r, clBtnHighlight, clBtnShadow, 1);
    else
        Frame3D(dc, r, clBtnShadow, clBtnShadow, 1);
    if (ShownPressed())
        win::OffsetRect(&r, 1, 1);
    DrawTextIn(dc, Caption(), r, win::DT_SINGLELINE | win::DT_CENTER | win::DT_VCENTER, *Font(), Enabled());
}

} // namespace tk
