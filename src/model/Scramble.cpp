#include "model/Scramble.h"

#include <cstdio>

namespace quillon {

namespace {

std::string Shift(std::string_view text, std::string_view key, int sign) {
    std::string out(text);
    if (key.empty())
        return out;
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned c = static_cast<unsigned char>(out[i]);
        unsigned k = static_cast<unsigned char>(key[i % key.size()]);
        out[i] = static_cast<char>(static_cast<unsigned char>(sign > 0 ? c + k : c - k));
    }
    return out;
}

constexpr size_t kNameLength = 8;

} // namespace

std::string Scramble(std::string_view text, std::string_view key) {
    return Shift(text, key, +1);
}

std::string Unscramble(std::string_view text, std::string_view key) {
    return Shift(text, key, -1);
}

std::string HintEntryName(int game, char kind, int pile) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d%c%03d", game % 10000, kind, pile % 1000);
    return name;
}

std::string HintEntryKey(std::string_view name) {
    return Scramble(name.substr(0, kNameLength), HintKey);
}

std::string HintEntryValue(std::string_view name, std::string_view text) {
    std::string plain(name.substr(0, kNameLength));
    plain.resize(kNameLength, '0');
    plain += '=';
    plain += text;
    return Scramble(plain, HintKey).substr(kNameLength + 1);
}

std::string HintEntryText(std::string_view key, std::string_view value) {
    std::string stored(key);
    stored += '=';
    stored += value;
    const std::string plain = Unscramble(stored, HintKey);
    return plain.size() > kNameLength + 1 ? plain.substr(kNameLength + 1) : std::string();
}

} // namespace quillon
