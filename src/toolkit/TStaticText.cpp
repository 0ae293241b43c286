#include "toolkit/TStaticText.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
const EnumInfo kStaticBorderInfo{"TStaticBorderStyle", {"sbsNone", "sbsSingle", "sbsSunken"}};

void DefineStaticTextProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TControl::ParentColorProperty());
    p.push_back(TControl::AutoSizeProperty());
    p.push_back(EnumProperty<TCustomStaticText>("Alignment", kAlignmentInfo, &TCustomStaticText::Alignment,
                                                &TCustomStaticText::SetAlignment));
    p.push_back(EnumProperty<TCustomStaticText>("BorderStyle", kStaticBorderInfo,
                                                &TCustomStaticText::BorderStyle,
                                                &TCustomStaticText::SetBorderStyle));
    p.push_back(BooleanProperty<TCustomStaticText>("ShowAccelChar", &TCustomStaticText::ShowAccelChar,
                                                   &TCustomStaticText::SetShowAccelChar));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Published);
}
} // namespace

TK_IMPLEMENT_CLASS(TCustomStaticText, TWinControl, DefineStaticTextProperties)
TK_IMPLEMENT_CLASS(TStaticText, TCustomStaticText, nullptr)

TCustomStaticText::TCustomStaticText(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
    SetAutoSize(true);
}

void TCustomStaticText::SetAlignment(TAlignment alignment) {
    if (alignment != m_alignment) {
        m_alignment = alignment;
        RecreateWnd();
    }
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle style) {
    if (style != m_borderStyle) {
        m_borderStyle = style;
        RecreateWnd();
    }
}

void TCustomStaticText::SetShowAccelChar(bool show) {
    if (show != m_showAccelChar) {
        m_showAccelChar = show;
        RecreateWnd();
        AdjustSize();
    }
}

void TCustomStaticText::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "static");
    params.Style |= win::SS_NOTIFY;
    switch (m_alignment) {
    case TAlignment::taLeftJustify: params.Style |= win::SS_LEFT; break;
    case TAlignment::taRightJustify: params.Style |= win::SS_RIGHT; break;
    case TAlignment::taCenter: params.Style |= win::SS_CENTER; break;
    }
    if (!m_showAccelChar)
        params.Style |= win::SS_NOPREFIX;
    if (m_borderStyle == TStaticBorderStyle::sbsSingle)
        params.Style |= win::WS_BORDER;
    else if (m_borderStyle == TStaticBorderStyle::sbsSunken)
        params.Style |= win::SS_SUNKEN;
}

bool TCustomStaticText::CanAutoSize(int& width, int& height) {
    win::UINT flags = win::DT_SINGLELINE | win::DT_EXPANDTABS | (m_showAccelChar ? 0 : win::DT_NOPREFIX);
    win::SIZE size = TextExtent(*Font(), Caption(), flags);
    // Two border widths on every side, whatever the border style: the single and the sunken border take
    // one of them, and a label keeps its size when its border changes.
    width = size.cx + 4 * win::GetSystemMetrics(win::SM_CXBORDER);
    height = size.cy + 4 * win::GetSystemMetrics(win::SM_CYBORDER);
    return true;
}

void TCustomStaticText::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: CNCommand(win::HIWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

// The double click arrives as the mouse message itself (OnDblClick).
void TCustomStaticText::CNCommand(win::WORD code) {
    if (code == win::STN_CLICKED)
        Click();
}

} // namespace tk
