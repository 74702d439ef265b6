// Where cards lie, the runs above them, free cards, and the group tests the foundation rules use.

#include "TableSetup.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

using PileList = std::vector<std::pair<std::string, std::string>>;

TEST(CardLocation, EveryPlace) {
    struct Row {
        const char* what;
        const char* pile;
        int expected;
    };
    // clang-format off
    const Row rows[] = {
        {"stock", "Mazzo", kLocStock},
        {"waste", "Mazzo_Vis", kLocWaste},
        {"second waste pile is none of these", "Mazzo_Waste", kLocNowhere},
        {"foundation 1", "Dest1", -1},
        {"foundation 16, beyond the game's count", "Dest16", -16},
        {"tableau pile 1", "Fila1", 1},
        {"tableau pile 10, the last in play", "Fila10", 10},
        {"tableau pile 11 is not in play", "Fila11", kLocNowhere},
        {"reserve 1", "Appogg1", -21},
        {"reserve 4, the last in play", "Appogg4", -24},
        {"reserve 5 is not in play", "Appogg5", kLocNowhere},
    };
    // clang-format on
    for (const Row& row : rows) {
        Table t;
        t.Pile(row.pile, "2C 9H 3D");
        EXPECT_EQ(CardLocation(t.s, Card("9H")), row.expected) << row.what;
        EXPECT_EQ(CardLocation(t.s, Card("9S")), kLocNowhere) << row.what;
    }
    Table t;
    t.Attrs({{attr::TableauCount, 40}, {attr::ReserveCount, 12}}).Pile("Fila40", "5S").Pile("Appogg12", "6S");
    EXPECT_EQ(CardLocation(t.s, Card("5S")), 40);
    EXPECT_EQ(CardLocation(t.s, Card("6S")), -32);
}

TEST(CardLocation, NonCardsAndEmptySlots) {
    Table t;
    t.Pile("Fila1", "000 5H 000").Pile("Mazzo", "000");
    for (int card : {0, -1, -98, 213, 1000, 99999})
        EXPECT_EQ(CardLocation(t.s, card), kLocNowhere) << card;
    EXPECT_EQ(CardLocation(t.s, Card("5H")), 1);
    // Counts far above the list sizes are kept to the lists.
    t.Attrs({{attr::TableauCount, 500}, {attr::ReserveCount, 300}, {attr::FoundationCount, 99}});
    EXPECT_EQ(CardLocation(t.s, Card("5H")), 1);
    EXPECT_EQ(CardLocation(t.s, Card("5S")), kLocNowhere);
    t.Attrs({{attr::TableauCount, -4}});
    EXPECT_EQ(CardLocation(t.s, Card("5H")), kLocNowhere);
}

TEST(RunFromCard, CardAndAllAbove) {
    Table t;
    t.Piles({{"Fila2", "5H 4S 3H"}, {"Appogg3", "9C 8C"}, {"Mazzo_Vis", "KD"}, {"Dest1", "AH"}});
    auto run = [&](const char* card) { return RunFromCard(t.s, Card(card)); };
    EXPECT_EQ(run("5H"), (std::vector<int>{Card("5H"), Card("4S"), Card("3H")}));
    EXPECT_EQ(run("4S"), (std::vector<int>{Card("4S"), Card("3H")}));
    EXPECT_EQ(run("3H"), (std::vector<int>{Card("3H")}));
    EXPECT_EQ(run("9C"), (std::vector<int>{Card("9C"), Card("8C")}));
    EXPECT_TRUE(run("KD").empty()) << "the waste holds no runs";
    EXPECT_TRUE(run("AH").empty()) << "nor do the foundations";
    EXPECT_TRUE(RunFromCard(t.s, 0).empty());
    EXPECT_TRUE(RunFromCard(t.s, -3).empty());
}

TEST(IsPileTop, TableauAndReserves) {
    Table t;
    t.Piles(
        {{"Fila2", "5H 4S"}, {"Appogg3", "9C 8C"}, {"Mazzo_Vis", "KD"}, {"Dest1", "AH"}, {"Fila3", "000"}});
    EXPECT_TRUE(IsPileTop(t.s, Card("4S")));
    EXPECT_TRUE(IsPileTop(t.s, Card("8C")));
    EXPECT_FALSE(IsPileTop(t.s, Card("5H")));
    EXPECT_FALSE(IsPileTop(t.s, Card("9C")));
    EXPECT_FALSE(IsPileTop(t.s, Card("KD")));
    EXPECT_FALSE(IsPileTop(t.s, Card("AH")));
    EXPECT_FALSE(IsPileTop(t.s, 0)) << "an empty slot on top is no card";
}

TEST(CardIsFree, RowsOfTen) {
    struct Row {
        const char* what;
        PileList piles;
        const char* card;
        bool expected;
    };
    // clang-format off
    const Row rows[] = {
        {"first of a row", {{"Fila1", "5H"}, {"Fila2", "6H"}}, "5H", true},
        {"left half, a card before it", {{"Fila1", "5H"}, {"Fila2", "6H"}}, "6H", false},
        {"left half, the piles before it empty", {{"Fila3", "5H"}, {"Fila4", "6H"}}, "5H", true},
        {"left half ends at the fifth", {{"Fila1", "5H"}, {"Fila5", "6H"}}, "6H", false},
        {"right half, the piles after it empty", {{"Fila1", "5H"}, {"Fila6", "6H"}}, "6H", true},
        {"right half, a card after it", {{"Fila6", "6H"}, {"Fila10", "5H"}}, "6H", false},
        {"second row counts from its own start", {{"Fila10", "5H"}, {"Fila12", "6H"}}, "6H", true},
        {"second row, a card before it", {{"Fila11", "5H"}, {"Fila12", "6H"}}, "6H", false},
        {"last pile of all", {{"Fila39", "5H"}, {"Fila40", "6H"}}, "6H", true},
        {"reserve 1 always", {{"Appogg1", "5H"}}, "5H", true},
        {"reserve 3 with reserve 2 holding a card", {{"Appogg2", "5H"}, {"Appogg3", "6H"}}, "6H", false},
        {"reserve 3 with reserves 1, 2 empty", {{"Appogg3", "6H"}, {"Appogg4", "5H"}}, "6H", true},
        {"reserve 6 with reserve 9 holding a card", {{"Appogg6", "6H"}, {"Appogg9", "5H"}}, "6H", false},
        {"reserve 6 with reserves 7-10 empty", {{"Appogg6", "6H"}, {"Appogg1", "5H"}}, "6H", true},
        {"reserve 10 always", {{"Appogg10", "6H"}, {"Appogg9", "5H"}}, "6H", true},
        {"a waste card is free", {{"Mazzo_Vis", "6H"}}, "6H", true},
    };
    // clang-format on
    for (const Row& row : rows) {
        Table t;
        t.Attrs({{attr::TableauCount, 40}, {attr::ReserveCount, 12}}).Piles(row.piles);
        EXPECT_EQ(CardIsFree(t.s, Card(row.card)), row.expected) << row.what;
    }
}

TEST(RunIsSequence, ByTheRunOrderAttribute) {
    struct Row {
        const char* what;
        int order;
        int pileRule;
        const char* run;
        bool expected;
    };
    // clang-format off
    const Row rows[] = {
        {"1: by the pile's rule (alternate)", 1, 3, "9H 8S 7D", true},
        {"1: a break in alternation", 1, 3, "9H 8S 7S", false},
        {"10: in suit", 10, 3, "9H 8H 7H", true},
        {"10: out of suit", 10, 3, "9H 8S 7H", false},
        {"11: same colour", 11, 3, "9H 8D 7H", true},
        {"11: colour changes", 11, 3, "9H 8D 7S", false},
        {"0: no test", 0, 3, "9H 2C KD", true},
        {"other values: no test", 4, 3, "9H 2C KD", true},
        {"a single card is a run", 10, 3, "9H", true},
        {"the direction counts", 10, 3, "7H 8H", false},
    };
    // clang-format on
    for (const Row& row : rows) {
        Table t;
        t.Attrs({{attr::RunOrder, row.order},
                 {attr::TableauRule + 4, row.pileRule},
                 {attr::TableauDir + 4, 0},
                 {attr::FoundationBase, 1}})
            .Pile("Fila5", row.run);
        const int first = PileCard(t.s.Piles.TableauPiles[4], 0);
        EXPECT_EQ(RunIsSequence(t.s, first, 4), row.expected) << row.what;
    }
}

TEST(GroupTests, BaseCardsBalanced) {
    struct Row {
        const char* what;
        int v;
        PileList piles;
        const char* card;
        bool expected;
    };
    // clang-format off
    const Row rows[] = {
        {"81: an Ace", 81, {}, "AH", true},
        {"81: only an Ace", 81, {}, "2H", false},
        {"84: a King", 84, {}, "KH", true},
        {"84: only a King", 84, {}, "QH", false},
        {"90: a 2", 90, {}, "2S", true},
        {"90: only a 2", 90, {}, "AS", false},
        {"81: two reds started, no third red", 81, {{"Dest1", "AH"}, {"Dest2", "AD"}}, "AH'", false},
        {"81: two reds started, a black", 81, {{"Dest1", "AH"}, {"Dest2", "AD"}}, "AS", true},
        {"81: one red started, a second red", 81, {{"Dest1", "AH"}}, "AD", true},
        {"81: the same suit twice is allowed", 81, {{"Dest1", "AH"}}, "AH'", true},
        {"85: the same suit twice is not", 85, {{"Dest1", "AH"}}, "AH'", false},
        {"84: nor under 84", 84, {{"Dest1", "KS"}}, "KS'", false},
        {"only foundations with the same base count", 81, {{"Dest1", "AH"}, {"Dest2", "AD"}, {"Dest5", "7S"}}, "AS", true},
    };
    // clang-format on
    for (const Row& row : rows) {
        Table t;
        for (int k = 0; k < 4; ++k)
            t.Attr(attr::FoundationBase + k, row.v);
        t.Attr(attr::FoundationBase + 4, 7).Piles(row.piles);
        EXPECT_EQ(BaseCardsBalanced(t.s, row.v, Card(row.card)), row.expected) << row.what;
    }
}

TEST(GroupTests, SuitsDistinctInGroup) {
    struct Row {
        const char* what;
        int g;
        int slot;
        PileList piles;
        const char* card;
        bool expected;
    };
    // clang-format off
    const Row rows[] = {
        {"added to an empty group", 0, -1, {}, "AH", true},
        {"added: clashes with a top", 0, -1, {{"Dest2", "AS 2S"}}, "3S", false},
        {"only the tops count", 0, -1, {{"Dest2", "AS 2H"}}, "3S", true},
        {"a slot replaces its pile's suit", 0, 1, {{"Dest2", "AS 2S"}}, "3S", true},
        {"a slot still clashes with the others", 0, 1, {{"Dest1", "AS"}, {"Dest2", "AH"}}, "3S", false},
        {"slot 4 is outside the group: added", 0, 4, {{"Dest1", "AS"}}, "3S", false},
        {"the second group", 4, -1, {{"Dest1", "AS"}}, "3S", true},
        {"the second group sees its own tops", 4, -1, {{"Dest8", "AS"}}, "3S", false},
        {"a group reaching past the list", 14, -1, {{"Dest16", "AS"}}, "3S", false},
        {"jokers have no suit", 0, -1, {{"Dest1", "Jk1"}, {"Dest2", "Jk2"}}, "Jk3", true},
    };
    // clang-format on
    for (const Row& row : rows) {
        Table t;
        t.Piles(row.piles);
        EXPECT_EQ(SuitsDistinctInGroup(t.s, row.g, row.slot, Card(row.card)), row.expected) << row.what;
    }
}

TEST(GroupTests, BaseColoursAndSuits) {
    Table t;
    EXPECT_TRUE(BaseColoursAlternate(t.s, Card("AH"), 3)) << "no foundation started";
    t.Pile("Dest3", "AS 2S");
    EXPECT_TRUE(BaseColoursAlternate(t.s, Card("AC"), 0));
    EXPECT_FALSE(BaseColoursAlternate(t.s, Card("AD"), 0));
    EXPECT_TRUE(BaseColoursAlternate(t.s, Card("AD"), 1));
    EXPECT_TRUE(BaseColoursAlternate(t.s, Card("AD"), 3));
    EXPECT_FALSE(BaseColoursAlternate(t.s, Card("AD"), 4));

    Table u;
    u.Piles({{"Dest1", "AH 2S"}, {"Dest2", "AD"}, {"Dest9", "AC"}});
    EXPECT_TRUE(BaseSuitsAtMost(u.s, Card("5H"), 3)) << "hearts, diamonds, clubs";
    EXPECT_FALSE(BaseSuitsAtMost(u.s, Card("5S"), 3)) << "spades is a fourth (the 2S on top does not count)";
    EXPECT_TRUE(BaseSuitsAtMost(u.s, Card("5S"), 4));
}

TEST(GroupTests, GridAdjacent) {
    struct Row {
        int a, b, w;
        bool expected;
    };
    // clang-format off
    const Row rows[] = {
        {3, 4, 3, true},
        {4, 3, 3, true},
        {2, 3, 3, false},
        {3, 2, 3, false},
        {0, 3, 3, true},
        {3, 0, 3, true},
        {4, 4, 3, false},
        {0, 4, 3, false},
        {1, 7, 3, false},
        {5, 8, 3, true},
        {0, 1, 0, false},
        {-1, 0, 3, false},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(GridAdjacent(row.a, row.b, row.w), row.expected) << row.a << "," << row.b << " w" << row.w;
}

TEST(GroupTests, GridJump) {
    struct Row {
        const char* what;
        PileList piles;
        int from; // tableau index the card comes from
        int to;
        bool ok;
        int jumped;
    };
    // clang-format off
    const Row rows[] = {
        {"left to right over a card", {{"Fila2", "5H"}}, 0, 2, true, 1},
        {"right to left over a card", {{"Fila2", "5H"}}, 2, 0, true, 1},
        {"not over a gap", {}, 0, 2, false, -1},
        {"not across rows", {{"Fila4", "5H"}}, 2, 4, false, -1},
        {"down a column", {{"Fila4", "5H"}}, 0, 6, true, 3},
        {"up a column", {{"Fila4", "5H"}}, 6, 0, true, 3},
        {"not two columns and a row away", {{"Fila5", "5H"}}, 0, 8, false, -1},
        {"off the bottom of the lists", {{"Fila40", "5H"}}, 36, 42, false, -1},
    };
    // clang-format on
    for (const Row& row : rows) {
        Table t;
        t.Attr(attr::GridWidth, 3).Piles(row.piles);
        GridJumpResult r = GridJump(t.s, row.from + 1, row.to);
        EXPECT_EQ(r.ok, row.ok) << row.what;
        EXPECT_EQ(r.jumped, row.jumped) << row.what;
    }
    Table t;
    t.Pile("Fila2", "5H");
    EXPECT_FALSE(GridJump(t.s, 1, 2).ok) << "no grid width, no grid";
    t.Attr(attr::GridWidth, 3);
    EXPECT_FALSE(GridJump(t.s, kLocWaste, 2).ok) << "only tableau cards jump";
}

} // namespace
} // namespace quillon::test
