#include "toolkit/TWinControl.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>
#include <cstdio>

namespace tk {

namespace {

thread_local TWinControl* t_creationControl = nullptr;
win::WORD s_nextChildId = 1;

std::function<void(std::exception_ptr)>& ExceptionHandler() {
    static std::function<void(std::exception_ptr)> handler;
    return handler;
}

void DefineWinControlProperties(std::vector<PropertyInfo>&) {
}

} // namespace

TK_IMPLEMENT_CLASS(TWinControl, TControl, DefineWinControlProperties)

PropertyInfo TWinControl::TabStopProperty() {
    return BooleanProperty<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
}
PropertyInfo TWinControl::TabOrderProperty() {
    return IntegerProperty<TWinControl>("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
}
PropertyInfo TWinControl::OnKeyDownProperty() {
    return EventProperty<TWinControl>("OnKeyDown", &TWinControl::OnKeyDown);
}
PropertyInfo TWinControl::OnKeyUpProperty() {
    return EventProperty<TWinControl>("OnKeyUp", &TWinControl::OnKeyUp);
}
PropertyInfo TWinControl::OnKeyPressProperty() {
    return EventProperty<TWinControl>("OnKeyPress", &TWinControl::OnKeyPress);
}
PropertyInfo TWinControl::OnEnterProperty() {
    return EventProperty<TWinControl>("OnEnter", &TWinControl::OnEnter);
}
PropertyInfo TWinControl::OnExitProperty() {
    return EventProperty<TWinControl>("OnExit", &TWinControl::OnExit);
}

void SetExceptionHandler(std::function<void(std::exception_ptr)> handler) {
    ExceptionHandler() = std::move(handler);
}

void HandleToolkitException(std::exception_ptr error) {
    if (ExceptionHandler())
        ExceptionHandler()(error);
    else
        std::rethrow_exception(error);
}

const std::string& TWinControl::ControlAtomName() {
    static const std::string name = [] {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "ControlOfs%.8X%.8X",
                      static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(win::GetModuleHandleA(nullptr))),
                      static_cast<unsigned>(win::GetCurrentThreadId()));
        return std::string(buffer);
    }();
    return name;
}

win::ATOM TWinControl::ControlAtom() {
    static const win::ATOM atom = win::GlobalAddAtomA(ControlAtomName().c_str());
    return atom;
}

TWinControl* TWinControl::FindControl(win::HWND hwnd) {
    if (!hwnd)
        return nullptr;
    return reinterpret_cast<TWinControl*>(win::GetPropA(hwnd, ControlAtomName().c_str()));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    m_instance = std::make_unique<win::ObjectInstance>(
        [this](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) { return MainWndProc(h, m, w, l); });
}

TWinControl::~TWinControl() {
    ForgetMouseTarget(this);
    DestroyWnd();
    if (m_brush)
        win::DeleteObject(m_brush);
    // A parent frees the controls placed in it that are still there.
    while (!m_controls.empty()) {
        TControl* child = m_controls.back();
        RemoveControl(child);
        child->m_parent = nullptr;
        delete child;
    }
}

// ---- Window creation ------------------------------------------------------------------------------------

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = Caption();
    params.Style = win::WS_CHILD | win::WS_CLIPSIBLINGS;
    if (Visible())
        params.Style |= win::WS_VISIBLE;
    if (!Enabled())
        params.Style |= win::WS_DISABLED;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    if (Parent())
        params.WndParent = Parent()->Handle();
    params.ClassStyle = win::CS_VREDRAW | win::CS_HREDRAW | win::CS_DBLCLKS;
    params.DefaultWndProc = &win::DefWindowProcA;
    params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* nativeClass) {
    win::WNDCLASSEXA native{};
    if (!win::GetClassInfoExA(nullptr, nativeClass, &native))
        throw ComponentError(std::string("the window class ") + nativeClass + " does not exist");
    params.DefaultWndProc = native.lpfnWndProc;
    params.ClassStyle = native.style & ~(win::CS_OWNDC | win::CS_CLASSDC | win::CS_PARENTDC);
}

win::HWND TWinControl::Handle() {
    if (!m_handle && !m_destroyingHandle)
        CreateWnd();
    return m_handle;
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    m_defWndProc = params.DefaultWndProc ? params.DefaultWndProc : &win::DefWindowProcA;

    win::WNDCLASSEXA existing{};
    if (!win::GetClassInfoExA(win::GetModuleHandleA(nullptr), params.WinClassName.c_str(), &existing)) {
        win::WNDCLASSEXA wc{};
        wc.style = params.ClassStyle;
        wc.lpfnWndProc = &TWinControl::InitWndProc;
        wc.hInstance = win::GetModuleHandleA(nullptr);
        wc.hCursor = win::LoadCursorA(nullptr, win::IDC_ARROW);
        wc.lpszClassName = params.WinClassName.c_str();
        if (!win::RegisterClassExA(&wc))
            throw ComponentError("cannot register the window class " + params.WinClassName);
    }

    win::HMENU id = nullptr;
    if (params.Style & win::WS_CHILD)
        id = reinterpret_cast<win::HMENU>(
            static_cast<std::uintptr_t>(s_nextChildId++ ? s_nextChildId : ++s_nextChildId));
    t_creationControl = this;
    win::HWND hwnd = win::CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                                          params.Style, params.X, params.Y, params.Width, params.Height,
                                          params.WndParent, id, win::GetModuleHandleA(nullptr), nullptr);
    t_creationControl = nullptr;
    if (!hwnd) {
        m_handle = nullptr;
        throw ComponentError("cannot create the window of " + (Name().empty() ? ClassName() : Name()));
    }
    if (m_handle != hwnd)
        AttachWindow(hwnd); // a class whose procedure never ran ours during creation
    if (params.Style & win::WS_CHILD)
        win::SetWindowPos(hwnd, PrecedingWindow(), 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
    win::SendMessageA(m_handle, win::WM_SETFONT, reinterpret_cast<win::WPARAM>(Font()->Handle()), 0);
    for (TControl* child : m_controls)
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            windowed->HandleNeeded();
    CreateHandleDone();
}

void TWinControl::AttachWindow(win::HWND hwnd) {
    m_handle = hwnd;
    win::SetPropA(hwnd, ControlAtomName().c_str(), reinterpret_cast<win::HANDLE>(this));
    win::SetWindowLongPtrA(hwnd, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(m_instance->Proc()));
}

win::LRESULT CALLBACK TWinControl::InitWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                               win::LPARAM lParam) {
    TWinControl* control = t_creationControl;
    if (!control)
        return win::DefWindowProcA(hwnd, msg, wParam, lParam);
    t_creationControl = nullptr;
    control->AttachWindow(hwnd);
    return control->MainWndProc(hwnd, msg, wParam, lParam);
}

win::LRESULT TWinControl::MainWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    try {
        WindowProc(message);
    } catch (...) {
        HandleToolkitException(std::current_exception());
    }
    if (msg == win::WM_NCDESTROY) {
        win::RemovePropA(hwnd, ControlAtomName().c_str());
        if (m_handle == hwnd)
            m_handle = nullptr;
    }
    return message.Result;
}

win::HWND TWinControl::PrecedingWindow() const {
    // Later controls lie above earlier ones: the window goes just below the nearest later sibling that has
    // one.
    if (!Parent())
        return win::HWND_TOP;
    const auto& siblings = Parent()->m_controls;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    if (it == siblings.end())
        return win::HWND_TOP;
    for (++it; it != siblings.end(); ++it)
        if (auto* windowed = dynamic_cast<TWinControl*>(*it); windowed && windowed->m_handle)
            return windowed->m_handle;
    return win::HWND_TOP;
}

void TWinControl::Broadcast(TMessage& message) {
    for (TControl* child : std::vector<TControl*>(m_controls)) {
        child->WindowProc(message);
        if (message.Result != 0)
            return;
    }
}

TWinControl* TWinControl::RootControl() {
    TWinControl* root = this;
    while (root->Parent())
        root = root->Parent();
    return root;
}

void TWinControl::DestroyWnd() {
    if (!m_handle)
        return;
    m_destroyingHandle = true;
    win::DestroyWindow(m_handle);
    m_destroyingHandle = false;
    m_handle = nullptr;
}

void TWinControl::RecreateWnd() {
    // Through the notification, so that whoever hooks the control learns its window is a new one.
    if (m_handle)
        Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd() {
    if (!m_handle)
        return;
    DestroyWnd();
    for (TControl* child : m_controls)
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            windowed->m_handle = nullptr;
    CreateWnd();
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (m_handle)
        m.Result = win::CallWindowProcA(m_defWndProc, m_handle, m.Msg, m.WParam, m.LParam);
}

// ---- Children -------------------------------------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
    m_controls.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        m_tabList.push_back(windowed);
        if (m_handle)
            windowed->HandleNeeded();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    ForgetMouseTarget(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->DestroyWnd();
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
    m_tabList.erase(std::remove(m_tabList.begin(), m_tabList.end(), control), m_tabList.end());
}

void TWinControl::ChangeZOrder(TControl* control, bool toFront) {
    auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end())
        return;
    m_controls.erase(it);
    if (toFront)
        m_controls.push_back(control);
    else
        m_controls.insert(m_controls.begin(), control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->m_handle)
        win::SetWindowPos(windowed->m_handle, toFront ? win::HWND_TOP : win::HWND_BOTTOM, 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    else
        control->Invalidate();
}

TControl* TWinControl::ControlAtPos(win::POINT p, bool allowDisabled, bool allowWindowed) const {
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
        if (windowed && !allowWindowed)
            continue;
        if (!c->Visible() || (!c->Enabled() && !allowDisabled))
            continue;
        win::RECT r = c->BoundsRect();
        if (p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom)
            return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->m_tabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// Tab order is a list of its own: moving a control in it never changes which control lies above which.
void TWinControl::SetTabOrder(int order) {
    if (!Parent() || order < 0)
        return;
    auto& list = Parent()->m_tabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin() + std::min<std::size_t>(static_cast<std::size_t>(order), list.size()), this);
}

std::vector<TWinControl*> TWinControl::TabList() const {
    return m_tabList;
}

bool TWinControl::CanFocus() const {
    for (const TWinControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return m_handle && win::GetFocus() == m_handle;
}

void TWinControl::SetFocus() {
    if (CanFocus())
        win::SetFocus(Handle());
}

// ---- Geometry -------------------------------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (!m_handle) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    win::SetWindowPos(m_handle, nullptr, left, top, width, height, win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!m_handle)
        return;
    win::RECT r{};
    win::GetWindowRect(m_handle, &r);
    if (win::GetWindowLongPtrA(m_handle, win::GWL_STYLE) & win::WS_CHILD) {
        win::HWND parent = win::GetParent(m_handle);
        win::MapWindowPoints(nullptr, parent, reinterpret_cast<win::POINT*>(&r), 2);
    }
    TControl::m_left = r.left;
    TControl::m_top = r.top;
    TControl::m_width = r.right - r.left;
    TControl::m_height = r.bottom - r.top;
}

win::RECT TWinControl::ClientRect() const {
    if (m_handle) {
        win::RECT r{};
        win::GetClientRect(m_handle, &r);
        return r;
    }
    return TControl::ClientRect();
}

void TWinControl::Invalidate() {
    if (m_handle)
        win::InvalidateRect(m_handle, nullptr, win::TRUE);
}

void TWinControl::Update() {
    if (m_handle)
        win::UpdateWindow(m_handle);
}

win::POINT TWinControl::ClientToScreen(win::POINT p) const {
    if (!m_handle)
        return TControl::ClientToScreen(p);
    win::ClientToScreen(m_handle, &p);
    return p;
}

win::POINT TWinControl::ScreenToClient(win::POINT p) const {
    if (!m_handle)
        return TControl::ScreenToClient(p);
    win::ScreenToClient(m_handle, &p);
    return p;
}

bool TWinControl::Showing() const {
    if (!Visible())
        return false;
    return Parent() ? Parent()->Showing() : true;
}

} // namespace tk
