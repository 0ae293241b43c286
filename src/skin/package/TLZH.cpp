#include "skin/package/TLZH.h"

#include "skin/package/LzhModel.h"

#include "platform/os/Bytes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

namespace skin {

using namespace lzh;

namespace {

// The container in memory: eight bytes are loaded at once while that many are left.
class SpanSource {
public:
    explicit SpanSource(std::span<const std::uint8_t> bytes)
        : m_next(bytes.data()), m_end(m_next + bytes.size()) {}
    bool CanLoad8() const { return m_end - m_next >= 8; }
    std::uint64_t Load8() const {
        std::uint64_t word;
        std::memcpy(&word, m_next, 8);
        return __builtin_bswap64(word);
    }
    void Advance(int bytes) { m_next += bytes; }
    bool Next(std::uint8_t& byte) {
        if (m_next == m_end)
            return false;
        byte = *m_next++;
        return true;
    }

private:
    const std::uint8_t* m_next;
    const std::uint8_t* m_end;
};

class ProcSource {
public:
    explicit ProcSource(const TLZH::ReadProc& read) : m_read(read) {}
    static bool CanLoad8() { return false; }
    static std::uint64_t Load8() { return 0; }
    static void Advance(int) {}
    bool Next(std::uint8_t& byte) { return m_read(&byte, 1) == 1; }

private:
    const TLZH::ReadProc& m_read;
};

// Input bits, most significant first, left-aligned in a 64-bit word of which `avail_` bits are valid. The
// bits below those may already hold the following input bytes, each in its final place, so loading a byte
// again over them changes nothing. Once the source has ended every further byte is zero.
template <class Source> class BitReader {
public:
    explicit BitReader(Source& source) : m_source(source) {}

    // Leaves at least 57 bits buffered.
    void Refill() {
        if (m_source.CanLoad8()) {
            m_word |= m_source.Load8() >> m_avail;
            const int bytes = (63 - m_avail) >> 3;
            m_source.Advance(bytes);
            m_loaded += static_cast<std::uint64_t>(bytes);
            m_avail |= 56;
            return;
        }
        while (m_avail <= 56) {
            std::uint8_t byte = 0;
            if (!m_ended && !m_source.Next(byte)) {
                m_ended = true;
                m_realBits = m_loaded * 8;
                byte = 0;
            }
            m_word |= std::uint64_t(byte) << (56 - m_avail);
            m_avail += 8;
            ++m_loaded;
        }
    }

    int Available() const { return m_avail; }

    int Bit() {
        if (m_avail == 0)
            Refill();
        const int bit = static_cast<int>(m_word >> 63);
        m_word <<= 1;
        --m_avail;
        return bit;
    }

    // The next 8 bits, left in the buffer; at least 14 bits are buffered afterwards.
    unsigned PeekByte() {
        if (m_avail < 14)
            Refill();
        return static_cast<unsigned>(m_word >> 56);
    }

    // Up to 32 bits, when Available() says they are there.
    unsigned Peek(int bits) const { return static_cast<unsigned>(m_word >> (64 - bits)); }

    // The buffered bits, left-aligned, for a caller that reads them itself and then skips what it used
    // (no more than Available()).
    std::uint64_t Word() const { return m_word; }
    void Skip(int bits) {
        m_word = bits < 64 ? m_word << bits : 0;
        m_avail -= bits;
    }

    // 1 to 14 bits, after PeekByte.
    unsigned Take(int bits) {
        const auto value = static_cast<unsigned>(m_word >> (64 - bits));
        m_word <<= bits;
        m_avail -= bits;
        return value;
    }

    bool Ended() const { return m_ended; }
    std::uint64_t BitsPastEnd() const {
        const std::uint64_t consumed = m_loaded * 8 - static_cast<std::uint64_t>(m_avail);
        return m_ended && consumed > m_realBits ? consumed - m_realBits : 0;
    }

private:
    Source& m_source;
    std::uint64_t m_word = 0;
    int m_avail = 0;
    bool m_ended = false;
    std::uint64_t m_loaded = 0;   // bytes placed in the word, zeros past the end included
    std::uint64_t m_realBits = 0; // input bits there were, once the source has ended
};

// Output straight into memory. The ring's initial contents (RingStart spaces last, zeros before them) stand
// in for whatever a match reaches back to before the first output byte; beyond that, RingSize bytes back in
// the output are what the ring would hold. Matches are copied 16 bytes at a time, so the output needs
// kCopySlack bytes of room past the expanded size.
constexpr int kCopySlack = MaxMatch + 16;

class LinearSink {
    // kPhases[p][k] is k % p.
    static constexpr std::array<std::array<std::uint8_t, 16>, 16> kPhases = [] {
        std::array<std::array<std::uint8_t, 16>, 16> t{};
        for (int p = 1; p < 16; ++p)
            for (int k = 0; k < 16; ++k)
                t[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>(k % p);
        return t;
    }();

public:
    explicit LinearSink(std::uint8_t* start) : m_start(start), m_out(start) {
        std::memset(m_prefix.data(), 0, RingSize - RingStart);
        std::memset(m_prefix.data() + (RingSize - RingStart), ' ', RingStart);
    }
    void Literal(std::uint8_t c) { *m_out++ = c; }
    void Copy(int distance, int length) {
        std::uint8_t* to = m_out;
        const std::ptrdiff_t written = m_out - m_start;
        m_out += length;
        if (distance + 1 > written) [[unlikely]] {
            // Position p before the first byte is prefix_[RingSize + p].
            for (std::ptrdiff_t k = 0, p = written - distance - 1; k < length; ++k, ++p)
                to[k] = p < 0 ? m_prefix[static_cast<std::size_t>(RingSize + p)] : m_start[p];
            return;
        }
        const std::uint8_t* from = to - distance - 1;
        if (distance >= 15) {
            for (int k = 0; k < length; k += 16)
                std::memcpy(to + k, from + k, 16);
        } else if (distance == 0) {
            std::memset(to, *from, MaxMatch);
        } else {
            // A period of 2 to 15 bytes: a byte-by-byte copy would wait on its own stores, so the first 16
            // bytes of the pattern are gathered once and laid down in steps of whole periods.
            const int period = distance + 1;
            const std::uint8_t* phase = kPhases[static_cast<std::size_t>(period)].data();
            std::uint8_t pattern[16];
            for (int k = 0; k < 16; ++k)
                pattern[k] = from[phase[k]];
            const int step = 16 - 16 % period;
            for (int k = 0; k < length; k += step)
                std::memcpy(to + k, pattern, 16);
        }
    }

private:
    std::uint8_t* m_start;
    std::uint8_t* m_out;
    std::array<std::uint8_t, RingSize> m_prefix;
};

class ProcSink {
public:
    explicit ProcSink(const TLZH::WriteProc& write) : m_write(write) {
        m_ring = std::make_unique<std::array<std::uint8_t, RingSize + MaxMatch - 1>>();
        std::memset(m_ring->data(), ' ', RingStart);
    }
    void Literal(std::uint8_t c) {
        m_write(c);
        (*m_ring)[m_r] = c;
        m_r = (m_r + 1) & (RingSize - 1);
    }
    void Copy(int distance, int length) {
        const int from = (m_r - distance - 1) & (RingSize - 1);
        for (int k = 0; k < length; ++k)
            Literal((*m_ring)[(from + k) & (RingSize - 1)]);
    }

private:
    const TLZH::WriteProc& m_write;
    std::unique_ptr<std::array<std::uint8_t, RingSize + MaxMatch - 1>> m_ring;
    int m_r = RingStart;
};

// Bits a match's distance takes, by its leading byte: the prefix, then the low six bits.
struct DistanceTable {
    std::array<std::uint8_t, 256> Bits{};
    std::array<std::uint16_t, 256> High{};
};

const DistanceTable& Distances() {
    static const DistanceTable table = [] {
        DistanceTable t;
        const PositionTables& p = Positions();
        for (int b = 0; b < 256; ++b) {
            t.Bits[b] = static_cast<std::uint8_t>(p.DecodeLen[b] + 6);
            t.High[b] = static_cast<std::uint16_t>(p.DecodeCode[b] << 6);
        }
        return t;
    }();
    return table;
}

// The top kTopBits levels of the tree, indexed by the next kTopBits input bits: the nodes the walk from the
// root goes through, down to a leaf or to depth kTopBits. A swap exchanges what two nodes hold, not where
// they stand, so only the entries below a node the model reports changed are walked again; most swaps
// happen deeper than the table reaches.
constexpr int kTopBits = 6;

using TopPath = std::array<std::int16_t, kTopBits>; // the nodes at depths 1 … the walk's depth

struct TopEntry {
    std::int16_t Node = Root; // where the walk stops
    std::uint8_t Depth = 0;   // the bits it takes
};

class TopTable {
public:
    void Build(LzhModel& model) {
        std::fill(model.Watched.begin(), model.Watched.end(), std::uint8_t{0});
        TopPath path{};
        Visit(model, Root, 0, 0, path);
        model.ChangedCount = 0;
        model.Rebuilt = false;
    }

    // Walks again below each node the model reports changed; one that now stands at kTopBits or deeper is
    // no longer in the table and stops being watched.
    void Refresh(LzhModel& model) {
        for (int i = 0; i < model.ChangedCount; ++i) {
            const int node = model.Changed[static_cast<std::size_t>(i)];
            TopPath path{};
            int depth = 0;
            unsigned prefix = 0;
            if (!Locate(model, node, path, depth, prefix)) {
                model.Watched[static_cast<std::size_t>(node)] = 0;
                continue;
            }
            Visit(model, node, depth, prefix, path);
        }
        model.ChangedCount = 0;
    }

    const TopEntry& operator[](unsigned bits) const { return m_entries[bits]; }
    // The nodes from the root down to an entry's node.
    const TopPath& PathTo(int node) const { return m_paths[static_cast<std::size_t>(node)]; }

private:
    // The depth and bit prefix of `node`, and the nodes down to it in `path`; false when it stands at
    // kTopBits or deeper.
    static bool Locate(const LzhModel& model, int node, TopPath& path, int& depth, unsigned& prefix) {
        std::array<std::int16_t, kTopBits> up{};
        int n = node;
        while (n != Root) {
            if (depth == kTopBits)
                return false;
            const int parent = model.Parent[static_cast<std::size_t>(n)];
            prefix |= static_cast<unsigned>(n - model.Son[static_cast<std::size_t>(parent)]) << depth;
            up[static_cast<std::size_t>(depth++)] = static_cast<std::int16_t>(n);
            n = parent;
        }
        for (int d = 0; d < depth; ++d)
            path[static_cast<std::size_t>(d)] = up[static_cast<std::size_t>(depth - 1 - d)];
        return depth < kTopBits;
    }

    void Visit(LzhModel& model, int node, int depth, unsigned prefix, TopPath& path) {
        if (depth == kTopBits || model.Son[static_cast<std::size_t>(node)] >= TableSize) {
            if (depth < kTopBits)
                model.Watched[static_cast<std::size_t>(node)] = 1;
            m_paths[static_cast<std::size_t>(node)] = path;
            const TopEntry entry{static_cast<std::int16_t>(node), static_cast<std::uint8_t>(depth)};
            const unsigned first = prefix << (kTopBits - depth), last = (prefix + 1) << (kTopBits - depth);
            std::fill(m_entries.begin() + first, m_entries.begin() + last, entry);
            return;
        }
        model.Watched[static_cast<std::size_t>(node)] = 1;
        for (int bit = 0; bit < 2; ++bit) {
            const int child = model.Son[static_cast<std::size_t>(node)] + bit;
            path[static_cast<std::size_t>(depth)] = static_cast<std::int16_t>(child);
            Visit(model, child, depth + 1, prefix * 2 + static_cast<unsigned>(bit), path);
        }
    }

    std::array<TopEntry, 1 << kTopBits> m_entries;
    std::array<TopPath, TableSize> m_paths;
};

template <class Source, class Sink> TLZHReport Run(std::int32_t expandedSize, Source& source, Sink& sink) {
    std::unique_ptr<LzhModel> model;
    try {
        model = std::make_unique<LzhModel>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(TLZH::NoMemoryMessage);
    }
    model->Start();
    const std::int16_t* son = model->Son.data();
    const DistanceTable& distances = Distances();
    BitReader<Source> in(source);

    std::array<std::int16_t, TableSize + 8> path;
    path[0] = Root;
    TopTable top;

    TLZHReport report;
    report.DeclaredSize = expandedSize;
    std::int64_t count = 0;
    while (count < expandedSize) {
        // Enough for any path the tree can have (its depth stays far below this); Bit() refills otherwise.
        if (in.Available() < 32)
            in.Refill();
        if (model->Rebuilt) [[unlikely]]
            top.Build(*model);
        else if (model->ChangedCount != 0)
            top.Refresh(*model);
        const TopEntry entry = top[in.Peek(kTopBits)];
        int depth = entry.Depth;
        in.Take(depth);
        std::memcpy(&path[1], top.PathTo(entry.Node).data(), sizeof(TopPath));
        // Node numbers are pointer-sized so that no widening step joins the walk's chain of dependent loads;
        // the bits are taken from a copy of the buffer by position for the same reason.
        std::ptrdiff_t node = entry.Node;
        std::ptrdiff_t next = son[node];
        const std::uint64_t word = in.Word();
        const int buffered = in.Available();
        int used = 0;
        while (next < TableSize && used < buffered) {
            node = next + static_cast<std::ptrdiff_t>((word << used) >> 63);
            ++used;
            path[static_cast<std::size_t>(++depth)] = static_cast<std::int16_t>(node);
            next = son[node];
        }
        in.Skip(used);
        while (next < TableSize) {
            node = next + in.Bit();
            path[static_cast<std::size_t>(++depth)] = static_cast<std::int16_t>(node);
            next = son[node];
        }
        const int symbol = static_cast<int>(next - TableSize);
        model->UpdateAlong(symbol, path.data(), depth);

        const std::int64_t start = count;
        if (symbol < 256) {
            sink.Literal(static_cast<std::uint8_t>(symbol));
            ++count;
        } else {
            const unsigned lead = in.PeekByte();
            const unsigned bits = in.Take(distances.Bits[lead]);
            const int distance = distances.High[lead] | static_cast<int>(bits & 0x3F);
            const int length = symbol - MatchSymbolBase;
            sink.Copy(distance, length);
            count += length;
        }
        if (in.Ended() && report.OverrunOffset < 0 && in.BitsPastEnd() != 0) [[unlikely]]
            report.OverrunOffset = start;
    }
    report.Written = count;
    report.BitsPastEnd = in.BitsPastEnd();
    return report;
}

} // namespace

std::int32_t TLZH::ReadInt32(const std::uint8_t* bytes) {
    return static_cast<std::int32_t>(win::ReadLe32(bytes));
}

TLZHReport TLZH::Decode(std::int32_t expandedSize, const ReadProc& read, const WriteProc& write) {
    ProcSource source(read);
    std::unique_ptr<ProcSink> sink;
    try {
        sink = std::make_unique<ProcSink>(write);
    } catch (const std::bad_alloc&) {
        throw ElzhException(NoMemoryMessage);
    }
    return Run(expandedSize, source, *sink);
}

bool TLZH::ExpandContainer(std::span<const std::uint8_t> container, std::int32_t maxExpandedSize,
                           std::vector<std::uint8_t>& output, std::string& error, TLZHReport* report) {
    output.clear();
    TLZHReport result;
    if (container.size() < 4) {
        result.SizeMissing = true;
        if (report)
            *report = result;
        return true;
    }
    const std::int32_t size = ReadInt32(container.data());
    result.DeclaredSize = size;
    if (size > maxExpandedSize) {
        error = "LZH container: expanded size " + std::to_string(size) + " exceeds the limit of " +
                std::to_string(maxExpandedSize) + " bytes";
        if (report)
            *report = result;
        return false;
    }
    if (size > 0) {
        output.resize(static_cast<std::size_t>(size) + kCopySlack);
        SpanSource source(container.subspan(4));
        LinearSink sink(output.data());
        result = Run(size, source, sink);
        output.resize(static_cast<std::size_t>(size));
    }
    if (report)
        *report = result;
    return true;
}

} // namespace skin
