#pragma once
// The rearrangements that game families make after the standard deal: aces played out, piles
// rebuilt by rank, cards laid out in rounds, gaps opened.

#include "model/Deal.h"

#include <string>
#include <vector>

namespace quillon {

class Session;

// Foundation number meaning "any foundation, in order".
constexpr int kAnyFoundation = 0;

// Takes the card out of the first pile that holds it, searching the waste, the tableau piles, the
// 16 foundations, the stock, the second waste and the 12 reserves. Returns the kind of pile it
// came from (1 stock, 2 waste, 3 second waste, 4 tableau, 5 foundation, 6 reserve), 255 when no
// pile holds it.
int RemoveCardFromPiles(Session& s, int card);

// Offers a card to foundation k (1-based) or to every foundation (kAnyFoundation) by their
// building rules; on acceptance moves it there face up, scores 1 and returns true.
bool PlayToFoundation(Session& s, int card, int k);
// Offers every tableau card to the foundations.
void PlayDealtToFoundations(Session& s);
// Places the card in the first empty slot of tableau pile m (1-based) unless the pile holds its
// rank already.
bool PlaceDistinctRank(Session& s, int m, int card);
// Reorders a list of cards by the rank walk of the four-group games.
void RankShuffle(std::vector<int>& list);

// A sliding puzzle (every cell slides by the grid rule, one gap, won with the cards in order) can
// reach its won order from the board on the table; true for every other game.
bool SlidingPuzzleSolvable(const Session& s);
// The dealt board is a sliding puzzle: every cell slides by the grid rule, one cell is the gap, and
// the game is won with the cards in order.
bool IsSlidingPuzzle(const Session& s);
// A sliding puzzle dealt in an order that can never be put right gets its last two tiles (in
// reading order) exchanged, which makes it solvable; any other board is left as it is.
void MakeSlidingPuzzleSolvable(Session& s);

// Runs every arrangement the game selects, in order, on the piles and the rest of the deck.
void RunDealArrangements(Session& s, DeckList& deck);

} // namespace quillon
