#include "skin/controls/TSkinScrollbar.h"

#include "skin/controls/ControlProperties.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TControl.h"

#include <algorithm>
#include <cctype>

namespace skin {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

TK_IMPLEMENT_CLASS(TSkinScrollbar, TSkinControl, nullptr)

TSkinScrollbar::TSkinScrollbar(tk::TComponent* owner) : TSkinControl(owner) {
}

TSkinScrollbar::~TSkinScrollbar() {
    DropOverlays();
}

void TSkinScrollbar::AttachToControl(tk::TControl* control, const SkinnerContext& context) {
    AttachWithScrollBars(control, context);
}

void TSkinScrollbar::AttachWithScrollBars(tk::TControl* control, const SkinnerContext& context) {
    if (Attached())
        return;
    m_frame = context.owner;
    SkinnerContext plain = context;
    // The overlays carry the skin; the control's own colour stays.
    plain.recolour = false;
    TSkinControl::AttachToControl(control, plain);
}

void TSkinScrollbar::AttachToWindow(win::HWND hwnd, const SkinnerContext& context) {
    if (Attached())
        return;
    m_frame = context.owner;
    TSkinControl::AttachToWindow(hwnd, context);
}

bool TSkinScrollbar::DrawsBorder() const {
    if (tk::TControl* control = Control()) {
        if (control->ClassName() == "TImageScrollBox")
            return false;
        const auto style = props::Text(*control, "BorderStyle");
        return !style || Lower(*style) != "bsnone";
    }
    const auto ex = static_cast<win::DWORD>(win::GetWindowLongA(Window(), win::GWL_EXSTYLE));
    return (WindowStyle() & win::WS_BORDER) != 0 || (ex & win::WS_EX_CLIENTEDGE) != 0;
}

void TSkinScrollbar::OnAttached() {
    m_border = DrawsBorder();
    for (int which : {TWScrollbar::wbHorizontal, TWScrollbar::wbVertical})
        m_bars[which] = std::make_unique<TWScrollbar>(static_cast<TWScrollbar::Which>(which), Window(),
                                                      nullptr, Skin(), Canvas());
    PositionOverlays();
    if (win::IsWindow(Window()))
        win::RedrawWindow(Window(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
}

void TSkinScrollbar::DropOverlays() {
    for (auto& bar : m_bars)
        bar.reset();
}

void TSkinScrollbar::Detach() {
    if (!Attached())
        return;
    DropOverlays();
    TSkinControl::Detach();
    // The real bars and border show again.
    if (!Dead() && win::IsWindow(Window()))
        win::RedrawWindow(Window(), nullptr, nullptr,
                          win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_UPDATENOW);
}

void TSkinScrollbar::SkinChanged() {
    TSkinControl::SkinChanged();
    PositionOverlays();
    RedrawOverlays();
}

TWScrollbar* TSkinScrollbar::Overlay(int which) const {
    if (which != TWScrollbar::wbHorizontal && which != TWScrollbar::wbVertical)
        return nullptr;
    return m_bars[which].get();
}

void TSkinScrollbar::PositionOverlays() {
    if (Dead() || !DrawingOn())
        return;
    for (auto& bar : m_bars)
        if (bar)
            bar->Position();
}

// With drawing off the control's own bars show; the overlays come back over them when it is on again.
void TSkinScrollbar::OnDrawingSwitched(bool on) {
    if (on) {
        PositionOverlays();
        RedrawOverlays();
        return;
    }
    for (auto& bar : m_bars)
        if (bar)
            bar->Hide();
}

void TSkinScrollbar::RedrawOverlays() {
    for (auto& bar : m_bars)
        if (bar)
            bar->Redraw();
}

bool TSkinScrollbar::BeforeMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_NCDESTROY: {
        const bool goOn = TSkinControl::BeforeMessage(message);
        DropOverlays();
        return goOn;
    }
    default: return TSkinControl::BeforeMessage(message);
    }
}

void TSkinScrollbar::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_SIZE:
    case win::WM_WINDOWPOSCHANGED:
    case win::WM_SHOWWINDOW:
    case win::WM_STYLECHANGED:
    case win::WM_ENABLE:
    case tk::CM_VISIBLECHANGED: PositionOverlays(); break;
    case win::WM_HSCROLL: OnScroll(TWScrollbar::wbHorizontal, message.WParam); break;
    case win::WM_VSCROLL: OnScroll(TWScrollbar::wbVertical, message.WParam); break;
    case win::WM_MOUSEWHEEL: RedrawOverlays(); break;
    case win::WM_NCPAINT: PaintNonClient(); break;
    case tk::CM_RECREATEWND: AskForRenewal(); break;
    case win::WM_PAINT:
        TSkinControl::AfterMessage(message);
        // The control may have scrolled or gained a bar while painting its text.
        PositionOverlays();
        RedrawOverlays();
        break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinScrollbar::OnScroll(int which, win::WPARAM wParam) {
    if (m_bars[which])
        m_bars[which]->ShowPart(win::LOWORD(wParam));
}

win::RECT TSkinScrollbar::CornerRect() const {
    const TWScrollbar* h = m_bars[TWScrollbar::wbHorizontal].get();
    const TWScrollbar* v = m_bars[TWScrollbar::wbVertical].get();
    if (!h || !v || !h->Showing() || !v->Showing() || !win::IsWindow(Window()))
        return {};
    // The bars are known in the parent's client coordinates; the corner is drawn in the control's window.
    win::RECT window{};
    win::GetWindowRect(Window(), &window);
    win::POINT origin{window.left, window.top};
    if (const win::HWND parent = win::GetParent(Window()))
        win::ScreenToClient(parent, &origin);
    const win::RECT& hb = h->BarRect();
    const win::RECT& vb = v->BarRect();
    win::RECT corner{vb.left, hb.top, vb.right, hb.bottom};
    win::OffsetRect(&corner, -origin.x, -origin.y);
    return corner;
}

void TSkinScrollbar::PaintNonClient() {
    if (!Skin() || Dead() || !win::IsWindow(Window()))
        return;
    const win::RECT corner = CornerRect();
    const bool fillCorner = corner.right > corner.left && corner.bottom > corner.top;
    if (!m_border && !fillCorner) {
        RedrawOverlays();
        return;
    }
    win::HDC dc = win::GetWindowDC(Window());
    if (!dc)
        return;
    if (m_border) {
        const win::RECT whole = Bounds();
        FrameSolid(dc, whole, Skin()->SkinColours[scButtonShadow]);
        FrameSolid(dc, whole, FaceColour(), 1);
    }
    if (fillCorner)
        FillSolid(dc, corner, FaceColour());
    win::ReleaseDC(Window(), dc);
    RedrawOverlays();
}

void TSkinScrollbar::AskForRenewal() {
    // The control's window and bars are new: the frame makes a new skinner for them.
    if (m_frame && m_frame->OwnerWindow())
        win::PostMessageA(m_frame->OwnerWindow(), SkinMsgRenewScrollbar,
                          reinterpret_cast<win::WPARAM>(Window()), 0);
}

} // namespace skin
