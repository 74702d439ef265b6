#pragma once
// frmMain: the program's one top-level window. Its client area is the card table; above it the
// toolbar band with the time and score panels, below it the hidden status bar, beside it the
// vertical scroll bar. It runs the main initialisation, the first activation, the close query and
// the close, and serves a new game as the window, the table and the clock.
#include "model/Deal.h"
#include "shell/ProgramCursors.h"
#include "support/widgets/C_FullScreen.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QTimer;
class QToolBar;
class QWidget;

namespace quillon {

class ImageResources;
class Session;
class TableDrawing;
class TableWidget;
class QtTableView;
class TfrmOpenGame;
class TsbStatusBar;
class MoveHintCommand;

// "h:nn:ss" of the time between a start and now, both as times of day in seconds; a game that
// went past midnight counts the time to midnight plus the time since.
std::string FormatClock(int startSecondOfDay, int nowSecondOfDay);
// The time of day in seconds of a date-time (days since 30 December 1899, fraction = time).
int SecondOfDay(double dateTime);
// The current local date-time in the same form.
double CurrentDateTime();
// The two forms of a hint text "short|long": the short one for the tool tip, the long one for the
// status bar. A hint without "|" is both.
std::string ShortHint(const std::string& hint);
std::string LongHint(const std::string& hint);
// The product's web page, opened by "Quillon 2003 Home Page" and the About window.
inline constexpr const char* kHomePage = "https://quillon2003.sourceforge.io/";

class TfrmMain : public QMainWindow {
public:
    explicit TfrmMain(Session& s, QWidget* parent = nullptr);
    ~TfrmMain() override;

    Session& s;

    // The main initialisation of the creation handler; false when the program must end (the
    // image and sound library or the game list is missing; the message has been shown).
    bool MainInitialisation();
    // The window placement of the configuration file (left, top, width, height, maximized).
    void RestorePlacement();
    // The first activation: title, statistics of an older installation, the player-name check,
    // then the game choice. Runs once per start.
    void FirstActivation();
    // The open-game command: the game choice, then the game is opened and dealt.
    void OpenGameCommand();
    void NewGameCommand();
    // The players dialog; at the first activation (`onlyForBadNames`) it shows only when a stored
    // player name cannot be used.
    void PlayersCommand(bool onlyForBadNames = false);
    void RulesCommand();
    void AutoplayCommand();
    // The autoplay tick and the two toolbar buttons as the session holds them.
    void ShowAutoplayState();
    // Undo (Ctrl+Z) or, with `redo`, Redo (Ctrl+Y): the last action taken back or replayed.
    void UndoCommand(bool redo);
    // The undo and redo items and buttons enabled while there is something to take back or replay.
    void ShowUndoState();
    void EnableGameCommands(bool on);
    // Lays the current game out for the table's client area and repaints the whole table.
    void RedrawTable();
    // The table of a new deal: with "Deal_Animation" on the cards fly in while input is swallowed.
    void ShowNewDeal();
    // Panels at the right of the toolbar band, each visible only when it is wanted and fits.
    void ArrangePanels();
    // Shows the small or the large toolbar band.
    void SetToolbarLarge(bool large);
    void SetShowTime(bool on);
    // Shows or hides the toolbar buttons (the band with the panels stays).
    void SetToolbarVisible(bool on);
    bool ToolbarVisible() const { return toolbarVisible_; }
    // On a display of 256 colours or fewer, an activation draws the faded default table again.
    bool FadedRedrawOnActivation() const;
    void SetShowScore(bool on);
    // Switches full screen on or off: no menu bar and no status bar while on, and the restore
    // button of the visible toolbar size at the end of the band.
    void ToggleFullScreen();
    bool InFullScreen() const { return C_TFullScreen1_.Fullscreen(); }
    QWidget* RestoreButton() const;
    // The toolbar popup menu (right click on a toolbar) and the panels' own popups.
    QMenu* ToolbarPopup() const { return toolbarPopup_; }
    // One tick of the game clock.
    void ClockTick();
    // Shows the vertical scroll bar while the table reaches below the window, with its range from
    // the table's bottom; hides it (and scrolls back to the top) otherwise.
    void UpdateScrollBar();
    // The table's scroll position changed: the window shows the table from there.
    void Scrolled(int position);
    // The table's cursor from the cursor setting; `carrying` while cards are dragged.
    void ApplyTableCursor(bool carrying);
    const ProgramCursors& Cursors() const { return cursors_; }
    // The pile hints of the status bar for the table point (x, y), shown while the pointer is
    // over the table.
    void ShowPileHint(int x, int y);
    // The move-hint command (mnuTutorSuggestMove): the card to move hops and the move is named.
    void SuggestMoveCommand();
    // Shows or hides the status bar (position 76 and the configuration key "StatusBar").
    void SetStatusBarVisible(bool on);
    TsbStatusBar* StatusBar() const { return sbStatusBar_; }
    MoveHintCommand& MoveHints() { return *moveHint_; }
    // Whether the screen pointer is over the table; replaceable by tests.
    std::function<bool()> PointerIsOverTable;

    // Chooses a game: number, name and player; false when the choice was cancelled. By default
    // the open-game dialog; tests may set their own.
    std::function<bool(int& number, std::string& name, std::string& player)> ChooseGame;
    // Shows the rules page of a file; set by tests.
    std::function<void(const std::string& path)> ShowHelpPage;

    NewGameSeams& Seams();
    ImageResources& Images() { return *images_; }
    TableDrawing& Drawing() { return *drawing_; }
    TableWidget* Table() const { return table_; }
    QtTableView& View() { return *view_; }
    QLabel* TimeLabel() const { return lblTempo_; }
    QLabel* ScoreLabel() const { return lblScore_; }
    QWidget* TimePanel() const { return pnlTempo_; }
    QWidget* ScorePanel() const { return pnlScore_; }
    QAction* Action(const std::string& name) const;
    // The game list; null until it was first opened.
    TfrmOpenGame* OpenGameDialog() const { return frmOpenGame_.get(); }
    QWidget* Band() const;
    QToolBar* VisibleToolbar() const;
    QScrollBar* ScrollBar() const { return scrBarMain_; }
    bool CloseWasRefused() const { return closeRefused_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Seams_;
    void BuildMenu();
    void BuildToolbars();
    void LoadToolbarPictures();
    void SavePlacement();
    bool CloseQuery();
    void Close();
    void TableResized(int w, int h);
    // Takes on the device ratio of the screen the table is shown on: the table's pictures and the
    // card images follow it (loaded again only when it changed, which the result tells).
    bool FollowDeviceRatio();
    // Creates the open-game dialog (once, at the end of the main initialisation) and wires it.
    void CreateOpenGameDialog();
    // May the widget's tool tip show? The toolbar's and the restore buttons' follow the setting.
    bool TipAllowed(const QObject* widget) const;

    std::unique_ptr<ImageResources> images_;
    std::unique_ptr<TableDrawing> drawing_;
    std::unique_ptr<Seams_> seams_;
    std::unique_ptr<QtTableView> view_;
    std::unique_ptr<TfrmOpenGame> frmOpenGame_;
    TableWidget* table_ = nullptr;
    QScrollBar* scrBarMain_ = nullptr;
    QWidget* coolBarToolBarSmall_ = nullptr;
    QWidget* coolBarToolBarLarge_ = nullptr;
    QToolBar* toolBarSmall_ = nullptr;
    QToolBar* toolBarLarge_ = nullptr;
    QWidget* pnlTempo_ = nullptr;
    QWidget* pnlScore_ = nullptr;
    QLabel* lblTempo_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QTimer* Timer1_ = nullptr;
    std::map<std::string, QAction*> actions_;
    QWidget* tbRestoreAfterFS_Small_ = nullptr;
    QWidget* tbRestoreAfterFS_Large_ = nullptr;
    C_TFullScreen C_TFullScreen1_;
    bool statusBarWasVisible_ = false;
    QMenu* toolbarPopup_ = nullptr;
    void BuildPopups();
    void UpdatePopupChecks();
    bool toolbarLarge_ = true;
    bool toolbarVisible_ = true;
    bool closeRefused_ = false;
    bool initialised_ = false;
    ProgramCursors cursors_;
    // Height the table pictures must have for the current game beyond the screen's (a table that
    // reaches below the screen); 0 while the screen-sized pictures hold it.
    int tallTable_ = 0;
    bool carrying_ = false;
    TsbStatusBar* sbStatusBar_ = nullptr;
    std::unique_ptr<MoveHintCommand> moveHint_;
    bool gameCommandsOn_ = false;
};

} // namespace quillon
