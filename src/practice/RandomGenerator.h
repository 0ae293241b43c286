// The one pseudo-random generator of the program: a 32-bit Mersenne twister that starts every run from the
// same fixed seed, so a random practice before any examination repeats from one start to the next; only the
// examination draw reseeds it, from the performance counter.
#pragma once

#include <cstdint>
#include <random>

class RandomGenerator {
public:
    static constexpr std::uint32_t kFixedSeed = 20150601u;

    // The process-wide generator.
    static RandomGenerator& Instance();

    void Seed(std::uint32_t seed) { m_engine.seed(seed); }
    void SeedFromClock();
    // Uniform in 0 .. n - 1: the next 32-bit value scaled to n. 0 when n < 1.
    int Draw(int n);

private:
    std::mt19937 m_engine{kFixedSeed};
};
