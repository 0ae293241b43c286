#include "skin/controls/TWScrollbar.h"

#include "skin/controls/ControlProperties.h"
#include "skin/controls/ScrollbarPainting.h"
#include "skin/controls/TSkinCanvas.h"
#include "skin/data/TSkinData.h"
#include "skin/data/WinSkinData.h"

#include "toolkit/TControl.h"

#include <algorithm>
#include <cctype>

namespace skin {

namespace {

constexpr const char* kClassName = "TWScrollbar";
// What GetScrollInfo is asked for on a stand-alone bar: range, page, position and track position.
constexpr int kLargestBar = 0x7FFF;
constexpr win::UINT kStandaloneMask = win::SIF_RANGE | win::SIF_PAGE | win::SIF_POS | win::SIF_TRACKPOS;

bool RegisterOverlayClass() {
    win::WNDCLASSEXA existing{};
    if (win::GetClassInfoExA(win::GetModuleHandleA(nullptr), kClassName, &existing))
        return true;
    win::WNDCLASSEXA wc{};
    wc.style = win::CS_DBLCLKS;
    wc.lpfnWndProc = &win::DefWindowProcA;
    wc.hInstance = win::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    return win::RegisterClassExA(&wc) != 0;
}

bool IsHorizontalKind(const tk::TControl& control) {
    std::string kind = props::Text(control, "Kind").value_or("");
    std::transform(kind.begin(), kind.end(), kind.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return kind == "sbhorizontal";
}

int PropertyOr(const tk::TControl& control, const char* name, int fallback) {
    const auto value = props::Integer(control, name);
    return value ? static_cast<int>(std::clamp<std::int64_t>(*value, INT32_MIN, INT32_MAX)) : fallback;
}

} // namespace

TWScrollbar::TWScrollbar(Which which, win::HWND target, tk::TControl* control, TSkinData* skin,
                         TSkinCanvas* canvas)
    : m_which(which), m_target(target), m_control(control), m_skin(skin), m_canvas(canvas) {
    m_arrow = win::GetSystemMetrics(win::SM_CXHSCROLL);
    m_vertical = which == wbVertical;
    if (which == wbStandalone) {
        if (control)
            m_vertical = !IsHorizontalKind(*control);
        else
            m_vertical = (win::GetWindowLongA(target, win::GWL_STYLE) & win::SBS_VERT) != 0;
    }
    const win::HWND parent = win::IsWindow(target) ? win::GetParent(target) : nullptr;
    if (!parent || !RegisterOverlayClass())
        return;
    m_hwnd = win::CreateWindowExA(win::WS_EX_TOOLWINDOW, kClassName, "", win::WS_CHILD | win::WS_CLIPSIBLINGS,
                                  0, 0, 0, 0, parent, nullptr, win::GetModuleHandleA(nullptr), nullptr);
    if (!m_hwnd)
        return;
    win::SetWindowLongPtrA(m_hwnd, win::GWLP_USERDATA, reinterpret_cast<win::LONG_PTR>(this));
    win::SetWindowLongPtrA(m_hwnd, win::GWLP_WNDPROC,
                           reinterpret_cast<win::LONG_PTR>(&TWScrollbar::WindowProc));
}

TWScrollbar::~TWScrollbar() {
    Destroy();
}

void TWScrollbar::Destroy() {
    m_dead = true;
    m_visible = false;
    const win::HWND hwnd = m_hwnd;
    m_hwnd = nullptr;
    if (hwnd && win::IsWindow(hwnd)) {
        win::SetWindowLongPtrA(hwnd, win::GWLP_USERDATA, 0);
        win::DestroyWindow(hwnd);
    }
}

win::LRESULT CALLBACK TWScrollbar::WindowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                              win::LPARAM lParam) {
    auto* self = reinterpret_cast<TWScrollbar*>(win::GetWindowLongPtrA(hwnd, win::GWLP_USERDATA));
    if (!self || self->m_hwnd != hwnd)
        return win::DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->Message(hwnd, msg, wParam, lParam);
}

win::LRESULT TWScrollbar::Message(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
    case win::WM_PAINT: OnPaint(); return 0;
    case win::WM_ERASEBKGND: return 1;
    case win::WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case win::WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK: OnButtonDown(); return 0;
    case win::WM_LBUTTONUP: OnButtonUp(); return 0;
    case win::WM_NCDESTROY: OnNcDestroy(); break;
    default: break;
    }
    return win::DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TWScrollbar::OnNcDestroy() {
    // Destroyed with its parent: forget the window, the object lives on until the skinner frees it.
    win::SetWindowLongPtrA(m_hwnd, win::GWLP_USERDATA, 0);
    m_hwnd = nullptr;
    m_dead = true;
    m_visible = false;
}

bool TWScrollbar::ReadBar(win::RECT& screen, bool& disabled) {
    if (m_which == wbStandalone) {
        win::GetWindowRect(m_target, &screen);
        disabled = !win::IsWindowEnabled(m_target);
        return (win::GetWindowLongA(m_target, win::GWL_STYLE) & win::WS_VISIBLE) != 0;
    }
    win::SCROLLBARINFO info{};
    const win::LONG id = m_which == wbVertical ? win::OBJID_VSCROLL : win::OBJID_HSCROLL;
    if (!WinSkinData::SkinGetScrollBarInfo(m_target, id, &info))
        return false;
    screen = info.rcScrollBar;
    disabled = (info.rgstate[0] & win::STATE_SYSTEM_UNAVAILABLE) != 0;
    return (info.rgstate[0] & win::STATE_SYSTEM_INVISIBLE) == 0;
}

void TWScrollbar::Hide() {
    if (m_hwnd && win::IsWindow(m_hwnd))
        win::ShowWindow(m_hwnd, win::SW_HIDE);
}

void TWScrollbar::Position() {
    if (m_dead || !m_hwnd || !win::IsWindow(m_target))
        return;
    win::RECT screen{};
    bool disabled = false;
    const bool controlShown = (win::GetWindowLongA(m_target, win::GWL_STYLE) & win::WS_VISIBLE) != 0;
    const bool barShown = ReadBar(screen, disabled);
    m_disabled = disabled;
    const bool enabled = win::IsWindowEnabled(m_target) != 0;
    if ((win::IsWindowEnabled(m_hwnd) != 0) != enabled)
        win::EnableWindow(m_hwnd, enabled ? win::TRUE : win::FALSE);
    const bool skinned = m_skin && SkinDrawsScrollbars(*m_skin);
    if (!controlShown || !barShown || !skinned || screen.right <= screen.left ||
        screen.bottom <= screen.top) {
        m_visible = false;
        win::ShowWindow(m_hwnd, win::SW_HIDE);
        return;
    }
    const win::HWND parent = win::GetParent(m_target);
    if (parent && win::GetParent(m_hwnd) != parent)
        win::SetParent(m_hwnd, parent);
    win::POINT topLeft{screen.left, screen.top}, bottomRight{screen.right, screen.bottom};
    win::ScreenToClient(parent, &topLeft);
    win::ScreenToClient(parent, &bottomRight);
    const win::RECT bar{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    // Followed on every paint of the control: a bar that stayed where it was is left alone.
    if (m_visible && win::EqualRect(&bar, &m_barRect) && win::IsWindowVisible(m_hwnd))
        return;
    m_barRect = bar;
    m_length = m_vertical ? m_barRect.bottom - m_barRect.top : m_barRect.right - m_barRect.left;
    const win::HWND above = win::GetWindow(m_target, win::GW_HWNDPREV);
    const win::HWND after = above && above != m_hwnd ? above : win::HWND_TOP;
    if (above != m_hwnd)
        win::SetWindowPos(m_hwnd, after, 0, 0, 0, 0, win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    win::MoveWindow(m_hwnd, m_barRect.left, m_barRect.top, m_barRect.right - m_barRect.left,
                    m_barRect.bottom - m_barRect.top, win::TRUE);
    m_visible = true;
    win::ShowWindow(m_hwnd, win::SW_SHOWNA);
}

ThumbSpan TWScrollbar::ReadThumb() const {
    if (m_which != wbStandalone) {
        win::SCROLLBARINFO info{};
        const win::LONG id = m_which == wbVertical ? win::OBJID_VSCROLL : win::OBJID_HSCROLL;
        if (!WinSkinData::SkinGetScrollBarInfo(m_target, id, &info))
            return {};
        // Reported offsets are not trusted beyond the bar.
        const int start = std::clamp(info.xyThumbTop, 0, m_length);
        return {start, std::clamp(info.xyThumbBottom, start, m_length)};
    }
    StandaloneRange range;
    if (m_control) {
        range.pos = PropertyOr(*m_control, "Position", 0);
        range.min = PropertyOr(*m_control, "Min", 0);
        range.max = PropertyOr(*m_control, "Max", 0);
        range.page = PropertyOr(*m_control, "PageSize", 0);
        return StandaloneThumb(range, m_arrow, m_length, false);
    }
    win::SCROLLINFO si{};
    si.fMask = kStandaloneMask;
    if (!win::GetScrollInfo(m_target, win::SB_CTL, &si))
        return {};
    range = {si.nMin, si.nMax, static_cast<int>(std::min<win::UINT>(si.nPage, INT32_MAX)), si.nPos};
    return StandaloneThumb(range, m_arrow, m_length, true);
}

ThumbSpan TWScrollbar::CurrentThumb() const {
    if (m_pressed && m_hot == sbpThumb && m_which != wbStandalone) {
        win::POINT cursor{};
        win::GetCursorPos(&cursor);
        const int moved = m_vertical ? cursor.y - m_pressPoint.y : cursor.x - m_pressPoint.x;
        return DraggedThumb(m_thumbAtPress, moved, m_arrow, m_length);
    }
    return ReadThumb();
}

void TWScrollbar::OnPaint() {
    win::PAINTSTRUCT ps{};
    win::HDC dc = win::BeginPaint(m_hwnd, &ps);
    win::RECT client{};
    win::GetClientRect(m_hwnd, &client);
    // A bar is never larger than a window can be; anything else is not drawn rather than allocated.
    const bool sane =
        client.right > 0 && client.bottom > 0 && client.right <= kLargestBar && client.bottom <= kLargestBar;
    if (dc && sane && m_visible && m_skin && SkinDrawsScrollbars(*m_skin)) {
        ScrollbarLook look;
        look.vertical = m_vertical;
        look.length = m_length;
        look.breadth = m_vertical ? client.right : client.bottom;
        look.arrow = m_arrow;
        look.thumb = m_thumb = CurrentThumb();
        look.hot = m_hot;
        look.pressed = m_pressed;
        look.disabled = m_disabled;
        OffscreenBuffer buffer(m_canvas, dc, client.right, client.bottom);
        if (buffer.Dc()) {
            win::SetStretchBltMode(buffer.Dc(), win::COLORONCOLOR);
            DrawScrollbar(buffer.Dc(), look, *m_skin);
            buffer.Present(dc, 0, 0);
        }
    }
    win::EndPaint(m_hwnd, &ps);
}

int TWScrollbar::OffsetOfCursor() const {
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    win::ScreenToClient(m_hwnd, &cursor);
    return m_vertical ? cursor.y : cursor.x;
}

int TWScrollbar::PartUnderCursor() const {
    return PartAt(OffsetOfCursor(), m_arrow, ReadThumb(), m_length);
}

void TWScrollbar::OnMouseMove(win::LPARAM lParam) {
    const int at = m_vertical ? win::GET_Y_LPARAM(lParam) : win::GET_X_LPARAM(lParam);
    const int part = PartAt(at, m_arrow, ReadThumb(), m_length);
    WinSkinData::TrackMouseLeave(m_hwnd);
    if (m_pressed || part == m_hot)
        return;
    m_hot = part;
    Redraw();
}

void TWScrollbar::OnMouseLeave() {
    if (m_pressed || m_hot == sbpNone)
        return;
    m_hot = sbpNone;
    Redraw();
}

win::POINT TWScrollbar::TargetPoint(win::POINT screen) const {
    if (m_which == wbStandalone)
        win::ScreenToClient(m_target, &screen);
    return screen;
}

void TWScrollbar::OnButtonDown() {
    win::GetCursorPos(&m_pressPoint);
    m_thumbAtPress = ReadThumb();
    m_hot = PartUnderCursor();
    m_pressed = true;
    Redraw();
    win::ReleaseCapture();
    const std::weak_ptr<bool> alive = m_alive;
    const win::POINT at = TargetPoint(m_pressPoint);
    const win::LPARAM point = win::MAKELPARAM(static_cast<win::WORD>(at.x), static_cast<win::WORD>(at.y));
    // The system's scroll loop on the real bar runs inside this call, until the button comes up.
    if (m_which == wbStandalone)
        win::SendMessageA(m_target, win::WM_LBUTTONDOWN, win::MK_LBUTTON, point);
    else
        win::SendMessageA(m_target, win::WM_NCLBUTTONDOWN, m_vertical ? win::HTVSCROLL : win::HTHSCROLL,
                          point);
    if (alive.expired() || m_dead)
        return;
    m_pressed = false;
    m_hot = PartUnderCursor();
    Redraw();
}

void TWScrollbar::OnButtonUp() {
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    const win::POINT at = TargetPoint(cursor);
    const win::LPARAM point = win::MAKELPARAM(static_cast<win::WORD>(at.x), static_cast<win::WORD>(at.y));
    if (m_which == wbStandalone)
        win::PostMessageA(m_target, win::WM_LBUTTONUP, 0, point);
    else
        win::PostMessageA(m_target, win::WM_NCLBUTTONUP, m_vertical ? win::HTVSCROLL : win::HTHSCROLL, point);
}

void TWScrollbar::ShowPart(int part) {
    m_hot = part;
    Redraw();
}

void TWScrollbar::Redraw() {
    if (m_dead || !m_hwnd || !m_visible)
        return;
    win::InvalidateRect(m_hwnd, nullptr, win::FALSE);
    win::UpdateWindow(m_hwnd);
}

} // namespace skin
