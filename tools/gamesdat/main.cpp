// gamesdat: compiles the game sources into the game-definition file, or dumps a definition file
// back to game sources.
//   gamesdat compile OUT.DAT FILE.toml...
//   gamesdat dump GAMES.DAT [NUMBER]
//   gamesdat hints OUT.DAT FILE.toml...   (the pile hint file "solr.dat")
//   gamesdat help HELPDIR FILE.toml...   (contents.html and howtoplay.html into HELPDIR)

#include "GamesDatCompiler.h"
#include "HelpPages.h"
#include "HintFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

using namespace quillon::gamesdat;

static int Usage() {
    std::cerr << "usage: gamesdat compile OUT.DAT FILE.toml...\n       gamesdat dump GAMES.DAT [NUMBER]\n"
                 "       gamesdat hints OUT.DAT FILE.toml...\n       gamesdat help HELPDIR FILE.toml...\n";
    return 2;
}

// Reads and parses the game sources; false (with every fault told) when one cannot be read or
// parsed, or, with `whole` set, when the games do not form a sound catalogue together.
static bool ReadGames(const std::vector<std::string>& files, bool whole, std::vector<GameSource>& games) {
    std::vector<CompileError> errors;
    for (const auto& f : files) {
        auto text = quillon::ReadWholeFile(f);
        if (!text) {
            errors.push_back({f, "file", "cannot be read"});
            continue;
        }
        if (auto g = ParseGameSource(*text, f, errors))
            games.push_back(std::move(*g));
    }
    if (whole)
        ValidateCatalogue(games, errors);
    for (const auto& e : errors)
        std::cerr << "gamesdat: " << e.Text() << "\n";
    return errors.empty();
}

static int Compile(const std::string& out, const std::vector<std::string>& files, bool hints = false) {
    std::vector<GameSource> games;
    if (!ReadGames(files, true, games))
        return 1;
    if (!quillon::WriteFileAtomic(out, hints ? WriteHintFile(games) : WriteGamesDat(games))) {
        std::cerr << "gamesdat: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}

// The help pages of the games: the rules pages that exist in HELPDIR/rules are linked.
static int Help(const std::string& folder, const std::vector<std::string>& files) {
    std::vector<GameSource> games;
    if (!ReadGames(files, false, games))
        return 1;
    std::set<std::string> pages;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/rules", ec))
        pages.insert("rules/" + entry.path().filename().string());
    const std::string dir = quillon::WithSlash(folder);
    if (!quillon::WriteFileAtomic(dir + "contents.html", ContentsPage(games, pages)) ||
        !quillon::WriteFileAtomic(dir + "howtoplay.html", HowToPlayPage(games))) {
        std::cerr << "gamesdat: cannot write the help pages into " << folder << "\n";
        return 1;
    }
    return 0;
}

static int Dump(const std::string& path, int only) {
    auto text = quillon::ReadWholeFile(path);
    if (!text) {
        std::cerr << "gamesdat: cannot read " << path << "\n";
        return 1;
    }
    std::vector<CompileError> errors;
    auto games = ReadGamesDatText(*text, errors);
    for (const auto& e : errors)
        std::cerr << "gamesdat: " << e.Text() << "\n";
    bool first = true;
    for (const auto& g : games) {
        if (only >= 0 && g.number != only)
            continue;
        if (!first)
            std::cout << "\n# ----------------------------------------------------------------\n\n";
        first = false;
        std::cout << ToToml(g);
    }
    return errors.empty() ? 0 : 1;
}

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2) {
        // compile, hints and help: an output and the game sources.
        const std::vector<std::string> sources(args.begin() + 2, args.end());
        if (args[0] == "compile" || args[0] == "hints")
            return Compile(args[1], sources, args[0] == "hints");
        if (args[0] == "help")
            return Help(args[1], sources);
    }
    if ((args.size() == 2 || args.size() == 3) && args[0] == "dump") {
        int only = -1;
        if (args.size() == 3) {
            try {
                only = std::stoi(args[2]);
            } catch (...) {
                return Usage();
            }
        }
        return Dump(args[1], only);
    }
    return Usage();
}
