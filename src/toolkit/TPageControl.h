// Pages with tabs: each TTabSheet placed inside is a page, its Caption the tab's text. The active page is
// shown in the area the tabs leave and every other page is hidden. A user's tab choice runs OnChanging (which
// may refuse it), makes the chosen page active, then runs OnChange.
#pragma once

#include "toolkit/TCustomTabControl.h"

#include <vector>

namespace tk {

class TTabSheet;

class TPageControl : public TCustomTabControl {
    TK_CLASS(TPageControl, TCustomTabControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Null outside 0 .. PageCount() - 1.
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return m_active; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The active page by component name, for layouts.
    std::string ActivePageName() const;
    void SetActivePageName(const std::string& name);
    int IndexOfPage(const TTabSheet* page) const;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateHandleDone() override;
    void Change() override;
    void Loaded() override;

private:
    friend class TTabSheet;

    std::vector<TTabSheet*> m_pages;
    TTabSheet* m_active = nullptr;
    std::string m_pendingActive;

    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    // Rebuilds the tabs from the visible pages and shows only the active one, in the display area.
    void UpdateTabs();
    void ArrangePages();
};

} // namespace tk
