// quillon-cli moves GAME CODE: deals the game and prints every move its building rules allow from
// that position, one per line ("Fila3 027 -> Dest1"); in a game played by pressing cards, every
// group of cards whose presses would complete ("Select 012 025") and "Stock".

#include "app/CliCommand.h"
#include "app/CliSession.h"

#include "engine/LegalMoves.h"
#include "engine/SelectionSearch.h"
#include "model/Session.h"

#include <iostream>

namespace {

int Moves(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << "quillon-cli moves: usage: moves GAME CODE\n";
        return 2;
    }
    quillon::Session s;
    if (!quillon::cli::DealFromArgs(s, "moves", args[0], args[1]))
        return 2;
    if (quillon::PlaysBySelection(s)) {
        // A game played by pressing cards: one line per group that would complete, and the stock.
        for (const auto& action : quillon::ListSelectionActions(s))
            std::cout << quillon::FormatSelectionAction(action) << "\n";
        return 0;
    }
    std::cout << quillon::FormatMoves(quillon::ListLegalMoves(s));
    return 0;
}

quillon::cli::Register reg("moves", "GAME CODE", Moves);

} // namespace
