#pragma once
// The state of the table that is not pile content: pile positions, layout steps, pointer and drag
// state, the counters of the game in progress, a few preferences held as numbers, the game list,
// the attributes of the current game, the run-time flags, the game clock and the jitter table.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// "Not shown" markers of pile positions.
constexpr std::int16_t kFoundationHidden = -10001;
constexpr std::int16_t kReserveHidden = -10003;
constexpr std::int16_t kStockHidden = -10000;
constexpr std::int16_t kTableauHidden = -10002;

struct TMainGame {
    // Pile positions, set by the layout. Index 0 is pile 1; the last entry of each is spare.
    std::array<std::int16_t, 17> FoundationX{}, FoundationY{};
    std::array<std::int16_t, 13> ReserveX{}, ReserveY{};
    std::array<std::int16_t, 4> StockX{}, StockY{}; // Mazzo, Mazzo_Vis, Mazzo_Waste

    // Layout steps for the current game and card size.
    std::int16_t StepUpY = 0, StepUpX = 0, StepDownY = 0, StepDownX = 0;
    std::int16_t RowGap = 0, SnakeGapX = 0, SnakeGapY = 0, StepMode5 = 0, StepMode6Y = 0, StepMode6X = 0;

    std::int16_t CloseRequested = 0;
    std::int16_t RedealCount = 0;
    std::int16_t CardImagesState = 0;
    std::int16_t CardSetVariant = 0;

    // Pointer and drag.
    std::int16_t PressX = 0, PressY = 0, HintX = 0, HintY = 0, DragStartX = 0, DragStartY = 0;
    std::int16_t DragCard = 0, RunEndCard = 0, DragMoved = 0, StockPressed = 0;

    std::int16_t ScrollOffset = 0;
    std::int16_t TableBottom = 0;
    std::int16_t DealDone = 0;
    std::int16_t MovesMade = 0;
    std::int16_t CardsTurnedBack = 0;
    std::int16_t FoundationMark = 0;

    // Preferences held as numbers.
    std::int16_t HighlightFoundationsMark = 0, RandomGameType = 0, AutoPlayAllGames = 0, FastSearchType = 0,
                 StatisticsDisabled = 0;

    std::int16_t GameStarted = 0;
    std::int16_t FreshDeal = 0;
    // The single special action was used; the three deal values read by the drawing of special games.
    std::int16_t OnceUsed = 0;
    std::array<std::int16_t, 3> DealValues{};

    // Layout copies of the stock-type piles (Mazzo, Mazzo_Vis, Mazzo_Waste) and the foundations: x, and y
    // less the scroll position, as they were at the moment of layout.
    struct HomePos {
        std::int16_t X = 0, Y = 0;
    };
    std::array<HomePos, 3> StockHomePos{};
    std::array<HomePos, 16> FoundationHomePos{};
    std::int16_t SmallScreenAdviceShown = 0, CardSizeAdviceShown = 0;
    std::int16_t MultiCardFill = 0;

    // The games of this system, one line per game (the game list of the definition file).
    std::vector<std::string> GameList;

    // Position accessors; every y getter removes the scroll offset. i is the 0-based pile index.
    int GetFoundationX(int i) const { return FoundationX.at(i); }
    int GetFoundationY(int i) const { return FoundationY.at(i) - ScrollOffset; }
    void SetFoundationX(int i, int v) { FoundationX.at(i) = static_cast<std::int16_t>(v); }
    void SetFoundationY(int i, int v) { FoundationY.at(i) = static_cast<std::int16_t>(v); }
    int GetReserveX(int i) const { return ReserveX.at(i); }
    int GetReserveY(int i) const { return ReserveY.at(i) - ScrollOffset; }
    void SetReserveX(int i, int v) { ReserveX.at(i) = static_cast<std::int16_t>(v); }
    void SetReserveY(int i, int v) { ReserveY.at(i) = static_cast<std::int16_t>(v); }
    int GetStockX(int i) const { return StockX.at(i); }
    int GetStockY(int i) const { return StockY.at(i) - ScrollOffset; }
    void SetStockX(int i, int v) { StockX.at(i) = static_cast<std::int16_t>(v); }
    void SetStockY(int i, int v) { StockY.at(i) = static_cast<std::int16_t>(v); }
};

// Indexes of the run-time flags.
enum StateFlag : int {
    GameInPlay = 2,
    ClockRunning = 3,
    FirstActivationPending = 4,
    SkipNextPress = 5,
    AutomaticSequence = 6,
    GameWon = 8,
    GameEndHandled = 9,
};

// Index of the stock-deal counter in the state values.
constexpr int DealCounter = 0;
constexpr int kAttrCount = 504;
constexpr int kSavedAttrCount = 56;

// The small random offsets of the hand-placed look: 7 rows of 14.
using JitterRows = std::array<std::array<std::int16_t, 14>, 7>;

// Fills the jitter table; `draw(n)` gives a uniformly drawn integer from 0 to n - 1. Entry 0 and
// entry 13 of every row are 0 and the running sum of a row never leaves -2..2.
template <class Draw>
void BuildJitterTable(JitterRows& table, Draw&& draw) {
    for (auto& row : table) {
        row.fill(0);
        int prev = draw(4);
        int sum = 0;
        for (int i = 1; i <= 12; ++i) {
            int c = draw(4);
            if (prev > 2 && c > 2)
                c = 0;
            else if ((c == 1 || c == 2) && prev <= 2)
                c = 0;
            prev = c;
            int d = c <= 2 ? c : -1;
            sum += d;
            if (sum > 2) {
                d -= 2;
                sum -= 2;
            } else if (sum < -2) {
                d += 2;
                sum += 2;
            }
            row[static_cast<size_t>(i)] = static_cast<std::int16_t>(d);
        }
    }
}

} // namespace quillon
