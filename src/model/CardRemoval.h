#pragma once
// Taking a card out of the pile that holds it: the one search every move and the deal share.

#include "model/Cards.h"

#include <string>

namespace quillon {

// The pile a card was taken from: its kind (1 stock, 2 waste, 3 second waste, 4 tableau,
// 5 foundation, 6 reserve; 255 when no pile held it) and its name ("Fila3", "Mazzo_Vis").
struct TakenCard {
    int kind = 255;
    std::string pile;
};

// Takes the card out of the first pile holding it, searching the waste, the tableau piles, the
// 16 foundations, the stock, the second waste and the 12 reserves. With `leaveSlot` a card taken
// from a tableau pile leaves "000" in its place, so the cards above keep their places.
TakenCard TakeCardFromPiles(PileLists& piles, int card, bool leaveSlot);

} // namespace quillon
