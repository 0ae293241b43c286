// A form's menu bar: a tree of TMenuItem whose first level is the bar and whose deeper levels drop down from
// it. It shares the popup menu's item tree, native building and owner drawing; the form its `Menu` property
// names gives the built bar to its window, and rebuilds it when told the items changed.
#pragma once

#include "toolkit/TPopupMenu.h"

namespace tk {

class TCustomForm;

class TMainMenu : public TPopupMenu {
    TK_CLASS(TMainMenu, TPopupMenu)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    // The native bar: one entry per visible first-level item, each with its drop-down built by BuildMenu.
    // The caller destroys it.
    win::HMENU BuildBar() const;
    // Items were added, removed or changed: the form showing the bar builds it again (through the
    // menu-changed notification to its window, which a skinned frame also listens for).
    void Changed();
    // The form whose bar this is, or none.
    TCustomForm* Form() const { return m_form; }

    // The bar's messages as the form's window receives them; false when the message is not this menu's.
    bool DispatchCommand(win::UINT command);
    bool MeasureMenuItem(win::MEASUREITEMSTRUCT* measure);
    bool DrawMenuItem(const win::DRAWITEMSTRUCT* draw);
    // The item whose address a native menu carries as item data, when it is one of this menu's.
    TMenuItem* ItemFromData(win::ULONG_PTR data) const;

private:
    friend class TCustomForm;
    TCustomForm* m_form = nullptr;
};

} // namespace tk
