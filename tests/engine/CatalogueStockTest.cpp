// The stock of the catalogue's games that deal rows or packets to the tableau and redeal it, as
// their rules pages describe it: the compiled game definitions together with the engine's deal and
// redeal modes. Each case opens a game, lays out a small table and clicks the stock.
#include "StockTable.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "model/Deal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace quillon::test {
namespace {

enum Game { BigBen = 118, StHelena = 119, Scuffle = 120, Tournament = 600, Crescent = 601, AgnesSorel = 604 };

// Deals the game from the compiled catalogue, then clears every pile so that a case lays out
// only the cards it names.
void Open(StockTable& t, int game) {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    t.s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
    std::string error;
    ASSERT_TRUE(LoadAndDeal(t.s, game, "0000000000001", error)) << error;
    auto clear = [](auto& piles) {
        for (auto& pile : piles)
            pile.clear();
    };
    clear(t.s.Piles.StockPiles);
    clear(t.s.Piles.FoundationPiles);
    clear(t.s.Piles.TableauPiles);
    clear(t.s.Piles.ReservePiles);
    t.s.Game.RedealCount = 1;
}

void Click(StockTable& t) {
    StockClick(t.s, t.s.TopCard("Mazzo"));
    OnTableRelease(t.s, 0, 0);
}

struct Expect {
    std::string pile, cards;
};

void Check(StockTable& t, const std::vector<Expect>& want, const std::string& when) {
    for (const auto& [pile, cards] : want)
        EXPECT_EQ(t.Cards(pile), cards) << when << ": " << pile;
}

// Tournament: a click gives every dormitory pile four cards, an empty one too; with the stock used
// up, the piles are gathered, the last one first, into a new stock that deals them back in the
// order they lay; after two redeals the stock is done.
TEST(CatalogueStock, TournamentDealsFoursAndGathersThePilesTwice) {
    StockTable t;
    Open(t, Tournament);
    t.Piles({{"Mazzo", "2C 3C 4C 5C 6C 7C 8C 9C"}, {"Fila1", "KH"}});
    Click(t);
    Check(t, {{"Mazzo", ""}, {"Fila1", "KH 9C 8C 7C 6C"}, {"Fila2", "5C 4C 3C 2C"}, {"Fila3", ""}},
          "first deal");
    EXPECT_TRUE(t.FaceUp("2C"));

    Click(t);
    EXPECT_EQ(t.s.Game.RedealCount, 2);
    Check(t, {{"Mazzo", "2C 3C 4C 5C 6C 7C 8C 9C KH"}, {"Fila1", ""}, {"Fila2", ""}}, "first redeal");
    EXPECT_FALSE(t.FaceUp("KH"));

    Click(t);
    Check(t, {{"Fila1", "KH 9C 8C 7C"}, {"Fila2", "6C 5C 4C 3C"}, {"Fila3", "2C"}, {"Mazzo", ""}},
          "deal after the redeal");

    Click(t); // the second redeal
    Click(t);
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    Check(t, {{"Fila1", "KH 9C 8C 7C"}, {"Fila2", "6C 5C 4C 3C"}, {"Fila3", "2C"}}, "second redeal");
    Click(t); // no third redeal
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    Check(t, {{"Mazzo", ""}, {"Fila1", "KH 9C 8C 7C"}}, "after the last pass");
}

// Tournament's foundations: the Ace foundations start with four different suits, and so do the
// King foundations, whatever suits the Aces show.
TEST(CatalogueStock, TournamentFoundationsStartInTwoGroupsOfFourSuits) {
    StockTable t;
    Open(t, Tournament);
    t.Piles({{"Dest1", "AH"}, {"Dest2", "AD"}, {"Dest3", "AC"}, {"Dest4", "AS"}});
    EXPECT_TRUE(PileAccepts(t.s, Card("KH"), "Dest5"));
    EXPECT_FALSE(PileAccepts(t.s, Card("AH'"), "Dest5"));
    t.Pile("Dest5", "KH");
    EXPECT_FALSE(PileAccepts(t.s, Card("KH'"), "Dest6"));
    EXPECT_TRUE(PileAccepts(t.s, Card("KS"), "Dest6"));
    EXPECT_TRUE(PileAccepts(t.s, Card("QH"), "Dest5"));
    EXPECT_FALSE(PileAccepts(t.s, Card("QD"), "Dest5"));
    EXPECT_TRUE(PileAccepts(t.s, Card("2H'"), "Dest1"));
}

// Crescent: each click moves the bottom card of every pile of two or more to its top; a single
// card and a gap stay; the fourth click finds no shift left.
TEST(CatalogueStock, CrescentShiftsTheBottomCardsThreeTimes) {
    StockTable t;
    Open(t, Crescent);
    t.Piles({{"Fila1", "AH 2H 3H"}, {"Fila2", "KS"}, {"Fila16", "5D 9C"}});
    const std::vector<std::vector<Expect>> after = {
        {{"Fila1", "2H 3H AH"}, {"Fila2", "KS"}, {"Fila3", ""}, {"Fila16", "9C 5D"}},
        {{"Fila1", "3H AH 2H"}, {"Fila2", "KS"}, {"Fila3", ""}, {"Fila16", "5D 9C"}},
        {{"Fila1", "AH 2H 3H"}, {"Fila2", "KS"}, {"Fila3", ""}, {"Fila16", "9C 5D"}},
        {{"Fila1", "AH 2H 3H"}, {"Fila2", "KS"}, {"Fila3", ""}, {"Fila16", "9C 5D"}},
    };
    for (size_t k = 0; k < after.size(); ++k) {
        Click(t);
        Check(t, after[k], "click " + std::to_string(k + 1));
    }
    EXPECT_EQ(t.s.Game.RedealCount, 4);
}

// Agnes Sorel: a click deals one card to each pile in turn, a gap included, and counts the deals;
// the last two cards go to the first two piles; an empty stock is not redealt. A gap takes nothing
// from the player, and the piles build down in the same colour, a King on an Ace.
TEST(CatalogueStock, AgnesSorelDealsRowsIntoGapsThePlayerCannotFill) {
    StockTable t;
    Open(t, AgnesSorel);
    t.Piles({{"Mazzo", "AC 2C 3C 4C 5C 6C 7C 8C 9C"}, {"Fila1", "KH"}});
    Click(t);
    Check(t, {{"Fila1", "KH 9C"}, {"Fila2", "8C"}, {"Fila7", "3C"}, {"Mazzo", "AC 2C"}}, "first deal");
    EXPECT_EQ(t.s.StateValues[DealCounter], 1);
    Click(t);
    Check(t, {{"Fila1", "KH 9C 2C"}, {"Fila2", "8C AC"}, {"Fila3", "7C"}, {"Mazzo", ""}}, "last deal");
    EXPECT_EQ(t.s.StateValues[DealCounter], 2);
    Click(t);
    EXPECT_EQ(t.s.StateValues[DealCounter], 2);
    Check(t, {{"Fila1", "KH 9C 2C"}, {"Fila2", "8C AC"}}, "empty stock");

    t.Piles({{"Fila1", "KC"}, {"Fila2", "AS"}, {"Fila3", ""}});
    for (const char* card : {"KC", "AS", "QS", "QC", "QH", "KS", "KD", "KH", "AD", "5C"})
        t.s.Cards.SetCardFace(Card(card), '1'); // the deal left some of them face down in the stock
    EXPECT_TRUE(PileAccepts(t.s, Card("QS"), "Fila1"));
    EXPECT_TRUE(PileAccepts(t.s, Card("QC"), "Fila1"));
    EXPECT_FALSE(PileAccepts(t.s, Card("QH"), "Fila1"));
    EXPECT_TRUE(PileAccepts(t.s, Card("KS"), "Fila2"));
    EXPECT_FALSE(PileAccepts(t.s, Card("KD"), "Fila2"));
    for (const char* card : {"KH", "QS", "AD", "5C"})
        EXPECT_FALSE(PileAccepts(t.s, Card(card), "Fila3")) << card;
}

// Big Ben: a click makes every pile up to three cards from the stock, a gap too, and then turns
// the next card onto the waste; when the stock runs out during the fill, the waste is turned over
// once and the fill goes on from it.
TEST(CatalogueStock, BigBenFillsEveryPileToThreeBeforeTurningACard) {
    StockTable t;
    Open(t, BigBen);
    std::vector<std::pair<std::string, std::string>> piles = {{"Mazzo", "2C 3C 4C 5C 6C"},
                                                              {"Fila1", "KH 9C"}};
    const char* full[] = {"AS' 2S' 3S'", "4S' 5S' 6S'", "7S' 8S' 9S'",  "10S' JS' QS'", "KS' AD' 2D'",
                          "3D' 4D' 5D'", "6D' 7D' 8D'", "9D' 10D' JD'", "QD' KD' AH'",  "2H' 3H' 4H'"};
    for (int i = 0; i < 10; ++i)
        piles.push_back({"Fila" + std::to_string(i + 3), full[i]});
    t.Piles(piles); // pile 2 is a gap
    Click(t);
    Check(t, {{"Fila1", "KH 9C 6C"}, {"Fila2", "5C 4C 3C"}, {"Fila3", "AS' 2S' 3S'"}, {"Mazzo", ""},
              {"Mazzo_Vis", "2C"}},
          "fill, then a card turned");
    EXPECT_EQ(t.s.Game.RedealCount, 1);

    t.Piles({{"Mazzo", "8H"}, {"Mazzo_Vis", "2C 7H 6H"}, {"Fila1", "KH"}, {"Fila2", ""}});
    Click(t);
    // 8H goes to pile 1; the waste is turned over, which turns its bottom card 2C up again, and
    // the fill goes on from the new stock.
    Check(t, {{"Fila1", "KH 8H 7H"}, {"Fila2", "6H"}, {"Mazzo", ""}, {"Mazzo_Vis", "2C"}},
          "fill through the waste");
    EXPECT_EQ(t.s.Game.RedealCount, 2);

    Click(t); // the waste is not turned over a second time
    Check(t, {{"Fila2", "6H"}, {"Mazzo_Vis", "2C"}, {"Mazzo", ""}}, "after the last pass");
    EXPECT_EQ(t.s.Game.RedealCount, 2);
}

// St. Helena: a click on the empty stock gathers the piles, the first pile first and each from its
// top card down, shuffles them and deals them one card to each pile in turn, face up. The first
// redeal lifts the first deal's limits on which piles feed which foundations; a third click does
// nothing.
TEST(CatalogueStock, StHelenaRedealsTwiceAndThenLetsAnyPileFeedAnyFoundation) {
    StockTable t;
    Open(t, StHelena);
    t.Piles({{"Fila1", "2C 3C 2S"}, {"Fila3", "9D"}, {"Fila12", "5H 6H"}, {"Dest8", "AS"}});
    EXPECT_FALSE(PileAccepts(t.s, Card("2S"), "Dest8")) << "an upper pile feeds only the kings";

    Click(t);
    EXPECT_EQ(t.s.Game.RedealCount, 2);
    // Gathered 2S 3C 2C 9D 6H 5H; the shuffle starts in the middle and steps by 2 and 5.
    Check(t,
          {{"Fila1", "9D"},
           {"Fila2", "2S"},
           {"Fila3", "3C"},
           {"Fila4", "5H"},
           {"Fila5", "2C"},
           {"Fila6", "6H"},
           {"Fila7", ""},
           {"Fila12", ""},
           {"Dest8", "AS"},
           {"Mazzo", ""}},
          "first redeal");
    EXPECT_TRUE(t.FaceUp("9D"));
    EXPECT_TRUE(t.FaceUp("5H"));
    t.Piles({{"Fila1", "2S"}, {"Fila7", "QH"}, {"Fila5", ""}, {"Dest1", "KH"}});
    EXPECT_TRUE(PileAccepts(t.s, Card("2S"), "Dest8")) << "an upper pile feeds an ace";
    EXPECT_TRUE(PileAccepts(t.s, Card("QH"), "Dest1")) << "a lower pile feeds a king";

    Click(t);
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    const std::string afterSecond = t.Cards("Fila1") + "|" + t.Cards("Fila2") + "|" + t.Cards("Fila3");
    Click(t);
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    EXPECT_EQ(t.Cards("Fila1") + "|" + t.Cards("Fila2") + "|" + t.Cards("Fila3"), afterSecond)
        << "no third redeal";
}

// Scuffle: with the stock used up, a click gathers the cards left on the piles, shuffles them and
// lays them face down as a new stock, which clicks deal one card to each pile again; the
// foundations keep their cards; two redeals, and a third click on the empty stock does nothing.
TEST(CatalogueStock, ScuffleShufflesTheLeftoverPilesIntoANewStockTwice) {
    StockTable t;
    Open(t, Scuffle);
    t.Piles({{"Fila1", "5C 9D"}, {"Fila3", "KS"}, {"Fila4", "2H 3H 4H"}, {"Dest1", "AS"}});
    Click(t);
    EXPECT_EQ(t.s.Game.RedealCount, 2);
    // Gathered 9D 5C KS 4H 3H 2H (each pile from its top down); the shuffle starts in the middle
    // and steps by 2 and 5; the last card shuffled lies on top.
    Check(t, {{"Mazzo", "4H 9D 5C 2H KS 3H"}, {"Fila1", ""}, {"Fila3", ""}, {"Fila4", ""}, {"Dest1", "AS"}},
          "first redeal");
    for (const char* card : {"4H", "9D", "5C", "2H", "KS", "3H"})
        EXPECT_FALSE(t.FaceUp(card)) << card;

    Click(t);
    Check(t, {{"Mazzo", "4H 9D"}, {"Fila1", "3H"}, {"Fila2", "KS"}, {"Fila3", "2H"}, {"Fila4", "5C"}},
          "a deal from the new stock");
    EXPECT_TRUE(t.FaceUp("3H"));
    Click(t);
    Check(t, {{"Mazzo", ""}, {"Fila1", "3H 9D"}, {"Fila2", "KS 4H"}}, "the new stock used up");

    Click(t); // the second redeal
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    EXPECT_EQ(t.Cards("Mazzo").size(), std::string("xx xx xx xx xx xx").size());
    Click(t);
    Click(t);
    const std::string piles =
        t.Cards("Fila1") + "|" + t.Cards("Fila2") + "|" + t.Cards("Fila3") + "|" + t.Cards("Fila4");
    Click(t); // no third redeal
    EXPECT_EQ(t.s.Game.RedealCount, 3);
    EXPECT_EQ(t.Cards("Mazzo"), "");
    EXPECT_EQ(t.Cards("Fila1") + "|" + t.Cards("Fila2") + "|" + t.Cards("Fila3") + "|" + t.Cards("Fila4"),
              piles);
    EXPECT_EQ(t.Cards("Dest1"), "AS");
}

} // namespace
} // namespace quillon::test
