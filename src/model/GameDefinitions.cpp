#include "model/GameDefinitions.h"

#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <numeric>

namespace quillon {

namespace {

constexpr int kAttrCardsTurned = 24, kAttrPasses = 16;
constexpr int kAttrFoundationCount = 374, kAttrTableauCount = 375;
constexpr int kAttrTableauEmpty = 135, kAttrTableauDirection = 175, kAttrTableauRule = 215;
constexpr int kAttrFoundationBase = 55, kAttrFoundationDirection = 71, kAttrFoundationRule = 87;

std::string TrimRight(std::string_view t) {
    size_t n = t.size();
    while (n > 0 && t[n - 1] == ' ')
        --n;
    return std::string(t.substr(0, n));
}

std::string Lower(std::string t) {
    for (char& c : t)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t;
}

// Characters `from`..`to` (1-based, inclusive) of a line; shorter when the line ends before.
std::string_view Chars(std::string_view line, size_t from, size_t to) {
    if (from < 1 || from > line.size() || to < from)
        return {};
    return line.substr(from - 1, std::min(to, line.size()) - from + 1);
}

bool ToInt(std::string_view text, int& out) {
    long long v = 0;
    if (!ParseDecimal(text, v) || v < INT32_MIN || v > INT32_MAX)
        return false;
    out = static_cast<int>(v);
    return true;
}

// Number in characters 5-7 of a game-list line, or -1.
int LineNumber(std::string_view line) {
    int n = -1;
    return ToInt(Chars(line, 5, 7), n) ? n : -1;
}

std::optional<std::string> ReadCustomFile(const Session& s) {
    if (s.DataFolder.empty())
        return std::nullopt;
    return ReadWholeFile(FindNoCase(s.DataFolder, "GAM_CUST.DAT"));
}

// The column of a game or of a custom game's base, with the custom game's rule string.
int ColumnFor(const Session& s, int number, std::string* rules) {
    if (number >= kFirstCustomGame) {
        CustomBase cb = CustomGameBase(s, number);
        if (rules)
            *rules = cb.rules;
        return cb.base < 0 ? -1 : GameColumn(s, cb.base);
    }
    return GameColumn(s, number);
}

void SetAttrRange(Session& s, int first, int count, int value) {
    count = std::clamp(count, 0, kAttrCount - first);
    for (int i = 0; i < count; ++i)
        s.GameAttr[static_cast<size_t>(first + i)] = static_cast<std::int16_t>(value);
}

// Calls `fn` with every line of the sections opened by `header`, as views into `text`, without
// copying the file (a catalogue of a few hundred games is over a megabyte).
template <class Fn> void ForEachSectionLine(std::string_view text, std::string_view header, Fn&& fn) {
    bool inside = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        if (line.starts_with(header))
            inside = true;
        else if (!line.empty() && line[0] == '[')
            inside = false;
        else if (inside && !fn(line))
            return;
    }
}

std::vector<std::string_view> SectionLines(std::string_view text, std::string_view header) {
    std::vector<std::string_view> out;
    ForEachSectionLine(text, header, [&](std::string_view l) {
        out.push_back(l);
        return true;
    });
    return out;
}

} // namespace

std::string Unshift(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        auto b = static_cast<unsigned char>(c);
        c = static_cast<char>(b < 80 ? b + 48 : b - 48);
    }
    return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> ExtractSection(const std::vector<std::string>& lines, std::string_view header) {
    std::vector<std::string> out;
    bool inside = false;
    for (const auto& line : lines) {
        if (std::string_view(line).starts_with(header)) {
            inside = true;
            continue;
        }
        if (!line.empty() && line[0] == '[') {
            inside = false;
            continue;
        }
        if (inside)
            out.push_back(line);
    }
    return out;
}

std::string GamesDatPath(const Session& s) {
    return FindNoCase(s.ProgramFolder, "GAMES.DAT");
}

std::optional<std::string> ReadGamesDat(const Session& s) {
    // Read in one piece: the file is read on every game load and every dialog query.
    const std::string path = GamesDatPath(s);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string bytes;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        long size = std::ftell(f);
        if (size > 0)
            bytes.reserve(static_cast<size_t>(size));
        std::rewind(f);
    }
    char buffer[1 << 16];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return bytes;
}

void ShowGamesDatMissing(Session& s, const std::string& path) {
    s.desktop->MessageBox(BoxKind::Error, "Error",
                          "Cannot find file:\n" + path +
                              "\nCopy the file into the directory that above is specified\nor reinstall the "
                              "program.");
}

std::vector<std::string> GameListFromText(std::string_view fileText) {
    std::vector<std::string> list;
    ForEachSectionLine(fileText, "[Sect1]", [&](std::string_view line) {
        std::string plain = Unshift(line);
        if (plain.size() >= 8 && plain[7] == '4')
            list.push_back(std::move(plain));
        return true;
    });
    return list;
}

bool ReadGameList(Session& s) {
    s.Game.GameList.clear();
    auto text = ReadGamesDat(s);
    if (!text) {
        ShowGamesDatMissing(s, GamesDatPath(s));
        return false;
    }
    s.Game.GameList = GameListFromText(*text);
    return true;
}

int GameColumn(const Session& s, int number) {
    if (number >= kFirstCustomGame || number < 0)
        return -1;
    const auto& list = s.Game.GameList;
    if (static_cast<size_t>(number) < list.size() && LineNumber(list[static_cast<size_t>(number)]) == number)
        return number;
    for (size_t i = 0; i < list.size(); ++i)
        if (LineNumber(list[i]) == number)
            return static_cast<int>(i);
    return -1;
}

std::string GameName(const Session& s, int number) {
    int c = GameColumn(s, number);
    if (c < 0)
        return {};
    return TrimRight(Chars(s.Game.GameList[static_cast<size_t>(c)], 11, 60));
}

int GameNumberByName(const Session& s, std::string_view name) {
    std::string wanted = Lower(TrimRight(name));
    for (const auto& line : s.Game.GameList)
        if (Lower(TrimRight(Chars(line, 11, 60))) == wanted)
            return LineNumber(line);
    return -1;
}

int GameGroup(const Session& s, int number) {
    if (number >= kFirstCustomGame)
        return 800;
    int c = GameColumn(s, number);
    int group = -1;
    if (c < 0 || !ToInt(Chars(s.Game.GameList[static_cast<size_t>(c)], 1, 3), group))
        return -1;
    return group;
}

bool CanPlayOnSmallScreen(Session& s, int number, int screenWidth) {
    if (screenWidth >= 650)
        return true;
    int game = number >= kFirstCustomGame ? CustomGameBase(s, number).base : number;
    int c = GameColumn(s, game);
    if (c < 0)
        return true;
    const std::string& line = s.Game.GameList[static_cast<size_t>(c)];
    if (line.size() >= 9 && line[8] == '1') {
        s.desktop->MessageBox(
            BoxKind::Information, "Information",
            "Your video card's display is 640x480 pixels.\nYou can't play: " + GameName(s, game) +
                "\nPlease set your screen resolution to 800x600 pixels or higher.");
        return false;
    }
    return true;
}

std::vector<int> ReadSelection(const Session& s) {
    std::vector<int> out;
    auto text = ReadGamesDat(s);
    if (!text)
        return out;
    ForEachSectionLine(*text, "[SectS]", [&](std::string_view line) {
        int n = 0;
        if (ToInt(TrimRight(Unshift(line)), n))
            out.push_back(n);
        return true;
    });
    return out;
}

CustomGames CustomGameList(const Session& s) {
    CustomGames out;
    auto text = ReadCustomFile(s);
    if (!text)
        return out;
    auto lines = SplitLines(*text);
    struct Rec {
        std::string name, number, base, rules;
    };
    std::vector<Rec> recs;
    for (size_t i = 1; i < lines.size(); i += 30) {
        std::string_view first = lines[i];
        Rec r;
        r.number = std::string(Chars(first, 1, 4));
        r.name = std::string(Chars(first, 5, 54));
        r.name.resize(kGameNameWidth, ' ');
        r.base = std::string(Chars(first, 55, 58));
        r.rules = i + 1 < lines.size() ? std::string(Chars(lines[i + 1], 1, 7)) : std::string();
        recs.push_back(std::move(r));
    }
    // Sorted as the game lists show names: without regard to case.
    std::stable_sort(recs.begin(), recs.end(),
                     [](const Rec& a, const Rec& b) { return Lower(a.name) < Lower(b.name); });
    for (auto& r : recs) {
        out.names.push_back(r.name);
        out.numbers.push_back(r.number);
        out.bases.push_back(r.base);
        out.rules.push_back(r.rules);
    }
    return out;
}

CustomBase CustomGameBase(const Session& s, int number) {
    CustomBase out;
    auto text = ReadCustomFile(s);
    if (!text)
        return out;
    auto lines = SplitLines(*text);
    for (size_t i = 1; i < lines.size(); i += 30) {
        int n = 0;
        if (!ToInt(Chars(lines[i], 1, 4), n) || n != number)
            continue;
        int base = -1;
        out.base = ToInt(Chars(lines[i], 55, 58), base) ? base : -1;
        out.rules = i + 1 < lines.size() ? lines[i + 1] : std::string();
        return out;
    }
    return out;
}

void ApplyCustomRules(Session& s, std::string_view rules) {
    int v = 0;
    // Stock: cards per click, then passes (read only when the first is a number).
    if (ToInt(Chars(rules, 1, 3), v)) {
        s.GameAttr[kAttrCardsTurned] = static_cast<std::int16_t>(v);
        if (ToInt(Chars(rules, 4, 6), v))
            s.GameAttr[kAttrPasses] = static_cast<std::int16_t>(v);
    }
    const int tableaus = std::clamp(s.Attr(kAttrTableauCount), 0, kTableauCount);
    const int foundations = std::clamp(s.Attr(kAttrFoundationCount), 0, kFoundationCount);
    // Empty tableau piles.
    std::string_view empty = Chars(rules, 7, 7);
    if (empty == "1")
        SetAttrRange(s, kAttrTableauEmpty, tableaus, 91);
    else if (empty == "2")
        SetAttrRange(s, kAttrTableauEmpty, tableaus, -1);
    else if (empty == "3")
        SetAttrRange(s, kAttrTableauEmpty, tableaus, 0);

    auto direction = [](int d) { return d == 0 ? 1 : d == 1 ? 0 : d; };
    auto rule = [](int r) { return r == 1 ? 3 : r == 3 ? 1 : r == 4 ? 21 : r; };
    // A direction/rule pair: the rule is read only when the direction is a number; a field not read
    // or not a number counts as -1, and -1 changes nothing.
    auto pair = [&](size_t dFrom, size_t dTo, size_t rFrom, size_t rTo, int dirAttr, int ruleAttr,
                    int count) {
        int d = -1, r = -1;
        if (ToInt(Chars(rules, dFrom, dTo), d)) {
            if (!ToInt(Chars(rules, rFrom, rTo), r))
                r = -1;
        } else {
            d = -1;
        }
        if (d != -1)
            SetAttrRange(s, dirAttr, count, direction(d));
        if (r != -1)
            SetAttrRange(s, ruleAttr, count, rule(r));
    };
    pair(8, 9, 10, 12, kAttrTableauDirection, kAttrTableauRule, tableaus);
    pair(13, 14, 15, 17, kAttrFoundationDirection, kAttrFoundationRule, foundations);
}

void TakeSavedAttributes(Session& s) {
    for (int i = 0; i < 40; ++i)
        s.SavedAttr[static_cast<size_t>(i)] = s.GameAttr[static_cast<size_t>(kAttrTableauEmpty + i)];
    for (int i = 0; i < 16; ++i)
        s.SavedAttr[static_cast<size_t>(40 + i)] = s.GameAttr[static_cast<size_t>(kAttrFoundationBase + i)];
}

void RestoreSavedAttributes(Session& s) {
    for (int i = 0; i < 40; ++i)
        s.GameAttr[static_cast<size_t>(kAttrTableauEmpty + i)] = s.SavedAttr[static_cast<size_t>(i)];
    for (int i = 0; i < 16; ++i)
        s.GameAttr[static_cast<size_t>(kAttrFoundationBase + i)] = s.SavedAttr[static_cast<size_t>(40 + i)];
}

std::string ConversionErrorText(std::string_view value) {
    return "'" + std::string(value) + "' is not a valid integer value";
}

namespace {

void ShowConversionError(Session& s, std::string_view value) {
    s.desktop->MessageBox(BoxKind::Error, "Error", ConversionErrorText(value));
}

// The restored, right-trimmed cell of column c in a matrix line; `complete` is false when the line
// ends before the cell does.
std::string Cell(std::string_view line, int c, bool& complete) {
    size_t from = static_cast<size_t>(kFirstCellOffset + kCellStride * c);
    complete = line.size() >= from + kCellWidth;
    if (from >= line.size())
        return {};
    return TrimRight(Unshift(line.substr(from, kCellWidth)));
}

} // namespace

bool LoadGameDefinitionFromText(Session& s, std::string_view fileText) {
    s.GameAttr.fill(0);
    const int number = s.Params.ReadInt(62, 4, -1);
    std::string rules;
    const int c = ColumnFor(s, number, &rules);
    // A game missing from the list has no column: the load stops with the attributes cleared
    // rather than reading the unused characters in front of the first column.
    if (c < 0)
        return false;
    bool ok = true;
    int lines = 0;
    ForEachSectionLine(fileText, "[Sect2]", [&](std::string_view line) {
        ++lines;
        std::string indexText = TrimRight(Chars(line, 1, 4));
        int index = 0;
        if (!ToInt(indexText, index)) {
            ShowConversionError(s, indexText);
            return ok = false;
        }
        bool complete = false;
        std::string cell = Cell(line, c, complete);
        int value = 0;
        if (!complete || !ToInt(cell, value) || value < INT16_MIN || value > INT16_MAX) {
            ShowConversionError(s, cell);
            return ok = false;
        }
        // Indexes outside the attribute array name no attribute; such lines are passed over.
        if (index >= 0 && index <= kLastAttribute)
            s.GameAttr[static_cast<size_t>(index)] = static_cast<std::int16_t>(value);
        return true;
    });
    if (!ok)
        return false;
    // A file without its attribute matrix would give a game of no cards and no piles.
    if (lines == 0) {
        s.desktop->MessageBox(BoxKind::Error, "Error", kNoAttributesText);
        return false;
    }
    if (number >= kFirstCustomGame)
        ApplyCustomRules(s, rules);
    TakeSavedAttributes(s);
    return true;
}

bool LoadGameDefinition(Session& s) {
    auto text = ReadGamesDat(s);
    if (!text) {
        s.GameAttr.fill(0);
        ShowGamesDatMissing(s, GamesDatPath(s));
        return false;
    }
    return LoadGameDefinitionFromText(s, *text);
}

std::vector<int> ReadGameAttributes(const Session& s, int number, const std::vector<int>& indexes) {
    std::vector<int> out;
    auto text = ReadGamesDat(s);
    const int c = ColumnFor(s, number, nullptr);
    std::vector<std::string_view> lines;
    if (text && c >= 0)
        lines = SectionLines(*text, "[Sect2]");
    auto valueOf = [&](std::string_view line) {
        bool complete = false;
        int v = 0;
        return ToInt(Cell(line, c, complete), v) && complete ? v : 0;
    };
    auto indexOf = [](std::string_view line) {
        int i = -1;
        return ToInt(Chars(line, 1, 4), i) ? i : -1;
    };
    for (size_t k = 0; k < indexes.size() && k < 9; ++k) {
        int index = indexes[k];
        if (index == -1) {
            out.push_back(-99);
            continue;
        }
        int value = 0;
        // The matrix starts with attribute 1, so line k (counted from 1) holds attribute k; a file
        // whose lines are out of order is searched for the line that names it instead.
        const auto pos = static_cast<size_t>(index - 1);
        if (index >= 1 && pos < lines.size() && indexOf(lines[pos]) == index) {
            value = valueOf(lines[pos]);
        } else {
            for (const auto& line : lines)
                if (indexOf(line) == index) {
                    value = valueOf(line);
                    break;
                }
        }
        out.push_back(value);
    }
    return out;
}

std::vector<std::vector<int>> ReadAttributesOfAllGames(const Session& s, const std::vector<int>& indexes) {
    std::vector<std::vector<int>> out(s.Game.GameList.size(), std::vector<int>(indexes.size(), 0));
    auto text = ReadGamesDat(s);
    if (!text)
        return out;
    const std::vector<std::string_view> lines = SectionLines(*text, "[Sect2]");
    auto indexOf = [](std::string_view line) {
        int i = -1;
        return ToInt(Chars(line, 1, 4), i) ? i : -1;
    };
    for (size_t k = 0; k < indexes.size(); ++k) {
        const int index = indexes[k];
        const std::string_view* line = nullptr;
        const auto pos = static_cast<size_t>(index - 1);
        if (index >= 1 && pos < lines.size() && indexOf(lines[pos]) == index)
            line = &lines[pos];
        else
            for (const auto& l : lines)
                if (indexOf(l) == index) {
                    line = &l;
                    break;
                }
        if (!line)
            continue;
        for (size_t c = 0; c < out.size(); ++c) {
            bool complete = false;
            int v = 0;
            if (ToInt(Cell(*line, static_cast<int>(c), complete), v) && complete)
                out[c][k] = v;
        }
    }
    return out;
}

std::string ExpandPlaceholders(std::string_view text) {
    std::string out(text);
    auto replace = [&](std::string_view what, std::string_view with) {
        size_t p = out.find(what);
        if (p != std::string::npos)
            out.replace(p, what.size(), with);
    };
    replace("[Program]", "Quillon 2003");
    replace("[GameNum_fw]", "6");
    return out;
}

} // namespace quillon
