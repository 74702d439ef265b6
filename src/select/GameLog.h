#pragma once
// The game log "Stat_log.dat": plain text in the data folder, one line per ended game, appended
// when a game's result is recorded for its player. The progress file of a player and the
// statistics view of the open-game dialog are built from it.
//
// A line has fixed columns (1-based), 115 characters, CR LF after it:
//
//   1-2     blanks
//   3-4     minutes played, 2 digits (99 for an hour and 39 minutes or more)
//   5-6     seconds of the last minute played, 2 digits (59 when the minutes are capped at 99)
//           - columns 3-6 are the two numbers the progress file keeps per game: the time the
//             game took, as minutes and seconds
//   7       blank
//   8-14    seconds played, 7 digits
//   15      blank
//   16-21   moves made, 6 digits
//   22-25   blanks
//   26-29   game number, 4 digits
//   30      blank
//   31-40   date the game ended, "YYYY-MM-DD"
//   41      blank
//   42-49   time the game ended, "HH:MM:SS"
//   50      blank
//   51-63   the 13-digit deal code
//   64      blank
//   65-71   score, right-aligned with a "-" before a negative number
//   72-81   blanks
//   82-111  player name, padded with blanks to 30 characters (cut at 30)
//   112     blank
//   113-115 "Won" for a won game, "Los" for a lost one
//
// Renaming a player replaces the 30-character name field at column 82 of each line; deleting a
// player drops that player's lines. Numbers beyond their width are kept at the largest value the
// width holds. A line the reader does not recognise (too short, a field out of form) is skipped,
// so a damaged or hand-edited log never stops the program.

#include <string>
#include <vector>

namespace quillon {

class Session;

// One ended game as the game log keeps it.
struct GameLogEntry {
    int game = 0;       // game number
    std::string player; // player name, without the padding
    bool won = false;
    std::string date;     // "YYYY-MM-DD"
    std::string time;     // "HH:MM:SS"
    std::string dealCode; // the 13-digit deal code
    int score = 0;
    int seconds = 0; // seconds played
    int moves = 0;
};

// Length of a log line without its line end.
inline constexpr size_t kGameLogLineLength = 115;

// "Stat_log.dat" in the data folder, found without regard to case.
std::string GameLogPath(const Session& s);

// One line, no line break. Control characters in the player name and the texts become blanks, so
// the entry always stays on its line.
std::string FormatGameLogLine(const GameLogEntry& e);

// Reads a line (a trailing CR or LF is allowed); false for a line it cannot read, leaving `e` as
// it was.
bool ParseGameLogLine(const std::string& line, GameLogEntry& e);

// Appends the entry as one line (creating the file when missing). A last line left without its
// line end by a hand edit gets one first, so the new entry starts its own line. False when the
// file cannot be written.
bool AppendGameLog(const std::string& path, const GameLogEntry& e);

// Every readable line in file order; unreadable lines are skipped, a missing file gives none.
std::vector<GameLogEntry> ReadGameLog(const std::string& path);

} // namespace quillon
