#pragma once
// Runs the built quillon-cli as a player or game designer would, and captures what it prints.

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <utility>

namespace quillon {

// Runs a shell command; returns what it printed (both streams) and its exit status.
inline std::pair<std::string, int> RunShell(const std::string& command) {
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p)
        return {"", -1};
    std::string out;
    char buf[256];
    while (fgets(buf, sizeof buf, p))
        out += buf;
    int status = pclose(p);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Runs quillon-cli from the program folder; returns its output and exit status.
inline std::pair<std::string, int> Cli(const std::string& args, const std::string& programDir = "") {
    // The program folder is the one beside the tool unless the test names its own.
    return RunShell((programDir.empty() ? "" : "QUILLON_PROGRAM_DIR=" + programDir + " ") +
                    std::string(QUILLON_CLI_PATH) + " " + args);
}

} // namespace quillon
