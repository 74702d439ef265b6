// PileAccepts: the checks of each pile kind around the rule evaluator (single cards to the
// foundations, capacities, face-down tops, run order, the pick-up limit on empty piles, the run
// lifted from a pile) and every reserve kind.

#include "TableSetup.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

using PileList = std::vector<std::pair<std::string, std::string>>;
using AttrList = std::vector<std::pair<int, int>>;

struct Row {
    const char* what;
    PileList piles;
    AttrList attrs;
    const char* card;
    const char* target;
    bool expected;
    bool run = false;
};

void Check(const Row& row) {
    Table t;
    t.Piles(row.piles).Attrs(row.attrs);
    if (row.run)
        t.Run();
    EXPECT_EQ(t.Accepts(row.card, row.target), row.expected) << row.what;
}

// Foundation 1 building up in suit from an Ace unless a row says otherwise.
const AttrList kUpFromAce = {{attr::FoundationBase, 1}, {attr::FoundationDir, 1}, {attr::FoundationRule, 0}};

AttrList With(AttrList base, const AttrList& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

TEST(PileAccepts, Foundations) {
    // clang-format off
    const Row rows[] = {
        {"empty takes an Ace", {}, kUpFromAce, "AH", "Dest1", true},
        {"empty refuses a 2", {}, kUpFromAce, "2H", "Dest1", false},
        {"then a 2 of the suit", {{"Dest1", "AH"}}, kUpFromAce, "2H", "Dest1", true},
        {"not a 2 of another suit", {{"Dest1", "AH"}}, kUpFromAce, "2S", "Dest1", false},
        {"never two cards at once", {{"Dest1", "AH"}, {"Fila1", "2H 3H"}}, kUpFromAce, "2H", "Dest1", false, true},
        {"base 7 starts with a 7", {}, With(kUpFromAce, {{attr::FoundationBase, 7}}), "7C", "Dest1", true},
        {"base 7 continues from King to Ace", {{"Dest1", "7H 8H 9H 10H JH QH KH"}}, With(kUpFromAce, {{attr::FoundationBase, 7}}), "AH", "Dest1", true},
        {"full foundation refuses", {{"Dest1", "AH 2H 3H"}}, With(kUpFromAce, {{attr::FoundationCapacity, 3}}), "4H", "Dest1", false},
        {"one below capacity accepts", {{"Dest1", "AH 2H"}}, With(kUpFromAce, {{attr::FoundationCapacity, 3}}), "3H", "Dest1", true},
        {"rule 20 ignores the capacity", {{"Dest1", "AH 2H 3H"}}, With(kUpFromAce, {{attr::FoundationCapacity, 3}, {attr::FoundationRule, 20}}), "4S", "Dest1", true},
        {"rule 29 ignores the capacity", {{"Dest1", "AH 2H 3H"}}, With(kUpFromAce, {{attr::FoundationCapacity, 3}, {attr::FoundationRule, 29}}), "4H", "Dest1", true},
        {"rule 10: a Queen on an empty foundation", {}, {{attr::FoundationRule, 10}}, "QS", "Dest1", true},
        {"rule 10: not on a started one", {{"Dest1", "KS"}}, {{attr::FoundationRule, 10}}, "QS", "Dest1", false},
        {"rule 10: nothing but a Queen", {}, {{attr::FoundationRule, 10}}, "KS", "Dest1", false},
        {"rule 22: a card below a higher one of its suit on the tableau", {{"Fila3", "9S"}}, {{attr::FoundationRule, 22}}, "5S", "Dest1", true},
        {"rule 22: not when the tableau card is lower", {{"Fila3", "4S"}}, {{attr::FoundationRule, 22}}, "5S", "Dest1", false},
        {"rule 22: an Ace of the suit on the tableau counts", {{"Fila3", "AS"}}, {{attr::FoundationRule, 22}}, "5S", "Dest1", true},
        {"rule 22: another suit does not count", {{"Fila3", "9H"}}, {{attr::FoundationRule, 22}}, "5S", "Dest1", false},
        {"rule 22: never an Ace", {{"Fila3", "AS"}}, {{attr::FoundationRule, 22}}, "AS'", "Dest1", false},
        {"rule 22: only tableau piles in play", {{"Fila12", "9S"}}, {{attr::FoundationRule, 22}}, "5S", "Dest1", false},
    };
    // clang-format on
    for (const Row& row : rows)
        Check(row);
}

// Tableau pile 2 (index 1): alternate colours down from a King.
const AttrList kKlondike = {{attr::TableauEmpty + 1, 13},
                            {attr::TableauDir + 1, 0},
                            {attr::TableauRule + 1, 3},
                            {attr::FoundationBase, 1}};

TEST(PileAccepts, TableauPiles) {
    // clang-format off
    const Row rows[] = {
        {"covered, by the rule", {{"Fila2", "10S"}}, kKlondike, "9H", "Fila2", true},
        {"an empty pile takes a King", {}, kKlondike, "KH", "Fila2", true},
        {"at capacity refuses", {{"Fila2", "KS QH JS"}}, With(kKlondike, {{attr::TableauCapacity, 3}}), "10H", "Fila2", false},
        {"below capacity accepts", {{"Fila2", "KS QH"}}, With(kKlondike, {{attr::TableauCapacity, 3}}), "JS", "Fila2", true},
        {"rule 34 covered: single card down", {{"Fila2", "10S"}}, With(kKlondike, {{attr::TableauRule + 1, 34}}), "9S", "Fila2", true},
        {"rule 34 covered: no run", {{"Fila2", "10S"}, {"Fila3", "9S 8S"}}, With(kKlondike, {{attr::TableauRule + 1, 34}}), "9S", "Fila2", false, true},
        {"rule 34 empty: a run is fine", {{"Fila3", "KS QS"}}, With(kKlondike, {{attr::TableauRule + 1, 34}}), "KS", "Fila2", true, true},
        {"run order 10: a run in suit", {{"Fila2", "10S"}, {"Fila3", "9H 8H"}}, With(kKlondike, {{attr::RunOrder, 10}}), "9H", "Fila2", true, true},
        {"run order 10: a run out of suit", {{"Fila2", "10S"}, {"Fila3", "9H 8S"}}, With(kKlondike, {{attr::RunOrder, 10}}), "9H", "Fila2", false, true},
        {"run order 11: same colour", {{"Fila2", "10S"}, {"Fila3", "9H 8D"}}, With(kKlondike, {{attr::RunOrder, 11}}), "9H", "Fila2", true, true},
        {"run order 1: by the pile's own rule", {{"Fila2", "10S"}, {"Fila3", "9H 8S"}}, With(kKlondike, {{attr::RunOrder, 1}}), "9H", "Fila2", true, true},
        {"run order 1: broken alternation", {{"Fila2", "10S"}, {"Fila3", "9H 8H"}}, With(kKlondike, {{attr::RunOrder, 1}}), "9H", "Fila2", false, true},
        {"run order 5: no test", {{"Fila2", "10S"}, {"Fila3", "9H 2C"}}, With(kKlondike, {{attr::RunOrder, 5}}), "9H", "Fila2", true, true},
        {"run order is not asked of a single card", {{"Fila2", "10S"}, {"Fila3", "9H 2C"}}, With(kKlondike, {{attr::RunOrder, 10}}), "9H", "Fila2", true},
        {"pick-up -5: a run of 3 to an empty pile with one free cell", {{"Fila1", "2C"}, {"Fila3", "KH QS JH"}, {"Fila4", "5C"}}, With(kKlondike, {{attr::PickUpRule, -5}, {attr::TableauCount, 4}, {attr::ReserveCount, 1}}), "KH", "Fila2", false, true},
        {"pick-up -5: a run of 2 to an empty pile with one free cell", {{"Fila1", "2C"}, {"Fila3", "5C KH QS"}, {"Fila4", "5D"}}, With(kKlondike, {{attr::PickUpRule, -5}, {attr::TableauCount, 4}, {attr::ReserveCount, 1}}), "KH", "Fila2", true, true},
        {"pick-up -5 is not asked of a covered pile", {{"Fila2", "AS'"}, {"Fila3", "KH QS JH"}, {"Fila4", "5C"}}, With(kKlondike, {{attr::PickUpRule, -5}, {attr::TableauCount, 4}, {attr::ReserveCount, 1}, {attr::TableauRule + 1, 2}, {attr::TableauDir + 1, 2}, {attr::TableauWrap + 1, 1}}), "KH", "Fila2", true, true},
    };
    // clang-format on
    for (const Row& row : rows) {
        Check(row);
    }
}

// Rule 20 ignores the foundation capacity but stops at a full deck of 52.
TEST(PileAccepts, Rule20StopsAtFiftyTwo) {
    Table t;
    t.Attrs({{attr::FoundationRule, 20}, {attr::FoundationCapacity, 13}});
    std::string& dest = t.s.Piles.FoundationPiles[0];
    for (int k = 0; k < 51; ++k)
        dest += CardText(1 + k % 13 + 13 * (k / 13)); // A..K of hearts, diamonds, clubs, then A..Q of spades
    EXPECT_TRUE(t.Accepts("KS", "Dest1")) << "the 52nd card";
    dest += CardText(Card("KS"));
    EXPECT_FALSE(t.Accepts("AH'", "Dest1")) << "a 53rd card";
}

TEST(PileAccepts, FaceDownTopInFamily40) {
    Table t;
    t.Pile("Fila2", "10S").Attrs(kKlondike).FaceDown("10S");
    EXPECT_FALSE(t.Accepts("9H", "Fila2"));
    t.Attr(attr::Family, 40);
    EXPECT_TRUE(t.Accepts("9H", "Fila2"));
}

// A pile never takes the card it shows, nor the run that was lifted from it.
TEST(PileAccepts, NeverBackOntoItsOwnPile) {
    struct OwnRow {
        const char* what;
        const char* target;
        AttrList attrs;
    };
    // clang-format off
    const OwnRow rows[] = {
        {"tableau, any card", "Fila1", {{attr::TableauRule, 12}}},
        {"foundation, rule 10", "Dest1", {{attr::FoundationRule, 10}}},
        {"foundation, rule 22", "Dest1", {{attr::FoundationRule, 22}}},
        {"reserve kind 12 (anything)", "Appogg1", {{attr::ReserveKind, 12}}},
        {"reserve kind 145", "Appogg1", {{attr::ReserveKind, 145}}},
    };
    // clang-format on
    for (const OwnRow& row : rows) {
        Table t;
        t.Pile(row.target, "JH QS").Attrs(row.attrs).Pile("Fila5", "KS");
        // The card on top of the pile itself.
        EXPECT_FALSE(t.Accepts("QS", row.target)) << row.what;
        // A run whose last card is the pile's top, dropped back on that pile.
        t.s.Game.RunEndCard = static_cast<std::int16_t>(Card("QS"));
        t.Run();
        EXPECT_FALSE(t.Accepts("JH", row.target)) << row.what;
    }
    // The same run may go elsewhere.
    Table t;
    t.Pile("Fila1", "JH QS").Pile("Fila2", "KS").Attrs({{attr::TableauRule + 1, 12}});
    t.s.Game.RunEndCard = static_cast<std::int16_t>(Card("QS"));
    t.Run();
    EXPECT_TRUE(t.Accepts("JH", "Fila2"));
}

// Reserve r = 2 (index 1) unless the row names another.
TEST(PileAccepts, ReserveKinds) {
    auto kind = [](int k, int r = 1) { return AttrList{{attr::ReserveKind + r, k}}; };
    // clang-format off
    const Row rows[] = {
        {"4: never", {}, kind(4), "KS", "Appogg2", false},
        {"8: a single King while reserve 1 has room", {{"Appogg1", "2C 3C"}}, kind(8), "KS", "Appogg2", true},
        {"8: not a Queen", {}, kind(8), "QS", "Appogg2", false},
        {"8: not when reserve 1 holds 3", {{"Appogg1", "2C 3C 4C"}}, kind(8), "KS", "Appogg2", false},
        {"8: not a run", {{"Fila1", "KS QH"}}, kind(8), "KS", "Appogg2", false, true},
        {"12: anything, even covered, even a run", {{"Appogg2", "5D"}, {"Fila1", "KS QH"}}, kind(12), "KS", "Appogg2", true, true},
        {"85: a card from the waste", {{"Appogg2", "5D"}, {"Mazzo_Vis", "KS"}}, kind(85), "KS", "Appogg2", true},
        {"85: not from the tableau", {{"Fila1", "KS"}}, kind(85), "KS", "Appogg2", false},
        {"85: not from the stock", {{"Mazzo", "KS"}}, kind(85), "KS", "Appogg2", false},
        {"13: a single card while reserve 1 holds fewer than 5", {{"Appogg1", "2C 3C 4C 5C"}, {"Appogg2", "9H"}}, kind(13), "KS", "Appogg2", true},
        {"13: reserve 1 holding 5 refuses", {{"Appogg1", "2C 3C 4C 5C 6C"}}, kind(13), "KS", "Appogg2", false},
        {"13: not a run", {{"Fila1", "KS QH"}}, kind(13), "KS", "Appogg2", false, true},
        {"88: a Jack on an empty reserve", {}, kind(88), "JS", "Appogg2", true},
        {"88: not a Queen", {}, kind(88), "QS", "Appogg2", false},
        {"88: not on a covered reserve", {{"Appogg2", "2D"}}, kind(88), "JS", "Appogg2", false},
        {"89: a Queen", {}, kind(89), "QS", "Appogg2", true},
        {"89: not a King", {}, kind(89), "KS", "Appogg2", false},
        {"90: a King", {}, kind(90), "KS", "Appogg2", true},
        {"90: not a run", {{"Fila1", "KS QH"}}, kind(90), "KS", "Appogg2", false, true},
        {"103: a free card on an empty reserve", {{"Fila1", "KS"}}, kind(103), "KS", "Appogg2", true},
        {"103: a card hemmed in on its row", {{"Fila1", "2D"}, {"Fila2", "KS"}}, kind(103), "KS", "Appogg2", false},
        {"103: not on a covered reserve", {{"Appogg2", "2D"}}, kind(103), "KS", "Appogg2", false},
        {"107: an Ace on an empty reserve", {}, kind(107), "AS", "Appogg2", true},
        {"107: an Ace of the other colour", {{"Appogg2", "AH"}}, kind(107), "AS", "Appogg2", true},
        {"107: not the same colour", {{"Appogg2", "AH"}}, kind(107), "AD", "Appogg2", false},
        {"107: only Aces", {}, kind(107), "2S", "Appogg2", false},
        {"119: the Queen of foundation 2's suit", {{"Dest2", "AD 2D"}}, kind(119), "QD", "Appogg2", true},
        {"119: not another suit", {{"Dest2", "AD"}}, kind(119), "QS", "Appogg2", false},
        {"119: not while foundation 2 is empty", {}, kind(119), "QD", "Appogg2", false},
        {"119: not a covered reserve", {{"Dest2", "AD"}, {"Appogg2", "5C"}}, kind(119), "QD", "Appogg2", false},
        {"145: anything on an empty reserve", {}, kind(145), "9C", "Appogg2", true},
        {"145: up in suit", {{"Appogg2", "8C"}}, kind(145), "9C", "Appogg2", true},
        {"145: not down", {{"Appogg2", "8C"}}, kind(145), "7C", "Appogg2", false},
        {"145: not another suit", {{"Appogg2", "8C"}}, kind(145), "9S", "Appogg2", false},
        {"9: a face card on an empty reserve", {}, kind(9), "JC", "Appogg2", true},
        {"9: not a 10", {}, kind(9), "10C", "Appogg2", false},
        {"81: empty reserve, card not from the tableau", {{"Mazzo_Vis", "7C"}}, kind(81), "7C", "Appogg2", true},
        {"81: refuses a tableau card", {{"Fila1", "7C"}}, kind(81), "7C", "Appogg2", false},
        {"0: a free cell takes any single card", {}, kind(0), "7C", "Appogg2", true},
        {"0: a free cell holds one card", {{"Appogg2", "8D"}}, kind(0), "7C", "Appogg2", false},
        {"0: a free cell takes no run", {{"Fila1", "8D 7C"}}, kind(0), "8D", "Appogg2", false, true},
        {"unlisted kind 77 is a free cell", {}, kind(77), "7C", "Appogg2", true},
        {"kinds 8 and 13 look at reserve 1 from reserve 4", {{"Appogg1", "2C 3C 4C"}}, kind(8, 3), "KS", "Appogg4", false},
    };
    // clang-format on
    for (const Row& row : rows)
        Check(row);
}

TEST(PileAccepts, NamesAndCardsOutsideTheGame) {
    Table t;
    t.Attrs({{attr::TableauRule, 12},
             {attr::TableauRule + 39, 12},
             {attr::ReserveKind, 12},
             {attr::FoundationRule, 12}});
    for (const char* name : {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Waste", "Fila", "Fila41", "Fila00",
                             "Dest17", "Appogg13", "Filaxx", "", "Dest_Autoplay"})
        EXPECT_FALSE(t.Accepts("5H", name)) << name;
    for (int card : {0, -1, -300, 213, 999, 1000, 32767})
        EXPECT_FALSE(PileAccepts(t.s, card, "Fila1")) << card;
    EXPECT_TRUE(t.Accepts("5H", "Fila01"));
    EXPECT_TRUE(t.Accepts("5H", "Fila40"));
}

} // namespace
} // namespace quillon::test
