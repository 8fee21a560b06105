// The machine's random generator: uniform in [0, 1), reproducible from a seed.
#pragma once

#include <cstdint>

namespace ferlow {

class Random {
public:
    explicit Random(std::uint64_t seed = 0) { reseed(seed); }

    void reseed(std::uint64_t seed);
    // Uniform in [0, 1) with 53 random bits.
    double next();
    // The whole part of next() * n: uniform in 0..n-1.
    int below(int n) { return static_cast<int>(next() * n); }

private:
    std::uint64_t s_[4]{};
};

}  // namespace ferlow
