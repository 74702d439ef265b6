#pragma once
// The process random generator: a 32-bit linear congruential state advanced as
// s = s * 134775813 + 1 (mod 2^32); RandomInt(n) is the upper half of the 64-bit product s * n.
// Deals depend on it bit for bit.

#include <cstdint>

namespace quillon {

class RandomGenerator {
public:
    std::uint32_t seed = 0;

    // Uniform integer from 0 to n - 1 (0 for n <= 0, without advancing).
    int RandomInt(int n) {
        if (n <= 0)
            return 0;
        seed = seed * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >> 32);
    }
};

} // namespace quillon
