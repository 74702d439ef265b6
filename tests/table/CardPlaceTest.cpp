// Fan steps for every card size and the card places of every fan mode.

#include "table/LayoutTestSupport.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using namespace layout_attr;

struct FanCase {
    const char* name;
    int tableau, foundation, reserve, mixed;
    char letter;
    int upY, downY, upX, downX;
};

void PrintTo(const FanCase& c, std::ostream* os) {
    *os << c.name;
}

class FanSteps : public ::testing::TestWithParam<FanCase> {};

TEST_P(FanSteps, StepsForTheSizeAndModes) {
    const FanCase& c = GetParam();
    Session s;
    test::SetAttr(s, TableauFan, c.tableau);
    test::SetAttr(s, FoundationFan, c.foundation);
    test::SetAttr(s, ReserveFan, c.reserve);
    test::SetAttr(s, MixedFan, c.mixed);
    s.Params.WriteParam(128, 1, std::string(1, c.letter));
    // Steps left from another game must not survive.
    s.Game.StepUpY = s.Game.StepDownY = s.Game.StepUpX = s.Game.StepDownX = 77;
    ComputeFanSteps(s);
    EXPECT_EQ(s.Game.StepUpY, c.upY);
    EXPECT_EQ(s.Game.StepDownY, c.downY);
    EXPECT_EQ(s.Game.StepUpX, c.upX);
    EXPECT_EQ(s.Game.StepDownX, c.downX);
    EXPECT_EQ(s.Game.StepMode5, 3);
    EXPECT_EQ(s.Game.RowGap, 6);
}

const FanCase kFanCases[] = {
    {"DownB", 1, 0, 0, 0, 'B', 18, 4, 0, 0},
    {"DownX", 1, 0, 0, 0, 'X', 24, 6, 0, 0},
    {"DownS", 7, 0, 0, 0, 'S', 21, 5, 0, 0},
    {"DownM", 1, 0, 0, 0, 'M', 14, 4, 0, 0},
    {"DownL", 1, 0, 0, 0, 'L', 3, 3, 0, 0},
    {"DownUnknownLetter", 1, 0, 0, 0, 'Z', 0, 4, 0, 0},
    {"Mode12X", 12, 0, 0, 0, 'X', 60, 15, 0, 0},
    {"Mode12B", 12, 0, 0, 0, 'B', 45, 10, 0, 0},
    {"Mode12S", 12, 0, 0, 0, 'S', 52, 12, 0, 0},
    {"ReserveMode1", 0, 0, 1, 0, 'B', 18, 4, 0, 0},
    {"ReserveMode13Doubles", 0, 0, 13, 0, 'B', 36, 8, 0, 0},
    {"Mode12WinsOverReserve13", 12, 0, 13, 0, 'B', 45, 10, 0, 0},
    {"NoFan", 0, 1, 0, 0, 'B', 0, 0, 0, 0},
    {"RightB", 2, 0, 0, 0, 'B', 0, 0, 12, 4},
    {"RightX", 2, 0, 0, 0, 'X', 0, 0, 16, 4},
    {"RightS", 0, 0, 2, 0, 'S', 0, 0, 14, 4},
    {"RightMixedM", 11, 0, 0, 1, 'M', 0, 0, 10, 4},
    {"RightFoundationL", 0, 2, 0, 0, 'L', 0, 0, 3, 3},
    {"BothWaysL", 1, 0, 2, 0, 'L', 3, 3, 3, 3},
};

INSTANTIATE_TEST_SUITE_P(Sizes, FanSteps, ::testing::ValuesIn(kFanCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FanStepsMore, ModeSixAndSnakeGapsBySize) {
    struct Case {
        char letter;
        int mode6, snakeX, snakeY;
    } cases[] = {{'S', 7, 12, 8}, {'X', 7, 12, 8}, {'B', 7, 12, 8},
                 {'M', 5, 8, 6},  {'L', 3, 4, 3},  {'?', 99, 99, 99}};
    for (const Case& c : cases) {
        Session s;
        test::SetAttr(s, TableauFan, 6);
        s.Params.WriteParam(128, 1, std::string(1, c.letter));
        s.Game.StepMode6X = s.Game.StepMode6Y = s.Game.SnakeGapX = s.Game.SnakeGapY = 99;
        ComputeFanSteps(s);
        EXPECT_EQ(s.Game.StepMode6X, c.mode6) << c.letter;
        EXPECT_EQ(s.Game.StepMode6Y, c.mode6) << c.letter;
        EXPECT_EQ(s.Game.SnakeGapX, c.snakeX) << c.letter;
        EXPECT_EQ(s.Game.SnakeGapY, c.snakeY) << c.letter;
    }
}

// A session with tableau pile 1 at (100, 200), foundation 1 at (300, 50), reserve 1 at (500, 60)
// and the "B" steps.
struct Table {
    Session s;
    Table() {
        s.Metrics = CardMetrics{71, 96, 9};
        s.TableauX[0] = 100, s.TableauY[0] = 200;
        s.Game.FoundationX[0] = 300, s.Game.FoundationY[0] = 50;
        s.Game.ReserveX[0] = 500, s.Game.ReserveY[0] = 60;
        auto& g = s.Game;
        g.StepUpY = 18, g.StepDownY = 4, g.StepUpX = 12, g.StepDownX = 4, g.StepMode5 = 3, g.RowGap = 6;
        g.StepMode6X = g.StepMode6Y = 7, g.SnakeGapX = 12, g.SnakeGapY = 8;
        s.Params.WriteParam(179, 1, "N");
    }
    void Fan(int attr, int mode) { test::SetAttr(s, attr, mode); }
};

struct Place {
    int skip;
    bool next;
    int want;
};

TEST(CardPlaceY, VerticalFanCountsFaceDownAndFaceUpSteps) {
    for (int mode : {1, 13}) {
        Table t;
        t.Fan(TableauFan, mode);
        t.s.Piles.TableauPiles[0] = "001002003";
        t.s.Cards.SetCardFace(1, '0');
        const Place places[] = {{0, false, 222}, {0, true, 240},  {1, false, 204},
                                {1, true, 222},  {2, false, 200}, {2, true, 204},
                                {3, false, 200}, {3, true, 200},  {5, true, 200}};
        for (const Place& p : places)
            EXPECT_EQ(PileCardY(t.s, "Fila1", p.skip, p.next), p.want)
                << "mode " << mode << " skip " << p.skip << " next " << p.next;
        t.s.Game.ScrollOffset = 40;
        EXPECT_EQ(PileCardY(t.s, "Fila1", 0, true), 200);
        EXPECT_EQ(PileCardY(t.s, "Fila01", 0, true), 200);
    }
}

TEST(CardPlaceY, EmptySlotCountsFaceUpOnlyInModeTwelve) {
    for (auto [mode, want] : {std::pair{12, 236}, std::pair{1, 222}}) {
        Table t;
        t.Fan(TableauFan, mode);
        t.s.Piles.TableauPiles[0] = "000002003";
        EXPECT_EQ(PileCardY(t.s, "Fila1", 0, false), want) << mode;
    }
}

TEST(CardPlaceY, ModeSevenAddsOneStepOnce) {
    struct Case {
        const char* content;
        int skip;
        bool next;
        int want;
    } cases[] = {
        {"005", 0, false, 200},      {"005", 0, true, 218}, {"005006007", 0, false, 218},
        {"005006007", 0, true, 218}, {"005", 1, true, 200}, {"", 0, true, 200},
    };
    for (const Case& c : cases) {
        Table t;
        t.Fan(TableauFan, 7);
        t.s.Piles.TableauPiles[0] = c.content;
        EXPECT_EQ(PileCardY(t.s, "Fila1", c.skip, c.next), c.want) << c.content << " " << c.skip << c.next;
    }
}

TEST(CardPlaceY, EachGroupFansByItsOwnMode) {
    Table t;
    t.Fan(FoundationFan, 1);
    t.Fan(ReserveFan, 5);
    t.s.Piles.FoundationPiles[0] = "001002003";
    t.s.Piles.ReservePiles[0] = "001002003";
    t.s.Piles.TableauPiles[0] = "001002003"; // tableau mode 0: no fan
    EXPECT_EQ(PileCardY(t.s, "Dest1", 0, true), 50 + 54);
    EXPECT_EQ(PileCardY(t.s, "Appogg1", 0, true), 60 + 9);
    EXPECT_EQ(PileCardY(t.s, "Fila1", 0, true), 200);
    // Foundations do not fan in the reserves' squared mode.
    t.Fan(FoundationFan, 5);
    EXPECT_EQ(PileCardY(t.s, "Dest1", 0, true), 50);
}

TEST(CardPlaceX, HorizontalModes) {
    struct Case {
        int mode;
        int skip;
        bool next;
        int want;
    } cases[] = {
        {2, 0, false, 116}, {2, 0, true, 128},  {2, 2, false, 100}, {10, 0, false, 84},
        {10, 0, true, 72},  {4, 0, false, 254}, {4, 0, true, 331},  {6, 0, false, 114},
        {6, 1, true, 114},  {0, 0, true, 100},  {9, 0, false, 319}, {9, 1, true, 246},
    };
    for (const Case& c : cases) {
        Table t;
        t.Fan(TableauFan, c.mode);
        t.s.Piles.TableauPiles[0] = "001002003";
        t.s.Cards.SetCardFace(1, '0');
        EXPECT_EQ(PileCardX(t.s, "Fila1", c.skip, c.next, 0), c.want)
            << "mode " << c.mode << " skip " << c.skip << " next " << c.next;
    }
}

TEST(CardPlaceX, FoundationsAndReservesFanRightOnlyInModesTwoAndFour) {
    Table t;
    t.s.Piles.FoundationPiles[0] = "001002";
    t.s.Piles.ReservePiles[0] = "001002";
    t.Fan(FoundationFan, 4);
    t.Fan(ReserveFan, 2);
    EXPECT_EQ(PileCardX(t.s, "Dest1", 0, false, 0), 377);
    EXPECT_EQ(PileCardX(t.s, "Appogg1", 0, true, 0), 524);
    t.Fan(FoundationFan, 6);
    t.Fan(ReserveFan, 10);
    EXPECT_EQ(PileCardX(t.s, "Dest1", 0, true, 0), 300);
    EXPECT_EQ(PileCardX(t.s, "Appogg1", 0, true, 0), 500);
}

TEST(CardPlaceX, MixedModeFansTheFirstSevenRightAndTheNextFiveLeft) {
    for (int mixed : {1, 0}) {
        Table t;
        t.Fan(TableauFan, 11);
        t.Fan(MixedFan, mixed);
        for (int k : {2, 8, 12})
            t.s.TableauX[static_cast<size_t>(k)] = 400, t.s.TableauY[static_cast<size_t>(k)] = 10;
        t.s.Piles.TableauPiles[2] = "010011";
        t.s.Piles.TableauPiles[8] = "010011";
        t.s.Piles.TableauPiles[12] = "010011";
        EXPECT_EQ(PileCardX(t.s, "Fila3", 0, true, 2), mixed ? 424 : 400);
        EXPECT_EQ(PileCardX(t.s, "Fila9", 0, true, 8), mixed ? 376 : 400);
        EXPECT_EQ(PileCardX(t.s, "Fila13", 0, true, 12), 400);
        EXPECT_EQ(PileCardY(t.s, "Fila3", 0, true), 10);
    }
}

TEST(CardPlaceSnake, SerpentineGridFromTableauPileOne) {
    // Steps 71 + 12 = 83 across and 96 + 8 = 104 down; pile 1 at (10, 20).
    struct Case {
        int columns, screenWidth;
        const char* content;
        int skip;
        int x, y;
    } cases[] = {
        {3, 0, "000000000000000000000", 0, 93, 228},     // 7 empties: row 2, column 1
        {3, 0, "000000000000000000000", 4, 176, 124},    // 3: row 1 runs backwards, column 0 at the right
        {3, 0, "000005000", 0, 176, 20},                 // only "000" entries count: 2 -> row 0, column 2
        {-1, 500, "000000000000000000000", 0, 342, 124}, // 500 / 83 = 6 columns; 7: row 1 mirrored
        {0, 0, "000000000000000000000", 0, 10, 748},     // no columns given: one column, no division by 0
        {-1, 50, "000000", 0, 10, 228},                  // screen narrower than a card: one column
    };
    for (const Case& c : cases) {
        Table t;
        t.Fan(TableauFan, 8);
        t.Fan(SnakeColumns, c.columns);
        t.s.ScreenWidth = c.screenWidth;
        t.s.TableauX[0] = 10, t.s.TableauY[0] = 20;
        t.s.Piles.TableauPiles[0] = c.content;
        EXPECT_EQ(PileCardX(t.s, "Fila1", c.skip, false, 0), c.x) << c.content << " skip " << c.skip;
        EXPECT_EQ(PileCardY(t.s, "Fila1", c.skip, false), c.y) << c.content << " skip " << c.skip;
    }
}

TEST(CardPlaceJitter, HandPlacedLookAddsTheTableEntryOfTheCardsPlace) {
    struct Case {
        int cards, skip;
        bool next;
        int pileIndex;
        int column, row; // jitter entry expected, row -1 for none
    } cases[] = {
        {3, 0, false, 2, 2, 2},   {3, 0, true, 2, 3, 2},   {3, 1, false, 2, 2, 2},
        {3, 0, false, 8, 2, 2},   {3, 0, false, 6, 2, 6},  {15, 0, true, 2, 3, 2},
        {13, 0, false, 2, 12, 2}, {14, 0, false, 2, 1, 2}, {0, 0, false, 2, 0, -1},
    };
    for (const Case& c : cases) {
        Table t;
        t.Fan(TableauFan, 1);
        t.s.Params.WriteParam(179, 1, "Y");
        for (size_t r = 0; r < 7; ++r)
            for (size_t k = 0; k < 14; ++k)
                t.s.JitterTable[r][k] =
                    static_cast<std::int16_t>(static_cast<int>(r) * 100 + static_cast<int>(k));
        for (int k = 0; k < c.cards; ++k)
            t.s.Piles.TableauPiles[0] += CardText(k + 1);
        const int want = 100 + (c.row < 0 ? 0 : c.row * 100 + c.column);
        EXPECT_EQ(PileCardX(t.s, "Fila1", c.skip, c.next, c.pileIndex), want)
            << c.cards << " cards, skip " << c.skip << " next " << c.next << " pile " << c.pileIndex;
    }
}

TEST(CardPlaceJitter, OffWhenSwitchedOffOrNotFannedDown) {
    Table t;
    t.s.JitterTable[0][0] = 2;
    t.s.Piles.TableauPiles[0] = "001";
    t.Fan(TableauFan, 1);
    t.s.Params.WriteParam(179, 1, "N");
    EXPECT_EQ(PileCardX(t.s, "Fila1", 0, false, 0), 100);
    t.s.Params.WriteParam(179, 1, " ");
    EXPECT_EQ(PileCardX(t.s, "Fila1", 0, false, 0), 102);
    t.Fan(TableauFan, 7);
    EXPECT_EQ(PileCardX(t.s, "Fila1", 0, false, 0), 100);
}

TEST(CardPlaceFamilies, ASingleOffRankCardIsCoveredByTheNext) {
    struct Case {
        int family;
        const char* content;
        int baseRank;
        int want;
    } cases[] = {
        {49, "005", 13, 200}, {63, "018", 13, 200}, {49, "005", 5, 218},
        {49, "018", 5, 218},  {12, "005", 13, 218}, {49, "005006", 13, 236},
    };
    for (const Case& c : cases) {
        Table t;
        t.Fan(TableauFan, 1);
        t.Fan(Family, c.family);
        t.Fan(TableauBaseRank, c.baseRank);
        t.s.Piles.TableauPiles[0] = c.content;
        EXPECT_EQ(PileCardY(t.s, "Fila1", 0, true), c.want) << c.family << " " << c.content;
        EXPECT_EQ(PileCardY(t.s, "Fila1", 0, false), 200 + (std::string(c.content).size() > 3 ? 18 : 0));
    }
}

TEST(CardPlaceNames, StockPilesAndUnknownNames) {
    Table t;
    t.s.Game.StockX = {11, 22, 33, 0};
    t.s.Game.StockY = {44, 55, 66, 0};
    t.s.Piles.StockPiles[0] = "001002003";
    t.s.Game.ScrollOffset = 4;
    EXPECT_EQ(PileCardX(t.s, "Mazzo", 0, true, 0), 11);
    EXPECT_EQ(PileCardY(t.s, "Mazzo", 0, true), 40);
    EXPECT_EQ(PileCardX(t.s, "Mazzo_Vis", 0, false, 0), 22);
    EXPECT_EQ(PileCardY(t.s, "Mazzo_Waste", 0, false), 62);
    EXPECT_EQ(PileCardX(t.s, "Mazzo_Waste", 0, false, 0), 33);
    for (const char* name : {"Waste", "Fila41", "Dest17", "Appogg0", "Tableau", ""}) {
        EXPECT_EQ(PileCardX(t.s, name, 0, true, 0), 0) << name;
        EXPECT_EQ(PileCardY(t.s, name, 0, true), 0) << name;
    }
}

} // namespace
} // namespace quillon
