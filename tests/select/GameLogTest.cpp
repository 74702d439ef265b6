#include "select/GameLog.h"
#include "common/TempFolder.h"
#include "model/Session.h"

#include <gtest/gtest.h>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

GameLogEntry Entry() {
    GameLogEntry e;
    e.game = 87;
    e.player = "Player 1";
    e.won = true;
    e.date = "2024-03-09";
    e.time = "17:05:42";
    e.dealCode = "0123456789012";
    e.score = -52;
    e.seconds = 754;
    e.moves = 131;
    return e;
}

bool Same(const GameLogEntry& a, const GameLogEntry& b) {
    return a.game == b.game && a.player == b.player && a.won == b.won && a.date == b.date &&
           a.time == b.time && a.dealCode == b.dealCode && a.score == b.score && a.seconds == b.seconds &&
           a.moves == b.moves;
}

TEST(GameLog, LineKeepsTheNamedColumns) {
    GameLogEntry e = Entry();
    e.player = std::string(35, 'x') + "!"; // a name beyond 30 characters is cut
    std::string line = FormatGameLogLine(e);
    ASSERT_EQ(line.size(), kGameLogLineLength);
    EXPECT_EQ(line.substr(2, 4), "1234");  // 754 s = 12 min 34 s
    EXPECT_EQ(line.substr(25, 4), "0087"); // game number
    EXPECT_EQ(line.substr(81, 30), std::string(30, 'x'));
    EXPECT_EQ(line.substr(112, 3), "Won");
    e.won = false;
    e.player = "Ann";
    line = FormatGameLogLine(e);
    EXPECT_EQ(line.substr(81, 30), "Ann" + std::string(27, ' '));
    EXPECT_NE(line.substr(112, 3), "Won");
}

TEST(GameLog, RoundTripsAndKeepsNumbersAtTheirWidth) {
    struct Case {
        int seconds, score, moves, game;
        std::string minutesSeconds; // columns 3-6
        int secondsBack, scoreBack, movesBack, gameBack;
    } cases[] = {
        {0, 0, 0, 0, "0000", 0, 0, 0, 0},
        {59, 208, 1, 7999, "0059", 59, 208, 1, 7999},
        {60, -104, 999999, 1, "0100", 60, -104, 999999, 1},
        {5999, 9999999, 1000000, 9999, "9959", 5999, 9999999, 999999, 9999},
        {6000, -1000000, -3, -1, "9959", 6000, -999999, 0, 0}, // 100 minutes and beyond: 99:59
        {-5, 12, 2, 12, "0000", 0, 12, 2, 12},
    };
    for (const Case& c : cases) {
        GameLogEntry e = Entry();
        e.seconds = c.seconds;
        e.score = c.score;
        e.moves = c.moves;
        e.game = c.game;
        std::string line = FormatGameLogLine(e);
        EXPECT_EQ(line.substr(2, 4), c.minutesSeconds) << c.seconds;
        GameLogEntry back;
        ASSERT_TRUE(ParseGameLogLine(line + "\r", back)) << line;
        EXPECT_EQ(back.seconds, c.secondsBack);
        EXPECT_EQ(back.score, c.scoreBack);
        EXPECT_EQ(back.moves, c.movesBack);
        EXPECT_EQ(back.game, c.gameBack);
        EXPECT_EQ(back.player, "Player 1");
        EXPECT_EQ(back.dealCode, "0123456789012");
    }
    GameLogEntry blank = Entry();
    blank.date = blank.time = blank.dealCode = "";
    blank.won = false;
    GameLogEntry back;
    ASSERT_TRUE(ParseGameLogLine(FormatGameLogLine(blank), back));
    EXPECT_TRUE(Same(back, blank));
}

TEST(GameLog, DamagedLinesAreRefused) {
    const std::string good = FormatGameLogLine(Entry());
    auto with = [&](size_t column, std::string text) {
        return good.substr(0, column - 1) + text + good.substr(column - 1 + text.size());
    };
    struct Case {
        const char* what;
        std::string line;
    } cases[] = {
        {"empty", ""},
        {"one character short", good.substr(0, kGameLogLineLength - 1)},
        {"letter in the game number", with(27, "O")},
        {"letter in the minutes", with(3, "x")},
        {"blank in the seconds", with(10, " ")},
        {"date out of form", with(31, "2024/03/09")},
        {"time out of form", with(42, "17-05-42")},
        {"deal code with a letter", with(55, "a")},
        {"score without digits", with(65, "     - ")},
        {"no player", with(82, std::string(30, ' '))},
        {"unknown result", with(113, "Tie")},
        {"control bytes", std::string(200, '\0')},
    };
    for (const Case& c : cases) {
        GameLogEntry e = Entry();
        e.game = 4242;
        EXPECT_FALSE(ParseGameLogLine(c.line, e)) << c.what;
        EXPECT_EQ(e.game, 4242) << c.what << ": a refused line leaves the entry alone";
    }
    // Extra text after column 115 is allowed (a later program may add columns).
    GameLogEntry e;
    EXPECT_TRUE(ParseGameLogLine(good + " more", e));
}

TEST(GameLog, AppendsAndReadsBackSkippingWhatItCannotRead) {
    TempFolder dir;
    Session s;
    s.DataFolder = dir.path();
    const std::string path = GameLogPath(s);
    EXPECT_EQ(path, dir / "Stat_log.dat");
    EXPECT_TRUE(ReadGameLog(path).empty());

    GameLogEntry first = Entry();
    GameLogEntry second = Entry();
    second.player = "Bea\tTab"; // a control character must not break the line
    second.won = false;
    ASSERT_TRUE(AppendGameLog(path, first));
    // A hand edit left a half line without its line end.
    dir.Write("Stat_log.dat", dir.Read("Stat_log.dat") + "hand edited\r\ngarbage without line end");
    ASSERT_TRUE(AppendGameLog(path, second));

    std::string bytes = dir.Read("Stat_log.dat");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    auto entries = ReadGameLog(path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(Same(entries[0], first));
    EXPECT_EQ(entries[1].player, "Bea Tab");
    EXPECT_FALSE(entries[1].won);

    // A file name spelled in another case is found.
    TempFolder other;
    other.Write("STAT_LOG.DAT", FormatGameLogLine(first) + "\n");
    Session t;
    t.DataFolder = other.path();
    EXPECT_EQ(ReadGameLog(GameLogPath(t)).size(), 1u);
    EXPECT_FALSE(AppendGameLog(dir / "no-such-folder/Stat_log.dat", first));
}

} // namespace
