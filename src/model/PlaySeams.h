#pragma once
// The places where the play engine hands work to the parts of the program that build on it:
// the stock deals and the removals of selection games (as move targets), autoplay, the
// statistics files, the winning animation, the open-game dialog and the card places of the pile
// layout. Each is filled by its owner at start-up; an empty one does nothing (and a move target
// it should carry out is reported as not done).

#include <functional>
#include <string>
#include <string_view>

namespace quillon {

class Session;

struct PlaySeams {
    // Move targets of the stock ("Mazzo...", "Add_Tableau...", "Add_Reserve...", "Fill_Tableaus",
    // "Add_Tableaus_Last") and of the selection games ("Selezionate_...",
    // "Stock_To_Pile_Monte_Carlo"): carry out the operation, true when something moved.
    std::function<bool(Session&, int card, const std::string& target)> StockMove;
    std::function<bool(Session&, int card, const std::string& target)> SelectionMove;

    // The selection of families 4 and 67: a stock click adds the stock's top card to a selection
    // that is not empty (true when it did); a card turned back to the stock leaves the selection.
    std::function<bool(Session&, int card)> AddToSelection;
    std::function<void(Session&, int card)> DropFromSelection;

    // Presses the play engine hands on: a left press on the stock (the stock click), a press in a
    // selection, pairing or memory game on a pile (button, pile name, card or 0).
    std::function<void(Session&)> StockClick;
    std::function<void(Session&, int button, const std::string& pile, int card)> SelectionPress;
    // The pointer moves over the table with nothing held: the pile hints; the move-hint command.
    std::function<void(Session&, int x, int y)> PileHints;
    std::function<void(Session&)> SuggestMove;

    // The Autoplay menu item is ticked and enabled.
    std::function<bool(const Session&)> AutoplayActive;
    // One autoplay pass after a release; the automatic finishing step (true: run again).
    std::function<void(Session&)> Autoplay;
    std::function<bool(Session&)> AutoFinish;

    // The statistics files: make sure they exist; record the result of the game that ended.
    std::function<void(Session&)> EnsureStatisticsFiles;
    std::function<void(Session&, int game, const std::string& player, bool reset, bool won)> RecordGameResult;
    // The open-game dialog, when showing, refreshes its statistics of this game.
    std::function<void(Session&)> RefreshOpenGameStatistics;

    // What can be taken back or replayed may have changed (the window's Undo and Redo commands).
    std::function<void(Session&)> UndoStateChanged;

    // The winning animation with the configured pattern and time.
    std::function<void(Session&)> WinningAnimation;

    // Window x and y of a card place of the named pile (the pile layout): the remaining top card
    // after leaving out `skip` cards, or with `nextSlot` the place one more card would take. When
    // unset the engine works from the stored pile positions and fan steps itself.
    std::function<int(const Session&, std::string_view name, int skip, bool nextSlot, int pileIndex)>
        PileCardX;
    std::function<int(const Session&, std::string_view name, int skip, bool nextSlot)> PileCardY;
};

} // namespace quillon
