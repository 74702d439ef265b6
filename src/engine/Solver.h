#pragma once
// Searching a dealt game for a win by playing it through the engine's own entry points: the same
// pick-up, legality, drop and end-of-game code a release on the table runs. The search works on
// the session it is given and puts the position back when it is done.

#include <string>
#include <vector>

namespace quillon {

class Session;

// One move by hand: the card (the lowest card of a run) dropped on the named pile.
struct SolverMove {
    int card = 0;
    std::string to;
};

// A dealt and laid-out game made ready for searching: nothing animated, autoplay off, in play.
void PrepareForSearch(Session& s);

// The card (or the run from it) dropped on the named pile as a release over it does: picked up
// when the game lets it be, then the drop and the release's own work. True when it moved.
bool DropOnNamedPile(Session& s, int card, const std::string& to);

// The game is won (or has ended won).
bool SearchGameWon(const Session& s);

// Looks for a list of drops that wins the game from its current position, trying at most `budget`
// positions: first the positions whose moves from the start plus their distance from a win (cards
// away from the foundations, cards lying out of sequence, cards held in reserves) are least. A
// puzzle without foundations is so searched breadth first and its list is as short as can be.
// False when none was found.
bool FindWinningMoves(Session& s, long budget, std::vector<SolverMove>& moves);

} // namespace quillon
