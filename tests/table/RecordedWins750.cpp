// Winning move lists of the games numbered 750 to 849, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins750() {
    static const std::vector<RecordedWin> wins = {
        {750, "0000000000001",
         "0:Mazzo 28:Dest2 0:Mazzo 0:Mazzo 41:Dest1 0:Mazzo 25:Dest4 24:Dest4 0:Mazzo 4:Fila3 "
         "43:Fila1 34:Fila8 48:Fila8 42:Dest1 23:Dest4 48:Fila7 34:Fila7 35:Fila7 43:Dest1 "
         "18:Fila3 6:Fila1 30:Fila3 3:Fila3 15:Fila3 49:Fila7 12:Dest3 11:Dest3 14:Fila6 22:Dest4 "
         "45:Fila5 2:Fila6 33:Fila5 19:Fila5 2:Fila8 14:Fila3 39:Fila3 7:Fila5 10:Dest3 5:Fila1 "
         "51:Fila6 32:Fila5 44:Fila5 37:Fila7 39:Fila6 29:Dest2 14:Fila6 44:Dest1 32:Fila4 7:Fila4 "
         "19:Fila4 33:Fila4 45:Dest1 15:Fila6 3:Fila6 5:Fila3 6:Fila5 46:Fila5 9:Dest3 33:Fila1 "
         "19:Fila1 5:Fila1 30:Dest2 46:Dest1 7:Fila5 32:Fila5 31:Dest2 18:Fila5 4:Fila1 16:Fila1 "
         "21:Dest4 17:Fila1 38:Fila7 3:Fila1 15:Fila1 14:Fila1 38:Fila6 37:Fila6 47:Dest1 49:Fila6 "
         "35:Fila6 34:Fila6 48:Dest1 14:Fila8 15:Fila8 3:Fila8 18:Fila1 32:Fila1 34:Fila5 35:Fila7 "
         "34:Fila7 7:Fila7 32:Fila7 18:Fila5 17:Fila5 3:Fila5 15:Fila5 16:Fila5 32:Dest2 4:Fila5 "
         "5:Fila5 19:Fila7 33:Dest2 19:Fila5 7:Fila5 34:Dest2 35:Dest2 36:Dest2 49:Dest1 37:Dest2 "
         "38:Dest2 7:Fila1 19:Fila1 5:Fila1 4:Fila1 16:Fila1 14:Fila5 2:Fila1 39:Fila5 51:Fila5 "
         "52:Fila8 50:Dest1 51:Dest1 52:Dest1 39:Dest2 2:Fila8 14:Fila8 15:Fila8 16:Fila8 4:Fila8 "
         "3:Fila8 17:Fila8 18:Fila8 5:Fila5 19:Fila5 7:Fila5 8:Dest3 7:Dest3 19:Fila8 5:Fila8 "
         "6:Dest3 5:Dest3 19:Fila5 18:Fila5 17:Fila5 3:Fila5 4:Dest3 3:Dest3 17:Fila8 18:Fila8 "
         "19:Fila8 20:Dest4 19:Dest4 18:Dest4 17:Dest4 16:Dest4 15:Dest4 14:Dest4 2:Dest3 1:Dest3"},
        {751, "0000000000002",
         "80:Dest5 40:Dest1 30:Dest5 32:Dest5 86:Dest5 66:Dest2 0:Mazzo 53:Dest3 3:Dest3 0:Mazzo "
         "25:Fila3 0:Mazzo 71:Fila5 0:Mazzo 74:Fila8 0:Mazzo 91:Fila10 0:Mazzo 14:Fila13 0:Mazzo "
         "11:Fila14 0:Mazzo 88:Dest5 0:Mazzo 45:Fila15 0:Mazzo 0:Mazzo 0:Mazzo 2:Dest6 0:Mazzo "
         "56:Dest6 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 58:Dest6 8:Dest6 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 5:Dest3 7:Dest3 61:Dest3 11:Dest3 89:Fila12 29:Fila14 0:Mazzo 62:Dest6 "
         "64:Dest6 17:Fila11 0:Mazzo 0:Mazzo 0:Mazzo 13:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 68:Dest2 0:Mazzo 0:Mazzo 42:Dest1 96:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 79:Dest4 "
         "29:Dest4 83:Dest4 33:Dest4 35:Dest4 89:Dest4 91:Dest4 97:Fila2 28:Dest4 20:Fila6 "
         "98:Dest1 103:Fila10 95:Fila12 19:Fila14 100:Dest1 102:Dest1 104:Dest1 23:Fila16 0:Mazzo "
         "0:Mazzo 90:Dest5 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 67:Dest7 "
         "69:Dest7 71:Dest7 31:Fila4 49:Fila5 0:Mazzo 0:Mazzo 41:Dest1 43:Dest1 97:Dest1 55:Fila1 "
         "75:Fila2 0:Mazzo 82:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 70:Dest2 20:Dest2 "
         "74:Dest2 60:Fila6 16:Fila8 0:Mazzo 47:Dest1 49:Dest1 103:Dest1 39:Fila5 9:Fila10 0:Mazzo "
         "0:Mazzo 84:Dest4 0:Mazzo 1:Dest6 55:Dest6 85:Fila1 34:Dest4 0:Mazzo 0:Mazzo 0:Mazzo "
         "54:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 76:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "57:Dest6 0:Mazzo 4:Dest3 6:Dest3 60:Dest3 27:Dest5 81:Dest5 31:Dest5 85:Dest5 26:Dest2 "
         "101:Fila1 24:Fila4 15:Dest2 17:Dest2 19:Dest2 52:Fila6 12:Fila11 94:Fila14 0:Mazzo "
         "0:Mazzo 87:Dest5 0:Mazzo 0:Mazzo 21:Dest2 75:Dest2 25:Dest2 99:Fila2 38:Fila3 0:Mazzo "
         "0:Mazzo 93:Dest8 95:Dest8 45:Dest8 99:Dest8 101:Dest8 65:Fila1 78:Fila2 44:Fila12 "
         "37:Dest5 39:Dest5 63:Fila5 73:Dest7 23:Dest7 77:Dest7 14:Dest7 16:Dest7 51:Dest8 "
         "92:Dest8 94:Dest8 44:Dest8 59:Dest6 9:Dest6 63:Dest6 65:Dest6 46:Dest8 48:Dest8 50:Dest8 "
         "52:Dest8 10:Dest3 12:Dest3 36:Dest4 38:Dest4 0:Mazzo 18:Dest7 72:Dest7 22:Dest7 24:Dest7 "
         "78:Dest7"},
        {752, "0000000000091",
         "14:Dest1 79:Dest2 0:Mazzo 94:Fila3 0:Mazzo 21:Fila5 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 2:Dest5 0:Mazzo 0:Mazzo 0:Mazzo 53:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 40:Dest4 94:Dest4 103:Fila3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "3:Dest3 0:Mazzo 56:Dest5 0:Mazzo 0:Mazzo 58:Dest5 60:Dest5 10:Dest5 19:Fila1 47:Fila2 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 28:Dest6 30:Dest6 43:Fila4 0:Mazzo 0:Mazzo "
         "5:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 12:Dest5 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 15:Dest7 0:Mazzo 29:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 59:Dest3 9:Dest3 "
         "63:Dest3 92:Fila7 78:Fila8 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "31:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 16:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 41:Dest8 "
         "43:Dest8 38:Fila4 0:Mazzo 0:Mazzo 0:Mazzo 33:Dest2 0:Mazzo 97:Dest8 47:Dest8 83:Fila2 "
         "0:Mazzo 0:Mazzo 1:Dest5 0:Mazzo 18:Dest1 0:Mazzo 0:Mazzo 55:Dest5 0:Mazzo 0:Mazzo "
         "101:Dest8 103:Dest8 92:Dest8 67:Fila3 90:Fila7 0:Mazzo 0:Mazzo 0:Mazzo 42:Dest8 0:Mazzo "
         "0:Mazzo 0:Mazzo 57:Dest5 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 7:Dest5 0:Mazzo 0:Mazzo "
         "0:Mazzo 44:Dest4 0:Mazzo 0:Mazzo 13:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 98:Dest4 0:Mazzo 84:Dest6 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "96:Dest8 0:Mazzo 17:Dest7 19:Dest7 21:Dest7 82:Fila1 39:Fila5 0:Mazzo 23:Dest7 77:Dest7 "
         "32:Fila6 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 87:Dest2 89:Dest2 39:Dest2 76:Fila5 73:Fila9 "
         "0:Mazzo 0:Mazzo 0:Mazzo 66:Dest7 0:Mazzo 46:Dest8 0:Mazzo 0:Mazzo 0:Mazzo 61:Dest5 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 80:Dest2 82:Dest2 32:Dest2 "
         "71:Fila1 37:Fila6 0:Mazzo 0:Mazzo 11:Dest5 0:Mazzo 0:Mazzo 0:Mazzo 20:Dest1 0:Mazzo "
         "74:Dest1 76:Dest1 78:Dest1 67:Dest1 50:Fila3 102:Fila5 45:Fila8 69:Dest1 71:Dest1 "
         "73:Dest1 52:Fila1 99:Fila9 0:Mazzo 48:Dest4 50:Dest4 52:Dest4 22:Fila1 24:Fila3 65:Dest5 "
         "0:Mazzo 0:Mazzo 54:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "75:Dest1 25:Dest1 0:Mazzo 100:Dest8 102:Dest8 36:Fila5 104:Dest8 0:Mazzo 4:Dest3 0:Mazzo "
         "0:Mazzo 86:Dest2 36:Dest2 38:Dest2 62:Fila4 72:Fila5 0:Mazzo 0:Mazzo 0:Mazzo 68:Dest7 "
         "0:Mazzo 6:Dest3 0:Mazzo 0:Mazzo 34:Dest6 0:Mazzo 93:Dest4 0:Mazzo 0:Mazzo 70:Dest7 "
         "72:Dest7 22:Dest7 24:Dest7 51:Fila1 27:Fila3 64:Fila5 0:Mazzo 0:Mazzo 88:Dest6 90:Dest6 "
         "27:Dest6 49:Fila3 85:Fila7 8:Dest3 62:Dest3 64:Dest3 95:Dest4 45:Dest4 99:Dest4 49:Dest4 "
         "51:Dest4 81:Dest6 83:Dest6 85:Dest6 35:Dest6 37:Dest6 26:Dest7 91:Dest6"},
        {754, "0000000000001",
         "44:Dest4 6:Fila2 14:Fila3 5:Dest3 6:Dest3 7:Dest3 42:Fila5 15:Fila3 39:Fila8 43:Fila5 "
         "3:Fila1 19:Fila6 9:Fila4 34:Fila7 35:Fila7 18:Dest2 45:Dest4 19:Dest2 1:Fila6 15:Fila2 "
         "14:Fila2 26:Fila2 35:Fila10 34:Fila10 33:Fila10 1:Fila7 43:Fila6 42:Fila6 41:Fila6 "
         "3:Fila5 4:Fila5 40:Fila6 24:Fila1 25:Fila2 24:Fila2 9:Fila1 10:Fila3 48:Fila9 10:Fila1 "
         "11:Fila1 48:Fila3 47:Fila3 30:Fila9 46:Dest4 47:Dest4 48:Dest4 49:Dest4 24:Fila3 "
         "25:Fila3 26:Fila3 27:Fila8 30:Fila4 29:Fila4 8:Dest3 29:Fila9 30:Fila9 11:Fila4 10:Fila4 "
         "9:Dest3 10:Dest3 11:Dest3 1:Fila1 13:Fila4 1:Fila4 4:Fila1 3:Fila1 2:Fila1 1:Fila1 "
         "13:Fila1 21:Fila4 32:Fila10 12:Dest3 13:Dest3 1:Dest3 2:Dest3 3:Dest3 4:Dest3 30:Fila1 "
         "29:Fila5 28:Fila8 29:Fila1 28:Fila1 27:Fila1 39:Fila5 38:Fila5 37:Fila5 22:Fila4 "
         "52:Fila9 23:Fila4 32:Fila8 33:Fila8 34:Fila8 35:Fila8 36:Fila8 50:Dest4 20:Dest2 "
         "31:Dest1 52:Fila10 51:Dest4 52:Dest4 40:Dest4 41:Dest4 42:Dest4 43:Dest4 23:Fila6 "
         "22:Fila9 21:Dest2 22:Dest2 23:Dest2 26:Fila4 25:Fila6 24:Dest2 25:Dest2 26:Dest2 "
         "14:Dest2 15:Dest2 16:Dest2 17:Dest2 36:Fila2 35:Fila3 34:Fila3 33:Fila4 32:Dest1 "
         "33:Dest1 34:Dest1 35:Dest1 36:Dest1 37:Dest1 38:Dest1 39:Dest1 27:Dest1 28:Dest1 "
         "29:Dest1 30:Dest1"},
        {755, "0000000000001",
         "52:Dest8 51:Dest8 26:Dest7 39:Dest6 38:Dest6 37:Dest6 36:Dest6 50:Dest8 49:Dest8 "
         "35:Dest6 2:Dest1 20:Fila7 23:Fila11 19:Fila7 10:Fila10 48:Dest8 47:Dest8 29:Fila6 "
         "8:Fila4 28:Dest3 29:Dest3 30:Dest3 46:Dest8 18:Fila7 45:Dest8 24:Fila11 25:Dest7 "
         "24:Dest7 23:Dest7 22:Dest7 10:Fila5 8:Fila10 7:Fila10 34:Dest6 33:Dest6 13:Dest5 "
         "16:Fila9 5:Fila2 42:Fila1 3:Dest1 41:Dest4 42:Dest4 43:Dest4 4:Dest1 5:Dest1 6:Dest1 "
         "7:Dest1 8:Dest1 9:Dest1 10:Dest1 15:Dest2 16:Dest2 17:Dest2 44:Dest8 18:Dest2 19:Dest2 "
         "20:Dest2 21:Dest7 32:Dest6 31:Dest6 12:Dest5 11:Dest1"},
        {756, "0000000000001",
         "22:Dest12 3:Dest6 33:Fila7 1:Fila4 36:Dest1 13:Fila4 30:Fila5 27:Dest5 26:Dest4 49:Fila3 "
         "7:Dest10 16:Fila5 15:Fila5 43:Dest7 4:Dest6 33:Fila2 8:Dest10 28:Dest5 51:Dest3 52:Dest3 "
         "23:Dest12 19:Fila2 9:Dest10 38:Fila6 37:Dest1 38:Dest1 40:Dest3 13:Fila1 20:Fila6 "
         "47:Dest11 29:Dest5 15:Fila7 16:Fila8 30:Dest5 44:Dest7 14:Dest4 15:Dest4 5:Dest6 1:Fila5 "
         "41:Fila7 32:Dest9 12:Fila1 48:Dest11 49:Dest11 24:Dest12 11:Dest2 12:Dest2 13:Dest2 "
         "1:Dest2 19:Fila6 33:Dest9 34:Dest9 16:Dest4 18:Dest8 41:Dest3 19:Dest8 20:Dest8 45:Dest7"},
        {757, "0000000000001",
         "1:Dest4 28:Dest4 3:Dest4 30:Dest4 44:Dest4 32:Dest4 46:Dest4 27:Dest3 41:Dest3 31:Fila2 "
         "47:Dest4 29:Dest3 22:Dest4 36:Dest4 50:Dest4 51:Dest4 39:Dest4 43:Dest3 31:Dest3 "
         "45:Dest3 20:Dest3 8:Dest3 9:Dest3 14:Dest2 2:Dest2 16:Dest2 4:Dest2 5:Dest2 6:Dest2 "
         "33:Dest2 21:Dest2 40:Dest1 15:Dest1 13:Fila1 38:Fila10 12:Fila5 10:Dest3 37:Dest3 "
         "38:Dest3 52:Dest3 42:Dest1 23:Fila4 7:Fila2 17:Dest1 34:Fila7 35:Dest2 23:Dest2 24:Dest2 "
         "25:Dest2 18:Dest1 13:Dest2 19:Dest1 7:Dest1 34:Dest1 48:Dest1 11:Fila1 49:Dest1 11:Dest1 "
         "12:Dest1 26:Dest1"},
    };
    return wins;
}

} // namespace quillon
