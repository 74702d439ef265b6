#include "select/StatisticsText.h"

#include "model/ParamString.h"
#include "model/Random.h"

#include <array>

namespace quillon {

namespace {

// 1-based character positions of the six count digits in each layout.
constexpr std::array<int, 6> kWonDigits{2, 3, 5, 6, 8, 9};
constexpr std::array<int, 6> kLostDigits{3, 4, 6, 7, 9, 10};

const std::array<int, 6>& DigitPlaces(StatCounter counter) {
    return counter == StatCounter::Won ? kWonDigits : kLostDigits;
}

// The text read as a plain decimal number made of digits only.
std::optional<int> Digits(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

std::int32_t Checksum(std::string_view text) {
    // Unsigned arithmetic wraps like the 32-bit integer the sum is kept in.
    std::uint32_t sum = 0;
    std::uint32_t i = 0;
    for (char ch : text) {
        ++i;
        std::uint32_t c = static_cast<unsigned char>(ch);
        sum += c + (i * c) / 2 + (i + c) % 3 + i;
    }
    return static_cast<std::int32_t>(sum);
}

std::string StatKeyName(StatCounter counter, int game) {
    return (counter == StatCounter::Won ? "GW-" : "GL-") + FormatFixed(game, 4);
}

std::string CountField(StatCounter counter, int count, RandomGenerator& random) {
    if (count < 0)
        count = 0;
    if (count > 999999)
        count = 999999;
    std::string digits = FormatFixed(count, 6);
    std::string field(10, '0');
    const auto& places = DigitPlaces(counter);
    size_t d = 0;
    for (int pos = 1; pos <= 10; ++pos) {
        bool isDigit = d < places.size() && places[d] == pos;
        field[static_cast<size_t>(pos - 1)] =
            isDigit ? digits[d++] : static_cast<char>('0' + random.RandomInt(9));
    }
    return field;
}

std::string MakeStatValue(StatCounter counter, int game, int count, RandomGenerator& random) {
    std::string field = CountField(counter, count, random);
    std::string plain = field + FormatFixed(Checksum(StatKeyName(counter, game) + field), 6);
    return Scramble(plain, StatsKey);
}

std::string MissingStatValue() {
    return Scramble(std::string(30, '0'), StatsKey);
}

std::optional<int> DecodeStatValue(StatCounter counter, int game, std::string_view stored) {
    std::string plain = Unscramble(stored, StatsKey);
    if (plain.size() < 16)
        return std::nullopt;
    std::string digits;
    for (int pos : DigitPlaces(counter))
        digits += plain[static_cast<size_t>(pos - 1)];
    auto count = Digits(digits);
    auto check = Digits(std::string_view(plain).substr(10, 6));
    if (!count || !check)
        return std::nullopt;
    if ((*count != 0 || *check != 0) && Checksum(StatKeyName(counter, game) + plain.substr(0, 10)) != *check)
        return std::nullopt;
    return count;
}

} // namespace quillon
