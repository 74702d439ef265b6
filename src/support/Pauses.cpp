#include "support/Pauses.h"

#include "support/C_Counter.h"

#include <chrono>

namespace quillon {

std::uint32_t PauseClock::Ticks() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count()));
}

std::int64_t PauseClock::Counter() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t PauseClock::Frequency() { return 1000000000; }

static PauseClock& SystemClock() {
    static PauseClock clock;
    return clock;
}

Pauses::Pauses(PauseClock* clock) : clock_(clock ? clock : &SystemClock()) {}

void Pauses::PauseWithMessages(int ms) {
    const std::uint32_t start = clock_->Ticks();
    const std::uint32_t wanted = ms > 0 ? static_cast<std::uint32_t>(ms) : 0;
    do {
        if (pumpMessages)
            pumpMessages();
    } while (static_cast<std::uint32_t>(clock_->Ticks() - start) < wanted);
}

void Pauses::PauseBusy(int ms) {
    C_TCounter watch(*clock_);
    watch.StartCounter();
    const std::int64_t wanted = static_cast<std::int64_t>(ms) * 1000;
    while (!watch.HasElapsed(wanted)) {
    }
}

void Pauses::PauseSmooth(int ms) {
    C_TCounter watch(*clock_);
    watch.StartCounter();
    const std::int64_t wanted = static_cast<std::int64_t>(ms) * 1000;
    while (!watch.HasElapsed(wanted)) {
        if (pumpMessages)
            pumpMessages();
    }
}

} // namespace quillon
