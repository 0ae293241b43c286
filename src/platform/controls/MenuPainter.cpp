#include "platform/controls/MenuPainter.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kCheckWidth = 18;
constexpr int kArrowWidth = 16;
constexpr int kSeparatorHeight = 9;
constexpr int kBarPadding = 8;

std::pair<std::string, std::string> SplitTab(const std::string& s) {
    const size_t tab = s.find('\t');
    if (tab == std::string::npos)
        return {s, {}};
    return {s.substr(0, tab), s.substr(tab + 1)};
}

SIZE TextSize(HDC dc, const std::string& s) {
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

class ScreenDC {
public:
    ScreenDC() : m_dc(GetDC(nullptr)) {
        if (m_dc)
            m_old = SelectObject(m_dc, MenuPainter::MenuFont());
    }
    ~ScreenDC() {
        if (m_dc) {
            SelectObject(m_dc, m_old);
            ReleaseDC(nullptr, m_dc);
        }
    }
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
};

} // namespace

HFONT MenuPainter::MenuFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA ncm;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
            if (HFONT f = CreateFontIndirectA(&ncm.lfMenuFont))
                return f;
        return DefaultGuiFont();
    }();
    return font;
}

PopupLayout MenuPainter::LayoutPopup(HMENU menu, HWND owner) {
    PopupLayout l;
    ScreenDC dc;
    const int textHeight = dc.Get() ? TextSize(dc.Get(), "Ag").cy : 16;
    const int itemHeight = std::max(textHeight + 6, GetSystemMetrics(SM_CYMENUSIZE) - 1);
    int y = 0, width = 0;
    int labelWidth = 0, keyWidth = 0;
    for (size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& it = menu->items[i];
        int h = itemHeight, w = 0;
        if (it.Separator()) {
            h = kSeparatorHeight;
        } else if (it.OwnerDraw()) {
            MEASUREITEMSTRUCT mis;
            mis.CtlType = ODT_MENU;
            mis.itemID = it.id;
            mis.itemHeight = static_cast<UINT>(itemHeight);
            mis.itemData = it.data;
            if (owner && IsWindow(owner))
                SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
            h = static_cast<int>(std::min<UINT>(mis.itemHeight, 4096));
            w = static_cast<int>(std::min<UINT>(mis.itemWidth, 4096));
        } else if (dc.Get()) {
            auto [label, key] = SplitTab(MenuModel::Label(it));
            labelWidth = std::max<int>(labelWidth, TextSize(dc.Get(), label).cx);
            if (!key.empty())
                keyWidth = std::max<int>(keyWidth, TextSize(dc.Get(), key).cx);
        }
        width = std::max(width, w);
        l.items.push_back(RECT{0, y, 0, y + h});
        y += h;
    }
    width = std::max(width, kCheckWidth + labelWidth + (keyWidth ? keyWidth + 24 : 0) + kArrowWidth + 4);
    for (RECT& r : l.items)
        r.right = width;
    l.size = SIZE{width, std::max(y, 1)};
    return l;
}

void MenuPainter::DrawItem(HDC dc, HMENU menu, size_t index, const RECT& rc, bool selected, HWND owner) {
    const MenuItem& it = menu->items[index];
    if (it.OwnerDraw()) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_MENU;
        dis.itemID = it.id;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (selected ? ODS_SELECTED : 0) | (it.Grayed() ? ODS_GRAYED | ODS_DISABLED : 0) |
                        ((it.state & MFS_CHECKED) ? ODS_CHECKED : 0);
        dis.hwndItem = reinterpret_cast<HWND>(menu);
        dis.hDC = dc;
        dis.rcItem = rc;
        dis.itemData = it.data;
        if (owner && IsWindow(owner)) {
            const int saved = SaveDC(dc);
            SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
            RestoreDC(dc, saved);
        }
        return;
    }
    if (it.Separator()) {
        RECT line{rc.left + 1, rc.top + (rc.bottom - rc.top) / 2 - 1, rc.right - 1, rc.bottom};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    RECT r = rc;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const COLORREF colour = it.Grayed() ? GetSysColor(COLOR_GRAYTEXT)
                            : selected  ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                        : GetSysColor(COLOR_MENUTEXT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    if (it.state & MFS_CHECKED) {
        RECT c{rc.left, rc.top, rc.left + kCheckWidth, rc.bottom};
        DrawFrameControl(dc, &c, DFC_MENU, (it.type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
    auto [label, key] = SplitTab(MenuModel::Label(it));
    RECT t{rc.left + kCheckWidth, rc.top, rc.right - kArrowWidth, rc.bottom};
    DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &t, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!key.empty())
        DrawTextA(dc, key.c_str(), static_cast<int>(key.size()), &t,
                  DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    if (it.sub) {
        RECT a{rc.right - kArrowWidth, rc.top, rc.right, rc.bottom};
        DrawFrameControl(dc, &a, DFC_MENU, DFCS_MENUARROW);
    }
}

void MenuPainter::DrawPopup(HDC dc, HMENU menu, const PopupLayout& layout, int selected, HWND owner) {
    const int saved = SaveDC(dc);
    SelectObject(dc, MenuFont());
    RECT all{0, 0, layout.size.cx, layout.size.cy};
    FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
    const size_t n = std::min(layout.items.size(), menu->items.size());
    for (size_t i = 0; i < n; ++i)
        DrawItem(dc, menu, i, layout.items[i], static_cast<int>(i) == selected, owner);
    RestoreDC(dc, saved);
}

RECT MenuPainter::BarRect(HWND hwnd) {
    if (!IsWindow(hwnd) || (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) || !MenuModel::Valid(GetMenu(hwnd)))
        return RECT{};
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const LONG width = wr.right - wr.left;
    const RECT c = PlainClientRect(hwnd, RECT{0, 0, width, wr.bottom - wr.top});
    return RECT{c.left, c.top, width - c.left, c.top + GetSystemMetrics(SM_CYMENU)};
}

std::vector<RECT> MenuPainter::LayoutBar(HWND hwnd, HMENU menu) {
    std::vector<RECT> rects;
    const RECT bar = BarRect(hwnd);
    if (IsRectEmpty(&bar) || !MenuModel::Valid(menu))
        return rects;
    ScreenDC dc;
    int x = bar.left;
    for (const MenuItem& it : menu->items) {
        const int w = dc.Get() ? TextSize(dc.Get(), MenuModel::Label(it)).cx + 2 * kBarPadding : 40;
        rects.push_back(RECT{x, bar.top, std::min<LONG>(x + w, bar.right), bar.bottom - 1});
        x += w;
    }
    return rects;
}

void MenuPainter::DrawBar(HWND hwnd, int hot) {
    HMENU menu = GetMenu(hwnd);
    const RECT bar = BarRect(hwnd);
    if (IsRectEmpty(&bar) || !IsWindowVisible(hwnd))
        return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc)
        return;
    const int saved = SaveDC(dc);
    SelectObject(dc, MenuFont());
    FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
    SetBkMode(dc, TRANSPARENT);
    const std::vector<RECT> rects = LayoutBar(hwnd, menu);
    for (size_t i = 0; i < rects.size(); ++i) {
        const MenuItem& it = menu->items[i];
        RECT r = rects[i];
        if (static_cast<int>(i) == hot) {
            RECT e = r;
            DrawEdge(dc, &e, BDR_SUNKENOUTER, BF_RECT);
            OffsetRect(&r, 1, 1);
        }
        SetTextColor(dc, GetSysColor(it.Grayed() ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
        const std::string label = MenuModel::Label(it);
        DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &r,
                  DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    RestoreDC(dc, saved);
    ReleaseDC(hwnd, dc);
}

} // namespace win::controls
