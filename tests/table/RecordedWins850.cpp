// Winning move lists of the games numbered 850 to 899, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins850() {
    static const std::vector<RecordedWin> wins = {
        // Auld Lang Syne and Tam O'Shanter: the stock alone, the tops going up by autoplay (one
        // deal in some eighteen thousand comes out, and in Tam O'Shanter one in some two hundred
        // thousand).
        {850, "0000000032833",

         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo", true},
        {851, "0000000347470",
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo",
         true},
        // Relaxed Golf: every card clicked onto the waste pile, or the stock clicked.
        {852, "0000000000001",
         "2:Mazzo_Waste 14:Mazzo_Waste 0:Mazzo 0:Mazzo 37:Mazzo_Waste 0:Mazzo 0:Mazzo "
         "48:Mazzo_Waste 21:Mazzo_Waste 0:Mazzo 32:Mazzo_Waste 5:Mazzo_Waste 30:Mazzo_Waste "
         "29:Mazzo_Waste 0:Mazzo 46:Mazzo_Waste 8:Mazzo_Waste 22:Mazzo_Waste 36:Mazzo_Waste "
         "50:Mazzo_Waste 12:Mazzo_Waste 52:Mazzo_Waste 0:Mazzo 10:Mazzo_Waste 9:Mazzo_Waste "
         "23:Mazzo_Waste 0:Mazzo 19:Mazzo_Waste 20:Mazzo_Waste 0:Mazzo 31:Mazzo_Waste 0:Mazzo "
         "28:Mazzo_Waste 27:Mazzo_Waste 0:Mazzo 33:Mazzo_Waste 47:Mazzo_Waste 0:Mazzo "
         "42:Mazzo_Waste 0:Mazzo 51:Mazzo_Waste 26:Mazzo_Waste 38:Mazzo_Waste 13:Mazzo_Waste "
         "0:Mazzo 3:Mazzo_Waste 17:Mazzo_Waste 44:Mazzo_Waste 0:Mazzo 0:Mazzo 41:Mazzo_Waste"},
        // Sir Tommy: each card turned from the stock put on a waste pile; the cards that fit go up
        // by autoplay.
        {853, "0000000000001",
         "0:Mazzo 0:Mazzo 36:Fila1 0:Mazzo 50:Fila2 0:Mazzo 20:Fila1 0:Mazzo 31:Fila1 0:Mazzo "
         "47:Fila2 0:Mazzo 29:Fila1 0:Mazzo 8:Fila2 0:Mazzo 0:Mazzo 51:Fila3 0:Mazzo 38:Fila3 "
         "0:Mazzo 37:Fila3 0:Mazzo 22:Fila3 0:Mazzo 52:Fila4 0:Mazzo 23:Fila4 0:Mazzo 19:Fila2 "
         "0:Mazzo 9:Fila3 0:Mazzo 33:Fila3 0:Mazzo 13:Fila4 0:Mazzo 0:Mazzo 44:Fila1 0:Mazzo "
         "0:Mazzo 5:Fila1 0:Mazzo 42:Fila1 0:Mazzo 3:Fila1 0:Mazzo 0:Mazzo 2:Fila1 0:Mazzo "
         "21:Fila2 0:Mazzo 32:Fila2 0:Mazzo 12:Fila4 0:Mazzo 0:Mazzo 48:Fila3 0:Mazzo 0:Mazzo "
         "46:Fila3 0:Mazzo 0:Mazzo 26:Fila4 0:Mazzo 0:Mazzo 0:Mazzo 11:Fila4 0:Mazzo 0:Mazzo "
         "7:Fila2 0:Mazzo 34:Fila3 0:Mazzo 35:Fila4 0:Mazzo 18:Fila1 0:Mazzo 45:Fila2 0:Mazzo "
         "16:Fila2 0:Mazzo 6:Fila4 0:Mazzo 15:Fila2 0:Mazzo 39:Fila4 0:Mazzo 0:Mazzo 4:Fila3 "
         "0:Mazzo",
         true},
        // Acquaintance: the stock alone, the tops going up by autoplay.
        {854, "0000000000001",
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo",
         true},
    };
    return wins;
}

} // namespace quillon
