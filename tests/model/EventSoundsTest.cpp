#include "model/EventSounds.h"

#include "model/Session.h"
#include "platform/ResourceLibrary.h"
#include "platform/SoundPlayer.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <cstdint>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

// Tests never reach for a real sound card.
[[maybe_unused]] const bool kDummyAudio = setenv("SDL_AUDIODRIVER", "dummy", 0) == 0;

std::string Wave(int ms) {
    const uint32_t rate = 8000, bytes = rate * uint32_t(ms) / 1000u * 2u;
    std::string out = "RIFF";
    auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out.push_back(char((v >> (8 * i)) & 0xFF));
    };
    put(36 + bytes, 4);
    out += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out += "data";
    put(bytes, 4);
    out.append(bytes, '\x10');
    return out;
}

class EventSoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResourceWriter w;
        w.Add(ResourceKind::Wave, "Shuffle", Wave(3000));
        w.Add(ResourceKind::Wave, "Foundation", Wave(3000));
        ASSERT_TRUE(w.Save(dir / "SOL.RGF"));
        s.MainLibrary = std::make_unique<ResourceLibrary>();
        ASSERT_TRUE(s.MainLibrary->Open(dir / "SOL.RGF"));
        s.Params.WriteParam(141, 1, "Y");
    }
    bool Playing() const { return s.Sound && s.Sound->IsPlaying(); }
    TempFolder dir;
    Session s;
};

TEST_F(EventSoundsTest, SwitchesDecideWhetherASoundPlays) {
    struct Case {
        const char* master;
        bool enabled;
        bool plays;
    } cases[] = {
        {"Y", true, true}, {"Y", false, false}, {"N", true, false}, {"N", false, false}, {"", true, false}};
    for (const Case& c : cases) {
        if (s.Sound)
            s.Sound->Stop();
        s.Params.WriteParam(141, 1, c.master);
        PlayEventSound(s, "Foundation", c.enabled);
        if (c.plays && !s.Sound->HasDevice())
            GTEST_SKIP() << "no audio device";
        EXPECT_EQ(Playing(), c.plays) << c.master << c.enabled;
    }
}

TEST_F(EventSoundsTest, AMissingSoundStopsThePlayingOne) {
    PlayEventSoundLoop(s, "shuffle", true); // names ignore case
    if (!s.Sound->HasDevice())
        GTEST_SKIP() << "no audio device";
    ASSERT_TRUE(Playing());
    PlayEventSound(s, "NoSuchSound", true);
    EXPECT_FALSE(Playing());
}

TEST_F(EventSoundsTest, WaitingLeavesABusyDeviceAndStopObeysTheMasterSwitch) {
    PlayEventSound(s, "Shuffle", true);
    if (!s.Sound->HasDevice())
        GTEST_SKIP() << "no audio device";
    PlayEventSoundWait(s, "Foundation", true); // returns at once: the shuffle goes on
    EXPECT_TRUE(Playing());
    s.Params.WriteParam(141, 1, "N");
    StopSounds(s);
    EXPECT_TRUE(Playing()); // with the master switch off the program leaves the device alone
    s.Params.WriteParam(141, 1, "Y");
    StopSounds(s);
    EXPECT_FALSE(Playing());
}

TEST(EventSoundsWithoutLibraryTest, NothingToPlayIsSilent) {
    Session s;
    s.Params.WriteParam(141, 1, "Y");
    PlayEventSound(s, "Won", true);
    PlayEventSoundWait(s, "New", true);
    StopSounds(s);
    EXPECT_FALSE(s.Sound && s.Sound->IsPlaying());
}

} // namespace
