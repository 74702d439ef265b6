// The general building rule: suit rules, directions, stop rank, wrap values and empty-pile
// values, the entry checks and the foundation start rules that close every answer.

#include "TableSetup.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

struct CoveredRow {
    const char* what;
    int rule;
    int direction;
    int stopRank;
    int wrapAttr; // wrap value of tableau pile 1 (the `wrap` flag is wrapAttr > 0)
    const char* top;
    const char* card;
    bool expected;
};

// Tableau pile 1 (index 0), covered, judged by RuleAccepts as PileAccepts would ask it.
TEST(GeneralRule, CoveredTableauPile) {
    // clang-format off
    const CoveredRow rows[] = {
        // Suit rules.
        {"alternate: red 9 on black 10", 3, 0, 1, 0, "10S", "9H", true},
        {"alternate: red 9 on red 10", 3, 0, 1, 0, "10D", "9H", false},
        {"alternate: black 9 on red 10", 3, 0, 1, 0, "10D", "9S", true},
        {"in suit: 10H on 9H going up", 0, 1, 1, 0, "9H", "10H", true},
        {"in suit: 10D on 9H going up", 0, 1, 1, 0, "9H", "10D", false},
        {"code 11 is in suit too", 11, 0, 1, 0, "10C", "9S", false},
        {"same colour: 9D on 10H", 1, 0, 1, 0, "10H", "9D", true},
        {"same colour: 9S on 10H", 1, 0, 1, 0, "10H", "9S", false},
        {"regardless of suit, up", 2, 2, 1, 0, "10H", "JS", true},
        {"regardless of suit, down", 2, 2, 1, 0, "10H", "9S", true},
        {"regardless of suit, two apart", 2, 2, 1, 0, "10H", "QS", false},
        {"code 6 refuses every covered pile", 6, 2, 1, 0, "10S", "9H", false},
        {"an unlisted code adds no suit condition", 8, 0, 1, 0, "10H", "9H", true},
        {"direction -1 takes nothing", 2, -1, 1, 0, "10S", "9H", false},
        {"an unknown direction takes nothing", 2, 7, 1, 0, "10S", "9H", false},
        {"down only: no step up", 3, 0, 1, 0, "10S", "JH", false},
        {"up only: no step down", 3, 1, 1, 0, "10S", "9H", false},
        // Stop rank and wrap, building down.
        {"nothing on the stop rank", 3, 0, 1, 0, "AS", "KH", false},
        {"down, stop 5: a 4 on a 5 is refused", 2, 0, 5, 0, "5S", "4H", false},
        {"down, stop 5 with wrap continues", 2, 0, 5, 1, "5S", "4H", true},
        {"down, wrap 1: King on Ace", 2, 0, 1, 1, "AS", "KH", true},
        {"down, wrap 2: no King on Ace", 2, 0, 1, 2, "AS", "KH", false},
        {"down, wrap 2 ignores the stop rank", 2, 0, 5, 2, "5S", "4H", true},
        {"down, stop rank 7: King on Ace without wrap", 2, 0, 7, 0, "AS", "KH", true},
        {"down, stop rank 7: only a King on an Ace", 2, 0, 7, 0, "AS", "QH", false},
        {"down, stop rank 81 stops at the Ace", 2, 0, 81, 0, "AS", "KH", false},
        {"down, stop rank 83 with wrap passes the Ace", 2, 0, 83, 1, "AS", "KH", true},
        // Stop rank and wrap, building up.
        {"up, stop 5: a 6 on a 5 is refused", 2, 1, 5, 0, "5S", "6H", false},
        {"up, stop 5 with wrap continues", 2, 1, 5, 1, "5S", "6H", true},
        {"up: Ace on King when the stop rank is elsewhere", 2, 1, 7, 0, "KS", "AH", true},
        {"up: nothing on a King that is the stop rank", 2, 1, 13, 0, "KS", "AH", false},
        {"up, wrap 2: no Ace on King", 2, 1, 7, 2, "KS", "AH", false},
        {"up, wrap 2 ignores the stop rank", 2, 1, 5, 2, "5S", "6H", true},
        {"both ways: the stop rank blocks the way down too", 2, 2, 5, 0, "5S", "4H", false},
        {"both ways: down from a King", 2, 2, 7, 0, "KS", "QH", true},
    };
    // clang-format on
    for (const CoveredRow& row : rows) {
        Table t;
        t.Attr(attr::TableauWrap, row.wrapAttr);
        RuleQuery q{Card(row.top), Card(row.card),   13, row.stopRank, row.direction, row.rule,
                    false,         row.wrapAttr > 0, 0,  true};
        EXPECT_EQ(RuleAccepts(t.s, q), row.expected) << row.what;
    }
}

struct FoundationRow {
    const char* what;
    int direction;
    int emptyValue;
    const char* top;
    const char* card;
    bool expected;
};

TEST(GeneralRule, CoveredFoundation) {
    // clang-format off
    const FoundationRow rows[] = {
        {"up by one", 1, 1, "2H", "3H", true},
        {"up: suit must match", 1, 1, "2H", "3D", false},
        {"up: no Ace on a King when the base is an Ace", 1, 1, "KH", "AH", false},
        {"up: Ace on King when the base is a 7", 1, 7, "KH", "AH", true},
        {"up: the stop rank does not stop a foundation", 1, 7, "7H", "8H", true},
        {"down: no King on an Ace when the base is a King", 0, 13, "AH", "KH", false},
        {"down: King on an Ace when the base is a 7", 0, 7, "AH", "KH", true},
        {"down: only a King goes on an Ace", 0, 7, "AH", "2H", false},
        {"down by one", 0, 13, "9H", "8H", true},
        {"both ways: down from a King when no Ace fits", 2, 1, "KH", "QH", true},
        {"both ways: up", 2, 1, "5H", "6H", true},
    };
    // clang-format on
    for (const FoundationRow& row : rows) {
        Table t;
        RuleQuery q{
            Card(row.top), Card(row.card), row.emptyValue, row.emptyValue, row.direction, 0, true, true, 0,
            true};
        EXPECT_EQ(RuleAccepts(t.s, q), row.expected) << row.what;
    }
}

struct EmptyRow {
    const char* what;
    int emptyValue;
    int stopRank;
    std::vector<std::pair<std::string, std::string>> piles;
    const char* card;
    bool run;
    bool expected;
};

// Empty tableau pile 10 (index 9): the empty-pile value decides.
TEST(GeneralRule, EmptyDestinationByEmptyValue) {
    // clang-format off
    const EmptyRow rows[] = {
        {"13 takes a King", 13, 1, {}, "KS", false, true},
        {"13 refuses a Queen", 13, 1, {}, "QS", false, false},
        {"-1 takes any card", -1, 1, {}, "5D", false, true},
        {"0 takes nothing", 0, 1, {}, "5D", false, false},
        {"0 takes anything when the stop rank is -1", 0, -1, {}, "5D", false, true},
        {"91 (unresolved) takes nothing", 91, 1, {}, "AS", false, false},
        {"5 takes a 5", 5, 1, {}, "5C", false, true},
        {"82 takes nothing", 82, 1, {}, "AS", false, false},
        {"83 takes nothing", 83, -1, {}, "KS", false, false},
        {"86 takes a single card", 86, 1, {{"Fila1", "5C"}}, "5C", false, true},
        {"86 refuses a run", 86, 1, {{"Fila1", "5C 4H"}}, "5C", true, false},
        {"87 takes from the waste", 87, 1, {{"Mazzo_Vis", "5C"}}, "5C", false, true},
        {"87 takes from the stock", 87, 1, {{"Mazzo", "5C"}}, "5C", false, true},
        {"87 refuses the tableau", 87, 1, {{"Fila1", "5C"}}, "5C", false, false},
        {"87 refuses a reserve", 87, 1, {{"Appogg1", "5C"}}, "5C", false, false},
        {"87 refuses a foundation", 87, 1, {{"Dest1", "AC 2C 3C 4C 5C"}}, "5C", false, false},
        {"88 refuses the tableau", 88, 1, {{"Fila1", "5C"}}, "5C", false, false},
        {"88 takes from a reserve", 88, 1, {{"Appogg1", "5C"}}, "5C", false, true},
        {"92 takes the rank the foundations started with", 92, 1, {{"Dest1", "7H"}, {"Dest2", "7S"}, {"Fila1", "7C"}}, "7C", false, true},
        {"92 refuses another rank", 92, 1, {{"Dest1", "7H"}, {"Fila1", "8C"}}, "8C", false, false},
        {"92 with no foundation started takes any card", 92, 1, {{"Fila1", "8C"}}, "8C", false, true},
        {"93 before any foundation: only from a reserve", 93, 1, {{"Appogg2", "8C"}}, "8C", false, true},
        {"93 before any foundation: not from the waste", 93, 1, {{"Mazzo_Vis", "8C"}}, "8C", false, false},
        {"93 once started: rank of the foundations", 93, 1, {{"Dest3", "8H"}, {"Mazzo_Vis", "8C"}}, "8C", false, true},
        {"96 refuses the tableau", 96, 1, {{"Fila1", "8C"}}, "8C", false, false},
        {"96 with a reserve card: the reserve", 96, 1, {{"Appogg1", "8C"}}, "8C", false, true},
        {"96 with a reserve card: not the waste", 96, 1, {{"Appogg1", "2C"}, {"Mazzo_Vis", "8C"}}, "8C", false, false},
        {"96 with reserves empty: the waste", 96, 1, {{"Mazzo_Vis", "8C"}}, "8C", false, true},
        {"96 with reserves empty: not the stock", 96, 1, {{"Mazzo", "8C"}}, "8C", false, false},
    };
    // clang-format on
    for (const EmptyRow& row : rows) {
        Table t;
        t.Piles(row.piles).Attrs({{attr::TableauEmpty + 9, row.emptyValue},
                                  {attr::FoundationBase, row.stopRank},
                                  {attr::TableauDir + 9, 0},
                                  {attr::TableauRule + 9, 2}});
        if (row.run)
            t.Run();
        EXPECT_EQ(t.Accepts(row.card, "Fila10"), row.expected) << row.what;
    }
}

TEST(GeneralRule, EntryChecks) {
    Table t;
    t.Pile("Fila1", "10S");
    // A card is never accepted onto itself, whatever the rule.
    RuleQuery self{Card("10S"), Card("10S"), -1, -1, 2, 12, false, true, 0, true};
    EXPECT_FALSE(RuleAccepts(t.s, self));
    // Top 0 (how the deal names an empty foundation) is an empty destination, not a heart of rank 0.
    RuleQuery zero{0, Card("AS"), 1, 1, 1, 0, true, true, 0, false};
    EXPECT_TRUE(RuleAccepts(t.s, zero));
    RuleQuery minus{-1, Card("AS"), 1, 1, 1, 0, true, true, 0, false};
    EXPECT_TRUE(RuleAccepts(t.s, minus));
}

struct LockRow {
    const char* what;
    int lock;
    std::vector<std::pair<std::string, std::string>> piles;
    const char* card;
    const char* target;
    bool expected;
};

TEST(GeneralRule, StockLock) {
    // clang-format off
    const LockRow rows[] = {
        {"1: waste holds a card, tableau card to a foundation", 1, {{"Mazzo_Vis", "9D"}, {"Fila1", "AH"}}, "AH", "Dest1", false},
        {"1: the waste card itself may go up", 1, {{"Mazzo_Vis", "AH"}}, "AH", "Dest1", true},
        {"1: a tableau card may still go to the tableau", 1, {{"Mazzo_Vis", "9D"}, {"Fila1", "AH"}}, "AH", "Fila2", true},
        {"1: stock and waste empty, the lock is off", 1, {{"Fila1", "AH"}}, "AH", "Dest1", true},
        {"1: the stock alone locks too", 1, {{"Mazzo", "9D"}, {"Fila1", "AH"}}, "AH", "Dest1", false},
        {"2: nothing moves from the tableau", 2, {{"Mazzo", "9D"}, {"Fila1", "AH"}}, "AH", "Fila2", false},
        {"3: nothing moves from the tableau", 3, {{"Mazzo_Vis", "9D"}, {"Fila1", "AH"}}, "AH", "Dest1", false},
        {"3: a reserve card is free", 3, {{"Mazzo_Vis", "9D"}, {"Appogg1", "AH"}}, "AH", "Fila2", true},
        {"0: no lock", 0, {{"Mazzo_Vis", "9D"}, {"Fila1", "AH"}}, "AH", "Dest1", true},
    };
    // clang-format on
    for (const LockRow& row : rows) {
        Table t;
        t.Piles(row.piles).Attrs({{attr::StockLock, row.lock},
                                  {attr::FoundationBase, 1},
                                  {attr::FoundationDir, 1},
                                  {attr::TableauEmpty + 1, -1},
                                  {attr::TableauDir + 1, 0}});
        EXPECT_EQ(t.Accepts(row.card, row.target), row.expected) << row.what;
    }
}

struct StartRow {
    const char* what;
    int startRule;
    std::vector<std::pair<std::string, std::string>> piles;
    const char* card;
    const char* target;
    bool expected;
};

// Foundation start rules: four distinct suits per group, alternating base colours.
TEST(GeneralRule, FoundationStartRules) {
    // clang-format off
    const StartRow rows[] = {
        {"51=1: fourth foundation refuses a suit on show", 1, {{"Dest1", "AH"}, {"Dest2", "AS"}, {"Dest3", "AD"}}, "AH'", "Dest4", false},
        {"51=1: fourth foundation takes the missing suit", 1, {{"Dest1", "AH"}, {"Dest2", "AS"}, {"Dest3", "AD"}}, "AC", "Dest4", true},
        {"51=1: only the tops count", 1, {{"Dest1", "AH 2H"}, {"Dest2", "AS"}}, "AD", "Dest3", true},
        {"51=1: a started foundation is not re-judged", 1, {{"Dest1", "AH"}, {"Dest2", "AS"}}, "2S", "Dest2", true},
        {"51=1: the second group is judged by its own suits", 1, {{"Dest1", "AH"}, {"Dest2", "AS"}, {"Dest3", "AD"}, {"Dest4", "AC"}}, "AH'", "Dest5", true},
        {"51=1: the second group refuses a suit it shows", 1, {{"Dest1", "AH"}, {"Dest5", "AS"}}, "AS'", "Dest6", false},
        {"51=1: the second group ignores the first group's suits", 1, {{"Dest1", "AS"}, {"Dest5", "AH"}}, "AS'", "Dest6", true},
        {"51=2: first foundation free", 2, {}, "AS", "Dest1", true},
        {"51=2: a started foundation is not re-judged", 2, {{"Dest1", "AH"}, {"Dest2", "AD"}}, "2D", "Dest2", true},
        {"51=2: the next one needs the other colour", 2, {{"Dest1", "AH"}}, "AD", "Dest2", false},
        {"51=2: the other colour fits", 2, {{"Dest1", "AH"}}, "AS", "Dest2", true},
        {"51=2: two places on, the same colour", 2, {{"Dest1", "AH"}}, "AD", "Dest3", true},
        {"51=2: counted from the lowest started foundation", 2, {{"Dest2", "AS"}}, "AS'", "Dest1", false},
        {"51=0: no start rule", 0, {{"Dest1", "AH"}}, "AD", "Dest2", true},
    };
    // clang-format on
    for (const StartRow& row : rows) {
        Table t;
        t.Piles(row.piles).Attr(attr::FoundationStart, row.startRule);
        for (int k = 0; k < 8; ++k)
            t.Attrs({{attr::FoundationBase + k, 1}, {attr::FoundationDir + k, 1}});
        EXPECT_EQ(t.Accepts(row.card, row.target), row.expected) << row.what;
    }
}

} // namespace
} // namespace quillon::test
