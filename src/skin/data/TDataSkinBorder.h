// An element with a second image: the window border pieces, Progress, Tabs, ComboButton and the spin buttons
// (whose second image holds their arrow glyphs).
#pragma once

#include "skin/data/TDataSkinObject.h"

namespace skin {

class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TSkinBitmap SecondImage;
};

} // namespace skin
