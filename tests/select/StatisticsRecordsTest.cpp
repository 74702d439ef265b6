// Recording results in the statistics files and keeping them in step with the players: the
// counters of "Stat_uni.dat", the files made at the end of a game, the progress file built from
// the game log, and renaming and deleting players across every file.

#include "common/TempFolder.h"
#include "model/Deal.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/SectionedKeyFile.h"
#include "select/GameLog.h"
#include "select/StatisticsFiles.h"
#include "select/StatisticsText.h"

#include <gtest/gtest.h>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

const char* const kDamagedMessage =
    "It appears as if the Internet Single Game Values are incorrect or corrupted.\r"
    "The Internet Single Game Values will be deleted and reset to zero.";

class StatisticsRecordsTest : public ::testing::Test {
protected:
    StatisticsRecordsTest() {
        s.DataFolder = dir.path();
        s.desktop = &desktop;
        s.Game.FreshDeal = 1;
        s.Game.GameStarted = -1;
        s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, "Player 1");
    }
    UniqueCounts Counts(const std::string& player, int game) { return ReadUniqueCounts(s, player, game); }
    std::string LogLine(const std::string& player, int game, bool won, int seconds = 65) {
        GameLogEntry e;
        e.game = game;
        e.player = player;
        e.won = won;
        e.seconds = seconds;
        return FormatGameLogLine(e);
    }

    TempFolder dir;
    RecordingDesktop desktop;
    Session s;
};

TEST_F(StatisticsRecordsTest, WinsAndLossesAddUpPerPlayerAndGame) {
    RecordGameResult(s, 87, "Player 1", false, true);
    auto first = ReadKeys(dir / "Stat_uni.dat", "Player 1", {"GW-0087", "GL-0087"}, {"", ""}).values;
    ASSERT_EQ(first.at(0).size(), 16u);
    EXPECT_EQ(Unscramble(first[0], StatsKey).substr(1, 2) + Unscramble(first[0], StatsKey).substr(4, 2) +
                  Unscramble(first[0], StatsKey).substr(7, 2),
              "000001");
    RecordGameResult(s, 87, "Player 1   ", false, false); // trailing blanks of position 77
    RecordGameResult(s, 87, "Player 1", false, true);
    RecordGameResult(s, 101, "Player 2", false, false);
    EXPECT_EQ(Counts("Player 1", 87).won, 2);
    EXPECT_EQ(Counts("Player 1", 87).lost, 1);
    EXPECT_EQ(Counts("Player 2", 101).lost, 1);
    EXPECT_EQ(Counts("Player 2", 87).won, 0);
    EXPECT_TRUE(desktop.boxes.empty());
    // A reset writes zero counts, each time with other random digits, always decoding to 0.
    const std::string before = dir.Read("Stat_uni.dat");
    RecordGameResult(s, 87, "Player 1", true, false);
    const std::string reset1 = dir.Read("Stat_uni.dat");
    RecordGameResult(s, 87, "Player 1", true, false);
    EXPECT_EQ(reset1.size(), before.size()) << "values are overwritten in place";
    EXPECT_NE(dir.Read("Stat_uni.dat"), reset1);
    EXPECT_EQ(Counts("Player 1", 87).won, 0);
    EXPECT_EQ(Counts("Player 1", 87).lost, 0);
}

TEST_F(StatisticsRecordsTest, OnlyCountingGamesAreRecorded) {
    struct Case {
        const char* what;
        int game;
        int fresh, disabled, started;
        bool reset;
        bool recorded;
    } cases[] = {
        {"a fresh deal of game 0", 0, 1, 0, -1, false, true},
        {"game 7999", 7999, 1, 0, 1, false, true},
        {"a custom game", 8000, 1, 0, -1, false, false},
        {"a custom game, even reset", 8000, 1, 0, -1, true, false},
        {"no game number", -1, 1, 0, -1, false, false},
        {"a deal that was not freshly drawn", 87, 0, 0, -1, false, false},
        {"statistics disabled", 87, 1, 1, -1, false, false},
        {"a game never started", 87, 1, 0, 0, false, false},
        {"a reset ignores the deal", 87, 0, 1, 0, true, true},
    };
    for (const Case& c : cases) {
        DeleteFileIfAny(dir / "Stat_uni.dat");
        s.Game.FreshDeal = static_cast<std::int16_t>(c.fresh);
        s.Game.StatisticsDisabled = static_cast<std::int16_t>(c.disabled);
        s.Game.GameStarted = static_cast<std::int16_t>(c.started);
        RecordGameResult(s, c.game, "Ann", c.reset, true);
        EXPECT_EQ(FileExists(dir / "Stat_uni.dat"), c.recorded) << c.what;
    }
}

TEST_F(StatisticsRecordsTest, AChangedCharacterDiscardsTheFileAndTheNextResultStartsFresh) {
    RecordGameResult(s, 87, "Player 1", false, true);
    RecordGameResult(s, 87, "Player 1", false, true);
    RecordGameResult(s, 5, "Player 1", false, true);
    std::string bytes = dir.Read("Stat_uni.dat");
    const size_t value = bytes.find("GW-0087=") + 8;
    bytes[value + 2] = static_cast<char>(bytes[value + 2] + 1); // a count digit of the won value
    dir.Write("Stat_uni.dat", bytes);

    RecordGameResult(s, 87, "Player 1", false, true);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, kDamagedMessage);
    EXPECT_FALSE(FileExists(dir / "Stat_uni.dat")) << "the damaged file is deleted, the result lost";
    RecordGameResult(s, 87, "Player 1", false, false);
    EXPECT_EQ(Counts("Player 1", 87).won, 0);
    EXPECT_EQ(Counts("Player 1", 87).lost, 1);
    EXPECT_EQ(Counts("Player 1", 5).won, 0) << "the other game's counts went with the file";
    EXPECT_EQ(desktop.boxes.size(), 1u);
}

TEST_F(StatisticsRecordsTest, TheEndOfAGameMakesTheFilesAndLogsCountingGames) {
    dir.Write("Stat_log.dat", LogLine("Player 1", 87, true) + "\r\n" + LogLine("Player 2", 101, false) +
                                  "\r\n" + "damaged line\r\n" + LogLine("Player 1", 1234, false, 7 * 60 + 5) +
                                  "\r\n");
    EnsureStatisticsFiles(s);
    EXPECT_EQ(dir.Read("Stat.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(dir.Read("Stat_scr.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(dir.Read("Series_scr.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(dir.Read("Stat_glo.dat"), "[Version]\r\nVOvS=0300\r\n");
    // The player's games in log order: game 0087 won in 1:05, game 1234 lost in 7:05.
    const std::string expected{char(0 + 33),  char(87 + 33), char(1 + 33), char(5 + 100),
                               char(12 + 33), char(34 + 33), char(7 + 33), char(5 + 50)};
    EXPECT_EQ(dir.Read("Stat_prg_Player 1.dat"), expected);
    // Existing files are left alone: the progress file is not built again.
    dir.Write("Stat.dat", "[Version]\r\nVersion=0300\r\n\r\n[87]\r\nAnn=x\r\n");
    dir.Write("Stat_prg_Player 1.dat", "keep");
    EnsureStatisticsFiles(s);
    EXPECT_EQ(dir.Read("Stat.dat"), "[Version]\r\nVersion=0300\r\n\r\n[87]\r\nAnn=x\r\n");
    EXPECT_EQ(dir.Read("Stat_prg_Player 1.dat"), "keep");

    // An ended game: its log line and its progress record; a game that does not count: nothing.
    dir.Write("Stat_prg_Player 1.dat", "");
    s.Params.WriteParam(kParamDealCode, kParamDealCodeWidth, "0000012345678");
    s.Params.WriteParam(kParamScore, kParamScoreWidth, "-12");
    s.GameTimes[0] = 45000.5;
    s.GameTimes[1] = 45000.5 + 125.0 / 86400;
    RecordEndedGame(s, 87, "Player 1", false);
    s.Game.FreshDeal = 0;
    RecordEndedGame(s, 87, "Player 1", true);
    auto log = ReadGameLog(dir / "Stat_log.dat");
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[3].game, 87);
    EXPECT_FALSE(log[3].won);
    EXPECT_EQ(log[3].seconds, 125);
    EXPECT_EQ(log[3].score, -12);
    EXPECT_EQ(log[3].dealCode, "0000012345678");
    EXPECT_EQ(log[3].date, "2023-03-15");
    EXPECT_EQ(log[3].time, "12:02:05") << "the time the game ended";
    EXPECT_EQ(dir.Read("Stat_prg_Player 1.dat"),
              (std::string{char(0 + 33), char(87 + 33), char(2 + 33), char(5 + 50)}));
    EXPECT_EQ(Counts("Player 1", 87).lost, 1);
    EXPECT_EQ(Counts("Player 1", 87).won, 0);
}

TEST_F(StatisticsRecordsTest, RenameTouchesEveryFileAndColumnOfThatPlayerOnly) {
    const std::string one = "Player 1", ten = "Player 10";
    dir.Write("Stat.dat", "[Version]\r\nVersion=0300\r\n\r\n[87]\r\nPlayer 10=1\r\nPlayer 1=2\r\n");
    dir.Write("Stat_glo.dat",
              "[Version]\r\nVOvS=0300\r\n\r\n[Player 10]\r\nA=1\r\n\r\n[Player 1]\r\nA=2\r\n");
    RecordGameResult(s, 87, ten, false, true);
    RecordGameResult(s, 87, one, false, false);
    dir.Write("Stat_log.dat", LogLine(ten, 87, true) + "\r\n" + LogLine(one, 87, false) + "\r\n");
    auto scoreLine = [](const std::string& name) {
        std::string line(38, '0');
        line += name;
        line.resize(68 + 5, ' ');
        return line;
    };
    dir.Write("Stat_scr.dat",
              "[Version]\r\nVersion=0300\r\n" + scoreLine(ten) + "\r\n" + scoreLine(one) + "\r\n");
    dir.Write("Series_scr.dat", "[Version]\r\nVersion=0300\r\n" + scoreLine(one) + "\r\n");
    dir.Write("Stat_prg_Player 1.dat", "abcd");
    std::vector<int> progress;
    RenamePlayerInStatistics(s, one + "  ", "Zoe ", [&](int lines) { progress.push_back(lines); });

    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(dir.Read("Stat.dat"), "[Version]\r\nVersion=0300\r\n\r\n[87]\r\nPlayer 10=1\r\nZoe=2\r\n");
    EXPECT_EQ(dir.Read("Stat_glo.dat"),
              "[Version]\r\nVOvS=0300\r\n\r\n[Player 10]\r\nA=1\r\n\r\n[Zoe]\r\nA=2\r\n");
    EXPECT_EQ(Counts("Zoe", 87).lost, 1);
    EXPECT_EQ(Counts(ten, 87).won, 1);
    EXPECT_EQ(Counts(one, 87).lost, 0) << "the old section is gone";
    auto log = ReadGameLog(dir / "Stat_log.dat");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].player, ten);
    EXPECT_EQ(log[1].player, "Zoe");
    EXPECT_EQ(dir.Read("Stat_scr.dat"),
              "[Version]\r\nVersion=0300\r\n" + scoreLine(ten) + "\r\n" + scoreLine("Zoe") + "\r\n");
    EXPECT_EQ(dir.Read("Series_scr.dat"), "[Version]\r\nVersion=0300\r\n" + scoreLine("Zoe") + "\r\n");
    EXPECT_FALSE(FileExists(dir / "Stat_prg_Player 1.dat"));
    EXPECT_EQ(dir.Read("Stat_prg_Zoe.dat"), "abcd");
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(StatisticsRecordsTest, DeleteZeroesOnlyTheGamesListedInTheRecords) {
    const std::string zero = "000000 000000 000000 000000 000000 000000 000000000000 000000000000";
    dir.Write("Stat.dat",
              "[Version]\r\nVersion=0300\r\n\r\n[87]\r\nAnn 2=5\r\nAnn=7\r\n\r\n[101]\r\nBob=1\r\n");
    for (int game : {87, 101, 103}) {
        RecordGameResult(s, game, "Ann", false, true);
        RecordGameResult(s, game, "Ann 2", false, true);
    }
    dir.Write("Stat_log.dat", LogLine("Ann", 87, true) + "\r\n" + LogLine("Ann 2", 87, true) +
                                  "\r\nshort line\r\n" + LogLine("Ann", 101, false) + "\r\n");
    dir.Write("Stat_prg_Ann.dat", "abcd");
    dir.Write("Stat_prg_Ann 2.dat", "efgh");
    DeletePlayerStatistics(s, "Ann ");

    EXPECT_EQ(dir.Read("Stat.dat"), "[Version]\r\nVersion=0300\r\n\r\n[87]\r\nAnn 2=5\r\nAnn=" + zero +
                                        "\r\n\r\n[101]\r\nBob=1\r\nAnn=" + zero + "\r\n");
    EXPECT_EQ(Counts("Ann", 87).won, 0);
    EXPECT_EQ(Counts("Ann", 101).won, 0);
    EXPECT_EQ(Counts("Ann", 103).won, 1) << "a game without a section in Stat.dat keeps its counts";
    EXPECT_EQ(Counts("Ann 2", 87).won, 1) << "another player's counts stay";
    auto log = ReadGameLog(dir / "Stat_log.dat");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].player, "Ann 2");
    EXPECT_NE(dir.Read("Stat_log.dat").find("short line"), std::string::npos) << "unreadable lines are kept";
    EXPECT_FALSE(FileExists(dir / "Stat_prg_Ann.dat"));
    EXPECT_EQ(dir.Read("Stat_prg_Ann 2.dat"), "efgh");
}

} // namespace
