// The games in which every card turned from the pack must go to a foundation or onto a pile that
// only feeds the foundations (Sir Tommy, Lady Betty, Frog, Fly): what the deal lays out,
// and which drops the table takes, played through the table's own drops and stock clicks.
#include "SearchDeal.h"

#include "model/Cards.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

std::string Code(int k) {
    std::string digits = std::to_string(k);
    return std::string(13 - digits.size(), '0') + digits;
}

int Rank(int card) {
    return (card - 1) % 13 + 1;
}

// Sir Tommy and Lady Betty: the turned card must be placed before the next is turned, it may go
// onto any waste pile, and a waste pile's top card goes only to a foundation, never onto another
// waste pile.
TEST(StreamPiles, TurnedCardIsPlacedBeforeTheNextAndWastePilesOnlyFeedTheFoundations) {
    for (int game : {853, 901}) {
        SearchDeal d(game, Code(1));
        ASSERT_TRUE(d.ok) << game << " " << d.error;
        Session& s = d.s;
        ASSERT_TRUE(PlaySolverMove(s, {0, "Mazzo"})) << game;
        const int first = PileTop(s.Piles.StockPiles[1]);
        ASSERT_GT(first, 0) << game;
        // The waste holds a card: the stock turns nothing more.
        EXPECT_FALSE(PlaySolverMove(s, {0, "Mazzo"})) << game;
        EXPECT_EQ(PileTop(s.Piles.StockPiles[1]), first) << game;
        // Any card goes onto an empty waste pile; the next card can then be turned.
        ASSERT_TRUE(PlaySolverMove(s, {first, "Fila2"})) << game;
        ASSERT_TRUE(PlaySolverMove(s, {0, "Mazzo"})) << game;
        const int second = PileTop(s.Piles.StockPiles[1]);
        ASSERT_TRUE(PlaySolverMove(s, {second, "Fila1"})) << game;
        // Nothing moves from one waste pile to another, empty or not.
        EXPECT_FALSE(PlaySolverMove(s, {second, "Fila2"})) << game;
        EXPECT_FALSE(PlaySolverMove(s, {second, "Fila3"})) << game;
        EXPECT_EQ(PileTop(s.Piles.TableauPiles[0]), second) << game;
        EXPECT_EQ(PileTop(s.Piles.TableauPiles[1]), first) << game;
    }
}

// Frog: the aces dealt to the frog go to the foundations and are replaced from the pack, and one
// ace of the pack starts the first foundation, so the frog always holds thirteen cards and no ace.
// Fly: the eight aces start the foundations before the frog is dealt, so the frog keeps whatever
// it was dealt and the pack holds the other 83 cards.
TEST(StreamPiles, FrogAndFlyDealTheirAcesAndFrog) {
    for (int k = 1; k <= 40; ++k) {
        SearchDeal frog(910, Code(k));
        ASSERT_TRUE(frog.ok) << frog.error;
        const std::string& reserve = frog.s.Piles.ReservePiles[0];
        ASSERT_EQ(PileSize(reserve), 13) << k;
        for (int i = 0; i < 13; ++i)
            EXPECT_NE(Rank(PileCard(reserve, i)), 1) << "deal " << k << ": an ace left in the frog";
        int aces = 0;
        for (const auto& f : frog.s.Piles.FoundationPiles)
            if (!f.empty()) {
                EXPECT_EQ(PileSize(f), 1) << k;
                EXPECT_EQ(Rank(PileCard(f, 0)), 1) << k;
                ++aces;
            }
        EXPECT_GE(aces, 1) << k;
        EXPECT_FALSE(frog.s.Piles.FoundationPiles[0].empty()) << k;
        // Every card is somewhere: foundations, frog and the turned-up pack.
        EXPECT_EQ(aces + 13 + PileSize(frog.s.Piles.StockPiles[1]), 104) << k;

        SearchDeal fly(653, Code(k));
        ASSERT_TRUE(fly.ok) << fly.error;
        for (int f = 0; f < 8; ++f) {
            const std::string& home = fly.s.Piles.FoundationPiles[static_cast<size_t>(f)];
            ASSERT_EQ(PileSize(home), 1) << "Dest" << f + 1 << " deal " << k;
            EXPECT_EQ(Rank(PileCard(home, 0)), 1) << "Dest" << f + 1 << " deal " << k;
        }
        EXPECT_EQ(PileSize(fly.s.Piles.ReservePiles[0]), 13) << k;
        EXPECT_EQ(PileSize(fly.s.Piles.StockPiles[0]), 83) << k;
    }
}

} // namespace
} // namespace quillon
