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
#include <functional>
#include <map>
#include <string>

namespace quillon {

class TableDrawing;

class QtTableView : public TableView {
public:
    QtTableView(Session& s, TableDrawing& drawing);

    // Takes the drag picture off the window (after the release): the table shows through again.
    void HideDragImage();
    // Forgets what each pile showed (a new deal or a repainted table).
    void ForgetPiles() { drawn_.clear(); }
    const QImage& DragImage() const { return drag_; }
    QRect DragShown() const { return shown_; }

    std::function<void(const std::string&)> onShowScore;
    std::function<void()> onUpdateClock, onHideHints, onOpenGameChooser, onCloseWindow;
    std::function<void(bool)> onBusyCursor, onGameMenus, onInputBlocked;

    void BuildDragImage(int card) override;
    bool MoveDragImage(int x, int y, bool commit, bool blendCorners) override;
    void CommitDragImage(int x, int y) override;
    void Repaint(const TableRect& area) override;
    void DropDragImage(int x, int y) override;
    void LiftCard(int card) override;
    void RedrawPile(std::string_view pile, Surface where) override;
    void DrawCard(int card, int x, int y, Surface where, int tableauPile) override;
    void InvertCard(int x, int y) override;
    void DrawEmptyStockMarker() override;
    void DrawFoundationHighlight(int foundation) override;
    void ShowMark(const std::string& kind, const std::vector<int>& items) override;
    void DrawJokerLabel(int, const std::string&, const std::string&) override {}
    void DrawPartialScore(int) override {}
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
    void ShowMemoryResult(const MemoryResultPage&) override {}
    void OpenGameChooser() override;
    void CloseMainWindow() override;

private:
    int Scroll() const;
    // Copies a window rectangle of the table picture back to the window picture.
    void RestoreWindow(const QRect& windowRect);
    void Show(const QRect& windowRect);

    Session& s_;
    TableDrawing& d_;
    Pauses pauses_;
    QImage drag_;
    // The drag picture is one card's own picture (a flight), whose corners take on each place.
    bool dragIsCard_ = false;
    QImage Placed(int x, int y) const;
    QRect shown_; // where the drag picture stands on the window; empty when not shown
    std::map<std::string, std::string, std::less<>> drawn_;
};

} // namespace quillon
