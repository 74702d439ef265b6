#pragma once
// Drop targets and card sending: which piles lie under a dragged image, in order of overlap, and
// the first of them that takes the card under the game's rules gets it. The same road carries
// cards that are not dragged (double clicks, one-click games, autoplay).

#include "model/Session.h"

#include <array>
#include <string>

namespace quillon {

// A pile a card may be dropped on: kind 5 foundation, 4 tableau pile, 6 reserve, 2 the waste;
// 0-based index. (-1, -1) is no candidate.
struct DropCandidate {
    int kind = -1;
    int index = -1;
    bool operator==(const DropCandidate&) const = default;
};
using DropCandidates = std::array<DropCandidate, 4>;

// The two rectangles overlap: a corner of the dragged one lies in the pile's, or one of its side
// edges crosses the pile's column (tested every 50 pixels down the dragged image).
bool RectsOverlap(const TableRect& drag, const TableRect& pile);
// The area the overlap counts for, by the same tests in the same order.
int OverlapArea(const TableRect& drag, const TableRect& pile);
// The sort key of a candidate: area (6 digits), kind (3), index (3).
std::string CandidateKey(int area, int kind, int index);

// Up to four piles under the rectangle, largest overlap first; equal areas put the higher kind,
// then the higher index first.
DropCandidates DropTargets(Session& s, const TableRect& rect);

struct DropOptions {
    DropCandidate target;  // a named target, or (-1, -1) to look for one under the rectangle
    bool prepare = false;  // build the drag image first (a card that was not dragged)
    bool animate = true;   // fly the image to the pile
    bool autoplay = false; // an automatic move
    bool named = false;    // the call names its target
};

// Drops the card (the image at `rect`) on the best pile that takes it; true when it moved.
bool ResolveDrop(Session& s, int card, const TableRect& rect, const DropOptions& options = {});
// One candidate: overlap, legality, the flight, and the move.
bool DropOnPile(Session& s, int card, const TableRect& rect, int kind, int index, bool prepare, bool animate,
                bool autoplay);
// Moves a card (or, unless `single`, the run above it in its tableau pile) to the first pile that
// takes it: foundations, then tableau piles holding cards, empty ones, reserves, the waste.
bool SendCard(Session& s, int card, const TableRect& rect, bool single, bool toFoundations, bool toTableau,
              bool toReserves, bool autoplay, bool named);

// The message of games that build on the tableau only once the stock is empty.
inline constexpr const char* kBuildAfterStockEmpty =
    "Building on the tableau is allowed only when the stock is empty.";

} // namespace quillon
