#include "skin/controls/TSkinTab31.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/controls/TSkinTab.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TTabSet.h"

#include <algorithm>

namespace skin {

namespace {

// The tabs other than the selected one end this far above it.
constexpr int kUnselectedRise = 2;
constexpr int kEdgeWidth = 1;
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
    if (Skinned() && TakeOverPainting(*this, message))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinTab31::AfterMessage(tk::TMessage& message) {
    if (message.Msg == win::WM_LBUTTONDOWN || message.Msg == win::WM_KEYDOWN)
        FollowSelection();
    const auto tabAt = [this](win::LPARAM point) {
        const tk::TTabSet* tabs = TabSet();
        return tabs ? tabs->TabAtPoint(win::GET_X_LPARAM(point), win::GET_Y_LPARAM(point))
                    : PartTracker::kNone;
    };
    FollowParts(m_tabs, message, tabAt);
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
    // The edge of the notebook above, which the tabs hang from.
    FillSolid(dc, win::RECT{rect.left, rect.top, rect.right, rect.top + kEdgeWidth},
              Skin()->SkinColours[scButtonShadow]);
    m_shownTab = tabs.TabIndex();
    // The shown tabs come first, so the first hidden one ends the row.
    for (int i = 0; i < std::min(tabs.TabCount(), kMostTabs); ++i) {
        const win::RECT r = tabs.TabRect(i);
        if (r.right <= r.left)
            break;
        if (i != m_shownTab)
            DrawTab(dc, tabs, i, false);
    }
    // Last, so that it overlaps its neighbours' edges and breaks the edge above it.
    const win::RECT selected = tabs.TabRect(m_shownTab);
    if (selected.right > selected.left)
        DrawTab(dc, tabs, m_shownTab, true);
}

// The tab images are made for tabs standing on a pane; these hang from one, so they are drawn upside down.
void TSkinTab31::DrawTab(win::HDC dc, const tk::TTabSet& tabs, int index, bool selected) {
    win::RECT tab = tabs.TabRect(index);
    if (!selected) {
        tab.top = std::min(tab.top + kEdgeWidth, tab.bottom);
        tab.bottom = std::max(tab.top, tab.bottom - kUnselectedRise);
    }
    const bool disabled = WindowDisabled();
    DrawElementFrameFlipped(
        dc, tab, *Skin()->Tabs,
        TSkinTab::TabFrame(selected, index == m_tabs.Hot(), selected && HasFocus(), disabled));
    const win::COLORREF colour = disabled ? win::GetSysColor(win::COLOR_BTNSHADOW) : FontColour();
    DrawCaption(dc, tab, tabs.TabText(index), FontHandle(), colour, win::DT_CENTER);
}

} // namespace skin
