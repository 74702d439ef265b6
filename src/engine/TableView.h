#pragma once
// The table as the play engine sees it. The engine never paints: everything it needs of the
// screen (the drag picture, piles, single cards, marks, labels, sounds, pauses, message boxes,
// the cursor and the windows around the table) it asks through this one interface. The window
// layer implements it with pictures; tests use a recording fake.

#include "model/Session.h"
#include "platform/Desktop.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Which picture a drawing goes to: the window, the off-screen table image, or both.
enum class Surface { Window, TableImage, Both };

// The result dialog of the memory games: one page per family.
struct MemoryResultPage {
    bool won = false;
    std::string caption;    // "Game Won" / "Game Lost"
    std::string page;       // "Pairs", "Ace-To-King", "Forget me not", "Concentration"
    std::string boxCaption; // "Grid: 4 x 3", "Cards: 10 ", ...; empty when the page has none
    int matches = 0, matchPoints = 0;
    int misses = 0, missPoints = 0;
    int start = -52;
    int total = 0;      // the score
    int scoreToWin = 0; // attribute 53
    int matchesTotal() const { return matches * matchPoints; }
    int missesTotal() const { return misses * missPoints; }
};

// The measures of the main window the winning animation strews its cards over, in window pixels:
// the outer size, the client size, and the top of the table (the bottom of the toolbar band).
struct WindowArea {
    int outerWidth = 0, outerHeight = 0;
    int clientWidth = 0, clientHeight = 0;
    int tableTop = 0;
};

class TableView {
public:
    virtual ~TableView() = default;

    // --- The drag picture (the picture that follows the pointer and that flies) ---
    // Builds the drag picture for the card (or the run above it, or -1 for a card back) as at
    // pick-up, at the current DragRect.
    virtual void BuildDragImage(int card) = 0;
    // Draws the drag picture at (x, y), restoring what it uncovers; with `commit` it is also left
    // in the table image. False when nothing was drawn because the picture already stood there.
    virtual bool MoveDragImage(int x, int y, bool commit, bool blendCorners) = 0;
    // Copies the drag picture (DragRect's height) into the table image at (x, y).
    virtual void CommitDragImage(int x, int y) = 0;
    // Copies a rectangle of the table image back to the window (shadow strips, card areas).
    virtual void Repaint(const TableRect& area) = 0;
    // Drops the drag picture at a card place: the moved cards are drawn there for good.
    virtual void DropDragImage(int x, int y) = 0;
    // Takes the card (and any cards above it) off the table image, as at pick-up.
    virtual void LiftCard(int card) = 0;

    // --- Piles and cards ---
    virtual void RedrawPile(std::string_view pile, Surface where) = 0;
    // Draws one card face (or the back of a face-down card) at (x, y); `tableauPile` is the
    // 0-based tableau pile it belongs to, -1 for none.
    virtual void DrawCard(int card, int x, int y, Surface where, int tableauPile) = 0;
    virtual void InvertCard(int x, int y) = 0;
    // The empty-stock marker at the stock's place.
    virtual void DrawEmptyStockMarker() = 0;
    // A stock picture ("StockDown", "StockUp": the empty-stock marker pressed and let go) over
    // stock pile 0 (the stock) or 1 (the waste).
    virtual void DrawStockImage(const std::string& image, int stockPile) { (void)image, (void)stockPile; }
    // The empty-waste marker at the waste's place, after the waste was turned over.
    virtual void DrawEmptyWasteMarker() {}
    // The highlight of a foundation (0-based) under the foundation-highlight preference.
    virtual void DrawFoundationHighlight(int foundation) = 0;
    // Marks on the table: the columns whose ranks add up (family 74), the matched pairs (family
    // 38); an empty list clears them.
    virtual void ShowMark(const std::string& kind, const std::vector<int>& items) = 0;
    // The joker value label under a foundation (0-based); an empty text clears the label.
    virtual void DrawJokerLabel(int foundation, const std::string& text, const std::string& suitImage) = 0;
    // The partial-score texts of family 64.
    virtual void DrawPartialScore(int value) = 0;
    // The whole table again (after the winning animation).
    virtual void RedrawTable() = 0;

    // --- Sounds, pauses, messages ---
    // A named event sound behind its switch (`enabled`) and the master switch.
    virtual void PlaySound(const std::string& name, bool enabled) = 0;
    virtual void PauseBusy(int ms) = 0;
    virtual void PauseWithMessages(int ms) = 0;
    virtual void PauseSmooth(int ms) = 0;
    virtual void Beep() = 0;
    // A modal message box; for a Question box true for "OK"/"Yes".
    virtual bool MessageBox(BoxKind kind, const std::string& caption, const std::string& text) = 0;

    // --- The window around the table ---
    virtual void ShowScore(const std::string& text) = 0;
    virtual void UpdateClockLabel() = 0;
    virtual void HideHintPanels() = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // The menu items of a game in progress (pause, quit game, snapshot, undo to snapshot).
    virtual void SetGameMenusEnabled(bool enabled) = 0;
    // While blocked, pointer and keyboard input do not reach the table.
    virtual void SetInputBlocked(bool blocked) = 0;
    // While on, key presses and mouse presses to every window of the program are discarded (the
    // deal, the removal of a selection, the winning animation). Calls nest: each `true` is matched
    // by one `false`.
    virtual void SwallowInput(bool on) { (void)on; }
    virtual void ShowMemoryResult(const MemoryResultPage& page) = 0;

    // --- The winning animation ---
    // The window's measures; the table's own point (0, 0) lies at (0, tableTop) of the window.
    virtual WindowArea AnimationArea() { return {}; }
    // At the start (true) the main window takes the keyboard focus and a key press, a mouse button
    // press or a press on the window frame stops the animation (clears the automatic-sequence
    // flag); at the end (false) presses no longer do.
    virtual void WatchForStopPress(bool on) { (void)on; }
    // A card face drawn whole at table point (x, y), on the window and then on the table image,
    // whatever the card's face flag says.
    virtual void DrawLooseCard(int card, int x, int y) { DrawCard(card, x, y, Surface::Both, -1); }
    // The millisecond tick count the pauses read (wrapping at 2^32).
    virtual std::uint32_t Ticks();
    // Lets pending window messages run once.
    virtual void PumpMessages() {}
    // Opens the open-game dialog as by its menu command.
    virtual void OpenGameChooser() = 0;
    virtual void CloseMainWindow() = 0;
};

// The session's view, or a silent one when the window has not set any.
TableView& View(Session& s);

// A view that draws nothing and answers every question with OK.
class SilentTableView : public TableView {
public:
    void BuildDragImage(int) override {}
    bool MoveDragImage(int, int, bool, bool) override { return true; }
    void CommitDragImage(int, int) override {}
    void Repaint(const TableRect&) override {}
    void DropDragImage(int, int) override {}
    void LiftCard(int) override {}
    void RedrawPile(std::string_view, Surface) override {}
    void DrawCard(int, int, int, Surface, int) override {}
    void InvertCard(int, int) override {}
    void DrawEmptyStockMarker() override {}
    void DrawFoundationHighlight(int) override {}
    void ShowMark(const std::string&, const std::vector<int>&) override {}
    void DrawJokerLabel(int, const std::string&, const std::string&) override {}
    void DrawPartialScore(int) override {}
    void RedrawTable() override {}
    void PlaySound(const std::string&, bool) override {}
    void PauseBusy(int) override {}
    void PauseWithMessages(int) override {}
    void PauseSmooth(int) override {}
    void Beep() override {}
    bool MessageBox(BoxKind, const std::string&, const std::string&) override { return true; }
    void ShowScore(const std::string&) override {}
    void UpdateClockLabel() override {}
    void HideHintPanels() override {}
    void SetBusyCursor(bool) override {}
    void SetGameMenusEnabled(bool) override {}
    void SetInputBlocked(bool) override {}
    void ShowMemoryResult(const MemoryResultPage&) override {}
    void OpenGameChooser() override {}
    void CloseMainWindow() override {}
};

} // namespace quillon
