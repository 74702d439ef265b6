#pragma once
// The statistics files of the data folder as the first activation of the main window meets them:
// the conversion of an older installation's score list, the test for a series of games in
// progress, and reading a player's won/lost counters from "Stat_uni.dat".

#include <functional>
#include <string>
#include <string_view>

namespace quillon {

class Session;

// Converts an older "Stat_scr.dat" (version below "0300") to the current layout: a new version
// header, every score line (a line beginning with "0") made 89 characters long and marked " x".
// The file is rewritten through a temporary file in the data folder; any failure leaves the old
// file as it was and is reported through the session's desktop. Then, converted or not, an "S"
// stored in Cards_Animate or ConfirmQuit (section Preference of the configuration file) becomes "Y".
void MigrateStatistics(Session& s);

// True when a series of games is in progress: one of "Stat_e00.dat" to "Stat_e99.dat" exists in the
// data folder. When no file matches "Stat_e*.dat" at all, the series marker "Series_e01.dat" is
// deleted and the answer is false.
bool SeriesInProgress(Session& s);

// A player's counters of one game in "Stat_uni.dat".
struct UniqueCounts {
    enum class Status {
        Ok,         // counts read (a missing file, section or key reads as 0)
        Damaged,    // a value does not decode or its checksum does not match
        Unreadable, // the file exists but cannot be read; nothing can be said about it
    } status = Status::Ok;
    int won = 0;
    int lost = 0;
};
// Reads the "GW-" and "GL-" values of `game` in the section of `player` (trailing blanks removed).
UniqueCounts ReadUniqueCounts(const Session& s, std::string_view player, int game);

// The path of a statistics file in the data folder, found without regard to case.
std::string StatisticsPath(const Session& s, const std::string& name);

// True when the result of `game` counts for the statistics: game numbers 0 to 7999 (custom games
// are never recorded) of a freshly drawn deal of a started game, with statistics not disabled.
bool GameCounts(const Session& s, int game);

// Adds a win or a loss to the player's counters of `game` in "Stat_uni.dat", or with `reset` sets
// both to zero. Without `reset` nothing happens unless the game counts (GameCounts). A value that
// does not decode or fails its checksum discards the whole file (DiscardUniqueStatistics) and
// nothing is written. Each value is written with fresh random digits; an existing key is
// overwritten in place.
void RecordGameResult(Session& s, int game, const std::string& player, bool reset, bool won);

// The reaction to a damaged "Stat_uni.dat": the file is deleted, the player is told that the
// values are reset to zero, and the hourglass shows for two seconds while messages keep running.
void DiscardUniqueStatistics(Session& s);

// The end of a game as the main window records it: the counters (RecordGameResult) and, when the
// game counts, one line in the game log with the date and time the game ended (GameTimes 1), the
// time it took, the deal code, the score and the moves made, and its progress record appended to
// the player's progress file when that exists.
void RecordEndedGame(Session& s, int game, const std::string& player, bool won);

// Creates "Stat.dat", "Stat_scr.dat" and "Series_scr.dat" with the header "[Version]",
// "Version=0300" and "Stat_glo.dat" with "[Version]", "VOvS=0300" where they are missing; when the
// current player has no progress file, it is created and built from the game log.
void EnsureStatisticsFiles(Session& s);

// The progress file of the current player: one four-byte record per log line of that player, in
// log order (game number's first and last two digits + 33, columns 3-4 + 33, columns 5-6 + 100
// for a won game, + 50 for a lost one). Nothing happens without a game log; a log line too short
// or not holding digits in those columns is left out.
void BuildProgressFile(Session& s);

// The four-byte progress record of one log line, or "" for a line that holds none.
std::string ProgressRecord(std::string_view logLine);

// Gives a player a new name in every statistics file: the player keys of "Stat.dat", the section
// headers of "Stat_glo.dat" and "Stat_uni.dat", the 30-character name fields of the game log
// (column 82) and of the two score lists (column 39), and the progress file's name. `progress`
// (may be empty) is told the lines done; it is told 0 first.
void RenamePlayerInStatistics(Session& s, std::string oldName, std::string newName,
                              const std::function<void(int lines)>& progress);

// The statistics seams of the play engine as the program fills them: EndGame makes sure the files
// exist and records each ended game (counters and game log) for its player.
void InstallStatistics(Session& s);

// Deletes a player's statistics: a zero record for the player in every game section of
// "Stat.dat" and the player's "Stat_uni.dat" counters of those games set to zero; the player's
// lines removed from the game log, and the player's progress file (built from those lines) deleted.
void DeletePlayerStatistics(Session& s, std::string player);

} // namespace quillon
