#pragma once
// The game-definition compiler: game sources (TOML, one game per file) to the definition file the
// program reads, and the definition file back to game sources for inspection.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::gamesdat {

constexpr int kAttributeSlots = 503; // attributes 0..502

// One pile hint text of a game: kind letter ("F", "T", "R", "S", "W"), 1-based pile (0: every pile
// of that kind), the text, and the field it was read from.
struct HintSource {
    char kind = 0;
    int pile = 0;
    std::string text;
    std::string field;
};

struct GameSource {
    std::string file; // where it came from, for messages
    int number = -1;
    std::string name;
    int group = 0;
    int edition = 4;
    bool needs800 = false;
    bool newGame = false;
    bool selected = false;
    std::array<int, kAttributeSlots> attr{};
    std::vector<HintSource> hints; // the [hints] table: pile hint texts for the hint file
};

struct CompileError {
    std::string file;
    std::string field;
    std::string reason;
    // "FILE: FIELD: REASON"
    std::string Text() const;
};

// Reads one game file. Problems are appended to `errors`; nothing is returned when any was found.
std::optional<GameSource> ParseGameSource(std::string_view toml, const std::string& file,
                                          std::vector<CompileError>& errors);

// Checks one game's values (counts, deck, deal, layout, 16-bit range, name).
void ValidateGame(const GameSource& g, std::vector<CompileError>& errors);
// Checks the whole set (each game, and duplicate numbers).
void ValidateCatalogue(const std::vector<GameSource>& games, std::vector<CompileError>& errors);

// The definition file for the games, in game-number order: "[Sect1]", "[Sect2]", "[SectS]".
std::string WriteGamesDat(std::vector<GameSource> games);

// Reads a definition file back (every [Sect1] line; attributes for the games of edition 4).
std::vector<GameSource> ReadGamesDatText(std::string_view text, std::vector<CompileError>& errors);
// One game as a game file.
std::string ToToml(const GameSource& g);

// Cards a game's deal takes before the arrangements that use up the rest of the deck, and the
// cards its deck keeps after the deck filters (for the "more cards than the deck holds" check).
int CardsDealt(const GameSource& g);
int CardsKept(const GameSource& g);

} // namespace quillon::gamesdat
