// The layout checker over hand-made games shaped like well-known patiences, and the checker's own
// ability to see a bad table.

#include "table/LayoutChecker.h"
#include "table/LayoutTestSupport.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::CheckGameLayout;
using test::CheckPilePositions;
using test::GameShape;

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

// Stock and waste top left, foundations over the last four piles, seven fanned piles below.
GameShape Klondike() {
    GameShape g;
    g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {1, 5};
    g.foundations = 4, g.foundation = {1, 7};
    g.tableau = 7, g.tab = {2, 1};
    g.tableauFan = 1;
    return g;
}

// Four free cells top left, foundations top right, eight fanned piles below.
GameShape FreeCell() {
    GameShape g;
    g.reserves = 4, g.reserve = {1, 5};
    g.foundations = 4, g.foundation = {1, 8};
    g.tableau = 8, g.tab = {2, 1};
    g.tableauFan = 1;
    return g;
}

// A stock without a waste, eight foundations over the last piles, ten fanned piles.
GameShape Spider() {
    GameShape g;
    g.stockPiles = 1, g.hasStock = 1, g.stock = {1, 5};
    g.foundations = 8, g.foundation = {1, 7};
    g.tableau = 10, g.tab = {2, 1};
    g.tableauFan = 1;
    return g;
}

TEST(LayoutChecker, WellKnownShapesLayOutCleanly) {
    for (auto [name, shape] : {std::pair{"Klondike", Klondike()}, std::pair{"FreeCell", FreeCell()},
                               std::pair{"Spider", Spider()}}) {
        Session s;
        test::ApplyShape(s, shape);
        EXPECT_EQ(Join(CheckGameLayout(s)), "") << name;
    }
}

TEST(LayoutChecker, SpiderPilesWhereExpected) {
    // gap (1022 - 710) / 11 = 28 -> 20 -> 14 (more than 8 piles); x0 = (1022 - 710 - 126) / 2 = 93;
    // foundations over piles 3-10, the stock at N = 29 on row 1.
    Session s;
    test::ApplyShape(s, Spider());
    LayoutForClientArea(s, 1024, 768, 'B');
    EXPECT_EQ(s.GetTableauX(0), 93);
    EXPECT_EQ(s.GetTableauX(9), 858);
    EXPECT_EQ(s.Game.GetFoundationX(0), 263);
    EXPECT_EQ(s.Game.GetStockX(0), 29);
    EXPECT_EQ(s.Game.GetStockX(1), kStockHidden);
}

TEST(LayoutChecker, StockInsideTheTableauRowIsStackedOnPurpose) {
    GameShape g;
    g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {2, 4};
    g.tableau = 10, g.tab = {2, 1};
    Session s;
    test::ApplyShape(s, g);
    EXPECT_EQ(Join(CheckGameLayout(s)), "");
}

TEST(LayoutChecker, SeesPilesOnTopOfEachOther) {
    GameShape g = Klondike();
    g.tab = {1, 1}; // tableau on the foundations' row
    Session s;
    test::ApplyShape(s, g);
    auto faults = CheckGameLayout(s);
    ASSERT_FALSE(faults.empty());
    EXPECT_NE(Join(faults).find("Dest1 at 475,25 overlaps Fila4 at 475,25"), std::string::npos)
        << Join(faults);
    // The same pair is accepted when the caller says the game stacks them.
    test::LayoutCheckOptions allow;
    for (int i = 1; i <= 4; ++i)
        allow.allowedOverlaps.push_back({"Dest" + std::to_string(i), "Fila" + std::to_string(i + 3)});
    EXPECT_EQ(Join(CheckGameLayout(s, allow)), "");
}

TEST(LayoutChecker, SeesPilesOutsideTheTableAndPilesTheGameDoesNotHave) {
    Session s;
    test::ApplyShape(s, FreeCell());
    LayoutForClientArea(s, 1024, 768, 'B');
    ASSERT_EQ(Join(CheckPilePositions(s, 1024)), "");
    s.TableauX[7] = 960; // 960 + 71 is past 1024
    s.TableauX[8] = 5;   // a ninth pile in an eight-pile game
    s.Game.ReserveY[5] = 0;
    s.Game.StockX[0] = 300; // no stock group
    auto text = Join(CheckPilePositions(s, 1024));
    EXPECT_NE(text.find("Fila8 at 960,116 is outside"), std::string::npos) << text;
    EXPECT_NE(text.find("Fila9 is not in the game"), std::string::npos) << text;
    EXPECT_NE(text.find("Appogg6 is not in the game"), std::string::npos) << text;
    EXPECT_NE(text.find("Mazzo is not in the game"), std::string::npos) << text;
}

TEST(LayoutChecker, PilesBeyondTheListsNeverMove) {
    // Counts above the list sizes are held to 40 tableau piles, 16 foundations and 12 reserves.
    GameShape g;
    g.tableau = 45, g.tab = {2, 1};
    g.foundations = 20, g.foundation = {1, 1};
    g.reserves = 14, g.reserve = {3, 5};
    Session s;
    test::ApplyShape(s, g);
    LayoutForClientArea(s, 1024, 768, 'B');
    EXPECT_EQ(s.TableauX[40], 0);
    EXPECT_EQ(s.Game.FoundationX[16], kFoundationHidden);
    EXPECT_EQ(s.Game.ReserveX[12], kReserveHidden);
    EXPECT_NE(s.TableauX[39], kTableauHidden);
}

} // namespace
} // namespace quillon

namespace quillon {
namespace {

// Every whole-table arrangement with the piles it places, at both window sizes.
TEST(LayoutChecker, WholeTableArrangementsLayOutCleanly) {
    struct Shape {
        int arrangement, tableau, foundations, stockPiles, secondWaste;
        std::vector<std::pair<int, int>> extra;
    } shapes[] = {
        {51, 16, 4, 1, 1, {}},
        {52, 8, 4, 2, 0, {}},
        {54, 7, 0, 2, 1, {{382, 1}, {383, 7}}},
        {54, 7, 0, 2, 1, {{382, 7}, {383, 1}}},
        {57, 12, 4, 2, 0, {}},
        {58, 20, 4, 2, 0, {}},
        {66, 25, 0, 1, 1, {}},
        {78, 16, 8, 2, 0, {}},
        {78, 15, 4, 1, 0, {{378, 104}}},
        {103, 0, 8, 2, 0, {}},
        {108, 16, 12, 2, 0, {}},
        {120, 5, 5, 2, 0, {}},
        {123, 16, 0, 0, 0, {}},
        {123, 16, 0, 0, 1, {}},
        {124, 9, 0, 0, 0, {}},
        {125, 25, 0, 0, 1, {}},
        {126, 13, 0, 0, 0, {}},
        {127, 4, 0, 0, 1, {}},
        {128, 5, 0, 0, 1, {}},
        {129, 3, 0, 0, 1, {}},
        {130, 20, 10, 0, 0, {}},
        {61, 8, 12, 0, 0, {}},
        {81, 20, 8, 1, 0, {}},
        {98, 12, 0, 1, 1, {}},
        {166, 16, 0, 0, 0, {}},
        {172, 9, 1, 1, 0, {}},
    };
    for (const Shape& w : shapes) {
        GameShape g;
        g.tab = {1, w.arrangement};
        g.tableau = w.tableau, g.foundations = w.foundations, g.secondWaste = w.secondWaste;
        g.stockPiles = w.stockPiles, g.hasStock = w.stockPiles > 0, g.stockToWaste = w.stockPiles > 1;
        Session s;
        test::ApplyShape(s, g);
        for (auto [n, v] : w.extra)
            test::SetAttr(s, n, v);
        EXPECT_EQ(Join(CheckGameLayout(s)), "") << "arrangement " << w.arrangement;
    }
}

} // namespace
} // namespace quillon
