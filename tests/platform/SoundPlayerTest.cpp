#include "platform/SoundPlayer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <thread>

using namespace quillon;

namespace {

// Tests never reach for a real sound card.
[[maybe_unused]] const bool kDummyAudio = setenv("SDL_AUDIODRIVER", "dummy", 0) == 0;

// A RIFF wave of `ms` milliseconds of a quiet tone, 16-bit mono at 22050 Hz.
std::string Wave(int ms) {
    const int rate = 22050;
    uint32_t samples = uint32_t(rate) * uint32_t(ms) / 1000u, bytes = samples * 2;
    std::string out = "RIFF";
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&](uint16_t v) {
        out.push_back(char(v & 0xFF));
        out.push_back(char(v >> 8));
    };
    put32(36 + bytes);
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    out += "data";
    put32(bytes);
    for (uint32_t i = 0; i < samples; ++i)
        put16(uint16_t(int16_t((i % 50) * 20 - 500)));
    return out;
}

// Whether the audio library is mapped into this process.
bool AudioLibraryLoaded() {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("libSDL2") != std::string::npos)
            return true;
    return false;
}

// The audio library comes with the first player, not with the program, and then plays: the dummy
// device of the tests is always there, so a library or function that failed to load shows here.
TEST(SoundPlayerTest, TheAudioLibraryIsLoadedWithTheFirstPlayerAndPlays) {
    if (AudioLibraryLoaded())
        GTEST_SKIP() << "another test of this process made a player first";
    {
        SoundPlayer player;
        EXPECT_TRUE(AudioLibraryLoaded());
        ASSERT_TRUE(player.Play(Wave(40), false)) << "the dummy device opens";
        EXPECT_TRUE(player.HasDevice());
    }
    SoundPlayer again;
    EXPECT_TRUE(again.Play(Wave(20), false)) << "a second player after the first one ended";
}

TEST(SoundPlayerTest, DataThatIsNotAWaveIsSilent) {
    SoundPlayer player;
    for (const std::string& bad :
         {std::string(), std::string("RIFF"), std::string("not a sound at all"), Wave(100).substr(0, 30)}) {
        EXPECT_FALSE(player.Play(bad, false));
        EXPECT_FALSE(player.IsPlaying());
        EXPECT_FALSE(player.PlayWait(bad));
    }
}

TEST(SoundPlayerTest, PlaysStopsAndLoops) {
    SoundPlayer player;
    if (!player.Play(Wave(150), false))
        GTEST_SKIP() << "no audio device, not even the dummy one";
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());

    // A looping sound keeps going past its own length until stopped.
    ASSERT_TRUE(player.Play(Wave(40), true));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

TEST(SoundPlayerTest, WaitingPlaysToTheEndButLeavesABusyDeviceAlone) {
    SoundPlayer player;
    if (!player.Play(Wave(4000), false))
        GTEST_SKIP() << "no audio device";
    // Busy: returns at once, the long sound goes on. A wait would last most of the 20 s sound;
    // the bound is loose enough for a loaded machine and still far below that.
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(player.PlayWait(Wave(20000)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();

    // The device swallows its first buffer at once, so the wait can fall short of the sound by
    // that buffer; a half-second sound still needs well over a third of a second.
    start = std::chrono::steady_clock::now();
    EXPECT_TRUE(player.PlayWait(Wave(500)));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(350));
    EXPECT_FALSE(player.IsPlaying());
}

TEST(SoundPlayerTest, ANewSoundReplacesThePlayingOne) {
    SoundPlayer player;
    if (!player.Play(Wave(2000), true))
        GTEST_SKIP() << "no audio device";
    ASSERT_TRUE(player.Play(Wave(60), false));
    // The loop was replaced by the short, single sound, so playing ends. The audio thread may be
    // slow to run on a loaded machine: wait for the end, giving up only long after any loop.
    const auto start = std::chrono::steady_clock::now();
    while (player.IsPlaying() && std::chrono::steady_clock::now() - start < std::chrono::seconds(30))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(player.IsPlaying());
}

} // namespace
