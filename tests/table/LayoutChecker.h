#pragma once
// A check that a game's table is laid out soundly: every pile the game has lies inside the table
// width, no two piles' card rectangles overlap unless the arrangement stacks them on purpose, and
// every pile the game does not have keeps its "not shown" position. Run it over any game whose
// attributes are loaded into the session.

#include "model/Session.h"

#include <string>
#include <utility>
#include <vector>

namespace quillon::test {

struct LayoutCheckOptions {
    // Pairs of pile names that may overlap in this game, besides those its codes stack on purpose.
    std::vector<std::pair<std::string, std::string>> allowedOverlaps;
};

// Checks the positions the session holds now against a table `width` pixels wide. One message per fault.
std::vector<std::string> CheckPilePositions(const Session& s, int width,
                                            const LayoutCheckOptions& options = {});

// Lays the game out with size "B" cards at 1024x768 and at 1280x1024 and checks both layouts.
std::vector<std::string> CheckGameLayout(Session& s, const LayoutCheckOptions& options = {});

} // namespace quillon::test
