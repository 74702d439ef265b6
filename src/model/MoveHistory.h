#pragma once
// The move history: before every move the whole table is recorded, so that a move and the
// automatic actions that follow it form one step. A step is 71 lines: the three stock piles, the
// 16 foundations, the 40 tableau piles and the 12 reserves, each line a pile content. Beside the
// lines runs the event log, one entry per step, each entry ending with ",": empty, or a three-digit
// event code (1 a tableau move in family 23, 2 a deal from the stock, 4 the Draw or an exchange).

#include "model/Cards.h"

#include <cstdint>
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

// The whole table at one moment, beyond what a history step keeps: every pile (the selection of
// the selection games included), every card's face, the score and the counters of the game in
// progress that a move changes.
struct TableState {
    PileLists Piles;
    std::string Faces; // '1' face up, '0' face down, for the cards 1..212 in order
    std::string Score; // the score field of the parameter string
    std::int16_t MovesMade = 0, RedealCount = 0, CardsTurnedBack = 0, OnceUsed = 0;
    std::int32_t DealCount = 0;

    bool operator==(const TableState&) const = default;
};

// One player action that can be taken back: the table before it and where the history stood.
struct UndoableAction {
    TableState Before;
    int Steps = 0;      // steps of the undo side before the action
    std::string Events; // the event log before the action
};

// An action taken back: what it had left on the table and in the event log; the steps it had
// recorded wait at the end of the redo side.
struct UndoneAction {
    UndoableAction Action;
    TableState After;
    std::string EventsAfter;
    int TailSteps = 0;
};

class MoveHistory {
public:
    HistorySide Undo;
    HistorySide Redo;

    // The player's actions that can be taken back, oldest first, and those taken back that can be
    // replayed, the most recently taken back last.
    std::vector<UndoableAction> Actions;
    std::vector<UndoneAction> Undone;
    // Steps recorded so far (merging never lowers it): an action made a move when it grew.
    long Recorded = 0;
    // Raised each time the history is emptied, so that an action spanning a new deal is dropped.
    int Generation = 0;
    // Player actions in progress (an action inside another counts with the outer one).
    int ActionDepth = 0;
    // The last action is a press that moved something, and the release that ends its click has
    // not come yet.
    bool PressStepOpen = false;

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
    // Empties the redo side: nothing taken back can be replayed any more.
    void ClearRedo() {
        Redo.Clear();
        Undone.clear();
    }
    // Empties both sides and forgets every action (a new deal).
    void Clear();
    // Moves the steps after the first `steps` of the undo side to the end of the redo side, in
    // their order; returns how many moved. The event log is left alone.
    int MoveTailToRedo(int steps);
    // Moves the last `count` steps of the redo side back to the end of the undo side.
    void MoveRedoTailBack(int count);

    int Steps() const { return Undo.Steps(); }
    // The 71 lines of step k (0-based) of the undo side in their order; empty when there is no
    // such step.
    std::vector<std::string> StepLines(int k) const;
    // The event entries of the undo side, without their commas.
    std::vector<std::string> EventEntries() const;
};

} // namespace quillon
