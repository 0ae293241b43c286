// The program's icon: a taxi's yellow roof sign with a check mark, on the car's roof with its chequered band.
// It is drawn from shapes at each size rather than scaled from one picture, so that the small sizes stay
// crisp: below 32 pixels the band is left out and the lines keep at least about two pixels.
#pragma once

#include "platform/gdi/Surface.h"

#include <memory>
#include <string>

namespace appicon {

class AppIcon {
public:
    static constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

    // `size` x `size` pixels, 0xAARRGGBB with straight (not premultiplied) alpha; transparent around the
    // shape. Sizes are clamped to 1..1024.
    static std::unique_ptr<win::gdi::Surface> Render(int size);
    // The icon as a PNG with alpha, written beside `path` and renamed into place.
    static bool WriteFile(int size, const std::string& path, std::string* error);
};

} // namespace appicon
