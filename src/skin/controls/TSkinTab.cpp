#include "skin/controls/TSkinTab.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include <algorithm>

namespace skin {

namespace {

// More tabs than this are not drawn: a control claiming more is not believed.
constexpr int kMostTabs = 1000;
constexpr int kTextCapacity = 256;
// The selected tab stands this much taller and reaches into the pane, joining it.
constexpr int kSelectedRise = 2;

} // namespace

TK_IMPLEMENT_CLASS(TSkinTab, TSkinControl, nullptr)

TSkinTab::TSkinTab(tk::TComponent* owner) : TSkinControl(owner) {
}

int TSkinTab::TabFrame(bool selected, bool hot, bool focused, bool disabled) {
    if (disabled)
        return 4;
    if (selected)
        return focused ? 5 : 2;
    return hot ? 3 : 1;
}

// The control draws either style as buttons.
bool TSkinTab::ButtonStyle(win::DWORD style) {
    return (style & (win::TCS_BUTTONS | win::TCS_FLATBUTTONS)) != 0;
}

bool TSkinTab::Skinned() const {
    return Skin() && HasImage(Skin()->Tabs.get()) && !ButtonStyle(WindowStyle());
}

int TSkinTab::TabCount() const {
    const auto count = static_cast<long long>(win::SendMessageA(Window(), win::TCM_GETITEMCOUNT, 0, 0));
    return static_cast<int>(std::clamp<long long>(count, 0, kMostTabs));
}

int TSkinTab::SelectedTab() const {
    return static_cast<int>(win::SendMessageA(Window(), win::TCM_GETCURSEL, 0, 0));
}

bool TSkinTab::TabRect(int index, win::RECT& rect) const {
    rect = {};
    return win::SendMessageA(Window(), win::TCM_GETITEMRECT, static_cast<win::WPARAM>(index),
                             reinterpret_cast<win::LPARAM>(&rect)) != 0;
}

std::string TSkinTab::TabText(int index) const {
    char text[kTextCapacity] = {};
    win::TCITEMA item{};
    item.mask = win::TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kTextCapacity;
    if (!win::SendMessageA(Window(), win::TCM_GETITEMA, static_cast<win::WPARAM>(index),
                           reinterpret_cast<win::LPARAM>(&item)))
        return {};
    return BoundedText(text, kTextCapacity);
}

int TSkinTab::TabAt(win::LPARAM point) const {
    win::TCHITTESTINFO info{};
    info.pt = {win::GET_X_LPARAM(point), win::GET_Y_LPARAM(point)};
    return static_cast<int>(
        win::SendMessageA(Window(), win::TCM_HITTEST, 0, reinterpret_cast<win::LPARAM>(&info)));
}

bool TSkinTab::BeforeMessage(tk::TMessage& message) {
    if (Skinned() && TakeOverPainting(*this, message))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinTab::AfterMessage(tk::TMessage& message) {
    const auto tabAt = [this](win::LPARAM point) { return TabAt(point); };
    FollowParts(m_tabs, message, tabAt);
}

void TSkinTab::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skinned())
        return;
    PaintParentBackground(Window(), dc);
    const int count = TabCount();
    const bool bottom = (WindowStyle() & win::TCS_BOTTOM) != 0;
    win::RECT pane = rect;
    for (int i = 0; i < count; ++i) {
        win::RECT tab{};
        if (!TabRect(i, tab))
            continue;
        if (bottom)
            pane.bottom = std::min(pane.bottom, tab.top);
        else
            pane.top = std::max(pane.top, tab.bottom);
    }
    if (HasImage(Skin()->TabPane.get()))
        DrawElementFrame(dc, pane, *Skin()->TabPane, 1);
    else
        FillSolid(dc, pane, Skin()->SkinColours[scButtonFace]);
    const int selected = SelectedTab();
    for (int i = 0; i < count; ++i)
        if (i != selected)
            DrawTab(dc, i, selected);
    // Last, so that it overlaps its neighbours and the pane's edge.
    if (selected >= 0 && selected < count)
        DrawTab(dc, selected, selected);
}

void TSkinTab::DrawTab(win::HDC dc, int index, int selected) {
    win::RECT tab{};
    if (!TabRect(index, tab))
        return;
    const bool isSelected = index == selected;
    if (isSelected) {
        tab.top -= kSelectedRise;
        tab.bottom += kSelectedRise;
    }
    const bool disabled = WindowDisabled();
    const int frame = TabFrame(isSelected, index == HotTab(), isSelected && HasFocus(), disabled);
    // The images are of tabs standing on the pane; below it they hang, upside down.
    if (WindowStyle() & win::TCS_BOTTOM)
        DrawElementFrameFlipped(dc, tab, *Skin()->Tabs, frame);
    else
        DrawElementFrame(dc, tab, *Skin()->Tabs, frame);
    const win::COLORREF colour = disabled ? win::GetSysColor(win::COLOR_BTNSHADOW) : FontColour();
    DrawCaption(dc, tab, TabText(index), FontHandle(), colour, win::DT_CENTER);
}

} // namespace skin
