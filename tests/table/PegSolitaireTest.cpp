// Peg Solitaire played through the table's own events on the dealt game: a card dragged two cells
// along a row or a column, over a card, into the empty cell jumps, and the card jumped over leaves
// for the second waste pile; every other drop is refused. Each card jumped off scores 10 points and
// the game is won on the score, when no more than two cards are left on the board.

#include "engine/Autoplay.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/PointerInput.h"
#include "engine/SelectionGames.h"
#include "engine/Stock.h"
#include "engine/TableView.h"
#include "model/Cards.h"
#include "model/Deal.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include "PlayDeal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr int kPegSolitaire = 972;
constexpr int kCells = 25;

// The score shown and stored in the parameter string.
int Score(const Session& s) {
    return s.Params.ReadInt(param::Score, 6, 0);
}

struct Board {
    Session s;
    bool ok = false;
    std::vector<int> cards; // the dealt cards, in cell order

    explicit Board(const char* code = "0000000000001") {
        std::string error;
        ok = DealForPlay(s, kPegSolitaire, code, error);
        EXPECT_TRUE(ok) << error;
        for (const auto& p : s.Piles.TableauPiles)
            if (PileSize(p) == 1)
                cards.push_back(PileCard(p, 0));
    }
    std::string& Cell(int k) { return s.Piles.TableauPiles[static_cast<size_t>(k)]; }
    // Lays out a board: "x" a card, "." an empty cell, row by row (blanks are ignored). The cards
    // not on the board lie on the second waste pile, as jumped off, so that the score matches.
    void Lay(const std::string& rows) {
        std::string cells;
        for (char c : rows)
            if (c != ' ')
                cells += c;
        ASSERT_EQ(cells.size(), static_cast<size_t>(kCells));
        size_t next = 0;
        s.Piles.StockPiles[2].clear();
        for (int k = 0; k < kCells; ++k)
            Cell(k) = cells[static_cast<size_t>(k)] == 'x' ? CardText(cards.at(next++)) : "";
        while (next < cards.size())
            s.Piles.StockPiles[2] += CardText(cards[next++]);
        UpdateScore(s);
    }
    int OnBoard() {
        int n = 0;
        for (int k = 0; k < kCells; ++k)
            n += PileSize(Cell(k));
        return n;
    }
    // Drags the card of cell `from` onto cell `to` and lets it go there.
    void Drag(int from, int to) {
        const std::string a = PileName("Fila", from + 1), b = PileName("Fila", to + 1);
        const int x = CardPlaceX(s, a, 0, false) + 10, y = CardPlaceY(s, a, 0, false) + 10;
        const int tx = CardPlaceX(s, b, 0, true) + 10, ty = CardPlaceY(s, b, 0, true) + 10;
        OnTablePress(s, kLeftButton, 0, x, y);
        OnTableMove(s, (x + tx) / 2, (y + ty) / 2);
        OnTableMove(s, tx, ty);
        OnTableRelease(s, tx, ty);
    }
};

// The deal: the ace to king of hearts and the ace to jack of clubs face up, one to a cell, and
// the queen of clubs taken away to leave the only empty cell, which the deal code moves about;
// nothing anywhere else, and no win yet.
TEST(PegSolitaire, DealLeavesOneEmptyCellThatMovesWithTheCode) {
    std::set<int> gaps;
    for (const char* code : {"0000000000001", "0000000000002", "0000000000003", "1234567890123",
                             "9876543210987", "5000000000000"}) {
        Board b(code);
        ASSERT_TRUE(b.ok);
        int empty = -1;
        std::vector<int> cards;
        for (int k = 0; k < kCells; ++k) {
            if (b.Cell(k).empty()) {
                EXPECT_EQ(empty, -1) << code << ": a second empty cell " << k;
                empty = k;
            } else {
                ASSERT_EQ(PileSize(b.Cell(k)), 1) << k;
                cards.push_back(PileCard(b.Cell(k), 0));
                EXPECT_FALSE(b.s.Cards.CardIsHidden(cards.back())) << k;
            }
        }
        ASSERT_NE(empty, -1) << code;
        gaps.insert(empty);
        std::sort(cards.begin(), cards.end());
        std::vector<int> expected;
        for (int c = 1; c <= 37; ++c)
            if (c <= 13 || c >= 27)
                expected.push_back(c);
        EXPECT_EQ(cards, expected) << code;
        for (int k = kCells; k < kTableauCount; ++k)
            EXPECT_TRUE(b.Cell(k).empty());
        for (const auto& p : b.s.Piles.StockPiles)
            EXPECT_TRUE(p.empty());
        EXPECT_FALSE(WonTest(b.s));
    }
    EXPECT_GT(gaps.size(), 2u) << "the empty cell does not move with the deal code";
}

struct JumpCase {
    const char* what;
    const char* board;
    int from, to;
    int over; // the cell jumped over, -1 when the drop is refused
};

void PrintTo(const JumpCase& c, std::ostream* os) {
    *os << c.what;
}

class PegJump : public ::testing::TestWithParam<JumpCase> {};

TEST_P(PegJump, OnlyAJumpOverACardIntoTheEmptyCellMoves) {
    const JumpCase& c = GetParam();
    Board b;
    ASSERT_TRUE(b.ok);
    b.Lay(c.board);
    const PileLists before = b.s.Piles;
    const int score = Score(b.s);
    const int card = PileCard(b.Cell(c.from), 0);
    ASSERT_GT(card, 0);
    b.Drag(c.from, c.to);
    if (c.over < 0) {
        EXPECT_EQ(b.s.Piles.TableauPiles, before.TableauPiles) << c.what;
        EXPECT_EQ(b.s.Piles.StockPiles, before.StockPiles) << c.what;
        EXPECT_EQ(Score(b.s), score);
        return;
    }
    const int jumped = PileCard(before.TableauPiles[static_cast<size_t>(c.over)], 0);
    EXPECT_TRUE(b.Cell(c.from).empty()) << c.what;
    EXPECT_EQ(b.Cell(c.to), CardText(card)) << c.what;
    EXPECT_TRUE(b.Cell(c.over).empty()) << c.what << ": the card jumped over stays";
    EXPECT_EQ(b.s.Piles.StockPiles[2], before.StockPiles[2] + CardText(jumped));
    EXPECT_EQ(Score(b.s), score + 10);
    for (int k = 0; k < kCells; ++k)
        if (k != c.from && k != c.to && k != c.over)
            EXPECT_EQ(b.Cell(k), before.TableauPiles[static_cast<size_t>(k)]) << "cell " << k;
}

// Cells are numbered row by row from 0, five to a row.
const JumpCase kJumps[] = {
    {"right along a row", "xx.xx xxxxx xxxxx xxxxx xxxxx", 0, 2, 1},
    {"left along a row", ".xxxx xxxxx xxxxx xxxxx xxxxx", 2, 0, 1},
    {"down a column", "xxxxx xxxxx .xxxx xxxxx xxxxx", 0, 10, 5},
    {"up a column", "xx.xx xxxxx xxxxx xxxxx xxxxx", 12, 2, 7},
    {"at the far edge", "xxxxx xxxxx xxxxx xxxxx xx.xx", 24, 22, 23},
    {"one cell is no jump", "x.xxx xxxxx xxxxx xxxxx xxxxx", 0, 1, -1},
    {"not over an empty cell", "x..xx xxxxx xxxxx xxxxx xxxxx", 0, 2, -1},
    {"not round the end of a row", "xxxxx x.xxx xxxxx xxxxx xxxxx", 4, 6, -1},
    {"not from the end of a row round to the next", "xxxxx .xxxx xxxxx xxxxx xxxxx", 3, 5, -1},
    {"not diagonally", "xxxxx xxxxx xx.xx xxxxx xxxxx", 0, 12, -1},
    {"not three cells along", "xxx.x xxxxx xxxxx xxxxx xxxxx", 0, 3, -1},
    {"not onto a card", "xxxxx xxxxx xxxxx xxx.x xxxxx", 0, 2, -1},
};

INSTANTIATE_TEST_SUITE_P(Games, PegJump, ::testing::ValuesIn(kJumps),
                         [](const ::testing::TestParamInfo<JumpCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

// The last jump: the game ends, won, once no more than two cards are left; with three left it
// goes on. The score counts every card jumped off.
TEST(PegSolitaire, WonWhenNoMoreThanTwoCardsAreLeft) {
    struct Case {
        const char* board;
        int from, to, left;
        bool won;
    } cases[] = {
        {"xx.x. ..... ..... ..... ....x", 0, 2, 3, false},
        {"xx... ..... ..... ..... ....x", 0, 2, 2, true},
    };
    for (const Case& c : cases) {
        Board b;
        ASSERT_TRUE(b.ok);
        b.Lay(c.board);
        EXPECT_FALSE(WonTest(b.s)) << c.board << " is not won before the jump";
        b.Drag(c.from, c.to);
        ASSERT_EQ(b.OnBoard(), c.left) << c.board;
        EXPECT_EQ(Score(b.s), -52 + 10 * (24 - c.left)) << c.board;
        EXPECT_EQ(b.s.Flag(GameInPlay), !c.won) << c.board << ": the game ends with the winning jump";
    }
}

} // namespace
} // namespace quillon
