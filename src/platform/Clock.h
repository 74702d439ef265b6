#pragma once
// System clocks: the millisecond tick count, which wraps at 2^32 ms like the one the program was
// written for, and a high-resolution counter in nanoseconds.

#include <cstdint>

namespace quillon {

// Milliseconds since an arbitrary start, wrapping at 2^32. Compare ticks with TicksSince.
std::uint32_t TickCount();
// Milliseconds from `start` to `now`, correct across one wrap of the tick count.
inline std::uint32_t TicksSince(std::uint32_t start, std::uint32_t now) { return now - start; }

// Counter in nanoseconds from a steady clock; its frequency is 10^9 per second.
std::int64_t HighResCounter();
constexpr std::int64_t kHighResFrequency = 1000000000;

} // namespace quillon
