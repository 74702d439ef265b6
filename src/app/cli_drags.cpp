// quillon-cli drags GAME CODE SIZE WIDTH HEIGHT WINDOWHEIGHT SCREENWIDTH SCREENHEIGHT: deals the
// game, lays it out as the main window does for a table of WIDTH x HEIGHT in a window WINDOWHEIGHT
// high on a screen of SCREENWIDTH x SCREENHEIGHT with card size SIZE, then reads moves ("040
// Dest1", "000 Mazzo" for a click on the stock, as solve prints them) from the standard input and
// plays them. For each move it prints
// where a player presses the card and where the pointer is let go, in table coordinates
// ("35 188 120 40"). Exits with 1 at the first move the game refuses.

#include "app/CliCommand.h"
#include "app/CliPlay.h"
#include "app/CliSession.h"
#include "engine/SelectionSearch.h"
#include "engine/Solver.h"

#include "model/Session.h"
#include "table/PileLayout.h"

#include <iostream>
#include <sstream>

namespace {

int Drags(const std::vector<std::string>& args) {
    if (args.size() != 8) {
        std::cerr << "quillon-cli drags: usage: drags GAME CODE SIZE WIDTH HEIGHT WINDOWHEIGHT SCREENWIDTH "
                     "SCREENHEIGHT\n";
        return 2;
    }
    int cw = 0, ch = 0;
    if (args[2].size() != 1 || !quillon::CardSizeForLetter(args[2][0], cw, ch)) {
        std::cerr << "quillon-cli drags: '" << args[2] << "' is not a card size (M, B, S, X or L)\n";
        return 2;
    }
    long long n[5] = {};
    const char* what[5] = {"a width", "a height", "a window height", "a screen width", "a screen height"};
    for (int k = 0; k < 5; ++k)
        if (!quillon::cli::ParseNumberArg("drags", what[k], args[static_cast<size_t>(k) + 3], 32767, n[k]))
            return 2;
    quillon::Session s;
    if (!quillon::cli::DealFromArgs(s, "drags", args[0], args[1]))
        return 2;
    quillon::cli::PrepareHandPlay(s);
    // Cards lie where the window lays them out (a grid among them): the points are the window's.
    quillon::InstallPilePlaces(s);
    // The window's own layout: the table from its top to its last row, the window's height and
    // the screen it stands on.
    quillon::LayoutForClientArea(s, static_cast<int>(n[0]), static_cast<int>(n[1]), args[2][0]);
    s.ResetPilePositions();
    quillon::ComputeFanSteps(s);
    quillon::LayoutPiles(s, 0, static_cast<int>(n[1]) - 1, static_cast<int>(n[0]), static_cast<int>(n[2]),
                         quillon::ScreenSize{static_cast<int>(n[3]), static_cast<int>(n[4])}, 0);
    std::string line;
    int number = 0;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        int card = 0;
        std::string to;
        if (!(in >> card >> to))
            continue;
        ++number;
        if (quillon::PlaysBySelection(s) && (to == "Select" || to == "Mazzo")) {
            // A game played by pressing cards: the press and the release at the same point.
            int x = 0, y = 0;
            if (!quillon::cli::PressPointFor(s, card, x, y)) {
                std::cerr << "quillon-cli drags: move " << number << " (" << line << ") presses nothing\n";
                return 1;
            }
            if (card == 0)
                quillon::PressSelectionStock(s);
            else
                quillon::PressSelectionCard(s, card);
            std::cout << x << " " << y << " " << x << " " << y << "\n";
            continue;
        }
        const quillon::cli::DragPoints p = quillon::cli::DragPointsFor(s, card, to);
        if (!quillon::PlaySolverMove(s, {card, to})) {
            std::cerr << "quillon-cli drags: move " << number << " (" << line << ") is refused\n";
            return 1;
        }
        std::cout << p.fromX << " " << p.fromY << " " << p.toX << " " << p.toY << "\n";
    }
    std::cout << (quillon::SearchGameWon(s) ? "won" : "not won") << "\n";
    return 0;
}

quillon::cli::Register reg("drags", "GAME CODE SIZE WIDTH HEIGHT WINDOWHEIGHT SCREENWIDTH SCREENHEIGHT",
                           Drags);

} // namespace
