// Pile positions for known windows. Every expected number is worked out from the layout rules by
// hand for cards of 71 x 96 with shadows (9 px); the window is 1024 x 768 below a toolbar band
// ending at y 0 (so W = 1022, B = 767) unless a case says otherwise.

#include "table/LayoutTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

using test::Code;
using test::GameShape;

struct Pos {
    std::string pile;
    int x;
    int y;
};

// Stored position of a pile by name (y less the scroll offset).
Pos PositionOf(const Session& s, const std::string& name) {
    const int n = PileNumber(name);
    switch (PileKind(name)) {
    case kTableauKind:
        return {name, s.GetTableauX(n - 1), s.GetTableauY(n - 1)};
    case kFoundationKind:
        return {name, s.Game.GetFoundationX(n - 1), s.Game.GetFoundationY(n - 1)};
    case kReserveKind:
        return {name, s.Game.GetReserveX(n - 1), s.Game.GetReserveY(n - 1)};
    default: {
        const int slot = name == "Mazzo" ? 0 : name == "Mazzo_Vis" ? 1 : 2;
        return {name, s.Game.GetStockX(slot), s.Game.GetStockY(slot)};
    }
    }
}

struct LayoutCase {
    const char* name;
    GameShape shape;
    std::vector<std::pair<int, int>> attrs; // further attributes
    int width, height;
    ScreenSize screen;
    std::vector<Pos> expected;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class LayoutPositions : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutPositions, PilesLieWhereTheRulesPutThem) {
    const LayoutCase& c = GetParam();
    Session s;
    test::ApplyShape(s, c.shape);
    for (auto [n, v] : c.attrs)
        test::SetAttr(s, n, v);
    test::LayOut(s, c.width, c.height, c.screen);
    for (const Pos& want : c.expected) {
        Pos got = PositionOf(s, want.pile);
        EXPECT_EQ(got.x, want.x) << want.pile << " x";
        EXPECT_EQ(got.y, want.y) << want.pile << " y";
    }
}

constexpr ScreenSize kScreen{1024, 768};

GameShape Tableau(int n, Code code) {
    GameShape g;
    g.tableau = n;
    g.tab = code;
    return g;
}

// ---- General arrangements -------------------------------------------------------------------

const LayoutCase kGeneral[] = {
    // gap (1022 - 497) / 8 = 65, kept at 20; x0 = (1022 - 497 - 120) / 2 = 202. Row 2 without a
    // stock group: Row1 = 0 + 10, Row2 = 10 + 10 + 96 = 116.
    {"Row001SevenPiles",
     Tableau(7, {2, 1}),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 202, 116},
      {"Fila2", 293, 116},
      {"Fila3", 384, 116},
      {"Fila7", 748, 116},
      {"Fila8", -10002, -10002}}},
    // "003" with 4 piles: (1022 - 5*71 - 2*15 - 15) / 8 = 77 is above 20 and becomes 15 (not 20);
    // x0 = (1022 - 15 - 30 - 355 - 60) / 2 = 281, + 71 + 15 + 30 = 397. The stock lies 71 + 30 left of
    // pile 1 on row 1 (25: digit "1" adds 15), the waste under it on row 2 (25 + 106 + 15 for "003").
    {"Column003CapsTheGapAt15",
     [] {
         GameShape g = Tableau(4, {2, 3});
         g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {1, 3};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 397, 146},
      {"Fila2", 483, 146},
      {"Fila4", 655, 146},
      {"Mazzo", 296, 25},
      {"Mazzo_Vis", 296, 146}}},
    // A row digit "0": stock group, foundations and tableau on row 1 (y 10), a reserve at y 0.
    // Foundations "001" with one: e = (1022 - 71 - 2) / 2 = 474.
    {"RowDigitZero",
     [] {
         GameShape g = Tableau(1, {0, 1});
         g.stockPiles = 1, g.hasStock = 1, g.stock = {0, 5};
         g.foundations = 1, g.foundation = {0, 1};
         g.reserves = 1, g.reserve = {0, 5};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 29, 10}, {"Dest1", 474, 10}, {"Fila1", 475, 10}, {"Appogg1", 29, 0}}},
    // "014", 10 piles, 830 wide, stock "005" (N = 5 + 9 + 15 = 29): gap (828 - 710) / 11 = 10,
    // x0 = (828 - 710 - 90) / 2 = 14 < 29, so gap -= trunc(15/9 + 0.99) = 2 -> 8 and x0 = 29.
    {"Row014NarrowsTheGapsToTheMargin",
     [] {
         GameShape g = Tableau(10, {2, 14});
         g.stockPiles = 1, g.hasStock = 1, g.stock = {1, 5};
         return g;
     }(),
     {},
     830,
     768,
     kScreen,
     {{"Mazzo", 29, 25}, {"Fila1", 29, 131}, {"Fila2", 108, 131}, {"Fila10", 740, 131}}},
    // "015" on a 640 x 480 screen with 10 piles: rows from T + 15, start 15 and gap 3.
    {"Row015SmallScreenTenPiles",
     Tableau(10, {1, 15}),
     {},
     640,
     480,
     {640, 480},
     {{"Fila1", 15, 15}, {"Fila2", 89, 15}, {"Fila10", 681, 15}}},
    // "014" with 10 piles on the same small screen: start N - 2 = 1, gap 4.
    {"Row014SmallScreenTenPiles",
     Tableau(10, {1, 14}),
     {},
     640,
     480,
     {640, 480},
     {{"Fila1", 1, 5}, {"Fila2", 76, 5}, {"Fila10", 676, 5}}},
    // "001" with the stock inside the tableau row ("004"): gap (1022 - 852) / 13 = 13 raised to 15,
    // x0 = 2 below N = 29. Stock on pile 1, waste on pile 2; rows 10 and 10 + 106 + 15 (digit "2").
    {"Row001WithStockInTheRow",
     [] {
         GameShape g = Tableau(12, {2, 1});
         g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {2, 4};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 29, 131},
      {"Fila2", 115, 131},
      {"Fila12", 975, 131},
      {"Mazzo", 29, 131},
      {"Mazzo_Vis", 115, 131}}},
    // "014" with the stock in the row: gap 13 narrowed by trunc(16/11 + 0.99) = 2 to 11; the first two
    // gaps (two stock-group piles) are 15.
    {"Row014FirstGapsMakeRoomForTheStock",
     [] {
         GameShape g = Tableau(12, {2, 14});
         g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {2, 4};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 29, 131},
      {"Fila2", 115, 131},
      {"Fila3", 201, 131},
      {"Fila4", 283, 131},
      {"Fila12", 939, 131}}},
    // "011" with 8 foundations: gap 267/12 = 22 -> 15; x0 = 147/2 = 73, + 2*86 + 15 + 15 = 275.
    // Waste 275 - 71 - 45 = 159, stock 159 - 86 = 73. Foundations "009": the last over pile 8
    // (275 + 7*86 = 877), the others 15/3 = 5 + 71 apart.
    {"Column011WithFoundationsOverTheLastPiles",
     [] {
         GameShape g = Tableau(8, {2, 11});
         g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {1, 11};
         g.foundations = 8, g.foundation = {1, 9};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 275, 131},
      {"Fila8", 877, 131},
      {"Mazzo_Vis", 159, 25},
      {"Mazzo", 73, 25},
      {"Dest8", 877, 25},
      {"Dest1", 345, 25}}},
    // "013": start 2*9 + 30, gap 4; stock "013" at 9/2 + 15, waste 86 further; foundations "017"
    // beside the waste (c 17, step 75) on the stock's row.
    {"Row013WithFoundationsBesideTheWaste",
     [] {
         GameShape g = Tableau(10, {2, 13});
         g.stockPiles = 2, g.hasStock = 1, g.stockToWaste = 1, g.stock = {1, 13};
         g.foundations = 4, g.foundation = {1, 17};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 48, 131},
      {"Fila10", 723, 131},
      {"Mazzo", 19, 25},
      {"Mazzo_Vis", 105, 25},
      {"Dest1", 193, 25},
      {"Dest4", 418, 25}}},
    // "018" with 2 rows of 5: gap (1022 - 355 - 2) / 6 = 110; start N + 10 = 15; rows at the centred
    // four-row places (767 - 384 - 30) / 2 = 176 and 176 + 106.
    {"Rows018",
     Tableau(10, {1, 18}),
     {{layout_attr::TableauRowCount, 2}},
     1024,
     768,
     kScreen,
     {{"Fila1", 15, 176},
      {"Fila2", 196, 176},
      {"Fila5", 739, 176},
      {"Fila6", 15, 282},
      {"Fila10", 739, 282}}},
    // "010" with 2 rows of 4: gap trunc(0.85 * 71) = 60, start 15, rows at the centred three-row
    // places (767 - 288 - 20) / 2 = 229 and 229 + 106.
    {"Rows010",
     Tableau(8, {1, 10}),
     {{layout_attr::TableauRowCount, 2}},
     1024,
     768,
     kScreen,
     {{"Fila1", 15, 229}, {"Fila4", 408, 229}, {"Fila5", 15, 335}, {"Fila8", 408, 335}}},
    // Foundations "002": (1022 - 284 - 12) / 2 = 363, step 75; tableau "020" centred under them:
    // offset (588 + 71 - 363 - 426 - 60 + 10) / 2 = -90.
    {"Tableau020UnderCentredFoundations",
     [] {
         GameShape g = Tableau(6, {2, 20});
         g.foundations = 4, g.foundation = {1, 2};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Dest1", 363, 10}, {"Dest4", 588, 10}, {"Fila1", 273, 116}, {"Fila6", 678, 116}}},
    // Foundations "001" spread over the width: e = (1022 - 284 - 2) / 5 = 147.
    {"Foundations001Spread",
     [] {
         GameShape g = Tableau(7, {2, 1});
         g.foundations = 4, g.foundation = {1, 1};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Dest1", 147, 10}, {"Dest2", 365, 10}, {"Dest4", 801, 10}}},
    // Foundations "032" in two centred rows: sixteen as 8 + 8. The tableau gap of nine piles is
    // 14, so the foundation gap is 7: x1 = (1022 - 568 - 49) / 2 = 202, step 78, the second row
    // at row 2 (y 116) and the tableau "001" on row 3 from (1022 - 639 - 112) / 2 = 135.
    {"Foundations032SixteenInTwoRows",
     [] {
         GameShape g = Tableau(9, {3, 1});
         g.foundations = 16, g.foundation = {1, 32};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Dest1", 202, 10},
      {"Dest8", 748, 10},
      {"Dest9", 202, 116},
      {"Dest16", 748, 116},
      {"Fila1", 135, 222}}},
    // On a table 800 wide the centred rows would start at (798 - 568 - 49) / 2 = 90, under the
    // stock's shadow (stock "005" at N = 29): both rows move right to 29 + 71 + 9 + 7 = 116. The
    // stock in row 1 puts row 1 at 10 + 15 and row 2 at 25 + 10 + 96.
    {"Foundations032ClearOfTheStock",
     [] {
         GameShape g = Tableau(9, {3, 1});
         g.foundations = 16, g.foundation = {1, 32};
         g.stockPiles = 1, g.hasStock = 1, g.stock = {1, 5};
         return g;
     }(),
     {},
     800,
     600,
     ScreenSize{800, 600},
     {{"Mazzo", 29, 25}, {"Dest1", 116, 25}, {"Dest8", 662, 25}, {"Dest9", 116, 131}, {"Dest16", 662, 131}}},
    // An odd count puts the extra one in the upper row: five as 3 + 2, with the foundation gap 10
    // of seven piles: (1022 - 213 - 20) / 2 = 394 and (1022 - 142 - 10) / 2 = 435, step 81.
    {"Foundations032OddCount",
     [] {
         GameShape g = Tableau(7, {3, 1});
         g.foundations = 5, g.foundation = {1, 32};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Dest1", 394, 10}, {"Dest3", 556, 10}, {"Dest4", 435, 116}, {"Dest5", 516, 116}}},
    // Foundations "007" with fewer tableau piles than foundations: those over pile 0 and -1 get no x.
    {"Foundations007ShortOfPiles",
     [] {
         GameShape g = Tableau(2, {2, 1});
         g.foundations = 4, g.foundation = {1, 7};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 430, 116},
      {"Dest1", -10001, 10},
      {"Dest2", -10001, -10001},
      {"Dest3", 430, 10},
      {"Dest4", 521, 10}}},
    // Foundations "022" over piles 1-4; reserves "007" over the last two piles on row 3; Mazzo_Waste
    // "016" with row digit 1 lies CH + 20 below y 0 at the stock's x.
    {"OverPilesAndSecondWaste",
     [] {
         GameShape g = Tableau(7, {2, 1});
         g.foundations = 4, g.foundation = {1, 22};
         g.reserves = 2, g.reserve = {3, 7};
         g.stockPiles = 1, g.hasStock = 1, g.stock = {4, 0};
         g.secondWaste = 1, g.waste = {1, 16};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Dest1", 202, 10},
      {"Dest4", 475, 10},
      {"Appogg1", 657, 222},
      {"Appogg2", 748, 222},
      {"Mazzo", -10000, 328},
      {"Mazzo_Waste", -10000, 116}}},
    // Reserves "006" from pile 1, CW + 20/3 apart; Mazzo_Waste "007" over the last pile.
    {"Reserves006AndSecondWaste007",
     [] {
         GameShape g = Tableau(7, {2, 1});
         g.reserves = 3, g.reserve = {3, 6};
         g.secondWaste = 1, g.waste = {4, 7};
         return g;
     }(),
     {},
     1024,
     768,
     kScreen,
     {{"Appogg1", 202, 222}, {"Appogg3", 356, 222}, {"Mazzo_Waste", 748, 328}}},
};

INSTANTIATE_TEST_SUITE_P(General, LayoutPositions, ::testing::ValuesIn(kGeneral),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Whole-table arrangements ---------------------------------------------------------------

GameShape Whole(int arrangement, int tableau, int foundations = 0, int stockPiles = 0, int secondWaste = 0) {
    GameShape g;
    g.tab = {1, arrangement};
    g.tableau = tableau;
    g.foundations = foundations;
    g.stockPiles = stockPiles;
    g.hasStock = stockPiles > 0 ? 1 : 0;
    g.stockToWaste = stockPiles > 1 ? 1 : 0;
    g.secondWaste = secondWaste;
    return g;
}

const LayoutCase kWhole[] = {
    // Grid 4x4, gap 10: x0 = (1022 - 284 - 30) / 2 = 354, y0 = (767 - 384 - 30) / 2 = 176; side gap 70.
    {"Grid051",
     Whole(51, 16, 4, 1, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 354, 176},
      {"Fila16", 597, 494},
      {"Mazzo", 213, 335},
      {"Mazzo_Waste", 738, 335},
      {"Mazzo_Vis", -10000, -10000},
      {"Dest1", -10000, -10001},
      {"Dest4", -10000, -10001}}},
    // 500 wide: x0 = 92 leaves no room for any side gap, so x0 = 71 + N (3 + 9) + 15 = 98, gap 15.
    {"Grid051Narrow",
     Whole(51, 16, 4, 1, 1),
     {},
     500,
     768,
     kScreen,
     {{"Fila1", 98, 176}, {"Mazzo", 12, 335}, {"Mazzo_Waste", 427, 335}}},
    {"Cross052",
     Whole(52, 8, 4, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 475, 204},
      {"Fila2", 369, 335},
      {"Fila3", 475, 335},
      {"Fila4", 581, 335},
      {"Fila5", 475, 466},
      {"Fila6", -10000, -10002},
      {"Fila8", -10000, -10002},
      {"Mazzo", 228, 204},
      {"Mazzo_Vis", 228, 335},
      {"Dest1", 376, 211},
      {"Dest2", 574, 211},
      {"Dest3", 376, 459},
      {"Dest4", 574, 459}}},
    // Pyramid widening downwards (1 to 7) on a table 674 wide: row 1 starts at (672 - 71) / 2 = 300 and
    // moves right 3 px at a time until the stock (x7 - 71) / 2 is above 19: at 339 (336 gives 18).
    {"Pyramid054MovesRight",
     Whole(54, 7, 0, 2, 1),
     {{382, 1}, {383, 7}},
     674,
     768,
     kScreen,
     {{"Fila1", 339, 171},
      {"Fila2", 301, 223},
      {"Fila6", 149, 431},
      {"Fila7", 111, 483},
      {"Mazzo", 20, 171},
      {"Mazzo_Vis", 20, 292},
      {"Mazzo_Waste", 658, 171}}},
    // The same on a full table fits at once: row 1 at 475, stock (247 - 71) / 2 = 88.
    {"Pyramid054Fits",
     Whole(54, 7, 0, 2, 1),
     {{382, 1}, {383, 7}},
     1024,
     768,
     kScreen,
     {{"Fila1", 475, 171}, {"Fila7", 247, 483}, {"Mazzo", 88, 171}, {"Mazzo_Waste", 862, 171}}},
    // Narrowing downwards (7 to 1): rows move right by (71 + 6) / 2 = 38; stock (244 - 71) / 2.
    {"Pyramid054Narrowing",
     Whole(54, 7, 0, 2, 1),
     {{382, 7}, {383, 1}},
     1024,
     768,
     kScreen,
     {{"Fila1", 244, 171}, {"Fila7", 472, 483}, {"Mazzo", 86, 171}, {"Mazzo_Waste", 858, 171}}},
    {"Twelve057",
     Whole(57, 12, 4, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 432, 55},
      {"Mazzo_Vis", 518, 55},
      {"Fila1", 273, 161},
      {"Fila6", 678, 161},
      {"Fila7", 273, 267},
      {"Fila12", 678, 267},
      {"Dest1", 152, 10},
      {"Dest2", 799, 10},
      {"Dest3", 152, 328},
      {"Dest4", 799, 328}}},
    // On a 640 x 480 screen: gaps 3/20/15, rows from 5, x0 = 93 too close to the edge -> 71 + 15 + 25.
    {"Twelve057SmallScreen",
     Whole(57, 12, 4, 2),
     {},
     640,
     480,
     {640, 480},
     {{"Mazzo", 235, 25},
      {"Mazzo_Vis", 321, 25},
      {"Fila1", 111, 126},
      {"Fila6", 481, 126},
      {"Fila7", 111, 227},
      {"Dest1", 25, 5},
      {"Dest2", 567, 5},
      {"Dest3", 25, 257}}},
    {"Rows058",
     Whole(58, 20, 4, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 104, 146},
      {"Mazzo_Vis", 190, 146},
      {"Fila1", 311, 176},
      {"Fila7", 392, 282},
      {"Fila20", 635, 494},
      {"Dest1", 210, 282},
      {"Dest2", 736, 282},
      {"Dest3", 210, 388},
      {"Dest4", 736, 388}}},
    {"Grid066",
     Whole(66, 25, 0, 1, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 267, 137}, {"Fila25", 563, 533}, {"Mazzo", 684, 268}, {"Mazzo_Waste", 684, 402}}},
    // A stock turned onto a waste, with no discard pile: the waste lies where the discard pile would.
    {"Grid066Waste",
     Whole(66, 25, 0, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 267, 137}, {"Mazzo", 684, 268}, {"Mazzo_Vis", 684, 402}}},
    // s = trunc(2.2 * 71) = 156; eight foundations run from the waste.
    {"Rows078",
     Whole(78, 16, 8, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 121, 137},
      {"Mazzo_Vis", 207, 137},
      {"Dest1", 289, 137},
      {"Dest8", 821, 137},
      {"Fila1", 121, 236},
      {"Fila15", 745, 434},
      {"Fila16", 121, 533},
      {"Fila17", -10002, -10002}}},
    {"Foundations103",
     Whole(103, 0, 8, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Dest1", 209, 235}, {"Dest8", 741, 235}, {"Mazzo", 422, 376}, {"Mazzo_Vis", 528, 376}}},
    {"Twelve108",
     Whole(108, 16, 12, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 35, 139},
      {"Mazzo_Vis", 121, 139},
      {"Dest1", 354, 149},
      {"Dest4", 597, 149},
      {"Dest5", 192, 255},
      {"Dest12", 759, 255},
      {"Fila1", 202, 391},
      {"Fila8", 748, 391},
      {"Fila9", 202, 494},
      {"Fila16", 748, 494}}},
    {"Five120",
     Whole(120, 5, 5, 2),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 248, 30},
      {"Mazzo_Vis", 248, 153},
      {"Dest1", 370, 30},
      {"Dest5", 702, 30},
      {"Fila1", 370, 150},
      {"Fila5", 702, 150}}},
    {"Grid123", Whole(123, 16), {}, 1024, 768, kScreen, {{"Fila1", 349, 176}, {"Fila16", 592, 494}}},
    {"Grid123WithSecondWaste",
     Whole(123, 16, 0, 0, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 283, 184}, {"Mazzo_Waste", 658, 335}}},
    {"Grid124", Whole(124, 9), {}, 1024, 768, kScreen, {{"Fila1", 389, 224}, {"Fila9", 561, 446}}},
    {"Grid125",
     Whole(125, 25, 0, 0, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 256, 137}, {"Fila25", 552, 533}, {"Mazzo_Waste", 697, 335}}},
    {"Rows126",
     Whole(126, 13),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 361, 234},
      {"Fila4", 589, 234},
      {"Fila5", 323, 335},
      {"Fila9", 627, 335},
      {"Fila10", 361, 436},
      {"Fila13", 589, 436}}},
    {"Column127",
     Whole(127, 4, 0, 0, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 212, 184}, {"Fila4", 212, 487}, {"Mazzo_Waste", 714, 335}}},
    {"Column128",
     Whole(128, 5, 0, 0, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 144, 137}, {"Fila5", 144, 533}, {"Mazzo_Waste", 786, 236}}},
    {"Column129",
     Whole(129, 3, 0, 0, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 288, 234}, {"Fila3", 288, 436}, {"Mazzo_Waste", 648, 335}}},
    {"Rows130",
     Whole(130, 20, 10),
     {},
     1024,
     768,
     kScreen,
     {{"Dest1", 133, 194},
      {"Dest10", 817, 194},
      {"Fila1", 133, 305},
      {"Fila11", 133, 461},
      {"Fila20", 817, 461}}},
    {"Ring061",
     Whole(61, 8, 12),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 133, 133},
      {"Fila4", 361, 133},
      {"Dest1", 635, 133},
      {"Dest2", 711, 164},
      {"Dest3", 787, 212},
      {"Dest4", 822, 313},
      {"Dest5", 787, 414},
      {"Dest6", 711, 472},
      {"Dest7", 635, 503},
      {"Dest8", 559, 472},
      {"Dest9", 483, 414},
      {"Dest10", 448, 313},
      {"Dest11", 483, 212},
      {"Dest12", 559, 164},
      {"Fila5", 133, 414},
      {"Fila8", 361, 414}}},
    {"Block081",
     Whole(81, 20, 8, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 174, 335},
      {"Mazzo_Vis", -10000, -10000},
      {"Fila1", 285, 176},
      {"Fila20", 589, 494},
      {"Dest1", 705, 176},
      {"Dest4", 705, 494},
      {"Dest5", 781, 176},
      {"Dest8", 781, 494}}},
    // Without a stock (attribute 10 = 0) the waste takes the stock's place.
    {"Block081WasteSlot",
     Whole(81, 20, 8, 1),
     {{layout_attr::HasStock, 0}},
     1024,
     768,
     kScreen,
     {{"Mazzo", -10000, -10000}, {"Mazzo_Vis", 174, 335}}},
    {"Rows098",
     Whole(98, 12, 0, 1, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Mazzo", 273, 174},
      {"Mazzo_Waste", 369, 174},
      {"Fila1", 273, 310},
      {"Fila6", 678, 310},
      {"Fila7", 273, 436},
      {"Fila12", 678, 436}}},
    {"Grid166", Whole(166, 16), {}, 1024, 768, kScreen, {{"Fila1", 334, 161}, {"Fila16", 607, 509}}},
    {"Grid172",
     Whole(172, 9, 1, 1),
     {},
     1024,
     768,
     kScreen,
     {{"Fila1", 387, 229}, {"Fila9", 549, 441}, {"Mazzo", 286, 335}, {"Dest1", 650, 335}}},
};

INSTANTIATE_TEST_SUITE_P(WholeTable, LayoutPositions, ::testing::ValuesIn(kWhole),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillon
