// Tabs drawn from the skin's Tabs element (frames: normal, selected, hot, disabled, selected with focus) over
// the TabPane element as the page area, for the native tab control and the toolkit's tab and page controls
// built on it. The control keeps its own clicks and keys; the skinner watches the pointer for the hot tab.
#pragma once

#include "skin/controls/PartTracker.h"
#include "skin/controls/TSkinControl.h"

#include <string>

namespace skin {

class TSkinTab : public TSkinControl {
    TK_CLASS(TSkinTab, TSkinControl)
public:
    explicit TSkinTab(tk::TComponent* owner);

    static int TabFrame(bool selected, bool hot, bool focused, bool disabled);
    // The control draws its tabs as push buttons.
    static bool ButtonStyle(win::DWORD style);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

    // Whether the skin draws this control (tabs only: button-style controls are left as they are).
    virtual bool Skinned() const;
    int TabCount() const;
    int SelectedTab() const;
    // The tab's rectangle as the control places it; false for a tab it does not know.
    bool TabRect(int index, win::RECT& rect) const;
    std::string TabText(int index) const;
    int HotTab() const { return m_tabs.Hot(); }

private:
    int TabAt(win::LPARAM point) const;
    void DrawTab(win::HDC dc, int index, int selected);

    PartTracker m_tabs;
};

} // namespace skin
