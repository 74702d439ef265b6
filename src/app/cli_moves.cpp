// quillon-cli moves GAME CODE: deals the game and prints every move its building rules allow from
// that position, one per line ("Fila3 027 -> Dest1").

#include "app/CliCommand.h"
#include "app/CliSession.h"

#include "engine/LegalMoves.h"
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
    std::cout << quillon::FormatMoves(quillon::ListLegalMoves(s));
    return 0;
}

quillon::cli::Register reg("moves", "GAME CODE", Moves);

} // namespace
