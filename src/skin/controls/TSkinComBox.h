// A combo box in the skin's look: a border in the skin's shadow and face colours and the drop button from
// the combo-arrow element (normal, hot, pressed while the list is down, disabled), drawn over the box's own
// painting; its drop-down list's scroll bar is skinned by a TComboxScrollBar on the list window.
#pragma once

#include "skin/controls/TComboxScrollBar.h"
#include "skin/controls/TSkinControl.h"

#include <memory>

namespace skin {

class TSkinComBox : public TSkinControl {
    TK_CLASS(TSkinComBox, TSkinControl)
public:
    explicit TSkinComBox(tk::TComponent* owner);
    ~TSkinComBox() override;

    void Detach() override;
    TComboxScrollBar* ListBar() const { return m_listBar.get(); }
    // The drop button's frame of the combo-arrow element for the box's state now.
    int ButtonFrame() const;

protected:
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;
    void OnAttached() override;

private:
    void OnMouseMove();
    void OnMouseLeave();
    bool Dropped() const;
    // The drop button in window coordinates (empty when the box has none).
    win::RECT ButtonRect() const;

    std::unique_ptr<TComboxScrollBar> m_listBar;
};

} // namespace skin
