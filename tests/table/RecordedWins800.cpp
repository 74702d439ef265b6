// Winning move lists of the games numbered 800 to 849, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins800() {
    static const std::vector<RecordedWin> wins = {
        // Mount Olympus: runs moved down the piles by twos, cards played up by twos; each gap is
        // filled from the stock at once.
        {800, "0000000000001",
         "0:Mazzo 17:Dest4 94:Dest7 59:Fila4 10:Fila3 0:Mazzo 56:Dest10 19:Dest4 58:Dest10 "
         "30:Dest6 96:Dest7 20:Fila7 50:Fila9 61:Fila1 0:Mazzo 32:Dest6 69:Dest12 42:Dest15 "
         "36:Fila5 0:Mazzo 4:Dest2 6:Dest2 71:Dest12 89:Fila2 44:Dest15 0:Mazzo 60:Dest10 "
         "16:Dest11 62:Dest10 82:Dest14 84:Dest14 23:Fila2 12:Dest10 88:Fila8 0:Mazzo 55:Dest9 "
         "21:Dest12 75:Dest12 29:Dest13 18:Dest11 63:Fila6 47:Fila4 100:Fila9 95:Dest8 0:Mazzo "
         "98:Dest15 34:Dest14 36:Dest14 38:Dest14 68:Dest3 31:Dest13 33:Dest13 100:Dest15 "
         "50:Dest15 104:Dest15 46:Dest7 57:Dest9 73:Dest4 23:Dest4 77:Dest12 49:Fila9 7:Dest9 "
         "48:Dest7 25:Dest4 22:Fila4 35:Dest13 89:Dest13 39:Dest13 3:Dest1 20:Dest11 22:Dest11 "
         "24:Dest11 26:Dest11 83:Fila3 37:Fila2 47:Fila7 97:Fila7 9:Dest9 63:Dest9 65:Dest9 "
         "70:Dest3 97:Dest8 47:Dest8 49:Dest8 103:Dest8 101:Fila9 85:Fila7 87:Fila2 86:Dest6 "
         "88:Dest6 90:Dest6 8:Dest2 10:Dest2 64:Dest2 81:Dest5 5:Dest1 83:Dest5 85:Dest5 87:Dest5 "
         "37:Dest5 91:Dest5 102:Dest7 52:Dest7 72:Dest3 74:Dest3 76:Dest3 78:Dest3 59:Dest1 "
         "61:Dest1 11:Dest1 13:Dest1 43:Dest16 99:Fila9 45:Dest16 99:Dest16 101:Dest16 51:Dest16"},
    };
    return wins;
}

} // namespace quillon
