// The shared main of the test executables. It gives every test run the same surroundings, whether
// started by CTest or by hand: Qt without a display, SDL without a sound card, and a private home
// of its own, so that nothing reads or writes the real data folder and no test sees what another
// test process wrote (CTest runs them in parallel). Child programs a test starts inherit the home.

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string& PrivateHome() {
    static std::string home;
    return home;
}

void RemovePrivateHome() {
    if (PrivateHome().empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(PrivateHome(), ec);
    PrivateHome().clear();
}

// A fresh folder in the temporary folder, made with mkdtemp so that parallel runs never share it.
std::string MakePrivateHome() {
    std::error_code ec;
    std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (ec)
        tmp = "/tmp";
    std::string templ = (tmp / "quillon-test-home-XXXXXX").string();
    if (!::mkdtemp(templ.data())) {
        std::perror("quillon tests: cannot make a private home");
        std::exit(2);
    }
    return templ;
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    PrivateHome() = MakePrivateHome();
    std::atexit(RemovePrivateHome);
    const std::string& home = PrivateHome();
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
#ifdef QUILLON_TEST_PROGRAM_DIR
    // Tests that need the built program folder (GAMES.DAT, SOL.RGF) read it from here.
    ::setenv("QUILLON_PROGRAM_DIR", QUILLON_TEST_PROGRAM_DIR, 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    RemovePrivateHome();
    return result;
}
