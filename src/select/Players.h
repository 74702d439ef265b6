#pragma once
// The player list kept in the configuration file and the rules for player names. A player's name
// becomes part of file names and section headers of the statistics files, so it may not hold the
// characters that file names cannot hold.

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class Session;

// At most this many players are kept (keys "User001" to "User020" of section Users).
inline constexpr int kMaxPlayers = 20;

// The nine characters a player name may not hold, in the order the message lists them.
inline constexpr std::string_view kForbiddenNameCharacters = "\\/:*?\"<>|";

// "A Player name cannot contain any of the following characters: " and the nine characters
// separated by single blanks.
std::string ForbiddenNameMessage();

// The player names of section Users, keys "User001" to "User020", empty values skipped, sorted
// as the players list shows them (without regard to case).
std::vector<std::string> PlayerNames(const Session& s);

// False when the name holds one of the nine forbidden characters, or a control character (code
// below 32), which no file name or configuration line can carry either.
bool PlayerNameValid(std::string_view name);

// The message the name dialog shows for a name that cannot be taken: "Please enter at least 1
// character." for an empty name, the forbidden-character message for an invalid one, "" for a
// name that may be used.
std::string PlayerNameProblem(std::string_view name);

// True when every listed name is valid. Otherwise shows the forbidden-character message, a line
// break and "Please rename the Player name:  " followed by the first offending name (in list
// order), stores that name in `offending` when given, and returns false.
bool CheckPlayerNames(Session& s, std::string* offending = nullptr);

// Sorts names in the list box order: without regard to case, names differing only in case by
// their exact text.
void SortPlayerNames(std::vector<std::string>& names);

// Writes the list as keys "User001" to "User020" of section Users in its order; numbers beyond the
// list's length get empty values, names beyond the twentieth are not written.
void SavePlayerNames(Session& s, const std::vector<std::string>& names);

// A new current player (position 77) is kept: UserDefault of section Preference of the
// configuration file, and the open-game dialog's won/lost display refreshed when it shows.
void StorePlayerChange(Session& s);

} // namespace quillon
