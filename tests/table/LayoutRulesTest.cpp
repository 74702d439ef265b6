// The rules around the arrangements: the reserve-overlap re-run, the finishing step and the scroll
// offset, the layout codes, and the listing of positions. Numbers are worked out by hand for cards
// of 71 x 96 with shadows, below a toolbar band ending at y 0.

#include "table/LayoutTestSupport.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::Code;
using test::GameShape;

GameShape ReservesBesideTableau(int reserves, int tableau, Code tab) {
    GameShape g;
    g.reserves = reserves;
    g.reserve = {1, 5};
    g.tableau = tableau;
    g.tab = tab;
    return g;
}

TEST(ReserveOverlap, TableauMovesRightOfTheReservesAndTheLayoutRunsAgain) {
    // Reserves "005" at 5, 81, 157, 233 on row 1 (y 10). Tableau "002", 6 piles, first pass at
    // (1022 - 426 - 50) / 2 = 273: pile 1 widened by 85 spans 188..429 and holds the last reserve's
    // corner (233, 10). The tableau then starts at 233 + 71 + 86 = 390.
    Session s;
    test::ApplyShape(s, ReservesBesideTableau(4, 6, {1, 2}));
    test::LayOut(s);
    EXPECT_EQ(s.Game.GetReserveX(3), 233);
    EXPECT_EQ(s.GetTableauX(0), 390);
    EXPECT_EQ(s.GetTableauX(5), 795);
    EXPECT_EQ(s.GetTableauY(0), 10);
}

TEST(ReserveOverlap, PilesOnAnotherRowStayCentred) {
    // Tableau on row 2 (116..212): the reserve (10..106) touches no widened slot.
    Session s;
    test::ApplyShape(s, ReservesBesideTableau(4, 6, {2, 2}));
    test::LayOut(s);
    EXPECT_EQ(s.GetTableauX(0), 273);
    EXPECT_EQ(s.GetTableauY(0), 116);
}

TEST(ReserveOverlap, EdgesCountAsCollisions) {
    // One reserve at 5 (right edge 76). Eight "002" piles start at (W - 648 + 10) / 2: W = 960 puts
    // the widened slot's left edge exactly on 76, a collision, so the start becomes 76 + 86 = 162.
    // W = 962 starts at 162 by itself (left edge 77, no collision); W = 964 at 163.
    struct Case {
        int width, first;
    } cases[] = {{962, 162}, {964, 162}, {966, 163}, {958, 162}};
    for (const Case& c : cases) {
        Session s;
        test::ApplyShape(s, ReservesBesideTableau(1, 8, {1, 2}));
        test::LayOut(s, c.width);
        EXPECT_EQ(s.GetTableauX(0), c.first) << "width " << c.width;
    }
}

TEST(ReserveOverlap, ArrangementThatIgnoresTheStartKeepsItsPlaceAndFinishes) {
    // "001" does not take the start: the collision stays and the first pass stands.
    // gap (1022 - 426) / 7 = 85 -> 20; x0 = (1022 - 426 - 100) / 2 = 248.
    Session s;
    test::ApplyShape(s, ReservesBesideTableau(4, 6, {1, 1}));
    test::LayOut(s);
    EXPECT_EQ(s.GetTableauX(0), 248);
    EXPECT_EQ(s.Game.GetReserveX(3), 233);
}

TEST(ReserveOverlap, NoSecondPassForAnArrangementThatCannotMove) {
    // 640 x 480: "003" lowers the group gap to 10 and sets the margin to 15, so the reserves lie at
    // 15 + 86j on row 1 (y 5). Tableau: gap (628 - 355 - 20 - 15) / 8 = 29 -> 15, x0 = 178 / 2 = 89,
    // + 86 + 20 = 195; its widened slot 110..351 holds the last reserve (273). A second pass would
    // find the gap already at 10 and leave the margin at 3, moving the reserves for nothing.
    Session s;
    test::ApplyShape(s, ReservesBesideTableau(4, 4, {1, 3}));
    test::LayOut(s, 640, 480, {640, 480});
    EXPECT_EQ(s.GetTableauX(0), 195);
    EXPECT_EQ(s.Game.GetReserveX(0), 15);
    EXPECT_EQ(s.Game.GetReserveX(3), 273);
    EXPECT_EQ(s.Game.GetReserveY(3), 5);
}

GameShape KlondikeShape() {
    GameShape g;
    g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {1, 5};
    g.foundations = 4, g.foundation = {1, 7};
    g.tableau = 7, g.tab = {2, 1};
    g.tableauFan = 1;
    return g;
}

TEST(LayoutFinish, ScrollOffsetIsSubtractedFromEveryYButNotFromTheLayoutCopies) {
    // Stock "005": N = 5 + 9 + 15 = 29, waste 29 + 71 further; row 1 at 25, row 2 at 131.
    Session s;
    test::ApplyShape(s, KlondikeShape());
    test::LayOut(s, 1024, 768, {1024, 768}, 0, 40);
    EXPECT_EQ(s.Game.ScrollOffset, 40);
    EXPECT_EQ(s.GetTableauY(0), 131 - 40);
    EXPECT_EQ(s.GetTableauX(0), 202);
    EXPECT_EQ(s.Game.GetFoundationY(0), 25 - 40);
    EXPECT_EQ(s.Game.GetStockY(1), 25 - 40);
    EXPECT_EQ(s.Game.StockHomePos[0].X, 29);
    EXPECT_EQ(s.Game.StockHomePos[0].Y, 25 - 40);
    EXPECT_EQ(s.Game.StockHomePos[1].X, 129);
    EXPECT_EQ(s.Game.FoundationHomePos[3].X, 748);
    EXPECT_EQ(s.Game.FoundationHomePos[3].Y, 25 - 40);
    // Scrolling later changes what the readers give, not the layout copies.
    s.Game.ScrollOffset = 100;
    EXPECT_EQ(s.GetTableauY(0), 31);
    EXPECT_EQ(s.Game.FoundationHomePos[3].Y, -15);
    // Unused foundation slots keep their marker in the copies too.
    EXPECT_EQ(s.Game.FoundationHomePos[4].X, kFoundationHidden);
}

TEST(LayoutFinish, WasteTakesTheStocksRowWhenNoArrangementPlacedIt) {
    GameShape g = KlondikeShape();
    g.stock = {1, 0}; // places only the stock's row
    Session s;
    test::ApplyShape(s, g);
    test::LayOut(s);
    EXPECT_EQ(s.Game.GetStockX(0), kStockHidden);
    EXPECT_EQ(s.Game.GetStockY(0), 25);
    EXPECT_EQ(s.Game.GetStockY(1), 25);
    EXPECT_EQ(s.Game.GetStockX(1), kStockHidden);
}

TEST(LayoutFinish, ARelayoutAfterAResizeMovesEveryPileAgain) {
    Session s;
    test::ApplyShape(s, KlondikeShape());
    test::LayOut(s);
    // A wider window without a new deal: no reset, the same piles move.
    LayoutPiles(s, 0, 1023, 1280, 1024, {1280, 1024});
    // gap (1278 - 497) / 8 = 97 -> 20; x0 = (1278 - 497 - 120) / 2 = 330.
    EXPECT_EQ(s.GetTableauX(0), 330);
    EXPECT_EQ(s.Game.GetFoundationX(3), 876);
    EXPECT_EQ(s.GetTableauX(7), kTableauHidden);
}

TEST(LayoutCodes, RowDigitAndArrangementFromTheAttributePair) {
    struct Case {
        int row, arrangement;
        const char* text;
    } cases[] = {
        {1, 5, "1005"},  {0, 0, "0000"},    {12, 7, "1007"}, {4, 172, "4172"},
        {-1, 3, "-003"}, {2, 1000, "2***"}, {3, -5, "3-05"},
    };
    for (const Case& c : cases) {
        Session s;
        test::SetAttr(s, layout_attr::StockRow, c.row);
        test::SetAttr(s, layout_attr::StockArrangement, c.arrangement);
        EXPECT_EQ(ReadLayoutCode(s, layout_attr::StockRow, layout_attr::StockArrangement).Text(), c.text);
    }
}

TEST(LayoutCodes, PairsOfEveryGroup) {
    Session s;
    const std::pair<int, int> pairs[] = {{363, 362}, {365, 364}, {367, 366}, {369, 370}, {371, 372}};
    int k = 1;
    for (auto [row, arr] : pairs) {
        test::SetAttr(s, row, k);
        test::SetAttr(s, arr, 10 + k);
        EXPECT_EQ(ReadLayoutCode(s, row, arr).Text(), std::to_string(k) + "01" + std::to_string(k));
        ++k;
    }
}

TEST(LayoutCodes, UnknownArrangementsPlaceOnlyTheRows) {
    GameShape g;
    g.tableau = 3, g.tab = {3, 999};
    g.foundations = 2, g.foundation = {2, 998};
    g.reserves = 2, g.reserve = {4, 997};
    Session s;
    test::ApplyShape(s, g);
    test::LayOut(s);
    EXPECT_EQ(s.GetTableauX(0), kTableauHidden);
    EXPECT_EQ(s.GetTableauY(2), 222);
    EXPECT_EQ(s.Game.GetFoundationX(0), kFoundationHidden);
    EXPECT_EQ(s.Game.GetFoundationY(0), 116);
    EXPECT_EQ(s.Game.GetFoundationY(1), kFoundationHidden);
    EXPECT_EQ(s.Game.GetReserveY(0), 328);
}

TEST(PilePositionList, OnePilePerLineInGroupOrder) {
    Session s;
    test::ApplyShape(s, KlondikeShape());
    LayoutForClientArea(s, 1024, 768, 'B');
    EXPECT_EQ(FormatPilePositions(s), "Mazzo 29 25\n"
                                      "Mazzo_Vis 129 25\n"
                                      "Dest1 475 25\n"
                                      "Dest2 566 25\n"
                                      "Dest3 657 25\n"
                                      "Dest4 748 25\n"
                                      "Fila1 202 131\n"
                                      "Fila2 293 131\n"
                                      "Fila3 384 131\n"
                                      "Fila4 475 131\n"
                                      "Fila5 566 131\n"
                                      "Fila6 657 131\n"
                                      "Fila7 748 131\n");
}

TEST(PilePositionList, ClientAreaLayoutUsesTheSizeLetter) {
    Session s;
    test::ApplyShape(s, KlondikeShape());
    LayoutForClientArea(s, 1024, 768, 'M');
    EXPECT_EQ(s.Metrics.CardWidth, 59);
    EXPECT_EQ(s.Metrics.CardHeight, 80);
    EXPECT_EQ(s.Game.StepUpY, 14);
    // gap (1022 - 413) / 8 = 76 -> 20; x0 = (1022 - 413 - 120) / 2 = 244.
    EXPECT_EQ(s.GetTableauX(0), 244);
    LayoutForClientArea(s, 1024, 768, 'Q'); // not a size: "B"
    EXPECT_EQ(s.Metrics.CardWidth, 71);
    EXPECT_EQ(s.Params.ReadParam(128, 1), "B");
    EXPECT_EQ(s.GetTableauX(0), 202);
}

TEST(CardSizes, EveryLetterOfTheTable) {
    struct Case {
        char letter;
        bool known;
        int w, h;
    } cases[] = {{'M', true, 59, 80}, {'B', true, 71, 96}, {'S', true, 85, 115}, {'X', true, 102, 138},
                 {'L', true, 25, 32}, {'b', false, 1, 1},  {' ', false, 1, 1}};
    for (const Case& c : cases) {
        int w = 1, h = 1;
        EXPECT_EQ(CardSizeForLetter(c.letter, w, h), c.known) << c.letter;
        EXPECT_EQ(w, c.w) << c.letter;
        EXPECT_EQ(h, c.h) << c.letter;
    }
}

} // namespace
} // namespace quillon
