#include "toolkit/TStatusPanel.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TStatusBar.h"

#include <algorithm>

namespace tk {

namespace {
constexpr int kMaxPanelWidth = 100000;

void DefineStatusPanelProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TStatusPanel>("Text", &TStatusPanel::Text, &TStatusPanel::SetText));
    p.push_back(IntegerProperty<TStatusPanel>("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth));
}
} // namespace

TK_IMPLEMENT_CLASS(TStatusPanel, TComponent, DefineStatusPanelProperties)

TStatusPanel::TStatusPanel(TComponent* owner) : TComponent(owner) {
}

TStatusPanel::~TStatusPanel() {
    if (m_bar)
        m_bar->DetachPanel(this);
}

void TStatusPanel::SetParentComponent(TComponent* parent) {
    auto* bar = dynamic_cast<TStatusBar*>(parent);
    if (!bar)
        throw PropertyError{"a status panel belongs inside a TStatusBar"};
    bar->AttachPanel(this);
}

void TStatusPanel::SetText(const std::string& text) {
    m_text = text;
    if (m_bar)
        m_bar->UpdatePanels();
}

void TStatusPanel::SetWidth(int width) {
    m_width = std::clamp(width, 0, kMaxPanelWidth);
    if (m_bar)
        m_bar->UpdatePanels();
}

int TStatusPanel::Index() const {
    return m_bar ? m_bar->IndexOfPanel(this) : -1;
}

} // namespace tk
