// The system menu: one copy per window, greyed as the window's state asks, shown by the menu loop.
#include "platform/controls/MenuTracker.h"

#include <map>

namespace win::controls {

namespace {

std::map<HWND, HMENU>& Copies() {
    static std::map<HWND, HMENU> m;
    return m;
}

HMENU BuildSystemMenu() {
    HMENU m = CreatePopupMenu();
    m->system = true;
    AppendMenuA(m, MF_STRING, SC_RESTORE, "还原(&R)");
    AppendMenuA(m, MF_STRING, SC_MOVE, "移动(&M)");
    AppendMenuA(m, MF_STRING, SC_SIZE, "大小(&S)");
    AppendMenuA(m, MF_STRING, SC_MINIMIZE, "最小化(&N)");
    AppendMenuA(m, MF_STRING, SC_MAXIMIZE, "最大化(&X)");
    AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(m, MF_STRING, SC_CLOSE, "关闭(&C)\tAlt+F4");
    SetMenuDefaultItem(m, SC_CLOSE, FALSE);
    return m;
}

} // namespace

void UpdateSystemMenu(HWND hwnd, HMENU menu) {
    if (!IsWindow(hwnd) || !MenuModel::Valid(menu))
        return;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const bool max = (style & WS_MAXIMIZE) != 0, min = (style & WS_MINIMIZE) != 0;
    const bool sizeable = (style & WS_THICKFRAME) != 0;
    auto set = [menu](UINT id, bool enabled) {
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    };
    set(SC_RESTORE, max || min);
    set(SC_MOVE, !max);
    set(SC_SIZE, sizeable && !max && !min);
    set(SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !min);
    set(SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !max);
    const bool noClose = (GetClassLongPtrA(hwnd, GCL_STYLE) & CS_NOCLOSE) != 0;
    if (noClose)
        set(SC_CLOSE, false);
}

void DropSystemMenu(HWND hwnd) {
    auto it = Copies().find(hwnd);
    if (it == Copies().end())
        return;
    DestroyMenu(it->second);
    Copies().erase(it);
}

void TrackSystemMenu(HWND hwnd, POINT screen) {
    if (!IsWindow(hwnd) || !(GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU) || MenuTracker::Active())
        return;
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    if (!menu)
        return;
    SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    if (!IsWindow(hwnd))
        return;
    MenuTracker tracker(hwnd, TPM_LEFTBUTTON | TPM_RIGHTBUTTON, true);
    const UINT cmd = tracker.RunPopup(menu, screen.x, screen.y);
    if (cmd && IsWindow(hwnd))
        PostMessageA(hwnd, WM_SYSCOMMAND, cmd,
                     MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
}

} // namespace win::controls

namespace win {

using namespace controls;

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    if (!IsWindow(hwnd))
        return nullptr;
    if (revert) {
        DropSystemMenu(hwnd);
        return nullptr;
    }
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU))
        return nullptr;
    HMENU& slot = Copies()[hwnd];
    if (!MenuModel::Valid(slot)) {
        slot = BuildSystemMenu();
        const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
        if (!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME))) {
            // A fixed window without boxes (a dialog) offers only to move and to close.
            for (UINT id : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE})
                DeleteMenu(slot, id, MF_BYCOMMAND);
        }
    }
    UpdateSystemMenu(hwnd, slot);
    return slot;
}

BOOL DrawMenuBar(HWND hwnd) {
    if (!IsWindow(hwnd))
        return FALSE;
    MenuPainter::DrawBar(hwnd, -1);
    return TRUE;
}

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, LPRECT rect) {
    if (!rect || !MenuModel::Valid(menu))
        return FALSE;
    if (hwnd && GetMenu(hwnd) == menu) {
        const std::vector<RECT> rects = MenuPainter::LayoutBar(hwnd, menu);
        if (item >= rects.size())
            return FALSE;
        RECT wr;
        GetWindowRect(hwnd, &wr);
        *rect = rects[item];
        OffsetRect(rect, wr.left, wr.top);
        return TRUE;
    }
    return FALSE;
}

} // namespace win
