#pragma once
// What the quillon-cli subcommands share: the program folder and loading a game from it.

#include <string>

namespace quillon {
class Session;
}

namespace quillon::cli {

// The program folder the tool reads GAMES.DAT from: $QUILLON_PROGRAM_DIR when set (tests and
// game designers point it at a build), else the folder of the executable.
std::string CliProgramFolder();

// Prepares a session the way the program does (program folder, the engine's rules installed).
void PrepareSession(Session& s);

// Parses GAME (a number) and CODE (13 digits), loads the game and deals it. On failure prints one
// line "quillon-cli COMMAND: reason" and returns false.
bool DealFromArgs(Session& s, const std::string& command, const std::string& game, const std::string& code);

// Parses a non-negative decimal argument; prints the reason and returns false when it is not one.
bool ParseNumberArg(const std::string& command, const std::string& what, const std::string& text, long long max,
                    long long& out);

} // namespace quillon::cli
