// Accordion's dealt row on a laid-out table: a whole pack dealt into the row stays on the table in
// lines that wrap, each card is found by a press where it is drawn, and a drag across the wrap
// makes only the moves the rules allow.

#include "engine/CardPlaces.h"
#include "engine/DealtRow.h"
#include "engine/Engine.h"
#include "engine/MoveExecution.h"
#include "engine/PointerInput.h"
#include "model/Deal.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr int kAccordion = 980;

// Accordion dealt and laid out as the main window does it, nothing animated.
struct RowTable {
    Session s;
    bool ok = false;
    RowTable(int width, int height, char letter) {
        const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
        s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
        InstallEngine(s);
        InstallPilePlaces(s);
        std::string error;
        ok = LoadAndDeal(s, kAccordion, "0000000000005", error);
        if (!ok)
            return;
        LayoutForClientArea(s, width, height, letter);
        s.Params.WriteParam(param::CardsAnimate, 1, "N");
        s.Game.DealDone = 1;
        s.SetFlag(GameInPlay, true);
    }
    const std::string& Row() const { return s.Piles.TableauPiles[0]; }
    // The place of the card at `position` of the row (0 the first card dealt).
    TableRect Place(int position) const {
        const int skip = PileSize(Row()) - 1 - position;
        return CardRect(s, CardPlaceX(s, "Fila1", skip, false), CardPlaceY(s, "Fila1", skip, false));
    }
    void ClickStock() {
        int x = 0, y = 0;
        ASSERT_TRUE(PilePosition(s, "Mazzo", x, y));
        OnTablePress(s, kLeftButton, 0, x + 1, y + 1);
        OnTableRelease(s, x + 1, y + 1);
    }
    // The card at `from` pressed at its middle, dragged over the card at `onto` and let go there.
    void Drag(int from, int onto) {
        const TableRect a = Place(from), b = Place(onto);
        const int x = (a.left + a.right) / 2, y = (a.top + a.bottom) / 2;
        OnTablePress(s, kLeftButton, 0, x, y);
        ASSERT_EQ(s.Game.DragCard, PileCard(Row(), from)) << "the press lifts the card it falls on";
        const int tx = b.left + s.GrabOffsetX, ty = b.top + s.GrabOffsetY;
        OnTableMove(s, (x + tx) / 2, (y + ty) / 2);
        OnTableMove(s, tx, ty);
        OnTableRelease(s, tx, ty);
    }
};

bool Overlap(const TableRect& a, const TableRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(AccordionRow, AWholePackDealtOutStaysOnTheTableWhereAPressFindsEachCard) {
    struct Size {
        int width, height;
        char letter;
        int lines; // lines the 52 cards take
    } sizes[] = {{1024, 768, 'B', 4}, {800, 600, 'B', 6}, {1280, 1024, 'X', 5}, {640, 480, 'M', 6}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        RowTable t(size.width, size.height, size.letter);
        ASSERT_TRUE(t.ok);
        while (!t.s.Piles.StockPiles[0].empty())
            t.ClickStock();
        ASSERT_EQ(PileSize(t.Row()), 52);
        int lastTop = -1, lines = 0;
        for (int k = 0; k < 52; ++k) {
            const TableRect r = t.Place(k);
            EXPECT_GE(r.left, 0) << k;
            EXPECT_LE(r.right, size.width) << k;
            if (r.top != lastTop)
                ++lines, lastTop = r.top;
            for (int j = 0; j < k; ++j)
                EXPECT_FALSE(Overlap(t.Place(j), r)) << j << " and " << k;
            const HitResult hit = HitTest(t.s, (r.left + r.right) / 2, (r.top + r.bottom) / 2, false);
            EXPECT_EQ(hit.card, PileCard(t.Row(), k)) << k;
        }
        EXPECT_EQ(lines, size.lines);
    }
    // On the usual table the whole row is also seen top to bottom.
    RowTable t(1024, 768, 'B');
    while (!t.s.Piles.StockPiles[0].empty())
        t.ClickStock();
    EXPECT_LE(t.Place(51).bottom, 768 - 60);
}

// Card numbers: 13 per suit, hearts, diamonds, clubs, spades.
int CardOf(int rank, int suit) {
    return 13 * suit + rank;
}

TEST(AccordionRow, DragsAcrossTheWrapMakeOnlyTheMovesTheRulesAllow) {
    RowTable t(1024, 768, 'B');
    ASSERT_TRUE(t.ok);
    // Fourteen cards: the last one, the five of spades, begins the second line. Two places before
    // it lies the five of diamonds (same rank, but out of reach), three places before it the king
    // of spades (same suit), next to it the nine of hearts (no match).
    const std::vector<int> row = {CardOf(1, 0),  CardOf(2, 0), CardOf(3, 0),  CardOf(4, 0),  CardOf(6, 0),
                                  CardOf(7, 0),  CardOf(8, 0), CardOf(10, 0), CardOf(11, 0), CardOf(12, 0),
                                  CardOf(13, 3), CardOf(5, 1), CardOf(9, 0),  CardOf(5, 3)};
    std::string content;
    for (int c : row)
        content += CardText(c);
    t.s.Piles.TableauPiles[0] = content;
    t.s.Piles.StockPiles[0].clear();
    ASSERT_GT(t.Place(13).top, t.Place(10).top) << "the fourteenth card starts a line of its own";

    for (int onto : {11, 12}) {
        t.Drag(13, onto);
        EXPECT_EQ(t.Row(), content) << "refused onto position " << onto;
        EXPECT_EQ(t.s.History.Steps(), 0);
    }
    // A double click sends the card nowhere.
    const TableRect last = t.Place(13);
    const int x = last.left + 10, y = last.top + 10;
    OnTablePress(t.s, kLeftButton, 0, x, y);
    OnTableRelease(t.s, x, y);
    OnTableDoubleClick(t.s);
    OnTablePress(t.s, kLeftButton, 0, x, y);
    OnTableRelease(t.s, x, y);
    EXPECT_EQ(t.Row(), content);

    t.Drag(13, 10);
    std::vector<int> after(row.begin(), row.end() - 1);
    after[10] = CardOf(5, 3);
    std::string expected;
    for (int c : after)
        expected += CardText(c);
    EXPECT_EQ(t.Row(), expected) << "the five of spades covers the king, the row closes up";
    EXPECT_EQ(t.s.Piles.StockPiles[2], CardText(CardOf(13, 3)));
    EXPECT_EQ(t.s.History.Steps(), 1);
    // Thirteen cards now fit one line, and each is found where it is drawn.
    for (int k = 0; k < 13; ++k) {
        const TableRect r = t.Place(k);
        EXPECT_EQ(r.top, t.Place(0).top) << k;
        EXPECT_EQ(HitTest(t.s, r.left + 5, r.top + 5, false).card, after[static_cast<size_t>(k)]) << k;
    }
}

} // namespace
} // namespace quillon
