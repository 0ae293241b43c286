// Loading a skin package of the program's size: about 320 KB expanded, 34 images and a description text.
#include "SamplePackage.h"

#include "skin/package/TLZH.h"
#include "skin/package/TLZHEncoder.h"
#include "skin/package/TQuickIni.h"
#include "skin/package/TSkinReader.h"

#include <benchmark/benchmark.h>

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
