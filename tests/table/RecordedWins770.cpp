// Winning move lists of the games numbered 770 to 779, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins770() {
    static const std::vector<RecordedWin> wins = {
        {770, "0000000000003",
         "40:Dest1 14:Dest2 61:Fila5 67:Dest2 16:Dest2 69:Dest2 22:Fila2 51:Fila8 20:Fila6 "
         "6:Fila16 0:Mazzo 70:Dest2 0:Mazzo 0:Mazzo 53:Dest3 0:Mazzo 0:Mazzo 97:Fila12 0:Mazzo "
         "0:Mazzo 0:Mazzo 27:Dest4 0:Mazzo 12:Fila14 0:Mazzo 88:Fila4 88:Fila11 88:Fila13 "
         "89:Fila13 0:Mazzo 0:Mazzo 36:Fila11 0:Mazzo 0:Mazzo 2:Dest3 0:Mazzo 55:Dest3 4:Dest3 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 8:Fila5 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 90:Fila9 "
         "90:Fila13 39:Fila13 0:Mazzo 5:Dest3 6:Dest3 7:Dest3 8:Dest3 61:Dest3 10:Dest3 0:Mazzo "
         "0:Mazzo 23:Fila2 23:Fila4 22:Fila4 20:Fila2 19:Dest2 20:Dest2 73:Dest2 22:Dest2 23:Dest2 "
         "76:Dest2 59:Fila5 97:Fila4 45:Fila12 0:Mazzo 0:Mazzo 11:Dest3 12:Dest3 65:Dest3 0:Mazzo "
         "32:Fila10 0:Mazzo 0:Mazzo 0:Mazzo 85:Fila10 0:Mazzo 95:Fila1 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 99:Fila14 99:Fila15 0:Mazzo 13:Dest3 99:Fila14 0:Mazzo 64:Dest3 "
         "99:Fila15 0:Mazzo 99:Fila14 0:Mazzo 99:Fila15 0:Mazzo 99:Fila14 0:Mazzo 99:Fila15 "
         "49:Fila14 0:Mazzo 18:Fila9 0:Mazzo 93:Dest1 0:Mazzo 0:Mazzo 41:Fila3 0:Mazzo 0:Mazzo "
         "9:Fila6 0:Mazzo 0:Mazzo 30:Fila16 0:Mazzo 60:Fila5 60:Fila6 59:Fila6 58:Fila6 0:Mazzo "
         "96:Fila1 96:Fila4 95:Fila4 94:Dest1 95:Dest1 96:Dest1 97:Dest1 46:Dest1 99:Dest1 "
         "48:Dest1 49:Dest1 24:Fila15 0:Mazzo 47:Fila14 0:Mazzo 72:Fila5 0:Mazzo 71:Fila5 71:Fila9 "
         "72:Fila9 21:Fila9 39:Fila5 0:Mazzo 39:Fila13 0:Mazzo 39:Fila5 44:Fila12 39:Fila13 "
         "0:Mazzo 102:Dest1 103:Dest1 39:Fila5 0:Mazzo 39:Fila13 54:Fila7 39:Fila5 0:Mazzo "
         "39:Fila13 0:Mazzo 39:Fila5 0:Mazzo 77:Dest2 26:Dest2 39:Fila13 0:Mazzo 39:Fila5 50:Fila8 "
         "39:Fila13 0:Mazzo 28:Dest4 39:Fila5 0:Mazzo 39:Fila13 25:Fila15 39:Fila5 0:Mazzo "
         "39:Fila13 101:Fila8 39:Fila5 0:Mazzo 39:Fila13 57:Fila4 57:Fila6 39:Fila5 57:Fila4 "
         "58:Fila4 39:Fila13 59:Fila4 60:Fila4 9:Fila4 39:Fila5 9:Fila6 60:Fila6 0:Mazzo 59:Fila6 "
         "58:Fila6 57:Fila6 39:Fila13 57:Fila4 58:Fila4 59:Fila4 60:Fila4 9:Fila4 39:Fila5 9:Fila6 "
         "3:Fila7 60:Fila6 59:Fila6 58:Fila6 57:Fila6 39:Fila13 57:Fila4 58:Fila4 59:Fila4 "
         "60:Fila4 9:Fila4 39:Fila5 62:Fila4 39:Fila13 0:Mazzo 52:Dest1 39:Fila5 0:Mazzo 39:Fila13 "
         "87:Fila11 39:Fila5 0:Mazzo 39:Fila13 86:Fila10 86:Fila11 85:Fila11 32:Fila11 39:Fila5 "
         "32:Fila10 85:Fila10 86:Fila10 87:Fila10 39:Fila13 36:Fila10 39:Fila5 90:Fila11 39:Fila11 "
         "89:Fila5 89:Fila10 39:Fila5 90:Fila10 39:Fila10 88:Fila11 39:Fila5 35:Fila11 39:Fila10 "
         "0:Mazzo 39:Fila5 34:Fila11 39:Fila10 0:Mazzo 63:Dest3 62:Dest3 9:Dest3 60:Dest3 59:Dest3 "
         "58:Dest3 57:Dest3 56:Dest3 3:Dest3 54:Dest3 1:Dest3 39:Fila5 43:Fila12 39:Fila10 "
         "33:Fila4 78:Dest2 25:Dest2 24:Dest2 75:Dest2 81:Dest4 82:Dest4 74:Dest2 21:Dest2 "
         "72:Dest2 71:Dest2 18:Dest2 17:Dest2 68:Dest2 31:Dest4 15:Dest2 66:Dest2 41:Fila15 "
         "33:Fila11 84:Dest4 33:Dest4 34:Dest4 35:Dest4 88:Dest4 37:Dest4 38:Dest4 91:Dest4 "
         "39:Dest4 90:Dest4 89:Dest4 36:Dest4 87:Dest4 86:Dest4 85:Dest4 32:Dest4 83:Dest4 "
         "30:Dest4 29:Dest4 80:Dest4 79:Dest4 41:Fila3 43:Fila15 44:Fila15 45:Fila15 47:Fila12 "
         "101:Fila14 50:Fila14 51:Fila14 104:Dest1 51:Dest1 50:Dest1 101:Dest1 100:Dest1 47:Dest1 "
         "98:Dest1 45:Dest1 44:Dest1 43:Dest1 42:Dest1 41:Dest1 92:Dest1"},
        {772, "0000000000001",
         "3:Dest4 51:Appogg1 103:Appogg2 2:Dest6 34:Dest3 87:Dest3 88:Dest3 76:Dest3 17:Dest4 "
         "83:Dest4 6:Dest4 98:Dest4 86:Dest4 61:Dest4 38:Appogg3 25:Appogg4 64:Appogg5 8:Fila2 "
         "81:Dest5 82:Dest5 5:Dest5 97:Dest5 77:Appogg6 85:Dest5 8:Dest5 16:Dest6 90:Appogg7 "
         "31:Fila1 31:Fila2 32:Fila1 32:Fila3 31:Fila1 32:Fila2 31:Fila3 32:Fila1 42:Fila2 "
         "69:Dest6 31:Dest6 32:Dest6 33:Dest6 47:Dest6 42:Fila1 63:Fila2 42:Fila3 63:Fila1 "
         "42:Fila2 63:Fila3 42:Fila1 4:Fila2 15:Dest7 42:Dest7 4:Dest7 63:Fila1 63:Fila2 37:Fila1 "
         "37:Fila3 63:Fila1 37:Fila2 63:Fila3 37:Fila1 89:Fila2 44:Dest7 62:Dest4 37:Dest4 "
         "89:Fila1 63:Fila2 89:Fila3 63:Fila1 89:Fila2 23:Fila3 100:Dest5 23:Dest5 63:Dest5 "
         "89:Fila1 21:Fila2 89:Fila3 21:Fila1 89:Fila2 21:Fila3 89:Fila1 75:Fila2 89:Fila5 "
         "75:Fila1 21:Fila2 75:Fila3 21:Fila1 75:Fila2 89:Fila3 21:Fila5 75:Fila1 89:Fila2 "
         "75:Fila3 89:Fila1 75:Fila2 46:Fila3 45:Dest7 46:Dest7 21:Dest7 35:Dest6 75:Dest6 "
         "89:Dest6 93:Dest8 49:Fila1 49:Fila2 18:Fila1 29:Dest8 95:Dest8 18:Dest8 9:Dest7 49:Dest7 "
         "102:Dest7 99:Fila1 99:Fila2 59:Fila1 12:Appogg8 58:Dest8 59:Dest8 99:Dest8 74:Dest8 "
         "50:Fila1 10:Dest8 50:Dest8"},
    };
    return wins;
}

} // namespace quillon
