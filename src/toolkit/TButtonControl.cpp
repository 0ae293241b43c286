#include "toolkit/TButtonControl.h"

#include "toolkit/PropertyBuilders.h"

namespace tk {

TK_IMPLEMENT_CLASS(TButtonControl, TWinControl, nullptr)

void TButtonControl::DefineCommonProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Absent);
    p.push_back(TWinControl::OnKeyDownProperty());
    p.push_back(TWinControl::OnKeyPressProperty());
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TButtonControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "button");
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
}

} // namespace tk
