#pragma once
// The move-hint command of the main window (the Game menu's "Hint" and the "m" key): a worker
// thread searches a copy of the position for the next move of a winning line while the window
// goes on; after the time budget the best move known is taken. The card to move hops on the
// table and the move is named.

#include "engine/MoveHint.h"

#include <optional>
#include <string>

namespace quillon {

class Session;

class MoveHintCommand {
public:
    explicit MoveHintCommand(Session& s) : s_(s) {}

    // Time the search may take, in milliseconds, and the positions it may try.
    int BudgetMs = 300;
    long Positions = 200000;

    // Searches from the current position, letting window events run meanwhile. Nothing when no
    // game is in play, when a search is already running, or when the position changed while it
    // ran (the hint would be stale).
    std::optional<MoveHint> Search();
    // Shows the hint on the table: the card to move hops in its place. Returns the text naming it.
    std::string Show(const MoveHint& hint);
    // Search and Show; the text, empty when there was nothing to show.
    std::string Run();

private:
    Session& s_;
    bool running_ = false;
};

} // namespace quillon
