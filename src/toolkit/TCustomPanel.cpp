#include "toolkit/TCustomPanel.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
void DefinePanelProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TControl::ParentColorProperty());
    p.push_back(EnumProperty<TCustomPanel>("BevelInner", kBevelCutInfo, &TCustomPanel::BevelInner,
                                           &TCustomPanel::SetBevelInner));
    p.push_back(EnumProperty<TCustomPanel>("BevelOuter", kBevelCutInfo, &TCustomPanel::BevelOuter,
                                           &TCustomPanel::SetBevelOuter));
    p.push_back(
        IntegerProperty<TCustomPanel>("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth));
    p.push_back(IntegerProperty<TCustomPanel>("BorderWidth", &TCustomPanel::BorderWidth,
                                              &TCustomPanel::SetBorderWidth));
    p.push_back(EnumProperty<TCustomPanel>("Alignment", kAlignmentInfo, &TCustomPanel::Alignment,
                                           &TCustomPanel::SetAlignment));
    p.push_back(BooleanProperty<TCustomPanel>("ParentBackground", &TCustomPanel::ParentBackground,
                                              &TCustomPanel::SetParentBackground));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Published);
}

void Bevel(win::HDC dc, win::RECT& r, TBevelCut cut, int width) {
    if (cut == TBevelCut::bvNone)
        return;
    if (cut == TBevelCut::bvSpace) {
        win::InflateRect(&r, -width, -width);
        return;
    }
    bool raised = cut == TBevelCut::bvRaised;
    Frame3D(dc, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, width);
}
} // namespace

TK_IMPLEMENT_CLASS(TCustomPanel, TCustomControl, DefinePanelProperties)
TK_IMPLEMENT_CLASS(TPanel, TCustomPanel, nullptr)

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= win::WS_CLIPCHILDREN;
}

void TCustomPanel::Paint(win::HDC dc) {
    win::RECT r = ClientRect();
    Bevel(dc, r, m_bevelOuter, m_bevelWidth);
    Frame3D(dc, r, Color(), Color(), m_borderWidth);
    Bevel(dc, r, m_bevelInner, m_bevelWidth);
    if (Caption().empty())
        return;
    win::UINT align = m_alignment == TAlignment::taLeftJustify    ? win::DT_LEFT
                      : m_alignment == TAlignment::taRightJustify ? win::DT_RIGHT
                                                                  : win::DT_CENTER;
    DrawTextIn(dc, Caption(), r, win::DT_SINGLELINE | win::DT_VCENTER | win::DT_EXPANDTABS | align, *Font(),
               Enabled());
}

} // namespace tk
