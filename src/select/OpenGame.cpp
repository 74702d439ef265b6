#include "select/OpenGame.h"

#include "model/ConfigFile.h"
#include "model/Deal.h"
#include "model/GameDefinitions.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "select/Players.h"
#include "select/PreviewFile.h"
#include "select/StatisticsFiles.h"
#include "select/StatisticsView.h"
#include "table/ImageResources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace quillon {

namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kFamilyRole = Qt::UserRole + 1;
constexpr int kCustomFamily = 800;
// The attributes of the facts panel, in the order Facts holds them.
const std::vector<int> kFactAttributes = {497, 498, 499, 500, 501, 502, 378, 16};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int ToInt(const std::string& text, int fallback) {
    int v = 0;
    return std::sscanf(text.c_str(), "%d", &v) == 1 ? v : fallback;
}

// The same picture with the colour `transparent` cut out.
QImage WithTransparent(const QImage& img, QRgb transparent) {
    if (img.isNull())
        return img;
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
    }
    return out;
}

QImage TopLeftTransparent(const QImage& img) {
    return img.isNull() ? img : WithTransparent(img, img.pixel(0, 0));
}

// The table green faded towards black at the bottom, in 256 bands, over a picture of w x h.
QImage GradientPicture(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    const int H = h + 1;
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    QPainter p(&img);
    for (int n = 0; n < 256; ++n) {
        const int y0 = h - (n + 1) * H / 256, y1 = h - n * H / 256;
        p.fillRect(QRect(0, y0, w, y1 - y0), QColor(n * r / 256, n * g / 256, n * b / 256));
    }
    return img;
}

struct GroupDef {
    int code;
    const char* caption;
};

// "Games by Features": the groups and the attribute that puts a game into each.
struct FeatureDef {
    int code;
    const char* caption;
    int attributeIndex; // into the facts row
    int value;
};
const std::vector<FeatureDef>& Features() {
    static const std::vector<FeatureDef> list = {
        {-203010, "Quick", 0, 2},        {-203020, "Medium", 0, 1},        {-203030, "Long", 0, 0},
        {-204010, "Easy", 1, 0},         {-204020, "Medium", 1, 1},        {-204030, "Hard", 1, 2},
        {-205050, "Chance only", 2, 4},  {-205040, "Mostly chance", 2, 3}, {-205030, "Moderate", 2, 2},
        {-205020, "Mostly skill", 2, 1}, {-205010, "Difficult", 2, 0},     {-206010, "Very low", 3, 4},
        {-206020, "Low", 3, 3},          {-206030, "Medium", 3, 2},        {-206040, "High", 3, 1},
        {-206050, "Very high", 3, 0}};
    return list;
}

const char* Pick(const std::vector<const char*>& texts, int value) {
    return value >= 0 && static_cast<size_t>(value) < texts.size() ? texts[static_cast<size_t>(value)] : "";
}

} // namespace

const std::vector<GameFamily>& GameFamilies() {
    static const std::vector<GameFamily> list = {
        {2, "CANFIELD", "Canfield type", -202010},
        {3, "FORTYTHIEVES", "Forty Thieves type", -202020},
        {4, "FREECELL", "FreeCell type", -202025},
        {5, "KLONDIKE", "Klondike type", -202030},
        {6, "PAIRING", "Pairing games type", -202035},
        {7, "SIMPLEGAMES", "Simple games type", -202045},
        {8, "SPIDER", "Spider type", -202050},
        {9, "1DECK", "One-Deck games type", -202055},
        {10, "2DECK", "Two-Deck games type", -202060},
        {11, "FAN", "Fan games type", -202015},
        {12, "BAKERSDOZEN", "Baker's Dozen type", -202005},
        {13, "ROW", "Row games type", -202040},
        {14, "PUZZLE", "Puzzle games type", -202070},
        {15, "ADDITION", "Adding games type", -202080},
        {16, "MEMORY", "Memory games type", -202090},
        {17, "BELEAGUEREDCASTLE", "Beleaguered Castle type", -202100},
        {18, "QUEENOFITALY", "Queen of Italy type", -202110},
        {19, "YUKON", "Yukon type", -202120},
        {20, "MATHEMATICAL", "Mathematical games", -202130},
        {21, "SIRTOMMY", "Sir Tommy type", -202140},
        {22, "NONBUILDERS", "Non-Builders games", -202150},
        {23, "STRIPPEDDECK", "Stripped Deck games type", -202160},
        {24, "FOURSEASONS", "Four Seasons type", -202170},
        {25, "FAERIEQUEEN", "Faerie Queen type", -202180},
        {26, "FLOWERGARDEN", "Flower Garden type", -202190},
        {27, "SLYFOX", "Sly Fox type", -202200},
        {kCustomFamily, "CUSTOMIZED_GAMES", "Customized games", node::CustomizedGames}};
    return list;
}

const GameFamily* FamilyOfCode(int code) {
    for (const GameFamily& f : GameFamilies())
        if (f.code == code)
            return &f;
    return nullptr;
}

std::string FamilyIconName(int code, int status) {
    const GameFamily* f = FamilyOfCode(code);
    if (!f)
        return {};
    std::string name =
        code == kCustomFamily ? "TREE5_CUSTOMIZED_GAMES" : std::string("TREE5_") + f->iconPart + "_TYPE";
    if (status < 0)
        return name;
    switch (status) {
    case 0:
        return name + "_NOPLAYED";
    case 1:
        return name + "_WIN";
    case 2:
        return name + "_NOWIN";
    default:
        return {};
    }
}

std::string FormatPercentage(int won, int of) {
    if (of == 0)
        return "0";
    const double value = 100.0 * won / of;
    // One decimal at most, rounded; a zero decimal is not shown.
    const long long tenths = std::llround(value * 10.0);
    char text[40];
    if (tenths % 10 == 0)
        std::snprintf(text, sizeof text, "%lld", tenths / 10);
    else
        std::snprintf(text, sizeof text, "%s%lld.%lld", tenths < 0 ? "-" : "", std::llabs(tenths) / 10,
                      std::llabs(tenths) % 10);
    return text;
}

std::string GameTimeText(int value) {
    return Pick({"Long", "Medium", "Quick"}, value);
}
std::string DifficultyText(int value) {
    return Pick({"Easy", "Medium", "Hard"}, value);
}
std::string SkillText(int value) {
    return Pick({"Difficult", "Mostly skill", "Moderate", "Mostly chance", "Chance only"}, value);
}
std::string ChanceOfWinningText(int chance, int won, int of) {
    std::string text = Pick({"Very high", "High", "Medium", "Low", "Very low"}, chance);
    if (of != 0)
        text += " (" + std::to_string(won) + " in " + std::to_string(of) + "  -  " +
                FormatPercentage(won, of) + "%)";
    return text;
}
std::string RedealsText(int passes) {
    if (passes == -1)
        return "Unlimited";
    if (passes == 0)
        return "0";
    return std::to_string(passes - 1);
}
std::string GameTimePicture(int value) {
    return Pick({"PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK"}, value);
}
std::string DifficultyPicture(int value) {
    return Pick({"PROG_DIFF_EASY", "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD"}, value);
}
std::string SkillPicture(int value) {
    return Pick({"PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
                 "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY"},
                value);
}
std::string ChancePicture(int value) {
    return Pick(
        {"PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW", "PROG_CHAN_VERYLOW"},
        value);
}

std::vector<std::string> BuildGameRecords(const std::vector<std::string>& gameList) {
    std::vector<std::string> records;
    records.reserve(gameList.size());
    for (const std::string& line : gameList) {
        auto chars = [&](size_t from, size_t to) {
            std::string part = from - 1 < line.size() ? line.substr(from - 1, to - from + 1) : std::string();
            part.resize(to - from + 1, ' ');
            return part;
        };
        records.push_back(chars(11, 60) + chars(1, 3) + chars(5, 7) + chars(10, 10));
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    return records;
}

// --- GameTree ---------------------------------------------------------------------------------

GameTree::GameTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(true);
}

bool GameTree::SelectGameStartingWith(const QString& text) {
    if (text.isEmpty())
        return false;
    QTreeWidgetItem* found = nullptr;
    std::function<void(QTreeWidgetItem*)> visit = [&](QTreeWidgetItem* item) {
        if (found)
            return;
        const int code = item->data(0, kCodeRole).toInt();
        if (code >= 0 && item->text(0).startsWith(text, Qt::CaseInsensitive)) {
            found = item;
            return;
        }
        if (item->childCount() > 0 && item->child(0)->data(0, kCodeRole).toInt() == node::Placeholder &&
            FillGroup)
            FillGroup(item);
        for (int i = 0; i < item->childCount() && !found; ++i)
            visit(item->child(i));
    };
    for (int i = 0; i < topLevelItemCount() && !found; ++i)
        visit(topLevelItem(i));
    if (!found)
        return false;
    for (QTreeWidgetItem* p = found->parent(); p; p = p->parent())
        p->setExpanded(true);
    setCurrentItem(found);
    scrollToItem(found);
    return true;
}

void GameTree::keyboardSearch(const QString& search) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastKey_ > QApplication::keyboardInputInterval())
        typed_.clear();
    lastKey_ = now;
    typed_ += search;
    // A letter that continues no name starts a new search with itself.
    if (!SelectGameStartingWith(typed_) && typed_ != search) {
        typed_ = search;
        SelectGameStartingWith(typed_);
    }
}

// --- TfrmOpenGame -----------------------------------------------------------------------------

TfrmOpenGame::TfrmOpenGame(Session& s, ImageResources& images, QWidget* parent)
    : C_TAdvancedForm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      s_(s), images_(images) {
    setObjectName("frmOpenGame");
    setWindowTitle("Open a game");
    setModal(true);
    // Tahoma 8 on the 96-dpi screen the dialog was designed for: 11 pixels.
    QFont font("Tahoma");
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(532, 414);
    setContextMenuPolicy(Qt::NoContextMenu);

    ScreenWidth = [] {
        QScreen* sc = QGuiApplication::primaryScreen();
        return sc ? sc->geometry().width() : 1024;
    };
    GameStatus = [this](int game) {
        if (game >= kFirstCustomGame)
            return 0;
        const UniqueCounts c = ReadUniqueCounts(s_, SelectedPlayer(), game);
        if (c.status != UniqueCounts::Status::Ok)
            return -1;
        return c.won > 0 ? 1 : c.lost > 0 ? 2 : 0;
    };
    ShowStatistics = [this](const std::string& player, int game) {
        TfrmStatisticsView view(s_, this);
        view.Show(player, game);
        view.exec();
    };

    // Creation: pictures and image lists, the inert lists, the records, the preview background.
    LoadPictures();
    BuildWindow();
    for (GameTree* t : Lists)
        t->setEnabled(false);
    records_ = BuildGameRecords(s_.Game.GameList);
    previewBackground_ = GradientPicture(kPreviewWidth + 1, kPreviewHeight + 1, qRgb(0, 0x80, 0))
                             .copy(0, 0, kPreviewWidth, kPreviewHeight);
    const std::string treeNum = ReadConfigString(s_, "Preference", "Game_TreeNum", "-30");
    rememberedTreeNum_ = ToInt(treeNum, -30);
    haveRememberedTreeNum_ = rememberedTreeNum_ < 0;
    chkPreview->setChecked(ReadConfigString(s_, "Preference", "Open_Preview_Game", "Y") == "Y");
    chkWonLost->setChecked(ReadConfigString(s_, "Preference", "Open_Show_Won_Lost", "N") == "Y");

    // In the middle of the screen; 9 px higher on a screen less than 500 px high.
    if (QScreen* sc = QGuiApplication::primaryScreen()) {
        const QRect g = sc->geometry();
        move((g.width() - width()) / 2, (g.height() - height()) / 2 - (g.height() < 500 ? 9 : 0));
    }
    FinishDesign();
}

TfrmOpenGame::~TfrmOpenGame() = default;

QIcon TfrmOpenGame::Picture(const std::string& name) const {
    // The tree image list: each picture is loaded once and kept for the run.
    auto it = imageList1_.find(name);
    if (it != imageList1_.end())
        return it->second;
    QImage img;
    images_.LoadImageResource(img, name);
    QIcon icon = img.isNull() ? QIcon() : QIcon(QPixmap::fromImage(TopLeftTransparent(img)));
    imageList1_.emplace(name, icon);
    return icon;
}

void TfrmOpenGame::LoadPictures() {
    // The 99 preview pictures, magenta transparent: the cards cut from the 25 x 32 strips, the
    // joker, a back, the empty-pile marks and the table pieces.
    previewPictures_.assign(kPreviewPictureCount, QImage());
    auto load = [&](const std::string& name) {
        QImage img;
        images_.LoadImageResource(img, name);
        return WithTransparent(img, qRgb(255, 0, 255));
    };
    const char* strips[] = {"CL003H", "CL003D", "CL003C", "CL003S"};
    for (int suit = 0; suit < 4; ++suit) {
        QImage strip;
        images_.LoadImageResource(strip, strips[suit]);
        for (int rank = 0; rank < 13 && !strip.isNull(); ++rank)
            previewPictures_[static_cast<size_t>(suit * 13 + rank)] =
                WithTransparent(strip.copy((rank % 5) * kPreviewCardWidth, (rank / 5) * kPreviewCardHeight,
                                           kPreviewCardWidth, kPreviewCardHeight),
                                qRgb(255, 0, 255));
    }
    std::vector<std::string> names = {"Joker_L", "DL001", "WL001", "WL002", "WL004", "WL005", "WL007",
                                      "WL008",   "WL009", "WL010", "WL011", "SL001", "SL002", "Tab_d_01"};
    for (int n = 1; n <= 10; ++n)
        names.push_back("Tab_v_" + FormatFixed(n, 2));
    for (int n = 1; n <= 10; ++n)
        names.push_back("Tab_h_" + FormatFixed(n, 2));
    for (int n = 1; n <= 10; ++n)
        names.push_back("Tab_a_" + FormatFixed(n, 2));
    names.insert(names.end(), {"SL003", "Tab_s_01", "Tab_d_02"});
    for (size_t k = 0; k < names.size(); ++k)
        previewPictures_[52 + k] = load(names[k]);
}

void TfrmOpenGame::BuildWindow() {
    auto* caption = new QLabel("Select a game:", this);
    caption->setGeometry(8, 6, 180, 16);

    // The list area, framed by grey lines, with its five lists.
    auto* frame = new QWidget(this);
    frame->setObjectName("pnlTrees");
    frame->setGeometry(8, 24, 184, 356);
    frame->setStyleSheet("#pnlTrees { border: 1px solid rgb(127, 157, 185); background: white; }");
    const char* names[] = {"trvAllGames", "trvGameGroups", "trvSelected", "trvFavorites", "trvRecents"};
    for (int i = 0; i < 5; ++i) {
        auto* tree = new GameTree(frame);
        tree->setObjectName(names[i]);
        tree->setGeometry(1, 1, 182, 354);
        tree->setFrameShape(QFrame::NoFrame);
        tree->hide();
        tree->FillGroup = [this](QTreeWidgetItem* item) { FillGroup(item); };
        connect(tree, &QTreeWidget::currentItemChanged, this, [this, tree](QTreeWidgetItem* item) {
            if (tree != VisibleList())
                return;
            if (item && item->childCount() > 0 &&
                item->child(0)->data(0, kCodeRole).toInt() == node::Placeholder)
                FillGroup(item);
            ShowFacts();
        });
        connect(tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
            if (item->childCount() > 0 && item->child(0)->data(0, kCodeRole).toInt() == node::Placeholder)
                FillGroup(item);
        });
        connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
            if (item && item->data(0, kCodeRole).toInt() >= 0)
                OkClick();
        });
        Lists[static_cast<size_t>(i)] = tree;
    }
    trvAllGames = Lists[0];
    trvGameGroups = Lists[1];
    trvSelected = Lists[2];
    trvFavorites = Lists[3];
    trvRecents = Lists[4];
    trvGameGroups->setRootIsDecorated(true);

    // The facts panel and, when no game is selected, the white area with the logo.
    pnlDescGame = new QWidget(this);
    pnlDescGame->setObjectName("pnlDescGame");
    pnlDescGame->setGeometry(199, 35, 325, 345);
    pnlDescGame->setAutoFillBackground(true);
    QPalette windowColour = pnlDescGame->palette();
    windowColour.setColor(QPalette::Window, palette().color(QPalette::Base));
    pnlDescGame->setPalette(windowColour);
    QFont bold = font();
    bold.setBold(true);
    lblGameName = new QLabel(pnlDescGame);
    lblGameName->setObjectName("lblGameName");
    QFont big("Tahoma");
    big.setPixelSize(13);
    big.setBold(true);
    lblGameName->setFont(big);
    lblGameName->setGeometry(10, 10, 306, 20);
    imgGame = new QLabel(pnlDescGame);
    imgGame->setObjectName("imgGame");
    imgGame->setGeometry(10, 34, kPreviewWidth, kPreviewHeight);
    auto row = [&](const char* text, int y, QLabel** icon, QLabel** value, const char* iconName,
                   const char* valueName, bool valueAtIcon) {
        auto* cap = new QLabel(text, pnlDescGame);
        // A substitute for the design font may be wider: the caption shrinks until it fits.
        QFont f = bold;
        while (QFontMetrics(f).horizontalAdvance(text) > 110 && f.pixelSize() > 8)
            f.setPixelSize(f.pixelSize() - 1);
        cap->setFont(f);
        cap->setGeometry(10, y, 112, 15);
        if (icon) {
            *icon = new QLabel(pnlDescGame);
            (*icon)->setObjectName(iconName);
            (*icon)->setGeometry(123, y + 1, 48, 13);
        }
        *value = new QLabel(pnlDescGame);
        (*value)->setObjectName(valueName);
        (*value)->setGeometry(valueAtIcon ? 123 : 171, y, valueAtIcon ? 190 : 150, 15);
    };
    row("Decks:", 244, nullptr, &lblDecks, "", "lblDecks", true);
    row("Game time:", 259, &imgGameTime, &lblGameTime, "imgGameTime", "lblGameTime", false);
    row("Difficulty level:", 275, &imgDifficult, &lblDiffRules, "imgDifficult", "lblDiffRules", false);
    row("Skill level:", 291, &imgSkill, &lblSkill, "imgSkill", "lblSkill", false);
    row("Chance of winning:", 307, &imgWinning, &lblDiffWin, "imgWinning", "lblDiffWin", false);
    row("Redeals:", 323, nullptr, &lblRedeal, "", "lblRedeal", true);

    pnlLogo = new QWidget(this);
    pnlLogo->setObjectName("pnlLogo");
    pnlLogo->setGeometry(199, 35, 325, 345);
    pnlLogo->setAutoFillBackground(true);
    QPalette white = pnlLogo->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlLogo->setPalette(white);
    imgFreeware = new QLabel(pnlLogo);
    imgFreeware->setObjectName("imgFreeware");
    QImage logo;
    images_.LoadImageResource(logo, "LOGO");
    imgFreeware->setPixmap(QPixmap::fromImage(logo));
    imgFreeware->setGeometry(72, 25, logo.isNull() ? 180 : logo.width(), logo.isNull() ? 180 : logo.height());

    // The small toolbar: Rules and Statistics, their pictures in the style of the toolbar setting.
    const std::string prefix = ReadConfigString(s_, "Preference", "ToolBar_XP", "Y") == "Y" ? "" : "2000_";
    auto toolButton = [&](const char* name, const char* text, const std::string& picture, int x, int w) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(text);
        b->setIcon(Picture(prefix + picture));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setGeometry(x, 6, w, 24);
        return b;
    };
    tbRules = toolButton("tbRules", "Rules          ", "TB_RULES_SMALL", 340, 92);
    tbStatistics = toolButton("tbStatistics", "Statistics  ", "TB_STAT_SMALL", 434, 90);
    connect(tbRules, &QToolButton::clicked, this, [this] { RulesClick(); });
    connect(tbStatistics, &QToolButton::clicked, this, [this] { StatisticsClick(); });

    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(430, 387, 96, 23);
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setGeometry(430 - 5 - 96, 387, 96, 23);
    btnOK->setDefault(true);
    btnOK->setAutoDefault(true);
    btnCancel->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { reject(); });

    // Present but hidden: the list-choice bar, the two check boxes, the player box, the button
    // for saved games. Their states still count.
    pnlToolbar = new QWidget(this);
    pnlToolbar->setObjectName("pnlToolbar");
    pnlToolbar->setGeometry(8, 384, 140, 26);
    const char* listButtons[] = {"All", "Groups", "Selection", "Favorites", "Recent"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(pnlToolbar);
        b->setObjectName(QString("tbList%1").arg(i));
        b->setText(listButtons[i]);
        b->setGeometry(i * 28, 0, 26, 24);
        connect(b, &QToolButton::clicked, this, [this, i] { ShowList(i); });
    }
    pnlToolbar->hide();
    chkWonLost = new QCheckBox("&Show won and lost", this);
    chkWonLost->setObjectName("chkWonLost");
    chkWonLost->setGeometry(8, 384, 130, 20);
    chkWonLost->hide();
    connect(chkWonLost, &QCheckBox::toggled, this, [this] { chkWonLostClick(); });
    chkPreview = new QCheckBox("&Preview", this);
    chkPreview->setObjectName("chkPreview");
    chkPreview->setGeometry(140, 384, 80, 20);
    chkPreview->hide();
    connect(chkPreview, &QCheckBox::toggled, this, [this] { ShowFacts(); });
    lblPlayers = new QLabel("Pla&yer:", this);
    lblPlayers->setGeometry(199, 10, 40, 16);
    lblPlayers->hide();
    cboPlayers = new QComboBox(this);
    cboPlayers->setObjectName("cboPlayers");
    cboPlayers->setGeometry(240, 6, 150, 22);
    cboPlayers->hide();
    lblPlayers->setBuddy(cboPlayers);
    connect(cboPlayers, &QComboBox::currentIndexChanged, this, [this] {
        if (chkWonLost->isChecked())
            chkWonLostClick();
    });
    btnOpen = new QPushButton("Open a sa&ved game...", this);
    btnOpen->setObjectName("btnOpen");
    btnOpen->setGeometry(199, 387, 120, 23);
    btnOpen->hide();
}

GameTree* TfrmOpenGame::VisibleList() const {
    return treeType_ >= 0 && treeType_ < 5 ? Lists[static_cast<size_t>(treeType_)] : nullptr;
}

void TfrmOpenGame::ShowList(int type) {
    treeType_ = type;
    for (int i = 0; i < 5; ++i)
        Lists[static_cast<size_t>(i)]->setVisible(i == type);
    GameTree* tree = VisibleList();
    if (!tree)
        return;
    if (tree->topLevelItemCount() == 0)
        FillList(type);
    tree->setFocus();
    ShowFacts();
}

void TfrmOpenGame::FillList(int type) {
    switch (type) {
    case 0:
        FillAllGames(trvAllGames);
        break;
    case 1:
        BuildGroupsTree();
        break;
    case 2:
        FillSelection();
        break;
    case 3:
        FillFavorites();
        break;
    default:
        break; // the recent games stay empty
    }
}

QTreeWidgetItem* TfrmOpenGame::AddGameNode(QTreeWidget* tree, QTreeWidgetItem* parent, int number,
                                           const QString& caption, int family) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, caption);
    item->setData(0, kCodeRole, number);
    item->setData(0, kFamilyRole, family);
    SetGameIcon(item);
    if (number == s_.Params.ReadInt(kParamGame, kParamGameWidth, -1) && tree->currentItem() == nullptr) {
        for (QTreeWidgetItem* p = parent; p; p = p->parent())
            p->setExpanded(true);
        tree->setCurrentItem(item);
    }
    return item;
}

void TfrmOpenGame::FillAllGames(QTreeWidget* tree) {
    for (const std::string& r : records_)
        AddGameNode(tree, nullptr, ToInt(r.substr(53, 3), -1), Q(TrimRight(r.substr(0, 50))),
                    ToInt(r.substr(50, 3), -1));
}

void TfrmOpenGame::FillSelection() {
    std::vector<std::pair<std::string, int>> games;
    for (int number : ReadSelection(s_)) {
        std::string name = GameName(s_, number);
        name.resize(50, ' ');
        games.emplace_back(name + std::to_string(number), number);
    }
    std::sort(games.begin(), games.end(),
              [](const auto& a, const auto& b) { return Lower(a.first) < Lower(b.first); });
    for (const auto& [text, number] : games)
        AddGameNode(trvSelected, nullptr, number, Q(TrimRight(text.substr(0, 50))), GameGroup(s_, number));
}

void TfrmOpenGame::FillFavorites() {
    auto* hint = new QTreeWidgetItem(trvFavorites);
    hint->setText(0, "(Double click to add a game)");
    hint->setData(0, kCodeRole, node::FavoritesHint);
    hint->setIcon(0, Picture("N_TREE5"));
    if (trvGameGroups->topLevelItemCount() > 0)
        RebuildCustomizedGames();
}

void TfrmOpenGame::BuildGroupsTree() {
    QTreeWidget* t = trvGameGroups;
    auto group = [&](QTreeWidgetItem* parent, int code, const QString& caption, const char* pic,
                     const char* selected, bool placeholder) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(t);
        item->setText(0, caption);
        item->setData(0, kCodeRole, code);
        QIcon icon = Picture(pic);
        QIcon sel = Picture(selected);
        if (!sel.isNull())
            icon.addPixmap(sel.pixmap(16, 16), QIcon::Selected);
        item->setIcon(0, icon);
        if (placeholder) {
            auto* nil = new QTreeWidgetItem(item);
            nil->setText(0, "nil");
            nil->setData(0, kCodeRole, node::Placeholder);
        }
        return item;
    };
    group(nullptr, node::CustomizedGames, "Customized games", "F_TREE1", "F_TREE2", true);
    QTreeWidgetItem* types = group(nullptr, node::GameType, "Game Type", "D_TREE1", "D_TREE2", false);
    std::vector<const GameFamily*> families;
    for (const GameFamily& f : GameFamilies())
        if (f.code != kCustomFamily)
            families.push_back(&f);
    // Alphabetical, with the deck-count groups at the end, as the tree has always shown them.
    static const std::vector<int> order = {15, 12, 17, 2,  25, 11, 26, 3,  24, 4,  5, 20, 16,
                                           22, 6,  14, 18, 13, 7,  21, 27, 8,  19, 9, 10, 23};
    for (int code : order) {
        const GameFamily* f = FamilyOfCode(code);
        group(types, f->groupCode, f->groupCaption, "TREE1", "TREE2", true);
    }
    QTreeWidgetItem* features =
        group(nullptr, node::Placeholder, "Games by Features", "I_TREE1", "I_TREE2", false);
    const struct {
        int code;
        const char* caption;
        int first, count;
    } featureGroups[] = {{node::ByGameTime, "by Game Time", 0, 3},
                         {node::ByDifficulty, "by Difficulty Level", 3, 3},
                         {node::BySkill, "by Skill or Chance", 6, 5},
                         {node::ByChance, "by Chance of Winning", 11, 5}};
    for (const auto& fg : featureGroups) {
        QTreeWidgetItem* g = group(features, fg.code, fg.caption, "TREE1", "TREE2", false);
        for (int k = fg.first; k < fg.first + fg.count; ++k)
            group(g, Features()[static_cast<size_t>(k)].code, Features()[static_cast<size_t>(k)].caption,
                  "TREE1", "TREE2", true);
    }
    QTreeWidgetItem* other = group(nullptr, node::OtherGroups, "Other Groups", "T_TREE1", "T_TREE2", false);
    group(other, node::OriginalGames, "Original games", "TREE1", "TREE2", true);
    group(other, node::GamesForChildren, "Games for Children", "TREE1", "TREE2", true);
    group(nullptr, node::NewGames, "New games", "C_TREE1", "C_TREE2", true);
}

void TfrmOpenGame::RebuildCustomizedGames() {
    QTreeWidgetItem* group = FindNode(trvGameGroups, node::CustomizedGames);
    const CustomGames custom = CustomGameList(s_);
    customEntries_.clear();
    for (size_t i = 0; i < custom.numbers.size(); ++i) {
        std::string rules = i < custom.rules.size() ? custom.rules[i] : std::string();
        std::string passes = rules.size() >= 6 ? rules.substr(3, 3) : std::string("000");
        customEntries_.push_back(custom.numbers[i] + (i < custom.bases.size() ? custom.bases[i] : "0000") +
                                 passes);
    }
    if (!group)
        return;
    qDeleteAll(group->takeChildren());
    if (custom.names.empty()) {
        auto* hint = new QTreeWidgetItem(group);
        hint->setText(0, "(How to customize a game)");
        hint->setData(0, kCodeRole, node::CustomizeHint);
        hint->setIcon(0, Picture("N_TREE5"));
        return;
    }
    for (size_t i = 0; i < custom.names.size() && i < custom.numbers.size(); ++i)
        AddGameNode(trvGameGroups, group, ToInt(custom.numbers[i], -1), Q(TrimRight(custom.names[i])),
                    kCustomFamily);
}

void TfrmOpenGame::FillGroup(QTreeWidgetItem* group) {
    if (!group || group->childCount() == 0 ||
        group->child(0)->data(0, kCodeRole).toInt() != node::Placeholder)
        return;
    delete group->takeChild(0);
    const int code = group->data(0, kCodeRole).toInt();
    QTreeWidget* tree = group->treeWidget();
    if (code == node::CustomizedGames) {
        RebuildCustomizedGames();
        return;
    }
    auto addRecord = [&](const std::string& r) {
        AddGameNode(tree, group, ToInt(r.substr(53, 3), -1), Q(TrimRight(r.substr(0, 50))),
                    ToInt(r.substr(50, 3), -1));
    };
    if (code == node::NewGames) {
        for (const std::string& r : records_)
            if (r[56] == '1')
                addRecord(r);
        return;
    }
    for (const GameFamily& f : GameFamilies())
        if (f.groupCode == code) {
            for (const std::string& r : records_)
                if (ToInt(r.substr(50, 3), -1) == f.code)
                    addRecord(r);
            return;
        }
    for (const FeatureDef& fd : Features())
        if (fd.code == code) {
            const auto& facts = AllFacts();
            for (const std::string& r : records_) {
                const int column = GameColumn(s_, ToInt(r.substr(53, 3), -1));
                if (column >= 0 && static_cast<size_t>(column) < facts.size() &&
                    facts[static_cast<size_t>(column)][static_cast<size_t>(fd.attributeIndex)] == fd.value)
                    addRecord(r);
            }
            return;
        }
    // "Original games" and "Games for Children" have no games in this edition.
}

QTreeWidgetItem* TfrmOpenGame::FindNode(QTreeWidget* tree, int code) const {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, kCodeRole).toInt() == code)
            return *it;
    return nullptr;
}

void TfrmOpenGame::SetGameIcon(QTreeWidgetItem* item) const {
    const int family = item->data(0, kFamilyRole).toInt();
    if (!chkWonLost || !chkWonLost->isChecked()) {
        item->setIcon(0, Picture(FamilyIconName(family)));
        return;
    }
    const int status = GameStatus ? GameStatus(item->data(0, kCodeRole).toInt()) : -1;
    if (status < 0 || status > 2)
        return;
    item->setIcon(0, Picture(FamilyIconName(family, status)));
}

void TfrmOpenGame::chkWonLostClick() {
    for (GameTree* tree : Lists)
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, kCodeRole).toInt() >= 0)
                SetGameIcon(*it);
}

void TfrmOpenGame::RefreshGameMarks(int number) {
    if (!chkWonLost->isChecked())
        return;
    for (GameTree* tree : Lists)
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, kCodeRole).toInt() == number) {
                // The game's own family, whatever list the node is in.
                (*it)->setData(0, kFamilyRole, GameGroup(s_, number));
                SetGameIcon(*it);
            }
}

const std::vector<std::vector<int>>& TfrmOpenGame::AllFacts() {
    if (!allFactsRead_) {
        allFacts_ = ReadAttributesOfAllGames(s_, kFactAttributes);
        allFactsRead_ = true;
    }
    return allFacts_;
}

TfrmOpenGame::Facts TfrmOpenGame::GameFacts(int game) {
    Facts f;
    const int column = GameColumn(s_, game);
    const auto& all = AllFacts();
    if (column < 0 || static_cast<size_t>(column) >= all.size())
        return f;
    const std::vector<int>& v = all[static_cast<size_t>(column)];
    f.time = v[0];
    f.difficulty = v[1];
    f.skill = v[2];
    f.chance = v[3];
    f.won = v[4];
    f.of = v[5];
    f.cards = v[6];
    f.passes = v[7];
    return f;
}

int TfrmOpenGame::SelectedGame() const {
    GameTree* tree = VisibleList();
    QTreeWidgetItem* item = tree ? tree->currentItem() : nullptr;
    if (!item)
        return -1;
    const int code = item->data(0, kCodeRole).toInt();
    return code >= 0 ? code : -1;
}

void TfrmOpenGame::ShowNoGame() {
    pnlDescGame->hide();
    pnlLogo->show();
    btnOK->setEnabled(false);
    tbRules->setEnabled(false);
}

void TfrmOpenGame::ShowFacts() {
    GameTree* tree = VisibleList();
    QTreeWidgetItem* item = tree ? tree->currentItem() : nullptr;
    const int game = item ? item->data(0, kCodeRole).toInt() : -1;
    if (!item || game < 0) {
        ShowNoGame();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lblGameName->setText(item->text(0));
    int base = game, passes = 0;
    const bool custom = game >= kFirstCustomGame;
    if (custom) {
        if (customEntries_.empty())
            RebuildCustomizedGames();
        base = -1;
        for (const std::string& e : customEntries_)
            if (ToInt(e.substr(0, 4), -1) == game) {
                base = ToInt(e.substr(4, 4), -1);
                // A rule string without a number in its passes field means no redeal.
                passes = ToInt(e.substr(8, 3), 0);
            }
    }
    const Facts f = GameFacts(base);
    if (!custom)
        passes = f.passes;
    lblDecks->setText(QString::number(f.cards / 52));
    auto icon = [&](QLabel* label, const std::string& name, bool whiteTransparent) {
        QImage img;
        if (!name.empty())
            images_.LoadImageResource(img, name);
        if (whiteTransparent)
            img = WithTransparent(img, qRgb(255, 255, 255));
        label->setPixmap(QPixmap::fromImage(img));
    };
    if (custom) {
        for (QLabel* l : {lblGameTime, lblDiffRules, lblSkill, lblDiffWin})
            l->setText("Customized game");
        icon(imgGameTime, "PROG_DISABLED", false);
        icon(imgDifficult, "PROG_DISABLED", false);
        icon(imgSkill, SkillPicture(f.skill), true);
        icon(imgWinning, "PROG_DISABLED", false);
    } else {
        lblGameTime->setText(Q(GameTimeText(f.time)));
        lblDiffRules->setText(Q(DifficultyText(f.difficulty)));
        lblSkill->setText(Q(SkillText(f.skill)));
        lblDiffWin->setText(Q(ChanceOfWinningText(f.chance, f.won, f.of)));
        icon(imgGameTime, GameTimePicture(f.time), false);
        icon(imgDifficult, DifficultyPicture(f.difficulty), false);
        icon(imgSkill, SkillPicture(f.skill), true);
        icon(imgWinning, ChancePicture(f.chance), false);
    }
    lblRedeal->setText(Q(RedealsText(passes)));
    btnOK->setEnabled(true);
    tbRules->setEnabled(true);
    if (chkPreview->isChecked() && base >= 0)
        imgGame->setPixmap(QPixmap::fromImage(DrawPreview(base)));
    else
        imgGame->setPixmap(QPixmap::fromImage(previewBackground_));
    pnlLogo->hide();
    pnlDescGame->show();
    QApplication::restoreOverrideCursor();
}

std::optional<std::string> TfrmOpenGame::PreviewLine(int game) {
    if (!previewLinesRead_) {
        previewLines_ = ReadPreviewFile(FindNoCase(s_.ProgramFolder, "solp.dat"));
        previewLinesRead_ = true;
    }
    if (!previewLines_)
        return std::nullopt;
    return PreviewRecord(*previewLines_, game);
}

QImage TfrmOpenGame::DrawPreview(int game) {
    // One picture only: the faded background's copy, or a plain green one.
    QImage picture;
    if (images_.services.ManyColours) {
        picture = previewBackground_.copy();
    } else {
        picture = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0x80, 0));
    }
    QPainter p(&picture);
    const std::optional<std::string> record = PreviewLine(game);
    if (record && PreviewRecordShowsTable(*record)) {
        for (const PreviewPiece& piece : ParsePreviewRecord(*record)) {
            const QImage& img = PreviewPicture(piece.picture);
            if (!img.isNull())
                p.drawImage(piece.x + kPreviewOffsetX, piece.y + kPreviewOffsetY, img);
        }
    } else {
        QImage img;
        images_.LoadImageResource(img, "GAME" + FormatFixed(game, 4));
        if (!img.isNull())
            p.drawImage((kPreviewWidth - img.width()) / 2, kPreviewOffsetY, TopLeftTransparent(img));
    }
    p.end();
    return picture;
}

void TfrmOpenGame::FillPlayers() {
    const QSignalBlocker quiet(cboPlayers);
    cboPlayers->clear();
    for (const std::string& name : PlayerNames(s_))
        cboPlayers->addItem(Q(name));
    const QString current = Q(TrimRight(s_.Params.ReadParam(kParamPlayer, kParamPlayerWidth)));
    int index = cboPlayers->findText(current);
    if (index < 0 && !current.isEmpty()) {
        cboPlayers->addItem(current);
        index = cboPlayers->count() - 1;
    }
    cboPlayers->setCurrentIndex(index);
}

std::string TfrmOpenGame::SelectedPlayer() const {
    if (cboPlayers->currentIndex() >= 0)
        return cboPlayers->currentText().toStdString();
    return TrimRight(s_.Params.ReadParam(kParamPlayer, kParamPlayerWidth));
}

void TfrmOpenGame::PrepareShowing() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    chosen_ = false;
    FillPlayers();
    const int type = ReadConfigInteger(s_, "Preference", "Game_TreeType", 0);
    if (type == 1 && haveRememberedTreeNum_) {
        if (trvGameGroups->topLevelItemCount() == 0)
            BuildGroupsTree();
        if (QTreeWidgetItem* group = FindNode(trvGameGroups, rememberedTreeNum_)) {
            FillGroup(group);
            const int current = s_.Params.ReadInt(kParamGame, kParamGameWidth, -1);
            for (int i = 0; i < group->childCount(); ++i)
                if (group->child(i)->data(0, kCodeRole).toInt() == current) {
                    for (QTreeWidgetItem* p = group; p; p = p->parent())
                        p->setExpanded(true);
                    const QSignalBlocker quiet(trvGameGroups);
                    trvGameGroups->setCurrentItem(group->child(i));
                    trvGameGroups->scrollToItem(group->child(i));
                }
        }
        haveRememberedTreeNum_ = false;
    }
    for (GameTree* t : Lists)
        t->setEnabled(true);
    ShowList(type);
    // The won-and-lost icons follow the player of this showing, who may have changed since.
    if (chkWonLost->isChecked())
        chkWonLostClick();
    if (!VisibleList()) {
        for (GameTree* t : Lists)
            t->hide();
        ShowFacts();
    }
    QApplication::restoreOverrideCursor();
}

bool TfrmOpenGame::Choose(int& number, std::string& name, std::string& player) {
    PrepareShowing();
    exec();
    if (!chosen_)
        return false;
    chosen_ = false;
    number = chosenNumber_;
    name = chosenName_;
    player = SelectedPlayer();
    return true;
}

int TfrmOpenGame::NodePosition(QTreeWidgetItem* item) const {
    int position = 0;
    for (QTreeWidgetItemIterator it(item->treeWidget()); *it; ++it, ++position)
        if (*it == item)
            return position;
    return -1;
}

void TfrmOpenGame::OkClick() {
    GameTree* tree = VisibleList();
    QTreeWidgetItem* item = tree ? tree->currentItem() : nullptr;
    if (!item || item->data(0, kCodeRole).toInt() < 0) {
        s_.desktop->MessageBox(BoxKind::Information, "Information", "Open a game");
        if (tree)
            tree->setFocus();
        return;
    }
    chosenNumber_ = item->data(0, kCodeRole).toInt();
    chosenName_ = item->text(0).toStdString();
    if (!CanPlayOnSmallScreen(s_, chosenNumber_, ScreenWidth ? ScreenWidth() : 1024))
        return;
    WriteConfigString(s_, "Preference", "Open_Show_Won_Lost", chkWonLost->isChecked() ? "Y" : "N");
    WriteConfigInteger(s_, "Preference", "Game", chosenNumber_);
    WriteConfigString(s_, "Preference", "Game_Name", chosenName_);
    WriteConfigInteger(s_, "Preference", "Game_TreeNum",
                       item->parent() ? item->parent()->data(0, kCodeRole).toInt() : -1);
    WriteConfigInteger(s_, "Preference", "Game_TreePos", NodePosition(item));
    WriteConfigInteger(s_, "Preference", "Game_TreeType", treeType_);
    hide();
    chosen_ = true;
    accept();
}

void TfrmOpenGame::RulesClick() {
    const int game = SelectedGame();
    if (game < 0)
        s_.desktop->MessageBox(BoxKind::Information, "Information", "Select a game");
    else if (game < kFirstCustomGame && ShowRules)
        ShowRules(game);
    if (GameTree* tree = VisibleList())
        tree->setFocus();
}

void TfrmOpenGame::StatisticsClick() {
    if (ShowStatistics)
        ShowStatistics(SelectedPlayer(), SelectedGame());
    // A reset in the view changes the results the won-and-lost icons show.
    if (chkWonLost->isChecked())
        chkWonLostClick();
    if (GameTree* tree = VisibleList())
        tree->setFocus();
}

void TfrmOpenGame::keyPressEvent(QKeyEvent* event) {
    // Enter is OK wherever the focus is in the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OkClick();
        event->accept();
        return;
    }
    C_TAdvancedForm::keyPressEvent(event);
}

void TfrmOpenGame::done(int result) {
    // Every way out: with no game current the game commands stay off; the main window repaints
    // and draws the pairing highlights again.
    if (s_.Params.ReadInt(kParamGame, kParamGameWidth, -1) < 0 && EnableGameCommands)
        EnableGameCommands(false);
    C_TAdvancedForm::done(result);
    if (AfterClose)
        AfterClose();
}

} // namespace quillon
