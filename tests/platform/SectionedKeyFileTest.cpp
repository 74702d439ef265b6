#include "platform/SectionedKeyFile.h"

#include "common/TempFolder.h"
#include "platform/Desktop.h"
#include "platform/Files.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quillon {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A file with two sections of statistics-like keys, CR LF line ends, sections separated by an
// empty line.
const std::string kTwoSections = "[Klondike]\r\n"
                                 "Played=0005\r\n"
                                 "Won=0002\r\n"
                                 "\r\n"
                                 "[Spider]\r\n"
                                 "Played=0010\r\n"
                                 "Won=0001\r\n";

// ---- SectionOffset ------------------------------------------------------------------------

TEST(SectionOffset, FindsHeadersAroundTheBlockBorders) {
    const std::string header = "[Forty Thieves]";
    const size_t len = header.size();
    // Blocks begin at 0, 8192 - len, 2 * (8192 - len), ...; try every place near the first two
    // borders, so headers that begin before a border and end after it are included.
    std::vector<size_t> places = {0, 1, 2};
    for (size_t p = 8192 - 2 * len - 2; p <= 8192 + 2; ++p)
        places.push_back(p);
    for (size_t p = 2 * (8192 - len) - len - 2; p <= 2 * (8192 - len) + 2; ++p)
        places.push_back(p);
    TempFolder dir;
    const std::string path = dir / "STAT.DAT";
    for (size_t p : places) {
        SCOPED_TRACE(p);
        std::string filler = p == 0 ? "" : std::string(p - 1, 'x') + "\n";
        WriteBytes(path, filler + header + "\r\nWon=1\r\n" + std::string(9000, 'y'));
        auto offset = SectionOffset(path, header);
        ASSERT_TRUE(offset.has_value());
        EXPECT_EQ(*offset, static_cast<std::int64_t>(p));
    }
}

TEST(SectionOffset, OnlyAHeaderThatBeginsALineCounts) {
    struct Case {
        const char* name;
        std::string content;
        std::optional<std::int64_t> expected;
    };
    const std::string border(8192 - 6, 'x'); // "[Game]" then begins the second block
    const std::vector<Case> cases = {
        {"inside a value", "[A]\r\nNote=[Game]\r\n", std::nullopt},
        {"inside a value, then as a header", "[A]\r\nNote=[Game]\r\n[Game]\r\n", 18},
        {"after a lone CR", "[A]\r[Game]\r", 4},
        {"after a LF", "[A]\n[Game]\n", 4},
        {"longer name", "[Games]\r\n", std::nullopt},
        {"at the end without line end", "[A]\r\n[Game]", 5},
        {"after NUL bytes", std::string("\0\0\n[Game]", 9), 3},
        {"mid-line at the block border", border + "[Game]", std::nullopt},
        {"line start at the block border", border.substr(1) + "\n[Game]", 8192 - 6},
        {"empty file", "", std::nullopt},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "f.dat", c.content);
        EXPECT_EQ(SectionOffset(dir / "f.dat", "[Game]"), c.expected);
    }
    EXPECT_EQ(SectionOffset(dir / "f.dat", ""), std::nullopt);
    EXPECT_EQ(SectionOffset(dir / "missing.dat", "[Game]"), std::nullopt);
}

TEST(SectionOffset, HeaderLongerThanABlock) {
    TempFolder dir;
    const std::string header = "[" + std::string(10000, 'n') + "]";
    const std::string lead = std::string(8000, 'x') + "\r\n";
    WriteBytes(dir / "f.dat", lead + header + "\r\nk=1\r\n");
    EXPECT_EQ(SectionOffset(dir / "f.dat", header), static_cast<std::int64_t>(lead.size()));
    EXPECT_EQ(ReadKey(dir / "f.dat", header.substr(1, header.size() - 2), "k", "").value, "1");
}

TEST(SectionOffset, AFolderCannotBeOpened) {
    TempFolder dir;
    try {
        SectionOffset(dir.Path(), "[A]");
        FAIL() << "no error raised";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.Path());
    }
}

// ---- ReadKeys and ReadKey -----------------------------------------------------------------

TEST(ReadKeys, PrefixMatchingInListOrder) {
    struct Case {
        const char* name;
        std::string body;
        std::vector<std::string> keys;
        std::vector<std::string> expected;
        bool allFound;
    };
    const std::vector<Case> cases = {
        {"plain", "Played=5\r\nWon=2\r\n", {"Played", "Won"}, {"5", "2"}, true},
        {"a key that begins another takes its line when listed first",
         "Won=2\r\nWonSeries=7\r\n",
         {"Won", "WonSeries"},
         {"7", "d1"},
         false},
        {"the longer key listed first keeps its own line",
         "Won=2\r\nWonSeries=7\r\n",
         {"WonSeries", "Won"},
         {"7", "2"},
         true},
        {"a later line overwrites while keys are missing", "A=1\r\nA=2\r\n", {"A", "B"}, {"2", "d1"}, false},
        {"reading stops once all are found", "A=1\r\nB=2\r\nA=3\r\n", {"A", "B"}, {"1", "2"}, true},
        {"value is the text after the first equals sign", "A=x=y\r\nB=\r\n", {"A", "B"}, {"x=y", ""}, true},
        {"lines without equals sign give nothing", "A\r\nB=2\r\n", {"A", "B"}, {"d0", "2"}, false},
        {"the next section ends the search", "A=1\r\n\r\n[Other]\r\nB=2\r\n", {"A", "B"}, {"1", "d1"}, false},
        {"LF line ends", "A=1\nB=2\n", {"A", "B"}, {"1", "2"}, true},
        {"CR line ends", "A=1\rB=2\r", {"A", "B"}, {"1", "2"}, true},
        {"no final line break", "A=1\r\nB=2", {"A", "B"}, {"1", "2"}, true},
        {"case counts", "a=1\r\nB=2\r\n", {"A", "B"}, {"d0", "2"}, false},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "f.dat", "[Before]\r\nA=0\r\nB=0\r\n\r\n[Game]\r\n" + c.body);
        auto r = ReadKeys(dir / "f.dat", "Game", c.keys, {"d0", "d1"});
        EXPECT_EQ(r.values, c.expected);
        EXPECT_EQ(r.allFound, c.allFound);
    }
}

TEST(ReadKeys, DefaultsWhenNothingCanBeRead) {
    TempFolder dir;
    auto missing = ReadKeys(dir / "none.dat", "Game", {"A", "B", "C"}, {"1", "2"});
    EXPECT_EQ(missing.values, (std::vector<std::string>{"1", "2", ""}));
    EXPECT_FALSE(missing.allFound);
    WriteBytes(dir / "f.dat", kTwoSections);
    auto noSection = ReadKeys(dir / "f.dat", "Golf", {"Won"}, {"0"});
    EXPECT_EQ(noSection.values, std::vector<std::string>{"0"});
    EXPECT_FALSE(noSection.allFound);
    EXPECT_EQ(ReadKeys(dir / "f.dat", "Spider", {"Won", "Played"}, {}).values,
              (std::vector<std::string>{"0001", "0010"}));
}

TEST(ReadKey, FindsTheFirstLineThatBeginsWithTheKey) {
    struct Case {
        const char* name;
        std::string content;
        std::string key;
        std::string value;
        bool found;
    };
    const std::string longValue(100000, '7');
    const std::vector<Case> cases = {
        {"first section", kTwoSections, "Won", "0002", true},
        {"key at the start of the body", "[Game]\r\nWon=3\r\n", "Won", "3", true},
        {"trailing spaces removed", "[Game]\r\nWon=3   \r\n", "Won", "3", true},
        {"leading spaces kept", "[Game]\r\nWon=  3\r\n", "Won", "  3", true},
        {"key not in the section but in the next", "[Game]\r\nA=1\r\n\r\n[B]\r\nWon=3\r\n", "Won", "d",
         false},
        {"header at the very end", "[A]\r\nWon=1\r\n[Game]", "Won", "d", false},
        {"header and line end at the very end", "[A]\r\nWon=1\r\n[Game]\r\n", "Won", "d", false},
        {"empty section", "[Game]\r\n\r\n[B]\r\nWon=1\r\n", "Won", "d", false},
        {"prefix: the value begins after the key and one character", "[Game]\r\nWonSeries=7\r\n", "Won",
         "eries=7", true},
        {"line that is just the key", "[Game]\r\nWon\r\n", "Won", "", true},
        {"header mentioned in a value first", "[A]\r\nNote=[Game]\r\nWon=1\r\n[Game]\r\nWon=2\r\n", "Won",
         "2", true},
        {"LF line ends", "[A]\nWon=1\n[Game]\nWon=2\n", "Won", "2", true},
        {"CR line ends", "[A]\rWon=1\r[Game]\rWon=2\r", "Won", "2", true},
        {"no final line break", "[Game]\r\nWon=2", "Won", "2", true},
        {"NUL bytes", std::string("[Game]\r\n\0\0=1\r\nWon=\0x\r\n", 22), "Won", std::string("\0x", 2), true},
        {"a line of 100000 characters before", "[Game]\r\nA=" + longValue + "\r\nWon=2\r\n", "Won", "2",
         true},
        {"a value of 100000 characters", "[Game]\r\nWon=" + longValue + "\r\n", "Won", longValue, true},
        {"empty file", "", "Won", "d", false},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "f.dat", c.content);
        auto r = ReadKey(dir / "f.dat", c.content == kTwoSections ? "Klondike" : "Game", c.key, "d");
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.found, c.found);
    }
    auto missing = ReadKey(dir / "none.dat", "Game", "Won", "d");
    EXPECT_EQ(missing.value, "d");
    EXPECT_FALSE(missing.found);
}

TEST(ReadKey, SectionBodyAcrossManyBlocks) {
    // A section much longer than a block, with a CR LF split by a block border.
    TempFolder dir;
    std::string content = "[Head]\r\nx=1\r\n\r\n[Game]\r\n";
    for (int i = 0; i < 3000; ++i)
        content += "Key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
    content += "\r\n[Tail]\r\nKey2999=tail\r\n";
    WriteBytes(dir / "f.dat", content);
    for (int i : {0, 1, 500, 1234, 2999}) {
        SCOPED_TRACE(i);
        auto r = ReadKey(dir / "f.dat", "Game", "Key" + std::to_string(i) + "=", "d");
        // The key here includes "=", so the value starts one character later.
        EXPECT_EQ(r.value, std::to_string(i * 7).substr(1));
        EXPECT_EQ(ReadKey(dir / "f.dat", "Game", "Key" + std::to_string(i), "d").value,
                  std::to_string(i * 7));
    }
    EXPECT_EQ(ReadKey(dir / "f.dat", "Tail", "Key2999", "d").value, "tail");
}

// ---- SectionNames and SectionLines --------------------------------------------------------

TEST(SectionNames, AllHeadersInFileOrder) {
    TempFolder dir;
    WriteBytes(dir / "f.dat", "\r\n[A]\r\nk=[x]\r\n\r\n[B]\nk=1\r[C C]\r\n[\r\n[D]");
    EXPECT_EQ(SectionNames(dir / "f.dat"), (std::vector<std::string>{"A", "B", "C C", "", "D"}));
    EXPECT_TRUE(SectionNames(dir / "none.dat").empty());
}

TEST(SectionLines, NonEmptyLinesOfTheFirstSectionWithTheName) {
    TempFolder dir;
    WriteBytes(dir / "f.dat", "[A]\r\nk=1\r\n\r\nj=2\r\n\r\n[B]\r\nb=1\r\n[A]\r\nk=9\r\n");
    EXPECT_EQ(SectionLines(dir / "f.dat", "A"), (std::vector<std::string>{"k=1", "j=2"}));
    EXPECT_EQ(SectionLines(dir / "f.dat", "B"), (std::vector<std::string>{"b=1"}));
    EXPECT_TRUE(SectionLines(dir / "f.dat", "C").empty());
    EXPECT_TRUE(SectionLines(dir / "none.dat", "A").empty());
}

// ---- WriteKey ------------------------------------------------------------------------------

TEST(WriteKey, SameWidthOverwritesInPlace) {
    TempFolder dir;
    RecordingDesktop desktop;
    const std::string path = dir / "STAT.DAT";
    WriteBytes(path, kTwoSections);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    ASSERT_TRUE(WriteKey(desktop, path, "Spider", "Won", "0042"));
    std::string expected = kTwoSections;
    const size_t at = expected.find("Won=0001") + 4;
    expected.replace(at, 4, "0042");
    EXPECT_EQ(ReadBytes(path), expected);
    // The same file was changed where it lies: no rewrite through a temporary file.
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"STAT.DAT"});
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST(WriteKey, EveryCaseKeepsTheOtherData) {
    struct Case {
        const char* name;
        std::string before;
        std::string section, key, value;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"wider value rebuilds the section instead of running into the next line", kTwoSections, "Klondike",
         "Won", "000123",
         "[Klondike]\r\nPlayed=0005\r\nWon=000123\r\n\r\n[Spider]\r\nPlayed=0010\r\nWon=0001\r\n"},
        {"narrower value leaves nothing of the old one", kTwoSections, "Spider", "Played", "9",
         "[Klondike]\r\nPlayed=0005\r\nWon=0002\r\n\r\n[Spider]\r\nPlayed=9\r\nWon=0001\r\n\r\n"},
        {"missing key goes to the end of the section", kTwoSections, "Klondike", "Lost", "0003",
         "[Klondike]\r\nPlayed=0005\r\nWon=0002\r\nLost=0003\r\n\r\n[Spider]\r\nPlayed=0010\r\nWon=0001\r\n"},
        {"a header named only inside a value is no section", "[A]\r\nNote=[Golf]\r\n", "Golf", "Won", "1",
         "[A]\r\nNote=[Golf]\r\n\r\n[Golf]\r\nWon=1\r\n"},
        {"missing section is appended", kTwoSections, "Golf", "Won", "1",
         kTwoSections + "\r\n[Golf]\r\nWon=1\r\n"},
        {"other lines of the section stay as they are", "[A]\r\nx= 1\r\nnote\r\nk=1\r\n", "A", "k", "22",
         "[A]\r\nx= 1\r\nnote\r\nk=22\r\n\r\n"},
        {"a line with the key but without equals sign takes the pair", "[A]\r\nkey\r\n", "A", "key", "1",
         "[A]\r\nkey=1\r\n\r\n"},
        {"header at the very end", "[B]\r\nb=1\r\n\r\n[A]", "A", "k", "1",
         "[B]\r\nb=1\r\n\r\n[A]\r\nk=1\r\n\r\n"},
        {"LF file: the rest is kept as it is", "[A]\na=1\n\n[B]\nb=1\n", "A", "k", "1",
         "[A]\na=1\r\nk=1\r\n\r\n[B]\nb=1\n"},
        {"CR file: in place", "[A]\ra=1\r[B]\rb=2\r", "B", "b", "7", "[A]\ra=1\r[B]\rb=7\r"},
        {"empty file", "", "A", "k", "1", "\r\n[A]\r\nk=1\r\n"},
        {"NUL bytes elsewhere survive", std::string("[A]\r\n\0=\0\r\nk=1\r\n", 14), "A", "k", "22",
         std::string("[A]\r\n\0=\0\r\nk=22\r\n\r\n", 18)},
    };
    TempFolder dir;
    RecordingDesktop desktop;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "f.dat", c.before);
        EXPECT_TRUE(WriteKey(desktop, dir / "f.dat", c.section, c.key, c.value));
        EXPECT_EQ(ReadBytes(dir / "f.dat"), c.after);
        auto r = ReadKey(dir / "f.dat", c.section, c.key, "?");
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.dat"});
    }
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST(WriteKey, MissingFileIsCreated) {
    TempFolder dir;
    RecordingDesktop desktop;
    ASSERT_TRUE(WriteKey(desktop, dir / "new.dat", "Game", "Won", "0001"));
    EXPECT_EQ(ReadBytes(dir / "new.dat"), "\r\n[Game]\r\nWon=0001\r\n");
    EXPECT_EQ(ReadKey(dir / "new.dat", "Game", "Won", "").value, "0001");
}

TEST(WriteKey, RefusesWhatWouldNotReadBack) {
    struct Bad {
        const char* name;
        std::string section, key, value;
    };
    const std::vector<Bad> cases = {
        {"line break in the value", "Spider", "Won", "00\r\n"},
        {"same width with a line break", "Spider", "Won", "0\n01"},
        {"line break in the key", "Spider", "W\non", "1"},
        {"equals sign in the key", "Spider", "Won=", "1"},
        {"empty key", "Spider", "", "1"},
        {"key looking like a header", "Spider", "[Won", "1"},
        {"line break in the section", "Spi\rder", "Won", "1"},
        {"closing bracket in the section", "Spi]der", "Won", "1"},
    };
    TempFolder dir;
    RecordingDesktop desktop;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "f.dat", kTwoSections);
        EXPECT_FALSE(WriteKey(desktop, dir / "f.dat", c.section, c.key, c.value));
        EXPECT_EQ(ReadBytes(dir / "f.dat"), kTwoSections);
    }
}

// ---- WriteSection and AppendSection --------------------------------------------------------

TEST(WriteSection, ReplacesTheBodyAndKeepsTheRest) {
    const std::string three = "[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\nb2=2\r\n\r\n[C]\r\nc=1\r\n";
    struct Case {
        const char* name;
        std::string before;
        std::string section;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"first", three, "A", "[A]\r\nk1=v1\r\nk2=\r\n\r\n[B]\r\nb=1\r\nb2=2\r\n\r\n[C]\r\nc=1\r\n"},
        {"middle", three, "B", "[A]\r\na=1\r\n\r\n[B]\r\nk1=v1\r\nk2=\r\n\r\n[C]\r\nc=1\r\n"},
        {"last", three, "C", "[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\nb2=2\r\n\r\n[C]\r\nk1=v1\r\nk2=\r\n\r\n"},
        {"missing section appended", three, "D", three + "\r\n[D]\r\nk1=v1\r\nk2=\r\n"},
        {"header at the end without line end", "[X]\r\nx=1\r\n[C]", "C",
         "[X]\r\nx=1\r\n[C]\r\nk1=v1\r\nk2=\r\n\r\n"},
        {"LF file keeps its other lines", "[A]\na=1\n\n[B]\nb=1\n", "A",
         "[A]\nk1=v1\r\nk2=\r\n\r\n[B]\nb=1\n"},
        {"CR file keeps its other lines", "[A]\ra=1\r[B]\rb=1\r", "A", "[A]\rk1=v1\r\nk2=\r\n\r\n[B]\rb=1\r"},
        {"name mentioned in a value first", "[A]\r\nn=[C]\r\n[C]\r\nc=1\r\n", "C",
         "[A]\r\nn=[C]\r\n[C]\r\nk1=v1\r\nk2=\r\n\r\n"},
    };
    TempFolder dir;
    RecordingDesktop desktop;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "f.dat", c.before);
        EXPECT_TRUE(WriteSection(desktop, dir / "f.dat", c.section, {"k1", "k2"}, {"v1", ""}));
        EXPECT_EQ(ReadBytes(dir / "f.dat"), c.after);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.dat"});
    }
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST(WriteSection, LargeFileCopiedExactly) {
    // Many blocks before and after the section, with a section body longer than one piece.
    TempFolder dir;
    RecordingDesktop desktop;
    std::string head, tail;
    for (int i = 0; i < 2000; ++i)
        head += "[H" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n\r\n";
    for (int i = 0; i < 2000; ++i)
        tail += "[T" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n\r\n";
    WriteBytes(dir / "f.dat", head + "[Game]\r\nold=1\r\n\r\n" + tail);
    std::vector<std::string> keys, values;
    std::string body;
    for (int i = 0; i < 500; ++i) {
        keys.push_back("Key" + std::to_string(i));
        values.push_back(std::string(i % 37, 'v'));
        body += keys.back() + "=" + values.back() + "\r\n";
    }
    ASSERT_TRUE(WriteSection(desktop, dir / "f.dat", "Game", keys, values));
    EXPECT_EQ(ReadBytes(dir / "f.dat"), head + "[Game]\r\n" + body + "\r\n" + tail);
}

TEST(WriteSection, RefusesMismatchedOrUnsafePairs) {
    TempFolder dir;
    RecordingDesktop desktop;
    WriteBytes(dir / "f.dat", kTwoSections);
    EXPECT_FALSE(WriteSection(desktop, dir / "f.dat", "Spider", {"a", "b"}, {"1"}));
    EXPECT_FALSE(WriteSection(desktop, dir / "f.dat", "Spider", {"a"}, {"1\r\n[Klondike]"}));
    EXPECT_FALSE(WriteSection(desktop, dir / "f.dat", "Spider", {"a=b"}, {"1"}));
    EXPECT_FALSE(AppendSection(dir / "f.dat", "New\r\n", {"a"}, {"1"}));
    EXPECT_EQ(ReadBytes(dir / "f.dat"), kTwoSections);
}

TEST(WriteSection, KeepsThePermissionsOfTheFile) {
    TempFolder dir;
    RecordingDesktop desktop;
    WriteBytes(dir / "f.dat", kTwoSections);
    ::chmod((dir / "f.dat").c_str(), 0640);
    ASSERT_TRUE(WriteSection(desktop, dir / "f.dat", "Spider", {"Won"}, {"1"}));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "f.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AppendSection, AddsAtTheEnd) {
    TempFolder dir;
    WriteBytes(dir / "f.dat", "[A]\r\na=1");
    ASSERT_TRUE(AppendSection(dir / "f.dat", "B", {"x", "y"}, {"1", "2"}));
    EXPECT_EQ(ReadBytes(dir / "f.dat"), "[A]\r\na=1\r\n[B]\r\nx=1\r\ny=2\r\n");
    ASSERT_TRUE(AppendSection(dir / "g.dat", "C", {}, {}));
    EXPECT_EQ(ReadBytes(dir / "g.dat"), "\r\n[C]\r\n");
}

// ---- Failures of a rewrite -----------------------------------------------------------------

TEST(RewriteFailure, NoTemporaryFileLeavesTheFileUntouched) {
    TempFolder dir;
    RecordingDesktop desktop;
    // Beside this file no temporary name fits in a path, which stops even the superuser.
    const std::string path = dir.DeepFolder(4090) + "f";
    WriteBytes(path, kTwoSections);
    ASSERT_EQ(ReadBytes(path), kTwoSections);

    EXPECT_FALSE(WriteSection(desktop, path, "Spider", {"Won"}, {"1"}));
    EXPECT_FALSE(WriteKey(desktop, path, "Spider", "Lost", "1"));
    EXPECT_FALSE(ReplaceInLines(desktop, path, 1, "Won", "Lost", {}));
    EXPECT_EQ(ReadBytes(path), kTwoSections);
    ASSERT_EQ(desktop.boxes.size(), 3u);
    for (const auto& box : desktop.boxes) {
        EXPECT_EQ(box.kind, BoxKind::Information);
        EXPECT_EQ(box.text, "Error creating temp file.");
    }
    // An in-place write needs no temporary file.
    EXPECT_TRUE(WriteKey(desktop, path, "Spider", "Won", "0009"));
    EXPECT_EQ(ReadKey(path, "Spider", "Won", "").value, "0009");
}

TEST(RewriteFailure, SwapOntoAFolderKeepsTheTemporaryFile) {
    TempFolder dir;
    RecordingDesktop desktop;
    const std::string target = dir / "STAT.DAT";
    ::mkdir(target.c_str(), 0755);
    WriteBytes(target + "/inside", "x");
    WriteBytes(dir / "rplTEMP", "new content");
    EXPECT_FALSE(ReplaceWithTemp(desktop, dir / "rplTEMP", target));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(desktop.boxes[0].text, "Error in deleting the file: " + target);
    EXPECT_EQ(ReadBytes(dir / "rplTEMP"), "new content");
    EXPECT_EQ(ReadBytes(target + "/inside"), "x");
}

TEST(RewriteFailure, MissingTemporaryFileShowsTheRenameMessage) {
    TempFolder dir;
    RecordingDesktop desktop;
    EXPECT_FALSE(ReplaceWithTemp(desktop, dir / "rplGONE", dir / "STAT.DAT"));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              "Error in renaming the file: " + (dir / "rplGONE") + "\nto: " + (dir / "STAT.DAT"));
}

TEST(RewriteFailure, FileReplacedByAFolderDuringReplaceInLines) {
    // While the lines are copied, something puts a folder where the file was: the swap fails, the
    // message names the file and the renamed content waits in the temporary file.
    TempFolder dir;
    RecordingDesktop desktop;
    const std::string path = dir / "Stat_log.dat";
    std::string content;
    for (int i = 0; i < 30; ++i)
        content += "Ann       game " + std::to_string(i) + "\r\n";
    WriteBytes(path, content);
    bool swapped = false;
    auto progress = [&](int) {
        if (swapped)
            return;
        swapped = true;
        ::unlink(path.c_str());
        ::mkdir(path.c_str(), 0755);
        WriteBytes(path + "/keep", "k");
    };
    EXPECT_FALSE(ReplaceInLines(desktop, path, 1, "Ann", "Bob", progress));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Error in deleting the file: " + path);
    std::string expected = content;
    for (size_t at = expected.find("Ann"); at != std::string::npos; at = expected.find("Ann", at))
        expected.replace(at, 3, "Bob");
    auto entries = dir.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], "Stat_log.dat"); // now the folder
    ASSERT_EQ(entries[1].substr(0, 3), "rpl");
    EXPECT_EQ(ReadBytes(dir / entries[1]), expected);
}

// Limits the size of files this process may write, so that writes come up short.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        old_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_signal_);
    }

private:
    rlimit old_{};
    void (*old_signal_)(int) = nullptr;
};

TEST(RewriteFailure, ShortWritesRaiseAndLoseNothing) {
    TempFolder dir;
    RecordingDesktop desktop;
    const std::string path = dir / "f.dat";
    std::string content = "[A]\r\n" + std::string(3000, 'a') + "=1\r\n\r\n[B]\r\nb=1\r\n";
    WriteBytes(path, content);
    auto expectWriteError = [&](const char* what, auto&& call) {
        SCOPED_TRACE(what);
        try {
            FileSizeLimit limit(3500);
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Write error on file");
        }
        EXPECT_EQ(ReadBytes(path), content);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.dat"});
    };
    expectWriteError("section rewrite",
                     [&] { WriteSection(desktop, path, "A", {"k"}, {std::string(4000, 'v')}); });
    expectWriteError("key rebuild", [&] { WriteKey(desktop, path, "B", "b", std::string(4000, 'v')); });
    expectWriteError("line copy",
                     [&] { ReplaceInLines(desktop, path, 1, "b=1", std::string(4000, 'v'), {}); });
    EXPECT_TRUE(desktop.boxes.empty());
}

// ---- ReplaceInLines ------------------------------------------------------------------------

TEST(ReplaceInLines, ReplacesOnlyAtTheColumn) {
    struct Case {
        const char* name;
        std::string before;
        int column;
        std::string oldText, newText;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"column 1", "Ann  1\r\nAnna 2\r\nBob  3\r\n", 1, "Ann ", "Zoe ", "Zoe  1\r\nAnna 2\r\nBob  3\r\n"},
        {"other columns untouched", "xAnn\r\nAnnx\r\n", 2, "Ann", "Bo", "xBo\r\nAnnx\r\n"},
        {"only once per line", "AnnAnn\r\n", 1, "Ann", "B", "BAnn\r\n"},
        {"longer replacement", "[Ann]\r\nk=1\r\n", 2, "Ann", "Annabel", "[Annabel]\r\nk=1\r\n"},
        {"line shorter than the column", "A\r\n\r\nxxAnn\r\n", 3, "Ann", "B", "A\r\n\r\nxxB\r\n"},
        {"each line keeps its line end", "Ann\rAnn\nAnn\r\nAnn", 1, "Ann", "Bo", "Bo\rBo\nBo\r\nBo"},
        {"NUL bytes", std::string("\0Ann\0\r\n", 7), 2, "Ann", "B", std::string("\0B\0\r\n", 5)},
        {"empty file", "", 1, "Ann", "B", ""},
    };
    TempFolder dir;
    RecordingDesktop desktop;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "f.dat", c.before);
        EXPECT_TRUE(ReplaceInLines(desktop, dir / "f.dat", c.column, c.oldText, c.newText, {}));
        EXPECT_EQ(ReadBytes(dir / "f.dat"), c.after);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.dat"});
    }
    // Refused: nothing to find, or no such column; the file stays.
    WriteBytes(dir / "f.dat", "Ann\r\n");
    EXPECT_FALSE(ReplaceInLines(desktop, dir / "f.dat", 1, "", "B", {}));
    EXPECT_FALSE(ReplaceInLines(desktop, dir / "f.dat", 0, "Ann", "B", {}));
    EXPECT_FALSE(ReplaceInLines(desktop, dir / "f.dat", -3, "Ann", "B", {}));
    EXPECT_EQ(ReadBytes(dir / "f.dat"), "Ann\r\n");
    // A missing file needs no change.
    EXPECT_TRUE(ReplaceInLines(desktop, dir / "none.dat", 1, "Ann", "B", {}));
    EXPECT_FALSE(FileExists(dir / "none.dat"));
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST(ReplaceInLines, ReportsProgressEveryTenLines) {
    const std::vector<std::pair<int, std::vector<int>>> cases = {
        {0, {}}, {9, {9}}, {10, {10}}, {25, {10, 20, 25}}, {30, {10, 20, 30}}};
    TempFolder dir;
    RecordingDesktop desktop;
    for (const auto& [lines, expected] : cases) {
        SCOPED_TRACE(lines);
        std::string content;
        for (int i = 0; i < lines; ++i)
            content += "line\r\n";
        WriteBytes(dir / "f.dat", content);
        std::vector<int> seen;
        ASSERT_TRUE(ReplaceInLines(desktop, dir / "f.dat", 1, "x", "y", [&](int n) { seen.push_back(n); }));
        EXPECT_EQ(seen, expected);
    }
}

TEST(ReplaceInLines, LineEndSplitByABlockBorder) {
    // The CR of a CR LF is the last byte of the first block, its LF the first of the next: still
    // one line end, so the file has 10 lines, not 11.
    TempFolder dir;
    RecordingDesktop desktop;
    std::string content = "Ann=" + std::string(8192 - 4 - 1, 'x') + "\r\n";
    ASSERT_EQ(content[8191], '\r');
    for (int i = 0; i < 9; ++i)
        content += "Ann=" + std::to_string(i) + "\r\n";
    WriteBytes(dir / "f.dat", content);
    std::vector<int> seen;
    ASSERT_TRUE(ReplaceInLines(desktop, dir / "f.dat", 1, "Ann", "Bo", [&](int n) { seen.push_back(n); }));
    EXPECT_EQ(seen, std::vector<int>{10});
    std::string expected = content;
    for (size_t at = expected.find("Ann"); at != std::string::npos; at = expected.find("Ann", at))
        expected.replace(at, 3, "Bo");
    EXPECT_EQ(ReadBytes(dir / "f.dat"), expected);
}

// ---- Small services ------------------------------------------------------------------------

TEST(CreateEmptyFile, OnlyWhenNoneExists) {
    TempFolder dir;
    EXPECT_TRUE(CreateEmptyFile(dir / "a.dat"));
    EXPECT_EQ(ReadBytes(dir / "a.dat"), "");
    WriteBytes(dir / "a.dat", "keep");
    EXPECT_FALSE(CreateEmptyFile(dir / "a.dat"));
    EXPECT_EQ(ReadBytes(dir / "a.dat"), "keep");
    EXPECT_FALSE(CreateEmptyFile(dir / "missing/a.dat"));
}

TEST(AllZeros, OnlyZeroCharacters) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true},      {"0", true},     {"0000000000000", true},        {"0001", false}, {"1000", false},
        {" 000", false}, {"000 ", false}, {std::string("0\0", 2), false}, {"O0O", false},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(AllZeros(text), expected);
    }
}

TEST(SectionedKeyFile, AFolderWhereTheFileShouldBeIsReported) {
    TempFolder dir;
    RecordingDesktop desktop;
    const std::string path = dir / "STAT.DAT";
    ::mkdir(path.c_str(), 0755);
    const std::string message = "Cannot open file " + path;
    auto expectCannotOpen = [&](const char* what, auto&& call) {
        SCOPED_TRACE(what);
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    };
    expectCannotOpen("ReadKey", [&] { ReadKey(path, "A", "k", ""); });
    expectCannotOpen("ReadKeys", [&] { ReadKeys(path, "A", {"k"}, {}); });
    expectCannotOpen("SectionNames", [&] { SectionNames(path); });
    expectCannotOpen("WriteKey", [&] { WriteKey(desktop, path, "A", "k", "1"); });
    expectCannotOpen("WriteSection", [&] { WriteSection(desktop, path, "A", {"k"}, {"1"}); });
    expectCannotOpen("AppendSection", [&] { AppendSection(path, "A", {"k"}, {"1"}); });
    expectCannotOpen("ReplaceInLines", [&] { ReplaceInLines(desktop, path, 1, "a", "b", {}); });
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"STAT.DAT"});
}

} // namespace
} // namespace quillon
