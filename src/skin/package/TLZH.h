// LZHUF decompression: LZSS over a 4,096-byte ring with adaptive Huffman coding of literals and match
// lengths. The decoder takes its input and gives its output one byte at a time through procedures, or works
// straight on a container held in memory.
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

// What a decode met on its way. The program ignores it (missing input reads as zero bits); the tools for
// skin makers refuse a stream that needed bits it does not have.
struct TLZHReport {
    std::int32_t DeclaredSize = 0; // the expanded size asked for (read from the container when there is one)
    bool SizeMissing = false;      // the container was too short to hold the expanded size
    std::int64_t Written = 0;      // bytes the decoder produced, the last match whole
    std::uint64_t BitsPastEnd = 0; // bits taken after the input ran out, read as zeros
    std::int64_t OverrunOffset = -1; // output offset of the first symbol that needed such bits

    bool Overran() const { return BitsPastEnd != 0; }
    std::uint64_t BytesMissing() const { return (BitsPastEnd + 7) / 8; }
};

class TLZH {
public:
    // Asked for up to `count` bytes (the decoder asks for one); returns how many it delivered, 0 at the end.
    using ReadProc = std::function<int(std::uint8_t* buffer, int count)>;
    using WriteProc = std::function<void(std::uint8_t byte)>;

    static constexpr const char* NoMemoryMessage = "LZH : Cannot get memory for dictionary tables";

    // Decodes until at least `expandedSize` bytes have been written; the last match is always written whole,
    // so up to lzh::MaxMatch - 1 bytes more may come out. Input that runs out reads as zero bits.
    TLZHReport Decode(std::int32_t expandedSize, const ReadProc& read, const WriteProc& write);

    // The stored container: a 32-bit little-endian expanded size, then the bit stream. Gives exactly the
    // expanded size in `output`. A container shorter than four bytes, or one whose size is negative, expands
    // to nothing; a size above `maxExpandedSize` is refused with a message in `error`. `report`, when
    // given, says what the decode met.
    static bool ExpandContainer(std::span<const std::uint8_t> container, std::int32_t maxExpandedSize,
                                std::vector<std::uint8_t>& output, std::string& error,
                                TLZHReport* report = nullptr);

    static std::int32_t ReadInt32(const std::uint8_t* bytes);
};

} // namespace skin
