// The caption text. Its base fields carry the caption layout: Image is the text background, LeftWidth the
// text shift, TopHeight the vertical shift and RightWidth the right clip.
#pragma once

#include "skin/data/TDataSkinObject.h"

namespace skin {

class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int TextAlignment = 0;
    int Textbackground = 0;
    int FontHeight = 0;
    int TXTBackleft = 0;
    int TXTBackRight = 0;
    tk::TColor ActiveTextColour = tk::clNone;
    tk::TColor InActiveTextColour = tk::clNone;
};

} // namespace skin
