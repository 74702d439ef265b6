// Winning move lists of the games numbered 650 to 699, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins650() {
    static const std::vector<RecordedWin> wins = {};
    return wins;
}

} // namespace quillon
