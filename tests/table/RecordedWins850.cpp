// Winning move lists of the games numbered 850 to 899, in the words of RecordedWins.cpp.
#include "table/RecordedWins.h"

namespace quillon {

const std::vector<RecordedWin>& RecordedWins850() {
    static const std::vector<RecordedWin> wins = {};
    return wins;
}

} // namespace quillon
