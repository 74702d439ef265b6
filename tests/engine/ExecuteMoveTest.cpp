// Moves carried out on the real engine with the recording view: one history step per move with
// its automatic follow-ups merged in, runs, the first-move rule, complete runs leaving for the
// foundations, the picture-game swap, targets that do not name a pile.

#include "PlayTable.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

TEST(ExecuteMove, TableauCardToFoundationTurnsUpTheCardBelowInTheSameStep) {
    PlayTable t;
    t.Pile("Fila1", "9C AH").FaceDown("9C");
    ASSERT_TRUE(t.Move("AH", "Dest1"));
    EXPECT_EQ(t.PileText("Dest1"), Content("AH"));
    EXPECT_EQ(t.PileText("Fila1"), Content("9C"));
    EXPECT_FALSE(t.Hidden("9C"));
    ASSERT_EQ(t.s.History.Steps(), 1);
    // The step holds the table as it was before the move.
    const auto lines = t.s.History.StepLines(0);
    ASSERT_EQ(lines.size(), 71u);
    EXPECT_EQ(lines[3], "");                // Dest1
    EXPECT_EQ(lines[19], Content("9C AH")); // Fila1
    EXPECT_EQ(t.view.Sounds(), std::vector<std::string>{});
    EXPECT_EQ(t.view.Count("Sound Foundation"), 1);
    EXPECT_EQ(t.view.Count("Sound Face_up"), 1);
    EXPECT_EQ(t.s.Params.ReadParam(param::Score, 6), "5") << "base score: no cards in play, one home";
    EXPECT_EQ(t.s.Game.MovesMade, 1);
}

TEST(ExecuteMove, AutomaticFaceUpIsLeftToAutoplayOrSwitchedOff) {
    struct Row {
        const char* what;
        const char* faceUpParam;
        int attr44;
        bool autoplay;
        bool turned;
    } rows[] = {
        {"on", "Y", 1, false, true},
        {"blank counts as on", " ", 1, false, true},
        {"preference off", "N", 1, false, false},
        {"game forbids it", "Y", 0, false, false},
        {"autoplay ticked does it itself", "Y", 1, true, false},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Pile("Fila2", "9C AH").FaceDown("9C");
        t.s.Params.WriteParam(param::AutomaticFaceUp, 1, r.faceUpParam);
        t.Attr(attr::AutoFaceUpAllowed, r.attr44);
        t.s.Play.AutoplayActive = [r](const Session&) { return r.autoplay; };
        ASSERT_TRUE(t.Move("AH", "Dest1")) << r.what;
        EXPECT_EQ(t.Hidden("9C"), !r.turned) << r.what;
        EXPECT_EQ(t.s.History.Steps(), 1) << r.what;
    }
}

TEST(ExecuteMove, RunMovesAsAWholeOntoTableauPile) {
    PlayTable t;
    t.Pile("Fila1", "KS 5D 9H 8S 7D").Pile("Fila3", "10C").FaceDown("5D");
    t.FaceDown("KS");
    t.Run();
    ASSERT_TRUE(t.Move("9H", "Fila3"));
    EXPECT_EQ(t.PileText("Fila3"), Content("10C 9H 8S 7D"));
    EXPECT_EQ(t.PileText("Fila1"), Content("KS 5D"));
    EXPECT_FALSE(t.Hidden("5D")) << "the uncovered card turns up";
    EXPECT_TRUE(t.Hidden("KS"));
    EXPECT_EQ(t.s.History.Steps(), 1);
    EXPECT_EQ(t.view.Count("Sound Tableau"), 1);
}

TEST(ExecuteMove, SingleCardFromReserveAndWasteLandsFaceUp) {
    PlayTable t;
    t.Pile("Appogg1", "QD").Pile("Mazzo_Vis", "3C 4C").Pile("Fila1", "KS");
    t.FaceDown("QD");
    ASSERT_TRUE(t.Move("QD", "Fila1"));
    EXPECT_FALSE(t.Hidden("QD")) << "an appended card is face up";
    ASSERT_TRUE(t.Move("4C", "Appogg2"));
    EXPECT_EQ(t.PileText("Appogg2"), Content("4C"));
    EXPECT_EQ(t.PileText("Mazzo_Vis"), Content("3C"));
    ASSERT_TRUE(t.Move("3C", "Waste"));
    EXPECT_EQ(t.PileText("Mazzo_Waste"), Content("3C"));
    ASSERT_TRUE(t.Move("3C", "Stock02"));
    EXPECT_EQ(t.PileText("Mazzo_Vis"), Content("3C"));
    EXPECT_EQ(t.PileText("Mazzo_Waste"), "");
    EXPECT_EQ(t.s.History.Steps(), 4);
}

TEST(ExecuteMove, TargetsThatNameNoPileOrCardsInNoPileChangeNothing) {
    struct Row {
        const char* what;
        int card;
        const char* target;
    } rows[] = {
        {"foundation 0", 1, "Dest0"},     {"foundation 17", 1, "Dest17"},
        {"tableau 41", 1, "Fila41"},      {"no number", 1, "Fila"},
        {"reserve 13", 1, "Appogg13"},    {"card in no pile", 40, "Dest1"},
        {"not a card", 0, "Fila2"},       {"beyond the cards", 300, "Fila2"},
        {"unknown target", 1, "Nowhere"}, {"stock without its code", 1, "Mazzo_Vis"},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Pile("Fila1", "AH");
        const PileLists before = t.s.Piles;
        EXPECT_FALSE(ExecuteMove(t.s, r.card, r.target)) << r.what;
        EXPECT_EQ(t.s.Piles.TableauPiles, before.TableauPiles) << r.what;
        EXPECT_EQ(t.s.Piles.FoundationPiles, before.FoundationPiles) << r.what;
        EXPECT_EQ(t.s.History.Steps(), 0) << r.what;
    }
}

TEST(ExecuteMove, TwoDigitAndOneDigitPileNumbersNameTheSamePile) {
    PlayTable t;
    t.Pile("Fila1", "AH 2H");
    ASSERT_TRUE(t.Move("2H", "Fila07"));
    ASSERT_TRUE(t.Move("AH", "Dest_Autoplay3"));
    EXPECT_EQ(t.PileText("Fila7"), Content("2H"));
    EXPECT_EQ(t.PileText("Dest3"), Content("AH"));
    EXPECT_EQ(t.view.Count("Sound Autoplay"), 1);
}

TEST(ExecuteMove, FirstMoveRuleAllowsOnlyATableauCardToAFoundation) {
    struct Row {
        const char* what;
        const char* card;
        const char* target;
        bool allowed;
    } rows[] = {
        {"tableau to foundation", "AH", "Dest1", true},
        {"tableau to tableau", "AH", "Fila5", false},
        {"tableau to reserve", "AH", "Appogg1", false},
        {"reserve to foundation", "AS", "Dest2", false},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::FirstMoveToFoundation, 1);
        t.Pile("Fila1", "AH").Pile("Appogg1", "AS");
        EXPECT_EQ(t.Move(r.card, r.target), r.allowed) << r.what;
        EXPECT_EQ(t.s.Game.MovesMade, r.allowed ? 1 : 0) << r.what;
        EXPECT_EQ(t.s.History.Steps(), r.allowed ? 1 : 0) << r.what;
    }
    // After the first move anything goes.
    PlayTable t;
    t.Attr(attr::FirstMoveToFoundation, 1);
    t.Pile("Fila1", "AH").Pile("Appogg1", "AS").Pile("Fila2", "5C");
    EXPECT_FALSE(t.Move("AS", "Dest2"));
    EXPECT_TRUE(t.Move("AH", "Dest1"));
    EXPECT_TRUE(t.Move("AS", "Dest2"));
    EXPECT_TRUE(t.Move("5C", "Appogg1"));
}

TEST(ExecuteMove, MovesMadeStopsAtTwoAndTheFirstMoveRefillsOnce) {
    PlayTable t;
    t.Attr(attr::FillAfterFirstMove, 1);
    std::vector<std::string> stockCalls;
    t.s.Play.StockMove = [&](Session&, int, const std::string& target) {
        stockCalls.push_back(target);
        return true;
    };
    t.Pile("Fila1", "AH 2H 3H");
    ASSERT_TRUE(t.Move("3H", "Fila2"));
    EXPECT_EQ(stockCalls, std::vector<std::string>{"Fill_Tableaus"});
    EXPECT_EQ(t.s.Game.MovesMade, 2);
    ASSERT_TRUE(t.Move("2H", "Fila3"));
    EXPECT_EQ(stockCalls.size(), 1u);
    EXPECT_EQ(t.s.Game.MovesMade, 2);
}

TEST(ExecuteMove, StockAndSelectionTargetsGoToTheirSeams) {
    PlayTable t;
    std::vector<std::string> calls;
    t.s.Play.StockMove = [&](Session&, int, const std::string& target) {
        calls.push_back("stock " + target);
        return target != "Mazzo_Redeal";
    };
    t.s.Play.SelectionMove = [&](Session&, int, const std::string& target) {
        calls.push_back("selection " + target);
        return true;
    };
    EXPECT_TRUE(ExecuteMove(t.s, 0, "Mazzo_Vis"));
    EXPECT_FALSE(ExecuteMove(t.s, 0, "Mazzo_Redeal"));
    EXPECT_TRUE(ExecuteMove(t.s, 3, "Add_Tableau01"));
    EXPECT_TRUE(ExecuteMove(t.s, 0, "Selezionate_Dest"));
    EXPECT_TRUE(ExecuteMove(t.s, 0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(calls, (std::vector<std::string>{"stock Mazzo_Vis", "stock Mazzo_Redeal", "stock Add_Tableau01",
                                               "selection Selezionate_Dest",
                                               "selection Stock_To_Pile_Monte_Carlo"}));
}

TEST(ExecuteMove, EmptyStockMarkerAppearsWhenTheLastWasteCardLeaves) {
    struct Row {
        const char* stock;
        const char* waste;
        const char* card;
        bool marker;
    } rows[] = {
        {"", "5C 6C", "6C", true}, // waste of two leaves one
        {"", "6C", "6C", false},   // nothing was left before either
        {"9D", "5C 6C", "6C", false},
        {"", "4C 5C 6C", "6C", false},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Pile("Mazzo", r.stock).Pile("Mazzo_Vis", r.waste);
        ASSERT_TRUE(t.Move(r.card, "Appogg1"));
        EXPECT_EQ(t.view.Count("EmptyStock"), r.marker ? 1 : 0) << r.waste;
    }
}

TEST(ExecuteMove, CompleteSuitLeavesForTheFirstEmptyWholeRunFoundation) {
    PlayTable t;
    for (int k = 0; k < 8; ++k)
        t.Attr(attr::FoundationBase + k, 83);
    t.Attr(attr::TableauRule + 1, 0);
    t.Pile("Dest1", "KC QC JC 10C 9C 8C 7C 6C 5C 4C 3C 2C AC");
    t.Pile("Fila1", "8D KH QH JH 10H 9H 8H 7H 6H 5H 4H 3H 2H").FaceDown("8D");
    t.Pile("Fila2", "AH");
    ASSERT_TRUE(t.Move("AH", "Fila1"));
    EXPECT_EQ(t.PileText("Dest2"), Content("AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"));
    EXPECT_EQ(t.PileText("Fila1"), Content("8D"));
    EXPECT_FALSE(t.Hidden("8D"));
    EXPECT_EQ(t.s.History.Steps(), 1) << "the run, its removal and the turn-up are one step";
    EXPECT_EQ(t.view.Count("Sound Redeal"), 1);
}

TEST(ExecuteMove, IncompleteOrBrokenRunsStay) {
    struct Row {
        const char* what;
        const char* pile;
        int code;
    } rows[] = {
        {"twelve cards", "QH JH 10H 9H 8H 7H 6H 5H 4H 3H 2H", 83},
        {"a card of another suit", "KH QH JH 10H 9H 8S 7H 6H 5H 4H 3H 2H", 83},
        {"foundations without a whole-run code", "KH QH JH 10H 9H 8H 7H 6H 5H 4H 3H 2H", 1},
    };
    for (const Row& r : rows) {
        PlayTable t;
        for (int k = 0; k < 8; ++k)
            t.Attr(attr::FoundationBase + k, r.code);
        t.Attr(attr::TableauRule + 1, 12).Attr(attr::TableauRule, 12);
        t.Pile("Fila1", r.pile).Pile("Fila2", "AH");
        ASSERT_TRUE(t.Move("AH", "Fila1")) << r.what;
        EXPECT_EQ(t.PileText("Fila1"), Content(std::string(r.pile) + " AH")) << r.what;
    }
}

TEST(ExecuteMove, PictureGameSwapsACardLaidOnAPileOfTheWrongRank) {
    PlayTable t;
    t.Attr(attr::Family, 49).Attr(attr::TableauCount, 24);
    t.Attr(attr::TableauEmpty + 1, 5).Attr(attr::TableauRule + 1, 12);
    t.Pile("Fila2", "9S").Pile("Fila1", "3D 5C");
    ASSERT_TRUE(t.Move("5C", "Fila2"));
    EXPECT_EQ(t.PileText("Fila2"), Content("5C"));
    EXPECT_EQ(t.PileText("Fila1"), Content("3D 9S")) << "the displaced card joins the source pile";
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(ExecuteMove, PictureGameKeepsACardOnAPileOfTheRightRank) {
    PlayTable t;
    t.Attr(attr::Family, 49).Attr(attr::TableauCount, 24);
    t.Attr(attr::TableauEmpty + 1, 9).Attr(attr::TableauRule + 1, 12);
    t.Pile("Fila2", "9S").Pile("Fila1", "5C");
    ASSERT_TRUE(t.Move("5C", "Fila2"));
    EXPECT_EQ(t.PileText("Fila2"), Content("9S 5C"));
    EXPECT_EQ(t.PileText("Fila1"), "");
}

// The picture games end on a tableau move: the card built on as the fourth of the last pile wins
// at once, as a swap would.
TEST(ExecuteMove, PictureGameIsWonByTheMoveThatCompletesTheLastPile) {
    struct Row {
        const char* what;
        int family;
        const char* last;   // tableau pile 24 before the move
        const char* source; // the pile the moved card comes from
        const char* from;   // its content
        bool won;
    } rows[] = {
        {"family 49: fourth card built on", 49, "4S 7S 10S", "Mazzo_Vis", "KS", true},
        {"family 63: fourth card built on", 63, "4S 7S 10S", "Mazzo_Vis", "KS", true},
        {"family 49: third card leaves the pile short", 49, "4S 7S", "Mazzo_Vis", "10S", false},
        {"another family keeps its own won test", 0, "4S 7S 10S", "Mazzo_Vis", "KS", false},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, r.family).Attr(attr::TableauCount, 24);
        for (int k = 0; k < 24; ++k)
            t.Attr(attr::TableauRule + k, 12).Attr(attr::TableauEmpty + k, 4);
        for (int k = 1; k <= 23; ++k)
            t.Pile("Fila" + std::to_string(k), "2H 5H 8H JH");
        t.Pile("Fila24", r.last).Pile(r.source, r.from);
        ASSERT_TRUE(t.Move(r.from, "Fila24")) << r.what;
        EXPECT_EQ(t.s.Flag(GameWon), r.won) << r.what;
    }
}

// The grid-filling games end when the card from the waste fills the last empty cell.
TEST(ExecuteMove, GridGameIsWonByTheCardThatFillsTheLastCell) {
    struct Row {
        const char* what;
        int family;
        int emptyCells; // cells left empty before the move, the last ones of the grid
        bool won;
    } rows[] = {
        {"family 9: last cell filled", 9, 1, true},
        {"family 59: last cell filled", 59, 1, true},
        {"family 77: last cell filled", 77, 1, true},
        {"family 9: one cell still empty", 9, 2, false},
        {"a building game keeps its own won test", 0, 1, false},
    };
    const char* const cards[] = {"AS",  "2S", "3S", "4S", "5S",  "6S", "7S", "8S", "9S",
                                 "10S", "JS", "QS", "KS", "AH",  "2H", "3H", "4H", "5H",
                                 "6H",  "7H", "8H", "9H", "10H", "JH", "QH"};
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, r.family).Attr(attr::TableauCount, 25).Attr(attr::TableauCapacity, 1);
        for (int k = 0; k < 25; ++k)
            t.Attr(attr::TableauRule + k, 12);
        for (int k = 1; k <= 25 - r.emptyCells; ++k)
            t.Pile("Fila" + std::to_string(k), cards[k - 1]);
        t.Pile("Mazzo_Vis", "KH");
        ASSERT_TRUE(t.Move("KH", "Fila25")) << r.what;
        EXPECT_EQ(t.s.Flag(GameWon), r.won) << r.what;
    }
}

TEST(ExecuteMove, FanModeTwelveLeavesASlotBehind) {
    PlayTable t;
    t.Attr(attr::TableauFan, 12);
    t.Pile("Fila1", "AH 5C 7D");
    ASSERT_TRUE(t.Move("5C", "Appogg1"));
    EXPECT_EQ(t.PileText("Fila1"), "001000" + CardText(Card("7D")));
}

TEST(ExecuteMove, ClearsTheRedoSideAfterAMove) {
    PlayTable t;
    t.Pile("Fila1", "AH");
    t.s.History.Redo.Events = ",,";
    t.s.History.Redo.Stock = {"", "", ""};
    ASSERT_TRUE(t.Move("AH", "Dest1"));
    EXPECT_TRUE(t.s.History.Redo.Events.empty());
    EXPECT_TRUE(t.s.History.Redo.Stock.empty());
}

TEST(TurnUp, WithShadowsTheCardRisesAndFliesDown) {
    PlayTable t;
    t.s.Params.WriteParam(param::CardsShadowed, 1, "Y");
    t.Pile("Fila1", "5C").FaceDown("5C");
    TurnUp(t.s, Card("5C"), 10, 150, 0);
    EXPECT_FALSE(t.Hidden("5C"));
    EXPECT_EQ(t.s.History.Steps(), 1);
    EXPECT_GE(t.view.Index("Lift " + std::to_string(Card("5C"))), 0) << "a lone card is lifted first";
    EXPECT_GE(t.view.Index("Card 31 3,143 window"), 0);
    EXPECT_EQ(t.s.Params.ReadParam(param::CardsShadowed, 1), "Y");
    EXPECT_GE(t.view.Index("Card 31 10,150 image"), 0);
    EXPECT_GE(t.view.Index("Redraw Fila1 both"), 0);
}

} // namespace
} // namespace quillon::test

namespace quillon::test {
namespace {

TEST(DrawCardToTop, PullsTheCardToTheTopAndLogsTheDraw) {
    PlayTable t;
    t.Attr(attr::TableauRule, 12);
    t.Pile("Fila1", "KS 7D QH 2C");
    DrawCardToTop(t.s, Card("7D"), "Fila01");
    EXPECT_EQ(t.PileText("Fila1"), Content("KS QH 2C 7D"));
    EXPECT_EQ(CountEvents(t.s, 4), 1);
    EXPECT_EQ(t.s.History.Steps(), 1);
}

} // namespace
} // namespace quillon::test

namespace quillon::test {
namespace {

TEST(ExecuteMove, GridJumpTakesTheJumpedCardOffInTheSameStep) {
    struct Row {
        const char* what;
        const char* from;
        const char* to;
        const char* jumped; // pile that loses its card, or nullptr
    } rows[] = {
        {"along a row", "Fila1", "Fila3", "Fila2"},
        {"down a column", "Fila1", "Fila7", "Fila4"},
        {"not a jump", "Fila1", "Fila5", nullptr},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::GridWidth, 3).Attr(attr::TableauCount, 9);
        for (int k = 0; k < 9; ++k)
            t.Attr(attr::TableauRule + k, 71);
        t.Piles({{"Fila1", "5C"}, {"Fila2", "7D"}, {"Fila4", "9S"}, {"Fila3", ""}, {"Fila7", ""}});
        ASSERT_TRUE(t.Move("5C", r.to)) << r.what;
        EXPECT_EQ(t.PileText(r.to), Content("5C")) << r.what;
        if (r.jumped) {
            EXPECT_EQ(t.PileText(r.jumped), "") << r.what;
            EXPECT_EQ(PileSize(t.PileText("Mazzo_Waste")), 1) << r.what;
        } else {
            EXPECT_EQ(t.PileText("Mazzo_Waste"), "") << r.what;
        }
        EXPECT_EQ(t.s.History.Steps(), 1) << r.what;
    }
}

TEST(ExecuteMove, KingDownToAceRunLeavesUnderCodeNinetyFive) {
    PlayTable t;
    for (int k = 0; k < 8; ++k)
        t.Attr(attr::FoundationBase + k, 95);
    t.Attr(attr::TableauRule, 12).Attr(attr::TableauRule + 1, 12);
    t.Pile("Fila1", "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS").Pile("Fila2", "KS");
    ASSERT_TRUE(t.Move("KS", "Fila1"));
    EXPECT_EQ(t.PileText("Fila1"), "");
    EXPECT_EQ(t.PileText("Dest1"), Content("KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"));
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(ExecuteMove, CompleteRunGoesToTheSecondWasteWhenItsFoundationIsOffTheTable) {
    PlayTable t;
    for (int k = 0; k < 8; ++k)
        t.Attr(attr::FoundationBase + k, 83);
    t.s.Game.SetFoundationX(0, kFoundationHidden);
    t.Attr(attr::TableauRule, 12).Attr(attr::TableauRule + 1, 12);
    t.Pile("Fila1", "KD QD JD 10D 9D 8D 7D 6D 5D 4D 3D 2D").Pile("Fila2", "AD");
    ASSERT_TRUE(t.Move("AD", "Fila1"));
    EXPECT_EQ(t.PileText("Fila1"), "");
    EXPECT_EQ(PileSize(t.PileText("Mazzo_Waste")), 13);
    EXPECT_EQ(t.PileText("Dest1"), "");
}

} // namespace
} // namespace quillon::test
