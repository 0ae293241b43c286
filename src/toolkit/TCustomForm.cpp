#include "toolkit/TCustomForm.h"

#include "toolkit/LayoutReader.h"
#include "toolkit/PropertyBuilders.h"
#include "toolkit/TApplication.h"
#include "toolkit/TMainMenu.h"

#include <algorithm>

namespace tk {

namespace {
const EnumInfo kBorderStyleInfo{
    "TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumInfo kBorderIconsInfo{"TBorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const EnumInfo kPositionInfo{"TPosition",
                             {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                              "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};

// The menu a form shows, written in a layout as the menu component's bare name, as enumeration members are;
// the name is looked up once the whole layout is read.
PropertyInfo MenuProperty() {
    PropertyInfo p;
    p.name = "Menu";
    p.kind = PropertyKind::Enum;
    p.get = [](const TObject& o) {
        const TMainMenu* menu = static_cast<const TCustomForm&>(o).Menu();
        return PropertyValue(menu ? menu->Name() : std::string());
    };
    p.set = [](TObject& o, const PropertyValue& v) {
        const std::string* name = std::get_if<std::string>(&v);
        if (!name)
            throw PropertyError{"property Menu takes the name of a TMainMenu"};
        static_cast<TCustomForm&>(o).SetMenuByName(*name);
    };
    return p;
}

void DefineFormProperties(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(IntegerProperty<TControl>("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth));
    p.push_back(
        IntegerProperty<TControl>("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight));
    p.push_back(EnumProperty<TCustomForm>("BorderStyle", kBorderStyleInfo, &TCustomForm::BorderStyle,
                                          &TCustomForm::SetBorderStyle));
    p.push_back(SetProperty<TCustomForm>("BorderIcons", kBorderIconsInfo, &TCustomForm::BorderIcons,
                                         &TCustomForm::SetBorderIcons));
    p.push_back(EnumProperty<TCustomForm>("Position", kPositionInfo, &TCustomForm::Position,
                                          &TCustomForm::SetPosition));
    p.push_back(MenuProperty());
    p.push_back(EventProperty<TCustomForm>("OnCreate", &TCustomForm::OnCreate));
    p.push_back(EventProperty<TCustomForm>("OnShow", &TCustomForm::OnShow));
    p.push_back(EventProperty<TCustomForm>("OnHide", &TCustomForm::OnHide));
    p.push_back(EventProperty<TCustomForm>("OnActivate", &TCustomForm::OnActivate));
    p.push_back(EventProperty<TCustomForm>("OnDeactivate", &TCustomForm::OnDeactivate));
    p.push_back(EventProperty<TCustomForm>("OnDestroy", &TCustomForm::OnDestroy));
    p.push_back(EventProperty<TCustomForm>("OnClose", &TCustomForm::OnClose));
    p.push_back(TControl::OnClickProperty());
}

template <class F> void Guarded(F&& f) {
    try {
        f();
    } catch (...) {
        HandleToolkitException(std::current_exception());
    }
}
} // namespace

TK_IMPLEMENT_CLASS(TCustomForm, TWinControl, DefineFormProperties)
TK_IMPLEMENT_CLASS(TForm, TCustomForm, nullptr)

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    InitVisible(false);
    SetBounds(0, 0, 320, 240);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy)
        Guarded([&] { OnDestroy(this); });
    if (m_menu)
        m_menu->m_form = nullptr;
    m_menu = nullptr;
    if (m_menuHandle) {
        if (HandleAllocated() && win::GetMenu(Handle()) == m_menuHandle)
            win::SetMenu(Handle(), nullptr);
        win::DestroyMenu(m_menuHandle);
        m_menuHandle = nullptr;
    }
    if (Screen)
        Screen->RemoveForm(this);
    DestroyComponents();
}

void TCustomForm::LoadLayout(std::string_view text, std::string_view fileName) {
    LayoutReader::ReadText(*this, text, fileName);
}

void TCustomForm::DoCreate() {
    if (OnCreate)
        Guarded([&] { OnCreate(this); });
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style != m_borderStyle) {
        m_borderStyle = style;
        RecreateWnd();
    }
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons != m_borderIcons) {
        m_borderIcons = icons;
        RecreateWnd();
    }
}

win::DWORD TCustomForm::FrameStyle() const {
    win::DWORD style = 0;
    switch (m_borderStyle) {
    case TFormBorderStyle::bsNone: return win::WS_POPUP;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: style = win::WS_CAPTION | win::WS_BORDER; break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: style = win::WS_CAPTION | win::WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog: style = win::WS_POPUP | win::WS_CAPTION | win::WS_DLGFRAME; break;
    }
    if (m_borderIcons & biSystemMenu) {
        style |= win::WS_SYSMENU;
        if (m_borderStyle != TFormBorderStyle::bsDialog && m_borderStyle != TFormBorderStyle::bsToolWindow &&
            m_borderStyle != TFormBorderStyle::bsSizeToolWin) {
            if (m_borderIcons & biMinimize)
                style |= win::WS_MINIMIZEBOX;
            if (m_borderIcons & biMaximize)
                style |= win::WS_MAXIMIZEBOX;
        }
    }
    return style;
}

win::DWORD TCustomForm::FrameExStyle() const {
    switch (m_borderStyle) {
    case TFormBorderStyle::bsDialog: return win::WS_EX_DLGMODALFRAME;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin: return win::WS_EX_TOOLWINDOW;
    default: return 0;
    }
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = win::WS_CLIPCHILDREN | win::WS_CLIPSIBLINGS | FrameStyle();
    if (!Enabled())
        params.Style |= win::WS_DISABLED;
    params.ExStyle = FrameExStyle();
    params.WndParent = nullptr;
    if (Application && Application->MainForm() && Application->MainForm() != this)
        params.WndParent = Application->MainForm()->Handle();
}

win::RECT TCustomForm::ClientRect() const {
    if (m_pendingClientWidth >= 0)
        return {0, 0, m_pendingClientWidth, m_pendingClientHeight};
    if (const_cast<TCustomForm*>(this)->HandleAllocated())
        return TWinControl::ClientRect();
    win::RECT frame{0, 0, 0, 0};
    win::AdjustWindowRectEx(&frame, FrameStyle(), m_menu ? win::TRUE : win::FALSE, FrameExStyle());
    return {0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

void TCustomForm::SetClientSize(int width, int height) {
    if (IsLoading()) {
        m_pendingClientWidth = width;
        m_pendingClientHeight = height;
        return;
    }
    TWinControl::SetClientSize(width, height);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (!m_pendingMenuName.empty()) {
        const std::string name = std::move(m_pendingMenuName);
        m_pendingMenuName.clear();
        SetMenuByName(name);
    }
    if (m_pendingClientWidth >= 0) {
        int width = m_pendingClientWidth;
        int height = m_pendingClientHeight;
        m_pendingClientWidth = m_pendingClientHeight = -1;
        TWinControl::SetClientSize(width, height);
    }
}

void TCustomForm::SetMenuByName(const std::string& name) {
    if (name.empty()) {
        SetMenu(nullptr);
        return;
    }
    if (IsLoading()) {
        m_pendingMenuName = name;
        return;
    }
    auto* menu = dynamic_cast<TMainMenu*>(FindComponent(name));
    if (!menu)
        throw PropertyError{"Menu: " + name + " is not a TMainMenu of " + Name()};
    SetMenu(menu);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == m_menu)
        return;
    if (menu && menu->m_form && menu->m_form != this)
        menu->m_form->SetMenu(nullptr);
    if (m_menu)
        m_menu->m_form = nullptr;
    m_menu = menu;
    if (m_menu)
        m_menu->m_form = this;
    if (HandleAllocated())
        ApplyMenu(true);
}

// The window's size already counted the bar (ClientRect).
void TCustomForm::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    if (m_menu)
        ApplyMenu(false);
}

void TCustomForm::ApplyMenu(bool keepClient) {
    win::RECT before{};
    win::GetClientRect(Handle(), &before);
    win::HMENU old = m_menuHandle;
    m_menuHandle = m_menu ? m_menu->BuildBar() : nullptr;
    win::SetMenu(Handle(), m_menuHandle);
    if (old)
        win::DestroyMenu(old);
    win::RECT after{};
    win::GetClientRect(Handle(), &after);
    // The bar takes its room from the window, not from the client area the layout designed.
    const int grow = (before.bottom - before.top) - (after.bottom - after.top);
    if (keepClient && grow != 0 && !win::IsIconic(Handle()) && !win::IsZoomed(Handle()))
        SetBounds(Left(), Top(), Width(), Height() + grow);
}

// The bar's commands and its owner-drawn items; false for everything else.
bool TCustomForm::MenuMessage(TMessage& m) {
    switch (m.Msg) {
    case CM_MENUCHANGED:
        if (HandleAllocated())
            ApplyMenu(false);
        return true;
    case win::WM_COMMAND:
        return m_menu && m.LParam == 0 &&
               m_menu->DispatchCommand(win::LOWORD(static_cast<win::DWORD>(m.WParam)));
    case win::WM_MEASUREITEM:
        if (m_menu && m_menu->MeasureMenuItem(reinterpret_cast<win::MEASUREITEMSTRUCT*>(m.LParam))) {
            m.Result = win::TRUE;
            return true;
        }
        return false;
    case win::WM_DRAWITEM:
        if (m_menu && m_menu->DrawMenuItem(reinterpret_cast<const win::DRAWITEMSTRUCT*>(m.LParam))) {
            m.Result = win::TRUE;
            return true;
        }
        return false;
    default: return false;
    }
}

void TCustomForm::ApplyPosition() {
    const TCustomForm* over = nullptr;
    switch (m_position) {
    case TPosition::poMainFormCenter:
        if (Application && Application->MainForm() != this)
            over = Application->MainForm();
        break;
    case TPosition::poOwnerFormCenter: over = dynamic_cast<const TCustomForm*>(Owner()); break;
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter: break;
    default: return;
    }
    win::RECT area{0, 0, win::GetSystemMetrics(win::SM_CXSCREEN), win::GetSystemMetrics(win::SM_CYSCREEN)};
    if (over && over->Visible())
        area = over->BoundsRect();
    int x = area.left + (area.right - area.left - Width()) / 2;
    int y = area.top + (area.bottom - area.top - Height()) / 2;
    SetBounds(x, y, Width(), Height());
}

void TCustomForm::ShowingChanged() {
    if (Visible()) {
        HandleNeeded();
        ApplyPosition();
        DoShow();
        win::ShowWindow(Handle(), win::SW_SHOWNORMAL);
    } else {
        DoHide();
        if (HandleAllocated())
            win::ShowWindow(Handle(), win::SW_HIDE);
    }
}

void TCustomForm::DoShow() {
    if (OnShow)
        Guarded([&] { OnShow(this); });
}

void TCustomForm::DoHide() {
    if (OnHide)
        Guarded([&] { OnHide(this); });
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Close() {
    if (m_modal) {
        SetModalResult(mrCancel);
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (action == TCloseAction::caMinimize)
        win::ShowWindow(Handle(), win::SW_MINIMIZE);
    else
        Hide();
}

void TCustomForm::SetModalResult(TModalResult result) {
    m_modalResult = result;
    if (!m_modal || result == mrNone)
        return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone) {
        m_modalResult = mrNone;
        return;
    }
    // The forms behind come back before this one goes, so that activation returns to them.
    EnableOtherForms();
    win::EndModalLoop(Handle(), result);
}

void TCustomForm::EnableOtherForms() {
    for (TCustomForm* form : m_disabledForms)
        if (form->HandleAllocated())
            win::EnableWindow(form->Handle(), win::TRUE);
    m_disabledForms.clear();
}

int TCustomForm::ShowModal() {
    if (Visible() || !Enabled())
        throw ComponentError("Cannot make a visible window modal");
    m_modalResult = mrNone;
    m_modal = true;
    // Every other enabled form of the program waits while this one is up, not only its owner.
    m_disabledForms.clear();
    if (Screen)
        for (TCustomForm* form : Screen->Forms())
            if (form != this && form->HandleAllocated() && win::IsWindowVisible(form->Handle()) &&
                win::IsWindowEnabled(form->Handle())) {
                win::EnableWindow(form->Handle(), win::FALSE);
                m_disabledForms.push_back(form);
            }
    try {
        Show();
        win::RunModalLoop(Handle());
    } catch (...) {
        m_modal = false;
        EnableOtherForms();
        throw;
    }
    m_modal = false;
    EnableOtherForms();
    if (m_modalResult == mrNone)
        m_modalResult = mrCancel;
    Hide();
    return m_modalResult;
}

namespace {
void CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& out) {
    for (TWinControl* c : parent->TabList())
        if (c->Visible()) {
            if (c->TabStop() && c->Enabled())
                out.push_back(c);
            CollectTabStops(c, out);
        }
}
} // namespace

void TCustomForm::SelectNext(bool backwards) {
    std::vector<TWinControl*> stops;
    CollectTabStops(this, stops);
    if (stops.empty())
        return;
    win::HWND focus = win::GetFocus();
    auto current = std::find_if(stops.begin(), stops.end(),
                                [&](TWinControl* c) { return c->HandleAllocated() && c->Handle() == focus; });
    std::size_t n = stops.size();
    std::size_t index = current == stops.end() ? (backwards ? n - 1 : 0)
                        : backwards            ? (current - stops.begin() + n - 1) % n
                                               : (current - stops.begin() + 1) % n;
    stops[index]->SetFocus();
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case win::WM_CLOSE: Close(); return;
    case CM_VISIBLECHANGED: ShowingChanged(); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    case win::WM_ACTIVATE: WMActivate(win::LOWORD(m.WParam) != win::WA_INACTIVE); break;
    case CM_MENUCHANGED:
    case win::WM_COMMAND:
    case win::WM_MEASUREITEM:
    case win::WM_DRAWITEM:
        if (MenuMessage(m))
            return;
        break;
    }
    TWinControl::WndProc(m);
}

// Tab moves the focus; other dialog keys go to the controls (default and cancel buttons).
void TCustomForm::CMDialogKey(TMessage& m) {
    if (m.WParam != win::VK_TAB) {
        TWinControl::WndProc(m);
        return;
    }
    SelectNext(KeyboardShiftState() & ssShift);
    m.Result = 1;
}

void TCustomForm::WMActivate(bool active) {
    if (active) {
        if (OnActivate)
            OnActivate(this);
    } else if (OnDeactivate) {
        OnDeactivate(this);
    }
}

} // namespace tk
