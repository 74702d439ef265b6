#pragma once
// Game definitions: the game list, the attribute matrix and the selection of "GAMES.DAT" (program
// folder), the custom games of "GAM_CUST.DAT" (data folder), and loading a game into GameAttr.
//
// "GAMES.DAT" is made of sections opened by the header lines "[Sect1]" (game list), "[Sect2]"
// (attribute matrix) and "[SectS]" (selection). The content of the game list, the selection and
// the attribute cells is stored byte-shifted (see Unshift).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class Session;

constexpr int kFirstCustomGame = 8000;
constexpr int kLastAttribute = 502;
// Width of one attribute cell of the matrix and the distance between two columns.
constexpr int kCellWidth = 10;
constexpr int kCellStride = 11;
constexpr int kFirstCellOffset = 16; // 0-based offset of column 0's cell in a matrix line
constexpr int kGameNameWidth = 50;

// Restores a stored text: a byte below 80 gets 48 added, 80 or more gets 48 subtracted. For
// printable text (32..127) the same step also stores it.
std::string Unshift(std::string_view text);

// The lines of a text, split at "\n"; a "\r" before it is dropped.
std::vector<std::string> SplitLines(std::string_view text);

// The lines after every line that begins with `header` (compared case-sensitively over the
// header's length) up to the next line that begins with "["; several such sections are joined.
std::vector<std::string> ExtractSection(const std::vector<std::string>& lines, std::string_view header);

// Path of "GAMES.DAT" in the program folder (found without regard to case).
std::string GamesDatPath(const Session& s);
// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadGamesDat(const Session& s);

// Shows the error box of a missing game-definition file (the program ends after it).
void ShowGamesDatMissing(Session& s, const std::string& path);
// Reads the game list ([Sect1] lines whose character 8 is "4") into Game.GameList. When the
// file is missing, shows the error box and returns false; GameList is then empty.
bool ReadGameList(Session& s);
// Builds the game list from the text of a definition file (no file access).
std::vector<std::string> GameListFromText(std::string_view fileText);

// Game-list queries. `number` is a game number.
int GameColumn(const Session& s, int number);
std::string GameName(const Session& s, int number);
int GameNumberByName(const Session& s, std::string_view name);
int GameGroup(const Session& s, int number);
// False (after the message) when the screen is narrower than 650 pixels and the game (a custom
// game: its base game) needs a screen 800 pixels wide.
bool CanPlayOnSmallScreen(Session& s, int number, int screenWidth);

// The selection: the game numbers of [SectS], in file order (lines that hold no number are
// skipped).
std::vector<int> ReadSelection(const Session& s);

// Custom games.
struct CustomGames {
    std::vector<std::string> names;   // 50 characters each
    std::vector<std::string> numbers; // 4 characters
    std::vector<std::string> bases;   // 4 characters
    std::vector<std::string> rules;   // first 7 characters of the rule string
};
// The records of "GAM_CUST.DAT", sorted by name; empty when the file is missing.
CustomGames CustomGameList(const Session& s);
struct CustomBase {
    int base = -1;
    std::string rules;
};
// The base game and rule string of custom game `number`; base -1 when no record matches.
CustomBase CustomGameBase(const Session& s, int number);
// Applies a custom game's rule string to GameAttr.
void ApplyCustomRules(Session& s, std::string_view rules);

// Loads the game named by position 62 of the parameter string into GameAttr and takes SavedAttr.
// GameAttr is cleared first. False when the file is missing, the game is unknown or a cell is not
// a number (then the standard conversion error is shown and the attributes read so far stay).
bool LoadGameDefinition(Session& s);
// As above, from the text of a definition file already in memory.
bool LoadGameDefinitionFromText(Session& s, std::string_view fileText);

// SavedAttr holds attributes 135..174, then 55..70.
void TakeSavedAttributes(Session& s);
void RestoreSavedAttributes(Session& s);

// Up to nine attributes of another game, by line position of [Sect2]; index -1 yields -99.
std::vector<int> ReadGameAttributes(const Session& s, int number, const std::vector<int>& indexes);

// The same attributes of every game of the game list at once, one row per list line (in list
// order), read from one pass over the file; cells that are missing or not numbers read as 0.
std::vector<std::vector<int>> ReadAttributesOfAllGames(const Session& s, const std::vector<int>& indexes);

// Replaces the first "[Program]" by "Quillon 2003" and the first "[GameNum_fw]" by "6".
std::string ExpandPlaceholders(std::string_view text);

// Shown when the definition file has no attribute section ("[Sect2]").
constexpr const char* kNoAttributesText = "The game definition file GAMES.DAT holds no game attributes.";

// The standard conversion error text for a value that is not a number.
std::string ConversionErrorText(std::string_view value);

} // namespace quillon
