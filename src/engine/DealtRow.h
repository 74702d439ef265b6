#pragma once
// The dealt row of game family 19 (Accordion): tableau pile 1 is a row of cards dealt one at a
// time from the stock. A card of the row goes on the card immediately before it or on the card
// three places before it when the two match in rank or in suit; it then takes that card's place,
// the covered card leaves the row for the second waste and the row closes up.

#include "model/Session.h"

#include <string>
#include <string_view>

namespace quillon {

// The game plays the dealt row (family 19 with an ordinary tableau rule).
bool PlaysDealtRow(const Session& s);

// How far before a card its move may reach: the neighbour, or the third card before it.
inline constexpr int kRowNear = 1, kRowFar = 3;

// The name a row move carries in move lists: "Row-1" onto the neighbour, "Row-3" onto the card
// three places before. `RowMoveDistance` reads it back: 1 or 3, or 0 for any other name.
std::string RowMoveName(int distance);
int RowMoveDistance(std::string_view to);

// The card lies in the row, `distance` (1 or 3) places after a card it matches in rank or suit.
bool RowMoveAllowed(const Session& s, int card, int distance);

// The row move itself, as a drop makes it: one history step, the covered card to the second
// waste, score and won test. False (nothing changed) when the move is not allowed.
bool MoveInRow(Session& s, int card, int distance);

// A row move named in a move list, played as a finished drop: the game counts as started and a
// winning move ends the game.
bool PlayRowMove(Session& s, int card, int distance);

// Where the card `distance` places before `card` lies on the table; false when there is none.
bool RowMoveRect(const Session& s, int card, int distance, TableRect& rect);

} // namespace quillon
