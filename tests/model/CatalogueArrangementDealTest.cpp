// The deals of the catalogue games that rearrange or thin the deck: Nestor dealt with distinct
// columns, the Tower of Hanoy's nine cards of one suit, Bisley's aces and Yukon's piquet pack. For
// many deal codes each deal holds exactly the cards the game keeps, each once, laid out as the game
// wants.
#include "CatalogueDeals.h"

#include "model/Cards.h"
#include "model/Deal.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quillon {
namespace {

std::vector<std::string> DealCodes() {
    return testing::SpreadDealCodes(60, 0x2545F4914F6CDD1Dull);
}

void Deal(Session& s, int game, const std::string& code) {
    testing::DealCatalogueGame(s, game, code);
}

using testing::CardsOnTable;

bool ColumnRepeatsARank(const std::string& pile) {
    std::set<int> ranks;
    for (int k = 0; k < PileSize(pile); ++k)
        if (!ranks.insert(CardRank(PileCard(pile, k))).second)
            return true;
    return false;
}

TEST(CatalogueArrangementDeal, NestorDistinctColumnsHoldNoPairAndLoseNoCard) {
    int plainRepeats = 0; // deals of plain Nestor with a pair in some column
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, 706, code);
        const std::map<int, int> seen = CardsOnTable(s);
        ASSERT_EQ(seen.size(), 52u) << "code " << code;
        for (const auto& [card, times] : seen)
            EXPECT_EQ(times, 1) << "card " << card << " code " << code;
        for (int m = 0; m < 8; ++m) {
            const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(m)];
            EXPECT_EQ(PileSize(pile), 6) << "Fila" << m + 1 << " code " << code;
            EXPECT_FALSE(ColumnRepeatsARank(pile)) << "Fila" << m + 1 << " code " << code;
            EXPECT_FALSE(s.Cards.CardIsHidden(PileTop(pile)));
        }
        EXPECT_EQ(PileSize(s.Piles.StockPiles[0]), 4) << "code " << code;

        Session plain;
        Deal(plain, 239, code);
        for (int m = 0; m < 8; ++m)
            if (ColumnRepeatsARank(plain.Piles.TableauPiles[static_cast<size_t>(m)])) {
                ++plainRepeats;
                break;
            }
    }
    // Dealt at random, most deals put a pair into some column: the arrangement is what prevents it.
    EXPECT_GT(plainRepeats, 30);
}

TEST(CatalogueArrangementDeal, TowerOfHanoyDealsAceToNineOfOneSuit) {
    std::set<int> suits;
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, 708, code);
        const std::map<int, int> seen = CardsOnTable(s);
        ASSERT_EQ(seen.size(), 9u) << "code " << code;
        const int suit = CardSuit(seen.begin()->first);
        std::set<int> ranks;
        for (const auto& [card, times] : seen) {
            EXPECT_EQ(times, 1) << "card " << card << " code " << code;
            EXPECT_EQ(CardSuit(card), suit) << "card " << card << " code " << code;
            ranks.insert(CardRank(card));
        }
        EXPECT_EQ(ranks, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9})) << "code " << code;
        for (int m = 0; m < 3; ++m) {
            const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(m)];
            ASSERT_EQ(PileSize(pile), 3) << "Fila" << m + 1 << " code " << code;
            for (int k = 0; k < 3; ++k)
                EXPECT_FALSE(s.Cards.CardIsHidden(PileCard(pile, k)));
        }
        suits.insert(suit);
    }
    EXPECT_EQ(suits.size(), 4u) << "the suit follows the deal";
}

TEST(CatalogueArrangementDeal, BisleyStartsWithTheAcesAndLeavesTheKingFoundationsEmpty) {
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, 755, code);
        ASSERT_EQ(CardsOnTable(s).size(), 52u) << "code " << code;
        for (int k = 0; k < 4; ++k) {
            const std::string& f = s.Piles.FoundationPiles[static_cast<size_t>(k)];
            ASSERT_EQ(PileSize(f), 1) << "Dest" << k + 1 << " code " << code;
            EXPECT_EQ(PileTop(f), 13 * k + 1) << "Dest" << k + 1 << " code " << code;
            EXPECT_TRUE(s.Piles.FoundationPiles[static_cast<size_t>(k + 4)].empty()) << "Dest" << k + 5;
        }
        int dealt = 0;
        for (int m = 0; m < 13; ++m)
            dealt += PileSize(s.Piles.TableauPiles[static_cast<size_t>(m)]);
        EXPECT_EQ(dealt, 48) << "code " << code;
    }
}

TEST(CatalogueArrangementDeal, YukonThirtyTwoUsesThePiquetPackOnly) {
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, 709, code);
        const std::map<int, int> seen = CardsOnTable(s);
        ASSERT_EQ(seen.size(), 32u) << "code " << code;
        for (const auto& [card, times] : seen) {
            EXPECT_EQ(times, 1) << "card " << card;
            EXPECT_TRUE(CardRank(card) == 1 || CardRank(card) >= 7) << "card " << card << " code " << code;
        }
    }
}

} // namespace
} // namespace quillon
