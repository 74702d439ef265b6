// Card flights: step lengths, the frames and pauses of a flight, the shadow landing, flights to
// piles off the table, and the hop.

#include "engine/CardFlight.h"
#include "PlayTable.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

TEST(CardFlight, StepLengthsByDistance) {
    struct Row {
        int distance, normal, fast;
    } rows[] = {{1, 0, 0},     {2, 0, 0},     {5, 1, 0},     {10, 2, 1},    {20, 5, 4},    {50, 11, 9},
                {100, 19, 17}, {200, 30, 27}, {300, 38, 34}, {500, 48, 43}, {1000, 60, 54}};
    for (const Row& r : rows) {
        EXPECT_EQ(FlightStepLength(r.distance, false), r.normal) << r.distance;
        EXPECT_EQ(FlightStepLength(r.distance, true), r.fast) << r.distance;
        EXPECT_EQ(FlightStepLength(-r.distance, false), r.normal) << -r.distance;
    }
}

TEST(CardFlight, ThreeHundredPixelsTakeEightStepsWithSevenFrames) {
    PlayTable t;
    FlyCard(t.s, 5, 100, 50, 400, 50, true, false, false, true);
    const auto moves = t.view.Lines("Move ");
    std::vector<std::string> expected;
    for (int k = 1; k <= 7; ++k)
        expected.push_back("Move " + std::to_string(100 + 38 * k) + ",50");
    expected.push_back("Move 400,50 commit blend");
    EXPECT_EQ(moves, expected);
    EXPECT_EQ(t.view.Lines("Busy "), std::vector<std::string>(8, "Busy 10"));
    EXPECT_EQ(t.view.Lines("Build "), std::vector<std::string>{"Build 5"});
    EXPECT_EQ(t.s.DragRect, (TableRect{100, 50, 171, 146}));
    EXPECT_EQ(t.s.Game.DragCard, 0);
}

TEST(CardFlight, DiagonalFlightKeepsTheMinorAxisInProportionAndEndsOnTarget) {
    PlayTable t;
    FlyCard(t.s, 5, 0, 0, 100, -60, false, false, false, false);
    const auto moves = t.view.Lines("Move ");
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), "Move 100,-60 blend");
    // Step 19: x 19, 38, 57, 76, 95 with y following at 60 %.
    EXPECT_EQ(moves[0], "Move 19,-11");
    EXPECT_EQ(moves[1], "Move 38,-22");
    EXPECT_EQ(moves.size(), 6u);
}

TEST(CardFlight, EqualDistancesMoveHorizontallyFirst) {
    PlayTable t;
    FlyCard(t.s, 5, 0, 0, 50, 50, false, false, false, false);
    // Major axis horizontal: step 11 on x, y follows.
    EXPECT_EQ(t.view.Lines("Move ")[0], "Move 11,11");
}

TEST(CardFlight, ShortFlightsShowTheCardAtOnce) {
    struct Row {
        int distance;
        bool fast;
    } rows[] = {{1, false}, {2, false}, {6, true}, {0, false}};
    for (const Row& r : rows) {
        PlayTable t;
        FlyCard(t.s, 5, 10, 10, 10 + r.distance, 10, false, false, r.fast, true);
        EXPECT_EQ(t.view.Lines("Move "),
                  std::vector<std::string>{"Move " + std::to_string(10 + r.distance) + ",10 commit blend"})
            << r.distance;
        EXPECT_EQ(t.view.Count("Busy"), 0) << r.distance;
    }
}

TEST(CardFlight, PausesFollowTheSpeedSetting) {
    struct Row {
        const char* speed;
        bool fast;
        const char* pause; // nullptr: no pause at all
    } rows[] = {{"10", false, "Busy 10"}, {"10", true, "Busy 5"}, {"0", false, nullptr},
                {"0", true, nullptr},     {"1", true, nullptr},   {"25", false, "Busy 25"}};
    for (const Row& r : rows) {
        PlayTable t;
        t.s.Params.WriteParam(param::SpeedMoveCard, 2, r.speed);
        FlyCard(t.s, 5, 0, 0, 300, 0, false, false, r.fast, false);
        const auto pauses = t.view.Lines("Busy");
        if (!r.pause) {
            EXPECT_TRUE(pauses.empty()) << r.speed;
            continue;
        }
        ASSERT_FALSE(pauses.empty()) << r.speed;
        for (const auto& p : pauses)
            EXPECT_EQ(p, r.pause) << r.speed;
    }
}

TEST(CardFlight, WithShadowTheCardTravelsRaisedAndLandsAfterAPause) {
    PlayTable t;
    t.s.Params.WriteParam(param::CardsShadowed, 1, "Y");
    FlyCard(t.s, 5, 0, 0, 300, 0, false, true, false, true);
    const auto moves = t.view.Lines("Move ");
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves[moves.size() - 2], "Move 291,-9 blend");
    EXPECT_EQ(moves.back(), "Move 300,0 commit blend");
    EXPECT_EQ(t.view.log[t.view.log.size() - 2], "Busy 20");
    EXPECT_EQ(t.s.Params.ReadParam(param::CardsShadowed, 1), "Y") << "restored after the flight";
}

// A view that notes the shadow switch at every frame of a flight.
struct ShadowPeek : RecordingTableView {
    Session* s = nullptr;
    std::vector<std::string> seen;
    bool MoveDragImage(int x, int y, bool c, bool b) override {
        seen.push_back(s->Params.ReadParam(param::CardsShadowed, 1));
        return RecordingTableView::MoveDragImage(x, y, c, b);
    }
};

TEST(CardFlight, ShadowSwitchIsOffDuringAnOrdinaryFlightButNotDuringAFill) {
    struct Row {
        int fill;
        const char* during;
    } rows[] = {{0, "N"}, {1, "Y"}};
    for (const Row& r : rows) {
        PlayTable t;
        t.s.Params.WriteParam(param::CardsShadowed, 1, "Y");
        t.s.Game.MultiCardFill = static_cast<std::int16_t>(r.fill);
        ShadowPeek peek;
        peek.s = &t.s;
        t.s.view = &peek;
        FlyCard(t.s, 5, 0, 0, 300, 0, false, false, false, false);
        ASSERT_EQ(peek.seen.size(), 8u) << "seven frames and the landing";
        for (size_t k = 0; k < 7; ++k)
            EXPECT_EQ(peek.seen[k], r.during) << r.fill;
        EXPECT_EQ(peek.seen.back(), "Y") << "the landing comes after the switch is restored";
        EXPECT_EQ(t.s.Params.ReadParam(param::CardsShadowed, 1), "Y");
    }
}

TEST(CardFlight, PilesOffTheTableSendTheCardPastTheTopLeftCorner) {
    PlayTable t;
    FlyCard(t.s, 5, 100, 100, -10001, -10001, false, false, false, false);
    EXPECT_EQ(t.view.Lines("Move ").back(), "Move -213,-288 blend");
}

TEST(CardFlight, CommitsDirectlyWhenThePictureAlreadyStandsThere) {
    PlayTable t;
    struct Still : RecordingTableView {
        bool MoveDragImage(int x, int y, bool c, bool b) override {
            RecordingTableView::MoveDragImage(x, y, c, b);
            return false;
        }
    } still;
    t.s.view = &still;
    t.s.Game.ScrollOffset = 40;
    FlyCard(t.s, 5, 50, 50, 50, 50, false, false, false, true);
    EXPECT_EQ(still.Lines("Commit "), std::vector<std::string>{"Commit 50,90"});
    still.log.clear();
    FlyCard(t.s, 5, 50, 50, 50, 50, false, false, false, false);
    EXPECT_EQ(still.Count("Commit "), 0);
}

TEST(CardFlight, HopGoesUpAndLeftAndBack) {
    PlayTable t;
    t.s.Params.WriteParam(param::CardsShadowed, 1, "Y");
    HopCard(t.s, 5, 2, 210, 150);
    const auto moves = t.view.Lines("Move ");
    // First leg ends raised at (180 - 9, 120 - 9) and lands at (180, 120); the second lands home.
    EXPECT_NE(std::find(moves.begin(), moves.end(), "Move 180,120 blend"), moves.end());
    EXPECT_EQ(moves.back(), "Move 210,150 blend");
    EXPECT_GE(t.view.Index("Busy 10"), 0);
    EXPECT_GE(t.view.Index("Card 5 210,150 both"), 0);
    EXPECT_GE(t.view.Index("Repaint 180,120 311,276"), 0);
    EXPECT_EQ(t.view.log.back(), "Busy 50");
    EXPECT_EQ(t.view.Count("Commit"), 0);
}

} // namespace
} // namespace quillon::test
