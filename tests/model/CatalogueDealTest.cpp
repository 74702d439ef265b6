// The deals of the catalogue's well-known games: for many deal codes every card of the deck is dealt
// exactly once, every pile shows the face it should, and the foundations start as the game wants.
#include "CatalogueDeals.h"

#include "model/Cards.h"
#include "model/Deal.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace quillon {
namespace {

std::vector<std::string> DealCodes() {
    return testing::SpreadDealCodes(40, 88172645463325252ull);
}

void Deal(Session& s, int game, const std::string& code) {
    testing::DealCatalogueGame(s, game, code);
}

std::vector<const std::string*> AllPiles(const Session& s) {
    std::vector<const std::string*> piles;
    for (const auto& p : s.Piles.StockPiles)
        piles.push_back(&p);
    for (const auto& p : s.Piles.FoundationPiles)
        piles.push_back(&p);
    for (const auto& p : s.Piles.TableauPiles)
        piles.push_back(&p);
    for (const auto& p : s.Piles.ReservePiles)
        piles.push_back(&p);
    return piles;
}

int FaceUp(const Session& s, const std::string& pile) {
    int up = 0;
    for (int k = 0; k < PileSize(pile); ++k)
        up += s.Cards.CardIsHidden(PileCard(pile, k)) ? 0 : 1;
    return up;
}

struct GameCase {
    const char* name;
    int number;
    int deck;
};

void PrintTo(const GameCase& c, std::ostream* os) {
    *os << c.name;
}

class CatalogueDeal : public ::testing::TestWithParam<GameCase> {};

TEST_P(CatalogueDeal, EveryCardOnceAndEveryPileTopShowing) {
    const GameCase& c = GetParam();
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, c.number, code);
        std::map<int, int> seen;
        for (const std::string* pile : AllPiles(s))
            for (int k = 0; k < PileSize(*pile); ++k)
                ++seen[PileCard(*pile, k)];
        ASSERT_EQ(static_cast<int>(seen.size()), c.deck) << "code " << code;
        EXPECT_EQ(seen.begin()->first, 1) << "code " << code;
        EXPECT_EQ(seen.rbegin()->first, c.deck) << "code " << code;
        for (const auto& [card, times] : seen)
            EXPECT_EQ(times, 1) << "card " << card << " code " << code;

        // The play starts from the top cards: each tableau pile and reserve shows its top card, the
        // stock none of its cards.
        for (int i = 0; i < s.Attr(375); ++i) {
            const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(i)];
            ASSERT_FALSE(pile.empty()) << "Fila" << i + 1 << " code " << code;
            EXPECT_FALSE(s.Cards.CardIsHidden(PileTop(pile))) << "Fila" << i + 1 << " code " << code;
        }
        for (int i = 0; i < s.Attr(376); ++i) {
            const std::string& reserve = s.Piles.ReservePiles[static_cast<size_t>(i)];
            if (!reserve.empty()) {
                EXPECT_FALSE(s.Cards.CardIsHidden(PileTop(reserve))) << "Appogg" << i + 1 << " code " << code;
            }
        }
        EXPECT_EQ(FaceUp(s, s.Piles.StockPiles[0]), 0) << "code " << code;
        EXPECT_TRUE(s.Piles.StockPiles[1].empty()) << "the waste starts empty";
    }
}

INSTANTIATE_TEST_SUITE_P(Games, CatalogueDeal,
                         ::testing::Values(GameCase{"Klondike", 101, 52},
                                           GameCase{"KlondikeByThrees", 102, 52},
                                           GameCase{"FreeCell", 103, 52}, GameCase{"Yukon", 104, 52},
                                           GameCase{"FortyThieves", 105, 104}, GameCase{"Spider", 106, 104},
                                           GameCase{"Golf", 107, 52}, GameCase{"BeleagueredCastle", 108, 52},
                                           GameCase{"Canfield", 109, 52}),
                         [](const ::testing::TestParamInfo<GameCase>& info) {
                             return std::string(info.param.name);
                         });

// How many cards lie face down under the face-up ones in each tableau pile after the deal.
struct ShapeCase {
    const char* name;
    int number;
    std::vector<int> faceDown; // per tableau pile
    std::vector<int> faceUp;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class CatalogueShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(CatalogueShape, TableauPilesHaveTheirFaces) {
    const ShapeCase& c = GetParam();
    Session s;
    Deal(s, c.number, "3141592653589");
    ASSERT_EQ(s.Attr(375), static_cast<int>(c.faceDown.size()));
    for (size_t i = 0; i < c.faceDown.size(); ++i) {
        const std::string& pile = s.Piles.TableauPiles[i];
        const int up = FaceUp(s, pile);
        EXPECT_EQ(PileSize(pile) - up, c.faceDown[i]) << "Fila" << i + 1;
        EXPECT_EQ(up, c.faceUp[i]) << "Fila" << i + 1;
        // Face-up cards lie on the face-down ones, never under them.
        for (int k = 0; k < PileSize(pile); ++k)
            EXPECT_EQ(s.Cards.CardIsHidden(PileCard(pile, k)), k < c.faceDown[i])
                << "Fila" << i + 1 << " card " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Games, CatalogueShape,
    ::testing::Values(ShapeCase{"Klondike", 101, {0, 1, 2, 3, 4, 5, 6}, {1, 1, 1, 1, 1, 1, 1}},
                      ShapeCase{"FreeCell", 103, {0, 0, 0, 0, 0, 0, 0, 0}, {7, 7, 7, 7, 6, 6, 6, 6}},
                      ShapeCase{"Yukon", 104, {0, 1, 2, 3, 4, 5, 6}, {1, 5, 5, 5, 5, 5, 5}},
                      ShapeCase{"FortyThieves", 105, std::vector<int>(10, 0), std::vector<int>(10, 4)},
                      ShapeCase{"Spider", 106, {5, 5, 5, 5, 4, 4, 4, 4, 4, 4}, std::vector<int>(10, 1)},
                      ShapeCase{"Golf", 107, std::vector<int>(7, 0), std::vector<int>(7, 5)},
                      ShapeCase{"BeleagueredCastle", 108, std::vector<int>(8, 0), std::vector<int>(8, 6)},
                      ShapeCase{"Canfield", 109, {0, 0, 0, 0}, {1, 1, 1, 1}}),
    [](const ::testing::TestParamInfo<ShapeCase>& info) { return std::string(info.param.name); });

TEST(CatalogueFoundations, BeleagueredCastleStartsWithTheFourAces) {
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, 108, code);
        for (int k = 0; k < 4; ++k) {
            const std::string& f = s.Piles.FoundationPiles[static_cast<size_t>(k)];
            ASSERT_EQ(PileSize(f), 1) << "Dest" << k + 1;
            EXPECT_EQ(PileTop(f), 13 * k + 1) << "Dest" << k + 1 << " code " << code;
            EXPECT_FALSE(s.Cards.CardIsHidden(PileTop(f)));
            EXPECT_EQ(s.Attr(55 + k), 1);
        }
    }
}

TEST(CatalogueFoundations, CanfieldFoundationsAllStartAtTheRankOfTheFirst) {
    std::map<int, int> ranks; // start ranks seen over the codes
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, 109, code);
        const std::string& first = s.Piles.FoundationPiles[0];
        ASSERT_EQ(PileSize(first), 1) << code;
        const int rank = CardRank(PileTop(first));
        EXPECT_FALSE(s.Cards.CardIsHidden(PileTop(first)));
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(s.Attr(55 + k), rank) << "start rank of Dest" << k + 1 << " code " << code;
        for (int k = 1; k < 4; ++k)
            EXPECT_TRUE(s.Piles.FoundationPiles[static_cast<size_t>(k)].empty());
        // The whole reserve is face up, so each card is playable once it comes to the top.
        const std::string& reserve = s.Piles.ReservePiles[0];
        EXPECT_EQ(PileSize(reserve), 13);
        EXPECT_EQ(FaceUp(s, reserve), 13);
        ++ranks[rank];
    }
    EXPECT_GT(ranks.size(), 3u) << "the start rank should vary from deal to deal";
}

TEST(CatalogueFoundations, GolfStartsThePlayPileWithOneCard) {
    for (const std::string& code : DealCodes()) {
        Session s;
        Deal(s, 107, code);
        const std::string& play = s.Piles.StockPiles[2];
        ASSERT_EQ(PileSize(play), 1) << code;
        EXPECT_FALSE(s.Cards.CardIsHidden(PileTop(play)));
        EXPECT_EQ(PileSize(s.Piles.StockPiles[0]), 16);
    }
}

} // namespace
} // namespace quillon
