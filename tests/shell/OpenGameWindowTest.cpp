// The open-game dialog as the player meets it: through the real main window, shown modally.
#include "shell/Main.h"
#include "shell/Startup.h"

#include "model/ConfigFile.h"
#include "model/Deal.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "select/OpenGame.h"
#include "table/TableDrawing.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

QTreeWidgetItem* Node(QTreeWidget* tree, const QString& caption) {
    auto found = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

class OpenGameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        install.Provide({"SOL.RGF", "GAMES.DAT", "solp.dat", "help", "plus/soladd.rgf"});
    }

    // A start of the program over the same folders: a fresh session and main window.
    struct Run {
        RecordingDesktop desktop;
        Session s;
        std::unique_ptr<TfrmMain> window;
    };
    std::unique_ptr<Run> Start() {
        auto run = std::make_unique<Run>();
        run->s.desktop = &run->desktop;
        CreateGlobalObjects(run->s, install.program.path());
        run->window = CreateMainWindow(run->s);
        if (run->window) {
            run->window->resize(900, 700);
            run->window->show();
            QApplication::processEvents();
        }
        return run;
    }
    // Runs `act` on the dialog once it is shown modally; a dialog still open afterwards is
    // cancelled, so a failing test never hangs.
    void WhenShown(Run& run, std::function<void(TfrmOpenGame&)> act) {
        QTimer::singleShot(0, run.window.get(), [&run, act] {
            TfrmOpenGame* d = run.window->OpenGameDialog();
            if (!d || !d->isVisible())
                return;
            act(*d);
            if (d->isVisible())
                d->reject();
        });
    }
    // Sets attribute `attribute` of game `game` in the program folder's definition file.
    void SetAttribute(int game, int attribute, int value) {
        Session probe;
        probe.ProgramFolder = install.program.path();
        ASSERT_TRUE(ReadGameList(probe));
        const int column = GameColumn(probe, game);
        ASSERT_GE(column, 0);
        std::string text = *ReadWholeFile(install.program.path() + "GAMES.DAT");
        size_t at = text.find("[Sect2]");
        ASSERT_NE(at, std::string::npos);
        for (int line = 0; line < attribute; ++line)
            at = text.find('\n', at) + 1;
        std::string cell = std::to_string(value);
        cell.resize(kCellWidth, ' ');
        text.replace(at + kFirstCellOffset + size_t(kCellStride * column), kCellWidth, Unshift(cell));
        ASSERT_TRUE(WriteFileAtomic(install.program.path() + "GAMES.DAT", text));
    }

    PrivateInstallation install;
};

TEST_F(OpenGameWindowTest, AGameChosenInTheGroupsIsDealtAndPreselectedThereAtTheNextStart) {
    {
        auto run = Start();
        ASSERT_TRUE(run->window);
        WhenShown(*run, [](TfrmOpenGame& d) {
            EXPECT_EQ(d.windowTitle(), "Open a game");
            EXPECT_EQ(d.VisibleList(), d.trvAllGames) << "the first start shows all games";
            d.ShowList(1);
            QTreeWidgetItem* group = Node(d.trvGameGroups, "FreeCell type");
            ASSERT_TRUE(group);
            group->setExpanded(true);
            QTreeWidgetItem* game = Node(d.trvGameGroups, "FreeCell");
            ASSERT_TRUE(game);
            d.trvGameGroups->setCurrentItem(game);
            EXPECT_EQ(d.lblGameName->text(), "FreeCell");
            d.btnOK->click();
        });
        run->window->FirstActivation();
        ASSERT_TRUE(run->s.Flag(GameInPlay));
        EXPECT_EQ(run->s.Params.ReadParam(62, 4), "0103");
        EXPECT_NE(run->window->windowTitle().indexOf("[FreeCell]"), -1);
        EXPECT_FALSE(run->window->OpenGameDialog()->isVisible());
        run->window->close();
    }
    auto again = Start();
    ASSERT_TRUE(again->window);
    EXPECT_EQ(again->s.Params.ReadParam(62, 4), "0103") << "the chosen game is remembered";
    bool seen = false;
    WhenShown(*again, [&](TfrmOpenGame& d) {
        seen = true;
        EXPECT_EQ(d.VisibleList(), d.trvGameGroups);
        EXPECT_EQ(d.SelectedGame(), 103);
        QTreeWidgetItem* item = d.trvGameGroups->currentItem();
        ASSERT_TRUE(item && item->parent());
        EXPECT_EQ(item->parent()->text(0), "FreeCell type");
        d.btnCancel->click();
    });
    again->window->FirstActivation();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(again->s.Flag(GameInPlay)) << "cancelled: no game is dealt";
}

TEST_F(OpenGameWindowTest, CancelAndEscapeLeaveTheTableAsItWas) {
    auto run = Start();
    ASSERT_TRUE(run->window);
    WhenShown(*run, [](TfrmOpenGame& d) {
        d.ShowList(0);
        d.trvAllGames->setCurrentItem(Node(d.trvAllGames, "Klondike"));
        d.btnOK->click();
    });
    run->window->FirstActivation();
    ASSERT_TRUE(run->s.Flag(GameInPlay));
    const std::string code = run->s.Params.ReadParam(153, 15);
    const auto piles = DescribePiles(run->s);
    const QImage table = run->window->Drawing().TableImage.copy();
    auto unchanged = [&](const char* how) {
        EXPECT_TRUE(run->s.Flag(GameInPlay)) << how;
        EXPECT_EQ(run->s.Params.ReadParam(153, 15), code) << how;
        EXPECT_EQ(run->s.Params.ReadParam(62, 4), "0101") << how;
        EXPECT_EQ(DescribePiles(run->s), piles) << how;
        EXPECT_EQ(run->window->Drawing().TableImage, table) << how;
    };
    WhenShown(*run, [](TfrmOpenGame& d) {
        d.trvAllGames->setCurrentItem(Node(d.trvAllGames, "Spider"));
        d.btnCancel->click();
    });
    run->window->OpenGameCommand();
    unchanged("Cancel");
    WhenShown(*run, [](TfrmOpenGame& d) {
        d.trvAllGames->setCurrentItem(Node(d.trvAllGames, "Yukon"));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d.trvAllGames, &escape);
        EXPECT_FALSE(d.isVisible());
    });
    run->window->OpenGameCommand();
    unchanged("Escape");
}

TEST_F(OpenGameWindowTest, TheFactsOfAGameWithCountsShowItsPercentage) {
    SetAttribute(101, 501, 38);
    SetAttribute(101, 502, 100);
    SetAttribute(101, 500, 2);
    SetAttribute(103, 502, 0); // FreeCell without its measured counts
    auto run = Start();
    ASSERT_TRUE(run->window);
    QString klondike, freecell;
    WhenShown(*run, [&](TfrmOpenGame& d) {
        d.trvAllGames->setCurrentItem(Node(d.trvAllGames, "Klondike"));
        klondike = d.lblDiffWin->text();
        d.trvAllGames->setCurrentItem(Node(d.trvAllGames, "FreeCell"));
        freecell = d.lblDiffWin->text();
    });
    run->window->FirstActivation();
    EXPECT_EQ(klondike, "Medium (38 in 100  -  38%)");
    EXPECT_EQ(freecell.indexOf('('), -1) << "no counts, no percentage";
}

} // namespace
