#pragma once
// The help pages made from the game sources at build time: the contents page, which lists every
// game's rules page under its family, and the "How to play" page. A new game file appears in them
// with the next build.

#include "GamesDatCompiler.h"

#include <set>
#include <string>
#include <vector>

namespace quillon::gamesdat {

// The family a group code stands for in the game tree ("Klondike type"); "" for a code without one.
std::string FamilyName(int group);
// The file of a game's rules page, relative to the help folder: "rules/3101.html".
std::string RulesPageName(int number);
// Text with &, <, > and " written as HTML entities.
std::string HtmlEscaped(const std::string& text);

// The contents page. `rulesPages` holds the rules page files that exist (as RulesPageName gives
// them); a game without one is listed without a link.
std::string ContentsPage(const std::vector<GameSource>& games, const std::set<std::string>& rulesPages);
// The "How to play" page: dragging, the stock, double clicks, autoplay and the keyboard.
std::string HowToPlayPage(const std::vector<GameSource>& games);

} // namespace quillon::gamesdat
