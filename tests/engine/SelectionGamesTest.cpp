// The selection, pairing and memory games: the rule of every family (one row accepting and one
// refusing per limit), the exchange of family 71 offered once only, a memory pair turned back
// after its pause, and the removal of a group running with input swallowed.

#include "engine/SelectionGames.h"
#include "RecordingTableView.h"
#include "TableSetup.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/PointerInput.h"
#include "engine/SelectionSearch.h"
#include "engine/Solver.h"
#include "engine/Stock.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace quillon::test {
namespace {

// A pairing game of 25 one-card tableau piles (a five-column grid) at 100 px steps, a stock and a
// second waste; every card face up, nothing animated.
struct Pairing {
    Session s;
    RecordingTableView view;
    int swallowed = 0, deepest = 0;

    struct SwallowView : RecordingTableView {
        Pairing* owner = nullptr;
        void SwallowInput(bool on) override {
            owner->swallowed += on ? 1 : -1;
            owner->deepest = std::max(owner->deepest, owner->swallowed);
            RecordingTableView::Beep(); // keeps the order visible in the log
            log.back() = on ? "Swallow on" : "Swallow off";
        }
    } swallowView;

    explicit Pairing(int family, int target = 1, int piles = 25) {
        InstallPlayHooks(s);
        InstallStockHooks(s);
        InstallSelectionHooks(s);
        swallowView.owner = this;
        s.view = &swallowView;
        s.GameAttr[attr::Family] = static_cast<std::int16_t>(family);
        s.GameAttr[41] = static_cast<std::int16_t>(target);
        s.GameAttr[attr::TableauCount] = static_cast<std::int16_t>(piles);
        s.GameAttr[attr::TableauFan] = 1;
        for (int k = 0; k < piles; ++k) {
            s.TableauX[static_cast<size_t>(k)] = static_cast<std::int16_t>(10 + 100 * (k % 5));
            s.TableauY[static_cast<size_t>(k)] = static_cast<std::int16_t>(10 + 120 * (k / 5));
        }
        s.Game.SetStockX(0, 700), s.Game.SetStockY(0, 10);
        s.Game.SetStockX(2, 700), s.Game.SetStockY(2, 200);
        s.Params.WriteParam(param::CardsAnimate, 1, "N");
        s.Params.WriteParam(param::ScoringScheme, 2, "01");
        s.SetFlag(GameInPlay, true);
    }
    // Lays the cards out one per pile, in order.
    void Deal(const std::string& cards, const std::string& stock = "") {
        std::istringstream in(cards);
        std::string token;
        for (int k = 0; in >> token; ++k)
            s.Piles.TableauPiles[static_cast<size_t>(k)] = token == "-" ? "" : CardText(Card(token));
        s.Piles.StockPiles[0] = Content(stock);
    }
    void Press(const std::string& card) { PressCard(Card(card)); }
    void PressCard(int c) {
        for (int k = 0; k < kTableauCount; ++k)
            if (PileFind(s.Piles.TableauPiles[static_cast<size_t>(k)], c) >= 0) {
                s.Game.PressX = static_cast<std::int16_t>(s.GetTableauX(k) + 5);
                s.Game.PressY = static_cast<std::int16_t>(s.GetTableauY(k) + 5);
                SelectionPress(s, kLeftButton, PileName("Fila", k + 1), c);
                return;
            }
        ADD_FAILURE() << c << " is on no tableau pile";
    }
    std::string Waste() const { return s.Piles.StockPiles[2]; }
    int Beeps() const { return swallowView.Count("Beep"); }
};

std::vector<int> Cards(const std::string& list) {
    std::vector<int> out;
    std::istringstream in(list);
    std::string token;
    while (in >> token)
        out.push_back(Card(token));
    return out;
}

struct RuleRow {
    int family;
    int target;
    const char* layout; // one card per pile of the five-column grid, "-" an empty pile
    const char* cards;  // selected, press order
    SelectionVerdict verdict;
};

class FamilyRules : public ::testing::TestWithParam<RuleRow> {};

TEST_P(FamilyRules, JudgeTheSelection) {
    const RuleRow& row = GetParam();
    Pairing p(row.family, row.target);
    p.Deal(row.layout);
    EXPECT_EQ(JudgeSelection(p.s, Cards(row.cards)), row.verdict)
        << "family " << row.family << ": " << row.cards;
}

constexpr auto Invalid = SelectionVerdict::Invalid;
constexpr auto Valid = SelectionVerdict::Valid;
constexpr auto Complete = SelectionVerdict::Complete;
// Piles 1..10 of the grid: first row 5H 5S 9C 5D KH, second row 3C 5C QD JS 2H.
constexpr const char* kGrid = "5H 5S 9C 5D KH 3C 5C QD JS 2H AS 8D 6H 7C 10S";

INSTANTIATE_TEST_SUITE_P(
    SelectionGames, FamilyRules,
    ::testing::Values(
        // Family 8: same rank, neighbours in a five-column grid (row, or diagonal).
        RuleRow{8, 1, kGrid, "5H 5S", Complete}, RuleRow{8, 1, kGrid, "5S 5C", Complete},
        RuleRow{8, 1, kGrid, "5H 5D", Invalid}, // same row, not neighbours
        RuleRow{8, 1, kGrid, "KH 3C", Invalid}, // end of a row, start of the next
        RuleRow{8, 1, kGrid, "5H 9C", Invalid}, // not the same rank
        RuleRow{8, 1, kGrid, "5H", Valid},
        // Family 17: number cards to 11, or jack, queen and king.
        RuleRow{17, 1, kGrid, "5H 6H", Complete}, RuleRow{17, 1, kGrid, "5H", Valid},
        RuleRow{17, 1, kGrid, "5H 6H AS", Invalid}, // at most two with a number card
        RuleRow{17, 1, "JS QD KH", "JS QD KH", Complete}, RuleRow{17, 1, "JS QD KH 4H", "KH JS QD", Complete},
        RuleRow{17, 1, kGrid, "JS 3C", Invalid},   // a face may not join a number card
        RuleRow{17, 1, "JS JH", "JS JH", Invalid}, // nor a second face of its rank
        // Family 1: number cards to 15 (attribute 41 = 15) or four of a high rank.
        RuleRow{1, 15, kGrid, "5H 9C AS", Complete}, RuleRow{1, 15, kGrid, "5H 5S", Valid},
        RuleRow{1, 15, kGrid, "9C 5H 3C", Invalid}, // past fifteen
        RuleRow{17, 1, kGrid, "5H 7C", Invalid},    // two number cards that miss eleven
        RuleRow{24, 1, kGrid, "2H 5H", Invalid}, RuleRow{1, 15, kGrid, "5H 10S", Invalid},
        RuleRow{1, 15, "10S 10H 10D 10C", "10S 10H 10D 10C", Complete},
        RuleRow{1, 15, "10S JH", "10S JH", Invalid}, RuleRow{1, 10, kGrid, "3C 7C", Complete},
        RuleRow{1, 10, kGrid, "3C 5C 2H", Invalid},
        // Family 18: an ace alone; three number cards to 18 and one face; no rank twice.
        RuleRow{18, 1, kGrid, "AS", Complete}, RuleRow{18, 1, kGrid, "AS 2H", Invalid},
        RuleRow{18, 1, kGrid, "5H 6H 7C JS", Complete}, RuleRow{18, 1, kGrid, "5H 5S", Invalid},
        RuleRow{18, 1, kGrid, "JS QD", Invalid},
        // Family 24: number cards to 9; ten, jack, queen and king.
        RuleRow{24, 1, kGrid, "2H 7C", Complete}, RuleRow{24, 1, kGrid, "10S 5H", Invalid},
        RuleRow{24, 1, "10S JH QD KC", "10S JH QD KC", Complete},
        // Family 20: values to 10, 20 or 30 with faces counting ten.
        RuleRow{20, 1, kGrid, "KH 5H 5S", Complete}, RuleRow{20, 1, kGrid, "KH", Valid},
        RuleRow{20, 1, kGrid, "KH QD JS", Complete},
        // Families 14 and 25: two cards of a rank.
        RuleRow{14, 1, kGrid, "5H 5D", Complete}, RuleRow{14, 1, kGrid, "5H 9C", Invalid},
        // Family 71: a row or a column, totalling 14.
        RuleRow{71, 1, kGrid, "5H 9C", Complete}, RuleRow{71, 1, kGrid, "9C 5C", Invalid},
        RuleRow{71, 1, kGrid, "5H 9C 5D", Invalid}, RuleRow{71, 1, kGrid, "KH AS", Invalid},
        RuleRow{71, 1, "KH - - - - AS", "KH AS", Complete},
        // Family 75: a king alone; 13 in a row or column of the 21 places.
        RuleRow{75, 1, kGrid, "KH", Complete}, RuleRow{75, 1, kGrid, "5H 8D", Invalid},
        RuleRow{75, 1, "5H - - - 8D", "5H 8D", Complete},
        RuleRow{75, 1, "- - 5H 8D", "5H 8D", Invalid},            // places 3 and 4: neither row nor column
        RuleRow{75, 1, "- - - 5H - - - - 8D", "5H 8D", Complete}, // places 4 and 9: a short column
        RuleRow{75, 1, "5H - - - - - - - - - - - - - - - - - 8D", "5H 8D", Complete}, // places 1 and 19
        RuleRow{75, 1, kGrid, "5H 5S 9C", Valid}, // three cards never complete
        // Family 47: a rank in piles two apart, both among the first 21.
        RuleRow{47, 1, kGrid, "5H 5D", Invalid}, RuleRow{47, 1, kGrid, "5S 5D", Complete},
        RuleRow{47, 1, kGrid, "5H 9C", Invalid}, // two apart, ranks differ
        RuleRow{47, 1, "- - - - - - - - - - - - - - - - - - 5H - 5D", "5H 5D", Complete},  // 19 and 21
        RuleRow{47, 1, "- - - - - - - - - - - - - - - - - - - 5H - 5D", "5H 5D", Invalid}, // 20 and 22
        // Family 57: any two cards change places; a third is refused.
        RuleRow{57, 1, kGrid, "5H 9C", Complete}, RuleRow{57, 1, kGrid, "5H", Valid},
        RuleRow{57, 1, kGrid, "5H 9C 5D", Invalid},
        // Families 16 and 25: two cards of a rank, no more.
        RuleRow{16, 1, kGrid, "5H 5D", Complete}, RuleRow{16, 1, kGrid, "5H 9C", Invalid},
        RuleRow{16, 1, kGrid, "5H 5S 5D", Invalid}, RuleRow{25, 1, kGrid, "5S 5C", Complete},
        RuleRow{25, 1, kGrid, "5S 3C", Invalid}, RuleRow{25, 1, kGrid, "5S", Valid},
        // Family 26: number cards to 11, or jack, queen and king, as in family 17.
        RuleRow{26, 1, kGrid, "9C 2H", Complete}, RuleRow{26, 1, kGrid, "9C 3C", Invalid},
        RuleRow{26, 1, kGrid, "KH QD JS", Complete}, RuleRow{26, 1, kGrid, "QD 2H", Invalid},
        RuleRow{26, 1, kGrid, "9C 2H 5H", Invalid},
        // Family 41: one court card (the faces below 14) with number cards worth as much.
        RuleRow{41, 1, kGrid, "JS 5H 6H", Complete}, RuleRow{41, 1, kGrid, "KH 9C 3C AS", Complete},
        RuleRow{41, 1, kGrid, "JS 5H", Valid}, RuleRow{41, 1, kGrid, "5H 6H", Valid}, // no face yet
        RuleRow{41, 1, kGrid, "JS QD", Invalid}, RuleRow{41, 1, kGrid, "QD 5H 7C", Complete},
        RuleRow{41, 1, kGrid, "QD 5H 5S", Valid}, // ten is short of the queen's twelve
        // Any other family: the total of attribute 41; family 7 at most two cards.
        RuleRow{0, 13, kGrid, "5H 3C 5C", Complete}, RuleRow{0, 13, kGrid, "5H 3C", Valid},
        RuleRow{7, 13, kGrid, "5H 3C 5C", Invalid}, RuleRow{7, 13, kGrid, "KH", Complete}));

// The row of a marriage game, all in tableau pile 1; "-" an empty slot.
std::string MarriageRow(const std::string& cards) {
    std::istringstream in(cards);
    std::string token, out;
    while (in >> token)
        out += token == "-" ? "000" : CardText(Card(token));
    return out;
}

// Families 21, 22 and 23: one card, or two side by side, lying between two cards of one suit or
// one rank leave the row; a lone card that may not leave yet waits for its neighbour. Family 22
// never lets the queen or king of hearts go.
TEST(SelectionGames, MarriageRowJudgesCardsBetweenAMatch) {
    struct Row {
        int family;
        const char* row;
        const char* cards;
        SelectionVerdict verdict;
    } rows[] = {
        {22, "QH 5C 9S 2H", "5C", Valid},             // clubs and spades, queen and nine: waits
        {22, "QH 5C 9S 2H", "5C 9S", Complete},       // between two hearts
        {22, "QH 5C 9S 2H", "9S 5C", Complete},       // in either order
        {22, "QH 5C 9S 5D", "9S", Complete},          // between two fives
        {22, "QH 5C 9S 2H", "5C 2H", Invalid},        // not side by side
        {22, "QH 5C 9S 2H 7D", "5C 9S 2H", Invalid},  // three cards
        {22, "QH 5C 9S", "9S", Valid},                // the end of the row has no neighbour
        {22, "QH - 5C - 9S - 2H", "5C 9S", Complete}, // empty slots do not part neighbours
        {22, "5H QH 3H", "QH", Invalid},              // the queen of hearts stays
        {22, "5H KH 3H", "KH", Invalid},              // and the king
        {21, "5H QH 3H", "QH", Complete},             // any card in family 21
        {23, "5H QH 3C KD", "QH 3C", Invalid},        // a heart and a diamond, five and king
    };
    for (const Row& r : rows) {
        Pairing p(r.family, 1, 1);
        p.s.GameAttr[attr::TableauFan] = 8;
        p.s.Piles.TableauPiles[0] = MarriageRow(r.row);
        EXPECT_EQ(JudgeSelection(p.s, Cards(r.cards)), r.verdict)
            << r.family << ": " << r.row << " / " << r.cards;
    }
}

// Royal Marriage played by presses: a waiting card and its neighbour leave together and the grid
// closes up, each card in the slot after the one before; the hearts side by side, with the stock
// spent, win.
TEST(SelectionGames, MarriageRowDiscardsAndIsWonWhenTheHeartsMeet) {
    Pairing p(22, 1, 1);
    p.s.GameAttr[attr::TableauFan] = 8;
    p.s.Piles.TableauPiles[0] = MarriageRow("QH - 4H - 5C - 9S - 4D - KH");
    p.Press("QH");
    EXPECT_EQ(p.Beeps(), 1) << "the queen of hearts is never taken";
    p.Press("5C");
    EXPECT_EQ(p.Waste(), "");
    p.Press("9S");
    EXPECT_EQ(p.Waste(), Content("5C 9S"));
    EXPECT_EQ(p.s.Piles.TableauPiles[0], MarriageRow("QH - 4H - 4D - KH")) << "closed up, slot by slot";
    EXPECT_TRUE(SelectedCards(p.s).empty());
    EXPECT_TRUE(p.s.Flag(GameInPlay)) << "two cards still part the hearts";
    p.Press("4H");
    p.Press("4D");
    EXPECT_EQ(p.s.Piles.TableauPiles[0], MarriageRow("QH - KH"));
    EXPECT_TRUE(WonTest(p.s)) << "the stock is spent and the hearts are married";
    EXPECT_FALSE(p.s.Flag(GameInPlay)) << "and the game has ended";
}

TEST(SelectionGames, FamilySeventeenRejectsOnlyTheBreakingCard) {
    Pairing p(17);
    p.Deal("5H 7C 6H", "2C 3C 4C");
    p.Press("5H");
    p.Press("7C");
    EXPECT_EQ(p.Beeps(), 1);
    EXPECT_EQ(SelectedCards(p.s), Cards("5H"));
    p.Press("6H");
    // 5 and 6 leave for the second waste, the stock fills their places.
    EXPECT_EQ(p.Waste(), Content("5H 6H"));
    EXPECT_EQ(p.s.Piles.TableauPiles[0], Content("4C"));
    EXPECT_EQ(p.s.Piles.TableauPiles[2], Content("3C"));
    EXPECT_TRUE(SelectedCards(p.s).empty());
}

TEST(SelectionGames, RemovalRunsWithInputSwallowedAndGivesItBack) {
    Pairing p(17);
    p.Deal("5H 7C 6H", "2C");
    p.Press("5H");
    p.Press("6H");
    const auto& log = p.swallowView.log;
    const int on = p.swallowView.Index("Swallow on"), off = p.swallowView.Index("Swallow off");
    ASSERT_GE(on, 0);
    ASSERT_GT(off, on);
    // The sound of the pair, its pause and the refill's sound all come while input is swallowed.
    for (const char* inside : {"Sound Pairing off", "Busy 150", "Sound Shuffle off"}) {
        const int at = p.swallowView.Index(inside);
        EXPECT_GT(at, on) << inside;
        EXPECT_LT(at, off) << inside;
    }
    EXPECT_EQ(p.swallowed, 0);
    EXPECT_EQ(p.deepest, 1);
    (void)log;
}

TEST(SelectionGames, SelectedCardPressedAgainLeavesTheSelection) {
    Pairing p(17);
    p.Deal("5H 7C 6H");
    p.Press("5H");
    p.Press("5H");
    EXPECT_TRUE(SelectedCards(p.s).empty());
    EXPECT_EQ(p.swallowView.Count("Invert"), 2); // shown and shown plainly again
}

TEST(SelectionGames, ExchangeOfFamily71IsOfferedOnceOnly) {
    Pairing p(71);
    p.Deal("5H 9C 2D 7S 4H 3C"); // 5H and 3C: not 14, and not in one line either
    p.swallowView.boxAnswer = true;
    p.Press("5H");
    p.Press("3C");
    EXPECT_EQ(p.swallowView.Count("Box Would you like"), 1);
    EXPECT_EQ(p.s.Game.OnceUsed, 1);
    EXPECT_EQ(p.s.Piles.TableauPiles[0], Content("3C"));
    EXPECT_EQ(p.s.Piles.TableauPiles[5], Content("5H"));
    EXPECT_EQ(CountEvents(p.s, 4), 1);
    EXPECT_TRUE(SelectedCards(p.s).empty());
    // Another pair that does not fit only beeps: the question never comes again.
    p.Press("9C");
    p.Press("4H");
    EXPECT_EQ(p.swallowView.Count("Box Would you like"), 1);
    EXPECT_EQ(SelectedCards(p.s), Cards("9C"));
}

TEST(SelectionGames, ExchangeRefusedKeepsTheCardsAndMayBeAskedAgain) {
    Pairing p(71);
    p.Deal("5H 9C 2D 7S 4H 3C");
    p.swallowView.boxAnswer = false;
    p.Press("5H");
    p.Press("3C");
    EXPECT_EQ(p.s.Game.OnceUsed, 0);
    EXPECT_EQ(p.s.Piles.TableauPiles[0], Content("5H"));
    EXPECT_EQ(SelectedCards(p.s), Cards("5H"));
    p.Press("4H");
    EXPECT_EQ(p.swallowView.Count("Box Would you like"), 2);
}

TEST(SelectionGames, MonteCarloStockClosesUpAndRefills) {
    Pairing p(8);
    p.Deal("5H 5S 9C", "2C 3C");
    p.Press("5H");
    p.Press("5S");
    EXPECT_TRUE(p.s.Piles.TableauPiles[0].empty()); // no refill in Monte Carlo until the stock press
    EXPECT_TRUE(SelectionMoveTarget(p.s, 0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(p.s.Piles.TableauPiles[0], Content("9C"));
    EXPECT_EQ(p.s.Piles.TableauPiles[1], Content("3C"));
    EXPECT_EQ(p.s.Piles.TableauPiles[2], Content("2C"));
}

TEST(SelectionGames, PyramidCardIsFreeOnlyWhenTheRowBelowLeavesIt) {
    Pairing p(4, 0, 3);
    p.s.GameAttr[382] = 1, p.s.GameAttr[383] = 2, p.s.GameAttr[384] = 3;
    p.s.Piles.TableauPiles[0] = Content("AH");
    p.s.Piles.TableauPiles[1] = Content("2H 3H");
    p.s.Piles.TableauPiles[2] = Content("4H 5H 6H");
    EXPECT_FALSE(IsFreePyramidCard(p.s, Card("AH")));
    EXPECT_FALSE(IsFreePyramidCard(p.s, Card("3H")));
    EXPECT_TRUE(IsFreePyramidCard(p.s, Card("6H")));
    p.s.Piles.TableauPiles[2] = "000" + Content("5H") + "000";
    EXPECT_FALSE(IsFreePyramidCard(p.s, Card("2H"))); // 5H still covers it
    p.s.Piles.TableauPiles[2] = "000000" + Content("6H");
    EXPECT_TRUE(IsFreePyramidCard(p.s, Card("2H")));
    // In family 67 the covering card chosen first does not count.
    p.s.GameAttr[attr::Family] = 67;
    p.s.Piles.FoundationPiles[0] = Content("6H");
    EXPECT_TRUE(IsFreePyramidCard(p.s, Card("3H")));
}

TEST(SelectionGames, MemoryPairTurnedBackAfterItsPause) {
    Pairing p(39, 0, 4);
    p.s.GameAttr[41] = 0;
    p.s.GameAttr[attr::ScoreToWin] = 60;
    p.Deal("5H 9C 5S 2D");
    for (int k = 0; k < 4; ++k)
        p.s.Cards.SetCardFace(PileCard(p.s.Piles.TableauPiles[static_cast<size_t>(k)], 0), '0');
    p.Press("5H");
    p.Press("9C");
    EXPECT_FALSE(p.s.Cards.CardIsHidden(Card("5H")));
    EXPECT_FALSE(p.s.Cards.CardIsHidden(Card("9C")));
    const size_t before = p.swallowView.log.size();
    p.Press("2D"); // the third press looks at the pair: no match, both turn back
    EXPECT_TRUE(p.s.Cards.CardIsHidden(Card("5H")));
    EXPECT_TRUE(p.s.Cards.CardIsHidden(Card("9C")));
    EXPECT_TRUE(p.s.Cards.CardIsHidden(Card("2D"))); // the press only resolved the pair
    EXPECT_EQ(p.s.Game.CardsTurnedBack, 1);
    // Each card turns back after a 200 ms pause of its own.
    std::vector<std::string> after(p.swallowView.log.begin() + static_cast<long>(before),
                                   p.swallowView.log.end());
    int pauses = 0;
    for (const auto& line : after)
        pauses += line == "Busy 200";
    EXPECT_EQ(pauses, 2);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.front(), "Busy 200");
    // A matching pair is taken to the second waste, leaving empty slots.
    p.Press("5H");
    p.Press("5S");
    p.Press("5H");
    EXPECT_EQ(p.Waste(), Content("5H 5S"));
    EXPECT_EQ(p.s.Piles.TableauPiles[0], "000");
    EXPECT_EQ(p.s.Game.CardsTurnedBack, 1);
}

// Family 57: the exchanges the search plans bring every row to its total, pressed card by card;
// a deal whose totals no split of the cards can reach gives no plan and changes nothing.
struct RowTotalsRow {
    const char* cards; // the sixteen places, row by row
    std::array<int, 4> totals;
    bool solvable;
};

class RowTotals : public ::testing::TestWithParam<RowTotalsRow> {};

TEST_P(RowTotals, PlannedExchangesReachEveryTotal) {
    const RowTotalsRow& row = GetParam();
    Pairing p(57, 1, 16);
    p.Deal(row.cards);
    p.s.Game.OnceUsed = static_cast<std::int16_t>(row.totals[0]);
    for (size_t k = 0; k < 3; ++k)
        p.s.Game.DealValues[k] = static_cast<std::int16_t>(row.totals[k + 1]);
    int ended = 0;
    p.s.Play.RecordGameResult = [&](Session&, int, const std::string&, bool, bool won) {
        ended += won ? 1 : 100;
    };
    const PileLists before = p.s.Piles;
    std::vector<SolverMove> moves;
    ASSERT_EQ(FindSelectionWin(p.s, 100000, moves), row.solvable);
    EXPECT_EQ(p.s.Piles.TableauPiles, before.TableauPiles);
    if (!row.solvable)
        return;
    ASSERT_EQ(moves.size() % 2, 0u);
    EXPECT_LE(moves.size(), 24u); // at most one exchange per place of the first three rows
    for (const SolverMove& m : moves) {
        EXPECT_EQ(ended, 0) << "ended before the last exchange";
        p.PressCard(m.card);
    }
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(SelectedCards(p.s).empty());
}

INSTANTIATE_TEST_SUITE_P(
    SelectionGames, RowTotals,
    ::testing::Values(
        // Every row already one exchange away: 10 and A trade places between the first two rows.
        RowTotalsRow{"10H 2H 3H 4H AS 6S 7S 8S 9C 2C 3C 4C 5D 6D 7D 8D", {10, 31, 18, 26}, true},
        // The rows wholly mixed up: the totals are those of the columns.
        RowTotalsRow{"AH 5H 9H 3D 2H 6H 10H 4D 3H 7H AD 5D 4H 8H 2D 6D", {10, 26, 22, 18}, true},
        // Totals no split of these cards reaches (their sum is right, but 4 + 4 + 4 + 4 is the
        // smallest a row can take from them and the first total is 10).
        RowTotalsRow{"4H 4S 4D 4C 5H 5S 5D 5C 6H 6S 6D 6C 7H 7S 7D 7C", {10, 30, 30, 18}, false}));

// Nestor (family 16): the stock's face-up top card pairs with a pile's top card; the search
// offers that pair, and no stock press of its own (a press there only selects the card).
TEST(SelectionGames, NestorStockCardPairsWithAPileTop) {
    Pairing p(16, 2, 3);
    p.Deal("5H 9C KD", "2C KS");
    for (int c : Cards("2C KS"))
        p.s.Cards.SetCardFace(c, '1');
    const std::vector<SelectionAction> actions = ListSelectionActions(p.s);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].cards, Cards("KD KS"));
    ASSERT_TRUE(ApplySelectionAction(p.s, actions[0]));
    EXPECT_EQ(p.Waste(), Content("KD KS"));
    // The emptied pile takes the stock's next card.
    EXPECT_EQ(p.s.Piles.TableauPiles[2], Content("2C"));
    EXPECT_TRUE(p.s.Piles.StockPiles[0].empty());
}

// Isabel (family 25) with the automatic turning up switched off: a face-down top card is an
// action of its own (a press turns it up), and a face-down card is never part of a pair.
TEST(SelectionGames, IsabelFaceDownTopIsTurnedUpByItsPress) {
    Pairing p(25, 2, 3);
    p.Deal("5H 9C 5S");
    p.s.Cards.SetCardFace(Card("5S"), '0');
    const std::vector<SelectionAction> actions = ListSelectionActions(p.s);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].cards, Cards("5S"));
    ASSERT_TRUE(ApplySelectionAction(p.s, actions[0]));
    EXPECT_FALSE(p.s.Cards.CardIsHidden(Card("5S")));
    EXPECT_TRUE(SelectedCards(p.s).empty()); // the press only turned the card
    const std::vector<SelectionAction> now = ListSelectionActions(p.s);
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now[0].cards, Cards("5H 5S"));
}

} // namespace
} // namespace quillon::test
