// quillon-cli's solve and drags commands, as the script that plays the program by hand uses them:
// a winning list of drops for a deal, and where each card is pressed and let go on the table.

#include "CliRunner.h"
#include "common/TempFolder.h"

#include "model/Deal.h"
#include "model/DealArrangements.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace quillon {
namespace {

// Runs `drags` with the moves given on its standard input.
std::pair<std::string, int> Drags(const std::string& args, const std::string& moves) {
    // A file of this call's own: tests run in parallel, and a shared name let one test play
    // another's moves.
    testing::TempFolder folder;
    const std::string file = folder / "moves.txt";
    std::ofstream(file) << moves;
    return Cli("drags " + args + " < " + file);
}

// "Fila1 202 110" lines of the layout command, by pile name.
std::map<std::string, std::pair<int, int>> Places(const std::string& layout) {
    std::map<std::string, std::pair<int, int>> out;
    for (const std::string& l : SplitLines(layout)) {
        char name[32];
        int x = 0, y = 0;
        if (std::sscanf(l.c_str(), "%31s %d %d", name, &x, &y) == 3)
            out[name] = {x, y};
    }
    return out;
}

TEST(CliSolve, SlidingPuzzleIsSolvedInItsFewestMoves) {
    auto [out, status] = Cli("solve 87 0000000000003");
    ASSERT_EQ(status, 0) << out;
    const std::regex line(R"(\d{3} Fila[1-9])");
    const auto lines = SplitLines(out);
    for (const std::string& l : lines)
        EXPECT_TRUE(std::regex_match(l, line)) << l;
    // Searched breadth first: no shorter list wins this deal (a recorded win takes nine slides).
    EXPECT_EQ(lines.size(), 9u) << out;
    // Played back, the list wins.
    auto [drags, dragStatus] = Drags("87 0000000000003 B 1024 768 768 1024 768", out);
    ASSERT_EQ(dragStatus, 0) << drags;
    const auto points = SplitLines(drags);
    ASSERT_EQ(points.size(), 10u);
    EXPECT_EQ(points.back(), "won");
}

// The games of the built catalogue whose deal lays out a sliding puzzle.
std::vector<int> ShippedSlidingPuzzles() {
    Session list;
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    list.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
    EXPECT_TRUE(ReadGameList(list));
    std::vector<int> games;
    for (const std::string& line : list.Game.GameList) {
        const int number = std::atoi(line.substr(4, 3).c_str()); // characters 5-7
        Session s;
        s.ProgramFolder = list.ProgramFolder;
        std::string error;
        if (LoadAndDeal(s, number, "0000000000000", error) && IsSlidingPuzzle(s))
            games.push_back(number);
    }
    return games;
}

// Every shipped sliding puzzle as a player meets it: twenty boards dealt from fixed codes, each
// solved within a budget of positions (the same answer however loaded the machine is), and the
// list played back through the table's presses and releases to the won game.
TEST(CliSolve, EveryShippedSlidingPuzzleIsSolvedFromTwentyDeals) {
    const std::vector<int> games = ShippedSlidingPuzzles();
    ASSERT_FALSE(games.empty()) << "the default game is a sliding puzzle";
    std::uint64_t x = 0x2545F4914F6CDD1Dull;
    for (int game : games) {
        for (int n = 0; n < 20; ++n) {
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            std::string code = std::to_string(x % 10000000000000ull);
            code = std::string(13 - code.size(), '0') + code;
            const std::string deal = std::to_string(game) + " " + code;
            auto [out, status] = Cli("solve " + deal + " 30000");
            ASSERT_EQ(status, 0) << deal << ": " << out;
            auto [drags, dragStatus] = Drags(deal + " B 1024 768 768 1024 768", out);
            ASSERT_EQ(dragStatus, 0) << deal << ": " << drags;
            EXPECT_EQ(SplitLines(drags).size(), SplitLines(out).size() + 1) << deal;
            EXPECT_EQ(SplitLines(drags).back(), "won") << deal;
        }
    }
}

TEST(CliSolve, FreeCellDealIsWonByItsDrops) {
    auto [out, status] = Cli("solve 103 1517519135030");
    ASSERT_EQ(status, 0) << out;
    auto [drags, dragStatus] = Drags("103 1517519135030 B 1024 700 800 1280 1024", out);
    ASSERT_EQ(dragStatus, 0) << drags;
    EXPECT_EQ(SplitLines(drags).back(), "won");
    EXPECT_EQ(SplitLines(drags).size(), SplitLines(out).size() + 1);
}

TEST(CliSolve, GivesUpWhenTheBudgetRunsOut) {
    auto [out, status] = Cli("solve 103 1517519135030 1");
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("no win found within 1 positions (1 positions looked at)"), std::string::npos) << out;
}

TEST(CliDrags, PressesTheCardAndLetsGoOnTheNextPlaceOfItsTarget) {
    // Deal code 3 of the puzzle holds the five of hearts in the cell that the first slide of its
    // recorded win empties into the eighth cell.
    auto [layout, ls] = Cli("layout 87 1024 768");
    ASSERT_EQ(ls, 0) << layout;
    const auto places = Places(layout);
    auto [deal, ds] = Cli("deal 87 0000000000003");
    ASSERT_EQ(ds, 0) << deal;
    std::string from;
    for (const std::string& l : SplitLines(deal))
        if (l.find(": 005") != std::string::npos)
            from = l.substr(0, l.find(':'));
    ASSERT_FALSE(from.empty()) << deal;
    auto [out, status] = Drags("87 0000000000003 B 1024 768 768 1024 768", "005 Fila8\n");
    ASSERT_EQ(status, 0) << out;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_EQ(std::sscanf(out.c_str(), "%d %d %d %d", &x1, &y1, &x2, &y2), 4) << out;
    // The middle of a whole card (71 x 96): 35 px in, 48 px down.
    EXPECT_EQ(x1, places.at(from).first + 35);
    EXPECT_EQ(y1, places.at(from).second + 48);
    EXPECT_EQ(x2, places.at("Fila8").first + 35);
    EXPECT_EQ(y2, places.at("Fila8").second + 48);
    EXPECT_EQ(SplitLines(out).back(), "not won");
}

// A card played from the waste is pressed where the waste shows it: in Quadrille the second
// click turns up a five, which goes to its foundation.
TEST(CliDrags, PressesAWasteCardOnTheWaste) {
    auto [layout, ls] = Cli("layout 759 1024 768");
    ASSERT_EQ(ls, 0) << layout;
    const auto places = Places(layout);
    ASSERT_TRUE(places.count("Mazzo_Vis")) << layout;
    auto [out, status] =
        Drags("759 1395892741152 B 1024 768 768 1024 768", "000 Mazzo\n000 Mazzo\n045 Dest8\n");
    ASSERT_EQ(status, 0) << out;
    const std::vector<std::string> lines = SplitLines(out);
    ASSERT_EQ(lines.size(), 4u) << out;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_EQ(std::sscanf(lines[2].c_str(), "%d %d %d %d", &x1, &y1, &x2, &y2), 4) << out;
    EXPECT_EQ(x1, places.at("Mazzo_Vis").first + 35);
    EXPECT_EQ(y1, places.at("Mazzo_Vis").second + 48);
    EXPECT_EQ(x2, places.at("Dest8").first + 35);
    EXPECT_EQ(y2, places.at("Dest8").second + 48);
}

// Royal Marriage lays its row as a grid, a card in each slot: after five clicks the first three
// cards the solver discards lie in slots 3, 4 and 2 of the row, and each is pressed in the middle
// of its own slot.
TEST(CliDrags, PressesAGridCardInItsSlot) {
    auto [layout, ls] = Cli("layout 932 1024 768");
    ASSERT_EQ(ls, 0) << layout;
    const auto row = Places(layout).at("Fila1");
    auto [out, status] = Drags("932 0349728552780 B 1024 768 768 1024 768",
                               "000 Mazzo\n000 Mazzo\n000 Mazzo\n000 Mazzo\n000 Mazzo\n022 Select\n015 "
                               "Select\n046 Select\n");
    ASSERT_EQ(status, 0) << out;
    const std::vector<std::string> lines = SplitLines(out);
    ASSERT_EQ(lines.size(), 9u) << out;
    const int slots[] = {3, 4, 2};
    for (int k = 0; k < 3; ++k) {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ASSERT_EQ(std::sscanf(lines[static_cast<size_t>(5 + k)].c_str(), "%d %d %d %d", &x1, &y1, &x2, &y2),
                  4);
        EXPECT_EQ(x1, row.first + 35 + slots[k] * (71 + 12)) << lines[static_cast<size_t>(5 + k)];
        EXPECT_EQ(y1, row.second + 48) << lines[static_cast<size_t>(5 + k)];
    }
}

TEST(CliDrags, StopsAtTheFirstRefusedMove) {
    struct Row {
        const char* moves;
        const char* message;
    } rows[] = {
        {"005 Fila8\n005 Fila1\n", "move 2 (005 Fila1) is refused"},
        {"999 Fila8\n", "move 1 (999 Fila8) is refused"},
        {"005 Nowhere\n", "move 1 (005 Nowhere) is refused"},
    };
    for (const Row& r : rows) {
        auto [out, status] = Drags("87 0000000000003 B 1024 768 768 1024 768", r.moves);
        EXPECT_EQ(status, 1) << r.moves;
        EXPECT_NE(out.find(r.message), std::string::npos) << out;
    }
}

TEST(CliPlayCommands, RefuseBadArguments) {
    struct Row {
        const char* args;
        const char* message;
    } rows[] = {
        {"solve 87", "usage: solve GAME CODE [BUDGET]"},
        {"solve 87 123", "malformed deal code"},
        {"solve 87 0000000000003 lots", "'lots' is not a budget"},
        {"drags 87 0000000000003 B 1024 768 768 1024", "usage: drags"},
        {"drags 87 0000000000003 Q 1024 768 768 1024 768", "'Q' is not a card size"},
        {"drags 87 0000000000003 B wide 768 768 1024 768", "'wide' is not a width"},
        {"drags 87 0000000000003 B 1024 768 768 1024 -5", "'-5' is not a screen height"},
    };
    for (const Row& r : rows) {
        auto [out, status] = Cli(r.args + std::string(" < /dev/null"));
        EXPECT_EQ(status, 2) << r.args;
        EXPECT_NE(out.find(r.message), std::string::npos) << r.args << ": " << out;
    }
}

} // namespace
} // namespace quillon
