// The table drawn for screens with more device pixels than the program's own: the pictures hold
// device pixels, the cards come from the double-size pictures and stay sharp, and every drawing
// step, the drag picture included, still works in the program's pixels without seams.
#include "model/Deal.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/ResourceCatalog.h"
#include "platform/ResourceLibrary.h"
#include "support/QtAppEnvironment.h"
#include "table/ImageResources.h"
#include "table/PileLayout.h"
#include "table/QtTableView.h"
#include "table/TableDrawing.h"

#include "../common/TempFolder.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace quillon;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr int kCW = 71, kCH = 96;

std::string ProgramDir() {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    return dir && *dir ? WithSlash(dir) : ProgramFolder() + "../bin/";
}

// A game dealt and laid out on a window of 1000 x 700 of the program's pixels, drawn at `ratio`.
class DealtTable {
public:
    DealtTable(int game, qreal ratio) {
        s.desktop = &desktop;
        std::string error;
        s.ProgramFolder = ProgramDir();
        dealt = LoadAndDeal(s, game, "1234567890123", error);
        if (!dealt || !OpenMainLibrary(s))
            return;
        s.SetFlag(GameInPlay, true);
        s.Params.WriteParam(128, 1, "B");
        s.Params.WriteParam(24, 3, "001");
        s.Params.WriteParam(21, 3, "011");
        images.SetDeviceRatio(ratio);
        images.ApplyCardSettings();
        drawing.DeviceRatio = ratio;
        drawing.Resize(1000, 700, 1000, 700);
        s.ResetPilePositions();
        ComputeFanSteps(s);
        LayoutPiles(s, 0, 699, 1000, 740, ScreenSize{1000, 700}, 0);
        drawing.PaintBackground();
        drawing.PaintTable();
        drawing.RefreshWindow();
    }
    // The place of the top card of tableau pile `pile` (0-based), in the program's pixels.
    QPoint TopCard(int pile) const {
        const std::string name = "Fila" + std::to_string(pile + 1);
        return {PileCardX(s, name, 0, false, pile), PileCardY(s, name, 0, false)};
    }

    RecordingDesktop desktop;
    Session s;
    ImageResources images{s};
    TableDrawing drawing{s, images};
    bool dealt = false;
};

TEST(DeviceRatio, CardEdgesAreOneDevicePixelWideAndSharpAtRatioTwo) {
    for (int game : {103, 101}) { // FreeCell, Klondike
        SCOPED_TRACE(game);
        DealtTable t(game, 2.0);
        ASSERT_TRUE(t.dealt);
        const QImage& table = t.drawing.TableImage;
        ASSERT_EQ(table.width(), 2060);
        ASSERT_EQ(table.devicePixelRatio(), 2.0);
        ASSERT_EQ(t.images.CardFaceImages[0].width(), 2 * kCW);
        const QPoint at = t.TopCard(0);
        const int left = 2 * at.x(), top = 2 * at.y(), right = 2 * (at.x() + kCW) - 1,
                  bottom = 2 * (at.y() + kCH) - 1;
        auto px = [&](int x, int y) { return table.pixel(x, y) & 0xFFFFFF; };
        const QRgb edge = px(left, top + kCH), paper = px(left + 1, top + kCH);
        const QRgb ground = t.drawing.BackgroundPixel(left - 1, top + kCH) & 0xFFFFFF;
        EXPECT_NE(edge, paper);
        EXPECT_NE(edge, ground);
        // Along every side, away from the corners and the index: table, one edge pixel, paper.
        struct Side {
            const char* name;
            int x, y, dx, dy, nx, ny; // first edge pixel, direction along, direction inwards
            int length;
        } sides[] = {{"left", left, top + 40, 0, 1, 1, 0, 2 * kCH - 80},
                     {"right", right, top + 40, 0, 1, -1, 0, 2 * kCH - 80},
                     {"top", left + 40, top, 1, 0, 0, 1, 2 * kCW - 80},
                     {"bottom", left + 40, bottom, 1, 0, 0, -1, 2 * kCW - 80}};
        for (const Side& side : sides) {
            int blended = 0, outside = 0, inside = 0;
            for (int k = 0; k < side.length; ++k) {
                const int x = side.x + k * side.dx, y = side.y + k * side.dy;
                blended += px(x, y) != edge;
                outside += px(x - side.nx, y - side.ny) == edge;
                inside += px(x + side.nx, y + side.ny) == edge;
            }
            EXPECT_EQ(blended, 0) << side.name << ": the edge is one colour all along";
            EXPECT_EQ(outside, 0) << side.name << ": nothing of the edge outside the card";
            EXPECT_EQ(inside, 0) << side.name << ": the edge is one device pixel wide";
        }
        // The rounded bottom corners show the table; the edge steps round them.
        for (int x : {left, right}) {
            EXPECT_EQ(px(x, bottom), t.drawing.BackgroundPixel(x, bottom) & 0xFFFFFF);
            EXPECT_EQ(px(x, bottom - CornerCut(0, 2)), edge);
        }
        EXPECT_EQ(px(left + CornerCut(0, 2), bottom), edge);
    }
}

// Moves a card's drag picture across the table at each ratio and takes it away again: at every
// frame the window shows the table outside the picture, and at the end exactly as before.
TEST(DeviceRatio, DragPictureLeavesNoTraceAtAnyRatio) {
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        DealtTable t(103, ratio);
        ASSERT_TRUE(t.dealt);
        QtTableView view(t.s, t.drawing);
        // Without shadows, whose see-through pixels would hide what is left behind.
        t.s.Params.WriteParam(178, 1, "N");
        const QImage before = t.drawing.WindowImage.copy();
        const QPoint at = t.TopCard(2);
        t.s.DragHeight = kCH;
        t.s.DragRect = {at.x(), at.y(), at.x() + kCW, at.y() + kCH};
        view.BuildDragImage(0);
        ASSERT_EQ(view.DragImage().width(), DeviceLength(kCW, ratio));
        const QImage& window = t.drawing.WindowImage;
        // Small steps every way, from odd and even places, as the pointer moves.
        const int path[][2] = {{5, 3}, {1, -4}, {10, -6}, {7, 1}, {8, -5}, {1, -4}, {-3, 2}, {5, -3}, {8, 4}};
        for (int step = 0; step < 9; ++step) {
            const int x = at.x() + path[step][0], y = at.y() + 20 + path[step][1];
            view.MoveDragImage(x, y, false, false);
            // Outside the picture and its shadow the window shows the table picture.
            const QRect drawn(DevicePos(x, ratio), DevicePos(y, ratio), view.DragImage().width(),
                              view.DragImage().height());
            int left = 0;
            for (int py = 0; py < window.height(); ++py) {
                const auto* w = reinterpret_cast<const QRgb*>(window.constScanLine(py));
                const auto* tb = reinterpret_cast<const QRgb*>(t.drawing.TableImage.constScanLine(py));
                for (int px = 0; px < window.width(); ++px)
                    left += w[px] != tb[px] && !drawn.contains(QPoint(px, py));
            }
            EXPECT_EQ(left, 0) << "frame " << step;
        }
        view.HideDragImage();
        EXPECT_EQ(t.drawing.WindowImage, before);
    }
}

// A selected card is inverted over all its device pixels at any ratio, its rounded corners keep
// showing the table, and inverting it again gives the card back.
TEST(DeviceRatio, SelectedCardsInvertWholeAndBackAgain) {
    for (qreal ratio : {1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        DealtTable t(101, ratio);
        ASSERT_TRUE(t.dealt);
        const QImage before = t.drawing.TableImage.copy();
        const QPoint at = t.TopCard(0); // a pile of one card
        const QRect device = DeviceRect(QRect(at, QSize(kCW, kCH)), ratio);
        t.drawing.InvertCard(at.x(), at.y(), at.x() + kCW, at.y() + kCH);
        const QImage& table = t.drawing.TableImage;
        for (const QPoint p :
             {device.center(), device.topLeft() + QPoint(device.width() - 1, device.height() / 2),
              device.bottomLeft() + QPoint(device.width() / 2, 0)})
            EXPECT_EQ(table.pixel(p) & 0xFFFFFF, ~before.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
        for (const QPoint p : {device.topLeft(), device.bottomRight()})
            EXPECT_EQ(table.pixel(p), t.drawing.BackgroundPixel(p.x(), p.y())) << p.x() << "," << p.y();
        t.drawing.InvertCard(at.x(), at.y(), at.x() + kCW, at.y() + kCH);
        EXPECT_EQ(t.drawing.TableImage, before);
        EXPECT_EQ(t.drawing.WindowImage, before.copy(t.drawing.WindowImage.rect()));
    }
}

// Cards of a library without double-size pictures, at fractional and double ratios: enlarged to
// the device size; the shadow pieces keep their pure transparent white and their dark pixels.
TEST(DeviceRatio, PicturesWithoutADoubleSizeAreScaledToTheRatio) {
    quillon::testing::TempFolder folder;
    ResourceWriter writer;
    auto png = [](const QImage& img) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "PNG");
        return std::string(bytes.constData(), size_t(bytes.size()));
    };
    QImage strip(5 * kCW, 3 * kCH, QImage::Format_RGB32);
    strip.fill(qRgb(200, 30, 30));
    QImage shadow(9, kCH + 2, QImage::Format_RGB32);
    shadow.fill(Qt::white);
    for (int y = 0; y < shadow.height(); y += 2)
        shadow.setPixel(y % 9, y, qRgb(0x30, 0x30, 0x30));
    for (const char* suit : {"H", "D", "C", "S"})
        writer.Add(ResourceKind::Bitmap, std::string("CB001") + suit, png(strip));
    writer.Add(ResourceKind::Bitmap, "SHADOW_B1", png(shadow));
    ASSERT_TRUE(writer.Save(folder.path() + "SOL.RGF"));

    const struct {
        qreal ratio;
        int width, height;
    } cases[] = {{1.0, 71, 96}, {1.25, 89, 120}, {1.5, 107, 144}, {2.0, 142, 192}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        RecordingDesktop desktop;
        Session s;
        s.desktop = &desktop;
        s.ProgramFolder = folder.path();
        s.Cards.Build();
        ASSERT_TRUE(OpenMainLibrary(s));
        s.Params.WriteParam(128, 1, "B");
        s.Params.WriteParam(24, 3, "001");
        ImageResources images(s);
        images.SetDeviceRatio(c.ratio);
        images.ApplyCardSettings();
        const QImage& face = images.CardFaceImages[12];
        EXPECT_EQ(face.size(), QSize(c.width, c.height));
        EXPECT_EQ(face.devicePixelRatio(), c.ratio);
        EXPECT_EQ(face.pixel(c.width / 2, c.height / 2) & 0xFFFFFF, 0xC81E1Eu);
        const QImage& piece = images.ShadowImages[0];
        EXPECT_EQ(piece.height(), DeviceLength(kCH + 2, c.ratio));
        int dark = 0;
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x) {
                const QRgb v = piece.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(v == 0xFFFFFF || v == 0x303030) << x << "," << y;
                dark += v == 0x303030;
            }
        EXPECT_GT(dark, 0);
    }
}

TEST(DeviceRatio, DeviceRectanglesRoundOutwardSoNeighboursMeet) {
    const struct {
        QRect logical;
        qreal ratio;
        QRect device;
    } cases[] = {{{10, 20, 71, 96}, 1.0, {10, 20, 71, 96}}, {{10, 20, 71, 96}, 2.0, {20, 40, 142, 192}},
                 {{1, 1, 71, 96}, 1.5, {1, 1, 107, 145}},   {{2, 3, 1, 1}, 1.5, {3, 4, 2, 2}},
                 {{3, 0, 1, 1}, 1.25, {3, 0, 2, 2}},        {{4, 4, 1, 1}, 1.25, {5, 5, 2, 2}}};
    for (const auto& c : cases)
        EXPECT_EQ(DeviceRect(c.logical, c.ratio), c.device) << c.ratio;
}

TEST(DeviceRatio, CornersCutMoreDevicePixelsOnFinerPictures) {
    // At ratio 1 the corner pixel and its two neighbours; at 2 a rounder step of 4, 2, 1, 1.
    EXPECT_EQ(CornerCut(0, 1), 2);
    EXPECT_EQ(CornerCut(1, 1), 1);
    EXPECT_EQ(CornerCut(2, 1), 0);
    const int two[] = {4, 2, 1, 1, 0};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(CornerCut(row, 2), two[row]) << row;
}

} // namespace
