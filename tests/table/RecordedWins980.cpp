// Winning move lists of the games numbered 980 to 999, in the words of RecordedWins.cpp; "Row-1"
// and "Row-3" drop a card of Accordion's row on the card one or three places before it.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins980() {
    static const std::vector<RecordedWin> wins = {
        // Accordion: the whole pack gathered into one pile, the stock dealt out as the row allows.
        {980, "0000000000005",
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 51:Row-1 0:Mazzo "
         "38:Row-1 38:Row-3 0:Mazzo 37:Row-3 37:Row-3 37:Row-1 41:Row-1 0:Mazzo 22:Row-3 0:Mazzo "
         "0:Mazzo 0:Mazzo 18:Row-1 0:Mazzo 9:Row-3 0:Mazzo 0:Mazzo 13:Row-3 13:Row-1 18:Row-3 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 28:Row-3 0:Mazzo 2:Row-1 0:Mazzo 32:Row-3 0:Mazzo 6:Row-1 "
         "0:Mazzo 0:Mazzo 0:Mazzo 12:Row-3 0:Mazzo 10:Row-3 0:Mazzo 48:Row-1 0:Mazzo 42:Row-1 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 24:Row-1 0:Mazzo 25:Row-1 0:Mazzo 0:Mazzo 49:Row-3 0:Mazzo 7:Row-1 "
         "7:Row-3 7:Row-3 25:Row-3 49:Row-1 0:Mazzo 47:Row-1 0:Mazzo 0:Mazzo 17:Row-3 0:Mazzo 31:Row-1 "
         "0:Mazzo 15:Row-3 0:Mazzo 5:Row-1 0:Mazzo 19:Row-3 19:Row-3 19:Row-1 7:Row-3 14:Row-1 5:Row-3 "
         "5:Row-3 47:Row-3 0:Mazzo 52:Row-3 13:Row-1 13:Row-1 0:Mazzo 29:Row-3 14:Row-3 0:Mazzo "
         "3:Row-1 0:Mazzo 27:Row-3 29:Row-1 3:Row-1"},
    };
    return wins;
}

} // namespace quillon
