// Winning move lists of the games numbered 700 to 749, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins700() {
    static const std::vector<RecordedWin> wins = {};
    return wins;
}

} // namespace quillon
