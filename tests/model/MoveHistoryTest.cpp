// The move history: steps of 71 lines in their order, the event log, merging steps, the redo side.

#include "model/MoveHistory.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

PileLists Numbered() {
    PileLists p;
    p.StockPiles = {"001", "002", "003"};
    for (int k = 0; k < kFoundationCount; ++k)
        p.FoundationPiles[static_cast<size_t>(k)] = "F" + std::to_string(k);
    for (int k = 0; k < kTableauCount; ++k)
        p.TableauPiles[static_cast<size_t>(k)] = "T" + std::to_string(k);
    for (int k = 0; k < kReserveCount; ++k)
        p.ReservePiles[static_cast<size_t>(k)] = "R" + std::to_string(k);
    return p;
}

TEST(MoveHistory, AStepIsSeventyOneLinesInPileOrder) {
    MoveHistory h;
    h.RecordStep(Numbered(), false);
    ASSERT_EQ(h.Steps(), 1);
    const auto lines = h.StepLines(0);
    ASSERT_EQ(lines.size(), 71u);
    EXPECT_EQ(lines[0], "001");
    EXPECT_EQ(lines[2], "003");
    EXPECT_EQ(lines[3], "F0");
    EXPECT_EQ(lines[18], "F15");
    EXPECT_EQ(lines[19], "T0");
    EXPECT_EQ(lines[58], "T39");
    EXPECT_EQ(lines[59], "R0");
    EXPECT_EQ(lines[70], "R11");
    EXPECT_EQ(h.Undo.Events, ",");
    EXPECT_TRUE(h.StepLines(1).empty());
    EXPECT_TRUE(h.StepLines(-1).empty());
}

TEST(MoveHistory, SelectionGamesStoreTheFirstFoundationEmpty) {
    MoveHistory h;
    h.RecordStep(Numbered(), true);
    const auto lines = h.StepLines(0);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "F1");
}

TEST(MoveHistory, EventLogCodesAndCounts) {
    MoveHistory h;
    h.LogEvent(2); // nothing to replace yet
    EXPECT_EQ(h.Undo.Events, "");
    for (int k = 0; k < 4; ++k)
        h.RecordStep(Numbered(), false);
    h.LogEvent(2);
    EXPECT_EQ(h.Undo.Events, ",,,002,");
    h.LogEvent(4); // replaces, does not append
    EXPECT_EQ(h.Undo.Events, ",,,004,");
    h.RecordStep(Numbered(), false);
    h.LogEvent(2);
    EXPECT_EQ(h.CountEvents(2), 1);
    EXPECT_EQ(h.CountEvents(4), 1);
    EXPECT_EQ(h.CountEvents(1), 0);
    EXPECT_EQ(h.EventEntries(), (std::vector<std::string>{"", "", "", "004", "002"}));
}

TEST(MoveHistory, MergeKeepsTheEarlierSnapshotAndTheLaterCode) {
    struct Row {
        const char* what;
        std::vector<int> codes; // per step, 0 for none
        int merges;
        int steps;
        std::vector<std::string> entries;
        const char* firstStockLine; // of the last step left
    } rows[] = {
        {"one merge", {0, 2, 0}, 1, 2, {"", ""}, "s1"},
        {"later code survives", {0, 0, 4}, 1, 2, {"", "004"}, "s1"},
        {"earlier code goes", {0, 4, 0}, 1, 2, {"", ""}, "s1"},
        {"two merges", {1, 2, 4}, 2, 1, {"004"}, "s0"},
        {"never below one step", {2, 0}, 5, 1, {""}, "s0"},
    };
    for (const Row& r : rows) {
        MoveHistory h;
        for (size_t k = 0; k < r.codes.size(); ++k) {
            PileLists p = Numbered();
            p.StockPiles[0] = "s" + std::to_string(k);
            h.RecordStep(p, false);
            if (r.codes[k])
                h.LogEvent(r.codes[k]);
        }
        h.MergeSteps(r.merges);
        EXPECT_EQ(h.Steps(), r.steps) << r.what;
        EXPECT_EQ(h.EventEntries(), r.entries) << r.what;
        EXPECT_EQ(h.StepLines(h.Steps() - 1)[0], r.firstStockLine) << r.what;
        EXPECT_EQ(h.Undo.Foundations.size(), static_cast<size_t>(16 * r.steps)) << r.what;
        EXPECT_EQ(h.Undo.Tableau.size(), static_cast<size_t>(40 * r.steps)) << r.what;
        EXPECT_EQ(h.Undo.Reserves.size(), static_cast<size_t>(12 * r.steps)) << r.what;
    }
}

TEST(MoveHistory, ClearRedoLeavesTheUndoSide) {
    MoveHistory h;
    h.RecordStep(Numbered(), false);
    h.Redo.Stock = {"a", "b", "c"};
    h.Redo.Events = "002,";
    h.ClearRedo();
    EXPECT_EQ(h.Redo.Steps(), 0);
    EXPECT_TRUE(h.Redo.Events.empty());
    EXPECT_EQ(h.Steps(), 1);
    h.Clear();
    EXPECT_EQ(h.Steps(), 0);
    EXPECT_TRUE(h.Undo.Events.empty());
}

TEST(MoveHistory, StepsTakenBackGoToTheRedoSideAndReturnInTheirOrder) {
    MoveHistory h;
    std::vector<std::vector<std::string>> steps;
    for (int k = 0; k < 4; ++k) {
        PileLists p = Numbered();
        p.StockPiles[0] = "step" + std::to_string(k);
        p.TableauPiles[39] = "last" + std::to_string(k);
        h.RecordStep(p, false);
        steps.push_back(h.StepLines(k));
    }
    EXPECT_EQ(h.Recorded, 4);
    // Two actions taken back, the later one first.
    EXPECT_EQ(h.MoveTailToRedo(3), 1);
    EXPECT_EQ(h.MoveTailToRedo(1), 2);
    EXPECT_EQ(h.Steps(), 1);
    EXPECT_EQ(h.Redo.Steps(), 3);
    EXPECT_EQ(h.MoveTailToRedo(5), 0) << "nothing beyond the end";
    // Replayed in the opposite order: the history is as it was, line for line.
    h.MoveRedoTailBack(2);
    h.MoveRedoTailBack(1);
    ASSERT_EQ(h.Steps(), 4);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(h.StepLines(k), steps[static_cast<size_t>(k)]) << k;
    EXPECT_EQ(h.Redo.Steps(), 0);
    h.MoveRedoTailBack(9);
    EXPECT_EQ(h.Steps(), 4) << "an empty redo side gives nothing back";
    // Merging takes steps away but never lowers the count of steps recorded.
    h.MergeSteps(2);
    EXPECT_EQ(h.Recorded, 4);
}

TEST(MoveHistory, ANewDealForgetsEveryActionAndANewMoveWhatWasTakenBack) {
    MoveHistory h;
    h.RecordStep(Numbered(), false);
    h.Actions.resize(2);
    h.Undone.resize(1);
    const int generation = h.Generation;
    h.ClearRedo();
    EXPECT_TRUE(h.Undone.empty());
    EXPECT_EQ(h.Actions.size(), 2u);
    EXPECT_EQ(h.Generation, generation);
    h.Undone.resize(1);
    h.Clear();
    EXPECT_TRUE(h.Actions.empty());
    EXPECT_TRUE(h.Undone.empty());
    EXPECT_NE(h.Generation, generation);
}

} // namespace
} // namespace quillon
