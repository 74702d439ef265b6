// Game end and scoring: the won test and the score of each family with their edge cases, the
// point count of hands, the family-58 target, joker labels, the quit question and the end of a
// game with its result, sound, animation and the game chooser.

#include "PlayTable.h"
#include "engine/DropTargets.h"
#include "engine/Stock.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

using PileList = std::vector<std::pair<std::string, std::string>>;
using AttrList = std::vector<std::pair<int, int>>;

struct WonRow {
    const char* what;
    int family;
    PileList piles;
    bool won;
    AttrList attrs = {};
    const char* score = nullptr;
};

TEST(WonTest, ByFamily) {
    const WonRow rows[] = {
        {"generic: all gone home", 0, {{"Dest1", "AH"}}, true},
        {"generic: a tableau card left", 0, {{"Fila3", "5C"}}, false},
        {"generic: stock not empty", 0, {{"Mazzo", "5C"}}, false},
        {"generic: waste not empty", 0, {{"Mazzo_Vis", "5C"}}, false},
        {"generic: a reserve card left", 0, {{"Appogg4", "5C"}}, false},
        {"generic: second waste does not count", 0, {{"Mazzo_Waste", "5C"}}, true},
        {"generic: a pile beyond the game's count is not looked at", 0, {{"Fila11", "5C"}}, true},
        {"family 4: zero slots count as empty", 4, {{"Fila1", "000 000"}}, true},
        {"family 0: zero slots are cards", 0, {{"Fila1", "000"}}, false},
        {"family 9: every pile holds a card", 9, {}, false},
        {"family 19: one card left in the row, the rest covered",
         19,
         {{"Fila1", "KS"}, {"Mazzo_Waste", "AH 2H"}},
         true},
        {"family 19: two cards left", 19, {{"Fila1", "KS QS"}}, false},
        {"family 19: one card but the stock not dealt out", 19, {{"Fila1", "KS"}, {"Mazzo", "5C"}}, false},
        {"family 19: one card but a card on the waste", 19, {{"Fila1", "KS"}, {"Mazzo_Vis", "5C"}}, false},
        {"family 19: one card but another pile holds one", 19, {{"Fila1", "KS"}, {"Fila2", "5C"}}, false},
        {"family 19: an empty row is not a finished one", 19, {}, false},
        {"family 21: stock empty, pile 0 of four", 21, {{"Fila1", "AH 2H 3H 4H"}}, true},
        {"family 21: five is too many", 21, {{"Fila1", "AH 2H 3H 4H 5H"}}, false},
        {"family 27: one card each", 27, {}, false},
        {"family 32 never", 32, {}, false},
        {"family 34: score reaches the target", 34, {}, true, {{attr::ScoreToWin, 50}}, "50"},
        {"family 34: one short", 34, {}, false, {{attr::ScoreToWin, 50}}, "49"},
        {"family 41: only foundation 0 holds cards", 41, {{"Dest1", "AH 2H"}}, true},
        {"family 41: another foundation holds cards", 41, {{"Dest8", "AH"}}, false},
        {"family 43: nine down to one", 43, {{"Fila4", "9S 8S 7S 6S 5S 4S 3S 2S AS"}}, true},
        {"family 43: eight cards", 43, {{"Fila4", "8S 7S 6S 5S 4S 3S 2S AS"}}, false},
        {"family 45: four piles hold cards",
         45,
         {{"Fila1", "AH"}, {"Fila2", "AH'"}, {"Fila5", "2C"}, {"Fila9", "3C"}},
         true},
        {"family 45: three", 45, {{"Fila1", "AH"}, {"Fila2", "AH'"}, {"Fila5", "2C"}}, false},
        {"family 52: reserve 0 holds eight", 52, {{"Appogg1", "AH 2H 3H 4H 5H 6H 7H 8H"}}, true},
        {"family 55: stock empty", 55, {{"Fila1", "AH"}}, true},
        {"family 62: piles 0-8 empty", 62, {{"Fila10", "AH"}}, true},
        {"family 62: pile 8 not empty", 62, {{"Fila9", "AH"}}, false},
        {"family 64: piles 0-2 empty", 64, {{"Fila4", "AH"}}, true},
        {"family 65: waste not empty", 65, {{"Mazzo_Vis", "AH"}}, false},
        {"family 73: kings, queens, jacks", 73, {}, false},
    };
    for (const WonRow& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, r.family).Attrs(r.attrs).Piles(r.piles);
        if (r.score)
            t.s.Params.WriteParam(param::Score, 6, r.score);
        EXPECT_EQ(WonTest(t.s), r.won) << r.what;
    }
}

TEST(WonTest, FamiliesThatCountCardsPerPile) {
    {
        PlayTable t; // family 9: every pile holds at least one card
        t.Attr(attr::Family, 9)
            .Attr(attr::TableauCount, 3)
            .Piles({{"Fila1", "AH"}, {"Fila2", "2H 3H"}, {"Fila3", "KS"}});
        EXPECT_TRUE(WonTest(t.s));
        t.Pile("Fila2", "");
        EXPECT_FALSE(WonTest(t.s));
    }
    {
        PlayTable t; // family 31: a single Ace on every pile, stock empty
        t.Attr(attr::Family, 31).Attr(attr::TableauCount, 2).Piles({{"Fila1", "AH"}, {"Fila2", "AS'"}});
        EXPECT_TRUE(WonTest(t.s));
        t.Pile("Fila2", "AS 2S");
        EXPECT_FALSE(WonTest(t.s));
    }
    {
        PlayTable t; // family 49: piles 0-23 of four cards
        t.Attr(attr::Family, 49).Attr(attr::TableauCount, 24);
        for (int k = 1; k <= 24; ++k)
            t.s.Piles.TableauPiles[static_cast<size_t>(k - 1)] = "001002003004";
        EXPECT_TRUE(WonTest(t.s));
        t.Pile("Fila24", "AH 2H 3H");
        EXPECT_FALSE(WonTest(t.s));
    }
    {
        PlayTable t; // family 73
        t.Attr(attr::Family, 73).Attr(attr::TableauCount, 2).Attr(attr::FoundationCount, 1);
        t.Piles({{"Fila1", "KH QH JH"}, {"Fila2", "KS QD JC"}, {"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H"}});
        EXPECT_TRUE(WonTest(t.s));
        t.Pile("Fila2", "KS JC QD");
        EXPECT_FALSE(WonTest(t.s));
    }
}

TEST(WonTest, RowSumsAndDealCodeSums) {
    PlayTable t;
    t.Attr(attr::Family, 57);
    t.s.Game.OnceUsed = 10;
    t.s.Game.DealValues = {4, 50, 8};
    const char* cards[16] = {"AH", "2H", "3H", "4H", "AS", "AC", "AD", "AH'",
                             "KH", "KS", "QH", "QS", "2C", "2D", "2S", "2H'"};
    for (int k = 0; k < 16; ++k)
        t.Pile(PileName("Fila", k + 1), cards[k]);
    EXPECT_TRUE(WonTest(t.s));
    int score = 0;
    ASSERT_TRUE(ComputeScore(t.s, score));
    EXPECT_EQ(score, 48);
    t.s.Game.DealValues[2] = 9;
    EXPECT_FALSE(WonTest(t.s));
    ASSERT_TRUE(ComputeScore(t.s, score));
    EXPECT_EQ(score, -52);
}

TEST(DealCodeTarget, DigitsThreeFiveEightTenTwelveMadeDistinct) {
    struct Row {
        const char* code;
        int target;
    } rows[] = {
        // digits 1 2 3 4 5: sum 15
        {"0010200304050", 15},
        // five zeros: 0, then 1, 2, 3, 4 -> 10 + 1 + 2 + 3 + 4
        {"0000000000000", 20},
        // 9, 9 -> 0 (counts 10), 9 -> 1, ...
        {"0090900909090", 9 + 10 + 1 + 2 + 3},
        {"12345", -1},
        {"", -1},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.s.Params.WriteParam(param::DealCode, 15, r.code);
        EXPECT_EQ(DealCodeTarget(t.s), r.target) << r.code;
    }
    PlayTable t;
    t.Attr(attr::Family, 58);
    t.s.Params.WriteParam(param::DealCode, 15, "0010200304050");
    t.Piles(
        {{"Dest1", "AH 2H"}, {"Dest2", "3H"}, {"Dest3", "4H"}, {"Dest4", "4S"}, {"Dest5", "AS 2S 3S 4S"}});
    EXPECT_FALSE(WonTest(t.s)) << "sum 24";
    t.Pile("Dest5", "AS");
    EXPECT_TRUE(WonTest(t.s)) << "sum 15";
    t.Pile("Dest5", "");
    EXPECT_FALSE(WonTest(t.s)) << "foundation 4 empty";
}

TEST(ColumnsGame, WonAndScoredByColumnsAddingUpToThirty) {
    PlayTable t;
    t.Attr(attr::Family, 74).Attr(attr::CardsInPlay, 52);
    t.s.Game.DealDone = 1;
    // Every column: 10 + 10 + 5 + 5 = 30, with K, Q, J counting their ranks: use K(13)+A+6+10.
    std::string p0, p1, p2, p3;
    for (int c = 0; c < 13; ++c) {
        p0 += "KH ";
        p1 += "AH ";
        p2 += "6H ";
        p3 += "10H ";
    }
    t.Piles({{"Fila1", p0}, {"Fila2", p1}, {"Fila3", p2}, {"Fila4", p3}});
    EXPECT_TRUE(WonTest(t.s));
    int score = 0;
    ASSERT_TRUE(ComputeScore(t.s, score));
    EXPECT_EQ(score, 228);
    UpdateScore(t.s);
    EXPECT_EQ(t.view.Lines("Mark columns").size(), 1u);
    // A column with a hole after a card spoils the game.
    std::string holed = t.PileText("Fila4");
    holed.replace(0, 3, "000");
    t.s.Piles.TableauPiles[3] = holed;
    EXPECT_FALSE(WonTest(t.s));
    ASSERT_TRUE(ComputeScore(t.s, score));
    EXPECT_EQ(score, 20 - 52 + 12 * 20);
    // Still empty columns are fine; before the deal is done the score is 0.
    t.Piles({{"Fila1", ""}, {"Fila2", ""}, {"Fila3", ""}, {"Fila4", ""}});
    EXPECT_TRUE(WonTest(t.s));
    t.s.Game.DealDone = 0;
    ASSERT_TRUE(ComputeScore(t.s, score));
    EXPECT_EQ(score, 0);
}

TEST(UpdateScore, ByFamily) {
    struct Row {
        const char* what;
        int family;
        PileList piles;
        AttrList attrs;
        int score;
        int turnedBack = 0;
    } rows[] = {
        {"base: 52 cards, none home", 0, {}, {{attr::CardsInPlay, 52}}, -52},
        {"base: each card home adds 5",
         0,
         {{"Dest1", "AH 2H"}, {"Dest8", "AS"}},
         {{attr::CardsInPlay, 52}},
         -37},
        {"base: full game", 0, {}, {{attr::CardsInPlay, 52}, {attr::BonusCards, 52}}, 208},
        {"base: 104 cards", 0, {{"Dest1", "AH"}}, {{attr::CardsInPlay, 104}}, -99},
        {"base: short deck of 104", 0, {}, {{attr::CardsInPlay, 104}, {attr::ShortDeck, 1}}, -64},
        {"base: short deck", 0, {}, {{attr::CardsInPlay, 32}, {attr::ShortDeck, 1}}, -32},
        {"base: short deck without kings", 0, {}, {{attr::CardsInPlay, 28}, {attr::ShortDeck, 2}}, -28},
        {"base: odd short-deck value", 0, {}, {{attr::CardsInPlay, 52}, {attr::ShortDeck, 5}}, 0},
        {"base: second waste and jokers",
         0,
         {{"Mazzo_Waste", "AH 2H"}},
         {{attr::CardsInPlay, 54}, {attr::Jokers, 2}},
         -54},
        {"base: foundations beyond the count are not counted",
         0,
         {{"Dest8", "AH"}},
         {{attr::CardsInPlay, 52}, {attr::FoundationCount, 4}},
         -52},
        {"family 32 is always 0", 32, {{"Dest1", "AH"}}, {{attr::CardsInPlay, 52}}, 0},
        {"family 34: piles start with their card",
         34,
         {{"Fila1", "AH"}, {"Fila2", "2D"}, {"Fila3", "9C"}, {"Fila4", "4H"}},
         {{attr::CardsInPlay, 52}},
         -32},
        {"family 34: an empty pile stops the count", 34, {{"Fila2", "2H"}}, {{attr::CardsInPlay, 52}}, -52},
        {"family 35", 35, {{"Mazzo_Waste", "AH 2H 3H"}}, {{attr::CardsInPlay, 52}}, -22},
        {"family 36: a run of three from the Ace", 36, {{"Appogg1", "AH 2S 3D"}}, {}, 45 - 2 - 52, 2},
        {"family 37: pairs and misses", 37, {{"Mazzo_Waste", "AH AS 2H 2S"}}, {}, -52 - 6 + 20, 3},
        {"family 39: pairs and misses", 39, {{"Mazzo_Waste", "AH AS 2H 2S 3H"}}, {}, -52 - 1 + 14, 1},
        {"family 43: one pile nine to one",
         43,
         {{"Fila1", "9S 8S 7S 6S 5S 4S 3S 2S AS"}},
         {{attr::CardsInPlay, 52}},
         173},
        {"family 47: cards left on the tableau",
         47,
         {{"Fila1", "AH"}, {"Mazzo_Waste", "2H"}},
         {{attr::CardsInPlay, 52}},
         -47},
        {"family 47: tableau cleared", 47, {{"Mazzo_Waste", "2H"}}, {{attr::CardsInPlay, 52}}, 208},
        {"family 48",
         48,
         {{"Dest1", "AH 2H"}, {"Dest2", "AS"}},
         {{attr::CardsInPlay, 52}, {attr::BonusCards, 1}},
         -37},
        {"family 55", 55, {{"Fila1", "AH"}, {"Fila40", "2H"}}, {{attr::CardsInPlay, 52}}, -42},
        {"family 62: tableau 0-15 and foundations 0-7",
         62,
         {{"Fila16", "AH"}, {"Fila17", "2H"}, {"Dest8", "3H"}},
         {{attr::CardsInPlay, 52}},
         -42},
        {"family 65", 65, {{"Fila1", "AH"}, {"Dest16", "2H"}}, {{attr::CardsInPlay, 52}}, -42},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, r.family).Attrs(r.attrs).Piles(r.piles);
        t.s.Game.CardsTurnedBack = static_cast<std::int16_t>(r.turnedBack);
        UpdateScore(t.s);
        EXPECT_EQ(t.s.Params.ReadParam(param::Score, 6), std::to_string(r.score)) << r.what;
        EXPECT_EQ(t.view.Lines("Score ").back(), "Score " + std::to_string(r.score)) << r.what;
    }
}

TEST(UpdateScore, FamiliesWithoutAScoreAndOtherSchemes) {
    PlayTable t;
    t.Attr(attr::Family, 9);
    t.s.Params.WriteParam(param::Score, 6, "77");
    UpdateScore(t.s);
    EXPECT_EQ(t.s.Params.ReadParam(param::Score, 6), "77");
    EXPECT_EQ(t.view.Count("Score"), 0);
    PlayTable u;
    u.s.Params.WriteParam(param::ScoringScheme, 2, "02");
    u.Attr(attr::CardsInPlay, 52).Pile("Dest1", "AH");
    UpdateScore(u.s);
    EXPECT_EQ(u.s.Params.ReadParam(param::Score, 6), "0");
}

TEST(AddScore, FiveAPerCardUnderTheOnlySchemeAndNothingForScorelessFamilies) {
    struct Row {
        int family;
        const char* scheme;
        int cards;
        const char* after; // nullptr: nothing shown or stored
    } rows[] = {{0, "01", 1, "-47"},   {0, "01", 3, "-37"},    {0, "02", 3, "-52"},
                {9, "01", 3, nullptr}, {76, "01", 1, nullptr}, {34, "01", 2, "-42"}};
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, r.family);
        t.s.Params.WriteParam(param::ScoringScheme, 2, r.scheme);
        t.s.Params.WriteParam(param::Score, 6, "-52");
        t.s.Hooks.AddScore(t.s, r.cards); // through the hook the deal uses
        EXPECT_EQ(t.s.Params.ReadParam(param::Score, 6), r.after ? r.after : "-52") << r.family << r.scheme;
        EXPECT_EQ(t.view.Count("Score"), r.after ? 1 : 0) << r.family;
    }
}

TEST(HandValue, PointCounts) {
    auto hand = [](std::initializer_list<const char*> cards, int stride) {
        std::string text;
        for (const char* c : cards) {
            text += CardText(Card(c));
            if (stride == 4)
                text += ",";
        }
        return HandValue(text, stride);
    };
    EXPECT_EQ(hand({"7H", "8S"}, 3), 5);
    EXPECT_EQ(hand({"7H", "8S", "9D"}, 3), 0) << "5 + 9 exceeds 9";
    EXPECT_EQ(hand({"KH", "9S"}, 3), 9);
    EXPECT_EQ(hand({"10H", "JS", "QD"}, 3), 0);
    EXPECT_EQ(hand({"AH", "2S", "3D"}, 3), 6);
    EXPECT_EQ(hand({"5H", "5S"}, 3), 0);
    EXPECT_EQ(hand({"7H", "8S"}, 4), 5) << "separated cards four characters apart";
    EXPECT_EQ(hand({"9H"}, 3), 9);
    EXPECT_EQ(HandValue("", 3), 0);
    PlayTable t;
    ShowPartialScore(t.s, Content("KH 9S"));
    EXPECT_EQ(t.view.Lines("Partial"), std::vector<std::string>{"Partial 9"});
}

TEST(HandScore, EachHandOnTheSecondWasteCountsOnce) {
    PlayTable t;
    t.Attr(attr::Family, 64).Attr(attr::CardsInPlay, 52);
    // Hands of 7+8 (5) and K+9 (9) recorded in the history, then 2+3 (5) on the pile now.
    t.Pile("Mazzo_Waste", "");
    RecordStep(t.s);
    t.Pile("Mazzo_Waste", "7H 8S");
    RecordStep(t.s);
    RecordStep(t.s); // unchanged state: not counted twice
    t.Pile("Mazzo_Waste", "7H 8S KH 9S");
    RecordStep(t.s);
    t.Pile("Mazzo_Waste", "7H 8S KH 9S 2C 3C");
    EXPECT_EQ(HandScore(t.s), -52 + 5 + 9 + 5);
    UpdateScore(t.s);
    EXPECT_EQ(t.s.Params.ReadParam(param::Score, 6), "-33");
}

TEST(MemoryGames, SequenceAndMatchedPairs) {
    struct Row {
        const char* pile;
        int length;
    } rows[] = {{"", 0}, {"AH", 1}, {"2H", 0}, {"AH 2C", 2}, {"AH 2C 3D 4S", 4}, {"AH 3C", 0}, {"2H 3H", 2}};
    for (const Row& r : rows) {
        PlayTable t;
        t.Pile("Appogg1", r.pile);
        EXPECT_EQ(SequenceLength(t.s), r.length) << r.pile;
    }
    PlayTable t;
    for (int k = 0; k < 10; ++k) {
        t.s.Piles.FoundationPiles[static_cast<size_t>(k)] = CardText(k + 1);
        t.s.Piles.TableauPiles[static_cast<size_t>(k)] = CardText(k + 1 + (k < 7 ? 52 : 53));
    }
    EXPECT_EQ(MatchedPairs(t.s), 7);
    t.s.Piles.TableauPiles[9].clear();
    EXPECT_EQ(MatchedPairs(t.s), 0) << "not all ten piles hold a card yet";
}

// Forget Me Not played through: the first stock click hides the ten cards to remember, the card
// laid in the tenth place ends the game and shows them again, and the score (-52 and 10 a twin)
// decides against the eight twins needed to win, as the result window counts it.
TEST(MemoryGames, ForgetMeNotHidesThenEndsOnTheTenthPlace) {
    struct Row {
        int twins;
        bool won;
    } rows[] = {{10, true}, {8, true}, {7, false}, {0, false}};
    const char* const remembered[] = {"AH", "2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H"};
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, 38).Attr(attr::FoundationCount, 10).Attr(attr::TableauCount, 10);
        t.Attr(attr::ScoreToWin, 28).Attr(attr::TableauCapacity, 1).Attr(attr::CardsInPlay, 104);
        t.Attr(11, 1).Attr(24, 1).Attr(16, -1); // the stock turns one card at a time to the waste
        for (int k = 0; k < 10; ++k) {
            t.s.Game.SetFoundationX(k, 10 + PlayTable::kPitch * k);
            t.s.Game.SetFoundationY(k, 10);
            t.Attr(attr::FoundationRule + k, 4).Attr(attr::TableauRule + k, 12);
            t.Pile("Dest" + std::to_string(k + 1), remembered[k]);
        }
        t.Pile("Mazzo", "KS'");
        StockClick(t.s, t.s.TopCard("Mazzo"));
        for (const char* c : remembered)
            EXPECT_TRUE(t.Hidden(c)) << r.twins << " twins: " << c << " hidden by the first click";
        for (int k = 0; k < 10; ++k) {
            // A twin is the same card of the second pack; the others are the diamond of that rank.
            std::string card = remembered[k];
            if (k >= r.twins)
                card.back() = 'D';
            card += "'";
            t.Pile("Mazzo_Vis", card);
            ASSERT_TRUE(t.Move(card, "Fila" + std::to_string(k + 1))) << r.twins;
            EXPECT_EQ(t.s.Flag(GameWon), k == 9) << r.twins << " twins, place " << k + 1;
            EXPECT_EQ(t.Hidden(remembered[0]), k < 9) << r.twins << " twins, place " << k + 1;
        }
        const int score = -52 + 10 * r.twins;
        EXPECT_EQ(t.s.Params.ReadParam(param::Score, 6), std::to_string(score)) << r.twins;
        EXPECT_EQ(EndGame(t.s), r.won) << r.twins;
        ASSERT_EQ(t.view.memoryPages.size(), 1u);
        const MemoryResultPage& page = t.view.memoryPages[0];
        EXPECT_EQ(page.page, "Forget me not");
        EXPECT_EQ(page.matches, r.twins);
        EXPECT_EQ(page.total, score);
        EXPECT_EQ(page.start + page.matchesTotal() + page.missesTotal(), page.total) << "the lines add up";
    }
}

TEST(MemoryGames, ResultPages) {
    struct Row {
        int family;
        int piles;
        const char* page;
        const char* box;
        int matchPoints, missPoints;
    } rows[] = {{37, 3, "Pairs", "Grid: 4 x 3", 10, -2},
                {37, 5, "Pairs", "Grid: 8 x 5", 10, -2},
                {36, 4, "Ace-To-King", "", 15, -1},
                {38, 10, "Forget me not", "Cards: 10 ", 10, 0},
                {39, 13, "Concentration", "Cards: 52 ", 7, -1}};
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, r.family).Attr(attr::TableauCount, r.piles).Attr(attr::ScoreToWin, 500);
        t.Pile("Mazzo_Waste", "AH AS 2H 2S");
        t.s.Game.CardsTurnedBack = 3;
        t.s.Params.WriteParam(param::Score, 6, "-38");
        const MemoryResultPage page = MemoryResult(t.s, false);
        EXPECT_EQ(page.caption, "Game Lost");
        EXPECT_EQ(page.page, r.page);
        EXPECT_EQ(page.boxCaption, r.box) << r.page;
        EXPECT_EQ(page.matchPoints, r.matchPoints) << r.page;
        EXPECT_EQ(page.missPoints, r.missPoints) << r.page;
        EXPECT_EQ(page.total, -38);
        EXPECT_EQ(page.scoreToWin, 500);
        EXPECT_EQ(page.start, -52);
        EXPECT_EQ(page.matchesTotal(), page.matches * r.matchPoints);
        if (r.family == 38) {
            EXPECT_EQ(page.misses, 10 - page.matches);
            EXPECT_EQ(page.missesTotal(), 0);
        }
        if (r.family == 37 || r.family == 39)
            EXPECT_EQ(page.matches, 2);
    }
}

TEST(JokerLabels, TextAndValue) {
    EXPECT_EQ(JokerLabelText(1), "Joker = A");
    EXPECT_EQ(JokerLabelText(12), "Joker= Q");
    EXPECT_EQ(JokerLabelText(10), "Joker=10");
    EXPECT_EQ(JokerLabelText(7), "Joker = 7");
    struct Row {
        const char* what;
        PileList piles;
        const char* label;
    } rows[] = {
        {"joker above a 5 of clubs on hearts",
         {{"Dest2", "AH 2H 3H 4H 5C Jk1"}},
         "Joker 1 [Joker = 6] SUIT_HEARTS"},
        {"joker first, under a 4 of spades", {{"Dest3", "Jk2 4S"}}, "Joker 2 [Joker = 3] SUIT_SPADES"},
        {"lone joker has no value", {{"Dest1", "Jk1"}}, "Joker 0 [] "},
        {"king below gives an ace", {{"Dest1", "9D 10D JD QD KD Jk1"}}, "Joker 0 [Joker = A] SUIT_DIAMONDS"},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::FoundationRule, 72).Piles(r.piles);
        UpdateScore(t.s);
        const auto labels = t.view.Lines("Joker ");
        EXPECT_NE(std::find(labels.begin(), labels.end(), r.label), labels.end()) << r.what;
        // Unchanged joker: nothing drawn again.
        t.view.log.clear();
        UpdateScore(t.s);
        EXPECT_EQ(t.view.Count("Joker "), 0) << r.what;
    }
}

TEST(ConfirmQuit, AsksOnlyForAGameInPlayAndNotWon) {
    struct Row {
        const char* what;
        bool sequence;
        const char* preference;
        bool inPlay, won, answer;
        bool result;
        bool asked;
    } rows[] = {
        {"automatic sequence running", true, "Y", true, false, true, false, false},
        {"preference off", false, "N", true, false, false, true, false},
        {"asked, OK", false, "Y", true, false, true, true, true},
        {"asked, Cancel", false, "Y", true, false, false, false, true},
        {"no game in play", false, "Y", false, false, false, true, false},
        {"game won", false, "Y", true, true, false, true, false},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.s.SetFlag(AutomaticSequence, r.sequence);
        t.s.Params.WriteParam(param::ConfirmQuitGame, 1, r.preference);
        t.s.SetFlag(GameInPlay, r.inPlay);
        t.s.SetFlag(GameWon, r.won);
        t.view.boxAnswer = r.answer;
        EXPECT_EQ(ConfirmQuit(t.s), r.result) << r.what;
        EXPECT_EQ(t.view.Count("Box Quit this game?"), r.asked ? 1 : 0) << r.what;
        if (r.asked)
            EXPECT_EQ(t.view.lastBoxKind, BoxKind::Confirmation) << "OK and Cancel: " << r.what;
    }
    PlayTable t;
    t.s.Params.WriteParam(param::ConfirmQuitGame, 1, "Y");
    ConfirmQuit(t.s, "Start a new game?");
    EXPECT_EQ(t.view.Count("Box Start a new game?"), 1);
}

// The seams of the statistics and the winning animation, recording what they were given.
struct EndRecorder {
    std::vector<std::string> calls;
    void Install(Session& s) {
        s.Play.EnsureStatisticsFiles = [this](Session&) { calls.push_back("ensure"); };
        s.Play.RecordGameResult = [this](Session&, int game, const std::string& player, bool reset,
                                         bool won) {
            calls.push_back("record " + std::to_string(game) + " " + player + (reset ? " reset" : "") +
                            (won ? " won" : " lost"));
        };
        s.Play.WinningAnimation = [this](Session&) { calls.push_back("animation"); };
    }
};

TEST(EndGame, AWonGameEndsOnceWithItsScore) {
    PlayTable t;
    EndRecorder rec;
    rec.Install(t.s);
    t.s.Params.WriteParam(param::GameNumber, 4, "0087");
    t.s.Params.WriteParam(param::Player, 30, "Player 1");
    t.s.Params.WriteParam(param::SoundGameWon, 1, "Y");
    t.s.SetFlag(ClockRunning, true);
    t.Attr(attr::CardsInPlay, 1).Pile("Fila1", "AH");
    // The last card goes home by a drop; the release then ends the game.
    t.s.Game.DragCard = static_cast<std::int16_t>(Card("AH"));
    t.s.Game.DragMoved = 1;
    t.s.DragRect = At(10, 10);
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.s.Params.ReadParam(param::Score, 6), "4");
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"ensure", "record 87 Player 1 won", "animation"}));
    EXPECT_FALSE(t.s.Flag(GameInPlay));
    EXPECT_FALSE(t.s.Flag(GameWon));
    EXPECT_FALSE(t.s.Flag(ClockRunning));
    EXPECT_TRUE(t.s.Flag(GameEndHandled));
    EXPECT_GT(t.s.GameTimes[1], 40000.0);
    EXPECT_EQ(t.view.Sounds(), std::vector<std::string>{"Won"});
    EXPECT_EQ(t.view.Count("OpenGame"), 1);
    // Order: input blocked before the sound and animation, the chooser after the redraw.
    EXPECT_LT(t.view.Index("PauseMsg 200"), t.view.Index("Input blocked"));
    EXPECT_LT(t.view.Index("Input blocked"), t.view.Index("Sound Won on"));
    EXPECT_LT(t.view.Index("RedrawTable"), t.view.Index("OpenGame"));
    // A second end does nothing.
    EXPECT_FALSE(EndGame(t.s));
    EXPECT_EQ(rec.calls.size(), 3u);
    EXPECT_EQ(t.view.Count("OpenGame"), 1);
}

TEST(EndGame, AbandonedGameIsRecordedLostWithoutAnimation) {
    PlayTable t;
    EndRecorder rec;
    rec.Install(t.s);
    t.s.Params.WriteParam(param::GameNumber, 4, "0012");
    t.Pile("Fila1", "AH");
    EXPECT_FALSE(EndGame(t.s));
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"ensure", "record 12  lost"}));
    EXPECT_EQ(t.view.Count("OpenGame"), 0);
    EXPECT_EQ(t.view.Count("Input blocked"), 0);
    EXPECT_EQ(t.view.Count("Menus off"), 1);
}

TEST(EndGame, ScoreToWinDecidesAndMemoryGamesShowTheirPage) {
    struct Row {
        const char* score;
        bool won;
    } rows[] = {{"500", true}, {"499", false}, {"620", true}};
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, 37).Attr(attr::ScoreToWin, 500).Attr(attr::TableauCount, 4);
        t.s.Params.WriteParam(param::Score, 6, r.score);
        EXPECT_EQ(EndGame(t.s), r.won) << r.score;
        ASSERT_EQ(t.view.memoryPages.size(), 1u);
        EXPECT_EQ(t.view.memoryPages[0].won, r.won);
        EXPECT_EQ(t.view.memoryPages[0].page, "Pairs");
        EXPECT_EQ(t.view.memoryPages[0].boxCaption, "Grid: 6 x 4");
    }
}

TEST(EndGame, CloseRequestedDuringTheAnimationClosesTheWindow) {
    PlayTable t;
    t.s.SetFlag(GameWon, true);
    t.s.Play.WinningAnimation = [](Session& s) { s.Game.CloseRequested = 1; };
    EXPECT_TRUE(EndGame(t.s));
    EXPECT_EQ(t.view.Count("Close"), 1);
    EXPECT_EQ(t.view.Count("OpenGame"), 0);
}

TEST(EndGame, NewGameDealtDuringTheAnimationKeepsTheChooserShut) {
    PlayTable t;
    t.s.SetFlag(GameWon, true);
    t.s.Play.WinningAnimation = [](Session& s) { s.SetFlag(GameInPlay, true); };
    EXPECT_TRUE(EndGame(t.s));
    EXPECT_EQ(t.view.Count("OpenGame"), 0);
    EXPECT_EQ(t.view.Count("Input free"), 1);
}

TEST(EndGame, WithoutAGameInPlayNothingHappens) {
    PlayTable t;
    EndRecorder rec;
    rec.Install(t.s);
    t.s.SetFlag(GameInPlay, false);
    t.s.SetFlag(GameWon, true);
    EXPECT_FALSE(EndGame(t.s));
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_TRUE(t.view.log.empty());
}

} // namespace
} // namespace quillon::test
