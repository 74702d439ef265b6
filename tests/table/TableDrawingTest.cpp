#include "table/TableDrawing.h"
#include "GreenTableFixture.h"

#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "table/ImageResources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

using namespace quillon;

namespace {

constexpr QRgb kGreen = quillon::testing::kGreenTable;

// Big cards of the first set on a plain green table of 800 x 600.
class TableDrawingTest : public quillon::testing::GreenTableFixture {
protected:
    TableDrawingTest() : GreenTableFixture(800, 600) {}
    // The default table with fading on; false when the default is no faded colour.
    bool UseTheFadedDefault() {
        s.Params.WriteParam(27, 1, "Y");
        s.Params.WriteParam(135, 1, "Y");
        images.services.ReadPreference = [](const std::string&) { return std::string(); };
        const BackgroundChoice choice = images.ChooseBackground();
        return choice.kind == BackgroundChoice::Colour && choice.faded;
    }
    std::string Cards(int from, int count) {
        std::string out;
        for (int c = from; c < from + count; ++c)
            out += FormatFixed(c, 3);
        return out;
    }
};

TEST_F(TableDrawingTest, CardCornersShowTheTableAndTheCardBeneath) {
    drawing.DrawCard(1, 100, 100, false, DrawTarget::Both, 0, pile_kind::Other);
    const int r = 100 + 70, b = 100 + 95;
    for (auto [x, y] : {std::pair{100, 100},
                        {101, 100},
                        {100, 101},
                        {r, 100},
                        {r - 1, 100},
                        {r, 101},
                        {100, b},
                        {101, b},
                        {100, b - 1},
                        {r, b},
                        {r - 1, b},
                        {r, b - 1}}) {
        EXPECT_EQ(Table(x, y), kGreen) << x << "," << y;
        EXPECT_EQ(Window(x, y), kGreen) << x << "," << y;
    }
    // Inside the corners the card itself shows.
    const QImage face = images.CardFaceImages[0].convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Table(101, 101), face.pixel(1, 1));
    EXPECT_EQ(Table(135, 150), face.pixel(35, 50));
    EXPECT_NE(Table(135, 150), kGreen);
    EXPECT_GE(s.Game.TableBottom, b + 1);

    // A card fanned over it takes its top corners from the card beneath, its bottom ones from the table.
    drawing.DrawCard(2, 100, 120, false, DrawTarget::Both, 0, pile_kind::Tableau);
    EXPECT_EQ(Table(100, 120), face.pixel(0, 20));
    EXPECT_EQ(Table(r, 120), face.pixel(70, 20));
    EXPECT_EQ(Table(100, 120 + 95), kGreen);
}

TEST_F(TableDrawingTest, StackedCardShowsTheSilverEdgeBeneath) {
    drawing.DrawCard(5, 200, 100, true, DrawTarget::Table, 0, pile_kind::Foundation);
    EXPECT_EQ(Table(200 + 70, 100 + 95), kStackEdgeColour);
    EXPECT_EQ(Table(200, 100 + 95), kGreen);
    // Only the table was drawn on.
    EXPECT_EQ(Window(235, 150), kGreen);
}

TEST_F(TableDrawingTest, NoCardAndFarAwayBacksDrawNothing) {
    drawing.DrawCard(0, 100, 100, false, DrawTarget::Both, 0, 0);
    drawing.DrawBack(-10000, 100, false, DrawTarget::Both);
    drawing.DrawCard(2000, 700, 500, false, DrawTarget::Both, 0, 0); // beyond the table: clipped, no crash
    EXPECT_EQ(Table(130, 150), kGreen);
}

// A block copy whose source or destination reaches past a picture's edge copies the part that
// lies inside, each pixel to the place it belongs (a repair of an area above the top of the
// table must not shift the table up).
TEST(CopyPixels, CutEdgesKeepEveryPixelInItsPlace) {
    QImage src(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            src.setPixel(x, y, qRgb(x * 10, y * 10, 7));
    const struct {
        const char* what;
        int x, y;
        QRect from;
    } cases[] = {
        {"source above and left of the picture", -5, -5, QRect(-5, -5, 12, 12)},
        {"source past the right and bottom edges", 12, 12, QRect(12, 12, 15, 15)},
        {"destination above and left of the picture", -3, -4, QRect(0, 0, 10, 10)},
        {"both cut, by different amounts", -2, 3, QRect(-6, 1, 10, 10)},
        {"whole picture", 0, 0, QRect()},
    };
    for (const auto& c : cases) {
        QImage dst(20, 20, QImage::Format_RGB32);
        dst.fill(qRgb(1, 2, 3));
        CopyPixels(dst, c.x, c.y, src, c.from);
        const QRect from = c.from.isNull() ? src.rect() : c.from;
        int copied = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                // The source pixel that belongs at (x, y), if it lies inside the source rectangle.
                const QPoint at(from.x() + x - c.x, from.y() + y - c.y);
                const bool inside = from.contains(at) && src.rect().contains(at);
                const QRgb want = inside ? src.pixel(at) : qRgb(1, 2, 3);
                ASSERT_EQ(dst.pixel(x, y), want) << c.what << " at " << x << "," << y;
                copied += inside ? 1 : 0;
            }
        EXPECT_GT(copied, 0) << c.what;
    }
}

TEST(StackDepth, GrowsWithTheCardsUpToTheGroupLimit) {
    const struct {
        int cards, maximum, depth;
    } cases[] = {{0, 15, 0},  {1, 15, 0},    {2, 15, 1},   {3, 15, 1},   {6, 15, 1}, {7, 15, 2},
                 {24, 15, 4}, {104, 15, 15}, {98, 15, 15}, {91, 15, 14}, {24, 2, 2}, {2, 2, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(TableDrawing::StackDepth(c.cards, c.maximum), c.depth) << c.cards << " cards";
}

TEST_F(TableDrawingTest, StockOfTwentyFourCardsShowsItsFourPixelEdge) {
    s.GameAttr[7] = 1; // the stock lies face down
    s.Game.StockHomePos[0] = {200, 100};
    s.Game.StockX[0] = 200;
    s.Game.StockY[0] = 100;
    s.Piles.StockPiles[0] = Cards(1, 24);
    drawing.DrawPileTop("Mazzo", 0, DrawTarget::Both);
    EXPECT_EQ(s.Game.StockX[0], 196);
    EXPECT_EQ(s.Game.StockY[0], 96);
    const int cw = 71, ch = 96;
    // The raised back: its inside is the back picture.
    const QImage back = images.CardBackImage.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Table(196 + 30, 96 + 40), back.pixel(30, 40));
    for (int k = 1; k <= 4; ++k) {
        EXPECT_NE(Table(200 + cw - 5 + k, 150), kGreen) << "right edge column " << k;
        EXPECT_NE(Window(230, 100 + ch - 5 + k), kGreen) << "bottom edge row " << k;
    }
    EXPECT_EQ(Table(200 + cw, 150), kGreen);
    EXPECT_EQ(Table(230, 100 + ch), kGreen);
    // Above and to the left of the raised card the table shows.
    EXPECT_EQ(Table(195, 150), kGreen);
    EXPECT_EQ(Table(230, 95), kGreen);
}

TEST_F(TableDrawingTest, AFoundationNeverShowsMoreThanTwoPixels) {
    s.GameAttr[4] = 0;
    s.Game.FoundationHomePos[0] = {300, 100};
    s.Game.FoundationX[0] = 300;
    s.Game.FoundationY[0] = 100;
    s.Piles.FoundationPiles[0] = Cards(1, 13);
    drawing.DrawPileTop("Dest1", 0, DrawTarget::Both);
    EXPECT_EQ(s.Game.FoundationX[0], 298);
    EXPECT_EQ(s.Game.FoundationY[0], 98);
    // A foundation fanned in mode 2 stays flat at its layout place.
    s.GameAttr[4] = 2;
    s.Game.FoundationX[0] = 300;
    s.Game.FoundationY[0] = 100;
    drawing.DrawPileTop("Dest1", 0, DrawTarget::Both);
    EXPECT_EQ(s.Game.FoundationX[0], 300);
    EXPECT_EQ(s.Game.FoundationY[0], 100);
}

// A foundation card turned face down (a card to remember) shows the back, and its face again once
// turned up.
TEST_F(TableDrawingTest, AFaceDownFoundationCardShowsItsBack) {
    s.GameAttr[4] = 0;
    s.Game.FoundationHomePos[0] = {300, 100};
    s.Game.FoundationX[0] = 300;
    s.Game.FoundationY[0] = 100;
    s.Piles.FoundationPiles[0] = Cards(5, 1);
    const QImage back = images.CardBackImage.convertToFormat(QImage::Format_RGB32);
    const QImage face = images.CardFaceImages[4].convertToFormat(QImage::Format_RGB32);
    ASSERT_NE(back.pixel(35, 50), face.pixel(35, 50));
    for (char flag : {'0', '1', '0'}) {
        s.Cards.SetCardFace(5, flag);
        drawing.DrawPileTop("Dest1", 0, DrawTarget::Both);
        const QImage& shown = flag == '0' ? back : face;
        EXPECT_EQ(Table(335, 150), shown.pixel(35, 50)) << flag;
        EXPECT_EQ(Window(335, 150), shown.pixel(35, 50)) << flag;
    }
}

TEST_F(TableDrawingTest, EmptyTableauPileOfRankThirteenShowsItsKingMark) {
    s.GameAttr[135] = 13;
    s.TableauX[0] = 300;
    s.TableauY[0] = 50;
    drawing.DrawPileTop("Fila1", 0, DrawTarget::Both);
    QImage king, position;
    images.LoadMarkImage(king, "Foundation13");
    images.LoadMarkImage(position, "Position");
    // The marks are outlines with the table showing through them.
    king = quillon::testing::OnGreenTable(king);
    position = quillon::testing::OnGreenTable(position);
    int differs = 0, table = 0;
    for (int y = 0; y < 96; y += 3)
        for (int x = 0; x < 71; x += 3) {
            ASSERT_PRED2(quillon::testing::NearColour, Table(300 + x, 50 + y), king.pixel(x, y))
                << x << "," << y;
            ASSERT_PRED2(quillon::testing::NearColour, Window(300 + x, 50 + y), king.pixel(x, y))
                << x << "," << y;
            differs += king.pixel(x, y) != position.pixel(x, y);
            table += qGreen(Table(300 + x, 50 + y)) > 0x60;
        }
    EXPECT_GT(differs, 10) << "the king mark must differ from the plain place mark";
    EXPECT_GT(table, 600) << "the table must show round the king's letter";
}

TEST_F(TableDrawingTest, AMarkIsLaidOverWhateverTheTableShows) {
    // A red table: the mark's see-through parts show red, not the green or black of another
    // table, also when the mark is drawn a second time on the same place.
    s.GameAttr[135] = 13;
    s.TableauX[0] = 300;
    s.TableauY[0] = 50;
    drawing.SetPlainBackground(0xFFC00000);
    for (QImage* img : {&drawing.TableImage, &drawing.WindowImage})
        img->fill(0xFFC00000);
    drawing.DrawPileTop("Fila1", 0, DrawTarget::Both);
    const QRgb once = Table(300 + 35, 50 + 5);
    drawing.DrawPileTop("Fila1", 0, DrawTarget::Both);
    EXPECT_EQ(Table(300 + 35, 50 + 5), once) << "a mark drawn again must not darken";
    for (int y = 0; y < 96; y += 3)
        for (int x = 0; x < 71; x += 3) {
            const QRgb p = Table(300 + x, 50 + y);
            EXPECT_TRUE(qRed(p) >= 0x80 && qRed(p) >= qGreen(p) && qRed(p) >= qBlue(p)) << x << "," << y;
        }
}

TEST_F(TableDrawingTest, RankNinetyFourLeavesTheTableItself) {
    s.GameAttr[135] = 94;
    s.TableauX[0] = 300;
    s.TableauY[0] = 50;
    drawing.TableImage.fill(0xFFFF0000);
    drawing.DrawPileTop("Fila1", 0, DrawTarget::Both);
    EXPECT_EQ(Table(330, 90), kGreen);
    EXPECT_EQ(Table(299, 90), 0xFFFF0000u);
}

TEST_F(TableDrawingTest, MarksOfEmptyPiles) {
    struct Case {
        int kind, index;
        std::vector<std::pair<int, int>> attrs;
        int redeals;
        std::string mark;
    };
    const std::vector<Case> cases = {
        {mark_kind::Tableau, 0, {{135, 13}}, 0, "Foundation13"},
        {mark_kind::Tableau, 2, {{137, 0}}, 0, "Position"},
        {mark_kind::Tableau, 1, {{136, 94}}, 0, "=BG"},
        {mark_kind::Tableau, 0, {{135, 91}}, 0, "FirstTableauAll"},
        {mark_kind::Tableau, 0, {{135, 64}}, 0, "Foundation13"},
        {mark_kind::Tableau, 0, {{135, 58}}, 0, "FoundationA"},
        {mark_kind::Tableau, 0, {{135, 7}}, 0, "Foundation7"},
        {mark_kind::Foundation, 3, {{90, 10}, {58, 1}}, 0, "Foundation12"},
        {mark_kind::Foundation, 3, {{58, 1}}, 0, "FoundationA"},
        {mark_kind::Foundation, 0, {{55, 0}}, 0, "Foundation"},
        {mark_kind::Reserve, 1, {{336, 4}, {335, 9}}, 0, "Position"},
        {mark_kind::Reserve, 1, {{335, 9}}, 0, "#JQK"},
        {mark_kind::Reserve, 1, {{336, 88}}, 0, "Foundation11"},
        {mark_kind::Reserve, 1, {{336, 119}}, 0, "Foundation12"},
        {mark_kind::Reserve, 1, {{336, 107}}, 0, "FoundationA"},
        {mark_kind::Reserve, 1, {{336, 5}}, 0, "EmptyPosition"},
        // Unlimited passes with redeals allowed: always ready to turn the waste over.
        {mark_kind::Stock, 0, {{16, -1}, {17, 1}}, 500, "StockUp"},
        {mark_kind::Stock, 0, {{16, 2}, {17, 0}}, 1, "StockStop"},
        {mark_kind::Stock, 0, {{16, 2}, {17, 1}}, 2, "StockStop"},
        {mark_kind::Stock, 0, {{16, 3}, {17, 1}}, 2, "StockUp"},
        {mark_kind::Stock, 0, {{54, 45}}, 0, "#WB021"},
        {mark_kind::Waste, 0, {{10, 1}}, 0, "StockVisible"},
        {mark_kind::Waste, 0, {{16, 0}}, 0, "StockStop"},
        {mark_kind::Waste, 0, {{16, 2}, {17, 1}}, 1, "StockUp"},
        {mark_kind::Waste, 0, {{16, 2}, {17, 1}}, 2, "StockStop"},
        {mark_kind::Waste, 0, {{16, 2}, {17, 0}}, 0, ""},
        {mark_kind::SecondWaste, 0, {}, 0, "StockVisible"},
        {mark_kind::Nothing, 0, {}, 0, ""},
    };
    for (const Case& c : cases) {
        s.GameAttr.fill(0);
        for (auto [n, v] : c.attrs)
            s.GameAttr[size_t(n)] = static_cast<std::int16_t>(v);
        s.Game.RedealCount = static_cast<std::int16_t>(c.redeals);
        EXPECT_EQ(drawing.MarkName(c.kind, c.index), c.mark) << "kind " << c.kind << " index " << c.index;
    }
}

TEST_F(TableDrawingTest, RemovingTheTopCardRestoresTheTableBelowTheNewTop) {
    s.Params.WriteParam(179, 1, "N"); // no hand-placed offsets
    s.GameAttr[3] = 1;                // tableau fanned downwards
    s.GameAttr[375] = 1;
    s.Game.StepUpY = 20;
    s.Game.StepDownY = 8;
    s.TableauX[0] = 100;
    s.TableauY[0] = 50;
    const std::string before = Cards(1, 3);
    s.Piles.TableauPiles[0] = before;
    drawing.DrawPile("Fila1", DrawTarget::Both);
    EXPECT_NE(Table(130, 50 + 40 + 90), kGreen); // inside the third card
    s.Piles.TableauPiles[0] = Cards(1, 2);
    drawing.RedrawPileChange(before, s.Piles.TableauPiles[0], "Fila1");
    EXPECT_EQ(Table(130, 50 + 20 + 96 + 5), kGreen); // below the new top card
    EXPECT_EQ(Window(130, 50 + 20 + 96 + 5), kGreen);
    const QImage face = images.CardFaceImages[1].convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Table(130, 50 + 20 + 60), face.pixel(30, 60)); // the new top card whole again
    // Cards that were only added need no repair.
    drawing.TableImage.setPixel(5, 5, 0xFF0000FF);
    drawing.RedrawPileChange(Cards(1, 1), Cards(1, 2), "Fila1");
    EXPECT_EQ(Table(5, 5), 0xFF0000FFu);
}

// A grid of single cards whose rows lie 3 px apart: taking a card away empties its cell and
// the card below it whole, on the table and in the window, and the card to its right untouched.
TEST_F(TableDrawingTest, TakingACardFromAGridCellKeepsTheCardBelowWhole) {
    s.Params.WriteParam(179, 1, "N");
    s.GameAttr[3] = 1; // fanned downwards, one card to a pile
    s.GameAttr[375] = 3;
    s.Game.StepUpY = 20;
    s.TableauX[0] = 100, s.TableauY[0] = 50;      // the cell emptied
    s.TableauX[1] = 100, s.TableauY[1] = 50 + 99; // the cell below
    s.TableauX[2] = 174, s.TableauY[2] = 50;      // the cell to the right
    for (int k = 0; k < 3; ++k) {
        s.Piles.TableauPiles[static_cast<size_t>(k)] = Cards(k + 1, 1);
        drawing.DrawPile("Fila" + std::to_string(k + 1), DrawTarget::Both);
    }
    const std::string before = s.Piles.TableauPiles[0];
    s.Piles.TableauPiles[0].clear();
    drawing.RedrawPileChange(before, "", "Fila1");
    const QImage one = images.CardFaceImages[1].convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(Table(130, 50 + 60), one.pixel(30, 60)) << "the emptied cell";
    EXPECT_NE(Window(130, 50 + 60), one.pixel(30, 60));
    const QImage two = images.CardFaceImages[2].convertToFormat(QImage::Format_RGB32);
    const QImage three = images.CardFaceImages[3].convertToFormat(QImage::Format_RGB32);
    for (int dy : {1, 8, 15}) {
        EXPECT_EQ(Table(130, 50 + 99 + dy), two.pixel(30, dy)) << dy << " px into the card below";
        EXPECT_EQ(Window(130, 50 + 99 + dy), two.pixel(30, dy)) << dy << " px into the card below";
    }
    EXPECT_EQ(Table(174 + 30, 50 + 60), three.pixel(30, 60));
}

// A grid laid out as a serpentine (three columns, the second row running back) closes up when a
// card leaves it: the cards after it move one slot back, the last slot is bare table again and
// each moved card shows whole in its new slot, on the table and in the window.
TEST_F(TableDrawingTest, AGridClosingUpLeavesNoOldCardBehind) {
    s.Params.WriteParam(179, 1, "N");
    s.GameAttr[3] = 8; // one pile laid out in a grid
    s.GameAttr[375] = 1;
    s.GameAttr[45] = 3; // three columns
    s.Game.SnakeGapX = 10;
    s.Game.SnakeGapY = 10;
    s.TableauX[0] = 20;
    s.TableauY[0] = 20;
    const int stepX = 71 + 10, stepY = 96 + 10;
    // Cards 1 to 4 in slots 0 to 3, a marker between every two; slot 3 starts the second row at
    // its right end.
    const std::string before = "001000002000003000004";
    s.Piles.TableauPiles[0] = before;
    drawing.DrawPile("Fila1", DrawTarget::Both);
    const int lastX = 20 + 2 * stepX + 30, lastY = 20 + stepY + 50;
    ASSERT_NE(Table(lastX, lastY), kGreen);
    s.Piles.TableauPiles[0] = "001000003000004"; // card 2 left and the grid closed up
    drawing.RedrawPileChange(before, s.Piles.TableauPiles[0], "Fila1");
    EXPECT_EQ(Table(lastX, lastY), kGreen);
    EXPECT_EQ(Window(lastX, lastY), kGreen);
    for (const auto& [card, slot] : {std::pair{3, 1}, std::pair{4, 2}}) {
        const QImage face =
            images.CardFaceImages[static_cast<size_t>(card)].convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(Table(20 + slot * stepX + 30, 20 + 60), face.pixel(30, 60)) << "card " << card;
        EXPECT_EQ(Window(20 + slot * stepX + 30, 20 + 60), face.pixel(30, 60)) << "card " << card;
    }
}

TEST_F(TableDrawingTest, FadedTableIsBlackAtTheBottomAndTheColourAtTheTop) {
    if (!UseTheFadedDefault())
        GTEST_SKIP() << "the default background is not a faded colour";
    drawing.PaintBackground();
    const QImage bg = drawing.BackgroundPicture();
    const QRgb top = bg.pixel(10, 0), bottom = bg.pixel(10, bg.height() - 1);
    EXPECT_EQ(qRed(bottom) + qGreen(bottom) + qBlue(bottom), 0);
    EXPECT_GT(qRed(top) + qGreen(top) + qBlue(top), 0);
    EXPECT_EQ(drawing.TableImage.pixel(10, 0), top);
}

// Pictures that cover only the window show the faded table as a picture of the fade height
// would: the same colour in every row they share, whatever their own height.
TEST_F(TableDrawingTest, APictureShorterThanTheFadeShowsTheTopOfTheFullOne) {
    if (!UseTheFadedDefault())
        GTEST_SKIP() << "the default background is not a faded colour";
    constexpr int kFade = 630; // the fixture's 600 rows and the 30 beneath them
    for (bool bar : {false, true}) {
        TableDrawing full(s, images);
        full.ScrollBarVisible = bar;
        full.Resize(800, kFade - 30, 800, kFade - 30);
        full.PaintBackground();
        for (int rows : {1, 97, 331, kFade - 31, kFade - 30}) {
            TableDrawing window(s, images);
            window.ScrollBarVisible = bar;
            window.FadeHeight = kFade;
            window.Resize(500, rows, 500, rows);
            window.PaintBackground();
            const QImage bg = window.BackgroundPicture();
            ASSERT_EQ(bg.height(), rows + 30);
            for (int y = 0; y < bg.height(); ++y)
                ASSERT_EQ(bg.pixel(7, y), full.BackgroundPixel(7, y))
                    << rows << " rows, bar " << bar << ", row " << y;
            EXPECT_EQ(window.TableImage.pixel(7, rows - 1), bg.pixel(7, rows - 1));
            if (rows < kFade - 200)
                EXPECT_GT(qRed(bg.pixel(7, rows)) + qGreen(bg.pixel(7, rows)) + qBlue(bg.pixel(7, rows)), 0)
                    << "the black end lies further down";
        }
    }
}

// The empty table painted on demand, a rectangle at a time, shows exactly what a picture of the
// whole table painted at once shows: each kind of background, at whole and fractional ratios,
// rectangles reaching past the table and starting in the middle of a tile.
TEST_F(TableDrawingTest, TheEmptyTablePaintedInPiecesMatchesTheWholePicture) {
    QImage tile(37, 23, QImage::Format_RGB32), picture(150, 90, QImage::Format_RGB32);
    for (QImage* img : {&tile, &picture})
        for (int y = 0; y < img->height(); ++y)
            for (int x = 0; x < img->width(); ++x)
                img->setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x * y) % 256));
    BackgroundChoice tiled, whole, plain, faded;
    tiled.kind = BackgroundChoice::Tiled, tiled.picture = tile;
    whole.kind = BackgroundChoice::Whole, whole.picture = picture;
    plain.colour = 0xFF3050A0;
    faded.colour = 0xFF20C040, faded.faded = true;
    for (qreal ratio : {1.0, 1.5, 2.0})
        for (const BackgroundChoice* choice : {&tiled, &whole, &plain, &faded}) {
            TableDrawing d(s, images);
            d.DeviceRatio = ratio;
            d.Resize(300, 200, 300, 200);
            QImage expected(d.TableImage.size(), QImage::Format_RGB32);
            expected.setDevicePixelRatio(ratio);
            expected.fill(0xFF000000);
            if (choice->faded)
                PaintFadedColour(expected, choice->colour, 231, 230);
            else
                ImageResources::PaintBackground(expected, *choice);
            d.UseBackground(*choice);
            const char* kind = choice == &tiled   ? "tiled"
                               : choice == &whole ? "whole"
                               : choice == &plain ? "plain"
                                                  : "faded";
            ASSERT_EQ(d.BackgroundPicture(), expected) << kind << " at " << ratio;
            for (const QRect r : {QRect(0, 0, 1, 1), QRect(36, 22, 40, 30), QRect(140, 85, 20, 12),
                                  QRect(310, 220, 40, 40), QRect(-5, -7, 30, 20), QRect(13, 150, 71, 96)}) {
                QImage got(120, 120, QImage::Format_RGB32), want(120, 120, QImage::Format_RGB32);
                for (QImage* img : {&got, &want}) {
                    img->setDevicePixelRatio(ratio);
                    img->fill(0xFFFF00FF);
                }
                d.PaintBackgroundArea(got, 9, 5, r);
                CopyPixels(want, 9, 5, expected, r);
                ASSERT_EQ(got, want) << kind << " at " << ratio << ", " << r.x() << "," << r.y();
                const QPoint p = DeviceRect(r, ratio).topLeft();
                EXPECT_EQ(d.BackgroundPixel(p.x(), p.y(), 0xFF123456),
                          expected.rect().contains(p) ? expected.pixel(p) : 0xFF123456);
            }
        }
}

TEST_F(TableDrawingTest, CompletedFoundationsAreMarkedInTheirColour) {
    std::map<std::string, std::string> prefs;
    images.services.ReadPreference = [&](const std::string& key) { return prefs[key]; };
    s.GameAttr[374] = 2;
    s.GameAttr[119] = 13;
    s.GameAttr[120] = -1; // foundation 2 takes the common capacity
    s.GameAttr[34] = 2;
    s.Game.FoundationX[0] = 100;
    s.Game.FoundationY[0] = 100;
    s.Game.FoundationX[1] = 300;
    s.Game.FoundationY[1] = 100;
    s.Piles.FoundationPiles[0] = Cards(1, 13);
    s.Piles.FoundationPiles[1] = Cards(14, 1);          // one card short
    const QRgb blue = TableDrawing::HighlightColour(1); // 0xFF0000 with blue in the high byte
    EXPECT_EQ(blue, qRgb(0, 0, 255));
    struct Case {
        const char* mark;
        bool painted;
    };
    for (const Case& c : {Case{"0", false}, Case{"", false}, Case{"7", false}, Case{"2", true}}) {
        drawing.TableImage.fill(kGreen);
        prefs["HighLights_Foundations_Mark"] = c.mark;
        prefs["HighLights_Foundations_Color"] = "1";
        drawing.HighlightFoundations(-1);
        EXPECT_EQ(Table(130, 150) == blue, c.painted) << "mark " << c.mark;
        EXPECT_EQ(Table(100, 100), kGreen) << "the highlight is inset by one pixel";
        EXPECT_EQ(Table(330, 150), kGreen) << "an incomplete foundation is not marked";
    }
    EXPECT_EQ(Table(101, 101), blue);
    // A full second foundation is marked when it alone is asked for; the first is left alone.
    s.Piles.FoundationPiles[1] = Cards(14, 2);
    drawing.TableImage.fill(kGreen);
    drawing.HighlightFoundations(1);
    EXPECT_EQ(Table(330, 150), blue);
    EXPECT_EQ(Table(130, 150), kGreen);
    EXPECT_EQ(TableDrawing::HighlightColour(15), TableDrawing::HighlightColour(0));
}

TEST_F(TableDrawingTest, InvertingACardTwiceRestoresItAndKeepsItsCorners) {
    drawing.DrawCard(1, 100, 100, false, DrawTarget::Both, 0, 0);
    const QImage before = drawing.TableImage.copy();
    const QRgb inside = Table(135, 150);
    drawing.InvertCard(100, 100, 171, 196);
    EXPECT_EQ(Table(135, 150), inside ^ 0x00FFFFFFu);
    EXPECT_EQ(Window(135, 150), inside ^ 0x00FFFFFFu);
    EXPECT_EQ(Table(100, 100), kGreen);
    EXPECT_EQ(Table(170, 195), kGreen);
    EXPECT_EQ(Table(99, 150), kGreen) << "nothing outside the card changes";
    drawing.InvertCard(100, 100, 171, 196);
    EXPECT_EQ(drawing.TableImage, before);
}

} // namespace

// A window that only shows the table holds no picture of its own: it shows TableImage from the
// scroll position down. The first drawing on one picture alone gives the window its own picture,
// which keeps showing what the window showed; the screen is told of every change.
TEST_F(TableDrawingTest, AWindowShowingTheTableGetsItsOwnPictureWhenThePicturesFirstDiffer) {
    for (const DrawTarget first : {DrawTarget::Table, DrawTarget::Window}) {
        TableDrawing d(s, images);
        d.WindowFollowsTable = true;
        d.Resize(400, 300, 400, 200);
        d.SetPlainBackground(kGreen);
        d.PaintBackgroundArea(d.TableImage, 0, 0, QRect(0, 0, 430, 330));
        std::vector<QRect> shown;
        d.ShowOnWindow = [&](const QRect& r) { shown.push_back(r); };
        s.Game.ScrollOffset = 20;
        d.DrawCard(1, 10, 10, false, DrawTarget::Both, 0, pile_kind::Other);
        d.InvertCard(10, 10, 81, 106); // inverted once, not once per picture
        EXPECT_TRUE(d.WindowImage.isNull()) << "no picture of its own yet";
        EXPECT_EQ(d.WindowPixel(40, 40), d.TableImage.pixel(40, 60));
        EXPECT_EQ(d.WindowPixel(40, 40), images.CardFace(0).pixel(30, 30) ^ 0x00FFFFFFu);
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0], QRect(10, 10, 71, 96));
        const QImage table = d.TableImage.copy(), window = d.WindowPicture();
        EXPECT_EQ(window, table.copy(0, 20, 400, 200));

        // Drawn on one picture alone: the other one keeps what it had.
        d.DrawCard(2, 200, 50, false, first, 0, pile_kind::Other);
        ASSERT_FALSE(d.WindowImage.isNull());
        EXPECT_EQ(d.WindowImage.size(), QSize(400, 200));
        if (first == DrawTarget::Table) {
            EXPECT_EQ(d.WindowImage, window) << "the window does not show a drawing on the table alone";
            EXPECT_NE(d.TableImage, table);
        } else {
            EXPECT_EQ(d.TableImage, table) << "the table does not take a drawing on the window alone";
            EXPECT_NE(d.WindowImage, window);
        }
        // From then on each picture is drawn on its own.
        d.DrawCard(3, 300, 100, false, DrawTarget::Both, 0, pile_kind::Other);
        EXPECT_EQ(d.WindowPixel(330, 130), d.TableImage.pixel(330, 150));
        d.RefreshWindow();
        EXPECT_EQ(d.WindowImage, d.TableImage.copy(0, 20, 400, 200));
        s.Game.ScrollOffset = 0;
    }
}

// The faces of a library card set put off at start-up are cut when the first one is drawn, the
// same pictures as loaded at once.
TEST_F(TableDrawingTest, CardFacesPutOffAreCutAtTheFirstDrawing) {
    const QImage eager = images.CardFaceImages[37];
    ASSERT_FALSE(eager.isNull());
    images.ApplyCardSettings(true);
    EXPECT_TRUE(images.CardFaceImages[37].isNull()) << "not cut yet";
    EXPECT_FALSE(images.CardBackImage.isNull()) << "the back is loaded at once";
    drawing.DrawCard(38, 100, 100, false, DrawTarget::Both, 0, pile_kind::Other);
    EXPECT_EQ(images.CardFaceImages[37], eager);
    EXPECT_EQ(Table(130, 130), eager.pixel(30, 30));
}
