// Winning move lists of the games numbered 950 to 959, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins950() {
    static const std::vector<RecordedWin> wins = {
        // Poker Squares: each card turned from the stock goes to the next cell of the square.
        {950, "0000000000001",
         "0:Mazzo 1:Fila1 0:Mazzo 36:Fila2 0:Mazzo 50:Fila3 0:Mazzo 20:Fila4 0:Mazzo 31:Fila5 "
         "0:Mazzo 47:Fila6 0:Mazzo 29:Fila7 0:Mazzo 8:Fila8 0:Mazzo 28:Fila9 0:Mazzo 51:Fila10 "
         "0:Mazzo 38:Fila11 0:Mazzo 37:Fila12 0:Mazzo 22:Fila13 0:Mazzo 52:Fila14 0:Mazzo 23:Fila15 "
         "0:Mazzo 19:Fila16 0:Mazzo 9:Fila17 0:Mazzo 33:Fila18 0:Mazzo 13:Fila19 0:Mazzo 17:Fila20 "
         "0:Mazzo 44:Fila21 0:Mazzo 14:Fila22 0:Mazzo 5:Fila23 0:Mazzo 42:Fila24 0:Mazzo 3:Fila25"},
        // Forget Me Not: one pass through the stock, each twin laid under its card as it turns up.
        {951, "0000000000001",
         "0:Mazzo 0:Mazzo 83:Fila8 0:Mazzo 0:Mazzo 0:Mazzo 91:Fila7 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "92:Fila9 0:Mazzo 60:Fila2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 55:Fila6 0:Mazzo 0:Mazzo "
         "95:Fila4 0:Mazzo 0:Mazzo 57:Fila1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "103:Fila3 0:Mazzo 76:Fila5 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 86:Fila10"},
    };
    return wins;
}

} // namespace quillon
