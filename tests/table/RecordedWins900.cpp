// Winning move lists of the games numbered 900 to 999, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins900() {
    static const std::vector<RecordedWin> wins = {
        {901, "0000000000040",
         "0:Mazzo 31:Fila1 0:Mazzo 9:Fila2 0:Mazzo 29:Fila1 0:Mazzo 48:Fila2 0:Mazzo 27:Dest1 0:Mazzo "
         "26:Fila3 0:Mazzo 25:Fila3 0:Mazzo 13:Fila4 0:Mazzo 23:Fila3 0:Mazzo 45:Fila2 0:Mazzo "
         "24:Fila4 0:Mazzo 20:Fila3 0:Mazzo 10:Fila4 0:Mazzo 34:Fila3 0:Mazzo 6:Fila2 0:Mazzo 17:Fila2 "
         "0:Mazzo 44:Fila3 0:Mazzo 15:Fila1 0:Mazzo 5:Fila3 0:Mazzo 42:Fila2 0:Mazzo 3:Fila2 0:Mazzo "
         "40:Dest2 0:Mazzo 1:Dest3 0:Mazzo 35:Fila4 0:Mazzo 33:Fila4 0:Mazzo 51:Fila5 0:Mazzo 11:Fila5 "
         "0:Mazzo 49:Fila5 0:Mazzo 30:Fila3 0:Mazzo 47:Fila5 0:Mazzo 28:Dest1 0:Mazzo 19:Fila5 0:Mazzo "
         "12:Fila6 0:Mazzo 52:Fila6 0:Mazzo 39:Fila6 0:Mazzo 50:Fila6 0:Mazzo 8:Fila6 0:Mazzo 22:Fila6 "
         "0:Mazzo 36:Fila6 0:Mazzo 18:Fila4 0:Mazzo 46:Fila5 0:Mazzo 16:Fila4 0:Mazzo 7:Fila5 0:Mazzo "
         "14:Dest4 15:Dest4 16:Dest4 29:Dest1 30:Dest1 31:Dest1 0:Mazzo 32:Dest1 0:Mazzo 43:Fila3 "
         "0:Mazzo 4:Fila3 0:Mazzo 41:Dest2 0:Mazzo 2:Dest3 3:Dest3 4:Dest3 42:Dest2 43:Dest2 17:Dest4 "
         "5:Dest3 18:Dest4 6:Dest3 44:Dest2 33:Dest1 7:Dest3 45:Dest2 34:Dest1 35:Dest1 46:Dest2 "
         "36:Dest1 19:Dest4 20:Dest4 47:Dest2 48:Dest2 49:Dest2 0:Mazzo 37:Dest1 0:Mazzo 38:Dest1 "
         "0:Mazzo 21:Dest4 22:Dest4 23:Dest4 8:Dest3 9:Dest3 10:Dest3 11:Dest3 50:Dest2 24:Dest4 "
         "51:Dest2 39:Dest1 25:Dest4 52:Dest2 26:Dest4 12:Dest3 13:Dest3"},
        {910, "0000000000003",
         "92:Dest3 16:Fila1 40:Dest4 61:Fila2 65:Fila3 67:Dest1 16:Dest1 22:Fila2 73:Fila2 98:Fila2 "
         "20:Fila2 19:Fila2 94:Fila2 4:Dest1 31:Dest1 70:Fila3 42:Fila2 53:Dest5 91:Fila1 97:Dest1 "
         "7:Dest1 74:Fila1 76:Fila4 27:Dest6 12:Fila5 88:Fila4 45:Fila1 36:Fila4 48:Fila4 2:Dest2 "
         "42:Dest2 55:Fila2 46:Fila4 59:Fila4 79:Dest7 8:Dest1 58:Fila1 29:Fila2 17:Dest2 70:Dest2 "
         "6:Dest2 59:Dest2 35:Dest1 90:Fila5 5:Fila1 62:Dest1 23:Fila5 100:Fila5 11:Dest1 32:Fila4 "
         "81:Fila2 78:Fila3 85:Fila5 95:Fila1 33:Fila5 43:Fila1 15:Dest3 81:Dest3 69:Dest3 84:Fila4 "
         "66:Dest8 99:Dest2 13:Fila3 64:Dest1 13:Dest1 38:Fila3 21:Fila3 75:Fila3 49:Fila3 18:Dest3 "
         "84:Dest3 33:Dest3 93:Dest4 29:Dest4 43:Dest4 56:Fila1 41:Dest5 55:Dest5 56:Dest5 68:Fila2 "
         "9:Dest2 49:Dest2 37:Dest2 83:Dest4 32:Dest4 85:Dest4 24:Fila3 30:Fila1 60:Dest3 100:Dest3 "
         "23:Dest3 24:Dest3 90:Dest2 39:Dest2 12:Dest3 104:Dest3 96:Dest5 47:Dest4 72:Fila4 71:Dest5 "
         "72:Dest5 44:Fila4 102:Fila5 54:Dest6 68:Dest6 30:Dest6 44:Dest6 82:Fila1 26:Fila5 77:Fila5 "
         "50:Fila5 28:Dest7 94:Dest7 82:Dest7 19:Dest6 46:Dest6 48:Dest4 75:Dest4 50:Dest4 103:Dest4 "
         "21:Dest5 25:Fila3 101:Fila4 57:Dest7 3:Fila1 52:Dest4 87:Dest5 101:Dest5 86:Dest6 34:Fila4 "
         "63:Dest5 25:Dest5 80:Dest8 3:Dest8 95:Dest8 5:Dest8 58:Dest7 20:Dest7 34:Dest7 45:Dest8 "
         "98:Dest8 74:Dest6 73:Dest8 36:Dest6 91:Dest5 22:Dest7 88:Dest7 61:Dest8 76:Dest6 77:Dest6 "
         "26:Dest6 102:Dest7 51:Dest7 10:Dest8 89:Dest8 38:Dest8 78:Dest7 65:Dest8"},
        {920, "0000000000001",
         "37:Fila2 22:Fila11 51:Fila1 23:Fila2 19:Fila9 9:Fila2 33:Fila5 28:Fila6 17:Fila8 44:Fila9 "
         "14:Fila6 47:Fila2 42:Fila8 50:Fila1 41:Fila7 2:Fila8 21:Fila11 5:Fila10 12:Fila3 10:Fila1 "
         "48:Fila1 30:Fila9 46:Fila2 27:Fila7 1:Fila8 24:Fila3 25:Fila4 11:Fila4 49:Fila3 7:Fila11 "
         "34:Fila1 35:Fila3 34:Fila3 46:Fila3 47:Fila1 46:Fila1 34:Fila2 46:Fila2 47:Fila3 46:Fila3 "
         "34:Fila1 46:Fila1 47:Fila2 33:Fila2 8:Fila3 45:Fila1 16:Fila9 6:Fila2 15:Fila9 18:Fila1 "
         "43:Fila1 4:Fila10"},
        {921, "0000000000001",
         "23:Fila5 9:Fila15 19:Fila2 38:Fila1 17:Fila12 44:Fila2 14:Fila8 29:Fila12 47:Fila4 20:Fila4 "
         "41:Fila11 2:Fila10 1:Fila11 5:Fila16 12:Fila3 10:Fila14 48:Fila5 30:Fila16 46:Fila9 "
         "27:Fila10 51:Fila6 24:Fila1 21:Fila5 11:Fila6 49:Fila1 49:Fila6 46:Fila5 49:Fila1 9:Fila1 "
         "36:Fila6 7:Fila15 35:Fila14 8:Fila14 45:Fila4 16:Fila16 6:Fila5 15:Fila12 25:Fila9 43:Fila13 "
         "4:Fila2"},
        {931, "0000000000011",
         "0:Mazzo 15:Dest1 0:Mazzo 0:Mazzo 8:Dest1 21:Dest1 0:Mazzo 0:Mazzo 29:Dest1 3:Dest1 43:Dest1 "
         "52:Dest1 5:Dest1 31:Dest1 35:Dest1 10:Fila4 7:Dest1 10:Dest1 0:Mazzo 20:Dest1 2:Dest1 "
         "0:Mazzo 17:Dest1 23:Dest1 47:Dest1 9:Dest1 0:Mazzo 49:Dest1 26:Dest1 6:Fila4 51:Dest1 "
         "6:Dest1 40:Fila4 19:Dest1 11:Dest1 12:Fila3 50:Dest1 46:Dest1 18:Dest1 12:Fila1 14:Fila3 "
         "0:Mazzo 32:Dest1 48:Dest1 36:Dest1 28:Dest1 37:Dest1 0:Mazzo 33:Dest1 12:Dest1 34:Fila1 "
         "34:Dest1 0:Mazzo 41:Dest1 42:Dest1 39:Fila1 38:Dest1 22:Dest1 24:Dest1 16:Dest1 44:Dest1 "
         "25:Dest1 0:Mazzo 30:Dest1 4:Dest1 39:Dest1 27:Fila1 13:Dest1 45:Dest1 1:Fila2"},
        {930, "0000000000030",
         "53:Dest1 1:Dest1 17:Fila20 69:Fila17 58:Fila11 67:Fila3 33:Fila21 36:Fila21 72:Fila17 "
         "75:Fila17 61:Fila11 64:Fila11 0:Mazzo 20:Fila20 23:Fila20 3:Fila10 95:Fila19 98:Fila19 "
         "0:Mazzo 27:Dest1 101:Fila19 91:Fila21 80:Fila5 83:Fila5 43:Fila22 104:Fila19 0:Mazzo "
         "66:Dest1 6:Fila10 82:Fila18 85:Fila18 0:Mazzo 14:Dest1 46:Fila22 88:Fila18 49:Fila22 "
         "86:Fila5 29:Fila12 37:Fila5 84:Fila12 0:Mazzo 92:Dest1 78:Fila17 68:Fila13 16:Fila14 0:Mazzo "
         "40:Dest1 9:Fila10 70:Fila3 21:Fila3 12:Fila10 56:Fila23 24:Fila3 59:Fila23 0:Mazzo 79:Dest1 "
         "62:Fila23 18:Fila8 71:Fila13 52:Fila22 26:Fila20 65:Fila23 2:Fila1 5:Fila1 74:Fila13 "
         "25:Fila13 0:Mazzo 19:Fila14 39:Fila18 96:Fila2 87:Fila12 99:Fila2 102:Fila2 42:Fila15 "
         "22:Fila14 94:Fila16 60:Fila1 11:Fila1 4:Fila24 90:Fila12 45:Fila15 0:Mazzo 73:Fila8 "
         "97:Fila16 44:Fila7 47:Fila7 7:Fila24 10:Fila24 13:Fila24 28:Fila4 31:Fila4 34:Fila4 89:Fila4 "
         "100:Fila15 51:Fila15 54:Fila6 57:Fila6 8:Fila6 63:Fila6 81:Fila9 32:Fila9 76:Fila8 50:Fila7 "
         "48:Fila16 103:Fila16 77:Fila14 35:Fila9 38:Fila9"},
        {932, "0000000000003",
         "0:Mazzo 0:Mazzo 0:Mazzo 27:Select 36:Select 0:Mazzo 0:Mazzo 20:Select 0:Mazzo 51:Select "
         "44:Select 0:Mazzo 0:Mazzo 41:Select 0:Mazzo 0:Mazzo 0:Mazzo 43:Select 26:Select 8:Select "
         "34:Select 0:Mazzo 0:Mazzo 38:Select 22:Select 0:Mazzo 0:Mazzo 0:Mazzo 23:Select 19:Select "
         "11:Select 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 5:Select 0:Mazzo 16:Select 14:Select "
         "0:Mazzo 0:Mazzo 31:Select 2:Select 0:Mazzo 0:Mazzo 28:Select 4:Select 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 52:Select 10:Select 0:Mazzo 48:Select 0:Mazzo 0:Mazzo 42:Select "
         "7:Select 0:Mazzo 45:Select 40:Select 30:Select 21:Select 0:Mazzo 0:Mazzo 24:Select 25:Select "
         "0:Mazzo 0:Mazzo 39:Select 49:Select 0:Mazzo 0:Mazzo 33:Select 47:Select 0:Mazzo 0:Mazzo "
         "0:Mazzo 6:Select 0:Mazzo 18:Select 15:Select 35:Select 0:Mazzo 0:Mazzo 32:Select 17:Select "
         "37:Select 0:Mazzo 46:Select 50:Select 9:Select 0:Mazzo 0:Mazzo 3:Select 29:Select 0:Mazzo "
         "1:Select"},
    };
    return wins;
}

} // namespace quillon
