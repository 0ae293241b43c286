#include "skin/frame/TWinSkinForm.h"

#include "skin/data/SkinManagerLink.h"
#include "skin/data/SkinMessages.h"
#include "skin/frame/FrameSkinners.h"
#include "skin/frame/SkinnedMenuItems.h"
#include "skin/frame/TWinSkinMenu.h"

#include "toolkit/Messages.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomForm.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPopupMenu.h"

#include <algorithm>

namespace skin {

namespace {
constexpr win::UINT_PTR kHintTimer = 0x53B1;
constexpr win::UINT kHintTick = 250;
constexpr int kSystemMenuTag = 33333;
// Asked by the system of windows that may draw themed frames; a skinned frame says it does not.
constexpr win::UINT kUnthemedQuery = 0xAE;
} // namespace

TK_IMPLEMENT_CLASS(TWinSkinForm, tk::TComponent, nullptr)

TWinSkinForm::TWinSkinForm(tk::TComponent* owner) : tk::TComponent(owner) {
}

TWinSkinForm::~TWinSkinForm() {
    if (m_state != fsDead)
        Restore();
    DropRegion();
    if (FrameGone)
        FrameGone(this);
}

void TWinSkinForm::AttachToForm(TSkinData* skin, tk::TCustomForm* form) {
    m_form = form;
    if (skin && skin->OnBeforeSkinForm)
        skin->OnBeforeSkinForm(form, form->Handle(), form->ClassName());
    AttachCommon(skin, form->Handle());
    if (FrameSkinning() && m_subclass.Attached()) {
        m_savedColour = form->Color();
        m_colourSaved = true;
        form->SetColor(skin->SkinColours[scButtonFace]);
        if (skin->SkinControls() & Bit(xcMenuItem))
            SkinFormMenus();
    }
}

// The form's own popup menus draw their items from the skin until the frame is restored.
void TWinSkinForm::SkinFormMenus() {
    if (!m_form)
        return;
    for (int i = 0; i < m_form->ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<tk::TPopupMenu*>(m_form->Components(i));
            menu && std::find(m_skinnedMenus.begin(), m_skinnedMenus.end(), menu) == m_skinnedMenus.end()) {
            SkinnedMenuItems::Attach(menu, m_skin, false);
            m_skinnedMenus.push_back(menu);
        }
}

void TWinSkinForm::UnskinFormMenus() {
    if (m_form)
        for (int i = 0; i < m_form->ComponentCount(); ++i)
            if (auto* menu = dynamic_cast<tk::TPopupMenu*>(m_form->Components(i));
                menu && std::find(m_skinnedMenus.begin(), m_skinnedMenus.end(), menu) != m_skinnedMenus.end())
                SkinnedMenuItems::Detach(menu);
    m_skinnedMenus.clear();
}

void TWinSkinForm::AttachToWindow(TSkinData* skin, win::HWND hwnd) {
    AttachCommon(skin, hwnd);
}

void TWinSkinForm::AttachCommon(TSkinData* skin, win::HWND hwnd) {
    m_skin = skin;
    m_hwnd = hwnd;
    char name[256] = {};
    win::GetClassNameA(hwnd, name, sizeof name);
    m_className = name;
    CaptureFacts();
    m_skinners = std::make_unique<FrameSkinners>(this, skin, hwnd, [this] { SkinFormMenus(); });
    m_subclass.Attach(hwnd, [this](win::HWND h, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
        return WindowMessage(h, msg, wParam, lParam);
    });
    if (FrameSkinning()) {
        TakeMenuBar();
        m_borders = FrameGeometry::Borders(*skin, m_facts.border);
        RebuildCaptionButtons();
    } else {
        m_state = fsReady;
    }
}

void TWinSkinForm::CaptureFacts() {
    m_style = static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_STYLE));
    const auto exStyle = static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_EXSTYLE));
    m_rightToLeft = (exStyle & win::WS_EX_LEFTSCROLLBAR) != 0;
    m_facts.dialogClass = FrameGeometry::IsDialogClass(m_className);
    m_facts.border = FrameGeometry::KindOf(m_style, exStyle, m_facts.dialogClass);
    m_facts.buttons = 0;
    if (m_style & win::WS_MAXIMIZEBOX)
        m_facts.buttons |= kHasMaximiseBox;
    if (m_style & win::WS_MINIMIZEBOX)
        m_facts.buttons |= kHasMinimiseBox;
    if (exStyle & win::WS_EX_CONTEXTHELP)
        m_facts.buttons |= kHasContextHelp;
    if (m_style & win::WS_SYSMENU) {
        m_facts.buttons |= kHasSystemMenu;
        m_systemMenuHandle = win::GetSystemMenu(m_hwnd, win::FALSE);
    }
    m_facts.active = true;
    RefreshShowState();
}

bool TWinSkinForm::FrameSkinning() const {
    return m_skin && (m_skin->SkinControls() & Bit(xcMainMenu)) != 0 &&
           m_facts.border != BorderKind::NoCaption;
}

void TWinSkinForm::RebuildCaptionButtons() {
    m_hot = nullptr;
    m_buttons.clear();
    if (!m_skin)
        return;
    for (const auto& element : m_skin->SysButtons)
        m_buttons.push_back(CaptionButton{element.get()});
}

void TWinSkinForm::Reapply() {
    if (m_state != fsReady || !FrameSkinning())
        return;
    m_state = fsReapplying;
    win::RECT client;
    win::GetClientRect(m_hwnd, &client);
    m_clientAtAttach = {client.right, client.bottom};
    m_borders = FrameGeometry::Borders(*m_skin, m_facts.border);
    if (m_form)
        m_form->SetColor(m_skin->SkinColours[scButtonFace]);
    if (m_skinners)
        m_skinners->SkinChanged();
    if (m_facts.show == ShowState::Normal && !(m_style & win::WS_CHILD))
        KeepClientSize();
    BuildRegion(true);
    m_state = fsReady;
    PaintFrame();
}

void TWinSkinForm::Restore() {
    if (!m_subclass.Attached())
        return;
    win::KillTimer(m_hwnd, kHintTimer);
    if (m_skin)
        m_skin->HideCaptionHint();
    m_systemMenu.reset();
    UnskinFormMenus();
    if (m_skinners)
        m_skinners->FreeAll();
    m_subclass.Restore();
    GiveMenuBarBack();
    if (m_facts.buttons & kHasSystemMenu)
        win::SetWindowLongA(m_hwnd, win::GWL_STYLE,
                            win::GetWindowLongA(m_hwnd, win::GWL_STYLE) | win::WS_SYSMENU);
    if (m_form && m_colourSaved && m_state != fsDestroying)
        m_form->SetColor(m_savedColour);
    m_colourSaved = false;
    if (m_state != fsDestroying && m_state != fsDead && FrameSkinning())
        GiveBackSize();
    DropRegion();
    if (win::IsWindow(m_hwnd))
        win::SetWindowRgn(m_hwnd, nullptr, win::TRUE);
}

win::LRESULT TWinSkinForm::CallPrevious(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    return m_subclass.CallPrevious(m_hwnd, msg, wParam, lParam);
}

// A flat switch: the messages every frame answers, then those of a frame that draws the window's border.
win::LRESULT TWinSkinForm::WindowMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                         win::LPARAM lParam) {
    // Until its set-up the frame paints nothing, and the system must not paint its own frame either.
    if (m_state == fsAttached && (msg == win::WM_NCPAINT || msg == win::WM_NCACTIVATE))
        return 0;
    switch (msg) {
    case win::WM_NCDESTROY: OnNcDestroy(); return 0;
    case win::WM_ERASEBKGND: return OnEraseBackground(wParam, lParam);
    case win::WM_CTLCOLORBTN:
    case win::WM_CTLCOLORSTATIC: return OnControlColour(msg, wParam, lParam);
    case SkinMsgFinish: OnFinish(); return 0;
    case SkinMsgQuery: win::PostMessageA(hwnd, SkinQuerySetUpDone, 0, kCooperationKey); return 1;
    case SkinMsgRenewScrollbar:
        if (m_skinners)
            m_skinners->RenewScrollbar(reinterpret_cast<win::HWND>(wParam));
        return 0;
    case kUnthemedQuery: return 0;
    case win::WM_INITMENUPOPUP: return OnInitMenuPopup(wParam, lParam);
    default: break;
    }
    if (m_form) {
        bool done = true;
        const win::LRESULT result = FormMessage(msg, wParam, lParam, done);
        if (done)
            return result;
    }
    if (!FrameSkinning() || m_state == fsAttached)
        return CallPrevious(msg, wParam, lParam);
    bool done = true;
    const win::LRESULT result = FramedMessage(hwnd, msg, wParam, lParam, done);
    return done ? result : CallPrevious(msg, wParam, lParam);
}

win::LRESULT TWinSkinForm::FramedMessage(win::HWND, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam,
                                         bool& done) {
    switch (msg) {
    case win::WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
    case win::WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
    case win::WM_NCPAINT: return OnNcPaint(wParam, lParam);
    case win::WM_NCACTIVATE: return OnNcActivate(wParam, lParam);
    case win::WM_SIZE: return OnSize(wParam, lParam);
    case win::WM_NCMOUSEMOVE: return OnNcMouseMove(wParam, lParam);
    case win::WM_NCLBUTTONDOWN: return OnNcLButtonDown(wParam, lParam);
    case win::WM_NCLBUTTONUP: return OnNcLButtonUp(wParam, lParam);
    case win::WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(wParam, lParam);
    case win::WM_NCRBUTTONDOWN: return OnNcRButtonDown(wParam, lParam);
    case SkinMsgPaintFrame: PaintFrame(); return 0;
    case win::WM_TIMER:
        if (wParam != kHintTimer) {
            done = false;
            return 0;
        }
        OnHintTimer();
        return 0;
    case win::WM_SETTEXT: return OnSetText(wParam, lParam);
    case win::WM_GETMINMAXINFO:
    case win::WM_WINDOWPOSCHANGED:
        RefreshShowState();
        done = false;
        return 0;
    case win::WM_ACTIVATE:
        m_facts.active = win::LOWORD(static_cast<win::DWORD>(wParam)) != win::WA_INACTIVE;
        done = false;
        return 0;
    case win::WM_SETICON: {
        const win::LRESULT result = CallPrevious(msg, wParam, lParam);
        PaintFrame();
        return result;
    }
    case win::WM_COMMAND: return OnCommand(wParam, lParam);
    case win::WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case win::WM_MENUSELECT:
        if (m_menuBar && m_menuBar->MenuOpen())
            m_menuBar->MenuSelect(wParam, lParam);
        done = false;
        return 0;
    case win::WM_MEASUREITEM:
        if (m_menuBar && m_menuBar->MeasureItem(reinterpret_cast<win::MEASUREITEMSTRUCT*>(lParam)))
            return win::TRUE;
        done = false;
        return 0;
    case win::WM_DRAWITEM:
        if (m_menuBar && m_menuBar->DrawItem(reinterpret_cast<const win::DRAWITEMSTRUCT*>(lParam)))
            return win::TRUE;
        done = false;
        return 0;
    case SkinMsgOpenMenuAt:
        if (m_menuBar)
            m_menuBar->OpenAt(win::POINT{win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)});
        return 0;
    case tk::CM_MENUCHANGED: return OnMenuChanged(wParam, lParam);
    default: done = false; return 0;
    }
}

// A window with a menu gets the skin's menu bar in its non-client area instead of the system's.
void TWinSkinForm::TakeMenuBar() {
    const win::HMENU menu = win::GetMenu(m_hwnd);
    if (!menu || (m_style & win::WS_CHILD))
        return;
    win::RECT client;
    win::GetClientRect(m_hwnd, &client);
    m_clientBeforeMenuTaken = {client.right, client.bottom};
    m_menuBar = std::make_unique<TWinSkinMenu>(nullptr);
    m_menuBar->Build(m_skin, m_hwnd, menu, m_form);
    m_menuBarHeight = TWinSkinMenu::Height();
    win::SetMenu(m_hwnd, nullptr);
}

void TWinSkinForm::GiveMenuBarBack() {
    if (!m_menuBar)
        return;
    const win::HMENU menu = m_menuBar->NativeMenu();
    m_menuBar.reset();
    m_menuBarHeight = 0;
    if (menu && win::IsWindow(m_hwnd) && win::IsMenu(menu))
        win::SetMenu(m_hwnd, menu);
}

// The program changed its menu: the form gives the window a new native bar, which the skinned bar is built
// from again and then taken away.
win::LRESULT TWinSkinForm::OnMenuChanged(win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT result = CallPrevious(tk::CM_MENUCHANGED, wParam, lParam);
    const win::HMENU menu = win::GetMenu(m_hwnd);
    if (!menu)
        return result;
    if (!m_menuBar) {
        TakeMenuBar();
        KeepClientSize();
    } else {
        if (m_skin && m_skin->MenuUpdate())
            m_menuBar->Build(m_skin, m_hwnd, menu, m_form);
        win::SetMenu(m_hwnd, nullptr);
    }
    PaintFrame();
    return result;
}

// What a toolkit form answers beyond a window: the skin's refresh and the cooperating components' queries.
win::LRESULT TWinSkinForm::FormMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam, bool& done) {
    switch (msg) {
    case SkinMsgRefresh: Reapply(); return 0;
    case tk::CM_DIALOGCHAR:
        // Alt with a letter opens the bar's item of that accelerator.
        if (m_menuBar && (win::GetKeyState(win::VK_MENU) & 0x8000) &&
            m_menuBar->OpenByAccelerator(static_cast<char32_t>(wParam))) {
            return 1;
        }
        done = false;
        return 0;
    case SkinQueryPresent: return lParam == kCooperationKey ? kCooperationKey : 1;
    case SkinQueryPaintInto:
        if (lParam != kCooperationKey) {
            done = false;
            return 0;
        }
        PaintFrame(reinterpret_cast<win::HDC>(wParam));
        return kCooperationKey;
    default: done = false; return 0;
    }
}

win::LRESULT TWinSkinForm::OnInitMenuPopup(win::WPARAM wParam, win::LPARAM lParam) {
    if (SkinManagerLink* manager = SkinManagerLink::Existing())
        manager->SetPopupMode(win::HIWORD(static_cast<win::DWORD>(lParam)) ? 2 : 1);
    return CallPrevious(win::WM_INITMENUPOPUP, wParam, lParam);
}

// A new caption changes the caption text's width, and a dialog may need widening for it.
win::LRESULT TWinSkinForm::OnSetText(win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT result = CallPrevious(win::WM_SETTEXT, wParam, lParam);
    if (win::IsWindowVisible(m_hwnd) && m_facts.show != ShowState::Minimised)
        win::SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0,
                          win::SWP_FRAMECHANGED | win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER |
                              win::SWP_NOACTIVATE);
    PaintFrame();
    return result;
}

// A system command that came as a menu command (from a menu that is not the system's) goes where the system
// menu's commands go.
win::LRESULT TWinSkinForm::OnCommand(win::WPARAM wParam, win::LPARAM lParam) {
    const win::UINT id = win::LOWORD(static_cast<win::DWORD>(wParam)) & 0xFFF0;
    switch (id) {
    case win::SC_SIZE:
    case win::SC_MOVE:
    case win::SC_MINIMIZE:
    case win::SC_MAXIMIZE:
    case win::SC_NEXTWINDOW:
    case win::SC_PREVWINDOW:
    case win::SC_CLOSE:
    case win::SC_RESTORE:
        if (lParam == 0) {
            win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND, id, 0);
            return 0;
        }
        break;
    default: break;
    }
    return CallPrevious(win::WM_COMMAND, wParam, lParam);
}

// Alt+Space opens the skinned system menu at the client's origin; a size change keeps the show state.
win::LRESULT TWinSkinForm::OnSysCommand(win::WPARAM wParam, win::LPARAM lParam) {
    const win::UINT command = static_cast<win::UINT>(wParam) & 0xFFF0;
    if (command == win::SC_KEYMENU && lParam == ' ' && m_systemMenuHandle && !win::GetCapture()) {
        win::POINT origin{0, 0};
        win::ClientToScreen(m_hwnd, &origin);
        ShowSystemMenu(origin);
        return 0;
    }
    if (command == win::SC_KEYMENU && m_menuBar && lParam != '-' && !win::GetCapture() &&
        m_menuBar->OpenByAccelerator(static_cast<char32_t>(lParam)))
        return 0;
    const win::LRESULT result = CallPrevious(win::WM_SYSCOMMAND, wParam, lParam);
    if (command == win::SC_MINIMIZE || command == win::SC_MAXIMIZE || command == win::SC_RESTORE)
        RefreshShowState();
    return result;
}

win::LRESULT TWinSkinForm::OnEraseBackground(win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT result = CallPrevious(win::WM_ERASEBKGND, wParam, lParam);
    // A toolkit form paints itself in the skin's colour; a native window (a dialog, a message box) is given
    // the skin's face colour here.
    if (m_form || !m_skin || !m_skin->FaceBrush)
        return result;
    win::RECT client;
    win::GetClientRect(m_hwnd, &client);
    win::FillRect(reinterpret_cast<win::HDC>(wParam), &client, m_skin->FaceBrush);
    return 1;
}

win::LRESULT TWinSkinForm::OnControlColour(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT result = CallPrevious(msg, wParam, lParam);
    if (m_form || !m_skin)
        return result;
    win::SetBkMode(reinterpret_cast<win::HDC>(wParam), win::TRANSPARENT);
    if (msg == win::WM_CTLCOLORSTATIC && m_skin->FaceBrush)
        return reinterpret_cast<win::LRESULT>(m_skin->FaceBrush);
    return result;
}

void TWinSkinForm::OnFinish() {
    const win::HWND hwnd = m_hwnd;
    win::RECT window, client;
    win::GetWindowRect(hwnd, &window);
    win::GetClientRect(hwnd, &client);
    // Taking the system's bar away gave the client its height; the skinned bar takes it back.
    m_clientAtAttach = m_menuBar && m_clientBeforeMenuTaken.cy >= 0 ? m_clientBeforeMenuTaken
                                                                    : win::SIZE{client.right, client.bottom};
    m_systemNonClient = {(window.right - window.left) - client.right,
                         (window.bottom - window.top) - client.bottom};
    if (m_skinners)
        m_skinners->SkinControls(m_form);
    const bool topLevel = (m_style & win::WS_CHILD) == 0;
    if (m_state == fsAttached && FrameSkinning() && topLevel && m_facts.show != ShowState::Minimised) {
        m_state = fsResizing;
        KeepClientSize();
        m_state = fsReady;
        BuildRegion(true);
    }
    m_state = fsReady;
    win::SendMessageA(hwnd, SkinQuerySetUpDone, 0, kCooperationKey);
    if (FrameSkinning())
        win::SetTimer(hwnd, kHintTimer, kHintTick, nullptr);
    if (m_skin && m_skin->OnAfterSkinForm)
        m_skin->OnAfterSkinForm(m_form ? static_cast<tk::TObject*>(m_form) : this, hwnd, m_className);
    if (FrameSkinning())
        PaintFrame();
}

win::LRESULT TWinSkinForm::OnNcCalcSize(win::WPARAM wParam, win::LPARAM lParam) {
    CallPrevious(win::WM_NCCALCSIZE, wParam, lParam);
    if (!wParam)
        return 0;
    auto* params = reinterpret_cast<win::NCCALCSIZE_PARAMS*>(lParam);
    if (m_facts.border == BorderKind::NoCaption) {
        params->rgrc[1] = params->rgrc[0];
        return win::WVR_REDRAW;
    }
    const win::WINDOWPOS* pos = params->lppos;
    const win::RECT proposed =
        pos ? win::RECT{pos->x, pos->y, pos->x + pos->cx, pos->y + pos->cy} : params->rgrc[0];
    params->rgrc[0] = params->rgrc[1] = FrameGeometry::ClientFor(proposed, m_borders, m_menuBarHeight);
    return win::WVR_REDRAW;
}

win::LRESULT TWinSkinForm::OnNcHitTest(win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT system = CallPrevious(win::WM_NCHITTEST, wParam, lParam);
    return FrameGeometry::HitTest(system, ToWindow(lParam).y, m_borders, m_menuBarHeight);
}

win::LRESULT TWinSkinForm::OnNcPaint(win::WPARAM, win::LPARAM) {
    // Without WS_SYSMENU the system offers no caption buttons of its own under ours.
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_STYLE));
    if ((style & win::WS_SYSMENU) && !(m_facts.buttons & kKeepSystemMenu))
        win::SetWindowLongA(m_hwnd, win::GWL_STYLE, static_cast<win::LONG>(style & ~win::WS_SYSMENU));
    PaintFrame();
    return 0;
}

win::LRESULT TWinSkinForm::OnNcActivate(win::WPARAM wParam, win::LPARAM lParam) {
    m_facts.active = wParam != 0;
    // The system keeps its own note of the caption's state; it repaints the frame through WM_NCPAINT, which
    // comes back here.
    CallPrevious(win::WM_NCACTIVATE, wParam, lParam);
    PaintFrame();
    return win::TRUE;
}

win::LRESULT TWinSkinForm::OnSize(win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT result = CallPrevious(win::WM_SIZE, wParam, lParam);
    RefreshShowState();
    if (m_facts.show != ShowState::Minimised)
        BuildRegion(false);
    return result;
}

void TWinSkinForm::OnNcDestroy() {
    const win::HWND hwnd = m_hwnd;
    m_state = fsDestroying;
    win::KillTimer(hwnd, kHintTimer);
    // The window is going: only the unhooking is undone, then the window's own procedure ends it. The
    // skinners go too; the controls they sit on are past being given their look back.
    if (m_skinners)
        m_skinners->FreeAll();
    m_subclass.Restore();
    DropRegion();
    win::CallWindowProcA(reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtrA(hwnd, win::GWLP_WNDPROC)),
                         hwnd, win::WM_NCDESTROY, 0, 0);
    m_state = fsDead;
}

win::POINT TWinSkinForm::ToWindow(win::LPARAM screenPoint) const {
    win::RECT r{};
    win::GetWindowRect(m_hwnd, &r);
    return {win::GET_X_LPARAM(screenPoint) - r.left, win::GET_Y_LPARAM(screenPoint) - r.top};
}

TWinSkinForm::CaptionButton* TWinSkinForm::ButtonAt(win::POINT p) {
    for (CaptionButton& b : m_buttons)
        if (b.shown && win::PtInRect(&b.rect, p))
            return &b;
    return nullptr;
}

win::LRESULT TWinSkinForm::OnNcMouseMove(win::WPARAM wParam, win::LPARAM lParam) {
    if (!m_facts.active)
        return 0;
    CaptionButton* over = ButtonAt(ToWindow(lParam));
    if (!over) {
        LeaveHot();
        if (m_menuBar) {
            const int item = m_menuBar->ButtonAt(ToWindow(lParam));
            if (item >= 0) {
                m_menuBar->Hover(item);
                return 0;
            }
            m_menuBar->Leave();
        }
        return CallPrevious(win::WM_NCMOUSEMOVE, wParam, lParam);
    }
    if (over != m_hot) {
        LeaveHot();
        m_hot = over;
        m_hot->state = 3;
        PaintFrame();
    }
    return 0;
}

win::LRESULT TWinSkinForm::OnNcLButtonDown(win::WPARAM wParam, win::LPARAM lParam) {
    if (m_skin)
        m_skin->HideCaptionHint();
    if (CaptionButton* b = ButtonAt(ToWindow(lParam))) {
        if (!m_facts.active)
            win::SetForegroundWindow(m_hwnd);
        if (m_hot && m_hot != b)
            m_hot->state = 1;
        m_hot = b;
        b->state = 2;
        PaintFrame();
        return 0;
    }
    if (const int item = m_menuBar ? m_menuBar->ButtonAt(ToWindow(lParam)) : -1; item >= 0) {
        if (!m_facts.active)
            win::SetForegroundWindow(m_hwnd);
        m_menuBar->Press(item);
        m_menuBar->Open(item); // may free this frame: nothing after it
        return 0;
    }
    return CallPrevious(win::WM_NCLBUTTONDOWN, wParam, lParam);
}

win::LRESULT TWinSkinForm::OnNcLButtonUp(win::WPARAM wParam, win::LPARAM lParam) {
    if (m_skin)
        m_skin->HideCaptionHint();
    CaptionButton* b = ButtonAt(ToWindow(lParam));
    if (!b)
        return CallPrevious(win::WM_NCLBUTTONUP, wParam, lParam);
    if (b == m_hot && b->state == 2) {
        b->state = 3;
        PaintFrame();
        RunAction(*b);
    }
    return 0;
}

win::LRESULT TWinSkinForm::OnNcLButtonDblClk(win::WPARAM wParam, win::LPARAM lParam) {
    if (CaptionButton* b = ButtonAt(ToWindow(lParam))) {
        const int action = b->element->Action;
        if (action == 3 || action == 11)
            win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
        return 0;
    }
    if (wParam == static_cast<win::WPARAM>(win::HTCAPTION)) {
        if (m_facts.show != ShowState::Normal) {
            win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND, win::SC_RESTORE, 0);
            return 0;
        }
        if (m_facts.buttons & kHasMaximiseBox) {
            win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND, win::SC_MAXIMIZE, 0);
            return 0;
        }
    }
    return CallPrevious(win::WM_NCLBUTTONDBLCLK, wParam, lParam);
}

win::LRESULT TWinSkinForm::OnNcRButtonDown(win::WPARAM wParam, win::LPARAM lParam) {
    if (wParam != static_cast<win::WPARAM>(win::HTCAPTION))
        return CallPrevious(win::WM_NCRBUTTONDOWN, wParam, lParam);
    const win::DWORD now = win::GetTickCount();
    const bool second = m_lastRightClick != 0 && now - m_lastRightClick <= win::GetDoubleClickTime();
    m_lastRightClick = now;
    if (second) {
        if (m_hot)
            win::PostMessageA(m_hwnd, win::WM_CLOSE, 0, 0);
        return 0;
    }
    ShowSystemMenu(win::POINT{win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)});
    return 0;
}

void TWinSkinForm::ShowSystemMenu(win::POINT at) {
    if (SkinManagerLink* manager = SkinManagerLink::Existing())
        manager->SetPopupMode(2);
    BuildSystemMenu();
    if (m_systemMenu)
        m_systemMenu->Popup(at.x, at.y);
}

// A toolkit popup menu made from the window's system menu: each item's caption and command, enabled as the
// window's state allows, and choosing one posts that command as WM_SYSCOMMAND.
void TWinSkinForm::BuildSystemMenu() {
    const win::HMENU system = m_systemMenuHandle;
    if (!system || !win::IsMenu(system))
        return;
    m_systemMenu = std::make_unique<tk::TPopupMenu>(nullptr);
    m_systemMenu->SetTag(kSystemMenuTag);
    const bool normal = m_facts.show == ShowState::Normal, maximised = m_facts.show == ShowState::Maximised,
               minimised = m_facts.show == ShowState::Minimised;
    for (int i = 0, n = win::GetMenuItemCount(system); i < n; ++i) {
        char text[256] = {};
        win::GetMenuStringA(system, static_cast<win::UINT>(i), text, sizeof text, win::MF_BYPOSITION);
        const win::UINT id = win::GetMenuItemID(system, i);
        const win::UINT state = win::GetMenuState(system, static_cast<win::UINT>(i), win::MF_BYPOSITION);
        auto* item = new tk::TMenuItem(m_systemMenu.get());
        // "Close\tAlt+F4": the part after the tab is the shortcut, drawn against the right edge.
        const std::string caption = text;
        const std::size_t tab = caption.find('\t');
        item->SetCaption(caption.empty() ? "-" : caption.substr(0, tab));
        if (tab != std::string::npos)
            item->SetShortCutText(caption.substr(tab + 1));
        item->SetTag(static_cast<int>(id));
        bool enabled = (state & (win::MF_GRAYED | win::MF_DISABLED)) == 0;
        switch (id) {
        case win::SC_SIZE:
        case win::SC_MOVE: enabled = enabled && !maximised; break;
        case win::SC_MINIMIZE: enabled = enabled && !minimised && (m_facts.buttons & kHasMinimiseBox); break;
        case win::SC_MAXIMIZE: enabled = enabled && !maximised && (m_facts.buttons & kHasMaximiseBox); break;
        case win::SC_RESTORE: enabled = enabled && !normal; break;
        default: break;
        }
        item->SetEnabled(enabled);
        item->SetChecked((state & win::MF_CHECKED) != 0);
        item->SetImageIndex(SystemMenuGlyph(id));
        const win::HWND hwnd = m_hwnd;
        item->OnClick = [hwnd, id](tk::TObject*) {
            win::PostMessageA(hwnd, win::WM_SYSCOMMAND, static_cast<win::WPARAM>(id), 0);
        };
        m_systemMenu->Items()->Add(item);
    }
    SkinnedMenuItems::Attach(m_systemMenu.get(), m_skin, true);
}

// The skin's window glyphs by system command: restore, maximise, minimise and close; -1 for none.
int TWinSkinForm::SystemMenuGlyph(win::UINT command) {
    switch (command) {
    case win::SC_RESTORE: return 0;
    case win::SC_MAXIMIZE: return 1;
    case win::SC_MINIMIZE: return 2;
    case win::SC_CLOSE: return 3;
    default: return -1;
    }
}

void TWinSkinForm::LeaveHot() {
    if (!m_hot)
        return;
    m_hot->state = 1;
    m_hot = nullptr;
    if (m_skin) {
        m_skin->HideCaptionHint();
        m_skin->HintCounter = 0;
    }
    PaintFrame();
}

const char* TWinSkinForm::HintText(int action) {
    switch (action) {
    case 0:
    case 9:
    case 62: return "Close";
    case 1:
    case 22: return "Maximize";
    case 2:
    case 23:
    case 7:
    case 60: return "Minimize";
    case 8:
    case 61: return "Restore";
    default: return nullptr;
    }
}

// While the pointer rests on a caption button its hint shows after twice the toolkit's hint pause and goes
// again after the hint-hide pause more.
void TWinSkinForm::OnHintTimer() {
    if (!m_skin || !m_facts.active || !(m_skin->Options() & Bit(xoCaptionButtonHint)))
        return;
    win::POINT pointer;
    win::GetCursorPos(&pointer);
    win::RECT window;
    win::GetWindowRect(m_hwnd, &window);
    CaptionButton* over = ButtonAt(win::POINT{pointer.x - window.left, pointer.y - window.top});
    if (!over || over != m_hot) {
        if (m_hot && !over)
            LeaveHot();
        return;
    }
    const char* text = HintText(over->element->Action);
    if (!text)
        return;
    m_skin->HintCounter += static_cast<int>(kHintTick);
    const int pause = tk::Application ? tk::Application->HintPause() : 500;
    const int hidePause = tk::Application ? tk::Application->HintHidePause() : 2500;
    if (m_skin->HintCounter >= 2 * pause + hidePause) {
        m_skin->HideCaptionHint();
    } else if (m_skin->HintCounter >= 2 * pause && !m_skin->HintShowing) {
        const win::RECT at{over->rect.left + window.left, pointer.y + 24, over->rect.left + window.left,
                           pointer.y + 24};
        m_skin->ShowCaptionHint(at, text);
    }
}

void TWinSkinForm::RunAction(const CaptionButton& button) {
    const int action = button.element->Action;
    switch (action) {
    case 0: win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND, win::SC_CLOSE, 0); break;
    case 1:
    case 22:
        if (button.enabled)
            win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND,
                              m_facts.show == ShowState::Maximised ? win::SC_RESTORE : win::SC_MAXIMIZE, 0);
        break;
    case 2:
    case 23:
        if (button.enabled)
            win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND,
                              m_facts.show == ShowState::Minimised ? win::SC_RESTORE : win::SC_MINIMIZE, 0);
        break;
    case 3:
    case 11:
    case 12: {
        win::POINT at;
        win::GetCursorPos(&at);
        ShowSystemMenu(win::POINT{at.x + 1, at.y + 1});
        break;
    }
    case 4: win::PostMessageA(m_hwnd, win::WM_SYSCOMMAND, win::SC_CONTEXTHELP, 0); break;
    default: win::PostMessageA(m_hwnd, SkinMsgCaptionButton, static_cast<win::WPARAM>(action), 0); break;
    }
}

} // namespace skin
