#include "toolkit/TTabSet.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/ItemLines.h"
#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {

// Room kept free at either end of the row.
constexpr int kSideMargin = 4;
// Space on either side of a tab's text, and above and below it.
constexpr int kTextPaddingX = 8;
constexpr int kTextPaddingY = 3;
// The tabs other than the selected one end this much higher, so the selected one stands out below them.
constexpr int kSelectedExtra = 2;
// A client lower than this shows no tabs: no outline and text would fit.
constexpr int kMinTabHeight = 6;
constexpr win::UINT kTextFormat = win::DT_SINGLELINE | win::DT_CENTER | win::DT_VCENTER | win::DT_NOPREFIX;

void DefineTabSetProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TTabSet>("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs));
    p.push_back(IntegerProperty<TTabSet>("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex));
    p.push_back(
        ColourProperty<TTabSet>("SelectedColor", &TTabSet::SelectedColor, &TTabSet::SetSelectedColor));
    p.push_back(
        ColourProperty<TTabSet>("UnselectedColor", &TTabSet::UnselectedColor, &TTabSet::SetUnselectedColor));
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TControl::ParentColorProperty());
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(EventProperty<TTabSet>("OnChange", &TTabSet::OnChange));
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Absent);
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}

void HorizontalLine(win::HDC dc, int left, int right, int y, TColor colour) {
    if (right > left)
        FillColour(dc, {left, y, right, y + 1}, colour);
}

void VerticalLine(win::HDC dc, int x, int top, int bottom, TColor colour) {
    if (bottom > top)
        FillColour(dc, {x, top, x + 1, bottom}, colour);
}

} // namespace

TK_IMPLEMENT_CLASS(TTabSet, TCustomControl, DefineTabSetProperties)

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 21);
    SetTabStop(true);
}

std::string TTabSet::Tabs() const {
    return JoinItemLines(m_tabs);
}

void TTabSet::SetTabs(const std::string& lines) {
    SetTabList(SplitItemLines(lines));
}

// A selection past the new end moves to the last tab; a layout's index is checked once the layout is read.
void TTabSet::SetTabList(const std::vector<std::string>& tabs) {
    m_tabs = tabs;
    if (!IsLoading())
        m_tabIndex = std::min(m_tabIndex, TabCount() - 1);
    Invalidate();
}

void TTabSet::SetTabIndex(int index) {
    if (!IsLoading() && (index < -1 || index >= TabCount()))
        throw PropertyError{"TabIndex: " + std::to_string(index) + " is outside the " +
                            std::to_string(TabCount()) + " tabs"};
    if (index == m_tabIndex)
        return;
    m_tabIndex = index;
    Invalidate();
}

void TTabSet::Loaded() {
    TCustomControl::Loaded();
    const int index = m_tabIndex;
    m_tabIndex = -1;
    SetTabIndex(index);
}

void TTabSet::SetSelectedColor(TColor colour) {
    m_selectedColour = colour;
    Invalidate();
}

void TTabSet::SetUnselectedColor(TColor colour) {
    m_unselectedColour = colour;
    Invalidate();
}

std::string TTabSet::TabText(int index) const {
    return index >= 0 && index < TabCount() ? m_tabs[static_cast<std::size_t>(index)] : std::string();
}

// Measuring stops at the first tab that does not fit, so a very long list costs no more than a short one.
std::vector<win::RECT> TTabSet::LayOutTabs() const {
    std::vector<win::RECT> rects;
    const win::RECT client = ClientRect();
    if (client.bottom < kMinTabHeight)
        return rects;
    const int bottom = std::min<int>(client.bottom, FontLineHeight(*Font()) + 2 * kTextPaddingY + 1);
    const int end = client.right - kSideMargin;
    int left = kSideMargin;
    for (const std::string& tab : m_tabs) {
        const int width = TextExtent(*Font(), tab, kTextFormat).cx + 2 * kTextPaddingX;
        if (width > end - left)
            break;
        rects.push_back({left, 0, left + width, bottom});
        left += width;
    }
    return rects;
}

win::RECT TTabSet::TabRect(int index) const {
    if (index < 0 || index >= TabCount())
        return {};
    const std::vector<win::RECT> rects = LayOutTabs();
    return static_cast<std::size_t>(index) < rects.size() ? rects[static_cast<std::size_t>(index)]
                                                          : win::RECT{};
}

int TTabSet::TabAtPoint(int x, int y) const {
    const std::vector<win::RECT> rects = LayOutTabs();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const win::RECT& r = rects[i];
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

void TTabSet::Change() {
    if (OnChange)
        OnChange(this);
}

void TTabSet::UserSelect(int index) {
    if (index < 0 || index >= TabCount() || index == m_tabIndex)
        return;
    m_tabIndex = index;
    Invalidate();
    Change();
}

void TTabSet::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        UserSelect(TabAtPoint(x, y));
    }
    TCustomControl::DoMouseDown(button, shift, x, y);
}

bool TTabSet::DoKeyDown(win::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift))
        return true;
    if (TabCount() == 0 || (key != win::VK_LEFT && key != win::VK_RIGHT))
        return false;
    UserSelect(key == win::VK_LEFT ? std::max(m_tabIndex - 1, 0) : std::min(m_tabIndex + 1, TabCount() - 1));
    return true;
}

void TTabSet::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
}

void TTabSet::WndProc(TMessage& m) {
    TCustomControl::WndProc(m);
    switch (m.Msg) {
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS: Invalidate(); break;
    }
}

// The line along the top is the edge of what lies above; the selected tab breaks it, as if it were that
// page's own foot.
void TTabSet::Paint(win::HDC dc) {
    const std::vector<win::RECT> rects = LayOutTabs();
    const bool selectedShown = m_tabIndex >= 0 && static_cast<std::size_t>(m_tabIndex) < rects.size();
    const int width = ClientWidth();
    if (selectedShown) {
        const win::RECT& s = rects[static_cast<std::size_t>(m_tabIndex)];
        HorizontalLine(dc, 0, s.left + 1, 0, clWindowFrame);
        HorizontalLine(dc, s.right - 1, width, 0, clWindowFrame);
    } else {
        HorizontalLine(dc, 0, width, 0, clWindowFrame);
    }
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (static_cast<int>(i) != m_tabIndex)
            PaintTab(dc, rects[i], static_cast<int>(i));
    if (selectedShown)
        PaintTab(dc, rects[static_cast<std::size_t>(m_tabIndex)], m_tabIndex);
}

void TTabSet::PaintTab(win::HDC dc, const win::RECT& rect, int index) {
    const bool selected = index == m_tabIndex;
    win::RECT body = rect;
    if (!selected) {
        body.top += 1;
        body.bottom = std::max(body.top + 1, body.bottom - kSelectedExtra);
    }
    FillColour(dc, {body.left + 1, body.top, body.right - 1, body.bottom - 1},
               selected ? m_selectedColour : m_unselectedColour);
    VerticalLine(dc, body.left, body.top, body.bottom, clWindowFrame);
    VerticalLine(dc, body.right - 1, body.top, body.bottom, clWindowFrame);
    HorizontalLine(dc, body.left, body.right, body.bottom - 1, clWindowFrame);
    VerticalLine(dc, body.left + 1, body.top, body.bottom - 1, clBtnHighlight);
    VerticalLine(dc, body.right - 2, body.top, body.bottom - 1, clBtnShadow);
    HorizontalLine(dc, body.left + 2, body.right - 1, body.bottom - 2, clBtnShadow);

    const win::RECT text{body.left + 2, body.top, body.right - 2, body.bottom - 2};
    DrawTextIn(dc, m_tabs[static_cast<std::size_t>(index)], text, kTextFormat, *Font(), Enabled());
    if (selected && Focused()) {
        win::RECT focus{text.left + 1, text.top + 1, text.right - 1, text.bottom - 1};
        if (focus.right > focus.left && focus.bottom > focus.top)
            win::DrawFocusRect(dc, &focus);
    }
}

} // namespace tk
