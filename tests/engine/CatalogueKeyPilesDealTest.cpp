// The deals of the games whose piles stand on a key card (Salic Law, Faerie Queen, Intrigue,
// Glencoe) and of Windmill, made from the compiled catalogue with the engine's building rules in
// place, so that the dealt cards that fit go to the foundations as the game deals them. For many
// deal codes each deal holds all 104 cards once, every pile stands on its key card and holds no
// other, and every foundation is a true sequence of its own row.
#include "engine/GameEnd.h"
#include "model/Cards.h"
#include "model/CatalogueDeals.h"
#include "model/Deal.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quillon {
namespace {

std::vector<std::string> DealCodes() {
    return testing::SpreadDealCodes(40, 0x9E3779B97F4A7C15ull);
}

bool Deal(Session& s, int game, const std::string& code) {
    InstallPlayHooks(s);
    testing::DealCatalogueGame(s, game, code);
    return !::testing::Test::HasFatalFailure();
}

// One row of foundations: its first index, how many, the rank that starts it, the rank that ends
// it and its direction (down goes round the corner from the ace to the king).
struct Row {
    int first, count, start, last;
    bool up;
};

struct KeyPileGame {
    const char* name;
    int game;
    int keyRank; // the rank that starts each pile
    std::vector<Row> rows;
    bool suitOfPile; // a foundation starts in the suit of the key card of the pile in its place
};

void PrintTo(const KeyPileGame& g, std::ostream* os) {
    *os << g.name;
}

class KeyPileDeal : public ::testing::TestWithParam<KeyPileGame> {};

TEST_P(KeyPileDeal, PilesStandOnTheKeyCardAndFoundationsFollowTheirRow) {
    const KeyPileGame& g = GetParam();
    int offSuit = 0; // foundations started in another suit than the key card of their pile
    int started = 0; // foundations the deal started
    for (const std::string& code : DealCodes()) {
        Session s;
        if (!Deal(s, g.game, code))
            return;
        ASSERT_TRUE(testing::EveryCardOnce(s, 104)) << "code " << code;
        for (int m = 0; m < 8; ++m) {
            const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(m)];
            ASSERT_GE(PileSize(pile), 1) << "Fila" << m + 1 << " code " << code;
            EXPECT_EQ(CardRank(PileCard(pile, 0)), g.keyRank) << "Fila" << m + 1 << " code " << code;
            for (int k = 1; k < PileSize(pile); ++k)
                EXPECT_NE(CardRank(PileCard(pile, k)), g.keyRank) << "Fila" << m + 1 << " code " << code;
        }
        for (const Row& row : g.rows) {
            for (int f = row.first; f < row.first + row.count; ++f) {
                const std::string& pile = s.Piles.FoundationPiles[static_cast<size_t>(f)];
                if (pile.empty())
                    continue;
                ++started;
                int want = row.start;
                for (int k = 0; k < PileSize(pile); ++k) {
                    EXPECT_EQ(CardRank(PileCard(pile, k)), want)
                        << "Dest" << f + 1 << " card " << k << " code " << code;
                    if (k + 1 < PileSize(pile)) {
                        EXPECT_NE(want, row.last) << "Dest" << f + 1 << " goes past its end, code " << code;
                    }
                    want = row.up ? want + 1 : (want == 1 ? 13 : want - 1);
                }
                const int key = PileCard(s.Piles.TableauPiles[static_cast<size_t>(f % 8)], 0);
                const bool sameSuit = CardSuit(PileCard(pile, 0)) == CardSuit(key);
                if (g.suitOfPile) {
                    EXPECT_TRUE(sameSuit) << "Dest" << f + 1 << " code " << code;
                }
                offSuit += sameSuit ? 0 : 1;
            }
        }
    }
    // The deals do put cards home, and only the games that tie suits keep them to their pile.
    EXPECT_GT(started, 100);
    if (!g.suitOfPile) {
        EXPECT_GT(offSuit, 0);
    }
}

const KeyPileGame kKeyPileGames[] = {
    {"FaerieQueen", 711, 13, {{0, 8, 1, 12, true}}, false},
    {"SalicLaw", 772, 13, {{0, 8, 1, 11, true}}, false},
    {"Intrigue", 780, 12, {{0, 8, 6, 11, true}, {8, 8, 5, 13, false}}, false},
    {"Glencoe", 781, 12, {{0, 8, 6, 11, true}, {8, 8, 5, 13, false}}, true},
};

INSTANTIATE_TEST_SUITE_P(Games, KeyPileDeal, ::testing::ValuesIn(kKeyPileGames),
                         [](const ::testing::TestParamInfo<KeyPileGame>& info) { return info.param.name; });

// Windmill: the first ace of the pack lies alone on the middle foundation, the corners wait for
// kings, each of the eight sails holds one card face up and the stock the other 95 face down.
TEST(WindmillDeal, OneAceInTheMiddleAndEightSails) {
    for (const std::string& code : DealCodes()) {
        Session s;
        if (!Deal(s, 782, code))
            return;
        ASSERT_TRUE(testing::EveryCardOnce(s, 104)) << "code " << code;
        for (int f = 0; f < 5; ++f) {
            const std::string& pile = s.Piles.FoundationPiles[static_cast<size_t>(f)];
            if (f == 2) {
                ASSERT_EQ(PileSize(pile), 1) << "code " << code;
                EXPECT_EQ(CardRank(PileTop(pile)), 1) << "code " << code;
            } else {
                EXPECT_TRUE(pile.empty()) << "Dest" << f + 1 << " code " << code;
            }
        }
        for (int m = 0; m < 8; ++m) {
            const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(m)];
            ASSERT_EQ(PileSize(pile), 1) << "Fila" << m + 1 << " code " << code;
            EXPECT_FALSE(s.Cards.CardIsHidden(PileTop(pile))) << "Fila" << m + 1 << " code " << code;
        }
        const std::string& stock = s.Piles.StockPiles[0];
        ASSERT_EQ(PileSize(stock), 95) << "code " << code;
        for (int k = 0; k < PileSize(stock); ++k)
            EXPECT_TRUE(s.Cards.CardIsHidden(PileCard(stock, k))) << "code " << code;
    }
}

} // namespace
} // namespace quillon
