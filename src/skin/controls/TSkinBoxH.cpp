#include "skin/controls/TSkinBoxH.h"

#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinBoxH, TSkinControl, nullptr)

TSkinBoxH::TSkinBoxH(tk::TComponent* owner) : TSkinControl(owner) {
}

bool TSkinBoxH::BeforeMessage(tk::TMessage& message) {
    if (message.Msg != win::WM_ERASEBKGND)
        return TSkinControl::BeforeMessage(message);
    win::RECT client{};
    win::GetClientRect(Window(), &client);
    FillSolid(reinterpret_cast<win::HDC>(message.WParam), client, FaceColour());
    message.Result = 1;
    return false;
}

void TSkinBoxH::AfterMessage(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_CTLCOLORBTN:
    case win::WM_CTLCOLORSTATIC:
        win::SetBkMode(reinterpret_cast<win::HDC>(message.WParam), win::TRANSPARENT);
        if (message.Msg == win::WM_CTLCOLORSTATIC && Skin() && Skin()->FaceBrush)
            message.Result = reinterpret_cast<win::LRESULT>(Skin()->FaceBrush);
        break;
    default: TSkinControl::AfterMessage(message); break;
    }
}

} // namespace skin
