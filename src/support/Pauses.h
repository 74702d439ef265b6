#pragma once
// The three ways the program pauses on the GUI thread, and the clocks they read. The clocks and
// the message pump are replaceable, so tests never sleep for real and the window layer decides
// what "let pending messages run" means.

#include <cstdint>
#include <functional>

namespace quillon {

// The clocks a pause reads: the millisecond tick count (wrapping at 2^32) and a high-resolution
// counter with its frequency.
class PauseClock {
public:
    virtual ~PauseClock() = default;
    virtual std::uint32_t Ticks();
    virtual std::int64_t Counter();
    virtual std::int64_t Frequency();
};

// Version tests. The program runs on a modern system: the smooth pauses and the high-resolution
// stopwatch are always available.
constexpr bool IsXPOrLater() { return true; }
constexpr bool IsWin95Only() { return false; }

class Pauses {
public:
    // `clock` must outlive the object; nullptr selects the system clocks.
    explicit Pauses(PauseClock* clock = nullptr);

    // Lets pending window messages run between readings of the tick clock until `ms` have passed.
    void PauseWithMessages(int ms);
    // Waits `ms` on the stopwatch without processing any message.
    void PauseBusy(int ms);
    // Waits `ms` on the stopwatch, letting pending messages run between readings.
    void PauseSmooth(int ms);

    // "Let pending window messages run": the window layer installs its event processing here.
    std::function<void()> pumpMessages;

    PauseClock& clock() { return *clock_; }

private:
    PauseClock* clock_;
};

} // namespace quillon
