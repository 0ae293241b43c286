#include "toolkit/TToolButton.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TToolBar.h"

namespace tk {

namespace {
const EnumInfo kToolButtonStyleInfo{"TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsSeparator"}};

void DefineToolButtonProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TToolButton>("Caption", &TToolButton::Caption, &TToolButton::SetCaption));
    p.push_back(EnumProperty<TToolButton>("Style", kToolButtonStyleInfo, &TToolButton::Style,
                                          &TToolButton::SetStyle));
    p.push_back(BooleanProperty<TToolButton>("Down", &TToolButton::Down, &TToolButton::SetDown));
    p.push_back(BooleanProperty<TToolButton>("Enabled", &TToolButton::Enabled, &TToolButton::SetEnabled));
    p.push_back(EventProperty<TToolButton>("OnClick", &TToolButton::OnClick));
}
} // namespace

TK_IMPLEMENT_CLASS(TToolButton, TComponent, DefineToolButtonProperties)

TToolButton::TToolButton(TComponent* owner) : TComponent(owner) {
}

TToolButton::~TToolButton() {
    if (m_bar)
        m_bar->DetachButton(this);
}

void TToolButton::SetParentComponent(TComponent* parent) {
    auto* bar = dynamic_cast<TToolBar*>(parent);
    if (!bar)
        throw PropertyError{"a tool button belongs inside a TToolBar"};
    bar->AttachButton(this);
}

void TToolButton::SetCaption(const std::string& caption) {
    m_caption = caption;
    if (m_bar)
        m_bar->UpdateButtons();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
    m_style = style;
    if (m_bar)
        m_bar->UpdateButtons();
}

void TToolButton::SetDown(bool down) {
    m_down = down;
    if (m_bar)
        m_bar->UpdateButtonState(this);
}

void TToolButton::SetEnabled(bool enabled) {
    m_enabled = enabled;
    if (m_bar)
        m_bar->UpdateButtonState(this);
}

int TToolButton::Index() const {
    return m_bar ? m_bar->IndexOfButton(this) : -1;
}

void TToolButton::Click() {
    if (OnClick)
        OnClick(this);
}

} // namespace tk
