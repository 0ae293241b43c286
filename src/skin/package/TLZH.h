// LZHUF decompression: LZSS over a 4,096-byte ring with adaptive Huffman coding of literals and match
// lengths. The decoder takes its input and gives its output one byte at a time through procedures.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace skin {

class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLZH {
public:
    // Asked for up to `count` bytes (the decoder asks for one); returns how many it delivered, 0 at the end.
    using ReadProc = std::function<int(std::uint8_t* buffer, int count)>;
    using WriteProc = std::function<void(std::uint8_t byte)>;

    static constexpr const char* NoMemoryMessage = "LZH : Cannot get memory for dictionary tables";

    // Decodes until at least `expandedSize` bytes have been written; the last match is always written whole,
    // so up to lzh::MaxMatch - 1 bytes more may come out. Input that runs out reads as zero bits.
    void Decode(std::int32_t expandedSize, const ReadProc& read, const WriteProc& write);

    // The stored container: a 32-bit little-endian expanded size, then the bit stream. Gives exactly the
    // expanded size in `output`. A container shorter than four bytes expands to nothing; a negative size or
    // one above `maxExpandedSize` is refused with a message in `error`.
    static bool ExpandContainer(std::span<const std::uint8_t> container, std::int32_t maxExpandedSize,
                                std::vector<std::uint8_t>& output, std::string& error);

    static std::int32_t ReadInt32(const std::uint8_t* bytes);
};

} // namespace skin
