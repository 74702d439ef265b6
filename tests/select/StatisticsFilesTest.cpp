#include "select/StatisticsFiles.h"
#include "common/TempFolder.h"
#include "model/ConfigFile.h"
#include "model/Random.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "select/StatisticsText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

class StatisticsFilesTest : public ::testing::Test {
protected:
    StatisticsFilesTest() {
        s.DataFolder = dir.path();
        s.desktop = &desktop;
    }
    TempFolder dir;
    RecordingDesktop desktop;
    Session s;
};

// ---- the score list conversion ----

TEST_F(StatisticsFilesTest, ConvertsAnOldScoreList) {
    std::string scoreLine = "0012 some score line";
    std::string longLine = "0" + std::string(100, '7');
    dir.Write("Stat_scr.dat",
              "[Version]\r\nVersion=0200\r\n" + scoreLine + "\r\nPlayer line\r\n\r\n" + longLine + "\r\n");
    MigrateStatistics(s);
    std::string expected = "[Version]\r\nVersion=0300\r\n\r\n" + scoreLine +
                           std::string(89 - scoreLine.size(), ' ') + " x\r\nPlayer line\r\n\r\n" +
                           longLine.substr(0, 89) + " x\r\n";
    EXPECT_EQ(dir.Read("Stat_scr.dat"), expected);
    EXPECT_TRUE(desktop.boxes.empty());
    // Nothing is left behind, and a second run leaves the converted file alone.
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Stat_scr.dat"});
    MigrateStatistics(s);
    EXPECT_EQ(dir.Read("Stat_scr.dat"), expected);
}

TEST_F(StatisticsFilesTest, VersionDecidesTheConversion) {
    struct Case {
        const char* what;
        std::string content;
        bool converted;
    } cases[] = {
        {"current version", "[Version]\r\nVersion=0300\r\n0abc\r\n", false},
        {"later version", "[Version]\r\nVersion=0301\r\n0abc\r\n", false},
        {"version 0299", "[Version]\r\nVersion=0299\r\n0abc\r\n", true},
        {"no version section", "0abc\r\n", true},
        {"empty file", "", true},
        {"LF line ends", "[Version]\nVersion=0100\n0abc\n", true},
        {"truncated header", "[Vers", true},
        {"no final line end", "[Version]\r\nVersion=0100\r\n0abc", true},
    };
    for (const auto& c : cases) {
        dir.Write("Stat_scr.dat", c.content);
        desktop.boxes.clear();
        MigrateStatistics(s);
        std::string now = dir.Read("Stat_scr.dat");
        if (!c.converted) {
            EXPECT_EQ(now, c.content) << c.what;
            continue;
        }
        EXPECT_TRUE(now.starts_with("[Version]\r\nVersion=0300\r\n\r\n")) << c.what;
        // Every line of the old list other than its header is kept.
        if (c.content.find("0abc") != std::string::npos) {
            EXPECT_NE(now.find("0abc" + std::string(85, ' ') + " x\r\n"), std::string::npos) << c.what;
        }
        if (std::string(c.what) == "truncated header") {
            EXPECT_NE(now.find("\r\n[Vers\r\n"), std::string::npos);
        }
        EXPECT_TRUE(desktop.boxes.empty()) << c.what;
    }
}

TEST_F(StatisticsFilesTest, MissingScoreListIsNotCreated) {
    MigrateStatistics(s);
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(StatisticsFilesTest, ScoreListFoundWithoutRegardToCase) {
    dir.Write("STAT_SCR.DAT", "0abc\r\n");
    MigrateStatistics(s);
    EXPECT_TRUE(dir.Read("STAT_SCR.DAT").starts_with("[Version]\r\nVersion=0300\r\n"));
}

TEST_F(StatisticsFilesTest, NoTemporaryFileLeavesTheOldListAndReports) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind root";
    std::string old = "[Version]\r\nVersion=0100\r\n0abc\r\n";
    dir.Write("Stat_scr.dat", old);
    ::chmod(dir.path().c_str(), 0500);
    MigrateStatistics(s);
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(dir.Read("Stat_scr.dat"), old);
    ASSERT_FALSE(desktop.boxes.empty());
    EXPECT_EQ(desktop.boxes.front().text, "Error creating temp file.");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Stat_scr.dat"});
}

TEST_F(StatisticsFilesTest, UnreadableScoreListIsReportedAndKept) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    std::string old = "[Version]\r\nVersion=0100\r\n0abc\r\n";
    dir.Write("Stat_scr.dat", old);
    ::chmod((dir / "Stat_scr.dat").c_str(), 0200);
    EXPECT_NO_THROW(MigrateStatistics(s));
    ::chmod((dir / "Stat_scr.dat").c_str(), 0600);
    EXPECT_EQ(dir.Read("Stat_scr.dat"), old);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_NE(desktop.boxes[0].text.find("Cannot open file"), std::string::npos);
}

TEST_F(StatisticsFilesTest, OldPreferenceValuesAreConvertedWithOrWithoutAScoreList) {
    for (bool withList : {false, true}) {
        if (withList)
            dir.Write("Stat_scr.dat", "[Version]\r\nVersion=0300\r\n");
        dir.Write("Cfg.dat", "[Preference]\r\nCards_Animate=S\r\nConfirmQuit=S\r\nSound=S\r\n");
        MigrateStatistics(s);
        EXPECT_EQ(ReadConfigString(s, "Preference", "Cards_Animate", ""), "Y");
        EXPECT_EQ(ReadConfigString(s, "Preference", "ConfirmQuit", ""), "Y");
        EXPECT_EQ(ReadConfigString(s, "Preference", "Sound", ""), "S"); // other keys keep their value
    }
    dir.Write("Cfg.dat", "[Preference]\r\nCards_Animate=N\r\n");
    MigrateStatistics(s);
    EXPECT_EQ(ReadConfigString(s, "Preference", "Cards_Animate", ""), "N");
    EXPECT_EQ(ReadConfigString(s, "Preference", "ConfirmQuit", "absent"), "absent");
}

// ---- series in progress ----

TEST_F(StatisticsFilesTest, SeriesInProgress) {
    struct Case {
        const char* what;
        std::vector<std::string> files;
        bool inProgress;
        bool seriesMarkerKept;
    } cases[] = {
        {"nothing", {}, false, true},
        {"first marker", {"Stat_e00.dat"}, true, true},
        {"last marker", {"Stat_e99.dat"}, true, true},
        {"marker of other case", {"STAT_E42.DAT"}, true, true},
        {"a match without two digits", {"Stat_eX.dat"}, false, true},
        {"three digits", {"Stat_e100.dat"}, false, true},
        {"not a match", {"Stat_uni.dat", "Stat.dat", "Stat_e01.txt"}, false, false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        s.DataFolder = folder.path();
        for (const auto& f : c.files)
            folder.Write(f, "");
        folder.Write("Series_e01.dat", "");
        EXPECT_EQ(SeriesInProgress(s), c.inProgress) << c.what;
        bool kept = std::filesystem::exists(folder / "Series_e01.dat");
        // With no file matching at all, the series marker goes.
        if (c.files.empty())
            EXPECT_FALSE(kept) << c.what;
        else
            EXPECT_EQ(kept, c.seriesMarkerKept) << c.what;
    }
}

TEST_F(StatisticsFilesTest, SeriesInProgressWithMissingDataFolder) {
    s.DataFolder = dir / "missing/";
    EXPECT_FALSE(SeriesInProgress(s));
}

// ---- reading the won/lost counters ----

TEST_F(StatisticsFilesTest, ReadsCountersWrittenInTheirLayouts) {
    RandomGenerator random;
    random.seed = 5;
    dir.Write("Stat_uni.dat", "\r\n[Player 1]\r\nGW-0087=" + MakeStatValue(StatCounter::Won, 87, 3, random) +
                                  "\r\nGL-0087=" + MakeStatValue(StatCounter::Lost, 87, 12, random) + "\r\n");
    auto counts = ReadUniqueCounts(s, "Player 1   ", 87);
    EXPECT_EQ(counts.status, UniqueCounts::Status::Ok);
    EXPECT_EQ(counts.won, 3);
    EXPECT_EQ(counts.lost, 12);
}

TEST_F(StatisticsFilesTest, DamagedOrMissingCounterFiles) {
    RandomGenerator random;
    random.seed = 11;
    std::string won = MakeStatValue(StatCounter::Won, 87, 1, random);
    std::string lost = MakeStatValue(StatCounter::Lost, 87, 0, random);
    std::string good = "\r\n[Player 1]\r\nGW-0087=" + won + "\r\nGL-0087=" + lost + "\r\n";
    std::string flipped = won;
    flipped[3] = static_cast<char>(flipped[3] + 1);
    using St = UniqueCounts::Status;
    struct Case {
        const char* what;
        std::optional<std::string> content;
        St status;
        int won, lost;
    } cases[] = {
        {"missing file", std::nullopt, St::Ok, 0, 0},
        {"empty file", "", St::Ok, 0, 0},
        {"good", good, St::Ok, 1, 0},
        {"other player only", "\r\n[Player 2]\r\nGW-0087=" + won + "\r\n", St::Ok, 0, 0},
        {"truncated inside a value", good.substr(0, good.find("GW-0087=") + 15), St::Damaged, 0, 0},
        {"truncated after the first key", good.substr(0, good.find("GL-0087")), St::Ok, 1, 0},
        {"one character changed", "\r\n[Player 1]\r\nGW-0087=" + flipped + "\r\nGL-0087=" + lost + "\r\n",
         St::Damaged, 0, 0},
        {"swapped values", "\r\n[Player 1]\r\nGW-0087=" + lost + "\r\nGL-0087=" + won + "\r\n", St::Damaged,
         0, 0},
        {"garbage bytes", std::string("\r\n[Player 1]\r\nGW-0087=") + std::string("\x00\xff\x01", 3),
         St::Damaged, 0, 0},
        {"key without value", "\r\n[Player 1]\r\nGW-0087=\r\n", St::Damaged, 0, 0},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir / "Stat_uni.dat");
        if (c.content)
            dir.Write("Stat_uni.dat", *c.content);
        auto counts = ReadUniqueCounts(s, "Player 1", 87);
        EXPECT_EQ(counts.status, c.status) << c.what;
        EXPECT_EQ(counts.won, c.won) << c.what;
        EXPECT_EQ(counts.lost, c.lost) << c.what;
        // Reading never changes the file.
        if (c.content)
            EXPECT_EQ(dir.Read("Stat_uni.dat"), *c.content) << c.what;
        else
            EXPECT_FALSE(std::filesystem::exists(dir / "Stat_uni.dat")) << c.what;
    }
}

TEST_F(StatisticsFilesTest, UnreadableCounterFileIsNotCalledDamaged) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    dir.Write("Stat_uni.dat", "\r\n[Player 1]\r\nGW-0087=xx\r\n");
    ::chmod((dir / "Stat_uni.dat").c_str(), 0200);
    auto counts = ReadUniqueCounts(s, "Player 1", 87);
    ::chmod((dir / "Stat_uni.dat").c_str(), 0600);
    EXPECT_EQ(counts.status, UniqueCounts::Status::Unreadable);
}

} // namespace

namespace {

TEST_F(StatisticsFilesTest, FolderInPlaceOfAStatisticsFile) {
    std::filesystem::create_directory(dir / "Stat_scr.dat");
    std::filesystem::create_directory(dir / "Stat_uni.dat");
    EXPECT_NO_THROW(MigrateStatistics(s));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Stat_scr.dat"));
    UniqueCounts counts;
    EXPECT_NO_THROW(counts = ReadUniqueCounts(s, "Player 1", 87));
    EXPECT_NE(counts.status, UniqueCounts::Status::Damaged);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Stat_uni.dat"));
    // Nothing is left behind in the data folder.
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"Stat_scr.dat", "Stat_uni.dat"}));
}

} // namespace
