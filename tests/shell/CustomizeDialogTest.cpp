// The customize dialog inside the running main window: its trees, its samples drawn from the real
// pictures, "OK" writing the parameter string and Cfg.dat and changing the table picture, and
// "Cancel" (or the close box) leaving both as they were.
#include "shell/Customize_Freeware.h"
#include "shell/Main.h"
#include "shell/Startup.h"

#include "model/ConfigFile.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "table/ImageResources.h"
#include "table/TableDrawing.h"

#include "shell/PrivateInstallation.h"
#include "support/QtAppEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

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

QRgb Rgb(QRgb pixel) {
    return pixel & 0xFFFFFF;
}

class CustomizeDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.desktop = &desktop;
        install.Provide({"SOL.RGF", "GAMES.DAT", "plus", "help"});
        CreateGlobalObjects(s, install.program.path());
        WriteConfigString(s, "Preference", "MainWindowState_Maximized", "N");
        WriteConfigString(s, "Preference", "Cards_Animate", "N");
        WriteConfigString(s, "Preference", "AutoPlay", "N");
        window = CreateMainWindow(s);
        ASSERT_TRUE(window);
        window->ChooseGame = [this](int& n, std::string& name, std::string& player) {
            n = 101; // Klondike: face-down cards show the back
            name = GameName(s, n);
            player = s.Params.ReadParam(77, 30);
            return true;
        };
        window->resize(900, 650);
        window->show();
        Settle();
        window->FirstActivation();
        Settle();
        ASSERT_TRUE(s.Flag(GameInPlay));
    }
    void TearDown() override {
        dialog.reset();
        if (window)
            window->hide();
        window.reset();
    }
    TfrmCustomize_Freeware& Open() {
        dialog = std::make_unique<TfrmCustomize_Freeware>(*window);
        dialog->show();
        Settle();
        return *dialog;
    }
    // Clicks a node with the mouse, its group opened first as the player would.
    void Select(QTreeWidget* tree, const char* text) {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << text;
        for (QTreeWidgetItem* up = found[0]->parent(); up; up = up->parent())
            up->setExpanded(true);
        tree->scrollToItem(found[0]);
        Settle();
        const QPoint at = tree->visualItemRect(found[0]).center();
        QWidget* viewport = tree->viewport();
        QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        QApplication::sendEvent(viewport, &release);
        ASSERT_EQ(tree->currentItem(), found[0]) << text;
    }
    std::string Config(const std::string& key) { return ReadConfigString(s, "Preference", key, "<missing>"); }
    std::string ConfigFile() { return ReadWholeFile(ConfigPath(s)).value_or(""); }
    // A point inside the stock, which shows the card back.
    QPoint BackPlace() const { return QPoint(s.Game.GetStockX(0) + 20, s.Game.GetStockY(0) + 30); }

    PrivateInstallation install;
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<TfrmCustomize_Freeware> dialog;
};

TEST_F(CustomizeDialogTest, TreesHoldEveryNodeWithItsNumberSortedByText) {
    auto& d = Open();
    EXPECT_EQ(d.windowTitle(), "Customize");
    EXPECT_EQ(d.size(), QSize(400, 301));
    const QStringList pages = {"&General", "&Decks  ", "&Backgrounds", "&Sounds"};
    ASSERT_EQ(d.TabbedNotebook1->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(d.TabbedNotebook1->tabText(i), pages[i]);
    const struct {
        const char* parent;
        const char* text;
        int number;
    } backs[] = {{"Animals", "Tropical fish", 19}, {"Children", "Snowman", 3},
                 {"Classics", "Classic blue", 7},  {"Famous pictures", "Leonardo da Vinci", 1},
                 {"Flowers", "Roses", 14},         {"Geometric", "Plaiting 1", 11},
                 {"Geometric", "Plaiting 2", 6},   {"Nature", "Lake", 20}},
      backgrounds[] = {
          {"Colors", "Blue", 16711680},   {"Colors", "Green", 32768},  {"Colors", "Navy", 8388608},
          {"Colors", "Olive", 32896},     {"Colors", "Teal", 8421376}, {"Colors", "White", 16777215},
          {"Metal", "Metal gold", 287},   {"Nature", "Meadow", 324},   {"Tissue", "Moquette 1", 296},
          {"Walls", "Brick wall 1", 304}, {"Wood", "Parquet", 311},    {"Geometricals", "Moquette", 102}};
    auto check = [&](QTreeWidget* tree, const auto& table, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            QTreeWidgetItem* node = d.NodeWithNumber(tree, table[i].number);
            ASSERT_NE(node, nullptr) << table[i].text;
            EXPECT_EQ(node->text(0), table[i].text);
            ASSERT_NE(node->parent(), nullptr);
            EXPECT_EQ(node->parent()->text(0), table[i].parent);
            EXPECT_EQ(TfrmCustomize_Freeware::NodeNumber(node->parent()), 0) << "groups carry 0";
        }
    };
    check(d.trvCardBack, backs, std::size(backs));
    check(d.trvBackGround, backgrounds, std::size(backgrounds));
    // "Colors" first, its six colours after it, then the two groups of pictures with their subgroups.
    EXPECT_EQ(d.NodeAtIndex(d.trvBackGround, 0)->text(0), "Colors");
    EXPECT_EQ(d.NodeAtIndex(d.trvBackGround, 1)->text(0), "Blue");
    EXPECT_EQ(d.NodeAtIndex(d.trvBackGround, 6)->text(0), "White");
    EXPECT_EQ(d.NodeAtIndex(d.trvBackGround, 7)->text(0), "Over 256 colors");
    EXPECT_EQ(d.NodeAtIndex(d.trvBackGround, 8)->text(0), "Metal");
    EXPECT_EQ(d.trvBackGround->topLevelItem(2)->text(0), "Under 256 colors");
    EXPECT_EQ(d.trvCardBack->topLevelItem(0)->text(0), "Animals");
    EXPECT_EQ(d.NodeWithNumber(d.trvBackGround, 1), nullptr) << "no node stands for the custom colour";
    // Hidden controls still carry their values.
    EXPECT_FALSE(d.chkWinningAnimation->isVisible());
    EXPECT_TRUE(d.chkWinningAnimation->isChecked());
    EXPECT_FALSE(d.chkConfirmOnExit->isVisible());
    EXPECT_TRUE(d.chkTBFlatBtn->isChecked());
    EXPECT_FALSE(d.chkTBFlatBtn->isEnabled());
    EXPECT_FALSE(d.trvCardBack->currentItem()->icon(0).isNull()) << "node pictures from the library";
    // "?" opens the dialog's own help page.
    std::vector<std::string> shown;
    window->ShowHelpPage = [&](const std::string& path) { shown.push_back(path); };
    d.btnAiuto->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], install.program.path() + "help/1019.html");
    EXPECT_TRUE(FileExists(shown[0]));
}

TEST_F(CustomizeDialogTest, OkAtTheDefaultsWritesTheSameValuesBack) {
    auto& d = Open();
    EXPECT_EQ(d.trvBackGround->currentItem()->text(0), "Green");
    EXPECT_EQ(d.trvCardBack->currentItem()->text(0), "Plaiting 1");
    EXPECT_EQ(d.lblDecks->text(), "Plaiting 1");
    EXPECT_EQ(d.lblBackGround->text(), "Green");
    EXPECT_TRUE(d.chkFadeBackground->isChecked());
    EXPECT_FALSE(d.chkSoundsEnabled->isChecked());
    // The faded green sample: the colour at the top, darker below.
    const QImage& sample = d.BackgroundSample();
    EXPECT_GT(qGreen(sample.pixel(5, 0)), 0x78);
    EXPECT_LT(qGreen(sample.pixel(5, sample.height() - 1)), 0x08);
    d.btnOK->click();
    Settle();
    EXPECT_EQ(Config("Background_Fixed_Col"), "32768");
    EXPECT_EQ(Config("Back_Card"), "11");
    EXPECT_EQ(Config("Background_Def"), "N");
    EXPECT_EQ(Config("Background_bmp"), "0");
    EXPECT_EQ(Config("Fade_Background"), "Y");
    EXPECT_EQ(Config("Winning_Animation"), "Y");
    EXPECT_EQ(Config("Sounds_Enabled"), "Y");
    EXPECT_EQ(Config("ConfirmQuit"), "N");
    EXPECT_EQ(s.Params.ReadParam(21, 3), "011");
    EXPECT_EQ(s.Params.ReadParam(47, 15), "32768");
}

TEST_F(CustomizeDialogTest, OkChangesTheBackTheBackgroundAndTheFadingOfTheTable) {
    TableDrawing& table = window->Drawing();
    const QImage tableBefore = table.TableImage.copy();
    const QPoint back = BackPlace();
    auto& d = Open();
    Select(d.trvCardBack, "Lake");
    EXPECT_EQ(d.lblDecks->text(), "Lake");
    QImage lake;
    window->Images().LoadImageResource(lake, "DB020");
    ASSERT_FALSE(lake.isNull());
    const int bx = TfrmCustomize_Freeware::kBackLeft, by = TfrmCustomize_Freeware::kBackTop;
    EXPECT_EQ(Rgb(d.DeckSample().pixel(bx + 35, by + 48)), Rgb(lake.scaled(71, 96).pixel(35, 48)))
        << "the sample shows the chosen back";
    Select(d.trvBackGround, "Blue");
    d.chkFadeBackground->click(); // off
    EXPECT_EQ(Rgb(d.BackgroundSample().pixel(3, 3)), 0x0000FFu);
    EXPECT_EQ(Rgb(d.BackgroundSample().pixel(3, d.BackgroundSample().height() - 2)), 0x0000FFu) << "plain";
    d.TabbedNotebook1->setCurrentIndex(1);
    EXPECT_EQ(Rgb(d.DeckSample().pixel(2, 2)), 0x0000FFu) << "the deck page shows the same background";
    d.btnOK->click();
    Settle();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(Config("Back_Card"), "20");
    EXPECT_EQ(Config("Background_Fixed_Col"), "16711680");
    EXPECT_EQ(Config("Fade_Background"), "N");
    EXPECT_EQ(Config("Background_Def"), "N");
    EXPECT_EQ(s.Params.ReadParam(21, 3), "020");
    EXPECT_EQ(s.Params.ReadParam(135, 1), "N");
    // The table picture: a plain blue table, and the face-down cards show the lake.
    const QImage& after = table.TableImage;
    EXPECT_EQ(Rgb(table.BackgroundPixel(2, 2)), 0x0000FFu);
    EXPECT_EQ(Rgb(table.BackgroundPixel(2, table.TableImage.height() - 40)), 0x0000FFu);
    EXPECT_NE(Rgb(tableBefore.pixel(2, 2)), 0x0000FFu);
    EXPECT_NE(Rgb(after.pixel(back)), Rgb(tableBefore.pixel(back)));
    EXPECT_EQ(after.pixel(back), window->Images().CardBackImage.pixel(20, 30));
}

TEST_F(CustomizeDialogTest, CancelAndTheCloseBoxLeaveTheFileAndTheTableUntouched) {
    for (bool closeBox : {false, true}) {
        const std::string file = ConfigFile();
        const std::string params[] = {s.Params.ReadParam(21, 3),  s.Params.ReadParam(47, 15),
                                      s.Params.ReadParam(135, 1), s.Params.ReadParam(27, 1),
                                      s.Params.ReadParam(43, 4),  s.Params.ReadParam(141, 1)};
        // The table as a full drawing shows it with the settings in force.
        window->RedrawTable();
        const QImage tableBefore = window->Drawing().TableImage.copy();
        auto& d = Open();
        Select(d.trvCardBack, "Roses");
        Select(d.trvBackGround, "Parquet");
        d.chkFadeBackground->click();
        d.chkSoundsEnabled->click();
        d.chkShowTime->click();
        if (closeBox)
            d.close();
        else
            d.btnAnnulla->click();
        Settle();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(ConfigFile(), file) << (closeBox ? "close box" : "Cancel");
        const std::string paramsAfter[] = {s.Params.ReadParam(21, 3),  s.Params.ReadParam(47, 15),
                                           s.Params.ReadParam(135, 1), s.Params.ReadParam(27, 1),
                                           s.Params.ReadParam(43, 4),  s.Params.ReadParam(141, 1)};
        for (size_t i = 0; i < std::size(params); ++i)
            EXPECT_EQ(paramsAfter[i], params[i]) << i;
        EXPECT_EQ(window->Drawing().TableImage, tableBefore) << "the table was rebuilt as it was";
        EXPECT_TRUE(window->TimePanel()->isVisible());
    }
}

TEST_F(CustomizeDialogTest, PicturesGroupsAndSoundsFollowTheirRows) {
    {
        auto& d = Open();
        Select(d.trvBackGround, "Parquet");
        QImage parquet;
        window->Images().LoadImageResource(parquet, "B311");
        ASSERT_FALSE(parquet.isNull());
        EXPECT_EQ(Rgb(d.BackgroundSample().pixel(1, 1)), Rgb(parquet.pixel(1, 1)))
            << "drawn from the picture";
        Select(d.trvCardBack, "Geometric"); // a group: the back stays as it was
        d.chkSoundsEnabled->click();
        d.btnOK->click();
        Settle();
        EXPECT_EQ(Config("Background_bmp"), "311");
        EXPECT_EQ(Config("Background_Def"), "N");
        EXPECT_EQ(Config("Background_Fixed_Col"), "0");
        EXPECT_EQ(Config("Back_Card"), "11");
        EXPECT_EQ(Config("Sounds_Enabled"), "N");
        EXPECT_EQ(s.Params.ReadParam(141, 1), "N");
        EXPECT_EQ(Rgb(window->Drawing().BackgroundPixel(1, 1)), Rgb(parquet.pixel(1, 1)));
    }
    {
        auto& d = Open();
        EXPECT_EQ(d.trvBackGround->currentItem()->text(0), "Parquet");
        EXPECT_TRUE(d.chkSoundsEnabled->isChecked());
        Select(d.trvBackGround, "Colors");
        d.btnOK->click();
        Settle();
        EXPECT_EQ(Config("Background_Def"), "Y");
        EXPECT_EQ(Config("Background_bmp"), "0");
    }
    {
        // The default background opens on "Blue", with the blue sample.
        auto& d = Open();
        EXPECT_EQ(d.trvBackGround->currentItem()->text(0), "Blue");
        EXPECT_EQ(d.lblBackGround->text(), "Blue");
        EXPECT_GT(qBlue(d.BackgroundSample().pixel(3, 0)), 0xF0);
        EXPECT_EQ(qRed(d.BackgroundSample().pixel(3, 0)), 0);
        d.btnAnnulla->click();
    }
}

TEST_F(CustomizeDialogTest, FewColoursOrNoFadingPaintAPlainSample) {
    window->Images().services.ManyColours = false;
    auto& d = Open();
    ASSERT_TRUE(d.chkFadeBackground->isChecked());
    Select(d.trvBackGround, "Teal");
    const QImage& sample = d.BackgroundSample();
    EXPECT_EQ(sample.pixel(4, 2), sample.pixel(4, sample.height() - 1));
    window->Images().services.ManyColours = true;
    d.chkFadeBackground->click();
    d.chkFadeBackground->click(); // on again: repainted faded
    EXPECT_NE(d.BackgroundSample().pixel(4, 2),
              d.BackgroundSample().pixel(4, d.BackgroundSample().height() - 1));
    d.btnAnnulla->click();
}

TEST_F(CustomizeDialogTest, TheMenuCommandOpensTheDialogAndOkAppliesThePanels) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = dynamic_cast<TfrmCustomize_Freeware*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        seen = true;
        d->chkShowScore->click();       // off
        d->chkConfirmQuitGame->click(); // on
        d->btnOK->click();
    });
    window->Action("mnuCustomize")->trigger();
    Settle();
    EXPECT_TRUE(seen);
    EXPECT_EQ(Config("Show_Score"), "N");
    EXPECT_EQ(s.Params.ReadParam(136, 1), "N");
    EXPECT_FALSE(window->ScorePanel()->isVisible());
    EXPECT_EQ(Config("ConfirmQuitGame"), "Y");
    EXPECT_EQ(s.Params.ReadParam(185, 1), "Y");
    EXPECT_EQ(window->Action("mnuCustomize")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
}

} // namespace
