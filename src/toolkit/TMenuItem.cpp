#include "toolkit/TMenuItem.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"
#include "toolkit/TPopupMenu.h"

#include <algorithm>

namespace tk {

namespace {
win::UINT s_nextCommand = 100;

void DefineMenuItemProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TMenuItem>("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption));
    p.push_back(BooleanProperty<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked));
    p.push_back(BooleanProperty<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled));
    p.push_back(BooleanProperty<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible));
    p.push_back(IntegerProperty<TMenuItem>("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex));
    p.push_back(StringProperty<TMenuItem>("ShortCut", &TMenuItem::ShortCutText, &TMenuItem::SetShortCutText));
    p.push_back(EventProperty<TMenuItem>("OnClick", &TMenuItem::OnClick));
    p.push_back(EventProperty<TMenuItem>("OnMeasureItem", &TMenuItem::OnMeasureItem));
    p.push_back(EventProperty<TMenuItem>("OnDrawItem", &TMenuItem::OnDrawItem));
}

constexpr int kImageSpace = 16;
const TFont& MenuFont() {
    static TFont font;
    return font;
}
} // namespace

TK_IMPLEMENT_CLASS(TMenuItem, TComponent, DefineMenuItemProperties)

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), m_command(s_nextCommand++) {
}

TMenuItem::~TMenuItem() {
    Clear();
    if (m_parent)
        m_parent->Remove(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
    else if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
        menu->Items()->Add(this);
}

int TMenuItem::MenuIndex() const {
    if (!m_parent)
        return -1;
    auto it = std::find(m_parent->m_items.begin(), m_parent->m_items.end(), this);
    return static_cast<int>(it - m_parent->m_items.begin());
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this)
        return;
    if (item->m_parent)
        item->m_parent->Remove(item);
    index = std::clamp(index, 0, Count());
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it != m_items.end()) {
        m_items.erase(it);
        item->m_parent = nullptr;
    }
}

void TMenuItem::Clear() {
    while (!m_items.empty()) {
        TMenuItem* item = m_items.back();
        m_items.pop_back();
        item->m_parent = nullptr;
        delete item;
    }
}

TMenuItem* TMenuItem::FindByCommand(win::UINT command) {
    if (m_command == command)
        return this;
    for (TMenuItem* item : m_items)
        if (TMenuItem* found = item->FindByCommand(command))
            return found;
    return nullptr;
}

TPopupMenu* TMenuItem::Menu() const {
    const TMenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_menu;
}

void TMenuItem::Click() {
    if (m_enabled && OnClick)
        OnClick(this);
}

void TMenuItem::MeasureItem(win::HDC dc, int& width, int& height) {
    if (OnMeasureItem)
        OnMeasureItem(this, dc, width, height);
    else
        DefaultMeasureItem(dc, width, height);
}

void TMenuItem::DrawItem(win::HDC dc, const win::RECT& rect, bool selected) {
    if (OnDrawItem)
        OnDrawItem(this, dc, rect, selected);
    else
        DefaultDrawItem(dc, rect, selected);
}

void TMenuItem::DefaultMeasureItem(win::HDC, int& width, int& height) {
    if (IsLine()) {
        width = 10;
        height = 8;
        return;
    }
    win::SIZE text = TextExtent(MenuFont(), m_caption + (m_shortCut.empty() ? "" : "    " + m_shortCut));
    TImageList* images = Menu() ? Menu()->Images() : nullptr;
    int imageHeight = images ? images->Height() : kImageSpace;
    width = 4 + kImageSpace + 8 + text.cx + 16;
    height = std::max(static_cast<int>(text.cy), imageHeight) + 4;
}

void TMenuItem::DefaultDrawItem(win::HDC dc, const win::RECT& rect, bool selected) {
    if (IsLine()) {
        FillColour(dc, rect, clMenu);
        win::RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2,
                       (rect.top + rect.bottom) / 2 + 1};
        win::DrawEdge(dc, &line, win::EDGE_ETCHED, win::BF_TOP);
        return;
    }
    bool highlighted = selected && m_enabled;
    FillColour(dc, rect, highlighted ? clHighlight : clMenu);
    TImageList* images = Menu() ? Menu()->Images() : nullptr;
    if (images && m_imageIndex >= 0) {
        images->Draw(dc, rect.left + 4, rect.top + (rect.bottom - rect.top - images->Height()) / 2,
                     m_imageIndex);
    } else if (m_checked) {
        win::RECT mark{rect.left + 4, rect.top + (rect.bottom - rect.top - kImageSpace) / 2,
                       rect.left + 4 + kImageSpace,
                       rect.top + (rect.bottom - rect.top - kImageSpace) / 2 + kImageSpace};
        win::DrawFrameControl(dc, &mark, win::DFC_MENU, win::DFCS_MENUCHECK | win::DFCS_TRANSPARENT);
    }
    TFont font;
    font.Assign(MenuFont());
    font.SetColor(highlighted ? clHighlightText : clMenuText);
    win::RECT text{rect.left + 4 + kImageSpace + 8, rect.top, rect.right - 8, rect.bottom};
    DrawTextIn(dc, m_caption, text, win::DT_SINGLELINE | win::DT_VCENTER | win::DT_LEFT, font, m_enabled);
    if (!m_shortCut.empty())
        DrawTextIn(dc, m_shortCut, text, win::DT_SINGLELINE | win::DT_VCENTER | win::DT_RIGHT, font,
                   m_enabled);
}

} // namespace tk
