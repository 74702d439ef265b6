// Winning move lists of the games numbered 600 to 649, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins600() {
    static const std::vector<RecordedWin> wins = {};
    return wins;
}

} // namespace quillon
