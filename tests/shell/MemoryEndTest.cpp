// The result window of the memory games: the family's page, the points of a match and a miss, the
// score lines with their totals, and the green or red picture of a won or lost game.

#include "shell/MemoryEnd.h"

#include "support/QtAppEnvironment.h"

#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

TEST(MemoryEnd, ShowsThePageAndTheScoreMadeOfMatchesAndMisses) {
    struct Row {
        MemoryResultPage page;
        const char* matches;
        const char* misses;
        const char* total;
        bool green;
    } rows[] = {
        {{true, "Game Won", "Pairs", "Grid: 4 x 3", 6, 10, 4, -2, -52, 0, 500},
         "Matches: 6 x 10 = 60",
         "Misses 4 x -2 = -8",
         "Total: 0",
         true},
        {{false, "Game Lost", "Forget me not", "Cards: 10 ", 3, 10, 7, 0, -52, -22, 48},
         "Matches: 3 x 10 = 30",
         "Misses 7 x 0 = 0",
         "Total: -22",
         false},
        {{false, "Game Lost", "Ace-To-King", "", 0, 15, 12, -1, -52, -64, 100},
         "Matches: 0 x 15 = 0",
         "Misses 12 x -1 = -12",
         "Total: -64",
         false},
    };
    for (const Row& r : rows) {
        TfrmMemoryEnd window(r.page);
        EXPECT_EQ(window.windowTitle().toStdString(), r.page.caption);
        auto* pages = window.findChild<QTabWidget*>("pgcResult");
        ASSERT_TRUE(pages);
        ASSERT_EQ(pages->count(), 1) << "only the family's own page";
        EXPECT_EQ(pages->tabText(0).toStdString(), r.page.page);
        EXPECT_EQ(window.Line("lblMatches")->text().toStdString(), r.matches);
        EXPECT_EQ(window.Line("lblMisses")->text().toStdString(), r.misses);
        EXPECT_EQ(window.Line("lblStart")->text().toStdString(), "Start: -52");
        EXPECT_EQ(window.Line("lblTotal")->text().toStdString(), r.total);
        EXPECT_EQ(window.Line("lblToWin")->text().toStdString(),
                  "(Score to win: " + std::to_string(r.page.scoreToWin) + ")");
        auto* grid = window.Line("lblBoxCaption");
        EXPECT_EQ(grid != nullptr, !r.page.boxCaption.empty()) << r.page.page;
        if (grid)
            EXPECT_EQ(grid->text().toStdString(), r.page.boxCaption);
        const QColor c = window.ResultColour();
        EXPECT_EQ(c.green() > c.red(), r.green) << r.page.page;
        ASSERT_TRUE(window.Line("imgResult"));
        EXPECT_EQ(window.Line("imgResult")->pixmap().toImage().pixelColor(8, 8), c);
    }
}

} // namespace
