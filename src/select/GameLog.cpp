#include "select/GameLog.h"

#include "platform/Files.h"
#include "select/StatisticsFiles.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace quillon {

namespace {

// 1-based first column and width of each field.
struct Field {
    size_t column;
    size_t width;
};
constexpr Field kMinutes{3, 2};
constexpr Field kSecondsOfMinute{5, 2};
constexpr Field kSeconds{8, 7};
constexpr Field kMoves{16, 6};
constexpr Field kGame{26, 4};
constexpr Field kDate{31, 10};
constexpr Field kTime{42, 8};
constexpr Field kDealCode{51, 13};
constexpr Field kScore{65, 7};
constexpr Field kPlayer{82, 30};
constexpr Field kResult{113, 3};

constexpr long long kMaxForWidth[] = {0, 9, 99, 999, 9999, 99999, 999999, 9999999};

// The text cut to the field's width or padded with blanks.
void Put(std::string& line, Field f, std::string_view text) {
    std::string padded(text.substr(0, f.width));
    padded.resize(f.width, ' ');
    line.replace(f.column - 1, f.width, padded);
}

// Zero-padded, kept between 0 and the largest number the width holds.
void PutNumber(std::string& line, Field f, long long n) {
    n = std::clamp<long long>(n, 0, kMaxForWidth[f.width]);
    std::string text = std::to_string(n);
    Put(line, f, std::string(f.width - text.size(), '0') + text);
}

std::string_view Cut(std::string_view line, Field f) {
    return line.substr(f.column - 1, f.width);
}

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

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// Right-aligned blanks, then an optional "-", then at least one digit.
std::optional<int> SignedNumber(std::string_view text) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);
    bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    auto n = Digits(text);
    if (!n)
        return std::nullopt;
    return negative ? -*n : *n;
}

// Digits where `pattern` has "9", the pattern's own character elsewhere; a blank field reads as "".
std::optional<std::string> Patterned(std::string_view text, std::string_view pattern) {
    if (IsBlank(text))
        return std::string();
    for (size_t i = 0; i < pattern.size(); ++i) {
        bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == '9' ? !digit : text[i] != pattern[i])
            return std::nullopt;
    }
    return std::string(text);
}

std::string Printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            c = ' ';
    return text;
}

// The last byte of a file; nothing for a missing or empty file.
std::optional<char> LastByte(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f || std::fseek(f.get(), -1, SEEK_END) != 0)
        return std::nullopt;
    int c = std::fgetc(f.get());
    return c == EOF ? std::nullopt : std::optional<char>(static_cast<char>(c));
}

std::string TrimRight(std::string_view text) {
    size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

} // namespace

std::string GameLogPath(const Session& s) {
    return StatisticsPath(s, "Stat_log.dat");
}

std::string FormatGameLogLine(const GameLogEntry& e) {
    std::string line(kGameLogLineLength, ' ');
    int seconds = std::max(e.seconds, 0);
    int minutes = seconds / 60;
    PutNumber(line, kMinutes, minutes);
    PutNumber(line, kSecondsOfMinute, minutes > 99 ? 59 : seconds % 60);
    PutNumber(line, kSeconds, seconds);
    PutNumber(line, kMoves, e.moves);
    PutNumber(line, kGame, e.game);
    Put(line, kDate, Printable(e.date));
    Put(line, kTime, Printable(e.time));
    Put(line, kDealCode, Printable(e.dealCode));
    std::string score = std::to_string(std::clamp(e.score, -999999, 9999999));
    Put(line, kScore, std::string(kScore.width - score.size(), ' ') + score);
    Put(line, kPlayer, Printable(e.player));
    Put(line, kResult, e.won ? "Won" : "Los");
    return line;
}

bool ParseGameLogLine(const std::string& text, GameLogEntry& e) {
    std::string_view line = text;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    if (line.size() < kGameLogLineLength)
        return false;
    GameLogEntry r;
    auto minutes = Digits(Cut(line, kMinutes));
    auto secondsOfMinute = Digits(Cut(line, kSecondsOfMinute));
    auto seconds = Digits(Cut(line, kSeconds));
    auto moves = Digits(Cut(line, kMoves));
    auto game = Digits(Cut(line, kGame));
    auto score = SignedNumber(Cut(line, kScore));
    auto date = Patterned(Cut(line, kDate), "9999-99-99");
    auto time = Patterned(Cut(line, kTime), "99:99:99");
    auto deal = Patterned(Cut(line, kDealCode), "9999999999999");
    if (!minutes || !secondsOfMinute || !seconds || !moves || !game || !score || !date || !time || !deal)
        return false;
    r.player = TrimRight(Cut(line, kPlayer));
    if (r.player.empty())
        return false;
    std::string_view result = Cut(line, kResult);
    if (result != "Won" && result != "Los")
        return false;
    r.won = result == "Won";
    r.game = *game;
    r.date = *date;
    r.time = *time;
    r.dealCode = *deal;
    r.score = *score;
    r.seconds = *seconds;
    r.moves = *moves;
    e = std::move(r);
    return true;
}

bool AppendGameLog(const std::string& path, const GameLogEntry& e) {
    std::string bytes;
    if (auto old = LastByte(path); old && *old != '\n' && *old != '\r')
        bytes = "\r\n";
    bytes += FormatGameLogLine(e) + "\r\n";
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "ab"), &std::fclose);
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    return std::fclose(f.release()) == 0 && ok;
}

std::vector<GameLogEntry> ReadGameLog(const std::string& path) {
    std::vector<GameLogEntry> entries;
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return entries;
    size_t start = 0;
    while (start < bytes->size()) {
        size_t end = bytes->find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes->size();
        GameLogEntry e;
        if (end > start && ParseGameLogLine(bytes->substr(start, end - start), e))
            entries.push_back(std::move(e));
        start = end + 1;
    }
    return entries;
}

} // namespace quillon
