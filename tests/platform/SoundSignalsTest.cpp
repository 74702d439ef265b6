// Opening the sound player leaves the termination signals alone: a request to end the program
// from outside (the session ending, a kill) still ends it.

#include "platform/SoundPlayer.h"

#include <gtest/gtest.h>

#include <csignal>

namespace quillon {
namespace {

TEST(SoundPlayerSignals, TerminationSignalsKeepTheirHandling) {
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction before {};
        ASSERT_EQ(sigaction(signal, nullptr, &before), 0);
        {
            SoundPlayer player;
            struct sigaction during {};
            ASSERT_EQ(sigaction(signal, nullptr, &during), 0);
            EXPECT_EQ(during.sa_handler, before.sa_handler) << signal;
        }
        struct sigaction after {};
        ASSERT_EQ(sigaction(signal, nullptr, &after), 0);
        EXPECT_EQ(after.sa_handler, before.sa_handler) << signal;
    }
}

} // namespace
} // namespace quillon
