#include "skin/controls/TSkinTab31.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/controls/TSkinTab.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TTabSet.h"

#include <algorithm>

namespace skin {

namespace {

// The tabs other than the selected one start this far below the top edge.
constexpr int kUnselectedDrop = 2;
// More tabs than this are not drawn, however many the control holds.
constexpr int kMostTabs = 1000;

} // namespace

TK_IMPLEMENT_CLASS(TSkinTab31, TSkinControl, nullptr)

TSkinTab31::TSkinTab31(tk::TComponent* owner) : TSkinControl(owner) {
}

tk::TTabSet* TSkinTab31::TabSet() const {
    return dynamic_cast<tk::TTabSet*>(Control());
}

bool TSkinTab31::Skinned() const {
    return Skin() && HasImage(Skin()->Tabs.get()) && TabSet() != nullptr;
}

void TSkinTab31::OnAttached() {
    if (const tk::TTabSet* tabs = TabSet())
        m_shownTab = tabs->TabIndex();
}

bool TSkinTab31::BeforeMessage(tk::TMessage& message) {
    if (!Skinned())
        return TSkinControl::BeforeMessage(message);
    switch (message.Msg) {
    case win::WM_PAINT: PaintInstead(*this, message); return false;
    case win::WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(message);
    }
}

void TSkinTab31::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_MOUSEMOVE: OnMouseMove(message); break;
    case win::WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE: OnMouseLeave(); break;
    case win::WM_LBUTTONDOWN:
    case win::WM_KEYDOWN: FollowSelection(); break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinTab31::OnMouseMove(const tk::TMessage& message) {
    const tk::TTabSet* tabs = TabSet();
    if (!tabs)
        return;
    const int tab = tabs->TabAtPoint(win::GET_X_LPARAM(message.LParam), win::GET_Y_LPARAM(message.LParam));
    if (tab >= 0)
        SetHot();
    if (tab == m_hotTab)
        return;
    m_hotTab = tab;
    Repaint();
}

void TSkinTab31::OnMouseLeave() {
    m_flags.hot = false;
    if (m_hotTab < 0)
        return;
    m_hotTab = -1;
    Repaint();
}

// The tab set repaints itself when the user moves the selection; the skin is drawn at once so the new
// selected tab shows before the next message.
void TSkinTab31::FollowSelection() {
    const tk::TTabSet* tabs = TabSet();
    if (!tabs || tabs->TabIndex() == m_shownTab)
        return;
    m_shownTab = tabs->TabIndex();
    Repaint();
}

void TSkinTab31::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skinned())
        return;
    const tk::TTabSet& tabs = *TabSet();
    if (Transparent())
        PaintParentBackground(Window(), dc);
    else
        FillSolid(dc, rect, Skin()->SkinColours[scButtonFace]);
    m_shownTab = tabs.TabIndex();
    // The shown tabs come first, so the first hidden one ends the row.
    for (int i = 0; i < std::min(tabs.TabCount(), kMostTabs); ++i) {
        const win::RECT r = tabs.TabRect(i);
        if (r.right <= r.left)
            break;
        if (i != m_shownTab)
            DrawTab(dc, tabs, i, false);
    }
    // Last, so that it overlaps its neighbours' edges.
    const win::RECT selected = tabs.TabRect(m_shownTab);
    if (selected.right > selected.left)
        DrawTab(dc, tabs, m_shownTab, true);
}

void TSkinTab31::DrawTab(win::HDC dc, const tk::TTabSet& tabs, int index, bool selected) {
    win::RECT tab = tabs.TabRect(index);
    if (!selected)
        tab.top = std::min(tab.top + kUnselectedDrop, tab.bottom);
    const bool disabled = WindowDisabled();
    DrawElementFrame(dc, tab, *Skin()->Tabs,
                     TSkinTab::TabFrame(selected, index == m_hotTab, selected && HasFocus(), disabled));
    const win::COLORREF colour = disabled ? win::GetSysColor(win::COLOR_BTNSHADOW) : FontColour();
    DrawCaption(dc, tab, tabs.TabText(index), FontHandle(), colour, win::DT_CENTER);
}

} // namespace skin
