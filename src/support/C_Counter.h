#pragma once
// A microsecond stopwatch over the high-resolution counter.

#include "support/Pauses.h"

#include <cstdint>

namespace quillon {

class C_TCounter {
public:
    explicit C_TCounter(PauseClock& clock) : clock_(clock) {}

    // Takes the start stamp.
    void StartCounter();
    // (reading - start) * 1 000 000 / frequency, rounded to the nearest microsecond.
    std::int64_t ElapsedMicroseconds();
    // True once at least `microseconds` have passed since the start, compared in counter units
    // without rounding: a rounded reading may show the time as passed a fraction too early.
    bool HasElapsed(std::int64_t microseconds);

private:
    PauseClock& clock_;
    std::int64_t start_ = 0;
    std::int64_t last_ = 0;
};

} // namespace quillon
