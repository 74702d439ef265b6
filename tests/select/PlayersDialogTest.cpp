// The players dialog on the offscreen platform: its buttons, the name dialog's refusals, the
// rename and delete flows with the statistics files, and closing it.

#include "select/PlayersDialog.h"

#include "common/TempFolder.h"
#include "model/ConfigFile.h"
#include "model/Deal.h"
#include "engine/TableView.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "select/Players.h"
#include "select/StatisticsFiles.h"
#include "support/QtAppEnvironment.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <deque>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

class PlayersDialogTest : public ::testing::Test {
protected:
    PlayersDialogTest() {
        s.DataFolder = dir.path();
        s.desktop = &desktop;
        Players({"Player 1", "Player 2", "Player 3"});
        s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, "Player 1");
    }
    void Players(const std::vector<std::string>& names) {
        for (size_t i = 0; i < names.size(); ++i)
            WriteConfigString(s, "Users", "User" + FormatFixed(static_cast<int>(i) + 1, 3), names[i]);
    }
    // A dialog whose name dialog answers from `answers` (Cancel when they run out).
    std::unique_ptr<TfrmPlayers> Dialog() {
        auto d = std::make_unique<TfrmPlayers>(s, nullptr, nullptr);
        d->AskName = [this](const std::string& caption, std::string& name) {
            asked.push_back(caption + ":" + name);
            if (answers.empty())
                return false;
            name = answers.front();
            answers.pop_front();
            return true;
        };
        d->Open();
        return d;
    }
    void Choose(TfrmPlayers& d, const std::string& name) {
        auto items = d.List()->findItems(QString::fromStdString(name), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name;
        d.List()->setCurrentItem(items[0]);
    }
    void Key(TfrmPlayers& d, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(d.List(), &press);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& b : desktop.boxes)
            t.push_back(b.text);
        return t;
    }

    TempFolder dir;
    RecordingDesktop desktop;
    Session s;
    std::deque<std::string> answers;
    std::vector<std::string> asked;
};

TEST_F(PlayersDialogTest, OpensOnTheCurrentPlayerWithTheButtonsOfTheSelection) {
    auto d = Dialog();
    ASSERT_EQ(d->List()->count(), 3);
    EXPECT_EQ(d->List()->currentItem()->text(), "Player 1");
    EXPECT_TRUE(d->SelectButton()->isEnabled());
    EXPECT_TRUE(d->EditButton()->isEnabled());
    EXPECT_FALSE(d->DeleteButton()->isEnabled()) << "the current player cannot be deleted";
    Choose(*d, "Player 2");
    EXPECT_TRUE(d->DeleteButton()->isEnabled());
    d->List()->setCurrentRow(-1);
    EXPECT_FALSE(d->SelectButton()->isEnabled());
    EXPECT_FALSE(d->EditButton()->isEnabled());
    EXPECT_FALSE(d->DeleteButton()->isEnabled());
    d->SelectPlayer();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Select a player."});
    // The current player is refused also by the Delete key.
    Choose(*d, "Player 1");
    Key(*d, Qt::Key_Delete);
    EXPECT_EQ(Texts().back(), "It is impossible to delete the selected player.");
    EXPECT_EQ(d->List()->count(), 3);
}

TEST_F(PlayersDialogTest, TheNameDialogRefusesUntilANameCanBeUsed) {
    auto d = Dialog();
    answers = {"", "Bad|Name", "Player 1 ", "Ann"};
    Key(*d, Qt::Key_Insert);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Please enter at least 1 character.", ForbiddenNameMessage(),
                                                 "This player name already exists."}));
    EXPECT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0], "Add a player:");
    EXPECT_EQ(d->Names(), (std::vector<std::string>{"Ann", "Player 1", "Player 2", "Player 3"}));
    EXPECT_EQ(d->List()->currentItem()->text(), "Ann");
    // Keeping a name as it is, is no duplicate.
    desktop.boxes.clear();
    asked.clear();
    Choose(*d, "Player 2");
    answers = {"Player 2"};
    d->RenamePlayer();
    EXPECT_EQ(asked, std::vector<std::string>{"Edit a player:Player 2"});
    EXPECT_TRUE(desktop.boxes.empty());
    d->reject(); // Cancel keeps the additions
    EXPECT_EQ(PlayerNames(s), (std::vector<std::string>{"Ann", "Player 1", "Player 2", "Player 3"}));
    EXPECT_EQ(s.Params.ReadParam(kParamPlayer, kParamPlayerWidth), "Player 1");
}

TEST_F(PlayersDialogTest, TwentyPlayersAreSavedAndATwentyFirstIsNot) {
    std::vector<std::string> names;
    for (int i = 1; i <= 20; ++i)
        names.push_back("P" + FormatFixed(i, 2));
    Players(names);
    s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, "P01");
    auto d = Dialog();
    answers = {"Zed"};
    d->AddPlayer();
    EXPECT_EQ(d->List()->count(), 21);
    d->reject();
    EXPECT_EQ(PlayerNames(s), names);
    // Deleting one leaves an empty key at the end.
    auto again = Dialog();
    desktop.questionAnswer = true;
    Choose(*again, "P05");
    again->DeletePlayer();
    again->reject();
    EXPECT_EQ(PlayerNames(s).size(), 19u);
    EXPECT_EQ(ReadConfigString(s, "Users", "User020", "none"), "");
}

TEST_F(PlayersDialogTest, RenamingTheCurrentPlayerRenamesTheStatisticsAndKeepsThePlayer) {
    s.Game.FreshDeal = 1;
    s.Game.GameStarted = -1;
    RecordGameResult(s, 87, "Player 1", false, true);
    auto d = Dialog();
    answers = {"Ann"};
    d->RenamePlayer();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Player renamed."});
    EXPECT_EQ(d->List()->currentItem()->text(), "Ann");
    EXPECT_FALSE(d->DeleteButton()->isEnabled()) << "the renamed current player still cannot be deleted";
    EXPECT_FALSE(d->WorkingLabel()->isVisibleTo(d.get()));
    EXPECT_EQ(ReadUniqueCounts(s, "Ann", 87).won, 1);
    EXPECT_EQ(ReadUniqueCounts(s, "Player 1", 87).won, 0);
    d->reject();
    EXPECT_EQ(s.Params.ReadParam(kParamPlayer, kParamPlayerWidth), "Ann");
    EXPECT_EQ(ReadConfigString(s, "Preference", "UserDefault", ""), "Ann");
    EXPECT_EQ(PlayerNames(s), (std::vector<std::string>{"Ann", "Player 2", "Player 3"}));
}

TEST_F(PlayersDialogTest, DeletingAsksFirstAndSelectsTheFirstName) {
    s.Game.FreshDeal = 1;
    s.Game.GameStarted = -1;
    EnsureStatisticsFiles(s);
    WriteConfigString(s, "Users", "User004", "Player 22");
    auto d = Dialog();
    Choose(*d, "Player 2");
    desktop.questionAnswer = false;
    d->DeletePlayer();
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"Are you sure you want to delete the selected player?\n"
                                       "Note: the statistics for this player will also be deleted."});
    EXPECT_EQ(d->List()->count(), 4) << "Cancel keeps the player";
    desktop.questionAnswer = true;
    d->DeletePlayer();
    EXPECT_EQ(d->Names(), (std::vector<std::string>{"Player 1", "Player 22", "Player 3"}));
    EXPECT_EQ(d->List()->currentRow(), 0);
}

TEST_F(PlayersDialogTest, ABadStoredNameMustBeRenamedBeforeTheDialogCloses) {
    Players({"Player 1", "Who?", "Player 3"});
    auto d = Dialog();
    d->setVisible(true);
    d->reject(); // Cancel: the rename starts, and this time it is cancelled
    EXPECT_TRUE(d->isVisible()) << "the close is refused";
    ASSERT_FALSE(desktop.boxes.empty());
    EXPECT_EQ(desktop.boxes[0].text, ForbiddenNameMessage() + "\nPlease rename the Player name:  Who?");
    EXPECT_EQ(asked, std::vector<std::string>{"Edit a player:Who?"});
    answers = {"Whom"};
    d->reject(); // renamed now; the next close goes through
    EXPECT_TRUE(d->isVisible());
    d->reject();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(PlayerNames(s), (std::vector<std::string>{"Player 1", "Player 3", "Whom"}));
}

// A silent table whose message boxes are the desktop's, as in the program.
class AskingView : public SilentTableView {
public:
    explicit AskingView(Desktop& d) : desktop(d) {}
    bool MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override {
        return desktop.MessageBox(kind, caption, text);
    }
    Desktop& desktop;
};

TEST_F(PlayersDialogTest, AnotherPlayerIsTakenOnlyWhenTheQuestionIsAnsweredYes) {
    AskingView view(desktop);
    s.view = &view;
    s.Params.WriteParam(185, 1, "Y"); // ConfirmQuitGame
    s.SetFlag(GameInPlay, true);
    int changed = 0;
    auto d = Dialog();
    d->onPlayerChanged = [&] { ++changed; };
    d->setVisible(true);
    Choose(*d, "Player 3");
    desktop.questionAnswer = false;
    d->SelectPlayer();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Start a new game for player Player 3?"});
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(s.Flag(GameInPlay));
    EXPECT_EQ(s.Params.ReadParam(kParamPlayer, kParamPlayerWidth), "Player 1");
    EXPECT_EQ(changed, 0);
    desktop.questionAnswer = true;
    d->SelectPlayer();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(s.Flag(GameInPlay)) << "the game in progress ended";
    EXPECT_EQ(s.Params.ReadParam(kParamPlayer, kParamPlayerWidth), "Player 3");
    EXPECT_EQ(ReadConfigString(s, "Preference", "UserDefault", ""), "Player 3");
    EXPECT_EQ(changed, 1);
}

} // namespace
