#include "skin/controls/TSkinControl.h"

#include "skin/controls/ControlProperties.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TSkinData.h"
#include "skin/data/WinSkinData.h"

#include "toolkit/TWinControl.h"

#include <algorithm>

namespace skin {

namespace {
// Longer window texts are cut: no caption needs more, and a hostile window cannot make us allocate more.
constexpr int kMaxCaption = 64 * 1024;
} // namespace

TK_IMPLEMENT_CLASS(TSkinControl, tk::TComponent, nullptr)

TSkinControl::TSkinControl(tk::TComponent* owner) : tk::TComponent(owner) {
}

TSkinControl::~TSkinControl() {
    // Freed by its control's own destruction: the control is half gone and must not be touched.
    if (m_ownedByControl && Owner() == nullptr)
        m_life = lsDead;
    Detach();
    m_unhookPending = false;
    m_depth = 0;
    Unhook();
    if (m_owner)
        m_owner->RemoveSkinner(this);
}

void TSkinControl::StartAttach(const SkinnerContext& context) {
    m_skin = context.skin;
    m_recolour = context.recolour || AlwaysRecolours();
    m_canvas = context.canvas;
    m_owner = context.owner;
}

void TSkinControl::FinishAttach() {
    m_attached = true;
    m_drawing = true;
    m_life = lsLive;
    OnAttached();
}

void TSkinControl::AttachToControl(tk::TControl* control, const SkinnerContext& context) {
    if (m_attached || m_life == lsDead || !control)
        return;
    win::HWND hwnd = nullptr;
    auto* windowed = dynamic_cast<tk::TWinControl*>(control);
    try {
        if (windowed)
            hwnd = windowed->Handle();
        else if (control->Parent())
            hwnd = control->Parent()->Handle();
    } catch (const tk::ComponentError&) {
        return; // a control without a window is left as it is
    }
    if (windowed && !hwnd)
        return;
    StartAttach(context);
    m_control = control;
    m_ownedByControl = Owner() == control;
    m_graphic = windowed == nullptr;
    m_hwnd = hwnd;
    m_unicode = hwnd && win::IsWindowUnicode(hwnd);
    m_savedHook = std::move(control->WindowProc);
    control->WindowProc = Hook{this};
    m_hooked = true;
    if (m_owner)
        m_owner->AddSkinner(this);
    if (m_recolour && m_skin)
        Recolour();
    FinishAttach();
    if (m_graphic)
        control->Invalidate();
    else
        win::InvalidateRect(m_hwnd, nullptr, win::TRUE);
}

void TSkinControl::AttachToWindow(win::HWND hwnd, const SkinnerContext& context) {
    if (m_attached || m_life == lsDead || !win::IsWindow(hwnd))
        return;
    StartAttach(context);
    m_hwnd = hwnd;
    m_unicode = win::IsWindowUnicode(hwnd) != 0;
    m_caption = CaptionText();
    const bool hooked =
        m_subclass.Attach(hwnd, [this](win::HWND h, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
            return WindowMessage(h, msg, wParam, lParam);
        });
    if (!hooked) {
        m_owner = nullptr;
        return;
    }
    if (m_owner)
        m_owner->AddSkinner(this);
    FinishAttach();
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
}

void TSkinControl::Detach() {
    if (!m_attached)
        return;
    m_attached = false;
    m_drawing = false;
    if (m_life == lsDead)
        return;
    if (m_recolour)
        RestoreLook();
    Unhook();
    if (m_graphic) {
        if (m_control)
            m_control->Invalidate();
    } else if (win::IsWindow(m_hwnd)) {
        win::InvalidateRect(m_hwnd, nullptr, win::TRUE);
    }
}

void TSkinControl::SkinChanged() {
    if (!m_attached || m_life == lsDead)
        return;
    if (m_recolour && m_skin)
        Recolour();
    Repaint();
}

bool TSkinControl::ControlAlive() const {
    return m_control && (m_life != lsDead || (m_ownedByControl && Owner() == m_control));
}

void TSkinControl::Unhook() {
    // Never while one of our handlers runs: the hook being replaced is the one running.
    if (m_depth > 0) {
        m_unhookPending = true;
        return;
    }
    m_unhookPending = false;
    if (m_hooked && ControlAlive()) {
        const Hook* current = m_control->WindowProc.target<Hook>();
        if (current && current->skinner == this)
            m_control->WindowProc = std::move(m_savedHook);
    }
    m_hooked = false;
    m_savedHook = nullptr;
    m_subclass.Restore();
}

void TSkinControl::Recolour() {
    if (!m_control)
        return;
    if (!(m_skin->Options() & Bit(xoParentBackGround)) &&
        props::Boolean(*m_control, "ParentBackground").value_or(false) &&
        props::SetBoolean(*m_control, "ParentBackground", false))
        m_parentBackgroundWasOn = true;
    if (!m_colourSaved) {
        m_savedColour = m_control->Color();
        m_savedParentColour = m_control->ParentColor();
        m_colourSaved = true;
    }
    m_control->SetColor(RecolourColour());
}

void TSkinControl::RestoreLook() {
    if (!m_control)
        return;
    if (m_parentBackgroundWasOn)
        props::SetBoolean(*m_control, "ParentBackground", true);
    m_parentBackgroundWasOn = false;
    if (m_colourSaved) {
        m_control->SetColor(m_savedColour);
        if (m_savedParentColour)
            m_control->SetParentColor(true);
    }
    m_colourSaved = false;
}

win::LRESULT TSkinControl::WindowMessage(win::HWND, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    tk::TMessage message{msg, wParam, lParam, 0};
    Dispatch(message);
    return message.Result;
}

void TSkinControl::Dispatch(tk::TMessage& message) {
    const std::weak_ptr<bool> alive = m_alive;
    ++m_depth;
    const auto run = [&] {
        if (m_life == lsDead || !m_attached) {
            DefaultProcessing(message);
            return;
        }
        if (message.Msg == SkinMsgQuery) {
            message.Result = 1;
            return;
        }
        if (message.Msg == SkinMsgEnable)
            SwitchDrawing(message.WParam > 0);
        if (!m_drawing) {
            DefaultProcessing(message);
            return;
        }
        if (!BeforeMessage(message))
            return;
        DefaultProcessing(message);
        if (!alive.expired())
            AfterMessage(message);
    };
    run();
    if (alive.expired())
        return;
    if (--m_depth == 0 && m_unhookPending)
        Unhook();
}

void TSkinControl::SwitchDrawing(bool on) {
    if (on == m_drawing)
        return;
    m_drawing = on;
    OnDrawingSwitched(on);
    // Either way the control looks different now: skinned again, or its own.
    Repaint();
}

void TSkinControl::DefaultProcessing(tk::TMessage& message) {
    if (m_control) {
        if (m_savedHook)
            m_savedHook(message);
        return;
    }
    message.Result = m_subclass.CallPrevious(m_hwnd, message.Msg, message.WParam, message.LParam);
}

bool TSkinControl::BeforeMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_NCDESTROY: OnNcDestroy(message); return false;
    default: return true;
    }
}

void TSkinControl::OnNcDestroy(tk::TMessage& message) {
    m_life = lsDead;
    DefaultProcessing(message);
    // The window is gone: a subclass is undone at once, a toolkit hook when the skinner is freed.
    m_subclass.Restore();
    m_attached = false;
    m_drawing = false;
}

void TSkinControl::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
    case win::WM_ENABLE:
    case win::WM_SETTEXT:
    case tk::CM_ENABLEDCHANGED: Repaint(); break;
    case win::WM_PAINT: PaintWindow(reinterpret_cast<win::HDC>(message.WParam)); break;
    default: break;
    }
}

void TSkinControl::PaintWindow(win::HDC dc) {
    if (!m_attached || m_life == lsDead || !m_drawing)
        return;
    if (m_graphic) {
        // Window-less: drawn only into the context its parent paints it through.
        if (dc)
            Draw(dc, Bounds());
        return;
    }
    if (!win::IsWindow(m_hwnd))
        return;
    win::GetWindowRect(m_hwnd, &m_windowRect);
    win::HDC own = dc ? nullptr : win::GetWindowDC(m_hwnd);
    try {
        Draw(dc ? dc : own, Bounds());
    } catch (...) {
        // A failed paint leaves the control as it was drawn; the context is still given back.
    }
    if (own)
        win::ReleaseDC(m_hwnd, own);
}

void TSkinControl::Repaint() {
    if (m_graphic) {
        if (ControlAlive())
            m_control->Invalidate();
        return;
    }
    if (m_hwnd && win::IsWindow(m_hwnd)) {
        win::InvalidateRect(m_hwnd, nullptr, win::TRUE);
        win::UpdateWindow(m_hwnd);
    }
}

void TSkinControl::FollowParts(PartTracker& parts, tk::TMessage& message, const PartTracker::PartAt& partAt) {
    switch (parts.Follow(message, m_hwnd, partAt)) {
    case PartTracker::Outcome::NotPointer: TSkinControl::AfterMessage(message); break;
    case PartTracker::Outcome::Changed: Repaint(); break;
    case PartTracker::Outcome::Unchanged: break;
    }
}

bool TSkinControl::Transparent() const {
    if (m_control && m_control->Tag() == kTransparentTag)
        return true;
    return m_skin && (m_skin->Options() & Bit(xoTransparent));
}

win::DWORD TSkinControl::WindowStyle() const {
    if (m_graphic || !m_hwnd)
        return 0;
    return static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_STYLE));
}

bool TSkinControl::WindowDisabled() const {
    if (m_graphic)
        return m_control && !m_control->Enabled();
    return (WindowStyle() & win::WS_DISABLED) != 0;
}

bool TSkinControl::HasFocus() const {
    return !m_graphic && m_hwnd && win::GetFocus() == m_hwnd;
}

std::string TSkinControl::CaptionText() const {
    if (m_control) {
        if (auto caption = props::Text(*m_control, "Caption"))
            return *caption;
        return m_control->Caption();
    }
    if (!m_hwnd)
        return m_caption;
    const int length = std::min(win::GetWindowTextLengthA(m_hwnd), kMaxCaption);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = win::GetWindowTextA(m_hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::clamp(got, 0, length)));
    return text;
}

win::HFONT TSkinControl::FontHandle() const {
    if (m_control)
        return m_control->Font()->Handle();
    auto font = reinterpret_cast<win::HFONT>(win::SendMessageA(m_hwnd, win::WM_GETFONT, 0, 0));
    return font ? font : static_cast<win::HFONT>(win::GetStockObject(win::DEFAULT_GUI_FONT));
}

win::COLORREF TSkinControl::FontColour() const {
    if (m_control)
        return tk::ColorToRGB(m_control->Font()->Color());
    return win::GetSysColor(win::COLOR_BTNTEXT);
}

win::RECT TSkinControl::Bounds() const {
    if (m_graphic)
        return m_control ? win::RECT{0, 0, m_control->Width(), m_control->Height()} : win::RECT{};
    win::RECT r{};
    if (m_hwnd)
        win::GetWindowRect(m_hwnd, &r);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

tk::TColor TSkinControl::FaceColour() const {
    return m_skin ? m_skin->SkinColours[scButtonFace] : tk::clBtnFace;
}

void TSkinControl::SetHot() {
    if (m_flags.hot || WindowDisabled())
        return;
    m_flags.hot = true;
    Repaint();
    if (!m_graphic)
        WinSkinData::TrackMouseLeave(m_hwnd);
}

} // namespace skin
