#pragma once
// Move execution: the single entry for every change of the table during play. A card (or the run
// above it) leaves whatever pile holds it for the pile the target names; the history records the
// table first, the table view is told what to draw, and the bookkeeping common to every move runs
// (score, automatic face-up, first-move refill, won test).

#include "model/Session.h"

#include <string>

namespace quillon {

// Kind of pile a removed card came from.
enum SourceKind : int {
    kFromStock = 1,
    kFromWaste = 2,
    kFromSecondWaste = 3,
    kFromTableau = 4,
    kFromFoundation = 5,
    kFromReserve = 6,
    kFromNowhere = 255,
};

struct RemovedFrom {
    int kind = kFromNowhere;
    std::string pile; // name of the pile it left ("Fila3", "Mazzo_Vis"), empty when none
};

// Takes the card out of the first pile that holds it, searching the waste, the tableau piles,
// the 16 foundations, the stock, the second waste and the 12 reserves. With `leaveSlot` a card
// leaving a tableau pile leaves "000" in its place.
RemovedFrom RemoveCard(Session& s, int card, bool leaveSlot);

// Carries out a move or a named operation; true when something moved. Targets: "Dest" + n and
// "Dest_Autoplay" + n (foundation n), "Fila" + n (tableau pile n; a run when the dragged image is
// taller than one card), "Appogg" + n (reserve n), "Waste" (the second waste), "Stock02" (the
// waste); the stock and selection operations are handed to their seams.
bool ExecuteMove(Session& s, int card, const std::string& target);

// History: a step of the current table, event codes, merging the last steps, the redo side.
void RecordStep(Session& s);
// Selection games keep the current selection on the first foundation; the history does not.
bool SelectionGame(const Session& s);
void LogEvent(Session& s, int code);
int CountEvents(const Session& s, int code);
void MergeSteps(Session& s, int n);
void ClearRedo(Session& s);

// Turns a face-down tableau card face up where it lies (its own history step).
void TurnUp(Session& s, int card, int x, int y, int pileIndex);
// Turns up the face-down top card of every tableau pile, each merged into the move that
// uncovered it; true when a card was turned.
bool AutoFaceUp(Session& s);
// Sends a complete 13-card run at the top of tableau pile `pileIndex` to the foundations.
void RemoveCompleteRun(Session& s, int pileIndex);

// The Draw of pick-up rule -17: the buried card is pulled to the top of its own tableau pile
// (target "Fila" + two digits), flies there, the pile is redrawn and the move is logged with
// event code 4. Installed as the session's DrawCard hook.
void DrawCardToTop(Session& s, int card, const std::string& target);

// The release of the pointer: a pressed empty stock deals, a dragged card is dropped or goes back
// to its place, and autoplay runs.
void OnTableRelease(Session& s, int x, int y);
// The dragged cards fly back to their place (unless moves are not animated) and are drawn there.
void PutBackDragged(Session& s);

} // namespace quillon
