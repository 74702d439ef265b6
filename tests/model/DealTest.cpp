// The deck fixed by a deal code, the deck filters, the start cards of the foundations, the deal
// counts and their order, and the start of a new game.

#include "model/Deal.h"
#include "model/DealArrangements.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>

namespace quillon {
namespace {

void SetCode(Session& s, const std::string& code) {
    s.Params.WriteParam(kParamDealCode, kParamDealCodeWidth, code);
}

DeckList Deck(const std::string& code, int cards = 52, int jokers = 0, bool withJokers = false,
              int shortDeck = 0) {
    Session s;
    s.GameAttr[378] = static_cast<std::int16_t>(cards);
    s.GameAttr[381] = static_cast<std::int16_t>(jokers);
    s.GameAttr[46] = withJokers ? 1 : 0;
    s.GameAttr[49] = static_cast<std::int16_t>(shortDeck);
    SetCode(s, code);
    return BuildDeck(s);
}

// Slot -> card checks worked out by hand from the suit and step tables.
TEST(BuildDeck, HandWorkedSlots) {
    struct Case {
        const char* code;
        std::map<int, int> slots;
        const char* why;
    } cases[] = {
        {"0000000000000",
         {{25, 40}, {43, 14}, {4, 27}, {26, 1}, {0, 2}, {17, 15}, {30, 28}, {51, 41}},
         "all digits 0: step row 0, suit row 0, ranks A, 2, ..."},
        {"0000000000000", {{27, 42}}, "slot 25 is taken: the forward search passes 26 and takes 27"},
        {"1000000000000",
         {{19, 49}, {38, 23}, {50, 36}, {11, 10}},
         "digit positions 1, 7, 13 give rank index 9: tens"},
        {"1000000000000", {{36, 15}}, "second draw: suit row 9 from the nine digits without positions 2-5"},
        {"2000000100000",
         {{8, 26}, {26, 13}, {39, 52}, {9, 39}},
         "second draw's rank index 12 lies beyond the pool; forward takes the last entry: kings"},
        {"3100000000000",
         {{7, 1}, {26, 27}, {38, 14}, {51, 40}},
         "second draw's rank index 12 lies beyond the pool; not forward takes the first entry: aces"},
    };
    for (const auto& c : cases) {
        DeckList d = Deck(c.code);
        ASSERT_EQ(d.size(), 52u);
        for (auto [slot, card] : c.slots)
            EXPECT_EQ(d[static_cast<size_t>(slot)], card) << c.code << " slot " << slot << ": " << c.why;
    }
}

// Whole decks, worked out independently of this code from the suit and step tables. The second and
// third make dozens of backward slot searches (each finding another slot than a forward search
// would), fall back to the first empty slot from the start, and run past the shrunken rank pool;
// the third places two jokers in two decks; the last is a four-deck deck.
TEST(BuildDeck, WholeDecks) {
    struct Case {
        const char* code;
        int cards, jokers;
        bool withJokers;
        DeckList expect;
    } cases[] = {
        {"0000000000000", 52, 0, false, {2,  43, 4,  20, 27, 45, 29, 6,  31, 36, 22, 47, 50,
                                         12, 26, 25, 33, 15, 8,  17, 49, 11, 13, 19, 35, 40,
                                         1,  42, 3,  44, 28, 5,  30, 46, 21, 10, 32, 24, 7,
                                         23, 38, 52, 39, 14, 48, 16, 9,  18, 34, 51, 37, 41}},
        {"3141592653589", 52, 0, false, {45, 35, 31, 27, 29, 33, 8,  12, 24, 49, 4,  1,  19,
                                         50, 11, 51, 5,  15, 3,  47, 48, 10, 7,  46, 16, 6,
                                         38, 36, 17, 43, 28, 40, 22, 32, 18, 2,  34, 21, 44,
                                         20, 42, 37, 52, 39, 25, 9,  13, 26, 23, 30, 41, 14}},
        {"9876543210123", 104, 2, true, {91, 21, 31,  34,  85,  19, 46, 76, 15, 11, 97,  72, 81, 4,  79, 103,
                                         62, 20, 209, 59,  65,  44, 37, 33, 6,  68, 39,  28, 53, 63, 95, 210,
                                         98, 3,  83,  32,  104, 90, 49, 88, 93, 52, 24,  38, 55, 45, 66, 14,
                                         56, 29, 77,  8,   60,  26, 17, 57, 54, 23, 101, 25, 84, 16, 92, 50,
                                         86, 73, 47,  13,  1,   18, 82, 67, 51, 36, 70,  30, 2,  75, 58, 42,
                                         9,  22, 27,  100, 102, 12, 78, 99, 48, 5,  69,  80, 96, 35, 7,  41,
                                         43, 10, 89,  71,  94,  40, 74, 87, 64, 61}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Deck(c.code, c.cards, c.jokers, c.withJokers), c.expect) << c.code;
    DeckList four = Deck("0000000000007", 208);
    EXPECT_EQ((std::vector<int>(four.begin(), four.begin() + 8)),
              (std::vector<int>{62, 193, 6, 43, 165, 40, 80, 162}));
    EXPECT_EQ((std::vector<int>(four.end() - 4, four.end())), (std::vector<int>{74, 76, 174, 116}));
}

// Every code gives every card of every deck exactly once, with or without jokers.
TEST(BuildDeck, EachCardOnceForEveryDeckSize) {
    RandomGenerator r;
    r.seed = 12345;
    for (int cards : {52, 104, 156, 208})
        for (int jokers : {0, 1, 4})
            for (int round = 0; round < 60; ++round) {
                std::string code;
                for (int i = 0; i < 13; ++i)
                    code += static_cast<char>('0' + r.RandomInt(round % 3 == 0 ? 2 : 10));
                DeckList d = Deck(code, cards, jokers, jokers > 0);
                std::multiset<int> got(d.begin(), d.end());
                std::multiset<int> want;
                for (int c = 1; c <= cards; ++c)
                    want.insert(c);
                for (int j = 0; j < jokers; ++j)
                    want.insert(209 + j);
                ASSERT_EQ(got, want) << code << " cards " << cards << " jokers " << jokers;
            }
}

TEST(BuildDeck, ShortDecksAndJokerSwitch) {
    DeckList d = Deck("0000000000000", 104, 0, false, 1);
    EXPECT_EQ(d.size(), 64u);
    EXPECT_TRUE(std::none_of(d.begin(), d.end(), [](int c) { return CardRank(c) >= 2 && CardRank(c) <= 6; }));
    d = Deck("5550000000000", 52, 0, false, 2);
    EXPECT_EQ(d.size(), 28u);
    EXPECT_TRUE(std::none_of(d.begin(), d.end(), [](int c) { return CardRank(c) == 13; }));
    // Jokers counted but switched off: none are placed.
    d = Deck("0000000000000", 52, 2, false);
    EXPECT_EQ(d.size(), 52u);
    EXPECT_EQ(std::count_if(d.begin(), d.end(), CardIsJoker), 0);
    // A short deck keeps its jokers.
    d = Deck("0000000000000", 52, 2, true, 2);
    EXPECT_EQ(std::count_if(d.begin(), d.end(), CardIsJoker), 2);
}

TEST(BuildDeck, WrongDeckSizeIsReportedAndPlacesOnlyJokers) {
    struct Case {
        int cards;
        bool message;
        size_t size, nonEmpty;
    } cases[] = {
        {60, true, 62, 2}, {100, true, 102, 2}, {0, false, 2, 2}, {-5, false, 2, 2}, {40, false, 42, 42}};
    for (auto c : cases) {
        Session s;
        RecordingDesktop desk;
        s.desktop = &desk;
        s.GameAttr[378] = static_cast<std::int16_t>(c.cards);
        s.GameAttr[46] = 1;
        s.GameAttr[381] = 2;
        SetCode(s, "0000000000000");
        DeckList d = BuildDeck(s);
        EXPECT_EQ(d.size(), c.size) << c.cards;
        EXPECT_EQ(static_cast<size_t>(std::count_if(d.begin(), d.end(), [](int x) { return x != 0; })),
                  c.nonEmpty)
            << c.cards;
        EXPECT_EQ(!desk.boxes.empty(), c.message) << c.cards;
        if (c.message) {
            EXPECT_EQ(desk.boxes[0].text, "Error 01 - fnGameNumberCardsArray");
        }
    }
    // No cards and no jokers: an empty deck, and no division by an empty deck's size.
    Session s;
    EXPECT_TRUE(BuildDeck(s).empty());
}

TEST(BuildDeck, ShortCodesArePaddedWithLeadingZeros) {
    EXPECT_EQ(Deck("7"), Deck("0000000000007"));
    EXPECT_NE(Deck("7"), Deck("7000000000000"));
}

TEST(DrawDealCode, ThirteenDigitsFromTwoDraws) {
    Session s;
    s.Random.seed = 0;
    DrawDealCode(s);
    EXPECT_EQ(s.Params.ReadParam(kParamDealCode, kParamDealCodeWidth), "0000000000000"); // first draw is 0
    for (std::uint32_t seed : {1u, 77u, 4000000000u}) {
        s.Random.seed = seed;
        RandomGenerator copy = s.Random;
        long long a = copy.RandomInt(9999999), b = copy.RandomInt(999999);
        DrawDealCode(s);
        std::string code = s.Params.ReadParam(kParamDealCode, kParamDealCodeWidth);
        ASSERT_EQ(code.size(), 13u);
        EXPECT_EQ(std::stoll(code), a * b);
        EXPECT_EQ(s.Random.seed, copy.seed);
    }
}

// A session with a game definition set by hand.
struct Game {
    Session s;
    RecordingDesktop desk;
    Game() {
        s.desktop = &desk;
        s.GameAttr[378] = 52;
        SetCode(s, "0000000000000");
    }
    void Attr(int a, int v) { s.GameAttr[static_cast<size_t>(a)] = static_cast<std::int16_t>(v); }
    const std::string& Fila(int n) { return s.Piles.TableauPiles[static_cast<size_t>(n - 1)]; }
    const std::string& Dest(int n) { return s.Piles.FoundationPiles[static_cast<size_t>(n - 1)]; }
};

TEST(DeckFilter, KeepsTheCardsOfTheFamily) {
    struct Case {
        int filter, tableaus;
        std::function<bool(const DeckList&)> check;
        const char* what;
    } cases[] = {
        {9, 9,
         [](const DeckList& d) {
             return std::set<int>(d.begin(), d.end()) == std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
         },
         "cards 1..9"},
        {9, 15,
         [](const DeckList& d) {
             return std::set<int>(d.begin(), d.end()) ==
                    std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27, 28};
         },
         "1..13 and 27..28 for fifteen piles"},
        {11, 5,
         [](const DeckList& d) {
             std::set<int> ranks;
             for (int c : d)
                 ranks.insert(CardRank(c));
             return d.size() == 5 && ranks == std::set<int>{1, 2, 3, 4, 5};
         },
         "one card of each rank 1..5"},
        {14, 0,
         [](const DeckList& d) {
             std::set<int> ranks, suits;
             for (int c : d) {
                 ranks.insert(CardRank(c));
                 suits.insert(CardSuit(c));
             }
             return d.size() == 9 && suits.size() == 1 && ranks == std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
         },
         "ranks 1..9 of the first card's suit"},
        {12, 3, [](const DeckList& d) { return d.size() == 12; }, "12 cards for three piles"},
        {16, 0,
         [](const DeckList& d) {
             return d.size() == 44 &&
                    std::none_of(d.begin(), d.end(), [](int c) { return CardRank(c) >= 12; });
         },
         "no queens or kings"},
    };
    for (const auto& c : cases) {
        Game g;
        g.Attr(36, c.filter);
        g.Attr(375, c.tableaus);
        if (c.filter == 12)
            g.Attr(378, 104);
        DeckList d = DeckForDeal(g.s);
        EXPECT_TRUE(c.check(d)) << c.what;
    }
    for (int piles : {4, 5}) {
        Game g;
        g.Attr(36, 12);
        g.Attr(375, piles);
        g.Attr(378, 104);
        EXPECT_EQ(DeckForDeal(g.s).size(), piles == 4 ? 24u : 40u);
    }
}

TEST(FoundationStart, CodesChooseTheStartCard) {
    // Code 0000000000000 deals the deck 2, 43, 4, 20, 27, 45, ...
    struct Case {
        std::vector<int> codes;
        std::vector<int> bottoms; // bottom card per foundation, 0 for empty
        std::vector<int> ranks;   // start rank attribute per foundation
    } cases[] = {
        {{0, 101}, {0, 1}, {0, 1}},
        {{20, 20}, {2, 43}, {2, 4}},
        {{20, 21}, {2, 43}, {2, 4}},  // first card whose suit differs from hearts
        {{20, 22}, {2, 43}, {2, 4}},  // rank differs from 2 and not a king
        {{51, 22}, {27, 2}, {1, 2}},  // the ace is skipped for its rank
        {{55}, {31}, {5}},            // first deck card of rank 5
        {{91, 91}, {15, 28}, {2, 2}}, // first card + 13, + 26
        {{5, 92}, {5, 0}, {5, 5}},    // 92 takes the rank of foundation 1
        {{93, 93, 93}, {1, 14, 27}, {1, 1, 1}},
        {{95, 95, 95, 95, 95}, {13, 26, 39, 52, 1}, {13, 13, 13, 13, 1}},
        {{3, 3}, {3, 16}, {3, 3}}, // 1..13: rank of suit k + 1
    };
    for (const auto& c : cases) {
        Game g;
        g.Attr(374, static_cast<int>(c.codes.size()));
        for (size_t k = 0; k < c.codes.size(); ++k)
            g.Attr(103 + static_cast<int>(k), c.codes[k]);
        DealGame(g.s);
        for (size_t k = 0; k < c.codes.size(); ++k) {
            EXPECT_EQ(PileCard(g.Dest(static_cast<int>(k) + 1), 0), c.bottoms[k])
                << "code " << c.codes[k] << " k " << k;
            EXPECT_EQ(g.s.Attr(55 + static_cast<int>(k)), c.ranks[k]) << "code " << c.codes[k] << " k " << k;
            if (c.bottoms[k] > 0) {
                EXPECT_FALSE(g.s.Cards.CardIsHidden(c.bottoms[k]));
            }
        }
    }
}

// Code 91 counts round the deck: whatever the first card, the four foundations receive the four
// cards of its rank, the king of spades included (13 places on from a card of the last suit's
// rank lies in the first suit).
TEST(FoundationStart, RankOfTheFirstCardInEverySuit) {
    std::set<int> firstCards;
    for (int n = 1; n < 400 && !firstCards.count(52); ++n) {
        Game g;
        char code[14];
        std::snprintf(code, sizeof code, "%013d", n);
        SetCode(g.s, code);
        const int first = DeckForDeal(g.s).front();
        if (!firstCards.insert(first).second)
            continue;
        g.Attr(374, 4);
        for (int k = 0; k < 4; ++k)
            g.Attr(103 + k, 91);
        DealGame(g.s);
        std::set<int> bottoms;
        for (int k = 1; k <= 4; ++k) {
            const int b = PileCard(g.Dest(k), 0);
            EXPECT_EQ(CardRank(b), CardRank(first)) << "first card " << first << ", foundation " << k;
            EXPECT_EQ(g.s.Attr(54 + k), CardRank(first)) << "first card " << first;
            bottoms.insert(b);
        }
        EXPECT_EQ(bottoms.size(), 4u) << "first card " << first;
    }
    EXPECT_TRUE(firstCards.count(52)) << "no deal code tried starts with the king of spades";
}

// Code 97 on the first foundation lays out a key row: foundation k takes the first card of rank
// k + 2 in deck order, before any pile is dealt, and that rank becomes its start rank; the eight
// keys leave the deck, so the piles dealt after them hold every other card once.
TEST(FoundationStart, KeyRowOfTheRanksTwoToNine) {
    for (const char* code : {"0000000000001", "0000000000002", "4849394547623", "9876543210123"}) {
        Game g;
        g.Attr(378, 104);
        g.Attr(374, 16);
        g.Attr(103, 97);
        g.Attr(375, 8);
        for (int k = 0; k < 8; ++k)
            g.Attr(382 + k, 12);
        SetCode(g.s, code);
        const DeckList deck = DeckForDeal(g.s);
        DeckList rest = DealGame(g.s);
        EXPECT_TRUE(rest.empty()) << code;
        std::vector<int> all;
        for (int k = 0; k < 8; ++k) {
            const int want =
                *std::find_if(deck.begin(), deck.end(), [&](int c) { return CardRank(c) == k + 2; });
            EXPECT_EQ(g.Dest(k + 1), CardText(want)) << code << " foundation " << k + 1;
            EXPECT_FALSE(g.s.Cards.CardIsHidden(want)) << code;
            EXPECT_EQ(g.s.Attr(55 + k), k + 2) << code;
            all.push_back(want);
        }
        for (int k = 9; k <= 16; ++k)
            EXPECT_TRUE(g.Dest(k).empty()) << code << " foundation " << k;
        for (int m = 1; m <= 8; ++m) {
            ASSERT_EQ(PileSize(g.Fila(m)), 12) << code << " pile " << m;
            for (int i = 0; i < 12; ++i)
                all.push_back(PileCard(g.Fila(m), i));
        }
        std::sort(all.begin(), all.end());
        for (int c = 1; c <= 104; ++c)
            ASSERT_EQ(all[static_cast<size_t>(c - 1)], c) << code;
    }
}

TEST(DealCounts, OrderFacesAndSpecialCounts) {
    Game g;
    g.Attr(375, 3);
    g.Attr(382, 2);    // pile 1: two cards
    g.Attr(383, 1005); // pile 2: the first five, dealt before everything else
    g.Attr(384, 1501); // pile 3: joker 209 face up
    g.Attr(422, 1);
    g.Attr(423, 0);
    g.Attr(46, 1);
    g.Attr(381, 1);
    g.Attr(379, 3);
    g.Attr(380, 1);
    g.Attr(7, 0);
    DeckList rest = DealGame(g.s);
    // Deck with one joker for this code; the five leaves first, then stock, waste, pile 1.
    DeckList deck = DeckForDeal(g.s);
    std::vector<int> order(deck.begin(), deck.end());
    int five = *std::find_if(order.begin(), order.end(), [](int c) { return CardRank(c) == 5; });
    order.erase(std::find(order.begin(), order.end(), five));
    order.erase(std::find(order.begin(), order.end(), 209));
    EXPECT_EQ(g.Fila(2), CardText(five));
    EXPECT_TRUE(g.s.Cards.CardIsHidden(five));
    EXPECT_EQ(g.s.Piles.StockPiles[0], CardText(order[0]) + CardText(order[1]) + CardText(order[2]));
    EXPECT_FALSE(g.s.Cards.CardIsHidden(order[0])); // stock cards are face up in the card table
    EXPECT_EQ(g.s.Piles.StockPiles[1], CardText(order[3]));
    EXPECT_FALSE(g.s.Cards.CardIsHidden(order[3]));
    EXPECT_EQ(g.Fila(1), CardText(order[4]) + CardText(order[5]));
    EXPECT_TRUE(g.s.Cards.CardIsHidden(order[4]));
    EXPECT_FALSE(g.s.Cards.CardIsHidden(order[5]));
    EXPECT_EQ(g.Fila(3), "209");
    EXPECT_FALSE(g.s.Cards.CardIsHidden(209));
    EXPECT_EQ(rest.size(), deck.size() - 8);

    Game down;
    down.Attr(379, 52);
    down.Attr(7, 1);
    DealGame(down.s);
    EXPECT_EQ(PileSize(down.s.Piles.StockPiles[0]), 52);
    EXPECT_TRUE(down.s.Cards.CardIsHidden(PileTop(down.s.Piles.StockPiles[0])));
}

TEST(DealCounts, AskingForMoreThanTheDeckDealsWhatThereIs) {
    Game g;
    g.Attr(375, 2);
    g.Attr(382, 40);
    g.Attr(383, 40);
    EXPECT_TRUE(DealGame(g.s).empty());
    EXPECT_EQ(PileSize(g.Fila(1)), 40);
    EXPECT_EQ(PileSize(g.Fila(2)), 12);
}

TEST(FoundationArrangement, StartRanksFollowTheFirstCard) {
    // The deck of code 0 starts with card 2 (a two of hearts), then 43 (a four of spades).
    struct Case {
        int arrangement, foundations;
        std::map<int, int> ranks; // foundation (1-based) -> start rank
        std::map<int, int> bottoms;
    } cases[] = {
        {1, 4, {{1, 2}, {4, 2}, {16, 2}}, {{1, 2}, {2, 0}}},
        {2, 3, {{1, 2}, {2, 2}, {3, 2}}, {{1, 2}, {2, 43}, {3, 4}}},
        {4, 8, {{1, 2}, {4, 2}, {5, 3}, {8, 3}}, {{1, 2}}},
        {6, 4, {{1, 2}, {2, 1}, {3, 13}, {4, 12}}, {{1, 2}}},
        {8, 9, {{5, 2}, {1, 3}, {4, 3}, {6, 1}, {9, 1}}, {{5, 2}, {1, 0}}},
        {5, 4, {{1, 2}, {16, 2}}, {{1, 2}, {2, 15}, {3, 28}, {4, 41}}},
    };
    for (const auto& c : cases) {
        Game g;
        g.Attr(1, c.arrangement);
        g.Attr(374, c.foundations);
        DealGame(g.s);
        for (auto [f, r] : c.ranks)
            EXPECT_EQ(g.s.Attr(54 + f), r) << "arrangement " << c.arrangement << " foundation " << f;
        for (auto [f, card] : c.bottoms)
            EXPECT_EQ(PileCard(g.Dest(f), 0), card) << "arrangement " << c.arrangement << " foundation " << f;
    }
}

TEST(FoundationArrangement, SevenSendsTheFirstCardByItsRank) {
    Game g; // first card 2: the two goes to the first foundation (rank - 1)
    g.Attr(1, 7);
    g.Attr(374, 12);
    g.s.Game.OnceUsed = 9;
    DealGame(g.s);
    EXPECT_EQ(g.Dest(1), "002");
    EXPECT_EQ(g.s.Game.OnceUsed, 0); // hearts
    // Code 1000000000000 starts with card 50, the jack of spades: it goes to the first tableau pile.
    Game jack;
    jack.Attr(1, 7);
    jack.Attr(374, 12);
    jack.Attr(375, 1);
    SetCode(jack.s, "1000000000000");
    DealGame(jack.s);
    EXPECT_EQ(jack.Fila(1), "050");
    EXPECT_FALSE(jack.s.Cards.CardIsHidden(50));
    EXPECT_EQ(jack.s.Game.OnceUsed, 3);
    for (int k = 1; k <= 12; ++k)
        EXPECT_TRUE(jack.Dest(k).empty()) << k;
}

TEST(EmptyPileRule, NinetyOneBecomesTheRankBelowFoundationOne) {
    for (auto [base, want] : std::vector<std::pair<int, int>>{{1, 13}, {7, 6}, {13, 12}}) {
        Game g;
        g.Attr(375, 2);
        g.Attr(374, 1);
        g.Attr(103, 50 + base);
        g.Attr(135, 91);
        g.Attr(136, 0);
        DealGame(g.s);
        EXPECT_EQ(g.s.Attr(135), want) << base;
        EXPECT_EQ(g.s.Attr(136), 0);
    }
}

TEST(WindowTitle, NameAndDealCode) {
    Session s;
    s.Params.WriteParam(kParamGameName, kParamGameNameWidth, "Put-Them-In-Order (3x3 square)");
    EXPECT_EQ(WindowTitle(s), "Quillon 2003 3.2  [Put-Them-In-Order (3x3 square)]");
    SetCode(s, "0123456789012");
    EXPECT_EQ(WindowTitle(s), "Quillon 2003 3.2  [Put-Them-In-Order (3x3 square)]  [0123456789012]");
}

struct RecordingSeams : NewGameSeams {
    std::vector<std::string> calls;
    std::string caption;
    bool confirm = true, won = false;
    void SetCaption(const std::string& c) override {
        caption = c;
        calls.push_back("caption");
    }
    std::string Caption() override { return caption; }
    void ShowDeal(Session& s) override {
        calls.push_back("deal");
        NewGameSeams::ShowDeal(s);
    }
    void ClearHistory() override { calls.push_back("history"); }
    void RunGameEndTest() override { calls.push_back("end-test"); }
    void PrepareGameAndLayout() override { calls.push_back("layout"); }
    bool ConfirmQuit() override { return confirm; }
    bool EndGame() override { return won; }
    double Now() override { return 42.5; }
};

TEST(NewGame, ResetsTheGameAndDealsAFreshCode) {
    Game g;
    g.Attr(375, 2);
    g.Attr(382, 1);
    g.Attr(383, 1);
    g.Attr(135, 91);
    g.Attr(103, 51);
    g.Attr(374, 1);
    TakeSavedAttributes(g.s);
    g.s.Params.WriteParam(kParamScore, kParamScoreWidth, "55");
    g.s.Game.RedealCount = 3;
    g.s.Game.OnceUsed = 1;
    g.s.StateValues[DealCounter] = 4;
    g.s.Random.seed = 99;
    RecordingSeams seams;
    NewGame(g.s, &seams);
    EXPECT_TRUE(g.s.Flag(GameInPlay));
    EXPECT_FALSE(g.s.Flag(GameWon));
    EXPECT_EQ(g.s.Game.DealDone, 1);
    EXPECT_TRUE(g.s.Flag(ClockRunning));
    EXPECT_FALSE(g.s.Flag(AutomaticSequence));
    EXPECT_EQ(g.s.GameTimes[0], 42.5);
    EXPECT_EQ(g.s.Game.RedealCount, 1);
    EXPECT_EQ(g.s.Game.OnceUsed, 0);
    EXPECT_EQ(g.s.Game.FreshDeal, 1);
    EXPECT_EQ(g.s.Game.GameStarted, -1);
    EXPECT_EQ(g.s.StateValues[DealCounter], 0);
    EXPECT_EQ(g.s.Params.ReadParam(kParamScore, kParamScoreWidth), "0");
    std::string code = g.s.Params.ReadParam(kParamDealCode, kParamDealCodeWidth);
    EXPECT_EQ(code.size(), 13u);
    EXPECT_NE(seams.caption.find("[" + code + "]"), std::string::npos);
    EXPECT_EQ(std::count(seams.calls.begin(), seams.calls.end(), "deal"), 1);
    EXPECT_EQ(std::count(seams.calls.begin(), seams.calls.end(), "history"), 1);
    EXPECT_EQ(std::count(seams.calls.begin(), seams.calls.end(), "end-test"), 0);
    EXPECT_EQ(g.s.Attr(135), 13); // resolved from the ace foundation
    EXPECT_EQ(PileSize(g.Fila(1)) + PileSize(g.Fila(2)), 2);
    // A second new game restores the saved rule before it is resolved again.
    g.Attr(103, 57);
    NewGame(g.s, &seams);
    EXPECT_EQ(g.s.Attr(135), 6);
}

TEST(NewGame, LosableFamilyRunsTheEndTestAtOnce) {
    Game g;
    g.Attr(54, 44);
    RecordingSeams seams;
    NewGame(g.s, &seams);
    EXPECT_EQ(seams.calls.back(), "end-test");
}

TEST(OpenGame, SwitchesOnlyWhenSomethingChanges) {
    Game g;
    RecordingSeams seams;
    g.s.Params.WriteParam(kParamGame, kParamGameWidth, "0087");
    g.s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, "Player 1");
    g.s.SetFlag(GameInPlay, true);
    EXPECT_FALSE(OpenGame(g.s, 87, "X", "Player 1", &seams));
    EXPECT_TRUE(seams.calls.empty());

    seams.confirm = false;
    EXPECT_FALSE(OpenGame(g.s, 88, "Other", "Player 1", &seams));
    EXPECT_EQ(g.s.Params.ReadParam(kParamGame, kParamGameWidth), "0087");

    seams.confirm = true;
    seams.won = true; // the end of a won game takes over
    EXPECT_TRUE(OpenGame(g.s, 88, "Other", "Player 1", &seams));
    EXPECT_EQ(g.s.Params.ReadParam(kParamGame, kParamGameWidth), "0087");

    seams.won = false;
    EXPECT_TRUE(OpenGame(g.s, 88, "Other", "Player 2", &seams));
    EXPECT_EQ(g.s.Params.ReadParam(kParamGame, kParamGameWidth), "0088");
    EXPECT_EQ(g.s.Params.ReadParam(kParamGameName, kParamGameNameWidth), "Other");
    EXPECT_EQ(g.s.Params.ReadParam(kParamPlayer, kParamPlayerWidth), "Player 2");
    // No definition file here: the load leaves no deck size, so the new game loads once more.
    EXPECT_EQ(std::count(seams.calls.begin(), seams.calls.end(), "layout"), 2);
    EXPECT_EQ(std::count(seams.calls.begin(), seams.calls.end(), "deal"), 1);

    // Same game and player but no game in play: a new deal.
    g.s.SetFlag(GameInPlay, false);
    EXPECT_TRUE(OpenGame(g.s, 88, "Other", "Player 2", &seams));
    EXPECT_EQ(std::count(seams.calls.begin(), seams.calls.end(), "deal"), 2);
}

TEST(IsDealCode, DigitsOnly) {
    EXPECT_TRUE(IsDealCode("0000000000000"));
    EXPECT_TRUE(IsDealCode("1"));
    EXPECT_FALSE(IsDealCode(""));
    EXPECT_FALSE(IsDealCode("00000000000000"));
    EXPECT_FALSE(IsDealCode("12a"));
    EXPECT_FALSE(IsDealCode("-12"));
}

} // namespace
} // namespace quillon
