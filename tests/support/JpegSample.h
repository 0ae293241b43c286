// A small baseline JPEG for picture-reading tests: its left half one colour, its right half another.
#pragma once

#include <cstdint>
#include <vector>

namespace testsupport {

struct Rgb {
    std::uint8_t r, g, b;
};

std::vector<std::uint8_t> EncodeTwoToneJpeg(int width, int height, Rgb left, Rgb right);

} // namespace testsupport
