// Winning move lists of the games numbered 650 to 699, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins650() {
    static const std::vector<RecordedWin> wins = {
        {652, "0000000000002",
         "12:Dest4 25:Dest3 13:Dest4 37:Fila3 23:Fila3 41:Fila2 0:Mazzo 0:Mazzo 0:Mazzo 26:Dest3 "
         "14:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 15:Dest3 0:Mazzo 0:Mazzo "
         "16:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 38:Dest1 0:Mazzo 0:Mazzo 48:Fila3 21:Fila3 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 39:Dest1 0:Mazzo 0:Mazzo 51:Dest2 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 33:Fila3 19:Fila3 0:Mazzo 0:Mazzo "
         "52:Dest2 0:Mazzo 0:Mazzo 17:Dest3 0:Mazzo 1:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 27:Dest1 0:Mazzo 18:Dest3 19:Dest3 0:Mazzo 2:Dest4 0:Mazzo 3:Dest4 0:Mazzo "
         "34:Fila4 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 40:Dest2 41:Dest2 42:Dest2 44:Fila2 "
         "7:Fila4 43:Dest2 44:Dest2 8:Fila2 33:Fila2 32:Fila4 36:Fila1 22:Fila1 50:Fila4 10:Fila4 "
         "45:Dest2 5:Fila1 30:Fila1 46:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 20:Dest3 0:Mazzo "
         "47:Dest2 21:Dest3 48:Dest2 49:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 28:Dest1 0:Mazzo "
         "29:Dest1 30:Dest1 0:Mazzo 4:Dest4 5:Dest4 6:Dest4 31:Dest1 32:Dest1 7:Dest4 33:Dest1 "
         "8:Dest4 34:Dest1 22:Dest3 35:Dest1 23:Dest3 36:Dest1 37:Dest1 11:Fila1 24:Dest3 9:Dest4 "
         "10:Dest4 50:Dest2 11:Dest4"},
        {654, "0000000000001",
         "10:Dest5 102:Dest5 64:Dest5 91:Dest5 53:Dest3 27:Dest5 0:Mazzo 59:Dest7 19:Dest2 "
         "20:Dest2 99:Dest8 94:Dest4 61:Dest8 0:Mazzo 41:Dest3 30:Dest4 96:Dest4 58:Dest4 0:Mazzo "
         "42:Dest3 36:Dest8 104:Dest1 1:Dest1 11:Dest8 38:Dest8 56:Dest3 0:Mazzo 15:Dest1 72:Dest4 "
         "47:Dest4 74:Dest4 0:Mazzo 23:Dest4 52:Dest8 79:Dest8 44:Dest3 71:Dest3 33:Dest3 89:Dest4 "
         "12:Dest4 0:Mazzo 28:Dest5 54:Dest6 16:Dest6 0:Mazzo 21:Dest7 100:Dest7 49:Dest7 37:Dest7 "
         "60:Dest3 77:Dest7 69:Dest6 18:Dest6 32:Dest6 7:Dest6 0:Mazzo 73:Dest6 9:Dest6 2:Dest8 "
         "26:Dest7 92:Dest7 75:Dest6 29:Dest8 63:Dest6 67:Dest7 90:Dest6 95:Dest8 55:Dest1 "
         "82:Dest1 0:Mazzo 65:Dest6 31:Dest8 84:Dest8 34:Dest2 46:Dest8 14:Dest6 68:Dest7 57:Dest1 "
         "6:Dest1 98:Dest1 4:Dest7 48:Dest2 62:Dest2 50:Dest2 0:Mazzo 3:Dest5 39:Dest4 40:Dest4 "
         "103:Dest2 93:Dest4 70:Dest7 45:Dest7 0:Mazzo 78:Dest2 86:Dest1 43:Dest5 87:Dest3 5:Dest5 "
         "97:Dest5 88:Dest3 24:Dest3 51:Dest3 85:Dest5 8:Dest5 35:Dest5 13:Dest3 66:Dest2 22:Dest1 "
         "80:Dest2 81:Dest2 101:Dest1 76:Dest1 25:Dest1 17:Dest2 83:Dest2"},
        {657, "0000000000002",
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 16:Dest2 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 28:Dest4 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 2:Dest1 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 15:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 3:Dest1 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 4:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 5:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 27:Dest4 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 6:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 39:Dest4 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 38:Dest4 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 7:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 37:Dest4 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 8:Dest1 "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 9:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 10:Dest1 0:Mazzo 0:Mazzo "
         "11:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 12:Dest1 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 51:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 50:Dest3 36:Dest4 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 49:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 48:Dest3 0:Mazzo 0:Mazzo 35:Dest4 47:Dest3 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 46:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 34:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "45:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 44:Dest3 33:Dest4 14:Dest2 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 43:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 26:Dest2 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 42:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 25:Dest2 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 32:Dest4 0:Mazzo 0:Mazzo 31:Dest4 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 24:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 30:Dest4 23:Dest2 0:Mazzo "
         "0:Mazzo 0:Mazzo 22:Dest2 0:Mazzo 0:Mazzo 0:Mazzo 13:Dest1 21:Dest2 41:Dest3 0:Mazzo "
         "20:Dest2 0:Mazzo 19:Dest2 40:Dest3 18:Dest2"},
    };
    return wins;
}

} // namespace quillon
