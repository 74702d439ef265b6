// The pointer on the table: which pile and card a point hits on laid-out piles, presses that pick
// cards up or are refused, the drag and the drop at release, double clicks that send cards home
// and swallow the following press, presses during a drag, and the keys.

#include "engine/PointerInput.h"
#include "PlayTable.h"
#include "engine/PickUp.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

constexpr int kPickUpRule = 14;
constexpr int kFamily = 54;

// The standard play table with single cards and runs that may be picked up.
struct InputTable : PlayTable {
    InputTable() {
        Attr(kPickUpRule, -1);
        view.log.clear();
    }
    void Press(int x, int y, int button = kLeftButton, int shift = 0) {
        OnTablePress(s, button, shift, x, y);
    }
};

TEST(PointerInput, HitTestOnLaidOutPiles) {
    InputTable t;
    // Tableau pile 1 at (10, 150): 9C face down (5 px), 8H face up (20 px), 7S on top.
    t.Pile("Fila1", "9C 8H 7S").FaceDown("9C");
    t.Pile("Dest1", "AH").Pile("Appogg1", "QD");
    struct Row {
        const char* what;
        int x, y;
        bool reportEmpty;
        const char* pile;
        const char* card; // "" for none
        TableRect rect;
    } rows[] = {
        {"face-down card's short strip", 15, 152, false, "Fila1", "9C", At(10, 150)},
        {"face-down strip's lower border", 15, 155, false, "Fila1", "9C", At(10, 150)},
        {"face-up strip below it", 15, 156, false, "Fila1", "8H", At(10, 155)},
        {"top card", 80, 200, false, "Fila1", "7S", At(10, 175)},
        {"top card's last row", 10, 270, false, "Fila1", "7S", At(10, 175)},
        {"pile's bottom edge holds no card", 15, 271, false, "", "", {}},
        {"pile's bottom edge, empty reported", 15, 271, true, "Fila1", "", {}},
        {"empty tableau pile", 115, 160, false, "", "", {}},
        {"empty tableau pile reported", 115, 160, true, "Fila2", "", {}},
        {"between two piles", 95, 160, true, "", "", {}},
        {"foundation card", 20, 20, false, "Dest1", "AH", At(10, 10)},
        {"empty foundation counts without asking", 180, 106, false, "Dest2", "", {}},
        {"reserve card", 81, 696, false, "Appogg1", "QD", At(10, 600)},
        {"empty reserve", 120, 610, false, "", "", {}},
        {"empty reserve reported", 120, 610, true, "Appogg2", "", {}},
        {"reserve beyond the game's count", 320, 610, true, "", "", {}},
        {"far off the table", 5000, 5000, true, "", "", {}},
    };
    t.Attr(attr::ReserveCount, 3);
    for (const Row& r : rows) {
        const HitResult h = HitTest(t.s, r.x, r.y, r.reportEmpty);
        EXPECT_EQ(h.pile, r.pile) << r.what;
        EXPECT_EQ(h.card, *r.card ? Card(r.card) : 0) << r.what;
        EXPECT_EQ(h.rect, r.rect) << r.what;
    }
}

TEST(PointerInput, StockPilesAreOneCardEach) {
    InputTable t;
    t.s.Game.SetStockX(0, 900), t.s.Game.SetStockY(0, 10);
    t.s.Game.SetStockX(1, 1000), t.s.Game.SetStockY(1, 10);
    t.Pile("Mazzo_Vis", "3C 4C");
    EXPECT_EQ(HitTest(t.s, 971, 106, false).pile, "Mazzo") << "an empty stock is still hit";
    EXPECT_EQ(HitTest(t.s, 971, 106, false).card, 0);
    const HitResult waste = HitTest(t.s, 1000, 10, false);
    EXPECT_EQ(waste.pile, "Mazzo_Vis");
    EXPECT_EQ(waste.card, Card("4C"));
    EXPECT_EQ(HitTest(t.s, 1072, 50, true).pile, "");
}

TEST(PointerInput, LeftFannedPileAnswersOnlyWithItsTopCard) {
    InputTable t;
    t.Attr(attr::TableauFan, 10);
    t.s.Game.StepUpX = 15;
    t.s.TableauX[0] = 300;
    t.Pile("Fila1", "5H 4S 3D");
    // The top card lies at 300 - 2 * 15 = 270.
    for (int x : {270, 280, 299, 300, 320, 340}) {
        const HitResult h = HitTest(t.s, x, 160, false);
        EXPECT_EQ(h.card, Card("3D")) << x;
        EXPECT_EQ(h.rect, At(270, 150)) << x;
    }
    EXPECT_EQ(HitTest(t.s, 269, 160, false).card, 0);
}

TEST(PointerInput, OverlappingRowsLetTheLaterPileWin) {
    InputTable t;
    t.Attr(attr::TableauFan, 4);
    t.s.Game.RowGap = 5;
    t.s.TableauX[1] = 60;
    t.Pile("Fila1", "5H 4S").Pile("Fila2", "9C");
    EXPECT_EQ(HitTest(t.s, 70, 160, false).card, Card("9C"));
    EXPECT_EQ(HitTest(t.s, 20, 160, false).card, Card("5H"));
    EXPECT_EQ(HitTest(t.s, 140, 160, false).card, Card("4S")) << "second card of the row, past pile 2";
}

TEST(PointerInput, PressDragAndReleaseMoveOneCardAsOneStep) {
    InputTable t;
    t.Pile("Fila1", "10D 8H").Pile("Fila2", "9S");
    t.Press(20, 180); // 8H lies at (10, 170)
    EXPECT_EQ(t.s.Game.DragCard, Card("8H"));
    EXPECT_EQ(t.s.Game.DragStartX, 20);
    EXPECT_EQ(t.s.GrabOffsetX, 10);
    EXPECT_EQ(t.s.GrabOffsetY, 10);
    EXPECT_EQ(t.view.Count("Lift 8"), 1) << "the card leaves the table picture";
    OnTableMove(t.s, 70, 185);
    OnTableMove(t.s, 120, 190);
    EXPECT_EQ(t.s.Game.DragMoved, 1);
    EXPECT_EQ(t.s.DragRect, At(110, 180));
    OnTableRelease(t.s, 120, 190);
    EXPECT_EQ(t.PileText("Fila2"), Content("9S 8H"));
    EXPECT_EQ(t.PileText("Fila1"), Content("10D"));
    EXPECT_EQ(t.s.History.Steps(), 1);
    EXPECT_EQ(t.s.Game.DragCard, 0);
    EXPECT_EQ(t.s.Game.RunEndCard, 0);
}

TEST(PointerInput, PressAndReleaseWithoutMovingPutsTheCardBack) {
    InputTable t;
    t.Pile("Fila1", "10D 8H").Pile("Fila2", "9S");
    t.Press(20, 180);
    OnTableRelease(t.s, 120, 190);
    EXPECT_EQ(t.PileText("Fila1"), Content("10D 8H"));
    EXPECT_EQ(t.s.History.Steps(), 0);
    EXPECT_EQ(t.s.Game.DragCard, 0);
    EXPECT_EQ(t.view.Count("Redraw Fila1"), 1);
}

TEST(PointerInput, RunIsPickedUpWithItsHeight) {
    InputTable t;
    t.Pile("Fila1", "KS QH JC");
    t.Press(20, 175); // QH: 170..190
    EXPECT_EQ(t.s.Game.DragCard, Card("QH"));
    EXPECT_EQ(t.s.Game.RunEndCard, Card("JC"));
    EXPECT_EQ(t.s.DragHeight, t.s.PileBottomEdge("Fila1") - 170);
    OnTableRelease(t.s, 0, 0);
    // Out of sequence by the tableau's own building rule: nothing is picked up.
    InputTable u;
    u.Attr(attr::RunOrder, 1);
    u.Pile("Fila1", "KS QH 5C");
    u.Press(20, 175);
    EXPECT_EQ(u.s.Game.DragCard, 0);
    EXPECT_EQ(u.view.Count("Beep"), 1);
}

TEST(PointerInput, RefusedPressesBeepAndChangeNothing) {
    struct Row {
        const char* what;
        int family, pickUp, button, shift;
        const char* peekParam;
    } rows[] = {
        {"pick-up limit of 0", 0, 0, kLeftButton, 0, "Y"},
        {"family 12: not next to the waste card", 12, -1, kLeftButton, 0, "Y"},
        {"Ctrl + right button without the partial-card switch", 0, -1, kRightButton, kCtrlKey, "N"},
        {"right button in family 74 on a tableau card", 74, -1, kRightButton, 0, "N"},
    };
    for (const Row& r : rows) {
        InputTable t;
        t.Attr(kFamily, r.family).Attr(kPickUpRule, r.pickUp);
        t.s.Params.WriteParam(param::ShowPartialHiddenCard, 1, r.peekParam);
        t.Pile("Fila1", "10D 8H").Pile("Mazzo_Waste", "3S");
        t.Press(20, 180, r.button, r.shift);
        EXPECT_EQ(t.view.Count("Beep"), 1) << r.what;
        EXPECT_EQ(t.s.Game.DragCard, 0) << r.what;
        EXPECT_EQ(t.PileText("Fila1"), Content("10D 8H")) << r.what;
        EXPECT_EQ(t.s.History.Steps(), 0) << r.what;
        EXPECT_EQ(t.view.Count("Lift"), 0) << r.what;
    }
}

// Games played onto the second waste: a press on a tableau top card one rank above or below the
// waste's top card plays it there at once; ace and king are neighbours only where the game says.
TEST(PointerInput, PressPlaysNeighbouringRankOntoTheSecondWaste) {
    struct Row {
        int family;
        const char* waste;
        const char* pressed;
        bool played;
    } rows[] = {
        {2, "AH", "2C", true},  {2, "5D", "4S", true},   {2, "5D", "6D", true},  {2, "5D", "7D", false},
        {2, "5D", "5C", false}, {2, "AH", "KS", false},  {2, "KH", "AS", false}, {15, "AH", "KS", true},
        {15, "KH", "AS", true}, {15, "9C", "10H", true}, {12, "KH", "AS", true}, {12, "AH", "KS", true},
        {12, "KH", "QC", true}, {12, "KH", "JC", false},
    };
    for (const Row& r : rows) {
        InputTable t;
        t.Attr(kFamily, r.family);
        t.Pile("Fila1", std::string("10D ") + r.pressed).Pile("Mazzo_Waste", r.waste);
        t.Press(20, 180);
        const std::string what = std::to_string(r.family) + ": " + r.pressed + " on " + r.waste;
        if (r.played) {
            EXPECT_EQ(t.PileText("Mazzo_Waste"), Content(std::string(r.waste) + " " + r.pressed)) << what;
            EXPECT_EQ(t.PileText("Fila1"), Content("10D")) << what;
            EXPECT_EQ(t.view.Count("Beep"), 0) << what;
        } else {
            EXPECT_EQ(t.PileText("Mazzo_Waste"), Content(r.waste)) << what;
            EXPECT_EQ(t.view.Count("Beep"), 1) << what;
        }
        EXPECT_EQ(t.s.Game.DragCard, 0) << what << ": no drag is kept";
    }
}

TEST(PointerInput, QuietPressesDoNothingAtAll) {
    struct Row {
        const char* what;
        int x, y, button, shift;
    } rows[] = {
        {"right button without Ctrl in an ordinary game", 20, 180, kRightButton, 0},
        {"left press outside every pile", 700, 400, kLeftButton, 0},
        {"Ctrl + right press outside every pile", 700, 400, kRightButton, kCtrlKey},
        {"left press on an empty tableau pile", 120, 160, kLeftButton, 0},
    };
    for (const Row& r : rows) {
        InputTable t;
        t.Pile("Fila1", "10D 8H");
        t.Press(r.x, r.y, r.button, r.shift);
        EXPECT_EQ(t.view.Count("Beep"), 0) << r.what;
        EXPECT_EQ(t.s.Game.DragCard, 0) << r.what;
    }
}

TEST(PointerInput, CtrlRightPressShowsACoveredCardWhole) {
    InputTable t;
    t.s.Params.WriteParam(param::ShowPartialHiddenCard, 1, "Y");
    t.Pile("Fila1", "10D 8H 7S");
    t.Press(20, 160, kRightButton, kCtrlKey);
    EXPECT_EQ(t.view.Count("Card 23 10,150"), 1) << t.view.log.size();
    EXPECT_EQ(t.s.PeekX, 10);
    EXPECT_EQ(t.s.PeekY, 150);
    EXPECT_EQ(t.view.Count("Beep"), 0);
    // The release puts the table back over the card and forgets it, so the next right press on
    // something that cannot be shown beeps again.
    t.view.log.clear();
    OnTableRelease(t.s, 20, 160);
    EXPECT_EQ(t.view.Count("Repaint 10,150 81,246"), 1);
    EXPECT_EQ(t.s.PeekX, 0);
    EXPECT_EQ(t.s.PeekY, 0);
    t.Press(5000, 5000, kRightButton, kCtrlKey);
    t.Press(20, 160, kMiddleButton);
    EXPECT_EQ(t.view.Count("Beep"), 1);
    OnTableRelease(t.s, 20, 160);
    EXPECT_EQ(t.view.Count("Repaint"), 1) << "nothing was shown, nothing is repaired";
}

TEST(PointerInput, RightPressesThatShowNothing) {
    struct Row {
        const char* what;
        const char* peekSwitch;
        bool faceDown;
        int button, shift;
        bool beep;
    } rows[] = {
        {"switch off", "N", false, kRightButton, kCtrlKey, true},
        {"face-down card", "Y", true, kRightButton, kCtrlKey, true},
        {"right button without Ctrl", "Y", false, kRightButton, 0, false},
        {"middle button on a tableau card", "Y", false, kMiddleButton, 0, true},
    };
    for (const Row& r : rows) {
        InputTable t;
        t.s.Params.WriteParam(param::ShowPartialHiddenCard, 1, r.peekSwitch);
        t.Pile("Fila1", "10D 8H 7S");
        if (r.faceDown)
            t.FaceDown("10D");
        // A face-down card shows only its short strip.
        t.Press(20, r.faceDown ? 152 : 160, r.button, r.shift);
        EXPECT_EQ(t.s.PeekX, 0) << r.what;
        EXPECT_EQ(t.view.Count("Card"), 0) << r.what;
        EXPECT_EQ(t.view.Count("Beep"), r.beep ? 1 : 0) << r.what;
        EXPECT_EQ(t.s.Game.DragCard, 0) << r.what;
    }
}

TEST(PointerInput, FaceDownTopCardTurnsUpWhereItLies) {
    InputTable t;
    t.Pile("Fila1", "10D 8H").FaceDown("8H");
    t.Press(20, 180);
    EXPECT_FALSE(t.Hidden("8H"));
    EXPECT_EQ(t.s.Game.DragCard, 0);
}

TEST(PointerInput, LockedPilesIgnoreTheLeftButton) {
    InputTable t;
    t.Attr(27, 1).Attr(28, 3);
    t.Pile("Fila1", "8H").Pile("Fila3", "5C");
    t.Press(20, 160);
    EXPECT_EQ(t.s.Game.DragCard, 0) << "pile 1 is below 1 x 3";
    t.Press(220, 160);
    EXPECT_EQ(t.s.Game.DragCard, Card("5C"));
}

TEST(PointerInput, DoubleClickSendsHomeAndSwallowsTheNextPress) {
    InputTable t;
    t.s.Params.WriteParam(param::DoubleClickToFoundations, 1, "Y");
    t.Pile("Fila1", "10D AH").Pile("Fila2", "9S");
    t.Press(20, 180);
    OnTableRelease(t.s, 20, 180);
    OnTableDoubleClick(t.s);
    EXPECT_EQ(t.PileText("Dest1"), Content("AH"));
    EXPECT_EQ(t.PileText("Fila1"), Content("10D"));
    EXPECT_EQ(t.s.History.Steps(), 1);
    // The press the system delivers after the double click is ignored, the one after acts.
    t.Press(120, 160);
    EXPECT_EQ(t.s.Game.DragCard, 0);
    t.Press(120, 160);
    EXPECT_EQ(t.s.Game.DragCard, Card("9S"));
}

TEST(PointerInput, DoubleClickWithoutItsSwitchesLeavesTheNextPressAlone) {
    InputTable t;
    t.Pile("Fila1", "10D AH");
    t.Press(20, 180);
    OnTableRelease(t.s, 20, 180);
    OnTableDoubleClick(t.s);
    EXPECT_EQ(t.PileText("Dest1"), "");
    EXPECT_FALSE(t.s.Flag(SkipNextPress));
    t.Press(20, 180);
    EXPECT_EQ(t.s.Game.DragCard, Card("AH"));
}

TEST(PointerInput, PressDuringADragIsIgnored) {
    InputTable t;
    t.Pile("Fila1", "8H").Pile("Fila2", "9S");
    t.Press(20, 160);
    OnTableMove(t.s, 30, 170);
    t.Press(120, 160, kRightButton);
    t.Press(120, 160);
    EXPECT_EQ(t.s.Game.DragCard, Card("8H"));
    EXPECT_EQ(t.s.Game.PressX, 20);
    EXPECT_EQ(t.s.Game.DragMoved, 1) << "the ignored press does not reset the drag";
}

TEST(PointerInput, NothingReactsWhileNoGameIsInPlay) {
    InputTable t;
    t.s.SetFlag(GameInPlay, false);
    t.Pile("Fila1", "8H");
    t.Press(20, 160);
    EXPECT_EQ(t.s.Game.DragCard, 0);
    EXPECT_EQ(t.s.Game.PressX, 0);
}

TEST(PointerInput, KeysClickTheStockAndAskForAHint) {
    InputTable t;
    t.s.Game.SetStockX(0, 900), t.s.Game.SetStockY(0, 10);
    int stockClicks = 0, hints = 0;
    t.s.Play.StockClick = [&](Session&) { ++stockClicks; };
    t.s.Play.SuggestMove = [&](Session&) { ++hints; };
    OnTableKey(t.s, ' ');
    EXPECT_EQ(stockClicks, 1);
    EXPECT_EQ(t.s.Game.PressX, 901);
    OnTableKey(t.s, 'm');
    EXPECT_EQ(hints, 0) << "the move-hint key is off in this game";
    t.Attr(47, 1);
    OnTableKey(t.s, 'M');
    EXPECT_EQ(hints, 1);
}

TEST(PointerInput, MovingOffAHeldEmptyStockReleasesIt) {
    InputTable t;
    t.s.Game.SetStockX(1, 900), t.s.Game.SetStockY(1, 10);
    t.s.Game.StockPressed = 1;
    OnTableMove(t.s, 950, 50);
    EXPECT_EQ(t.s.Game.StockPressed, 1);
    OnTableMove(t.s, 850, 50);
    EXPECT_EQ(t.s.Game.StockPressed, 0);
}

TEST(PointerInput, SlidingOffTheHeldMarkerLetsItUpWhereItLies) {
    // The marker lies on the stock (attribute 10) or, for a game that turns the stock to the
    // waste (attribute 11), on the empty waste; it goes up again there, and only once.
    struct Row {
        int onStock, toWaste;
        const char* stock;
        const char* waste;
        int stockX, wasteX;
        const char* expected;
    } rows[] = {
        {1, 0, "", "AH", 900, 700, "StockImage StockUp 0"},
        {0, 1, "AH", "", 700, 900, "StockImage StockUp 1"},
    };
    for (const Row& r : rows) {
        InputTable t;
        t.Attr(10, r.onStock).Attr(11, r.toWaste);
        t.Pile("Mazzo", r.stock).Pile("Mazzo_Vis", r.waste);
        t.s.Game.SetStockX(0, r.stockX), t.s.Game.SetStockY(0, 10);
        t.s.Game.SetStockX(1, r.wasteX), t.s.Game.SetStockY(1, 10);
        t.s.Game.StockPressed = 1;
        t.view.log.clear();
        OnTableMove(t.s, 850, 50);
        EXPECT_EQ(t.s.Game.StockPressed, 0) << r.expected;
        EXPECT_EQ(t.view.Lines("StockImage"), std::vector<std::string>{r.expected});
        EXPECT_EQ(t.view.Count("EmptyStock"), 0) << "the stock's own mark is not drawn over the waste's";
        OnTableMove(t.s, 800, 50);
        EXPECT_EQ(t.view.Count("StockImage"), 1) << "released once";
    }
}

} // namespace
} // namespace quillon::test
