#pragma once
// The preview file "solp.dat" of the program folder: one text line per game (line g, counted from
// 0, belongs to game g), each stored scrambled with the preview key. A restored line ignores its
// first four characters; from the fifth on it holds groups of nine digits, a picture number 1-99
// and the x and y of the picture in the preview area, each in three digits. Plain code: the open-game
// dialog reads these records and the build's preview generator writes them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The key the lines of "solp.dat" are scrambled with.
inline constexpr std::string_view kPreviewKey = "7140396825";
// The preview area and the offset every picture of a record is drawn at.
inline constexpr int kPreviewWidth = 306, kPreviewHeight = 200;
inline constexpr int kPreviewOffsetX = 3, kPreviewOffsetY = 8;
inline constexpr int kPreviewPictureCount = 99;
// The card cell of the preview pictures (cards, backs and empty-pile marks).
inline constexpr int kPreviewCardWidth = 25, kPreviewCardHeight = 32;
// Preview picture numbers: card n of a suit (0 hearts .. 3 spades) is 13 * suit + rank.
inline constexpr int kPreviewJoker = 53, kPreviewBack = 54;
inline constexpr int kPreviewEmptyPosition = 55;   // "WL001"
inline constexpr int kPreviewEmptyFoundation = 57; // "WL004"
inline constexpr int kPreviewEmptyStock = 58;      // "WL005"

struct PreviewPiece {
    int picture = 0; // 1-99
    int x = 0;       // 0-999, before the drawing offset
    int y = 0;
    bool operator==(const PreviewPiece&) const = default;
};

// The pieces of a restored record: every complete group of nine digits from character 5 on. A
// group that is not three numbers, or whose picture number lies outside 1-99, is left out.
std::vector<PreviewPiece> ParsePreviewRecord(std::string_view restored);
// True when a restored record holds a table at all (more than four characters); otherwise the
// dialog shows the game's "GAME" picture instead.
inline bool PreviewRecordShowsTable(std::string_view restored) {
    return restored.size() > 4;
}
// The restored record of the pieces: "0000" and one group per piece. Numbers outside 0-999 are
// kept at the nearest bound, so every group keeps its nine digits.
std::string FormatPreviewRecord(const std::vector<PreviewPiece>& pieces);

// The lines of a preview file as stored (scrambled), "\r" of a line end removed; nothing when the
// file cannot be read.
std::optional<std::vector<std::string>> ReadPreviewFile(const std::string& path);
// The restored record of game `game` from the stored lines; nothing when there is no such line.
std::optional<std::string> PreviewRecord(const std::vector<std::string>& storedLines, int game);
// A restored record in its stored form. Records made of digits scramble to letters, so a stored
// line never holds a line break.
std::string StorePreviewRecord(std::string_view restored);

} // namespace quillon
