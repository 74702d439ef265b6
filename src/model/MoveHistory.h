#pragma once
// The move history: before every move the whole table is recorded, so that a move and the
// automatic actions that follow it form one step. A step is 71 lines: the three stock piles, the
// 16 foundations, the 40 tableau piles and the 12 reserves, each line a pile content. Beside the
// lines runs the event log, one entry per step, each entry ending with ",": empty, or a three-digit
// event code (1 a tableau move in family 23, 2 a deal from the stock, 4 the Draw or an exchange).

#include "model/Cards.h"

#include <string>
#include <vector>

namespace quillon {

constexpr int kHistoryStepLines = kStockPileCount + kFoundationCount + kTableauCount + kReserveCount;

// One side of the history (the undo side or the redo side): the lines of every step in four
// lists, appended at the end, and the event log.
struct HistorySide {
    std::vector<std::string> Stock;       // 3 lines per step
    std::vector<std::string> Foundations; // 16 lines per step
    std::vector<std::string> Tableau;     // 40 lines per step
    std::vector<std::string> Reserves;    // 12 lines per step
    std::string Events;

    int Steps() const { return static_cast<int>(Stock.size()) / kStockPileCount; }
    void Clear();
};

class MoveHistory {
public:
    HistorySide Undo;
    HistorySide Redo;

    // Appends one step holding the piles as they are now, and an empty event entry. In selection
    // games the first foundation holds the current selection and is stored empty.
    void RecordStep(const PileLists& piles, bool selectionGame);
    // Gives the last event entry the code, written as three digits. Without any entry nothing
    // changes.
    void LogEvent(int code);
    // Number of event entries equal to the code.
    int CountEvents(int code) const;
    // n times: drops the last step's lines and joins the last two event entries into one holding
    // the later code, so the step just recorded is taken back together with the one before it.
    // Stops when fewer than two steps are left, so the oldest step is never lost.
    void MergeSteps(int n);
    // Empties the redo side.
    void ClearRedo() { Redo.Clear(); }
    // Empties both sides (a new deal).
    void Clear();

    int Steps() const { return Undo.Steps(); }
    // The 71 lines of step k (0-based) of the undo side in their order; empty when there is no
    // such step.
    std::vector<std::string> StepLines(int k) const;
    // The event entries of the undo side, without their commas.
    std::vector<std::string> EventEntries() const;
};

} // namespace quillon
