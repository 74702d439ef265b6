#pragma once
// The table as the play engine sees it, drawn with the table pictures: the drag picture that
// follows the pointer (only the strips it uncovers are restored), piles redrawn after a move,
// single cards, inverted selections, sounds, pauses that keep the window alive, and message
// boxes. What belongs to the window around the table (score, clock, menus, the game chooser)
// goes to the callbacks the main window sets.

#include "engine/TableView.h"
#include "support/Pauses.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace quillon {

class TableDrawing;

class QtTableView : public TableView {
public:
    QtTableView(Session& s, TableDrawing& drawing);
    ~QtTableView() override;

    // Takes the drag picture off the window (after the release): the table shows through again.
    void HideDragImage();
    // The whole table is about to be painted from the piles as they lie (a new deal or a
    // repainted table): from then on each pile shows its present cards, so that a pile emptied or
    // shortened later is cleared down to the table over all the room they took.
    void ForgetPiles();
    const QImage& DragImage() const { return drag_; }
    QRect DragShown() const { return shown_; }
    // Where the drag picture's shadow stands on the window; empty when none is shown.
    QRegion ShadowShown() const { return shadow_; }

    std::function<void(const std::string&)> onShowScore;
    std::function<void()> onUpdateClock, onHideHints, onOpenGameChooser, onCloseWindow;
    std::function<void(bool)> onBusyCursor, onGameMenus, onInputBlocked;
    std::function<void(const MemoryResultPage&)> onShowMemoryResult;
    // The main window's measures and its taking of the keyboard focus (the winning animation).
    std::function<WindowArea()> onAnimationArea;
    std::function<void()> onTakeFocus;

    // The clock the pauses and the tick count read (tests give a fake one); nullptr: the system's.
    void UseClock(PauseClock* clock);

    void BuildDragImage(int card) override;
    bool MoveDragImage(int x, int y, bool commit, bool blendCorners) override;
    void CommitDragImage(int x, int y) override;
    void Repaint(const TableRect& area) override;
    void DropDragImage(int x, int y) override;
    void LiftCard(int card) override;
    void RedrawPile(std::string_view pile, Surface where) override;
    void ClearPile(std::string_view pile) override;
    void DrawCard(int card, int x, int y, Surface where, int tableauPile) override;
    void InvertCard(int x, int y) override;
    void DrawEmptyStockMarker() override;
    void DrawStockImage(const std::string& image, int stockPile) override;
    void DrawFoundationHighlight(int foundation) override;
    void ShowMark(const std::string& kind, const std::vector<int>& items) override;
    void DrawJokerLabel(int foundation, const std::string& text, const std::string& suitImage) override;
    void DrawPartialScore(int value) override;
    void RedrawTable() override;
    void PlaySound(const std::string& name, bool enabled) override;
    void PauseBusy(int ms) override { pauses_.PauseBusy(ms); }
    void PauseWithMessages(int ms) override { pauses_.PauseWithMessages(ms); }
    void PauseSmooth(int ms) override { pauses_.PauseSmooth(ms); }
    void Beep() override;
    bool MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override;
    void ShowScore(const std::string& text) override;
    void UpdateClockLabel() override;
    void HideHintPanels() override;
    void SetBusyCursor(bool busy) override;
    void SetGameMenusEnabled(bool enabled) override;
    void SetInputBlocked(bool blocked) override;
    void SwallowInput(bool on) override;
    void ShowMemoryResult(const MemoryResultPage& page) override;
    void OpenGameChooser() override;
    void CloseMainWindow() override;
    WindowArea AnimationArea() override;
    void WatchForStopPress(bool on) override;
    void DrawLooseCard(int card, int x, int y) override;
    std::uint32_t Ticks() override { return pauses_.clock().Ticks(); }
    void PumpMessages() override;

private:
    int Scroll() const;
    // Copies a window rectangle of the table picture back to the window picture.
    void RestoreWindow(const QRect& windowRect);
    void Show(const QRect& windowRect);
    // A label box at a window rectangle: black text lines on white with a black right and bottom
    // edge, and a picture after the text, on the window and the table picture.
    void DrawLabel(const QRect& windowRect, const QStringList& lines, const QImage& picture = QImage());
    // Gives a label's place back to the empty table on both pictures.
    void ClearLabel(const QRect& windowRect);

    Session& s_;
    TableDrawing& d_;
    Pauses pauses_;
    QImage drag_;
    QSize dragSize_; // the drag picture's size in the program's pixels
    // The drag picture is one card's own picture (a flight), whose corners take on each place.
    bool dragIsCard_ = false;
    // The drag picture as it is put at (x, y): a single card with the corners of that place.
    QImage Placed(int x, int y, bool blendCorners) const;
    // Shadows are drawn under lifted and moving cards.
    bool Shadowed() const;
    // Draws the shadow of the drag picture standing at `at` on the window; returns where it lies.
    QRegion DrawShadow(const QRect& at);
    QRect shown_;    // where the drag picture stands on the window; empty when not shown
    QRegion shadow_; // where its shadow stands on the window
    std::map<std::string, std::string, std::less<>> drawn_;
    // Areas cleared for piles about to be drawn afresh, shown on the window with their new cards.
    std::map<std::string, QRect, std::less<>> cleared_;
    std::unique_ptr<QObject> stopWatcher_;
};

} // namespace quillon
