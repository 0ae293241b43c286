// Group boxes: the caption background's placement.
#pragma once

#include "skin/data/TDataSkinObject.h"

namespace skin {

class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int BackgroundLeftShift = 0;
    int BackgroundRightShift = 0;
    int BackgroundAlignment = 0;
};

} // namespace skin
