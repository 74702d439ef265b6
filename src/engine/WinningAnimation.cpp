#include "engine/WinningAnimation.h"

#include "engine/CardPlaces.h"
#include "engine/TableView.h"
#include "model/ConfigFile.h"

#include <array>
#include <cstdlib>

namespace quillon {

std::vector<OutlinePoint> CircleOutlinePoints(int radius, int maxCount) {
    const int size = 2 * radius;
    std::vector<OutlinePoint> points;
    if (radius <= 0 || maxCount <= 0)
        return points;
    // A pixel lies inside when its centre lies within the circle inscribed in the square; the
    // outline is every inside pixel with a side neighbour outside. Doubled coordinates keep the
    // half-pixel centre whole.
    const long long r2 = static_cast<long long>(size - 1) * (size - 1);
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= size || y >= size)
            return false;
        const long long dx = 2LL * x - (size - 1), dy = 2LL * y - (size - 1);
        return dx * dx + dy * dy <= r2;
    };
    auto outline = [&](int x, int y) {
        return inside(x, y) &&
               (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1));
    };
    std::vector<OutlinePoint> walk;
    for (int y = 0; y < size; ++y)
        for (int x = radius; x < size; ++x)
            if (outline(x, y)) {
                walk.push_back({x, y});
                break;
            }
    for (int y = size - 1; y >= 0; --y)
        for (int x = radius - 1; x >= 0; --x)
            if (outline(x, y)) {
                walk.push_back({x, y});
                break;
            }
    for (size_t k = 0; k < walk.size() && static_cast<int>(points.size()) < maxCount; k += 4)
        points.push_back(walk[k]);
    return points;
}

namespace {

// The fall and the bounces of a festoon card: vertical step and frame count per segment.
struct Segment {
    int step, frames;
};

constexpr std::array<int, 10> kFallStep{0, 3, 5, 7, 9, 11, 13, 15, 17, 19};
constexpr std::array<int, 10> kFallFrames{1, 4, 6, 8, 10, 12, 14, 16, 18, 101};

constexpr std::array<int, 22> kBounce1Step{-19, -17, -15, -13, -11, -9, -7, -5, -3, -1, 0,
                                           0,   1,   3,   5,   7,   9,  11, 13, 15, 17, 19};
constexpr std::array<int, 22> kBounce1High{1, 1, 4, 5, 6, 7, 6, 5, 4, 3, 2, 2, 3, 4, 5, 6, 7, 6, 5, 4, 1, 1};
constexpr std::array<int, 22> kBounce1Low{1, 1, 3, 4, 5, 6, 5, 4, 3, 2, 1, 1, 2, 3, 4, 5, 6, 5, 4, 3, 1, 1};
constexpr std::array<int, 18> kBounce2Step{-15, -13, -11, -9, -7, -5, -3, -1, 0,
                                           0,   1,   3,   5,  7,  9,  11, 13, 15};
constexpr std::array<int, 18> kBounce2Frames{2, 4, 5, 6, 6, 5, 4, 2, 1, 1, 2, 4, 5, 6, 5, 5, 4, 2};
constexpr std::array<int, 14> kBounce3Step{-11, -9, -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 9, 11};
constexpr std::array<int, 14> kBounce3Frames{1, 2, 4, 5, 4, 2, 1, 1, 2, 4, 5, 4, 2, 1};
constexpr std::array<int, 10> kBounce4Step{-7, -5, -3, -1, 0, 0, 1, 3, 5, 7};
constexpr std::array<int, 10> kBounce4Frames{1, 2, 4, 5, 4, 1, 2, 4, 5, 4};

// The 65 bounce segments of a festoon card, the first bounce high or low.
std::vector<Segment> BounceSegments(bool high) {
    std::vector<Segment> out;
    for (size_t k = 0; k < kBounce1Step.size(); ++k)
        out.push_back({kBounce1Step[k], high ? kBounce1High[k] : kBounce1Low[k]});
    for (size_t k = 0; k < kBounce2Step.size(); ++k)
        out.push_back({kBounce2Step[k], kBounce2Frames[k]});
    for (size_t k = 0; k < kBounce3Step.size(); ++k)
        out.push_back({kBounce3Step[k], kBounce3Frames[k]});
    for (size_t k = 0; k < kBounce4Step.size(); ++k)
        out.push_back({kBounce4Step[k], kBounce4Frames[k]});
    out.push_back({0, 1001}); // the final slide
    return out;
}

class Animation {
public:
    Animation(Session& s, int seconds)
        : s_(s), view_(View(s)), area_(view_.AnimationArea()), cw_(s.Metrics.CardWidth),
          ch_(s.Metrics.CardHeight), speed_(s.Params.ReadInt(param::SpeedMoveCard, 2, 10)),
          limit_(static_cast<std::uint32_t>(seconds > 0 ? seconds : 0) * 1000u) {
        start_ = view_.Ticks();
    }

    void Run(const std::string& name) {
        if (name == "Open order")
            OpenOrder();
        else if (name == "Left to right")
            LeftToRight();
        else if (name == "Up to down")
            UpToDown();
        else if (name == "Festoons")
            Festoons();
        else if (name == "Lines")
            Lines();
        else if (name == "Circles")
            Circles();
    }

private:
    bool Running() const { return s_.StateFlags[AutomaticSequence] == 1; }
    bool TimeUp() { return TicksSince(start_, view_.Ticks()) >= limit_; }
    int Random(int n) { return s_.Random.RandomInt(n); }
    int RandomCard() { return 1 + Random(51); }
    // Window point (x, y) is table point (x, y - top).
    void Draw(int card, int x, int y) { view_.DrawLooseCard(card, x, y - area_.tableTop); }
    void Pause(int ms) { view_.PauseBusy(ms); }
    void Pump() { view_.PumpMessages(); }
    // Waits `ms` letting messages run; a stop ends the wait early.
    void PauseWhilePumping(int ms) {
        const std::uint32_t from = view_.Ticks();
        do
            Pump();
        while (Running() && TicksSince(from, view_.Ticks()) < static_cast<std::uint32_t>(ms));
    }
    // Counts a card and, at every fifth, pauses and lets messages run.
    void EveryFifth(int& count) {
        if (++count < 5)
            return;
        count = 0;
        Pause(speed_ / 2);
        Pump();
    }

    void OpenOrder() {
        const int wo = area_.outerWidth, ho = area_.outerHeight;
        int count = 0;
        do {
            const int y = Random(ho + ch_ / 2) - ch_ / 2;
            const int x = Random(wo + cw_ / 2) - cw_ / 2;
            Draw(RandomCard(), x, y);
            EveryFifth(count);
        } while (Running() && !TimeUp());
    }

    void LeftToRight() {
        const int wo = area_.outerWidth, ho = area_.outerHeight, top = area_.tableTop;
        int x = -20, y = top, rows = 0, passStart = 0, count = 0;
        auto rowStart = [&] { return rows % 2 == 0 ? -(cw_ / 4) : -(cw_ / 3); };
        do {
            Draw(RandomCard(), x, y);
            EveryFifth(count);
            x += static_cast<int>(cw_ / 5.8);
            if (x >= wo) {
                ++rows;
                x = rowStart();
                PauseWhilePumping(700);
                y += 35;
            }
            if (y + ch_ >= ho) {
                x = rowStart();
                passStart += 35;
                y = passStart;
                if (passStart >= ho)
                    passStart = top + 35;
            }
        } while (Running() && !TimeUp());
    }

    void UpToDown() {
        const int wo = area_.outerWidth, ho = area_.outerHeight, top = area_.tableTop;
        int x = -10, y = top, columns = 0, passStart = 0, count = 0;
        auto columnStart = [&] { return columns % 2 == 0 ? -(ch_ / 4) : -(ch_ / 3); };
        do {
            Draw(RandomCard(), x, y);
            ++count;
            if (count % 2 == 0)
                Pause(speed_ / 2);
            if (count == 5) {
                count = 0;
                Pump();
            }
            y += static_cast<int>(ch_ / 5.3);
            if (y >= ho) {
                ++columns;
                y = columnStart();
                PauseWhilePumping(700);
                x += static_cast<int>(cw_ / 1.5);
            }
            if (x >= wo) {
                y = columnStart();
                passStart += 35;
                x = passStart;
                if (passStart >= wo)
                    passStart = 35;
            }
        } while (Running() && !TimeUp());
    }

    // One frame of a festoon card; false once the animation was stopped.
    bool FestoonFrame(int card, int& x, int& y, int dx, int dy, int j) {
        Draw(card, x, y);
        y += dy;
        x += dx;
        if (j % 4 == 0) {
            Pause(speed_ / 2);
            Pump();
        }
        return Running();
    }

    void Festoons() {
        const int wo = area_.outerWidth, wc = area_.clientWidth, hc = area_.clientHeight;
        const std::vector<Segment> high = BounceSegments(true), low = BounceSegments(false);
        do {
            const int direction = (Random(10) + 1) % 2 == 0 ? 1 : -1;
            const int card = RandomCard();
            int y = area_.tableTop - 50 + Random(40);
            int x = Random(wo);
            if (x + cw_ > wc)
                x = wc - cw_;
            const int dx = (Random(5) + 2) * direction;
            bool floor = false;
            for (size_t k = 0; k < kFallStep.size() && !floor; ++k)
                for (int j = 0; j < kFallFrames[k]; ++j) {
                    if (!FestoonFrame(card, x, y, dx, kFallStep[k], j))
                        return;
                    if (y + ch_ >= hc) {
                        floor = true;
                        break;
                    }
                }
            Pump();
            if (!Running() || TimeUp())
                return;
            const std::vector<Segment>& bounces = (Random(10) + 1) % 2 == 0 ? high : low;
            bool gone = false;
            for (size_t k = 0; k < bounces.size() && !gone; ++k) {
                for (int j = 0; j < bounces[k].frames; ++j) {
                    if (!FestoonFrame(card, x, y, dx, bounces[k].step, j))
                        return;
                    if (x > wo || x < -cw_) {
                        gone = true;
                        break;
                    }
                }
                Pump();
                if (!Running())
                    return;
            }
        } while (Running() && !TimeUp());
    }

    void Lines() {
        const int wo = area_.outerWidth, wc = area_.clientWidth, hc = area_.clientHeight,
                  top = area_.tableTop;
        int x = Random(wo);
        if (x + cw_ > wc)
            x = wc - cw_;
        int y = top, dx = 1, dy = 1;
        do {
            const int speed = 4 + Random(8);
            dx = dx < 0 ? -speed : speed;
            dy = dy < 0 ? -speed : speed;
            const int card = RandomCard();
            if (x + dx <= 0 || x + dx + cw_ >= wc)
                dx = -dx;
            if (y + dy <= top || y + dy + ch_ >= hc)
                dy = -dy;
            int count = 0;
            while (true) {
                Draw(card, x, y);
                x += dx;
                y += dy;
                if (x <= 0 || x + cw_ >= wc || y <= top || y + ch_ >= hc)
                    break;
                ++count;
                if (count % 2 == 0)
                    Pause(speed_);
                Pause(5);
                if (count == 4) {
                    count = 0;
                    Pump();
                }
                if (!Running())
                    return;
            }
            Pump();
        } while (Running() && !TimeUp());
    }

    void Circles() {
        static const std::vector<OutlinePoint> points = CircleOutlinePoints(150, 300);
        const int wc = area_.clientWidth, hc = area_.clientHeight;
        auto touches = [](int a, int length, int limit) {
            return (a >= 0 && a <= limit) || (a + length >= 0 && a + length <= limit);
        };
        do {
            int cy = Random(hc);
            if (cy > hc - 150)
                cy = hc - 150 - cy;
            int cx = Random(wc);
            if (cx > wc - 150)
                cx = wc - 150 - cx;
            const int card = RandomCard();
            for (size_t k = 0; k < points.size(); ++k) {
                const int X = cx + points[k].x, Y = cy + points[k].y;
                if (touches(X, cw_, wc) && touches(Y, ch_, hc)) {
                    Draw(card, X, Y);
                    if (k % 4 == 0)
                        Pause(speed_ / 2);
                }
                if (k % 4 == 0) {
                    Pump();
                    if (!Running())
                        return;
                }
            }
        } while (Running() && !TimeUp());
    }

    Session& s_;
    TableView& view_;
    const WindowArea area_;
    const int cw_, ch_, speed_;
    const std::uint32_t limit_;
    std::uint32_t start_ = 0;
};

} // namespace

void WinningAnimation(Session& s, const std::string& name, int seconds) {
    TableView& view = View(s);
    s.StateFlags[AutomaticSequence] = 1;
    view.SwallowInput(true);
    view.WatchForStopPress(true);
    std::string pattern = name;
    if (pattern.empty()) {
        pattern = ReadConfigString(s, "Preference", "Winning_Animations", kRandomPattern);
        seconds = ReadConfigInteger(s, "Preference", "Winning_Animations_Time", 30);
    }
    if (pattern == kRandomPattern)
        pattern = kWinningPatterns[s.Random.RandomInt(3)];
    // The strewn cards lie on the table image only until the table is painted again; they are
    // no pile's cards and must not make the table taller.
    const std::int16_t bottom = s.Game.TableBottom;
    Animation(s, seconds).Run(pattern);
    s.Game.TableBottom = bottom;
    // The rest of the press that stopped the animation (its release, say) is swallowed too.
    view.PumpMessages();
    view.WatchForStopPress(false);
    view.SwallowInput(false);
    s.StateFlags[AutomaticSequence] = 0;
}

} // namespace quillon
