// A page of a TPageControl: a plain window that holds the page's controls. Its Caption is its tab's text;
// with TabVisible false the page has no tab and is never shown.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {

class TPageControl;

class TTabSheet : public TWinControl {
    TK_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return m_pageControl; }
    void SetPageControl(TPageControl* control);
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);
    // The page's place among its control's pages; -1 when it has none.
    int PageIndex() const;
    // Its place among the visible tabs; -1 when it has no tab.
    int TabIndex() const;

    void SetParent(TWinControl* parent) override;

protected:
    void TextChanged() override;

private:
    friend class TPageControl;

    TPageControl* m_pageControl = nullptr;
    bool m_tabVisible = true;
};

} // namespace tk
