#pragma once
// Subcommands of quillon-cli register themselves here, one file each (cli_<name>.cpp).

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quillon::cli {

// Runs a subcommand with its arguments (the words after its name); returns the exit status.
using Command = std::function<int(const std::vector<std::string>& args)>;

struct CommandInfo {
    Command run;
    std::string usage;
};

std::map<std::string, CommandInfo>& Commands();

struct Register {
    Register(const std::string& name, const std::string& usage, Command run) {
        Commands()[name] = {std::move(run), usage};
    }
};

} // namespace quillon::cli
