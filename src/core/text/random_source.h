#pragma once
// The program's one random source: uniform values in [0, 1).

#include <chrono>
#include <cstdint>
#include <random>

namespace busho {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 1) : engine_(seed) {}

    // A uniform value in [0, 1): the top 53 bits of the engine, so 1.0 never comes out.
    double Next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // A draw of n: a uniform integer 1..n.
    int Draw(int n) { return static_cast<int>(Next() * n) + 1; }

    void Reseed(std::uint64_t seed) { engine_.seed(seed); }

    // Nanosecond clock: two reseeds within one second still differ.
    void ReseedFromClock() {
        Reseed(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace busho
