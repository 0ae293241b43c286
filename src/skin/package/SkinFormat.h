// The known package format numbers and the size of the block each one carries after the 16-byte header.
#pragma once

#include <array>
#include <cstdint>

namespace skin {

struct TSkinFormat {
    std::int32_t Number;
    std::int32_t SkippedBlock;
};

inline constexpr std::array<TSkinFormat, 6> SkinFormats{{
    {20000, 0},
    {30000, 256},
    {40000, 80},
    {50000, 48},
    {60000, 117},
    {70000, 69},
}};

inline constexpr std::int32_t DefaultSkinFormat = 70000;

// nullptr for a number that is not one of the known formats.
constexpr const TSkinFormat* FindSkinFormat(std::int32_t number) {
    for (const TSkinFormat& format : SkinFormats) {
        if (format.Number == number)
            return &format;
    }
    return nullptr;
}

} // namespace skin
