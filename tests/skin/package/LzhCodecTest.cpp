#include "SamplePackage.h"
#include "skin/package/LzhModel.h"
#include "skin/package/TLZH.h"
#include "skin/package/TLZHEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

namespace skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes DecodeBits(const Bytes& bits, std::int32_t size, int* reads = nullptr) {
    Bytes out;
    std::size_t next = 0;
    TLZH().Decode(
        size,
        [&](std::uint8_t* buffer, int count) {
            if (reads)
                ++*reads;
            EXPECT_EQ(count, 1);
            if (next >= bits.size())
                return 0;
            buffer[0] = bits[next++];
            return 1;
        },
        [&](std::uint8_t byte) { out.push_back(byte); });
    return out;
}

Bytes RoundTrip(const Bytes& data) {
    const Bytes container = TLZHEncoder::CompressContainer(data);
    Bytes out;
    std::string error;
    EXPECT_TRUE(TLZH::ExpandContainer(container, std::numeric_limits<std::int32_t>::max(), out, error))
        << error;
    return out;
}

Bytes RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(rng());
    return out;
}

std::vector<int> LeafFrequencies(const lzh::LzhModel& m) {
    std::vector<int> freq(lzh::CharCount, -1);
    for (int n = 0; n < lzh::TableSize; ++n) {
        if (m.Son[n] >= lzh::TableSize)
            freq[m.Son[n] - lzh::TableSize] = m.Freq[n];
    }
    return freq;
}

// The decoder walks the tree by child links and the encoder by parent links; both rely on these holding.
void ExpectWellFormed(const lzh::LzhModel& m) {
    using namespace lzh;
    std::vector<int> seen(CharCount, 0);
    for (int n = 0; n < TableSize; ++n) {
        if (n < Root) {
            ASSERT_LE(m.Freq[n], m.Freq[n + 1]) << "node " << n;
        }
        const int son = m.Son[n];
        if (son >= TableSize) {
            ++seen[son - TableSize];
            ASSERT_EQ(m.Parent[son], n);
        } else {
            ASSERT_LT(son + 1, n);
            ASSERT_EQ(m.Freq[n], m.Freq[son] + m.Freq[son + 1]) << "node " << n;
            ASSERT_EQ(m.Parent[son], n);
            ASSERT_EQ(m.Parent[son + 1], n);
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), CharCount);
    EXPECT_LE(m.Freq[Root], MaxFreq);
}

TEST(LzhModel, StaysWellFormedAndHalvesLeafCountsOnRebuild) {
    lzh::LzhModel model;
    model.Start();
    ExpectWellFormed(model);
    std::mt19937 rng(5);
    // Skewed like real data: a few symbols dominate, so subtrees get swapped often.
    std::geometric_distribution<int> pick(0.08);
    int rebuilds = 0;
    for (int step = 0; step < 120000; ++step) {
        const int symbol = std::min(pick(rng), lzh::CharCount - 1);
        if (model.Freq[lzh::Root] == lzh::MaxFreq) {
            std::vector<int> expected = LeafFrequencies(model);
            for (int& f : expected)
                f = (f + 1) / 2;
            ++expected[symbol];
            model.Update(symbol);
            ++rebuilds;
            ASSERT_EQ(LeafFrequencies(model), expected);
            ExpectWellFormed(model);
        } else {
            model.Update(symbol);
        }
        if (step % 4999 == 0)
            ExpectWellFormed(model);
    }
    EXPECT_GE(rebuilds, 5);
}

// Bit patterns worked out by hand from the initial tree (all 314 leaves of frequency 1, paired in order),
// so they check the tree start, the bit order and the ring set-up independently of the encoder.
TEST(LzhDecoder, HandCodedStreams) {
    // Literal 'A' (leaf 65): 111001101.
    EXPECT_EQ(DecodeBits({0xE6, 0x80}, 1), Bytes{'A'});
    // Symbol 256, a match of three, coded 10001100, then distance 0 as byte 0x00 plus one bit: it copies
    // from the ring's initial spaces.
    EXPECT_EQ(DecodeBits({0x8C, 0x00, 0x00}, 3), Bytes(3, ' '));
}

TEST(LzhDecoder, ReadsOneByteAtATimeAndKeepsGoingOnZerosWhenInputEnds) {
    int reads = 0;
    const Bytes out = DecodeBits({}, 5000, &reads);
    EXPECT_GE(out.size(), 5000u);
    EXPECT_LT(out.size(), 5000u + lzh::MaxMatch);
    EXPECT_GT(reads, 0);
    // All-zero input is deterministic.
    EXPECT_EQ(DecodeBits({}, 5000), out);
}

TEST(LzhDecoder, ZeroOrNegativeSizeProducesNothing) {
    EXPECT_TRUE(DecodeBits({0xE6, 0x80}, 0).empty());
    EXPECT_TRUE(DecodeBits({0xE6, 0x80}, -7).empty());
}

TEST(LzhDecoder, LastMatchIsWrittenWhole) {
    // A three-byte match decoded against an expanded size of one still writes three bytes.
    EXPECT_EQ(DecodeBits({0x8C, 0x00, 0x00}, 1).size(), 3u);
}

TEST(LzhCodec, RoundTripsSmallInputs) {
    EXPECT_TRUE(RoundTrip({}).empty());
    EXPECT_EQ(RoundTrip({0x00}), Bytes{0x00});
    EXPECT_EQ(RoundTrip({' ', ' ', ' ', ' '}), Bytes(4, ' '));
    const Bytes text = {'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c', 'x'};
    EXPECT_EQ(RoundTrip(text), text);
    for (int n = 1; n < 70; ++n) {
        const Bytes data = RandomBytes(static_cast<std::size_t>(n), static_cast<unsigned>(n));
        ASSERT_EQ(RoundTrip(data), data) << "length " << n;
    }
}

TEST(LzhCodec, RoundTripsRandomInputWithManyTreeRebuilds) {
    // Random bytes are nearly all literals: 400,000 symbols rebuild the tree a dozen times.
    const Bytes data = RandomBytes(400 * 1024, 7);
    EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhCodec, RoundTripsHighlyRepetitiveInput) {
    // Runs of one byte become maximal matches; 2.5 MB of them is over 40,000 symbols, enough for the
    // root frequency to reach 0x8000 and force a rebuild dominated by one symbol.
    Bytes data(2500 * 1000, 'a');
    for (std::size_t i = 0; i < data.size(); i += 100000)
        data[i] = 'b';
    const Bytes container = TLZHEncoder::CompressContainer(data);
    EXPECT_LT(container.size(), data.size() / 40);
    Bytes out;
    std::string error;
    ASSERT_TRUE(TLZH::ExpandContainer(container, 64 << 20, out, error));
    EXPECT_EQ(out, data);
}

TEST(LzhCodec, RoundTripsStructuredInputWithDistantMatches) {
    // Repeats at every distance up to the ring size, and a tail of initial-ring spaces.
    Bytes data;
    const Bytes block = RandomBytes(4000, 3);
    for (int rep = 0; rep < 50; ++rep) {
        data.insert(data.end(), block.begin(), block.begin() + 500 + rep * 70);
        data.insert(data.end(), static_cast<std::size_t>(rep), ' ');
    }
    EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhCodec, TruncatedStreamStillGivesTheDeclaredSize) {
    const Bytes data = RandomBytes(20000, 11);
    Bytes container = TLZHEncoder::CompressContainer(data);
    container.resize(4 + (container.size() - 4) / 2);
    Bytes out;
    std::string error;
    ASSERT_TRUE(TLZH::ExpandContainer(container, 1 << 20, out, error));
    ASSERT_EQ(out.size(), data.size());
    // Well before the cut the bytes are still right.
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + 5000, out.begin()));
}

TEST(LzhContainer, NegativeSizesExpandToNothingAndOversizedOnesAreRefused) {
    Bytes out{1, 2, 3};
    std::string error;
    TLZHReport report;
    EXPECT_TRUE(
        TLZH::ExpandContainer(Bytes{0xFB, 0xFF, 0xFF, 0xFF, 0xE6, 0x80}, 1 << 20, out, error, &report));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(report.DeclaredSize, -5);
    EXPECT_FALSE(report.Overran());
    EXPECT_FALSE(TLZH::ExpandContainer(Bytes{0x01, 0x00, 0x10, 0x00}, 1 << 20, out, error));
    EXPECT_NE(error.find("1048577"), std::string::npos);
}

TEST(LzhContainer, ShortContainerExpandsToNothing) {
    Bytes out{1};
    std::string error;
    TLZHReport report;
    EXPECT_TRUE(TLZH::ExpandContainer(Bytes{0x10, 0x00}, 1 << 20, out, error, &report));
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(report.SizeMissing);
}

// Inputs of every kind the decoder's copy paths distinguish: literals, runs (distance 0), short periodic
// overlaps, long distances, maximal matches and matches into the initial ring.
std::vector<Bytes> VariedCorpus() {
    std::vector<Bytes> corpus;
    corpus.push_back(RandomBytes(30000, 21));
    Bytes runs;
    for (int i = 0; i < 400; ++i)
        runs.insert(runs.end(), static_cast<std::size_t>(1 + i % 97), static_cast<std::uint8_t>(i * 37));
    corpus.push_back(runs);
    for (int period = 2; period <= 20; period += 3) {
        Bytes periodic;
        const Bytes unit = RandomBytes(static_cast<std::size_t>(period), static_cast<unsigned>(period));
        for (int i = 0; i < 3000; ++i)
            periodic.push_back(i % 500 == 499 ? 0x55 : unit[static_cast<std::size_t>(i % period)]);
        corpus.push_back(periodic);
    }
    Bytes far;
    const Bytes block = RandomBytes(4090, 5);
    for (int rep = 0; rep < 6; ++rep) {
        far.insert(far.end(), block.begin(), block.end());
        far.push_back(static_cast<std::uint8_t>(rep));
    }
    corpus.push_back(far);
    Bytes spaces(5000, ' ');
    spaces[4500] = 'x';
    corpus.push_back(spaces);
    corpus.push_back(sample::MakeSkinWriter().BuildExpanded());
    return corpus;
}

// The same stream through the procedure interface, which keeps the ring of the published algorithm.
Bytes DecodeThroughProcedures(const Bytes& container, TLZHReport* report = nullptr) {
    const Bytes bits(container.begin() + 4, container.end());
    Bytes out;
    std::size_t next = 0;
    const TLZHReport r = TLZH().Decode(
        TLZH::ReadInt32(container.data()),
        [&](std::uint8_t* buffer, int count) {
            int n = 0;
            while (n < count && next < bits.size())
                buffer[n++] = bits[next++];
            return n;
        },
        [&](std::uint8_t byte) { out.push_back(byte); });
    if (report)
        *report = r;
    out.resize(static_cast<std::size_t>(std::max(TLZH::ReadInt32(container.data()), 0)));
    return out;
}

TEST(LzhCodec, VariedCorpusDecodesToTheEncodersInputBothWays) {
    for (const Bytes& data : VariedCorpus()) {
        const Bytes container = TLZHEncoder::CompressContainer(data);
        Bytes out;
        std::string error;
        TLZHReport report;
        ASSERT_TRUE(TLZH::ExpandContainer(container, 64 << 20, out, error, &report)) << error;
        ASSERT_EQ(out, data) << "length " << data.size();
        EXPECT_FALSE(report.Overran()) << "length " << data.size();
        EXPECT_GE(report.Written, static_cast<std::int64_t>(data.size()));
        ASSERT_EQ(DecodeThroughProcedures(container), data) << "length " << data.size();
    }
}

TEST(LzhCodec, TruncatedCorpusReadsZerosAndReportsWhereItRanOut) {
    for (const Bytes& data : VariedCorpus()) {
        const Bytes full = TLZHEncoder::CompressContainer(data);
        for (const std::size_t keep : {std::size_t{4}, 4 + (full.size() - 4) / 3, full.size() - 1}) {
            const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(keep));
            Bytes padded = cut;
            padded.resize(keep + 4 * data.size() + 64, 0);
            Bytes out, fromPadded;
            std::string error;
            TLZHReport report, paddedReport, procReport;
            ASSERT_TRUE(TLZH::ExpandContainer(cut, 64 << 20, out, error, &report));
            ASSERT_TRUE(TLZH::ExpandContainer(padded, 64 << 20, fromPadded, error, &paddedReport));
            EXPECT_EQ(out, fromPadded) << "missing bytes read as zeros, length " << data.size();
            EXPECT_EQ(DecodeThroughProcedures(cut, &procReport), out);
            ASSERT_EQ(out.size(), data.size());
            ASSERT_TRUE(report.Overran()) << "length " << data.size() << ", kept " << keep;
            EXPECT_FALSE(paddedReport.Overran());
            EXPECT_EQ(procReport.BitsPastEnd, report.BitsPastEnd);
            EXPECT_EQ(procReport.OverrunOffset, report.OverrunOffset);
            // Everything before the symbol that ran out came from real bits.
            ASSERT_GE(report.OverrunOffset, 0);
            ASSERT_LT(report.OverrunOffset, static_cast<std::int64_t>(data.size()));
            EXPECT_TRUE(std::equal(data.begin(), data.begin() + report.OverrunOffset, out.begin()));
            EXPECT_GE(report.BytesMissing(), 1u);
        }
    }
}

// A decoder with no shortcuts: one bit at a time down the child links, the model's own Update, the ring of
// the published algorithm, and zeros for missing input. It stands for the behaviour the fast paths keep.
struct PlainResult {
    Bytes Out;
    std::uint64_t BitsPastEnd = 0;
    std::int64_t OverrunOffset = -1;
};

PlainResult DecodePlainly(const Bytes& container) {
    using namespace lzh;
    const std::int32_t size = TLZH::ReadInt32(container.data());
    const std::uint64_t realBits = (container.size() - 4) * 8;
    std::uint64_t bitPos = 0;
    auto bit = [&]() -> int {
        const std::size_t byte = 4 + static_cast<std::size_t>(bitPos / 8);
        const int b = byte < container.size() ? (container[byte] >> (7 - bitPos % 8)) & 1 : 0;
        ++bitPos;
        return b;
    };
    LzhModel model;
    model.Start();
    std::vector<std::uint8_t> ring(RingSize, 0);
    std::fill(ring.begin(), ring.begin() + RingStart, ' ');
    int r = RingStart;
    PlainResult result;
    auto put = [&](std::uint8_t c) {
        result.Out.push_back(c);
        ring[static_cast<std::size_t>(r)] = c;
        r = (r + 1) & (RingSize - 1);
    };
    while (static_cast<std::int64_t>(result.Out.size()) < size) {
        const std::int64_t start = static_cast<std::int64_t>(result.Out.size());
        int node = model.Son[Root];
        while (node < TableSize)
            node = model.Son[static_cast<std::size_t>(node + bit())];
        const int symbol = node - TableSize;
        model.Update(symbol);
        if (symbol < 256) {
            put(static_cast<std::uint8_t>(symbol));
        } else {
            unsigned lead = 0;
            for (int i = 0; i < 8; ++i)
                lead = lead << 1 | static_cast<unsigned>(bit());
            unsigned low = lead;
            for (int i = 2; i < Positions().DecodeLen[lead]; ++i)
                low = low << 1 | static_cast<unsigned>(bit());
            const int distance = Positions().DecodeCode[lead] << 6 | static_cast<int>(low & 0x3F);
            const int from = r - distance - 1;
            for (int k = 0; k < symbol - MatchSymbolBase; ++k)
                put(ring[static_cast<std::size_t>((from + k) & (RingSize - 1))]);
        }
        if (bitPos > realBits && result.OverrunOffset < 0)
            result.OverrunOffset = start;
    }
    result.BitsPastEnd = bitPos > realBits ? bitPos - realBits : 0;
    return result;
}

void ExpectSameAsPlain(const Bytes& container, const std::string& what) {
    const PlainResult plain = DecodePlainly(container);
    Bytes out;
    std::string error;
    TLZHReport report, procReport;
    ASSERT_TRUE(TLZH::ExpandContainer(container, 64 << 20, out, error, &report)) << what;
    Bytes expected = plain.Out;
    expected.resize(out.size());
    ASSERT_EQ(out, expected) << what;
    EXPECT_EQ(report.Written, static_cast<std::int64_t>(plain.Out.size())) << what;
    EXPECT_EQ(report.BitsPastEnd, plain.BitsPastEnd) << what;
    EXPECT_EQ(report.OverrunOffset, plain.OverrunOffset) << what;
    ASSERT_EQ(DecodeThroughProcedures(container, &procReport), out) << what;
    EXPECT_EQ(procReport.BitsPastEnd, plain.BitsPastEnd) << what;
    EXPECT_EQ(procReport.OverrunOffset, plain.OverrunOffset) << what;
}

// Long inputs rebuild the tree many times and reshape its top levels over and over, which the decoder's
// cached view of those levels has to follow.
TEST(LzhCodec, ManyTreeRebuildsDecodeLikeThePlainDecoderBothWays) {
    std::mt19937 rng(17);
    std::geometric_distribution<int> skewed(0.05);
    Bytes skewedText(300 * 1000), drifting(300 * 1000);
    for (auto& b : skewedText)
        b = static_cast<std::uint8_t>(std::min(skewed(rng), 255));
    // The favourite symbols change every few thousand bytes, so heavy leaves keep passing each other.
    for (std::size_t i = 0; i < drifting.size(); ++i)
        drifting[i] = static_cast<std::uint8_t>(std::min(skewed(rng), 255) + 37 * (i / 3000));
    for (const Bytes& data : {skewedText, drifting, RandomBytes(300 * 1000, 23)}) {
        const Bytes container = TLZHEncoder::CompressContainer(data);
        Bytes out;
        std::string error;
        ASSERT_TRUE(TLZH::ExpandContainer(container, 64 << 20, out, error));
        ASSERT_EQ(out, data);
        ASSERT_EQ(DecodeThroughProcedures(container), data);
        ExpectSameAsPlain(container, "round trip");
    }
    // Arbitrary bits: every symbol and distance, and tree shapes no encoder of real data would make.
    for (unsigned seed = 1; seed <= 8; ++seed) {
        Bytes container = RandomBytes(20000 * seed, seed);
        const std::int32_t size = 70000 * static_cast<std::int32_t>(seed);
        std::memcpy(container.data(), &size, 4);
        ExpectSameAsPlain(container, "random bits, seed " + std::to_string(seed));
    }
}

TEST(LzhCodec, StreamCutAtEveryByteDecodesLikeThePlainDecoderWithZeros) {
    Bytes data = sample::MakeSkinWriter().BuildExpanded();
    data.resize(3000);
    const Bytes full = TLZHEncoder::CompressContainer(data);
    for (std::size_t keep = 4; keep <= full.size(); ++keep) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(keep));
        ExpectSameAsPlain(cut, "kept " + std::to_string(keep));
        if (HasFatalFailure())
            return;
    }
}

TEST(LzhDecoder, MatchesReachingBeforeTheFirstByteReadTheInitialRing) {
    // Symbol 256 (a match of three), then distance 4036 (prefix 11111111, low bits 000100): it starts at
    // ring position 4095, never written and zero, and goes on into the spaces at 0 and 1.
    const Bytes bits{0x8C, 0xFF, 0x10};
    EXPECT_EQ(DecodeBits(bits, 3), (Bytes{0, ' ', ' '}));
    Bytes container{3, 0, 0, 0};
    container.insert(container.end(), bits.begin(), bits.end());
    Bytes out;
    std::string error;
    ASSERT_TRUE(TLZH::ExpandContainer(container, 100, out, error));
    EXPECT_EQ(out, (Bytes{0, ' ', ' '}));
}

} // namespace
} // namespace skin
