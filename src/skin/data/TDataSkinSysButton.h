// A caption button or one of the three MDI child buttons; the meaning of the values belongs to the frame.
#pragma once

#include "skin/data/TDataSkinObject.h"

namespace skin {

class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int Action = 0;
    int Align = 0;
    int XCoord = 0;
    int YCoord = 0;
    int CombineOp = 0;
    int Visibility = 0;
    int Visibility1 = 0;
};

} // namespace skin
