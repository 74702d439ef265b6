// Every deal of a sliding puzzle can be won: the board dealt is checked against the standard
// invariant, and boards that could already be won are dealt exactly as before.
#include "model/Cards.h"
#include "model/Deal.h"
#include "model/DealArrangements.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace quillon {
namespace {

std::string ProgramFolder() {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    return std::string(dir && *dir ? dir : "../bin") + "/";
}

// The board as "card card ... -" in cell order, "-" for the gap.
std::string Board(const Session& s) {
    std::string out;
    for (int k = 0; k < s.Attr(375); ++k) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(k)];
        out += (p.empty() ? std::string("-") : std::to_string(PileCard(p, 0))) + " ";
    }
    return out;
}

std::string Deal(Session& s, int game, const std::string& code) {
    s.ProgramFolder = ProgramFolder();
    std::string error;
    EXPECT_TRUE(LoadAndDeal(s, game, code, error)) << error;
    return Board(s);
}

// The games of the built catalogue that are sliding puzzles: every cell slides by the grid rule
// into the gap, and the game is won with the cards in order.
std::vector<int> SlidingPuzzles() {
    Session s;
    s.ProgramFolder = ProgramFolder();
    EXPECT_TRUE(ReadGameList(s));
    std::vector<int> games;
    for (const std::string& line : s.Game.GameList) {
        const int number = std::atoi(line.substr(4, 3).c_str()); // characters 5-7
        Session game;
        Deal(game, number, "0000000000000");
        bool slides = game.Attr(54) == 34 && game.Attr(375) > 0;
        for (int k = 0; slides && k < game.Attr(375); ++k)
            slides = game.Attr(215 + k) == 70;
        if (slides)
            games.push_back(number);
    }
    return games;
}

TEST(SlidingPuzzle, EveryDealOfEveryShippedPuzzleCanBeWon) {
    const std::vector<int> games = SlidingPuzzles();
    ASSERT_FALSE(games.empty()) << "the default game is a sliding puzzle";
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (int game : games) {
        for (int n = 0; n < 200; ++n) {
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            std::string code = std::to_string(x % 10000000000000ull);
            code = std::string(13 - code.size(), '0') + code;
            Session s;
            const std::string board = Deal(s, game, code);
            EXPECT_TRUE(SlidingPuzzleSolvable(s)) << "game " << game << " deal " << code << ": " << board;
        }
    }
}

// Boards dealt before unsolvable deals were mended. Those that could be won come out unchanged;
// the others differ only by their last two tiles in reading order, exchanged.
TEST(SlidingPuzzle, SolvableDealsAreDealtAsBeforeAndTheOthersSwapTheirLastTwoTiles) {
    const struct {
        const char* code;
        const char* before;
        bool solvable;
    } cases[] = {
        {"0497755699305", "6 5 4 7 3 1 2 8 - ", false}, {"0000000000000", "2 4 6 8 1 3 5 7 - ", true},
        {"0000000000001", "4 6 7 2 3 5 - 8 1 ", false}, {"1234567890123", "5 6 2 3 1 - 8 7 4 ", false},
        {"0000000000042", "1 4 7 6 3 2 5 - 8 ", true},  {"9999999999999", "7 4 1 8 5 - 2 6 3 ", true},
        {"0101010101010", "5 8 4 6 7 2 3 - 1 ", false}, {"3141592653589", "8 4 1 5 3 7 6 2 - ", true},
    };
    for (const auto& c : cases) {
        Session s;
        const std::string board = Deal(s, 87, c.code);
        EXPECT_TRUE(SlidingPuzzleSolvable(s)) << c.code;
        if (c.solvable) {
            EXPECT_EQ(board, c.before) << c.code;
            continue;
        }
        // Exchange the last two numbers of the old board back and compare.
        std::vector<std::string> cells;
        for (size_t at = 0, end; (end = board.find(' ', at)) != std::string::npos; at = end + 1)
            cells.push_back(board.substr(at, end - at));
        int last = -1, before = -1;
        for (int k = static_cast<int>(cells.size()) - 1; k >= 0 && before < 0; --k)
            if (cells[static_cast<size_t>(k)] != "-")
                (last < 0 ? last : before) = k;
        ASSERT_GE(before, 0);
        std::swap(cells[static_cast<size_t>(last)], cells[static_cast<size_t>(before)]);
        std::string swapped;
        for (const auto& cell : cells)
            swapped += cell + " ";
        EXPECT_EQ(swapped, c.before) << c.code;
    }
}

// The invariant itself, on boards laid by hand: one slide away from the won order (solvable),
// the won order with two tiles exchanged (not), and on an even width the gap's row counts.
TEST(SlidingPuzzle, TheInvariantFollowsTheWidthAndTheGapRow) {
    struct Case {
        int width, cells;
        std::vector<int> board; // 0 for the gap
        bool solvable;
    } cases[] = {
        {3, 9, {1, 2, 3, 4, 5, 6, 7, 8, 0}, true},
        {3, 9, {1, 2, 3, 4, 5, 0, 7, 8, 6}, true},
        {3, 9, {2, 1, 3, 4, 5, 6, 7, 8, 0}, false},
        {4, 16, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 13, 14, 15, 12}, true},
        {4, 16, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 0}, false},
        {4, 16, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 13, 14, 15}, true},
        // Second-suit cards stand for the same places (card k + 14 in cell k).
        {4, 16, {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 0}, true},
    };
    for (const auto& c : cases) {
        Session s;
        s.GameAttr[54] = 34;
        s.GameAttr[30] = static_cast<std::int16_t>(c.width);
        s.GameAttr[375] = static_cast<std::int16_t>(c.cells);
        for (int k = 0; k < c.cells; ++k) {
            s.GameAttr[static_cast<size_t>(215 + k)] = 70;
            const int card = c.board[static_cast<size_t>(k)];
            s.Piles.TableauPiles[static_cast<size_t>(k)] = card ? CardText(card) : "";
        }
        EXPECT_EQ(SlidingPuzzleSolvable(s), c.solvable) << c.width << " cells, case " << c.board[0];
        MakeSlidingPuzzleSolvable(s);
        EXPECT_TRUE(SlidingPuzzleSolvable(s));
    }
}

} // namespace
} // namespace quillon
