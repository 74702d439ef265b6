// The status bar of the main window with a game in play: the pile hints of the pile under the
// pointer with their suit pictures, switched on from the Tools menu, and the move hint, which
// names the move that wins and leaves the game as it was.
#include "shell/StatusBar.h"
#include "engine/CardPlaces.h"
#include "model/Cards.h"
#include "model/ConfigFile.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "shell/Main.h"
#include "shell/MoveHintCommand.h"
#include "shell/PrivateInstallation.h"
#include "shell/Startup.h"
#include "support/QtAppEnvironment.h"
#include "table/TableWidget.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr int kFreeCell = 103;

void Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "solr.dat"});
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "MainWindowState_Maximized", "N");
        WriteConfigString(s, "Preference", "Cards_Animate", "N");
        WriteConfigString(s, "Preference", "AutoPlay", "N");
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [](int&, std::string&, std::string&) { return false; };
        window->resize(900, 640);
        window->show();
        Settle();
        window->FirstActivation();
        window->ChooseGame = [this](int& n, std::string& name, std::string& player) {
            n = kFreeCell;
            name = GameName(s, kFreeCell);
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->OpenGameCommand();
        Settle();
        ASSERT_TRUE(s.Flag(GameInPlay));
        window->PointerIsOverTable = [this] { return pointerOver; };
    }
    void TearDown() override {
        if (window)
            window->hide();
        window.reset();
    }
    // The pointer moves over the middle of a pile's top card.
    void Over(const std::string& pile) {
        const TableRect r = TopCardRect(s, pile);
        window->Table()->OnMove((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
    bool pointerOver = true;
};

// Pixels of a panel that are clearly red (the suit pictures of hearts and diamonds).
int RedPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 150 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
        }
    return n;
}

TEST_F(StatusBarTest, TheToolsMenuShowsTheBarAndItDescribesThePileUnderThePointer) {
    TsbStatusBar* bar = window->StatusBar();
    EXPECT_FALSE(bar->isVisible());
    window->Action("mnuStatusBar")->trigger();
    Settle();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(ReadConfigString(s, "Preference", "StatusBar", ""), "Y");
    EXPECT_EQ(s.Params.ReadParam(76, 1), "Y");

    Over("Fila3");
    EXPECT_EQ(bar->Panels().kind, "Tableau");
    EXPECT_EQ(bar->Panels().count, "8");
    EXPECT_EQ(bar->Panels().cards, "7 cards");
    EXPECT_EQ(bar->Panels().rule, "Build down in alternating colors (ex. 10 [d] on Jack [c][s])");
    EXPECT_EQ(bar->Panels().redeals, "No redeal");
    // The diamond of the example is drawn as its red picture; the text itself is black.
    const QImage drawn = bar->grab().toImage();
    EXPECT_GT(RedPixels(drawn, bar->PanelRect(3)), 4);
    for (int panel : {0, 1, 2, 4})
        EXPECT_EQ(RedPixels(drawn, bar->PanelRect(panel)), 0) << panel;

    // The free cells take their text from the game's hint file.
    Over("Appogg2");
    EXPECT_EQ(bar->Panels().kind, "Reserve");
    EXPECT_EQ(bar->Panels().rule, "A free cell: it holds any one card until it can be played");
    EXPECT_EQ(bar->Panels().cards, "0 cards");
    Over("Dest1");
    EXPECT_EQ(bar->Panels().kind, "Foundation");
    EXPECT_EQ(bar->Panels().rule, "Build up in suit (ex. 2 [h] on Ace [h])");

    // Away from the table (the pointer over the menu) the bar keeps what it shows.
    pointerOver = false;
    Over("Fila1");
    EXPECT_EQ(bar->Panels().kind, "Foundation");

    window->Action("mnuStatusBar")->trigger();
    Settle();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(ReadConfigString(s, "Preference", "StatusBar", ""), "N");
}

TEST_F(StatusBarTest, TheHintNamesTheMoveThatWinsAndLeavesTheGameAsItWas) {
    window->SetStatusBarVisible(true);
    // Every card home but the king of spades, which lies on tableau pile 5.
    s.Piles.Clear();
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= (suit == 3 ? 12 : 13); ++rank)
            s.Piles.FoundationPiles[static_cast<size_t>(suit)] += CardText(suit * 13 + rank);
    s.Piles.TableauPiles[4] = CardText(52);
    window->RedrawTable();
    std::string before;
    s.Piles.ForEach([&](const std::string& p) { before += p + "|"; });
    // The search ends when it has its answer; no clock decides the test.
    window->MoveHints().BudgetMs = 600000;
    window->Action("mnuTutorSuggestMove")->trigger();
    EXPECT_EQ(window->StatusBar()->currentMessage().toStdString(),
              "Move the King of Spades from tableau 5 to foundation 4 (it leads to a win)");
    std::string after;
    s.Piles.ForEach([&](const std::string& p) { after += p + "|"; });
    EXPECT_EQ(after, before);
    EXPECT_TRUE(s.Flag(GameInPlay));

    // The "m" key asks too, in the games that give it.
    window->StatusBar()->clearMessage();
    QKeyEvent m(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, "m");
    QApplication::sendEvent(window.get(), &m);
    EXPECT_TRUE(window->StatusBar()->currentMessage().isEmpty()) << "FreeCell does not give the key";
    s.GameAttr[47] = 1;
    QApplication::sendEvent(window.get(), &m);
    EXPECT_EQ(window->StatusBar()->currentMessage().toStdString(),
              "Move the King of Spades from tableau 5 to foundation 4 (it leads to a win)");
}

} // namespace
