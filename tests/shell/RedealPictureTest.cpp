// Redealing Cruel on the real main window: the first click on the stock place gathers the whole
// tableau into the stock, the second deals it out again in fours. After each click the window must
// show what a whole repaint of the table shows: no strip of a gathered pile may stay behind.

#include "shell/Main.h"
#include "shell/Startup.h"

#include "engine/CardPlaces.h"
#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

constexpr int kCruel = 513;

// A card put down by a deal takes its corners from what lay under it then; a whole repaint from
// what lies there now. Those pixels of a card's four rounded corners may differ (from 5 to 14 over
// the deals seen, as the cards that lay there differ), a card's strip, as wide as the card, may
// not: without the clearing, the gather leaves tens of thousands.
constexpr int kCornerPixelsPerCard = 20;

int DifferingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

int Cards(const Session& s, const char* prefix, int count) {
    int n = 0;
    for (int i = 1; i <= count; ++i)
        n += PileSize(*const_cast<Session&>(s).Piles.Find(prefix + std::to_string(i)));
    return n;
}

class RedealPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "plus/soladd.rgf"});
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "Deal_Animation", "N");
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [this](int& number, std::string& name, std::string& player) {
            if (++chooserOpened > 1)
                return false;
            number = kCruel;
            name = "Cruel";
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->resize(1000, 760);
        window->show();
        QApplication::processEvents();
        window->FirstActivation();
        ASSERT_TRUE(s.Flag(GameInPlay));
        s.Params.WriteParam(param::SpeedMoveCard, 2, "00");
        s.AutoplayMenu.Ticked = s.AutoplayMenu.ButtonsDown = false;
    }
    void TearDown() override {
        if (window)
            window->hide();
        window.reset();
    }

    void ClickStock() {
        const QPoint at(CardPlaceX(s, "Mazzo", 0, false) + s.Metrics.CardWidth / 2,
                        CardPlaceY(s, "Mazzo", 0, false) + s.Metrics.CardHeight / 2);
        TableWidget* table = window->Table();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const bool press = type == QEvent::MouseButtonPress;
            QMouseEvent e(type, QPointF(at), QPointF(table->mapToGlobal(at)), Qt::LeftButton,
                          press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(table, &e);
        }
    }
    // How many pixels of the window differ from a whole repaint of the table.
    int StaleAfterRepaint() {
        const QImage played = window->Drawing().WindowPicture();
        window->RedrawTable();
        return DifferingPixels(window->Drawing().WindowPicture(), played);
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
    int chooserOpened = 0;
};

TEST_F(RedealPictureTest, GatheringAndDealingAgainLeaveNoStripsBehind) {
    const int onTableau = Cards(s, "Fila", 12);
    ASSERT_GT(onTableau, 40) << "twelve piles of four, less what went home at once";

    ClickStock();
    ASSERT_EQ(Cards(s, "Fila", 12), 0) << "the tableau is gathered";
    ASSERT_EQ(PileSize(*s.Piles.Find("Mazzo")), onTableau);
    EXPECT_LE(StaleAfterRepaint(), kCornerPixelsPerCard)
        << "the emptied piles show the table and their empty places; only the stock's top card is new";

    ClickStock();
    ASSERT_EQ(PileSize(*s.Piles.Find("Mazzo")), 0) << "the stock is dealt out";
    ASSERT_EQ(Cards(s, "Fila", 12), onTableau);
    EXPECT_LE(StaleAfterRepaint(), kCornerPixelsPerCard * onTableau);
}

} // namespace
