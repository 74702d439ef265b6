#pragma once
// Which cards and runs may be picked up from a tableau pile or a reserve (the pick-up limit rule
// of the game, attribute 14).

#include "model/Session.h"

namespace quillon {

// Pick-up limit rule codes with a meaning of their own; any other negative value limits the run
// to the number of empty tableau piles (at least 1), and n >= 0 to n cards.
namespace pickup {
constexpr int Always = -1;
constexpr int FreeCellsAndPiles = -5;
constexpr int FreeCellsOrPiles = -6;
constexpr int SingleOrKing = -12;
constexpr int SingleOrWholePile = -13;
constexpr int FreeInRow = -15;
constexpr int PileEnds = -16;
constexpr int SingleOrDraw = -17;
} // namespace pickup

// The texts the Draw shows when it is refused.
inline constexpr const char* kDrawAfterLastRedeal = "The Draw is allowed after the last Redeal.";
inline constexpr const char* kOnlyOneDraw = "Only one Draw is permitted.";

// May the run from `card` to the top of its tableau pile or reserve be picked up? Sets
// `RunEndCard` to the run's last card (0 when the card lies in neither). `toEmpty` tells that the
// run goes to an empty tableau pile. In normal play a longer run under rule -17 is the Draw: the
// card is pulled to the top of its own tableau pile once per game, after the last redeal, through
// the session's DrawCard hook; nothing is picked up then.
bool PickUpLimit(Session& s, int card, bool toEmpty);

// The same rules without ever acting: the Draw is neither offered nor performed. For drop tests,
// hints and move lists.
bool PickUpAllowed(Session& s, int card, bool toEmpty);

// Is tableau pile `pileIndex` (0-based) locked against the left button? Piles numbered below
// attribute 27 x attribute 28 are, while attribute 27 is 1 or more: their cards are never taken.
bool TableauPileLocked(const Session& s, int pileIndex);

// Does a press on `card`, the top card of a foundation holding `size` cards, lift it? By attribute
// 19: 1 always, 2 when the foundation holds more than one card, 3 for a joker; never otherwise.
bool FoundationCardLifts(const Session& s, int card, int size);

} // namespace quillon
