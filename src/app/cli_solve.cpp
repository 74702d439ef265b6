// quillon-cli solve GAME CODE [BUDGET]: deals the game and looks for a list of drops that wins it,
// trying at most BUDGET positions (200000 when omitted). Prints one move per line, the card number
// and the pile it is dropped on ("040 Dest1"); exits with 1 when no win was found.

#include "app/CliCommand.h"
#include "app/CliPlay.h"
#include "app/CliSession.h"
#include "engine/Solver.h"

#include "model/Cards.h"
#include "model/Session.h"

#include <iostream>

namespace {

int Solve(const std::vector<std::string>& args) {
    if (args.size() != 2 && args.size() != 3) {
        std::cerr << "quillon-cli solve: usage: solve GAME CODE [BUDGET]\n";
        return 2;
    }
    long long budget = 200000;
    if (args.size() == 3 && !quillon::cli::ParseNumberArg("solve", "a budget", args[2], 100000000, budget))
        return 2;
    quillon::Session s;
    if (!quillon::cli::DealFromArgs(s, "solve", args[0], args[1]))
        return 2;
    quillon::cli::PrepareHandPlay(s);
    std::vector<quillon::SolverMove> moves;
    if (!quillon::FindWinningMoves(s, static_cast<long>(budget), moves)) {
        std::cerr << "quillon-cli solve: no win found within " << budget << " positions\n";
        return 1;
    }
    for (const auto& m : moves)
        std::cout << quillon::CardText(m.card) << " " << m.to << "\n";
    return 0;
}

quillon::cli::Register reg("solve", "GAME CODE [BUDGET]", Solve);

} // namespace
