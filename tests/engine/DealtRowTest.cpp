// Accordion's dealt row: which row moves are listed, how a named row move is played (by the
// solver and the move lists) and how a winning one ends the game.

#include "engine/DealtRow.h"
#include "engine/LegalMoves.h"
#include "engine/MoveHint.h"
#include "engine/Solver.h"

#include "PlayTable.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

void RowGame(Table& t, int family = 19) {
    t.Attrs({{attr::Family, family},
             {attr::TableauCount, 1},
             {attr::FoundationCount, 0},
             {attr::ReserveCount, 0},
             {attr::TableauFan, 9},
             {attr::PickUpRule, -1}});
}

std::vector<std::string> RowMoves(Session& s) {
    std::vector<std::string> out;
    for (const LegalMove& m : ListLegalMoves(s))
        if (RowMoveDistance(m.to) != 0)
            out.push_back(FormatMove(m));
    return out;
}

std::string RowLine(const char* card, const char* to) {
    return "Fila1 " + CardText(Card(card)) + " -> " + to;
}

TEST(DealtRow, ListsEachCardOntoAMatchOneOrThreePlacesBefore) {
    struct Row {
        const char* what;
        const char* row;
        std::vector<std::string> moves;
    } rows[] = {
        {"near by suit and by rank, far by suit; KD two after 5D is not a move",
         "AS 2D 3D 5D 5H KD",
         {RowLine("3D", "Row-1"), RowLine("5D", "Row-1"), RowLine("5H", "Row-1"), RowLine("KD", "Row-3")}},
        {"both places match: both moves", "7C 2H 9S 7S", {RowLine("7S", "Row-1"), RowLine("7S", "Row-3")}},
        {"the first card has nothing before it", "9H", {}},
        {"nothing matches", "AS 2D 3C 4H", {}},
    };
    for (const Row& r : rows) {
        PlayTable t;
        RowGame(t);
        t.Pile("Fila1", r.row);
        EXPECT_EQ(RowMoves(t.s), r.moves) << r.what;
    }
    // Another family with the same row offers no row moves.
    PlayTable other;
    RowGame(other, 74);
    other.Pile("Fila1", "AS 2D 3D 5D 5H KD");
    EXPECT_TRUE(RowMoves(other.s).empty());
}

TEST(DealtRow, MoveNamesReadBack) {
    EXPECT_EQ(RowMoveDistance(RowMoveName(kRowNear)), 1);
    EXPECT_EQ(RowMoveDistance(RowMoveName(kRowFar)), 3);
    for (const char* other : {"Row-2", "Row-0", "Row-13", "Fila1", "Row-", ""})
        EXPECT_EQ(RowMoveDistance(other), 0) << other;
}

TEST(DealtRow, NamedMovesPlayAsTheTableDropsThem) {
    struct Row {
        const char* what;
        const char* row;
        const char* card;
        const char* to;
        bool moved;
        const char* after;
        const char* covered;
    } rows[] = {
        {"near", "4C 9C", "9C", "Row-1", true, "9C", "4C"},
        {"far, the row closing up", "QH 2S 5D QC 8C", "QC", "Row-3", true, "QC 2S 5D 8C", "QH"},
        {"far reaching past the row's start", "2S QH QC", "QC", "Row-3", false, "2S QH QC", ""},
        {"near without a match", "4C 9D", "9D", "Row-1", false, "4C 9D", ""},
    };
    for (const Row& r : rows) {
        PlayTable t;
        RowGame(t);
        t.Pile("Fila1", r.row).Pile("Mazzo", "KS");
        t.s.SetFlag(GameInPlay, true);
        EXPECT_EQ(PlaySolverMove(t.s, {Card(r.card), r.to}), r.moved) << r.what;
        EXPECT_EQ(t.PileText("Fila1"), Content(r.after)) << r.what;
        EXPECT_EQ(t.PileText("Mazzo_Waste"), Content(r.covered)) << r.what;
        EXPECT_EQ(t.s.History.Steps(), r.moved ? 1 : 0) << r.what;
        EXPECT_EQ(t.s.Game.GameStarted, r.moved ? 1 : 0) << r.what;
        EXPECT_TRUE(t.s.Flag(GameInPlay)) << r.what << ": the stock still holds a card";
    }
}

TEST(DealtRow, TheMoveThatLeavesOnePileWinsAndEndsTheGame) {
    PlayTable t;
    RowGame(t);
    t.Pile("Fila1", "3H 8S 3S").Pile("Mazzo_Waste", "AH 2H");
    t.s.SetFlag(GameInPlay, true);
    ASSERT_TRUE(PlaySolverMove(t.s, {Card("3S"), "Row-1"})); // onto the 8 by suit
    EXPECT_TRUE(t.s.Flag(GameInPlay)) << "two piles are left";
    EXPECT_FALSE(t.s.Flag(GameEndHandled));
    ASSERT_TRUE(PlaySolverMove(t.s, {Card("3S"), "Row-1"})); // onto the 3 by rank
    EXPECT_EQ(t.PileText("Fila1"), Content("3S"));
    EXPECT_EQ(t.PileText("Mazzo_Waste"), Content("AH 2H 8S 3H"));
    EXPECT_TRUE(t.s.Flag(GameEndHandled));
    EXPECT_FALSE(t.s.Flag(GameInPlay));
    // The game over, no further move is played.
    EXPECT_FALSE(PlaySolverMove(t.s, {Card("3S"), "Row-1"}));
}

TEST(DealtRow, HintSuggestsARowMoveAndNamesThePlaceItGoesTo) {
    struct Row {
        const char* what;
        long budget;
        const char* stock;
        const char* text;
    } rows[] = {
        {"searched: the move that wins", 1000, "",
         "Move the 9 of Clubs from tableau 1 to the card next to it on the left (it leads to a win)"},
        {"not searched: the one move there is, before the stock", 0, "KH",
         "Move the 9 of Clubs from tableau 1 to the card next to it on the left (no winning line was found)"},
    };
    for (const Row& r : rows) {
        PlayTable t;
        RowGame(t);
        t.Pile("Fila1", "4C 9D 9C").Pile("Mazzo", r.stock);
        t.s.SetFlag(GameInPlay, true);
        const MoveHint hint = FindMoveHint(t.s, r.budget, {});
        EXPECT_EQ(MoveHintText(hint), r.text) << r.what;
        EXPECT_EQ(t.PileText("Fila1"), Content("4C 9D 9C")) << r.what << ": the hint moves nothing";
    }
    EXPECT_EQ(PileDescription("Row-3"), "the card three places to its left");
}

} // namespace
} // namespace quillon::test
