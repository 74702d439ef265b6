#include "select/StatisticsView.h"

#include "common/TempFolder.h"
#include "model/GameDefinitions.h"
#include "model/Random.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/SectionedKeyFile.h"
#include "select/GameLog.h"
#include "select/OpenGame.h"
#include "select/StatisticsText.h"
#include "support/QtAppEnvironment.h"
#include "table/ImageResources.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

class StatisticsViewTest : public ::testing::Test {
protected:
    StatisticsViewTest() {
        const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
        s.ProgramFolder = dir ? WithSlash(dir) : std::string();
        s.DataFolder = data.path();
        s.desktop = &desktop;
        EXPECT_TRUE(ReadGameList(s));
    }
    void Counts(const std::string& player, int game, int won, int lost) {
        const std::string path = s.DataFolder + "Stat_uni.dat";
        ASSERT_TRUE(WriteKey(desktop, path, player, StatKeyName(StatCounter::Won, game),
                             MakeStatValue(StatCounter::Won, game, won, random)));
        ASSERT_TRUE(WriteKey(desktop, path, player, StatKeyName(StatCounter::Lost, game),
                             MakeStatValue(StatCounter::Lost, game, lost, random)));
    }
    void Log(const std::string& player, int game, bool won, int seconds, int score, const std::string& date) {
        GameLogEntry e;
        e.game = game;
        e.player = player;
        e.won = won;
        e.seconds = seconds;
        e.score = score;
        e.date = date;
        e.time = "12:00:00";
        e.dealCode = "1234567890123";
        ASSERT_TRUE(AppendGameLog(GameLogPath(s), e));
    }
    // Ann: Klondike 3 won of 5, FreeCell 1 lost, Golf counters damaged; a log with Klondike's
    // games, a game of another player and a game whose counters were reset.
    void AnnsResults() {
        Counts("Ann", 101, 3, 2);
        Counts("Ann", 103, 0, 1);
        Counts("Bob", 101, 9, 0);
        ASSERT_TRUE(WriteKey(desktop, s.DataFolder + "Stat_uni.dat", "Ann",
                             StatKeyName(StatCounter::Won, 107), "0123456789abcdef"));
        Log("Ann", 101, true, 300, 50, "2026-01-02");
        Log("Ann", 101, true, 200, 60, "2026-01-03");
        Log("Bob", 101, true, 50, 900, "2026-12-31");
        Log("Ann", 101, false, 100, 70, "2026-01-04");
        Log("Ann", 106, true, 10, 10, "2026-02-01"); // Spider: not in the counters
        Log("Ann", 101, true, 250, 40, "2026-01-05");
        Log("Ann", 101, true, 400, 65, "2026-01-06");
    }

    TempFolder data;
    RecordingDesktop desktop;
    RandomGenerator random;
    Session s;
};

TEST_F(StatisticsViewTest, RowsJoinTheCountersWithThePlayersLogLines) {
    AnnsResults();
    const auto rows = PlayerStatisticsRows(s, "Ann", ReadGameLog(GameLogPath(s)));
    ASSERT_EQ(rows.size(), 2u) << "only games with counters; damaged counters count as not played";
    const GameStatisticsRow& klondike = rows[0];
    EXPECT_EQ(klondike.game, 101);
    EXPECT_EQ(klondike.name, "Klondike");
    EXPECT_EQ(klondike.won, 3);
    EXPECT_EQ(klondike.lost, 2);
    EXPECT_EQ(klondike.bestSeconds, 200) << "the quickest won game, not the lost one of 100";
    EXPECT_EQ(klondike.bestScore, 70) << "lost games score too";
    EXPECT_EQ(klondike.currentStreak, 2);
    EXPECT_EQ(klondike.longestStreak, 2);
    EXPECT_EQ(klondike.lastPlayed, "2026-01-06 12:00:00") << "Bob's later game is his";
    const GameStatisticsRow& freecell = rows[1];
    EXPECT_EQ(freecell.game, 103);
    EXPECT_EQ(freecell.bestSeconds, -1);
    EXPECT_FALSE(freecell.hasScore);
    EXPECT_EQ(freecell.lastPlayed, "");

    const auto families = FamilyTotals(rows);
    ASSERT_EQ(families.size(), 2u);
    EXPECT_EQ(families.at(GameGroup(s, 101)).Played(), 5);
    EXPECT_EQ(families.at(GameGroup(s, 103)).lost, 1);
    EXPECT_EQ(OverallTotals(rows).won, 3);
    EXPECT_EQ(OverallTotals(rows).Played(), 6);
    EXPECT_EQ(FormatPlayTime(3725), "1:02:05");
    EXPECT_EQ(FormatPlayTime(-1), "");
}

TEST_F(StatisticsViewTest, StreaksCountWinsInARowUpToTheLastGame) {
    Counts("Ann", 101, 5, 2);
    for (bool won : {true, true, true, false, true, false, true})
        Log("Ann", 101, won, 60, 0, "2026-03-01");
    auto rows = PlayerStatisticsRows(s, "Ann", ReadGameLog(GameLogPath(s)));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].longestStreak, 3);
    EXPECT_EQ(rows[0].currentStreak, 1);
    Log("Ann", 101, false, 60, 0, "2026-03-02");
    rows = PlayerStatisticsRows(s, "Ann", ReadGameLog(GameLogPath(s)));
    EXPECT_EQ(rows[0].currentStreak, 0);
}

TEST_F(StatisticsViewTest, TheViewShowsFamiliesSortsByNumbersAndResetsAGame) {
    AnnsResults();
    std::vector<std::tuple<int, std::string, bool>> recorded;
    s.Play.RecordGameResult = [&](Session& session, int game, const std::string& player, bool reset, bool) {
        recorded.emplace_back(game, player, reset);
        Counts(player, game, 0, 0);
    };
    TfrmStatisticsView view(s);
    view.Show("Ann", 103);
    EXPECT_EQ(view.SelectedGame(), 103) << "the dialog's game is selected";
    QTreeWidget* list = view.lvStatistics;
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(view.lblTotals->text(), "All games: 6 played, 3 won, 3 lost  -  50%");
    QTreeWidgetItem* klondikes = nullptr;
    for (int i = 0; i < 2; ++i)
        if (list->topLevelItem(i)->text(0) == "Klondike type")
            klondikes = list->topLevelItem(i);
    ASSERT_TRUE(klondikes);
    EXPECT_EQ(klondikes->text(TfrmStatisticsView::Played), "5");
    EXPECT_EQ(klondikes->text(TfrmStatisticsView::Percent), "60%");
    ASSERT_EQ(klondikes->childCount(), 1);
    QTreeWidgetItem* klondike = klondikes->child(0);
    EXPECT_EQ(klondike->text(TfrmStatisticsView::BestTime), "0:03:20");
    EXPECT_EQ(klondike->text(TfrmStatisticsView::BestScore), "70");
    EXPECT_EQ(klondike->text(TfrmStatisticsView::LastPlayed), "2026-01-06 12:00:00");
    // By the percentage, numbers compare as numbers: 0% before 60%, and the other way down.
    list->sortByColumn(TfrmStatisticsView::Percent, Qt::AscendingOrder);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "FreeCell type");
    list->sortByColumn(TfrmStatisticsView::Percent, Qt::DescendingOrder);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Klondike type");

    // The reset asks first; "No" changes nothing.
    desktop.questionAnswer = false;
    EXPECT_FALSE(view.ResetSelectedGame());
    EXPECT_TRUE(recorded.empty());
    desktop.questionAnswer = true;
    EXPECT_TRUE(view.ResetSelectedGame());
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0], std::make_tuple(103, std::string("Ann"), true));
    EXPECT_EQ(list->topLevelItemCount(), 1) << "the reset game has no results left";
    EXPECT_EQ(view.SelectedGame(), -1);
    EXPECT_FALSE(view.btnReset->isEnabled());
}

TEST_F(StatisticsViewTest, TheDialogsButtonOpensTheViewForThePlayerAndGameChosenThere) {
    WriteKey(desktop, s.DataFolder + "Cfg.dat", "Users", "User001", "Ann");
    WriteKey(desktop, s.DataFolder + "Cfg.dat", "Users", "User002", "Bob");
    s.Params.WriteParam(77, 30, "Ann");
    s.Params.WriteParam(62, 4, "0101");
    ASSERT_TRUE(OpenMainLibrary(s));
    ImageResources images(s);
    TfrmOpenGame dialog(s, images);
    dialog.PrepareShowing();
    std::string player;
    int game = -2;
    dialog.ShowStatistics = [&](const std::string& p, int g) {
        player = p;
        game = g;
    };
    EXPECT_TRUE(dialog.tbStatistics->isVisibleTo(&dialog));
    dialog.cboPlayers->setCurrentText("Bob");
    dialog.tbStatistics->click();
    EXPECT_EQ(player, "Bob");
    EXPECT_EQ(game, 101);
}

} // namespace
