#include "shell/Main.h"
#include "shell/Startup.h"

#include "model/ConfigFile.h"
#include "model/Deal.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "select/PlayersDialog.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "support/widgets/C_ShadowedHintWindow.h"

#include <QHelpEvent>
#include <QLabel>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

std::string Lower(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return t;
}

// A private program folder (copies of the built files that are asked for) and a private, empty
// application-data folder, so that nothing touches the built program folder or a real data folder.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { s.desktop = &desktop; }
    void Provide(const std::string& name) { install.Provide(name); }
    void ProvideAll() { install.Provide({"SOL.RGF", "GAMES.DAT", "plus/soladd.rgf", "help"}); }
    // The main window with a game choice that answers "cancelled" (the real one is modal).
    std::unique_ptr<TfrmMain> Start() {
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "Deal_Animation", "N"); // the deal is shown at once
        auto window = CreateMainWindow(s);
        if (window)
            window->ChooseGame = [this](int&, std::string&, std::string&) {
                ++cancelledChoices;
                return false;
            };
        return window;
    }
    std::string Config(const std::string& section, const std::string& key) {
        return ReadConfigString(s, section, key, "<missing>");
    }

    int cancelledChoices = 0;
    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
};

TEST_F(MainWindowTest, FirstStartCreatesTheDataFolderWithDefaultsAndThreePlayers) {
    ProvideAll();
    CreateGlobalObjects(s, install.program.path());
    EXPECT_EQ(s.DataFolder, install.data.path() + "share/Quillon/");
    EXPECT_TRUE(FolderExists(s.DataFolder));
    auto window = CreateMainWindow(s);
    ASSERT_TRUE(window);
    EXPECT_TRUE(FileExists(s.DataFolder + "Cfg.dat"));
    EXPECT_EQ(Config("Users", "User001"), "Player 1");
    EXPECT_EQ(Config("Users", "User002"), "Player 2");
    EXPECT_EQ(Config("Users", "User003"), "Player 3");
    EXPECT_EQ(s.Params.ReadParam(77, 30), "Player 1");
    EXPECT_EQ(s.Params.ReadParam(62, 4), "0087");
    EXPECT_TRUE(FileExists(install.program.path() + "SOLV1000.DAT"));
    EXPECT_EQ(window->windowTitle().toStdString(), "Quillon 2003");
    EXPECT_TRUE(s.Flag(FirstActivationPending));
    EXPECT_FALSE(s.Flag(GameInPlay)) << "no game is dealt before the player picks one";
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(MainWindowTest, ChoosingAGameAtTheFirstActivationDealsAndDrawsIt) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    int asked = 0;
    window->ChooseGame = [&](int& number, std::string& name, std::string& player) {
        ++asked;
        number = 87;
        name = "Put-Them-In-Order (3x3 square)";
        player = s.Params.ReadParam(77, 30);
        return true;
    };
    window->resize(900, 700);
    window->show();
    QApplication::processEvents();
    window->FirstActivation();
    window->FirstActivation(); // runs once per start
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Config("Parameters", "Players_Names_V01"), "Y");
    ASSERT_TRUE(s.Flag(GameInPlay));
    const std::string code = s.Params.ReadParam(153, 15);
    EXPECT_EQ(code.size(), 13u);
    EXPECT_EQ(window->windowTitle().toStdString(),
              "Quillon 2003 3.2  [Put-Them-In-Order (3x3 square)]  [" + code + "]");
    EXPECT_TRUE(desktop.boxes.empty()) << "the default players pass the name check";
    // A tableau pile's card is drawn where the layout put it. The deal is random, so take a pile
    // that holds a card: the gap shows its empty-pile mark instead.
    TableDrawing& d = window->Drawing();
    int pile = 0;
    while (pile < 8 && s.Piles.TableauPiles[static_cast<size_t>(pile)].empty())
        ++pile;
    ASSERT_FALSE(s.Piles.TableauPiles[static_cast<size_t>(pile)].empty());
    const int x = s.GetTableauX(pile), y = s.GetTableauY(pile);
    ASSERT_GT(x, -9999);
    const QRgb inside = d.WindowPixel(x + s.Metrics.CardWidth / 2, y + s.Metrics.CardHeight / 2);
    EXPECT_NE(inside, d.BackgroundPixel(x + s.Metrics.CardWidth / 2, y + s.Metrics.CardHeight / 2));
    EXPECT_EQ(d.WindowPixel(x, y), d.BackgroundPixel(x, y)) << "rounded corner";
    // Game commands are on once a game is open.
    EXPECT_TRUE(window->Action("mnuNew")->isEnabled());
    EXPECT_TRUE(window->Action("tbRules_Large")->isEnabled());
    window->hide();
}

TEST_F(MainWindowTest, MissingImageLibraryEndsTheStartWithItsMessage) {
    Provide("GAMES.DAT");
    CreateGlobalObjects(s, install.program.path());
    EXPECT_FALSE(CreateMainWindow(s));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Can't find/load " + Lower(install.program.path() + "SOL.RGF"));
}

TEST_F(MainWindowTest, MissingGameFileEndsTheStartWithItsMessage) {
    Provide("SOL.RGF");
    CreateGlobalObjects(s, install.program.path());
    EXPECT_FALSE(CreateMainWindow(s));
    ASSERT_FALSE(desktop.boxes.empty());
    const auto& box = desktop.boxes.back();
    EXPECT_EQ(box.kind, BoxKind::Error);
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text,
              "Cannot find file:\n" + install.program.path() +
                  "GAMES.DAT\nCopy the file into the directory that above is specified\nor reinstall "
                  "the program.");
}

TEST_F(MainWindowTest, RefusedCloseStillWritesThePlacement) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    WriteConfigString(s, "Preference", "ConfirmQuit", "Y");
    window->setGeometry(60, 70, 640, 480);
    window->show();
    desktop.questionAnswer = false;
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Exit Quillon 2003?");
    EXPECT_EQ(desktop.boxes[0].kind, BoxKind::Confirmation) << "OK and Cancel";
    EXPECT_EQ(Config("Preference", "MainWindowState_Maximized"), "N");
    EXPECT_EQ(Config("Preference", "MainWindowState_Width"), "640");
    EXPECT_EQ(Config("Preference", "Full_Screen"), "N");
    // While a deal runs the close waits for its end, without asking.
    s.SetFlag(AutomaticSequence, true);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(s.Game.CloseRequested, 1);
    EXPECT_EQ(desktop.boxes.size(), 1u);
    s.SetFlag(AutomaticSequence, false);
    desktop.questionAnswer = true;
    s.Game.RandomGameType = 5;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(Config("Settings", "Random_Game_Type"), "5");
}

TEST_F(MainWindowTest, ClosingRecordsTheGameInProgressOnce) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    WriteConfigString(s, "Preference", "ConfirmQuit", "N");
    std::vector<bool> recorded;
    s.Play.RecordGameResult = [&](Session&, int, const std::string&, bool, bool won) {
        recorded.push_back(won);
    };
    window->ChooseGame = [&](int& number, std::string& name, std::string& player) {
        number = 103;
        name = "FreeCell";
        player = s.Params.ReadParam(77, 30);
        return true;
    };
    window->show();
    QApplication::processEvents();
    window->FirstActivation();
    ASSERT_TRUE(s.Flag(GameInPlay));
    EXPECT_TRUE(recorded.empty());
    EXPECT_TRUE(window->close());
    EXPECT_EQ(recorded, std::vector<bool>{false}) << "the unfinished game is recorded as not won";
    EXPECT_FALSE(s.Flag(GameInPlay));
}

TEST_F(MainWindowTest, ClosingWithoutAGameRecordsNothing) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    WriteConfigString(s, "Preference", "ConfirmQuit", "N");
    int recorded = 0;
    s.Play.RecordGameResult = [&](Session&, int, const std::string&, bool, bool) { ++recorded; };
    window->show();
    QApplication::processEvents();
    window->FirstActivation(); // the game choice is cancelled
    ASSERT_FALSE(s.Flag(GameInPlay));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(recorded, 0);
}

TEST_F(MainWindowTest, HintsShowInTheShadowedHintWindowAfterTheStart) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    QLabel pile("pile");
    pile.setToolTip("Foundation");
    pile.show();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), pile.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&pile, &help);
    C_TShadowedHintWindow* hint = C_TShadowedHintWindow::Install(); // the one the start installed
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->Text(), "Foundation");
    C_TShadowedHintWindow::Uninstall();
}

TEST_F(MainWindowTest, ClosingAMaximizedWindowKeepsTheNormalBounds) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    WriteConfigString(s, "Preference", "MainWindowState_Width", "555");
    WriteConfigString(s, "Preference", "MainWindowState_Maximized", "N");
    window->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->close());
    EXPECT_EQ(Config("Preference", "MainWindowState_Maximized"), "Y");
    EXPECT_EQ(Config("Preference", "MainWindowState_Width"), "555");
    EXPECT_TRUE(desktop.boxes.empty()) << "no question while ConfirmQuit is N";
}

TEST_F(MainWindowTest, PlacementComesFromTheConfigurationFile) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    WriteConfigString(s, "Preference", "MainWindowState_Maximized", "N");
    WriteConfigInteger(s, "Preference", "MainWindowState_Left", 33);
    WriteConfigInteger(s, "Preference", "MainWindowState_Top", 44);
    WriteConfigInteger(s, "Preference", "MainWindowState_Width", 700);
    WriteConfigInteger(s, "Preference", "MainWindowState_Height", 500);
    window->RestorePlacement();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->geometry(), QRect(33, 44, 700, 500));
}

TEST_F(MainWindowTest, FullScreenDropsTheMenuAndTranslatesItsShortcuts) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    std::vector<std::string> pages;
    window->ShowHelpPage = [&](const std::string& path) { pages.push_back(path); };
    window->resize(900, 600);
    window->show();
    QApplication::processEvents();
    s.Params.WriteParam(62, 4, "0087");
    window->EnableGameCommands(true);
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods) {
        QKeyEvent event(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(window.get(), &event);
    };
    press(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(pages.size(), 1u) << "the menu item's shortcut";

    window->ToggleFullScreen();
    ASSERT_TRUE(window->InFullScreen());
    EXPECT_FALSE(window->menuBar()->isVisible());
    EXPECT_TRUE(window->RestoreButton()->isVisible());
    press(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(pages.size(), 2u) << "translated once without the menu bar";
    window->EnableGameCommands(false);
    press(Qt::Key_F1, Qt::NoModifier); // a disabled command has no effect
    EXPECT_EQ(pages.size(), 2u);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(Config("Preference", "Full_Screen"), "Y");
}

TEST_F(MainWindowTest, LeavingFullScreenBringsTheMenuBack) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    window->show();
    window->ToggleFullScreen();
    window->ToggleFullScreen();
    EXPECT_FALSE(window->InFullScreen());
    EXPECT_TRUE(window->menuBar()->isVisible());
    EXPECT_FALSE(window->RestoreButton()->isVisible());
    EXPECT_FALSE(window->statusBar()->isVisible());
}

TEST_F(MainWindowTest, ToolbarPopupSwitchesAreStored) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    window->resize(900, 600);
    window->show();
    QApplication::processEvents();
    EXPECT_FALSE(window->Action("mnuShowTime")->isEnabled()) << "the time is shown";
    window->Action("mnuHideTime")->trigger();
    EXPECT_EQ(Config("Preference", "Show_Time"), "N");
    EXPECT_EQ(s.Params.ReadParam(66, 1), "N");
    EXPECT_FALSE(window->TimePanel()->isVisible());
    EXPECT_TRUE(window->Action("mnuShowTime")->isEnabled());
    window->Action("mnuShowTime")->trigger();
    EXPECT_EQ(Config("Preference", "Show_Time"), "Y");
    EXPECT_TRUE(window->TimePanel()->isVisible());
    window->Action("mnuSmallIcons")->trigger();
    EXPECT_EQ(Config("Preference", "ToolBar_Large"), "N");
    EXPECT_TRUE(window->Action("mnuSmallIcons")->isChecked());
    EXPECT_FALSE(window->Action("mnuLargeIcons")->isChecked());
    EXPECT_EQ(window->TimePanel()->height(), 20);
    window->Action("mnuWin98Style")->trigger();
    EXPECT_EQ(Config("Preference", "ToolBar_XP"), "N");
    EXPECT_TRUE(window->Action("mnuWin98Style")->isChecked());
}

TEST_F(MainWindowTest, PanelsFollowTheirSwitchesAndTheToolbarSize) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    window->resize(900, 600);
    window->show();
    QApplication::processEvents();
    window->SetToolbarLarge(false);
    EXPECT_EQ(window->TimePanel()->height(), 20);
    window->SetShowTime(false);
    window->SetShowScore(true);
    EXPECT_FALSE(window->TimePanel()->isVisible());
    EXPECT_TRUE(window->ScorePanel()->isVisible());
    EXPECT_EQ(window->ScorePanel()->x(), window->Band()->width() - window->ScorePanel()->width() - 15);
    window->SetToolbarLarge(true);
    window->SetShowTime(true);
    EXPECT_EQ(window->TimePanel()->height(), 24);
    EXPECT_EQ(window->ScorePanel()->x(), window->TimePanel()->x() - window->ScorePanel()->width() - 5);
    // Too narrow: the time panel would cover the toolbar buttons and stays hidden.
    window->resize(260, 400);
    QApplication::processEvents();
    window->ArrangePanels();
    EXPECT_FALSE(window->TimePanel()->isVisible());
    window->hide();
}

// A game that keeps no score (the player counts the hands of a filled grid) shows no score panel;
// the next game that keeps one shows it again, the switch being on throughout.
TEST_F(MainWindowTest, ScorePanelIsHiddenWhileAGameKeepsNoScore) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    window->resize(900, 600);
    window->show();
    QApplication::processEvents();
    window->SetShowScore(true);
    int next = 950;
    window->ChooseGame = [&](int& number, std::string& name, std::string& player) {
        number = next;
        name = next == 950 ? "Poker Squares" : "Put-Them-In-Order (3x3 square)";
        player = s.Params.ReadParam(77, 30);
        return true;
    };
    window->FirstActivation();
    ASSERT_TRUE(s.Flag(GameInPlay));
    ASSERT_EQ(s.Params.ReadParam(62, 4), "0950");
    EXPECT_FALSE(window->ScorePanel()->isVisible());
    EXPECT_TRUE(window->TimePanel()->isVisible());
    next = 87;
    s.Params.WriteParam(185, 1, "N"); // no question before the game in play is left
    window->OpenGameCommand();
    ASSERT_EQ(s.Params.ReadParam(62, 4), "0087");
    EXPECT_TRUE(window->ScorePanel()->isVisible());
    window->hide();
}

TEST_F(MainWindowTest, UndoStaysOffWhenTheSettingSaysSo) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    s.Params.WriteParam(137, 1, "2");
    window->EnableGameCommands(true);
    EXPECT_FALSE(window->Action("mnuUndo")->isEnabled());
    EXPECT_FALSE(window->Action("tbRedo_Small")->isEnabled());
    EXPECT_TRUE(window->Action("mnuNew")->isEnabled());
    s.Params.WriteParam(137, 1, "1");
    window->EnableGameCommands(true);
    EXPECT_FALSE(window->Action("mnuUndo")->isEnabled()) << "nothing to take back yet";
    EXPECT_TRUE(window->Action("mnuNew")->isEnabled());
    window->EnableGameCommands(false);
    EXPECT_FALSE(window->Action("mnuUndo")->isEnabled());
    EXPECT_FALSE(window->Action("mnuRules")->isEnabled());
}

TEST_F(MainWindowTest, RulesOpenTheGamesOwnPage) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    std::vector<std::string> pages;
    window->ShowHelpPage = [&](const std::string& path) { pages.push_back(path); };
    s.Params.WriteParam(62, 4, "0087");
    window->RulesCommand();
    s.Params.WriteParam(62, 4, "8001"); // a custom game has no rules page
    window->RulesCommand();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], install.program.path() + "help/rules/3087.html");
}

TEST(Clock, ShowsTheTimeSinceTheStart) {
    const struct {
        int start, now;
        const char* shown;
    } cases[] = {{0, 0, "0:00:00"},     {36000, 36065, "0:01:05"},
                 {0, 3661, "1:01:01"},  {86370, 30, "0:01:00"}, // 23:59:30 to 00:00:30, past midnight
                 {86399, 0, "0:00:01"}, {3600, 86399, "22:59:59"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatClock(c.start, c.now), c.shown) << c.start << " -> " << c.now;
    EXPECT_EQ(SecondOfDay(45000.5), 43200);
    EXPECT_EQ(SecondOfDay(2.0), 0);
}

} // namespace

// A stored player name that cannot be used: the first activation shows the players dialog, which
// does not close before the name has been changed; with good names it never shows.
TEST_F(MainWindowTest, FirstActivationMakesABadPlayerNameBeRenamed) {
    ProvideAll();
    auto window = Start();
    ASSERT_TRUE(window);
    WriteConfigString(s, "Users", "User002", "Who?");
    window->show();
    QApplication::processEvents();
    int shown = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<TfrmPlayers*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog) << "the players dialog is showing";
        ++shown;
        dialog->AskName = [](const std::string&, std::string& name) {
            name = "Whom";
            return true;
        };
        dialog->reject(); // refused: the rename runs instead
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    window->FirstActivation();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Config("Users", "User002"), "Player 3") << "the list is saved sorted";
    EXPECT_EQ(Config("Users", "User003"), "Whom");
    EXPECT_EQ(cancelledChoices, 1) << "then the game choice opens";
    ASSERT_GE(desktop.boxes.size(), 2u);
    EXPECT_NE(desktop.boxes[0].text.find("Please rename the Player name:  Who?"), std::string::npos);
    EXPECT_EQ(desktop.boxes.back().text, "Player renamed.");
}
