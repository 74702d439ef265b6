// The configuration file and a statistics-sized key file survive the program being killed while
// it writes them: a child process rewrites both in a loop and is killed at random moments; after
// every kill each file holds one of the contents a whole write gives, never a mix or a cut.

#include "common/TempFolder.h"
#include "platform/Desktop.h"
#include "platform/IniFile.h"
#include "platform/SectionedKeyFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon {
namespace {

// Values of different widths, so that some writes go in place and some rebuild the file.
const char* const kDeck[] = {"001", "A custom deck picture with a long name.bmp"};
const char* const kWon[] = {"0000000001", "0000000002"};
const char* const kLost[] = {"1", "22222"};

void WriteRound(Desktop& desktop, const std::string& cfg, const std::string& stat, int v) {
    IniFile::WriteString(cfg, "Options", "Deck", kDeck[v]);
    WriteKey(desktop, stat, "Player 5", "GW-0150", kWon[v]);
    WriteKey(desktop, stat, "Player 5", "GL-0150", kLost[v]);
}

// A statistics file of ten players with 200 games each, about 45 KB.
std::string StatisticsSized() {
    std::string text = "[Version]\r\nVersion=0002\r\n";
    for (int p = 1; p <= 10; ++p) {
        text += "\r\n[Player " + std::to_string(p) + "]\r\n";
        for (int g = 1; g <= 200; ++g) {
            const std::string n = std::to_string(1000 + g).substr(1);
            text += "GW-0" + n + "=0000000000\r\nGL-0" + n + "=" + kLost[1] + "\r\n";
        }
    }
    return text;
}

TEST(FilesSurviveAKill, EveryKillLeavesAWholeOldOrNewFile) {
    testing::TempFolder folder;
    const std::string cfg = folder / "Cfg.dat", stat = folder / "Stat_uni.dat";
    RecordingDesktop desktop;

    // Every content a file can hold between whole writes: the loop's states, worked out first.
    testing::WriteBytes(cfg, "[Options]\r\nDeck=" + std::string(kDeck[1]) + "\r\nSize=B\r\n");
    testing::WriteBytes(stat, StatisticsSized());
    WriteRound(desktop, cfg, stat, 1);
    const std::string cfgStart = testing::ReadBytes(cfg), statStart = testing::ReadBytes(stat);
    std::set<std::string> cfgWhole = {cfgStart}, statWhole = {statStart};
    for (int round = 0; round < 4; ++round) {
        const int v = round % 2;
        IniFile::WriteString(cfg, "Options", "Deck", kDeck[v]);
        cfgWhole.insert(testing::ReadBytes(cfg));
        WriteKey(desktop, stat, "Player 5", "GW-0150", kWon[v]);
        statWhole.insert(testing::ReadBytes(stat));
        WriteKey(desktop, stat, "Player 5", "GL-0150", kLost[v]);
        statWhole.insert(testing::ReadBytes(stat));
    }
    ASSERT_EQ(cfgWhole.size(), 2u);
    ASSERT_EQ(statWhole.size(), 4u);

    std::mt19937 random(20261209);
    int kills = 0, killedMidLoop = 0;
    for (int attempt = 0; attempt < 200; ++attempt) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            for (long i = 0;; ++i) {
                WriteRound(desktop, cfg, stat, static_cast<int>(i % 2));
                if (i == 0)
                    (void)!::write(ready[1], "x", 1);
            }
        }
        ::close(ready[1]);
        // Wait until the child has written once, then let it run a random while before the kill.
        char byte = 0;
        killedMidLoop += ::read(ready[0], &byte, 1) == 1 ? 1 : 0;
        ::close(ready[0]);
        ::usleep(static_cast<useconds_t>(std::uniform_int_distribution<int>(0, 3000)(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        ++kills;
        ASSERT_EQ(cfgWhole.count(testing::ReadBytes(cfg)), 1u) << "Cfg.dat cut or mixed after kill " << kills;
        ASSERT_EQ(statWhole.count(testing::ReadBytes(stat)), 1u)
            << "Stat_uni.dat cut or mixed after kill " << kills;
    }
    EXPECT_EQ(kills, 200);
    EXPECT_EQ(killedMidLoop, 200);
    // What a kill can leave behind is a temporary file beside them, never a damaged original.
    for (const auto& name : folder.Entries())
        EXPECT_TRUE(name == "Cfg.dat" || name == "Stat_uni.dat" || name.rfind("rpl", 0) == 0) << name;
}

} // namespace
} // namespace quillon
