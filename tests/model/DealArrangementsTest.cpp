// Family arrangements after the deal: each works on the piles and on the rest of the deck.

#include "model/DealArrangements.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace quillon {
namespace {

std::string Cards(std::initializer_list<int> cards) {
    std::string out;
    for (int c : cards)
        out += CardText(c);
    return out;
}

// A stand-in building rule: an empty foundation takes its start rank, a card goes on the next
// lower card of its suit.
bool SameSuitUp(Session&, const RuleQuery& q) {
    if (q.top <= 0)
        return CardRank(q.card) == q.emptyValue;
    return CardSuit(q.top) == CardSuit(q.card) && CardRank(q.card) == CardRank(q.top) + 1;
}

int scored = 0;
void CountScore(Session&, int points) {
    scored += points;
}

struct Table {
    Session s;
    DeckList deck;
    Table() { scored = 0; }
    void Attr(int a, int v) { s.GameAttr[static_cast<size_t>(a)] = static_cast<std::int16_t>(v); }
    std::string& Fila(int n) { return s.Piles.TableauPiles[static_cast<size_t>(n - 1)]; }
    std::string& Dest(int n) { return s.Piles.FoundationPiles[static_cast<size_t>(n - 1)]; }
    std::string& Res(int n) { return s.Piles.ReservePiles[static_cast<size_t>(n - 1)]; }
    std::string& Stock() { return s.Piles.StockPiles[0]; }
    std::string& Waste() { return s.Piles.StockPiles[1]; }
    void WithRules(int foundations, int base = 1) {
        s.Hooks.RuleAccepts = SameSuitUp;
        s.Hooks.AddScore = CountScore;
        Attr(374, foundations);
        for (int i = 0; i < foundations; ++i)
            Attr(55 + i, base);
    }
    void Run() { RunDealArrangements(s, deck); }
};

TEST(Arrangement, ThirteenPlacesSkipsCardsOfThePlaceRank) {
    Table t;
    t.Attr(36, 17);
    // Place 1 meets an ace (to the stock, face down), then a five; place 2 a nine; place 3 a three
    // of diamonds (stock); then a king at place 3.
    t.deck = {1, 5, 9, 16, 13};
    t.Run();
    EXPECT_EQ(t.Stock(), Cards({1, 16}));
    EXPECT_TRUE(t.s.Cards.CardIsHidden(1));
    EXPECT_TRUE(t.s.Cards.CardIsHidden(16));
    EXPECT_EQ(t.Fila(1), Cards({5}));
    EXPECT_EQ(t.Fila(2), Cards({9}));
    EXPECT_EQ(t.Fila(3), Cards({13}));
    EXPECT_FALSE(t.s.Cards.CardIsHidden(13));
    EXPECT_TRUE(t.deck.empty());
}

TEST(Arrangement, ThirteenPlacesUsesTheFirstReserveAsPlaceThirteenAndStartsNewRounds) {
    Table t;
    t.Attr(36, 17);
    // Thirteen cards that never match their place: rank 2 at place 1, 3 at place 2, ..., then an
    // ace at place 13 and a two of hearts at place 1 of the second round.
    for (int r = 2; r <= 13; ++r)
        t.deck.push_back(r);
    t.deck.push_back(14); // ace of diamonds at place 13
    t.deck.push_back(15); // two of diamonds, second round, place 1
    t.Run();
    EXPECT_EQ(t.Res(1), Cards({14}));
    EXPECT_EQ(t.Fila(1), Cards({2, 15}));
    EXPECT_EQ(t.Fila(12), Cards({13}));
    EXPECT_TRUE(t.Stock().empty());
}

TEST(Arrangement, KingsStartPiles) {
    for (auto [code, K] : std::vector<std::pair<int, int>>{{2, 13}, {4, 12}}) {
        Table t;
        t.Attr(36, code);
        int firstK = K, secondK = 13 + K;
        t.deck = {5, firstK, 7, secondK, 8, 9};
        t.Run();
        EXPECT_EQ(t.Fila(1), Cards({firstK, 5, 7})) << code;
        EXPECT_EQ(t.Fila(2), Cards({secondK, 8, 9})) << code;
        EXPECT_TRUE(t.Fila(3).empty());
        EXPECT_FALSE(t.s.Cards.CardIsHidden(firstK));
    }
}

TEST(Arrangement, KingsStartPilesThenPlayDealtCardsHome) {
    Table t;
    t.WithRules(4);
    t.Attr(375, 3);
    t.Attr(36, 2);
    t.deck = {13, 1, 2, 26, 14};
    t.Run();
    EXPECT_EQ(t.Fila(1), Cards({13}));
    EXPECT_EQ(t.Fila(2), Cards({26}));
    EXPECT_EQ(t.Dest(1), Cards({1, 2}));
    EXPECT_EQ(t.Dest(2), Cards({14}));
    EXPECT_EQ(scored, 3);
}

TEST(Arrangement, FanModeEightSpacesTheFirstPile) {
    struct Case {
        std::string pile, want;
    } cases[] = {
        {Cards({4, 9, 22}), "004000009000022"}, {Cards({4}), "004"}, {"", ""}, {Cards({4, 9}), "004000009"}};
    for (const auto& c : cases) {
        Table t;
        t.Attr(3, 8);
        t.Fila(1) = c.pile;
        t.Fila(2) = Cards({5, 6});
        t.Run();
        EXPECT_EQ(t.Fila(1), c.want);
        EXPECT_EQ(t.Fila(2), Cards({5, 6}));
    }
}

TEST(Arrangement, AcesOutOfTheFirstReserve) {
    Table t;
    t.Attr(54, 11);
    t.Res(1) = Cards({5, 1, 8, 27});
    t.Waste() = Cards({2, 3, 4, 6, 7, 40, 9});
    t.Run();
    EXPECT_EQ(t.Dest(2), Cards({1}));
    EXPECT_EQ(t.Dest(3), Cards({27}));
    // The reserve gets the first and third waste cards; the second is passed over. The scan goes
    // on until an ace reaches the first foundation.
    EXPECT_EQ(t.Res(1), Cards({5, 8, 2, 4}));
    EXPECT_EQ(t.Dest(1), Cards({40}));
    EXPECT_EQ(t.Waste(), Cards({3, 6, 7, 9}));
    EXPECT_FALSE(t.s.Cards.CardIsHidden(40));
    t.s.Cards.SetCardFace(5, '0');
}

TEST(Arrangement, OrderingPuzzleGap) {
    for (auto [piles, gapCard] : std::vector<std::pair<int, int>>{{9, 9}, {15, 28}}) {
        Table t;
        t.Attr(36, 9);
        t.Attr(375, piles);
        for (int m = 1; m <= piles; ++m)
            t.Fila(m) = CardText(m == piles ? gapCard : m);
        t.Run();
        for (int m = 1; m <= piles; ++m)
            EXPECT_EQ(t.Fila(m).empty(), m == piles) << piles << " " << m;
    }
}

TEST(Arrangement, DistinctRanksPerPile) {
    Table t;
    t.Attr(36, 3);
    t.Attr(375, 2);
    t.Fila(1) = Cards({1, 14, 2});  // A, A, 2
    t.Fila(2) = Cards({27, 15, 3}); // A, 2, 3
    t.Run();
    EXPECT_EQ(t.Fila(1), Cards({1, 2, 3}));
    // Pile 2's last slot finds only another ace: it takes it rather than lose the card.
    EXPECT_EQ(t.Fila(2), Cards({14, 15, 27}));
    // No card is lost and none doubled.
    std::multiset<int> all;
    for (int m = 1; m <= 2; ++m)
        for (int k = 0; k < PileSize(t.Fila(m)); ++k)
            all.insert(PileCard(t.Fila(m), k));
    EXPECT_EQ(all, (std::multiset<int>{1, 14, 2, 27, 15, 3}));
}

TEST(Arrangement, DistinctRanksExchangeWithAnEarlierPileWhenTheCardsLeftRepeatARank) {
    Table t;
    t.Attr(36, 3);
    t.Attr(375, 2);
    t.Fila(1) = Cards({1, 3});   // A, 3
    t.Fila(2) = Cards({15, 28}); // 2, 2
    t.Run();
    // Pile 2 is left only the second two; the ace of pile 1 comes over and the two takes its place.
    EXPECT_EQ(t.Fila(1), Cards({28, 3}));
    EXPECT_EQ(t.Fila(2), Cards({15, 1}));
}

TEST(Arrangement, PlaceDistinctRankRefusesARankThePileHolds) {
    Table t;
    t.Fila(1) = "001000000";
    EXPECT_FALSE(PlaceDistinctRank(t.s, 1, 14));
    EXPECT_TRUE(PlaceDistinctRank(t.s, 1, 2));
    EXPECT_EQ(t.Fila(1), "001002000");
    EXPECT_TRUE(PlaceDistinctRank(t.s, 1, 3));
    EXPECT_FALSE(PlaceDistinctRank(t.s, 1, 4)); // no empty slot left
    EXPECT_FALSE(PlaceDistinctRank(t.s, 41, 4));
}

TEST(Arrangement, ByRank) {
    for (int code : {5, 6}) {
        Table t;
        t.Attr(36, code);
        t.deck = {3, 16, 13, 1};
        t.Run();
        if (code == 5) {
            EXPECT_EQ(t.Fila(2), Cards({3, 16}));
            EXPECT_EQ(t.Fila(12), Cards({13}));
            EXPECT_EQ(t.deck, (DeckList{1})); // an ace has no pile 0
        } else {
            EXPECT_EQ(t.Fila(3), Cards({3, 16}));
            EXPECT_EQ(t.Fila(1), Cards({1}));
            EXPECT_TRUE(t.deck.empty());
        }
    }
}

TEST(Arrangement, AcesBecomeEmptySlots) {
    Table t;
    t.Attr(36, 21);
    t.Attr(375, 2);
    t.Fila(1) = Cards({5, 1, 6});
    t.Fila(2) = Cards({27});
    t.s.Cards.SetCardFace(12, '0');
    t.Run();
    EXPECT_EQ(t.Fila(1), "005000006");
    EXPECT_EQ(t.Fila(2), "000");
    EXPECT_EQ(t.Dest(1), "014027040001");
    EXPECT_EQ(t.Dest(4), "026039052013");
    EXPECT_FALSE(t.s.Cards.CardIsHidden(12));
}

TEST(Arrangement, KingsBecomeSlotsAndPilesArePaddedToNinePlaces) {
    Table t;
    t.Attr(36, 15);
    t.Attr(375, 2);
    t.Fila(1) = Cards({13, 2, 3});
    t.Run();
    EXPECT_EQ(t.Fila(1), "000002003000000000000000000");
    EXPECT_EQ(t.Fila(2), std::string(27, '0'));
}

TEST(Arrangement, FoundationsFromTheDeck) {
    Table t;
    t.Attr(36, 13);
    t.Attr(374, 2);
    t.deck = {7, 8, 9};
    t.Run();
    EXPECT_EQ(t.Dest(1), "007");
    EXPECT_EQ(t.Dest(2), "008");
    EXPECT_TRUE(t.Dest(3).empty());
}

TEST(Arrangement, KingsGoUnderTheStock) {
    Table t;
    t.Attr(36, 1);
    t.Attr(375, 2);
    t.Attr(374, 1);
    t.Fila(1) = Cards({13});
    t.Fila(2) = Cards({5});
    t.Dest(1) = Cards({26});
    t.Stock() = Cards({39, 7, 8, 9});
    t.Run();
    // Each king goes under the stock, the stock's top is turned down, and the pile takes the first
    // card from the stock's bottom that is not a king (39 is the king of clubs).
    EXPECT_EQ(t.Fila(1), Cards({7}));
    EXPECT_EQ(t.Dest(1), Cards({8}));
    EXPECT_EQ(t.Stock(), Cards({26, 13, 39, 9}));
    EXPECT_TRUE(t.s.Cards.CardIsHidden(9));
    EXPECT_FALSE(t.s.Cards.CardIsHidden(7));
    EXPECT_FALSE(t.s.Cards.CardIsHidden(8));
    EXPECT_EQ(t.Fila(2), Cards({5}));
}

TEST(Arrangement, RankShuffleWalksTheRanks) {
    std::vector<int> list = {2, 5, 1, 3};
    RankShuffle(list);
    EXPECT_EQ(list, (std::vector<int>{5, 2, 1, 3}));
    std::vector<int> empty;
    RankShuffle(empty);
    EXPECT_TRUE(empty.empty());
    std::vector<int> sixteen;
    for (int c = 1; c <= 10; ++c)
        sixteen.push_back(c);
    for (int c = 14; c <= 19; ++c)
        sixteen.push_back(c);
    std::vector<int> shuffled = sixteen;
    RankShuffle(shuffled);
    EXPECT_TRUE(std::is_permutation(shuffled.begin(), shuffled.end(), sixteen.begin()));
    EXPECT_NE(shuffled, sixteen);
}

TEST(Arrangement, FourGroupsDropFaceCardsAndSumTheRanks) {
    Table t;
    t.Attr(36, 18);
    t.s.Game.OnceUsed = 9;
    t.deck = {11, 1, 2, 3, 4, 12, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 20};
    t.Run();
    EXPECT_EQ(t.s.Game.OnceUsed, 1 + 2 + 3 + 4);
    EXPECT_EQ(t.s.Game.DealValues[0], 5 + 6 + 7 + 8);
    EXPECT_EQ(t.s.Game.DealValues[1], 9 + 10 + 1 + 2);
    EXPECT_EQ(t.s.Game.DealValues[2], 3 + 4 + 5 + 6);
    for (int m = 1; m <= 16; ++m)
        EXPECT_EQ(PileSize(t.Fila(m)), 1) << m;
    EXPECT_TRUE(t.Fila(17).empty());
}

TEST(Arrangement, DealtCardsPlayHomeInTheDealingOrder) {
    struct Case {
        int pileByPile;
        std::string dest1, dest2, fila1, fila2;
    } cases[] = {
        // Position by position: pile 2's ace (position 0) goes first and takes foundation 1; the
        // three that slides into its place does not fit; then pile 1's ace (position 1).
        {0, Cards({14}), Cards({1}), Cards({2}), Cards({3})},
        // Pile by pile: pile 1's ace first; the two below it is not examined again.
        {1, Cards({1}), Cards({14}), Cards({2}), Cards({3})},
    };
    for (const auto& c : cases) {
        Table t;
        t.WithRules(2);
        t.Attr(375, 2);
        t.Attr(103, 93);
        t.Attr(26, c.pileByPile);
        t.Fila(1) = Cards({2, 1});
        t.Fila(2) = Cards({14, 3});
        t.Run();
        EXPECT_EQ(t.Dest(1), c.dest1) << c.pileByPile;
        EXPECT_EQ(t.Dest(2), c.dest2) << c.pileByPile;
        EXPECT_EQ(t.Fila(1), c.fila1) << c.pileByPile;
        EXPECT_EQ(t.Fila(2), c.fila2) << c.pileByPile;
        EXPECT_EQ(scored, 2);
    }
}

TEST(Arrangement, DealtCardsFollowTheirAceHome) {
    Table t;
    t.WithRules(1);
    t.Attr(375, 1);
    t.Attr(103, 93);
    t.Fila(1) = Cards({5, 3, 2, 1});
    t.Run();
    // Position 3: the ace goes; nothing slides into position 3, so the two stays.
    EXPECT_EQ(t.Dest(1), Cards({1}));
    EXPECT_EQ(t.Fila(1), Cards({5, 3, 2}));
}

TEST(Arrangement, WithoutRulesNoCardGoesHome) {
    Table t;
    t.Attr(374, 4);
    t.Attr(375, 1);
    t.Fila(1) = Cards({1});
    EXPECT_FALSE(PlayToFoundation(t.s, 1, kAnyFoundation));
    EXPECT_EQ(t.Fila(1), Cards({1}));
}

TEST(Arrangement, PlayToOneFoundationOnly) {
    Table t;
    t.WithRules(2);
    t.Attr(55, 5);
    t.Fila(1) = Cards({1});
    EXPECT_FALSE(PlayToFoundation(t.s, 1, 1)); // foundation 1 starts at five
    EXPECT_EQ(t.Fila(1), Cards({1}));
    EXPECT_TRUE(PlayToFoundation(t.s, 1, 2));
    EXPECT_EQ(t.Dest(2), Cards({1}));
    EXPECT_TRUE(t.Fila(1).empty());
}

TEST(Arrangement, AcesOfTheTableauAreReplacedFromTheStock) {
    Table t;
    t.WithRules(4);
    t.Attr(375, 2);
    t.Attr(103, 96);
    t.Fila(1) = Cards({5, 1});
    t.Fila(2) = Cards({14});
    t.Stock() = Cards({8, 27});
    t.Waste() = Cards({41});
    t.Run();
    EXPECT_EQ(t.Dest(1), Cards({14}));
    EXPECT_EQ(t.Dest(2), Cards({27}));
    EXPECT_EQ(t.Dest(3), Cards({1}));
    // Pile 2's ace went first (position 0) and took the stock's ace, which went home in turn.
    EXPECT_EQ(t.Fila(2), Cards({8}));
    EXPECT_EQ(t.Fila(1), Cards({5, 41})); // the stock is empty: the waste's top refills
    EXPECT_TRUE(t.Stock().empty());
    EXPECT_TRUE(t.Waste().empty());
}

TEST(Arrangement, AcesOfTheReservesIgnoreTheFoundationRulesForThePass) {
    Table t;
    t.WithRules(2);
    t.Attr(376, 1);
    t.Attr(103, 98);
    t.Attr(87, 4);
    t.Attr(88, 7);
    t.Res(1) = Cards({1});
    t.Run();
    EXPECT_EQ(t.Dest(1), Cards({1}));
    EXPECT_EQ(t.s.Attr(87), 4);
    EXPECT_EQ(t.s.Attr(88), 4); // every rule takes the first foundation's value afterwards
}

TEST(Arrangement, BottomCardsOfferedToTheirOwnFoundation) {
    Table t;
    t.WithRules(2);
    t.Attr(375, 3);
    t.Attr(36, 7);
    t.Fila(1) = Cards({2, 9});
    t.Fila(2) = Cards({1});
    t.Fila(3) = Cards({14});
    t.Run();
    EXPECT_EQ(t.Fila(1), Cards({2, 9}));
    EXPECT_TRUE(t.Fila(2).empty());
    EXPECT_EQ(t.Dest(2), Cards({1}));
    EXPECT_EQ(t.Fila(3), Cards({14})); // there is no third foundation
}

TEST(Arrangement, QueenAndKingOfHeartsInFamily22) {
    Table t;
    t.Attr(54, 22);
    t.Fila(2) = Cards({12, 5});
    t.Stock() = Cards({7, 13});
    t.Run();
    EXPECT_EQ(t.Stock(), Cards({13, 7}));
    EXPECT_EQ(t.Fila(1), Cards({12}));
    EXPECT_EQ(t.Fila(2), Cards({5}));
}

// The cards to remember are the first ten of the first pack in deck order; the second pack, and
// only it, forms the stock face down; fewer foundations take fewer cards.
TEST(Arrangement, CardsToRememberAndTheSecondPackInTheStock) {
    struct Row {
        const char* what;
        int foundations;
        int remembered;
    } rows[] = {{"ten places", 10, 10}, {"four places", 4, 4}, {"more foundations than places", 12, 10}};
    for (const Row& r : rows) {
        Table t;
        t.Attr(54, 38);
        t.Attr(374, r.foundations);
        // Both packs interleaved: 104, 1, 103, 2, ... so that the packs alternate in the deck.
        for (int k = 0; k < 52; ++k) {
            t.deck.push_back(104 - k);
            t.deck.push_back(k + 1);
        }
        t.Run();
        for (int j = 1; j <= r.remembered; ++j) {
            EXPECT_EQ(t.Dest(j), CardText(j)) << r.what << ", foundation " << j;
            EXPECT_FALSE(t.s.Cards.CardIsHidden(j)) << r.what;
        }
        for (int j = r.remembered + 1; j <= 16; ++j)
            EXPECT_EQ(t.Dest(j), "") << r.what << ", foundation " << j;
        ASSERT_EQ(t.Stock().size(), 52u * 3) << r.what;
        std::set<int> stock;
        for (int k = 0; k < 52; ++k) {
            const int c = std::stoi(t.Stock().substr(static_cast<size_t>(3 * k), 3));
            EXPECT_GT(c, 52) << r.what;
            EXPECT_TRUE(t.s.Cards.CardIsHidden(c)) << r.what;
            stock.insert(c);
        }
        EXPECT_EQ(stock.size(), 52u) << r.what;
        EXPECT_EQ(t.Stock().substr(0, 3), CardText(104)) << r.what << ": deck order, bottom first";
        // What is left out of the game: the rest of the first pack.
        EXPECT_EQ(t.deck.size(), static_cast<size_t>(52 - r.remembered)) << r.what;
        for (int c : t.deck)
            EXPECT_LE(c, 52) << r.what;
    }
}

TEST(RemoveCard, FirstPileInSearchOrderLosesTheCard) {
    struct Case {
        std::function<void(Session&)> setup;
        int kind;
    } cases[] = {
        {[](Session& s) { s.Piles.StockPiles[0] = "007"; }, 1},
        {[](Session& s) { s.Piles.StockPiles[1] = "007"; }, 2},
        {[](Session& s) { s.Piles.StockPiles[2] = "007"; }, 3},
        {[](Session& s) { s.Piles.TableauPiles[39] = "007"; }, 4},
        {[](Session& s) { s.Piles.FoundationPiles[15] = "007"; }, 5},
        {[](Session& s) { s.Piles.ReservePiles[11] = "007"; }, 6},
        {[](Session& s) { s.Piles.TableauPiles[0] = "070"; }, 255}, // "070" is card 70, not 7
        {[](Session& s) {
             s.Piles.ReservePiles[0] = "007";
             s.Piles.StockPiles[1] = "001007";
         },
         2},
        {[](Session& s) {
             s.Piles.StockPiles[0] = "007";
             s.Piles.FoundationPiles[0] = "007";
         },
         5},
    };
    for (const auto& c : cases) {
        Session s;
        c.setup(s);
        EXPECT_EQ(RemoveCardFromPiles(s, 7), c.kind);
    }
    Session s;
    s.Piles.StockPiles[1] = "001007002";
    RemoveCardFromPiles(s, 7);
    EXPECT_EQ(s.Piles.StockPiles[1], "001002");
}

} // namespace
} // namespace quillon
