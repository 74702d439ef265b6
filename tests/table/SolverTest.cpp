// The solver plays real deals through the engine's own entry points: the list it finds, played
// move by move on a fresh deal of the same code (drops, stock clicks, card clicks), wins the
// game; the search leaves the session as it found it and keeps to its budget.

#include "SearchDeal.h"
#include "engine/CardPlaces.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillon {
namespace {

using Dealt = SearchDeal;

struct Case {
    int game;
    const char* code;
    long positions;
    bool clicksStock; // the winning list needs the stock
};

class SolverWins : public ::testing::TestWithParam<Case> {};

TEST_P(SolverWins, ListFoundPlaysToAWinOnAFreshDeal) {
    const Case c = GetParam();
    Dealt d(c.game, c.code);
    ASSERT_TRUE(d.ok);
    const PileLists before = d.s.Piles;
    const int steps = d.s.History.Steps();
    const std::string score = d.s.Params.ReadParam(param::Score, 6);
    std::vector<SolverMove> moves;
    SolverBudget budget;
    budget.positions = c.positions;
    const SolverResult r = SolveFromCurrentPosition(d.s, budget, moves);
    ASSERT_TRUE(r.won) << c.game << " " << c.code << " after " << r.positions;
    EXPECT_LE(r.positions, c.positions);
    // The session is as it was: piles, history, parameters (the score among them), still in play.
    EXPECT_EQ(d.s.Piles.TableauPiles, before.TableauPiles);
    EXPECT_EQ(d.s.Piles.StockPiles, before.StockPiles);
    EXPECT_EQ(d.s.History.Steps(), steps);
    // No player action is left open: taking moves back works as before the search.
    EXPECT_EQ(d.s.History.ActionDepth, 0);
    EXPECT_EQ(d.s.Params.ReadParam(param::Score, 6), score);
    EXPECT_FALSE(SearchGameWon(d.s));
    bool clicked = false;
    for (const auto& m : moves)
        clicked |= m.card == 0 && m.to == "Mazzo";
    EXPECT_EQ(clicked, c.clicksStock);

    Dealt fresh(c.game, c.code);
    for (size_t k = 0; k < moves.size(); ++k) {
        ASSERT_FALSE(SearchGameWon(fresh.s)) << "won before move " << k;
        ASSERT_TRUE(PlaySolverMove(fresh.s, moves[k]))
            << "move " << k << ": " << moves[k].card << " " << moves[k].to;
    }
    EXPECT_TRUE(SearchGameWon(fresh.s));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SolverWins,
                         ::testing::Values(Case{103, "0000000000001", 5000, false},
                                           Case{101, "0000000000001", 5000, true},
                                           Case{104, "0000000000002", 5000, false},
                                           Case{87, "0000000000003", 20000, false},
                                           // Two decks and one pass through the stock: the
                                           // most-promising-first search spreads itself over
                                           // positions that look alike (no win in 200 000); the
                                           // dive of the budget's second half wins it.
                                           Case{105, "0000000000025", 2000, true},
                                           // The stock deals onto the tableau: searched deal by
                                           // deal in the second half (no win in 200 000 without).
                                           Case{430, "0000000000007", 4000, true},
                                           // No foundations: the breadth-first search never gets
                                           // to the last of the square's 25 cells (not in
                                           // 20 000); the dive fills it card by card.
                                           Case{950, "0000000000002", 200, true},
                                           // One redeal, a reserve of twenty: the cards still to
                                           // come from the stock weigh, so playing them on is
                                           // progress (no win in 200 000 without).
                                           Case{655, "0000000000001", 2000, true}));

// A deal whose every reachable position is looked at ends "cannot be won"; a budget of one
// position stops the search after one.
TEST(Solver, ExhaustedSearchAndBudget) {
    Dealt blocked(108, "0000000000001");
    ASSERT_TRUE(blocked.ok);
    std::vector<SolverMove> moves{{1, "Dest1"}};
    SolverResult r = SolveFromCurrentPosition(blocked.s, {100000, 0, {}}, moves);
    EXPECT_FALSE(r.won);
    EXPECT_TRUE(r.exhausted);
    EXPECT_TRUE(moves.empty());

    Dealt freecell(103, "0000000000001");
    r = SolveFromCurrentPosition(freecell.s, {1, 0, {}}, moves);
    EXPECT_FALSE(r.won);
    EXPECT_FALSE(r.exhausted);
    EXPECT_EQ(r.positions, 1);
}

// Precedence's foundations start from different ranks, so a card two of them take may go to
// either, and which one decides the game: this deal is won (its recorded win plays a card to the
// second foundation that takes it), so no search may call it lost after trying one way only.
TEST(Solver, ChoiceBetweenFoundationsIsSearched) {
    Dealt precedence(753, "0000000007975");
    ASSERT_TRUE(precedence.ok);
    std::vector<SolverMove> moves;
    const SolverResult r = SolveFromCurrentPosition(precedence.s, {1000, 0, {}}, moves);
    EXPECT_FALSE(r.exhausted) << "called lost after " << r.positions << " positions";
}

// A game played by pressing cards searches its own way, held to the same stop: Monte Carlo's
// deal is won without one, and a stop that answers at once ends the search with no win and the
// table as it was.
TEST(Solver, SelectionSearchKeepsToTheStop) {
    Dealt free(201, "0000000000001");
    ASSERT_TRUE(free.ok);
    std::vector<SolverMove> moves;
    ASSERT_TRUE(SolveFromCurrentPosition(free.s, {1L << 40, 0, {}}, moves).won);

    Dealt stopped(201, "0000000000001");
    const PileLists before = stopped.s.Piles;
    int asked = 0;
    const SolverResult r =
        SolveFromCurrentPosition(stopped.s, {1L << 40, 0, [&] { return ++asked > 0; }}, moves);
    EXPECT_FALSE(r.won);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(stopped.s.Piles.TableauPiles, before.TableauPiles);
}

// The solver's moves are the player's: a card the table would not let a press lift is not moved.
// FreeCell's first card home stays there unless the game lets a foundation give cards back;
// only the waste's top card is played, and nothing straight from the stock.
TEST(Solver, MovesOnlyCardsAPressWouldLift) {
    for (const int backFromHome : {0, 1}) {
        Dealt freecell(103, "0000000000001");
        ASSERT_TRUE(freecell.ok);
        Session& s = freecell.s;
        s.GameAttr[19] = static_cast<std::int16_t>(backFromHome);
        std::vector<SolverMove> moves;
        ASSERT_TRUE(SolveFromCurrentPosition(s, {100000, 0, {}}, moves).won);
        int home = 0;
        for (const SolverMove& m : moves) {
            ASSERT_TRUE(PlaySolverMove(s, m));
            if (m.to.rfind("Dest", 0) == 0) {
                home = m.card;
                break;
            }
        }
        ASSERT_GT(home, 0);
        int freeCell = 0;
        for (int j = 0; j < 4 && freeCell == 0; ++j)
            freeCell = s.Piles.ReservePiles[static_cast<size_t>(j)].empty() ? j + 1 : 0;
        ASSERT_GT(freeCell, 0);
        EXPECT_EQ(PlaySolverMove(s, {home, "Appogg" + std::to_string(freeCell)}), backFromHome == 1)
            << "foundation pick-up rule " << backFromHome;
    }

    Dealt klondike(101, "0000000000001");
    ASSERT_TRUE(klondike.ok);
    Session& s = klondike.s;
    for (int k = 0; k < 3; ++k)
        ASSERT_TRUE(PlaySolverMove(s, {0, "Mazzo"}));
    const std::string waste = s.Piles.StockPiles[1];
    ASSERT_GE(PileSize(waste), 2);
    // Each of these cards, were it free, would fill a gap; none of them is free.
    s.Piles.TableauPiles[0].clear();
    s.GameAttr[135] = -1;
    EXPECT_FALSE(PlaySolverMove(s, {PileTop(s.Piles.StockPiles[0]), "Fila1"})) << "the stock's top card";
    EXPECT_FALSE(PlaySolverMove(s, {PileCard(waste, 0), "Fila1"})) << "a waste card under the top";
    EXPECT_TRUE(PlaySolverMove(s, {PileTop(waste), "Fila1"})) << "the waste's top card";
}

} // namespace
} // namespace quillon
