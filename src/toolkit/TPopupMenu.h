// A context menu: a tree of TMenuItem shown with the platform's popup menu at a screen point. Owner-drawn
// menus let each item measure and draw itself (or its events do); a chosen item's OnClick runs after the
// menu has closed.
#pragma once

#include "toolkit/TImageList.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/UtilityWindow.h"

#include <memory>

namespace tk {

class TPopupMenu : public TComponent {
    TK_CLASS(TPopupMenu, TComponent)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TMenuItem* Items() const { return m_items; }
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images) { m_images = images; }
    bool OwnerDraw() const { return m_ownerDraw; }
    void SetOwnerDraw(bool v) { m_ownerDraw = v; }
    bool AutoPopup() const { return m_autoPopup; }
    void SetAutoPopup(bool v) { m_autoPopup = v; }
    // The control the menu was last shown for.
    TComponent* PopupComponent() const { return m_popupComponent; }
    void SetPopupComponent(TComponent* component) { m_popupComponent = component; }

    // Shows the menu with its top-left corner at the screen point and waits until it closes.
    virtual void Popup(int x, int y);
    // The native menu of an item's sub-items, as Popup builds it; the caller destroys it.
    win::HMENU BuildMenu(TMenuItem* parent) const;

    TNotifyEvent OnPopup;

private:
    TMenuItem* m_items;
    TImageList* m_images = nullptr;
    bool m_ownerDraw = false;
    bool m_autoPopup = true;
    TComponent* m_popupComponent = nullptr;
    std::unique_ptr<UtilityWindow> m_window;

    win::LRESULT WindowMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    bool WMMeasureItem(win::MEASUREITEMSTRUCT* measure);
    bool WMDrawItem(const win::DRAWITEMSTRUCT* draw);
};

} // namespace tk
