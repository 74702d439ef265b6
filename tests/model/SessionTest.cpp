#include "model/Session.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Session, StartsInTheStartUpState) {
    Session s;
    EXPECT_EQ(s.Params.ReadParam(1, 20), "Cfg.dat");
    EXPECT_EQ(s.Game.CardImagesState, 2);
    EXPECT_EQ(s.Game.CardSetVariant, 4);
    EXPECT_EQ(s.Game.FoundationMark, -1);
    EXPECT_EQ(s.Game.DragCard, 0);
    EXPECT_EQ(s.Game.RunEndCard, 0);
    EXPECT_EQ(s.Game.SmallScreenAdviceShown, 0);
    EXPECT_TRUE(s.Game.GameList.empty());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(s.StateFlags[i], i == FirstActivationPending ? 1 : 0) << "flag " << i;
    EXPECT_NE(s.desktop, nullptr);
    EXPECT_EQ(s.Hooks.RuleAccepts, nullptr);
}

TEST(Session, YGettersRemoveTheScrollOffset) {
    Session s;
    s.Game.SetFoundationX(0, 100);
    s.Game.SetFoundationY(0, 300);
    s.Game.SetReserveY(3, 200);
    s.Game.SetStockY(2, 50);
    s.TableauX[5] = 17;
    s.TableauY[5] = 120;
    s.Game.ScrollOffset = 40;
    EXPECT_EQ(s.Game.GetFoundationX(0), 100);
    EXPECT_EQ(s.Game.GetFoundationY(0), 260);
    EXPECT_EQ(s.Game.GetReserveY(3), 160);
    EXPECT_EQ(s.Game.GetStockY(2), 10);
    EXPECT_EQ(s.GetTableauX(5), 17);
    EXPECT_EQ(s.GetTableauY(5), 80);
    // Setters store the value as given, whatever the scroll.
    EXPECT_EQ(s.Game.FoundationY[0], 300);
}

TEST(Session, ResetPilePositionsMarksEveryPileNotShown) {
    Session s;
    s.Game.SetStockX(0, 5);
    s.Game.SetFoundationY(15, 5);
    s.Game.SetReserveX(11, 5);
    s.TableauY[39] = 5;
    s.ResetPilePositions();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.Game.StockX[i], kStockHidden);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(s.Game.FoundationY[i], kFoundationHidden);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(s.Game.ReserveX[i], kReserveHidden);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(s.TableauY[i], kTableauHidden);
}

TEST(Session, NewGameResetsTheCountersOfTheGameInProgress) {
    Session s;
    s.Game.DealDone = 1;
    s.Game.MovesMade = 2;
    s.Game.StockPressed = 1;
    s.Game.CardsTurnedBack = 3;
    s.Game.OnceUsed = 1;
    s.Game.FreshDeal = 1;
    s.Game.GameStarted = 1;
    s.Game.RedealCount = 4;
    s.StateValues[DealCounter] = 9;
    s.ResetForNewGame();
    EXPECT_EQ(s.Game.DealDone, 0);
    EXPECT_EQ(s.Game.MovesMade, 0);
    EXPECT_EQ(s.Game.StockPressed, 0);
    EXPECT_EQ(s.Game.CardsTurnedBack, 0);
    EXPECT_EQ(s.Game.OnceUsed, 0);
    EXPECT_EQ(s.Game.FreshDeal, 0);
    EXPECT_EQ(s.Game.GameStarted, -1);
    EXPECT_EQ(s.Game.RedealCount, 1);
    EXPECT_EQ(s.StateValues[DealCounter], 0);
    // The jitter table is drawn anew from the session's generator.
    RandomGenerator copy;
    copy.seed = 12345;
    s.Random.seed = 12345;
    s.ResetForNewGame();
    JitterRows expected{};
    BuildJitterTable(expected, [&](int n) { return copy.RandomInt(n); });
    EXPECT_EQ(s.JitterTable, expected);
    EXPECT_EQ(s.Random.seed, copy.seed);
}

TEST(JitterTable, StaysWithinItsBoundsForManySeeds) {
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        RandomGenerator random;
        random.seed = seed * 2654435761u;
        JitterRows table{};
        BuildJitterTable(table, [&](int n) { return random.RandomInt(n); });
        for (const auto& row : table) {
            ASSERT_EQ(row[0], 0);
            ASSERT_EQ(row[13], 0);
            int sum = 0;
            for (int v : row) {
                ASSERT_GE(v, -3);
                ASSERT_LE(v, 3);
                sum += v;
                ASSERT_GE(sum, -2) << "seed " << seed;
                ASSERT_LE(sum, 2) << "seed " << seed;
            }
        }
    }
}

TEST(JitterTable, FollowsTheDrawsExactly) {
    // Scripted draws: prev = 3, then 3 (both above 2: becomes 0), 1 (after 0: becomes 0), 3 (-1),
    // 1 (after 3: stays 1), 2 (after 1: becomes 0), then 3s alternate with forced 0s.
    std::vector<int> draws = {3, 3, 1, 3, 1, 2, 3, 3, 3, 3, 3, 3, 3};
    size_t next = 0;
    JitterRows table{};
    BuildJitterTable(table, [&](int n) {
        EXPECT_EQ(n, 4);
        return next < draws.size() ? draws[next++] : 0;
    });
    // Row 1: d = 0, 0, -1, 1, 0, -1, 0, -1, 0, then a -1 that takes the sum to -3 and is turned into
    // +1, then 0, -1.
    std::array<std::int16_t, 14> expected = {0, 0, 0, -1, 1, 0, -1, 0, -1, 0, 1, 0, -1, 0};
    EXPECT_EQ(table[0], expected);
}

TEST(Session, RandomIntIsTheLinearCongruentialGenerator) {
    Session s;
    s.Random.seed = 0;
    EXPECT_EQ(s.Random.RandomInt(100), 0); // seed becomes 1: 1 * 100 >> 32
    EXPECT_EQ(s.Random.seed, 1u);
    EXPECT_EQ(s.Random.RandomInt(1000), 31); // seed 134775814: 134775814000 >> 32 = 31
    EXPECT_EQ(s.Random.seed, 134775814u);
    EXPECT_EQ(s.Random.RandomInt(0), 0);
    EXPECT_EQ(s.Random.seed, 134775814u) << "an empty range draws nothing";
}

TEST(Session, IsTableauTopLooksOnlyAtTheGamesPiles) {
    Session s;
    s.GameAttr[375] = 2;
    s.Piles.TableauPiles[0] = "001002";
    s.Piles.TableauPiles[1] = "003";
    s.Piles.TableauPiles[2] = "004";
    EXPECT_TRUE(s.IsTableauTop(2));
    EXPECT_TRUE(s.IsTableauTop(3));
    EXPECT_FALSE(s.IsTableauTop(1));
    EXPECT_FALSE(s.IsTableauTop(4)) << "pile 3 is not in play";
    s.GameAttr[375] = 99;
    EXPECT_TRUE(s.IsTableauTop(4));
    EXPECT_FALSE(s.IsTableauTop(0)) << "an empty pile has no top card";
}

struct EdgeCase {
    const char* what;
    int fanMode;
    const char* content;
    const char* faceDown; // cards turned face down first
    int expected;         // bottom edge with top y 100, card height 96, up 20, down 5, mode-5 step 7
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.what; }

class BottomEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(BottomEdge, AddsTheStepsOfTheFanMode) {
    const auto& c = GetParam();
    Session s;
    s.Metrics.CardHeight = 96;
    s.Game.StepUpY = 20;
    s.Game.StepDownY = 5;
    s.Game.StepMode5 = 7;
    s.GameAttr[3] = static_cast<std::int16_t>(c.fanMode);
    s.TableauY[2] = 140;
    s.Game.ScrollOffset = 40;
    s.Piles.TableauPiles[2] = c.content;
    s.Cards.SetPileFaces(c.faceDown, 99, '0');
    EXPECT_EQ(s.PileBottomEdge("Fila3"), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, BottomEdge,
    ::testing::Values(EdgeCase{"empty pile", 1, "", "", 196}, EdgeCase{"one card", 1, "005", "", 196},
                      EdgeCase{"mode 1 up and down", 1, "001002003", "001", 100 + 5 + 20 + 96},
                      EdgeCase{"mode 13", 13, "001002003", "", 100 + 20 + 20 + 96},
                      EdgeCase{"mode 5", 5, "001002003", "002", 100 + 7 + 7 + 96},
                      EdgeCase{"mode 12 empty slot counts up", 12, "000002003", "002", 100 + 20 + 5 + 96},
                      EdgeCase{"mode 1 empty slot counts down", 1, "000002003", "", 100 + 5 + 20 + 96},
                      EdgeCase{"mode 7 one step once", 7, "001002003", "", 100 + 20 + 96},
                      EdgeCase{"mode 7 single card", 7, "001", "", 196},
                      EdgeCase{"mode 2 adds nothing", 2, "001002003", "", 196}));

TEST(Session, BottomEdgeOfFoundationsReservesAndBadNames) {
    Session s;
    s.Metrics.CardHeight = 96;
    s.Game.StepUpY = 20;
    s.GameAttr[4] = 1;
    s.GameAttr[5] = 2;
    s.Game.SetFoundationY(0, 10);
    s.Game.SetReserveY(0, 30);
    s.Piles.FoundationPiles[0] = "001002";
    s.Piles.ReservePiles[0] = "003004";
    EXPECT_EQ(s.PileBottomEdge("Dest1"), 10 + 20 + 96);
    EXPECT_EQ(s.PileBottomEdge("Appogg1"), 30 + 96);
    for (const char* bad : {"Fila0", "Fila41", "Dest17", "Appogg13", "Mazzo", "Waste", ""})
        EXPECT_EQ(s.PileBottomEdge(bad), 0) << bad;
}

} // namespace
} // namespace quillon
