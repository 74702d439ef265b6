#include "shell/Customize_Freeware.h"

#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Files.h"
#include "shell/Main.h"
#include "support/Pauses.h"
#include "table/ImageResources.h"
#include "table/TableDrawing.h"

#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdio>

namespace quillon {

namespace {

constexpr int kCardSize = 128, kCardSet = 24, kFade = 135, kBack = 21, kPicture = 43, kCustomColour = 28,
              kFixedColour = 47, kDefault = 27, kPileTips = 179, kSounds = 141, kShowTime = 66,
              kShowScore = 136, kConfirmQuitGame = 185;
constexpr long long kButtonFace = -2147483633LL;
constexpr int kDefaultBackgroundColour = 32768;

// The nine saved values, in the order they are taken when the dialog is shown.
struct Field {
    int position, width;
};
constexpr Field kSaved[9] = {{kCardSize, 1},     {kCardSet, 3}, {kFade, 1},
                             {kBack, 3},         {kPicture, 4}, {kCustomColour, 15},
                             {kFixedColour, 15}, {kDefault, 1}, {kPileTips, 1}};

constexpr int kSampleWidth = 150, kSampleHeight = 140;
constexpr int kNumberRole = Qt::UserRole;

struct Node {
    const char* group;
    const char* subgroup; // nullptr: the node hangs under the group itself
    const char* text;
    long long number;
};

const Node kCardBacks[] = {
    {"Animals", nullptr, "Tropical fish", 19}, {"Children", nullptr, "Snowman", 3},
    {"Classics", nullptr, "Classic blue", 7},  {"Famous pictures", nullptr, "Leonardo da Vinci", 1},
    {"Flowers", nullptr, "Roses", 14},         {"Geometric", nullptr, "Plaiting 1", 11},
    {"Geometric", nullptr, "Plaiting 2", 6},   {"Nature", nullptr, "Lake", 20},
};

const Node kBackgrounds[] = {
    {"Colors", nullptr, "Blue", 16711680},
    {"Colors", nullptr, "Green", 32768},
    {"Colors", nullptr, "Navy", 8388608},
    {"Colors", nullptr, "Olive", 32896},
    {"Colors", nullptr, "Teal", 8421376},
    {"Colors", nullptr, "White", 16777215},
    {"Over 256 colors", "Metal", "Metal gold", 287},
    {"Over 256 colors", "Nature", "Meadow", 324},
    {"Over 256 colors", "Tissue", "Moquette 1", 296},
    {"Over 256 colors", "Walls", "Brick wall 1", 304},
    {"Over 256 colors", "Wood", "Parquet", 311},
    {"Under 256 colors", "Geometricals", "Moquette", 102},
};

// Tree pictures, in the order of the image list.
enum Picture { ClosedGroup, OpenGroup, CardBackNode, BackgroundNode };

QString Q(const std::string& t) {
    return QString::fromStdString(t);
}

// The items of a tree in display order, groups included (the tree's node index).
void Walk(QTreeWidgetItem* item, std::vector<QTreeWidgetItem*>& out) {
    out.push_back(item);
    for (int i = 0; i < item->childCount(); ++i)
        Walk(item->child(i), out);
}

std::vector<QTreeWidgetItem*> AllNodes(QTreeWidget* tree) {
    std::vector<QTreeWidgetItem*> out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        Walk(tree->topLevelItem(i), out);
    return out;
}

QTreeWidget* MakeTree(QWidget* parent, const char* name) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setIconSize(QSize(16, 16));
    tree->setFixedWidth(180);
    // The selection stays visible while the tree has no focus.
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    tree->setPalette(palette);
    return tree;
}

QCheckBox* Box(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

std::string YN(const QCheckBox* box) {
    return box->isChecked() ? "Y" : "N";
}

} // namespace

TfrmCustomize_Freeware::TfrmCustomize_Freeware(TfrmMain& main)
    : C_TAdvancedForm(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      main_(main), s(main.s), images_(main.Images()) {
    setObjectName("frmCustomize_Freeware");
    setWindowTitle("Customize");
    setModal(true);
    setFixedSize(400, 301);
    QFont font("Tahoma");
    font.setPointSize(8);
    setFont(font);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    TabbedNotebook1 = new QTabWidget(this);
    TabbedNotebook1->setObjectName("TabbedNotebook1");
    column->addWidget(TabbedNotebook1, 1);
    BuildGeneralPage();
    BuildDecksPage();
    BuildBackgroundsPage();
    BuildSoundsPage();
    FillTrees();

    auto* buttons = new QHBoxLayout;
    btnAiuto = new QPushButton("&?", this);
    btnAiuto->setObjectName("btnAiuto");
    btnAiuto->setFixedWidth(32);
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnAnnulla = new QPushButton("Cancel", this);
    btnAnnulla->setObjectName("btnAnnulla");
    buttons->addWidget(btnAiuto);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnAnnulla);
    column->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, [this] { OK(); });
    connect(btnAnnulla, &QPushButton::clicked, this, [this] { Cancel(); });
    connect(btnAiuto, &QPushButton::clicked, this, [this] {
        if (main_.ShowHelpPage)
            main_.ShowHelpPage(
                FindNoCase(s.ProgramFolder, "help/" + std::to_string(kCustomizeHelpContext) + ".html"));
    });
    connect(trvCardBack, &QTreeWidget::currentItemChanged, this, [this] { CardBackChanged(); });
    connect(trvBackGround, &QTreeWidget::currentItemChanged, this, [this] { BackgroundChanged(); });
    connect(chkFadeBackground, &QCheckBox::clicked, this, [this] { FadeClicked(); });
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, [this] { PageChanged(); });
    // Open groups show the open picture.
    for (QTreeWidget* tree : {trvCardBack, trvBackGround}) {
        connect(tree, &QTreeWidget::itemExpanded, this, [this] { UpdateTreeIcons(); });
        connect(tree, &QTreeWidget::itemCollapsed, this, [this] { UpdateTreeIcons(); });
        connect(tree, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateTreeIcons(); });
    }

    // This system's toolbars are always flat.
    if (IsXPOrLater()) {
        chkTBFlatBtn->setChecked(true);
        chkTBFlatBtn->setEnabled(false);
    }
    // Centred on the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->availableGeometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
    FinishDesign();
}

void TfrmCustomize_Freeware::BuildGeneralPage() {
    auto* page = new QWidget(TabbedNotebook1);
    auto* column = new QVBoxLayout(page);
    auto* toolbar = new QGroupBox("Toolbar ", page);
    auto* toolbarRow = new QHBoxLayout(toolbar);
    auto* picture = new QLabel(toolbar);
    QImage icon;
    images_.LoadImageResource(icon, "MN_CUSTOMIZE");
    if (!icon.isNull())
        picture->setPixmap(QPixmap::fromImage(icon.scaled(32, 32)));
    toolbarRow->addWidget(picture, 0, Qt::AlignTop);
    auto* timeScores = new QGroupBox("Time / Scores options", toolbar);
    auto* timeColumn = new QVBoxLayout(timeScores);
    chkShowTime = Box(timeScores, "chkShowTime", "Show &time");
    chkShowScore = Box(timeScores, "chkShowScore", "Show sco&re");
    timeColumn->addWidget(chkShowTime);
    timeColumn->addWidget(chkShowScore);
    toolbarRow->addWidget(timeScores, 1);
    // Kept for what they carry: the player cannot change them here, "OK" writes them.
    auto* buttonsGroup = new QGroupBox("Buttons ", toolbar);
    auto* buttonsColumn = new QVBoxLayout(buttonsGroup);
    chkTBLargeIcons = Box(buttonsGroup, "chkTBLargeIcons", "&Large buttons");
    chkTBFlatBtn = Box(buttonsGroup, "chkTBFlatBtn", "&Flat buttons");
    buttonsColumn->addWidget(chkTBLargeIcons);
    buttonsColumn->addWidget(chkTBFlatBtn);
    toolbarRow->addWidget(buttonsGroup);
    buttonsGroup->hide();
    column->addWidget(toolbar);

    auto* show = new QGroupBox("Show ", page);
    auto* showColumn = new QVBoxLayout(show);
    chkConfirmQuitGame = Box(show, "chkConfirmQuitGame", "C&onfirm quit game");
    chkWinningAnimation = Box(show, "chkWinningAnimation", "&Winning animation");
    chkWinningAnimation->setChecked(true);
    chkConfirmOnExit = Box(show, "chkConfirmOnExit", "Confirm on e&xit");
    showColumn->addWidget(chkConfirmQuitGame);
    showColumn->addWidget(chkWinningAnimation);
    showColumn->addWidget(chkConfirmOnExit);
    chkWinningAnimation->hide();
    chkConfirmOnExit->hide();
    column->addWidget(show);
    column->addStretch(1);
    TabbedNotebook1->addTab(page, "&General");
}

void TfrmCustomize_Freeware::BuildDecksPage() {
    auto* page = new QWidget(TabbedNotebook1);
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Select a card back:", page));
    trvCardBack = MakeTree(page, "trvCardBack");
    left->addWidget(trvCardBack, 1);
    row->addLayout(left);
    auto* sample = new QGroupBox(page);
    auto* sampleColumn = new QVBoxLayout(sample);
    lblDecks = new QLabel("Sample ", sample);
    lblDecks->setObjectName("lblDecks");
    imgSfondoEsempio2_ = new QLabel(sample);
    imgSfondoEsempio2_->setObjectName("imgSfondoEsempio2");
    imgSfondoEsempio2_->setFixedSize(kSampleWidth, kSampleHeight);
    sampleColumn->addWidget(lblDecks);
    sampleColumn->addWidget(imgSfondoEsempio2_, 0, Qt::AlignHCenter);
    sampleColumn->addStretch(1);
    row->addWidget(sample, 1);
    TabbedNotebook1->addTab(page, "&Decks  ");
}

void TfrmCustomize_Freeware::BuildBackgroundsPage() {
    auto* page = new QWidget(TabbedNotebook1);
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Select a background:", page));
    trvBackGround = MakeTree(page, "trvBackGround");
    left->addWidget(trvBackGround, 1);
    row->addLayout(left);
    auto* sample = new QGroupBox(page);
    auto* sampleColumn = new QVBoxLayout(sample);
    lblBackGround = new QLabel(sample);
    lblBackGround->setObjectName("lblBackGround");
    chkFadeBackground = Box(sample, "chkFadeBackground", "&Fade background");
    imgSfondoEsempio_ = new QLabel(sample);
    imgSfondoEsempio_->setObjectName("imgSfondoEsempio");
    imgSfondoEsempio_->setFixedSize(kSampleWidth, kSampleHeight);
    sampleColumn->addWidget(lblBackGround);
    sampleColumn->addWidget(imgSfondoEsempio_, 0, Qt::AlignHCenter);
    sampleColumn->addWidget(chkFadeBackground);
    sampleColumn->addStretch(1);
    row->addWidget(sample, 1);
    TabbedNotebook1->addTab(page, "&Backgrounds");
}

void TfrmCustomize_Freeware::BuildSoundsPage() {
    auto* page = new QWidget(TabbedNotebook1);
    auto* column = new QVBoxLayout(page);
    chkSoundsEnabled = Box(page, "chkSoundsEnabled", "Disable all &sounds");
    column->addWidget(chkSoundsEnabled);
    auto* panel = new QLabel(page);
    panel->setObjectName("pnlSounds");
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setAlignment(Qt::AlignCenter);
    QImage picture;
    images_.LoadImageResource(picture, "TITLE");
    if (!picture.isNull())
        panel->setPixmap(
            QPixmap::fromImage(picture).scaled(300, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    column->addWidget(panel, 1);
    TabbedNotebook1->addTab(page, "&Sounds");
}

void TfrmCustomize_Freeware::FillTrees() {
    auto fill = [](QTreeWidget* tree, const Node* nodes, size_t count, Picture leaf) {
        QSignalBlocker quiet(tree);
        auto group = [](QTreeWidgetItem* parent, QTreeWidget* t, const char* text) {
            QTreeWidgetItem* found = nullptr;
            const int n = parent ? parent->childCount() : t->topLevelItemCount();
            for (int i = 0; i < n && !found; ++i) {
                QTreeWidgetItem* item = parent ? parent->child(i) : t->topLevelItem(i);
                if (item->text(0) == text)
                    found = item;
            }
            if (!found) {
                found = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(t);
                found->setText(0, text);
                found->setData(0, kNumberRole, 0);
                found->setData(0, Qt::UserRole + 1, int(ClosedGroup));
            }
            return found;
        };
        for (size_t i = 0; i < count; ++i) {
            QTreeWidgetItem* parent = group(nullptr, tree, nodes[i].group);
            if (nodes[i].subgroup)
                parent = group(parent, tree, nodes[i].subgroup);
            auto* item = new QTreeWidgetItem(parent);
            item->setText(0, nodes[i].text);
            item->setData(0, kNumberRole, nodes[i].number);
            item->setData(0, Qt::UserRole + 1, int(leaf));
        }
        tree->setSortingEnabled(true);
        tree->sortByColumn(0, Qt::AscendingOrder);
    };
    fill(trvCardBack, kCardBacks, std::size(kCardBacks), CardBackNode);
    fill(trvBackGround, kBackgrounds, std::size(kBackgrounds), BackgroundNode);
}

QTreeWidgetItem* TfrmCustomize_Freeware::NodeWithNumber(QTreeWidget* tree, int number) const {
    for (QTreeWidgetItem* item : AllNodes(tree))
        if (NodeNumber(item) == number && item->childCount() == 0)
            return item;
    return nullptr;
}

QTreeWidgetItem* TfrmCustomize_Freeware::NodeAtIndex(QTreeWidget* tree, int index) const {
    const auto nodes = AllNodes(tree);
    return index >= 0 && index < int(nodes.size()) ? nodes[size_t(index)] : nullptr;
}

int TfrmCustomize_Freeware::NodeNumber(const QTreeWidgetItem* node) {
    return node ? static_cast<int>(node->data(0, kNumberRole).toLongLong()) : -1;
}

int TfrmCustomize_Freeware::SelectedNumber(QTreeWidget* tree) const {
    // The current node is the selected one (a click makes it current before it is selected).
    return NodeNumber(tree->currentItem());
}

void TfrmCustomize_Freeware::showEvent(QShowEvent* e) {
    C_TAdvancedForm::showEvent(e);
    if (!e->spontaneous())
        Showing();
}

void TfrmCustomize_Freeware::Showing() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cancelled_ = true;
    closed_ = false;
    for (size_t i = 0; i < saved_.size(); ++i)
        saved_[i] = s.Params.ReadParam(kSaved[i].position, kSaved[i].width);
    chkFadeBackground->setChecked(s.Params.ReadParam(kFade, 1) == "Y");
    {
        QSignalBlocker quiet(trvCardBack);
        if (QTreeWidgetItem* back = NodeWithNumber(trvCardBack, s.Params.ReadInt(kBack, 3, 0))) {
            trvCardBack->setCurrentItem(back);
            trvCardBack->scrollToItem(back);
        }
    }
    const long long picture = s.Params.ReadInt(kPicture, 4, 0);
    const long long custom = s.Params.ReadInt(kCustomColour, 15, 0);
    const long long fixed = s.Params.ReadInt(kFixedColour, 15, 0);
    const bool byDefault = s.Params.ReadParam(kDefault, 1) == "Y";
    customColour_ = custom == 0 ? kButtonFace : custom;
    // The node that stands for the stored background; selecting it paints the sample and its label.
    QTreeWidgetItem* node = nullptr;
    if (!byDefault && fixed != 0) {
        PaintColour(sampleBackground_, fixed);
        node = NodeWithNumber(trvBackGround, int(fixed));
    } else if (!byDefault && picture != 0) {
        PaintBackgroundSample(int(picture));
        node = NodeWithNumber(trvBackGround, int(picture));
    } else if (!byDefault) {
        PaintColour(sampleBackground_, customColour_);
        node = NodeWithNumber(trvBackGround, 1);
    } else {
        PaintBackgroundSample(0);
        node = NodeAtIndex(trvBackGround, 1);
    }
    trvBackGround->clearSelection();
    trvBackGround->setCurrentItem(nullptr);
    if (node) {
        trvBackGround->setCurrentItem(node);
        trvBackGround->scrollToItem(node);
    }
    ShowSamples();
    PageChanged();
    CardBackChanged();
    chkSoundsEnabled->setChecked(s.Params.ReadParam(kSounds, 1) != "Y");
    // The tree pictures from the library, each with its top-left colour transparent.
    const char* const names[5] = {"TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5"};
    for (int i = 0; i < 5; ++i) {
        QImage img;
        images_.LoadImageResource(img, names[i]);
        if (img.isNull()) {
            treeIcons_[size_t(i)] = QIcon();
            continue;
        }
        QPixmap pix = QPixmap::fromImage(img);
        pix.setMask(QBitmap::fromImage(img.createMaskFromColor(img.pixel(0, 0), Qt::MaskInColor)));
        treeIcons_[size_t(i)] = QIcon(pix);
    }
    UpdateTreeIcons();
    chkTBLargeIcons->setChecked(ReadConfigString(s, "Preference", "ToolBar_Large", "Y") == "Y");
    chkTBFlatBtn->setChecked(ReadConfigString(s, "Preference", "ToolBar_Flat", "Y") == "Y" || IsXPOrLater());
    chkConfirmOnExit->setChecked(ReadConfigString(s, "Preference", "ConfirmQuit", "N") == "Y");
    chkShowTime->setChecked(s.Params.ReadParam(kShowTime, 1) != "N");
    chkShowScore->setChecked(s.Params.ReadParam(kShowScore, 1) != "N");
    chkConfirmQuitGame->setChecked(s.Params.ReadParam(kConfirmQuitGame, 1) != "N");
    QApplication::restoreOverrideCursor();
}

void TfrmCustomize_Freeware::UpdateTreeIcons() {
    for (QTreeWidget* tree : {trvCardBack, trvBackGround})
        for (QTreeWidgetItem* item : AllNodes(tree)) {
            const int kind = item->data(0, Qt::UserRole + 1).toInt();
            const bool open = kind == ClosedGroup && (item->isExpanded() || item->isSelected());
            item->setIcon(0, treeIcons_[size_t(open ? OpenGroup : kind)]);
        }
}

void TfrmCustomize_Freeware::PaintColour(QImage& sample, long long colour) {
    sample = QImage(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
    const QRgb rgb = ColourFromValue(colour);
    if (chkFadeBackground->isChecked() && images_.services.ManyColours)
        PaintFadedColour(sample, rgb, sample.height() + 1);
    else
        sample.fill(rgb);
}

void TfrmCustomize_Freeware::PaintBackgroundSample(int number) {
    if (number > 1000) {
        PaintColour(sampleBackground_, number);
    } else if (number == 1) {
        PaintColour(sampleBackground_, customColour_);
    } else {
        BackgroundChoice choice;
        if (number >= 2 && images_.LibraryBackground(number, choice)) {
            sampleBackground_ = QImage(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
            ImageResources::PaintBackground(sampleBackground_, choice);
        } else {
            // The default background: the table's green, faded as the box says.
            PaintColour(sampleBackground_, kDefaultBackgroundColour);
        }
    }
}

void TfrmCustomize_Freeware::ShowSamples() {
    imgSfondoEsempio_->setPixmap(QPixmap::fromImage(sampleBackground_));
    imgSfondoEsempio2_->setPixmap(QPixmap::fromImage(sampleDeck_));
}

void TfrmCustomize_Freeware::CardBackChanged() {
    const int number = SelectedNumber(trvCardBack);
    if (number <= 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The sample shows the back in the big size, whatever size the table uses.
    const std::string size = s.Params.ReadParam(kCardSize, 1);
    s.Params.WriteParam(kCardSize, 1, "B");
    char name[16];
    std::snprintf(name, sizeof name, "DB%03d", number);
    QImage back;
    images_.LoadImageResource(back, name);
    if (sampleDeck_.isNull())
        PageChanged();
    if (!back.isNull()) {
        QPainter p(&sampleDeck_);
        p.drawImage(QRect(kBackLeft, kBackTop, 71, 96), back);
    }
    ShowSamples();
    lblDecks->setText(trvCardBack->currentItem()->text(0));
    s.Params.WriteParam(kCardSize, 1, size);
    QApplication::restoreOverrideCursor();
}

void TfrmCustomize_Freeware::BackgroundChanged() {
    QTreeWidgetItem* node = trvBackGround->currentItem();
    if (!node)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PaintBackgroundSample(NodeNumber(node));
    lblBackGround->setText(node->text(0));
    ShowSamples();
    QApplication::restoreOverrideCursor();
}

void TfrmCustomize_Freeware::FadeClicked() {
    const int n = SelectedNumber(trvBackGround);
    if (n == 1 || n > 1000) {
        PaintBackgroundSample(n);
        ShowSamples();
    }
}

void TfrmCustomize_Freeware::PageChanged() {
    const int n = SelectedNumber(trvBackGround);
    if (n == 1 || n > 1000) {
        PaintBackgroundSample(n);
        sampleDeck_ = sampleBackground_.copy();
    } else {
        if (sampleBackground_.isNull())
            PaintBackgroundSample(n);
        sampleDeck_ = sampleBackground_.copy();
    }
    // The back goes on the fresh deck sample again.
    const int back = SelectedNumber(trvCardBack);
    if (back > 0 && !sampleDeck_.isNull()) {
        const std::string size = s.Params.ReadParam(kCardSize, 1);
        s.Params.WriteParam(kCardSize, 1, "B");
        char name[16];
        std::snprintf(name, sizeof name, "DB%03d", back);
        QImage picture;
        images_.LoadImageResource(picture, name);
        s.Params.WriteParam(kCardSize, 1, size);
        if (!picture.isNull()) {
            QPainter p(&sampleDeck_);
            p.drawImage(QRect(kBackLeft, kBackTop, 71, 96), picture);
        }
    }
    ShowSamples();
}

void TfrmCustomize_Freeware::WriteChoices(bool customColourToPosition28) {
    s.Params.WriteParam(kFade, 1, YN(chkFadeBackground));
    const int back = SelectedNumber(trvCardBack);
    if (back > 0) {
        char text[8];
        std::snprintf(text, sizeof text, "%03d", back);
        s.Params.WriteParam(kBack, 3, text);
    }
    // A stored background that no node stands for (another picture, the custom colour) stays as
    // it is: nothing was chosen in its place.
    const int n = SelectedNumber(trvBackGround);
    if (n < 0)
        return;
    s.Params.WriteParam(kPicture, 4, n >= 2 && n <= 1000 ? std::to_string(n) : "0");
    s.Params.WriteParam(kDefault, 1, n <= 0 ? "Y" : "N");
    s.Params.WriteParam(kFixedColour, 15, n > 1000 ? std::to_string(n) : "0");
    if (customColourToPosition28)
        s.Params.WriteParam(kCustomColour, 15, std::to_string(customColour_));
    else
        s.Params.WriteParam(kCustomColour, 15, n == 1 ? std::to_string(customColour_) : "0");
}

void TfrmCustomize_Freeware::OK() {
    const std::string sounds = chkSoundsEnabled->isChecked() ? "N" : "Y";
    cancelled_ = false;
    WriteConfigString(s, "Preference", "Sounds_Enabled", sounds);
    WriteChoices(true);
    WriteConfigInteger(s, "Preference", "Back_Card", s.Params.ReadInt(kBack, 3, 11));
    WriteConfigString(s, "Preference", "Background_bmp", s.Params.ReadParam(kPicture, 4));
    WriteConfigString(s, "Preference", "Background_Col", s.Params.ReadParam(kCustomColour, 15));
    WriteConfigString(s, "Preference", "Background_Fixed_Col", s.Params.ReadParam(kFixedColour, 15));
    WriteConfigString(s, "Preference", "Background_Def", s.Params.ReadParam(kDefault, 1));
    WriteConfigString(s, "Preference", "Fade_Background", s.Params.ReadParam(kFade, 1));
    s.Params.WriteParam(kSounds, 1, sounds);
    WriteConfigString(s, "Preference", "ToolBar_Large", YN(chkTBLargeIcons));
    WriteConfigString(s, "Preference", "ToolBar_Flat", YN(chkTBFlatBtn));
    WriteConfigString(s, "Preference", "Show_Time", YN(chkShowTime));
    WriteConfigString(s, "Preference", "Show_Score", YN(chkShowScore));
    WriteConfigString(s, "Preference", "ConfirmQuit", YN(chkConfirmOnExit));
    WriteConfigString(s, "Preference", "ConfirmQuitGame", YN(chkConfirmQuitGame));
    WriteConfigString(s, "Preference", "Winning_Animation", YN(chkWinningAnimation));
    main_.SetToolbarLarge(chkTBLargeIcons->isChecked());
    main_.SetShowTime(chkShowTime->isChecked());
    main_.SetShowScore(chkShowScore->isChecked());
    s.Params.WriteParam(kConfirmQuitGame, 1, YN(chkConfirmQuitGame));
    main_.unsetCursor();
    accept();
}

void TfrmCustomize_Freeware::Cancel() {
    cancelled_ = true;
    reject();
}

void TfrmCustomize_Freeware::closeEvent(QCloseEvent* e) {
    // The close box is "Cancel".
    cancelled_ = true;
    C_TAdvancedForm::closeEvent(e);
}

void TfrmCustomize_Freeware::done(int result) {
    C_TAdvancedForm::done(result);
    Closing();
}

void TfrmCustomize_Freeware::Closing() {
    if (closed_)
        return;
    closed_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hide();
    QApplication::processEvents();
    main_.repaint();
    if (cancelled_) {
        for (size_t i = 0; i < saved_.size(); ++i)
            s.Params.WriteParam(kSaved[i].position, kSaved[i].width, saved_[i]);
    } else {
        WriteChoices(false);
    }
    // The table again with the back and background now in force.
    images_.ApplyCardSettings();
    main_.Drawing().ForgetMarks();
    main_.RedrawTable();
    QApplication::restoreOverrideCursor();
}

void ShowCustomizeDialog(TfrmMain& main) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto dialog = std::make_unique<TfrmCustomize_Freeware>(main);
    QApplication::restoreOverrideCursor();
    dialog->exec();
}

} // namespace quillon
