// quillon-cli: the headless companion of the program. It uses the same code as the program to
// deal games, list moves, lay out tables and check the catalogue, and prints plain text.

#include "app/CliCommand.h"

#include <iostream>
#include <ostream>
#include <string>

namespace quillon::cli {

std::map<std::string, CommandInfo>& Commands() {
    static std::map<std::string, CommandInfo> commands;
    return commands;
}

} // namespace quillon::cli

#ifndef QUILLON_VERSION
#define QUILLON_VERSION "3.2"
#endif

static void PrintUsage(std::ostream& out) {
    out << "usage: quillon-cli COMMAND ARGS...\n"
           "       quillon-cli --help | --version\n"
           "The headless companion of Quillon 2003: deals, moves, layouts and solutions of its games.\n"
           "Commands:\n";
    for (const auto& [name, info] : quillon::cli::Commands())
        out << "  " << name << " " << info.usage << "\n";
}

static int Usage() {
    PrintUsage(std::cerr);
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        PrintUsage(std::cout);
        return 0;
    }
    if (first == "--version") {
        std::cout << "quillon-cli " QUILLON_VERSION "\n";
        return 0;
    }
    auto& commands = quillon::cli::Commands();
    auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::cerr << "quillon-cli: unknown command '" << argv[1] << "'\n";
        return Usage();
    }
    return it->second.run(std::vector<std::string>(argv + 2, argv + argc));
}
