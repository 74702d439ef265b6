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
    // Played with autoplay on: the games whose tableau cards go up only by themselves.
    bool autoplay = false;
};

// Every recorded win: the lists below, one per range of game numbers, joined.
const std::vector<RecordedWin>& RecordedWins();

// The lists by range of game numbers, each kept in its own file (RecordedWins600.cpp holds the
// games numbered 600 to 649, and so on), so the file of one range of the catalogue stays short.
const std::vector<RecordedWin>& RecordedWinsBelow600();
const std::vector<RecordedWin>& RecordedWins600();
const std::vector<RecordedWin>& RecordedWins650();
const std::vector<RecordedWin>& RecordedWins700();
const std::vector<RecordedWin>& RecordedWins750();
const std::vector<RecordedWin>& RecordedWins770();
const std::vector<RecordedWin>& RecordedWins780();
const std::vector<RecordedWin>& RecordedWins800();
const std::vector<RecordedWin>& RecordedWins820();
const std::vector<RecordedWin>& RecordedWins850();
const std::vector<RecordedWin>& RecordedWins900();
const std::vector<RecordedWin>& RecordedWins950();
const std::vector<RecordedWin>& RecordedWins960();
const std::vector<RecordedWin>& RecordedWins970();
const std::vector<RecordedWin>& RecordedWins980();

} // namespace quillon
