#include "skin/controls/TSkinUpDown.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TDataSkinBorder.h"
#include "skin/data/TSkinData.h"

namespace skin {

namespace {

constexpr int kFramesPerButton = 4;
constexpr int kButtonFrames = 8;

} // namespace

TK_IMPLEMENT_CLASS(TSkinUpDown, TSkinControl, nullptr)

TSkinUpDown::TSkinUpDown(tk::TComponent* owner) : TSkinControl(owner) {
}

int TSkinUpDown::ButtonFrame(int button, bool hot, bool pressed, bool disabled) {
    return (button == 0 ? 0 : kFramesPerButton) + FourStateFrame(hot, pressed, disabled);
}

const TDataSkinBorder* TSkinUpDown::Element() const {
    if (!Skin())
        return nullptr;
    const TDataSkinBorder* element = Horizontal() ? Skin()->UpDownHorz.get() : Skin()->UpDownVert.get();
    return HasImage(element) ? element : nullptr;
}

bool TSkinUpDown::Horizontal() const {
    return (WindowStyle() & win::UDS_HORZ) != 0;
}

// The first button is the top half (up) or the left half; the control steps by the same halves.
win::RECT TSkinUpDown::ButtonRect(const win::RECT& rect, int button) const {
    win::RECT part = rect;
    if (Horizontal()) {
        const int middle = (rect.left + rect.right) / 2;
        (button == 0 ? part.right : part.left) = middle;
    } else {
        const int middle = (rect.top + rect.bottom) / 2;
        (button == 0 ? part.bottom : part.top) = middle;
    }
    return part;
}

int TSkinUpDown::ButtonAt(win::LPARAM point) const {
    const win::RECT r = Bounds();
    const int x = win::GET_X_LPARAM(point), y = win::GET_Y_LPARAM(point);
    if (x < r.left || y < r.top || x >= r.right || y >= r.bottom)
        return kNoButton;
    if (Horizontal())
        return x >= (r.left + r.right) / 2 ? 1 : 0;
    return y < (r.top + r.bottom) / 2 ? 0 : 1;
}

bool TSkinUpDown::BeforeMessage(tk::TMessage& message) {
    if (Element() && TakeOverPainting(*this, message))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinUpDown::AfterMessage(tk::TMessage& message) {
    const auto buttonAt = [this](win::LPARAM point) { return ButtonAt(point); };
    FollowParts(m_buttons, message, buttonAt);
}

void TSkinUpDown::Draw(win::HDC dc, const win::RECT& rect) {
    const TDataSkinBorder* element = Element();
    if (!dc || !element)
        return;
    FillSolid(dc, rect, Skin()->SkinColours[scButtonFace]);
    const bool disabled = WindowDisabled();
    for (int button = 0; button < 2; ++button) {
        const win::RECT part = ButtonRect(rect, button);
        const int frame =
            ButtonFrame(button, m_buttons.Hot() == button, m_buttons.Pressed() == button, disabled);
        DrawElementFrame(dc, part, *element, frame);
        if (!element->SecondImage.Empty())
            DrawImageFrame(dc, part, element->SecondImage, kButtonFrames, frame, true);
    }
}

} // namespace skin
