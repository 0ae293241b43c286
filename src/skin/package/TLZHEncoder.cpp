#include "skin/package/TLZHEncoder.h"

#include "skin/package/LzhModel.h"

#include "platform/os/Bytes.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace skin {

using namespace lzh;

namespace {

class BitOutput {
public:
    explicit BitOutput(std::vector<std::uint8_t>& out) : out_(out) {}

    void Put(unsigned value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            acc_ = static_cast<std::uint8_t>((acc_ << 1) | ((value >> i) & 1));
            if (++count_ == 8) {
                out_.push_back(acc_);
                acc_ = 0;
                count_ = 0;
            }
        }
    }

    void Flush() {
        if (count_ > 0)
            out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - count_)));
        acc_ = 0;
        count_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint8_t acc_ = 0;
    int count_ = 0;
};

constexpr int HashBits = 15;
constexpr int ChainLimit = 256;
constexpr int ChainMask = 2 * RingSize - 1;

unsigned Hash3(const std::uint8_t* p) {
    return ((unsigned(p[0]) << 10) ^ (unsigned(p[1]) << 5) ^ p[2]) & ((1u << HashBits) - 1);
}

class Encoder {
public:
    Encoder(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& out) : bits_(out) {
        // The decoder's ring starts with spaces; matches may reach back into them.
        buf_.assign(RingStart, ' ');
        buf_.insert(buf_.end(), data.begin(), data.end());
        head_.assign(std::size_t(1) << HashBits, -1);
        prev_.assign(ChainMask + 1, -1);
        model_.Start();
    }

    void Run() {
        const std::int64_t end = static_cast<std::int64_t>(buf_.size());
        for (std::int64_t p = 0; p < RingStart; ++p)
            Insert(p);
        std::int64_t cur = RingStart;
        while (cur < end) {
            const int limit = static_cast<int>(std::min<std::int64_t>(MaxMatch, end - cur));
            int distance = 0;
            const int length = limit > Threshold ? LongestMatch(cur, limit, distance) : 0;
            if (length > Threshold) {
                PutSymbol(MatchSymbolBase + length);
                PutDistance(distance);
                for (int k = 0; k < length; ++k)
                    Insert(cur + k);
                cur += length;
            } else {
                PutSymbol(buf_[cur]);
                Insert(cur);
                ++cur;
            }
        }
        bits_.Flush();
    }

private:
    void Insert(std::int64_t p) {
        if (p + 2 >= static_cast<std::int64_t>(buf_.size()))
            return;
        const unsigned h = Hash3(&buf_[p]);
        prev_[p & ChainMask] = head_[h];
        head_[h] = p;
    }

    int LongestMatch(std::int64_t cur, int limit, int& distance) const {
        int best = 0;
        const std::int64_t oldest = std::max<std::int64_t>(0, cur - RingSize);
        std::int64_t cand = head_[Hash3(&buf_[cur])];
        for (int steps = 0; cand >= oldest && steps < ChainLimit; ++steps) {
            int len = 0;
            while (len < limit && buf_[cand + len] == buf_[cur + len])
                ++len;
            if (len > best) {
                best = len;
                distance = static_cast<int>(cur - cand - 1);
                if (len == limit)
                    break;
            }
            cand = prev_[cand & ChainMask];
        }
        return best;
    }

    void PutSymbol(int symbol) {
        // Gather the path from the leaf up, then send it root first.
        int path[TableSize];
        int depth = 0;
        for (int node = model_.Parent[symbol + TableSize]; node != Root; node = model_.Parent[node])
            path[depth++] = node & 1;
        while (depth > 0)
            bits_.Put(path[--depth], 1);
        model_.Update(symbol);
    }

    void PutDistance(int distance) {
        const PositionTables& t = Positions();
        const int high = distance >> 6;
        bits_.Put(t.EncodeCode[high] >> (8 - t.EncodeLen[high]), t.EncodeLen[high]);
        bits_.Put(distance & 0x3F, 6);
    }

    BitOutput bits_;
    LzhModel model_;
    std::vector<std::uint8_t> buf_;
    std::vector<std::int64_t> head_;
    std::vector<std::int64_t> prev_;
};

} // namespace

std::vector<std::uint8_t> TLZHEncoder::Encode(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out;
    out.reserve(data.size() / 2 + 16);
    Encoder(data, out).Run();
    return out;
}

std::vector<std::uint8_t> TLZHEncoder::CompressContainer(std::span<const std::uint8_t> data) {
    if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("LZH container: input of " + std::to_string(data.size()) +
                                " bytes is too large for the 32-bit size field");
    std::vector<std::uint8_t> out;
    win::AppendLe32(out, static_cast<std::uint32_t>(data.size()));
    const std::vector<std::uint8_t> bits = Encode(data);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

} // namespace skin
