// The 21 places of Square Thirteens: the rows and columns its rule pairs cards in are the rows and
// columns the table shows, at every card size, with no two cards overlapping and the stock and the
// discard pile clear of the square.

#include "model/Deal.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace quillon {
namespace {

constexpr int kSquareThirteens = 244;

// The lines of the rule, places counted from 1.
const std::vector<std::vector<int>> kRows = {
    {1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}, {14, 15, 16, 17, 18}, {19, 20, 21}};
const std::vector<std::vector<int>> kColumns = {
    {1, 5, 10, 15, 19}, {2, 6, 11, 16, 20}, {3, 7, 12, 17, 21}, {4, 9, 14}, {8, 13, 18}};

class SquareWithoutCorners : public ::testing::TestWithParam<char> {};

TEST_P(SquareWithoutCorners, RuleLinesAreTheLinesOnTheTable) {
    Session s;
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
    std::string error;
    ASSERT_TRUE(LoadAndDeal(s, kSquareThirteens, "0000000000001", error)) << error;
    LayoutForClientArea(s, 1024, 768, GetParam());
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    auto x = [&](int place) { return s.GetTableauX(place - 1); };
    auto y = [&](int place) { return s.GetTableauY(place - 1); };
    std::set<int> rowYs, columnXs;
    for (const auto& row : kRows) {
        for (int p : row)
            EXPECT_EQ(y(p), y(row.front())) << "place " << p;
        rowYs.insert(y(row.front()));
    }
    for (const auto& column : kColumns) {
        for (int p : column)
            EXPECT_EQ(x(p), x(column.front())) << "place " << p;
        columnXs.insert(x(column.front()));
    }
    EXPECT_EQ(rowYs.size(), 5u);
    EXPECT_EQ(columnXs.size(), 5u);
    // The short rows lie over the middle three columns, and no card covers another.
    EXPECT_GT(x(1), x(4));
    EXPECT_LT(x(3), x(8));
    for (int a = 1; a <= 21; ++a)
        for (int b = a + 1; b <= 21; ++b)
            EXPECT_TRUE(std::abs(x(a) - x(b)) >= cw || std::abs(y(a) - y(b)) >= ch) << a << " and " << b;
    // The stock and the discard pile lie right of the square, on the table.
    for (int slot : {0, 2}) {
        EXPECT_GE(s.Game.GetStockX(slot), x(8) + cw) << "slot " << slot;
        EXPECT_LE(s.Game.GetStockX(slot) + cw, 1024) << "slot " << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(CardSizes, SquareWithoutCorners, ::testing::Values('S', 'M', 'B', 'X'));

} // namespace
} // namespace quillon
