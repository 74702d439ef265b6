#pragma once
// Playing a dealt game by hand for the tool: the game laid out and made ready, and the places on
// the table where a player presses a card and lets it go (the search itself is the engine's).

#include <string>
#include <vector>

namespace quillon {
class Session;
}

namespace quillon::cli {

// A dealt game made ready for play by hand: laid out, nothing animated, autoplay off.
void PrepareHandPlay(Session& s);

// Where the player presses the card (the middle of the part of it that shows) and where the
// pointer is let go so that the card lands on the next place of the target pile.
struct DragPoints {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
};
DragPoints DragPointsFor(const Session& s, int card, const std::string& to);

// Where the player presses a card of a selection game (0: the stock): the middle of the part of it
// that shows. False when it lies nowhere on the table.
bool PressPointFor(const Session& s, int card, int& x, int& y);

} // namespace quillon::cli
