#include "support/C_Counter.h"
#include "support/Pauses.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// A clock that moves forward by a fixed step at every reading, so pauses end without real waiting.
struct SteppingClock : PauseClock {
    std::uint32_t ticks = 0;
    std::uint32_t tickStep = 1;
    std::int64_t counter = 0;
    std::int64_t counterStep = 1000; // 1 microsecond at the frequency below
    std::int64_t frequency = 1000000000;
    int tickReads = 0;
    int counterReads = 0;
    std::uint32_t Ticks() override {
        ++tickReads;
        std::uint32_t now = ticks;
        ticks += tickStep;
        return now;
    }
    std::int64_t Counter() override {
        ++counterReads;
        std::int64_t now = counter;
        counter += counterStep;
        return now;
    }
    std::int64_t Frequency() override { return frequency; }
};

TEST(Pauses, ZeroReturnsAtOnce) {
    SteppingClock clock;
    Pauses p(&clock);
    int pumps = 0;
    p.pumpMessages = [&] { ++pumps; };
    p.PauseBusy(0);
    p.PauseSmooth(0);
    p.PauseWithMessages(0);
    EXPECT_LE(clock.tickReads, 2);
    EXPECT_LE(clock.counterReads, 4);
    EXPECT_LE(pumps, 1) << "a zero pause lets messages run at most once";
}

TEST(Pauses, BusyPauseProcessesNoMessages) {
    SteppingClock clock;
    clock.counterStep = 250000; // a quarter millisecond per reading
    Pauses p(&clock);
    int pumps = 0;
    p.pumpMessages = [&] { ++pumps; };
    p.PauseBusy(5);
    EXPECT_EQ(pumps, 0);
    EXPECT_GE(clock.counter, 5000000);
    EXPECT_LE(clock.counter, 5000000 + 2 * 250000);
}

// A reading a fraction short of the pause rounds up to it; the pause must still wait for the rest.
TEST(Pauses, StopwatchPausesNeverEndEarly) {
    for (auto pause : {&Pauses::PauseBusy, &Pauses::PauseSmooth}) {
        SteppingClock clock;
        clock.counterStep = 1999772; // just short of 2 ms per reading
        Pauses p(&clock);
        p.pumpMessages = [] {};
        (p.*pause)(2);
        EXPECT_GE(clock.counter, 2 * 1999772 + 1999772) << "the pause ended after one short reading";
    }
}

TEST(Pauses, SmoothAndMessagePausesLetMessagesRun) {
    SteppingClock clock;
    clock.counterStep = 1000000; // 1 ms per reading
    Pauses p(&clock);
    int pumps = 0;
    p.pumpMessages = [&] { ++pumps; };
    p.PauseSmooth(10);
    EXPECT_GE(pumps, 9);
    pumps = 0;
    p.PauseWithMessages(10);
    EXPECT_GE(pumps, 9);
    EXPECT_LE(pumps, 11);
}

TEST(Pauses, TickPauseSurvivesTheWrapAround) {
    SteppingClock clock;
    clock.ticks = 0xFFFFFFF0u;
    clock.tickStep = 4;
    Pauses p(&clock);
    p.PauseWithMessages(40);
    // Started at 2^32 - 16; 40 ms later the tick count reads 24 after wrapping.
    EXPECT_GE(clock.ticks, 24u);
    EXPECT_LT(clock.ticks, 40u) << "the pause must not wait for the counter to climb back";
}

TEST(C_TCounter, RoundsToTheNearestMicrosecond) {
    struct Case {
        std::int64_t frequency;
        std::int64_t counts;
        std::int64_t micro;
    } cases[] = {
        {1000000000, 1499, 1}, {1000000000, 1500, 2}, {3579545, 3579545, 1000000},
        {3579545, 1, 0},       {3579545, 2, 1},       {1000000000, 0, 0},
        {1000000000, 4000000000000000000LL, 4000000000000000LL},
    };
    for (const auto& c : cases) {
        SteppingClock clock;
        clock.frequency = c.frequency;
        clock.counterStep = c.counts;
        C_TCounter watch(clock);
        watch.StartCounter();
        EXPECT_EQ(watch.ElapsedMicroseconds(), c.micro) << c.frequency << " " << c.counts;
    }
}

TEST(Pauses, SystemClockPausesReallyWait) {
    Pauses p;
    PauseClock& clock = p.clock();
    std::int64_t before = clock.Counter();
    p.PauseBusy(2);
    EXPECT_GE(clock.Counter() - before, 2000000);
    EXPECT_TRUE(IsXPOrLater());
    EXPECT_FALSE(IsWin95Only());
}

} // namespace
} // namespace quillon
