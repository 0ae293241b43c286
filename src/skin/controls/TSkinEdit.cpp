#include "skin/controls/TSkinEdit.h"

#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include <algorithm>

namespace skin {

TK_IMPLEMENT_CLASS(TSkinEdit, TSkinControl, nullptr)

TSkinEdit::TSkinEdit(tk::TComponent* owner) : TSkinControl(owner) {
}

void TSkinEdit::OnAttached() {
    // FIXME: with xcSpin, the first child whose class is "msctls_updown32" or contains "spin" or "updown"
    // should get an up-down skinner attached by handle, once there is one.
}

win::SIZE TSkinEdit::BorderSize() const {
    win::RECT window{}, client{};
    win::GetWindowRect(Window(), &window);
    win::GetClientRect(Window(), &client);
    return {std::max(0, ((window.right - window.left) - client.right) / 2),
            std::max(0, ((window.bottom - window.top) - client.bottom) / 2)};
}

void TSkinEdit::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_NCPAINT: PaintWindow(nullptr); break;
    case win::WM_PRINT: PrintFrame(reinterpret_cast<win::HDC>(message.WParam)); break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinEdit::Draw(win::HDC dc, const win::RECT& rect) {
    const win::SIZE border = BorderSize();
    if (!dc || !Skin() || (border.cx == 0 && border.cy == 0))
        return;
    FrameSolid(dc, rect, Skin()->SkinColours[scButtonShadow], 0);
    // The white rings stay within the border, never over the text.
    const int rings = std::min(2, std::min(border.cx, border.cy) - 1);
    for (int inset = 1; inset <= rings; ++inset)
        FrameSolid(dc, rect, tk::clWhite, inset);
}

void TSkinEdit::PrintFrame(win::HDC dc) {
    const win::SIZE border = BorderSize();
    if (!dc || !Skin() || border.cx <= 1 || border.cy <= 1)
        return;
    const win::RECT rect = Bounds();
    FrameSolid(dc, rect, Skin()->SkinColours[scButtonShadow], 0);
    win::RECT inner = rect;
    win::InflateRect(&inner, -1, -1);
    if (auto brush = static_cast<win::HBRUSH>(win::GetCurrentObject(dc, win::OBJ_BRUSH)))
        win::FrameRect(dc, &inner, brush);
}

} // namespace skin
