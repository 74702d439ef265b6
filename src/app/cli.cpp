// quillon-cli: the headless companion of the program. It uses the same code as the program to
// deal games, list moves, lay out tables and check the catalogue, and prints plain text.

#include "app/CliCommand.h"

#include <iostream>

namespace quillon::cli {

std::map<std::string, CommandInfo>& Commands() {
    static std::map<std::string, CommandInfo> commands;
    return commands;
}

} // namespace quillon::cli

static int Usage() {
    std::cerr << "usage: quillon-cli COMMAND ARGS...\n";
    for (const auto& [name, info] : quillon::cli::Commands())
        std::cerr << "  " << name << " " << info.usage << "\n";
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    auto& commands = quillon::cli::Commands();
    auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::cerr << "quillon-cli: unknown command '" << argv[1] << "'\n";
        return Usage();
    }
    return it->second.run(std::vector<std::string>(argv + 2, argv + argc));
}
