// Push buttons, with the check-box and radio-button images.
#pragma once

#include "skin/data/TDataSkinObject.h"

namespace skin {

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TSkinBitmap CheckImage;
    TSkinBitmap RadioImage;
    int RadioFrameCount = 0;
    int CheckFrameCount = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

} // namespace skin
