// The pile hint texts of the game files and the hint file written from them: what the compiler
// refuses, and that every text reads back through the program's own key-file reader.

#include "HintFile.h"
#include "GamesDatCompiler.h"

#include "common/TempFolder.h"
#include "model/Scramble.h"
#include "platform/Files.h"
#include "platform/SectionedKeyFile.h"

#include <gtest/gtest.h>

namespace quillon::gamesdat {
namespace {

// A small game with seven tableau piles, four foundations and no reserve.
std::string Game(int number, const std::string& hints) {
    return "number = " + std::to_string(number) + R"toml(
name = "Hinted"
[deck]
cards = 52
[foundation]
count = 4
[tableau]
count = 7
deal = 1
face = 1
[hints]
)toml" + hints;
}

std::vector<CompileError> Errors(const std::string& toml) {
    std::vector<CompileError> errors;
    if (auto g = ParseGameSource(toml, "game.toml", errors))
        ValidateGame(*g, errors);
    return errors;
}

TEST(HintSources, EveryKindAndNumberedPileIsRead) {
    std::vector<CompileError> errors;
    auto g = ParseGameSource(Game(7, R"toml(
tableau = "Every pile [h]"
tableau_7 = "The last pile"
foundation_1 = "First home"
stock = "Click"
waste = "Top card"
)toml"),
                             "game.toml", errors);
    ASSERT_TRUE(g) << (errors.empty() ? "" : errors[0].Text());
    ValidateGame(*g, errors);
    EXPECT_TRUE(errors.empty()) << errors[0].Text();
    ASSERT_EQ(g->hints.size(), 5u);
    std::set<std::tuple<char, int, std::string>> read;
    for (const HintSource& h : g->hints)
        read.emplace(h.kind, h.pile, h.text);
    EXPECT_EQ(read, (std::set<std::tuple<char, int, std::string>>{{'T', 0, "Every pile [h]"},
                                                                  {'T', 7, "The last pile"},
                                                                  {'F', 1, "First home"},
                                                                  {'S', 0, "Click"},
                                                                  {'W', 0, "Top card"}}));
}

TEST(HintSources, RefusedHints) {
    struct Case {
        const char* hint;
        const char* field;
    };
    const Case cases[] = {
        {"tableau_8 = \"x\"", "hints.tableau_8"},      // beyond the game's seven piles
        {"tableau_0 = \"x\"", "hints.tableau_0"},      // piles count from 1
        {"reserve_1 = \"x\"", "hints.reserve_1"},      // the game has no reserve
        {"stock_1 = \"x\"", "hints.stock_1"},          // one stock, no numbers
        {"piles = \"x\"", "hints.piles"},              // no such kind
        {"tableau_x = \"x\"", "hints.tableau_x"},      // not a number
        {"tableau = 3", "hints.tableau"},              // not a text
        {"tableau = \"\"", "hints.tableau"},           // empty
        {"tableau = \"caf\\u00e9\"", "hints.tableau"}, // not printable ASCII
        {"tableau = \"a\\tb\"", "hints.tableau"},      // a control character
    };
    for (const Case& c : cases) {
        const auto errors = Errors(Game(7, std::string(c.hint) + "\n"));
        ASSERT_FALSE(errors.empty()) << c.hint;
        EXPECT_EQ(errors[0].field, c.field) << c.hint;
    }
    EXPECT_FALSE(Errors(Game(7, "tableau = \"" + std::string(201, 'x') + "\"\n")).empty()) << "too long";
    EXPECT_TRUE(Errors(Game(7, "tableau = \"" + std::string(200, 'x') + "\"\n")).empty());
    EXPECT_FALSE(Errors(Game(7, "").substr(0, Game(7, "").size() - 8) + "hints = 5\n").empty());
}

TEST(HintFile, WrittenEntriesReadBackThroughTheKeyFileReader) {
    std::vector<GameSource> games;
    for (const auto& [number, hints] : std::vector<std::pair<int, std::string>>{
             {101, "tableau = \"Build down [c][s] = alternating\"\ntableau_3 = \"Pile [three]\"\n"},
             {87, "waste = \"Waste ~ {curly} | 9 < 10\"\nstock = \"The stock\"\n"},
             {999, "foundation_4 = \"Nine nine nine\"\n"}}) {
        std::vector<CompileError> errors;
        auto g = ParseGameSource(Game(number, hints), "game.toml", errors);
        ASSERT_TRUE(g);
        games.push_back(*g);
    }
    testing::TempFolder folder;
    const std::string file = folder.path() + "/solr.dat";
    ASSERT_TRUE(WriteFileAtomic(file, WriteHintFile(games)));
    auto text = [&](int game, char kind, int pile) {
        const std::string key = HintEntryKey(HintEntryName(game, kind, pile));
        const KeyResult r = ReadKey(file, "Main", key, "");
        return r.found ? HintEntryText(key, r.value) : std::string("(none)");
    };
    EXPECT_EQ(text(101, 'T', 0), "Build down [c][s] = alternating");
    EXPECT_EQ(text(101, 'T', 3), "Pile [three]");
    EXPECT_EQ(text(87, 'W', 0), "Waste ~ {curly} | 9 < 10");
    EXPECT_EQ(text(87, 'S', 0), "The stock");
    EXPECT_EQ(text(999, 'F', 4), "Nine nine nine");
    EXPECT_EQ(text(101, 'T', 1), "(none)");
    EXPECT_EQ(text(87, 'T', 0), "(none)");
    EXPECT_EQ(SectionNames(file), std::vector<std::string>{"Main"});
    EXPECT_EQ(WriteHintFile({}), "[Main]\r\n\r\n") << "a catalogue without hints still gets its file";
}

} // namespace
} // namespace quillon::gamesdat
