#pragma once
// The text services of the statistics files: the cyclic scrambling of character codes with a
// fixed key, the position-weighted checksum, and the 16-character won/lost values of
// "Stat_uni.dat" built from them. The hint file "solr.dat" is scrambled the same way with a key of
// its own. Plain code: no file access here.

#include "model/Scramble.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

class RandomGenerator;

// The key of every value of "Stat_uni.dat": five decimal digit characters. Files written with
// another key read as damaged.
inline constexpr std::string_view StatsKey = "47193";

// The sum over the 1-based positions i of `text` (character code c, 0 to 255) of
// c + floor(i * c / 2) + ((i + c) mod 3) + i, kept as a 32-bit integer (it wraps for texts of
// several thousand characters).
std::int32_t Checksum(std::string_view text);

// The two counters of one game kept for a player in "Stat_uni.dat".
enum class StatCounter { Won, Lost };

// The key of a counter: "GW-" or "GL-" followed by the game number in 4 digits.
std::string StatKeyName(StatCounter counter, int game);

// The 10-character count field: the count in 6 digits mixed with four random digits (0 to 8)
// drawn from `random` in field order. Won: R d1 d2 R d3 d4 R d5 d6 R; lost: R R d1 d2 R d3 d4 R d5 d6.
// Counts beyond 999999 are kept at 999999, the most the field holds.
std::string CountField(StatCounter counter, int count, RandomGenerator& random);

// The stored (scrambled) 16-character value of a counter: the count field followed by the
// checksum of key name + count field in 6 digits.
std::string MakeStatValue(StatCounter counter, int game, int count, RandomGenerator& random);

// The value a missing key reads as: the scrambled form of 30 "0" characters (count 0, checksum 0).
std::string MissingStatValue();

// Decodes a stored value: the count, or nothing when the value is damaged (a field that is not
// made of decimal digits, a value shorter than 16 characters, or a checksum that does not match
// while the count or the checksum is not 0).
std::optional<int> DecodeStatValue(StatCounter counter, int game, std::string_view stored);

} // namespace quillon
