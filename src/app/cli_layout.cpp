// quillon-cli layout GAME WIDTH HEIGHT [SIZE]: lays the game out for a client area of WIDTH x HEIGHT
// with card size SIZE ("B" when omitted) and prints where each pile lies ("Fila1 202 110").

#include "app/CliCommand.h"
#include "app/CliSession.h"

#include "model/Session.h"
#include "table/PileLayout.h"

#include <iostream>

namespace {

int Layout(const std::vector<std::string>& args) {
    if (args.size() != 3 && args.size() != 4) {
        std::cerr << "quillon-cli layout: usage: layout GAME WIDTH HEIGHT [SIZE]\n";
        return 2;
    }
    long long width = 0, height = 0;
    if (!quillon::cli::ParseNumberArg("layout", "a width", args[1], 32767, width) ||
        !quillon::cli::ParseNumberArg("layout", "a height", args[2], 32767, height))
        return 2;
    char letter = 'B';
    if (args.size() == 4) {
        int w = 0, h = 0;
        if (args[3].size() != 1 || !quillon::CardSizeForLetter(args[3][0], w, h)) {
            std::cerr << "quillon-cli layout: '" << args[3] << "' is not a card size (M, B, S, X or L)\n";
            return 2;
        }
        letter = args[3][0];
    }
    quillon::Session s;
    // The layout of a game does not depend on its cards; any deal gives the same places.
    if (!quillon::cli::DealFromArgs(s, "layout", args[0], "0000000000000"))
        return 2;
    quillon::LayoutForClientArea(s, static_cast<int>(width), static_cast<int>(height), letter);
    std::cout << quillon::FormatPilePositions(s);
    return 0;
}

quillon::cli::Register reg("layout", "GAME WIDTH HEIGHT [SIZE]", Layout);

} // namespace
