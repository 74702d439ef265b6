#include "model/Cards.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

struct CardCase {
    int n;
    int rank;
    int suit;
    bool red;
    bool face;
    bool joker;
};

void PrintTo(const CardCase& c, std::ostream* os) { *os << "card " << c.n; }

class CardArithmetic : public ::testing::TestWithParam<CardCase> {};

TEST_P(CardArithmetic, RankSuitColourAcrossDecks) {
    const auto& c = GetParam();
    EXPECT_EQ(CardRank(c.n), c.rank);
    EXPECT_EQ(CardSuit(c.n), c.suit);
    EXPECT_EQ(CardIsRed(c.n), c.red);
    EXPECT_EQ(CardIsFace(c.n), c.face);
    EXPECT_EQ(CardIsJoker(c.n), c.joker);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, CardArithmetic,
    ::testing::Values(
        // n, rank, suit, red, face, joker
        CardCase{1, 1, 0, true, false, false}, CardCase{13, 13, 0, true, true, false},
        CardCase{14, 1, 1, true, false, false}, CardCase{26, 13, 1, true, true, false},
        CardCase{27, 1, 2, false, false, false}, CardCase{40, 1, 3, false, false, false},
        CardCase{50, 11, 3, false, true, false}, CardCase{52, 13, 3, false, true, false},
        CardCase{53, 1, 0, true, false, false}, CardCase{78, 13, 1, true, true, false},
        CardCase{79, 1, 2, false, false, false}, CardCase{104, 13, 3, false, true, false},
        CardCase{105, 1, 0, true, false, false}, CardCase{130, 13, 1, true, true, false},
        CardCase{131, 1, 2, false, false, false}, CardCase{157, 1, 0, true, false, false},
        CardCase{182, 13, 1, true, true, false}, CardCase{183, 1, 2, false, false, false},
        CardCase{206, 11, 3, false, true, false}, CardCase{208, 13, 3, false, true, false},
        CardCase{209, 100, -1, false, false, true}, CardCase{212, 100, -1, false, false, true},
        CardCase{213, -1, -1, false, false, false},
        // Numbers below 1 are no cards: rank gives the number itself.
        CardCase{0, 0, 0, true, false, false}, CardCase{-3, -3, 0, true, false, false}));

TEST(Cards, EveryDeckHoldsEachRankAndSuitOnce) {
    for (int deck = 0; deck < 4; ++deck) {
        int seen[4][14] = {};
        for (int n = 52 * deck + 1; n <= 52 * deck + 52; ++n)
            ++seen[CardSuit(n)][CardRank(n)];
        for (int s = 0; s < 4; ++s)
            for (int r = 1; r <= 13; ++r)
                EXPECT_EQ(seen[s][r], 1) << "deck " << deck << " suit " << s << " rank " << r;
    }
}

TEST(Cards, RankTextAndCardText) {
    EXPECT_EQ(CardRankText(0), "");
    EXPECT_EQ(CardRankText(1), "A");
    EXPECT_EQ(CardRankText(7), "7");
    EXPECT_EQ(CardRankText(10), "10");
    EXPECT_EQ(CardRankText(11), "J");
    EXPECT_EQ(CardRankText(12), "Q");
    EXPECT_EQ(CardRankText(13), "K");
    EXPECT_EQ(CardText(14), "014");
    EXPECT_EQ(CardText(209), "209");
}

TEST(CardTable, RecordsFollowTheFixedLayout) {
    CardTable t;
    ASSERT_EQ(t.size(), 212);
    EXPECT_EQ(t.Record(1), "CUORI_A        10011");
    EXPECT_EQ(t.Record(2), "CUORI_02       10021");
    EXPECT_EQ(t.Record(14), "QUADR_A        20141");
    EXPECT_EQ(t.Record(52), "PICCH_K        40521");
    EXPECT_EQ(t.Record(53), "CUORI_A        10531");
    EXPECT_EQ(t.Record(208), "PICCH_K        42081");
    EXPECT_EQ(t.Record(209), "JOKER          42091");
    EXPECT_EQ(t.Record(212), "JOKER          42121");
    for (int n = 1; n <= 212; ++n)
        ASSERT_EQ(t.Record(n).size(), 20u) << n;
}

TEST(CardTable, HiddenCardsAndFaceFlags) {
    CardTable t;
    EXPECT_FALSE(t.CardIsHidden(5));
    EXPECT_TRUE(t.CardIsHidden(0));
    EXPECT_TRUE(t.CardIsHidden(-1));
    EXPECT_TRUE(t.CardIsHidden(213));
    t.SetCardFace(5, '0');
    EXPECT_TRUE(t.CardIsHidden(5));
    EXPECT_EQ(t.Record(5).substr(0, 19), "CUORI_05       1005");
    t.SetCardFace(5, '1');
    EXPECT_FALSE(t.CardIsHidden(5));
    // Numbers that are not cards are ignored rather than written out of bounds.
    t.SetCardFace(0, '0');
    t.SetCardFace(213, '0');
    t.SetCardFace(-4, '0');
}

struct FacesCase {
    int mode;
    char flag;
    const char* expectUp; // face state of cards 1, 2, 3 afterwards ('1' up, '0' down)
};

void PrintTo(const FacesCase& c, std::ostream* os) { *os << "mode " << c.mode; }

class PileFaces : public ::testing::TestWithParam<FacesCase> {};

TEST_P(PileFaces, SetsTheFacesByMode) {
    CardTable t;
    const auto& c = GetParam();
    t.SetPileFaces("001002003", c.mode, c.flag);
    std::string got;
    for (int n = 1; n <= 3; ++n)
        got += t.CardIsHidden(n) ? '0' : '1';
    EXPECT_EQ(got, c.expectUp);
}

INSTANTIATE_TEST_SUITE_P(Modes, PileFaces,
                         ::testing::Values(FacesCase{-1, '0', "101"}, FacesCase{-2, '0', "010"},
                                           FacesCase{-3, '0', "100"}, FacesCase{2, '0', "100"},
                                           FacesCase{1, '0', "110"}, FacesCase{3, '0', "000"},
                                           FacesCase{9, '0', "000"}, FacesCase{0, '0', "111"},
                                           FacesCase{-4, '0', "111"}));

TEST(CardTable, PileFacesKeepTheCardsOfOtherPiles) {
    CardTable t;
    t.SetPileFaces("014027", 2, '0');
    EXPECT_TRUE(t.CardIsHidden(14));
    EXPECT_TRUE(t.CardIsHidden(27));
    EXPECT_FALSE(t.CardIsHidden(15));
    // Empty slots and damaged text are skipped.
    t.SetPileFaces("000xx1", -1, '0');
    t.SetPileFaces("01", 1, '0');
}

struct KindCase {
    const char* name;
    int kind;
    int number;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << '"' << c.name << '"'; }

class PileNames : public ::testing::TestWithParam<KindCase> {};

TEST_P(PileNames, KindAndNumber) {
    EXPECT_EQ(PileKind(GetParam().name), GetParam().kind);
    EXPECT_EQ(PileNumber(GetParam().name), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PileNames,
    ::testing::Values(KindCase{"Fila1", 4, 1}, KindCase{"Fila01", 4, 1}, KindCase{"Fila40", 4, 40},
                      KindCase{"Dest16", 5, 16}, KindCase{"Appogg12", 6, 12}, KindCase{"Mazzo", 1, 0},
                      KindCase{"Mazzo_Vis", 2, 0}, KindCase{"Mazzo_Waste", 1, 0}, KindCase{"Waste", 3, 0},
                      KindCase{"Dest_Autoplay", 5, 0}, KindCase{"Stock02", 0, 0}, KindCase{"", 0, 0},
                      KindCase{"fila1", 0, 0}, KindCase{"Fila", 4, 0}, KindCase{"Filax1", 4, 0}));

TEST(PileLists, TopCardAndFind) {
    PileLists p;
    EXPECT_EQ(p.TopCard("Fila1"), 0);
    p.TableauPiles[0] = "014027040";
    EXPECT_EQ(p.TopCard("Fila1"), 40);
    EXPECT_EQ(p.TopCard("Fila01"), 40);
    p.StockPiles[0] = "001";
    p.StockPiles[1] = "002003";
    p.StockPiles[2] = "004";
    p.FoundationPiles[15] = "005";
    p.ReservePiles[11] = "006";
    EXPECT_EQ(p.TopCard("Mazzo"), 1);
    EXPECT_EQ(p.TopCard("Mazzo_Vis"), 3);
    EXPECT_EQ(p.TopCard("Dest16"), 5);
    EXPECT_EQ(p.TopCard("Appogg12"), 6);
    // Only the stock, waste, foundations, tableau and reserves answer.
    EXPECT_EQ(p.TopCard("Mazzo_Waste"), 0);
    EXPECT_EQ(p.TopCard("Waste"), 0);
    EXPECT_EQ(p.TopCard("Fila41"), 0);
    EXPECT_EQ(p.TopCard("Dest17"), 0);
    EXPECT_EQ(p.TopCard("Appogg0"), 0);
    EXPECT_EQ(p.Find("Fila41"), nullptr);
    ASSERT_NE(p.Find("Mazzo_Waste"), nullptr);
    EXPECT_EQ(*p.Find("Mazzo_Waste"), "004");
    p.Clear();
    EXPECT_EQ(p.TopCard("Mazzo_Vis"), 0);
}

TEST(PileContent, CardsByDepth) {
    EXPECT_EQ(PileSize("014027040"), 3);
    EXPECT_EQ(PileCard("014027040", 0), 14);
    EXPECT_EQ(PileCard("014027040", 2), 40);
    EXPECT_EQ(PileCard("014027040", 3), 0);
    EXPECT_EQ(PileCard("014027040", -1), 0);
    EXPECT_EQ(PileTop(""), 0);
    EXPECT_EQ(PileTop("01402704"), 27) << "a trailing partial number is not a card";
    EXPECT_EQ(PileFind("014027040", 27), 1);
    EXPECT_EQ(PileFind("014027040", 1), -1);
}

} // namespace
} // namespace quillon
