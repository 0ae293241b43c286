// Tabs drawn from the skin's Tabs element (frames: normal, selected, hot, disabled, selected with focus) over
// the TabPane element as the page area, for the native tab control and the toolkit's tab and page controls
// built on it. The control keeps its own clicks and keys; the skinner watches the pointer for the hot tab.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinTab : public TSkinControl {
    TK_CLASS(TSkinTab, TSkinControl)
public:
    explicit TSkinTab(tk::TComponent* owner);

    static int TabFrame(bool selected, bool hot, bool focused, bool disabled);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

private:
    bool Skinned() const;
    int TabCount() const;
    int TabAt(win::LPARAM point) const;
    void OnMouseMove(const tk::TMessage& message);
    void OnMouseLeave();
    void DrawTab(win::HDC dc, int index, int selected);

    int m_hotTab = -1;
};

} // namespace skin
