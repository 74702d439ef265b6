// The labels some games draw beside their piles, squared piles redrawn on a scrolled table, and
// the repair of the piles that reach into the place cards left.
#include "GreenTableFixture.h"
#include "table/TableDrawing.h"

#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "table/ImageResources.h"

#include "engine/RecordingTableView.h"
#include "support/QtAppEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace quillon;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr QRgb kGreen = quillon::testing::kGreenTable, kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;
constexpr int kCW = 71, kCH = 96;

// Big cards on a plain green table, with the piles of a game placed by hand.
class TablePaintingTest : public quillon::testing::GreenTableFixture {
protected:
    TablePaintingTest() : GreenTableFixture(900, 700) {}
    // Tableau piles in a grid of `columns` from (x0, y0), `gap` pixels apart.
    void Grid(int piles, int columns, int x0, int y0, int gap) {
        s.GameAttr[375] = static_cast<std::int16_t>(piles);
        for (int k = 0; k < piles; ++k) {
            s.TableauX[size_t(k)] = static_cast<std::int16_t>(x0 + (k % columns) * (kCW + gap));
            s.TableauY[size_t(k)] = static_cast<std::int16_t>(y0 + (k / columns) * (kCH + gap));
        }
    }
    QImage TablePart(const QRect& r) const { return drawing.TableImage.copy(r); }
    int Count(const QRect& r, QRgb colour) const {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += Table(x, y) == colour;
        return n;
    }
};

TEST_F(TablePaintingTest, ArrowPointsAwayFromTheSixthPileOfTheThreeByThreeSquare) {
    s.GameAttr[366] = 172;
    Grid(9, 3, 100, 50, 10);
    drawing.DrawGameLabels();
    const int x6 = 100 + 2 * (kCW + 10), y = 50 + (kCH + 10) + kCH / 2;
    const int start = x6 + kCW + 5, end = x6 + kCW + 25;
    for (const QImage* img : {&drawing.TableImage, &drawing.WindowImage}) {
        auto at = [img](int x, int yy) { return img->pixel(x, yy); };
        EXPECT_EQ(at(start + 1, y), kWhite) << "shaft start";
        EXPECT_EQ(at((start + end) / 2, y), kWhite) << "shaft middle";
        EXPECT_EQ(at(end - 1, y), kWhite) << "shaft end";
        EXPECT_EQ(at(end - 12, y - 6), kWhite) << "upper barb";
        EXPECT_EQ(at(end - 12, y + 5), kWhite) << "lower barb";
        EXPECT_EQ(at(end - 7, y - 10), kGreen) << "above the head";
        EXPECT_EQ(at(start + 3, y + 4), kGreen) << "below the shaft";
        EXPECT_EQ(at(start - 3, y), kGreen) << "left of the shaft";
    }
}

TEST_F(TablePaintingTest, LabelsAreLeftOutForTheFamiliesThatHaveNone) {
    const struct {
        int family, foundationRule;
        bool drawn;
    } cases[] = {{0, 0, true},   {57, 0, true},  {9, 0, false},  {59, 0, false}, {10, 0, false},
                 {23, 0, false}, {50, 0, false}, {40, 0, false}, {42, 0, false}, {56, 0, false},
                 {58, 0, false}, {64, 0, false}, {65, 0, false}, {68, 0, false}, {0, 72, false}};
    for (const auto& c : cases) {
        drawing.TableImage.fill(kGreen);
        s.GameAttr[366] = 172;
        s.GameAttr[54] = static_cast<std::int16_t>(c.family);
        s.GameAttr[87] = static_cast<std::int16_t>(c.foundationRule);
        Grid(9, 3, 100, 50, 10);
        drawing.DrawGameLabels();
        const int x6 = 100 + 2 * (kCW + 10), y = 50 + (kCH + 10) + kCH / 2;
        EXPECT_EQ(Table(x6 + kCW + 15, y) == kWhite, c.drawn)
            << "family " << c.family << ", foundation rule " << c.foundationRule;
    }
}

TEST_F(TablePaintingTest, EachRowOfTheSumPuzzleShowsItsOwnTarget) {
    s.GameAttr[54] = 57;
    s.GameAttr[366] = 166;
    Grid(16, 4, 100, 40, 20);
    s.Game.OnceUsed = 21;
    s.Game.DealValues = {34, 21, 9};
    drawing.DrawGameLabels();
    const int sumX = 100 + 3 * (kCW + 20) + kCW + 20;
    auto box = [&](int row) { return QRect(sumX, 40 + row * (kCH + 20) + kCH / 2 - 9, 58, 18); };
    for (int row = 0; row < 4; ++row) {
        const QRect r = box(row);
        // White inside, a black right and bottom edge, and some text.
        EXPECT_EQ(Table(r.left() + 1, r.top() + 1), kWhite) << row;
        EXPECT_EQ(Table(r.right(), r.top() + 5), kBlack) << row;
        EXPECT_EQ(Table(r.left() + 5, r.bottom()), kBlack) << row;
        EXPECT_EQ(Table(r.left() - 1, r.top() + 5), kGreen) << row;
        EXPECT_GT(Count(r.adjusted(1, 1, -2, -2), kWhite), 0) << row;
        EXPECT_LT(Count(r.adjusted(1, 1, -2, -2), kWhite), (r.width() - 3) * (r.height() - 3))
            << "text in row " << row;
        // The "+" boxes sit in the gaps between the piles of the row.
        for (int k = 0; k < 3; ++k) {
            const int gapLeft = 100 + k * (kCW + 20) + kCW;
            EXPECT_EQ(Table(gapLeft + 3 + 1, r.top() + 1), kWhite) << row << "/" << k;
            EXPECT_EQ(Table(gapLeft + 3 + 13, r.top() + 5), kBlack) << row << "/" << k;
            EXPECT_EQ(Table(gapLeft + 1, r.top() + 1), kGreen) << row << "/" << k;
        }
    }
    // Rows 1 and 3 share their target 21, rows 2 and 4 have others: the same box shows the same text.
    EXPECT_EQ(TablePart(box(0)), TablePart(box(2)));
    EXPECT_NE(TablePart(box(0)), TablePart(box(1)));
    EXPECT_NE(TablePart(box(1)), TablePart(box(3)));
    // White bars between the rows, none below the last.
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Table(150, 40 + row * (kCH + 20) + kCH + 9), kWhite) << "bar under row " << row;
    EXPECT_EQ(Table(150, 40 + 3 * (kCH + 20) + kCH + 9), kGreen);
    EXPECT_EQ(Table(150, 40 + kCH + 2), kGreen) << "the bar is 2 px high in the middle of the gap";
}

TEST_F(TablePaintingTest, ColumnsThatAddUpGetTheirSumAndTheOthersShowTheTable) {
    Grid(4, 1, 60, 40, 10);
    // Column 0: 10 + 10 + 5 + 5 = 30; column 1: 1 + 2 + 3 + 4.
    s.Piles.TableauPiles[0] = "010001";
    s.Piles.TableauPiles[1] = "023002";
    s.Piles.TableauPiles[2] = "005003";
    s.Piles.TableauPiles[3] = "044004";
    const int y = 40 + 3 * (kCH + 10) + kCH + 5;
    auto box = [&](int column) { return QRect(60 + column * (kCW + 2) + (kCW - 28) / 2, y, 28, 18); };
    drawing.DrawColumnSums({0, 1});
    for (int column : {0, 1}) {
        EXPECT_EQ(Table(box(column).left() + 1, y + 1), kWhite) << column;
        EXPECT_EQ(Table(box(column).right(), y + 5), kBlack) << column;
    }
    EXPECT_NE(TablePart(box(0)), TablePart(box(1))) << "30 and 10 read differently";
    EXPECT_EQ(Table(box(2).left() + 1, y + 1), kGreen);
    // A column that no longer adds up gives its place back to the table.
    drawing.DrawColumnSums({1});
    EXPECT_EQ(Count(box(0), kGreen), 28 * 18);
    EXPECT_EQ(Window(box(0).left() + 1, y + 1), kGreen);
    EXPECT_EQ(Table(box(1).left() + 1, y + 1), kWhite);
}

TEST_F(TablePaintingTest, SquaredPilesRedrawnOnAScrolledTableStayInTheirPlaces) {
    s.GameAttr[7] = 1;
    s.GameAttr[4] = 0;
    s.Game.StockHomePos[0] = {200, 300};
    s.Game.FoundationHomePos[0] = {400, 300};
    s.Piles.StockPiles[0] = std::string(24 * 3, '0').replace(0, 3, "001");
    for (int c = 0; c < 24; ++c)
        s.Piles.StockPiles[0].replace(size_t(c) * 3, 3, FormatFixed(c + 1, 3));
    s.Piles.FoundationPiles[0] = "001002003";
    for (int scroll : {0, 40, 0, 120}) {
        s.Game.ScrollOffset = static_cast<std::int16_t>(scroll);
        drawing.DrawPileTop("Mazzo", 0, DrawTarget::Both);
        drawing.DrawPileTop("Dest1", 0, DrawTarget::Both);
        EXPECT_EQ(s.Game.StockX[0], 196) << scroll;
        EXPECT_EQ(s.Game.StockY[0], 296) << "stored on the table, scroll " << scroll;
        EXPECT_EQ(s.Game.GetStockY(0), 296 - scroll);
        EXPECT_EQ(s.Game.FoundationY[0], 299) << scroll;
        // The window shows the raised back where the table holds it.
        EXPECT_EQ(Window(230, 296 - scroll + 40), Table(230, 296 + 40)) << scroll;
        EXPECT_EQ(Table(196 + 30, 296 + 40),
                  images.CardBackImage.convertToFormat(QImage::Format_RGB32).pixel(30, 40));
    }
    // Nothing was drawn above the pile's place on the table.
    EXPECT_EQ(Count(QRect(180, 150, 120, 130), kGreen), 120 * 130);
}

} // namespace

namespace {

TEST_F(TablePaintingTest, RemovingCardsFromAFanRedrawsThePilesReachingIntoTheirPlace) {
    // Horizontal fans: the first pile to the right in an overlapping row is drawn again.
    s.GameAttr[3] = 2;
    s.Game.StepUpX = 14;
    s.Game.StepDownX = 4;
    s.GameAttr[375] = 3;
    const struct { int x, y; } piles[3] = {{100, 100}, {200, 120}, {320, 400}};
    for (size_t k = 0; k < 3; ++k) {
        s.TableauX[k] = static_cast<std::int16_t>(piles[k].x);
        s.TableauY[k] = static_cast<std::int16_t>(piles[k].y);
    }
    s.Piles.TableauPiles[0] = "001002003004005";
    s.Piles.TableauPiles[1] = "030";
    s.Piles.TableauPiles[2] = "040";
    for (int c : {1, 2, 3, 4, 5, 30, 40})
        s.Cards.SetCardFace(c, '1');
    for (const char* pile : {"Fila1", "Fila2", "Fila3"})
        drawing.DrawPile(pile, DrawTarget::Both);
    // Inside its corners (which showed the card beneath it) the second pile's card is the same again.
    const QRect inside(203, 123, kCW - 6, kCH - 6);
    const QImage second = drawing.TableImage.copy(inside);
    const QImage third = drawing.TableImage.copy(320, 400, kCW, kCH);
    // Three cards leave the first pile; their place reached over the second pile's card.
    const std::string old = s.Piles.TableauPiles[0];
    s.Piles.TableauPiles[0] = "001002";
    drawing.RedrawPileChange(old, s.Piles.TableauPiles[0], "Fila1");
    EXPECT_EQ(drawing.TableImage.copy(inside), second) << "the pile to the right is whole again";
    EXPECT_EQ(Table(200, 120), kGreen) << "its corner shows the table now";
    EXPECT_EQ(drawing.TableImage.copy(320, 400, kCW, kCH), third);
    EXPECT_EQ(Table(186, 110), kGreen) << "where the removed cards lay";
    EXPECT_EQ(Table(190, 110), kGreen);
    EXPECT_NE(Table(120, 150), kGreen) << "the new top card";
    EXPECT_EQ(Table(100 + 14 + kCW, 150), kGreen) << "right of the new top card";
}

TEST_F(TablePaintingTest, MixedFansTakeTheirCornersFromTheSideTheyLeanOn) {
    // Mixed fan mode with its switch on: piles 1-7 lean right, 8-12 lean left.
    s.GameAttr[3] = 11;
    s.GameAttr[6] = 1;
    drawing.TableImage.fill(0xFF0000FF);
    const QImage face = images.CardFaceImages[0].convertToFormat(QImage::Format_RGB32);
    const struct {
        int pile;
        QRgb topLeft, topRight;
    } cases[] = {
        {0, kGreen, 0xFF0000FF}, {6, kGreen, 0xFF0000FF}, {7, 0xFF0000FF, kGreen}, {11, 0xFF0000FF, kGreen}};
    for (const auto& c : cases) {
        QImage pic = face;
        drawing.BlendCorners(pic, drawing.WindowImage, 10, 10, false, c.pile, pile_kind::Tableau);
        EXPECT_EQ(pic.pixel(0, 0), c.topLeft) << "pile " << c.pile + 1;
        EXPECT_EQ(pic.pixel(kCW - 1, 0), c.topRight) << "pile " << c.pile + 1;
    }
    // With the switch off the piles are squared: top corners from the target, bottom ones from the table.
    s.GameAttr[6] = 0;
    QImage pic = face;
    drawing.BlendCorners(pic, drawing.WindowImage, 10, 10, false, 8, pile_kind::Tableau);
    EXPECT_EQ(pic.pixel(kCW - 1, 0), kGreen);
}

} // namespace

namespace {

TEST_F(TablePaintingTest, APaintedColumnPuzzleAsksForTheMarksOfItsFinishedColumns) {
    quillon::test::RecordingTableView view;
    s.view = &view;
    s.GameAttr[3] = 9;
    Grid(4, 1, 60, 40, 10);
    // Column 0 adds up to 30 (10 + 10 + 5 + 5), column 1 does not.
    s.Piles.TableauPiles[0] = "010001";
    s.Piles.TableauPiles[1] = "023002";
    s.Piles.TableauPiles[2] = "005003";
    s.Piles.TableauPiles[3] = "044004";
    s.SetFlag(GameInPlay, true);
    for (int family : {74, 0}) {
        view.log.clear();
        s.GameAttr[54] = static_cast<std::int16_t>(family);
        s.Game.DealDone = 0;
        drawing.PaintTable();
        EXPECT_EQ(s.Game.DealDone, 1);
        EXPECT_EQ(view.Lines("Mark columns"),
                  family == 74 ? std::vector<std::string>{"Mark columns 0"} : std::vector<std::string>{})
            << "family " << family;
    }
    s.view = nullptr;
}

} // namespace

namespace {

TEST_F(TablePaintingTest, AnEmptySecondWasteShowsItsMarkWhenTheTableIsPainted) {
    QImage mark;
    images.LoadMarkImage(mark, "StockVisible");
    mark = quillon::testing::OnGreenTable(mark);
    const struct {
        int secondWastes;
        bool marked;
    } cases[] = {{1, true}, {0, false}};
    for (const auto& c : cases) {
        drawing.TableImage.fill(kGreen);
        s.GameAttr[373] = 2; // stock and waste
        s.GameAttr[377] = static_cast<std::int16_t>(c.secondWastes);
        s.Game.StockX[2] = 300;
        s.Game.StockY[2] = 200;
        s.Game.StockHomePos[2] = {300, 200};
        s.SetFlag(GameInPlay, true);
        drawing.PaintTable();
        EXPECT_EQ(
            quillon::testing::NearColour(Table(300 + kCW / 2, 200 + kCH / 2), mark.pixel(kCW / 2, kCH / 2)),
            c.marked)
            << c.secondWastes;
        EXPECT_EQ(Table(300 + kCW / 2, 200 + kCH / 2) == kGreen, !c.marked) << c.secondWastes;
    }
}

} // namespace
