// The main window's pictures, sounds and small windows: the two toolbar picture styles, the
// restore buttons and menu pictures, the hidden toolbar, the new-game sound, About, the help
// window with its links, the dialog font fallback and the redraw of a faded table on displays of
// few colours.
#include "shell/About.h"
#include "shell/Customize_Freeware.h"
#include "shell/HelpWindow.h"
#include "shell/Main.h"
#include "shell/Startup.h"

#include "model/ConfigFile.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/SoundPlayer.h"
#include "support/widgets/C_AdvancedForm.h"
#include "support/widgets/C_Label_Link.h"
#include "table/ImageResources.h"
#include "table/TableDrawing.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace quillon;
using quillon::testing::PrivateInstallation;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

void Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

class MainWindowLookTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "plus", "help"});
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "MainWindowState_Maximized", "N");
        WriteConfigString(s, "Preference", "Cards_Animate", "N");
        WriteConfigString(s, "Preference", "AutoPlay", "N");
    }
    void TearDown() override {
        if (window)
            window->hide();
        window.reset();
        PreferredFont::SetFontLookup(nullptr);
        PreferredFont::ResetCache();
    }
    void Start() {
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [this](int& n, std::string& name, std::string& player) {
            n = 87;
            name = GameName(s, n);
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->resize(900, 650);
        window->show();
        Settle();
    }
    // The library picture as the toolbar shows it.
    QImage Picture(const std::string& name) {
        QImage img;
        window->Images().LoadImageResource(img, name);
        return img.convertToFormat(QImage::Format_RGB32);
    }
    QImage IconImage(const QIcon& icon, QSize size) {
        return icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // True when the icon shows the picture: every pixel that is not the transparent colour
    // (the top-left one) is the picture's.
    bool Shows(const QIcon& icon, const QImage& picture) {
        if (icon.isNull() || picture.isNull())
            return false;
        const QImage shown = IconImage(icon, picture.size());
        if (shown.size() != picture.size())
            return false;
        const QRgb clear = picture.pixel(0, 0);
        int compared = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != clear) {
                    ++compared;
                    if (shown.pixel(x, y) != picture.pixel(x, y))
                        return false;
                }
        return compared > 0;
    }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(MainWindowLookTest, Win98StyleLoadsTheClassicPicturesWhateverTheScrollBarSetting) {
    WriteConfigString(s, "Preference", "ToolBar_XP", "N");
    WriteConfigString(s, "Preference", "VertScrollBar", "Y");
    Start();
    const QImage classic = Picture("2000_TB_NEW_SMALL"), xp = Picture("TB_NEW_SMALL");
    ASSERT_NE(classic, xp) << "the two styles differ";
    EXPECT_TRUE(Shows(window->Action("tbNew_Small")->icon(), classic));
    EXPECT_TRUE(Shows(window->Action("tbExit_Large")->icon(), Picture("2000_TB_EXIT_LARGE")));
    EXPECT_TRUE(window->Action("mnuWin98Style")->isChecked());
    window->Action("mnuXPStyle")->trigger();
    EXPECT_EQ(ReadConfigString(s, "Preference", "ToolBar_XP", ""), "Y");
    EXPECT_TRUE(Shows(window->Action("tbNew_Small")->icon(), xp));
    EXPECT_TRUE(Shows(window->Action("mnuNew")->icon(), xp)) << "the menu follows";
    window->Action("mnuWin98Style")->trigger();
    EXPECT_TRUE(Shows(window->Action("tbNew_Small")->icon(), classic));
}

TEST_F(MainWindowLookTest, RestoreButtonsAndMenuItemsShowTheirPictures) {
    Start();
    for (const char* name : {"tbRestoreAfterFS_Small", "tbRestoreAfterFS_Large"}) {
        auto* button = window->findChild<QToolButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_EQ(button->toolTip(), "Restore");
    }
    EXPECT_TRUE(Shows(window->findChild<QToolButton*>("tbRestoreAfterFS_Large")->icon(),
                      Picture("TB_RESTORE_AFTER_F11_LARGE")));
    EXPECT_TRUE(Shows(window->Action("mnuCustomize")->icon(), Picture("MN_CUSTOMIZE")));
    EXPECT_TRUE(Shows(window->Action("mnuHomePage")->icon(), Picture("MN_WEB")));
    window->Action("mnuHomePage")->trigger();
    ASSERT_EQ(desktop.urls.size(), 1u);
    EXPECT_EQ(desktop.urls[0], kHomePage);
    EXPECT_EQ(desktop.urls[0].rfind("https://", 0), 0u);
    EXPECT_EQ(desktop.urls[0].find("example"), std::string::npos) << "a real address, not a placeholder";
}

TEST_F(MainWindowLookTest, AHiddenToolbarKeepsThePanels) {
    WriteConfigString(s, "Preference", "ToolBar_Visible", "N");
    Start();
    EXPECT_FALSE(window->ToolbarVisible());
    EXPECT_FALSE(window->VisibleToolbar()->isVisible());
    EXPECT_TRUE(window->TimePanel()->isVisible());
    EXPECT_TRUE(window->ScorePanel()->isVisible());
}

TEST_F(MainWindowLookTest, TheNewGameSoundHasItsOwnSwitchAndLetsTheWindowPaint) {
    Start();
    window->FirstActivation();
    Settle();
    ASSERT_TRUE(s.Flag(GameInPlay));
    const struct {
        const char* master;
        const char* newGame;
        bool heard;
    } cases[] = {{"Y", "Y", true}, {"Y", "N", false}, {"N", "Y", false}};
    for (const auto& c : cases) {
        s.Params.WriteParam(141, 1, c.master);
        s.Params.WriteParam(145, 1, c.newGame);
        if (s.Sound)
            s.Sound->Stop();
        // A timer event that runs while the command waits for the sound: the window is not frozen.
        bool ranWhilePlaying = false, ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            ranWhilePlaying = s.Sound && s.Sound->IsPlaying();
        });
        const std::string code = s.Params.ReadParam(153, 15);
        window->NewGameCommand();
        EXPECT_NE(s.Params.ReadParam(153, 15), code) << "a new deal";
        Settle();
        EXPECT_TRUE(ran);
        EXPECT_EQ(ranWhilePlaying, c.heard) << c.master << c.newGame;
    }
}

TEST_F(MainWindowLookTest, AboutShowsTheVersionAndItsLinksAndPlaysItsSound) {
    Start();
    for (const char* sound : {"Y", "N"}) {
        s.Params.WriteParam(141, 1, "Y");
        s.Params.WriteParam(142, 1, sound);
        if (s.Sound)
            s.Sound->Stop();
        desktop.urls.clear();
        bool seen = false, playing = false;
        QString version;
        std::vector<std::string> pages;
        window->ShowHelpPage = [&](const std::string& path) { pages.push_back(path); };
        QTimer::singleShot(0, [&] {
            auto* about = dynamic_cast<TfrmAbout*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            seen = true;
            playing = s.Sound && s.Sound->IsPlaying();
            version = about->findChild<QLabel*>("lblVersion")->text();
            EXPECT_EQ(about->lblHomePage->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            EXPECT_TRUE(about->lblHomePage->font().underline());
            for (C_TLabel_Link* link : {about->lblHomePage, about->lblHowToPlay}) {
                QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2),
                                    link->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::NoButton,
                                    Qt::NoModifier);
                QApplication::sendEvent(link, &press);
                QApplication::sendEvent(link, &release);
            }
            about->accept();
        });
        window->Action("mnuAbout")->trigger();
        EXPECT_TRUE(seen);
        EXPECT_EQ(playing, std::string(sound) == "Y");
        EXPECT_EQ(version.toStdString(), VersionLine());
        EXPECT_NE(version.indexOf("3.2"), -1);
        EXPECT_EQ(desktop.urls, std::vector<std::string>{kHomePage});
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_TRUE(FileExists(pages[0])) << pages[0];
    }
}

TEST_F(MainWindowLookTest, TheHelpWindowShowsTheRulesAndFollowsLinksInside) {
    Start();
    window->FirstActivation();
    Settle();
    window->RulesCommand();
    auto* help = dynamic_cast<THelpWindow*>(window->findChild<QWidget*>("frmHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTextBrowser* browser = help->Browser();
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("rules/3087.html"))
        << browser->source().toString().toStdString();
    EXPECT_NE(help->windowTitle().indexOf("Put-Them-In-Order"), -1);
    // The contents, reached from the rules page, links the rules page of every game.
    window->Action("mnuContents")->trigger();
    EXPECT_EQ(window->findChildren<QWidget*>("frmHelp").size(), 1) << "one help window";
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("help/contents.html"));
    EXPECT_NE(browser->toHtml().indexOf("FreeCell"), -1);
    help->FollowLink(QUrl("rules/3103.html"));
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("help/rules/3103.html"));
    EXPECT_NE(help->windowTitle().indexOf("FreeCell"), -1);
    help->FollowLink(QUrl("../howtoplay.html"));
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("help/howtoplay.html"));
    EXPECT_TRUE(FileExists(browser->source().toLocalFile().toStdString()));
    EXPECT_TRUE(desktop.urls.empty());
    help->FollowLink(QUrl("https://www.example.com/more"));
    EXPECT_EQ(desktop.urls, std::vector<std::string>{"https://www.example.com/more"}) << "the web goes out";
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("help/howtoplay.html"));
    help->close();
}

TEST_F(MainWindowLookTest, WithoutTheDialogFontEveryWindowUsesTheFallback) {
    PreferredFont::ResetCache();
    PreferredFont::SetFontLookup([] { return QStringList{"DejaVu Sans", "Liberation Serif"}; });
    Start();
    EXPECT_EQ(window->font().family(), "MS Sans Serif");
    TfrmCustomize_Freeware customize(*window);
    customize.show();
    Settle();
    EXPECT_EQ(customize.font().family(), "MS Sans Serif");
    EXPECT_EQ(customize.lblDecks->font().family(), "MS Sans Serif");
    customize.btnAnnulla->click();
    TfrmAbout about(*window);
    about.show();
    Settle();
    EXPECT_EQ(about.font().family(), "MS Sans Serif");
    about.accept();
}

TEST_F(MainWindowLookTest, AFadedDefaultTableIsDrawnAgainOnActivationWithFewColours) {
    Start();
    window->FirstActivation();
    Settle();
    const struct {
        bool many;
        const char *fade, *byDefault, *picture;
        bool redraw;
    } cases[] = {{false, "Y", "Y", "311", true},
                 {false, "Y", "N", "0", true},
                 {false, "Y", "N", "311", false},
                 {false, "N", "Y", "0", false},
                 {true, "Y", "Y", "0", false}};
    for (const auto& c : cases) {
        window->Images().services.ManyColours = c.many;
        s.Params.WriteParam(135, 1, c.fade);
        s.Params.WriteParam(27, 1, c.byDefault);
        s.Params.WriteParam(43, 4, c.picture);
        EXPECT_EQ(window->FadedRedrawOnActivation(), c.redraw)
            << c.many << c.fade << c.byDefault << c.picture;
    }
    // The activation itself: a scribble on the table picture is painted over.
    window->Images().services.ManyColours = false;
    s.Params.WriteParam(135, 1, "Y");
    s.Params.WriteParam(27, 1, "Y");
    QImage& table = window->Drawing().TableImage;
    table.setPixel(3, 3, qRgb(1, 2, 3));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_NE(table.pixel(3, 3) & 0xFFFFFF, 0x010203u);
    window->Images().services.ManyColours = true;
    s.Params.WriteParam(135, 1, "N");
    table.setPixel(3, 3, qRgb(1, 2, 3));
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(table.pixel(3, 3) & 0xFFFFFF, 0x010203u) << "with many colours nothing is redrawn";
}

} // namespace
