#include "toolkit/TCustomControl.h"

namespace tk {

TK_IMPLEMENT_CLASS(TCustomControl, TWinControl, nullptr)

} // namespace tk
