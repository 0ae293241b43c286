// LZHUF compression, the counterpart of TLZH: greedy LZSS matching over hash chains, coded with the same
// adaptive Huffman model, so that TLZH reproduces the input exactly.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace skin {

class TLZHEncoder {
public:
    // The bit stream alone, padded with zero bits to a whole byte.
    static std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> data);

    // The stored container: the 32-bit little-endian size of `data`, then its bit stream.
    // Throws std::length_error for data of 2 GiB or more, which the size field cannot state.
    static std::vector<std::uint8_t> CompressContainer(std::span<const std::uint8_t> data);
};

} // namespace skin
