#include "skin/package/TLZH.h"

#include "skin/package/LzhModel.h"

#include <array>
#include <memory>
#include <new>

namespace skin {

using namespace lzh;

namespace {

class BitInput {
public:
    explicit BitInput(const TLZH::ReadProc& read) : read_(read) {}

    int Bit() {
        Fill();
        const int bit = buffer_ >> 15;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
        --count_;
        return bit;
    }

    int Byte() {
        Fill();
        const int byte = buffer_ >> 8;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
        count_ -= 8;
        return byte;
    }

private:
    void Fill() {
        while (count_ <= 8) {
            std::uint8_t byte = 0;
            if (read_(&byte, 1) != 1)
                byte = 0;
            buffer_ = static_cast<std::uint16_t>(buffer_ | (byte << (8 - count_)));
            count_ += 8;
        }
    }

    const TLZH::ReadProc& read_;
    std::uint16_t buffer_ = 0;
    int count_ = 0;
};

} // namespace

std::int32_t TLZH::ReadInt32(const std::uint8_t* bytes) {
    const std::uint32_t v = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                            std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    return static_cast<std::int32_t>(v);
}

void TLZH::Decode(std::int32_t expandedSize, const ReadProc& read, const WriteProc& write) {
    std::unique_ptr<LzhModel> model;
    std::unique_ptr<std::array<std::uint8_t, RingSize + MaxMatch - 1>> ring;
    try {
        model = std::make_unique<LzhModel>();
        ring = std::make_unique<std::array<std::uint8_t, RingSize + MaxMatch - 1>>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(NoMemoryMessage);
    }
    model->Start();
    std::uint8_t* text = ring->data();
    std::fill(text, text + RingStart, std::uint8_t(' '));
    int r = RingStart;

    BitInput in(read);
    const PositionTables& positions = Positions();
    const auto& son = model->Son;
    std::int64_t count = 0;
    while (count < expandedSize) {
        int node = son[Root];
        while (node < TableSize)
            node = son[node + in.Bit()];
        const int symbol = node - TableSize;
        model->Update(symbol);

        if (symbol < 256) {
            write(static_cast<std::uint8_t>(symbol));
            text[r] = static_cast<std::uint8_t>(symbol);
            r = (r + 1) & (RingSize - 1);
            ++count;
            continue;
        }
        int b = in.Byte();
        const int high = positions.DecodeCode[b] << 6;
        for (int extra = positions.DecodeLen[b] - 2; extra > 0; --extra)
            b = (b << 1) + in.Bit();
        const int distance = high | (b & 0x3F);
        const int from = (r - distance - 1) & (RingSize - 1);
        const int length = symbol - MatchSymbolBase;
        for (int k = 0; k < length; ++k) {
            const std::uint8_t c = text[(from + k) & (RingSize - 1)];
            write(c);
            text[r] = c;
            r = (r + 1) & (RingSize - 1);
        }
        count += length;
    }
}

bool TLZH::ExpandContainer(std::span<const std::uint8_t> container, std::int32_t maxExpandedSize,
                           std::vector<std::uint8_t>& output, std::string& error) {
    output.clear();
    if (container.size() < 4)
        return true;
    const std::int32_t size = ReadInt32(container.data());
    if (size < 0) {
        error = "LZH container: expanded size " + std::to_string(size) + " is negative";
        return false;
    }
    if (size > maxExpandedSize) {
        error = "LZH container: expanded size " + std::to_string(size) + " exceeds the limit of " +
                std::to_string(maxExpandedSize) + " bytes";
        return false;
    }
    std::span<const std::uint8_t> bits = container.subspan(4);
    std::size_t next = 0;
    output.reserve(static_cast<std::size_t>(size) + MaxMatch);
    TLZH lzh;
    lzh.Decode(
        size,
        [&](std::uint8_t* buffer, int count) {
            int n = 0;
            while (n < count && next < bits.size())
                buffer[n++] = bits[next++];
            return n;
        },
        [&](std::uint8_t byte) { output.push_back(byte); });
    output.resize(static_cast<std::size_t>(size));
    return true;
}

} // namespace skin
