#include "platform/controls/ControlsInternal.h"
#include "platform/controls/MenuTracker.h"

namespace win::controls {

namespace {

WindowData<PopupWindowState>& States() {
    static WindowData<PopupWindowState> d;
    return d;
}

} // namespace

PopupWindowState* PopupMenuWindow::StateOf(HWND hwnd) {
    return States().Find(hwnd);
}

HWND PopupMenuWindow::Create(HMENU menu, HWND owner) {
    PopupLayout layout = MenuPainter::LayoutPopup(menu, owner);
    RECT r{0, 0, layout.size.cx, layout.size.cy};
    const DWORD style = WS_POPUP | WS_CLIPSIBLINGS;
    const DWORD ex =
        WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    AdjustWindowRectEx(&r, style, FALSE, ex);
    HWND top = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    HWND hwnd = CreateWindowExA(ex, "#32768", "", style, 0, 0, r.right - r.left, r.bottom - r.top, top,
                                nullptr, nullptr, nullptr);
    if (!hwnd)
        return nullptr;
    PopupWindowState& st = States().Find(hwnd) ? *States().Find(hwnd) : States().Create(hwnd);
    st.menu = menu;
    st.owner = owner;
    st.layout = std::move(layout);
    return hwnd;
}

int PopupMenuWindow::ItemAt(HWND hwnd, POINT screen) {
    PopupWindowState* st = StateOf(hwnd);
    if (!st)
        return -1;
    POINT p = screen;
    ScreenToClient(hwnd, &p);
    for (size_t i = 0; i < st->layout.items.size(); ++i)
        if (PtInRect(&st->layout.items[i], p))
            return static_cast<int>(i);
    return -1;
}

void PopupMenuWindow::Select(HWND hwnd, int index) {
    PopupWindowState* st = StateOf(hwnd);
    if (!st || st->selected == index)
        return;
    st->selected = index;
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

LRESULT PopupMenuWindow::OnPaint(HWND hwnd, HDC given) {
    PopupWindowState* st = StateOf(hwnd);
    return PaintWith(hwnd, given, [&](HDC dc) {
        if (st && MenuModel::Valid(st->menu))
            MenuPainter::DrawPopup(dc, st->menu, st->layout, st->selected, st->owner);
    });
}

LRESULT PopupMenuWindow::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Create(hwnd);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT PopupMenuWindow::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT PopupMenuWindow::OnGetMenu(HWND hwnd) {
    const PopupWindowState* st = StateOf(hwnd);
    return st ? reinterpret_cast<LRESULT>(st->menu) : 0;
}

LRESULT PopupMenuWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(hwnd, wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case MN_GETHMENU: return OnGetMenu(hwnd);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT PopupMenuProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return PopupMenuWindow::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
