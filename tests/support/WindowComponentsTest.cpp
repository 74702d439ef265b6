#include "support/QtAppEnvironment.h"
#include "support/widgets/C_FullScreen.h"
#include "support/widgets/C_Label_Link.h"
#include "support/widgets/C_ShadowedHintWindow.h"
#include "support/widgets/InputSwallower.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <QToolTip>
#include <gtest/gtest.h>

using namespace quillon;

static ::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

namespace {

QRect Screen() {
    return QGuiApplication::primaryScreen()->geometry();
}

void Settle() {
    QCoreApplication::processEvents();
}

// ---- full screen ----

struct WindowFacts {
    QRect geometry;
    QRect normal;
    Qt::WindowStates state;
    Qt::WindowFlags flags;
    bool visible;
};

WindowFacts FactsOf(const QWidget& w) {
    return {w.geometry(), w.normalGeometry(), w.windowState(), w.windowFlags(), w.isVisible()};
}

TEST(FullScreen, OnAndBackRestoresTheWindow) {
    struct Case {
        const char* what;
        QRect bounds;
        bool maximised;
        bool frameless;
    } cases[] = {
        {"normal window", QRect(100, 120, 400, 300), false, false},
        {"window at the origin", QRect(0, 0, 640, 480), false, false},
        {"small window", QRect(5, 7, 120, 90), false, false},
        {"maximised window", QRect(60, 80, 500, 350), true, false},
        {"borderless window", QRect(30, 40, 300, 200), false, true},
    };
    for (const auto& c : cases) {
        QWidget w;
        if (c.frameless)
            w.setWindowFlags(w.windowFlags() | Qt::FramelessWindowHint);
        w.setGeometry(c.bounds);
        w.show();
        if (c.maximised)
            w.setWindowState(Qt::WindowMaximized);
        Settle();
        WindowFacts before = FactsOf(w);

        C_TFullScreen fs(&w);
        fs.SetFullscreen(true);
        Settle();
        EXPECT_TRUE(fs.Fullscreen()) << c.what;
        EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint)) << c.what;
        EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowTitleHint)) << c.what;
        EXPECT_TRUE(w.windowState().testFlag(Qt::WindowFullScreen)) << c.what;
        EXPECT_EQ(w.geometry(), Screen()) << c.what;
        EXPECT_TRUE(w.isVisible()) << c.what;
        EXPECT_EQ(fs.Saved().bounds, before.geometry) << c.what;
        EXPECT_EQ(fs.Saved().state, before.state) << c.what;
        EXPECT_EQ(fs.Saved().frameless, c.frameless) << c.what;

        fs.SetFullscreen(false);
        Settle();
        WindowFacts after = FactsOf(w);
        EXPECT_FALSE(fs.Fullscreen()) << c.what;
        EXPECT_EQ(after.state, before.state) << c.what;
        EXPECT_EQ(after.flags, before.flags) << c.what;
        EXPECT_EQ(after.geometry, before.geometry) << c.what;
        if (!c.maximised) {
            EXPECT_EQ(after.normal, before.normal) << c.what;
        }
        EXPECT_TRUE(after.visible) << c.what;
        if (c.maximised) {
            // The maximised window still returns to its earlier normal bounds.
            w.setWindowState(Qt::WindowNoState);
            Settle();
            EXPECT_EQ(w.geometry(), c.bounds) << c.what;
        }
    }
}

TEST(FullScreen, SettingTheCurrentStateChangesAndSavesNothing) {
    QWidget w;
    w.setGeometry(50, 60, 320, 240);
    w.show();
    Settle();
    C_TFullScreen fs(&w);
    WindowFacts start = FactsOf(w);

    fs.SetFullscreen(false);
    EXPECT_FALSE(fs.Fullscreen());
    EXPECT_EQ(FactsOf(w).geometry, start.geometry);
    EXPECT_EQ(FactsOf(w).flags, start.flags);
    EXPECT_TRUE(fs.Saved().bounds.isNull()); // nothing was saved

    fs.SetFullscreen(true);
    Settle();
    QRect savedBounds = fs.Saved().bounds;
    // Switching on again while in full screen must not overwrite the facts with the full-screen ones.
    fs.SetFullscreen(true);
    Settle();
    EXPECT_EQ(fs.Saved().bounds, savedBounds);
    fs.SetFullscreen(false);
    Settle();
    EXPECT_EQ(w.geometry(), start.geometry);
    fs.SetFullscreen(false);
    Settle();
    EXPECT_EQ(w.geometry(), start.geometry);
}

TEST(FullScreen, FactsAreTakenAgainAtEverySwitch) {
    QWidget w;
    w.setGeometry(50, 60, 320, 240);
    w.show();
    Settle();
    C_TFullScreen fs(&w);
    fs.SetFullscreen(true);
    fs.SetFullscreen(false);
    w.setGeometry(70, 90, 330, 250);
    Settle();
    fs.SetFullscreen(true);
    fs.SetFullscreen(false);
    Settle();
    EXPECT_EQ(w.geometry(), QRect(70, 90, 330, 250));
}

TEST(FullScreen, HiddenWindowStaysHiddenAndNoWindowIsHarmless) {
    QWidget w;
    w.setGeometry(10, 20, 200, 100);
    C_TFullScreen fs(&w);
    fs.SetFullscreen(true);
    EXPECT_FALSE(w.isVisible());
    fs.SetFullscreen(false);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.geometry(), QRect(10, 20, 200, 100));

    C_TFullScreen none;
    none.SetFullscreen(true);
    EXPECT_FALSE(none.Fullscreen());

    auto* gone = new QWidget;
    C_TFullScreen late(gone);
    delete gone;
    late.SetFullscreen(true);
    EXPECT_FALSE(late.Fullscreen());
    EXPECT_EQ(late.Form(), nullptr);
}

// ---- link label ----

TEST(LabelLink, LooksLikeALink) {
    C_TLabel_Link link("www.example.com");
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    link.SetLinkCursor(QCursor(Qt::CrossCursor));
    EXPECT_EQ(link.cursor().shape(), Qt::CrossCursor);
}

void Mouse(QWidget& w, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

TEST(LabelLink, ClickReachesTheOwner) {
    C_TLabel_Link link("mail");
    link.resize(100, 20);
    int clicks = 0;
    link.onClick = [&clicks] { ++clicks; };
    struct Case {
        const char* what;
        Qt::MouseButton button;
        QPoint release;
        int clicks;
    } cases[] = {
        {"left click", Qt::LeftButton, QPoint(5, 5), 1},
        {"right click", Qt::RightButton, QPoint(5, 5), 0},
        {"released outside", Qt::LeftButton, QPoint(150, 5), 0},
        {"released at the last pixel", Qt::LeftButton, QPoint(99, 19), 1},
    };
    for (const auto& c : cases) {
        clicks = 0;
        Mouse(link, QEvent::MouseButtonPress, c.button, QPoint(5, 5));
        Mouse(link, QEvent::MouseButtonRelease, c.button, c.release);
        EXPECT_EQ(clicks, c.clicks) << c.what;
    }
    clicks = 0;
    Mouse(link, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5)); // a release without press
    EXPECT_EQ(clicks, 0);
}

// ---- shadowed hint window ----

TEST(ShadowedHint, ShowsTextWithRoomForItsShadow) {
    C_TShadowedHintWindow hint;
    hint.ShowHint("Foundation 1", QPoint(40, 50));
    EXPECT_TRUE(hint.isVisible());
    EXPECT_EQ(hint.Text(), "Foundation 1");
    EXPECT_EQ(hint.pos(), QPoint(40, 50));
    EXPECT_TRUE(hint.windowFlags().testFlag(Qt::ToolTip));
    EXPECT_NE(hint.Label()->graphicsEffect(), nullptr);
    EXPECT_GE(hint.width(), hint.Label()->width() + C_TShadowedHintWindow::kShadowOffset);
    EXPECT_GE(hint.height(), hint.Label()->height() + C_TShadowedHintWindow::kShadowOffset);
    hint.ShowHint("", QPoint(40, 50));
    EXPECT_FALSE(hint.isVisible());
}

TEST(ShadowedHint, StaysOnTheScreen) {
    C_TShadowedHintWindow hint;
    QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    hint.ShowHint("A hint near the corner of the screen", area.bottomRight());
    EXPECT_TRUE(area.contains(hint.geometry())) << hint.geometry().x() << "," << hint.geometry().y();
}

TEST(ShadowedHint, TheGateKeepsChosenHintsBack) {
    C_TShadowedHintWindow* hint = C_TShadowedHintWindow::Install();
    QLabel kept("kept"), shown("shown");
    kept.setToolTip("Kept back");
    shown.setToolTip("Shown");
    C_TShadowedHintWindow::SetGate([&](QWidget* w) { return w != &kept; });
    for (QLabel* w : {&kept, &shown}) {
        w->show();
        hint->HideHint();
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &help);
        EXPECT_EQ(hint->isVisible(), w == &shown) << w->text().toStdString();
        EXPECT_FALSE(QToolTip::isVisible()) << "nor does the toolkit show it";
    }
    C_TShadowedHintWindow::SetGate(nullptr);
    hint->HideHint();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), kept.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&kept, &help);
    EXPECT_TRUE(hint->isVisible()) << "without a gate every hint shows";
    C_TShadowedHintWindow::Uninstall();
}

TEST(ShadowedHint, InstalledForTheWholeApplication) {
    C_TShadowedHintWindow* hint = C_TShadowedHintWindow::Install();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(C_TShadowedHintWindow::Install(), hint);

    QLabel pile("pile");
    pile.setToolTip("Tableau: build down by alternate colours");
    pile.setGeometry(10, 10, 80, 30);
    pile.show();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), pile.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&pile, &help);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->Text(), "Tableau: build down by alternate colours");

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&pile, &key);
    EXPECT_FALSE(hint->isVisible());

    QLabel plain("no hint");
    plain.show();
    QApplication::sendEvent(&plain, &help);
    EXPECT_FALSE(hint->isVisible());

    C_TShadowedHintWindow::Uninstall();
    QApplication::sendEvent(&pile, &help);
    C_TShadowedHintWindow::Uninstall(); // twice is harmless
}

} // namespace

// ---- swallowing input ----

namespace {
// Counts the presses that reach it.
struct PressCounter : QWidget {
    int keys = 0, presses = 0, releases = 0, moves = 0;
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
};

void SendInput(QWidget& w) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&w, &key);
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, w.mapToGlobal(at), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w.mapToGlobal(at), Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&w, &release);
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}
} // namespace

TEST(InputSwallower, NestedSwitchingDiscardsPressesUntilTheLastOff) {
    PressCounter w;
    w.setMouseTracking(true);
    w.resize(50, 50);
    w.show();
    InputSwallower& swallower = InputSwallower::Instance();
    ASSERT_FALSE(swallower.Active());
    {
        SwallowedInput outer;
        swallower.Swallow(true); // a removal inside a deal
        SendInput(w);
        swallower.Swallow(false);
        EXPECT_TRUE(swallower.Active()) << "the outer switch keeps input swallowed";
        SendInput(w);
    }
    EXPECT_FALSE(swallower.Active());
    EXPECT_EQ(w.keys + w.presses + w.releases, 0) << "no key or button press got through";
    EXPECT_EQ(w.moves, 2) << "pointer moves are not player input to swallow";
    swallower.Swallow(false); // unmatched: harmless
    SendInput(w);
    EXPECT_EQ(w.keys, 1);
    EXPECT_EQ(w.presses, 1);
    EXPECT_EQ(w.releases, 1);
}

// Qt's shortcut map fires a menu shortcut only when the focus widget leaves the override event
// unaccepted; swallowing accepts it, so F2 cannot start a new deal in the middle of one.
TEST(InputSwallower, AcceptsShortcutOverridesWhileOn) {
    QWidget w;
    auto overridden = [&] {
        QKeyEvent over(QEvent::ShortcutOverride, Qt::Key_F2, Qt::NoModifier);
        over.ignore();
        QApplication::sendEvent(&w, &over);
        return over.isAccepted();
    };
    {
        SwallowedInput swallowed;
        EXPECT_TRUE(overridden());
    }
    EXPECT_FALSE(overridden());
}
