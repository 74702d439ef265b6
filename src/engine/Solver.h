#pragma once
// Searching a dealt game for a win by playing it through the engine's own entry points: the same
// pick-up, legality, drop, stock and end-of-game code a press and release on the table runs. The
// search works on the session it is given and puts the position back when it is done.

#include <functional>
#include <string>
#include <vector>

namespace quillon {

class Session;

// One move by hand: the card (the lowest card of a run) dropped on the named pile. Card 0 with
// "Mazzo" is a click on the stock (a deal, a turn of the waste or a redeal); a card with
// "Mazzo_Waste" is a click on the card, which a game of the Golf kind plays to its second waste.
struct SolverMove {
    int card = 0;
    std::string to;
    bool operator==(const SolverMove&) const = default;
};

// How long a search may go on: positions looked at, and seconds of processor time of the thread
// that searches (0: no limit in time).
struct SolverBudget {
    long positions = 200000;
    double seconds = 0;
    // Asked before each position is expanded; the search gives up when it answers true.
    std::function<bool()> stop;
};

// What a search found: a win, or why it stopped without one.
struct SolverResult {
    bool won = false;
    bool exhausted = false; // every position reachable was looked at: the deal cannot be won
    long positions = 0;     // positions taken from the queue and expanded
    double seconds = 0;
};

// A dealt and laid-out game made ready for searching: nothing animated, autoplay off, in play.
void PrepareForSearch(Session& s);

// The card (or the run from it) dropped on the named pile as a release over it does: picked up
// when the game lets it be, then the drop and the release's own work. True when it moved.
bool DropOnNamedPile(Session& s, int card, const std::string& to);

// One move of a solver's list played as the table plays it: a drop, a click on the stock or a
// click on a card. True when the table changed.
bool PlaySolverMove(Session& s, const SolverMove& move);

// The game is won (or has ended won).
bool SearchGameWon(const Session& s);

// Looks for a list of moves that wins the game from its current position (every card seen, the
// face-down ones too): drops, stock clicks and card clicks, each followed by the release's fill
// and the foundation moves that can never hurt (those are in the list too). Each position is
// looked at once whatever the order of interchangeable piles (and, in a game of two decks, whatever
// copy of a card lies where). Half the budget goes to looking at positions most promising first
// (least distance from a win, then fewest moves); the other half, where that found nothing, to a
// dive that plays one line out before turning back or, where the stock deals onto the tableau, to
// a search deal by deal from the nearest positions found between deals. An ordering puzzle on a
// grid is searched by the steps its cards still have to travel; any other puzzle without
// foundations breadth first, its list as short as can be. The session's view, history and
// parameters are left as they were.
SolverResult SolveFromCurrentPosition(Session& s, const SolverBudget& budget, std::vector<SolverMove>& moves);

// SolveFromCurrentPosition with a budget in positions alone; false when no win was found.
bool FindWinningMoves(Session& s, long budget, std::vector<SolverMove>& moves);

// The same search, given up as soon as `stop` answers true (asked before each position is
// expanded; the move hint stops it when its time is up).
bool FindWinningMoves(Session& s, long budget, std::vector<SolverMove>& moves,
                      const std::function<bool()>& stop);

} // namespace quillon
