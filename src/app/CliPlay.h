#pragma once
// Playing a dealt game through the engine's own entry points, for the tool: the drop a release
// over a pile makes, a search for a winning list of such drops, and the places on the table where
// a player presses a card and lets it go.

#include <string>
#include <vector>

namespace quillon {
class Session;
}

namespace quillon::cli {

// One move by hand: the card (the lowest card of a run) dropped on the named pile.
struct HandMove {
    int card = 0;
    std::string to;
};

// A dealt game made ready for play by hand: laid out, nothing animated, autoplay off.
void PrepareHandPlay(Session& s);

// The card (or the run from it) dropped on the named pile as a release over it does: picked up
// when the game lets it be, then the drop and the release's own work. True when it moved.
bool DropOnNamedPile(Session& s, int card, const std::string& to);

// The game is won (or has ended won).
bool HandGameWon(const Session& s);

// Looks for a list of drops that wins the dealt game, trying at most `budget` positions: first
// the positions whose moves from the deal plus their distance from a win (cards away from the
// foundations, cards lying out of sequence, cards held in reserves) are least. A puzzle without
// foundations is so searched breadth first and its list is as short as can be.
// False when none was found.
bool FindWinningMoves(Session& s, long budget, std::vector<HandMove>& moves);

// Where the player presses the card (the middle of the part of it that shows) and where the
// pointer is let go so that the card lands on the next place of the target pile.
struct DragPoints {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
};
DragPoints DragPointsFor(const Session& s, int card, const std::string& to);

} // namespace quillon::cli
