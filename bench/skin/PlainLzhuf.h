// The yardstick for the skin decoder: LZHUF decoding written the classic way (global tables, one bit taken
// at a time from a 16-bit buffer, a ring buffer indexed modulo its size), kept here only to be measured
// against.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plainlzhuf {

// Decodes `size` bytes from `in` into `out`, which must have room for size + 59 bytes.
void Decode(const std::uint8_t* in, std::size_t inSize, std::uint8_t* out, long size);

} // namespace plainlzhuf
