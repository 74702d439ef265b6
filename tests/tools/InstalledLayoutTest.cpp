// The program folder of an installed program: the executables in bin/, the games and pictures in
// share/quillon/. The tool, copied into such a tree, finds its games there, and prefers a
// GAMES.DAT beside itself (the build tree).

#include "CliRunner.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quillon {
namespace {

namespace fs = std::filesystem;

// The copied tool, without the variable that names a program folder for it.
std::pair<std::string, int> RunCopied(const std::string& exe, const std::string& args) {
    return RunShell("env -u QUILLON_PROGRAM_DIR " + exe + " " + args);
}

TEST(InstalledLayout, TheToolFindsItsGamesInTheSharedDataFolder) {
    testing::TempFolder prefix;
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/quillon");
    const std::string exe = prefix / "bin/quillon-cli";
    fs::copy_file(QUILLON_CLI_PATH, exe);
    const fs::path built = fs::path(QUILLON_CLI_PATH).parent_path();
    // Deliberately another spelling: the folder's files are found without regard to case.
    fs::copy_file(built / "GAMES.DAT", prefix / "share/quillon/games.dat");

    const auto [installed, status] = RunCopied(exe, "deal 87 0000000000000");
    EXPECT_EQ(status, 0) << installed;
    EXPECT_EQ(installed, Cli("deal 87 0000000000000").first);

    // Beside the executable wins: an empty GAMES.DAT there lists no games at all.
    testing::WriteBytes(prefix / "bin/GAMES.DAT", "");
    EXPECT_NE(RunCopied(exe, "deal 87 0000000000000").second, 0);

    const auto [version, versionStatus] = RunCopied(exe, "--version");
    EXPECT_EQ(versionStatus, 0);
    EXPECT_EQ(version.rfind("quillon-cli ", 0), 0u) << version;
}

} // namespace
} // namespace quillon
