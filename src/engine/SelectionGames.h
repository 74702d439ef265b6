#pragma once
// Selection, pairing and memory games. Cards are not dragged: a press selects a card, and when
// the selected cards make a group the game allows (two cards of a rank, cards adding up to a
// total, a jack, queen and king ...) the group leaves the table for the second waste and the gaps
// are refilled from the stock. Memory games turn cards up by pressing them and take matching
// pairs away. The selection is held on the first foundation, "Dest01": the selected card numbers
// in press order (the cards themselves stay in their piles until the group is removed).

#include "model/Session.h"

#include <string>
#include <vector>

namespace quillon {

// What the rule of the game says of a selection.
enum class SelectionVerdict { Invalid, Valid, Complete };

// The rule of the game's family for the cards selected so far (press order, the last one just
// added), judged by the selection games that press through SelectCard.
SelectionVerdict JudgeSelection(const Session& s, const std::vector<int>& cards);

// The game keeps a selection on its first foundation (a pairing game, or one that adds up cards).
bool IsSelectionGame(const Session& s);

// The selected cards, press order.
std::vector<int> SelectedCards(const Session& s);

// The press of a pairing game (attribute 41 non-zero and the families that hand presses on):
// families 3, 4, 33 and 67 add up cards (SumSelect), 36, 37 and 39 are memory games (MemoryTurn),
// every other family selects through SelectCard. The card's rectangle is found from the press.
void SelectionPress(Session& s, int button, const std::string& pile, int card);

void SelectCard(Session& s, const std::string& pile, int card, const TableRect& rect, int button);
void SumSelect(Session& s, int card, const TableRect& rect);
// May a tableau card of a pyramid (families 4 and 67) be selected: no card of the row below
// covers it.
bool IsFreePyramidCard(const Session& s, int card);
void MemoryTurn(Session& s, int card, const TableRect& rect, int pileIndex);

// The move targets "Selezionate_Dest", "Selezionate_Dest_Deck", "Selezionate_Fila" and
// "Stock_To_Pile_Monte_Carlo"; true when something moved.
bool SelectionMoveTarget(Session& s, int card, const std::string& target);

// Families 4 and 67: the stock's top card joins a selection that is not empty (true when the
// press was taken as a selection press); a card that went back to the stock leaves it.
bool AddToSelection(Session& s, int card);
void DropFromSelection(Session& s, int card);

// After the table was painted afresh: the selected cards are shown inverted again, and the
// matched pairs of family 38 are framed.
void RedrawSelectionMarks(Session& s);

// Fills the session's selection seams.
void InstallSelectionHooks(Session& s);

} // namespace quillon
