#pragma once
// One window test's own installation: a private program folder holding copies of the built
// program's files the test asks for, and a private, empty application-data folder that
// XDG_DATA_HOME names while the test runs. Nothing touches the built program folder, and no test
// sees another's configuration, statistics or players.

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace quillon::testing {

// The program folder the build made (GAMES.DAT, SOL.RGF, plus/, help/ ...), with a final "/".
inline std::string BuiltProgramFolder() {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    if (!dir || !*dir)
        return std::string();
    std::string folder = dir;
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

class PrivateInstallation {
public:
    PrivateInstallation() {
        const char* old = std::getenv("XDG_DATA_HOME");
        hadXdg_ = old != nullptr;
        oldXdg_ = old ? old : "";
        ::setenv("XDG_DATA_HOME", (data.path() + "share").c_str(), 1);
    }
    ~PrivateInstallation() {
        if (hadXdg_)
            ::setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }
    PrivateInstallation(const PrivateInstallation&) = delete;
    PrivateInstallation& operator=(const PrivateInstallation&) = delete;

    // Copies a built file or folder ("help", "plus/soladd.rgf") into the private program folder,
    // making the folders on its way.
    void Provide(const std::string& name) const {
        const std::string from = BuiltProgramFolder();
        if (from.empty()) {
            ADD_FAILURE() << "the tests need the built program folder (QUILLON_PROGRAM_DIR)";
            return;
        }
        const std::filesystem::path to = program.path() + name;
        std::filesystem::create_directories(to.parent_path());
        std::filesystem::copy(from + name, to, std::filesystem::copy_options::recursive);
    }
    void Provide(std::initializer_list<const char*> names) const {
        for (const char* name : names)
            Provide(std::string(name));
    }

    TempFolder program, data;

private:
    std::string oldXdg_;
    bool hadXdg_ = false;
};

} // namespace quillon::testing
