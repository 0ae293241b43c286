// A skin element: an image of FrameCount state frames, sliced by four margins, with its drawing flags and
// state colours. Which state sits in which frame is the painter's business.
#pragma once

#include "skin/data/TSkinBitmap.h"

#include "platform/win.h"
#include "toolkit/TColor.h"

#include <string>

namespace skin {

// "Not given" for the state colours read with a default of -1.
constexpr tk::TColor kNoColour = 0xFFFFFFFF;

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : ElementName(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    // left = LeftWidth, top = TopHeight, right = RightWidth, bottom = BottomHeight.
    win::RECT Margins{};
    TSkinBitmap Image;
    int Trans = 0;
    int Tile = 0;
    std::string ElementName;
    int FrameCount = 0;
    int Style = 0;
    tk::TColor NormalColour = kNoColour;
    tk::TColor MouseOverColour = kNoColour;
    tk::TColor PressedColour = kNoColour;
    tk::TColor NormalColour2 = 0;
    tk::TColor MouseOverColour2 = 0;
    tk::TColor PressedColour2 = 0;

    int LeftWidth() const { return Margins.left; }
    int TopHeight() const { return Margins.top; }
    int RightWidth() const { return Margins.right; }
    int BottomHeight() const { return Margins.bottom; }

    // The size of one frame when the frames lie side by side (or one above the other), at least 1 frame.
    int FrameWidth() const;
    int FrameHeight() const;
};

} // namespace skin
