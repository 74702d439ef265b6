#pragma once
// The celebration of a won game: random cards strewn over the window in one of six patterns for
// the configured time, until the player presses a key or a mouse button. The engine works out
// every card and pause; the table view draws them.

#include "model/Session.h"

#include <string>
#include <vector>

namespace quillon {

// The pattern names the configuration may hold ("Winning_Animations").
inline constexpr const char* kRandomPattern = "(Random)";
inline constexpr const char* kWinningPatterns[] = {"Open order", "Left to right", "Up to down",
                                                   "Festoons",   "Lines",         "Circles"};

// One point of a circle's outline, relative to the top-left corner of its square.
struct OutlinePoint {
    int x = 0, y = 0;
    bool operator==(const OutlinePoint&) const = default;
};

// The points along a circle inscribed in a square of 2 x `radius` pixels, clockwise from the top:
// the outline's right half from the top row down, then its left half from the bottom row up,
// every fourth pixel of that walk, at most `maxCount` points.
std::vector<OutlinePoint> CircleOutlinePoints(int radius, int maxCount);

// Milliseconds from `start` to `now` on the tick count, right across its wrap at 2^32.
inline std::uint32_t TicksSince(std::uint32_t start, std::uint32_t now) {
    return now - start;
}

// Runs the winning animation `name` for `seconds`; with an empty name both come from the
// configuration file ("Winning_Animations", default "(Random)", and "Winning_Animations_Time",
// default 30). "(Random)" picks "Open order", "Left to right" or "Up to down". Input is swallowed
// meanwhile; a key or button press ends it. The automatic-sequence flag is on while it runs.
void WinningAnimation(Session& s, const std::string& name = "", int seconds = -1);

} // namespace quillon
