// One item of a menu: caption ("-" for a separator), check mark, enabled and visible switches, an image
// from the menu's image list, a tag, sub-items, and click, measure and draw events. Measure and draw events
// replace the item's own measuring and drawing when the menu is owner-drawn.
#pragma once

#include "toolkit/TControl.h"

#include <vector>

namespace tk {

class TPopupMenu;

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, win::HDC dc, int& Width, int& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, win::HDC dc, win::RECT Rect, bool Selected)>;

class TMenuItem : public TComponent {
    TK_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption) { m_caption = caption; }
    bool IsLine() const { return m_caption == "-"; }
    bool Checked() const { return m_checked; }
    void SetChecked(bool v) { m_checked = v; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v) { m_enabled = v; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool v) { m_visible = v; }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index) { m_imageIndex = index; }
    const std::string& ShortCutText() const { return m_shortCut; }
    void SetShortCutText(const std::string& text) { m_shortCut = text; }

    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    TMenuItem* Parent() const { return m_parent; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // Frees the sub-items.
    void Clear();
    // The command number the item has in a native menu (unique in the program).
    win::UINT Command() const { return m_command; }
    TMenuItem* FindByCommand(win::UINT command);
    // The popup menu the item belongs to, if any.
    TPopupMenu* Menu() const;

    virtual void Click();
    // The event when one is assigned, otherwise the item's own size and look.
    void MeasureItem(win::HDC dc, int& width, int& height);
    void DrawItem(win::HDC dc, const win::RECT& rect, bool selected);
    void DefaultMeasureItem(win::HDC dc, int& width, int& height);
    void DefaultDrawItem(win::HDC dc, const win::RECT& rect, bool selected);

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    void SetParentComponent(TComponent* parent) override;

private:
    friend class TPopupMenu;
    std::string m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    int m_imageIndex = -1;
    std::string m_shortCut;
    std::vector<TMenuItem*> m_items;
    TMenuItem* m_parent = nullptr;
    TPopupMenu* m_menu = nullptr; // set on the root item
    win::UINT m_command;
};

} // namespace tk
