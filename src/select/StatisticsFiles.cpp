#include "select/StatisticsFiles.h"

#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/SectionedKeyFile.h"
#include "select/StatisticsText.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace quillon {

namespace {

constexpr const char* kScoreFile = "Stat_scr.dat";
constexpr const char* kCrLf = "\r\n";
// Score lines of the older layout are made this long before the conversion mark is added.
constexpr size_t kScoreLineLength = 89;

void Inform(Session& s, const std::string& text) {
    s.desktop->MessageBox(BoxKind::Information, "Information", text);
}

std::string TrimRight(std::string_view text) {
    size_t end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

// The lines of a text, without their line ends (CR LF, LF or a lone CR); a final line end does not
// start another line.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

// The converted score list: the new header and an empty line, then the old lines without their
// header, score lines made 89 characters long and marked " x".
std::string ConvertedScoreList(const std::string& old) {
    std::string out = std::string("[Version]") + kCrLf + "Version=0300" + kCrLf + kCrLf;
    for (std::string line : SplitLines(old)) {
        if (line.starts_with("[Version]") || line.starts_with("Version="))
            continue;
        if (line.starts_with("0")) {
            line.resize(kScoreLineLength, ' ');
            line += " x";
        }
        out += line;
        out += kCrLf;
    }
    return out;
}

bool WriteAll(const std::string& path, const std::string& bytes) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    return std::fclose(f.release()) == 0 && ok;
}

void ConvertScoreList(Session& s, const std::string& path) {
    std::string version = ReadKeys(path, "Version", {"Version"}, {"0000"}).values.at(0);
    if (!(version < "0300"))
        return;
    // Read the whole old list before anything is written: an unreadable file is left alone.
    auto old = ReadWholeFile(path);
    if (!old)
        throw FileError("Cannot open file " + path);
    std::string folder = FolderOf(path);
    auto temp = MakeTempFile(folder.empty() ? "./" : folder, "rpl");
    if (!temp) {
        Inform(s, "Error creating temp file.");
        return;
    }
    if (!WriteAll(*temp, ConvertedScoreList(*old))) {
        DeleteFileIfAny(*temp);
        Inform(s, "Write error on file " + *temp);
        return;
    }
    ReplaceWithTemp(*s.desktop, *temp, path);
}

bool IsSeriesFileName(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name.size() >= 10 && name.starts_with("stat_e") && name.ends_with(".dat");
}

bool AnySeriesFile(const std::string& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
    if (ec)
        return false;
    for (const auto& entry : it)
        if (IsSeriesFileName(entry.path().filename().string()))
            return true;
    return false;
}

} // namespace

std::string StatisticsPath(const Session& s, const std::string& name) {
    return FindNoCase(s.DataFolder, name);
}

void MigrateStatistics(Session& s) {
    std::string path = StatisticsPath(s, kScoreFile);
    if (FileExists(path)) {
        try {
            ConvertScoreList(s, path);
        } catch (const FileError& e) {
            // The old list stays as it is; the player is told and the program goes on.
            Inform(s, e.what());
        }
    }
    for (const char* key : {"Cards_Animate", "ConfirmQuit"})
        if (ReadConfigString(s, "Preference", key, "") == "S")
            WriteConfigString(s, "Preference", key, "Y");
}

bool SeriesInProgress(Session& s) {
    if (!AnySeriesFile(s.DataFolder)) {
        DeleteFileIfAny(StatisticsPath(s, "Series_e01.dat"));
        return false;
    }
    for (int n = 0; n <= 99; ++n)
        if (FileExists(StatisticsPath(s, "Stat_e" + FormatFixed(n, 2) + ".dat")))
            return true;
    return false;
}

UniqueCounts ReadUniqueCounts(const Session& s, std::string_view player, int game) {
    UniqueCounts result;
    std::string path = StatisticsPath(s, "Stat_uni.dat");
    std::vector<std::string> keys{StatKeyName(StatCounter::Won, game), StatKeyName(StatCounter::Lost, game)};
    std::vector<std::string> values;
    try {
        values = ReadKeys(path, TrimRight(player), keys, {MissingStatValue(), MissingStatValue()}).values;
    } catch (const FileError&) {
        result.status = UniqueCounts::Status::Unreadable;
        return result;
    }
    auto won = DecodeStatValue(StatCounter::Won, game, values.at(0));
    auto lost = DecodeStatValue(StatCounter::Lost, game, values.at(1));
    if (!won || !lost) {
        result.status = UniqueCounts::Status::Damaged;
        return result;
    }
    result.won = *won;
    result.lost = *lost;
    return result;
}

} // namespace quillon
