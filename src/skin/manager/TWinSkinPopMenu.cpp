#include "skin/manager/TWinSkinPopMenu.h"

#include "skin/data/ElementRenderer.h"
#include "skin/data/SkinMessages.h"
#include "skin/manager/TSkinManage.h"

namespace skin {

namespace {

constexpr int kStrip = 3; // the menu's border, in pixels, drawn from the background's edges

bool IsNt() {
    return (win::GetVersion() & 0x80000000u) == 0;
}

} // namespace

TWinSkinPopMenu::TWinSkinPopMenu(TSkinManage& manager, TSkinData* skin, win::HWND hwnd, bool fromMenuBar)
    : m_manager(manager), m_skin(skin), m_hwnd(hwnd), m_fromMenuBar(fromMenuBar) {
    // Popup menus are always hooked through the narrow calls.
    m_subclass.Attach(
        hwnd,
        [this](win::HWND h, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
            return Message(h, msg, wParam, lParam);
        },
        true);
}

TWinSkinPopMenu::~TWinSkinPopMenu() {
    m_subclass.Restore();
}

// A flat switch; while skinning is off every message goes to the menu's own procedure.
win::LRESULT TWinSkinPopMenu::Message(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == SkinMsgQuery)
        return 1;
    if (!m_manager.Active)
        return m_subclass.CallPrevious(hwnd, msg, wParam, lParam);
    switch (msg) {
    case win::WM_DESTROY: {
        Detach();
        return win::CallWindowProcA(
            reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtrA(hwnd, win::GWLP_WNDPROC)), hwnd, msg,
            wParam, lParam);
    }
    case win::WM_ERASEBKGND: return OnEraseBackground(wParam, lParam);
    case win::WM_NCPAINT: return OnNcPaint(wParam, lParam);
    case win::WM_PRINT: return OnPrint(wParam, lParam);
    default: return m_subclass.CallPrevious(hwnd, msg, wParam, lParam);
    }
}

win::LRESULT TWinSkinPopMenu::OnEraseBackground(win::WPARAM wParam, win::LPARAM lParam) {
    if (IsNt() && !(m_skin->Options() & Bit(xoMenuBG)))
        m_subclass.CallPrevious(m_hwnd, win::WM_ERASEBKGND, wParam, lParam);
    return 1;
}

bool TWinSkinPopMenu::HasBackground() const {
    return m_skin && !m_skin->SkinLoading && m_skin->MenuBackground && !m_skin->MenuBackground->Image.Empty();
}

bool TWinSkinPopMenu::RenderBackground(int width, int height) {
    if (width <= 0 || height <= 0 || !m_background.SetSize(width, height))
        return false;
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, m_background.Handle());
    const TDataSkinObject& element = *m_skin->MenuBackground;
    ElementRenderer::Render(dc, win::RECT{0, 0, width, height}, element, 1, false, element.Tile != 1);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    return true;
}

win::LRESULT TWinSkinPopMenu::OnNcPaint(win::WPARAM wParam, win::LPARAM lParam) {
    if (wParam != 1 || !HasBackground())
        return m_subclass.CallPrevious(m_hwnd, win::WM_NCPAINT, wParam, lParam);
    win::RECT r;
    win::GetWindowRect(m_hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!RenderBackground(w, h))
        return 0;
    win::HDC dc = win::GetWindowDC(m_hwnd);
    win::HDC src = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(src, m_background.Handle());
    win::BitBlt(dc, 0, 0, w, kStrip, src, 0, 0, win::SRCCOPY);
    win::BitBlt(dc, 0, h - kStrip, w, kStrip, src, 0, h - kStrip, win::SRCCOPY);
    win::BitBlt(dc, 0, 0, kStrip, h, src, 0, 0, win::SRCCOPY);
    win::BitBlt(dc, w - kStrip, 0, kStrip, h, src, w - kStrip, 0, win::SRCCOPY);
    win::SelectObject(src, old);
    win::DeleteDC(src);
    win::ReleaseDC(m_hwnd, dc);
    return 0;
}

win::LRESULT TWinSkinPopMenu::OnPrint(win::WPARAM wParam, win::LPARAM lParam) {
    auto* dc = reinterpret_cast<win::HDC>(wParam);
    if (!dc || !HasBackground())
        return m_subclass.CallPrevious(m_hwnd, win::WM_PRINT, wParam, lParam);
    win::RECT r;
    win::GetWindowRect(m_hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (RenderBackground(w, h)) {
        win::HDC src = win::CreateCompatibleDC(dc);
        win::HGDIOBJ old = win::SelectObject(src, m_background.Handle());
        win::BitBlt(dc, 0, 0, w, h, src, 0, 0, win::SRCCOPY);
        win::SelectObject(src, old);
        win::DeleteDC(src);
    }
    // The menu prints its items over the background, inside the strips.
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    win::HRGN oldClip = win::CreateRectRgn(0, 0, 0, 0);
    const bool hadClip = win::GetClipRgn(dc, oldClip) == 1;
    win::HRGN inset = win::CreateRectRgn(kStrip, kStrip, w - kStrip, h - kStrip);
    win::SelectClipRgn(dc, inset);
    const win::LRESULT result = m_subclass.CallPrevious(m_hwnd, win::WM_PRINT, wParam, lParam);
    win::SelectClipRgn(dc, hadClip ? oldClip : nullptr);
    win::DeleteObject(inset);
    win::DeleteObject(oldClip);
    win::SetBkMode(dc, oldMode);
    return result;
}

} // namespace skin
