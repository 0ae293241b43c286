// The toolkit's tab set drawn from the skin's Tabs element (frames as for the tab control: normal, selected,
// hot, disabled, selected with focus) over a strip of the skin's face colour. The selected tab is drawn last
// and reaches the top edge; the others stand a little lower. The tab set keeps its own clicks and keys; the
// skinner watches the pointer for the hot tab and repaints when the selection moves. Without a Tabs image, or
// on anything but a tab set, it draws nothing and the control keeps its own look.
#pragma once

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
    void OnMouseMove(const tk::TMessage& message);
    void OnMouseLeave();
    void FollowSelection();
    void DrawTab(win::HDC dc, const tk::TTabSet& tabs, int index, bool selected);

    int m_hotTab = -1;
    int m_shownTab = -1;
};

} // namespace skin
