#include "toolkit/TStatusBar.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TStatusPanel.h"

#include <algorithm>

namespace tk {

namespace {
void DefineStatusBarProperties(std::vector<PropertyInfo>& p) {
    p.push_back(
        BooleanProperty<TStatusBar>("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel));
    p.push_back(
        StringProperty<TStatusBar>("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText));
    p.push_back(IntegerProperty<TStatusBar>("PanelCount", &TStatusBar::PanelCount));
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Published);
}
} // namespace

TK_IMPLEMENT_CLASS(TStatusBar, TWinControl, DefineStatusBarProperties)

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 200, 19);
}

TStatusBar::~TStatusBar() {
    // The panels belong to the owner and may outlive the bar; they must not call back into it.
    for (TStatusPanel* panel : m_panels)
        panel->m_bar = nullptr;
}

TStatusPanel* TStatusBar::Panels(int index) const {
    return index >= 0 && index < PanelCount() ? m_panels[static_cast<std::size_t>(index)] : nullptr;
}

int TStatusBar::IndexOfPanel(const TStatusPanel* panel) const {
    auto it = std::find(m_panels.begin(), m_panels.end(), panel);
    return it == m_panels.end() ? -1 : static_cast<int>(it - m_panels.begin());
}

TStatusPanel* TStatusBar::AddPanel(const std::string& text, int width) {
    auto* panel = new TStatusPanel(Owner() ? Owner() : this);
    panel->SetText(text);
    panel->SetWidth(width);
    AttachPanel(panel);
    return panel;
}

// The native bar takes a limited number of parts; the ones beyond it are kept but not shown.
void TStatusBar::AttachPanel(TStatusPanel* panel) {
    if (panel->m_bar == this)
        return;
    if (panel->m_bar)
        panel->m_bar->DetachPanel(panel);
    panel->m_bar = this;
    m_panels.push_back(panel);
    UpdatePanels();
}

void TStatusBar::DetachPanel(TStatusPanel* panel) {
    m_panels.erase(std::remove(m_panels.begin(), m_panels.end(), panel), m_panels.end());
    panel->m_bar = nullptr;
    UpdatePanels();
}

void TStatusBar::SetSimplePanel(bool value) {
    m_simplePanel = value;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::SB_SIMPLE, m_simplePanel ? win::TRUE : win::FALSE, 0);
}

void TStatusBar::SetSimpleText(const std::string& text) {
    m_simpleText = text;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::SB_SETTEXTA, win::SB_SIMPLEID,
                          reinterpret_cast<win::LPARAM>(m_simpleText.c_str()));
}

void TStatusBar::UpdatePanels() {
    if (!HandleAllocated())
        return;
    const std::size_t count = std::min(m_panels.size(), static_cast<std::size_t>(win::kStatusBarMaxParts));
    std::vector<int> rights;
    int right = 0;
    for (std::size_t i = 0; i < count; ++i) {
        right += m_panels[i]->Width();
        rights.push_back(i + 1 == count ? -1 : right);
    }
    if (rights.empty())
        rights.push_back(-1);
    win::SendMessageA(Handle(), win::SB_SETPARTS, rights.size(),
                      reinterpret_cast<win::LPARAM>(rights.data()));
    for (std::size_t i = 0; i < rights.size(); ++i) {
        const char* text = i < count ? m_panels[i]->Text().c_str() : "";
        win::SendMessageA(Handle(), win::SB_SETTEXTA, i, reinterpret_cast<win::LPARAM>(text));
    }
}

void TStatusBar::Realign() {
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::WM_SIZE, 0, 0);
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, win::STATUSCLASSNAMEA);
    params.Style |= win::CCS_BOTTOM;
}

void TStatusBar::CreateHandleDone() {
    UpdatePanels();
    win::SendMessageA(Handle(), win::SB_SETTEXTA, win::SB_SIMPLEID,
                      reinterpret_cast<win::LPARAM>(m_simpleText.c_str()));
    win::SendMessageA(Handle(), win::SB_SIMPLE, m_simplePanel ? win::TRUE : win::FALSE, 0);
    Realign();
}

} // namespace tk
