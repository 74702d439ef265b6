#include "support/C_Counter.h"

namespace quillon {

void C_TCounter::StartCounter() { start_ = last_ = clock_.Counter(); }

std::int64_t C_TCounter::ElapsedMicroseconds() {
    last_ = clock_.Counter();
    std::int64_t frequency = clock_.Frequency();
    if (frequency <= 0)
        return 0;
    // Rounded to nearest; the 128-bit product keeps long runs exact.
    __int128 counts = static_cast<__int128>(last_ - start_) * 1000000;
    __int128 half = frequency / 2;
    return static_cast<std::int64_t>(counts >= 0 ? (counts + half) / frequency : (counts - half) / frequency);
}

bool C_TCounter::HasElapsed(std::int64_t microseconds) {
    last_ = clock_.Counter();
    const std::int64_t frequency = clock_.Frequency();
    if (frequency <= 0)
        return true;
    return static_cast<__int128>(last_ - start_) * 1000000 >= static_cast<__int128>(microseconds) * frequency;
}

} // namespace quillon
