// The shared main of the test executables. It gives every test run the same surroundings, whether
// started by CTest or by hand: Qt without a display, SDL without a sound card, and a private home
// so that nothing reads or writes the real data folder.

#include <cstdlib>
#include <gtest/gtest.h>

#ifndef QUILLON_TEST_HOME
#define QUILLON_TEST_HOME "/tmp/quillon-test-home"
#endif

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::setenv("HOME", QUILLON_TEST_HOME, 1);
    ::setenv("XDG_DATA_HOME", QUILLON_TEST_HOME "/share", 1);
#ifdef QUILLON_TEST_PROGRAM_DIR
    // Tests that need the built program folder (GAMES.DAT, SOL.RGF) read it from here.
    ::setenv("QUILLON_PROGRAM_DIR", QUILLON_TEST_PROGRAM_DIR, 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
