// The real main window records what happens to its games: the sliding puzzle played to a win with
// the mouse lands in the player's statistics files, the new-game command asks before abandoning a
// game and records the loss, and every deal starts with an empty move history and a fresh clock.

#include "shell/Main.h"
#include "shell/Startup.h"

#include "engine/CardPlaces.h"
#include "model/Cards.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "select/GameLog.h"
#include "select/StatisticsFiles.h"
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

constexpr int kPuzzle = 87;

class GameRecordWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "plus/soladd.rgf"});
        CreateGlobalObjects(s, install.program.path());
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [this](int& number, std::string& name, std::string& player) {
            if (++chooserOpened > 1)
                return false; // after a win the list opens again; the player closes it
            number = kPuzzle;
            name = "Put-Them-In-Order (3x3 square)";
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->resize(900, 700);
        window->show();
        QApplication::processEvents();
        s.Params.WriteParam(param::SpeedMoveCard, 2, "00");
        s.Params.WriteParam(param::ConfirmQuitGame, 1, "N");
        window->FirstActivation();
        ASSERT_TRUE(s.Flag(GameInPlay));
        player = s.Params.ReadParam(77, 30);
        ASSERT_EQ(player, "Player 1");
    }
    void TearDown() override {
        if (window)
            window->hide();
        window.reset();
    }

    std::string Cell(int i) const { return "Fila" + std::to_string(i + 1); }
    int Gap() const {
        for (int i = 0; i < 9; ++i)
            if (const_cast<Session&>(s).Piles.Find(Cell(i))->empty())
                return i;
        return -1;
    }
    // The cells next to a cell of the 3 x 3 grid.
    static std::vector<int> Neighbours(int i) {
        std::vector<int> n;
        if (i % 3 > 0)
            n.push_back(i - 1);
        if (i % 3 < 2)
            n.push_back(i + 1);
        if (i >= 3)
            n.push_back(i - 3);
        if (i < 6)
            n.push_back(i + 3);
        return n;
    }
    QPoint Middle(int cell) const {
        return {CardPlaceX(s, Cell(cell), 0, false) + s.Metrics.CardWidth / 2,
                CardPlaceY(s, Cell(cell), 0, false) + s.Metrics.CardHeight / 2};
    }
    void Send(QEvent::Type type, Qt::MouseButtons held, QPoint at) {
        TableWidget* table = window->Table();
        QMouseEvent e(type, QPointF(at), QPointF(table->mapToGlobal(at)), Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(table, &e);
    }
    // Slides the card of `cell` into the gap with the mouse, as a player drags it.
    void Slide(int cell) {
        const QPoint from = Middle(cell), to = Middle(Gap());
        Send(QEvent::MouseButtonPress, Qt::LeftButton, from);
        for (int k = 1; k <= 4; ++k)
            Send(QEvent::MouseMove, Qt::LeftButton, from + (to - from) * k / 4);
        Send(QEvent::MouseButtonRelease, Qt::NoButton, to);
    }
    // The F2 command.
    void PressF2() {
        QAction* item = window->Action("mnuNew");
        ASSERT_EQ(item->shortcut(), QKeySequence(Qt::Key_F2));
        item->trigger();
    }
    UniqueCounts Counts() const { return ReadUniqueCounts(s, player, kPuzzle); }
    std::string Data(const std::string& name) const {
        return ReadWholeFile(s.DataFolder + name).value_or("<missing>");
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
    int chooserOpened = 0;
    std::string player;
};

TEST_F(GameRecordWindowTest, APuzzleWonWithTheMouseIsRecordedAndTheNextOneAbandonedAsked) {
    // The dealt puzzle is put eight slides away from its solution (half of all deals cannot be
    // solved at all), then played back by dragging the cards.
    for (int i = 0; i < 8; ++i)
        *s.Piles.Find(Cell(i)) = CardText(i + 1);
    s.Piles.Find(Cell(8))->clear();
    std::vector<int> gaps{8};
    for (int step = 0; step < 8; ++step) {
        std::vector<int> next = Neighbours(gaps.back());
        std::erase(next, gaps.size() > 1 ? gaps[gaps.size() - 2] : -1);
        const int to = next[(step * 7) % next.size()];
        std::swap(*s.Piles.Find(Cell(to)), *s.Piles.Find(Cell(gaps.back())));
        gaps.push_back(to);
    }
    window->RedrawTable();
    for (size_t k = gaps.size() - 1; k > 0; --k) {
        ASSERT_TRUE(s.Flag(GameInPlay)) << "the game ended before the last slide";
        ASSERT_EQ(Gap(), gaps[k]);
        Slide(gaps[k - 1]);
    }
    EXPECT_FALSE(s.Flag(GameInPlay)) << "the last slide won the game";
    EXPECT_EQ(chooserOpened, 2) << "after the win the game list opens again";
    EXPECT_TRUE(desktop.boxes.empty());

    // The program's own decoder reads the win back.
    UniqueCounts counts = Counts();
    ASSERT_EQ(counts.status, UniqueCounts::Status::Ok);
    EXPECT_EQ(counts.won, 1);
    EXPECT_EQ(counts.lost, 0);
    EXPECT_EQ(Data("Stat.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(Data("Stat_scr.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(Data("Series_scr.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(Data("Stat_glo.dat"), "[Version]\r\nVOvS=0300\r\n");
    auto log = ReadGameLog(GameLogPath(s));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].game, kPuzzle);
    EXPECT_EQ(log[0].player, "Player 1");
    EXPECT_TRUE(log[0].won);
    EXPECT_EQ(log[0].moves, 8);
    EXPECT_EQ(log[0].score, 28);
    EXPECT_EQ(log[0].dealCode, s.Params.ReadParam(153, 15));
    const std::string progress = Data("Stat_prg_Player 1.dat");
    ASSERT_EQ(progress.size(), 4u) << "the won game's progress record";
    EXPECT_EQ(progress[0], char(0 + 33));
    EXPECT_EQ(progress[1], char(87 + 33));
    EXPECT_GE(static_cast<unsigned char>(progress[3]), 100u);

    // The next game, abandoned with F2 while the question is asked.
    PressF2();
    ASSERT_TRUE(s.Flag(GameInPlay));
    s.Params.WriteParam(param::ConfirmQuitGame, 1, "Y");
    const std::string code = s.Params.ReadParam(153, 15);
    const auto piles = s.Piles.TableauPiles;
    desktop.questionAnswer = false;
    PressF2();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Quit this game?");
    EXPECT_TRUE(s.Flag(GameInPlay)) << "No keeps the game";
    EXPECT_TRUE(s.Flag(ClockRunning));
    EXPECT_EQ(s.Params.ReadParam(153, 15), code);
    EXPECT_EQ(s.Piles.TableauPiles, piles);
    EXPECT_EQ(Counts().lost, 0);

    desktop.questionAnswer = true;
    PressF2();
    EXPECT_EQ(desktop.boxes.size(), 2u);
    EXPECT_TRUE(s.Flag(GameInPlay)) << "Yes deals the next game";
    EXPECT_NE(s.Params.ReadParam(153, 15), code);
    counts = Counts();
    EXPECT_EQ(counts.won, 1);
    EXPECT_EQ(counts.lost, 1);
    log = ReadGameLog(GameLogPath(s));
    ASSERT_EQ(log.size(), 2u);
    EXPECT_FALSE(log[1].won);
    EXPECT_EQ(log[1].dealCode, code);
    EXPECT_EQ(Data("Stat_prg_Player 1.dat").size(), 8u);
}

TEST_F(GameRecordWindowTest, EveryNewDealStartsWithAnEmptyHistoryAndAFreshClock) {
    const int dealt = s.History.Steps();
    for (int press = 0; press < 10; ++press) {
        // One slide in each game, so a history kept across deals would grow.
        const int gap = Gap();
        ASSERT_GE(gap, 0);
        Slide(Neighbours(gap).front());
        ASSERT_EQ(s.History.Steps(), dealt + 1) << "press " << press;
        s.GameTimes[0] = 1.0; // long ago
        PressF2();
        ASSERT_TRUE(s.Flag(GameInPlay));
        EXPECT_EQ(s.History.Steps(), dealt) << "only the new deal's steps after press " << press;
        EXPECT_GT(s.GameTimes[0], 1.0) << "the clock starts again with the deal";
    }
    EXPECT_EQ(Counts().lost, 10) << "each abandoned game is recorded as lost";
    EXPECT_EQ(ReadGameLog(GameLogPath(s)).size(), 10u);
    EXPECT_TRUE(desktop.boxes.empty()) << "nothing asks while ConfirmQuitGame is off";
}

} // namespace
