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
        : next_(bytes.data()), end_(next_ + bytes.size()) {}
    bool CanLoad8() const { return end_ - next_ >= 8; }
    std::uint64_t Load8() const {
        std::uint64_t word;
        std::memcpy(&word, next_, 8);
        return __builtin_bswap64(word);
    }
    void Advance(int bytes) { next_ += bytes; }
    bool Next(std::uint8_t& byte) {
        if (next_ == end_)
            return false;
        byte = *next_++;
        return true;
    }

private:
    const std::uint8_t* next_;
    const std::uint8_t* end_;
};

class ProcSource {
public:
    explicit ProcSource(const TLZH::ReadProc& read) : read_(read) {}
    static bool CanLoad8() { return false; }
    static std::uint64_t Load8() { return 0; }
    static void Advance(int) {}
    bool Next(std::uint8_t& byte) { return read_(&byte, 1) == 1; }

private:
    const TLZH::ReadProc& read_;
};

// Input bits, most significant first, left-aligned in a 64-bit word of which `avail_` bits are valid. The
// bits below those may already hold the following input bytes, each in its final place, so loading a byte
// again over them changes nothing. Once the source has ended every further byte is zero.
template <class Source> class BitReader {
public:
    explicit BitReader(Source& source) : source_(source) {}

    // Leaves at least 57 bits buffered.
    void Refill() {
        if (source_.CanLoad8()) {
            word_ |= source_.Load8() >> avail_;
            const int bytes = (63 - avail_) >> 3;
            source_.Advance(bytes);
            loaded_ += static_cast<std::uint64_t>(bytes);
            avail_ |= 56;
            return;
        }
        while (avail_ <= 56) {
            std::uint8_t byte = 0;
            if (!ended_ && !source_.Next(byte)) {
                ended_ = true;
                realBits_ = loaded_ * 8;
                byte = 0;
            }
            word_ |= std::uint64_t(byte) << (56 - avail_);
            avail_ += 8;
            ++loaded_;
        }
    }

    int Available() const { return avail_; }

    int Bit() {
        if (avail_ == 0)
            Refill();
        const int bit = static_cast<int>(word_ >> 63);
        word_ <<= 1;
        --avail_;
        return bit;
    }

    // The next 8 bits, left in the buffer; at least 14 bits are buffered afterwards.
    unsigned PeekByte() {
        if (avail_ < 14)
            Refill();
        return static_cast<unsigned>(word_ >> 56);
    }

    // Up to 32 bits, when Available() says they are there.
    unsigned Peek(int bits) const { return static_cast<unsigned>(word_ >> (64 - bits)); }

    // The buffered bits, left-aligned, for a caller that reads them itself and then skips what it used
    // (no more than Available()).
    std::uint64_t Word() const { return word_; }
    void Skip(int bits) {
        word_ = bits < 64 ? word_ << bits : 0;
        avail_ -= bits;
    }

    // 1 to 14 bits, after PeekByte.
    unsigned Take(int bits) {
        const auto value = static_cast<unsigned>(word_ >> (64 - bits));
        word_ <<= bits;
        avail_ -= bits;
        return value;
    }

    bool Ended() const { return ended_; }
    std::uint64_t BitsPastEnd() const {
        const std::uint64_t consumed = loaded_ * 8 - static_cast<std::uint64_t>(avail_);
        return ended_ && consumed > realBits_ ? consumed - realBits_ : 0;
    }

private:
    Source& source_;
    std::uint64_t word_ = 0;
    int avail_ = 0;
    bool ended_ = false;
    std::uint64_t loaded_ = 0;   // bytes placed in the word, zeros past the end included
    std::uint64_t realBits_ = 0; // input bits there were, once the source has ended
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
    explicit LinearSink(std::uint8_t* start) : start_(start), out_(start) {
        std::memset(prefix_.data(), 0, RingSize - RingStart);
        std::memset(prefix_.data() + (RingSize - RingStart), ' ', RingStart);
    }
    void Literal(std::uint8_t c) { *out_++ = c; }
    void Copy(int distance, int length) {
        std::uint8_t* to = out_;
        const std::ptrdiff_t written = out_ - start_;
        out_ += length;
        if (distance + 1 > written) [[unlikely]] {
            // Position p before the first byte is prefix_[RingSize + p].
            for (std::ptrdiff_t k = 0, p = written - distance - 1; k < length; ++k, ++p)
                to[k] = p < 0 ? prefix_[static_cast<std::size_t>(RingSize + p)] : start_[p];
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
    std::uint8_t* start_;
    std::uint8_t* out_;
    std::array<std::uint8_t, RingSize> prefix_;
};

class ProcSink {
public:
    explicit ProcSink(const TLZH::WriteProc& write) : write_(write) {
        ring_ = std::make_unique<std::array<std::uint8_t, RingSize + MaxMatch - 1>>();
        std::memset(ring_->data(), ' ', RingStart);
    }
    void Literal(std::uint8_t c) {
        write_(c);
        (*ring_)[r_] = c;
        r_ = (r_ + 1) & (RingSize - 1);
    }
    void Copy(int distance, int length) {
        const int from = (r_ - distance - 1) & (RingSize - 1);
        for (int k = 0; k < length; ++k)
            Literal((*ring_)[(from + k) & (RingSize - 1)]);
    }

private:
    const TLZH::WriteProc& write_;
    std::unique_ptr<std::array<std::uint8_t, RingSize + MaxMatch - 1>> ring_;
    int r_ = RingStart;
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
// root goes through, down to a leaf or to depth kTopBits. Swaps mostly happen far below, so the table is
// built again only when the model reports a change to a node it was built from.
constexpr int kTopBits = 5;

struct TopEntry {
    std::array<std::int16_t, 7> Path{}; // the nodes at depths 1 … Depth
    std::uint8_t Depth = 0;             // the bits the walk takes
};

class TopTable {
public:
    void Build(LzhModel& model) {
        std::fill(model.Watched.begin(), model.Watched.end(), std::uint8_t{0});
        TopEntry entry;
        Visit(model, Root, 0, 0, entry);
        model.WatchedChanged = false;
    }
    const TopEntry& operator[](unsigned bits) const { return entries_[bits]; }

private:
    void Visit(LzhModel& model, int node, int depth, unsigned prefix, TopEntry& entry) {
        if (depth == kTopBits || model.Son[static_cast<std::size_t>(node)] >= TableSize) {
            if (depth < kTopBits)
                model.Watched[static_cast<std::size_t>(node)] = 1;
            entry.Depth = static_cast<std::uint8_t>(depth);
            const unsigned first = prefix << (kTopBits - depth), last = (prefix + 1) << (kTopBits - depth);
            std::fill(entries_.begin() + first, entries_.begin() + last, entry);
            return;
        }
        model.Watched[static_cast<std::size_t>(node)] = 1;
        for (int bit = 0; bit < 2; ++bit) {
            const int child = model.Son[static_cast<std::size_t>(node)] + bit;
            entry.Path[static_cast<std::size_t>(depth)] = static_cast<std::int16_t>(child);
            Visit(model, child, depth + 1, prefix * 2 + static_cast<unsigned>(bit), entry);
        }
    }

    std::array<TopEntry, 1 << kTopBits> entries_;
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
        if (model->WatchedChanged) [[unlikely]]
            top.Build(*model);
        const TopEntry& entry = top[in.Peek(kTopBits)];
        int depth = entry.Depth;
        in.Take(depth);
        std::memcpy(&path[1], entry.Path.data(), sizeof entry.Path);
        int node = path[static_cast<std::size_t>(depth)];
        int next = son[node];
        // The bits are taken from a copy of the buffer by position, so that only the tree's own loads stay on
        // the walk's chain of dependent steps.
        const std::uint64_t word = in.Word();
        const int buffered = in.Available();
        int used = 0;
        while (next < TableSize && used < buffered) {
            node = next + static_cast<int>((word << used) >> 63);
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
        const int symbol = next - TableSize;
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
