// Playing Yukon with the mouse on the real main window: presses, moves, releases and double
// clicks reach the table widget as the windowing system delivers them, and the cards, the move
// history, the score and the window's picture follow. Each test lays out its own position on the
// dealt game, so nothing depends on the random deal.

#include "shell/Main.h"
#include "shell/Startup.h"

#include "engine/CardPlaces.h"
#include "engine/MoveLegality.h"
#include "model/Cards.h"
#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr int kYukon = 104;

// "AH" .. "KS" (suits H D C S) to card numbers of the first deck.
int C(const std::string& text) {
    const std::string ranks = "A23456789TJQK", suits = "HDCS";
    const std::string rank = text.substr(0, text.size() - 1);
    const int r = rank == "10" ? 10 : static_cast<int>(ranks.find(rank[0])) + 1;
    return static_cast<int>(suits.find(text.back())) * 13 + r;
}

// A pile content from cards written bottom first.
std::string P(const std::string& cards) {
    std::istringstream in(cards);
    std::string t, out;
    while (in >> t)
        out += CardText(C(t));
    return out;
}

// Where two pictures differ, for the failure message.
std::string Diff(const QImage& a, const QImage& b) {
    QRect box;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
                ++n;
            }
    char buf[200];
    std::snprintf(buf, sizeof buf, " (%d pixels differ in %d,%d %dx%d)", n, box.x(), box.y(), box.width(),
                  box.height());
    return buf;
}

// How many pixels two pictures of the same size differ in.
int DifferingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

// A card put down by play takes its corners from what lay under it then; a whole repaint from
// what lies there now (the mark of the pile it emptied, say). Only those corner pixels, three at
// each corner of the cards that moved, may differ.
constexpr int kCornerPixels = 12;

class PlayByMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "plus/soladd.rgf"});
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "Deal_Animation", "N"); // the deal is shown at once
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [this](int& number, std::string& name, std::string& player) {
            ++chooserOpened;
            if (chooserOpened > 1)
                return false; // after a win the list opens again; the player closes it
            number = game;
            name = gameName;
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->resize(1000, 760);
        window->show();
        QApplication::processEvents();
        window->FirstActivation();
        ASSERT_TRUE(s.Flag(GameInPlay));
        ASSERT_EQ(chooserOpened, 1);
        s.Play.RecordGameResult = [this](Session&, int game, const std::string&, bool, bool won) {
            results.push_back({game, won});
        };
        s.Play.WinningAnimation = [this](Session&) { ++animations; };
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

    // Lays out a position: the named piles get the cards given (bottom first, a "*" before a
    // card turns it face down), every other pile is emptied; then the table is drawn afresh.
    void Position(const std::vector<std::pair<std::string, std::string>>& piles) {
        for (auto& p : s.Piles.StockPiles)
            p.clear();
        for (auto& p : s.Piles.FoundationPiles)
            p.clear();
        for (auto& p : s.Piles.TableauPiles)
            p.clear();
        for (auto& p : s.Piles.ReservePiles)
            p.clear();
        for (int n = 1; n <= 52; ++n)
            s.Cards.SetCardFace(n, '1');
        for (const auto& [name, cards] : piles) {
            std::istringstream in(cards);
            std::string t;
            std::string content;
            while (in >> t) {
                const bool down = t[0] == '*';
                if (down)
                    t = t.substr(1);
                content += CardText(C(t));
                if (down)
                    s.Cards.SetCardFace(C(t), '0');
            }
            *s.Piles.Find(name) = content;
        }
        s.History.Clear();
        s.Game.MovesMade = 0;
        window->RedrawTable();
    }

    // The middle of the visible strip of a card of a pile (skip = cards above it), in the table
    // widget's coordinates (the card places are given in them).
    QPoint At(const std::string& pile, int skip = 0) const {
        const int x = CardPlaceX(s, pile, skip, false), y = CardPlaceY(s, pile, skip, false);
        return {x + s.Metrics.CardWidth / 2, y + (skip == 0 ? s.Metrics.CardHeight / 2 : 6)};
    }
    // Where a card dropped on the pile's top would land (its next free place), same coordinates.
    QPoint Onto(const std::string& pile) const {
        const int x = CardPlaceX(s, pile, 0, true), y = CardPlaceY(s, pile, 0, true);
        return {x + s.Metrics.CardWidth / 2, y + s.Metrics.CardHeight / 2};
    }

    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at,
              Qt::KeyboardModifiers mods = Qt::NoModifier) {
        TableWidget* table = window->Table();
        QMouseEvent e(type, QPointF(at), QPointF(table->mapToGlobal(at)), button, held, mods);
        QApplication::sendEvent(table, &e);
    }
    void Press(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, b, b, at, m);
    }
    void MoveTo(QPoint from, QPoint to) {
        for (int k = 1; k <= 6; ++k)
            Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, from + (to - from) * k / 6);
    }
    void Release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        Send(QEvent::MouseButtonRelease, b, Qt::NoButton, at);
    }
    void Drag(QPoint from, QPoint to) {
        Press(from);
        MoveTo(from, to);
        Release(to);
    }
    std::string Pile(const std::string& name) const { return *const_cast<Session&>(s).Piles.Find(name); }
    QImage Shown() const { return window->Drawing().WindowPicture(); }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
    int chooserOpened = 0;
    int animations = 0;
    int game = kYukon; // the game the list opens, and its name
    std::string gameName = "Yukon";
    std::vector<std::pair<int, bool>> results;
};

TEST_F(PlayByMouseTest, DragToAFoundationIsOneStepWithTheUncoveredCardTurnedUp) {
    Position({{"Fila1", "*9C AH"}, {"Fila2", "KS"}});
    Drag(At("Fila1"), At("Dest1"));
    EXPECT_EQ(Pile("Dest1"), P("AH"));
    EXPECT_EQ(Pile("Fila1"), P("9C"));
    EXPECT_FALSE(s.Cards.CardIsHidden(C("9C"))) << "turned up by itself";
    EXPECT_EQ(s.History.Steps(), 1) << "the move and the turn-up are one step";
    EXPECT_EQ(s.Game.DragCard, 0);
    const QImage played = Shown();
    window->RedrawTable();
    // The ace and the turned-up nine moved.
    EXPECT_LE(DifferingPixels(Shown(), played), 2 * kCornerPixels)
        << "the window as a whole repaint draws it" << Diff(Shown(), played);
    // The window shows the ace where the foundation lies, and the nine of clubs face up.
    const QImage after = Shown();
    const QPoint f = At("Dest1");
    EXPECT_NE(after.pixel(f), window->Drawing().BackgroundPixel(f.x(), f.y() + s.Game.ScrollOffset));
    EXPECT_NE(after.pixel(At("Fila1")), window->Drawing().TableImage.pixel(0, 0));
}

TEST_F(PlayByMouseTest, ARunGoesOntoATableauPileWhole) {
    Position({{"Fila1", "*2D 8D QH JC 5S"}, {"Fila2", "KS"}, {"Fila3", "9C"}});
    Drag(At("Fila1", 2), Onto("Fila2"));
    EXPECT_EQ(Pile("Fila2"), P("KS QH JC 5S")) << "the queen takes every card above it along";
    EXPECT_EQ(Pile("Fila1"), P("2D 8D"));
    EXPECT_EQ(s.History.Steps(), 1);
}

TEST_F(PlayByMouseTest, RefusedDropsFlyBackAndChangeNothing) {
    struct Row {
        const char* what;
        std::string from;
        int skip;
        std::string to;
    } rows[] = {
        {"a card on the wrong colour", "Fila1", 0, "Fila2"},
        {"a card that does not follow on the foundation", "Fila1", 0, "Dest1"},
        {"a run onto a pile that does not take its first card", "Fila3", 1, "Fila2"},
        {"a card released over empty table", "Fila1", 0, ""},
    };
    for (const Row& r : rows) {
        Position({{"Fila1", "9H 5C"}, {"Fila2", "9S"}, {"Fila3", "*2D 7H 6S"}, {"Dest1", "AH"}});
        const PileLists before = s.Piles;
        const QImage picture = Shown();
        const QPoint to = r.to.empty() ? QPoint(900, 700) : Onto(r.to);
        Drag(At(r.from, r.skip), to);
        EXPECT_EQ(s.Piles.TableauPiles, before.TableauPiles) << r.what;
        EXPECT_EQ(s.Piles.FoundationPiles, before.FoundationPiles) << r.what;
        EXPECT_EQ(s.History.Steps(), 0) << r.what;
        EXPECT_EQ(s.Game.DragCard, 0) << r.what;
        EXPECT_TRUE(Shown() == picture)
            << r.what << ": the window shows the table as it was" << Diff(picture, Shown());
    }
}

TEST_F(PlayByMouseTest, DoubleClickSendsHomeAndTheCarriedPressIsIgnored) {
    s.Params.WriteParam(249, 1, "Y");
    Position({{"Fila1", "KC 2H"}, {"Fila2", "AH"}, {"Fila3", "QD"}});
    const QPoint two = At("Fila1"), ace = At("Fila2");
    Press(ace);
    Release(ace);
    // The windowing system delivers the second press of a double click as a double click.
    Send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, ace);
    EXPECT_EQ(Pile("Dest1"), P("AH"));
    EXPECT_EQ(s.Game.DragCard, 0) << "the press carried by the double click picks nothing up";
    Release(ace);
    EXPECT_EQ(s.History.Steps(), 1);
    // The window shows just what a whole repaint of the table draws: the ace's old place its
    // empty pile's mark, the foundation the ace, nothing left over from the flight.
    const QImage shown = Shown();
    window->RedrawTable();
    EXPECT_LE(DifferingPixels(Shown(), shown), kCornerPixels)
        << "what the play left on the window" << Diff(Shown(), shown);
    // The next press acts normally: the two of hearts follows by a drag.
    Drag(two, At("Dest1"));
    EXPECT_EQ(Pile("Dest1"), P("AH 2H"));
    EXPECT_EQ(s.History.Steps(), 2);
}

TEST_F(PlayByMouseTest, APressDuringADragIsIgnored) {
    Position({{"Fila1", "8H"}, {"Fila2", "9S"}, {"Fila3", "9C"}});
    const QPoint from = At("Fila1");
    Press(from);
    MoveTo(from, Onto("Fila3"));
    // A second button goes down and up on the way: the drag goes on as it was.
    Send(QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton, Onto("Fila3"));
    EXPECT_EQ(s.Game.DragCard, C("8H"));
    EXPECT_EQ(s.Game.DragMoved, 1);
    MoveTo(Onto("Fila3"), Onto("Fila2"));
    Release(Onto("Fila2"));
    EXPECT_EQ(Pile("Fila2"), P("9S 8H"));
    EXPECT_EQ(Pile("Fila3"), P("9C"));
}

TEST_F(PlayByMouseTest, CtrlAndTheRightButtonShowACoveredCardUntilTheRelease) {
    s.Params.WriteParam(255, 1, "Y");
    Position({{"Fila1", "QH JC 10D 9S"}});
    const QImage before = Shown();
    const Qt::CursorShape cursor = window->Table()->cursor().shape();
    const QPoint jack = At("Fila1", 2);
    // Where the ten lies over the jack, the jack's own face shows while the button is held.
    const QPoint covered(jack.x(), CardPlaceY(s, "Fila1", 1, false) + 30);
    Press(jack, Qt::RightButton, Qt::ControlModifier);
    EXPECT_NE(Shown().pixel(covered), before.pixel(covered)) << "the jack is drawn whole";
    EXPECT_EQ(s.Game.DragCard, 0) << "nothing is picked up";
    Release(jack, Qt::RightButton);
    EXPECT_TRUE(Shown() == before) << "the table is whole again" << Diff(before, Shown());
    EXPECT_EQ(Pile("Fila1"), P("QH JC 10D 9S"));
    EXPECT_EQ(window->Table()->cursor().shape(), cursor) << "the table's own cursor again";
    EXPECT_EQ(desktop.beeps, 0) << "a card was shown, so no beep";
}

TEST_F(PlayByMouseTest, FirstMoveMustGoToAFoundationWhenTheGameSaysSo) {
    s.GameAttr[42] = 1;
    Position({{"Fila1", "8H"}, {"Fila2", "9S"}, {"Fila3", "AD"}});
    Drag(At("Fila1"), Onto("Fila2"));
    EXPECT_EQ(Pile("Fila2"), P("9S")) << "a first move between tableau piles is refused";
    EXPECT_EQ(s.History.Steps(), 0);
    Drag(At("Fila3"), At("Dest1"));
    EXPECT_EQ(Pile("Dest1"), P("AD"));
    Drag(At("Fila1"), Onto("Fila2"));
    EXPECT_EQ(Pile("Fila2"), P("9S 8H")) << "after the first move any legal move is allowed";
}

TEST_F(PlayByMouseTest, ACompletedSuitLeavesForTheFoundation) {
    // Whole-suit foundations, tableau piles building down in suit.
    for (int i = 0; i < 4; ++i)
        s.GameAttr[static_cast<size_t>(attr::FoundationBase + i)] = 83;
    for (int i = 0; i < 7; ++i)
        s.GameAttr[static_cast<size_t>(attr::TableauRule + i)] = 0;
    Position({{"Fila1", "*5D KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S"}, {"Fila2", "AS"}});
    Drag(At("Fila2"), Onto("Fila1"));
    EXPECT_EQ(Pile("Fila1"), P("5D")) << "the thirteen cards left the pile";
    EXPECT_EQ(Pile("Dest1"), P("AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS"));
    EXPECT_EQ(PileSize(Pile("Dest1")), 13);
    EXPECT_EQ(s.History.Steps(), 1) << "the run's flight is part of the drop's step";
    EXPECT_FALSE(s.Cards.CardIsHidden(C("5D")));
}

TEST_F(PlayByMouseTest, TheLastCardHomeEndsTheGameOnceWithItsScore) {
    Position({{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"},
              {"Dest2", "AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD"},
              {"Dest3", "AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC"},
              {"Dest4", "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS"},
              {"Fila4", "KS"}});
    Drag(At("Fila4"), At("Dest4"));
    EXPECT_EQ(PileSize(Pile("Dest4")), 13);
    ASSERT_EQ(results.size(), 1u) << "recorded once";
    EXPECT_EQ(results[0], std::make_pair(kYukon, true));
    EXPECT_EQ(animations, 1);
    EXPECT_EQ(s.Params.ReadParam(122, 6).find("208"), 0u) << "52 cards home: -52 + 5 x 52";
    EXPECT_FALSE(s.Flag(GameInPlay));
    EXPECT_EQ(chooserOpened, 2) << "the game list opens after the win";
    // Nothing more happens on the finished table.
    Drag(At("Dest4"), At("Fila4"));
    EXPECT_EQ(results.size(), 1u);
    EXPECT_EQ(PileSize(Pile("Dest4")), 13);
}

// Redealing Cruel: the first click on the stock place gathers the whole tableau into the stock,
// the second deals it out again in fours. After each click the window must show what a whole
// repaint of the table shows: no strip of a gathered pile may stay behind.
class CruelRedealTest : public PlayByMouseTest {
protected:
    CruelRedealTest() {
        game = 513;
        gameName = "Cruel";
    }
    int Cards(const char* prefix, int count) const {
        int n = 0;
        for (int i = 1; i <= count; ++i)
            n += PileSize(Pile(prefix + std::to_string(i)));
        return n;
    }
    void ClickStock() {
        Press(At("Mazzo"));
        Release(At("Mazzo"));
    }
    // How many pixels of the window differ from a whole repaint of the table.
    int StaleAfterRepaint() {
        const QImage played = Shown();
        window->RedrawTable();
        return DifferingPixels(Shown(), played);
    }
};

// A card put down by a deal takes its corners from what lay under it then; a whole repaint from
// what lies there now. Those pixels of a card's four rounded corners may differ (from 5 to 14 over
// the deals seen, as the cards that lay there differ), a card's strip, as wide as the card, may
// not: without the clearing, the gather leaves tens of thousands.
constexpr int kDealtCornerPixels = 20;

TEST_F(CruelRedealTest, GatheringAndDealingAgainLeaveNoStripsBehind) {
    const int onTableau = Cards("Fila", 12);
    ASSERT_GT(onTableau, 40) << "twelve piles of four, less what went home at once";

    ClickStock();
    ASSERT_EQ(Cards("Fila", 12), 0) << "the tableau is gathered";
    ASSERT_EQ(PileSize(Pile("Mazzo")), onTableau);
    EXPECT_LE(StaleAfterRepaint(), kDealtCornerPixels)
        << "the emptied piles show the table and their empty places; only the stock's top card is new";

    ClickStock();
    ASSERT_EQ(PileSize(Pile("Mazzo")), 0) << "the stock is dealt out";
    ASSERT_EQ(Cards("Fila", 12), onTableau);
    EXPECT_LE(StaleAfterRepaint(), kDealtCornerPixels * onTableau);
}

} // namespace
