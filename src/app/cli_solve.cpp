// quillon-cli solve GAME CODE [BUDGET]: deals the game and looks for a list of moves that wins it
// within BUDGET: a number of positions (200000 when omitted), or seconds written with an "s"
// ("10s"). Prints one move per line, the card number and the pile it is dropped on ("040 Dest1"),
// "000 Mazzo" for a click on the stock and "023 Mazzo_Waste" for a click on a card; the positions
// looked at and the time taken go to the error output. Exits with 1 when no win was found.

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
    quillon::SolverBudget budget;
    if (args.size() == 3) {
        std::string text = args[2];
        const bool seconds = !text.empty() && text.back() == 's';
        if (seconds)
            text.pop_back();
        long long n = 0;
        if (!quillon::cli::ParseNumberArg("solve", "a budget", text, 100000000, n) || n == 0)
            return 2;
        if (seconds) {
            budget.seconds = static_cast<double>(n);
            budget.positions = 1L << 40;
        } else {
            budget.positions = static_cast<long>(n);
        }
    }
    quillon::Session s;
    if (!quillon::cli::DealFromArgs(s, "solve", args[0], args[1]))
        return 2;
    quillon::cli::PrepareHandPlay(s);
    std::vector<quillon::SolverMove> moves;
    const quillon::SolverResult r = quillon::SolveFromCurrentPosition(s, budget, moves);
    std::cerr << "quillon-cli solve: "
              << (r.won         ? "won"
                  : r.exhausted ? "cannot be won"
                                : "no win found")
              << " after " << r.positions << " positions in " << r.seconds << " s\n";
    if (!r.won)
        return 1;
    for (const auto& m : moves)
        std::cout << quillon::CardText(m.card) << " " << m.to << "\n";
    return 0;
}

quillon::cli::Register reg("solve", "GAME CODE [BUDGET]", Solve);

} // namespace
