// Turns a recognised kind into a new skinner, owned by `owner` (the control it will sit on, or the frame for
// skinners attached by window handle). Kinds without a skinner here give null.
#pragma once

#include "skin/controls/SkinnerKind.h"

namespace tk {
class TComponent;
}

namespace skin {

class TSkinControl;

TSkinControl* MakeSkinner(SkinnerKind kind, tk::TComponent* owner);

} // namespace skin
