#include "platform/controls/MenuTracker.h"

#include <algorithm>
#include <cctype>

namespace win::controls {

namespace {

MenuTracker* g_active = nullptr;

bool Selectable(const MenuItem& it) {
    return !it.Separator();
}

WPARAM SelectFlags(const MenuItem& it, bool system, bool mouse) {
    UINT f = (it.type & (MFT_OWNERDRAW | MFT_SEPARATOR | MFT_BITMAP)) |
             (it.state & (MFS_GRAYED | MFS_CHECKED)) | MF_HILITE;
    if (it.sub)
        f |= MF_POPUP;
    if (system)
        f |= MF_SYSMENU;
    if (mouse)
        f |= MF_MOUSESELECT;
    return f;
}

// Places a popup of `size` at `at`, inside the screen, flipping to the other side of `avoid` when needed.
POINT Place(POINT at, SIZE size, UINT flags, const RECT* avoid) {
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    POINT p = at;
    if (!avoid) {
        if (flags & TPM_RIGHTALIGN)
            p.x -= size.cx;
        else if (flags & TPM_CENTERALIGN)
            p.x -= size.cx / 2;
        if (flags & TPM_BOTTOMALIGN)
            p.y -= size.cy;
        else if (flags & TPM_VCENTERALIGN)
            p.y -= size.cy / 2;
    }
    if (p.x + size.cx > sw)
        p.x = avoid ? avoid->left - size.cx : sw - size.cx;
    if (p.y + size.cy > sh)
        p.y = sh - size.cy;
    p.x = std::max<LONG>(0, p.x);
    p.y = std::max<LONG>(0, p.y);
    return p;
}

bool IsMouse(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

} // namespace

MenuTracker::MenuTracker(HWND owner, UINT flags, bool system)
    : m_owner(owner), m_flags(flags), m_system(system) {
}

MenuTracker* MenuTracker::Active() {
    return g_active;
}

void MenuTracker::Cancel() {
    m_done = true;
    m_command = 0;
    PostMessageA(m_owner, WM_NULL, 0, 0);
}

bool MenuTracker::OpenLevel(HMENU menu, POINT at, const RECT* avoid, int indexInParent) {
    if (!MenuModel::Valid(menu))
        return false;
    if (!(m_flags & TPM_NONOTIFY) && IsWindow(m_owner))
        SendMessageA(m_owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                     MAKELPARAM(static_cast<WORD>(std::max(0, indexInParent)), m_system ? 1 : 0));
    if (m_done || !MenuModel::Valid(menu) || !IsWindow(m_owner))
        return false;
    HWND w = PopupMenuWindow::Create(menu, m_owner);
    if (!w)
        return false;
    RECT wr;
    GetWindowRect(w, &wr);
    const POINT p = Place(at, SIZE{wr.right - wr.left, wr.bottom - wr.top}, m_flags, avoid);
    SetWindowPos(w, HWND_TOPMOST, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(w);
    m_levels.push_back(Level{menu, w});
    return true;
}

void MenuTracker::CloseLevelsFrom(size_t first) {
    while (m_levels.size() > first) {
        HWND w = m_levels.back().window;
        m_levels.pop_back();
        if (IsWindow(w))
            DestroyWindow(w);
    }
}

void MenuTracker::SelectItem(size_t level, int index) {
    if (level >= m_levels.size())
        return;
    PopupWindowState* st = PopupMenuWindow::StateOf(m_levels[level].window);
    if (!st || st->selected == index)
        return;
    CloseLevelsFrom(level + 1);
    PopupMenuWindow::Select(m_levels[level].window, index);
    HMENU menu = m_levels[level].menu;
    if (index >= 0 && static_cast<size_t>(index) < menu->items.size() && IsWindow(m_owner)) {
        const MenuItem& it = menu->items[static_cast<size_t>(index)];
        SendMessageA(m_owner, WM_MENUSELECT,
                     MAKEWPARAM(static_cast<WORD>(it.sub ? static_cast<UINT>(index) : it.id),
                                static_cast<WORD>(SelectFlags(it, m_system, false))),
                     reinterpret_cast<LPARAM>(menu));
    }
}

bool MenuTracker::OpenSubmenu(size_t level, bool selectFirst) {
    if (level >= m_levels.size())
        return false;
    PopupWindowState* st = PopupMenuWindow::StateOf(m_levels[level].window);
    HMENU menu = m_levels[level].menu;
    if (!st || st->selected < 0 || static_cast<size_t>(st->selected) >= menu->items.size())
        return false;
    const MenuItem& it = menu->items[static_cast<size_t>(st->selected)];
    if (!it.sub || it.Grayed() || !MenuModel::Valid(it.sub))
        return false;
    if (m_levels.size() > level + 1)
        return true;
    if (static_cast<size_t>(st->selected) >= st->layout.items.size())
        return false;
    RECT item = st->layout.items[static_cast<size_t>(st->selected)];
    POINT tl{item.left, item.top}, br{item.right, item.bottom};
    ClientToScreen(m_levels[level].window, &tl);
    ClientToScreen(m_levels[level].window, &br);
    RECT wr;
    GetWindowRect(m_levels[level].window, &wr);
    const int index = st->selected;
    if (!OpenLevel(it.sub, POINT{wr.right - 3, tl.y - 3}, &wr, index))
        return false;
    if (selectFirst)
        MoveSelection(1);
    return true;
}

void MenuTracker::MoveSelection(int step) {
    if (m_levels.empty())
        return;
    const size_t level = m_levels.size() - 1;
    HMENU menu = m_levels[level].menu;
    PopupWindowState* st = PopupMenuWindow::StateOf(m_levels[level].window);
    const int n = static_cast<int>(menu->items.size());
    if (!st || n == 0)
        return;
    int i = st->selected;
    for (int k = 0; k < n; ++k) {
        i = i < 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
        if (Selectable(menu->items[static_cast<size_t>(i)])) {
            SelectItem(level, i);
            return;
        }
    }
}

void MenuTracker::Activate(size_t level, int index) {
    if (level >= m_levels.size() || index < 0)
        return;
    HMENU menu = m_levels[level].menu;
    if (static_cast<size_t>(index) >= menu->items.size())
        return;
    const MenuItem it = menu->items[static_cast<size_t>(index)];
    if (it.Separator())
        return;
    if (it.sub) {
        SelectItem(level, index);
        OpenSubmenu(level, true);
        return;
    }
    if (it.Grayed())
        return;
    m_command = it.id;
    m_done = true;
}

void MenuTracker::SwitchBar(int index, bool keyboard) {
    if (!m_bar || index < 0 || static_cast<size_t>(index) >= m_bar->items.size())
        return;
    CloseLevelsFrom(0);
    m_barIndex = index;
    MenuPainter::DrawBar(m_barWindow, index);
    const MenuItem it = m_bar->items[static_cast<size_t>(index)]; // the owner may change the bar meanwhile
    if (IsWindow(m_owner))
        SendMessageA(m_owner, WM_MENUSELECT,
                     MAKEWPARAM(static_cast<WORD>(it.sub ? static_cast<UINT>(index) : it.id),
                                static_cast<WORD>(SelectFlags(it, false, !keyboard))),
                     reinterpret_cast<LPARAM>(m_bar));
    if (!it.sub || it.Grayed())
        return;
    const std::vector<RECT> rects = MenuPainter::LayoutBar(m_barWindow, m_bar);
    if (static_cast<size_t>(index) >= rects.size())
        return;
    RECT wr;
    GetWindowRect(m_barWindow, &wr);
    RECT r = rects[static_cast<size_t>(index)];
    OffsetRect(&r, wr.left, wr.top);
    if (OpenLevel(it.sub, POINT{r.left, r.bottom + 1}, nullptr, index) && keyboard)
        MoveSelection(1);
}

bool MenuTracker::HitLevel(POINT screen, size_t* level, int* item) const {
    for (size_t l = m_levels.size(); l-- > 0;)
        if (PointInWindow(m_levels[l].window, screen)) {
            *level = l;
            *item = PopupMenuWindow::ItemAt(m_levels[l].window, screen);
            return true;
        }
    return false;
}

int MenuTracker::HitBar(POINT screen) const {
    if (!m_bar || !IsWindow(m_barWindow))
        return -1;
    RECT wr;
    GetWindowRect(m_barWindow, &wr);
    POINT p{screen.x - wr.left, screen.y - wr.top};
    const std::vector<RECT> rects = MenuPainter::LayoutBar(m_barWindow, m_bar);
    for (size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(&rects[i], p))
            return static_cast<int>(i);
    return -1;
}

bool MenuTracker::HandleMouse(const MSG& m) {
    size_t level = 0;
    int item = -1;
    const bool inMenu = HitLevel(m.pt, &level, &item);
    const int barItem = inMenu ? -1 : HitBar(m.pt);
    const bool right = (m_flags & TPM_RIGHTBUTTON) != 0;
    switch (m.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        if (inMenu) {
            if (item >= 0) {
                SelectItem(level, item);
                OpenSubmenu(level, false);
            }
        } else if (barItem >= 0 && barItem != m_barIndex) {
            SwitchBar(barItem, false);
        }
        return true;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        if (inMenu) {
            if (item >= 0) {
                SelectItem(level, item);
                OpenSubmenu(level, false);
            }
        } else if (barItem >= 0) {
            if (barItem == m_barIndex)
                Cancel();
            else
                SwitchBar(barItem, false);
        } else {
            Cancel();
            // A non-client press can only have been posted (the loop holds the capture, so real clicks
            // arrive as client messages): it is left for after the menu, as the click that closed it.
            if (m.message == WM_NCLBUTTONDOWN && m.hwnd && IsWindow(m.hwnd))
                PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
        }
        return true;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        if ((m.message == WM_RBUTTONUP || m.message == WM_NCRBUTTONUP) && !right)
            return true;
        if (inMenu && item >= 0 && static_cast<size_t>(item) < m_levels[level].menu->items.size()) {
            if (!m_levels[level].menu->items[static_cast<size_t>(item)].sub)
                Activate(level, item);
        } else if (barItem >= 0 && m_bar && !m_bar->items[static_cast<size_t>(barItem)].sub &&
                   !m_bar->items[static_cast<size_t>(barItem)].Grayed()) {
            m_command = m_bar->items[static_cast<size_t>(barItem)].id;
            m_done = true;
        }
        return true;
    default: return true;
    }
}

bool MenuTracker::HandleKey(UINT vk) {
    if (m_levels.empty() && !m_bar) {
        Cancel();
        return true;
    }
    const size_t deepest = m_levels.empty() ? 0 : m_levels.size() - 1;
    switch (vk) {
    case VK_UP: MoveSelection(-1); return true;
    case VK_DOWN:
        if (m_levels.empty())
            SwitchBar(m_barIndex, true);
        else
            MoveSelection(1);
        return true;
    case VK_LEFT:
        if (m_levels.size() > 1)
            CloseLevelsFrom(m_levels.size() - 1);
        else if (m_bar)
            SwitchBar((m_barIndex + static_cast<int>(m_bar->items.size()) - 1) %
                          static_cast<int>(m_bar->items.size()),
                      true);
        return true;
    case VK_RIGHT:
        if (!OpenSubmenu(deepest, true) && m_bar)
            SwitchBar((m_barIndex + 1) % static_cast<int>(m_bar->items.size()), true);
        return true;
    case VK_RETURN: {
        if (m_levels.empty()) {
            SwitchBar(m_barIndex, true);
            return true;
        }
        PopupWindowState* st = PopupMenuWindow::StateOf(m_levels[deepest].window);
        if (!st || st->selected < 0 ||
            static_cast<size_t>(st->selected) >= m_levels[deepest].menu->items.size()) {
            Cancel();
            return true;
        }
        const MenuItem& it = m_levels[deepest].menu->items[static_cast<size_t>(st->selected)];
        if (!it.sub && it.Grayed())
            Cancel();
        else
            Activate(deepest, st->selected);
        return true;
    }
    case VK_ESCAPE:
        if (m_levels.size() > 1)
            CloseLevelsFrom(m_levels.size() - 1);
        else
            Cancel();
        return true;
    case VK_MENU:
    case VK_F10: Cancel(); return true;
    default: return false;
    }
}

void MenuTracker::HandleChar(char32_t ch) {
    if (ch < 0x20)
        return;
    const char32_t key = ch < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
    if (m_levels.empty()) {
        if (!m_bar)
            return;
        for (size_t i = 0; i < m_bar->items.size(); ++i)
            if (MenuModel::Mnemonic(m_bar->items[i]) == key) {
                SwitchBar(static_cast<int>(i), true);
                return;
            }
        return;
    }
    const size_t level = m_levels.size() - 1;
    HMENU menu = m_levels[level].menu;
    for (size_t i = 0; i < menu->items.size(); ++i)
        if (MenuModel::Mnemonic(menu->items[i]) == key) {
            SelectItem(level, static_cast<int>(i));
            Activate(level, static_cast<int>(i));
            return;
        }
}

UINT MenuTracker::Loop() {
    m_previous = g_active;
    g_active = this;
    if (IsWindow(m_owner))
        SetCapture(m_owner);
    MSG m;
    while (!m_done) {
        if (!IsWindow(m_owner) || (m_levels.empty() && !m_bar)) {
            m_command = 0;
            break;
        }
        BOOL r = GetMessageA(&m, nullptr, 0, 0);
        if (r <= 0) {
            if (r == 0)
                PostQuitMessage(static_cast<int>(m.wParam));
            m_command = 0;
            break;
        }
        if (CallMsgFilterA(&m, MSGF_MENU))
            continue;
        if (IsMouse(m.message)) {
            HandleMouse(m);
            continue;
        }
        switch (m.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!HandleKey(static_cast<UINT>(m.wParam)))
                TranslateMessage(&m);
            continue;
        case WM_CHAR:
        case WM_SYSCHAR: HandleChar(static_cast<char32_t>(m.wParam)); continue;
        case WM_KEYUP:
        case WM_SYSKEYUP: continue;
        default: break;
        }
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    Finish();
    g_active = m_previous;
    return m_command;
}

void MenuTracker::Finish() {
    CloseLevelsFrom(0);
    if (IsWindow(m_owner) && GetCapture() == m_owner)
        ReleaseCapture();
    if (m_bar && IsWindow(m_barWindow))
        MenuPainter::DrawBar(m_barWindow, -1);
    if (IsWindow(m_owner)) {
        SendMessageA(m_owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        if (!(m_flags & TPM_NONOTIFY) && IsWindow(m_owner))
            SendMessageA(m_owner, WM_EXITMENULOOP, m_bar ? FALSE : TRUE, 0);
    }
}

UINT MenuTracker::RunPopup(HMENU menu, int x, int y) {
    if (!(m_flags & TPM_NONOTIFY))
        SendMessageA(m_owner, WM_ENTERMENULOOP, TRUE, 0);
    if (!OpenLevel(menu, POINT{x, y}, nullptr, 0)) {
        Finish();
        return 0;
    }
    return Loop();
}

UINT MenuTracker::RunBar(HWND hwnd, int index, bool keyboard) {
    m_barWindow = hwnd;
    m_bar = MenuModel::Valid(GetMenu(hwnd));
    if (!m_bar || index < 0 || static_cast<size_t>(index) >= m_bar->items.size())
        return 0;
    if (!(m_flags & TPM_NONOTIFY)) {
        SendMessageA(m_owner, WM_ENTERMENULOOP, FALSE, 0);
        SendMessageA(m_owner, WM_INITMENU, reinterpret_cast<WPARAM>(m_bar), 0);
    }
    SwitchBar(index, keyboard);
    return Loop();
}

} // namespace win::controls

namespace win {

using namespace controls;

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
    if (!MenuModel::Valid(menu) || !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (MenuTracker::Active() && !(flags & TPM_RECURSE)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    MenuTracker tracker(owner, flags, menu->system);
    const UINT cmd = tracker.RunPopup(menu, x, y);
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(cmd);
    if (cmd && IsWindow(owner))
        PostMessageA(owner, menu->system ? WM_SYSCOMMAND : WM_COMMAND, cmd, 0);
    return cmd ? TRUE : FALSE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu() {
    if (MenuTracker* t = MenuTracker::Active()) {
        t->Cancel();
        return TRUE;
    }
    return FALSE;
}

} // namespace win
