#pragma once
// Recorded winning move lists for the catalogue player, kept apart from the player itself.

#include <string>
#include <vector>

namespace quillon {

struct RecordedWin {
    int game;
    const char* code;
    // "card:Pile" separated by blanks ("40:Dest1 0:Mazzo 23:Mazzo_Waste").
    const char* moves;
};

const std::vector<RecordedWin>& RecordedWins();

} // namespace quillon
