// The building rules of their own, one table per family of rules. Each row names the rule code,
// which is set on the target pile (attribute 87 + i for "Dest", 215 + i for "Fila"), lays out the
// piles and attributes it needs and states the answer of PileAccepts.

#include "TableSetup.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

using PileList = std::vector<std::pair<std::string, std::string>>;
using AttrList = std::vector<std::pair<int, int>>;

struct Row {
    int code;
    const char* what;
    const char* target;
    PileList piles;
    AttrList attrs;
    const char* card;
    bool expected;
};

constexpr int B(int i) {
    return attr::FoundationBase + i;
}
constexpr int Dir(int i) {
    return attr::FoundationDir + i;
}
constexpr int TDir(int i) {
    return attr::TableauDir + i;
}
constexpr int TEmpty(int i) {
    return attr::TableauEmpty + i;
}
constexpr int TWrap(int i) {
    return attr::TableauWrap + i;
}

void CheckRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        Table t;
        const std::string target = row.target;
        const int index = PileNumber(target) - 1;
        const int ruleAttr =
            PileKind(target) == kFoundationKind ? attr::FoundationRule + index : attr::TableauRule + index;
        t.Attr(ruleAttr, row.code).Piles(row.piles).Attrs(row.attrs);
        EXPECT_EQ(t.Accepts(row.card, row.target), row.expected) << "rule " << row.code << ": " << row.what;
    }
}

TEST(SpecialRules, RefusingAndAcceptingOutright) {
    // clang-format off
    CheckRows({
        {4, "refuses a fitting card", "Fila1", {{"Fila1", "10S"}}, {{TDir(0), 0}}, "9H", false},
        {4, "refuses on empty", "Fila1", {}, {{TEmpty(0), -1}}, "9H", false},
        {5, "refuses", "Fila1", {}, {{TEmpty(0), -1}}, "9H", false},
        {113, "refuses", "Dest1", {}, {{B(0), 1}}, "AH", false},
        {138, "refuses", "Dest1", {{"Dest1", "AH"}}, {{Dir(0), 1}}, "2H", false},
        {139, "refuses", "Fila1", {}, {{TEmpty(0), -1}}, "KH", false},
        {12, "takes anything", "Fila1", {{"Fila1", "9H"}}, {}, "2C", true},
        {12, "but not the card on top", "Fila1", {{"Fila1", "9H"}}, {}, "9H", false},
        {92, "an Ace", "Fila1", {{"Fila1", "9H"}}, {}, "AC", true},
        {92, "only an Ace", "Fila1", {}, {}, "2C", false},
        {73, "rank index + 1", "Fila3", {}, {}, "3C", true},
        {73, "no other rank", "Fila3", {}, {}, "4C", false},
        // Codes without a rule of their own follow the general rule.
        {62, "general: down regardless of suit", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 0}}, "9H", true},
        {67, "general: not up when building down", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 0}}, "JH", false},
        {69, "general: empty value 13", "Fila1", {}, {{TEmpty(0), 13}}, "KH", true},
        {122, "general: empty value 13", "Fila1", {}, {{TEmpty(0), 13}}, "QH", false},
        {146, "general above the table", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 0}}, "9S", true},
        {-7, "general below the table", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 1}}, "JS", true},
        {32767, "general at the extreme", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 1}}, "QS", false},
    });
    // clang-format on
}

TEST(SpecialRules, PlainVariants) {
    // clang-format off
    CheckRows({
        {7, "empty while the stock is empty", "Fila1", {}, {}, "5C", true},
        {7, "not while the stock holds cards", "Fila1", {{"Mazzo", "2D"}}, {}, "5C", false},
        {7, "never on a covered pile", "Fila1", {{"Fila1", "6H"}}, {{TDir(0), 0}}, "5C", false},
        {11, "in suit", "Fila1", {{"Fila1", "JH"}}, {{TDir(0), 2}}, "10H", true},
        {11, "not another suit", "Fila1", {{"Fila1", "JH"}}, {{TDir(0), 2}}, "10S", false},
        {11, "no Queen on a Jack", "Fila1", {{"Fila1", "JH"}}, {{TDir(0), 2}}, "QH", false},
        {11, "no Queen on a King", "Fila1", {{"Fila1", "KH"}}, {{TDir(0), 2}}, "QH", false},
        {21, "another suit by the general rule", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 0}}, "9S", true},
        {21, "never the same suit", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 0}}, "9H", false},
        {24, "same suit by the general rule", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 2}}, "9H", true},
        {24, "not a different suit", "Fila1", {{"Fila1", "10H"}}, {{TDir(0), 2}}, "9S", false},
        {24, "no Queen on a King", "Fila1", {{"Fila1", "KH"}}, {{TDir(0), 2}}, "QH", false},
        {24, "no King on a Queen", "Fila1", {{"Fila1", "QH"}}, {{TDir(0), 2}}, "KH", false},
        {27, "alternate colours from the waste", "Fila1", {{"Fila1", "10S"}, {"Mazzo_Vis", "9H"}}, {{TDir(0), 0}}, "9H", true},
        {27, "not the same colour", "Fila1", {{"Fila1", "10S"}, {"Mazzo_Vis", "9C"}}, {{TDir(0), 0}}, "9C", false},
        {27, "never from a reserve", "Fila1", {{"Fila1", "10S"}, {"Appogg1", "9H"}}, {{TDir(0), 0}}, "9H", false},
        {27, "never from a foundation", "Fila1", {{"Fila1", "3S"}, {"Dest1", "AH 2H"}}, {{TDir(0), 0}}, "2H", false},
        {34, "covered: down regardless of suit", "Fila1", {{"Fila1", "10H"}}, {}, "9H", true},
        {34, "covered: not up", "Fila1", {{"Fila1", "10H"}}, {}, "JS", false},
        {34, "empty: by the empty value", "Fila1", {}, {{TEmpty(0), 13}}, "KS", true},
        {34, "empty: not another rank", "Fila1", {}, {{TEmpty(0), 13}}, "QS", false},
        {35, "covered: a King on an Ace", "Fila1", {{"Fila1", "AH"}}, {}, "KS", true},
        {35, "covered: an Ace on a King", "Fila1", {{"Fila1", "KH"}}, {}, "AS", true},
        {35, "covered: not two apart", "Fila1", {{"Fila1", "5H"}}, {}, "7S", false},
        {35, "empty: by the empty value", "Fila1", {}, {{TEmpty(0), -1}}, "7S", true},
        {68, "both ways with wrap", "Fila1", {{"Fila1", "KH"}}, {}, "AS", true},
        {68, "not the same rank", "Fila1", {{"Fila1", "KH"}}, {}, "KS", false},
        {76, "any lower rank", "Fila1", {{"Fila1", "9H"}}, {}, "3S", true},
        {76, "not a higher one", "Fila1", {{"Fila1", "9H"}}, {}, "10S", false},
        {76, "empty takes anything", "Fila1", {}, {}, "KS", true},
        {126, "the same rank", "Fila1", {{"Fila1", "9H"}}, {}, "9S", true},
        {126, "not another rank", "Fila1", {{"Fila1", "9H"}}, {}, "8H", false},
        {126, "empty takes anything", "Fila1", {}, {}, "8H", true},
        {133, "down by two", "Fila1", {{"Fila1", "7H"}}, {}, "5S", true},
        {133, "a Queen on an Ace", "Fila1", {{"Fila1", "AH"}}, {}, "QS", true},
        {133, "a King on a 2", "Fila1", {{"Fila1", "2H"}}, {}, "KS", true},
        {133, "not down by one", "Fila1", {{"Fila1", "7H"}}, {}, "6S", false},
        {133, "empty takes anything", "Fila1", {}, {}, "6S", true},
    });
    // clang-format on
}

TEST(SpecialRules, BuildingByTwoThreeFour) {
    // clang-format off
    CheckRows({
        {14, "by two", "Dest1", {{"Dest1", "5H"}}, {}, "7S", true},
        {14, "not by one", "Dest1", {{"Dest1", "5H"}}, {}, "6S", false},
        {14, "empty takes an Ace", "Dest1", {}, {}, "AS", true},
        {14, "empty refuses a 2", "Dest1", {}, {}, "2S", false},
        {15, "by three, round the corner", "Dest1", {{"Dest1", "JH"}}, {}, "AS", true},
        {15, "empty takes a 2", "Dest1", {}, {}, "2S", true},
        {15, "empty refuses an Ace", "Dest1", {}, {}, "AS", false},
        {16, "a 3 on a Queen", "Dest1", {{"Dest1", "QH"}}, {}, "3D", true},
        {16, "a 4 on a Queen is not", "Dest1", {{"Dest1", "QH"}}, {}, "4D", false},
        {16, "empty takes a 3", "Dest1", {}, {}, "3D", true},
        {43, "up by two in suit", "Dest1", {{"Dest1", "3H"}}, {}, "5H", true},
        {43, "no wrap", "Dest1", {{"Dest1", "QH"}}, {}, "AH", false},
        {43, "in suit only", "Dest1", {{"Dest1", "3H"}}, {}, "5S", false},
        {41, "up by two in suit, round the corner", "Dest1", {{"Dest1", "QH"}}, {}, "AH", true},
        {41, "not by one", "Dest1", {{"Dest1", "3H"}}, {}, "4H", false},
        {41, "empty: base rank of a fresh suit", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AH", true},
        {41, "empty: not a suit already started in the group", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AS'", false},
        {41, "empty: groups are of four", "Dest5", {{"Dest2", "AS"}}, {{B(4), 1}}, "AS'", true},
        {106, "up by two in suit", "Dest1", {{"Dest1", "3H"}}, {}, "5H", true},
        {106, "no wrap", "Dest1", {{"Dest1", "QH"}}, {}, "AH", false},
        {106, "empty: the base rank", "Dest1", {}, {{B(0), 2}}, "2C", true},
        {106, "empty: nothing else", "Dest1", {}, {{B(0), 2}}, "AC", false},
        {37, "doubling: an Ace on a 7", "Dest1", {{"Dest1", "7H"}}, {}, "AS", true},
        {37, "doubling: a 6 on a 3", "Dest1", {{"Dest1", "3H"}}, {}, "6S", true},
        {37, "doubling: not a 4 on a 3", "Dest1", {{"Dest1", "3H"}}, {}, "4S", false},
        {37, "a King only late", "Dest1", {{"Dest1", "3H"}}, {}, "KS", false},
        {37, "empty: by the base", "Dest1", {}, {{B(0), 5}}, "5S", true},
        {133, "down by two, covered", "Dest1", {{"Dest1", "9D"}}, {}, "7C", true},
        {97, "addition: base card 3 of the partner, 5 + 3", "Dest5", {{"Dest1", "3H"}, {"Dest5", "5S"}}, {}, "8C", true},
        {97, "addition: not 5 + 2", "Dest5", {{"Dest1", "3H"}, {"Dest5", "5S"}}, {}, "7C", false},
        {97, "addition: above 13 wraps", "Dest5", {{"Dest1", "3H"}, {"Dest5", "QS"}}, {}, "2C", true},
        {97, "addition: full at 12 cards", "Dest5", {{"Dest1", "3H"}, {"Dest5", "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS"}}, {}, "2C", false},
        {97, "addition: empty takes the base rank", "Dest5", {}, {{B(4), 4}}, "4C", true},
        {97, "addition: no partner pile", "Dest2", {{"Dest2", "5S"}}, {}, "8C", false},
    });
    // clang-format on
}

TEST(SpecialRules, SourcesAndCounts) {
    // clang-format off
    CheckRows({
        {17, "any card from the waste", "Fila1", {{"Fila1", "9H"}, {"Mazzo_Vis", "2C"}}, {}, "2C", true},
        {17, "never from the tableau", "Fila1", {{"Fila1", "9H"}, {"Fila2", "2C"}}, {}, "2C", false},
        {18, "from the tableau onto an empty pile", "Fila1", {{"Fila2", "2C"}}, {}, "2C", true},
        {18, "not from the tableau onto a covered one", "Fila1", {{"Fila1", "9H"}, {"Fila2", "2C"}}, {}, "2C", false},
        {18, "from a reserve onto a covered one", "Fila1", {{"Fila1", "9H"}, {"Appogg1", "2C"}}, {}, "2C", true},
        {19, "from the waste", "Fila1", {{"Fila1", "9H"}, {"Mazzo_Vis", "2C"}}, {}, "2C", true},
        {19, "never from a reserve", "Fila1", {{"Fila1", "9H"}, {"Appogg1", "2C"}}, {}, "2C", false},
        {33, "from the waste onto one card", "Fila1", {{"Fila1", "9H"}, {"Mazzo_Vis", "2C"}}, {}, "2C", true},
        {33, "not onto two cards", "Fila1", {{"Fila1", "9H 8H"}, {"Mazzo_Vis", "2C"}}, {}, "2C", false},
        {33, "never from the tableau", "Fila1", {{"Fila2", "2C"}}, {}, "2C", false},
        {26, "one step either way on a short pile", "Fila1", {{"Fila1", "2D 10H"}}, {}, "9S", true},
        {26, "nothing once the pile holds three", "Fila1", {{"Fila1", "2D 3D 10H"}}, {}, "9S", false},
        {26, "empty, value 13: a King", "Fila1", {}, {{TEmpty(0), 13}}, "KS", true},
        {26, "empty, value 13: not a Queen", "Fila1", {}, {{TEmpty(0), 13}}, "QS", false},
        {26, "empty, value -1: any card", "Fila1", {}, {{TEmpty(0), -1}}, "QS", true},
        {26, "empty, value 5: nothing", "Fila1", {}, {{TEmpty(0), 5}}, "5S", false},
        {40, "deal counter 13: a King", "Fila1", {{"Fila1", "3H"}}, {}, "KS", true},
        {40, "deal counter 13: not an Ace", "Fila1", {{"Fila1", "3H"}}, {}, "AS", false},
        {40, "stock and waste with one card: anything", "Fila1", {{"Fila1", "3H"}, {"Mazzo", "2D"}}, {}, "AS", true},
        {56, "same rank from a pile further on", "Fila3", {{"Fila3", "9H"}, {"Fila4", "9S"}}, {}, "9S", true},
        {56, "not from a pile before it", "Fila3", {{"Fila3", "9H"}, {"Fila2", "9S"}}, {}, "9S", false},
        {56, "not another rank", "Fila3", {{"Fila3", "9H"}, {"Fila4", "8S"}}, {}, "8S", false},
        {56, "empty takes nothing", "Fila3", {{"Fila4", "9S"}}, {}, "9S", false},
        {77, "4 cards held: a 2", "Dest1", {{"Dest1", "AH AS AD AC"}}, {}, "2C", true},
        {77, "7 cards held: still a 2", "Dest1", {{"Dest1", "AH AS AD AC 2H 2S 2D"}}, {}, "2C", true},
        {77, "8 cards held: a 3", "Dest1", {{"Dest1", "AH AS AD AC 2H 2S 2D 2C"}}, {}, "3C", true},
        {77, "8 cards held: not a 2", "Dest1", {{"Dest1", "AH AS AD AC 2H 2S 2D 2C"}}, {}, "2H'", false},
        {77, "empty: an Ace", "Dest1", {}, {}, "AC", true},
        {137, "not from the tableau", "Fila1", {{"Fila1", "5H"}, {"Fila2", "6S"}}, {}, "6S", false},
        {137, "one step from the waste", "Fila1", {{"Fila1", "5H"}, {"Mazzo_Vis", "6S"}}, {}, "6S", true},
        {137, "full at five cards", "Fila1", {{"Fila1", "AD 2D 3D 4D 5H"}, {"Mazzo_Vis", "6S"}}, {}, "6S", false},
        {137, "no wrap", "Fila1", {{"Fila1", "KH"}, {"Mazzo_Vis", "AS"}}, {}, "AS", false},
        {137, "empty takes a reserve card", "Fila1", {{"Appogg1", "AS"}}, {}, "AS", true},
        {141, "pile 4 takes a King", "Fila4", {{"Fila4", "2H"}, {"Mazzo_Vis", "KS"}}, {}, "KS", true},
        {141, "pile 4 only Kings", "Fila4", {{"Mazzo_Vis", "QS"}}, {}, "QS", false},
        {141, "other piles: anything but a King", "Fila2", {{"Mazzo_Vis", "QS"}}, {}, "QS", true},
        {141, "other piles: not a King", "Fila2", {{"Mazzo_Vis", "KS"}}, {}, "KS", false},
        {141, "never from the tableau", "Fila2", {{"Fila3", "QS"}}, {}, "QS", false},
    });
    // clang-format on
}

TEST(SpecialRules, DealCounterWraps) {
    Table t;
    t.Attr(attr::TableauRule, 40).Pile("Fila1", "3H");
    t.s.StateValues[DealCounter] = 14;
    EXPECT_TRUE(t.Accepts("AS", "Fila1"));
    EXPECT_FALSE(t.Accepts("KS", "Fila1"));
    t.s.StateValues[DealCounter] = 13;
    EXPECT_TRUE(t.Accepts("KS", "Fila1"));
    t.s.StateValues[DealCounter] = 5;
    EXPECT_TRUE(t.Accepts("5S", "Fila1"));
    EXPECT_FALSE(t.Accepts("6S", "Fila1"));
}

TEST(SpecialRules, WasteAndStockConditions) {
    // clang-format off
    CheckRows({
        {23, "up in suit while the waste is empty", "Dest1", {{"Dest1", "4H"}}, {}, "5H", true},
        {23, "not while the waste holds a card", "Dest1", {{"Dest1", "4H"}, {"Mazzo_Vis", "9C"}}, {}, "5H", false},
        {23, "not another suit", "Dest1", {{"Dest1", "4H"}}, {}, "5S", false},
        {23, "empty: nothing", "Dest1", {}, {}, "AH", false},
        {38, "empty: a King", "Fila1", {}, {}, "KS", true},
        {38, "empty: not a Queen", "Fila1", {}, {}, "QS", false},
        {38, "a lone King takes a 5", "Fila1", {{"Fila1", "KD"}}, {}, "5S", true},
        {38, "a lone King takes no Queen", "Fila1", {{"Fila1", "KD"}}, {}, "QS", false},
        {38, "nothing on two cards", "Fila1", {{"Fila1", "KD 5C"}}, {}, "4S", false},
        {38, "nothing while the waste holds a card", "Fila1", {{"Mazzo_Vis", "9C"}}, {}, "KS", false},
        {45, "empty: a King", "Fila1", {}, {}, "KS", true},
        {45, "a lone card takes any but a King", "Fila1", {{"Fila1", "5D"}}, {}, "9S", true},
        {45, "never a King on a covered pile", "Fila1", {{"Fila1", "5D"}}, {}, "KS", false},
        {45, "on two cards: down regardless", "Fila1", {{"Fila1", "9C 5D"}}, {}, "4S", true},
        {45, "on two cards: not up", "Fila1", {{"Fila1", "9C 5D"}}, {}, "6S", false},
        {45, "nothing while the waste holds a card", "Fila1", {{"Mazzo_Vis", "9C"}}, {}, "KS", false},
        {48, "empty: a Queen", "Fila1", {}, {}, "QS", true},
        {48, "empty: not a King", "Fila1", {}, {}, "KS", false},
        {48, "a lone Queen takes any but a Queen", "Fila1", {{"Fila1", "QD"}}, {}, "KS", true},
        {48, "a lone Queen takes no Queen", "Fila1", {{"Fila1", "QD"}}, {}, "QS", false},
        {48, "nothing on a lone King", "Fila1", {{"Fila1", "KD"}}, {}, "5S", false},
        {48, "nothing while the waste holds a card", "Fila1", {{"Mazzo_Vis", "9C"}}, {}, "QS", false},
        {55, "covered: up by the same colour", "Fila1", {{"Fila1", "5H"}}, {}, "6D", true},
        {55, "covered: not the other colour", "Fila1", {{"Fila1", "5H"}}, {}, "6S", false},
        {55, "empty: by the empty value", "Fila1", {}, {{TEmpty(0), 5}}, "5S", true},
        {55, "empty: -1 takes any", "Fila1", {}, {{TEmpty(0), -1}}, "9S", true},
        {55, "a waste of one card: only that card", "Fila1", {{"Fila1", "5H"}, {"Mazzo_Vis", "6D"}}, {}, "6D", true},
        {55, "a waste of one card: no other", "Fila1", {{"Fila1", "5H"}, {"Mazzo_Vis", "2C"}}, {}, "6D", false},
        {55, "a waste of two: nothing", "Fila1", {{"Fila1", "5H"}, {"Mazzo_Vis", "2C 6D"}}, {}, "6D", false},
        {57, "either way with wrap while the stock is empty", "Fila1", {{"Fila1", "AH"}}, {}, "KS", true},
        {57, "nothing while the stock holds a card", "Fila1", {{"Fila1", "AH"}, {"Mazzo", "3C"}}, {}, "2S", false},
        {108, "in suit either way while the stock is empty", "Fila1", {{"Fila1", "AH"}}, {}, "KH", true},
        {108, "not another suit", "Fila1", {{"Fila1", "AH"}}, {}, "2S", false},
        {108, "empty takes anything", "Fila1", {}, {}, "7S", true},
        {108, "nothing while the stock holds a card", "Fila1", {{"Mazzo", "3C"}}, {}, "7S", false},
        {129, "in suit either way while the stock is empty", "Fila1", {{"Fila1", "5H"}}, {}, "4H", true},
        {129, "empty takes nothing", "Fila1", {}, {}, "4H", false},
        {129, "nothing while the stock holds a card", "Fila1", {{"Fila1", "5H"}, {"Mazzo", "3C"}}, {}, "4H", false},
        {82, "empty: a fresh suit, by the general rule", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AH", true},
        {82, "empty: a suit already in the group", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AS'", false},
        {82, "covered: same suit up", "Dest1", {{"Dest1", "AH"}}, {{B(0), 1}, {Dir(0), 1}}, "2H", true},
        {82, "covered: not another suit", "Dest1", {{"Dest1", "AH"}}, {{B(0), 1}, {Dir(0), 1}}, "2S", false},
        {82, "nothing while the waste holds a card", "Dest1", {{"Dest1", "AH"}, {"Mazzo_Vis", "9C"}}, {{B(0), 1}, {Dir(0), 1}}, "2H", false},
    });
    // clang-format on
}

TEST(SpecialRules, InSuitUpAndDown) {
    // clang-format off
    CheckRows({
        {20, "up regardless of suit with wrap", "Dest1", {{"Dest1", "KH"}}, {}, "AS", true},
        {20, "not two up", "Dest1", {{"Dest1", "KH"}}, {}, "2S", false},
        {20, "empty: an Ace", "Dest1", {}, {}, "AS", true},
        {20, "empty: not a 2", "Dest1", {}, {}, "2S", false},
        {31, "down in suit", "Fila1", {{"Fila1", "10H"}}, {}, "9H", true},
        {31, "not another suit", "Fila1", {{"Fila1", "10H"}}, {}, "9S", false},
        {31, "an Ace takes nothing", "Fila1", {{"Fila1", "AH"}}, {}, "KH", false},
        {32, "up in suit", "Fila1", {{"Fila1", "9H"}}, {}, "10H", true},
        {32, "a King takes nothing", "Fila1", {{"Fila1", "KH"}}, {}, "AH", false},
        {39, "up regardless of suit", "Dest1", {{"Dest1", "4H"}}, {}, "5S", true},
        {39, "never a Queen", "Dest1", {{"Dest1", "JH"}}, {}, "QS", false},
        {39, "empty: an Ace", "Dest1", {}, {}, "AS", true},
        {39, "empty: not a King", "Dest1", {}, {}, "KS", false},
        {44, "up regardless of suit", "Dest1", {{"Dest1", "JH"}}, {}, "QS", true},
        {44, "never a King", "Dest1", {{"Dest1", "QH"}}, {}, "KS", false},
        {44, "empty: an Ace", "Dest1", {}, {}, "AS", true},
        {78, "any Ace on a King", "Dest1", {{"Dest1", "KH"}}, {}, "AS", true},
        {78, "up in suit", "Dest1", {{"Dest1", "4H"}}, {}, "5H", true},
        {78, "not up out of suit", "Dest1", {{"Dest1", "4H"}}, {}, "5S", false},
        {78, "empty: an Ace", "Dest1", {}, {}, "AS", true},
        {78, "empty: not a 2", "Dest1", {}, {}, "2S", false},
        {105, "down in suit with wrap", "Fila1", {{"Fila1", "AH"}}, {}, "KH", true},
        {105, "not another suit", "Fila1", {{"Fila1", "5H"}}, {}, "4S", false},
        {105, "empty: nothing, whatever the empty value", "Fila1", {}, {{TEmpty(0), -1}}, "KH", false},
        {121, "down in suit", "Fila1", {{"Fila1", "5H"}}, {}, "4H", true},
        {121, "not up", "Fila1", {{"Fila1", "5H"}}, {}, "6H", false},
        {121, "empty: a Jack", "Fila1", {}, {}, "JH", true},
        {121, "empty: not a Queen", "Fila1", {}, {}, "QH", false},
        {28, "empty takes anything", "Fila1", {}, {}, "7C", true},
        {28, "an Ace takes a 2", "Fila1", {{"Fila1", "AH"}}, {}, "2C", true},
        {28, "an Ace takes no King", "Fila1", {{"Fila1", "AH"}}, {}, "KC", false},
        {28, "a King takes a Queen", "Fila1", {{"Fila1", "KH"}}, {}, "QC", true},
        {28, "a King takes no Ace", "Fila1", {{"Fila1", "KH"}}, {}, "AC", false},
        {28, "one up regardless of suit", "Fila1", {{"Fila1", "6H"}}, {}, "7C", true},
        {60, "one down in suit", "Fila1", {{"Fila1", "6H"}}, {}, "5H", true},
        {60, "not another suit", "Fila1", {{"Fila1", "6H"}}, {}, "5C", false},
        {60, "empty takes anything", "Fila1", {}, {}, "5C", true},
        {86, "up, clubs after hearts", "Dest1", {{"Dest1", "AH"}}, {}, "2C", true},
        {86, "up, not diamonds after hearts", "Dest1", {{"Dest1", "AH"}}, {}, "2D", false},
        {86, "up, hearts after spades", "Dest1", {{"Dest1", "AS"}}, {}, "2H", true},
        {86, "empty: an Ace", "Dest1", {}, {}, "AD", true},
        {87, "down, diamonds after clubs", "Fila1", {{"Fila1", "5C"}}, {}, "4D", true},
        {87, "down, not spades after clubs", "Fila1", {{"Fila1", "5C"}}, {}, "4S", false},
        {87, "empty takes anything", "Fila1", {}, {}, "4S", true},
        {98, "a 7 on an Ace", "Dest1", {{"Dest1", "AH"}}, {}, "7H", true},
        {98, "no 2 on an Ace", "Dest1", {{"Dest1", "AH"}}, {}, "2H", false},
        {98, "up in suit", "Dest1", {{"Dest1", "8H"}}, {}, "9H", true},
        {98, "empty: the base rank", "Dest1", {}, {{B(0), 1}}, "AH", true},
        {104, "up in suit with wrap", "Dest3", {{"Dest3", "KH"}}, {}, "AH", true},
        {104, "pile 1 stops at a Queen", "Dest1", {{"Dest1", "QH"}}, {}, "KH", false},
        {104, "pile 3 stops at a 3... no, at rank 2", "Dest3", {{"Dest3", "2H"}}, {}, "3H", false},
        {104, "pile 13 does not stop", "Dest13", {{"Dest13", "QH"}}, {{attr::FoundationCount, 16}}, "KH", true},
        {104, "empty: nothing", "Dest3", {}, {}, "AH", false},
        {42, "up in suit", "Dest1", {{"Dest1", "5H"}}, {}, "6H", true},
        {42, "a King when foundation 7 shows a King", "Dest1", {{"Dest1", "QH"}, {"Dest7", "KD"}}, {}, "KH", true},
        {42, "no King otherwise", "Dest1", {{"Dest1", "QH"}, {"Dest7", "QD"}}, {}, "KH", false},
        {42, "no foundation six on: no King", "Dest11", {{"Dest11", "QH"}}, {{attr::FoundationCount, 16}}, "KH", false},
        {42, "no foundation six on: other cards", "Dest11", {{"Dest11", "JH"}}, {{attr::FoundationCount, 16}}, "QH", true},
        {99, "up in suit from the first eight piles", "Dest1", {{"Dest1", "5H"}, {"Fila8", "6H"}}, {}, "6H", true},
        {99, "not from pile 9", "Dest1", {{"Dest1", "5H"}, {"Fila9", "6H"}}, {}, "6H", false},
        {99, "not from the waste", "Dest1", {{"Dest1", "5H"}, {"Mazzo_Vis", "6H"}}, {}, "6H", false},
        {99, "empty: an Ace from the tableau", "Dest1", {{"Fila1", "AH"}}, {}, "AH", true},
        {61, "up by two in suit", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 1}}, "7H", true},
        {61, "a 2 on a King", "Dest1", {{"Dest1", "KH"}}, {{Dir(0), 1}}, "2H", true},
        {61, "not by one before 13 cards", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 1}}, "6H", false},
        {61, "by the general rule from 13 cards", "Dest1", {{"Dest1", "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS 5H"}}, {{Dir(0), 1}}, "6C", true},
        {61, "empty: by the general rule", "Dest1", {}, {{B(0), 1}}, "AC", true},
        {25, "up by two in suit", "Fila1", {{"Fila1", "5H"}}, {{TDir(0), 1}}, "7H", true},
        {25, "down by two in suit", "Fila1", {{"Fila1", "5H"}}, {{TDir(0), 0}}, "3H", true},
        {25, "never by one", "Fila1", {{"Fila1", "5H"}}, {{TDir(0), 1}}, "6H", false},
        {25, "empty: by the general rule", "Fila1", {}, {{TEmpty(0), 13}}, "KH", true},
        {25, "empty: not another rank", "Fila1", {}, {{TEmpty(0), 13}}, "QH", false},
        {29, "empty: a balanced Ace", "Dest1", {}, {{B(0), 81}}, "AH", true},
        {29, "empty: nothing but an Ace", "Dest1", {}, {{B(0), 81}}, "2H", false},
        {29, "up in suit while short", "Dest1", {{"Dest1", "AH"}}, {}, "2H", true},
        {29, "not another suit", "Dest1", {{"Dest1", "AH"}}, {}, "2S", false},
        {29, "with 13 cards: a King", "Dest1", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}, {}, "KH'", true},
        {29, "with 14 cards: down", "Dest1", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH'"}}, {}, "QH'", true},
        {29, "with 14 cards: not up", "Dest1", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH QH'"}}, {}, "KH'", false},
        {30, "no King on an Ace", "Fila1", {{"Fila1", "AH"}}, {}, "KH", false},
        {30, "one card: either way in suit", "Fila1", {{"Fila1", "6H"}}, {}, "5H", true},
        {30, "not another suit", "Fila1", {{"Fila1", "6H"}}, {}, "5S", false},
        {30, "going up keeps going up", "Fila1", {{"Fila1", "5H 6H"}}, {}, "7H", true},
        {30, "going up refuses down", "Fila1", {{"Fila1", "5H 6H"}}, {}, "5H'", false},
        {30, "going down keeps going down", "Fila1", {{"Fila1", "7H 6H"}}, {}, "5H", true},
        {30, "empty: nothing", "Fila1", {}, {}, "5H", false},
        {125, "covered: one up in suit even when building down", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 0}}, "6H", true},
        {125, "covered: one down by the general rule", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 0}}, "4H", true},
        {125, "covered: not another suit", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 0}}, "4S", false},
        {125, "the foundation King case overrules the wrap", "Dest1", {{"Dest1", "KH"}}, {{Dir(0), 1}, {B(0), 1}}, "AH", false},
        {125, "full at 13 cards", "Dest1", {{"Dest1", "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS 5H"}}, {{Dir(0), 0}}, "4H", false},
        {125, "empty: by the general rule", "Dest1", {}, {{B(0), 1}}, "AH", true},
        {127, "up in suit with wrap", "Dest1", {{"Dest1", "KH"}}, {}, "AH", true},
        {127, "empty: an Ace of a fresh suit", "Dest1", {{"Dest2", "AS"}}, {}, "AH", true},
        {127, "empty: not a suit on show", "Dest1", {{"Dest2", "AS"}}, {}, "AS'", false},
        {132, "up regardless of suit", "Dest2", {{"Dest2", "5H"}}, {}, "6S", true},
        {132, "no wrap", "Dest2", {{"Dest2", "KH"}}, {}, "AS", false},
        {132, "empty: an Ace once the foundation before is complete", "Dest2", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}, {}, "AS", true},
        {132, "empty: not before", "Dest2", {{"Dest1", "AH 2H"}}, {}, "AS", false},
        {132, "empty: foundation 1 needs nothing", "Dest1", {}, {}, "AS", true},
        {140, "up in suit", "Dest1", {{"Dest1", "AH"}}, {}, "2H", true},
        {140, "full at ten cards", "Dest1", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H"}}, {}, "JH", false},
        {140, "empty: the first Ace is free", "Dest1", {}, {}, "AH", true},
        {140, "empty: the next Ace has the other colour", "Dest2", {{"Dest1", "AH"}}, {}, "AS", true},
        {140, "empty: not the same colour", "Dest2", {{"Dest1", "AH"}}, {}, "AD", false},
    });
    // clang-format on
}

TEST(SpecialRules, BaseRanksAndGroups) {
    // clang-format off
    CheckRows({
        {36, "empty: the stop rank after the foundation before", "Dest2", {{"Dest1", "5H"}}, {{B(1), 5}}, "5S", true},
        {36, "empty: not before the foundation before starts", "Dest2", {}, {{B(1), 5}}, "5S", false},
        {36, "empty: foundation 1 needs nothing", "Dest1", {}, {{B(0), 5}}, "5S", true},
        {36, "covered: down with wrap", "Dest1", {{"Dest1", "AH"}}, {}, "KS", true},
        {36, "covered: not up", "Dest1", {{"Dest1", "5H"}}, {}, "6S", false},
        {46, "up regardless of suit", "Dest1", {{"Dest1", "5H"}}, {}, "6S", true},
        {46, "never a Queen", "Dest1", {{"Dest1", "JH"}}, {}, "QS", false},
        {46, "empty: the base rank", "Dest1", {}, {{B(0), 2}}, "2S", true},
        {46, "empty: not another rank", "Dest1", {}, {{B(0), 2}}, "3S", false},
        {49, "empty: the base rank beside a tableau card", "Dest1", {{"Fila1", "9D"}}, {{B(0), 2}}, "2S", true},
        {49, "empty: not beside an empty tableau pile", "Dest1", {}, {{B(0), 2}}, "2S", false},
        {51, "empty: the suit of the tableau pile's first card", "Dest1", {{"Fila1", "9S 4D"}}, {{B(0), 2}}, "2S", true},
        {51, "empty: not another suit", "Dest1", {{"Fila1", "9S 4D"}}, {{B(0), 2}}, "2D", false},
        {47, "down with wrap", "Dest1", {{"Dest1", "AH"}}, {}, "KS", true},
        {47, "never a Queen", "Dest1", {{"Dest1", "KH"}}, {}, "QS", false},
        {47, "empty: the base rank", "Dest1", {}, {{B(0), 9}}, "9S", true},
        {50, "empty: beside a card eight piles back", "Dest9", {{"Fila1", "3C"}}, {{B(8), 9}}, "9S", true},
        {50, "empty: not when that pile is empty", "Dest9", {}, {{B(8), 9}}, "9S", false},
        {50, "empty: no pile eight back keeps the answer", "Dest1", {}, {{B(0), 9}}, "9S", true},
        {52, "empty: in the suit of that pile", "Dest9", {{"Fila1", "3C"}}, {{B(8), 9}}, "9C", true},
        {52, "empty: not another suit", "Dest9", {{"Fila1", "3C"}}, {{B(8), 9}}, "9S", false},
        {53, "foundation 1 builds up with wrap", "Dest1", {{"Dest1", "KH"}}, {}, "AS", true},
        {53, "foundation 2 waits for foundation 1", "Dest2", {{"Dest1", "AH 2H"}}, {{B(1), 1}}, "AS", false},
        {53, "foundation 2 once foundation 1 holds 13", "Dest2", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}, {{B(1), 1}}, "AS", true},
        {118, "foundation 2 once foundation 1 holds 13", "Dest2", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}, {{B(1), 4}}, "4S", true},
        {118, "foundation 2 waits for foundation 1", "Dest2", {{"Dest1", "AH 2H"}}, {{B(1), 4}}, "4S", false},
        {118, "covered: up with wrap", "Dest1", {{"Dest1", "KH"}}, {}, "AS", true},
        {118, "covered: not down", "Dest1", {{"Dest1", "5H"}}, {}, "4S", false},
        {120, "a King of foundation 1's suit", "Dest9", {{"Dest1", "AH"}}, {}, "KH", true},
        {120, "not another suit", "Dest9", {{"Dest1", "AH"}}, {}, "KS", false},
        {120, "not a Queen", "Dest9", {{"Dest1", "AH"}}, {}, "QH", false},
        {120, "not while foundation 1 is empty", "Dest9", {}, {}, "KH", false},
        {120, "no foundation eight back", "Dest1", {}, {}, "KH", false},
        {120, "never covered", "Dest9", {{"Dest1", "AH"}, {"Dest9", "KD"}}, {}, "KH", false},
        {123, "covered: the stop rank in the other colour", "Dest1", {{"Dest1", "5H"}}, {{B(0), 5}}, "5S", true},
        {123, "covered: not the same colour", "Dest1", {{"Dest1", "5H"}}, {{B(0), 5}}, "5D", false},
        {123, "covered: only the stop rank", "Dest1", {{"Dest1", "5H"}}, {{B(0), 5}}, "6S", false},
        {96, "empty: a fresh suit", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AH", true},
        {96, "empty: a suit on show", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AS'", false},
        {96, "covered: in suit", "Dest1", {{"Dest1", "AH"}}, {{B(0), 1}, {Dir(0), 1}}, "2H", true},
        {96, "covered: not another suit", "Dest1", {{"Dest1", "AH"}}, {{B(0), 1}, {Dir(0), 1}}, "2S", false},
        {111, "covered: in suit up", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 1}}, "6H", true},
        {111, "covered: in suit down", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 0}}, "4H", true},
        {111, "never from piles 9 to 16", "Dest1", {{"Dest1", "5H"}, {"Fila9", "6H"}}, {{Dir(0), 1}}, "6H", false},
        {111, "empty: base rank of a fresh suit", "Dest1", {{"Dest2", "7S"}}, {{B(0), 7}}, "7H", true},
        {111, "empty: not a suit on show", "Dest1", {{"Dest2", "7S"}}, {{B(0), 7}}, "7S'", false},
        {135, "foundation 1: up in suit", "Dest1", {{"Dest1", "AH"}}, {}, "2H", true},
        {135, "foundation 1: an Ace of a fresh suit", "Dest1", {{"Dest2", "KS"}}, {}, "AH", true},
        {135, "foundation 1: not a suit on show", "Dest1", {{"Dest2", "KS"}}, {}, "AS", false},
        {135, "foundation 1: any Ace once a foundation holds two cards", "Dest1", {{"Dest2", "KS QS"}}, {}, "AS", true},
        {135, "others: down regardless of suit", "Dest2", {{"Dest1", "AH"}, {"Dest2", "KS"}}, {}, "QC", true},
        {135, "others: never foundation 1's suit", "Dest2", {{"Dest1", "AH"}, {"Dest2", "KS"}}, {}, "QH", false},
        {135, "others: a King when empty", "Dest2", {}, {}, "KS", true},
        {135, "others: nothing else when empty", "Dest2", {}, {}, "QS", false},
        {136, "piles 5 on: empty only after a complete foundation", "Fila5", {}, {{TEmpty(4), -1}}, "KS", false},
        {136, "piles 5 on: then as usual", "Fila5", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}, {{TEmpty(4), -1}}, "KS", true},
        {136, "pile 6 needs two", "Fila6", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}, {{TEmpty(5), -1}}, "KS", false},
        {136, "covered: alternate colours", "Fila5", {{"Fila5", "10S"}}, {{TDir(4), 0}}, "9H", true},
        {136, "covered: not the same colour", "Fila5", {{"Fila5", "10S"}}, {{TDir(4), 0}}, "9C", false},
        {83, "down with wrap", "Dest3", {{"Dest3", "AH"}}, {}, "KS", true},
        {83, "foundation 3 stops at a 3", "Dest3", {{"Dest3", "3H"}}, {}, "2S", false},
        {83, "foundation 7 stops only when full", "Dest7", {{"Dest7", "7H"}}, {}, "6S", true},
        {83, "foundation 7 full at 13", "Dest7", {{"Dest7", "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS 9H"}}, {}, "8H", false},
        {79, "covered: up with wrap", "Dest1", {{"Dest1", "KH"}, {"Mazzo_Vis", "AS"}}, {}, "AS", true},
        {79, "empty: the base rank", "Dest1", {{"Mazzo_Vis", "3S"}}, {{B(0), 3}}, "3S", true},
        {79, "not from a reserve before the 13th card", "Dest1", {{"Dest1", "KH"}, {"Appogg1", "AS"}}, {}, "AS", false},
        {79, "the 13th card from its own reserve", "Dest1", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH"}, {"Appogg1", "KS"}}, {}, "KS", true},
        {79, "the 13th card not from another reserve", "Dest1", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH"}, {"Appogg2", "KS"}}, {}, "KS", false},
        {79, "the 13th card never from elsewhere", "Dest1", {{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH"}, {"Mazzo_Vis", "KS"}}, {}, "KS", false},
        {124, "foundation 5 takes the shared rank", "Dest5", {}, {{59, 6}}, "6C", true},
        {124, "foundation 5 takes nothing else", "Dest5", {}, {{59, 6}}, "7C", false},
        {124, "others never take it", "Dest1", {{"Dest1", "5H"}}, {{59, 6}, {Dir(0), 1}}, "6H", false},
        {124, "others: in suit up with wrap", "Dest1", {{"Dest1", "KH"}}, {{59, 6}, {Dir(0), 1}}, "AH", true},
        {124, "others: in suit down with wrap", "Dest1", {{"Dest1", "AH"}}, {{59, 6}, {Dir(0), 0}}, "KH", true},
        {124, "others, empty: base rank of a fresh suit", "Dest1", {{"Dest2", "7S"}}, {{59, 6}, {B(0), 7}}, "7H", true},
        {124, "others, empty: not a suit on show", "Dest1", {{"Dest2", "7S"}}, {{59, 6}, {B(0), 7}}, "7S'", false},
    });
    // clang-format on
}

TEST(SpecialRules, SharedSuitFoundations128) {
    // clang-format off
    CheckRows({
        {128, "foundation 4 starts with an Ace", "Dest4", {}, {}, "AH", true},
        {128, "foundation 4: the Ace of foundation 5's suit", "Dest4", {{"Dest5", "JS"}}, {}, "AH", false},
        {128, "foundation 4: matching foundation 5", "Dest4", {{"Dest5", "JS"}}, {}, "AS", true},
        {128, "foundation 4 builds up in suit", "Dest4", {{"Dest4", "AS"}}, {}, "2S", true},
        {128, "foundation 5 starts with a Jack", "Dest5", {}, {}, "JH", true},
        {128, "foundation 5 not with a Queen", "Dest5", {}, {}, "QH", false},
        {128, "foundation 5 builds down in suit", "Dest5", {{"Dest5", "JH"}}, {}, "10H", true},
        {128, "foundation 5: its Jack in foundation 4's suit", "Dest5", {{"Dest4", "AC"}}, {}, "JH", false},
        {128, "neither takes a suit of the others", "Dest4", {{"Dest1", "QD"}}, {}, "AD", false},
        {128, "others build down in suit", "Dest1", {{"Dest1", "QD"}}, {}, "JD", true},
        {128, "others: never the shared suit", "Dest1", {{"Dest1", "QD"}, {"Dest4", "AD'"}}, {}, "JD", false},
        {128, "others, empty: the base rank", "Dest2", {{"Dest4", "AS"}}, {{B(1), 12}}, "QH", true},
        {128, "others: at most three suits before the pair starts", "Dest3", {{"Dest1", "QD"}, {"Dest2", "QC"}, {"Dest6", "QS"}}, {{B(2), 12}}, "QH", false},
        {128, "others: a third suit is fine", "Dest3", {{"Dest1", "QD"}, {"Dest2", "QC"}}, {{B(2), 12}}, "QH", true},
    });
    // clang-format on
}

TEST(SpecialRules, TableauSourcesAndNeighbours) {
    const AttrList forty = {{attr::TableauCount, 40}};
    // clang-format off
    CheckRows({
        {58, "from pile i + 5 while the stock holds cards", "Dest1", {{"Dest1", "5H"}, {"Fila5", "6H"}, {"Mazzo", "2C"}}, {{Dir(0), 1}}, "6H", true},
        {58, "not from another of piles 5 to 8", "Dest1", {{"Dest1", "5H"}, {"Fila6", "6H"}, {"Mazzo", "2C"}}, {{Dir(0), 1}}, "6H", false},
        {58, "from any pile once the stock is empty", "Dest1", {{"Dest1", "5H"}, {"Fila6", "6H"}}, {{Dir(0), 1}}, "6H", true},
        {64, "down in suit", "Dest1", {{"Dest1", "5H"}}, {{Dir(0), 0}}, "4H", true},
        {64, "empty: nothing", "Dest1", {}, {{Dir(0), 0}}, "4H", false},
        {63, "first pass: piles 1-4 do not feed foundation 5", "Dest5", {{"Dest5", "4H"}, {"Fila1", "5H"}}, {{Dir(4), 1}, {B(4), 1}}, "5H", false},
        {63, "first pass: piles 7-10 do not feed foundation 1", "Dest1", {{"Dest1", "4H"}, {"Fila8", "5H"}}, {{Dir(0), 1}, {B(0), 1}}, "5H", false},
        {63, "first pass: piles 5-6 feed anywhere", "Dest1", {{"Dest1", "4H"}, {"Fila5", "5H"}}, {{Dir(0), 1}, {B(0), 1}}, "5H", true},
        {63, "never another suit", "Dest1", {{"Dest1", "4H"}, {"Fila5", "5S"}}, {{Dir(0), 1}, {B(0), 1}}, "5S", false},
        {70, "grid of 3: from the right neighbour", "Fila4", {{"Fila5", "5H"}}, {{attr::GridWidth, 3}}, "5H", true},
        {70, "grid of 3: from above", "Fila4", {{"Fila1", "5H"}}, {{attr::GridWidth, 3}}, "5H", true},
        {70, "grid of 3: from below", "Fila4", {{"Fila7", "5H"}}, {{attr::GridWidth, 3}}, "5H", true},
        {70, "grid of 3: not from the end of the row before", "Fila4", {{"Fila3", "5H"}}, {{attr::GridWidth, 3}}, "5H", false},
        {70, "grid of 3: not onto a card", "Fila4", {{"Fila4", "9C"}, {"Fila5", "5H"}}, {{attr::GridWidth, 3}}, "5H", false},
        {70, "not from outside the tableau", "Fila4", {{"Mazzo_Vis", "5H"}}, {{attr::GridWidth, 3}}, "5H", false},
        {71, "a jump over a card", "Fila4", {{"Fila5", "9C"}, {"Fila6", "5H"}}, {{attr::GridWidth, 3}}, "5H", true},
        {71, "no jump over a gap", "Fila4", {{"Fila6", "5H"}}, {{attr::GridWidth, 3}}, "5H", false},
        {71, "a jump down a column", "Fila1", {{"Fila4", "9C"}, {"Fila7", "5H"}}, {{attr::GridWidth, 3}}, "5H", true},
        {71, "no jump across rows", "Fila3", {{"Fila4", "9C"}, {"Fila5", "5H"}}, {{attr::GridWidth, 3}}, "5H", false},
        {116, "from an orthogonal neighbour onto an empty cell", "Fila5", {{"Fila2", "5H"}}, {}, "5H", true},
        {116, "not from a diagonal neighbour", "Fila5", {{"Fila3", "5H"}}, {}, "5H", false},
        {116, "covered: either way with wrap", "Fila5", {{"Fila5", "KC"}, {"Fila4", "AH"}}, {}, "AH", true},
        {116, "covered: not two apart", "Fila5", {{"Fila5", "JC"}, {"Fila4", "KH"}}, {}, "KH", false},
        {117, "pile 6 always", "Dest1", {{"Fila6", "AH"}, {"Fila4", "2C"}}, {}, "AH", true},
        {117, "pile 1 while piles 4-6 are empty", "Dest1", {{"Fila1", "AH"}}, {}, "AH", true},
        {117, "pile 1 not while pile 4 holds a card", "Dest1", {{"Fila1", "AH"}, {"Fila4", "2C"}}, {}, "AH", false},
        {117, "pile 9 while pile 6 is empty", "Dest1", {{"Fila9", "AH"}, {"Fila5", "2C"}}, {}, "AH", true},
        {117, "pile 10 never", "Dest1", {{"Fila10", "AH"}}, {}, "AH", false},
        {117, "covered: up with wrap", "Dest1", {{"Dest1", "KS"}, {"Fila6", "AH"}}, {}, "AH", true},
        {131, "from pile 1 when piles 3 and 7 are empty", "Dest1", {{"Dest1", "5H"}, {"Fila1", "6H"}}, {{Dir(0), 1}}, "6H", true},
        {131, "from pile 1 not while pile 7 holds a card", "Dest1", {{"Dest1", "5H"}, {"Fila1", "6H"}, {"Fila7", "2C"}}, {{Dir(0), 1}}, "6H", false},
        {131, "from pile 4 not while pile 8 holds a card", "Dest1", {{"Dest1", "5H"}, {"Fila4", "6H"}, {"Fila8", "2C"}}, {{Dir(0), 1}}, "6H", false},
        {131, "empty: base rank of a fresh suit", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AH", true},
        {131, "empty: not a suit on show", "Dest1", {{"Dest2", "AS"}}, {{B(0), 1}}, "AS'", false},
        {142, "from its own pile", "Dest3", {{"Dest3", "AH"}, {"Fila3", "2H"}}, {}, "2H", true},
        {142, "not from another pile while its own holds cards", "Dest3", {{"Dest3", "AH"}, {"Fila3", "9C"}, {"Fila4", "2H"}}, {}, "2H", false},
        {142, "from anywhere once its own pile is empty", "Dest3", {{"Dest3", "AH"}, {"Fila4", "2H"}}, {}, "2H", true},
        {142, "empty: an Ace", "Dest3", {{"Fila4", "2H"}}, {}, "2H", false},
        {110, "an Ace starts foundation 1", "Dest1", {{"Fila3", "AH"}}, {}, "AH", true},
        {110, "an Ace starts foundation 2 only after foundation 1", "Dest2", {{"Fila3", "AH"}}, {}, "AH", false},
        {110, "a 7 on a lone Ace from its own pile", "Dest2", {{"Dest1", "AS"}, {"Dest2", "AH"}, {"Fila2", "7H"}}, {}, "7H", true},
        {110, "not a 2 on a lone Ace", "Dest2", {{"Dest1", "AS"}, {"Dest2", "AH"}, {"Fila2", "2H"}}, {}, "2H", false},
        {110, "not from another pile", "Dest2", {{"Dest1", "AS"}, {"Dest2", "AH"}, {"Fila3", "7H"}}, {}, "7H", false},
        {110, "never from the waste", "Dest1", {{"Mazzo_Vis", "AH"}}, {}, "AH", false},
        {110, "up in suit above the 7", "Dest1", {{"Dest1", "AH 7H"}, {"Fila1", "8H"}}, {}, "8H", true},
        {112, "in suit either way", "Dest1", {{"Dest1", "5H"}, {"Fila1", "4H"}}, {}, "4H", true},
        {112, "not from piles 9-16", "Dest1", {{"Dest1", "5H"}, {"Fila9", "4H"}}, {}, "4H", false},
        {112, "foundations 9-16 take nothing", "Dest9", {{"Fila1", "4H"}}, {}, "4H", false},
        {112, "no wrap", "Dest1", {{"Dest1", "AH"}, {"Fila1", "KH"}}, {}, "KH", false},
        {112, "empty takes anything", "Dest1", {{"Fila1", "KH"}}, {}, "KH", true},
    });
    // clang-format on
    // clang-format off
    CheckRows({
        {100, "pile 1 takes from piles 9-16", "Fila1", {{"Fila1", "10S"}, {"Fila9", "9H"}}, forty, "9H", true},
        {100, "pile 1 not from pile 2", "Fila1", {{"Fila1", "10S"}, {"Fila2", "9H"}}, forty, "9H", false},
        {100, "pile 9 takes from piles 17-24", "Fila9", {{"Fila17", "9H"}}, forty, "9H", true},
        {100, "pile 25 only from the waste", "Fila25", {{"Mazzo_Vis", "9H"}}, forty, "9H", true},
        {100, "pile 25 not from pile 33", "Fila25", {{"Fila33", "9H"}}, forty, "9H", false},
        {100, "covered: not the same colour", "Fila1", {{"Fila1", "10D"}, {"Fila9", "9H"}}, forty, "9H", false},
        {100, "pile 33 takes from anywhere", "Fila33", {{"Fila2", "9H"}}, forty, "9H", true},
        {109, "from pile 10 while pile 2 is empty", "Dest1", {{"Dest1", "5H"}, {"Fila10", "6H"}, {"Fila18", "2C"}}, forty, "6H", true},
        {109, "not while piles 2 and 18 hold cards", "Dest1", {{"Dest1", "5H"}, {"Fila10", "6H"}, {"Fila2", "3C"}, {"Fila18", "2C"}}, forty, "6H", false},
        {109, "from pile 1 unless reserve 1 and pile 9 hold cards", "Dest1", {{"Dest1", "5H"}, {"Fila1", "6H"}, {"Appogg1", "3C"}, {"Fila9", "2C"}}, forty, "6H", false},
        {109, "from pile 1 with reserve 1 empty", "Dest1", {{"Dest1", "5H"}, {"Fila1", "6H"}, {"Fila9", "2C"}}, forty, "6H", true},
        {109, "no wrap", "Dest1", {{"Dest1", "KH"}, {"Mazzo_Vis", "AH"}}, forty, "AH", false},
        {114, "from piles 1-13 always", "Dest1", {{"Dest1", "5H"}, {"Fila13", "6H"}}, forty, "6H", true},
        {114, "not from piles 14-22 while piles 1-13 are full and the foundation started", "Dest1", {{"Dest1", "5H"}, {"Fila1", "2C"}, {"Fila2", "3C"}, {"Fila3", "4C"}, {"Fila4", "5C"}, {"Fila5", "6C"}, {"Fila6", "7C"}, {"Fila7", "8C"}, {"Fila8", "9C"}, {"Fila9", "10C"}, {"Fila10", "JC"}, {"Fila11", "QC"}, {"Fila12", "KC"}, {"Fila13", "AC"}, {"Fila14", "6H"}}, forty, "6H", false},
        {114, "from piles 14-22 while one of 1-13 is empty", "Dest1", {{"Dest1", "5H"}, {"Fila14", "6H"}}, forty, "6H", true},
        {114, "from the waste onto an empty foundation", "Dest1", {{"Mazzo_Vis", "AH"}}, {{B(0), 1}, {40, 0}}, "AH", true},
        {114, "empty: rank of foundation 1's base", "Dest2", {{"Mazzo_Vis", "2H"}}, {{B(0), 1}}, "2H", false},
        {114, "covered: up in suit with wrap", "Dest1", {{"Dest1", "KH"}, {"Fila1", "AH"}}, forty, "AH", true},
        {115, "pile 14 from pile 15, down in alternate colours", "Fila14", {{"Fila14", "10S"}, {"Fila15", "9H"}}, forty, "9H", true},
        {115, "pile 14 not from pile 1", "Fila14", {{"Fila14", "10S"}, {"Fila1", "9H"}}, forty, "9H", false},
        {115, "pile 1 only when empty", "Fila1", {{"Fila1", "10S"}, {"Fila15", "9H"}}, forty, "9H", false},
        {115, "pile 1, empty, from pile 15", "Fila1", {{"Fila15", "9H"}}, forty, "9H", true},
        {115, "pile 1, empty, from the waste while one of 14-22 is empty", "Fila1", {{"Mazzo_Vis", "9H"}}, forty, "9H", true},
        {115, "pile 1, empty, not from the waste while piles 14-22 are full", "Fila1", {{"Mazzo_Vis", "9H"}, {"Fila14", "AC"}, {"Fila15", "2C"}, {"Fila16", "3C"}, {"Fila17", "4C"}, {"Fila18", "5C"}, {"Fila19", "6C"}, {"Fila20", "7C"}, {"Fila21", "8C"}, {"Fila22", "10C"}}, forty, "9H", false},
        {130, "piles 1-4: a waste card onto an empty pile", "Fila2", {{"Mazzo_Vis", "9H"}}, {}, "9H", true},
        {130, "piles 1-4: not a tableau card", "Fila2", {{"Fila6", "9H"}}, {}, "9H", false},
        {130, "piles 1-4: never covered", "Fila2", {{"Fila2", "10H"}, {"Mazzo_Vis", "9H"}}, {}, "9H", false},
        {130, "other piles: in suit either way", "Fila6", {{"Fila6", "10H"}, {"Fila7", "9H"}}, {}, "9H", true},
        {130, "other piles: not from piles 1-4", "Fila6", {{"Fila6", "10H"}, {"Fila1", "9H"}}, {}, "9H", false},
        {130, "other piles: a reserve card needs a gap in piles 5-9", "Fila6", {{"Fila5", "2C"}, {"Fila6", "10H"}, {"Fila7", "2D"}, {"Fila8", "3D"}, {"Fila9", "4D"}, {"Appogg1", "9H"}}, {}, "9H", false},
        {130, "other piles: a reserve card with a gap", "Fila6", {{"Fila6", "10H"}, {"Fila7", "2D"}, {"Fila8", "3D"}, {"Fila9", "4D"}, {"Appogg1", "9H"}}, {}, "9H", true},
        {130, "other piles: a reserve card with a gap in pile 9", "Fila6", {{"Fila5", "2C"}, {"Fila6", "10H"}, {"Fila7", "2D"}, {"Fila8", "3D"}, {"Appogg1", "9H"}}, {}, "9H", true},
        {134, "pile 1 builds down", "Fila1", {{"Fila1", "10H"}, {"Fila6", "9C"}}, {}, "9C", true},
        {134, "pile 1 not from piles 2-4", "Fila1", {{"Fila1", "10H"}, {"Fila2", "9C"}}, {}, "9C", false},
        {134, "other piles build up", "Fila3", {{"Fila3", "10H"}, {"Fila6", "JC"}}, {}, "JC", true},
        {134, "other piles not from pile 1", "Fila3", {{"Fila3", "10H"}, {"Fila1", "JC"}}, {}, "JC", false},
        {134, "nothing from a foundation", "Fila3", {{"Fila3", "10H"}, {"Dest2", "JC"}}, {}, "JC", false},
        {134, "empty: only from the waste", "Fila3", {{"Mazzo_Vis", "JC"}}, {}, "JC", true},
        {134, "empty: not from the tableau", "Fila3", {{"Fila6", "JC"}}, {}, "JC", false},
        {143, "down in suit", "Fila5", {{"Fila5", "10H"}, {"Appogg4", "9H"}}, {}, "9H", true},
        {143, "a card in reserve 1 waits while reserve 3 holds one", "Fila5", {{"Fila5", "10H"}, {"Appogg1", "9H"}, {"Appogg3", "2C"}}, {}, "9H", false},
        {143, "empty: not from a reserve", "Fila5", {{"Appogg4", "9H"}}, {}, "9H", false},
        {143, "empty: from the waste", "Fila5", {{"Mazzo_Vis", "9H"}}, {}, "9H", true},
        {144, "up in suit", "Dest1", {{"Dest1", "8H"}, {"Appogg1", "9H"}}, {}, "9H", true},
        {144, "a card in reserve 2 waits while reserve 3 holds one", "Dest1", {{"Dest1", "8H"}, {"Appogg2", "9H"}, {"Appogg3", "2C"}}, {}, "9H", false},
        {144, "empty: an Ace", "Dest1", {}, {}, "AH", true},
        {144, "empty: nothing else", "Dest1", {}, {}, "2H", false},
    });
    // clang-format on
}

TEST(SpecialRules, SourcesFreedAfterTheFirstPass63) {
    Table t;
    t.Attrs({{attr::FoundationRule + 4, 63}, {Dir(4), 1}, {B(4), 1}})
        .Piles({{"Dest5", "4H"}, {"Fila1", "5H"}});
    t.s.Game.RedealCount = 1;
    EXPECT_FALSE(t.Accepts("5H", "Dest5"));
    t.s.Game.RedealCount = 2;
    EXPECT_TRUE(t.Accepts("5H", "Dest5"));
    EXPECT_FALSE(t.Accepts("5S", "Dest5"));
}

TEST(SpecialRules, ReserveAndTableauTies) {
    // clang-format off
    CheckRows({
        {54, "covered: down regardless of suit", "Fila1", {{"Fila1", "10H"}}, {}, "9S", true},
        {54, "covered: a King on an Ace with wrap 1", "Fila1", {{"Fila1", "AH"}}, {{TWrap(0), 1}}, "KS", true},
        {54, "covered: no King on an Ace without", "Fila1", {{"Fila1", "AH"}}, {}, "KS", false},
        {54, "empty: not from the tableau", "Fila1", {{"Fila2", "KS"}}, {{TEmpty(0), -1}}, "KS", false},
        {54, "empty: not from a reserve", "Fila1", {{"Appogg1", "KS"}}, {{TEmpty(0), -1}}, "KS", false},
        {54, "empty: from the waste by the empty value", "Fila1", {{"Mazzo_Vis", "KS"}}, {{TEmpty(0), 13}}, "KS", true},
        {80, "never from the tableau", "Fila1", {{"Fila2", "KS"}}, {}, "KS", false},
        {80, "empty takes anything else", "Fila1", {{"Mazzo_Vis", "KS"}}, {}, "KS", true},
        {80, "covered: in suit either way with wrap", "Fila1", {{"Fila1", "AS"}, {"Mazzo_Vis", "KS"}}, {}, "KS", true},
        {80, "covered: not another suit", "Fila1", {{"Fila1", "AH"}, {"Mazzo_Vis", "KS"}}, {}, "KS", false},
        {81, "never from the tableau", "Fila1", {{"Fila2", "KS"}}, {}, "KS", false},
        {81, "with reserve 1 empty: anything", "Fila1", {{"Fila1", "3C"}, {"Mazzo_Vis", "KS"}}, {}, "KS", true},
        {81, "with reserve 1 covered: in suit", "Fila1", {{"Fila1", "AS"}, {"Appogg1", "9D"}, {"Mazzo_Vis", "KS"}}, {}, "KS", true},
        {81, "with reserve 1 covered: not another suit", "Fila1", {{"Fila1", "AH"}, {"Appogg1", "9D"}, {"Mazzo_Vis", "KS"}}, {}, "KS", false},
        {94, "covered: other colour, rank of the card numbered below", "Fila1", {{"Fila1", "10S"}}, {}, "9H", true},
        {94, "covered: not the same colour", "Fila1", {{"Fila1", "10S"}}, {}, "9C", false},
        {94, "covered: a King on the Ace of diamonds", "Fila1", {{"Fila1", "AD"}}, {}, "KS", true},
        {94, "covered: nothing on card number 1", "Fila1", {{"Fila1", "AH"}}, {}, "KS", false},
        {94, "empty: not from the tableau", "Fila1", {{"Fila2", "KS"}}, {}, "KS", false},
        {94, "empty: from the waste while the reserves are empty", "Fila1", {{"Mazzo_Vis", "KS"}}, {}, "KS", true},
        {94, "empty: not from the waste while a reserve holds a card", "Fila1", {{"Mazzo_Vis", "KS"}, {"Appogg3", "2D"}}, {}, "KS", false},
        {94, "empty: from a reserve", "Fila1", {{"Appogg3", "KS"}}, {}, "KS", true},
        {95, "same suit, rank of the card numbered above", "Fila1", {{"Fila1", "9H"}}, {}, "10H", true},
        {95, "not another suit", "Fila1", {{"Fila1", "9H"}}, {}, "10S", false},
        {95, "an Ace on a King", "Fila1", {{"Fila1", "KS"}}, {}, "AS", true},
        {95, "an Ace on the last King of the fourth deck", "Fila1", {{"Fila1", "KS'''"}}, {}, "AS", true},
        {95, "empty: an Ace", "Fila1", {}, {}, "AS", true},
        {95, "empty: not a 2", "Fila1", {}, {}, "2S", false},
    });
    // clang-format on
}

TEST(SpecialRules, RowsOfTen101And102) {
    const AttrList forty = {{attr::TableauCount, 40}};
    // clang-format off
    CheckRows({
        {101, "left half: piles before it empty, in suit either way", "Fila3", {{"Fila3", "5H"}, {"Fila10", "6H"}}, forty, "6H", true},
        {101, "left half: a card before it blocks", "Fila3", {{"Fila1", "2C"}, {"Fila3", "5H"}, {"Fila10", "6H"}}, forty, "6H", false},
        {101, "the fifth pile belongs to the left half", "Fila5", {{"Fila5", "5H"}, {"Fila10", "6H"}}, forty, "6H", true},
        {101, "right half: piles after it empty", "Fila8", {{"Fila8", "5H"}, {"Fila1", "6H"}}, forty, "6H", true},
        {101, "right half: a card after it blocks", "Fila8", {{"Fila8", "5H"}, {"Fila10", "2C"}, {"Fila1", "6H"}}, forty, "6H", false},
        {101, "a card that is not free", "Fila3", {{"Fila3", "5H"}, {"Fila8", "6H"}, {"Fila9", "2C"}}, forty, "6H", false},
        {101, "not another suit", "Fila3", {{"Fila3", "5H"}, {"Fila10", "6S"}}, forty, "6S", false},
        {101, "empty: the fifth of a row with the left half empty", "Fila5", {{"Fila10", "6S"}}, forty, "6S", true},
        {101, "empty: the sixth with the right half empty", "Fila16", {{"Fila11", "6S"}}, forty, "6S", true},
        {101, "empty: the fifth blocked", "Fila5", {{"Fila2", "2C"}, {"Fila10", "6S"}}, forty, "6S", false},
        {101, "empty: other places never", "Fila4", {{"Fila10", "6S"}}, forty, "6S", false},
        {102, "undecided: either way in suit", "Fila3", {{"Fila3", "5H"}, {"Fila10", "4H"}}, forty, "4H", true},
        {102, "set up by a foundation going up", "Fila3", {{"Dest1", "5C 6C"}, {"Fila3", "5H"}, {"Fila10", "6H"}}, forty, "6H", true},
        {102, "up refuses down", "Fila3", {{"Dest1", "5C 6C"}, {"Fila3", "5H"}, {"Fila10", "4H"}}, forty, "4H", false},
        {102, "an Ace after a King goes up", "Fila3", {{"Dest1", "KC AC"}, {"Fila3", "KH"}, {"Fila10", "AH"}}, forty, "AH", true},
        {102, "the last foundation scanned decides", "Fila3", {{"Dest1", "5C 6C"}, {"Dest2", "AD KD"}, {"Fila3", "5H"}, {"Fila10", "4H"}}, forty, "4H", true},
        {102, "not another suit", "Fila3", {{"Fila3", "5H"}, {"Fila10", "4S"}}, forty, "4S", false},
        {102, "empty: nothing", "Fila3", {{"Fila10", "4S"}}, forty, "4S", false},
        {102, "a card that is not free", "Fila3", {{"Fila3", "5H"}, {"Fila8", "4H"}, {"Fila9", "2C"}}, forty, "4H", false},
    });
    // clang-format on
}

// Jokers as wild cards on foundations built up in suit (rules 72 and 75).
TEST(SpecialRules, WildJokers) {
    // clang-format off
    CheckRows({
        {72, "empty: a card of the base rank", "Dest1", {}, {{B(0), 1}}, "AH", true},
        {72, "empty: not another rank", "Dest1", {}, {{B(0), 1}}, "2H", false},
        {72, "empty: no joker", "Dest1", {}, {{B(0), 1}}, "Jk1", false},
        {75, "empty: a joker", "Dest1", {}, {{B(0), 1}}, "Jk1", true},
        {72, "a joker on any started foundation", "Dest1", {{"Dest1", "AH"}}, {{B(0), 1}}, "Jk2", true},
        {72, "up in suit", "Dest1", {{"Dest1", "AH"}}, {{B(0), 1}}, "2H", true},
        {72, "not another suit", "Dest1", {{"Dest1", "AH"}}, {{B(0), 1}}, "2S", false},
        {72, "base 1: no Ace on a King", "Dest1", {{"Dest1", "KH"}}, {{B(0), 1}}, "AH", false},
        {72, "base 5: an Ace on a King", "Dest1", {{"Dest1", "KH"}}, {{B(0), 5}}, "AH", true},
        {72, "a lone joker: the base rank", "Dest1", {{"Dest1", "Jk1"}}, {{B(0), 5}}, "5S", true},
        {72, "a lone joker: one above the base", "Dest1", {{"Dest1", "Jk1"}}, {{B(0), 5}}, "6S", true},
        {72, "a lone joker: nothing else", "Dest1", {{"Dest1", "Jk1"}}, {{B(0), 5}}, "7S", false},
        {72, "a joker above a card: two above it in suit", "Dest1", {{"Dest1", "5H Jk1"}}, {{B(0), 5}}, "7H", true},
        {72, "a joker above a card: one above it in suit", "Dest1", {{"Dest1", "5H Jk1"}}, {{B(0), 5}}, "6H", true},
        {72, "a joker above a card: not another suit", "Dest1", {{"Dest1", "5H Jk1"}}, {{B(0), 5}}, "7S", false},
        {72, "a joker above a King: a 2 when the base is not an Ace", "Dest1", {{"Dest1", "KH Jk1"}}, {{B(0), 5}}, "2H", true},
        {72, "a joker above a King: no 2 from an Ace base", "Dest1", {{"Dest1", "KH Jk1"}}, {{B(0), 1}}, "2H", false},
        {72, "the card a first joker stands for", "Dest1", {{"Dest1", "Jk1 6H"}}, {{B(0), 5}}, "5H", true},
        {72, "the card a later joker stands for", "Dest1", {{"Dest1", "5H Jk1 7H"}}, {{B(0), 5}}, "6H", true},
        {72, "nothing else below the top", "Dest1", {{"Dest1", "5H Jk1 7H"}}, {{B(0), 5}}, "4H", false},
        {72, "base -2: the first started foundation's first card", "Dest2", {{"Dest1", "4S 5S"}}, {{B(1), -2}}, "4H", true},
        {72, "base -2: not another rank", "Dest2", {{"Dest1", "4S 5S"}}, {{B(1), -2}}, "5H", false},
        {72, "base -2: a joker first gives the next card's rank less one", "Dest2", {{"Dest1", "Jk1 5S"}}, {{B(1), -2}}, "4H", true},
        {72, "base -2: a lone joker is skipped", "Dest3", {{"Dest1", "Jk1"}, {"Dest2", "8S"}}, {{B(2), -2}}, "8H", true},
        {72, "base -2: nothing started, any rank", "Dest2", {}, {{B(1), -2}}, "9H", true},
        {72, "four foundations: a suit on show is refused", "Dest2", {{"Dest1", "AH"}}, {{B(1), 1}, {attr::FoundationCount, 4}}, "AH'", false},
        {72, "four foundations: a fresh suit", "Dest2", {{"Dest1", "AH"}}, {{B(1), 1}, {attr::FoundationCount, 4}}, "AS", true},
        {72, "four foundations: jokers on show are no suit", "Dest2", {{"Dest1", "AH Jk1"}, {"Dest2", "AS"}}, {{B(1), 1}, {attr::FoundationCount, 4}}, "Jk2", true},
    });
    // clang-format on
}

// The step rule (91): the first foundation holding two cards fixes the step.
TEST(SpecialRules, StepRule) {
    // clang-format off
    CheckRows({
        {91, "no step yet: one up", "Dest2", {{"Dest2", "5H"}}, {}, "6S", true},
        {91, "no step yet: two up", "Dest2", {{"Dest2", "5H"}}, {}, "7S", true},
        {91, "no step yet: not three", "Dest2", {{"Dest2", "5H"}}, {}, "8S", false},
        {91, "no step yet: a 2 on a King", "Dest2", {{"Dest2", "KH"}}, {}, "2S", true},
        {91, "no step yet: empty takes an Ace (a step of two from -1)", "Dest2", {}, {}, "AS", true},
        {91, "no step yet: empty takes no 2", "Dest2", {}, {}, "2S", false},
        {91, "step 3", "Dest2", {{"Dest1", "AH 4H"}, {"Dest2", "5C"}}, {}, "8S", true},
        {91, "step 3: not 1", "Dest2", {{"Dest1", "AH 4H"}, {"Dest2", "5C"}}, {}, "6S", false},
        {91, "step 1 from an Ace after a King", "Dest2", {{"Dest1", "KH AH"}, {"Dest2", "KC"}}, {}, "AS", true},
        {91, "step 1: not 2", "Dest2", {{"Dest1", "KH AH"}, {"Dest2", "5C"}}, {}, "7S", false},
        {91, "step 2 from an Ace after a Queen", "Dest2", {{"Dest1", "QH AH"}, {"Dest2", "QC"}}, {}, "AS", true},
        {91, "step 2 from a 2 after a King", "Dest2", {{"Dest1", "KH 2H"}, {"Dest2", "5C"}}, {}, "7S", true},
        {91, "a downward step stays downward", "Dest2", {{"Dest1", "9H 7H"}, {"Dest2", "5C"}}, {}, "3S", true},
    });
    // clang-format on
}

// The base-rank puzzle (93): every tableau pile is built up by three in suit from its base rank.
TEST(SpecialRules, BaseRankPuzzle) {
    const AttrList bases = {{TEmpty(0), 2}, {TEmpty(1), 3}, {TEmpty(2), 4}};
    auto all93 = [&](AttrList more) {
        AttrList a = bases;
        for (int k = 0; k < 10; ++k)
            a.push_back({attr::TableauRule + k, 93});
        a.insert(a.end(), more.begin(), more.end());
        return a;
    };
    // clang-format off
    CheckRows({
        {93, "empty: the base rank", "Fila1", {}, all93({}), "2S", true},
        {93, "empty: nothing else", "Fila1", {}, all93({}), "3S", false},
        {93, "from the base card up by three in suit", "Fila1", {{"Fila1", "2S"}}, all93({}), "5S", true},
        {93, "not another suit", "Fila1", {{"Fila1", "2S"}}, all93({}), "5H", false},
        {93, "not up by one", "Fila1", {{"Fila1", "2S 5S"}}, all93({}), "6S", false},
        {93, "exchange: the lone card of the right rank", "Fila1", {{"Fila1", "3S"}, {"Fila2", "2D"}}, all93({}), "2D", true},
        {93, "exchange: only when the lone card suits the other pile", "Fila1", {{"Fila1", "4S"}, {"Fila2", "2D"}}, all93({}), "2D", false},
        {93, "exchange: not a card that is not alone", "Fila1", {{"Fila1", "3S"}, {"Fila2", "5C 2D"}}, all93({}), "2D", false},
        {93, "a wrong pile of two takes nothing", "Fila1", {{"Fila1", "3S 6S"}}, all93({}), "9S", false},
    });
    // clang-format on
}

} // namespace
} // namespace quillon::test
