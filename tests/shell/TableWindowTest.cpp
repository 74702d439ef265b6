// The table inside the main window: the vertical scroll bar of a tall table, the wheel and the
// space typed on the bar, the program cursors, the hints, full screen and back, and pixels of a
// dealt game at known places.
#include "shell/Main.h"
#include "shell/ProgramCursors.h"
#include "shell/Startup.h"

#include "model/Cards.h"
#include "model/ConfigFile.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/ResourceLibrary.h"
#include "table/ImageResources.h"
#include "table/PileLayout.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include "common/PictureCompare.h"
#include "common/TempFolder.h"
#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QTreeWidget>
#include <QWheelEvent>

#include "support/widgets/C_ShadowedHintWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::BuiltProgramFolder;
using quillon::testing::PrivateInstallation;
using quillon::testing::TempFolder;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

// Lets the window's layout settle (the bar's width reaches the table through a resize).
void Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

class TableWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "plus", "help"});
    }
    void TearDown() override {
        if (window)
            window->hide();
        window.reset();
    }
    // The main window, shown at a normal size, with the first activation done (no game chosen).
    void Start(int width, int height, const std::string& cursor = "") {
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "MainWindowState_Maximized", "N");
        WriteConfigString(s, "Preference", "Cards_Animate", "N");
        WriteConfigString(s, "Preference", "Deal_Animation", "N");
        // Autoplay off, so that the cards of a random deal stay where they were dealt.
        WriteConfigString(s, "Preference", "AutoPlay", "N");
        if (!cursor.empty())
            WriteConfigString(s, "Preference", "Cursor", cursor);
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [](int&, std::string&, std::string&) { return false; };
        window->resize(width, height);
        window->show();
        Settle();
        window->FirstActivation();
        Settle();
    }
    void Open(int number) {
        window->ChooseGame = [this, number](int& n, std::string& name, std::string& player) {
            n = number;
            name = GameName(s, number);
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->OpenGameCommand();
        Settle();
        ASSERT_TRUE(s.Flag(GameInPlay));
    }
    QScrollBar* Bar() const { return window->ScrollBar(); }
    TableDrawing& Drawing() const { return window->Drawing(); }
    void Wheel(QWidget* target, int delta) {
        const QPointF at(10, 10);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    // A tableau pile made so long that the table reaches far below a small window.
    void LengthenFirstPile(int cards) {
        std::string& pile = s.Piles.TableauPiles[0];
        for (int c = 0; c < cards; ++c) {
            pile += FormatFixed(1 + c % 52, 3);
            s.Cards.SetCardFace(1 + c % 52, '1');
        }
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(TableWindowTest, ATallTableGetsTheScrollBarAndTheWindowShowsItFromTheScrollPosition) {
    Start(640, 360);
    Open(106); // Spider: ten fanned piles
    LengthenFirstPile(20);
    window->RedrawTable();
    Settle();
    const int h = window->Table()->height();
    ASSERT_GT(s.Game.TableBottom, h);
    ASSERT_TRUE(Bar()->isVisible());
    EXPECT_EQ(Bar()->minimum(), 0);
    EXPECT_EQ(Bar()->maximum(), s.Game.TableBottom - h + 10);
    EXPECT_EQ(Bar()->pageStep(), h);
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_EQ(window->Table()->width() + Bar()->width(), window->centralWidget()->width())
        << "the table is laid out beside the bar";
    // The whole pile lies on the table pictures, however far below the screen it reaches.
    EXPECT_GE(Drawing().TableImage.height(), s.Game.TableBottom + 30);
    const int x = s.GetTableauX(0) + 30, lastY = s.Game.TableBottom - 40;
    EXPECT_NE(Drawing().TableImage.pixel(x, lastY), Drawing().BackgroundPixel(x, lastY))
        << "the last card is drawn";

    // Scrolling moves what the window shows; the piles' window places move with it.
    const int pileY = s.GetTableauY(0);
    Bar()->setValue(100);
    EXPECT_EQ(s.Game.ScrollOffset, 100);
    EXPECT_EQ(s.GetTableauY(0), pileY - 100);
    for (int y : {0, 50, h - 1})
        for (int px : {5, x, window->Table()->width() - 5})
            ASSERT_EQ(Drawing().WindowPixel(px, y), Drawing().TableImage.pixel(px, y + 100))
                << px << "," << y;

    // Each wheel notch moves the table 60 pixels, within the bar's range.
    Wheel(window->Table(), -120);
    EXPECT_EQ(Bar()->value(), 160);
    Wheel(window->Table(), 240);
    EXPECT_EQ(Bar()->value(), 40);
    Wheel(Bar(), -120);
    EXPECT_EQ(Bar()->value(), 100) << "over the bar too";
    Wheel(window->Table(), 1200);
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_EQ(s.Game.ScrollOffset, 0);
    Wheel(window->Table(), -12000);
    EXPECT_EQ(Bar()->value(), Bar()->maximum());
}

// The table pictures are as large as the window needs, not the screen; the faded table looks as
// it would on pictures of the screen's size, and the pictures follow the window when it grows.
TEST_F(TableWindowTest, TheTablePicturesCoverTheWindowAndTheTableLooksAsOnTheScreensSize) {
    Start(520, 330);
    Open(101); // Klondike
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const BackgroundChoice choice = window->Images().ChooseBackground();
    for (QSize size : {QSize(520, 330), QSize(700, 460)}) {
        window->resize(size);
        Settle();
        const int w = window->Table()->width(), h = window->Table()->height();
        ASSERT_LT(w, screen.width()) << "the test needs a window smaller than the screen";
        ASSERT_LT(h, screen.height());
        EXPECT_EQ(Drawing().TableImage.size(), QSize(w + 30, h + 30));
        EXPECT_EQ(Drawing().WindowSize(), QSize(w, h));
        if (choice.kind != BackgroundChoice::Colour || !choice.faded)
            continue;
        QImage onScreen(screen.width() + 30, screen.height() + 30, QImage::Format_RGB32);
        PaintFadedColour(onScreen, choice.colour, onScreen.height() + 1);
        for (int y = 0; y < h; y += 7)
            ASSERT_EQ(Drawing().BackgroundPixel(w - 1, y), onScreen.pixel(w - 1, y)) << "row " << y;
        EXPECT_EQ(Drawing().WindowPixel(w - 1, h - 1), onScreen.pixel(w - 1, h - 1))
            << "the window shows the table's lower right corner as the screen-sized table would";
    }
}

TEST_F(TableWindowTest, TheWheelDoesNothingWhileTheTableFitsTheWindow) {
    Start(1000, 760);
    Open(101); // Klondike fits easily
    ASSERT_LE(s.Game.TableBottom, window->Table()->height());
    EXPECT_FALSE(Bar()->isVisible());
    const QImage before = Drawing().WindowPicture();
    Wheel(window->Table(), -120);
    EXPECT_EQ(s.Game.ScrollOffset, 0);
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_EQ(Drawing().WindowPicture(), before);
}

TEST_F(TableWindowTest, TheBarGoesAwayWhenTheWindowGrowsAndComesBackWhenItShrinks) {
    Start(640, 360);
    Open(106);
    LengthenFirstPile(8);
    window->RedrawTable();
    Settle();
    ASSERT_TRUE(Bar()->isVisible());
    Bar()->setValue(Bar()->maximum());
    window->resize(1000, 900);
    Settle();
    EXPECT_FALSE(Bar()->isVisible());
    EXPECT_EQ(s.Game.ScrollOffset, 0);
    EXPECT_EQ(window->Table()->width(), window->centralWidget()->width());
    window->resize(640, 360);
    Settle();
    EXPECT_TRUE(Bar()->isVisible());
    EXPECT_EQ(Bar()->value(), 0) << "a new layout starts at the top of the table";
}

TEST_F(TableWindowTest, ASpaceTypedOnTheScrollBarClicksTheStock) {
    Start(640, 360);
    Open(106);
    LengthenFirstPile(8);
    window->RedrawTable();
    Settle();
    ASSERT_TRUE(Bar()->isVisible());
    const size_t before = s.Piles.StockPiles[0].size();
    ASSERT_GT(before, 0u);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(Bar(), &space);
    EXPECT_EQ(s.Piles.StockPiles[0].size(), before - 10 * 3) << "one card dealt to each of the ten piles";
    // Any other key is the bar's own.
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(Bar(), &other);
    EXPECT_EQ(s.Piles.StockPiles[0].size(), before - 10 * 3);
}

TEST_F(TableWindowTest, ADealtGameShowsItsCornersItsStockEdgeAndItsKingMark) {
    Start(1000, 760);
    Open(101);
    const TableDrawing& d = Drawing();
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    auto win = [&](int x, int y) { return d.WindowPixel(x, y); };
    auto table = [&](int x, int y) { return d.BackgroundPixel(x, y); };
    // The rounded corners of the single card of the first pile show the table.
    ASSERT_EQ(s.Piles.TableauPiles[0].size(), 3u);
    const int x = PileCardX(s, "Fila1", 0, false, 0), y = PileCardY(s, "Fila1", 0, false);
    for (auto [cx, cy] : {std::pair{x, y}, {x + cw - 1, y}, {x, y + ch - 1}, {x + cw - 1, y + ch - 1}})
        EXPECT_EQ(win(cx, cy), table(cx, cy)) << cx << "," << cy;
    EXPECT_NE(win(x + cw / 2, y + ch / 2), table(x + cw / 2, y + ch / 2));
    // A stock of 24 cards is raised by 4 px and shows a 4-px edge below and to its right.
    ASSERT_EQ(s.Piles.StockPiles[0].size(), 24u * 3);
    const auto home = s.Game.StockHomePos[0];
    EXPECT_EQ(s.Game.GetStockX(0), home.X - 4);
    EXPECT_EQ(s.Game.GetStockY(0), home.Y - 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NE(win(home.X + cw / 2, home.Y + ch - 4 + k), table(home.X + cw / 2, home.Y + ch - 4 + k))
            << "bottom edge row " << k;
        EXPECT_NE(win(home.X + cw - 4 + k, home.Y + ch / 2), table(home.X + cw - 4 + k, home.Y + ch / 2))
            << "right edge column " << k;
    }
    EXPECT_EQ(win(home.X + cw / 2, home.Y + ch + 1), table(home.X + cw / 2, home.Y + ch + 1));
    EXPECT_EQ(win(home.X - 5, home.Y + ch / 2), table(home.X - 5, home.Y + ch / 2))
        << "left of the raised card";
    // An emptied pile of a game whose gaps take kings shows the king mark.
    s.Piles.TableauPiles[0].clear();
    window->RedrawTable();
    QImage king;
    window->Images().LoadMarkImage(king, "Foundation13");
    const int kx = s.GetTableauX(0), ky = s.GetTableauY(0);
    // The mark is laid over the table where the pile lies.
    king = quillon::testing::LaidOver(king, d.BackgroundPicture().copy(kx, ky, cw, ch));
    for (int py = 0; py < ch; py += 7)
        for (int px = 0; px < cw; px += 7)
            ASSERT_PRED2(quillon::testing::NearColour, win(kx + px, ky + py), king.pixel(px, py))
                << px << "," << py;
}

TEST_F(TableWindowTest, FullScreenAndBackRestoreTheExactBounds) {
    Start(700, 500);
    window->setGeometry(61, 72, 683, 491);
    Settle();
    const QRect before = window->geometry();
    window->ToggleFullScreen();
    Settle();
    ASSERT_TRUE(window->InFullScreen());
    window->ToggleFullScreen();
    Settle();
    EXPECT_FALSE(window->InFullScreen());
    EXPECT_EQ(window->geometry(), before);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ReadConfigString(s, "Preference", "MainWindowState_Left", ""), std::to_string(before.x()));
    EXPECT_EQ(ReadConfigString(s, "Preference", "MainWindowState_Width", ""), std::to_string(before.width()));
    EXPECT_EQ(ReadConfigString(s, "Preference", "Full_Screen", ""), "N");
}

TEST_F(TableWindowTest, TheStatusBarIsHiddenAndCarriesTheLongHints) {
    Start(900, 600);
    EXPECT_FALSE(window->statusBar()->isVisible());
    for (const char* name : {"tbNew_Large", "tbOpen_Small", "tbExit_Large"}) {
        QAction* a = window->Action(name);
        ASSERT_TRUE(a) << name;
        EXPECT_FALSE(a->statusTip().isEmpty()) << name;
        EXPECT_EQ(a->statusTip(), a->toolTip()) << "a hint without a long form is both";
    }
    // The status bar shows the long form of the hint under the pointer.
    QStatusTipEvent tip(window->Action("tbUndo_Large")->statusTip());
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->statusBar()->currentMessage(), "Undo");
}

TEST_F(TableWindowTest, TheSplashOpensTheImageLibraryOnceForTheWholeRun) {
    CreateGlobalObjects(s, install.program.path());
    std::unique_ptr<QWidget> splash = MakeSplash(s);
    ASSERT_TRUE(s.MainLibrary);
    const ResourceLibrary* opened = s.MainLibrary.get();
    window = CreateMainWindow(s);
    ASSERT_TRUE(window);
    EXPECT_EQ(s.MainLibrary.get(), opened) << "the main initialisation keeps the library of the splash";
    EXPECT_EQ(s.StateValues[3], 1);
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(TableWindowTest, ALibraryOfAnotherFolderIsNotTakenForTheProgramsOwn) {
    CreateGlobalObjects(s, install.program.path());
    TempFolder other;
    std::filesystem::copy(BuiltProgramFolder() + "SOL.RGF", other.path() + "SOL.RGF");
    s.MainLibrary = std::make_unique<ResourceLibrary>();
    ASSERT_TRUE(s.MainLibrary->Open(other.path() + "SOL.RGF"));
    window = CreateMainWindow(s);
    ASSERT_TRUE(window);
    EXPECT_EQ(s.MainLibrary->Path(), install.program.path() + "SOL.RGF");
}

TEST_F(TableWindowTest, WithoutTheImageLibraryTheSplashHasNoPictureAndTheStartEnds) {
    std::filesystem::remove(install.program.path() + "SOL.RGF");
    CreateGlobalObjects(s, install.program.path());
    std::unique_ptr<QWidget> splash = MakeSplash(s);
    EXPECT_FALSE(s.MainLibrary);
    EXPECT_FALSE(CreateMainWindow(s));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text.rfind("Can't find/load ", 0), 0u);
}

// The start as the program runs it, from an empty data folder: the splash, the main window with
// its placement, the activation that opens the game list, a game picked there and dealt.
TEST_F(TableWindowTest, FromAnEmptyDataFolderTheGameListOpensAndThePickedGameIsDealt) {
    CreateGlobalObjects(s, install.program.path());
    std::unique_ptr<QWidget> splash = MakeSplash(s);
    splash->show();
    window = CreateMainWindow(s);
    ASSERT_TRUE(window);
    window->RestorePlacement();
    splash->hide();
    splash.reset();
    EXPECT_EQ(ReadConfigString(s, "Users", "User001", ""), "Player 1");
    EXPECT_EQ(ReadConfigString(s, "Users", "User003", ""), "Player 3");
    // Whoever opens the game list finds it modal and picks Klondike from it.
    int listsSeen = 0;
    QTimer picker;
    QObject::connect(&picker, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* list = modal ? modal->findChild<QTreeWidget*>("trvAllGames") : nullptr;
        auto* ok = modal ? modal->findChild<QPushButton*>("btnOK") : nullptr;
        if (!list || !ok || !list->isVisible())
            return;
        ++listsSeen;
        const auto items = list->findItems("Klondike", Qt::MatchExactly);
        if (!items.isEmpty())
            list->setCurrentItem(items.front());
        ok->click();
    });
    picker.start(10);
    window->show();
    window->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!s.Flag(GameInPlay) && waited.elapsed() < 300000) // only a failure waits this long
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    picker.stop();
    ASSERT_TRUE(s.Flag(GameInPlay)) << "the activation opened the game list and the pick dealt the game";
    EXPECT_EQ(listsSeen, 1);
    EXPECT_EQ(s.Params.ReadParam(62, 4), "0101");
    EXPECT_EQ(window->windowTitle().toStdString(),
              "Quillon 2003 3.2  [Klondike]  [" + s.Params.ReadParam(153, 15) + "]");
    EXPECT_EQ(PileSize(s.Piles.StockPiles[0]), 24);
    EXPECT_TRUE(window->isMaximized()) << "the default placement";
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(TableWindowTest, ToolbarTipsFollowTheirSetting) {
    Start(900, 600);
    QToolBar* bar = window->VisibleToolbar();
    QWidget* button = bar->widgetForAction(window->Action("tbOpen_Large"));
    ASSERT_TRUE(button);
    // The program's hint window, installed by the start.
    C_TShadowedHintWindow* hint = C_TShadowedHintWindow::Install();
    for (const char* setting : {"N", "Y"}) {
        s.Params.WriteParam(244, 1, setting);
        hint->HideHint();
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &help);
        EXPECT_EQ(hint->isVisible() ? hint->Text().toStdString() : "",
                  std::string(setting) == "Y" ? "Open" : "")
            << setting;
    }
    hint->HideHint();
}

TEST(Hints, ShortAndLongForms) {
    const struct {
        const char *hint, *shortForm, *longForm;
    } cases[] = {{"New", "New", "New"},
                 {"Open|Open a game from the list", "Open", "Open a game from the list"},
                 {"|Only long", "", "Only long"},
                 {"Only short|", "Only short", ""},
                 {"", "", ""},
                 {"a|b|c", "a", "b|c"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShortHint(c.hint), c.shortForm) << c.hint;
        EXPECT_EQ(LongHint(c.hint), c.longForm) << c.hint;
    }
}

// A library of cursor pictures written for the test.
std::string CursorPng(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(qRgba(200, 10, 10, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST(ProgramCursorsTest, NumbersHotSpotsAndFallbacks) {
    TempFolder folder;
    ResourceWriter writer;
    writer.AddCursor("CUR_RIGHT_HAND1A", CursorPng(32, 32), 5, 7);    // cursor 12
    writer.AddCursor("CUR_RIGHT_HAND1B", CursorPng(32, 32), 40, 3);   // 22: hot spot off the picture
    writer.AddCursor("CUR_LEFT_HAND2B", CursorPng(24, 24), 23, 23);   // 25
    writer.Add(ResourceKind::Cursor, "CUR_ARROW2A", "not a picture"); // 11: damaged
    ASSERT_TRUE(writer.Save(folder.path() + "c.rgf"));
    ResourceLibrary library;
    ASSERT_TRUE(library.Open(folder.path() + "c.rgf"));
    ProgramCursors cursors;
    cursors.Load(library);
    EXPECT_TRUE(cursors.Has(12));
    EXPECT_TRUE(cursors.Has(22));
    EXPECT_TRUE(cursors.Has(25));
    EXPECT_TRUE(cursors.Has(30));
    EXPECT_FALSE(cursors.Has(11));
    EXPECT_FALSE(cursors.Has(15));
    EXPECT_EQ(cursors.Cursor(12).shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursors.Cursor(12).hotSpot(), QPoint(5, 7));
    EXPECT_EQ(cursors.Cursor(22).hotSpot(), QPoint(0, 0));
    EXPECT_EQ(cursors.Cursor(25).hotSpot(), QPoint(23, 23));
    EXPECT_EQ(cursors.Cursor(30).shape(), Qt::PointingHandCursor);
    const struct {
        const char* setting;
        bool carrying;
        Qt::CursorShape shape;
        QPoint hot;
    } cases[] = {{"10", false, Qt::ArrowCursor, {}},       {"10", true, Qt::ArrowCursor, {}},
                 {"12", false, Qt::BitmapCursor, {5, 7}},  {"12", true, Qt::BitmapCursor, {0, 0}},
                 {"15", true, Qt::BitmapCursor, {23, 23}}, {"11", false, Qt::ArrowCursor, {}},
                 {"99", false, Qt::ArrowCursor, {}},       {"  ", false, Qt::ArrowCursor, {}},
                 {"-5", true, Qt::ArrowCursor, {}},        {"20", true, Qt::PointingHandCursor, {}}};
    for (const auto& c : cases) {
        const QCursor cursor = cursors.ForSetting(c.setting, c.carrying);
        EXPECT_EQ(cursor.shape(), c.shape) << c.setting << (c.carrying ? " carrying" : "");
        if (c.shape == Qt::BitmapCursor) {
            EXPECT_EQ(cursor.hotSpot(), c.hot) << c.setting;
        }
    }
}

TEST_F(TableWindowTest, TheTableTakesTheCursorOfTheSettingFromTheLibrary) {
    Start(900, 600, "12");
    ResourceLibrary& library = *s.MainLibrary;
    const CursorResource hand = library.Cursor("CUR_RIGHT_HAND1A");
    ASSERT_FALSE(hand.image.empty()) << "the built library holds the program cursors";
    EXPECT_EQ(window->Table()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window->Table()->cursor().hotSpot(), QPoint(hand.hotX, hand.hotY));
    for (int number = 11; number <= 25; ++number)
        EXPECT_EQ(window->Cursors().Has(number), number <= 15 || number >= 20) << number;
    // The release puts the setting's cursor back after a drag.
    window->ApplyTableCursor(true);
    const CursorResource carried = library.Cursor("CUR_RIGHT_HAND1B");
    EXPECT_EQ(window->Table()->cursor().hotSpot(), QPoint(carried.hotX, carried.hotY));
    window->Table()->OnRelease(5, 5);
    EXPECT_EQ(window->Table()->cursor().hotSpot(), QPoint(hand.hotX, hand.hotY));
}

} // namespace
