#pragma once
// The move hint: the next move of a winning line from the current position when the solver finds
// one, else the most useful legal move, else a click on the stock, else nothing. The search runs
// on a copy of the position in a session of its own, so it never draws on the table or disturbs
// the game in play, and it may run on a worker thread while the window goes on.

#include "engine/Solver.h"

#include <functional>
#include <string>

namespace quillon {

class Session;

struct MoveHint {
    enum class Kind {
        Winning, // the first move of a line that wins
        Best,    // a legal move, no winning line was found
        Stock,   // no card can move, but the stock can be clicked
        None,    // nothing can be done
    };
    Kind kind = Kind::None;
    int card = 0;     // the card lifted (the lowest card of a run)
    std::string from; // the pile it lies on
    std::string to;   // the pile it goes to
};

// Puts the position of `from` into `to`, a fresh session of its own: the game's attributes and
// switches, the card faces, the piles, the pile positions, the counters and flags. `to` gets the
// engine's rules, no table view, no window or statistics work, and is made ready for a search.
void CopyPosition(const Session& from, Session& to);

// The pile the card lies on ("Fila3", "Mazzo_Vis", ...); empty when it lies on none.
std::string PileOfCard(const Session& s, int card);

// The hint for the position of `s` (a copy: it is searched and left as found). At most `budget`
// positions are searched for a win, and the search ends early when `stop` answers true.
MoveHint FindMoveHint(Session& s, long budget, const std::function<bool()>& stop);

// "the Q [h]" style names for the status bar: "Move the 7 of Hearts from tableau 3 to foundation 1
// (it leads to a win)".
std::string MoveHintText(const MoveHint& hint);
// "tableau 3", "foundation 1", "reserve 2", "the waste", "the stock".
std::string PileDescription(const std::string& pile);
// "Queen of Hearts", "10 of Spades", "Joker".
std::string CardName(int card);

} // namespace quillon
