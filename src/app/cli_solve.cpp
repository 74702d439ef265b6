// quillon-cli solve GAME CODE [BUDGET]: deals the game and looks for a list of moves that wins it
// within BUDGET: a number of positions (200000 when omitted), or seconds of processor time written
// with an "s" ("10s"). Prints one move per line, the card number and the pile it is dropped on ("040 Dest1"),
// "000 Mazzo" for a click on the stock and "023 Mazzo_Waste" for a click on a card. Exits with 1
// when no win was found.

#include "app/CliCommand.h"
#include "app/CliPlay.h"
#include "app/CliSession.h"
#include "engine/Solver.h"

#include "model/Cards.h"
#include "model/ParamString.h"
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
        const std::string& text = args[2];
        const bool seconds = text.size() > 1 && text.back() == 's';
        long long n = 0;
        if (!quillon::ParseDecimal(seconds ? text.substr(0, text.size() - 1) : text, n) || n < 1 ||
            n > 100000000) {
            std::cerr << "quillon-cli solve: '" << text << "' is not a budget\n";
            return 2;
        }
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
    if (!r.won) {
        std::cerr << "quillon-cli solve: no win found within " << (args.size() == 3 ? args[2] : "200000")
                  << (budget.seconds > 0 ? "" : " positions")
                  << (r.exhausted ? ": every position the deal can reach was looked at" : "") << " ("
                  << r.positions << " positions looked at)\n";
        return 1;
    }
    for (const auto& m : moves)
        std::cout << quillon::CardText(m.card) << " " << m.to << "\n";
    return 0;
}

quillon::cli::Register reg("solve", "GAME CODE [BUDGET]", Solve);

} // namespace
