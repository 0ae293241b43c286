#include "toolkit/TCustomTabControl.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
const EnumInfo kTabStyleInfo{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};

void DefineTabControlProperties(std::vector<PropertyInfo>& p) {
    p.push_back(EnumProperty<TCustomTabControl>("Style", kTabStyleInfo, &TCustomTabControl::Style,
                                                &TCustomTabControl::SetStyle));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(EventProperty<TCustomTabControl>("OnChange", &TCustomTabControl::OnChange));
    p.push_back(EventProperty<TCustomTabControl>("OnChanging", &TCustomTabControl::OnChanging));
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}

void DefineTTabControlProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TTabControl>("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs));
    p.push_back(IntegerProperty<TTabControl>("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex));
}
} // namespace

TK_IMPLEMENT_CLASS(TCustomTabControl, TWinControl, DefineTabControlProperties)
TK_IMPLEMENT_CLASS(TTabControl, TCustomTabControl, DefineTTabControlProperties)

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, win::WC_TABCONTROLA);
    params.Style |= win::WS_CLIPCHILDREN;
    if (m_style == TTabStyle::tsButtons)
        params.Style |= win::TCS_BUTTONS;
    else if (m_style == TTabStyle::tsFlatButtons)
        params.Style |= win::TCS_BUTTONS | win::TCS_FLATBUTTONS;
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
}

void TCustomTabControl::SetStyle(TTabStyle value) {
    if (value == m_style)
        return;
    m_style = value;
    RecreateWnd();
}

void TCustomTabControl::PushTabs() {
    win::HWND h = Handle();
    win::SendMessageA(h, win::TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        win::TCITEMA item;
        item.mask = win::TCIF_TEXT;
        item.pszText = const_cast<char*>(m_tabs[i].c_str());
        win::SendMessageA(h, win::TCM_INSERTITEMA, i, reinterpret_cast<win::LPARAM>(&item));
    }
    win::SendMessageA(h, win::TCM_SETCURSEL, static_cast<win::WPARAM>(m_tabIndex), 0);
}

void TCustomTabControl::CreateHandleDone() {
    PushTabs();
}

void TCustomTabControl::DestroyWnd() {
    if (HandleAllocated())
        m_tabIndex = CurrentTab();
    TWinControl::DestroyWnd();
}

void TCustomTabControl::SetTabTexts(const std::vector<std::string>& tabs) {
    const int keep = CurrentTab();
    m_tabs = tabs;
    m_tabIndex = m_tabs.empty() ? -1 : std::clamp(keep, 0, static_cast<int>(m_tabs.size()) - 1);
    if (HandleAllocated())
        PushTabs();
}

int TCustomTabControl::CurrentTab() const {
    if (HandleAllocated())
        return static_cast<int>(
            win::SendMessageA(const_cast<TCustomTabControl*>(this)->Handle(), win::TCM_GETCURSEL, 0, 0));
    return m_tabIndex;
}

// An index outside the tabs selects none.
void TCustomTabControl::SelectTab(int index) {
    m_tabIndex = index >= 0 && index < static_cast<int>(m_tabs.size()) ? index : -1;
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::TCM_SETCURSEL, static_cast<win::WPARAM>(m_tabIndex), 0);
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
    win::TCHITTESTINFO hit;
    hit.pt = win::POINT{x, y};
    return static_cast<int>(
        win::SendMessageA(Handle(), win::TCM_HITTEST, 0, reinterpret_cast<win::LPARAM>(&hit)));
}

win::RECT TCustomTabControl::DisplayRect() {
    win::RECT r = ClientRect();
    win::SendMessageA(Handle(), win::TCM_ADJUSTRECT, win::FALSE, reinterpret_cast<win::LPARAM>(&r));
    return r;
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() {
    if (OnChange)
        OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); return;
    }
    TWinControl::WndProc(m);
}

void TCustomTabControl::CNNotify(TMessage& m) {
    const auto* header = reinterpret_cast<const win::NMHDR*>(m.LParam);
    if (!header)
        return;
    if (header->code == win::TCN_SELCHANGING) {
        m.Result = CanChange() ? win::FALSE : win::TRUE;
    } else if (header->code == win::TCN_SELCHANGE) {
        m_tabIndex = CurrentTab();
        Change();
    }
}

std::string TTabControl::Tabs() const {
    std::string out;
    for (const std::string& tab : TabTexts()) {
        if (!out.empty())
            out += '\n';
        out += tab;
    }
    return out;
}

void TTabControl::SetTabs(const std::string& lines) {
    std::vector<std::string> tabs;
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find('\n', start);
        if (end == std::string::npos)
            end = lines.size();
        std::string tab = lines.substr(start, end - start);
        if (!tab.empty() && tab.back() == '\r')
            tab.pop_back();
        tabs.push_back(std::move(tab));
        start = end + 1;
    }
    SetTabTexts(tabs);
}

} // namespace tk
