#include "platform/IniFile.h"

#include "common/TempFolder.h"

#include <climits>
#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct ReadCase {
    const char* name;
    std::string content;
    std::string section;
    std::string key;
    std::string expected;
};

TEST(IniFileRead, FindsValuesAsTheProfileFunctionsDo) {
    const std::string longValue(100000, 'v');
    const std::vector<ReadCase> cases = {
        {"plain", "[Preference]\r\nSound=Y\r\n", "Preference", "Sound", "Y"},
        {"section and key ignore case", "[PREFERENCE]\r\nsOuNd=Y\r\n", "preference", "SOUND", "Y"},
        {"first key wins", "[P]\r\nk=first\r\nK=second\r\n", "P", "k", "first"},
        {"only the first of two same sections counts", "[P]\r\na=1\r\n[p]\r\nk=2\r\n", "P", "k", "default"},
        {"key of the first same section", "[P]\r\nk=1\r\n[p]\r\nk=2\r\n", "p", "k", "1"},
        {"missing key", "[P]\r\na=1\r\n", "P", "k", "default"},
        {"missing section", "[Q]\r\nk=1\r\n", "P", "k", "default"},
        {"key of the next section does not leak back", "[P]\r\na=1\r\n[Q]\r\nk=2\r\n", "P", "k", "default"},
        {"key before any section", "k=1\r\n[P]\r\na=2\r\n", "P", "k", "default"},
        {"blanks around key and value", "[P]\r\n \t k \t= \t v w \t\r\n", "P", "k", "v w"},
        {"blanks around the section name", "[ P ]\r\nk=1\r\n", "P", "k", "1"},
        {"blanks before the header", "  [P]\r\nk=1\r\n", "P", "k", "1"},
        {"header without closing bracket", "[P\r\nk=1\r\n", "P", "k", "1"},
        {"text after the header", "[P] ; note\r\nk=1\r\n", "P", "k", "1"},
        {"equals sign inside the value", "[P]\r\nk=a=b\r\n", "P", "k", "a=b"},
        {"empty value is a value", "[P]\r\nk=\r\n", "P", "k", ""},
        {"line without equals sign is no key", "[P]\r\nk\r\nk=2\r\n", "P", "k", "2"},
        {"comment line is not the key", "[P]\r\n;k=1\r\nk=2\r\n", "P", "k", "2"},
        {"key that only begins the same", "[P]\r\nkk=1\r\nk=2\r\n", "P", "k", "2"},
        {"LF line ends", "[P]\na=1\nk=2\n", "P", "k", "2"},
        {"CR line ends", "[P]\ra=1\rk=2\r", "P", "k", "2"},
        {"mixed line ends", "[P]\ra=1\nk=2\r\nz=3", "P", "k", "2"},
        {"no final line break", "[P]\r\nk=2", "P", "k", "2"},
        {"NUL bytes in the value", std::string("[P]\r\nk=a\0b\r\n", 11), "P", "k", std::string("a\0b", 3)},
        {"NUL bytes before the section", std::string("\0\0\r\n[P]\r\nk=1\r\n", 13), "P", "k", "1"},
        {"bytes that are not UTF-8", "[P]\r\nk=\xff\xfe\x80\r\n", "P", "k", "\xff\xfe\x80"},
        {"a line of 100000 characters", "[P]\r\nk=" + longValue + "\r\nz=1\r\n", "P", "k", longValue},
        {"long line before the key", "[P]\r\nx=" + longValue + "\r\nk=1", "P", "k", "1"},
        {"byte-order mark before the first header", "\xEF\xBB\xBF[P]\r\nk=1\r\n", "P", "k", "1"},
        {"empty file", "", "P", "k", "default"},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "Cfg.dat", c.content);
        EXPECT_EQ(IniFile::ReadString(dir / "Cfg.dat", c.section, c.key, "default"), c.expected);
    }
}

TEST(IniFileRead, MissingOrUnreadableFileGivesTheDefault) {
    TempFolder dir;
    EXPECT_EQ(IniFile::ReadString(dir / "none.dat", "P", "k", "d"), "d");
    EXPECT_EQ(IniFile::ReadInteger(dir / "none.dat", "P", "k", 7), 7);
    EXPECT_EQ(IniFile::ReadString(dir / "no/such/folder/Cfg.dat", "P", "k", "d"), "d");
    // A folder where the file should be.
    EXPECT_EQ(IniFile::ReadString(dir.Path(), "P", "k", "d"), "d");
    EXPECT_TRUE(IniFile::ReadSection(dir / "none.dat", "P").empty());
    EXPECT_TRUE(IniFile::SectionNames(dir / "none.dat").empty());
}

TEST(IniFileRead, IntegersAreDecimalNumbersOrTheDefault) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"0", 0},
        {"-0", 0},
        {" 42 ", 42},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", -99},
        {"-2147483649", -99},
        {"99999999999999999999999", -99},
        {"", -99},
        {"-", -99},
        {"+", -99},
        {"+-5", -99},
        {"--5", -99},
        {"12abc", -99},
        {"abc", -99},
        {"1 2", -99},
        {"0x10", -99},
        {"1.5", -99},
        {"\xd9\xa3", -99}, // an Arabic-Indic digit is not a decimal digit here
    };
    TempFolder dir;
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        WriteBytes(dir / "Cfg.dat", "[P]\r\nn=" + text + "\r\n");
        EXPECT_EQ(IniFile::ReadInteger(dir / "Cfg.dat", "P", "n", -99), expected);
    }
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

TEST(IniFileWrite, ChangesOnlyWhatTheWriteNeeds) {
    const std::string rich = "; Quillon settings\r\n"
                             "\r\n"
                             "[PREFerence]\r\n"
                             "  Sound = Y  \r\n"
                             "; keep me\r\n"
                             "Size=M\r\n"
                             "\r\n"
                             "[Unknown Section]\r\n"
                             "whatever = \xff\xfe\r\n"
                             "\r\n"
                             "[Users]\r\n"
                             "Current=Ann\r\n";
    const std::vector<WriteCase> cases = {
        {"value replaced, the rest kept byte for byte", rich, "preference", "SOUND", "N",
         "; Quillon settings\r\n\r\n[PREFerence]\r\n  Sound = N\r\n; keep me\r\nSize=M\r\n\r\n"
         "[Unknown Section]\r\nwhatever = \xff\xfe\r\n\r\n[Users]\r\nCurrent=Ann\r\n"},
        {"new key after the section's last line, before the blank line", rich, "Preference", "Back", "3",
         "; Quillon settings\r\n\r\n[PREFerence]\r\n  Sound = Y  \r\n; keep me\r\nSize=M\r\nBack=3\r\n\r\n"
         "[Unknown Section]\r\nwhatever = \xff\xfe\r\n\r\n[Users]\r\nCurrent=Ann\r\n"},
        {"new key in the last section", rich, "users", "Count", "1",
         "; Quillon settings\r\n\r\n[PREFerence]\r\n  Sound = Y  \r\n; keep me\r\nSize=M\r\n\r\n"
         "[Unknown Section]\r\nwhatever = \xff\xfe\r\n\r\n[Users]\r\nCurrent=Ann\r\nCount=1\r\n"},
        {"new section at the end", rich, "Settings", "Left", "10", rich + "[Settings]\r\nLeft=10\r\n"},
        {"same value: nothing changes", rich, "Users", "current", "Ann", rich},
        {"empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[S]\nk=1\n", "s", "K", "2", "\xEF\xBB\xBF[S]\nk=2\n"},
        {"no final line break, key added", "[S]\r\na=1", "S", "k", "v", "[S]\r\na=1\r\nk=v"},
        {"no final line break, section added", "[S]\r\na=1", "T", "k", "v", "[S]\r\na=1\r\n[T]\r\nk=v\r\n"},
        {"no final line break, value replaced", "[S]\r\nk=old", "S", "k", "v", "[S]\r\nk=v"},
        {"header is the last line", "[S]", "S", "k", "v", "[S]\r\nk=v"},
        {"LF file keeps LF", "[S]\na=1\n", "S", "k", "v", "[S]\na=1\nk=v\n"},
        {"CR file keeps CR", "[S]\ra=1\r", "T", "k", "v", "[S]\ra=1\r[T]\rk=v\r"},
        {"mixed line ends kept", "[S]\ra=1\r\nb=2\n", "S", "a", "9", "[S]\ra=9\r\nb=2\n"},
        {"first of two same keys replaced", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "3", "[S]\r\nk=3\r\nk=2\r\n"},
        {"first of two same sections gets the new key", "[S]\r\na=1\r\n\r\n[s]\r\nk=2\r\n", "S", "k", "3",
         "[S]\r\na=1\r\nk=3\r\n\r\n[s]\r\nk=2\r\n"},
        {"empty value", "[S]\r\nk=1\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
        {"NUL bytes around", std::string("[S]\r\n\0=\0\r\nk=1\r\n", 14), "S", "k", std::string("\0", 1),
         std::string("[S]\r\n\0=\0\r\nk=\0\r\n", 14)},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "Cfg.dat", c.before);
        EXPECT_TRUE(IniFile::WriteString(dir / "Cfg.dat", c.section, c.key, c.value));
        EXPECT_EQ(ReadBytes(dir / "Cfg.dat"), c.after);
        EXPECT_EQ(IniFile::ReadString(dir / "Cfg.dat", c.section, c.key, "?"), c.value);
    }
    // No temporary file is left behind.
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Cfg.dat"});
}

TEST(IniFileWrite, FirstWriteCreatesTheFile) {
    TempFolder dir;
    ASSERT_TRUE(IniFile::WriteInteger(dir / "Cfg.dat", "Settings", "Left", -20));
    ASSERT_TRUE(IniFile::WriteString(dir / "Cfg.dat", "Preference", "Sound", "N"));
    ASSERT_TRUE(IniFile::WriteInteger(dir / "Cfg.dat", "settings", "TOP", 5));
    EXPECT_EQ(ReadBytes(dir / "Cfg.dat"), "[Settings]\r\nLeft=-20\r\nTOP=5\r\n[Preference]\r\nSound=N\r\n");
    EXPECT_EQ(IniFile::ReadInteger(dir / "Cfg.dat", "SETTINGS", "left", 0), -20);
}

TEST(IniFileWrite, ValuesReadBackAsWritten) {
    const std::vector<std::string> values = {"",
                                             "Y",
                                             "a=b=c",
                                             "[not a section]",
                                             "; not a comment",
                                             std::string("nul\0inside", 10),
                                             "\xc3\xa8\xff\x01",
                                             std::string(100000, 'x'),
                                             "00042"};
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    WriteBytes(path, "[Other]\nk=other\n");
    for (size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(IniFile::WriteString(path, "S", "k", values[i]));
        EXPECT_EQ(IniFile::ReadString(path, "S", "k", "?"), values[i]);
        EXPECT_EQ(IniFile::ReadString(path, "Other", "k", "?"), "other");
    }
}

TEST(IniFileWrite, RefusesNamesAndValuesThatWouldNotReadBack) {
    struct Bad {
        const char* name;
        std::string section, key, value;
    };
    const std::vector<Bad> cases = {
        {"line break in the value", "S", "k", "a\r\n[Evil]\r\nx=1"},
        {"lone LF in the value", "S", "k", "a\nb"},
        {"lone CR in the value", "S", "k", "a\rb"},
        {"line break in the key", "S", "k\nx", "v"},
        {"line break in the section", "S\r\nk", "k", "v"},
        {"equals sign in the key", "S", "a=b", "v"},
        {"empty key", "S", "", "v"},
        {"blank key", "S", "  ", "v"},
        {"key looking like a header", "S", "[T]", "v"},
        {"closing bracket in the section", "S]x", "k", "v"},
    };
    TempFolder dir;
    const std::string before = "[S]\r\nk=1\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "Cfg.dat", before);
        EXPECT_FALSE(IniFile::WriteString(dir / "Cfg.dat", c.section, c.key, c.value));
        EXPECT_EQ(ReadBytes(dir / "Cfg.dat"), before);
    }
}

TEST(IniFileWrite, FailureLeavesTheOldFileWhole) {
    TempFolder dir;
    // The folder is missing: nothing is created.
    EXPECT_FALSE(IniFile::WriteString(dir / "missing/Cfg.dat", "S", "k", "v"));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{});

    // A folder stands where the file should be.
    ::mkdir((dir / "Cfg.dat").c_str(), 0755);
    EXPECT_FALSE(IniFile::WriteString(dir / "Cfg.dat", "S", "k", "v"));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Cfg.dat"});

    // No temporary file can be made beside the file (its name would be too long), which stops
    // even the superuser: the old file stays as it was.
    std::string deep = dir.DeepFolder(4090);
    ASSERT_EQ(deep.size(), 4090u);
    const std::string path = deep + "c";
    const std::string before = "[S]\r\nk=1\r\n";
    WriteBytes(path, before);
    ASSERT_EQ(ReadBytes(path), before);
    EXPECT_FALSE(IniFile::WriteString(path, "S", "k", "2"));
    EXPECT_FALSE(IniFile::WriteString(path, "T", "k", "2"));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(IniFile::ReadString(path, "S", "k", "?"), "1");
}

TEST(IniFileRead, SectionsAndTheirKeys) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    WriteBytes(path, "x=0\r\n[Users]\r\nName1=Ann\r\n; c\r\nNAME1=dup\r\n name2 = Bob \r\n\r\n"
                     "[Show_Messages]\r\nMsg=N\r\n[users]\r\nName3=late\r\n");
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(IniFile::ReadSection(path, "USERS"), (Pairs{{"Name1", "Ann"}, {"name2", "Bob"}}));
    EXPECT_EQ(IniFile::ReadSection(path, "Show_Messages"), (Pairs{{"Msg", "N"}}));
    EXPECT_TRUE(IniFile::ReadSection(path, "None").empty());
    EXPECT_EQ(IniFile::SectionNames(path), (std::vector<std::string>{"Users", "Show_Messages"}));
}

} // namespace
} // namespace quillon
