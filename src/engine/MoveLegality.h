#pragma once
// Move legality: may a card (or the run it carries) be placed on a pile? Every question goes
// through PileAccepts, which picks the building rule of the destination from the game attributes,
// and RuleAccepts, the evaluator of the numbered building rules. Nothing here changes a pile.

#include "model/Session.h"

#include <string_view>
#include <vector>

namespace quillon {

// Where a card lies (CardLocation): the stock, the waste, foundation k (-1 - k), tableau pile k
// (1 + k), reserve k (-21 - k), or nowhere.
constexpr int kLocStock = -99;
constexpr int kLocWaste = -98;
constexpr int kLocNowhere = 0;
constexpr bool LocIsTableau(int loc) {
    return loc >= 1 && loc <= kTableauCount;
}
constexpr bool LocIsReserve(int loc) {
    return loc >= -21 - (kReserveCount - 1) && loc <= -21;
}
constexpr bool LocIsFoundation(int loc) {
    return loc >= -kFoundationCount && loc <= -1;
}
// 0-based tableau pile / reserve / foundation of a location code (only meaningful for that kind).
constexpr int LocTableauIndex(int loc) {
    return loc - 1;
}
constexpr int LocReserveIndex(int loc) {
    return -21 - loc;
}
constexpr int LocFoundationIndex(int loc) {
    return -1 - loc;
}

// Game attributes read by the legality rules.
namespace attr {
constexpr int RunOrder = 2;       // order test of a lifted run dropped on the tableau
constexpr int PickUpRule = 14;    // pick-up limit rule
constexpr int ReservePickUp = 15; // reserve pick-up rule
constexpr int WasteLocked = 8;    // non-zero: the waste card is not picked up
constexpr int GridWidth = 30;     // cells per row of grid games
constexpr int FoundationCapacity = 34;
constexpr int TableauCapacity = 35; // -1 unlimited
constexpr int StockLock = 37;
constexpr int FoundationStart = 51; // 1 distinct suits per group of four, 2 alternating colours
constexpr int Family = 54;
constexpr int FoundationBase = 55; // + i, i = 0..15
constexpr int FoundationDir = 71;  // + i
constexpr int FoundationRule = 87; // + i
constexpr int TableauEmpty = 135;  // + i, i = 0..39
constexpr int TableauDir = 175;    // + i
constexpr int TableauRule = 215;   // + i
constexpr int TableauWrap = 255;   // + i
constexpr int ReserveKind = 335;   // + i, i = 0..11
constexpr int FoundationCount = 374;
constexpr int TableauCount = 375;
constexpr int ReserveCount = 376;
} // namespace attr

// The numbers of foundations, tableau piles and reserves of the current game, kept within the
// sizes of the pile lists whatever the attributes say.
int FoundationsInPlay(const Session& s);
int TableauInPlay(const Session& s);
int ReservesInPlay(const Session& s);

// True when the move in progress carries one card (the drag image is no taller than one card).
bool MoveCarriesSingleCard(const Session& s);

// May `card` (alone, or as the bottom card of the lifted run) go on the named "Dest", "Fila" or
// "Appogg" pile? Any other name, and any number that is not a card, gives false.
bool PileAccepts(Session& s, int card, std::string_view pile);

// The building-rule evaluator. `q.top` is the destination's top card, -1 (or 0) for an empty one.
bool RuleAccepts(Session& s, const RuleQuery& q);

// Location code of a card (see above); kLocNowhere for a card in no pile and for non-cards.
int CardLocation(const Session& s, int card);
// The card and every card above it in its tableau pile or reserve, bottom first; empty when the
// card lies in neither.
std::vector<int> RunFromCard(const Session& s, int card);
// The card is the top card of a tableau pile or of a reserve.
bool IsPileTop(const Session& s, int card);
// The run from `card` up is in order for tableau pile i by the run order attribute.
bool RunIsSequence(Session& s, int card, int i);
// No pile between the card's pile and the nearer end of its row of ten (tableau or reserves)
// holds a card.
bool CardIsFree(const Session& s, int card);

// Group tests of the foundation start rules.
bool BaseCardsBalanced(const Session& s, int v, int card);
bool SuitsDistinctInGroup(const Session& s, int g, int slot, int card);
bool BaseColoursAlternate(const Session& s, int card, int i);
bool BaseSuitsAtMost(const Session& s, int card, int limit);
// Cells a and b of a grid w cells wide are orthogonal neighbours.
bool GridAdjacent(int a, int b, int w);
struct GridJumpResult {
    bool ok = false;
    int jumped = -1; // the tableau pile jumped over
};
// A card from location `loc` jumps over an occupied neighbour of tableau cell i into i.
GridJumpResult GridJump(const Session& s, int loc, int i);

// Makes the legality rules reachable from model code (the deal) through the session's hooks.
void InstallEngineHooks(Session& s);

} // namespace quillon
