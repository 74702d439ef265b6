// How the catalogue's games that start their foundations from the deal itself come out of it: the
// compiled game definitions dealt from real deal codes, with the legality rules that the deal
// sets up (start ranks, the rank an empty pile takes) checked on the dealt table.
#include "engine/GameEnd.h"
#include "engine/MoveLegality.h"
#include "model/CatalogueDeals.h"
#include "model/Deal.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quillon {
namespace {

enum Game { Blockade = 821, Penguin = 823 };

const char* const kCodes[] = {"0000000000001", "0000000000002", "0000000000007", "1234567890123",
                              "4849394547623", "9876543210123", "0000000099886", "5000000000000"};

void Deal(Session& s, int game, const char* code) {
    InstallPlayHooks(s); // the deal asks the legality rules where a card may go, as the program does
    testing::DealCatalogueGame(s, game, code);
    s.DragHeight = s.Metrics.CardHeight; // a single card
}

std::vector<int> Cards(const std::string& pile) {
    std::vector<int> out;
    for (int k = 0; k < PileSize(pile); ++k)
        out.push_back(PileCard(pile, k));
    return out;
}

// Blockade: the aces of the first row go up at the deal, and each place they leave takes the
// stock's top card, which goes up in turn when it is an ace; the row ends up with twelve cards,
// none an ace, each foundation holds at most its ace, and no card is lost or doubled.
TEST(CatalogueDealStart, BlockadeSendsTheRowsAcesUpAndRefillsFromTheStock) {
    int acesSeen = 0;
    for (const char* code : kCodes) {
        Session s;
        Deal(s, Blockade, code);
        const DeckList deck = DeckForDeal(s);
        // Replay the deal by hand: the stock takes the first 92 cards, the row the next twelve;
        // each ace of the row is replaced by the stock's top card, until a card that is no ace.
        std::vector<int> stock(deck.begin(), deck.begin() + 92);
        std::vector<int> row(deck.begin() + 92, deck.end());
        int aces = 0;
        for (int& c : row)
            while (CardRank(c) == 1) {
                ++aces;
                c = stock.back();
                stock.pop_back();
            }
        acesSeen += aces;
        for (int m = 0; m < 12; ++m)
            EXPECT_EQ(Cards(s.Piles.TableauPiles[static_cast<size_t>(m)]),
                      std::vector<int>{row[static_cast<size_t>(m)]})
                << code << " pile " << m + 1;
        EXPECT_EQ(Cards(s.Piles.StockPiles[0]), stock) << code;
        int home = 0;
        for (int k = 0; k < 8; ++k) {
            const auto f = Cards(s.Piles.FoundationPiles[static_cast<size_t>(k)]);
            ASSERT_LE(f.size(), 1u) << code;
            if (!f.empty()) {
                EXPECT_EQ(CardRank(f[0]), 1) << code;
                ++home;
            }
        }
        EXPECT_EQ(home, aces) << code;
        EXPECT_TRUE(testing::EveryCardOnce(s, 104)) << code;
    }
    EXPECT_GT(acesSeen, 0) << "no deal code tried puts an ace in the first row";
}

// Penguin: the first card of the deck is the beak at the bottom of the first pile; the other
// three of its rank start the first three foundations, the fourth waits for the beak at the same
// rank; nothing is laid on a card of the beak's rank, a king goes on an ace, and a gap takes only
// the rank below the beak.
TEST(CatalogueDealStart, PenguinStartsFromTheBeak) {
    for (const char* code : kCodes) {
        Session s;
        Deal(s, Penguin, code);
        const int beak = DeckForDeal(s).front();
        const int rank = CardRank(beak);
        const int below = rank == 1 ? 13 : rank - 1;
        auto& T = s.Piles.TableauPiles;
        auto& F = s.Piles.FoundationPiles;
        EXPECT_EQ(PileCard(T[0], 0), beak) << code;
        std::vector<int> suits;
        for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(PileSize(F[static_cast<size_t>(k)]), 1) << code;
            const int c = PileCard(F[static_cast<size_t>(k)], 0);
            EXPECT_EQ(CardRank(c), rank) << code;
            EXPECT_FALSE(s.Cards.CardIsHidden(c)) << code;
            suits.push_back(CardSuit(c));
        }
        suits.push_back(CardSuit(beak));
        std::sort(suits.begin(), suits.end());
        EXPECT_EQ(suits, (std::vector<int>{0, 1, 2, 3})) << code;
        EXPECT_TRUE(F[3].empty()) << code;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(s.Attr(55 + k), rank) << code;
        for (int m = 0; m < 7; ++m) {
            EXPECT_EQ(PileSize(T[static_cast<size_t>(m)]), 7) << code;
            EXPECT_EQ(s.Attr(135 + m), below) << code << " pile " << m + 1;
        }
        EXPECT_TRUE(testing::EveryCardOnce(s, 52)) << code;

        // The beak, once alone, goes to the fourth foundation and nowhere else among them.
        T[0] = CardText(beak);
        T[1].clear();
        EXPECT_TRUE(PileAccepts(s, beak, "Dest4")) << code;
        EXPECT_FALSE(PileAccepts(s, beak, "Dest1")) << code;
        // A gap takes a card one rank below the beak, and no other rank.
        const int suitBase = CardSuit(beak) * 13;
        const int belowCard = suitBase + below;
        const int aboveCard = suitBase + (rank == 13 ? 1 : rank + 1);
        EXPECT_TRUE(PileAccepts(s, belowCard, "Fila2")) << code;
        EXPECT_FALSE(PileAccepts(s, aboveCard, "Fila2")) << code;
        // Nothing goes on the beak's rank, not even the card below it in suit.
        EXPECT_FALSE(PileAccepts(s, belowCard, "Fila1")) << code;
        // A king goes on an ace of its suit, unless the ace is the beak's rank.
        T[1] = CardText(suitBase + 1);
        EXPECT_EQ(PileAccepts(s, suitBase + 13, "Fila2"), rank != 1) << code;
    }
}

// Strategy: the four aces are set out on their foundations before the deal and the other 48 cards
// form the stock; while any of them is still in the stock or on the waste, no card goes home, not
// even the two that fits an ace.
TEST(CatalogueDealStart, StrategySetsOutTheAcesAndHoldsEveryOtherCardBack) {
    constexpr int kStrategy = 551;
    for (const char* code : kCodes) {
        Session s;
        Deal(s, kStrategy, code);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Cards(s.Piles.FoundationPiles[static_cast<size_t>(k)]), std::vector<int>{13 * k + 1})
                << code;
        const std::vector<int> stock = Cards(s.Piles.StockPiles[0]);
        ASSERT_EQ(stock.size(), 48u) << code;
        EXPECT_TRUE(std::none_of(stock.begin(), stock.end(), [](int c) { return CardRank(c) == 1; })) << code;
        EXPECT_TRUE(testing::EveryCardOnce(s, 52)) << code;

        // Turn the stock up to its first two and hold it on the waste: it fits its ace, yet stays.
        std::string& S = s.Piles.StockPiles[0];
        std::string& W = s.Piles.StockPiles[1];
        int two = 0;
        while (two == 0 && !S.empty()) {
            const int c = PileCard(S, PileSize(S) - 1);
            S.resize(S.size() - 3);
            W += CardText(c);
            s.Cards.SetCardFace(c, '1');
            if (CardRank(c) == 2)
                two = c;
        }
        ASSERT_NE(two, 0) << code;
        const std::string home = "Dest" + std::to_string(CardSuit(two) + 1);
        EXPECT_FALSE(PileAccepts(s, two, home)) << code;
        EXPECT_TRUE(PileAccepts(s, two, "Fila1")) << code;
        // Once the stock and the waste are used up, the two goes home from a pile.
        S.clear();
        W.resize(W.size() - 3);
        s.Piles.TableauPiles[0] = CardText(two);
        W.clear();
        EXPECT_TRUE(PileAccepts(s, two, home)) << code;
    }
}

// Grandfather's Clock: the deal starts the twelve o'clock foundation with the nine of clubs, yet the
// piles build down through every rank: a nine takes an eight, and an ace takes nothing.
TEST(CatalogueDealStart, GrandfathersClockPilesBuildThroughTheNine) {
    constexpr int kGrandfathersClock = 756;
    for (const char* code : kCodes) {
        Session s;
        Deal(s, kGrandfathersClock, code);
        ASSERT_EQ(Cards(s.Piles.FoundationPiles[0]), std::vector<int>{35}) << code;
        EXPECT_EQ(s.Attr(55), 9) << code;
        s.Piles.TableauPiles[0] = CardText(22);            // the nine of diamonds
        s.Piles.TableauPiles[1] = CardText(1);             // the ace of hearts
        EXPECT_TRUE(PileAccepts(s, 47, "Fila1")) << code;  // the eight of spades
        EXPECT_FALSE(PileAccepts(s, 52, "Fila2")) << code; // the king of spades
    }
}

} // namespace
} // namespace quillon
