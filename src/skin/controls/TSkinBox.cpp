#include "skin/controls/TSkinBox.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinBox, TSkinControl, nullptr)

TSkinBox::TSkinBox(tk::TComponent* owner) : TSkinControl(owner) {
}

} // namespace skin
