// Winning move lists of the games numbered 900 to 999, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins900() {
    static const std::vector<RecordedWin> wins = {};
    return wins;
}

} // namespace quillon
