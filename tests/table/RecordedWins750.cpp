// Winning move lists of the games numbered 750 to 849, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins750() {
    static const std::vector<RecordedWin> wins = {};
    return wins;
}

} // namespace quillon
