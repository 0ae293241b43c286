#include "toolkit/TCustomGroupBox.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"

namespace tk {

void TCustomGroupBox::DefineGroupBoxProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TControl::ParentColorProperty());
    p.push_back(BooleanProperty<TCustomGroupBox>("ParentBackground", &TCustomGroupBox::ParentBackground,
                                                 &TCustomGroupBox::SetParentBackground));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(TControl::OnClickProperty());
    p.push_back(TControl::OnMouseDownProperty());
    p.push_back(TControl::OnMouseUpProperty());
}

TK_IMPLEMENT_CLASS(TCustomGroupBox, TCustomControl, &TCustomGroupBox::DefineGroupBoxProperties)
TK_IMPLEMENT_CLASS(TGroupBox, TCustomGroupBox, nullptr)

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= win::WS_CLIPCHILDREN;
}

void TCustomGroupBox::Paint(win::HDC dc) {
    win::RECT client = ClientRect();
    int lineHeight = FontLineHeight(*Font());
    win::RECT frame{client.left, client.top + lineHeight / 2 - 1, client.right, client.bottom};
    win::DrawEdge(dc, &frame, win::EDGE_ETCHED, win::BF_RECT);
    if (Caption().empty())
        return;
    win::SIZE text = TextExtent(*Font(), Caption(), win::DT_SINGLELINE);
    win::RECT captionRect{8, 0, 8 + text.cx, lineHeight};
    FillColour(dc, captionRect, Color());
    DrawTextIn(dc, Caption(), captionRect, win::DT_SINGLELINE | win::DT_LEFT, *Font(), Enabled());
}

} // namespace tk
