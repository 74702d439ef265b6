#pragma once
// frmOpenGame: the open-game dialog. Five lists of the games (all games, game groups, the
// selection, favourites, recent games) of which one shows, a panel of facts about the selected
// game with a small picture of its opening table, and the Rules and Statistics buttons. Created
// once at start-up and kept for the whole run; the lists are filled on first need and keep their
// nodes, so the selection of the last showing survives.

#include "support/widgets/C_AdvancedForm.h"

#include <QIcon>
#include <QImage>
#include <QTreeWidget>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace quillon {

class ImageResources;
class Session;

// Node codes of the game lists. Games carry their number; groups carry negative codes.
namespace node {
constexpr int Placeholder = -1; // the unfilled child of a group ("nil"); also "Games by Features"
constexpr int FavoritesHint = -2;
constexpr int CustomizeHint = -3;
constexpr int CustomizedGames = -2070, GameType = -2020, OtherGroups = -2090, NewGames = -2080;
constexpr int ByGameTime = -2030, ByDifficulty = -2040, BySkill = -2050, ByChance = -2060;
constexpr int OriginalGames = -209010, GamesForChildren = -209020;
} // namespace node

// The lists, numbered as the configuration key Game_TreeType stores them.
enum class GameTreeType { AllGames = 0, GameGroups = 1, Selection = 2, Favorites = 3, Recents = 4 };

// A family of games: its code in the game list, the middle part of its icon names, its group node.
struct GameFamily {
    int code;
    const char* iconPart;
    const char* groupCaption;
    int groupCode;
};
// The 26 families and the custom games (code 800), in the order of the family codes.
const std::vector<GameFamily>& GameFamilies();
// The family of a code, or nothing for a code that has none.
const GameFamily* FamilyOfCode(int code);
// The family icon name of a code and result status: the plain "TREE5_<part>_TYPE" for status < 0,
// else with "_NOPLAYED" (0), "_WIN" (1) or "_NOWIN" (2); "" for a code without a family or another
// status.
std::string FamilyIconName(int code, int status = -1);

// The facts panel texts.
// 100 * won / of with at most one decimal ("#0.#"): 33.3, 38, 66.7.
std::string FormatPercentage(int won, int of);
// The chance-of-winning text of attribute 500, followed by " (a in b  -  x%)" when 502 is not 0.
std::string ChanceOfWinningText(int chance, int won, int of);
std::string GameTimeText(int value);
std::string DifficultyText(int value);
std::string SkillText(int value);
// "Unlimited" for -1, "0" for 0, else passes - 1.
std::string RedealsText(int passes);
// The picture names of the four facts for their values ("" for a value without one).
std::string GameTimePicture(int value);
std::string DifficultyPicture(int value);
std::string SkillPicture(int value);
std::string ChancePicture(int value);

// A game record of the dialog: the name padded to 50, the family code (3), the game number (3)
// and the "New games" mark (1); sorted by their text without regard to case.
std::vector<std::string> BuildGameRecords(const std::vector<std::string>& gameList);

// A tree of games whose typed letters move to the first game whose name starts with them.
class GameTree : public QTreeWidget {
public:
    explicit GameTree(QWidget* parent = nullptr);
    // Moves to the first game node (in tree order, inside closed groups too) whose caption starts
    // with `text` (without regard to case); false when there is none.
    bool SelectGameStartingWith(const QString& text);
    // Fills a group node that still holds its placeholder child (set by the dialog).
    std::function<void(QTreeWidgetItem*)> FillGroup;

protected:
    void keyboardSearch(const QString& search) override;

private:
    QString typed_;
    qint64 lastKey_ = 0;
};

class TfrmOpenGame : public C_TAdvancedForm {
public:
    TfrmOpenGame(Session& s, ImageResources& images, QWidget* parent = nullptr);
    ~TfrmOpenGame() override;

    // Shows the dialog modally. True when it closed with OK: then the chosen game's number and
    // name and the player of the player box.
    bool Choose(int& number, std::string& name, std::string& player);
    // The showing's preparation without the modal loop (the lists, the facts, the player box).
    void PrepareShowing();
    // OK and Rules as the buttons, Enter and a double click run them.
    void OkClick();
    void RulesClick();
    void StatisticsClick();
    // Re-chooses the icon of every game node in the five lists.
    void chkWonLostClick();
    // With the won-and-lost icons on, re-chooses the icon of every node of that game.
    void RefreshGameMarks(int number);

    // What the dialog asks of the main window.
    std::function<void(int game)> ShowRules;
    std::function<void(bool on)> EnableGameCommands;
    // After every closing: the main window repaints and draws the pairing highlights again.
    std::function<void()> AfterClose;
    std::function<int()> ScreenWidth;
    // The result status of a game for the won-and-lost icons: 0 never played, 1 won, 2 played but
    // not won. By default from the current player's counters in "Stat_uni.dat".
    std::function<int(int game)> GameStatus;
    // Opens the statistics view for a player with a game selected; by default the dialog's own.
    std::function<void(const std::string& player, int game)> ShowStatistics;

    // The window's controls, named as the program names them.
    std::array<GameTree*, 5> Lists{};
    GameTree* trvAllGames = nullptr;
    GameTree* trvGameGroups = nullptr;
    GameTree* trvSelected = nullptr;
    GameTree* trvFavorites = nullptr;
    GameTree* trvRecents = nullptr;
    QWidget* pnlDescGame = nullptr;
    QWidget* pnlLogo = nullptr;
    QLabel* imgFreeware = nullptr;
    QLabel* lblGameName = nullptr;
    QLabel* imgGame = nullptr;
    QLabel* lblDecks = nullptr;
    QLabel* imgGameTime = nullptr;
    QLabel* lblGameTime = nullptr;
    QLabel* imgDifficult = nullptr;
    QLabel* lblDiffRules = nullptr;
    QLabel* imgSkill = nullptr;
    QLabel* lblSkill = nullptr;
    QLabel* imgWinning = nullptr;
    QLabel* lblDiffWin = nullptr;
    QLabel* lblRedeal = nullptr;
    QToolButton* tbRules = nullptr;
    QToolButton* tbStatistics = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOpen = nullptr;
    QWidget* pnlToolbar = nullptr;
    QCheckBox* chkWonLost = nullptr;
    QCheckBox* chkPreview = nullptr;
    QComboBox* cboPlayers = nullptr;
    QLabel* lblPlayers = nullptr;

    // The list shown (nullptr when the tree type names none) and its type.
    GameTree* VisibleList() const;
    int TreeType() const { return treeType_; }
    // Shows list `type`, filling it when it is still empty, and focuses it.
    void ShowList(int type);
    // The game of the selected node of the visible list, or -1.
    int SelectedGame() const;
    // The preview of game g as the facts panel shows it (306 x 200).
    QImage DrawPreview(int game);
    // Preview picture n (1-99); a null image for a picture the library lacks.
    const QImage& PreviewPicture(int n) const { return previewPictures_.at(static_cast<size_t>(n - 1)); }
    // The player box's player.
    std::string SelectedPlayer() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    struct Facts {
        int time = 0, difficulty = 0, skill = 0, chance = 0, won = 0, of = 0, cards = 0, passes = 0;
    };
    void BuildWindow();
    void LoadPictures();
    QIcon Picture(const std::string& name) const;
    void FillList(int type);
    void FillAllGames(QTreeWidget* tree);
    void FillSelection();
    void FillFavorites();
    void BuildGroupsTree();
    void RebuildCustomizedGames();
    void FillGroup(QTreeWidgetItem* group);
    QTreeWidgetItem* AddGameNode(QTreeWidget* tree, QTreeWidgetItem* parent, int number,
                                 const QString& caption, int family);
    void SetGameIcon(QTreeWidgetItem* item) const;
    QTreeWidgetItem* FindNode(QTreeWidget* tree, int code) const;
    void ShowFacts();
    void ShowNoGame();
    Facts GameFacts(int game);
    const std::vector<std::vector<int>>& AllFacts();
    std::optional<std::string> PreviewLine(int game);
    void FillPlayers();
    int NodePosition(QTreeWidgetItem* item) const;

    Session& s_;
    ImageResources& images_;
    int treeType_ = 0;
    int rememberedTreeNum_ = 0;
    bool haveRememberedTreeNum_ = false;
    bool chosen_ = false;
    int chosenNumber_ = -1;
    std::string chosenName_;
    std::vector<std::string> records_;
    // Custom-game entries: number (4), base game (4), passes (3).
    std::vector<std::string> customEntries_;
    std::vector<QImage> previewPictures_;
    mutable std::map<std::string, QIcon> imageList1_;
    QImage previewBackground_;
    std::optional<std::vector<std::string>> previewLines_;
    bool previewLinesRead_ = false;
    std::vector<std::vector<int>> allFacts_;
    bool allFactsRead_ = false;
};

} // namespace quillon
