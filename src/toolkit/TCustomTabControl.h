// Tabs on the native "SysTabControl32" class, and the tab control that publishes them as a list of texts
// ("Tabs", one tab a line). A user's choice runs OnChanging first, whose handler may refuse it, then
// OnChange; setting TabIndex from code runs neither. The tab texts and the selection are kept by the control
// as well, so that a new window (RecreateWnd) shows the same tabs.
#pragma once

#include "toolkit/TWinControl.h"

#include <string>
#include <vector>

namespace tk {

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TCustomTabControl : public TWinControl {
    TK_CLASS(TCustomTabControl, TWinControl)
public:
    explicit TCustomTabControl(TComponent* owner);

    // The tab under a client point, -1 for none.
    int IndexOfTabAt(int x, int y);
    // The part of the client area that the tabs leave to the page.
    win::RECT DisplayRect();

    // Tabs over a page, or a row of push buttons (flat ones, raised under the pointer) without a page.
    TTabStyle Style() const { return m_style; }
    void SetStyle(TTabStyle value);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    // The user asks to move to another tab; false refuses.
    virtual bool CanChange();
    // The user moved to another tab.
    virtual void Change();

    const std::vector<std::string>& TabTexts() const { return m_tabs; }
    void SetTabTexts(const std::vector<std::string>& tabs);
    int CurrentTab() const;
    void SelectTab(int index);

private:
    std::vector<std::string> m_tabs;
    int m_tabIndex = -1;
    TTabStyle m_style = TTabStyle::tsTabs;

    void CNNotify(TMessage& m);
    void PushTabs();
};

class TTabControl : public TCustomTabControl {
    TK_CLASS(TTabControl, TCustomTabControl)
public:
    using TCustomTabControl::TCustomTabControl;

    // One tab a line.
    std::string Tabs() const;
    void SetTabs(const std::string& lines);
    const std::vector<std::string>& TabList() const { return TabTexts(); }
    void SetTabList(const std::vector<std::string>& tabs) { SetTabTexts(tabs); }
    int TabIndex() const { return CurrentTab(); }
    void SetTabIndex(int index) { SelectTab(index); }
};

} // namespace tk
