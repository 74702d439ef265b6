// Inputs no game should produce: card numbers that are not cards, piles with empty slots, indexes
// and pile counts beyond the lists, every rule code on every kind of pile. Nothing may read out
// of bounds (the sanitizers watch), non-cards are never accepted, and no pile takes its own top.

#include "engine/LegalMoves.h"
#include "engine/PickUp.h"

#include "TableSetup.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

const int kOddCards[] = {-32768, -99, -1, 0, 213, 999, 1000, 32767};
const int kRealCards[] = {1, 13, 14, 52, 53, 104, 157, 208, 209, 212};

void FillOddTable(Table& t) {
    t.Piles({{"Fila1", "000 5H 000"},
             {"Fila2", "KS QH JS"},
             {"Fila3", "000"},
             {"Fila11", "2C 3C"},
             {"Fila40", "AD Jk1"},
             {"Dest1", "Jk2"},
             {"Dest2", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"},
             {"Dest16", "9D"},
             {"Appogg1", "000 4S"},
             {"Appogg12", "Jk3"},
             {"Mazzo", "7C"},
             {"Mazzo_Vis", "8C 000"}});
    // A few characters that are not digits, as a damaged pile might hold.
    t.s.Piles.TableauPiles[3] = "0x5ab";
    t.s.Piles.ReservePiles[2] = "12";
}

std::vector<std::string> AllPileNames() {
    std::vector<std::string> names = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Waste",    "Fila0",  "Fila41",
                                      "Dest0", "Dest17",    "Appogg0",     "Appogg13", "Fila99", ""};
    for (int k = 1; k <= kTableauCount; ++k)
        names.push_back("Fila" + std::to_string(k));
    for (int k = 1; k <= kFoundationCount; ++k)
        names.push_back("Dest" + std::to_string(k));
    for (int k = 1; k <= kReserveCount; ++k)
        names.push_back("Appogg" + std::to_string(k));
    return names;
}

// Every rule code and reserve kind on every pile, with the counts of piles far beyond the lists.
TEST(HostileInput, EveryCodeOnEveryPile) {
    const std::vector<std::string> names = AllPileNames();
    std::vector<int> codes;
    for (int code = -3; code <= 150; ++code)
        codes.push_back(code);
    codes.push_back(32767);
    codes.push_back(-32768);
    for (int code : codes) {
        Table t;
        FillOddTable(t);
        t.Attrs({{attr::FoundationCount, 99},
                 {attr::TableauCount, 99},
                 {attr::ReserveCount, 99},
                 {attr::GridWidth, code % 7},
                 {attr::RunOrder, 1},
                 {attr::PickUpRule, -5},
                 {attr::FoundationStart, 1 + (code & 1)},
                 {attr::Family, 40},
                 {59, code}});
        for (int k = 0; k < kFoundationCount; ++k)
            t.Attrs({{attr::FoundationRule + k, code},
                     {attr::FoundationBase + k, code % 3 == 0 ? -2 : 81},
                     {attr::FoundationDir + k, 2}});
        for (int k = 0; k < kTableauCount; ++k)
            t.Attrs({{attr::TableauRule + k, code},
                     {attr::TableauEmpty + k, code},
                     {attr::TableauDir + k, 2},
                     {attr::TableauWrap + k, code % 3}});
        for (int k = 0; k < kReserveCount; ++k)
            t.Attr(attr::ReserveKind + k, code);
        t.s.StateValues[DealCounter] = -code;
        t.s.Game.OnceUsed = static_cast<std::int16_t>(code);
        for (bool run : {false, true}) {
            t.s.DragHeight = run ? 500 : 0;
            for (const std::string& name : names) {
                for (int card : kOddCards)
                    EXPECT_FALSE(PileAccepts(t.s, card, name))
                        << "code " << code << " " << name << " " << card;
                for (int card : kRealCards)
                    (void)PileAccepts(t.s, card, name);
                const std::string* content = t.s.Piles.Find(name);
                if (content && !content->empty()) {
                    const int top = PileTop(*content);
                    if (top >= 1)
                        EXPECT_FALSE(PileAccepts(t.s, top, name)) << "code " << code << " " << name;
                }
            }
        }
        (void)ListLegalMoves(t.s);
    }
}

TEST(HostileInput, RuleAcceptsWithAnyIndexAndTop) {
    Table t;
    FillOddTable(t);
    t.Attrs({{attr::GridWidth, 3}, {attr::FoundationCount, 16}});
    for (int code = 0; code <= 150; ++code)
        for (int index : {-1000, -9, -1, 0, 3, 15, 16, 39, 40, 41, 1000})
            for (int top : {-5, -1, 0, 1, 208, 212, 213, 5000})
                for (int card : {-1, 0, 7, 209, 300})
                    for (bool toFoundation : {false, true}) {
                        RuleQuery q{top,          card,           code,         code,
                                    code % 4 - 1, code,           toFoundation, (code & 1) != 0,
                                    index,        (code & 2) != 0};
                        (void)RuleAccepts(t.s, q);
                    }
    SUCCEED();
}

TEST(HostileInput, RunAndLocationHelpers) {
    Table t;
    FillOddTable(t);
    t.Attrs({{attr::TableauCount, 41}, {attr::ReserveCount, 13}, {attr::GridWidth, 3}});
    for (int card : {-1, 0, 1, 52, 209, 212, 213, 1000}) {
        (void)CardLocation(t.s, card);
        (void)RunFromCard(t.s, card);
        (void)IsPileTop(t.s, card);
        (void)CardIsFree(t.s, card);
        for (int i : {-1, 0, 39, 40, 99}) {
            (void)RunIsSequence(t.s, card, i);
            (void)GridJump(t.s, CardLocation(t.s, card), i);
            (void)BaseColoursAlternate(t.s, card, i);
        }
        for (int g : {-8, -1, 0, 13, 15, 16})
            for (int slot : {-1, 0, 3, 4})
                (void)SuitsDistinctInGroup(t.s, g, slot, card);
        for (int v : {81, 84, 85, 90, 0})
            (void)BaseCardsBalanced(t.s, v, card);
        for (int rule : {-17, -16, -15, -13, -12, -6, -5, -1, -2, 0, 5})
            for (bool toEmpty : {false, true}) {
                t.Attr(attr::PickUpRule, rule);
                (void)PickUpAllowed(t.s, card, toEmpty);
            }
    }
    EXPECT_EQ(CardLocation(t.s, Card("Jk1")), 40);
    EXPECT_EQ(RunFromCard(t.s, Card("4S")), std::vector<int>{Card("4S")});
}

TEST(HostileInput, HookReachesTheRules) {
    Session s;
    EXPECT_EQ(s.Hooks.RuleAccepts, nullptr);
    InstallEngineHooks(s);
    ASSERT_NE(s.Hooks.RuleAccepts, nullptr);
    RuleQuery ace{0, Card("AS"), 1, 1, 1, 0, true, true, 0, false};
    EXPECT_TRUE(s.Hooks.RuleAccepts(s, ace));
    RuleQuery two{0, Card("2S"), 1, 1, 1, 0, true, true, 0, false};
    EXPECT_FALSE(s.Hooks.RuleAccepts(s, two));
}

} // namespace
} // namespace quillon::test
