// Enumerations several widgets publish, with the member names layouts and the skin engine use.
#pragma once

#include "toolkit/Property.h"

namespace tk {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TLeftRight { taLeftJustify, taRightJustify };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle { bsNone, bsSingle };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

inline const EnumInfo kAlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
inline const EnumInfo kLeftRightInfo{"TLeftRight", {"taLeftJustify", "taRightJustify"}};
inline const EnumInfo kBevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
inline const EnumInfo kBorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};
inline const EnumInfo kButtonLayoutInfo{"TButtonLayout",
                                        {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
inline const EnumInfo kCheckBoxStateInfo{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};

} // namespace tk
