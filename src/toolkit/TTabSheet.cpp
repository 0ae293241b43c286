#include "toolkit/TTabSheet.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TPageControl.h"

namespace tk {

namespace {
void DefineTabSheetProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(BooleanProperty<TTabSheet>("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible));
    p.push_back(IntegerProperty<TTabSheet>("PageIndex", &TTabSheet::PageIndex));
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
}
} // namespace

TK_IMPLEMENT_CLASS(TTabSheet, TWinControl, DefineTabSheetProperties)

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    SetPageControl(nullptr);
}

void TTabSheet::SetParent(TWinControl* parent) {
    TWinControl::SetParent(parent);
    auto* control = dynamic_cast<TPageControl*>(parent);
    if (control != m_pageControl) {
        if (m_pageControl)
            m_pageControl->RemovePage(this);
        m_pageControl = control;
        if (m_pageControl)
            m_pageControl->InsertPage(this);
    }
}

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control != m_pageControl || Parent() != control)
        SetParent(control);
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == m_tabVisible)
        return;
    m_tabVisible = visible;
    if (m_pageControl)
        m_pageControl->UpdateTabs();
}

int TTabSheet::PageIndex() const {
    return m_pageControl ? m_pageControl->IndexOfPage(this) : -1;
}

int TTabSheet::TabIndex() const {
    if (!m_pageControl || !m_tabVisible)
        return -1;
    int index = 0;
    for (int i = 0; i < m_pageControl->PageCount(); ++i) {
        TTabSheet* page = m_pageControl->Pages(i);
        if (page == this)
            return index;
        index += page->TabVisible() ? 1 : 0;
    }
    return -1;
}

void TTabSheet::TextChanged() {
    if (m_pageControl)
        m_pageControl->UpdateTabs();
}

} // namespace tk
