// A row of tabs hanging from the control's top edge, drawn by the control itself, as used under a notebook:
// the selected tab is joined to the line above it and drawn in SelectedColor, the others stand a little
// lower in UnselectedColor. Each tab is as wide as its text plus padding; the tabs that do not fit are not
// shown (there is no scrolling). A press on a tab or Left/Right while focused selects another tab and runs
// OnChange; setting TabIndex from code runs nothing. The geometry is public, so that a skin can draw the
// same tabs without drawing the control.
#pragma once

#include "toolkit/TCustomControl.h"

#include <string>
#include <vector>

namespace tk {

class TTabSet : public TCustomControl {
    TK_CLASS(TTabSet, TCustomControl)
public:
    explicit TTabSet(TComponent* owner);

    // One tab a line.
    std::string Tabs() const;
    void SetTabs(const std::string& lines);
    const std::vector<std::string>& TabList() const { return m_tabs; }
    void SetTabList(const std::vector<std::string>& tabs);

    int TabIndex() const { return m_tabIndex; }
    // -1 selects none; any other index outside the tabs is refused with a PropertyError.
    void SetTabIndex(int index);
    TColor SelectedColor() const { return m_selectedColour; }
    void SetSelectedColor(TColor colour);
    TColor UnselectedColor() const { return m_unselectedColour; }
    void SetUnselectedColor(TColor colour);

    int TabCount() const { return static_cast<int>(m_tabs.size()); }
    // Empty outside 0 .. TabCount() - 1.
    std::string TabText(int index) const;
    // Where tab `index` lies in client coordinates; empty when it is not shown. The shown tabs are always the
    // first ones: after the first tab that is not shown, none is.
    win::RECT TabRect(int index) const;
    // The shown tab under a client point, -1 for none.
    int TabAtPoint(int x, int y) const;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Paint(win::HDC dc) override;
    void Loaded() override;
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoKeyDown(win::WORD& key, TShiftState shift) override;
    // The user moved to another tab.
    virtual void Change();

private:
    std::vector<std::string> m_tabs;
    int m_tabIndex = -1;
    TColor m_selectedColour = clBtnFace;
    TColor m_unselectedColour = clWindow;

    // The rectangles of the tabs that are shown, from the first; the rest do not fit.
    std::vector<win::RECT> LayOutTabs() const;
    // Selects `index` for the user, running OnChange when the selection really moves.
    void UserSelect(int index);
    void PaintTab(win::HDC dc, const win::RECT& rect, int index);
};

} // namespace tk
