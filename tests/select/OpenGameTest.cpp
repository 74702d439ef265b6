#include "select/OpenGame.h"
#include "select/PreviewFile.h"

#include "common/TempFolder.h"
#include "model/ConfigFile.h"
#include "model/Deal.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/ResourceLibrary.h"
#include "select/StatisticsText.h"
#include "support/QtAppEnvironment.h"
#include "table/ImageResources.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

std::string BuiltProgramFolder() {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    return dir ? WithSlash(dir) : std::string();
}

TEST(OpenGameFacts, ChanceOfWinningShowsTheCountsOnlyWhenThereAreSome) {
    struct Case {
        int chance, won, of;
        std::string text;
    } cases[] = {
        {2, 0, 0, "Medium"},
        {2, 38, 100, "Medium (38 in 100  -  38%)"},
        {0, 1, 3, "Very high (1 in 3  -  33.3%)"},
        {4, 2, 3, "Very low (2 in 3  -  66.7%)"},
        {1, 1, 200, "High (1 in 200  -  0.5%)"},
        {3, 7, 7, "Low (7 in 7  -  100%)"},
        {9, 0, 0, ""}, // a value without a text
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChanceOfWinningText(c.chance, c.won, c.of), c.text) << c.won << " in " << c.of;
}

TEST(OpenGameFacts, RedealsDecksAndTextsOfEachValue) {
    EXPECT_EQ(RedealsText(3), "2");
    EXPECT_EQ(RedealsText(1), "0");
    EXPECT_EQ(RedealsText(0), "0");
    EXPECT_EQ(RedealsText(-1), "Unlimited");
    EXPECT_EQ(GameTimeText(0), "Long");
    EXPECT_EQ(GameTimeText(2), "Quick");
    EXPECT_EQ(GameTimeText(3), "");
    EXPECT_EQ(DifficultyText(1), "Medium");
    EXPECT_EQ(SkillText(4), "Chance only");
    EXPECT_EQ(SkillText(-1), "");
    EXPECT_EQ(SkillPicture(1), "PROG_SKILL_MOSTLYSKILL");
    EXPECT_EQ(ChancePicture(0), "PROG_CHAN_VERYHIGH");
    EXPECT_EQ(GameTimePicture(1), "PROG_TIME_MEDIUM");
}

TEST(OpenGameFamilies, IconNamesFollowTheFamilyAndTheResult) {
    EXPECT_EQ(FamilyIconName(5), "TREE5_KLONDIKE_TYPE");
    EXPECT_EQ(FamilyIconName(5, 1), "TREE5_KLONDIKE_TYPE_WIN");
    EXPECT_EQ(FamilyIconName(9, 2), "TREE5_1DECK_TYPE_NOWIN");
    EXPECT_EQ(FamilyIconName(27, 0), "TREE5_SLYFOX_TYPE_NOPLAYED");
    EXPECT_EQ(FamilyIconName(800), "TREE5_CUSTOMIZED_GAMES");
    EXPECT_EQ(FamilyIconName(800, 1), "TREE5_CUSTOMIZED_GAMES_WIN");
    EXPECT_EQ(FamilyIconName(5, 3), "");
    EXPECT_EQ(FamilyIconName(1), "");
    EXPECT_EQ(FamilyIconName(28), "");
    // Every family has its own group node.
    std::set<int> codes;
    for (const GameFamily& f : GameFamilies())
        EXPECT_TRUE(codes.insert(f.groupCode).second) << f.groupCaption;
    EXPECT_EQ(GameFamilies().size(), 27u);
}

TEST(OpenGameRecords, SortedByNameWithoutRegardToCase) {
    auto line = [](const char* family, const char* number, char fresh, const char* name) {
        std::string l = std::string(family) + " " + number + "4" + "0" + fresh + name;
        return l;
    };
    const auto records =
        BuildGameRecords({line("005", "101", '0', "klondike"), line("004", "103", '1', "FreeCell"),
                          line("014", "087", '0', "Put-Them-In-Order"), "2  7"});
    ASSERT_EQ(records.size(), 4u);
    for (const auto& r : records)
        EXPECT_EQ(r.size(), 57u);
    EXPECT_EQ(records[1].substr(0, 8), "FreeCell");
    EXPECT_EQ(records[1].substr(50), "0041031");
    EXPECT_EQ(records[2].substr(0, 8), "klondike");
    EXPECT_EQ(records[2].substr(50), "0051010");
    EXPECT_EQ(records[3].substr(50), "0140870");
    EXPECT_EQ(records[0], std::string(50, ' ') + "2      ")
        << "a short line is padded, not read beyond its end";
}

TEST(PreviewRecords, GroupsFromTheFifthCharacterOn) {
    struct Case {
        std::string restored;
        std::vector<PreviewPiece> pieces;
        bool table;
    } cases[] = {
        {"0000", {}, false},
        {"", {}, false},
        {"00000", {}, true},
        {"000000501002", {}, true}, // 12 characters: no complete group
        {"0000005010020", {{5, 10, 20}}, true},
        {"xxxx005010020053999000", {{5, 10, 20}, {53, 999, 0}}, true},
        {"0000005010020054001002", {{5, 10, 20}, {54, 1, 2}}, true},
        {"0000000010020100010020099000000", {{99, 0, 0}}, true}, // picture 0 and 100 draw nothing
        {"000000a010020001-01020001001002", {{1, 1, 2}}, true},  // groups that are not numbers
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParsePreviewRecord(c.restored), c.pieces) << c.restored;
        EXPECT_EQ(PreviewRecordShowsTable(c.restored), c.table) << c.restored;
    }
}

TEST(PreviewRecords, StoredLinesRoundTripAndNeverHoldLineBreaks) {
    const std::vector<PreviewPiece> pieces = {{1, 0, 0}, {52, 278, 160}, {99, 999, 999}, {54, -5, 1200}};
    const std::string restored = FormatPreviewRecord(pieces);
    EXPECT_EQ(restored, "0000001000000052278160099999999054000999");
    const std::string stored = StorePreviewRecord(restored);
    EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos);
    // The key is applied cyclically: character 11 uses the key's first digit again.
    EXPECT_EQ(stored[0], char('0' + '7'));
    EXPECT_EQ(stored[10], char(restored[10] + '7'));

    TempFolder dir;
    ASSERT_TRUE(
        WriteFileAtomic(dir.path() + "solp.dat", "\r\n" + stored + "\r\n" + StorePreviewRecord("0000")));
    auto lines = ReadPreviewFile(dir.path() + "solp.dat");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ(PreviewRecord(*lines, 0), std::string());
    EXPECT_EQ(PreviewRecord(*lines, 1), restored);
    EXPECT_EQ(PreviewRecord(*lines, 2), "0000");
    EXPECT_FALSE(PreviewRecord(*lines, 3));
    EXPECT_FALSE(PreviewRecord(*lines, -1));
    EXPECT_FALSE(ReadPreviewFile(dir.path() + "missing.dat"));
}

// The preview file the build made: every game of the definition file has its line, every line
// decodes, and every picture lies inside the preview area.
TEST(BuiltPreviewFile, EveryGameHasARecordThatFitsThePreviewArea) {
    Session s;
    s.ProgramFolder = BuiltProgramFolder();
    ASSERT_TRUE(ReadGameList(s));
    ASSERT_FALSE(s.Game.GameList.empty());
    auto lines = ReadPreviewFile(FindNoCase(s.ProgramFolder, "solp.dat"));
    ASSERT_TRUE(lines) << "solp.dat is built beside GAMES.DAT";
    ResourceLibrary library;
    ASSERT_TRUE(library.Open(FindNoCase(s.ProgramFolder, "SOL.RGF")));
    for (const std::string& line : s.Game.GameList) {
        const int game = std::atoi(line.substr(4, 3).c_str());
        SCOPED_TRACE("game " + std::to_string(game));
        auto record = PreviewRecord(*lines, game);
        ASSERT_TRUE(record);
        if (!PreviewRecordShowsTable(*record)) {
            // The table is shown by a picture of its own, which must exist.
            EXPECT_TRUE(library.Has(ResourceKind::Bitmap, "GAME" + FormatFixed(game, 4)));
            continue;
        }
        ASSERT_EQ((record->size() - 4) % 9, 0u) << "only whole groups";
        const auto pieces = ParsePreviewRecord(*record);
        EXPECT_EQ(pieces.size(), (record->size() - 4) / 9) << "every group decodes";
        EXPECT_FALSE(pieces.empty());
        for (const PreviewPiece& p : pieces) {
            EXPECT_GE(p.picture, 1);
            EXPECT_LE(p.picture, 99);
            EXPECT_LE(p.x + kPreviewOffsetX + kPreviewCardWidth, kPreviewWidth);
            EXPECT_LE(p.y + kPreviewOffsetY + kPreviewCardHeight, kPreviewHeight);
        }
    }
}

// The dialog over the built program folder, with a private data folder.
class OpenGameDialogTest : public ::testing::Test {
protected:
    OpenGameDialogTest() {
        s.ProgramFolder = BuiltProgramFolder();
        s.DataFolder = data.path();
        s.desktop = &desktop;
        EXPECT_TRUE(ReadGameList(s));
        EXPECT_TRUE(OpenMainLibrary(s));
        s.Params.WriteParam(kParamGame, kParamGameWidth, "0087");
        s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, "Player 1");
        WriteConfigString(s, "Users", "User001", "Player 1");
    }
    std::unique_ptr<TfrmOpenGame> Dialog() {
        auto d = std::make_unique<TfrmOpenGame>(s, images);
        d->PrepareShowing();
        return d;
    }
    QTreeWidgetItem* Node(QTreeWidget* tree, const QString& caption) {
        auto found = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    TempFolder data;
    RecordingDesktop desktop;
    Session s;
    ImageResources images{s};
};

TEST_F(OpenGameDialogTest, WithoutASavedListTheAlphabeticalListShowsWithTheCurrentGameSelected) {
    auto d = Dialog();
    EXPECT_EQ(d->TreeType(), 0);
    EXPECT_EQ(d->VisibleList(), d->trvAllGames);
    EXPECT_FALSE(d->trvAllGames->isHidden());
    EXPECT_TRUE(d->trvGameGroups->isHidden());
    ASSERT_EQ(d->trvAllGames->topLevelItemCount(), int(s.Game.GameList.size()));
    for (int i = 1; i < d->trvAllGames->topLevelItemCount(); ++i)
        EXPECT_LE(d->trvAllGames->topLevelItem(i - 1)->text(0).compare(
                      d->trvAllGames->topLevelItem(i)->text(0), Qt::CaseInsensitive),
                  0);
    EXPECT_EQ(d->SelectedGame(), 87);
    EXPECT_EQ(d->lblGameName->text(), "Put-Them-In-Order (3x3 square)");
    EXPECT_TRUE(d->btnOK->isEnabled());
    EXPECT_TRUE(d->tbRules->isEnabled());
    EXPECT_FALSE(d->pnlDescGame->isHidden());
    EXPECT_EQ(d->lblDecks->text(), "1");
}

TEST_F(OpenGameDialogTest, AGroupNodeDisablesOkAndRulesAndShowsTheLogo) {
    WriteConfigInteger(s, "Preference", "Game_TreeType", 1);
    auto d = Dialog();
    ASSERT_EQ(d->VisibleList(), d->trvGameGroups);
    QTreeWidgetItem* klondikes = Node(d->trvGameGroups, "Klondike type");
    ASSERT_TRUE(klondikes);
    ASSERT_EQ(klondikes->childCount(), 1);
    EXPECT_EQ(klondikes->child(0)->text(0), "nil") << "groups are filled on first need";
    d->trvGameGroups->setCurrentItem(klondikes);
    EXPECT_FALSE(d->btnOK->isEnabled());
    EXPECT_FALSE(d->tbRules->isEnabled());
    EXPECT_TRUE(d->pnlDescGame->isHidden());
    EXPECT_FALSE(d->pnlLogo->isHidden());
    // Selecting the group filled it with the family's games.
    ASSERT_GE(klondikes->childCount(), 2);
    for (int i = 0; i < klondikes->childCount(); ++i)
        EXPECT_EQ(GameGroup(s, klondikes->child(i)->data(0, Qt::UserRole).toInt()), 5);
    // OK with no game: the information box, the dialog stays.
    d->OkClick();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Open a game");
    d->RulesClick();
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[1].text, "Select a game");
    // The custom games group holds the hint while there are no custom games.
    QTreeWidgetItem* custom = Node(d->trvGameGroups, "Customized games");
    ASSERT_TRUE(custom);
    custom->setExpanded(true);
    ASSERT_EQ(custom->childCount(), 1);
    EXPECT_EQ(custom->child(0)->text(0), "(How to customize a game)");
    EXPECT_EQ(custom->child(0)->data(0, Qt::UserRole).toInt(), node::CustomizeHint);
}

TEST_F(OpenGameDialogTest, ACustomGameShowsItsOwnTextsPassesAndTheBaseGamesPreview) {
    // One custom game on Klondike with four passes through the stock.
    std::string name = "My Klondike";
    name.resize(50, ' ');
    std::string record = "8001" + name + "0101\r\n0000041\r\n";
    for (int i = 0; i < 28; ++i)
        record += "filler\r\n";
    ASSERT_TRUE(WriteFileAtomic(data.path() + "GAM_CUST.DAT", "header\r\n" + record));
    WriteConfigInteger(s, "Preference", "Game_TreeType", 1);
    auto d = Dialog();
    QTreeWidgetItem* group = Node(d->trvGameGroups, "Customized games");
    ASSERT_TRUE(group);
    group->setExpanded(true);
    QTreeWidgetItem* custom = Node(d->trvGameGroups, "My Klondike");
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->data(0, Qt::UserRole).toInt(), 8001);
    d->trvGameGroups->setCurrentItem(custom);
    EXPECT_EQ(d->lblGameName->text(), "My Klondike");
    for (QLabel* l : {d->lblGameTime, d->lblDiffRules, d->lblSkill, d->lblDiffWin})
        EXPECT_EQ(l->text(), "Customized game");
    EXPECT_EQ(d->lblRedeal->text(), "3");
    EXPECT_EQ(d->lblDecks->text(), "1");
    EXPECT_EQ(d->imgGame->pixmap().toImage(),
              d->DrawPreview(101).convertToFormat(d->imgGame->pixmap().toImage().format()));
    EXPECT_TRUE(d->btnOK->isEnabled());
    int rules = -1;
    d->ShowRules = [&](int game) { rules = game; };
    d->RulesClick();
    EXPECT_EQ(rules, -1) << "custom games have no rules page";
}

TEST_F(OpenGameDialogTest, OkStoresTheChoiceAndItsPlaceInTheTree) {
    WriteConfigInteger(s, "Preference", "Game_TreeType", 1);
    auto d = Dialog();
    int rulesShown = -1;
    d->ShowRules = [&](int game) { rulesShown = game; };
    QTreeWidgetItem* group = Node(d->trvGameGroups, "FreeCell type");
    ASSERT_TRUE(group);
    group->setExpanded(true);
    QTreeWidgetItem* freecell = Node(d->trvGameGroups, "FreeCell");
    ASSERT_TRUE(freecell);
    d->trvGameGroups->setCurrentItem(freecell);
    d->RulesClick();
    EXPECT_EQ(rulesShown, 103);
    d->OkClick();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(ReadConfigInteger(s, "Preference", "Game", -1), 103);
    EXPECT_EQ(ReadConfigString(s, "Preference", "Game_Name", ""), "FreeCell");
    EXPECT_EQ(ReadConfigInteger(s, "Preference", "Game_TreeNum", 0), -202025);
    EXPECT_EQ(ReadConfigInteger(s, "Preference", "Game_TreeType", -9), 1);
    EXPECT_EQ(ReadConfigString(s, "Preference", "Open_Show_Won_Lost", ""), "N");
    // The position counts every node from the top: the custom group with its placeholder, "Game
    // Type", the family groups before FreeCell's with their placeholders, the FreeCell group.
    int position = 0;
    for (QTreeWidgetItemIterator it(d->trvGameGroups); *it && *it != freecell; ++it)
        ++position;
    EXPECT_EQ(ReadConfigInteger(s, "Preference", "Game_TreePos", -9), position);
    EXPECT_GT(position, 20);
}

TEST_F(OpenGameDialogTest, TheRememberedGroupIsFilledWithTheCurrentGameSelected) {
    WriteConfigInteger(s, "Preference", "Game_TreeType", 1);
    WriteConfigInteger(s, "Preference", "Game_TreeNum", -202030);
    s.Params.WriteParam(kParamGame, kParamGameWidth, "0102");
    auto d = Dialog();
    EXPECT_EQ(d->SelectedGame(), 102);
    QTreeWidgetItem* item = d->trvGameGroups->currentItem();
    ASSERT_TRUE(item && item->parent());
    EXPECT_EQ(item->parent()->text(0), "Klondike type");
    EXPECT_TRUE(item->parent()->isExpanded());
    EXPECT_EQ(d->lblGameName->text(), "Klondike by Threes");
    EXPECT_EQ(d->lblRedeal->text(), "2") << "three passes through the stock";
}

TEST_F(OpenGameDialogTest, TypedLettersMoveToTheFirstGameStartingWithThem) {
    WriteConfigInteger(s, "Preference", "Game_TreeType", 1);
    auto d = Dialog();
    GameTree* tree = d->trvGameGroups;
    // Games inside closed, unfilled groups are found too.
    for (QChar c : QString("kl")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (c.unicode() - 'a'), Qt::NoModifier, QString(c));
        QApplication::sendEvent(tree, &press);
    }
    ASSERT_GE(d->SelectedGame(), 0);
    EXPECT_TRUE(d->lblGameName->text().startsWith("Klondike"));
    EXPECT_TRUE(tree->currentItem()->parent()->isExpanded());
    EXPECT_FALSE(tree->SelectGameStartingWith("zzz"));
    d->ShowList(0);
    ASSERT_TRUE(d->trvAllGames->SelectGameStartingWith("fr"));
    EXPECT_EQ(d->trvAllGames->currentItem()->text(0), "FreeCell");
}

TEST_F(OpenGameDialogTest, WonAndLostIconsFollowThePlayersResults) {
    auto d = Dialog();
    std::map<int, int> status = {{101, 1}, {103, 2}};
    d->GameStatus = [&](int game) { return status.count(game) ? status[game] : 0; };
    auto iconOf = [&](const char* caption) {
        return Node(d->trvAllGames, caption)->icon(0).pixmap(16, 16).toImage();
    };
    const QImage plain = iconOf("Klondike");
    d->chkWonLost->setChecked(true); // re-chooses every icon
    auto picture = [&](const std::string& name) {
        QImage img;
        images.LoadImageResource(img, name);
        return img;
    };
    EXPECT_NE(iconOf("Klondike"), plain);
    EXPECT_EQ(iconOf("Klondike").pixel(8, 8), picture("TREE5_KLONDIKE_TYPE_WIN").pixel(8, 8));
    EXPECT_EQ(iconOf("FreeCell").pixel(8, 8), picture("TREE5_FREECELL_TYPE_NOWIN").pixel(8, 8));
    status[103] = 1;
    d->RefreshGameMarks(103);
    EXPECT_EQ(iconOf("FreeCell").pixel(8, 8), picture("TREE5_FREECELL_TYPE_WIN").pixel(8, 8));
    d->chkWonLost->setChecked(false);
    EXPECT_EQ(iconOf("Klondike"), plain);
}

TEST_F(OpenGameDialogTest, PreviewPicturesAreNumberedAsTheRecordsNameThem) {
    TfrmOpenGame d(s, images);
    auto same = [&](int n, const std::string& name, QRect cut = QRect()) {
        QImage img;
        images.LoadImageResource(img, name);
        if (!cut.isNull())
            img = img.copy(cut);
        const QImage& p = d.PreviewPicture(n);
        ASSERT_EQ(p.size(), img.size()) << n << " " << name;
        // An opaque pixel that is not the transparent magenta shows the library's colour.
        for (QPoint at : {QPoint(p.width() / 2, p.height() / 2), QPoint(2, 2), QPoint(p.width() - 3, 5)}) {
            const QColor want = img.pixelColor(at);
            if (want.alpha() == 255 && (want.rgb() & 0xFFFFFF) != 0xFF00FF)
                EXPECT_EQ(p.pixelColor(at).rgb(), want.rgb()) << n << " " << name;
        }
    };
    same(1, "CL003H", QRect(0, 0, 25, 32));
    same(5, "CL003H", QRect(100, 0, 25, 32));
    same(6, "CL003H", QRect(0, 32, 25, 32));
    same(26, "CL003D", QRect(50, 64, 25, 32));
    same(40, "CL003S", QRect(0, 0, 25, 32));
    same(53, "Joker_L");
    same(54, "DL001");
    same(55, "WL001");
    same(57, "WL004");
    same(63, "WL011");
    same(66, "Tab_d_01");
    same(76, "Tab_v_10");
    same(77, "Tab_h_01");
    same(96, "Tab_a_10");
    same(97, "SL003");
    same(98, "Tab_s_01");
    same(99, "Tab_d_02");
}

TEST_F(OpenGameDialogTest, PreviewDrawsTheRecordOrTheGamePicture) {
    auto d = Dialog();
    TempFolder program;
    for (const char* f : {"GAMES.DAT", "SOL.RGF"})
        std::filesystem::copy(s.ProgramFolder + f, program.path() + f);
    s.ProgramFolder = program.path();
    // Line 87: the five of hearts at 10, 20 (drawn at 13, 28); line 101: four characters only.
    std::string file(87, '\n');
    file += StorePreviewRecord("0000005010020") + "\n" + std::string(13, '\n') + StorePreviewRecord("0000") +
            "\n";
    ASSERT_TRUE(WriteFileAtomic(program.path() + "solp.dat", file));
    TfrmOpenGame fresh(s, images);
    const QImage preview = fresh.DrawPreview(87);
    ASSERT_EQ(preview.size(), QSize(306, 200));
    const QImage& five = fresh.PreviewPicture(5);
    ASSERT_FALSE(five.isNull());
    // A pixel inside the card shows the card; just left of it the table.
    EXPECT_EQ(preview.pixel(13 + 12, 28 + 16), five.pixel(12, 16));
    EXPECT_NE(preview.pixel(11, 28 + 16), five.pixel(12, 16));
    // No table in the record: the GAME picture of the game, which game 101 lacks: the bare table.
    const QImage bare = fresh.DrawPreview(101);
    EXPECT_EQ(bare, fresh.DrawPreview(5000)) << "no line at all draws the same";

    // Without a preview file the library's GAME picture shows, centred, 8 pixels down.
    DeleteFileIfAny(program.path() + "solp.dat");
    TfrmOpenGame noFile(s, images);
    QImage game;
    images.LoadImageResource(game, "GAME0087");
    ASSERT_FALSE(game.isNull());
    const int x = (306 - game.width()) / 2;
    const QImage shown = noFile.DrawPreview(87);
    for (QPoint p :
         {QPoint(game.width() / 2, game.height() / 2), QPoint(game.width() / 3, game.height() / 4)})
        if (game.pixel(p) != game.pixel(0, 0))
            EXPECT_EQ(shown.pixel(x + p.x(), 8 + p.y()), game.pixel(p));
}

} // namespace
