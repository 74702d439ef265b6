#pragma once
// Every legal move from the current position, for hints and for listing moves: a face-up card or
// run that may be lifted from a tableau pile, the top card of a reserve or of the waste, onto
// every tableau pile, foundation and reserve that takes it; in the dealt row of Accordion each
// card onto the card one or three places before it ("Row-1", "Row-3").

#include "model/Session.h"

#include <string>
#include <vector>

namespace quillon {

struct LegalMove {
    std::string from; // source pile name ("Fila3", "Appogg1", "Mazzo_Vis")
    int card = 0;     // the card lifted (the lowest card of a run)
    std::string to;   // target pile name

    bool operator==(const LegalMove&) const = default;
};

// The moves in order of source (tableau piles, reserves, waste; cards bottom first) and then of
// target (tableau piles, foundations, reserves). The drag state (DragHeight, RunEndCard) is left
// as it was found.
std::vector<LegalMove> ListLegalMoves(Session& s);

// "Fila3 027 -> Dest1".
std::string FormatMove(const LegalMove& move);
std::string FormatMoves(const std::vector<LegalMove>& moves);

} // namespace quillon
