#include "platform/IniFile.h"

#include "platform/Files.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <optional>
#include <sys/stat.h>
#include <unordered_set>

namespace quillon {

namespace {

// One line of the file: its text runs from `begin` to `end`, its line end (if any) to `next`.
struct Line {
    size_t begin;
    size_t end;
    size_t next;
};

// Splits `text` into lines ending in CR LF, LF or a lone CR; the last line may have no line end.
std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back({pos, text.size(), text.size()});
            break;
        }
        size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = Lower(c);
    return out;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// What a line means. A header line begins (after blanks) with "["; its name runs to the first "]"
// (or the end of the line when there is none). A key line has a non-empty key before its first
// "=". Everything else (blank lines, comments, stray text) is kept but means nothing.
struct Parsed {
    enum Kind { Other, Header, Key } kind = Other;
    std::string_view name;  // section name or key, without surrounding blanks
    std::string_view value; // value without surrounding blanks
    size_t valueBegin = 0;  // offset in the file where the value's text (after the blanks) begins
};

Parsed ParseLine(std::string_view text, const Line& line) {
    Parsed p;
    size_t begin = line.begin;
    // A byte-order mark that an editor put at the start of the file is not part of the first line.
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (begin == 0 && text.substr(0, line.end).starts_with(kBom))
        begin = kBom.size();
    std::string_view s = text.substr(begin, line.end - begin);
    std::string_view lead = s;
    while (!lead.empty() && IsBlank(lead.front()))
        lead.remove_prefix(1);
    if (!lead.empty() && lead.front() == '[') {
        lead.remove_prefix(1);
        size_t close = lead.find(']');
        p.kind = Parsed::Header;
        p.name = Trim(close == std::string_view::npos ? lead : lead.substr(0, close));
        return p;
    }
    size_t eq = s.find('=');
    if (eq == std::string_view::npos)
        return p;
    std::string_view key = Trim(s.substr(0, eq));
    if (key.empty())
        return p;
    p.kind = Parsed::Key;
    p.name = key;
    size_t vb = eq + 1;
    while (vb < s.size() && IsBlank(s[vb]))
        ++vb;
    p.valueBegin = begin + vb;
    p.value = Trim(s.substr(vb));
    return p;
}

// Where a section and a key lie in the file text.
struct Location {
    std::optional<size_t> header;  // index of the section's header line
    size_t lastContent = 0;        // index of the section's last non-blank line (header included)
    std::optional<size_t> keyLine; // index of the key's first line in the section
    Parsed key;
};

Location Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location loc;
    for (size_t i = 0; i < lines.size(); ++i) {
        Parsed p = ParseLine(text, lines[i]);
        if (!loc.header) {
            if (p.kind == Parsed::Header && SameNoCase(p.name, section)) {
                loc.header = i;
                loc.lastContent = i;
            }
            continue;
        }
        if (p.kind == Parsed::Header)
            break;
        if (!Trim(text.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty())
            loc.lastContent = i;
        if (p.kind == Parsed::Key && !loc.keyLine && SameNoCase(p.name, key)) {
            loc.keyLine = i;
            loc.key = p;
        }
    }
    return loc;
}

// The file's text; an empty text for a missing file; nothing when the path exists but cannot be
// read as a file (a folder, an unreadable file), so that a write never replaces what it could not
// read.
std::optional<std::string> ReadForUpdate(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? std::optional<std::string>(std::string()) : std::nullopt;
    if (!S_ISREG(st.st_mode))
        return std::nullopt;
    return ReadWholeFile(path);
}

// The line end new lines get: the one the file already uses, CR LF for a new file.
std::string_view LineEndOf(std::string_view text, const std::vector<Line>& lines) {
    for (const Line& l : lines)
        if (l.next > l.end)
            return text.substr(l.end, l.next - l.end);
    return "\r\n";
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::string IniFile::ReadString(const std::string& path, std::string_view section, std::string_view key,
                                std::string_view def) {
    if (!FileExists(path))
        return std::string(def);
    auto text = ReadWholeFile(path);
    if (!text)
        return std::string(def);
    auto lines = SplitLines(*text);
    Location loc = Locate(*text, lines, Trim(section), Trim(key));
    if (!loc.keyLine)
        return std::string(def);
    return std::string(loc.key.value);
}

int IniFile::ReadInteger(const std::string& path, std::string_view section, std::string_view key, int def) {
    std::string text = ReadString(path, section, key, "");
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return def;
    for (char c : digits)
        if (c < '0' || c > '9')
            return def;
    long long magnitude = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return def;
    long long value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX)
        return def;
    return static_cast<int>(value);
}

bool IniFile::WriteString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    if (key.empty() || key.find('=') != std::string_view::npos || key.front() == '[' ||
        section.find(']') != std::string_view::npos)
        return false;

    auto old = ReadForUpdate(path);
    if (!old)
        return false;
    const std::string& text = *old;
    auto lines = SplitLines(text);
    std::string_view eol = LineEndOf(text, lines);
    Location loc = Locate(text, lines, section, key);

    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (loc.keyLine) {
        // Replace only the value's text; the key as spelled, the blanks and the line end stay.
        if (loc.key.value == value)
            return true;
        const Line& l = lines[*loc.keyLine];
        out.append(text, 0, loc.key.valueBegin);
        out.append(value);
        out.append(text, l.end);
    } else if (loc.header) {
        // A new key goes after the section's last non-blank line, before any blank lines that
        // separate it from the next section.
        const Line& l = lines[loc.lastContent];
        out.append(text, 0, l.next);
        if (l.next == l.end) {
            out.append(eol);
            out.append(key).append("=").append(value);
        } else {
            out.append(key).append("=").append(value).append(eol);
        }
        out.append(text, l.next);
    } else {
        out = text;
        if (!out.empty() && out.back() != '\n' && out.back() != '\r')
            out.append(eol);
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(value).append(eol);
    }
    return WriteFileAtomic(path, out);
}

bool IniFile::WriteInteger(const std::string& path, std::string_view section, std::string_view key,
                           int value) {
    return WriteString(path, section, key, std::to_string(value));
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSection(const std::string& path,
                                                                      std::string_view section) {
    std::vector<std::pair<std::string, std::string>> pairs;
    if (!FileExists(path))
        return pairs;
    auto text = ReadWholeFile(path);
    if (!text)
        return pairs;
    section = Trim(section);
    auto lines = SplitLines(*text);
    std::unordered_set<std::string> seen;
    bool inside = false;
    for (const Line& l : lines) {
        Parsed p = ParseLine(*text, l);
        if (p.kind == Parsed::Header) {
            if (inside)
                break;
            inside = SameNoCase(p.name, section);
            continue;
        }
        if (!inside || p.kind != Parsed::Key)
            continue;
        if (seen.insert(Lowered(p.name)).second)
            pairs.emplace_back(std::string(p.name), std::string(p.value));
    }
    return pairs;
}

std::vector<std::string> IniFile::SectionNames(const std::string& path) {
    std::vector<std::string> names;
    if (!FileExists(path))
        return names;
    auto text = ReadWholeFile(path);
    if (!text)
        return names;
    std::unordered_set<std::string> seen;
    for (const Line& l : SplitLines(*text)) {
        Parsed p = ParseLine(*text, l);
        if (p.kind != Parsed::Header)
            continue;
        if (seen.insert(Lowered(p.name)).second)
            names.emplace_back(p.name);
    }
    return names;
}

} // namespace quillon
