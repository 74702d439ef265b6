// The animations in the real window, on a clock that never sleeps: the deal flying in while input
// is swallowed and ending on the same table as a plain painting; the winning animation after the
// last card goes home, ended by a key press that reaches nothing else, and the table whole again
// afterwards; the empty-stock marker pressed and let go.

#include "shell/Main.h"
#include "shell/Startup.h"

#include "engine/Stock.h"
#include "model/Cards.h"
#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "support/widgets/InputSwallower.h"
#include "table/ImageResources.h"
#include "table/QtTableView.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include "common/PictureCompare.h"
#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr int kYukon = 104, kKlondike = 101;

// A clock whose every reading is a millisecond later: pauses end after as many readings as they
// last milliseconds, and nothing sleeps.
struct SteppingClock : PauseClock {
    std::uint32_t ticks = 0;
    std::int64_t counter = 0;
    std::uint32_t Ticks() override { return ++ticks; }
    std::int64_t Counter() override { return counter += 1000000; }
    std::int64_t Frequency() override { return 1000000000; }
};

class AnimationWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "plus/soladd.rgf"});
        CreateGlobalObjects(s, install.program.path());
        // Autoplay off: the table after a deal is the deal's own.
        WriteConfigString(s, "Preference", "AutoPlay", "N");
    }
    void TearDown() override {
        if (window)
            window->hide();
        window.reset();
    }
    // The window with `game` chosen at the first activation, dealt with the preferences as set.
    void Start(int game, const char* name) {
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->View().UseClock(&clock);
        window->ChooseGame = [this, game, name](int& number, std::string& chosen, std::string& player) {
            ++chooserOpened;
            if (chooserOpened > 1)
                return false;
            number = game;
            chosen = name;
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->resize(1000, 760);
        window->show();
        QApplication::processEvents();
        window->FirstActivation();
        ASSERT_TRUE(s.Flag(GameInPlay));
    }
    QImage Shown() const { return window->Drawing().WindowPicture(); }
    // Where two pictures differ, for failure messages.
    static std::string Diff(const QImage& a, const QImage& b) {
        QRect box;
        int n = 0;
        for (int y = 0; y < std::min(a.height(), b.height()); ++y)
            for (int x = 0; x < std::min(a.width(), b.width()); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    box |= QRect(x, y, 1, 1);
                    ++n;
                }
        return std::to_string(n) + " pixels differ in " + std::to_string(box.x()) + "," +
               std::to_string(box.y()) + " " + std::to_string(box.width()) + "x" +
               std::to_string(box.height());
    }
    // The table as a plain painting of the piles shows it.
    QImage Repainted() {
        window->RedrawTable();
        return Shown();
    }
    void SendMouse(QEvent::Type type, QPoint at) {
        TableWidget* table = window->Table();
        QMouseEvent e(type, QPointF(at), QPointF(table->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table, &e);
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    SteppingClock clock;
    std::unique_ptr<TfrmMain> window;
    int chooserOpened = 0;
};

TEST_F(AnimationWindowTest, TheDealFliesInWhileInputIsSwallowedAndEndsOnThePaintedTable) {
    // Every change shown on the window is counted; at the first, the player presses a card.
    int frames = 0;
    bool pressed = false;
    Start(kYukon, "Yukon");
    // The deal of the first activation has run; deal a new game with the counting in place.
    TableDrawing& d = window->Drawing();
    const auto show = d.ShowOnWindow;
    d.ShowOnWindow = [&](const QRect& r) {
        ++frames;
        if (!pressed) {
            pressed = true;
            const QPoint at(s.GetTableauX(0) + 20, s.GetTableauY(0) + 20);
            TableWidget* table = window->Table();
            QApplication::postEvent(table, new QMouseEvent(QEvent::MouseButtonPress, QPointF(at),
                                                           QPointF(table->mapToGlobal(at)), Qt::LeftButton,
                                                           Qt::LeftButton, Qt::NoModifier));
        }
        show(r);
    };
    const long discardedBefore = InputSwallower::Instance().Discarded();
    window->NewGameCommand();
    d.ShowOnWindow = show;
    ASSERT_TRUE(s.Flag(GameInPlay));
    EXPECT_EQ(s.Game.DealDone, 1);
    EXPECT_FALSE(s.Flag(AutomaticSequence));
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(InputSwallower::Instance().Active()) << "swallowing ends with the deal";
    EXPECT_GT(InputSwallower::Instance().Discarded(), discardedBefore) << "the press during the deal";
    EXPECT_EQ(s.Game.DragCard, 0) << "nothing was picked up by the press during the deal";
    // 52 cards, each shown on the deck and in several frames of its flight.
    EXPECT_GT(frames, 52 * 4);
    const QImage dealt = Shown();
    const QImage painted = Repainted();
    EXPECT_EQ(dealt, painted) << "the flown cards lie exactly as the table paints them: "
                              << Diff(dealt, painted);
}

TEST_F(AnimationWindowTest, AClosePutOffDuringTheDealClosesTheWindowWhenTheDealIsDone) {
    Start(kYukon, "Yukon");
    TableDrawing& d = window->Drawing();
    const auto show = d.ShowOnWindow;
    bool asked = false, refused = false;
    d.ShowOnWindow = [&](const QRect& r) {
        if (!asked) {
            asked = true;
            refused = !window->close();
        }
        show(r);
    };
    window->NewGameCommand();
    d.ShowOnWindow = show;
    EXPECT_TRUE(refused) << "the deal goes on to its end";
    EXPECT_EQ(s.Game.DealDone, 1);
    EXPECT_TRUE(window->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible()) << "then the window closes";
}

TEST_F(AnimationWindowTest, WithoutTheDealAnimationTheDealIsDrawnAtOnce) {
    WriteConfigString(s, "Preference", "Deal_Animation", "N");
    Start(kYukon, "Yukon");
    int frames = 0;
    TableDrawing& d = window->Drawing();
    const auto show = d.ShowOnWindow;
    d.ShowOnWindow = [&](const QRect& r) {
        ++frames;
        show(r);
    };
    const std::uint32_t before = clock.ticks;
    window->NewGameCommand();
    d.ShowOnWindow = show;
    EXPECT_LT(frames, 52 * 2) << "each card shown once, without flight frames";
    EXPECT_LT(clock.ticks - before, 1000u) << "and no flight pauses";
    const QImage dealt = Shown();
    EXPECT_EQ(dealt, Repainted());
}

TEST_F(AnimationWindowTest, AKeyPressEndsTheWinningAnimationAndTheTableIsWholeAgain) {
    WriteConfigString(s, "Preference", "Deal_Animation", "N");
    WriteConfigString(s, "Preference", "Winning_Animations", "Open order");
    WriteConfigString(s, "Preference", "Winning_Animations_Time", "30");
    Start(kYukon, "Yukon");
    s.Params.WriteParam(74, 2, "00");
    // Every card home but the king of spades, which waits on tableau pile 4.
    for (auto& p : s.Piles.StockPiles)
        p.clear();
    for (auto& p : s.Piles.FoundationPiles)
        p.clear();
    for (auto& p : s.Piles.TableauPiles)
        p.clear();
    for (auto& p : s.Piles.ReservePiles)
        p.clear();
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            if (!(suit == 3 && rank == 13))
                s.Piles.FoundationPiles[size_t(suit)] += CardText(suit * 13 + rank);
    s.Piles.TableauPiles[3] = CardText(52);
    for (int n = 1; n <= 52; ++n)
        s.Cards.SetCardFace(n, '1');
    window->RedrawTable();
    const QImage before = Shown();

    // The press reaches the program once the animation has begun, as a player's would.
    QtTableView& view = window->View();
    const auto focus = view.onTakeFocus;
    int animations = 0;
    view.onTakeFocus = [&] {
        ++animations;
        if (focus)
            focus();
        QApplication::postEvent(window->Table(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    };
    const long discardedBefore = InputSwallower::Instance().Discarded();
    const std::uint32_t start = clock.ticks;
    // The king goes home: the game is won.
    const QPoint from(s.GetTableauX(3) + 30, s.GetTableauY(3) + 30);
    const QPoint to(s.Game.GetFoundationX(3) + 30, s.Game.GetFoundationY(3) + 30);
    SendMouse(QEvent::MouseButtonPress, from);
    for (int k = 1; k <= 6; ++k) {
        const QPoint at = from + (to - from) * k / 6;
        TableWidget* table = window->Table();
        QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(table->mapToGlobal(at)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table, &e);
    }
    SendMouse(QEvent::MouseButtonRelease, to);

    EXPECT_EQ(PileSize(s.Piles.FoundationPiles[3]), 13);
    EXPECT_EQ(animations, 1) << "the won game celebrates";
    EXPECT_LT(clock.ticks - start, 3000u) << "the key ended the animation long before its 30 seconds";
    EXPECT_GT(InputSwallower::Instance().Discarded(), discardedBefore) << "the key went nowhere else";
    EXPECT_FALSE(InputSwallower::Instance().Active());
    EXPECT_FALSE(s.Flag(AutomaticSequence));
    EXPECT_FALSE(s.Flag(GameInPlay));
    EXPECT_EQ(chooserOpened, 2) << "the game list opens after the win";
    // No strewn card is left: the window shows the finished table as a plain painting does.
    const QImage after = Shown();
    EXPECT_NE(after, before) << "the king lies on its foundation now";
    EXPECT_EQ(after, Repainted());
    EXPECT_EQ(window->Drawing().TableImage.copy(QRect(QPoint(0, 0), after.size())), after);
}

TEST_F(AnimationWindowTest, TheEmptyStockMarkerGoesDownAndUpWhereItLies) {
    WriteConfigString(s, "Preference", "Deal_Animation", "N");
    Start(kKlondike, "Klondike");
    // Everything turned to the waste: the stock is empty and a redeal is possible.
    s.Piles.StockPiles[1] += s.Piles.StockPiles[0];
    s.Piles.StockPiles[0].clear();
    window->RedrawTable();
    const int x = s.Game.GetStockX(0), y = s.Game.GetStockY(0);
    ASSERT_GT(x, -9999);
    QImage down, up;
    ImageResources& images = window->Images();
    images.LoadMarkImage(down, "StockDown");
    images.LoadMarkImage(up, "StockUp");
    ASSERT_FALSE(down.isNull());
    ASSERT_NE(down, up);
    const QRect place(x, y, s.Metrics.CardWidth, s.Metrics.CardHeight);
    // The marks are laid over the table where the stock lies.
    const QImage under = window->Drawing().BackgroundPicture().copy(place);
    down = quillon::testing::LaidOver(down.copy(0, 0, place.width(), place.height()), under);
    up = quillon::testing::LaidOver(up.copy(0, 0, place.width(), place.height()), under);
    using quillon::testing::NearPictures;
    PressStockMarker(s);
    EXPECT_PRED2(NearPictures, Shown().copy(place), down);
    EXPECT_PRED2(NearPictures, window->Drawing().TableImage.copy(place), down);
    SlideOffStockMarker(s);
    EXPECT_PRED2(NearPictures, Shown().copy(place), up);
    EXPECT_EQ(s.Game.StockPressed, 0);
}

} // namespace
