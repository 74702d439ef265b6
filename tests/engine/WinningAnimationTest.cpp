// The winning animation on a fake window: the cards each pattern strews and where, the pauses and
// message pumps between them, the stop, the time limit across the tick count's wrap, and the
// outline of the circles.

#include "engine/WinningAnimation.h"
#include "engine/CardPlaces.h"
#include "engine/TableView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace quillon::test {
namespace {

struct Drawn {
    int card, x, y;
};

// A window 800 x 600 outside, 790 x 560 inside, whose table begins 40 px down. Its clock moves
// only with the pauses (and 1 ms per message pump), so nothing sleeps.
class FakeWindow : public SilentTableView {
public:
    WindowArea area{800, 600, 790, 560, 40};
    std::uint32_t now = 0;
    std::vector<Drawn> drawn; // in window coordinates
    int pumps = 0, pausedMs = 0;
    std::vector<std::string> switches;
    std::function<void(FakeWindow&)> onDraw, onPump;
    Session* s = nullptr;

    WindowArea AnimationArea() override { return area; }
    void WatchForStopPress(bool on) override { switches.push_back(on ? "watch on" : "watch off"); }
    void SwallowInput(bool on) override { switches.push_back(on ? "swallow on" : "swallow off"); }
    void DrawLooseCard(int card, int x, int y) override {
        EXPECT_EQ(s->StateFlags[AutomaticSequence], 1) << "cards are drawn only while the flag is on";
        drawn.push_back({card, x, y + area.tableTop});
        if (onDraw)
            onDraw(*this);
    }
    std::uint32_t Ticks() override { return now; }
    void PauseBusy(int ms) override {
        now += static_cast<std::uint32_t>(ms);
        pausedMs += ms;
    }
    void PumpMessages() override {
        ++pumps;
        ++now;
        if (onPump)
            onPump(*this);
    }
    // The player presses a key: the flag goes off, as the window's watcher does it.
    void Stop() { s->StateFlags[AutomaticSequence] = 0; }
};

struct Fixture {
    Session s;
    FakeWindow view;
    Fixture() {
        s.view = &view;
        view.s = &s;
        s.Random.seed = 12345;
        s.Params.WriteParam(param::SpeedMoveCard, 2, "10");
    }
    // Runs a pattern until `cards` cards are drawn (the player then presses a key).
    void RunUntil(const std::string& name, size_t cards) {
        view.onDraw = [cards](FakeWindow& w) {
            if (w.drawn.size() >= cards)
                w.Stop();
        };
        WinningAnimation(s, name, 1000000);
    }
};

TEST(CircleOutline, PointsRunClockwiseFromTheTopAlongTheCircle) {
    const std::vector<OutlinePoint> points = CircleOutlinePoints(150, 300);
    ASSERT_GE(points.size(), 140u);
    ASSERT_LE(points.size(), 160u);
    EXPECT_EQ(points[0], (OutlinePoint{150, 1})) << "the top row's first pixel right of the middle";
    double lastAngle = -1;
    for (size_t k = 0; k < points.size(); ++k) {
        const double dx = points[k].x - 149.5, dy = points[k].y - 149.5;
        const double radius = std::hypot(dx, dy);
        EXPECT_NEAR(radius, 149.5, 1.5) << k;
        // Clockwise on the screen (y down), measured from straight up.
        double angle = std::atan2(dx, -dy);
        if (angle < 0)
            angle += 2 * M_PI;
        if (k > 0) {
            EXPECT_GT(angle, lastAngle) << k;
            // One pixel per row, every fourth row.
            EXPECT_LE(std::abs(points[k].y - points[k - 1].y), 4) << k;
        }
        lastAngle = angle;
    }
    EXPECT_LT(points.back().x, 150) << "the walk ends on the left half";
    EXPECT_EQ(CircleOutlinePoints(150, 10).size(), 10u);
    EXPECT_EQ(std::vector<OutlinePoint>(points.begin(), points.begin() + 10), CircleOutlinePoints(150, 10));
    EXPECT_TRUE(CircleOutlinePoints(0, 300).empty());
}

TEST(WinningAnimation, EveryPatternShowsItsFirstUnitEvenWithNoTime) {
    struct Row {
        const char* name;
        size_t atLeast, atMost;
    } rows[] = {
        {"Open order", 1, 1}, {"Left to right", 1, 1}, {"Up to down", 1, 1},    {"Festoons", 30, 200},
        {"Lines", 2, 200},    {"Circles", 20, 160},    {"No such thing", 0, 0},
    };
    for (const Row& r : rows) {
        Fixture f;
        WinningAnimation(f.s, r.name, 0);
        EXPECT_GE(f.view.drawn.size(), r.atLeast) << r.name;
        EXPECT_LE(f.view.drawn.size(), r.atMost) << r.name;
        EXPECT_EQ(f.s.StateFlags[AutomaticSequence], 0) << r.name;
        EXPECT_EQ(f.view.switches,
                  (std::vector<std::string>{"swallow on", "watch on", "watch off", "swallow off"}))
            << r.name;
        for (const Drawn& d : f.view.drawn) {
            EXPECT_GE(d.card, 1) << r.name;
            EXPECT_LE(d.card, 51) << r.name << ": never the king of spades, a joker or a second deck";
        }
    }
}

TEST(WinningAnimation, RandomPicksOnlyTheFirstThreePatterns) {
    std::set<std::string> seen;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Fixture f;
        f.s.Random.seed = seed * seed * 977u + seed * 31337u;
        WinningAnimation(f.s, "(Random)", 0);
        ASSERT_EQ(f.view.drawn.size(), 1u) << "one card: neither a festoon, a line nor a circle";
        const Drawn& d = f.view.drawn[0];
        seen.insert(d.x == -20 && d.y == 40   ? "Left to right"
                    : d.x == -10 && d.y == 40 ? "Up to down"
                                              : "Open order");
    }
    EXPECT_EQ(seen.size(), 3u);
}

TEST(WinningAnimation, OpenOrderStrewsCardsOverTheWholeWindowAndPausesEveryFifth) {
    Fixture f;
    f.RunUntil("Open order", 2000);
    ASSERT_EQ(f.view.drawn.size(), 2000u);
    int minX = 9999, maxX = -9999, minY = 9999, maxY = -9999;
    for (const Drawn& d : f.view.drawn) {
        minX = std::min(minX, d.x), maxX = std::max(maxX, d.x);
        minY = std::min(minY, d.y), maxY = std::max(maxY, d.y);
    }
    EXPECT_GE(minX, -35);
    EXPECT_LE(minX, -25);
    EXPECT_GE(maxX, 770);
    EXPECT_LT(maxX, 800);
    EXPECT_GE(minY, -48);
    EXPECT_LE(minY, -38);
    EXPECT_GE(maxY, 570);
    EXPECT_LT(maxY, 600);
    EXPECT_EQ(f.view.pausedMs, 2000 / 5 * 5) << "5 ms (half the speed setting) every fifth card";
    EXPECT_EQ(f.view.pumps, 2000 / 5 + 1) << "messages run every fifth card, and once at the end";
}

TEST(WinningAnimation, LeftToRightFillsRowsThenStartsThePassBetweenThem) {
    Fixture f; // card 71 x 96: 12 px between cards of a row
    f.view.area = {200, 300, 190, 260, 40};
    f.RunUntil("Left to right", 200);
    std::vector<std::pair<int, int>> rowStarts; // (x, y) of each row's first card
    for (size_t k = 0; k < f.view.drawn.size(); ++k) {
        const Drawn& d = f.view.drawn[k];
        if (k == 0 || d.y != f.view.drawn[k - 1].y) {
            rowStarts.push_back({d.x, d.y});
        } else {
            EXPECT_EQ(d.x - f.view.drawn[k - 1].x, 12) << k;
        }
        EXPECT_LT(d.x, 200);
    }
    const std::vector<std::pair<int, int>> expected = {
        {-20, 40}, {-23, 75}, {-17, 110}, {-23, 145}, {-17, 180}, // the first pass, rows 35 px apart
        {-23, 35}, {-17, 70}, {-23, 105}, {-17, 140}, {-23, 175}, // the second falls between them
    };
    ASSERT_GE(rowStarts.size(), expected.size());
    const std::vector<std::pair<int, int>> firstTen(rowStarts.begin(), rowStarts.begin() + 10);
    EXPECT_EQ(firstTen, expected);
    // Each full row waits 700 ms letting messages run.
    EXPECT_GE(f.view.pumps, 700 * 9);
}

TEST(WinningAnimation, UpToDownFillsColumns) {
    Fixture f;
    f.view.area = {300, 200, 290, 160, 40};
    f.RunUntil("Up to down", 60);
    const auto& d = f.view.drawn;
    EXPECT_EQ(d[0].x, -10);
    EXPECT_EQ(d[0].y, 40);
    EXPECT_EQ(d[1].y - d[0].y, 18) << "a fifth of a card lower (96 / 5.3)";
    size_t k = 1;
    while (k < d.size() && d[k].x == -10)
        ++k;
    ASSERT_LT(k, d.size());
    EXPECT_GE(d[k - 1].y + 18, 200) << "the column reaches the window's bottom";
    EXPECT_EQ(d[k].x, -10 + 47) << "the next column two thirds of a card right";
    EXPECT_EQ(d[k].y, -32) << "an odd column starts a third of a card above the window";
}

// Vertical steps of consecutive frames of one festoon card.
std::vector<int> Steps(const std::vector<Drawn>& d, size_t from, size_t to) {
    std::vector<int> out;
    for (size_t k = from + 1; k < to; ++k)
        out.push_back(d[k].y - d[k - 1].y);
    return out;
}

TEST(WinningAnimation, FestoonsFallAndBounceByTheirTables) {
    Fixture f;
    f.view.area = {1280, 1024, 1270, 700, 50};
    f.RunUntil("Festoons", 3000);
    const auto& d = f.view.drawn;
    // The first card: all its frames share the card and the horizontal step.
    size_t end = 1;
    while (end < d.size() && d[end].x - d[end - 1].x == d[1].x - d[0].x && d[end].y - d[end - 1].y > -30)
        ++end;
    const int dx = d[1].x - d[0].x;
    EXPECT_GE(std::abs(dx), 2);
    EXPECT_LE(std::abs(dx), 6);
    EXPECT_GE(d[0].y, 0) << "starts just above the table: 50 - 50 + Random(40)";
    EXPECT_LT(d[0].y, 40);
    EXPECT_LE(d[0].x + 71, 1270);
    // The fall: 1 frame still, 4 frames of 3 px, 6 of 5, 8 of 7, ... until the card reaches the floor.
    const std::vector<int> steps = Steps(d, 0, end);
    std::vector<int> fall;
    const int F[] = {0, 3, 5, 7, 9, 11, 13, 15, 17, 19}, N[] = {1, 4, 6, 8, 10, 12, 14, 16, 18, 101};
    int y = d[0].y;
    for (int k = 0; k < 10 && y + 96 < 700; ++k)
        for (int j = 0; j < N[k] && y + 96 < 700; ++j) {
            fall.push_back(F[k]);
            y += F[k];
        }
    ASSERT_GT(steps.size(), fall.size());
    EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + long(fall.size())), fall);
    // Then the first bounce, high or low by a coin: up by 19, 17, 15 ... and down again.
    const std::vector<int> high = {-19, -17, -15, -15, -15, -15, -13, -13, -13, -13, -13};
    const std::vector<int> low = {-19, -17, -15, -15, -15, -13, -13, -13, -13, -11, -11};
    const std::vector<int> bounce(steps.begin() + long(fall.size()), steps.begin() + long(fall.size()) + 11);
    EXPECT_TRUE(bounce == high || bounce == low);
    // The bounces end when the card has left the window sideways.
    EXPECT_TRUE(d[end - 1].x + dx > 1280 || d[end - 1].x + dx < -71);
    ASSERT_LT(end, d.size()) << "the next card follows";
    EXPECT_LT(d[end].y, 40) << "the next card falls from the top again";
}

TEST(WinningAnimation, LinesRunAtFortyFiveDegreesAndReflectOffTheTableEdges) {
    Fixture f;
    f.RunUntil("Lines", 3000);
    const auto& d = f.view.drawn;
    int lines = 1;
    EXPECT_EQ(d[0].y, 40) << "starts at the top of the table";
    EXPECT_GT(d[1].y, d[0].y) << "the first line runs downward";
    for (size_t k = 1; k < d.size(); ++k) {
        const int dx = d[k].x - d[k - 1].x, dy = d[k].y - d[k - 1].y;
        if (d[k].card != d[k - 1].card ||
            (k >= 2 && (dx != d[k - 1].x - d[k - 2].x || dy != d[k - 1].y - d[k - 2].y)))
            ++lines;
        ASSERT_EQ(std::abs(dx), std::abs(dy)) << k;
        EXPECT_GE(std::abs(dx), 4) << k;
        EXPECT_LE(std::abs(dx), 11) << k;
        // A card never goes more than one step beyond the table's edges (0, 40, 790, 560).
        EXPECT_GT(d[k].x, -12) << k;
        EXPECT_LT(d[k].x + 71, 790 + 12) << k;
        EXPECT_GT(d[k].y, 40 - 12) << k;
        EXPECT_LT(d[k].y + 96, 560 + 12) << k;
    }
    EXPECT_GT(lines, 10);
}

TEST(WinningAnimation, CirclesTraceTheOutlineAndSkipWhatLiesOutsideTheWindow) {
    const std::vector<OutlinePoint> points = CircleOutlinePoints(150, 300);
    // A roomy window, and one hardly larger than a card where circles are pushed to negative
    // offsets and most of their points lie outside.
    for (const WindowArea area :
         {WindowArea{1300, 1000, 1290, 960, 40}, WindowArea{200, 200, 160, 160, 40}}) {
        Fixture f;
        f.view.area = area;
        WinningAnimation(f.s, "Circles", 0);
        // The circle's corner and card as the animation draws them from the same generator.
        RandomGenerator r;
        r.seed = 12345;
        int cy = r.RandomInt(area.clientHeight);
        if (cy > area.clientHeight - 150)
            cy = area.clientHeight - 150 - cy;
        int cx = r.RandomInt(area.clientWidth);
        if (cx > area.clientWidth - 150)
            cx = area.clientWidth - 150 - cx;
        const int card = 1 + r.RandomInt(51);
        auto touches = [](int a, int length, int limit) {
            return (a >= 0 && a <= limit) || (a + length >= 0 && a + length <= limit);
        };
        std::vector<std::pair<int, int>> expected, drawn;
        int pauses = 0;
        for (size_t k = 0; k < points.size(); ++k) {
            const int X = cx + points[k].x, Y = cy + points[k].y;
            if (touches(X, 71, area.clientWidth) && touches(Y, 96, area.clientHeight)) {
                expected.push_back({X, Y});
                pauses += k % 4 == 0 ? 5 : 0;
            }
        }
        for (const Drawn& d : f.view.drawn) {
            drawn.push_back({d.x, d.y});
            EXPECT_EQ(d.card, card);
        }
        EXPECT_EQ(drawn, expected) << area.clientWidth;
        EXPECT_FALSE(drawn.empty());
        EXPECT_EQ(f.view.pausedMs, pauses);
        EXPECT_EQ(f.view.pumps, int((points.size() + 3) / 4) + 1) << "drawn or not, every fourth point";
        if (area.clientWidth == 160)
            EXPECT_LT(drawn.size(), points.size() / 2);
    }
}

TEST(WinningAnimation, AKeyPressStopsItWithinFiveCards) {
    Fixture f;
    int pressedAt = -1;
    f.view.onDraw = [&](FakeWindow& w) {
        if (w.drawn.size() == 7 && pressedAt < 0)
            pressedAt = 7; // the press arrives now; the program sees it at the next pump
    };
    f.view.onPump = [&](FakeWindow& w) {
        if (pressedAt >= 0)
            w.Stop();
    };
    WinningAnimation(f.s, "Open order", 30);
    EXPECT_EQ(f.view.drawn.size(), 10u) << "seen at the pump after the tenth card";
    EXPECT_EQ(f.s.StateFlags[AutomaticSequence], 0);
}

TEST(WinningAnimation, TheTimeLimitHoldsAcrossTheTickCountsWrap) {
    auto cardsDrawn = [](std::uint32_t start) {
        Fixture f;
        f.view.now = start;
        WinningAnimation(f.s, "Open order", 2);
        return f.view.drawn.size();
    };
    const size_t plain = cardsDrawn(1000);
    // 5 cards per 6 ms (a 5 ms pause and a 1 ms pump): 2000 ms hold 1670 cards.
    EXPECT_EQ(plain, 1670u);
    EXPECT_EQ(cardsDrawn(0xFFFFFFFFu - 500), plain) << "the count wraps half a second in";
    EXPECT_EQ(cardsDrawn(0xFFFFFFFFu), plain);
    EXPECT_EQ(TicksSince(0xFFFFFF00u, 0x10u), 0x110u);
}

} // namespace
} // namespace quillon::test
