// Opening the bar's drop-downs: the menu-loop hook that moves along the bar, accelerators, and drawing the
// drop-downs' items from the skin.
#include "skin/frame/TWinSkinMenu.h"

#include "skin/data/SkinManagerLink.h"
#include "skin/data/TSkinData.h"
#include "skin/frame/SkinnedMenuItems.h"

#include "toolkit/TMainMenu.h"
#include "toolkit/TMenuItem.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace skin {

namespace {

constexpr win::UINT kTrackFlags = win::TPM_RIGHTBUTTON | win::TPM_NONOTIFY;
// Menus nest only a few levels; a deeper chain is a menu that contains itself.
constexpr int kDeepestMenu = 16;

// One menu loop at a time runs on the GUI thread.
win::HHOOK g_hook = nullptr;
TWinSkinMenu* g_current = nullptr;
int g_currentIndex = -1;
win::HMENU g_currentPopup = nullptr;

// The accelerator of a caption ("&File" → 'f'), lower case; 0 when it has none.
char32_t Accelerator(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto lead = static_cast<unsigned char>(caption[i + 1]);
        if (lead < 0x80)
            return static_cast<char32_t>(std::tolower(lead));
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + 1 + static_cast<std::size_t>(length) > caption.size())
            return 0;
        char32_t ch = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            ch =
                (ch << 6) | (static_cast<unsigned char>(caption[i + 1 + static_cast<std::size_t>(k)]) & 0x3F);
        return ch;
    }
    return 0;
}

char32_t Lower(char32_t ch) {
    return ch < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
}

bool Contains(win::HMENU menu, win::HMENU wanted, int depth) {
    if (!win::IsMenu(menu) || depth > kDeepestMenu)
        return false;
    if (menu == wanted)
        return true;
    const int count = win::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (Contains(win::GetSubMenu(menu, i), wanted, depth + 1))
            return true;
    return false;
}

// The menu holding `child` as a drop-down, searched from `root`.
win::HMENU ParentOf(win::HMENU root, win::HMENU child, int depth) {
    if (!win::IsMenu(root) || depth > kDeepestMenu)
        return nullptr;
    const int count = win::GetMenuItemCount(root);
    for (int i = 0; i < count; ++i) {
        win::HMENU sub = win::GetSubMenu(root, i);
        if (sub == child)
            return root;
        if (win::HMENU found = ParentOf(sub, child, depth + 1))
            return found;
    }
    return nullptr;
}

// Where item `id` sits in the drop-downs of `root`.
bool FindById(win::HMENU root, win::UINT id, win::HMENU& menu, win::UINT& position, int depth) {
    if (!win::IsMenu(root) || depth > kDeepestMenu)
        return false;
    const int count = win::GetMenuItemCount(root);
    for (int i = 0; i < count; ++i) {
        win::HMENU sub = win::GetSubMenu(root, i);
        if (!sub && win::GetMenuItemID(root, i) == id) {
            menu = root;
            position = static_cast<win::UINT>(i);
            return true;
        }
        if (FindById(sub, id, menu, position, depth + 1))
            return true;
    }
    return false;
}

} // namespace

// A native item as a toolkit item, so that a native window's drop-down draws as a form's does. One item is
// reused: each new item would take a command number.
tk::TMenuItem* TWinSkinMenu::StandIn(win::HMENU menu, win::UINT position) {
    char text[512] = {};
    win::MENUITEMINFOA info;
    info.fMask = win::MIIM_FTYPE | win::MIIM_STATE | win::MIIM_SUBMENU | win::MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!win::GetMenuItemInfoA(menu, position, win::TRUE, &info))
        return nullptr;
    if (!m_standIn)
        m_standIn = std::make_unique<tk::TMenuItem>(nullptr);
    std::string caption(text, std::find(text, text + sizeof text - 1, '\0'));
    const std::size_t tab = caption.find('\t');
    m_standIn->SetShortCutText(tab == std::string::npos ? std::string() : caption.substr(tab + 1));
    if (tab != std::string::npos)
        caption.erase(tab);
    m_standIn->SetCaption((info.fType & win::MFT_SEPARATOR) ? "-" : caption);
    m_standIn->SetEnabled((info.fState & win::MFS_GRAYED) == 0);
    m_standIn->SetChecked((info.fState & win::MFS_CHECKED) != 0);
    // A sub-item only so that the sub-menu arrow shows.
    if (win::IsMenu(info.hSubMenu) && m_standIn->Count() == 0)
        m_standIn->Add(new tk::TMenuItem(nullptr));
    else if (!win::IsMenu(info.hSubMenu))
        m_standIn->Clear();
    return m_standIn.get();
}

TWinSkinMenu::~TWinSkinMenu() {
    // Freed while its drop-down is open (the window went): the loop must not come back to it.
    if (g_current == this)
        g_current = nullptr;
}

bool TWinSkinMenu::Tracking() {
    return g_hook != nullptr;
}

int TWinSkinMenu::Step(int from, int direction) const {
    const int n = static_cast<int>(m_buttons.size());
    for (int k = 1; k <= n; ++k) {
        const int i = ((from + direction * k) % n + n) % n;
        if (m_buttons[static_cast<std::size_t>(i)].visible)
            return i;
    }
    return -1;
}

void TWinSkinMenu::Open(int index) {
    if (!Valid(index) || Tracking())
        return;
    const TMenuBtn button = m_buttons[static_cast<std::size_t>(index)];
    if (button.command)
        win::PostMessageA(m_hwnd, win::WM_COMMAND, button.command, 0);
    if (!button.popup || !win::IsMenu(button.popup))
        return;
    g_current = this;
    g_currentIndex = index;
    g_currentPopup = button.popup;
    if (m_skin)
        MakeOwnerDrawn(button.popup);
    if (SkinManagerLink* manager = SkinManagerLink::Existing())
        manager->SetPopupMode(1);
    if (TrackingChanged)
        TrackingChanged(true);
    m_menuOpen = m_switching = m_firstLoopMessage = true;
    m_selectedMenu = button.popup;
    m_selectedHasSubmenu = false;
    m_selectedItem = nullptr;
    Press(index);
    g_hook = win::SetWindowsHookExA(win::WH_MSGFILTER, &TWinSkinMenu::LoopHook, nullptr,
                                    win::GetCurrentThreadId());
    if (button.enabled) {
        win::RECT window{};
        win::GetWindowRect(m_hwnd, &window);
        const int x = window.left + (m_rightToLeft ? button.rect.right : button.rect.left);
        const int y = window.top + button.rect.bottom;
        win::TrackPopupMenu(button.popup, m_rightToLeft ? kTrackFlags | win::TPM_RIGHTALIGN : kTrackFlags, x,
                            y, 0, m_hwnd, nullptr);
    }
    win::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    if (TrackingChanged)
        TrackingChanged(false);
    if (g_current != this)
        return;
    g_current = nullptr;
    g_currentPopup = nullptr;
    RestoreItemTypes();
    m_menuOpen = false;
    Leave();
}

bool TWinSkinMenu::OpenByAccelerator(char32_t ch) {
    if (ch == U' ' || ch == U'-' || win::GetCapture())
        return false;
    for (const TMenuBtn& button : m_buttons)
        if (button.visible && (ch == 0 || Accelerator(button.caption) == Lower(ch))) {
            Open(button.index);
            return true;
        }
    return false;
}

bool TWinSkinMenu::OpenAt(win::POINT screenPoint) {
    win::RECT window{};
    if (!win::GetWindowRect(m_hwnd, &window))
        return false;
    const int index = ButtonAt(win::POINT{screenPoint.x - window.left, screenPoint.y - window.top});
    if (index < 0)
        return false;
    Open(index);
    return true;
}

void TWinSkinMenu::SwitchTo(int index) {
    if (index < 0 || index == g_currentIndex || !Valid(index))
        return;
    win::RECT window{};
    win::GetWindowRect(m_hwnd, &window);
    const win::RECT& r = m_buttons[static_cast<std::size_t>(index)].rect;
    // The loop closes on a press outside its menus and hands the press back to the window, whose frame finds
    // the button under the point (the hit code does not matter).
    win::PostMessageA(m_hwnd, win::WM_NCLBUTTONDOWN, win::HTCLIENT,
                      win::MAKELPARAM(static_cast<win::WORD>(window.left + r.left + 1),
                                      static_cast<win::WORD>(window.top + r.top + 1)));
    m_switching = false;
}

win::LRESULT CALLBACK TWinSkinMenu::LoopHook(int code, win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT next = win::CallNextHookEx(g_hook, code, wParam, lParam);
    if (next != 0 || code != win::MSGF_MENU || !g_current || !lParam)
        return next;
    return g_current->OnLoopMessage(*reinterpret_cast<const win::MSG*>(lParam)) ? 1 : 0;
}

// True when the message is used up here.
bool TWinSkinMenu::OnLoopMessage(const win::MSG& msg) {
    const bool endingKey =
        msg.message == win::WM_KEYDOWN && (msg.wParam == win::VK_ESCAPE || msg.wParam == win::VK_RETURN);
    if (m_firstLoopMessage) {
        m_firstLoopMessage = false;
        if (!endingKey)
            win::PostMessageA(m_hwnd, win::WM_KEYDOWN, win::VK_DOWN, 0); // the first item selected
    }
    switch (msg.message) {
    case win::WM_KEYDOWN: {
        if (!m_switching)
            return false;
        win::WPARAM key = msg.wParam;
        if (m_rightToLeft && (key == win::VK_LEFT || key == win::VK_RIGHT))
            key = key == win::VK_LEFT ? win::VK_RIGHT : win::VK_LEFT;
        if (key == win::VK_LEFT) {
            if (m_selectedMenu == g_currentPopup) {
                SwitchTo(Step(g_currentIndex, -1));
                return true;
            }
            // The loop closes the deepest level; its parent's item, which has a sub-menu, stays selected.
            m_selectedMenu = ParentOf(g_currentPopup, m_selectedMenu, 0);
            if (!m_selectedMenu)
                m_selectedMenu = g_currentPopup;
            m_selectedHasSubmenu = true;
            return false;
        }
        if (key == win::VK_RIGHT && !m_selectedHasSubmenu) {
            SwitchTo(Step(g_currentIndex, 1));
            return true;
        }
        if (endingKey)
            m_switching = false;
        return false;
    }
    case win::WM_SYSKEYDOWN:
        if (msg.wParam == win::VK_MENU)
            m_menuOpen = false;
        return false;
    case win::WM_MOUSEMOVE:
    case win::WM_NCMOUSEMOVE: {
        win::RECT window{};
        win::GetWindowRect(m_hwnd, &window);
        const int index = ButtonAt(win::POINT{msg.pt.x - window.left, msg.pt.y - window.top});
        if (index < 0 || index == g_currentIndex)
            return false;
        SwitchTo(index);
        return true;
    }
    default: return false;
    }
}

void TWinSkinMenu::MenuSelect(win::WPARAM wParam, win::LPARAM lParam) {
    const auto flags = win::HIWORD(static_cast<win::DWORD>(wParam));
    const auto menu = reinterpret_cast<win::HMENU>(lParam);
    if (flags == 0xFFFF && !menu) {
        m_menuOpen = false;
        return;
    }
    if (!BelongsToBar(menu))
        return;
    m_selectedMenu = menu;
    m_selectedHasSubmenu = (flags & win::MF_POPUP) != 0;
    m_selectedItem = nullptr;
    if (!m_mainMenu)
        return;
    win::MENUITEMINFOA info;
    info.fMask = win::MIIM_DATA;
    const bool byPosition = (flags & win::MF_POPUP) != 0;
    if (win::GetMenuItemInfoA(menu, win::LOWORD(static_cast<win::DWORD>(wParam)),
                              byPosition ? win::TRUE : win::FALSE, &info))
        m_selectedItem = m_mainMenu->ItemFromData(info.dwItemData);
}

bool TWinSkinMenu::BelongsToBar(win::HMENU menu) const {
    if (!menu)
        return false;
    for (const TMenuBtn& button : m_buttons)
        if (button.popup && Contains(button.popup, menu, 0))
            return true;
    return false;
}

void TWinSkinMenu::MakeOwnerDrawn(win::HMENU menu) {
    std::vector<win::HMENU> pending{menu};
    for (int depth = 0; !pending.empty() && depth <= kDeepestMenu; ++depth) {
        std::vector<win::HMENU> next;
        for (win::HMENU m : pending) {
            const int count = win::IsMenu(m) ? win::GetMenuItemCount(m) : 0;
            for (int i = 0; i < count; ++i) {
                win::MENUITEMINFOA info;
                info.fMask = win::MIIM_FTYPE | win::MIIM_SUBMENU;
                if (!win::GetMenuItemInfoA(m, static_cast<win::UINT>(i), win::TRUE, &info))
                    continue;
                if (info.hSubMenu)
                    next.push_back(info.hSubMenu);
                if (info.fType & win::MFT_OWNERDRAW)
                    continue;
                m_savedTypes.push_back(SavedType{m, static_cast<win::UINT>(i), info.fType});
                info.fMask = win::MIIM_FTYPE;
                info.fType |= win::MFT_OWNERDRAW;
                win::SetMenuItemInfoA(m, static_cast<win::UINT>(i), win::TRUE, &info);
            }
        }
        pending.swap(next);
    }
}

// The window's menu goes back to it as it came.
void TWinSkinMenu::RestoreItemTypes() {
    for (const SavedType& saved : m_savedTypes) {
        if (!win::IsMenu(saved.menu))
            continue;
        win::MENUITEMINFOA info;
        info.fMask = win::MIIM_FTYPE;
        info.fType = saved.type;
        win::SetMenuItemInfoA(saved.menu, saved.position, win::TRUE, &info);
    }
    m_savedTypes.clear();
}

bool TWinSkinMenu::MeasureItem(win::MEASUREITEMSTRUCT* measure) {
    if (!measure || measure->CtlType != win::ODT_MENU || !m_skin || g_current != this)
        return false;
    tk::TMenuItem* item = m_mainMenu ? m_mainMenu->ItemFromData(measure->itemData) : nullptr;
    if (!item) {
        win::HMENU menu = nullptr;
        win::UINT position = 0;
        if (!FindById(g_currentPopup, measure->itemID, menu, position, 0) ||
            !(item = StandIn(menu, position)))
            return false;
    }
    int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
    win::HDC dc = win::GetDC(nullptr);
    SkinnedMenuItems::Measure(m_skin, item, dc, width, height, false);
    win::ReleaseDC(nullptr, dc);
    measure->itemWidth = static_cast<win::UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<win::UINT>(std::max(height, 0));
    return true;
}

bool TWinSkinMenu::DrawItem(const win::DRAWITEMSTRUCT* draw) {
    if (!draw || draw->CtlType != win::ODT_MENU || !m_skin)
        return false;
    const auto menu = reinterpret_cast<win::HMENU>(draw->hwndItem);
    if (!BelongsToBar(menu))
        return false;
    tk::TMenuItem* item = m_mainMenu ? m_mainMenu->ItemFromData(draw->itemData) : nullptr;
    const int count = win::GetMenuItemCount(menu);
    for (int i = 0; i < count && !item; ++i) {
        win::MENUITEMINFOA info;
        info.fMask = win::MIIM_ID;
        if (win::GetMenuItemInfoA(menu, static_cast<win::UINT>(i), win::TRUE, &info) &&
            info.wID == draw->itemID)
            item = StandIn(menu, static_cast<win::UINT>(i));
    }
    if (!item)
        return false;
    SkinnedMenuItems::Draw(m_skin, item, draw->hDC, draw->rcItem, (draw->itemState & win::ODS_SELECTED) != 0,
                           false);
    return true;
}

} // namespace skin
