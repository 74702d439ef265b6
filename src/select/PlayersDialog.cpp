#include "select/PlayersDialog.h"

#include "engine/GameEnd.h"
#include "engine/TableView.h"
#include "model/Deal.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/ResourceLibrary.h"
#include "select/Players.h"
#include "select/StatisticsFiles.h"
#include "table/ImageResources.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace quillon {

namespace {

constexpr int kParamLanguage = 68, kParamLanguageWidth = 6;
constexpr int kAddPlayerString = 1803, kEditPlayerString = 1804;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string TrimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A caption from the program's string table: the language base (position 68) plus the offset.
std::string LanguageString(const Session& s, int offset, const char* fallback) {
    const int base = s.Params.ReadInt(kParamLanguage, kParamLanguageWidth, 20000);
    std::string text = s.MainLibrary ? s.MainLibrary->String(base + offset) : "";
    return text.empty() ? fallback : text;
}

} // namespace

TfrmPlayers2::TfrmPlayers2(const std::string& caption, const std::string& name, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmPlayers2");
    setWindowTitle(Q(caption));
    auto* column = new QVBoxLayout(this);
    auto* label = new QLabel("&Player's name:", this);
    edit_ = new QLineEdit(Q(name), this);
    edit_->setObjectName("txtName");
    label->setBuddy(edit_);
    column->addWidget(label);
    column->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setFixedSize(280, sizeHint().height());
}

std::string TfrmPlayers2::Name() const {
    return edit_->text().toStdString();
}

TfrmPlayers::TfrmPlayers(Session& session, ImageResources* images, QWidget* parent)
    : QDialog(parent), s(session) {
    setObjectName("frmPlayers");
    setWindowTitle("Players");
    auto* column = new QVBoxLayout(this);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto tool = [&](const char* name, const char* caption, const char* picture, void (TfrmPlayers::*run)()) {
        QAction* a = bar->addAction(caption);
        a->setObjectName(name);
        QImage image;
        if (images && images->LoadImageResource(image, picture) && !image.isNull()) {
            QPixmap pixmap = QPixmap::fromImage(image);
            // The top-left pixel's colour is the transparent one of the library's buttons.
            pixmap.setMask(pixmap.createMaskFromColor(QColor(image.pixel(0, 0))));
            a->setIcon(QIcon(pixmap));
        }
        connect(a, &QAction::triggered, this, [this, run] { (this->*run)(); });
        return a;
    };
    tbNew_ = tool("tbNew", "&New", "BTN_NEW", &TfrmPlayers::AddPlayer);
    tbEdit_ = tool("tbEdit", "&Edit", "BTN_EDIT", &TfrmPlayers::RenamePlayer);
    tbDelete_ = tool("tbDelete", "&Delete", "BTN_DELETE", &TfrmPlayers::DeletePlayer);
    column->addWidget(bar);

    auto* label = new QLabel("&Select a player:", this);
    column->addWidget(label);
    auto* row = new QHBoxLayout;
    lstPlayers_ = new QListWidget(this);
    lstPlayers_->setObjectName("lstPlayers");
    label->setBuddy(lstPlayers_);
    row->addWidget(lstPlayers_, 1);
    auto* buttons = new QVBoxLayout;
    btnSelect_ = new QPushButton("Select", this);
    btnSelect_->setObjectName("btnSelect");
    btnSelect_->setDefault(true);
    btnCancel_ = new QPushButton("Cancel", this);
    btnCancel_->setObjectName("btnCancel");
    buttons->addWidget(btnSelect_);
    buttons->addWidget(btnCancel_);
    buttons->addStretch(1);
    row->addLayout(buttons);
    column->addLayout(row, 1);

    auto* working = new QHBoxLayout;
    lblWorking_ = new QLabel("Working:", this);
    lblProgress_ = new QLabel("0", this);
    lblProgress_->setObjectName("lblProgress");
    working->addWidget(lblWorking_);
    working->addWidget(lblProgress_, 1);
    column->addLayout(working);
    lblWorking_->hide();
    lblProgress_->hide();

    connect(btnSelect_, &QPushButton::clicked, this, [this] { SelectPlayer(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(lstPlayers_, &QListWidget::itemDoubleClicked, this, [this] { SelectPlayer(); });
    connect(lstPlayers_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    lstPlayers_->installEventFilter(this);

    AskName = [this](const std::string& caption, std::string& name) {
        TfrmPlayers2 dialog(caption, name, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        name = dialog.Name();
        return true;
    };
    setFixedSize(330, 300);
}

std::string TfrmPlayers::CurrentPlayer() const {
    return TrimRight(s.Params.ReadParam(kParamPlayer, kParamPlayerWidth));
}

std::string TfrmPlayers::Selected() const {
    const int row = lstPlayers_->currentRow();
    return row >= 0 && row < static_cast<int>(names_.size()) ? names_[row] : "";
}

void TfrmPlayers::Open() {
    names_ = PlayerNames(s);
    changed_ = false;
    startingPlayer_ = CurrentPlayer();
    ShowNames(startingPlayer_);
}

void TfrmPlayers::ShowNames(const std::string& select) {
    lstPlayers_->clear();
    int selectRow = -1;
    for (size_t i = 0; i < names_.size(); ++i) {
        lstPlayers_->addItem(Q(names_[i]));
        if (TrimRight(names_[i]) == TrimRight(select))
            selectRow = static_cast<int>(i);
    }
    lstPlayers_->setCurrentRow(selectRow);
    UpdateButtons();
}

void TfrmPlayers::UpdateButtons() {
    const bool any = lstPlayers_->currentRow() >= 0;
    btnSelect_->setEnabled(any);
    tbEdit_->setEnabled(any);
    tbDelete_->setEnabled(any && TrimRight(Selected()) != CurrentPlayer());
}

void TfrmPlayers::Inform(const std::string& text) {
    s.desktop->MessageBox(BoxKind::Information, "Players", text);
}

bool TfrmPlayers::AskValidName(bool rename, std::string& name) {
    const std::string original = name;
    const std::string caption = rename ? LanguageString(s, kEditPlayerString, "Edit a player")
                                       : LanguageString(s, kAddPlayerString, "Add a player");
    for (;;) {
        if (!AskName || !AskName(caption, name))
            return false;
        if (std::string problem = PlayerNameProblem(name); !problem.empty()) {
            Inform(problem);
            continue;
        }
        if (rename && name == original)
            return true;
        const std::string trimmed = TrimRight(name);
        if (std::any_of(names_.begin(), names_.end(),
                        [&](const std::string& n) { return TrimRight(n) == trimmed; })) {
            Inform("This player name already exists.");
            continue;
        }
        return true;
    }
}

void TfrmPlayers::AddPlayer() {
    std::string name;
    if (!AskValidName(false, name))
        return;
    changed_ = true;
    if (std::find(names_.begin(), names_.end(), name) == names_.end())
        names_.push_back(name);
    SortPlayerNames(names_);
    ShowNames(name);
}

void TfrmPlayers::RenamePlayer() {
    if (lstPlayers_->currentRow() < 0) {
        QApplication::beep();
        return;
    }
    Rename(Selected());
}

void TfrmPlayers::Rename(const std::string& oldName) {
    std::string name = oldName;
    if (!AskValidName(true, name) || name == oldName)
        return;
    changed_ = true;
    std::replace(names_.begin(), names_.end(), oldName, name);
    SortPlayerNames(names_);
    if (TrimRight(oldName) == startingPlayer_)
        startingPlayer_ = TrimRight(name);
    // The player in force keeps playing under the new name (and still cannot be deleted).
    if (TrimRight(oldName) == CurrentPlayer())
        s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, TrimRight(name));
    ShowNames(name);
    lblProgress_->setText("0");
    lblWorking_->show();
    lblProgress_->show();
    RenamePlayerInStatistics(s, oldName, name, [this](int lines) {
        lblProgress_->setText(QString::number(lines));
        lblProgress_->repaint();
    });
    lblWorking_->hide();
    lblProgress_->hide();
    Inform("Player renamed.");
}

void TfrmPlayers::DeletePlayer() {
    if (lstPlayers_->currentRow() < 0) {
        QApplication::beep();
        return;
    }
    const std::string name = Selected();
    if (TrimRight(name) == CurrentPlayer()) {
        Inform("It is impossible to delete the selected player.");
        return;
    }
    if (!s.desktop->MessageBox(BoxKind::Question, "Players",
                               "Are you sure you want to delete the selected player?\n"
                               "Note: the statistics for this player will also be deleted."))
        return;
    changed_ = true;
    DeletePlayerStatistics(s, name);
    std::erase(names_, name);
    ShowNames(names_.empty() ? "" : names_.front());
}

bool TfrmPlayers::CheckNames() {
    std::string offending;
    for (const std::string& name : names_) {
        if (PlayerNameValid(name))
            continue;
        Inform(ForbiddenNameMessage() + "\n" + "Please rename the Player name:  " + name);
        ShowNames(name);
        Rename(name);
        return false;
    }
    return true;
}

void TfrmPlayers::SelectPlayer() {
    if (lstPlayers_->currentRow() < 0) {
        Inform("Select a player.");
        return;
    }
    if (!CheckNames())
        return;
    const std::string chosen = TrimRight(Selected());
    const bool changes = chosen != startingPlayer_;
    if (changes) {
        if (!ConfirmQuit(s, "Start a new game for player " + chosen + "?"))
            return;
        // The game in progress ends as the starting player's.
        s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, startingPlayer_);
        EndGame(s);
    }
    Save(chosen);
    if (changes && onPlayerChanged)
        onPlayerChanged();
}

void TfrmPlayers::reject() {
    if (!CheckNames())
        return;
    Save(startingPlayer_);
}

void TfrmPlayers::Save(const std::string& player) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    View(s).PauseWithMessages(100);
    s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, player);
    if (changed_)
        SavePlayerNames(s, names_);
    StorePlayerChange(s);
    if (onSaved)
        onSaved();
    done(QDialog::Accepted);
    QApplication::restoreOverrideCursor();
}

bool TfrmPlayers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstPlayers_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert) {
            AddPlayer();
            return true;
        }
        if (key == Qt::Key_Delete) {
            DeletePlayer();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowPlayersDialog(Session& s, ImageResources* images, QWidget* parent,
                       const std::function<void()>& onSaved, const std::function<void()>& onPlayerChanged,
                       bool onlyForBadNames) {
    TfrmPlayers dialog(s, images, parent);
    dialog.onSaved = onSaved;
    dialog.onPlayerChanged = onPlayerChanged;
    dialog.Open();
    if (onlyForBadNames && CheckPlayerNames(s))
        return;
    dialog.exec();
}

} // namespace quillon
