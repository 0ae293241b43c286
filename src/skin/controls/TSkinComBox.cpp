#include "skin/controls/TSkinComBox.h"

#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

namespace skin {

namespace {

// Frames of the combo-arrow element.
enum ComboFrame { cfNormal = 1, cfHot = 2, cfPressed = 3, cfDisabled = 4 };

} // namespace

TK_IMPLEMENT_CLASS(TSkinComBox, TSkinControl, nullptr)

TSkinComBox::TSkinComBox(tk::TComponent* owner) : TSkinControl(owner) {
}

TSkinComBox::~TSkinComBox() {
    m_listBar.reset();
}

void TSkinComBox::OnAttached() {
    win::COMBOBOXINFO info{};
    if (!win::GetComboBoxInfo(Window(), &info) || !win::IsWindow(info.hwndList))
        return;
    // The list bar is this skinner's, not the frame's: it goes when the box's skinner goes.
    m_listBar = std::make_unique<TComboxScrollBar>(nullptr);
    m_listBar->AttachToWindow(info.hwndList, SkinnerContext{Skin(), false, Canvas(), nullptr});
}

void TSkinComBox::Detach() {
    if (!Attached())
        return;
    if (m_listBar)
        m_listBar->Detach();
    m_listBar.reset();
    TSkinControl::Detach();
}

bool TSkinComBox::Dropped() const {
    return win::SendMessageA(Window(), win::CB_GETDROPPEDSTATE, 0, 0) != 0;
}

int TSkinComBox::ButtonFrame() const {
    if (WindowDisabled())
        return cfDisabled;
    if (Dropped())
        return cfPressed;
    return m_flags.hot ? cfHot : cfNormal;
}

win::RECT TSkinComBox::ButtonRect() const {
    win::COMBOBOXINFO info{};
    if (!win::GetComboBoxInfo(Window(), &info))
        return {};
    win::RECT window{};
    win::GetWindowRect(Window(), &window);
    win::POINT client{0, 0};
    win::ClientToScreen(Window(), &client);
    win::RECT button = info.rcButton;
    win::OffsetRect(&button, client.x - window.left, client.y - window.top);
    return button;
}

void TSkinComBox::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_MOUSEMOVE: OnMouseMove(); break;
    case win::WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE: OnMouseLeave(); break;
    case win::WM_NCPAINT: PaintWindow(nullptr); break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinComBox::OnMouseMove() {
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    win::RECT window{};
    win::GetWindowRect(Window(), &window);
    if (win::PtInRect(&window, cursor))
        SetHot();
}

void TSkinComBox::OnMouseLeave() {
    if (!m_flags.hot)
        return;
    m_flags.hot = false;
    Repaint();
}

void TSkinComBox::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skin() || !Skin()->ComboxArrow || Skin()->ComboxArrow->Image.Empty())
        return;
    FrameSolid(dc, rect, Skin()->SkinColours[scButtonShadow]);
    FrameSolid(dc, rect, FaceColour(), 1);
    const win::RECT button = ButtonRect();
    if (button.right > button.left && button.bottom > button.top)
        DrawElementFrame(dc, button, *Skin()->ComboxArrow, ButtonFrame());
}

} // namespace skin
