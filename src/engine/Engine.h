#pragma once
// Connecting the play engine to a session: the building rules, moves and scoring, the stock and
// the autoplay fill the seams that model code and the pointer input call.

namespace quillon {

class Session;

// Everything the program and the companion tool need before the first deal.
void InstallEngine(Session& s);

} // namespace quillon
