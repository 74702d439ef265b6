#pragma once
// The moves of the selection, pairing and memory games for the tool and the search: every group
// of cards whose presses would complete a selection from the current position, and the presses
// that play one. The presses go through the same selection code a press on the table reaches.

#include <functional>
#include <string>
#include <vector>

namespace quillon {

class Session;
struct SolverMove;

// The game is played by pressing cards rather than dragging them (selection, pairing and memory
// games).
bool PlaysBySelection(const Session& s);

// One action: the cards pressed in order (a group the rules take away or swap, a memory pair
// turned up and taken, the next card of a turn-up sequence), or a press on the stock when empty.
struct SelectionAction {
    std::vector<int> cards;
    bool operator==(const SelectionAction&) const = default;
};

// The actions from the current position: the groups first (in the order of their cards on the
// table), then the stock press when it would change anything.
std::vector<SelectionAction> ListSelectionActions(Session& s);

// One press on a card where it lies, and one on the stock (with its release), as the table hands
// them on.
void PressSelectionCard(Session& s, int card);
void PressSelectionStock(Session& s);

// Plays an action by its presses; true when the table changed.
bool ApplySelectionAction(Session& s, const SelectionAction& action);

// "Select 012 025", "Stock".
std::string FormatSelectionAction(const SelectionAction& action);

// Searches for a winning list of presses, trying at most `budget` positions, depth first with
// the removals tried before the stock. Each press is one move: the card and "Select", or 0 and
// "Mazzo" for the stock. False when no win was found; the position is put back either way.
// `stop`, when given, is asked as the search goes; it gives up when the answer is true.
bool FindSelectionWin(Session& s, long budget, std::vector<SolverMove>& moves,
                      const std::function<bool()>& stop = {});

} // namespace quillon
