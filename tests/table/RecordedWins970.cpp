// Winning move lists of the games numbered 970 to 989, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins970() {
    static const std::vector<RecordedWin> wins = {
        // Little Forty: won during the second pass through the stock.
        {970, "0000000000011",
         "0:Mazzo 27:Dest1 66:Dest2 92:Dest3 102:Fila9 10:Fila9 2:Fila6 43:Fila4 14:Dest4 "
         "62:Fila8 87:Fila9 35:Fila8 47:Fila8 60:Fila9 84:Fila7 0:Mazzo 0:Mazzo 5:Fila7 75:Fila3 "
         "41:Dest3 43:Fila7 57:Fila5 17:Fila5 79:Dest5 30:Fila4 3:Fila7 2:Fila7 55:Fila5 0:Mazzo "
         "0:Mazzo 0:Mazzo 67:Dest2 0:Mazzo 42:Dest3 15:Dest4 0:Mazzo 59:Fila9 53:Dest6 2:Dest6 "
         "55:Dest6 0:Mazzo 0:Mazzo 0:Mazzo 80:Dest1 68:Fila5 0:Mazzo 0:Mazzo 72:Fila8 28:Dest5 "
         "51:Fila2 0:Mazzo 58:Fila9 33:Fila6 70:Fila9 82:Fila9 8:Fila1 56:Dest6 16:Dest2 3:Fila9 "
         "43:Dest3 44:Dest3 5:Dest6 48:Fila3 0:Mazzo 18:Fila7 1:Dest7 0:Mazzo 93:Fila9 81:Dest5 "
         "30:Dest5 77:Fila4 33:Fila1 21:Fila3 98:Fila3 65:Fila6 0:Mazzo 25:Fila6 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 31:Dest5 0:Mazzo 6:Dest6 0:Mazzo 0:Mazzo 0:Mazzo 95:Fila7 0:Mazzo "
         "32:Dest5 97:Dest3 98:Dest3 33:Dest5 11:Fila2 0:Mazzo 50:Fila6 63:Fila4 93:Fila5 3:Fila7 "
         "93:Fila7 72:Fila3 47:Dest3 8:Fila8 104:Fila1 0:Mazzo 0:Mazzo 29:Dest1 49:Fila6 23:Fila4 "
         "74:Fila6 20:Fila8 88:Fila2 0:Mazzo 0:Mazzo 86:Dest5 0:Mazzo 90:Fila1 7:Dest6 0:Mazzo "
         "0:Mazzo 0:Mazzo 99:Fila6 22:Fila4 61:Fila2 20:Fila6 8:Dest6 35:Dest5 61:Dest6 62:Dest6 "
         "88:Dest5 11:Dest6 24:Fila1 0:Mazzo 101:Fila1 9:Fila1 0:Mazzo 82:Dest1 4:Fila9 83:Dest1 "
         "100:Dest3 93:Fila5 3:Fila9 93:Fila9 68:Fila7 17:Dest2 68:Dest4 95:Fila5 18:Dest2 "
         "84:Dest1 39:Fila7 12:Dest6 13:Dest6 40:Dest8 34:Fila4 93:Dest8 54:Dest7 0:Mazzo 3:Dest7 "
         "94:Dest8 95:Dest8 4:Dest7 85:Dest1 57:Dest7 71:Dest2 20:Dest2 45:Fila3 70:Fila3 "
         "58:Dest7 59:Dest7 60:Dest7 34:Dest1 9:Dest7 101:Dest3 36:Fila10 87:Dest1 10:Dest7 "
         "102:Dest3 103:Dest3 52:Dest3 69:Dest4 38:Fila7 70:Dest4 96:Dest8 76:Fila7 45:Dest8 "
         "89:Dest5 91:Fila5 46:Dest8 19:Dest4 72:Dest4 21:Dest2 99:Dest8 22:Dest2 23:Dest2 "
         "76:Dest2 38:Dest5 91:Dest5 48:Dest8 36:Dest1 75:Fila1 37:Dest1 63:Dest7 77:Dest2 "
         "78:Dest2 73:Dest4 64:Dest7 74:Dest4 49:Dest8 75:Dest4 50:Dest8 24:Dest4 90:Dest1 "
         "51:Dest8 25:Dest4 104:Dest8 26:Dest4 65:Dest7 39:Dest1"},
    };
    return wins;
}

} // namespace quillon
