#pragma once
// The statistics files of the data folder as the first activation of the main window meets them:
// the conversion of an older installation's score list, the test for a series of games in
// progress, and reading a player's won/lost counters from "Stat_uni.dat".

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

} // namespace quillon
