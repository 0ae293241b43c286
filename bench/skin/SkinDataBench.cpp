// The reference skin as the program loads it: expanding the package, and the whole skin load (read the
// package, then ApplySkin). Reads the reference.skin the build makes.
#include "skin/data/TSkinElements.h"
#include "skin/package/TLZH.h"
#include "skin/package/TSkinReader.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

namespace {

const std::vector<std::uint8_t>& ReferenceContainer() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream in(std::string(TAXI_BINARY_DIR) + "/reference.skin", std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>());
    }();
    return bytes;
}

// Throughput in bytes of expanded output.
void BM_ExpandReferencePackage(benchmark::State& state) {
    const std::vector<std::uint8_t>& container = ReferenceContainer();
    if (container.empty()) {
        state.SkipWithError("reference.skin is missing: build the reference_skin target");
        return;
    }
    std::vector<std::uint8_t> expanded;
    std::string error;
    for (auto _ : state) {
        skin::TLZH::ExpandContainer(container, skin::TSkinReader::DefaultMaxExpandedSize, expanded, error);
        benchmark::DoNotOptimize(expanded.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(expanded.size()));
    state.counters["expanded_bytes"] = static_cast<double>(expanded.size());
}
BENCHMARK(BM_ExpandReferencePackage)->Unit(benchmark::kMillisecond);

void BM_LoadReferenceSkin(benchmark::State& state) {
    const std::vector<std::uint8_t>& container = ReferenceContainer();
    if (container.empty()) {
        state.SkipWithError("reference.skin is missing: build the reference_skin target");
        return;
    }
    skin::TSkinElements elements;
    for (auto _ : state) {
        const bool ok = elements.LoadPackage(container);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_LoadReferenceSkin)->Unit(benchmark::kMillisecond);

} // namespace
