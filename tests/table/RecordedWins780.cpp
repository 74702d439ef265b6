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
    };
    return wins;
}

} // namespace quillon
