// The play engine's view drawn with the table pictures: the drag picture follows the pointer and
// restores only what it uncovers, a commit leaves it on the table, and the table widget hands
// the pointer to the engine's handlers (a double click before the press it carries).

#include "table/QtTableView.h"

#include "model/Session.h"
#include "platform/Desktop.h"
#include "support/QtAppEnvironment.h"
#include "table/ImageResources.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace quillon;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kRed = 0xFFFF0000;

class QtTableViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        drawing.Resize(800, 600, 800, 600);
        drawing.TableImage.fill(kGreen);
        drawing.WindowImage.fill(kGreen);
        drawing.ShowOnWindow = [this](const QRect& r) { shown.push_back(r); };
        // A red card at (100, 100) on both pictures.
        for (QImage* img : {&drawing.TableImage, &drawing.WindowImage})
            for (int y = 100; y < 196; ++y)
                for (int x = 100; x < 171; ++x)
                    img->setPixel(x, y, kRed);
        s.DragRect = {100, 100, 171, 196};
        s.DragHeight = 96;
        view.BuildDragImage(1);
        // The card is lifted: the table shows green beneath it.
        for (int y = 100; y < 196; ++y)
            for (int x = 100; x < 171; ++x)
                drawing.TableImage.setPixel(x, y, kGreen);
    }
    QRgb Window(int x, int y) const { return drawing.WindowImage.pixel(x, y); }

    RecordingDesktop desktop;
    Session s;
    ImageResources images{s};
    TableDrawing drawing{s, images};
    QtTableView view{s, drawing};
    std::vector<QRect> shown;
};

TEST_F(QtTableViewTest, DragPictureFollowsAndRestoresWhatItUncovers) {
    ASSERT_EQ(view.DragImage().size(), QSize(71, 96));
    ASSERT_TRUE(view.MoveDragImage(100, 100, false, false));
    ASSERT_TRUE(view.MoveDragImage(130, 120, false, false));
    EXPECT_EQ(Window(105, 105), kGreen) << "the strip left behind shows the table again";
    EXPECT_EQ(Window(129, 195), kGreen);
    EXPECT_EQ(Window(130, 120), kRed);
    EXPECT_EQ(Window(200, 215), kRed) << "bottom-right corner of the picture";
    EXPECT_EQ(Window(201, 216), kGreen);
    EXPECT_EQ(view.DragShown(), QRect(130, 120, 71, 96));
    EXPECT_EQ(shown.back(), QRect(100, 100, 101, 116)) << "old and new places shown at once";
    // The same place again draws nothing.
    shown.clear();
    EXPECT_FALSE(view.MoveDragImage(130, 120, false, false));
    EXPECT_TRUE(shown.empty());
    // The table picture itself is untouched by the drag.
    EXPECT_EQ(drawing.TableImage.pixel(150, 150), kGreen);
}

TEST_F(QtTableViewTest, CommitLeavesThePictureOnTheTableAndHideRestoresTheWindow) {
    view.MoveDragImage(300, 300, false, false);
    view.HideDragImage();
    EXPECT_EQ(Window(320, 320), kGreen);
    EXPECT_TRUE(view.DragShown().isEmpty());
    view.MoveDragImage(400, 200, true, false);
    EXPECT_EQ(drawing.TableImage.pixel(410, 210), kRed);
    EXPECT_EQ(Window(410, 210), kRed);
    view.HideDragImage();
    EXPECT_EQ(Window(410, 210), kRed) << "a committed picture is part of the table";
}

TEST_F(QtTableViewTest, AFlyingCardIsItsOwnPictureWithTheCornersOfItsPlace) {
    // The table under the start shows red (another card, such as the stock's back); the card that
    // flies from there is the ace of hearts, whose picture is blue, or a back, drawn yellow.
    constexpr QRgb kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;
    images.CardFaceImages[0] = QImage(71, 96, QImage::Format_RGB32);
    images.CardFaceImages[0].fill(kBlue);
    images.CardBackImage = QImage(71, 96, QImage::Format_RGB32);
    images.CardBackImage.fill(kYellow);
    for (int y = 100; y < 196; ++y)
        for (int x = 100; x < 171; ++x)
            drawing.TableImage.setPixel(x, y, kRed);
    // The card is first shown raised at its start, on the window only.
    for (int y = 100; y < 196; ++y)
        for (int x = 100; x < 171; ++x)
            drawing.WindowImage.setPixel(x, y, kBlue);
    view.BuildDragImage(1);
    view.MoveDragImage(400, 200, true, true);
    EXPECT_EQ(Window(110, 110), kRed) << "the start shows the table's picture again";
    EXPECT_EQ(drawing.TableImage.pixel(435, 250), kBlue) << "the card's face lands, not the start's picture";
    EXPECT_EQ(drawing.TableImage.pixel(400, 200), kGreen) << "its rounded corner shows the table";
    EXPECT_EQ(drawing.TableImage.pixel(401, 201), kBlue);
    view.BuildDragImage(-1);
    view.MoveDragImage(500, 200, true, true);
    EXPECT_EQ(drawing.TableImage.pixel(535, 250), kYellow) << "a face-down card flies as a back";
    // A run is still taken from the table as it lies.
    s.DragHeight = 130;
    view.BuildDragImage(1);
    EXPECT_EQ(view.DragImage().height(), 130);
    EXPECT_EQ(view.DragImage().pixel(10, 10), kRed);
}

TEST_F(QtTableViewTest, DropDrawsAtTheCardPlaceAndClearsTheDragPosition) {
    view.MoveDragImage(300, 300, false, false);
    view.DropDragImage(500, 100);
    EXPECT_EQ(Window(320, 320), kGreen);
    EXPECT_EQ(Window(510, 110), kRed);
    EXPECT_EQ(drawing.TableImage.pixel(510, 110), kRed);
}

// Shadow pieces as the library draws them: white is left out, the rest is dark.
void GiveShadows(ImageResources& images) {
    images.ShadowImages[0] = QImage(9, 98, QImage::Format_RGB32);
    images.ShadowImages[1] = QImage(72, 9, QImage::Format_RGB32);
    for (QImage& piece : images.ShadowImages) {
        piece.fill(Qt::white);
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x)
                if ((x + y) % 2 == 0)
                    piece.setPixel(x, y, 0xFF303030);
    }
}

// True when the window shows exactly the table picture inside `r` (window = table, no scroll).
bool ShowsTable(const TableDrawing& d, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (d.WindowImage.pixel(x, y) != d.TableImage.pixel(x, y))
                return false;
    return true;
}

TEST_F(QtTableViewTest, ShadowFollowsTheCardAndItsOldStripsAreRestored) {
    s.Params.WriteParam(178, 1, "Y");
    GiveShadows(images);
    CopyPixels(drawing.WindowImage, 0, 0, drawing.TableImage);
    const QImage tableBefore = drawing.TableImage;
    ASSERT_TRUE(view.MoveDragImage(300, 300, false, false));
    // Piece 1 right of the card from 7 px below its top, piece 2 under it from 8 px right of its left.
    EXPECT_EQ(Window(371, 307), 0xFF303030u);
    EXPECT_EQ(Window(372, 307), kGreen) << "white is left out";
    EXPECT_EQ(Window(308, 396), 0xFF303030u);
    EXPECT_EQ(Window(307, 396), kGreen) << "the bottom piece starts 8 px in";
    EXPECT_EQ(Window(371, 306), kGreen) << "the side piece starts 7 px down";
    EXPECT_EQ(Window(370, 394), 0xFF000000u) << "the card's own corner falls into the shadow";
    EXPECT_EQ(Window(369, 395), 0xFF000000u);
    // Two pixels on: everything the card and its shadow left shows the table again.
    ASSERT_TRUE(view.MoveDragImage(302, 302, false, false));
    EXPECT_TRUE(ShowsTable(drawing, QRect(300, 300, 2, 96))) << "left strip";
    EXPECT_TRUE(ShowsTable(drawing, QRect(300, 300, 71, 2))) << "top strip";
    EXPECT_EQ(Window(373, 309), 0xFF303030u) << "the shadow moved with the card";
    // Far away: nothing of the old place, its shadow included, is left on the window.
    ASSERT_TRUE(view.MoveDragImage(600, 100, false, false));
    EXPECT_TRUE(ShowsTable(drawing, QRect(290, 290, 100, 130)));
    view.HideDragImage();
    EXPECT_TRUE(ShowsTable(drawing, QRect(0, 0, 800, 600))) << "hidden with its shadow";
    EXPECT_TRUE(view.ShadowShown().isEmpty());
    EXPECT_TRUE(drawing.TableImage == tableBefore) << "the shadow is drawn on the window only";
}

TEST_F(QtTableViewTest, ARunGetsADottedShadowAndNoPieces) {
    s.Params.WriteParam(178, 1, "Y");
    GiveShadows(images);
    CopyPixels(drawing.WindowImage, 0, 0, drawing.TableImage);
    s.DragHeight = 140;
    view.BuildDragImage(1);
    ASSERT_EQ(view.DragImage().height(), 140);
    ASSERT_TRUE(view.MoveDragImage(300, 100, false, false));
    // Right edge x = 371, bottom y = 240: every second pixel black, 7 px wide from 7 px down to
    // 7 px below the picture.
    int wrong = 0;
    for (int y = 107; y < 247; ++y)
        for (int x = 371; x < 378; ++x)
            wrong += (Window(x, y) == 0xFF000000u) != ((x + y) % 2 == 0);
    EXPECT_EQ(wrong, 0) << "dotted";
    EXPECT_FALSE(Window(371, 106) == 0xFF000000u || Window(372, 106) == 0xFF000000u) << "starts 7 px down";
    EXPECT_TRUE(Window(308, 240) == 0xFF000000u || Window(309, 240) == 0xFF000000u) << "bottom band";
    EXPECT_TRUE(Window(307, 240) == kGreen && Window(306, 240) == kGreen) << "starts 8 px in";
    EXPECT_NE(Window(371, 150), 0xFF303030u) << "no shadow piece";
    ASSERT_TRUE(view.MoveDragImage(500, 100, false, false));
    EXPECT_TRUE(ShowsTable(drawing, QRect(300, 100, 90, 160)));
}

TEST_F(QtTableViewTest, WithoutShadowsOnlyTheUncoveredStripsChange) {
    s.Params.WriteParam(178, 1, "N");
    GiveShadows(images);
    ASSERT_TRUE(view.MoveDragImage(300, 300, false, false));
    QImage before = drawing.WindowImage;
    ASSERT_TRUE(view.MoveDragImage(305, 303, false, false));
    // Outside the union of the old and the new place, not a pixel changed.
    const QRect touched = QRect(300, 300, 71, 96).united(QRect(305, 303, 71, 96));
    for (int y = 280; y < 420; ++y)
        for (int x = 280; x < 400; ++x)
            if (!touched.contains(x, y))
                ASSERT_EQ(drawing.WindowImage.pixel(x, y), before.pixel(x, y)) << x << "," << y;
    EXPECT_TRUE(view.ShadowShown().isEmpty());
    EXPECT_TRUE(ShowsTable(drawing, QRect(300, 300, 5, 96)));
    EXPECT_TRUE(ShowsTable(drawing, QRect(300, 300, 71, 3)));
}

TEST_F(QtTableViewTest, ADraggedCardTakesTheCornersOfEachPlace) {
    s.Params.WriteParam(178, 1, "N");
    drawing.SetPlainBackground(kGreen);
    constexpr QRgb kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;
    images.CardFaceImages[0] = QImage(71, 96, QImage::Format_RGB32);
    images.CardFaceImages[0].fill(kBlue);
    view.BuildDragImage(1);
    // The top-left corner of the first place lies on a yellow card; the second on the table.
    drawing.TableImage.setPixel(400, 200, kYellow);
    ASSERT_TRUE(view.MoveDragImage(400, 200, false, false));
    EXPECT_EQ(Window(400, 200), kYellow);
    EXPECT_EQ(Window(401, 201), kBlue);
    ASSERT_TRUE(view.MoveDragImage(420, 210, false, false));
    EXPECT_EQ(Window(420, 210), kGreen);
    EXPECT_EQ(Window(490, 210), kGreen) << "top-right corner";
    EXPECT_EQ(Window(420, 305), kGreen) << "bottom-left corner";
    EXPECT_EQ(Window(421, 211), kBlue);
}

// Counts the pixels of a rectangle: white, dark (text and edges), the grey of smoothed text, and
// coloured (the table showing through).
struct Inks {
    int white = 0, dark = 0, grey = 0, other = 0;
};
Inks Count(const QImage& img, const QRect& r) {
    Inks k;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            const bool neutral = std::abs(qRed(c) - qGreen(c)) < 24 && std::abs(qGreen(c) - qBlue(c)) < 24;
            if (c == 0xFFFFFFFF)
                ++k.white;
            else if (neutral && qGreen(c) < 100)
                ++k.dark;
            else if (neutral)
                ++k.grey;
            else
                ++k.other;
        }
    return k;
}

TEST_F(QtTableViewTest, JokerLabelUnderItsFoundationAndClearedAgain) {
    drawing.SetPlainBackground(kGreen);
    s.Game.SetFoundationX(2, 300), s.Game.SetFoundationY(2, 20);
    const QRect label(300, 20 + 96 + 3, 71, 16);
    view.DrawJokerLabel(2, "Joker = 5", "");
    for (const QImage* img : {&drawing.WindowImage, &drawing.TableImage}) {
        const Inks k = Count(*img, label);
        EXPECT_EQ(k.other, 0) << "a white box with black text, on both pictures";
        EXPECT_GT(k.dark, 71 + 16) << "its edges and some text";
        EXPECT_GT(k.white, k.dark);
        EXPECT_EQ(img->pixel(370, label.top() + 3), 0xFF000000u) << "black right edge";
        EXPECT_EQ(img->pixel(310, label.bottom()), 0xFF000000u) << "black bottom edge";
    }
    EXPECT_EQ(Window(299, 125), kGreen) << "nothing left of the foundation";
    view.DrawJokerLabel(2, "", "");
    EXPECT_EQ(Count(drawing.WindowImage, label).other, label.width() * label.height()) << "the table again";
    EXPECT_EQ(Count(drawing.TableImage, label).other, label.width() * label.height());
    // A foundation that is not on the table gets no label.
    s.Game.SetFoundationX(3, -32000);
    const QImage before = drawing.WindowImage;
    view.DrawJokerLabel(3, "Joker = 5", "");
    view.DrawJokerLabel(99, "Joker = 5", "");
    EXPECT_TRUE(drawing.WindowImage == before);
}

TEST_F(QtTableViewTest, PartialScoreOverTheFirstPilesAndTheHintAtTheWaste) {
    drawing.SetPlainBackground(kGreen);
    s.TableauX[0] = 100, s.TableauX[1] = 180, s.TableauX[2] = 260;
    s.TableauY[0] = 300;
    s.Game.SetStockX(1, 500), s.Game.SetStockY(1, 20);
    view.DrawPartialScore(7);
    // Centred over piles 0 to 2 (100 to 331), just above the row.
    const QRect score(100 + (231 - 231) / 2, 280, 231, 17);
    const Inks k = Count(drawing.TableImage, score);
    EXPECT_EQ(k.other, 0);
    EXPECT_GT(k.dark, 231 + 17);
    EXPECT_EQ(Window(99, 285), kGreen);
    EXPECT_EQ(Count(drawing.WindowImage, QRect(500, 20, 130, 32)).other, 0) << "the hint at the waste";
}

TEST(TableWidgetInput, PointerEventsReachTheHandlers) {
    TableWidget table;
    table.resize(400, 300);
    std::vector<std::string> calls;
    table.OnPress = [&](int b, int shift, int x, int y) {
        calls.push_back("press " + std::to_string(b) + " " + std::to_string(shift) + " " + std::to_string(x) +
                        "," + std::to_string(y));
    };
    table.OnMove = [&](int x, int y) {
        calls.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    table.OnRelease = [&](int x, int y) {
        calls.push_back("release " + std::to_string(x) + "," + std::to_string(y));
    };
    table.OnDoubleClick = [&] { calls.push_back("double"); };
    auto send = [&](QEvent::Type type, Qt::MouseButton b, Qt::KeyboardModifiers m, QPointF at) {
        QMouseEvent e(type, at, table.mapToGlobal(at), b, b, m);
        QApplication::sendEvent(&table, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier, {10, 20});
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoModifier, {15, 25});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoModifier, {15, 25});
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::NoModifier, {15, 25});
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::ControlModifier, {30, 40});
    send(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::NoModifier, {1, 2});
    table.InputBlocked = true;
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier, {10, 20});
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::NoModifier, {15, 25});
    const std::vector<std::string> expected{"press 0 0 10,20", "move 15,25",      "release 15,25", "double",
                                            "press 0 0 15,25", "press 1 4 30,40", "press 2 0 1,2"};
    EXPECT_EQ(calls, expected);
}

} // namespace
