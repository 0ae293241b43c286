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
    explicit BitOutput(std::vector<std::uint8_t>& out) : m_out(out) {}

    void Put(unsigned value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            m_acc = static_cast<std::uint8_t>((m_acc << 1) | ((value >> i) & 1));
            if (++m_count == 8) {
                m_out.push_back(m_acc);
                m_acc = 0;
                m_count = 0;
            }
        }
    }

    void Flush() {
        if (m_count > 0)
            m_out.push_back(static_cast<std::uint8_t>(m_acc << (8 - m_count)));
        m_acc = 0;
        m_count = 0;
    }

private:
    std::vector<std::uint8_t>& m_out;
    std::uint8_t m_acc = 0;
    int m_count = 0;
};

constexpr int HashBits = 15;
constexpr int ChainLimit = 256;
constexpr int ChainMask = 2 * RingSize - 1;

unsigned Hash3(const std::uint8_t* p) {
    return ((unsigned(p[0]) << 10) ^ (unsigned(p[1]) << 5) ^ p[2]) & ((1u << HashBits) - 1);
}

class Encoder {
public:
    Encoder(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& out) : m_bits(out) {
        // The decoder's ring starts with spaces; matches may reach back into them.
        m_buf.assign(RingStart, ' ');
        m_buf.insert(m_buf.end(), data.begin(), data.end());
        m_head.assign(std::size_t(1) << HashBits, -1);
        m_prev.assign(ChainMask + 1, -1);
        m_model.Start();
    }

    void Run() {
        const std::int64_t end = static_cast<std::int64_t>(m_buf.size());
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
                PutSymbol(m_buf[cur]);
                Insert(cur);
                ++cur;
            }
        }
        m_bits.Flush();
    }

private:
    void Insert(std::int64_t p) {
        if (p + 2 >= static_cast<std::int64_t>(m_buf.size()))
            return;
        const unsigned h = Hash3(&m_buf[p]);
        m_prev[p & ChainMask] = m_head[h];
        m_head[h] = p;
    }

    int LongestMatch(std::int64_t cur, int limit, int& distance) const {
        int best = 0;
        const std::int64_t oldest = std::max<std::int64_t>(0, cur - RingSize);
        std::int64_t cand = m_head[Hash3(&m_buf[cur])];
        for (int steps = 0; cand >= oldest && steps < ChainLimit; ++steps) {
            int len = 0;
            while (len < limit && m_buf[cand + len] == m_buf[cur + len])
                ++len;
            if (len > best) {
                best = len;
                distance = static_cast<int>(cur - cand - 1);
                if (len == limit)
                    break;
            }
            cand = m_prev[cand & ChainMask];
        }
        return best;
    }

    void PutSymbol(int symbol) {
        // Gather the path from the leaf up, then send it root first.
        int path[TableSize];
        int depth = 0;
        for (int node = m_model.Parent[symbol + TableSize]; node != Root; node = m_model.Parent[node])
            path[depth++] = node & 1;
        while (depth > 0)
            m_bits.Put(path[--depth], 1);
        m_model.Update(symbol);
    }

    void PutDistance(int distance) {
        const PositionTables& t = Positions();
        const int high = distance >> 6;
        m_bits.Put(t.EncodeCode[high] >> (8 - t.EncodeLen[high]), t.EncodeLen[high]);
        m_bits.Put(distance & 0x3F, 6);
    }

    BitOutput m_bits;
    LzhModel m_model;
    std::vector<std::uint8_t> m_buf;
    std::vector<std::int64_t> m_head;
    std::vector<std::int64_t> m_prev;
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
