#include "skin/controls/TSkinScControl.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinScControl, TSkinScrollbar, nullptr)

TSkinScControl::TSkinScControl(tk::TComponent* owner) : TSkinScrollbar(owner) {
}

} // namespace skin
