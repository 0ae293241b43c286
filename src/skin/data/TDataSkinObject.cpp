#include "skin/data/TDataSkinObject.h"

namespace skin {

int TDataSkinObject::FrameWidth() const {
    return Image.Width() / (FrameCount > 0 ? FrameCount : 1);
}

int TDataSkinObject::FrameHeight() const {
    return Image.Height() / (FrameCount > 0 ? FrameCount : 1);
}

} // namespace skin
