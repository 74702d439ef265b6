#pragma once
// The cyclic scrambling of character codes with a fixed key, shared by the statistics file
// "Stat_uni.dat" and the hint file "solr.dat", and the form of one entry of the hint file.

#include <string>
#include <string_view>

namespace quillon {

// The key of the hint file "solr.dat": fifteen characters whose codes lie between 1 and 4. The
// codes over the digits of an entry's name (characters 1 to 4 and 6 to 8) are at most 3, so a
// scrambled digit never becomes "=" and the scrambled names read back as keys.
inline constexpr std::string_view HintKey = "\x02\x03\x01\x03\x04\x01\x03\x02\x01\x02\x04\x03\x02\x01\x04";

// Character i of the result is character i of `text` plus the code of key character k, modulo
// 256, k running cyclically over the key. An empty key leaves the text as it is.
std::string Scramble(std::string_view text, std::string_view key);
// The inverse of Scramble: the key's codes are subtracted modulo 256.
std::string Unscramble(std::string_view text, std::string_view key);

// The 8-character name of a hint entry: the game number in 4 digits, the kind letter ("F", "T",
// "R", "S", "W") and the 1-based pile number in 3 digits (0: every pile of that kind).
std::string HintEntryName(int game, char kind, int pile);
// The stored key and value of an entry, so that Unscramble(key + "=" + value, HintKey) is the
// name, one character, and the text from the 10th character on.
std::string HintEntryKey(std::string_view name);
std::string HintEntryValue(std::string_view name, std::string_view text);
// The text of an entry read back from its stored key and value.
std::string HintEntryText(std::string_view key, std::string_view value);

} // namespace quillon
