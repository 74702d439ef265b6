// The stock: deals to the waste, turn-over and shuffled redeals with their pass limits, the deal
// modes of a click, the deal targets and the empty-stock marker.

#include "StockTable.h"
#include "engine/MoveExecution.h"

#include <gtest/gtest.h>

#include <numeric>

namespace quillon::test {
namespace {

// A press on the stock followed by the release of the pointer over it.
void ClickStock(StockTable& t) {
    StockClick(t.s, t.s.TopCard("Mazzo"));
    OnTableRelease(t.s, 0, 0);
}

TEST(Shuffle, KnownOrdersAndPermutations) {
    struct Case {
        std::vector<int> in, out;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{7}, {7}},
        {{1, 2}, {2, 1}},
        {{1, 2, 3, 4, 5}, {3, 1, 2, 4, 5}},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {6, 9, 1, 4, 2, 7, 3, 10, 5, 8}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShuffleGathered(c.in), c.out) << c.in.size() << " cards";
    // Every size up to four decks keeps every card exactly once.
    for (int n = 0; n <= 212; ++n) {
        std::vector<int> g(static_cast<size_t>(n));
        std::iota(g.begin(), g.end(), 1);
        std::vector<int> out = ShuffleGathered(g);
        std::sort(out.begin(), out.end());
        ASSERT_EQ(out, g) << n;
    }
}

// A game that turns cards to the waste.
StockTable& ToWasteGame(StockTable& t, int perClick, int passes) {
    t.Attrs({{attr::StockToWaste, 1},
             {attr::CardsPerClick, perClick},
             {attr::Passes, passes},
             {attr::StockFaceDown, 1},
             {attr::TableauCount, 4}});
    return t;
}

TEST(StockDeal, ThreePerClickWithTwoLeftTakesBothAndShowsTheMarker) {
    StockTable t;
    ToWasteGame(t, 3, 1).Piles({{"Mazzo", "5H 6H"}, {"Mazzo_Vis", "AH"}});
    ClickStock(t);
    EXPECT_EQ(t.Cards("Mazzo"), "");
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH 6H 5H");
    EXPECT_TRUE(t.FaceUp("5H"));
    EXPECT_GE(t.view.emptyStockMarkers, 1);
    EXPECT_EQ(t.s.History.Steps(), 1);
    EXPECT_EQ(t.s.Game.GameStarted, 1);
}

TEST(StockDeal, CardsPerClickTable) {
    struct Case {
        int perClick;
        const char* stock;
        const char* waste;
        const char* stockAfter;
    };
    const Case cases[] = {
        {1, "AH 2H 3H", "3H", "AH 2H"},
        {3, "AH 2H 3H 4H", "4H 3H 2H", "AH"},
        {3, "AH 2H 3H", "3H 2H AH", ""},
        // A game without a count still deals one card.
        {0, "AH 2H", "2H", "AH"},
    };
    for (const auto& c : cases) {
        StockTable t;
        ToWasteGame(t, c.perClick, 1).Pile("Mazzo", c.stock);
        ClickStock(t);
        EXPECT_EQ(t.Cards("Mazzo_Vis"), c.waste) << c.perClick << " " << c.stock;
        EXPECT_EQ(t.Cards("Mazzo"), c.stockAfter) << c.perClick << " " << c.stock;
    }
}

TEST(StockRedeal, TurnOverReversesTheWasteAndCountsPasses) {
    StockTable t;
    ToWasteGame(t, 1, 3).Pile("Mazzo_Vis", "AH 2H 3H");
    // The press only holds the marker down; the release turns the waste over and deals on.
    StockClick(t.s, 0);
    EXPECT_EQ(t.s.Game.StockPressed, 1);
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH 2H 3H");
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.s.Game.StockPressed, 0);
    EXPECT_EQ(t.s.Game.RedealCount, 2);
    // The waste's top card went to the stock's bottom; its bottom card came up first.
    EXPECT_EQ(t.Cards("Mazzo"), "3H 2H");
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH");
    EXPECT_FALSE(t.FaceUp("2H"));
    EXPECT_TRUE(t.FaceUp("AH"));
    EXPECT_EQ(t.s.History.Steps(), 1);

    ClickStock(t);
    ClickStock(t);
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH 2H 3H");
    ClickStock(t); // the second turn-over
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    ClickStock(t);
    ClickStock(t);
    ASSERT_EQ(t.Cards("Mazzo"), "");
    const int steps = t.s.History.Steps();
    StockClick(t.s, 0); // the third attempt does nothing
    EXPECT_EQ(t.s.Game.StockPressed, 0);
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH 2H 3H");
    EXPECT_EQ(t.s.History.Steps(), steps);
}

TEST(StockRedeal, UnlimitedPassesAndFaceUpStock) {
    StockTable t;
    ToWasteGame(t, 1, -1).Attr(attr::StockFaceDown, 0).Pile("Mazzo_Vis", "AH 2H");
    for (int pass = 0; pass < 5; ++pass) {
        ClickStock(t); // turn over, deal AH
        ClickStock(t); // deal 2H
    }
    EXPECT_EQ(t.s.Game.RedealCount, 6);
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH 2H");
}

TEST(StockRedeal, FaceUpStockKeepsFacesAfterTurnOver) {
    StockTable t;
    ToWasteGame(t, 3, 2).Attr(attr::StockFaceDown, 0).Pile("Mazzo_Vis", "AH 2H 3H 4H 5H");
    ClickStock(t);
    EXPECT_EQ(t.Cards("Mazzo"), "5H 4H");
    EXPECT_TRUE(t.FaceUp("4H"));
}

TEST(StockRedeal, SingleWasteCardIsNotTurnedOver) {
    StockTable t;
    ToWasteGame(t, 1, -1).Pile("Mazzo_Vis", "KS");
    ClickStock(t);
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "KS");
    EXPECT_EQ(t.Cards("Mazzo"), "");
    EXPECT_EQ(t.s.Game.RedealCount, 1);
    EXPECT_EQ(t.s.History.Steps(), 0);
}

TEST(StockMarker, SlidingOffThePressedMarkerLeavesEverything) {
    StockTable t;
    ToWasteGame(t, 1, -1).Attr(attr::MarkerOnStock, 1).Pile("Mazzo_Vis", "AH 2H 3H");
    StockClick(t.s, 0);
    ASSERT_EQ(t.s.Game.StockPressed, 1);
    SlideOffStockMarker(t.s);
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.s.Game.StockPressed, 0);
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH 2H 3H");
    EXPECT_EQ(t.Cards("Mazzo"), "");
    EXPECT_EQ(t.s.Game.RedealCount, 1);
    EXPECT_EQ(t.s.History.Steps(), 0);
    EXPECT_EQ(t.view.stockImages, (std::vector<std::string>{"StockDown 0", "StockUp 0"}));
}

TEST(StockMarker, DrawnOverTheStockOrTheWaste) {
    struct Case {
        int onStock, toWaste;
        const char* stock;
        const char* waste;
        std::vector<std::string> images;
    };
    const std::vector<Case> cases = {
        {1, 0, "", "AH", {"StockDown 0", "StockUp 0"}},
        {0, 1, "AH", "", {"StockDown 1", "StockUp 1"}},
        {1, 1, "AH", "", {"StockDown 1", "StockUp 1"}},
        {0, 0, "", "", {}},
    };
    for (const auto& c : cases) {
        StockTable t;
        t.Attrs({{attr::MarkerOnStock, c.onStock}, {attr::StockToWaste, c.toWaste}});
        t.Piles({{"Mazzo", c.stock}, {"Mazzo_Vis", c.waste}});
        PressStockMarker(t.s);
        EXPECT_EQ(t.s.Game.StockPressed, 1);
        ReleaseStockMarker(t.s);
        EXPECT_EQ(t.view.stockImages, c.images) << c.onStock << c.toWaste;
    }
}

TEST(StockClickModes, DealModeTwoNeedsEveryTableauPileOccupied) {
    StockTable t;
    t.Attrs({{attr::TableauCount, 4},
             {attr::TableauDealMode, 2},
             {attr::TableauDealMode + 1, 2},
             {attr::TableauDealMode + 2, 2},
             {attr::TableauDealMode + 3, 2}});
    t.Piles({{"Mazzo", "AS 2S 3S 4S 5S"}, {"Fila1", "KH"}, {"Fila2", "KD"}, {"Fila4", "KC"}});
    ClickStock(t);
    EXPECT_EQ(t.view.messages, std::vector<std::string>{kFillGapsFirst});
    EXPECT_EQ(t.Cards("Mazzo"), "AS 2S 3S 4S 5S");
    EXPECT_EQ(t.s.History.Steps(), 0);

    t.Pile("Fila3", "KS");
    ClickStock(t);
    EXPECT_EQ(t.view.messages.size(), 1u);
    EXPECT_EQ(t.Cards("Fila1"), "KH 5S");
    EXPECT_EQ(t.Cards("Fila4"), "KC 2S");
    EXPECT_EQ(t.Cards("Mazzo"), "AS");
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(StockClickModes, PerPileDealModes) {
    // Mode 1 face up, 6 face down, 7 only on a pile holding cards, 0 and 16 take no card.
    StockTable t;
    t.Attrs({{attr::TableauCount, 5},
             {attr::TableauDealMode, 1},
             {attr::TableauDealMode + 1, 6},
             {attr::TableauDealMode + 2, 7},
             {attr::TableauDealMode + 3, 16},
             {attr::TableauDealMode + 4, 7}});
    t.Piles({{"Mazzo", "AS 2S 3S 4S"}, {"Fila5", "KH"}});
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila1"), "4S");
    EXPECT_EQ(t.Cards("Fila2"), "3S");
    EXPECT_EQ(t.Cards("Fila3"), "");
    EXPECT_EQ(t.Cards("Fila4"), "");
    EXPECT_EQ(t.Cards("Fila5"), "KH 2S");
    EXPECT_TRUE(t.FaceUp("4S"));
    EXPECT_FALSE(t.FaceUp("3S"));
    EXPECT_TRUE(t.FaceUp("2S"));
    EXPECT_EQ(t.Cards("Mazzo"), "AS");
}

TEST(StockClickModes, DealModeSevenDealsOnlyToPilesHoldingCards) {
    // Every pile under mode 7: a click deals to the piles holding cards and passes over the gaps;
    // with the whole tableau empty the first pile takes a card, so the stock never sticks.
    struct Case {
        std::vector<std::pair<std::string, std::string>> piles;
        std::vector<std::string> after; // Fila1..Fila4
        std::string stock;
        int steps;
    };
    const std::vector<Case> cases = {
        {{{"Mazzo", "AS 2S 3S"}, {"Fila2", "KH"}, {"Fila4", "KD"}}, {"", "KH 3S", "", "KD 2S"}, "AS", 1},
        {{{"Mazzo", "AS 2S 3S 4S 5S"}, {"Fila1", "KH"}, {"Fila2", "KD"}, {"Fila3", "KC"}, {"Fila4", "KS"}},
         {"KH 5S", "KD 4S", "KC 3S", "KS 2S"},
         "AS",
         1},
        {{{"Mazzo", "AS 2S"}}, {"2S", "", "", ""}, "AS", 1},
        {{{"Mazzo", "AS"}, {"Fila3", "KH"}, {"Fila4", "KD"}}, {"", "", "KH AS", "KD"}, "", 1},
        {{{"Fila3", "KH"}}, {"", "", "KH", ""}, "", 0},
    };
    for (const Case& c : cases) {
        StockTable t;
        t.Attrs({{attr::TableauCount, 4},
                 {attr::TableauDealMode, 7},
                 {attr::TableauDealMode + 1, 7},
                 {attr::TableauDealMode + 2, 7},
                 {attr::TableauDealMode + 3, 7}});
        t.Piles(c.piles);
        ClickStock(t);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(t.Cards("Fila" + std::to_string(i + 1)), c.after[static_cast<size_t>(i)])
                << c.stock << " pile " << i + 1;
        EXPECT_EQ(t.Cards("Mazzo"), c.stock);
        EXPECT_EQ(t.s.History.Steps(), c.steps) << c.stock;
    }
}

TEST(StockClickModes, DealToTableauAndReservesIsOneStep) {
    StockTable t;
    t.Attrs({{attr::TableauCount, 2},
             {attr::ReserveCount, 2},
             {attr::TableauDealMode, 1},
             {attr::TableauDealMode + 1, 1},
             {attr::ReserveDealMode, 5},
             {attr::ReserveDealMode + 1, 5},
             {attr::Passes, 3}});
    t.Pile("Mazzo", "AS 2S 3S 4S 5S");
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila1"), "5S");
    EXPECT_EQ(t.Cards("Fila2"), "4S");
    EXPECT_EQ(t.Cards("Appogg1"), "3S");
    EXPECT_EQ(t.Cards("Appogg2"), "2S");
    EXPECT_FALSE(t.FaceUp("3S")); // reserve mode 5 deals face down
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(StockClickModes, ReserveModeFiveRefusedAfterTheLastPass) {
    StockTable t;
    t.Attrs({{attr::ReserveCount, 1}, {attr::ReserveDealMode, 5}, {attr::Passes, 2}});
    t.Pile("Mazzo", "AS 2S");
    t.s.Game.RedealCount = 2;
    EXPECT_FALSE(ExecuteMove(t.s, 0, "Add_Reserves"));
    EXPECT_EQ(t.Cards("Appogg1"), "");
    EXPECT_EQ(t.s.History.Steps(), 0);
    t.s.Game.RedealCount = 1;
    EXPECT_TRUE(ExecuteMove(t.s, 0, "Add_Reserves"));
    EXPECT_EQ(t.Cards("Appogg1"), "2S");
}

TEST(StockClickModes, ReserveModeFourAlternatesByThrees) {
    StockTable t;
    t.Attrs({{attr::ReserveCount, 2}, {attr::ReserveDealMode, 4}, {attr::ReserveDealMode + 1, 4}});
    t.Pile("Mazzo", "AS 2S 3S 4S 5S 6S 7S");
    ClickStock(t);
    ClickStock(t);
    ClickStock(t);
    EXPECT_EQ(t.Cards("Appogg1"), "7S 6S 5S AS");
    EXPECT_EQ(t.Cards("Appogg2"), "4S 3S 2S");
    EXPECT_EQ(t.s.StateValues[DealCounter], 3);
    EXPECT_EQ(t.s.History.Steps(), 3);
    EXPECT_EQ(CountEvents(t.s, kEventStockDeal), 3);
    ClickStock(t); // empty stock: nothing, and the counter stays
    EXPECT_EQ(t.s.StateValues[DealCounter], 3);
}

TEST(StockClickModes, DealModeTenGivesEightPilesPerDeal) {
    StockTable t;
    t.Attr(attr::TableauCount, 16);
    for (int i = 0; i < 16; ++i)
        t.Attr(attr::TableauDealMode + i, 10);
    std::string stock;
    for (int r = 1; r <= 10; ++r)
        stock += std::to_string(r) + "C ";
    t.Pile("Mazzo", stock);
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila1"), "10C");
    EXPECT_EQ(t.Cards("Fila8"), "3C");
    EXPECT_EQ(t.Cards("Fila9"), "");
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila9"), "2C");
    EXPECT_EQ(t.Cards("Fila10"), "AC");
    EXPECT_EQ(t.Cards("Fila11"), "");
    EXPECT_EQ(t.s.History.Steps(), 2);
    EXPECT_EQ(CountEvents(t.s, kEventStockDeal), 2);
}

TEST(StockClickModes, SecondWasteAndModeFifteen) {
    {
        StockTable t;
        t.Attrs({{attr::DealToSecondWaste, 1}, {attr::CardsPerClick, 2}});
        t.Pile("Mazzo", "AS 2S 3S");
        ClickStock(t);
        EXPECT_EQ(t.Cards("Mazzo_Waste"), "3S 2S");
    }
    {
        // Three deals to the tableau, then cards go to the waste.
        StockTable t;
        ToWasteGame(t, 1, 1).Attrs(
            {{attr::TableauCount, 2}, {attr::TableauDealMode, 15}, {attr::TableauDealMode + 1, 15}});
        t.Pile("Mazzo", "AS 2S 3S 4S 5S 6S 7S 8S");
        for (int k = 0; k < 3; ++k)
            ClickStock(t);
        EXPECT_EQ(t.Cards("Fila1"), "8S 6S 4S");
        EXPECT_EQ(t.Cards("Mazzo_Vis"), "");
        ClickStock(t);
        EXPECT_EQ(t.Cards("Mazzo_Vis"), "2S");
    }
}

TEST(StockClickModes, DealModeNineFillsToThreeThenTurnsOneToTheWaste) {
    StockTable t;
    ToWasteGame(t, 1, 2).Attrs({{attr::TableauCount, 2}, {attr::TableauDealMode, 9}});
    t.Piles({{"Mazzo", "AS 5S"}, {"Mazzo_Vis", "2S 3S 4S"}, {"Fila1", "KH KD"}, {"Fila2", "KC KS QH"}});
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila1"), "KH KD 5S");
    EXPECT_EQ(t.Cards("Fila2"), "KC KS QH");
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "2S 3S 4S AS");
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(StockClickModes, DealModeNineTurnsTheWasteOverWhenTheStockRunsOut) {
    StockTable t;
    ToWasteGame(t, 1, 2).Attrs({{attr::TableauCount, 1}, {attr::TableauDealMode, 9}});
    t.Piles({{"Mazzo", "AS"}, {"Mazzo_Vis", "2S 3S 4S"}, {"Fila1", "KH"}});
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila1"), "KH AS 3S");
    EXPECT_EQ(t.Cards("Mazzo"), "4S");
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "2S");
    EXPECT_EQ(t.s.Game.RedealCount, 2);
    EXPECT_EQ(t.s.Game.StockPressed, 0);
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(StockDealTargets, SingleTargetsAndEmptyStock) {
    StockTable t;
    t.Attrs({{attr::TableauCount, 3}, {attr::TableauDealMode + 1, 1}, {attr::ReserveDealMode + 2, 1}});
    t.Pile("Mazzo", "AS 2S");
    EXPECT_TRUE(ExecuteMove(t.s, 0, "Add_Tableau_02"));
    EXPECT_TRUE(ExecuteMove(t.s, 0, "Add_Reserve_3"));
    EXPECT_EQ(t.Cards("Fila2"), "2S");
    EXPECT_EQ(t.Cards("Appogg3"), "AS");
    // Nothing is dealt from an empty stock, and no history step is left behind.
    const int steps = t.s.History.Steps();
    EXPECT_FALSE(ExecuteMove(t.s, 0, "Add_Tableaus"));
    EXPECT_EQ(t.s.History.Steps(), steps);
    // Pile numbers the game does not have deal nothing.
    t.Pile("Mazzo", "3S");
    EXPECT_FALSE(ExecuteMove(t.s, 0, "Add_Tableau_99"));
    EXPECT_FALSE(ExecuteMove(t.s, 0, "Add_Reserve_0"));
    EXPECT_EQ(t.Cards("Mazzo"), "3S");
    EXPECT_EQ(t.s.History.Steps(), steps);
}

TEST(StockDealTargets, FillTableausOnlyEmptyPilesAndNoOwnStep) {
    StockTable t;
    t.Attr(attr::TableauCount, 3);
    t.Piles({{"Mazzo", "AS 2S 3S"}, {"Fila2", "KH"}});
    RecordStep(t.s);
    EXPECT_TRUE(ExecuteMove(t.s, 0, "Fill_Tableaus"));
    EXPECT_EQ(t.Cards("Fila1"), "3S");
    EXPECT_EQ(t.Cards("Fila2"), "KH");
    EXPECT_EQ(t.Cards("Fila3"), "2S");
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(StockDealTargets, RedealModeEighteenReserveDeals) {
    struct Case {
        int redealCount;
        const char* r1;
        const char* r2;
        const char* r3;
    };
    const Case cases[] = {{1, "3S", "2S", "AS"}, {2, "3S", "2S", ""}, {3, "3S", "", ""}, {4, "", "", ""}};
    for (const auto& c : cases) {
        StockTable t;
        t.Attrs({{attr::TableauCount, 2},
                 {attr::ReserveCount, 3},
                 {attr::RedealMode, 18},
                 {attr::ReserveDealMode, 1},
                 {attr::ReserveDealMode + 1, 1},
                 {attr::ReserveDealMode + 2, 1}});
        t.Piles({{"Mazzo", "AS 2S 3S"}, {"Fila1", "KH"}, {"Fila2", "KD"}});
        t.s.Game.RedealCount = static_cast<std::int16_t>(c.redealCount);
        ExecuteMove(t.s, 0, "Add_Reserves");
        EXPECT_EQ(t.Cards("Appogg1"), c.r1) << c.redealCount;
        EXPECT_EQ(t.Cards("Appogg2"), c.r2) << c.redealCount;
        EXPECT_EQ(t.Cards("Appogg3"), c.r3) << c.redealCount;
    }
    // A gap in the tableau while a reserve holds cards refuses the deal and drops its step.
    StockTable t;
    t.Attrs({{attr::TableauCount, 2},
             {attr::ReserveCount, 3},
             {attr::RedealMode, 18},
             {attr::ReserveDealMode, 1}});
    t.Piles({{"Mazzo", "AS 2S 3S"}, {"Fila1", "KH"}, {"Appogg2", "QH"}});
    EXPECT_FALSE(ExecuteMove(t.s, 0, "Add_Reserves"));
    EXPECT_EQ(t.view.messages, std::vector<std::string>{kFillGapsFirst});
    EXPECT_EQ(t.s.History.Steps(), 0);
    EXPECT_EQ(t.Cards("Mazzo"), "AS 2S 3S");
}

// A game with a shuffled redeal of `mode` and an exhausted stock.
StockTable& RedealGame(StockTable& t, int mode, int piles) {
    t.Attrs({{attr::RedealMode, mode}, {attr::Passes, -1}, {attr::TableauCount, piles}});
    return t;
}

TEST(ShuffledRedeals, ModeNineteenSweepAlternates) {
    StockTable t;
    RedealGame(t, 19, 8).Piles({{"Fila1", "AH"}, {"Fila2", "2H"}, {"Fila3", "3H"}});
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila1"), "");
    EXPECT_EQ(t.Cards("Fila2"), "2H");
    EXPECT_EQ(t.Cards("Fila3"), "3H AH");
    EXPECT_EQ(t.s.StateValues[DealCounter], 1);
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila2"), "2H AH");
    EXPECT_EQ(t.Cards("Fila3"), "3H");
    EXPECT_EQ(t.s.StateValues[DealCounter], 2);
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    EXPECT_TRUE(t.view.messages.empty());
}

TEST(ShuffledRedeals, ModeNineteenMessages) {
    {
        StockTable t;
        RedealGame(t, 19, 8).Pile("Fila4", "AH 2H");
        ClickStock(t);
        EXPECT_EQ(t.view.messages, std::vector<std::string>{kOnlyOnePileLeft});
        EXPECT_EQ(t.s.History.Steps(), 0);
        EXPECT_EQ(t.Cards("Fila4"), "AH 2H");
    }
    {
        // Two piles that are not neighbours: nothing can move.
        StockTable t;
        RedealGame(t, 19, 8).Piles({{"Fila1", "AH"}, {"Fila3", "2H"}});
        ClickStock(t);
        EXPECT_EQ(t.view.messages, std::vector<std::string>{kNoCardsToMove});
        EXPECT_EQ(t.Cards("Fila1"), "AH");
        EXPECT_EQ(t.Cards("Fila3"), "2H");
    }
}

TEST(ShuffledRedeals, GatheredShuffledAndDealtBackByShape) {
    StockTable t;
    RedealGame(t, 1, 3).Attrs({{attr::RedealShape, 2}, {attr::RedealFaces, 2}, {attr::Passes, 2}});
    t.Piles({{"Fila1", "AH 2H"}, {"Fila2", "3H 4H"}, {"Fila3", "5H 6H"}});
    ClickStock(t);
    // Gathered 2H AH 4H 3H 6H 5H, shuffled to 3H 2H AH 5H 4H 6H, two per pile.
    EXPECT_EQ(t.Cards("Fila1"), "3H 2H");
    EXPECT_EQ(t.Cards("Fila2"), "AH 5H");
    EXPECT_EQ(t.Cards("Fila3"), "4H 6H");
    EXPECT_TRUE(t.FaceUp("3H"));
    EXPECT_EQ(t.s.Game.RedealCount, 2);
    EXPECT_EQ(CountEvents(t.s, kEventShuffledRedeal), 1);
    // The last pass is used up: a further click does nothing.
    ClickStock(t);
    EXPECT_EQ(t.Cards("Fila1"), "3H 2H");
    EXPECT_EQ(t.s.Game.RedealCount, 2);
}

TEST(ShuffledRedeals, EveryModeKeepsEveryCard) {
    const int modes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21};
    for (int mode : modes) {
        StockTable t;
        RedealGame(t, mode, 8)
            .Attrs({{attr::RedealShape, 3},
                    {attr::RedealFaces, 1},
                    {attr::ReserveCount, 8},
                    {attr::StockToWaste, 0}});
        t.Piles({{"Fila1", "2H 3H 4H KS"},
                 {"Fila2", "AH 5C"},
                 {"Fila3", "6C 7C 8C"},
                 {"Fila5", "9D"},
                 {"Fila8", "10D JD QD KD"},
                 {"Mazzo_Vis", "AS 2S"},
                 {"Appogg1", "QC"}});
        const std::vector<int> before = t.AllCards();
        ClickStock(t);
        EXPECT_EQ(t.AllCards(), before) << "mode " << mode;
        EXPECT_EQ(t.s.Game.MultiCardFill, 0) << "mode " << mode;
    }
}

TEST(ShuffledRedeals, RotateAndSpreadModes) {
    {
        StockTable t;
        RedealGame(t, 7, 3).Piles({{"Fila1", "AH 2H 3H"}, {"Fila2", "KS"}});
        t.FaceDown("AH");
        ClickStock(t);
        EXPECT_EQ(t.Cards("Fila1"), "2H 3H AH");
        EXPECT_TRUE(t.FaceUp("AH"));
        EXPECT_EQ(t.Cards("Fila2"), "KS");
    }
    {
        // Mode 13: the first redeal spreads pile 1 (skipping it when empty) over the piles.
        StockTable t;
        RedealGame(t, 13, 3).Piles({{"Fila2", "AH 2H 3H 4H"}, {"Fila3", "KS"}});
        ClickStock(t);
        EXPECT_EQ(t.s.Game.RedealCount, 3);
        EXPECT_EQ(t.Cards("Fila1"), "AH");
        EXPECT_EQ(t.Cards("Fila2"), "4H 2H");
        EXPECT_EQ(t.Cards("Fila3"), "KS 3H");
    }
}

} // namespace
} // namespace quillon::test
