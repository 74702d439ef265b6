#include "shell/Main.h"

#include "engine/Autoplay.h"
#include "engine/Engine.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/PointerInput.h"
#include "engine/SelectionGames.h"
#include "engine/Undo.h"
#include "engine/WinningAnimation.h"
#include "model/ConfigFile.h"
#include "model/EventSounds.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Links.h"
#include "platform/ResourceLibrary.h"
#include "platform/SoundPlayer.h"
#include "select/OpenGame.h"
#include "select/Players.h"
#include "select/PlayersDialog.h"
#include "select/StatisticsFiles.h"
#include "shell/About.h"
#include "shell/Customize_Freeware.h"
#include "shell/HelpWindow.h"
#include "shell/MemoryEnd.h"
#include "shell/MoveHintCommand.h"
#include "shell/Preferences.h"
#include "shell/StatusBar.h"
#include "support/widgets/C_AdvancedForm.h"
#include "support/widgets/C_ShadowedHintWindow.h"
#include "table/ImageResources.h"
#include "table/PileLayout.h"
#include "table/QtTableView.h"
#include "table/RandomLooks.h"
#include "table/TableDrawing.h"
#include "table/TableWidget.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>
#include <cstdio>
#include <utility>

namespace quillon {

namespace {
// Marks the widgets whose tool tips follow the toolbar's tool-tip setting.
constexpr const char* kToolbarTipProperty = "quillonToolbarTip";
} // namespace

namespace {

constexpr int kParamShowTime = 66, kParamShowScore = 136, kParamUndo = 137;
constexpr int kParamToolbarTips = 244, kParamSoundNewGame = 145;
constexpr int kParamStatusBar = 76;
constexpr int kAttrDeckSize = 378;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The table pictures cover the window, or the table when it reaches below the window; the faded
// background keeps the proportions of the screen it is laid out for, as if they covered it.
void SizeTablePictures(TableDrawing& drawing, const QRect& screen, int w, int h, int tallTable) {
    drawing.FadeHeight = std::max({screen.height(), h, tallTable - 30}) + 30;
    drawing.Resize(w, std::max(h, tallTable - 30), w, h);
}

} // namespace

std::string FormatClock(int start, int now) {
    // Past midnight the time of day starts again from zero: the second from 23:59:59 to midnight
    // counts too, so a game started at 23:59:30 has run one minute at 00:00:30.
    int elapsed = now >= start ? now - start : (86400 - start) + now;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", elapsed / 3600, elapsed / 60 % 60, elapsed % 60);
    return text;
}

std::string ShortHint(const std::string& hint) {
    return hint.substr(0, hint.find('|'));
}

std::string LongHint(const std::string& hint) {
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

int SecondOfDay(double dateTime) {
    double fraction = dateTime - std::floor(dateTime);
    return std::min(86399, static_cast<int>(std::floor(fraction * 86400.0 + 0.5)));
}

double CurrentDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    return double(days) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

// What a new game asks of the window: the cursor, the caption, the clock and score, the card
// pictures and layout, and the drawing of the deal.
class TfrmMain::Seams_ : public NewGameSeams {
public:
    explicit Seams_(TfrmMain& w) : w_(w) {}
    void BeginBusy() override { QApplication::setOverrideCursor(Qt::WaitCursor); }
    void EndBusy() override { QApplication::restoreOverrideCursor(); }
    void SetCaption(const std::string& text) override { w_.setWindowTitle(Q(text)); }
    std::string Caption() override { return w_.windowTitle().toStdString(); }
    void PrepareGameAndLayout() override {
        w_.tallTable_ = 0;
        w_.images_->FitCardSize();
        w_.drawing_->ForgetMarks();
    }
    void ShowTime(const std::string& text) override { w_.lblTempo_->setText(Q(text)); }
    void ShowScore() override {
        w_.lblScore_->setText(Q(w_.s.Params.ReadParam(kParamScore, kParamScoreWidth)));
    }
    void ShowDeal(Session&) override { w_.ShowNewDeal(); }
    double Now() override { return CurrentDateTime(); }
    void EnableGameCommandsIfNeeded() override { w_.EnableGameCommands(true); }
    // Autoplay around a new deal: kept off under AutoPlay_All_Games 3, run after the deal's wait
    // when it is on, and the game's own choice applied when the game changes.
    void SwitchOffAllGamesAutoplay() override {
        AutoplayBeforeNewDeal(w_.s);
        w_.ShowAutoplayState();
    }
    void RunAutoplay() override { AutoplayAfterNewDeal(w_.s); }
    void ApplyAutoplayMemory() override {
        ApplyAutoplayChoice(w_.s, w_.s.Params.ReadInt(kParamGame, kParamGameWidth, -1));
        w_.ShowAutoplayState();
    }
    bool ConfirmQuit() override { return quillon::ConfirmQuit(w_.s); }
    bool EndGame() override { return quillon::EndGame(w_.s); }
    // Each deal starts with an empty history: undo never reaches into the previous game.
    void ClearHistory() override {
        w_.s.History.Clear();
        w_.ShowUndoState();
    }
    void RunGameEndTest() override { EndGameAtDeal(w_.s); }
    void PlayerChanged() override { StorePlayerChange(w_.s); }
    // The random background, card set and back of the deal; the deal's drawing paints them.
    void ApplyRandomLooks() override {
        if (quillon::ApplyRandomLooks(*w_.images_, w_.s.Random))
            w_.drawing_->PaintBackground();
    }

private:
    TfrmMain& w_;
};

TfrmMain::TfrmMain(Session& session, QWidget* parent)
    : QMainWindow(parent), s(session), images_(std::make_unique<ImageResources>(session)),
      drawing_(std::make_unique<TableDrawing>(session, *images_)), seams_(std::make_unique<Seams_>(*this)) {
    C_TFullScreen1_.SetForm(this);
    setObjectName("frmMain");
    resize(722, 570);
    QFont font("Tahoma");
    font.setPointSize(8);
    setFont(font);
    UseConfigurationFile(*images_);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        images_->services.ScreenWidth = screen->geometry().width();
        images_->services.ManyColours = screen->depth() > 8;
        drawing_->ManyColours = images_->services.ManyColours;
        // The card images are first loaded for the screen's pixels; the window's own screen is
        // followed once it is shown.
        images_->SetDeviceRatio(screen->devicePixelRatio());
        drawing_->DeviceRatio = images_->DeviceRatio();
    }
    images_->services.EnableCustomize = [this](bool on) {
        if (QAction* a = Action("mnuCustomize"))
            a->setEnabled(on);
    };

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildToolbars();
    // The tool tips of the toolbar buttons and the restore buttons follow the tool-tip setting.
    auto followTipSetting = [this](QWidget* w) {
        w->setProperty(kToolbarTipProperty, true);
        w->installEventFilter(this);
    };
    for (QToolBar* bar : {toolBarSmall_, toolBarLarge_})
        for (QAction* a : bar->actions())
            if (QWidget* button = bar->widgetForAction(a))
                followTipSetting(button);
    followTipSetting(tbRestoreAfterFS_Small_);
    followTipSetting(tbRestoreAfterFS_Large_);
    column->addWidget(coolBarToolBarSmall_);
    column->addWidget(coolBarToolBarLarge_);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    table_ = new TableWidget(central);
    table_->setObjectName("table");
    table_->Attach(drawing_.get());
    table_->OnResize = [this](int w, int h) { TableResized(w, h); };
    // The play engine draws through the table view and reaches the pile layout's card places.
    view_ = std::make_unique<QtTableView>(s, *drawing_);
    view_->onOpenGameChooser = [this] { OpenGameCommand(); };
    view_->onCloseWindow = [this] { close(); };
    view_->onShowScore = [this](const std::string& text) {
        if (lblScore_)
            lblScore_->setText(QString::fromStdString(text));
    };
    view_->onBusyCursor = [this](bool busy) {
        // After the hourglass the table has the cursor of the setting again.
        if (busy)
            table_->setCursor(Qt::WaitCursor);
        else
            ApplyTableCursor(false);
    };
    // The menu items of a game in progress (pause, quit game, snapshots) are hidden in this
    // edition, so the end of a game leaves every command as it is: F2 deals again after a win.
    view_->onInputBlocked = [this](bool blocked) { table_->InputBlocked = blocked; };
    view_->onShowMemoryResult = [this](const MemoryResultPage& page) {
        TfrmMemoryEnd result(page, this);
        result.exec();
        if (!s.Flag(GameInPlay))
            RedrawTable();
    };
    view_->onAnimationArea = [this] {
        // The client area lies below the menu bar; the table begins below the toolbar band.
        const int menu = menuBar()->isVisible() ? menuBar()->height() : 0;
        const QRect outer = frameGeometry();
        return WindowArea{outer.width(), outer.height(), width(), height() - menu,
                          table_->mapTo(this, QPoint(0, 0)).y() - menu};
    };
    view_->onTakeFocus = [this] {
        activateWindow();
        setFocus();
    };
    s.view = view_.get();
    InstallEngine(s);
    InstallStatistics(s);
    s.Play.WinningAnimation = [](Session& session) { WinningAnimation(session); };
    s.Play.UndoStateChanged = [this](Session&) { ShowUndoState(); };
    InstallPilePlaces(s);
    table_->OnPress = [this](int button, int shift, int x, int y) {
        OnTablePress(s, button, shift, x, y);
        UpdateScrollBar();
    };
    table_->OnMove = [this](int x, int y) {
        OnTableMove(s, x, y);
        if ((s.Game.DragCard != 0) != carrying_)
            ApplyTableCursor(s.Game.DragCard != 0);
    };
    table_->OnRelease = [this](int x, int y) {
        ApplyTableCursor(false);
        OnTableRelease(s, x, y);
        view_->HideDragImage();
        UpdateScrollBar();
    };
    table_->OnDoubleClick = [this] {
        OnTableDoubleClick(s);
        UpdateScrollBar();
    };
    scrBarMain_ = new QScrollBar(Qt::Vertical, central);
    scrBarMain_->setObjectName("scrBarMain");
    scrBarMain_->setFocusPolicy(Qt::StrongFocus);
    scrBarMain_->hide();
    connect(scrBarMain_, &QScrollBar::valueChanged, this, [this](int position) { Scrolled(position); });
    // The wheel over the table or the bar, and a space typed on the bar, are the window's.
    table_->installEventFilter(this);
    scrBarMain_->installEventFilter(this);
    row->addWidget(table_, 1);
    row->addWidget(scrBarMain_);
    column->addLayout(row, 1);
    setCentralWidget(central);
    sbStatusBar_ = new TsbStatusBar(*images_, this);
    setStatusBar(sbStatusBar_);
    sbStatusBar_->hide();
    PointerIsOverTable = [this] { return PointerOverTable(this, table_); };
    s.Play.PileHints = [this](Session&, int x, int y) { ShowPileHint(x, y); };
    moveHint_ = std::make_unique<MoveHintCommand>(s);
    s.Play.SuggestMove = [this](Session&) { SuggestMoveCommand(); };

    // The time label starts at zero time.
    lblTempo_->setText("0:00:00");
    BuildMenu();
    BuildPopups();

    Timer1_ = new QTimer(this);
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, [this] { ClockTick(); });
    Timer1_->start();

    // Without the dialog font the window and its controls designed with it use the fallback.
    ApplyFontFallback(this);

    ChooseGame = [this](int& n, std::string& name, std::string& player) {
        // The game list is made when it is first needed, after the window showed.
        if (!frmOpenGame_)
            CreateOpenGameDialog();
        return frmOpenGame_->Choose(n, name, player);
    };
    ShowHelpPage = [this](const std::string& path) {
        // One help window, where links between the pages are followed. Opened from a modal dialog
        // (the game list's Rules button, the customize dialog's "?") the window belongs to that
        // dialog, so it can be read and scrolled while the dialog is open.
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* owner = modal ? modal : this;
        auto* help =
            dynamic_cast<THelpWindow*>(owner->findChild<QWidget*>("frmHelp", Qt::FindDirectChildrenOnly));
        if (!help) {
            help = new THelpWindow(owner);
            help->OpenExternal = [this](const std::string& url) { s.desktop->OpenUrl(url); };
        }
        help->ShowPage(path);
    };
}

TfrmMain::~TfrmMain() {
    if (initialised_)
        C_TShadowedHintWindow::SetGate(nullptr);
    // No resize work may run while the window and its pictures are destroyed.
    if (table_) {
        table_->OnResize = nullptr;
        table_->OnPress = nullptr;
        table_->OnMove = nullptr;
        table_->OnRelease = nullptr;
        table_->OnDoubleClick = nullptr;
    }
    if (s.view == view_.get())
        s.view = nullptr;
    s.Play.RefreshOpenGameStatistics = nullptr;
}

NewGameSeams& TfrmMain::Seams() {
    return *seams_;
}

QAction* TfrmMain::Action(const std::string& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QWidget* TfrmMain::Band() const {
    return toolbarLarge_ ? coolBarToolBarLarge_ : coolBarToolBarSmall_;
}
QToolBar* TfrmMain::VisibleToolbar() const {
    return toolbarLarge_ ? toolBarLarge_ : toolBarSmall_;
}

void TfrmMain::BuildMenu() {
    auto add = [this](QMenu* menu, const std::string& name, const char* caption, QKeySequence key,
                      std::function<void()> run) {
        auto* a = menu->addAction(Q(ExpandPlaceholders(caption)));
        a->setObjectName(Q(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        if (run)
            connect(a, &QAction::triggered, this, [run] { run(); });
        actions_[name] = a;
        return a;
    };
    QMenu* file = menuBar()->addMenu("&File");
    add(file, "mnuNew", "&New game", QKeySequence(Qt::Key_F2), [this] { NewGameCommand(); });
    add(file, "mnuOpen", "&Open a game...", QKeySequence(Qt::CTRL | Qt::Key_F12),
        [this] { OpenGameCommand(); });
    add(file, "mnuPlayers", "&Players...", {}, [this] { PlayersCommand(); });
    file->addSeparator();
    add(file, "mnuExit", "E&xit", {}, [this] { close(); });
    QMenu* game = menuBar()->addMenu("&Game");
    add(game, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { UndoCommand(false); });
    add(game, "mnuRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { UndoCommand(true); });
    game->addSeparator();
    QAction* autoplay = add(game, "mnuAutoplay", "Auto&play", QKeySequence(Qt::Key_F7), nullptr);
    autoplay->setCheckable(true);
    connect(autoplay, &QAction::triggered, this, [this] { AutoplayCommand(); });
    add(game, "mnuTutorSuggestMove", "&Hint", QKeySequence(Qt::CTRL | Qt::Key_H),
        [this] { SuggestMoveCommand(); });
    QMenu* tools = menuBar()->addMenu("&Tools");
    add(tools, "mnuCustomize", "C&ustomize...", QKeySequence(Qt::CTRL | Qt::Key_U),
        [this] { ShowCustomizeDialog(*this); });
    QAction* bar = add(tools, "mnuStatusBar", "&Status bar", {}, nullptr);
    bar->setCheckable(true);
    connect(bar, &QAction::triggered, this, [this](bool on) { SetStatusBarVisible(on); });
    QMenu* help = menuBar()->addMenu("&Help");
    add(help, "mnuRules", "&Rules", QKeySequence(Qt::Key_F1), [this] { RulesCommand(); });
    add(help, "mnuContents", "&Contents", {}, [this] {
        if (ShowHelpPage)
            ShowHelpPage(FindNoCase(s.ProgramFolder, "help/contents.html"));
    });
    help->addSeparator();
    QMenu* web = help->addMenu(Q(ExpandPlaceholders("[Program] on the &Web...")));
    add(web, "mnuHomePage", "[Program] &Home Page", {}, [this] { OpenLink(*s.desktop, "HTTP", kHomePage); });
    help->addSeparator();
    add(help, "mnuAbout", "A&bout [Program]...", {}, [this] { ShowAbout(*this); });
}

void TfrmMain::BuildPopups() {
    toolbarPopup_ = new QMenu(this);
    auto item = [this](const char* name, const char* caption, std::function<void()> run) {
        QAction* a = toolbarPopup_->addAction(caption);
        a->setObjectName(name);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, run] {
            run();
            UpdatePopupChecks();
        });
        actions_[name] = a;
        return a;
    };
    auto writeToolbar = [this](bool large) {
        SetToolbarLarge(large);
        WriteConfigString(s, "Preference", "ToolBar_Large", large ? "Y" : "N");
    };
    item("mnuLargeIcons", "Large icons", [writeToolbar] { writeToolbar(true); });
    item("mnuSmallIcons", "Small icons", [writeToolbar] { writeToolbar(false); });
    toolbarPopup_->addSeparator();
    // Flat buttons are the only style of this system's toolbars.
    item("mnuFlatButton", "Flat button", [] {})->setEnabled(false);
    item("mnuNoFlatButton", "No flat button", [] {})->setEnabled(false);
    toolbarPopup_->addSeparator();
    auto style = [this](bool xp) {
        WriteConfigString(s, "Preference", "ToolBar_XP", xp ? "Y" : "N");
        LoadToolbarPictures();
    };
    item("mnuXPStyle", "XP style", [style] { style(true); });
    item("mnuWin98Style", "Win 98 style", [style] { style(false); });
    toolbarPopup_->addSeparator();
    auto show = [this](bool time, bool on) {
        time ? SetShowTime(on) : SetShowScore(on);
        WriteConfigString(s, "Preference", time ? "Show_Time" : "Show_Score", on ? "Y" : "N");
        UpdatePopupChecks();
    };
    item("mnuShowTime", "Show time", [show] { show(true, true); })->setCheckable(false);
    item("mnuShowScore", "Show score", [show] { show(false, true); })->setCheckable(false);
    for (QToolBar* bar : {toolBarSmall_, toolBarLarge_})
        connect(bar, &QToolBar::customContextMenuRequested, this, [this, bar](const QPoint& at) {
            UpdatePopupChecks();
            toolbarPopup_->popup(bar->mapToGlobal(at));
        });
    // The panels' own popups hide them.
    for (bool time : {true, false}) {
        QWidget* panel = time ? pnlTempo_ : pnlScore_;
        auto* popup = new QMenu(panel);
        QAction* hide = popup->addAction(time ? "&Hide" : "Hide");
        hide->setObjectName(time ? "mnuHideTime" : "mnuHideScore");
        actions_[hide->objectName().toStdString()] = hide;
        connect(hide, &QAction::triggered, this, [show, time] { show(time, false); });
        panel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(panel, &QWidget::customContextMenuRequested, this,
                [popup, panel](const QPoint& at) { popup->popup(panel->mapToGlobal(at)); });
    }
    UpdatePopupChecks();
}

void TfrmMain::UpdatePopupChecks() {
    if (!toolbarPopup_)
        return;
    const bool xp = ReadConfigString(s, "Preference", "ToolBar_XP", "Y") == "Y";
    Action("mnuLargeIcons")->setChecked(toolbarLarge_);
    Action("mnuSmallIcons")->setChecked(!toolbarLarge_);
    Action("mnuFlatButton")->setChecked(true);
    Action("mnuNoFlatButton")->setChecked(false);
    Action("mnuXPStyle")->setChecked(xp);
    Action("mnuWin98Style")->setChecked(!xp);
    // Each "Show" item only while its panel is switched off.
    Action("mnuShowTime")->setEnabled(s.Params.ReadParam(kParamShowTime, 1) != "Y");
    Action("mnuShowScore")->setEnabled(s.Params.ReadParam(kParamShowScore, 1) != "Y");
}

void TfrmMain::BuildToolbars() {
    struct Button {
        const char* name;
        const char* hint;
    };
    static const Button buttons[] = {{"New", "New"},   {"Open", "Open"},         {"Undo", "Undo"},
                                     {"Redo", "Redo"}, {"Autoplay", "Autoplay"}, {"Rules", "Rules"},
                                     {"Exit", "Exit"}};
    auto make = [&](bool large) {
        auto* band = new QWidget(this);
        band->setObjectName(large ? "coolBarToolBarLarge" : "coolBarToolBarSmall");
        auto* bar = new QToolBar(band);
        bar->setObjectName(large ? "toolBarLarge" : "toolBarSmall");
        const int icon = large ? 24 : 16;
        bar->setIconSize(QSize(icon, icon));
        bar->setMovable(false);
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        for (const Button& b : buttons) {
            const std::string objectName = std::string("tb") + b.name + (large ? "_Large" : "_Small");
            QAction* a = bar->addAction(Q(ShortHint(b.hint)));
            a->setObjectName(Q(objectName));
            a->setToolTip(Q(ShortHint(b.hint)));
            a->setStatusTip(Q(LongHint(b.hint)));
            actions_[objectName] = a;
            const std::string what = b.name;
            if (what == "New")
                connect(a, &QAction::triggered, this, [this] { NewGameCommand(); });
            else if (what == "Open")
                connect(a, &QAction::triggered, this, [this] { OpenGameCommand(); });
            else if (what == "Undo" || what == "Redo")
                connect(a, &QAction::triggered, this, [this, redo = what == "Redo"] { UndoCommand(redo); });
            else if (what == "Autoplay") {
                a->setCheckable(true);
                connect(a, &QAction::triggered, this, [this] {
                    Action("mnuAutoplay")->toggle();
                    AutoplayCommand();
                });
            } else if (what == "Rules")
                connect(a, &QAction::triggered, this, [this] { RulesCommand(); });
            else if (what == "Exit")
                connect(a, &QAction::triggered, this, [this] { close(); });
            if (what == "Open" || what == "Autoplay" || what == "Rules")
                bar->addSeparator();
        }
        bar->adjustSize();
        band->setFixedHeight(bar->sizeHint().height() + 2);
        return std::pair{band, bar};
    };
    auto [small, smallBar] = make(false);
    auto [large, largeBar] = make(true);
    coolBarToolBarSmall_ = small;
    coolBarToolBarLarge_ = large;
    toolBarSmall_ = smallBar;
    toolBarLarge_ = largeBar;
    // The time and score panels belong to the band that is shown; they move with it.
    auto makePanel = [this](const char* objectName, const char* caption, QLabel*& value,
                            const char* valueName) {
        auto* p = new QWidget(coolBarToolBarLarge_);
        p->setObjectName(objectName);
        p->setAutoFillBackground(true);
        auto* row = new QHBoxLayout(p);
        row->setContentsMargins(4, 0, 4, 0);
        row->setSpacing(4);
        row->addWidget(new QLabel(caption, p));
        value = new QLabel("0", p);
        value->setObjectName(valueName);
        value->setMinimumWidth(44);
        row->addWidget(value);
        p->setFixedSize(p->sizeHint().width(), 24);
        return p;
    };
    pnlTempo_ = makePanel("pnlTempo", "Time:", lblTempo_, "lblTempo");
    pnlScore_ = makePanel("pnlScore", "Score:", lblScore_, "lblScore");
    for (int large = 0; large < 2; ++large) {
        auto* button = new QToolButton(large ? coolBarToolBarLarge_ : coolBarToolBarSmall_);
        button->setObjectName(large ? "tbRestoreAfterFS_Large" : "tbRestoreAfterFS_Small");
        button->setToolTip("Restore");
        button->setStatusTip("Restore");
        button->setText("Restore");
        button->setAutoRaise(true);
        button->hide();
        connect(button, &QToolButton::clicked, this, [this] { ToggleFullScreen(); });
        (large ? tbRestoreAfterFS_Large_ : tbRestoreAfterFS_Small_) = button;
    }
    coolBarToolBarSmall_->hide();
}

QWidget* TfrmMain::RestoreButton() const {
    return toolbarLarge_ ? tbRestoreAfterFS_Large_ : tbRestoreAfterFS_Small_;
}

void TfrmMain::ToggleFullScreen() {
    hide();
    const bool on = !C_TFullScreen1_.Fullscreen();
    C_TFullScreen1_.SetFullscreen(on);
    if (on) {
        menuBar()->hide();
        statusBarWasVisible_ = statusBar()->isVisible();
        statusBar()->hide();
    } else {
        menuBar()->show();
        statusBar()->setVisible(statusBarWasVisible_);
    }
    tbRestoreAfterFS_Small_->setVisible(on && !toolbarLarge_);
    tbRestoreAfterFS_Large_->setVisible(on && toolbarLarge_);
    ArrangePanels();
    show();
    raise();
    activateWindow();
    if (!on)
        TableResized(table_->width(), table_->height());
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    // Characters typed on the window are the table's keys (the space clicks the stock).
    if (!table_->InputBlocked && event->text().size() == 1 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar c = event->text().at(0);
        if (c == ' ' || c == 'm' || c == 'M') {
            OnTableKey(s, static_cast<char>(c.toLatin1()));
            view_->HideDragImage();
            UpdateScrollBar();
            return;
        }
    }
    if (!InFullScreen()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Without the menu bar the shortcuts of its items are translated here.
    const QKeySequence key(event->keyCombination());
    static const std::pair<QKeyCombination, const char*> keys[] = {
        {QKeyCombination(Qt::Key_F2), "mnuNew"},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_F12), "mnuOpen"},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Z), "mnuUndo"},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Y), "mnuRedo"},
        {QKeyCombination(Qt::Key_F7), "mnuAutoplay"},
        {QKeyCombination(Qt::Key_F1), "mnuRules"},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_U), "mnuCustomize"},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_H), "mnuTutorSuggestMove"}};
    for (const auto& [combination, name] : keys)
        if (event->keyCombination() == combination) {
            if (QAction* a = Action(name); a && a->isEnabled())
                a->trigger();
            event->accept();
            return;
        }
    QMainWindow::keyPressEvent(event);
}

void TfrmMain::LoadToolbarPictures() {
    const bool xp = ReadConfigString(s, "Preference", "ToolBar_XP", "Y") == "Y";
    const std::string prefix = xp ? "" : "2000_";
    auto picture = [&](const std::string& name) {
        QImage img;
        // The menu's own pictures have one style only; on a screen of finer pixels, drawn for it.
        images_->LoadTableImage(img, name.rfind("MN_", 0) == 0 ? name : prefix + name, true);
        if (img.isNull())
            return QIcon();
        // The colour of the top-left pixel is transparent.
        QPixmap pix = QPixmap::fromImage(img);
        pix.setMask(QBitmap::fromImage(img.createMaskFromColor(img.pixel(0, 0), Qt::MaskInColor)));
        return QIcon(pix);
    };
    static const char* const names[] = {"New", "Open", "Undo", "Redo", "Autoplay", "Rules", "Exit"};
    static const char* const upper[] = {"NEW", "OPEN", "UNDO", "REDO", "AUTOPLAY", "RULES", "EXIT"};
    for (int large = 0; large < 2; ++large)
        for (int i = 0; i < 7; ++i) {
            const std::string size = large ? "_LARGE" : "_SMALL";
            QIcon icon = picture(std::string("TB_") + upper[i] + size);
            if (i >= 2 && i <= 4) {
                QIcon dis = picture(std::string("TB_") + upper[i] + size + "_DIS");
                for (const QSize& sz : dis.availableSizes())
                    icon.addPixmap(dis.pixmap(sz), QIcon::Disabled);
            }
            if (QAction* a = Action(std::string("tb") + names[i] + (large ? "_Large" : "_Small")))
                a->setIcon(icon);
            if (!large) {
                static const char* const menus[] = {"mnuNew",      "mnuOpen",  "mnuUndo", "mnuRedo",
                                                    "mnuAutoplay", "mnuRules", "mnuExit"};
                if (QAction* m = Action(menus[i]))
                    m->setIcon(icon);
            }
        }
    for (int large = 0; large < 2; ++large) {
        auto* restore = static_cast<QToolButton*>(large ? tbRestoreAfterFS_Large_ : tbRestoreAfterFS_Small_);
        const QIcon icon = picture(large ? "TB_RESTORE_AFTER_F11_LARGE" : "TB_RESTORE_AFTER_F11_SMALL");
        restore->setIcon(icon);
        // The word stands in only when the library has no picture.
        restore->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
        restore->setIconSize(QSize(large ? 24 : 16, large ? 24 : 16));
        restore->adjustSize();
    }
    Action("mnuCustomize")->setIcon(picture("MN_CUSTOMIZE"));
    Action("mnuHomePage")->setIcon(picture("MN_WEB"));
}

bool TfrmMain::MainInitialisation() {
    // The splash window opened the library for its title already: it stays the program's library.
    const bool opened = s.MainLibrary && s.MainLibrary->IsOpen() &&
                        s.MainLibrary->Path() == FindNoCase(s.ProgramFolder, "SOL.RGF");
    if (!opened && !OpenMainLibrary(s))
        return false;
    s.StateValues[3] = 1;
    s.SetFlag(FirstActivationPending, true);
    cursors_.Load(*s.MainLibrary);
    setWindowTitle("Quillon 2003");
    QApplication::setApplicationName("Quillon 2003");
    s.Game.DragCard = 0;
    s.Game.RunEndCard = 0;
    for (StateFlag f : {GameInPlay, ClockRunning, SkipNextPress, AutomaticSequence, GameWon})
        s.SetFlag(f, false);
    s.Game.CardSetVariant = 4;

    const PreferenceEffects effects = LoadPreferences(s, images_->services.ManyColours);
    SetStatusBarVisible(s.Params.ReadParam(kParamStatusBar, 1) == "Y");
    LoadToolbarPictures();
    SetToolbarVisible(ReadConfigString(s, "Preference", "ToolBar_Visible", "Y") != "N");
    SetToolbarLarge(effects.toolbarLarge);
    SetShowTime(effects.showTime);
    SetShowScore(effects.showScore);
    s.Metrics.ShadowSize = s.Params.ReadParam(178, 1) == "N" ? 0 : 9;
    ApplyTableCursor(false);
    s.Cards.Build();
    s.Piles.Clear();

    if (!ReadGameList(s))
        return false;
    const int current = s.Params.ReadInt(kParamGame, kParamGameWidth, -1);
    if (GameColumn(s, current) < 0 && current < kFirstCustomGame) {
        s.Params.WriteParam(kParamGame, kParamGameWidth, "-001");
        s.Params.WriteParam(kParamGameName, kParamGameNameWidth, "");
    }
    // The faces are cut when the first card is drawn: the start-up shows no game.
    images_->ApplyCardSettings(true);
    const bool undoOn = s.Params.ReadParam(kParamUndo, 1) != "2";
    for (const char* name :
         {"mnuUndo", "mnuRedo", "tbUndo_Small", "tbUndo_Large", "tbRedo_Small", "tbRedo_Large"})
        if (QAction* a = Action(name))
            a->setEnabled(undoOn);
    s.Random.seed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
    // Autoplay as the preferences leave it: on for every game, or the current game's own choice.
    s.AutoplayMenu.Enabled = Action("mnuAutoplay")->isEnabled();
    if (effects.autoplay == PreferenceEffects::Autoplay::SwitchOn) {
        s.AutoplayMenu.Ticked = false;
        quillon::AutoplayCommand(s);
    } else if (effects.autoplay == PreferenceEffects::Autoplay::ApplyGameChoice) {
        ApplyAutoplayChoice(s, s.Params.ReadInt(kParamGame, kParamGameWidth, -1));
    }
    ShowAutoplayState();

    // The version marker of this installation.
    const std::string marker = s.ProgramFolder + "SOLV1000.DAT";
    if (!FileExists(marker))
        WriteFileAtomic(marker, "Varopa version: 10.00\r\n");
    // Leftovers of older installations.
    auto remove = [&](const std::string& name) { DeleteFileIfAny(FindNoCase(s.ProgramFolder, name)); };
    auto exists = [&](const std::string& name) { return FileExists(FindNoCase(s.ProgramFolder, name)); };
    char num[8];
    if (exists("IMAGES/GAME0000.BMP"))
        for (int n = 0; n <= 100; ++n) {
            std::snprintf(num, sizeof num, "%04d", n);
            remove(std::string("IMAGES/GAME") + num + ".BMP");
        }
    if (exists("IMAGES/WB001.BMP"))
        for (int n = 0; n <= 25; ++n) {
            std::snprintf(num, sizeof num, "%03d", n);
            for (const char* p : {"WB", "WM", "WP"})
                remove(std::string("IMAGES/") + p + num + ".BMP");
        }
    if (exists("IMAGES/CB001C.BMP")) {
        for (int n = 1; n <= 5; ++n) {
            std::snprintf(num, sizeof num, "%03d", n);
            for (const char* suit : {"C", "D", "H", "S"})
                remove(std::string("IMAGES/CB") + num + suit + ".BMP");
        }
        for (const char* p : {"CM003", "CL003"})
            for (const char* suit : {"C", "D", "H", "S"})
                remove(std::string("IMAGES/") + p + suit + ".BMP");
    }
    if (exists("VAROPA.DLL"))
        remove("VAROPA.DLL");

    s.Game.StockPressed = 0;
    s.Game.FoundationMark = -1;
    s.Game.SmallScreenAdviceShown = 0;
    s.Game.CardSizeAdviceShown = 0;
    EnableGameCommands(false);
    // Hints everywhere in the program show in the hint window with the drop shadow; the
    // toolbar's follow the tool-tip setting there too.
    C_TShadowedHintWindow::Install();
    C_TShadowedHintWindow::SetGate([this](QWidget* w) { return TipAllowed(w); });
    initialised_ = true;
    return true;
}

void TfrmMain::RestorePlacement() {
    QRect screen(0, 0, 1024, 768);
    if (QScreen* sc = QGuiApplication::primaryScreen())
        screen = sc->geometry();
    const int left = ReadConfigInteger(s, "Preference", "MainWindowState_Left", 50);
    const int top = ReadConfigInteger(s, "Preference", "MainWindowState_Top", 50);
    const int width = ReadConfigInteger(s, "Preference", "MainWindowState_Width", screen.width() - 150);
    const int height = ReadConfigInteger(s, "Preference", "MainWindowState_Height", screen.height() - 150);
    setGeometry(left, top, std::max(200, width), std::max(150, height));
    if (ReadConfigString(s, "Preference", "MainWindowState_Maximized", "Y") == "Y")
        setWindowState(windowState() | Qt::WindowMaximized);
    if (ReadConfigString(s, "Preference", "Full_Screen", "N") == "Y")
        ToggleFullScreen();
}

void TfrmMain::SavePlacement() {
    const bool maximized = isMaximized();
    WriteConfigString(s, "Preference", "MainWindowState_Maximized", maximized ? "Y" : "N");
    if (!maximized) {
        const QRect g = geometry();
        WriteConfigInteger(s, "Preference", "MainWindowState_Left", g.x());
        WriteConfigInteger(s, "Preference", "MainWindowState_Top", g.y());
        WriteConfigInteger(s, "Preference", "MainWindowState_Width", g.width());
        WriteConfigInteger(s, "Preference", "MainWindowState_Height", g.height());
    }
    WriteConfigString(s, "Preference", "Full_Screen", InFullScreen() ? "Y" : "N");
}

bool TfrmMain::CloseQuery() {
    const std::string confirm = ReadConfigString(s, "Preference", "ConfirmQuit", "N");
    SavePlacement();
    if (s.Flag(AutomaticSequence)) {
        // The sequence in progress stops and closes the window when it ends.
        s.SetFlag(AutomaticSequence, false);
        s.Game.CloseRequested = 1;
        return false;
    }
    if (confirm != "N" &&
        !s.desktop->MessageBox(BoxKind::Confirmation, "Quillon 2003", "Exit Quillon 2003?")) {
        s.Game.CloseRequested = 0;
        return false;
    }
    return true;
}

void TfrmMain::Close() {
    // A game still in progress ends as an unfinished game: scored and recorded as usual.
    EndGame(s);
    hide();
    StopSounds(s);
    if (s.Game.AutoPlayAllGames == 1)
        WriteConfigString(s, "Preference", "AutoPlay", Action("mnuAutoplay")->isChecked() ? "Y" : "N");
    WriteConfigInteger(s, "Settings", "Random_Game_Type", s.Game.RandomGameType);
    Timer1_->stop();
    table_->OnResize = nullptr;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!initialised_) {
        event->accept();
        return;
    }
    closeRefused_ = !CloseQuery();
    if (closeRefused_) {
        event->ignore();
        return;
    }
    Close();
    event->accept();
}

bool TfrmMain::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::ScreenChangeInternal && initialised_ && table_ && FollowDeviceRatio())
        TableResized(table_->width(), table_->height());
    if (e->type() == QEvent::WindowActivate && initialised_) {
        // After the activation event has been handled, so the window is on screen.
        if (s.Flag(FirstActivationPending))
            QTimer::singleShot(0, this, [this] { FirstActivation(); });
        // Few colours: the faded default table is drawn again whenever the window comes back.
        if (FadedRedrawOnActivation() && table_)
            TableResized(table_->width(), table_->height());
    }
    return handled;
}

bool TfrmMain::FadedRedrawOnActivation() const {
    return !images_->services.ManyColours && s.Params.Flag(135) &&
           (s.Params.Flag(27) || s.Params.ReadInt(43, 4, 0) == 0);
}

void TfrmMain::SetToolbarVisible(bool on) {
    toolbarVisible_ = on;
    toolBarSmall_->setVisible(on);
    toolBarLarge_->setVisible(on);
    ArrangePanels();
}

void TfrmMain::FirstActivation() {
    if (!s.Flag(FirstActivationPending))
        return;
    s.SetFlag(FirstActivationPending, false);
    const std::string title = WindowTitle(s);
    if (windowTitle().toStdString() != title)
        setWindowTitle(Q(title));
    MigrateStatistics(s);
    if (ReadConfigString(s, "Parameters", "Players_Names_V01", "N") == "N") {
        WriteConfigString(s, "Parameters", "Players_Names_V01", "Y");
        PlayersCommand(true);
    }
    if (!SeriesInProgress(s))
        OpenGameCommand();
}

void TfrmMain::OpenGameCommand() {
    const std::string player = s.Params.ReadParam(kParamPlayer, kParamPlayerWidth);
    int number = -1;
    std::string name, chosenPlayer = player;
    const bool chosen = ChooseGame && ChooseGame(number, name, chosenPlayer);
    s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, player);
    if (chosen)
        OpenGame(s, number, name, chosenPlayer, seams_.get());
    else if (s.Flag(GameInPlay) && IsSelectionGame(s) && !SelectedCards(s).empty())
        RedrawTable(); // the pairing game goes on: its table is painted again with its selection
}

void TfrmMain::CreateOpenGameDialog() {
    frmOpenGame_ = std::make_unique<TfrmOpenGame>(s, *images_, this);
    frmOpenGame_->ShowRules = [this](int game) {
        char file[32];
        std::snprintf(file, sizeof file, "help/rules/%04d.html", game + 3000);
        if (ShowHelpPage)
            ShowHelpPage(FindNoCase(s.ProgramFolder, file));
    };
    frmOpenGame_->EnableGameCommands = [this](bool on) { EnableGameCommands(on); };
    frmOpenGame_->AfterClose = [this] { drawing_->RefreshWindow(); };
    s.Play.RefreshOpenGameStatistics = [this](Session& session) {
        if (frmOpenGame_)
            frmOpenGame_->RefreshGameMarks(session.Params.ReadInt(kParamGame, kParamGameWidth, -1));
    };
}

void TfrmMain::PlayersCommand(bool onlyForBadNames) {
    auto onSaved = [this] {
        if (windowTitle().toStdString() != WindowTitle(s))
            setWindowTitle(Q(WindowTitle(s)));
    };
    auto onPlayerChanged = [this] {
        RedrawTable();
        OpenGameCommand();
    };
    ShowPlayersDialog(s, images_.get(), this, onSaved, onPlayerChanged, onlyForBadNames);
}

void TfrmMain::NewGameCommand() {
    if (s.Params.ReadInt(kParamGame, kParamGameWidth, -1) < 0) {
        OpenGameCommand();
        return;
    }
    // The game in progress is abandoned only when the player agrees; it ends as a lost game, and
    // a game that ends won instead hands over to the end of a won game.
    if (!ConfirmQuit(s) || EndGame(s))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The sound of its own switch, heard to its end before the deal; meanwhile the window keeps
    // painting and its clock ticks, and the player's input waits. A sound already playing is left.
    if (s.Params.ReadParam(kParamSoundNewGame, 1) == "Y" && !(s.Sound && s.Sound->IsPlaying())) {
        PlayEventSound(s, "New", true);
        QElapsedTimer waited;
        waited.start();
        while (s.Sound && s.Sound->IsPlaying() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
            QThread::msleep(5);
        }
    }
    QApplication::restoreOverrideCursor();
    NewGame(s, seams_.get());
}

void TfrmMain::RulesCommand() {
    const int number = s.Params.ReadInt(kParamGame, kParamGameWidth, -1);
    if (number < 0 || number >= kFirstCustomGame || !ShowHelpPage)
        return;
    char file[32];
    std::snprintf(file, sizeof file, "help/rules/%04d.html", number + 3000);
    ShowHelpPage(FindNoCase(s.ProgramFolder, file));
}

void TfrmMain::AutoplayCommand() {
    // The menu item has changed its tick already; the play engine's command starts from the tick
    // as it was, toggles it, runs autoplay when it comes on during a game and stores the choice.
    QAction* item = Action("mnuAutoplay");
    s.AutoplayMenu.Ticked = !item->isChecked();
    s.AutoplayMenu.Enabled = item->isEnabled();
    {
        // The cards autoplay moves now are one step to take back.
        const PlayerAction action(s);
        quillon::AutoplayCommand(s);
    }
    ShowAutoplayState();
}

void TfrmMain::ShowAutoplayState() {
    Action("mnuAutoplay")->setChecked(s.AutoplayMenu.Ticked);
    Action("tbAutoplay_Small")->setChecked(s.AutoplayMenu.ButtonsDown);
    Action("tbAutoplay_Large")->setChecked(s.AutoplayMenu.ButtonsDown);
}

void TfrmMain::UndoCommand(bool redo) {
    view_->HideDragImage();
    if (redo ? RedoAction(s) : UndoAction(s))
        UpdateScrollBar();
}

void TfrmMain::ShowUndoState() {
    const bool undoOn = gameCommandsOn_ && CanUndo(s), redoOn = gameCommandsOn_ && CanRedo(s);
    for (const char* name : {"tbUndo_Small", "tbUndo_Large", "mnuUndo"})
        if (QAction* a = Action(name))
            a->setEnabled(undoOn);
    for (const char* name : {"tbRedo_Small", "tbRedo_Large", "mnuRedo"})
        if (QAction* a = Action(name))
            a->setEnabled(redoOn);
}

void TfrmMain::EnableGameCommands(bool on) {
    gameCommandsOn_ = on;
    for (const char* name : {"tbNew_Small", "tbNew_Large", "tbRules_Small", "tbRules_Large",
                             "tbAutoplay_Small", "tbAutoplay_Large", "mnuAutoplay", "mnuNew", "mnuRules",
                             "mnuTutorSuggestMove"})
        if (QAction* a = Action(name))
            a->setEnabled(on);
    s.AutoplayMenu.Enabled = on;
    ShowUndoState();
}

bool TfrmMain::FollowDeviceRatio() {
    const qreal ratio = table_ ? std::max<qreal>(1.0, table_->devicePixelRatioF()) : 1.0;
    if (ratio == drawing_->DeviceRatio)
        return false;
    images_->SetDeviceRatio(ratio);
    drawing_->DeviceRatio = images_->DeviceRatio();
    images_->LoadCardImages(false, true);
    images_->FaceCopyImage = images_->CardFaceImages[0];
    drawing_->ForgetMarks();
    LoadToolbarPictures();
    return true;
}

void TfrmMain::TableResized(int w, int h) {
    FollowDeviceRatio();
    QRect screen(0, 0, 1024, 768);
    if (QScreen* sc = QGuiApplication::primaryScreen())
        screen = sc->geometry();
    SizeTablePictures(*drawing_, screen, w, h, tallTable_);
    ArrangePanels();
    if (!s.Flag(FirstActivationPending))
        RedrawTable();
    else {
        drawing_->PaintBackground();
        drawing_->RefreshWindow();
    }
}

void TfrmMain::RedrawTable() {
    FollowDeviceRatio();
    const int w = std::max(1, table_->width()), h = std::max(1, table_->height());
    QRect screen(0, 0, w, h);
    if (QScreen* sc = QGuiApplication::primaryScreen())
        screen = sc->geometry();
    // A full paint starts at the top of the table; the piles are laid out unscrolled.
    {
        const QSignalBlocker quiet(scrBarMain_);
        scrBarMain_->setValue(0);
    }
    s.Game.ScrollOffset = 0;
    drawing_->ScrollBarVisible = !scrBarMain_->isHidden();
    for (int pass = 0; pass < 2; ++pass) {
        SizeTablePictures(*drawing_, screen, w, h, tallTable_);
        if (s.Flag(GameInPlay) && s.Attr(kAttrDeckSize) != 0) {
            s.ResetPilePositions();
            ComputeFanSteps(s);
            // The table widget begins below the toolbar band, so its own top is the band's bottom.
            LayoutPiles(s, 0, h - 1, w, height(), ScreenSize{screen.width(), screen.height()}, 0);
        }
        view_->ForgetPiles();
        drawing_->PaintBackground();
        drawing_->PaintTable();
        // A table that reaches below its pictures is painted again on taller ones, with room
        // for the piles to grow during play.
        if (s.Game.TableBottom <= drawing_->TableHeight() - 30)
            break;
        tallTable_ = s.Game.TableBottom + screen.height() / 2 + 30;
    }
    drawing_->RefreshWindow();
    // The selected cards of a pairing game are shown inverted again on the fresh pictures.
    RedrawSelectionMarks(s);
    UpdateScrollBar();
}

void TfrmMain::ShowNewDeal() {
    ArrangePanels(); // the score panel follows the game just dealt
    if (s.Params.ReadParam(241, 1) == "N") {
        RedrawTable();
        return;
    }
    // The layout is worked out on the pictures first, unseen; then the deal flies on the table.
    {
        const auto show = std::exchange(drawing_->ShowOnWindow, nullptr);
        RedrawTable();
        drawing_->ShowOnWindow = show;
    }
    s.Game.DealDone = 0;
    view_->SwallowInput(true);
    view_->ForgetPiles();
    drawing_->PaintBackground();
    drawing_->PaintTable(true);
    drawing_->RefreshWindow();
    // Input that came during the deal is swallowed before the player gets the table.
    QCoreApplication::processEvents();
    view_->SwallowInput(false);
    UpdateScrollBar();
    // A close asked for during the deal was put off until the deal is done.
    if (s.Game.CloseRequested == 1)
        QTimer::singleShot(0, this, [this] { close(); });
}

void TfrmMain::UpdateScrollBar() {
    if (!table_)
        return;
    const int h = table_->height(), bottom = s.Game.TableBottom;
    if (bottom > drawing_->TableHeight() - 30) {
        // The piles grew below the table pictures: paint the table again on taller ones.
        tallTable_ = bottom + drawing_->TableHeight() / 2 + 30;
        RedrawTable();
        return;
    }
    const bool taller = bottom > h;
    if (taller) {
        // A few pixels below the lowest card, so that its edge and shadow can be seen.
        const QSignalBlocker quiet(scrBarMain_);
        scrBarMain_->setRange(0, bottom - h + 10);
        scrBarMain_->setPageStep(h);
        scrBarMain_->setSingleStep(20);
    }
    if (taller == scrBarMain_->isHidden()) {
        // The table's width changes with the bar; the resize handling lays the table out again.
        if (!taller)
            Scrolled(0);
        scrBarMain_->setVisible(taller);
    } else if (taller && s.Game.ScrollOffset != scrBarMain_->value()) {
        Scrolled(scrBarMain_->value());
    }
}

void TfrmMain::Scrolled(int position) {
    if (scrBarMain_->value() != position) {
        const QSignalBlocker quiet(scrBarMain_);
        scrBarMain_->setValue(position);
    }
    if (s.Game.ScrollOffset == position)
        return;
    view_->HideDragImage();
    s.Game.ScrollOffset = static_cast<std::int16_t>(position);
    drawing_->RefreshWindow();
}

void TfrmMain::ApplyTableCursor(bool carrying) {
    carrying_ = carrying;
    if (table_)
        table_->setCursor(cursors_.ForSetting(s.Params.ReadParam(172, 2), carrying));
}

bool TfrmMain::TipAllowed(const QObject* widget) const {
    return !widget->property(kToolbarTipProperty).toBool() || s.Params.ReadParam(kParamToolbarTips, 1) == "Y";
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ToolTip && !TipAllowed(watched))
        return true;
    if (e->type() == QEvent::Wheel && (watched == table_ || watched == scrBarMain_)) {
        // While the bar shows, each notch of the wheel moves the table 60 pixels.
        if (scrBarMain_->isHidden())
            return false;
        // One notch is 120 eighths of a degree; finer wheels move in proportion.
        scrBarMain_->setValue(scrBarMain_->value() - static_cast<QWheelEvent*>(e)->angleDelta().y() / 2);
        e->accept();
        return true;
    }
    if (e->type() == QEvent::KeyPress && watched == scrBarMain_) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->text() == " " && !table_->InputBlocked) {
            OnTableKey(s, ' ');
            view_->HideDragImage();
            UpdateScrollBar();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void TfrmMain::ArrangePanels() {
    QWidget* band = Band();
    pnlTempo_->setParent(band);
    pnlScore_->setParent(band);
    const int h = toolbarLarge_ ? 24 : 20;
    pnlTempo_->setFixedHeight(h);
    pnlScore_->setFixedHeight(h);
    int right = band->width() > 0 ? band->width() : width();
    if (InFullScreen()) {
        // The restore button closes the band; the panels sit to its left.
        QWidget* restore = RestoreButton();
        restore->move(right - restore->width() - 2, std::max(0, (band->height() - restore->height()) / 2));
        right = restore->x() - 5;
    }
    const int top = std::max(0, (band->height() - h) / 2);
    const bool timeOn = s.Params.ReadParam(kParamShowTime, 1) == "Y";
    // A game that keeps no score shows no score panel, whatever the switch says.
    const bool scoreOn = s.Params.ReadParam(kParamShowScore, 1) == "Y" && KeepsScore(s);
    pnlTempo_->move(right - pnlTempo_->width() - 15, top);
    const int scoreX = timeOn ? pnlTempo_->x() - pnlScore_->width() - 5 : right - pnlScore_->width() - 15;
    pnlScore_->move(scoreX, top);
    // The Exit button's right edge: panels never cover the buttons.
    QToolBar* bar = VisibleToolbar();
    int exitRight = 0;
    if (QAction* exit = Action(toolbarLarge_ ? "tbExit_Large" : "tbExit_Small"))
        if (QWidget* button = bar->widgetForAction(exit); button && toolbarVisible_)
            exitRight = bar->x() + button->x() + button->width();
    pnlTempo_->setVisible(timeOn && pnlTempo_->x() > exitRight + 3);
    pnlScore_->setVisible(scoreOn && pnlScore_->x() > exitRight + 3);
}

void TfrmMain::SetToolbarLarge(bool large) {
    toolbarLarge_ = large;
    coolBarToolBarLarge_->setVisible(large);
    coolBarToolBarSmall_->setVisible(!large);
    ArrangePanels();
    UpdatePopupChecks();
}

void TfrmMain::SetShowTime(bool on) {
    s.Params.WriteParam(kParamShowTime, 1, on ? "Y" : "N");
    ArrangePanels();
    UpdatePopupChecks();
}

void TfrmMain::SetShowScore(bool on) {
    s.Params.WriteParam(kParamShowScore, 1, on ? "Y" : "N");
    ArrangePanels();
    UpdatePopupChecks();
}

void TfrmMain::ClockTick() {
    if (!s.Flag(ClockRunning))
        return;
    lblTempo_->setText(Q(FormatClock(SecondOfDay(s.GameTimes[0]), SecondOfDay(CurrentDateTime()))));
}

} // namespace quillon

namespace quillon {

void TfrmMain::ShowPileHint(int x, int y) {
    const PileHintTexts texts = PileHintAt(s, x, y);
    if (sbStatusBar_ && PointerIsOverTable && PointerIsOverTable())
        sbStatusBar_->SetPanels(texts);
}

void TfrmMain::SuggestMoveCommand() {
    const std::string text = moveHint_->Run();
    if (text.empty())
        return;
    if (sbStatusBar_->isVisible())
        sbStatusBar_->showMessage(Q(text), 8000);
    else
        // Without the status bar the hint shows beside the pointer.
        QToolTip::showText(QCursor::pos(), Q(text), table_);
}

void TfrmMain::SetStatusBarVisible(bool on) {
    s.Params.WriteParam(kParamStatusBar, 1, on ? "Y" : "N");
    if (initialised_)
        WriteConfigString(s, "Preference", "StatusBar", on ? "Y" : "N");
    if (QAction* a = Action("mnuStatusBar"))
        a->setChecked(on);
    if (InFullScreen())
        statusBarWasVisible_ = on;
    else
        sbStatusBar_->setVisible(on);
}

} // namespace quillon
