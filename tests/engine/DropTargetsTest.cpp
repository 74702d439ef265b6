// Drop targets: the overlap tests and areas, the order of candidates, the drop of a released
// card on the best pile that takes it, the first-move gate, the stock rule of rule 129 and card
// sending in its fixed order.

#include "engine/DropTargets.h"
#include "PlayTable.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

TEST(DropTargets, OverlapAndAreaByCornerAndEdge) {
    const TableRect pile{100, 100, 171, 196};
    struct Row {
        const char* what;
        TableRect drag;
        bool overlaps;
        int area;
    } rows[] = {
        {"top-left corner inside", {150, 150, 221, 246}, true, 21 * 46},
        {"bottom-right corner inside", {60, 60, 131, 156}, true, 31 * 56},
        {"top-right corner inside", {50, 150, 121, 246}, true, 21 * 46},
        {"bottom-left corner inside", {150, 40, 221, 136}, true, 21 * 36},
        {"edges touch", {171, 196, 242, 292}, true, 0},
        {"beside it", {172, 100, 243, 196}, false, 0},
        {"above it", {100, 0, 171, 99}, false, 0},
        {"tall run, left edge crosses 120 px down", {120, -20, 191, 400}, true, (171 - 120) * 420},
        {"tall run, right edge crosses", {60, -20, 131, 400}, true, (131 - 100) * 420},
        {"tall run whose samples miss the pile", {120, 0, 191, 99}, false, 0},
        {"the sample 100 px down finds the pile", {120, 40, 191, 330}, true, 51 * 290},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(RectsOverlap(r.drag, pile), r.overlaps) << r.what;
        EXPECT_EQ(OverlapArea(r.drag, pile), r.area) << r.what;
    }
    // A thin pile the 50-px samples step over.
    const TableRect thin{100, 95, 171, 99};
    EXPECT_FALSE(RectsOverlap({120, 40, 191, 330}, thin));
    EXPECT_TRUE(RectsOverlap({120, 45, 191, 330}, thin));
}

TEST(DropTargets, KeysAreTwelveDigits) {
    EXPECT_EQ(CandidateKey(6816, 4, 2), "006816004002");
    EXPECT_EQ(CandidateKey(0, 5, 15), "000000005015");
    EXPECT_EQ(CandidateKey(2000000, 6, 3), "999999006003");
}

TEST(DropTargets, LargerOverlapFirstAndTiesByKindThenIndex) {
    PlayTable t;
    // Foundation 2 at (110, 10); tableau pile 2 at (110, 150): place them to overlap a drag.
    t.s.Game.SetFoundationY(1, 100);
    // Drag at (110, 110): 86 px of foundation 2 (100..196), 56 px of tableau 2 (150..246).
    auto c = DropTargets(t.s, At(110, 110));
    EXPECT_EQ(c[0], (DropCandidate{5, 1}));
    EXPECT_EQ(c[1], (DropCandidate{4, 1}));
    EXPECT_EQ(c[2], (DropCandidate{}));
    // Lower down the tableau pile wins.
    c = DropTargets(t.s, At(110, 170));
    EXPECT_EQ(c[0], (DropCandidate{4, 1}));
    EXPECT_EQ(c[1], (DropCandidate{5, 1}));

    // Equal overlaps: reserve (6) before foundation (5).
    PlayTable u;
    u.s.Game.SetReserveX(0, 10);
    u.s.Game.SetReserveY(0, 10);
    u.s.Game.SetFoundationX(0, 50);
    u.s.Game.SetFoundationY(0, 10);
    c = DropTargets(u.s, At(30, 10));
    EXPECT_EQ(c[0], (DropCandidate{6, 0}));
    EXPECT_EQ(c[1], (DropCandidate{5, 0}));

    // Equal overlaps: foundation (5) before tableau (4), though the tableau is looked at later.
    PlayTable v;
    v.s.Game.SetFoundationX(0, 50);
    v.s.Game.SetFoundationY(0, 150);
    c = DropTargets(v.s, At(30, 150));
    EXPECT_EQ(c[0], (DropCandidate{5, 0}));
    EXPECT_EQ(c[1], (DropCandidate{4, 0}));
}

TEST(DropTargets, AtMostFourAndTheWasteOnlyWhenShown) {
    PlayTable t;
    // All foundations stacked on one place.
    for (int k = 0; k < 8; ++k)
        t.s.Game.SetFoundationX(k, 10);
    auto c = DropTargets(t.s, At(10, 10));
    EXPECT_EQ(c[0], (DropCandidate{5, 7}));
    EXPECT_EQ(c[3], (DropCandidate{5, 4}));
    t.s.Game.SetStockX(1, 500);
    t.s.Game.SetStockY(1, 500);
    EXPECT_EQ(DropTargets(t.s, At(500, 500))[0], (DropCandidate{2, 0}));
    t.Attr(attr::WasteKind, 4);
    EXPECT_EQ(DropTargets(t.s, At(500, 500))[0], (DropCandidate{}));
}

TEST(DropTargets, FannedPileOffersItsTopCardsPlace) {
    PlayTable t;
    t.Pile("Fila1", "KS QH JC 10D");
    // Top card at y 150 + 3 * 20 = 210.
    EXPECT_EQ(DropTargets(t.s, At(10, 300))[0], (DropCandidate{4, 0}));
    EXPECT_EQ(DropTargets(t.s, At(10, 320))[0], (DropCandidate{}));
    t.Attr(attr::TableauFan, 8);
    EXPECT_EQ(DropTargets(t.s, At(10, 300))[0], (DropCandidate{}));
}

TEST(ResolveDrop, TriesTheLargerOverlapFirstThenTheNext) {
    PlayTable t;
    t.s.Game.SetFoundationY(1, 100);
    t.Pile("Fila2", "9C").Pile("Fila5", "AH 8D").Pile("Dest2", "AD 2D 3D 4D 5D 6D 7D");
    t.s.Game.MovesMade = 2;
    // 8D fits the foundation (7D) and the tableau (9C): the tableau overlaps more.
    EXPECT_TRUE(ResolveDrop(t.s, Card("8D"), At(110, 170)));
    EXPECT_EQ(t.PileText("Fila2"), Content("9C 8D"));
    // AH: refused by the tableau pile and by the diamonds: nothing moves and nothing changes.
    const PileLists before = t.s.Piles;
    EXPECT_FALSE(ResolveDrop(t.s, Card("AH"), At(110, 170)));
    EXPECT_EQ(t.s.Piles.TableauPiles, before.TableauPiles);
    EXPECT_EQ(t.s.Piles.FoundationPiles, before.FoundationPiles);
    EXPECT_EQ(t.s.History.Steps(), 1);
}

TEST(ResolveDrop, RefusedByTheTableauTheFoundationIsTriedNext) {
    PlayTable t;
    t.s.Game.SetFoundationY(1, 100);
    t.Pile("Fila2", "9C").Pile("Fila5", "AD 8C").Pile("Dest2", "AC 2C 3C 4C 5C 6C 7C");
    EXPECT_TRUE(ResolveDrop(t.s, Card("8C"), At(110, 170)));
    EXPECT_EQ(t.PileText("Dest2"), Content("AC 2C 3C 4C 5C 6C 7C 8C"))
        << "8C is black on a black 9C: refused, the foundation is next";
    EXPECT_EQ(t.s.Game.GameStarted, 1);
}

TEST(ResolveDrop, NothingUnderTheImageChangesNothing) {
    PlayTable t;
    t.Pile("Fila1", "AH");
    EXPECT_FALSE(ResolveDrop(t.s, Card("AH"), At(5000, 5000)));
    EXPECT_EQ(t.PileText("Fila1"), Content("AH"));
    EXPECT_TRUE(t.view.log.empty());
}

TEST(ResolveDrop, FirstMoveGateKeepsOnlyFoundationsForTableauCards) {
    PlayTable t;
    t.Attr(attr::FirstMoveToFoundation, 1);
    t.s.Game.SetFoundationY(1, 100);
    t.Pile("Fila2", "2S").Pile("Fila5", "AH").Pile("Appogg1", "AD");
    // The image covers tableau 2 most and foundation 2 less: only the foundation is tried.
    EXPECT_TRUE(ResolveDrop(t.s, Card("AH"), At(110, 170)));
    EXPECT_EQ(t.PileText("Dest2"), Content("AH"));

    PlayTable u;
    u.Attr(attr::FirstMoveToFoundation, 1);
    u.Pile("Appogg1", "AD");
    EXPECT_FALSE(ResolveDrop(u.s, Card("AD"), At(10, 10))) << "a reserve card cannot make the first move";
    EXPECT_EQ(u.PileText("Dest1"), "");
}

TEST(ResolveDrop, RuleOneTwentyNineRefusesTheTableauWhileTheStockHoldsCards) {
    struct Row {
        const char* what;
        const char* stock;
        bool moved;
        bool message;
    } rows[] = {
        {"stock holds cards", "5S", false, true},
        {"stock empty", "", true, false},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::TableauRule, 129).Attr(attr::TableauRule + 1, 3);
        t.Pile("Mazzo", r.stock).Pile("Fila2", "9C").Pile("Fila5", "8D");
        EXPECT_EQ(ResolveDrop(t.s, Card("8D"), At(110, 170)), r.moved) << r.what;
        EXPECT_EQ(t.view.Count("Box Building on the tableau is allowed only when the stock is empty."),
                  r.message ? 1 : 0)
            << r.what;
    }
}

TEST(ResolveDrop, RowGameLaysTheCardOnAMatchingNeighbour) {
    struct Row {
        const char* what;
        const char* row;
        const char* card;
        int onto; // position under the image
        bool moved;
        const char* after;
    } rows[] = {
        {"same suit, next to it", "2C 5H 9H", "9H", 1, true, "2C 9H"},
        {"same rank, three before", "9C 2D 5H 9H", "9H", 0, true, "9H 2D 5H"},
        {"two before is neither", "9C 5H 9H", "9H", 0, false, "9C 5H 9H"},
        {"four before is too far", "9C 2D 5H 3S 9H", "9H", 0, false, "9C 2D 5H 3S 9H"},
        {"no match", "2C 5D 9H", "9H", 1, false, "2C 5D 9H"},
        {"a card never goes right", "9H 5D 9C", "9H", 2, false, "9H 5D 9C"},
        {"a card inside the row, the row closing up behind it", "7C 7H 5D 8H", "7H", 0, true, "7H 5D 8H"},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::Family, 19).Attr(attr::TableauFan, 2);
        t.s.Game.StepUpX = 80;
        t.Pile("Fila1", r.row);
        const bool moved = ResolveDrop(t.s, Card(r.card), At(10 + 80 * r.onto, 150));
        EXPECT_EQ(moved, r.moved) << r.what;
        EXPECT_EQ(t.PileText("Fila1"), Content(r.after)) << r.what;
        EXPECT_EQ(t.s.History.Steps(), r.moved ? 1 : 0) << r.what;
        // The covered card, and only it, goes under: to the second waste.
        const std::string before = Content(r.row);
        EXPECT_EQ(t.PileText("Mazzo_Waste"),
                  r.moved ? before.substr(3 * static_cast<size_t>(r.onto), 3) : std::string())
            << r.what;
    }
}

TEST(SendCard, FoundationsFirstThenPilesWithCardsThenEmptyOnesNeverItsOwn) {
    struct Row {
        const char* what;
        std::vector<std::pair<std::string, std::string>> piles;
        const char* card;
        const char* landsOn;
    } rows[] = {
        {"foundation before tableau", {{"Fila1", "AH"}, {"Fila2", "2S"}}, "AH", "Dest1"},
        {"non-empty before empty", {{"Fila1", "QH"}, {"Fila4", "KS"}}, "QH", "Fila4"},
        {"empty when nothing else", {{"Fila1", "5C KH"}, {"Fila3", "9D"}}, "KH", "Fila2"},
        {"a pile with cards that refuses, then the first empty one",
         {{"Fila1", "5C KH"}, {"Fila9", "AS"}},
         "KH",
         "Fila2"},
        {"reserve last", {{"Fila1", "5C 7H"}}, "7H", "Appogg1"},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Piles(r.piles);
        TableRect rect = TopCardRect(t.s, "Fila1");
        EXPECT_TRUE(SendCard(t.s, Card(r.card), rect, true, true, true, true, false, true)) << r.what;
        const std::string* dest = t.s.Piles.Find(r.landsOn);
        ASSERT_NE(dest, nullptr);
        EXPECT_EQ(PileTop(*dest), Card(r.card)) << r.what;
        EXPECT_EQ(t.s.Game.DragCard, 0) << r.what;
    }
}

TEST(SendCard, FaceDownCardsAndRunsOutsideTheTableauStay) {
    PlayTable t;
    t.Pile("Fila1", "AH").FaceDown("AH");
    EXPECT_FALSE(SendCard(t.s, Card("AH"), TopCardRect(t.s, "Fila1"), true, true, true, true, false, true));
    t.Pile("Appogg1", "KS");
    EXPECT_FALSE(
        SendCard(t.s, Card("KS"), TopCardRect(t.s, "Appogg1"), false, false, true, false, false, true));
    EXPECT_EQ(t.PileText("Appogg1"), Content("KS"));
}

TEST(SendCard, FoundationSendRuleAndAutoplayWaitingForTheFirstCard) {
    struct Row {
        const char* what;
        int rule22;
        int base;
        bool autoplay;
        bool moved;
    } rows[] = {
        {"every foundation", 0, 1, false, true},
        {"only foundations holding cards", 1, 1, false, false},
        {"no foundation", 2, 1, false, false},
        {"base 92 waits for autoplay", 0, 92, true, false},
    };
    for (const Row& r : rows) {
        PlayTable t;
        t.Attr(attr::FoundationSendRule, r.rule22);
        for (int k = 0; k < 8; ++k)
            t.Attr(attr::FoundationBase + k, r.base);
        t.Pile("Fila1", "AH");
        EXPECT_EQ(
            SendCard(t.s, Card("AH"), TopCardRect(t.s, "Fila1"), true, true, false, false, r.autoplay, false),
            r.moved)
            << r.what;
    }
}

TEST(SendCard, RunGoesToATableauPile) {
    PlayTable t;
    t.Pile("Fila1", "5C 9H 8S").Pile("Fila4", "10C");
    const int top = CardPlaceY(t.s, "Fila1", 1, false);
    EXPECT_TRUE(SendCard(t.s, Card("9H"), {10, top, 81, top + 96}, false, false, true, false, false, true));
    EXPECT_EQ(t.PileText("Fila4"), Content("10C 9H 8S"));
    EXPECT_EQ(t.PileText("Fila1"), Content("5C"));
}

TEST(OnTableRelease, IllegalDropPutsTheCardBackAndChangesNothing) {
    PlayTable t;
    t.Pile("Fila1", "5C 7H").Pile("Fila2", "9S");
    t.s.Game.DragCard = static_cast<std::int16_t>(Card("7H"));
    t.s.Game.DragMoved = 1;
    t.s.DragRect = At(110, 150);
    const PileLists before = t.s.Piles;
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.s.Piles.TableauPiles, before.TableauPiles);
    EXPECT_EQ(t.s.History.Steps(), 0);
    EXPECT_GE(t.view.Index("Redraw Fila1 both"), 0);
    EXPECT_EQ(t.s.Game.DragCard, 0);
    EXPECT_EQ(t.s.Game.MovesMade, 0);
}

TEST(OnTableRelease, LegalDropMovesAndRunsAutoplayOnce) {
    PlayTable t;
    int autoplays = 0;
    t.s.Play.Autoplay = [&](Session&) { ++autoplays; };
    t.Pile("Fila1", "5C 8H").Pile("Fila2", "9S");
    t.s.Game.DragCard = static_cast<std::int16_t>(Card("8H"));
    t.s.Game.DragMoved = 1;
    t.s.DragRect = At(110, 160);
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.PileText("Fila2"), Content("9S 8H"));
    EXPECT_EQ(autoplays, 1);
}

TEST(OnTableRelease, PressAndReleaseWithoutMovingTriesNoDrop) {
    PlayTable t;
    t.Pile("Fila1", "5C 8H").Pile("Fila2", "9S");
    t.s.Game.DragCard = static_cast<std::int16_t>(Card("8H"));
    t.s.Game.DragMoved = 0;
    t.s.DragRect = At(110, 160);
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.PileText("Fila1"), Content("5C 8H"));
}

} // namespace
} // namespace quillon::test

namespace quillon::test {
namespace {

TEST(ResolveDrop, AnimatedDropGlidesRaisedToThePlaceAndLands) {
    PlayTable t;
    t.s.Params.WriteParam(param::CardsAnimate, 1, "Y");
    t.s.Params.WriteParam(param::CardsShadowed, 1, "Y");
    t.Pile("Fila1", "5C AH");
    t.s.DragRect = At(40, 40);
    ASSERT_TRUE(ResolveDrop(t.s, Card("AH"), t.s.DragRect));
    const auto moves = t.view.Lines("Move ");
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves[moves.size() - 2], "Move 1,1 blend");
    EXPECT_EQ(moves.back(), "Move 10,10 commit blend");
    EXPECT_EQ(t.view.Count("Build "), 0) << "the dragged picture is already built";
    EXPECT_LT(t.view.Index("Move 10,10 commit blend"), t.view.Index("Drop 10,10"));
    // Without animation the card is dropped in place at once.
    PlayTable u;
    u.Pile("Fila1", "5C AH");
    ASSERT_TRUE(ResolveDrop(u.s, Card("AH"), At(40, 40)));
    EXPECT_EQ(u.view.Count("Move "), 0);
    EXPECT_GE(u.view.Index("Drop 10,10"), 0);
}

} // namespace
} // namespace quillon::test
