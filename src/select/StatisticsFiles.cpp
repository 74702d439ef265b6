#include "select/StatisticsFiles.h"

#include "engine/TableView.h"
#include "model/ConfigFile.h"
#include "model/Deal.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/SectionedKeyFile.h"
#include "select/GameLog.h"
#include "select/StatisticsText.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <cctype>
#include <cmath>
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

namespace {

constexpr const char* kUniqueFile = "Stat_uni.dat";
constexpr const char* kRecordsFile = "Stat.dat";
constexpr const char* kGlobalFile = "Stat_glo.dat";
constexpr const char* kSeriesScoreFile = "Series_scr.dat";
constexpr const char* kZeroRecord = "000000 000000 000000 000000 000000 000000 000000000000 000000000000";
constexpr size_t kLogPlayerColumn = 82, kScorePlayerColumn = 39, kNameField = 30;

std::string ProgressFileName(const std::string& player) {
    return "Stat_prg_" + TrimRight(player) + ".dat";
}

std::string Padded(std::string name) {
    name.resize(kNameField, ' ');
    return name;
}

// The player of a game-log line (columns 82-111 without trailing blanks); nothing for a line too
// short to hold the field.
std::optional<std::string> LogLinePlayer(std::string_view line) {
    if (line.size() < kLogPlayerColumn - 1 + kNameField)
        return std::nullopt;
    return TrimRight(line.substr(kLogPlayerColumn - 1, kNameField));
}

bool AppendBytes(const std::string& path, const std::string& bytes) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "ab"), &std::fclose);
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    return std::fclose(f.release()) == 0 && ok;
}

// The hourglass for as long as the object lives.
class Hourglass {
public:
    explicit Hourglass(Session& s) : view_(View(s)) { view_.SetBusyCursor(true); }
    ~Hourglass() { view_.SetBusyCursor(false); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    TableView& view_;
};

// "YYYY-MM-DD" and "HH:MM:SS" of a date-time (days since 30 December 1899, fraction = time).
std::pair<std::string, std::string> DateAndTime(double dateTime) {
    if (!std::isfinite(dateTime) || dateTime < 0 || dateTime > 3e6)
        return {"", ""};
    double day = std::floor(dateTime);
    int second = std::min(86399, static_cast<int>(std::lround((dateTime - day) * 86400.0)));
    QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(day));
    QTime time = QTime(0, 0).addSecs(second);
    return {date.toString("yyyy-MM-dd").toStdString(), time.toString("HH:mm:ss").toStdString()};
}

} // namespace

bool GameCounts(const Session& s, int game) {
    return game >= 0 && game < kFirstCustomGame && s.Game.FreshDeal != 0 && s.Game.StatisticsDisabled != 1 &&
           s.Game.GameStarted != 0;
}

void RecordGameResult(Session& s, int game, const std::string& player, bool reset, bool won) {
    if (game < 0 || game >= kFirstCustomGame || !(reset || GameCounts(s, game)))
        return;
    const std::string path = StatisticsPath(s, kUniqueFile);
    CreateEmptyFile(path);
    const std::string section = TrimRight(player);
    const std::string wonKey = StatKeyName(StatCounter::Won, game),
                      lostKey = StatKeyName(StatCounter::Lost, game);
    std::vector<std::string> values;
    try {
        values = ReadKeys(path, section, {wonKey, lostKey}, {MissingStatValue(), MissingStatValue()}).values;
    } catch (const FileError& e) {
        // An unreadable file is neither damaged nor writable: the result is lost, the file kept.
        Inform(s, e.what());
        return;
    }
    auto wins = DecodeStatValue(StatCounter::Won, game, values.at(0));
    auto losses = DecodeStatValue(StatCounter::Lost, game, values.at(1));
    if (!wins || !losses) {
        DiscardUniqueStatistics(s);
        return;
    }
    int w = reset ? 0 : *wins + (won ? 1 : 0);
    int l = reset ? 0 : *losses + (won ? 0 : 1);
    WriteKey(*s.desktop, path, section, wonKey, MakeStatValue(StatCounter::Won, game, w, s.Random));
    WriteKey(*s.desktop, path, section, lostKey, MakeStatValue(StatCounter::Lost, game, l, s.Random));
}

void DiscardUniqueStatistics(Session& s) {
    DeleteFileIfAny(StatisticsPath(s, kUniqueFile));
    Inform(s, "It appears as if the Internet Single Game Values are incorrect or corrupted.\r"
              "The Internet Single Game Values will be deleted and reset to zero.");
    TableView& view = View(s);
    view.RedrawTable();
    Hourglass busy(s);
    view.PauseWithMessages(2000);
}

void RecordEndedGame(Session& s, int game, const std::string& player, bool won) {
    RecordGameResult(s, game, player, false, won);
    if (!GameCounts(s, game))
        return;
    GameLogEntry e;
    e.game = game;
    e.player = TrimRight(player);
    e.won = won;
    std::tie(e.date, e.time) = DateAndTime(s.GameTimes[1]);
    e.dealCode = TrimRight(s.Params.ReadParam(kParamDealCode, kParamDealCodeWidth));
    if (!IsDealCode(e.dealCode) || e.dealCode.size() != kDealCodeDigits)
        e.dealCode.clear();
    e.score = s.Params.ReadInt(kParamScore, kParamScoreWidth, 0);
    double seconds = (s.GameTimes[1] - s.GameTimes[0]) * 86400.0;
    e.seconds = std::isfinite(seconds) && seconds > 0 ? static_cast<int>(std::min(seconds + 0.5, 1e9)) : 0;
    e.moves = s.History.Steps();
    if (!AppendGameLog(GameLogPath(s), e)) {
        Inform(s, "Write error on file " + GameLogPath(s));
        return;
    }
    const std::string progress = StatisticsPath(s, ProgressFileName(player));
    if (FileExists(progress))
        AppendBytes(progress, ProgressRecord(FormatGameLogLine(e)));
}

void InstallStatistics(Session& s) {
    s.Play.EnsureStatisticsFiles = [](Session& session) { EnsureStatisticsFiles(session); };
    s.Play.RecordGameResult = [](Session& session, int game, const std::string& player, bool reset,
                                 bool won) {
        if (reset)
            RecordGameResult(session, game, player, true, false);
        else
            RecordEndedGame(session, game, player, won);
    };
}

void EnsureStatisticsFiles(Session& s) {
    for (const char* name : {kRecordsFile, kScoreFile, kSeriesScoreFile, kGlobalFile}) {
        const std::string path = StatisticsPath(s, name);
        if (FileExists(path))
            continue;
        const char* version = name == kGlobalFile ? "VOvS=0300" : "Version=0300";
        if (!WriteAll(path, std::string("[Version]") + kCrLf + version + kCrLf))
            Inform(s, "Write error on file " + path);
    }
    const std::string progress =
        StatisticsPath(s, ProgressFileName(s.Params.ReadParam(kParamPlayer, kParamPlayerWidth)));
    if (FileExists(progress))
        return;
    CreateEmptyFile(progress);
    BuildProgressFile(s);
}

std::string ProgressRecord(std::string_view line) {
    if (line.size() < kGameLogLineLength)
        return "";
    auto number = [&](size_t column) -> int {
        char a = line[column - 1], b = line[column];
        if (a < '0' || a > '9' || b < '0' || b > '9')
            return -1;
        return (a - '0') * 10 + (b - '0');
    };
    int high = number(26), low = number(28), first = number(3), second = number(5);
    if (high < 0 || low < 0 || first < 0 || second < 0)
        return "";
    const bool won = line.substr(112, 3) == "Won";
    std::string record;
    for (int byte : {high + 33, low + 33, first + 33, second + (won ? 100 : 50)})
        record += static_cast<char>(byte);
    return record;
}

void BuildProgressFile(Session& s) {
    const std::string log = GameLogPath(s);
    if (!FileExists(log))
        return;
    Hourglass busy(s);
    const std::string player = TrimRight(s.Params.ReadParam(kParamPlayer, kParamPlayerWidth));
    const std::string path = StatisticsPath(s, ProgressFileName(player));
    auto text = ReadWholeFile(log);
    std::string records;
    for (const std::string& line : SplitLines(text.value_or("")))
        if (LogLinePlayer(line) == player)
            records += ProgressRecord(line);
    if (!WriteAll(path, records))
        Inform(s, "Open error: " + path);
}

void RenamePlayerInStatistics(Session& s, std::string oldName, std::string newName,
                              const std::function<void(int lines)>& progress) {
    Hourglass busy(s);
    oldName = TrimRight(oldName);
    newName = TrimRight(newName);
    if (progress)
        progress(0);
    if (oldName.empty() || oldName == newName)
        return;
    Desktop& desktop = *s.desktop;
    // The player keys of the game records: the name with its "=", so that renaming "Player 1"
    // leaves "Player 10" alone.
    ReplaceInLines(desktop, StatisticsPath(s, kRecordsFile), 1, oldName + "=", newName + "=", progress);
    for (const char* name : {kGlobalFile, kUniqueFile})
        ReplaceInLines(desktop, StatisticsPath(s, name), 1, "[" + oldName + "]", "[" + newName + "]",
                       progress);
    const std::string oldField = Padded(oldName), newField = Padded(newName);
    ReplaceInLines(desktop, GameLogPath(s), kLogPlayerColumn, oldField, newField, progress);
    for (const char* name : {kScoreFile, kSeriesScoreFile})
        ReplaceInLines(desktop, StatisticsPath(s, name), kScorePlayerColumn, oldField, newField, progress);
    const std::string from = StatisticsPath(s, ProgressFileName(oldName));
    if (FileExists(from)) {
        const std::string to = s.DataFolder + ProgressFileName(newName);
        std::error_code ec;
        std::filesystem::rename(from, to, ec);
        if (ec)
            Inform(s, "Error in renaming the file: " + from + "\n" + "to:" + " " + to);
    }
}

namespace {

// "Stat.dat" with a zero record for `player` in every game section (every section but
// "[Version]"): an existing record of exactly that player is zeroed, a missing one is added at the
// section's end. Keys are compared whole, so "Player 1" does not touch "Player 10". The game
// numbers of the sections are returned in file order.
std::string ZeroedRecords(const std::string& text, const std::string& player, std::vector<int>& games) {
    std::string out;
    bool inGame = false, found = false;
    auto closeSection = [&] {
        if (inGame && !found)
            out += player + "=" + kZeroRecord + kCrLf;
    };
    std::vector<std::string> lines = SplitLines(text);
    // Blank lines at a section's end stay after the added record.
    std::vector<std::string> pendingBlanks;
    for (const std::string& line : lines) {
        if (line.empty()) {
            pendingBlanks.push_back(line);
            continue;
        }
        if (line.starts_with("[")) {
            closeSection();
            for (const auto& blank : pendingBlanks)
                out += blank + kCrLf;
            pendingBlanks.clear();
            std::string name = line.substr(1, line.size() >= 2 ? line.size() - 2 : 0);
            std::string lower = name;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            inGame = lower != "version";
            found = false;
            if (inGame) {
                char* end = nullptr;
                long game = std::strtol(name.c_str(), &end, 10);
                if (!name.empty() && end && *end == '\0')
                    games.push_back(static_cast<int>(game));
            }
            out += line + kCrLf;
            continue;
        }
        for (const auto& blank : pendingBlanks)
            out += blank + kCrLf;
        pendingBlanks.clear();
        if (inGame && line.size() > player.size() && line.compare(0, player.size(), player) == 0 &&
            line[player.size()] == '=') {
            out += player + "=" + kZeroRecord + kCrLf;
            found = true;
            continue;
        }
        out += line + kCrLf;
    }
    closeSection();
    for (const auto& blank : pendingBlanks)
        out += blank + kCrLf;
    return out;
}

} // namespace

void DeletePlayerStatistics(Session& s, std::string player) {
    Hourglass busy(s);
    player = TrimRight(player);
    if (player.empty())
        return;
    const std::string records = StatisticsPath(s, kRecordsFile);
    if (auto text = ReadWholeFile(records)) {
        std::vector<int> games;
        std::string zeroed = ZeroedRecords(*text, player, games);
        if (zeroed != *text && !WriteFileAtomic(records, zeroed))
            Inform(s, "Write error on file " + records);
        for (int game : games)
            RecordGameResult(s, game, player, true, false);
    }
    const std::string log = GameLogPath(s);
    if (auto text = ReadWholeFile(log)) {
        std::string kept;
        for (const std::string& line : SplitLines(*text))
            if (LogLinePlayer(line) != player)
                kept += line + kCrLf;
        if (kept != *text && !WriteFileAtomic(log, kept))
            Inform(s, "Write error on file " + log);
    }
    // The progress file was built from the lines just removed; a later player of the same name
    // starts a progress file of their own.
    DeleteFileIfAny(StatisticsPath(s, ProgressFileName(player)));
}

} // namespace quillon
