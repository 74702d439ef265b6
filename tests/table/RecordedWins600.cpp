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
    };
    return wins;
}

} // namespace quillon
