#pragma once
// Runs the built quillon-cli as a player or game designer would, and captures what it prints.

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <utility>

namespace quillon {

// Runs quillon-cli from the program folder; returns its output and exit status.
inline std::pair<std::string, int> Cli(const std::string& args, const std::string& programDir = "") {
    // The program folder is the one beside the tool unless the test names its own.
    std::string cmd = (programDir.empty() ? "" : "QUILLON_PROGRAM_DIR=" + programDir + " ") +
                      std::string(QUILLON_CLI_PATH) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return {"", -1};
    std::string out;
    char buf[256];
    while (fgets(buf, sizeof buf, p))
        out += buf;
    int status = pclose(p);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

} // namespace quillon
