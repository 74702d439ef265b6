#pragma once
// The pile hint texts a game file may carry in its [hints] table, and the hint file "solr.dat"
// written from them: section "Main", one scrambled entry per game and pile.
//
//   [hints]
//   tableau = "Build down by alternate colors; any card may fill a gap"   # every tableau pile
//   tableau_1 = "The first pile takes only kings"                          # tableau pile 1 alone
//   foundation = "..."   foundation_N, reserve, reserve_N, stock, waste
//
// Texts are printable ASCII and may hold the suit codes "[h]", "[d]", "[c]" and "[s]".

#include "GamesDatCompiler.h"

#include <toml++/toml.h>

namespace quillon::gamesdat {

// Reads the [hints] table of a game file into `g.hints`.
void ParseHints(const toml::node& node, GameSource& g, std::vector<CompileError>& errors);
// Checks the hints against the game's pile counts.
void ValidateHints(const GameSource& g, std::vector<CompileError>& errors);
// The hint file for the games: "[Main]" and the entries in game-number order.
std::string WriteHintFile(std::vector<GameSource> games);

} // namespace quillon::gamesdat
