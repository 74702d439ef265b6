// Taking moves back and replaying them: one player action is one step, everything that followed it
// by itself included; taking back and replaying gives back the very same table, counters and
// history; a new move forgets what was taken back; the commands stay off where they must.

#include "engine/Undo.h"
#include "RecordingTableView.h"
#include "StockTable.h"
#include "engine/MoveExecution.h"
#include "engine/PointerInput.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

// Everything a step to take back must give back: the table with its faces, score and counters,
// and the history (every step's lines and the event log).
struct Everything {
    TableState table;
    std::vector<std::vector<std::string>> steps;
    std::string events;
    bool operator==(const Everything&) const = default;
};

Everything Now(const Session& s) {
    Everything e{CaptureTable(s), {}, s.History.Undo.Events};
    for (int k = 0; k < s.History.Steps(); ++k)
        e.steps.push_back(s.History.StepLines(k));
    return e;
}

// A game in play on the stock table: foundation 1 builds up in hearts from the ace, tableau piles
// build down in alternate colours, cards uncovered on the tableau turn up by themselves.
struct UndoTable : StockTable {
    UndoTable() {
        UpFromAce(1);
        for (int k = 0; k < 4; ++k)
            Attrs({{attr::TableauEmpty + k, 13}, {attr::TableauDir + k, 0}, {attr::TableauRule + k, 3}});
        Attrs({{attr::TableauCount, 4}, {attr::AutoFaceUpAllowed, 1}});
        s.Params.WriteParam(param::AutomaticFaceUp, 1, "Y");
        s.Game.DealDone = 1;
        s.SetFlag(GameInPlay, true);
    }
    // The card dragged and let go over the next place of the pile: a release as the window sends it.
    void Drop(const std::string& card, const std::string& pile) {
        const int x = CardPlaceX(s, pile, 0, true), y = CardPlaceY(s, pile, 0, true);
        s.Game.DragCard = static_cast<std::int16_t>(Card(card));
        s.Game.DragMoved = 1;
        s.DragRect = {x, y, x + s.Metrics.CardWidth, y + s.Metrics.CardHeight};
        OnTableRelease(s, x, y);
    }
    // The space bar: a press and a release on the stock.
    void ClickStock() { OnTableKey(s, ' '); }
    // A stock that deals one card to the waste per click, with `passes` passes.
    UndoTable& DealsToWaste(int passes) {
        Attrs({{attr::StockToWaste, 1},
               {attr::CardsPerClick, 1},
               {attr::Passes, passes},
               {attr::StockFaceDown, 1}});
        return *this;
    }
};

// Takes the last action back and replays it: the table before it, then the table after it again.
void ExpectUndoRedoRoundTrip(UndoTable& t, const Everything& before, const char* what) {
    const Everything after = Now(t.s);
    const size_t actions = t.s.History.Actions.size();
    ASSERT_NE(before, after) << what << ": the action changed the table";
    ASSERT_TRUE(UndoAction(t.s)) << what;
    EXPECT_EQ(Now(t.s), before) << what << ": taken back in one step";
    EXPECT_EQ(t.s.History.Actions.size(), actions - 1) << what;
    ASSERT_TRUE(RedoAction(t.s)) << what;
    EXPECT_EQ(Now(t.s), after) << what << ": replayed";
    EXPECT_FALSE(CanRedo(t.s)) << what;
    EXPECT_TRUE(CanUndo(t.s)) << what;
}

TEST(Undo, ADropThatTurnedACardUpComesBackWhole) {
    UndoTable t;
    t.Piles({{"Fila1", "9C AH"}, {"Fila2", "KS"}}).FaceDown("9C");
    t.s.Params.WriteParam(param::ScoringScheme, 2, "01");
    const Everything before = Now(t.s);
    t.Drop("AH", "Dest1");
    ASSERT_EQ(t.Cards("Dest1"), "AH");
    ASSERT_TRUE(t.FaceUp("9C"));
    ASSERT_EQ(t.s.Game.MovesMade, 1);
    ExpectUndoRedoRoundTrip(t, before, "drop and turn-up");
    // The counters came back as well: the first-move rule applies again after the undo.
    ASSERT_TRUE(UndoAction(t.s));
    EXPECT_EQ(t.s.Game.MovesMade, 0);
    EXPECT_FALSE(t.FaceUp("9C"));
}

TEST(Undo, AStockTurnOverAndItsPassCountComeBack) {
    UndoTable t;
    t.DealsToWaste(3).Piles({{"Mazzo", "5H"}, {"Mazzo_Vis", "AH 2H 3H"}});
    t.ClickStock(); // the last card to the waste
    ASSERT_EQ(t.Cards("Mazzo"), "");
    const Everything beforeTurn = Now(t.s);
    t.ClickStock(); // the turn-over, the second pass
    ASSERT_EQ(t.s.Game.RedealCount, 2);
    ExpectUndoRedoRoundTrip(t, beforeTurn, "turn-over");

    // Played on with undo and redo between the clicks, the table ends as a table played straight.
    UndoTable straight;
    straight.DealsToWaste(3).Piles({{"Mazzo", "5H"}, {"Mazzo_Vis", "AH 2H 3H"}});
    for (int k = 0; k < 7; ++k) {
        straight.ClickStock();
        t.ClickStock();
        ASSERT_TRUE(UndoAction(t.s));
        ASSERT_TRUE(RedoAction(t.s));
    }
    straight.ClickStock(); // the first two clicks of `t`
    straight.ClickStock();
    EXPECT_EQ(Now(t.s), Now(straight.s)) << "pass count, deal count, faces, history and event log";
    EXPECT_EQ(t.s.Game.RedealCount, 3);
}

TEST(Undo, WhatFollowedTheMoveByItselfIsTakenBackWithIt) {
    struct Case {
        const char* what;
        bool autoplay;
        int fillRule;
        std::vector<std::pair<std::string, std::string>> piles;
        bool stockClick; // else AH is dropped home
        const char* dest1After;
        const char* fila1After;
    };
    const Case cases[] = {
        {"autoplay carries the dealt card home", true, 0, {{"Mazzo", "3H AH"}}, true, "AH", ""},
        {"autoplay follows a drop",
         true,
         0,
         {{"Fila1", "2H AH"}, {"Fila2", "3H"}, {"Fila3", "KS"}},
         false,
         "AH 2H 3H",
         ""},
        {"an emptied pile is filled from the stock",
         false,
         3,
         {{"Mazzo", "9S"}, {"Fila1", "AH"}},
         false,
         "AH",
         "9S"},
    };
    for (const Case& c : cases) {
        UndoTable t;
        t.DealsToWaste(1).Attrs({{attr::FillRule, c.fillRule}});
        if (c.autoplay)
            t.AutoplayOn();
        t.Piles(c.piles);
        t.s.Game.MovesMade = 2;
        const Everything before = Now(t.s);
        if (c.stockClick)
            t.ClickStock();
        else
            t.Drop("AH", "Dest1");
        ASSERT_EQ(t.Cards("Dest1"), c.dest1After) << c.what;
        ASSERT_EQ(t.Cards("Fila1"), c.fila1After) << c.what;
        EXPECT_EQ(t.s.History.Actions.size(), 1u) << c.what << ": one step to take back";
        ExpectUndoRedoRoundTrip(t, before, c.what);
    }
}

// A pairing game built by hand: cards whose ranks add up to 13 leave the table for the second
// waste, as the selection games remove them.
struct PairingTable : UndoTable {
    PairingTable() {
        Attr(41, 13);
        s.Play.SelectionPress = [](Session& ss, int, const std::string&, int card) {
            std::string& selection = ss.Piles.FoundationPiles[0];
            if (card < 1 || PileFind(selection, card) >= 0)
                return;
            selection += CardText(card);
            int total = 0;
            for (int k = 0; k < PileSize(selection); ++k)
                total += CardRank(PileCard(selection, k));
            if (total == 13)
                ExecuteMove(ss, 0, "Selezionate_Dest");
        };
        s.Play.SelectionMove = [](Session& ss, int, const std::string&) {
            RecordStep(ss);
            std::string& selection = ss.Piles.FoundationPiles[0];
            for (int k = 0; k < PileSize(selection); ++k) {
                const int card = PileCard(selection, k);
                RemoveCard(ss, card, false);
                ss.Piles.StockPiles[2] += CardText(card);
            }
            selection.clear();
            return true;
        };
    }
    void Press(const std::string& pile) {
        const int x = CardPlaceX(s, pile, 0, false), y = CardPlaceY(s, pile, 0, false);
        OnTablePress(s, kLeftButton, 0, x + 5, y + 5);
        OnTableRelease(s, x + 5, y + 5);
    }
};

TEST(Undo, ASelectionRemovalComesBackWithNothingSelected) {
    PairingTable t;
    t.Piles({{"Fila1", "4S 6H"}, {"Fila2", "7C"}, {"Fila3", "QD"}});
    const Everything before = Now(t.s);
    t.Press("Fila1");
    ASSERT_EQ(t.Cards("Dest1"), "6H") << "the six is selected";
    EXPECT_FALSE(CanUndo(t.s));
    t.Press("Fila2");
    ASSERT_EQ(t.Cards("Mazzo_Waste"), "6H 7C");
    ASSERT_EQ(t.Cards("Dest1"), "");
    ExpectUndoRedoRoundTrip(t, before, "removal of a pair");

    // While a selection is open nothing is taken back or replayed: the selected cards are marked on
    // the table by the selection itself.
    ASSERT_TRUE(UndoAction(t.s));
    t.Press("Fila3");
    ASSERT_EQ(t.Cards("Dest1"), "QD");
    EXPECT_FALSE(CanRedo(t.s));
    EXPECT_FALSE(RedoAction(t.s));
    EXPECT_EQ(t.Cards("Fila1"), "4S 6H");
    EXPECT_EQ(t.Cards("Mazzo_Waste"), "");
}

TEST(Undo, Boundaries) {
    UndoTable t;
    t.Piles({{"Fila1", "AH"}, {"Fila2", "2H"}, {"Fila3", "3S"}});
    RecordingTableView view;
    t.s.view = &view;
    t.s.Params.WriteParam(param::SoundUndo, 1, "Y");
    t.s.Params.WriteParam(param::SoundRedo, 1, "Y");
    const Everything dealt = Now(t.s);
    EXPECT_FALSE(UndoAction(t.s)) << "nothing played yet";
    EXPECT_FALSE(RedoAction(t.s)) << "nothing taken back";
    EXPECT_EQ(Now(t.s), dealt);
    EXPECT_EQ(view.Count("Sound"), 0);

    t.Drop("AH", "Dest1");
    t.Drop("2H", "Dest1");
    const Everything two = Now(t.s);
    ASSERT_TRUE(UndoAction(t.s));
    ASSERT_TRUE(UndoAction(t.s));
    EXPECT_EQ(Now(t.s), dealt);
    EXPECT_FALSE(UndoAction(t.s)) << "past the first step";
    EXPECT_EQ(Now(t.s), dealt);
    ASSERT_TRUE(RedoAction(t.s));
    ASSERT_TRUE(RedoAction(t.s));
    EXPECT_EQ(Now(t.s), two);
    EXPECT_FALSE(RedoAction(t.s)) << "everything replayed";

    // A move after a step was taken back: nothing can be replayed any more.
    ASSERT_TRUE(UndoAction(t.s));
    ASSERT_TRUE(CanRedo(t.s));
    t.Drop("2H", "Fila3");
    ASSERT_EQ(t.Cards("Fila3"), "3S 2H");
    EXPECT_FALSE(CanRedo(t.s));
    EXPECT_EQ(t.s.History.Redo.Steps(), 0);
    EXPECT_TRUE(UndoAction(t.s)) << "the new move is taken back";
    EXPECT_EQ(t.Cards("Dest1"), "AH");
    EXPECT_EQ(t.Cards("Fila2"), "2H");

    // Sounds behind their own switches; the piles that changed are drawn again.
    EXPECT_EQ(view.Count("Sound Undo on"), 4);
    EXPECT_EQ(view.Count("Sound Redo on"), 2);
    EXPECT_GE(view.Count("Redraw Dest1 both"), 1);
    EXPECT_EQ(view.Count("RedrawTable"), 0) << "pile by pile, not the whole table";
    t.s.Params.WriteParam(param::SoundUndo, 1, "N");
    ASSERT_TRUE(UndoAction(t.s));
    EXPECT_EQ(view.Count("Sound Undo off"), 1);
    t.s.view = &t.view;
}

TEST(Undo, OffWhereItMustBe) {
    struct Case {
        const char* what;
        void (*set)(UndoTable&);
    };
    const Case cases[] = {
        {"position 137 is 2", [](UndoTable& t) { t.s.Params.WriteParam(param::UndoEnabled, 1, "2"); }},
        {"a memory game", [](UndoTable& t) { t.Attr(attr::Family, 39); }},
        {"a card is being dragged", [](UndoTable& t) { t.s.Game.DragCard = 5; }},
        {"an automatic sequence runs", [](UndoTable& t) { t.s.SetFlag(AutomaticSequence, true); }},
        {"inside another action", [](UndoTable& t) { ++t.s.History.ActionDepth; }},
    };
    for (const Case& c : cases) {
        UndoTable t;
        t.Piles({{"Fila1", "AH"}, {"Fila2", "2H"}, {"Fila3", "KS"}});
        t.Drop("AH", "Dest1");
        t.Drop("2H", "Dest1");
        ASSERT_TRUE(UndoAction(t.s)) << c.what;
        const Everything here = Now(t.s);
        c.set(t);
        EXPECT_FALSE(CanUndo(t.s)) << c.what;
        EXPECT_FALSE(UndoAction(t.s)) << c.what;
        EXPECT_FALSE(RedoAction(t.s)) << c.what;
        EXPECT_EQ(Now(t.s), here) << c.what;
    }
}

TEST(Undo, AnEndedGameStaysRecordedAndAGameWithUndoIsRecorded) {
    UndoTable t;
    std::vector<bool> results;
    t.s.Play.RecordGameResult = [&](Session&, int, const std::string&, bool, bool won) {
        results.push_back(won);
    };
    t.Piles({{"Fila1", "AH"}, {"Fila2", "2H"}});
    t.Drop("AH", "Dest1");
    ASSERT_TRUE(UndoAction(t.s));
    EXPECT_EQ(t.s.Game.GameStarted, 1) << "taken back to the deal, the game still counts as played";
    ASSERT_TRUE(RedoAction(t.s));
    EndGame(t.s);
    ASSERT_EQ(results.size(), 1u) << "the game with undo is recorded as any other";
    EXPECT_FALSE(CanUndo(t.s)) << "the ended game cannot be taken back";
    EXPECT_FALSE(UndoAction(t.s));
    EXPECT_EQ(t.Cards("Dest1"), "AH");
    EndGame(t.s);
    EXPECT_EQ(results.size(), 1u) << "recorded once";
}

TEST(Undo, AnActionDuringWhichANewGameWasDealtIsNotKept) {
    UndoTable t;
    t.Piles({{"Fila1", "AH"}});
    {
        const PlayerAction action(t.s);
        ExecuteMove(t.s, Card("AH"), "Dest1");
        t.s.History.Clear(); // the game list opened after a win and a new game was dealt
    }
    EXPECT_FALSE(CanUndo(t.s));
    EXPECT_EQ(t.s.History.ActionDepth, 0);
}

} // namespace
} // namespace quillon::test
