// Winning move lists of the games numbered 600 to 649, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins600() {
    static const std::vector<RecordedWin> wins = {
        {601, "0000000000012",
         "80:Dest3 81:Dest3 30:Dest3 29:Fila5 41:Dest4 88:Fila11 33:Fila10 74:Fila9 101:Fila6 "
         "100:Fila6 83:Dest3 4:Fila3 0:Mazzo 15:Dest2 77:Dest6 16:Dest2 12:Dest5 42:Dest4 "
         "24:Dest6 33:Fila2 32:Dest3 33:Dest3 86:Dest3 85:Fila10 43:Dest4 96:Dest4 66:Fila6 "
         "63:Dest5 62:Dest5 6:Fila4 29:Fila11 28:Fila11 37:Fila2 28:Fila12 29:Fila12 82:Fila12 "
         "88:Fila2 87:Dest3 88:Dest3 37:Dest3 0:Mazzo 38:Dest3 51:Dest8 17:Dest2 18:Dest2 "
         "2:Dest1 39:Dest3 3:Dest1 4:Dest1 71:Dest2 45:Dest4 98:Dest4 20:Dest2 90:Dest7 "
         "99:Dest4 21:Dest2 74:Dest2 75:Dest2 5:Dest1 61:Dest5 60:Dest5 55:Fila1 23:Dest6 "
         "22:Dest6 64:Fila7 76:Dest2 89:Dest7 36:Dest7 35:Dest7 95:Fila6 103:Fila13 31:Fila12 "
         "6:Dest1 59:Dest1 8:Dest1 9:Dest1 10:Dest1 0:Mazzo 48:Dest4 49:Dest4 7:Dest5 58:Dest5 "
         "73:Dest6 72:Dest6 25:Dest2 57:Dest5 64:Fila16 11:Dest1 64:Dest1 13:Dest1 34:Dest7 "
         "85:Dest7 84:Dest7 31:Dest7 82:Dest7 29:Dest7 28:Dest7 79:Dest7 102:Dest4 68:Fila13 "
         "19:Dest6 54:Fila10 95:Fila16 97:Fila6 70:Dest6 97:Fila4 44:Fila4 44:Fila16 97:Fila16 "
         "66:Fila8 68:Fila6 69:Dest6 68:Dest6 67:Dest6 66:Dest6 26:Dest2 56:Dest5 55:Dest5 "
         "50:Dest8 54:Dest5 53:Dest5 103:Dest4 52:Dest4 100:Fila11 101:Dest8 100:Dest8 47:Dest8 "
         "46:Dest8 97:Dest8 44:Dest8 95:Dest8 94:Dest8 93:Dest8 92:Dest8"},
        {600, "0000000000002",
         "26:Dest5 77:Dest5 27:Dest1 53:Dest2 104:Dest6 66:Dest3 51:Dest6 102:Dest6 30:Appogg1 "
         "40:Dest4 0:Mazzo 2:Dest2 0:Mazzo 82:Appogg3 41:Dest4 55:Dest2 67:Dest3 31:Appogg6 "
         "49:Dest6 0:Mazzo 0:Mazzo 0:Mazzo 91:Dest7 28:Dest1 81:Dest1 30:Dest1 31:Dest1 "
         "42:Dest4 43:Dest4 96:Dest4 84:Dest1 85:Dest1 45:Dest4 48:Dest6 47:Dest6 0:Mazzo "
         "46:Dest4 56:Dest2 86:Dest1 35:Dest1 90:Dest7 0:Mazzo 57:Dest2 6:Dest2 7:Dest2 "
         "99:Dest4 13:Dest8 100:Dest4 101:Dest4 24:Dest5 75:Dest5 50:Dest4 58:Appogg1 8:Dest2 "
         "61:Dest2 64:Dest8 10:Dest2 80:Appogg2 22:Dest5 0:Mazzo 65:Appogg4 21:Dest5 60:Appogg5 "
         "16:Dest3 0:Mazzo 0:Mazzo 17:Dest3 68:Appogg6 98:Dest6 97:Dest6 19:Appogg7 44:Dest6 "
         "78:Appogg8 103:Dest4 88:Dest1 11:Dest2 0:Mazzo 12:Dest2 65:Dest2 15:Appogg4 72:Dest5 "
         "19:Dest5 70:Dest5 69:Dest5 68:Dest5 15:Dest5 94:Appogg4 37:Dest1 63:Dest8 62:Dest8 "
         "5:Appogg6 89:Dest7 36:Dest7 87:Dest7 38:Dest1 73:Appogg7 14:Dest5 39:Dest1 9:Dest8 "
         "60:Dest8 95:Dest6 94:Dest6 92:Appogg4 59:Dest8 58:Dest8 5:Dest8 18:Dest3 93:Dest6 "
         "92:Dest6 4:Dest8 3:Dest8 34:Dest7 33:Dest7 32:Dest7 83:Dest7 82:Dest7 54:Dest8 "
         "1:Dest8 29:Dest7 80:Dest7 79:Dest7 0:Mazzo 52:Dest4 23:Appogg1 76:Appogg2 20:Appogg3 "
         "25:Appogg4 71:Dest3 20:Dest3 73:Dest3 74:Dest3 23:Dest3 76:Dest3 25:Dest3 78:Dest3"},
        {604, "0000000000056",
         "12:Fila3 0:Mazzo 50:Fila2 48:Fila3 36:Fila2 24:Fila3 41:Fila5 0:Mazzo 6:Dest4 "
         "33:Fila2 30:Fila7 38:Fila6 13:Fila1 7:Dest4 46:Dest1 47:Dest1 44:Fila4 14:Fila7 "
         "32:Fila6 12:Fila7 0:Mazzo 28:Fila3 24:Fila1 15:Fila2 19:Dest3 20:Dest3 35:Fila7 "
         "29:Fila6 34:Fila7 48:Dest1 35:Fila6 49:Dest1 11:Fila2 36:Fila7 50:Dest1 52:Fila3 "
         "22:Fila1 38:Fila6 37:Fila6 21:Dest3 22:Dest3 23:Dest3 24:Dest3 25:Dest3 4:Fila1 "
         "27:Fila6 42:Fila5 26:Dest3 3:Fila1 10:Fila1 13:Fila4 14:Dest3 15:Dest3 16:Dest3 "
         "0:Mazzo 30:Fila1 17:Dest3 39:Fila1 8:Dest4 18:Dest3 37:Fila6 9:Dest4 10:Dest4 "
         "11:Dest4 12:Dest4 13:Dest4 37:Fila1 51:Dest1 52:Dest1 40:Dest1 27:Fila5 41:Dest1 "
         "28:Fila1 42:Dest1 43:Dest1 44:Dest1 32:Dest2 33:Dest2 34:Dest2 35:Dest2 36:Dest2 "
         "37:Dest2 38:Dest2 39:Dest2 1:Dest4 27:Dest2 28:Dest2 29:Dest2 30:Dest2 31:Dest2 "
         "2:Dest4 3:Dest4 4:Dest4 5:Dest4"},
    };
    return wins;
}

} // namespace quillon
