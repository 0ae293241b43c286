#include "toolkit/TGraphicControl.h"

namespace tk {

TK_IMPLEMENT_CLASS(TGraphicControl, TControl, nullptr)

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
}

} // namespace tk
