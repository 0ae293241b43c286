// Loading a skin package of the program's size: about 320 KB expanded, 34 images and a description text.
#include "PlainLzhuf.h"
#include "SamplePackage.h"

#include "skin/package/TLZH.h"
#include "skin/package/TLZHEncoder.h"
#include "skin/package/TQuickIni.h"
#include "skin/package/TSkinReader.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>

namespace {

using namespace skin;

const std::vector<std::uint8_t>& Expanded() {
    static const std::vector<std::uint8_t> bytes = sample::MakeSkinWriter().BuildExpanded();
    return bytes;
}

const std::vector<std::uint8_t>& Container() {
    static const std::vector<std::uint8_t> bytes = TLZHEncoder::CompressContainer(Expanded());
    return bytes;
}

// The skin the build draws and packs, when it is there; otherwise the sample package.
const std::vector<std::uint8_t>& ReferenceContainer() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream in(TAXI_REFERENCE_SKIN, std::ios::binary);
        std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
        return file.size() > 4 ? file : Container();
    }();
    return bytes;
}

// A few megabytes of mixed content: runs, repeated text at every distance, and incompressible stretches.
const std::vector<std::uint8_t>& MixedContainer() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::mt19937 rng(42);
        std::vector<std::uint8_t> data;
        const std::vector<std::uint8_t>& skin = Expanded();
        while (data.size() < 4u << 20) {
            switch (rng() % 4) {
            case 0: data.insert(data.end(), 50 + rng() % 2000, static_cast<std::uint8_t>(rng())); break;
            case 1: {
                const std::size_t from = rng() % (skin.size() - 5000);
                data.insert(data.end(), skin.begin() + from, skin.begin() + from + 500 + rng() % 4000);
                break;
            }
            case 2:
                for (int i = 0, n = 100 + rng() % 1000; i < n; ++i)
                    data.push_back(static_cast<std::uint8_t>(rng()));
                break;
            default:
                if (data.size() > 5000) {
                    const std::size_t back = 1 + rng() % 4000, n = 3 + rng() % 200;
                    for (std::size_t i = 0; i < n; ++i)
                        data.push_back(data[data.size() - back]);
                }
            }
        }
        return TLZHEncoder::CompressContainer(data);
    }();
    return bytes;
}

const std::vector<std::uint8_t>& Input(int which) {
    return which == 0 ? ReferenceContainer() : MixedContainer();
}

void BM_DecodeOurs(benchmark::State& state) {
    const std::vector<std::uint8_t>& container = Input(static_cast<int>(state.range(0)));
    std::vector<std::uint8_t> out;
    std::string error;
    for (auto _ : state) {
        TLZH::ExpandContainer(container, TSkinReader::DefaultMaxExpandedSize, out, error);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
    state.SetLabel(state.range(0) == 0 ? "reference skin" : "mixed 4 MB");
}
BENCHMARK(BM_DecodeOurs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DecodePlainBaseline(benchmark::State& state) {
    const std::vector<std::uint8_t>& container = Input(static_cast<int>(state.range(0)));
    const std::int32_t size = TLZH::ReadInt32(container.data());
    std::vector<std::uint8_t> out(static_cast<std::size_t>(size) + 64);
    for (auto _ : state) {
        plainlzhuf::Decode(container.data() + 4, container.size() - 4, out.data(), size);
        benchmark::DoNotOptimize(out.data());
    }
    std::vector<std::uint8_t> ours;
    std::string error;
    TLZH::ExpandContainer(container, TSkinReader::DefaultMaxExpandedSize, ours, error);
    if (!std::equal(ours.begin(), ours.end(), out.begin()))
        state.SkipWithError("the baseline and the decoder disagree");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.SetLabel(state.range(0) == 0 ? "reference skin" : "mixed 4 MB");
}
BENCHMARK(BM_DecodePlainBaseline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DecodePackage(benchmark::State& state) {
    std::vector<std::uint8_t> out;
    std::string error;
    for (auto _ : state) {
        TLZH::ExpandContainer(Container(), TSkinReader::DefaultMaxExpandedSize, out, error);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Expanded().size()));
    state.counters["expanded_bytes"] = static_cast<double>(Expanded().size());
    state.counters["compressed_bytes"] = static_cast<double>(Container().size());
}
BENCHMARK(BM_DecodePackage)->Unit(benchmark::kMillisecond);

void BM_ReadPackage(benchmark::State& state) {
    for (auto _ : state) {
        TSkinReader reader;
        benchmark::DoNotOptimize(reader.ReadPackage(Container()));
    }
}
BENCHMARK(BM_ReadPackage)->Unit(benchmark::kMillisecond);

void BM_IndexAndExtractAll(benchmark::State& state) {
    TSkinReader reader;
    std::vector<std::uint8_t> entry;
    for (auto _ : state) {
        reader.IndexPackage(Expanded());
        for (int i = 0; i < reader.EntryCount(); ++i)
            reader.ExtractEntry(reader.EntryName(i), entry);
        benchmark::DoNotOptimize(entry.data());
    }
}
BENCHMARK(BM_IndexAndExtractAll)->Unit(benchmark::kMicrosecond);

void BM_ReadDescription(benchmark::State& state) {
    const std::string text = sample::MakeDescription();
    for (auto _ : state) {
        TQuickIni ini;
        ini.LoadFromText(text);
        std::int32_t sum = 0;
        for (const char* key : {"LeftTopHeight", "TopBotHeight", "TextShift", "Missing"})
            sum += ini.ReadInteger("Personality", key, 0);
        sum += ini.ReadInteger("Buttons", "RightWidth", 0);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadDescription)->Unit(benchmark::kMicrosecond);

void BM_EncodePackage(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(TLZHEncoder::CompressContainer(Expanded()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Expanded().size()));
}
BENCHMARK(BM_EncodePackage)->Unit(benchmark::kMillisecond);

} // namespace
