// Winning move lists of the games numbered 960 to 999, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins960() {
    static const std::vector<RecordedWin> wins = {
        // Octave: the foundations reach their tens in the second pass through the stock, and each
        // king ends under its queen and jack.
        {960, "9196793312542",
         "67:Dest6 29:Fila2 60:Fila1 58:Fila6 98:Fila1 0:Mazzo 0:Mazzo 0:Mazzo 16:Dest6 0:Mazzo "
         "80:Dest2 29:Dest2 69:Dest6 18:Dest6 30:Dest2 83:Dest2 48:Fila5 84:Dest2 33:Dest2 "
         "75:Fila3 50:Fila5 28:Dest4 78:Fila3 0:Mazzo 0:Mazzo 15:Dest8 0:Mazzo 0:Mazzo 21:Fila6 "
         "0:Mazzo 81:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 71:Dest6 0:Mazzo 0:Mazzo 20:Dest6 21:Dest6 "
         "22:Dest6 0:Mazzo 0:Mazzo 0:Mazzo 12:Fila1 102:Fila1 0:Mazzo 54:Dest1 3:Dest1 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 47:Fila2 0:Mazzo 38:Fila3 0:Mazzo 0:Mazzo 43:Fila7 "
         "0:Mazzo 0:Mazzo 96:Fila5 0:Mazzo 0:Mazzo 0:Mazzo 93:Dest3 0:Mazzo 82:Dest4 0:Mazzo "
         "64:Fila4 50:Fila4 91:Fila5 0:Mazzo 11:Fila3 0:Mazzo 0:Mazzo 8:Fila6 0:Mazzo 86:Dest2 "
         "0:Mazzo 0:Mazzo 90:Fila8 0:Mazzo 25:Fila5 0:Mazzo 49:Fila3 74:Fila3 0:Mazzo 7:Fila3 "
         "0:Mazzo 0:Mazzo 68:Dest8 0:Mazzo 0:Mazzo 103:Fila2 0:Mazzo 0:Mazzo 56:Dest1 0:Mazzo "
         "87:Dest2 0:Mazzo 0:Mazzo 2:Dest7 0:Mazzo 88:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 45:Fila3 "
         "70:Fila3 0:Mazzo 26:Fila7 103:Fila7 0:Mazzo 89:Fila5 0:Mazzo 51:Fila2 0:Mazzo 10:Fila1 "
         "35:Fila1 0:Mazzo 94:Dest3 43:Dest3 44:Dest3 0:Mazzo 13:Fila6 51:Fila6 0:Mazzo 52:Fila2 "
         "0:Mazzo 0:Mazzo 4:Fila4 0:Mazzo 31:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 32:Dest4 0:Mazzo "
         "97:Dest3 0:Mazzo 41:Dest5 0:Mazzo 23:Dest6 0:Mazzo 62:Fila5 0:Mazzo 0:Mazzo 24:Fila6 "
         "101:Fila6 0:Mazzo 17:Dest8 70:Dest8 0:Mazzo 57:Dest1 0:Mazzo 0:Mazzo 61:Fila6 0:Mazzo "
         "0:Mazzo 63:Fila7 0:Mazzo 42:Dest5 0:Mazzo 36:Fila7 0:Mazzo 55:Dest7 4:Dest7 0:Mazzo "
         "6:Dest1 0:Mazzo 46:Dest3 0:Mazzo 85:Dest4 0:Mazzo 100:Fila5 0:Mazzo 76:Fila8 0:Mazzo "
         "5:Dest7 0:Mazzo 19:Dest8 0:Mazzo 72:Dest8 0:Mazzo 77:Fila2 37:Fila2 95:Dest5 96:Dest5 "
         "45:Dest5 7:Dest1 58:Dest7 98:Dest5 8:Dest1 47:Dest3 100:Dest3 61:Dest1 62:Dest1 "
         "101:Dest3 0:Mazzo 34:Dest4 35:Dest4 36:Dest4 0:Mazzo 99:Dest5 0:Mazzo 59:Dest7 60:Dest7 "
         "48:Dest5 0:Mazzo 9:Dest7 10:Dest7 0:Mazzo 73:Dest8 74:Dest8 49:Dest5 75:Dest8"},
    };
    return wins;
}

} // namespace quillon
