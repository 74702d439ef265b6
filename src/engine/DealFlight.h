#pragma once
// The animated deal of a new game: where the cards fly from, in which order they are dealt, and
// the flight of one dealt card. The table's painting calls these for every tableau and reserve
// card; the engine works out the steps and the table view draws them.

#include "model/Session.h"

#include <string>
#include <vector>

namespace quillon {

// The place the dealt cards fly from: a pile, or (families 46 and 74 without any other source)
// a point off the table left of its top-left corner, with an empty pile name.
struct DealSource {
    std::string pile;
    int x = 0, y = 0;
};

// The source of an animated deal: the stock when it holds cards, else the waste, else reserve 1
// when it holds at most one card, else the second waste, else foundation 1, else tableau pile 1,
// each only when it lies on the table. False when no card of the tableau or the reserves is to
// be dealt (nothing flies).
bool ChooseDealSource(const Session& s, DealSource& source);

// One dealt card: card `k` (0-based from the bottom) of a pile.
struct DealPlace {
    std::string pile;
    int k = 0;
    bool operator==(const DealPlace&) const = default;
};

// The order in which the deal shows the cards of the reserves and the tableau: every reserve from
// its bottom card up; then the tableau pile after pile (attribute 26) or row by row, the bottom
// card of every pile first. Piles off the table are left out.
std::vector<DealPlace> DealOrder(const Session& s);

// One card flying from the deal source to its place (px, py): shown on the deck, pushed off it by
// a seventh of a card and flown there fast; it is left in the table image.
void FlyDealtCard(Session& s, const DealSource& from, int card, bool faceUp, int px, int py);

} // namespace quillon
