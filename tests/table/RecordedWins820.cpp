// Winning move lists of the games numbered 820 to 849, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins820() {
    static const std::vector<RecordedWin> wins = {
        // Grounds for a Divorce: between the deals the runs are sorted into suits, Kings taken
        // off the Aces they were built on, and each complete suit leaves the table.
        {820, "0000000000001",
         "46:Fila6 45:Fila6 14:Fila5 35:Fila3 13:Fila7 83:Fila6 25:Fila7 50:Fila9 10:Fila9 "
         "69:Fila6 58:Fila2 74:Fila9 104:Fila5 1:Fila10 11:Fila7 88:Fila7 69:Fila4 83:Fila3 "
         "69:Fila3 99:Fila9 58:Fila6 69:Fila4 32:Fila2 69:Fila2 36:Fila4 99:Fila3 48:Fila4 "
         "42:Fila2 1:Fila3 93:Fila2 104:Fila3 14:Fila2 41:Fila10 96:Fila4 30:Fila4 66:Fila10 "
         "12:Fila3 88:Fila5 11:Fila3 25:Fila8 12:Fila7 13:Fila2 88:Fila2 104:Fila10 25:Fila10 "
         "0:Mazzo 100:Fila2 1:Fila10 52:Fila10 85:Fila3 6:Fila3 100:Fila1 74:Fila2 10:Fila5 "
         "50:Fila8 10:Fila8 64:Fila10 102:Fila10 30:Fila5 48:Fila8 36:Fila10 48:Fila10 "
         "30:Fila10 100:Fila8 0:Mazzo 92:Fila2 16:Fila7 6:Fila1 85:Fila8 84:Fila8 92:Fila3 "
         "28:Fila7 92:Fila7 85:Fila3 60:Fila2 85:Fila2 100:Fila3 10:Fila4 50:Fila10 10:Fila10 "
         "100:Fila10 85:Fila3 60:Fila10 85:Fila10 0:Mazzo 49:Fila1 37:Fila8 21:Fila2 23:Fila8 "
         "18:Fila6 85:Fila8 60:Fila2 100:Fila1 18:Fila8 59:Fila2 20:Fila3 19:Fila3 56:Fila8 "
         "10:Fila4 49:Fila10 60:Fila10 88:Fila1 10:Fila2 56:Fila4 18:Fila10 56:Fila10 85:Fila4 "
         "20:Fila8 23:Fila3 88:Fila8 23:Fila1 56:Fila3 18:Fila1 56:Fila1 60:Fila8 50:Fila3 "
         "60:Fila3 37:Fila10 60:Fila10 77:Fila5 50:Fila5 13:Fila3 91:Fila2 13:Fila8 50:Fila3 "
         "77:Fila2 50:Fila2 60:Fila2 0:Mazzo 29:Fila7 67:Fila7 60:Fila8 50:Fila3 77:Fila10 "
         "50:Fila10 91:Fila3 14:Fila7 91:Fila7 53:Fila2 56:Fila3 17:Fila1 91:Fila5 67:Fila3 "
         "91:Fila3 29:Fila1 53:Fila5 42:Fila7 53:Fila7 50:Fila5 13:Fila6 26:Fila7 50:Fila7 "
         "90:Fila3 29:Fila10 69:Fila5 30:Fila2 69:Fila10 33:Fila5 72:Fila8 91:Fila2 13:Fila3 "
         "79:Fila6 47:Fila7 72:Fila7 13:Fila2 67:Fila5 13:Fila5 69:Fila2 56:Fila10 13:Fila3 "
         "67:Fila10 13:Fila10 0:Mazzo 97:Fila6 72:Fila2 98:Fila7 79:Fila1 34:Fila1 33:Fila1 "
         "50:Fila3 26:Fila10 50:Fila10 79:Fila3 53:Fila1 79:Fila7 91:Fila1 50:Fila3 26:Fila7 "
         "50:Fila7 40:Fila3 57:Fila10 91:Fila3 13:Fila1 67:Fila3 2:Fila10 13:Fila3 56:Fila3 "
         "50:Fila5 26:Fila3 50:Fila3 79:Fila5 95:Fila10 75:Fila6 92:Fila10 79:Fila7 28:Fila5 "
         "16:Fila1 28:Fila1 50:Fila5 26:Fila10 50:Fila10 67:Fila5 28:Fila3 67:Fila1 50:Fila5 "
         "26:Fila1 50:Fila1 48:Fila6 0:Mazzo 76:Fila6 82:Fila1 27:Fila4 39:Fila4 61:Fila10 "
         "38:Fila4 80:Fila7 31:Fila4 68:Fila4 65:Fila3 73:Fila10 68:Fila2 80:Fila2 94:Fila4 "
         "73:Fila7 76:Fila2 50:Fila6 76:Fila1 103:Fila3 26:Fila6 23:Fila6 63:Fila2 7:Fila5 "
         "62:Fila2 71:Fila7 61:Fila2 48:Fila10 22:Fila6 4:Fila7 15:Fila4 75:Fila1 103:Fila6 "
         "65:Fila10 103:Fila10 40:Fila4 75:Fila3 89:Fila6 44:Fila10 4:Fila10 63:Fila1 89:Fila2 "
         "80:Fila6 75:Fila6 40:Fila3 15:Fila2 40:Fila2 75:Fila3 80:Fila4 75:Fila4 4:Fila3 "
         "103:Fila6 65:Fila2 103:Fila2 4:Fila2 48:Fila3 75:Fila6 36:Fila4 48:Fila4 102:Fila3 "
         "63:Fila10 75:Fila3 64:Fila1 52:Fila4 64:Fila4 54:Fila1 75:Fila6 102:Fila10 75:Fila10 "
         "4:Fila3 103:Fila6 64:Fila2 103:Fila4 4:Fila4 75:Fila3 102:Fila6 75:Fila6 25:Fila3 "
         "104:Fila1 25:Fila1 75:Fila3 102:Fila1 75:Fila1 66:Fila3 65:Fila3 40:Fila10 65:Fila10 "
         "66:Fila2 65:Fila2 4:Fila3 52:Fila10 4:Fila10 48:Fila3 65:Fila3 39:Fila2 65:Fila4 "
         "48:Fila2 4:Fila3 52:Fila2 4:Fila2 65:Fila10 80:Fila3 65:Fila3 41:Fila4 75:Fila6 "
         "102:Fila7 75:Fila7 4:Fila6 52:Fila4 4:Fila4 48:Fila6 39:Fila6 65:Fila2 39:Fila3 "
         "48:Fila3 65:Fila3 25:Fila6 104:Fila2 25:Fila2 75:Fila6 102:Fila2 75:Fila2 65:Fila1 "
         "48:Fila6 65:Fila6 39:Fila1 65:Fila3 48:Fila1 4:Fila6 52:Fila1 4:Fila1 0:Mazzo "
         "101:Fila2 4:Fila4 43:Fila1 48:Fila2 4:Fila6 70:Fila5 94:Fila2 4:Fila5 39:Fila2 "
         "54:Fila5 39:Fila5 101:Fila1 24:Fila6 75:Fila6 101:Fila2 102:Fila1 24:Fila2 25:Fila6 "
         "104:Fila1 25:Fila1 39:Fila2 4:Fila6 39:Fila6 69:Fila5 65:Fila5 39:Fila3 0:Mazzo "
         "86:Fila3 85:Fila3 51:Fila2 25:Fila6 102:Fila2 65:Fila1 70:Fila6 7:Fila1 104:Fila6 "
         "51:Fila6 65:Fila6 0:Mazzo 65:Fila1 4:Fila1 39:Fila1 80:Fila1"},
        // Blockade: the aces of the first row go up at the deal and the stock fills their places;
        // runs in suit are moved down the row and every gap is filled from the stock.
        {821, "0000000000001",
         "45:Fila12 53:Dest2 0:Mazzo 27:Dest3 41:Fila4 19:Fila8 61:Fila1 46:Fila6 0:Mazzo "
         "66:Dest4 1:Dest5 11:Fila2 58:Fila7 99:Fila11 83:Fila9 10:Fila2 32:Fila1 0:Mazzo "
         "79:Dest6 15:Dest1 71:Fila1 74:Fila10 47:Fila11 89:Fila3 61:Fila9 0:Mazzo 54:Dest2 "
         "28:Dest3 92:Dest7 16:Dest1 7:Fila11 6:Fila11 84:Fila4 60:Fila9 69:Dest1 62:Fila6 "
         "0:Mazzo 67:Dest4 2:Dest5 55:Dest2 18:Dest1 29:Dest3 95:Fila8 37:Fila12 71:Dest1 "
         "72:Dest1 21:Dest1 82:Fila1 9:Fila2 74:Dest1 23:Dest1 4:Dest2 36:Fila12 82:Dest3 "
         "83:Dest3 32:Dest3 33:Dest3 35:Fila12 57:Dest2 34:Dest3 35:Dest3 36:Dest3 37:Dest3 "
         "90:Dest3 58:Dest2 59:Dest2 12:Fila7 49:Fila2 0:Mazzo 40:Dest8 68:Dest4 80:Dest6 "
         "3:Dest5 24:Dest1 56:Dest5 39:Dest3 103:Fila5 97:Fila9 60:Fila7 50:Fila5 0:Mazzo "
         "81:Dest6 5:Dest5 8:Dest2 6:Dest5 86:Fila3 7:Dest5 50:Fila2 60:Dest5 9:Dest2 10:Dest2 "
         "11:Dest2 12:Dest2 65:Dest2 85:Fila3 41:Dest7 94:Dest7 43:Dest7 64:Fila7 78:Fila4 "
         "61:Dest5 63:Fila7 62:Dest5 101:Fila6 63:Dest5 50:Fila5 64:Dest5 51:Fila12 13:Dest5 "
         "26:Fila7 100:Fila6 48:Fila5 17:Dest4 52:Fila11 70:Dest4 76:Fila2 44:Fila9 96:Dest7 "
         "45:Dest7 46:Dest7 47:Dest7 100:Dest7 101:Dest7 88:Fila6 19:Dest4 87:Fila6 20:Dest4 "
         "93:Dest8 73:Dest4 42:Dest8 30:Dest6 95:Dest8 31:Dest6 44:Dest8 84:Dest6 97:Dest8 "
         "85:Dest6 98:Dest8 86:Dest6 99:Dest8 87:Dest6 48:Dest8 88:Dest6 49:Dest8 50:Dest7 "
         "104:Fila12 22:Dest4 103:Dest7 75:Dest4 76:Dest4 77:Dest1 89:Dest6 25:Dest4 38:Dest6 "
         "102:Dest8 78:Dest1 26:Dest4 91:Dest6 51:Dest8 52:Dest7 104:Dest8"},
        // Senior Wrangler: the foundations are built by the keys' steps from the tops of the piles;
        // when play stops the next pile is taken up and dealt out over the piles.
        {822, "0000000000002",
         "69:Dest9 3:Dest15 83:Dest16 45:Dest10 36:Dest12 48:Dest10 2:Dest12 7:Dest12 6:Dest9 "
         "27:Dest14 89:Dest15 0:Mazzo 12:Dest13 99:Dest14 54:Dest14 38:Dest12 57:Dest13 "
         "24:Dest13 43:Dest13 53:Dest16 25:Dest10 71:Dest15 74:Dest14 101:Dest16 56:Dest12 "
         "42:Dest14 28:Dest10 97:Dest16 67:Dest16 5:Dest10 62:Dest14 23:Dest13 55:Dest13 "
         "100:Dest13 41:Dest13 82:Dest14 9:Dest12 76:Dest16 46:Dest16 0:Mazzo 16:Dest16 "
         "60:Dest13 47:Dest11 1:Dest13 59:Dest13 91:Dest13 14:Dest15 11:Dest14 70:Dest14 "
         "92:Dest12 8:Dest9 88:Dest9 58:Dest12 0:Mazzo 90:Dest16 73:Dest16 37:Dest12 17:Dest16 "
         "52:Dest16 35:Dest15 81:Dest12 34:Dest12 13:Dest12 0:Mazzo 95:Dest15 103:Dest11 "
         "68:Dest11 98:Dest11 63:Dest11 15:Dest11 19:Dest11 0:Mazzo 0:Mazzo 64:Dest15 86:Dest10 "
         "0:Mazzo 102:Dest10 10:Dest11 77:Dest14 66:Dest11 96:Dest11 22:Dest11 26:Dest11 "
         "51:Dest9 40:Dest9 32:Dest14 20:Dest15 104:Dest14 80:Dest15 29:Dest9 31:Dest9 72:Dest9 "
         "75:Dest15 44:Dest15 65:Dest15 61:Dest9 50:Dest9 79:Dest10 30:Dest10 33:Dest10 "
         "49:Dest10 39:Dest10 78:Dest9"},
        // Penguin: the beak is the ace of spades at the bottom of the first pile; the flipper
        // holds cards while the suits are built down and sent home.
        {823, "0000000000001",
         "16:Appogg1 28:Dest3 6:Appogg2 15:Dest2 36:Appogg3 16:Dest2 50:Fila6 20:Appogg1 "
         "31:Appogg4 47:Appogg5 29:Dest3 10:Fila2 48:Appogg6 30:Dest3 42:Appogg7 31:Dest3 "
         "19:Appogg4 9:Fila2 8:Fila2 39:Fila7 42:Fila1 3:Appogg7 41:Fila1 2:Dest1 20:Fila4 "
         "3:Dest1 41:Appogg1 42:Appogg7 19:Fila4 43:Appogg4 4:Dest1 40:Dest4 41:Dest4 "
         "33:Appogg1 42:Dest4 13:Fila1 17:Dest2 43:Dest4 44:Appogg4 5:Dest1 44:Dest4 6:Dest1 "
         "8:Appogg2 50:Appogg4 51:Appogg7 38:Fila7 37:Fila7 36:Fila7 21:Fila6 32:Dest3 11:Fila4 "
         "33:Dest3 49:Appogg1 7:Dest1 34:Dest3 8:Dest1 35:Dest3 18:Dest2 45:Dest4 9:Dest1 "
         "46:Dest4 10:Dest1 19:Dest2 11:Dest1 20:Dest2 12:Dest1 21:Dest2 13:Dest1 22:Dest2 "
         "36:Dest3 47:Dest4 37:Dest3 48:Dest4 38:Dest3 49:Dest4 39:Dest3 50:Dest4 52:Fila1 "
         "23:Dest2 51:Dest4 26:Fila2 52:Dest4 24:Dest2 25:Dest2 26:Dest2"},
        // Spiderette: the runs are sorted into suits across the seven piles between the deals,
        // and each complete suit leaves the table.
        {824, "0000000000004",
         "47:Fila6 43:Fila2 29:Fila2 29:Fila4 2:Fila4 40:Fila3 0:Mazzo 49:Fila3 2:Fila5 "
         "19:Fila6 14:Fila5 35:Fila3 37:Fila1 51:Fila2 37:Fila2 35:Fila1 49:Fila2 35:Fila2 "
         "14:Fila1 2:Fila4 14:Fila4 33:Fila1 16:Fila7 8:Fila2 19:Fila1 7:Fila2 19:Fila2 "
         "33:Fila6 11:Fila1 41:Fila7 24:Fila3 32:Fila6 10:Fila1 19:Fila5 0:Mazzo 12:Fila3 "
         "34:Fila7 11:Fila3 46:Fila1 33:Fila7 48:Fila3 18:Fila7 50:Fila2 18:Fila5 46:Fila3 "
         "48:Fila1 12:Fila6 48:Fila6 50:Fila1 25:Fila3 50:Fila3 34:Fila1 8:Fila7 34:Fila2 "
         "35:Fila1 48:Fila2 49:Fila3 35:Fila6 37:Fila1 50:Fila2 37:Fila3 20:Fila1 52:Fila5 "
         "43:Fila1 5:Fila6 43:Fila2 0:Mazzo 30:Fila6 31:Fila5 5:Fila3 35:Fila1 31:Fila1 "
         "44:Fila5 21:Fila2 6:Fila7 36:Fila3 20:Fila2 8:Fila1 22:Fila6 21:Fila6 41:Fila2 "
         "17:Fila6 28:Fila6 14:Fila6 8:Fila7 2:Fila1 29:Fila3 4:Fila7 14:Fila1 28:Fila3 "
         "27:Fila3 9:Fila4 14:Fila7 15:Fila6 22:Fila7 9:Fila6 41:Fila4 52:Fila2 13:Fila5 "
         "0:Mazzo 41:Fila2 26:Fila4 38:Fila2 3:Fila5 1:Fila1 2:Fila5 37:Fila5 25:Fila4 39:Fila1 "
         "37:Fila2 38:Fila1 23:Fila3 24:Fila4 22:Fila4"},
    };
    return wins;
}

} // namespace quillon
