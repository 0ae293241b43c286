#include "skin/controls/TSkinEdit.h"

#include "skin/controls/SkinPainting.h"
#include "skin/controls/TSkinUpDown.h"
#include "skin/data/TSkinData.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace skin {

namespace {

constexpr int kClassNameCapacity = 256;

} // namespace

TK_IMPLEMENT_CLASS(TSkinEdit, TSkinControl, nullptr)

TSkinEdit::TSkinEdit(tk::TComponent* owner) : TSkinControl(owner) {
}

namespace {

bool IsSpinClass(win::HWND hwnd) {
    char name[kClassNameCapacity] = {};
    const int length = win::GetClassNameA(hwnd, name, kClassNameCapacity);
    std::string lower(name, static_cast<std::size_t>(std::clamp(length, 0, kClassNameCapacity - 1)));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "msctls_updown32" || lower.find("spin") != std::string::npos ||
           lower.find("updown") != std::string::npos;
}

} // namespace

// An edit with its own spin buttons inside gets them skinned too. The up-down skinner belongs to this one
// (freed with it) rather than to the frame, which never sees the child.
void TSkinEdit::OnAttached() {
    if (!Skin() || (Skin()->SkinControls() & Bit(xcSpin)) == 0)
        return;
    for (win::HWND child = win::GetWindow(Window(), win::GW_CHILD); child;
         child = win::GetWindow(child, win::GW_HWNDNEXT)) {
        if (!IsSpinClass(child))
            continue;
        auto* spin = new TSkinUpDown(this);
        spin->AttachToWindow(child, SkinnerContext{Skin(), false, Canvas(), nullptr});
        return;
    }
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
