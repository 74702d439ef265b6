// quillon-cli deal GAME CODE: deals game GAME from the 13-digit deal code CODE and prints the piles.

#include "app/CliCommand.h"
#include "app/CliSession.h"

#include "model/Deal.h"
#include "model/Session.h"

#include <iostream>

namespace {

int Deal(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << "quillon-cli deal: usage: deal GAME CODE\n";
        return 2;
    }
    quillon::Session s;
    if (!quillon::cli::DealFromArgs(s, "deal", args[0], args[1]))
        return 2;
    for (const auto& line : quillon::DescribePiles(s))
        std::cout << line << "\n";
    return 0;
}

quillon::cli::Register reg("deal", "GAME CODE", Deal);

} // namespace
