// The toolkit's tab set drawn from the skin's Tabs element (frames as for the tab control: normal, selected,
// hot, disabled, selected with focus) over a strip of the skin's face colour. The tabs hang from an edge
// along the top, so the element is drawn upside down; the selected tab is drawn last, breaks the edge and
// reaches a little lower than the others. The tab set keeps its own clicks and keys; the skinner watches the
// pointer for the hot tab and repaints when the selection moves. Without a Tabs image, or on anything but a
// tab set, it draws nothing and the control keeps its own look.
#pragma once

#include "skin/controls/PartTracker.h"
#include "skin/controls/TSkinControl.h"

namespace tk {
class TTabSet;
}

namespace skin {

class TSkinTab31 : public TSkinControl {
    TK_CLASS(TSkinTab31, TSkinControl)
public:
    explicit TSkinTab31(tk::TComponent* owner);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;
    void OnAttached() override;

private:
    tk::TTabSet* TabSet() const;
    bool Skinned() const;
    void FollowSelection();
    void DrawTab(win::HDC dc, const tk::TTabSet& tabs, int index, bool selected);

    PartTracker m_tabs;
    int m_shownTab = -1;
};

} // namespace skin
