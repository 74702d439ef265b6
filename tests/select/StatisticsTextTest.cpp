#include "select/StatisticsText.h"
#include "model/Random.h"

#include <gtest/gtest.h>

#include <string>

using namespace quillon;

namespace {

std::string AllBytes() {
    std::string text;
    for (int c = 0; c < 256; ++c)
        text += static_cast<char>(c);
    return text;
}

TEST(Scramble, RoundTripsEveryByteValueWithEveryKey) {
    const std::string keys[] = {std::string(StatsKey), std::string(HintKey), "\xff", "9", "\x01\xfe\x80"};
    std::string text = AllBytes() + AllBytes();
    for (const auto& key : keys) {
        std::string scrambled = Scramble(text, key);
        EXPECT_EQ(scrambled.size(), text.size());
        EXPECT_NE(scrambled, text) << "key of " << key.size() << " characters";
        EXPECT_EQ(Unscramble(scrambled, key), text);
        EXPECT_EQ(Scramble(Unscramble(text, key), key), text);
    }
}

TEST(Scramble, AddsTheKeyCodesCyclicallyModulo256) {
    struct Case {
        std::string text, key, scrambled;
    } cases[] = {
        {"", "123", ""},
        {"0", "1", "a"},                                      // 48 + 49 = 97
        {"0000", "12", "abab"},                               // the key starts again at its first character
        {"\xff\xfe", "\x01\x03", std::string("\x00\x01", 2)}, // wraps past 255
        {"abc", "", "abc"},                                   // an empty key changes nothing
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Scramble(c.text, c.key), c.scrambled) << c.text;
        EXPECT_EQ(Unscramble(c.scrambled, c.key), c.text) << c.text;
    }
}

TEST(Scramble, KeysHaveTheirDefinedShape) {
    ASSERT_EQ(StatsKey.size(), 5u);
    for (char c : StatsKey)
        EXPECT_TRUE(c >= '0' && c <= '9');
    ASSERT_EQ(HintKey.size(), 15u);
    for (char c : HintKey)
        EXPECT_TRUE(c >= 1 && c <= 4);
}

TEST(Checksum, KnownValues) {
    // Each character adds c + floor(i * c / 2) + ((i + c) mod 3) + i.
    struct Case {
        std::string text;
        std::int32_t sum;
    } cases[] = {
        {"", 0},
        {"0", 74},     // 48 + 24 + 1 + 1
        {"A", 98},     // 65 + 32 + 0 + 1
        {"00", 174},   // 74 + (48 + 48 + 2 + 2)
        {"ab", 347},   // (97 + 48 + 2 + 1) + (98 + 98 + 1 + 2)
        {"\xff", 384}, // codes are taken as 0 to 255: 255 + 127 + 1 + 1
        {"GW-0087" + std::string(10, '0'), 4828},
        {"GL-0087" + std::string(10, '0'), 4804},
        {std::string(5000, '\xff'), 1607850001},
        {std::string(6000, '\xff'), -1980047296}, // the 32-bit sum wraps
    };
    for (const auto& c : cases)
        EXPECT_EQ(Checksum(c.text), c.sum) << c.text.substr(0, 20);
}

TEST(StatValue, CountFieldLayouts) {
    RandomGenerator random;
    random.seed = 12345;
    struct Case {
        StatCounter counter;
        int count;
        std::string digitsAt; // the count digits read at the layout's places
        int places[6];
    } cases[] = {
        {StatCounter::Won, 1, "000001", {2, 3, 5, 6, 8, 9}},
        {StatCounter::Won, 123456, "123456", {2, 3, 5, 6, 8, 9}},
        {StatCounter::Lost, 0, "000000", {3, 4, 6, 7, 9, 10}},
        {StatCounter::Lost, 999999, "999999", {3, 4, 6, 7, 9, 10}},
        {StatCounter::Won, 1000000, "999999", {2, 3, 5, 6, 8, 9}}, // kept at what the field holds
        {StatCounter::Lost, -4, "000000", {3, 4, 6, 7, 9, 10}},
    };
    for (const auto& c : cases) {
        for (int round = 0; round < 50; ++round) {
            std::string field = CountField(c.counter, c.count, random);
            ASSERT_EQ(field.size(), 10u);
            std::string digits;
            std::string used(10, ' ');
            for (int p : c.places) {
                digits += field[static_cast<size_t>(p - 1)];
                used[static_cast<size_t>(p - 1)] = 'x';
            }
            EXPECT_EQ(digits, c.digitsAt);
            for (size_t i = 0; i < 10; ++i)
                if (used[i] == ' ') {
                    EXPECT_TRUE(field[i] >= '0' && field[i] <= '8') << "random digit " << field[i];
                }
        }
    }
}

TEST(StatValue, RoundTripOfCountsAndGames) {
    RandomGenerator random;
    random.seed = 99;
    for (StatCounter counter : {StatCounter::Won, StatCounter::Lost})
        for (int game : {0, 87, 7999})
            for (int count : {0, 1, 9, 10, 99999, 999999}) {
                std::string value = MakeStatValue(counter, game, count, random);
                ASSERT_EQ(value.size(), 16u);
                EXPECT_EQ(DecodeStatValue(counter, game, value), count) << game << " " << count;
            }
}

TEST(StatValue, KnownPlainText) {
    // Count 1 won in game 87 with random digits 4, 0, 5, 3 is "4000005013"; its checksum with the
    // key name "GW-0087" is 4923.
    std::string plain = "4000005013004923";
    EXPECT_EQ(DecodeStatValue(StatCounter::Won, 87, Scramble(plain, StatsKey)), 1);
    // The same text under another game's key name fails the check.
    EXPECT_EQ(DecodeStatValue(StatCounter::Won, 88, Scramble(plain, StatsKey)), std::nullopt);
}

TEST(StatValue, SameCountStoresDifferentTextsThatDecodeAlike) {
    RandomGenerator random;
    random.seed = 7;
    std::string first = MakeStatValue(StatCounter::Lost, 5, 0, random);
    bool differed = false;
    for (int i = 0; i < 20; ++i) {
        std::string again = MakeStatValue(StatCounter::Lost, 5, 0, random);
        differed |= again != first;
        EXPECT_EQ(DecodeStatValue(StatCounter::Lost, 5, again), 0);
    }
    EXPECT_TRUE(differed);
}

TEST(StatValue, EveryChangedCharacterIsSeenAsDamage) {
    RandomGenerator random;
    random.seed = 2024;
    std::string good = MakeStatValue(StatCounter::Won, 87, 42, random);
    for (size_t pos = 0; pos < good.size(); ++pos)
        for (int delta : {1, -1, 9}) {
            std::string bad = good;
            bad[pos] = static_cast<char>(bad[pos] + delta);
            auto decoded = DecodeStatValue(StatCounter::Won, 87, bad);
            EXPECT_FALSE(decoded.has_value()) << "position " << pos << " delta " << delta;
        }
}

TEST(StatValue, MalformedValuesAreDamagedNotCrashes) {
    std::string zeros = Scramble(std::string(16, '0'), StatsKey);
    struct Case {
        const char* what;
        std::string stored;
        std::optional<int> expected;
    } cases[] = {
        {"all zeros", zeros, 0},
        {"a missing key's default", MissingStatValue(), 0},
        {"empty", "", std::nullopt},
        {"truncated to 15", zeros.substr(0, 15), std::nullopt},
        {"truncated to 10", zeros.substr(0, 10), std::nullopt},
        {"sign in the count", Scramble("0-00000000000000", StatsKey), std::nullopt},
        {"blank in the checksum", Scramble("00000000000 0000", StatsKey), std::nullopt},
        {"plain text, not scrambled", std::string(16, '0'), std::nullopt},
        {"written with another key", Scramble(std::string(16, '0'), "11111"), std::nullopt},
        {"zero count, checksum not zero", Scramble("0000000000000001", StatsKey), std::nullopt},
        {"random digits changed in a zero value", Scramble("8000000000000000", StatsKey), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeStatValue(StatCounter::Won, 87, c.stored), c.expected) << c.what;
}

} // namespace
