// The autoplay command of the main window: the menu item's tick and the two toolbar buttons move
// together, autoplay plays when it comes on during a game, the choice is kept per game under
// AutoPlay_All_Games 2 and applied when the game changes, preference 3 starts every deal with
// autoplay off, and preference 1 brings it back on at start-up.

#include "shell/Main.h"
#include "shell/Startup.h"

#include "model/ConfigFile.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"

#include "table/TableDrawing.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

class AutoplayCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT"});
    }

    // The window after start-up with the given preferences ("AutoPlay_All_Games", "AutoPlay").
    std::unique_ptr<TfrmMain> Start(int allGames, const char* autoPlay) {
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "AutoPlay_All_Games", std::to_string(allGames));
        WriteConfigString(s, "Preference", "AutoPlay", autoPlay);
        WriteConfigString(s, "Preference", "Deal_Animation", "N");
        auto window = CreateMainWindow(s);
        return window;
    }
    // Opens a game as the open-game dialog would, with the current player.
    void Open(TfrmMain& w, int number, const char* name) {
        w.ChooseGame = [&](int& n, std::string& game, std::string& player) {
            n = number;
            game = name;
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        w.OpenGameCommand();
        ASSERT_TRUE(s.Flag(GameInPlay));
    }
    bool Ticked(TfrmMain& w) { return w.Action("mnuAutoplay")->isChecked(); }
    bool ButtonsDown(TfrmMain& w) {
        const bool small = w.Action("tbAutoplay_Small")->isChecked();
        EXPECT_EQ(small, w.Action("tbAutoplay_Large")->isChecked()) << "the two buttons move together";
        return small;
    }
    std::string Games() { return ReadConfigString(s, "Autoplay", "Games", "<none>"); }

    // The ace of hearts alone on the first tableau pile, face up, every other card where it was.
    void AceOnFirstPile() {
        auto take = [](std::string& pile) {
            for (size_t k = 0; k + 3 <= pile.size(); k += 3)
                if (pile.compare(k, 3, "001") == 0)
                    pile.erase(k, 3);
        };
        for (auto& p : s.Piles.StockPiles)
            take(p);
        for (auto& p : s.Piles.FoundationPiles)
            take(p);
        for (auto& p : s.Piles.TableauPiles)
            take(p);
        for (auto& p : s.Piles.ReservePiles)
            take(p);
        s.Piles.TableauPiles[0] += "001";
        s.Cards.SetCardFace(1, '1');
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
};

TEST_F(AutoplayCommandTest, TheItemAndBothButtonsToggleTogether) {
    auto w = Start(1, "N");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Action("mnuAutoplay")->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_FALSE(Ticked(*w));
    EXPECT_FALSE(ButtonsDown(*w));
    // Before a game is open the game commands are off, autoplay with them.
    w->Action("mnuAutoplay")->trigger();
    EXPECT_FALSE(Ticked(*w));
    Open(*w, 101, "Klondike");
    EXPECT_TRUE(w->Action("mnuAutoplay")->isEnabled());
    struct Step {
        const char* action; // what the player uses
        bool on;            // autoplay afterwards
    };
    const Step steps[] = {{"mnuAutoplay", true},       {"mnuAutoplay", false},     {"tbAutoplay_Large", true},
                          {"tbAutoplay_Small", false}, {"tbAutoplay_Small", true}, {"mnuAutoplay", false}};
    for (const auto& step : steps) {
        w->Action(step.action)->trigger();
        EXPECT_EQ(Ticked(*w), step.on) << step.action;
        EXPECT_EQ(ButtonsDown(*w), step.on) << step.action;
        EXPECT_EQ(s.AutoplayMenu.Ticked, step.on) << step.action;
    }
}

TEST_F(AutoplayCommandTest, ComingOnDuringAGamePlaysAndTheChoiceIsKeptForTheGame) {
    auto w = Start(2, "N");
    ASSERT_TRUE(w);
    Open(*w, 101, "Klondike");
    // Under preference 2 the game's choice is applied when it opens: nothing stored means on.
    EXPECT_TRUE(Ticked(*w));
    w->Action("mnuAutoplay")->trigger();
    EXPECT_FALSE(Ticked(*w));
    const std::string games = Games();
    ASSERT_EQ(games.size(), 111u) << "extended to the game number + 10";
    EXPECT_EQ(games[101], 'N');
    EXPECT_EQ(games.find('N'), 101u);

    // The ace of hearts alone on the table but for the stock: nothing else can follow it home.
    for (auto& p : s.Piles.TableauPiles)
        p.clear();
    for (auto& p : s.Piles.FoundationPiles)
        p.clear();
    AceOnFirstPile();
    w->Action("tbAutoplay_Large")->trigger();
    EXPECT_TRUE(ButtonsDown(*w));
    EXPECT_EQ(s.Piles.FoundationPiles[0], "001") << "autoplay carried the ace home at once";
    EXPECT_EQ(s.Piles.TableauPiles[0], "");
    EXPECT_EQ(Games()[101], 'Y');
}

// Autoplay switched on in a position it can finish plays every card home by itself, and the game
// ends as won (the table leaves play and the next game is offered).
TEST_F(AutoplayCommandTest, SwitchedOnItFinishesTheGame) {
    auto w = Start(1, "N");
    ASSERT_TRUE(w);
    Open(*w, 101, "Klondike");
    int offered = 0;
    w->ChooseGame = [&](int&, std::string&, std::string&) {
        ++offered;
        return false;
    };
    // Every suit home but its king; the four kings alone on the first four piles.
    s.Piles.StockPiles = {};
    for (auto& p : s.Piles.TableauPiles)
        p.clear();
    for (int suit = 0; suit < 4; ++suit) {
        std::string home;
        for (int rank = 1; rank <= 12; ++rank)
            home += FormatFixed(suit * 13 + rank, 3);
        s.Piles.FoundationPiles[static_cast<size_t>(suit)] = home;
        s.Piles.TableauPiles[static_cast<size_t>(suit)] = FormatFixed(suit * 13 + 13, 3);
    }
    for (int n = 1; n <= 52; ++n)
        s.Cards.SetCardFace(n, '1');
    ASSERT_TRUE(s.Flag(GameInPlay));
    w->Action("mnuAutoplay")->trigger();
    for (int suit = 0; suit < 4; ++suit)
        EXPECT_EQ(s.Piles.FoundationPiles[static_cast<size_t>(suit)].size(), 39u) << suit;
    EXPECT_FALSE(s.Flag(GameInPlay)) << "the won game has ended";
    EXPECT_EQ(offered, 1) << "the next game is offered once";
    EXPECT_EQ(s.Params.ReadParam(122, 6), "208");
}

// A card autoplay carries home leaves its place on the table: the pile it left looks as it does
// when the whole table is drawn afresh.
TEST_F(AutoplayCommandTest, ACardCarriedHomeLeavesItsPlace) {
    auto w = Start(1, "N");
    ASSERT_TRUE(w);
    w->resize(900, 700);
    w->show();
    QApplication::processEvents();
    Open(*w, 101, "Klondike");
    for (auto& p : s.Piles.TableauPiles)
        p.clear();
    AceOnFirstPile(); // alone on the first pile
    w->RedrawTable();
    TableDrawing& d = w->Drawing();
    const QRect place(s.GetTableauX(0), s.GetTableauY(0), s.Metrics.CardWidth, s.Metrics.CardHeight);
    const QImage withAce = d.TableImage.copy(place);
    w->Action("mnuAutoplay")->trigger();
    ASSERT_EQ(s.Piles.TableauPiles[0], "");
    const QImage window = d.WindowPicture().copy(place), table = d.TableImage.copy(place);
    w->RedrawTable();
    const QImage fresh = d.TableImage.copy(place);
    ASSERT_NE(fresh, withAce);
    EXPECT_EQ(table, fresh) << "the table picture";
    EXPECT_EQ(window, d.WindowPicture().copy(place)) << "the window";
    w->hide();
}

TEST_F(AutoplayCommandTest, TheStoredChoiceIsAppliedWhenTheGameChanges) {
    auto w = Start(2, "N");
    ASSERT_TRUE(w);
    std::string games(120, 'Y');
    games[102] = 'N';
    WriteConfigString(s, "Autoplay", "Games", games);
    struct Case {
        int game;
        const char* name;
        bool on;
    };
    const Case cases[] = {
        {101, "Klondike", true}, {102, "Klondike by Threes", false}, {101, "Klondike", true}};
    for (const auto& c : cases) {
        Open(*w, c.game, c.name);
        EXPECT_EQ(Ticked(*w), c.on) << c.game;
        EXPECT_EQ(ButtonsDown(*w), c.on) << c.game;
    }
    EXPECT_EQ(Games(), games) << "applying a choice stores the same choice";
}

TEST_F(AutoplayCommandTest, PreferenceThreeStartsEveryDealWithAutoplayOff) {
    auto w = Start(3, "Y");
    ASSERT_TRUE(w);
    EXPECT_FALSE(Ticked(*w));
    Open(*w, 101, "Klondike");
    w->Action("mnuAutoplay")->trigger();
    EXPECT_TRUE(Ticked(*w));
    EXPECT_EQ(Games(), "<none>") << "only preference 2 keeps a choice per game";
    Open(*w, 102, "Klondike by Threes");
    EXPECT_FALSE(Ticked(*w));
    EXPECT_FALSE(ButtonsDown(*w));
}

TEST_F(AutoplayCommandTest, PreferenceOneRestoresTheLastStateAtStartUp) {
    for (const char* wanted : {"Y", "N"}) {
        s.AutoplayMenu = {}; // a new run of the program
        auto w = Start(1, wanted);
        ASSERT_TRUE(w);
        EXPECT_EQ(Ticked(*w), std::string(wanted) == "Y") << wanted;
        EXPECT_EQ(ButtonsDown(*w), std::string(wanted) == "Y") << wanted;
    }
}

} // namespace
