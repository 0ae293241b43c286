#include "toolkit/TPageControl.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TTabSheet.h"

#include <algorithm>

namespace tk {

namespace {
void DefinePageControlProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TPageControl>("ActivePage", &TPageControl::ActivePageName,
                                             &TPageControl::SetActivePageName));
    p.push_back(IntegerProperty<TPageControl>("ActivePageIndex", &TPageControl::ActivePageIndex,
                                              &TPageControl::SetActivePageIndex));
    p.push_back(IntegerProperty<TPageControl>("PageCount", &TPageControl::PageCount));
}
} // namespace

TK_IMPLEMENT_CLASS(TPageControl, TCustomTabControl, DefinePageControlProperties)

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {
}

TPageControl::~TPageControl() {
    // The pages go with the control (TWinControl frees its children); they must not call back meanwhile.
    for (TTabSheet* page : m_pages)
        page->m_pageControl = nullptr;
    m_pages.clear();
    m_active = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    return index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

int TPageControl::IndexOfPage(const TTabSheet* page) const {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

void TPageControl::InsertPage(TTabSheet* page) {
    m_pages.push_back(page);
    if (!m_active && page->TabVisible())
        m_active = page;
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
    m_pages.erase(std::remove(m_pages.begin(), m_pages.end(), page), m_pages.end());
    if (m_active == page) {
        m_active = nullptr;
        for (TTabSheet* p : m_pages)
            if (p->TabVisible()) {
                m_active = p;
                break;
            }
    }
    UpdateTabs();
}

// A page without a tab cannot be active.
void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && (page->PageControl() != this || !page->TabVisible()))
        return;
    m_active = page;
    UpdateTabs();
}

int TPageControl::ActivePageIndex() const {
    return m_active ? IndexOfPage(m_active) : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(Pages(index));
}

std::string TPageControl::ActivePageName() const {
    return m_active ? m_active->Name() : m_pendingActive;
}

void TPageControl::SetActivePageName(const std::string& name) {
    if (IsLoading()) {
        m_pendingActive = name;
        return;
    }
    for (TTabSheet* page : m_pages)
        if (SameText(page->Name(), name)) {
            SetActivePage(page);
            return;
        }
    if (!name.empty())
        throw PropertyError{"ActivePage: no page named \"" + name + "\""};
    SetActivePage(nullptr);
}

void TPageControl::Loaded() {
    TCustomTabControl::Loaded();
    if (!m_pendingActive.empty()) {
        const std::string name = m_pendingActive;
        m_pendingActive.clear();
        SetActivePageName(name);
    }
}

void TPageControl::UpdateTabs() {
    if (m_active && !m_active->TabVisible())
        m_active = nullptr;
    std::vector<std::string> tabs;
    for (TTabSheet* page : m_pages)
        if (page->TabVisible())
            tabs.push_back(page->Caption());
    SetTabTexts(tabs);
    SelectTab(m_active ? m_active->TabIndex() : -1);
    ArrangePages();
}

void TPageControl::ArrangePages() {
    const win::RECT r = HandleAllocated() ? DisplayRect() : win::RECT{4, 24, Width() - 4, Height() - 4};
    for (TTabSheet* page : m_pages) {
        if (page == m_active)
            page->SetBounds(r.left, r.top, std::max(0, static_cast<int>(r.right - r.left)),
                            std::max(0, static_cast<int>(r.bottom - r.top)));
        page->SetVisible(page == m_active);
    }
}

void TPageControl::SetBounds(int left, int top, int width, int height) {
    TCustomTabControl::SetBounds(left, top, width, height);
    ArrangePages();
}

void TPageControl::CreateHandleDone() {
    TCustomTabControl::CreateHandleDone();
    ArrangePages();
}

void TPageControl::Change() {
    const int tab = CurrentTab();
    for (TTabSheet* page : m_pages)
        if (page->TabIndex() == tab && tab >= 0) {
            m_active = page;
            break;
        }
    ArrangePages();
    TCustomTabControl::Change();
}

} // namespace tk
