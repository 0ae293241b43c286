#include "practice/RandomGenerator.h"

#include "platform/win.h"

RandomGenerator& RandomGenerator::Instance() {
    static RandomGenerator generator;
    return generator;
}

void RandomGenerator::SeedFromClock() {
    win::LARGE_INTEGER counter{};
    win::QueryPerformanceCounter(&counter);
    Seed(static_cast<std::uint32_t>(counter.QuadPart ^ (counter.QuadPart >> 32)));
}

int RandomGenerator::Draw(int n) {
    if (n < 1)
        return 0;
    return static_cast<int>((static_cast<std::uint64_t>(m_engine()) * static_cast<std::uint64_t>(n)) >> 32);
}
