#pragma once
// Cards flying across the table: the one flight primitive every moving card uses, and the hop of
// a tableau card. The engine computes every frame; the table view draws it.

#include "model/Session.h"

namespace quillon {

// Length of one step on the major axis of a flight of `distance` pixels (0: no intermediate
// frame, the card is shown at its target at once).
int FlightStepLength(int distance, bool fast);

// Flies a card picture (a card number, or -1 for a card back) from one point to another.
// `buildImage` builds the flying picture first; `withShadow` lets the card travel raised by the
// shadow and land at the end; `fast` shortens the steps and pauses (the deal); `commit` leaves the
// card in the table image.
void FlyCard(Session& s, int card, int fromX, int fromY, int toX, int toY, bool buildImage, bool withShadow,
             bool fast, bool commit);

// A tableau card jumps 30 px up and left and back down to (x, y), where it is drawn again.
void HopCard(Session& s, int card, int pileIndex, int x, int y);

} // namespace quillon
