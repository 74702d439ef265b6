// The help pages made from the game sources: the contents page groups every game under its family
// and links its rules page; the pages the build put into the program folder cover every game
// source and every link leads to a page that is there.

#include "HelpPages.h"
#include "GamesDatCompiler.h"

#include "platform/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

namespace quillon::gamesdat {
namespace {

GameSource Game(int number, const std::string& name, int group) {
    GameSource g;
    g.number = number;
    g.name = name;
    g.group = group;
    return g;
}

TEST(HelpPages, ContentsListsEachGameUnderItsFamilyWithItsRulesLink) {
    const std::vector<GameSource> games = {Game(103, "FreeCell", 4), Game(101, "Klondike", 5),
                                           Game(150, "Baker's <Game>", 12), Game(102, "Agnes & Co", 5),
                                           Game(400, "Odd One", 999)};
    const std::set<std::string> pages = {"rules/3101.html", "rules/3102.html", "rules/3103.html",
                                         "rules/3150.html"};
    const std::string page = ContentsPage(games, pages);
    auto at = [&](const std::string& text) {
        const size_t p = page.find(text);
        EXPECT_NE(p, std::string::npos) << text;
        return p;
    };
    // Families by name, "Other games" last; inside a family the games by name.
    const size_t bakers = at("<h2>Baker's Dozen type</h2>"), freecell = at("<h2>FreeCell type</h2>"),
                 klondike = at("<h2>Klondike type</h2>"), other = at("<h2>Other games</h2>");
    EXPECT_LT(bakers, freecell);
    EXPECT_LT(freecell, klondike);
    EXPECT_LT(klondike, other);
    const size_t agnes = at("<li><a href=\"rules/3102.html\">Agnes &amp; Co</a></li>"),
                 klondikeGame = at("<li><a href=\"rules/3101.html\">Klondike</a></li>");
    EXPECT_GT(agnes, klondike);
    EXPECT_LT(agnes, klondikeGame);
    EXPECT_LT(klondikeGame, other);
    EXPECT_GT(at("<a href=\"rules/3150.html\">Baker's &lt;Game&gt;</a>"), bakers);
    EXPECT_GT(at("<li>Odd One</li>"), other) << "no rules page: listed without a link";
    EXPECT_EQ(page.find("rules/3400.html"), std::string::npos);
    at("<a href=\"howtoplay.html\">");
    EXPECT_EQ(FamilyName(16), "Memory games type");
    EXPECT_EQ(FamilyName(1), "");
    EXPECT_EQ(RulesPageName(87), "rules/3087.html");
}

TEST(HelpPages, HowToPlayCoversTheWaysToPlay) {
    const std::string page = HowToPlayPage({Game(101, "Klondike", 5), Game(103, "FreeCell", 4)});
    for (const char* topic : {"drag", "stock", "double click", "Autoplay", "F7", "F2", "F1", "Ctrl+F12",
                              "Ctrl+U", "2 patience games", "href=\"contents.html\""})
        EXPECT_NE(page.find(topic), std::string::npos) << topic;
}

TEST(HelpPages, TheBuiltContentsLinksEveryGameToAPageThatExists) {
    const char* programDir = std::getenv("QUILLON_PROGRAM_DIR");
    ASSERT_NE(programDir, nullptr);
    const std::string help = WithSlash(programDir) + "help/";
    const auto contents = ReadWholeFile(help + "contents.html");
    ASSERT_TRUE(contents);
    std::set<std::string> links;
    const std::regex href("href=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(contents->begin(), contents->end(), href);
         it != std::sregex_iterator(); ++it)
        links.insert((*it)[1]);
    for (const std::string& link : links)
        EXPECT_TRUE(FileExists(help + link)) << link;
    int games = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLON_GAMES_SOURCE_DIR)) {
        if (entry.path().extension() != ".toml")
            continue;
        std::vector<CompileError> errors;
        auto game = ParseGameSource(*ReadWholeFile(entry.path().string()), entry.path().string(), errors);
        ASSERT_TRUE(game) << entry.path();
        ++games;
        EXPECT_TRUE(links.count(RulesPageName(game->number)))
            << game->name << " is missing from the contents";
        EXPECT_NE(contents->find(">" + HtmlEscaped(game->name) + "<"), std::string::npos) << game->name;
    }
    EXPECT_GT(games, 0);
    EXPECT_TRUE(links.count("howtoplay.html"));
}

} // namespace
} // namespace quillon::gamesdat
