// Winning move lists of the games numbered 780 to 799, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins780() {
    static const std::vector<RecordedWin> wins = {
        {780, "0000000000001",
         "85:Dest8 88:Dest5 63:Dest5 33:Dest7 15:Dest14 14:Dest14 86:Dest8 35:Dest8 13:Dest14 "
         "78:Dest13 81:Dest15 54:Dest15 66:Dest15 37:Fila8 75:Dest8 50:Dest8 10:Fila7 17:Dest16 "
         "55:Dest16 73:Dest7 65:Dest15 61:Dest7 10:Dest7 89:Dest7 80:Dest16 92:Dest16 60:Dest6 "
         "62:Fila7 100:Dest6 52:Dest16 62:Dest6 37:Dest6"},
        {781, "0000000000001",
         "85:Dest7 88:Dest3 63:Dest3 33:Dest6 15:Dest10 14:Dest10 86:Dest8 35:Dest8 13:Dest14 "
         "78:Dest10 81:Dest15 54:Dest15 66:Dest15 37:Fila8 75:Dest8 50:Dest8 10:Fila7 17:Dest16 "
         "55:Dest16 73:Dest7 65:Dest15 61:Dest7 10:Dest7 89:Dest7 80:Dest16 92:Dest16 60:Dest6 "
         "62:Fila7 100:Dest6 52:Dest16 62:Dest6 37:Dest6"},
        {782, "0000000000002",
         "26:Dest5 51:Dest5 102:Dest5 0:Mazzo 10:Dest5 35:Dest5 104:Dest4 77:Dest4 50:Dest4 "
         "0:Mazzo 0:Mazzo 0:Mazzo 80:Dest3 81:Dest3 30:Dest3 96:Dest3 6:Dest3 7:Dest3 86:Dest5 "
         "72:Dest5 32:Dest5 0:Mazzo 0:Mazzo 83:Dest5 69:Dest5 3:Dest5 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 91:Dest2 64:Dest2 0:Mazzo 0:Mazzo 11:Dest2 0:Mazzo 88:Dest4 74:Dest4 "
         "0:Mazzo 0:Mazzo 36:Dest2 22:Dest2 0:Mazzo 0:Mazzo 2:Dest5 40:Dest5 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 0:Mazzo 8:Dest4 33:Dest4 45:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 5:Dest4 43:Dest4 29:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 13:Dest1 0:Mazzo "
         "0:Mazzo 0:Mazzo 103:Dest1 89:Dest1 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo 28:Dest4 "
         "14:Dest4 0:Mazzo 0:Mazzo 0:Mazzo 73:Dest3 48:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 0:Mazzo "
         "34:Dest2 59:Dest2 0:Mazzo 75:Dest3 63:Dest3 90:Dest3 97:Dest2 0:Mazzo 49:Dest1 61:Dest1 "
         "0:Mazzo 31:Dest2 95:Dest2 42:Dest2 0:Mazzo 67:Dest2 79:Dest2 0:Mazzo 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 39:Dest3 92:Dest3 0:Mazzo 0:Mazzo 60:Dest1 98:Dest1 19:Dest1 41:Dest3 "
         "55:Dest3 82:Dest3 0:Mazzo 70:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 84:Dest3 85:Dest3 47:Dest3 "
         "9:Dest3 62:Dest3 37:Dest3 0:Mazzo 44:Dest1 17:Dest1 68:Dest1 0:Mazzo 0:Mazzo 54:Dest1 "
         "27:Dest1 0:Mazzo 0:Mazzo 12:Dest3 78:Dest3 66:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 15:Dest3 "
         "94:Dest3 56:Dest3 0:Mazzo 0:Mazzo 0:Mazzo 57:Dest3 58:Dest3 46:Dest3 0:Mazzo 0:Mazzo "
         "0:Mazzo 0:Mazzo 99:Dest3 87:Dest3 23:Dest3 24:Dest3 38:Dest3 52:Dest3 53:Dest3 0:Mazzo "
         "0:Mazzo 0:Mazzo 93:Dest3 16:Dest3 4:Dest3 0:Mazzo 18:Dest3 71:Dest3 20:Dest3 21:Dest3 "
         "100:Dest3 101:Dest3 76:Dest3 25:Dest3 65:Dest3"},
    };
    return wins;
}

} // namespace quillon
