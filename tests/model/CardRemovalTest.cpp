// Taking a card out of its pile: the search order, the pile it left, slots left in the tableau.

#include "model/CardRemoval.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(CardRemoval, FirstPileInSearchOrderGivesUpTheCard) {
    // The same card number in several piles (a damaged table): the search order decides.
    PileLists p;
    p.ReservePiles[0] = "005";
    p.StockPiles[2] = "005";
    p.StockPiles[0] = "005";
    p.FoundationPiles[3] = "005";
    p.TableauPiles[7] = "001005009";
    p.StockPiles[1] = "005";
    const std::pair<int, const char*> expected[] = {{2, "Mazzo_Vis"}, {4, "Fila8"},       {5, "Dest4"},
                                                    {1, "Mazzo"},     {3, "Mazzo_Waste"}, {6, "Appogg1"},
                                                    {255, ""}};
    for (const auto& [kind, pile] : expected) {
        TakenCard taken = TakeCardFromPiles(p, 5, false);
        EXPECT_EQ(taken.kind, kind) << pile;
        EXPECT_EQ(taken.pile, pile);
    }
    EXPECT_EQ(p.TableauPiles[7], "001009");
    EXPECT_EQ(p.StockPiles[0], "");
}

TEST(CardRemoval, SlotsAreLeftOnlyInTheTableau) {
    PileLists p;
    p.TableauPiles[0] = "001002003";
    p.ReservePiles[2] = "004005";
    EXPECT_EQ(TakeCardFromPiles(p, 2, true).kind, 4);
    EXPECT_EQ(p.TableauPiles[0], "001000003");
    EXPECT_EQ(TakeCardFromPiles(p, 4, true).pile, "Appogg3");
    EXPECT_EQ(p.ReservePiles[2], "005");
    // A number is only found at a card boundary.
    p.TableauPiles[1] = "010100";
    EXPECT_EQ(TakeCardFromPiles(p, 101, false).kind, 255);
    EXPECT_EQ(p.TableauPiles[1], "010100");
}

} // namespace
} // namespace quillon
