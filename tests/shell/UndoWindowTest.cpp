// Undo and Redo on the real main window: a dealt Klondike played ten steps with the mouse (drags
// the building rules allow, clicks on the stock), then taken back step by step with the Undo
// command, shows the dealt table again pixel for pixel, drawn pile by pile; the commands and both
// toolbar buttons follow what can be taken back and replayed.

#include "shell/Main.h"
#include "shell/Startup.h"

#include "engine/CardPlaces.h"
#include "engine/LegalMoves.h"
#include "engine/Undo.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr int kKlondike = 101;

// Where two pictures differ, for the failure message.
std::string Diff(const QImage& a, const QImage& b) {
    QRect box;
    int n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
                ++n;
            }
    return " (" + std::to_string(n) + " pixels differ in " + std::to_string(box.x()) + "," +
           std::to_string(box.y()) + " " + std::to_string(box.width()) + "x" + std::to_string(box.height()) +
           ")";
}

class UndoWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT"});
        CreateGlobalObjects(s, install.program.path());
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [this](int& number, std::string& name, std::string& player) {
            number = kKlondike;
            name = "Klondike";
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->resize(1000, 760);
        window->show();
        QApplication::processEvents();
        window->FirstActivation();
        ASSERT_TRUE(s.Flag(GameInPlay));
        // Moves fly quickly; cards turn up by themselves; autoplay stays off.
        s.Params.WriteParam(param::SpeedMoveCard, 2, "00");
        s.Params.WriteParam(param::AutomaticFaceUp, 1, "Y");
        s.AutoplayMenu.Ticked = s.AutoplayMenu.ButtonsDown = false;
    }
    void TearDown() override {
        if (window)
            window->hide();
        window.reset();
    }

    void Send(QEvent::Type type, Qt::MouseButtons held, QPoint at) {
        TableWidget* table = window->Table();
        QMouseEvent e(type, QPointF(at), QPointF(table->mapToGlobal(at)), Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(table, &e);
    }
    void Click(QPoint at) {
        Send(QEvent::MouseButtonPress, Qt::LeftButton, at);
        Send(QEvent::MouseButtonRelease, Qt::NoButton, at);
    }
    void Drag(QPoint from, QPoint to) {
        Send(QEvent::MouseButtonPress, Qt::LeftButton, from);
        for (int k = 1; k <= 6; ++k)
            Send(QEvent::MouseMove, Qt::LeftButton, from + (to - from) * k / 6);
        Send(QEvent::MouseButtonRelease, Qt::NoButton, to);
    }
    // The middle of the visible part of a card of a pile (skip = cards above it).
    QPoint At(const std::string& pile, int skip = 0) const {
        const int x = CardPlaceX(s, pile, skip, false), y = CardPlaceY(s, pile, skip, false);
        return {x + s.Metrics.CardWidth / 2, y + (skip == 0 ? s.Metrics.CardHeight / 2 : 4)};
    }
    QPoint Onto(const std::string& pile) const {
        const int x = CardPlaceX(s, pile, 0, true), y = CardPlaceY(s, pile, 0, true);
        return {x + s.Metrics.CardWidth / 2, y + s.Metrics.CardHeight / 2};
    }

    // One step as a player makes it: a move the rules allow onto another pile, one that does not
    // simply carry back the card moved last; else a click on the stock.
    void PlayStep() {
        for (const LegalMove& m : ListLegalMoves(s)) {
            if (m.card == lastCard)
                continue;
            const std::string& content = *s.Piles.Find(m.from);
            const int skip = PileSize(content) - 1 - PileFind(content, m.card);
            lastCard = m.card;
            Drag(At(m.from, skip), Onto(m.to));
            return;
        }
        lastCard = 0;
        Click(At("Mazzo"));
    }
    bool Enabled(const char* name) const { return window->Action(name)->isEnabled(); }
    QImage Shown() const { return window->Drawing().WindowPicture(); }
    // The window drawn again as a whole: what the table must look like.
    QImage WholeRepaint() {
        window->RedrawTable();
        return Shown();
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
    int lastCard = 0;
};

TEST_F(UndoWindowTest, TenStepsTakenBackShowTheDealtTablePixelForPixel) {
    // The dealt table as a whole repaint draws it.
    const QImage dealt = WholeRepaint();
    const TableState dealtTable = CaptureTable(s);
    EXPECT_FALSE(Enabled("mnuUndo"));
    EXPECT_FALSE(Enabled("tbUndo_Large"));
    EXPECT_FALSE(Enabled("tbRedo_Small"));

    std::vector<TableState> played;
    for (int step = 1; step <= 10; ++step) {
        const long recorded = s.History.Recorded;
        PlayStep();
        ASSERT_GT(s.History.Recorded, recorded) << "step " << step << " moved something";
        ASSERT_EQ(s.History.Actions.size(), static_cast<size_t>(step)) << "one step to take back per action";
        played.push_back(CaptureTable(s));
    }
    EXPECT_TRUE(Enabled("mnuUndo"));
    EXPECT_TRUE(Enabled("tbUndo_Small"));
    EXPECT_TRUE(Enabled("tbUndo_Large"));
    EXPECT_FALSE(Enabled("tbRedo_Large"));
    const QImage afterTen = WholeRepaint();

    for (int step = 10; step >= 1; --step) {
        window->Action(step % 2 ? "tbUndo_Large" : "mnuUndo")->trigger();
        const TableState expected = step > 1 ? played[static_cast<size_t>(step - 2)] : dealtTable;
        ASSERT_EQ(CaptureTable(s), expected) << "taken back to before step " << step;
        EXPECT_TRUE(Enabled("tbRedo_Small"));
    }
    EXPECT_FALSE(Enabled("mnuUndo")) << "nothing left to take back";
    EXPECT_FALSE(Enabled("tbUndo_Small"));
    EXPECT_TRUE(Enabled("mnuRedo"));
    const QImage undone = Shown();
    EXPECT_TRUE(undone == dealt) << "the dealt table again" << Diff(undone, dealt);
    EXPECT_TRUE(undone == WholeRepaint()) << "as a whole repaint draws it" << Diff(undone, Shown());

    for (int step = 1; step <= 10; ++step) {
        window->Action(step % 2 ? "tbRedo_Large" : "mnuRedo")->trigger();
        ASSERT_EQ(CaptureTable(s), played[static_cast<size_t>(step - 1)]) << "replayed step " << step;
    }
    EXPECT_FALSE(Enabled("mnuRedo"));
    const QImage redone = Shown();
    EXPECT_TRUE(redone == afterTen) << "the table after ten steps again" << Diff(redone, afterTen);

    // A new step after taking one back: nothing to replay.
    window->Action("mnuUndo")->trigger();
    EXPECT_TRUE(Enabled("tbRedo_Large"));
    lastCard = 0;
    PlayStep();
    EXPECT_FALSE(Enabled("tbRedo_Large"));
    EXPECT_FALSE(Enabled("mnuRedo"));
}

TEST_F(UndoWindowTest, OffWhenTheSettingSaysSoAndAfterANewDeal) {
    Click(At("Mazzo"));
    ASSERT_TRUE(Enabled("tbUndo_Small"));
    s.Params.WriteParam(param::UndoEnabled, 1, "2");
    window->EnableGameCommands(true);
    EXPECT_FALSE(Enabled("tbUndo_Small"));
    EXPECT_FALSE(Enabled("tbUndo_Large"));
    EXPECT_FALSE(Enabled("mnuUndo"));
    const TableState here = CaptureTable(s);
    window->Action("mnuUndo")->trigger();
    EXPECT_EQ(CaptureTable(s), here) << "Ctrl+Z does nothing";
    s.Params.WriteParam(param::UndoEnabled, 1, "0");
    window->EnableGameCommands(true);
    EXPECT_TRUE(Enabled("tbUndo_Small"));
    // A new deal: nothing of the previous game can be taken back.
    window->NewGameCommand();
    EXPECT_FALSE(Enabled("tbUndo_Small"));
    EXPECT_TRUE(s.History.Actions.empty());
    EXPECT_EQ(s.History.Steps(), 0);
}

} // namespace
