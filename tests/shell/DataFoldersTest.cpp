#include "shell/DataFolders.h"

#include "common/TempFolder.h"
#include "platform/Desktop.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

struct Fixture : ::testing::Test {
    TempFolder program;
    TempFolder home;
    ScopedEnv xdg{"XDG_DATA_HOME", nullptr};
    ScopedEnv homeEnv{"HOME", nullptr};
    RecordingDesktop desktop;
    Fixture() {
        ::setenv("XDG_DATA_HOME", (home.path() + "share").c_str(), 1);
        ::setenv("HOME", home.path().c_str(), 1);
    }
};

using ResolveDataFolderTest = Fixture;

TEST_F(ResolveDataFolderTest, FirstRunWritesTheDefaultMarker) {
    EXPECT_EQ(ResolveDataFolder(program.path(), desktop), home.path() + "share/Quillon/");
    EXPECT_EQ(program.Read("sol_fold.dat"), "[Default Data Folder]\r\n");
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(ResolveDataFolderTest, AnOldDataFolderBesideTheProgramIsKept) {
    program.Write("data/cfg.dat", "[Preference]\r\n");
    EXPECT_EQ(ResolveDataFolder(program.path(), desktop), program.path() + "data/");
    EXPECT_EQ(program.Read("sol_fold.dat"), program.path() + "data/\r\n");
}

TEST_F(ResolveDataFolderTest, PointerFileContents) {
    struct Case {
        const char* content;
        std::string expected;
    } cases[] = {
        {"/srv/games/quillon\r\n", "/srv/games/quillon/"},
        {"/srv/games/quillon/   \n", "/srv/games/quillon/"},
        {"/srv/q/\rsecond line\r", "/srv/q/"},
        {"[Default Data Folder] anything", home.path() + "share/Quillon/"},
        {"", home.path() + "share/Quillon/"},
        {"   \r\n", home.path() + "share/Quillon/"},
    };
    for (const auto& c : cases) {
        program.Write("sol_fold.dat", c.content);
        EXPECT_EQ(ResolveDataFolder(program.path(), desktop), c.expected) << c.content;
    }
}

TEST_F(ResolveDataFolderTest, PointerFileNameIgnoresCase) {
    program.Write("SOL_FOLD.DAT", "/somewhere/else\r\n");
    EXPECT_EQ(ResolveDataFolder(program.path(), desktop), "/somewhere/else/");
}

TEST_F(ResolveDataFolderTest, UnsavablePointerFileIsReportedAndTheDefaultUsed) {
    std::string missing = program.path() + "no/such/folder/";
    EXPECT_EQ(ResolveDataFolder(missing, desktop), home.path() + "share/Quillon/");
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              "Error saving the file: " + missing + "sol_fold.dat\nNote: In Windows XP, only the User "
              "designated as \"Administrator\" has the right to save this file.");
}

TEST_F(ResolveDataFolderTest, WithoutAnyHomeTheProgramFolderHoldsTheData) {
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("HOME");
    EXPECT_EQ(DefaultDataFolder(program.path()), program.path() + "Data/");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DefaultDataFolder(program.path()), "/home/someone/.local/share/Quillon/");
}

TEST_F(ResolveDataFolderTest, DataFolderIsCreatedWithItsParents) {
    std::string folder = home.path() + "a/b/c/";
    EnsureDataFolder(folder);
    EXPECT_TRUE(FolderExists(folder));
    EnsureDataFolder(folder); // already there: nothing happens
    EnsureDataFolder("/proc/no-such/quillon/"); // cannot be made: ignored
}

} // namespace
} // namespace quillon
