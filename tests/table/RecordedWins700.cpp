// Winning move lists of the games numbered 700 to 749, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins700() {
    static const std::vector<RecordedWin> wins = {
        {700, "0000000000013",
         "95:Fila3 66:Dest1 46:Fila9 62:Fila2 67:Dest1 17:Fila1 68:Dest1 97:Fila7 70:Fila7 "
         "90:Fila3 11:Fila5 89:Fila1 84:Fila5 74:Fila7 73:Fila5 18:Fila9 33:Fila1 87:Fila2 "
         "103:Fila8 64:Fila5 77:Fila4 9:Fila3 34:Fila3 76:Fila8 30:Fila7 101:Fila8 40:Dest2 "
         "49:Fila2 93:Dest2 50:Fila5 48:Fila3 69:Fila5 88:Fila3 27:Fila5 7:Fila3 3:Fila9 75:Fila2 "
         "79:Dest3 28:Dest3 29:Dest3 14:Dest4 13:Fila10 27:Dest5 63:Fila10 21:Fila9 100:Fila2 "
         "32:Fila10 43:Fila10 51:Fila7 23:Fila1 25:Fila9 83:Fila1 71:Fila10 82:Dest3 5:Fila1 "
         "61:Fila8 86:Fila8 45:Fila10 17:Dest1 69:Fila1 70:Dest1 57:Fila9 34:Fila7 31:Dest3 "
         "80:Dest5 41:Fila10 39:Fila3 81:Fila5 42:Fila9 81:Dest5 30:Dest5 85:Fila8 78:Fila2 "
         "92:Dest6 41:Dest6 6:Fila9 65:Fila1 42:Dest2 102:Fila4 8:Fila8 74:Fila7 22:Fila10 "
         "59:Fila7 56:Fila8 15:Dest4 99:Fila3 87:Fila7 54:Fila5 94:Fila1 104:Fila5 1:Dest7 "
         "26:Fila4 54:Dest7 3:Dest7 4:Dest7 95:Dest2 96:Dest2 16:Dest4 53:Dest8 5:Dest7 45:Dest2 "
         "98:Dest2 35:Fila5 47:Dest2 2:Dest8 94:Dest6 55:Dest8 69:Dest4 56:Dest8 84:Fila3 19:Dest1 "
         "20:Dest1 58:Dest7 18:Dest4 32:Dest3 85:Dest3 21:Dest1 74:Dest1 83:Dest5 71:Dest4 "
         "37:Fila9 86:Dest3 87:Dest3 36:Dest3 43:Dest6 57:Dest8 44:Dest6 6:Dest8 97:Dest6 72:Dest4 "
         "84:Dest5 46:Dest6 59:Dest7 33:Dest5 7:Dest8 60:Dest7 99:Dest6 8:Dest8 34:Dest5 91:Fila8 "
         "73:Dest4 48:Dest2 61:Dest7 35:Dest5 9:Dest8 100:Dest6 22:Dest4 23:Dest1 101:Dest2 "
         "62:Dest7 10:Dest8 88:Dest5 75:Dest4 49:Dest6 11:Dest7 89:Dest3 76:Dest1 102:Dest2 "
         "24:Dest4 50:Dest6 37:Dest5 63:Dest8 51:Dest2 25:Dest1 103:Dest6 77:Dest4 38:Dest3 "
         "64:Dest7 12:Dest8 90:Dest5 65:Dest7 78:Dest1 39:Dest3 26:Dest4 104:Dest2 52:Dest6 "
         "91:Dest5 13:Dest8"},
        {702, "0000000000007",
         "13:Dest8 52:Dest7 51:Dest7 12:Dest8 2:Dest1 30:Fila2 41:Dest4 28:Dest3 25:Fila5 42:Dest4 "
         "29:Dest3 30:Dest3 31:Dest3 46:Fila8 15:Dest2 36:Fila11 50:Dest7 49:Dest7 32:Dest3 "
         "33:Dest3 34:Dest3 35:Dest3 19:Fila4 36:Dest3 37:Dest3 38:Dest3 3:Dest1 4:Dest1 43:Dest4 "
         "23:Fila11 5:Dest1 6:Dest1 7:Dest1 8:Dest1 9:Dest1 10:Dest1 48:Dest7 16:Dest2 17:Dest2 "
         "18:Dest2 26:Dest6 25:Dest6 24:Dest6 39:Dest5 23:Dest6 22:Dest6 21:Dest6 11:Dest8 "
         "19:Dest2 20:Dest6 44:Dest4 45:Dest4 46:Dest4 47:Dest4"},
        {703, "0000000000007",
         "0:Mazzo 15:Dest2 0:Mazzo 41:Dest4 0:Mazzo 28:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "18:Fila15 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 16:Dest2 17:Dest2 18:Dest2 19:Dest2 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 20:Dest2 21:Dest2 22:Dest2 "
         "23:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 2:Dest1 3:Dest1 44:Fila2 4:Dest1 5:Dest1 "
         "6:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 42:Dest4 0:Mazzo 29:Dest3 43:Dest4 44:Dest4 "
         "25:Fila1 8:Fila2 31:Fila4 35:Fila6 32:Fila7 49:Fila9 11:Fila13 39:Fila15 24:Dest2 "
         "25:Dest2 12:Fila1 45:Dest4 46:Dest4 48:Fila16 10:Fila17 26:Dest2 7:Dest1 8:Dest1 9:Dest1 "
         "10:Dest1 11:Dest1 12:Dest1 13:Dest1 34:Fila1 47:Dest4 30:Dest3 31:Dest3 48:Dest4 "
         "32:Dest3 49:Dest4 33:Dest3 50:Dest4 34:Dest3 51:Dest4 35:Dest3 52:Dest4 36:Dest3 "
         "37:Dest3 38:Dest3 39:Dest3"},
        {705, "0000000000007",
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 1:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 28:Dest1 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 14:Dest3 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 2:Dest2 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 40:Dest4 29:Dest1 0:Mazzo 15:Dest3 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 3:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 41:Dest4 30:Dest1 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 16:Dest3 17:Dest3 48:Fila2 10:Fila4 "
         "48:Fila4 26:Fila2 18:Dest3 0:Mazzo 0:Mazzo 12:Fila2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 4:Dest2 0:Mazzo 0:Mazzo 31:Dest1 0:Mazzo 8:Fila4 "
         "46:Fila4 44:Fila1 35:Fila5 6:Fila4 20:Fila3 32:Dest1 44:Fila4 49:Fila1 11:Fila2 49:Fila2 "
         "39:Fila1 0:Mazzo 0:Mazzo 42:Dest4 25:Fila1 24:Fila1 35:Fila2 36:Fila1 20:Fila5 45:Fila5 "
         "7:Fila3 34:Fila2 7:Fila2 47:Fila3 43:Dest4 44:Dest4 45:Dest4 6:Fila5 46:Dest4 47:Dest4 "
         "38:Fila3 19:Dest3 9:Fila1 5:Dest2 6:Dest2 20:Dest3 7:Dest2 8:Dest2 9:Dest2 48:Dest4 "
         "23:Fila5 10:Dest2 23:Fila4 34:Fila5 35:Fila1 49:Dest4 11:Dest2 12:Dest2 34:Fila1 "
         "23:Fila5 50:Dest4 51:Dest4 22:Fila5 37:Fila4 52:Dest4 13:Dest2 21:Dest3 33:Dest1 "
         "34:Dest1 22:Dest3 35:Dest1 23:Dest3 36:Dest1 24:Dest3 37:Dest1 25:Dest3 38:Dest1 "
         "26:Dest3 39:Dest1"},
        {706, "0000000000007",
         "12:Select 38:Select 30:Select 17:Select 28:Select 15:Select 20:Select 33:Select "
         "34:Select 21:Select 39:Select 52:Select 35:Select 22:Select 11:Select 37:Select "
         "49:Select 10:Select 3:Select 42:Select 4:Select 43:Select 1:Select 27:Select 2:Select "
         "41:Select 51:Select 25:Select 23:Select 36:Select 31:Select 5:Select 8:Select 47:Select "
         "48:Select 9:Select 16:Select 29:Select 32:Select 45:Select 40:Select 14:Select 24:Select "
         "50:Select 19:Select 6:Select 7:Select 46:Select 44:Select 18:Select 26:Select 13:Select"},
        {707, "0000000000007",
         "0:Mazzo 15:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "41:Dest4 0:Mazzo 28:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 16:Dest2 17:Dest2 48:Fila7 10:Fila9 21:Fila1 26:Fila5 18:Dest2 0:Mazzo 45:Fila8 "
         "0:Mazzo 12:Fila4 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 2:Dest1 44:Fila8 36:Fila2 4:Fila12 35:Fila2 20:Fila1 32:Fila6 49:Fila11 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 42:Dest4 0:Mazzo 29:Dest3 25:Fila5 48:Fila11 8:Fila7 31:Fila6 "
         "11:Fila4 10:Fila4 39:Fila9 24:Fila5 7:Fila7 34:Fila2 47:Fila11 30:Dest3 43:Dest4 3:Dest1 "
         "4:Dest1 31:Dest3 44:Dest4 45:Dest4 46:Dest4 47:Dest4 48:Dest4 49:Dest4 50:Dest4 32:Dest3 "
         "33:Dest3 34:Dest3 35:Dest3 36:Dest3 37:Dest3 38:Dest3 19:Dest2 9:Fila2 5:Dest1 6:Dest1 "
         "20:Dest2 7:Dest1 21:Dest2 8:Dest1 22:Dest2 9:Dest1 23:Dest2 10:Dest1 24:Dest2 11:Dest1 "
         "25:Dest2 12:Dest1 51:Dest4 52:Dest4 13:Dest1 26:Dest2 39:Dest3"},
        {708, "0000000000007",
         "44:Fila3 42:Fila3 40:Fila3 47:Fila1 40:Fila2 42:Fila1 40:Fila1 44:Fila2 40:Fila3 "
         "42:Fila2 40:Fila2 46:Fila1 40:Fila1 42:Fila3 40:Fila3 44:Fila1 40:Fila1 42:Fila2 "
         "40:Fila2 43:Fila1 40:Fila3 42:Fila1 40:Fila2 41:Fila1 40:Fila1 48:Fila3 45:Fila3 "
         "40:Fila3 41:Fila2 40:Fila2 42:Fila3 40:Fila1 41:Fila3 40:Fila3 43:Fila2 40:Fila2 "
         "41:Fila1 40:Fila1 42:Fila2 40:Fila3 41:Fila2 40:Fila2 44:Fila3 40:Fila1 41:Fila3 "
         "40:Fila3 42:Fila1 40:Fila2 41:Fila1 40:Fila1 43:Fila3 40:Fila3 41:Fila2 40:Fila2 "
         "42:Fila3 40:Fila1 41:Fila3 40:Fila3 46:Fila2 40:Fila1 41:Fila2 40:Fila2 42:Fila1 "
         "40:Fila3 41:Fila1 40:Fila1 43:Fila2 40:Fila2 41:Fila3 40:Fila3 42:Fila2 40:Fila1 "
         "41:Fila2 40:Fila2 44:Fila1 40:Fila3 41:Fila1 40:Fila1 42:Fila3 40:Fila2 41:Fila3 "
         "40:Fila3 43:Fila1 40:Fila1 41:Fila2 40:Fila2 42:Fila1 40:Fila3 41:Fila1 40:Fila1 "
         "45:Fila2 40:Fila2 41:Fila3 40:Fila3 42:Fila2 40:Fila1 41:Fila2 40:Fila2 43:Fila3 "
         "40:Fila3 41:Fila1 40:Fila1 42:Fila3 40:Fila2 41:Fila3 40:Fila3 44:Fila2 40:Fila1 "
         "41:Fila2 40:Fila2 42:Fila1 40:Fila3 41:Fila1 40:Fila1 43:Fila2 40:Fila2 41:Fila3 "
         "40:Fila3 42:Fila2 40:Fila1 41:Fila2 40:Fila2 47:Fila3 40:Fila3 41:Fila1 40:Fila1 "
         "42:Fila3 40:Fila2 41:Fila3 40:Fila3 43:Fila1 40:Fila1 41:Fila2 40:Fila2 42:Fila1 "
         "40:Fila3 41:Fila1 40:Fila1 44:Fila3 40:Fila2 41:Fila3 40:Fila3 42:Fila2 40:Fila1 "
         "41:Fila2 40:Fila2 43:Fila3 40:Fila3 41:Fila1 40:Fila1 42:Fila3 40:Fila2 41:Fila3 "
         "40:Fila3 45:Fila1 40:Fila1 41:Fila2 40:Fila2 42:Fila1 40:Fila3 41:Fila1 40:Fila1 "
         "43:Fila2 40:Fila2 41:Fila3 40:Fila3 42:Fila2 40:Fila1 41:Fila2 40:Fila2 44:Fila1 "
         "40:Fila3 41:Fila1 40:Fila1 42:Fila3 40:Fila2 41:Fila3 40:Fila3 43:Fila1 40:Fila1 "
         "41:Fila2 40:Fila2 42:Fila1 40:Fila3 41:Fila1 40:Fila1 46:Fila3 40:Fila2 41:Fila3 "
         "40:Fila3 42:Fila2 40:Fila1 41:Fila2 40:Fila2 43:Fila3 40:Fila3 41:Fila1 40:Fila1 "
         "42:Fila3 40:Fila2 41:Fila3 40:Fila3 44:Fila2 40:Fila1 41:Fila2 40:Fila2 42:Fila1 "
         "40:Fila3 41:Fila1 40:Fila1 43:Fila2 40:Fila2 41:Fila3 40:Fila3 42:Fila2 40:Fila1 "
         "41:Fila2 40:Fila2 45:Fila3 40:Fila3 41:Fila1 40:Fila1 42:Fila3 40:Fila2 41:Fila3 "
         "40:Fila3 43:Fila1 40:Fila1 41:Fila2 40:Fila2 42:Fila1 40:Fila3 41:Fila1 40:Fila1 "
         "44:Fila3 40:Fila2 41:Fila3 40:Fila3 42:Fila2 40:Fila1 41:Fila2 40:Fila2 43:Fila3 "
         "40:Fila3 41:Fila1 40:Fila1 42:Fila3 40:Fila2 41:Fila3 40:Fila3"},
        {709, "0000000000007",
         "14:Dest4 37:Fila3 27:Dest3 50:Fila1 22:Fila2 47:Fila2 20:Fila4 24:Fila5 25:Fila3 "
         "40:Dest2 46:Dest2 22:Fila3 33:Dest3 21:Fila2 51:Fila6 23:Fila6 13:Fila1 35:Fila1 "
         "12:Fila6 49:Fila1 20:Dest4 34:Dest3 21:Dest4 9:Fila1 35:Dest3 47:Dest2 22:Dest4 36:Dest3 "
         "23:Dest4 37:Dest3 38:Dest3 1:Dest1 7:Dest1 8:Dest1 9:Dest1 26:Fila2 10:Dest1 39:Fila5 "
         "48:Dest2 49:Dest2 50:Dest2 24:Dest4 25:Dest4 39:Dest3 11:Dest1 26:Dest4 12:Dest1 "
         "51:Dest2 52:Dest2 13:Dest1"},
    };
    return wins;
}

} // namespace quillon
