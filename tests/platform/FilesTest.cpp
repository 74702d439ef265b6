#include "platform/Clock.h"
#include "platform/Files.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quillon {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

TEST(FindNoCase, FindsNamesWrittenInAnyCase) {
    TempFolder t;
    t.Write("GAMES.DAT", "x");
    t.Write("Plus/SolAdd.rgf", "y");
    EXPECT_EQ(FindNoCase(t.path(), "games.dat"), t / "GAMES.DAT");
    EXPECT_EQ(FindNoCase(t.path(), "GAMES.DAT"), t / "GAMES.DAT");
    EXPECT_EQ(FindNoCase(t.path(), "plus/soladd.rgf"), t / "Plus/SolAdd.rgf");
    // Nothing matches: the name comes back as asked, so a write creates it under that spelling.
    EXPECT_EQ(FindNoCase(t.path(), "plus/missing.rgf"), t / "plus/missing.rgf");
    EXPECT_EQ(FindNoCase(t.path(), "nofolder/x"), t / "nofolder/x");
    EXPECT_EQ(FindNoCase(t.path() + "gone/", "x"), t / "gone/x");
}

TEST(Folders, ExistenceAndSlashes) {
    TempFolder t;
    EXPECT_TRUE(FolderExists(t.path()));
    EXPECT_FALSE(FolderExists(t / "none"));
    EXPECT_FALSE(FolderExists(""));
    t.Write("file", "");
    EXPECT_FALSE(FolderExists(t / "file")) << "a file is no folder";
    EXPECT_TRUE(FileExists(t / "file"));
    EXPECT_FALSE(FileExists(t.path())) << "a folder is no file";
    EXPECT_EQ(WithSlash("/a"), "/a/");
    EXPECT_EQ(WithSlash("/a/"), "/a/");
    EXPECT_EQ(WithSlash(""), "");
    EXPECT_EQ(FolderOf("/a/b/c.dat"), "/a/b/");
    EXPECT_EQ(FolderOf("c.dat"), "");
    DeleteFileIfAny(t / "file");
    EXPECT_FALSE(FileExists(t / "file"));
    DeleteFileIfAny(t / "file"); // a second time: no failure
}

TEST(ApplicationDataFolder, FollowsTheDesktopConventions) {
    {
        ScopedEnv x("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(ApplicationDataFolder(), "/data/home/");
    }
    {
        ScopedEnv x("XDG_DATA_HOME", "relative/path"); // not absolute: ignored
        ScopedEnv h("HOME", "/home/p");
        EXPECT_EQ(ApplicationDataFolder(), "/home/p/.local/share/");
    }
    {
        ScopedEnv x("XDG_DATA_HOME", nullptr);
        ScopedEnv h("HOME", nullptr);
        EXPECT_EQ(ApplicationDataFolder(), "");
    }
}

TEST(TempFiles, AreUniqueAndLieInTheAskedFolder) {
    TempFolder t;
    auto a = MakeTempFile(t.path(), "rpl");
    auto b = MakeTempFile(t.path(), "rpl");
    ASSERT_TRUE(a && b);
    EXPECT_NE(*a, *b);
    EXPECT_EQ(FolderOf(*a), t.path());
    EXPECT_EQ(a->substr(t.path().size(), 3), "rpl");
    EXPECT_TRUE(FileExists(*a));
    EXPECT_FALSE(MakeTempFile(t / "missing", "rpl"));
}

TEST(WriteFileAtomic, ReplacesWholeOrNotAtAll) {
    TempFolder t;
    t.Write("cfg", "old");
    ::chmod((t / "cfg").c_str(), 0600);
    EXPECT_TRUE(WriteFileAtomic(t / "cfg", std::string("new\0data", 8)));
    EXPECT_EQ(t.Read("cfg"), std::string("new\0data", 8));
    struct stat st {};
    ::stat((t / "cfg").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "the replaced file keeps its permissions";
    // The target is a folder holding a file: the rename fails for everyone, root included.
    t.Write("dir/inside", "keep");
    EXPECT_FALSE(WriteFileAtomic(t / "dir", "x"));
    EXPECT_EQ(t.Read("dir/inside"), "keep");
    EXPECT_FALSE(WriteFileAtomic(t / "missing/cfg", "x"));
    // No temporary file is left behind by the failures.
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(t.path()))
        ++entries;
    EXPECT_EQ(entries, 2);
}

TEST(ReadWholeFile, MissingGivesNothing) {
    TempFolder t;
    EXPECT_FALSE(ReadWholeFile(t / "none"));
    t.Write("f", std::string("a\0b\r\n", 5));
    EXPECT_EQ(*ReadWholeFile(t / "f"), std::string("a\0b\r\n", 5));
}

TEST(TickCount, DifferencesSurviveTheWrapAround) {
    EXPECT_EQ(TicksSince(0xFFFFFF00u, 0x00000010u), 0x110u);
    EXPECT_EQ(TicksSince(100u, 250u), 150u);
    std::uint32_t a = TickCount();
    std::uint32_t b = TickCount();
    EXPECT_LT(TicksSince(a, b), 1000u);
    std::int64_t first = HighResCounter();
    std::int64_t second = HighResCounter();
    EXPECT_LE(first, second);
}

} // namespace
} // namespace quillon
