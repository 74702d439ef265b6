#include "engine/Undo.h"

#include "engine/CardPlaces.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/TableView.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace quillon {

namespace {

int Family(const Session& s) {
    return s.Attr(attr::Family);
}

// The memory games: taking a turn back would hide again cards the player has just seen, and take
// back the misses that count against the score.
bool MemoryGame(const Session& s) {
    return Family(s) >= 36 && Family(s) <= 39;
}

void Changed(Session& s) {
    if (s.Play.UndoStateChanged)
        s.Play.UndoStateChanged(s);
}

// Is the table free for the commands: a game in play, nothing moving, nothing half done.
bool CommandsFree(const Session& s) {
    return s.Params.ReadParam(param::UndoEnabled, 1) != "2" && s.Flag(GameInPlay) && !s.Flag(GameWon) &&
           !s.Flag(AutomaticSequence) && s.History.ActionDepth == 0 && s.Game.DragCard == 0 &&
           s.Game.StockPressed == 0 && !MemoryGame(s) && !SelectionOpen(s);
}

// Every pile of the table by name, in the order of the pile lists.
std::vector<std::string> PileNames() {
    std::vector<std::string> names = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (int k = 1; k <= kFoundationCount; ++k)
        names.push_back(PileName("Dest", k));
    for (int k = 1; k <= kTableauCount; ++k)
        names.push_back(PileName("Fila", k));
    for (int k = 1; k <= kReserveCount; ++k)
        names.push_back(PileName("Appogg", k));
    return names;
}

// Does the pile look different between two states: other cards, or a card turned?
bool PileDiffers(const std::string& a, const std::string& b, const TableState& from, const TableState& to) {
    if (a != b)
        return true;
    for (int k = 0; k < PileSize(a); ++k) {
        const int card = PileCard(a, k);
        if (card >= 1 && card <= kCardCount &&
            from.Faces[static_cast<size_t>(card - 1)] != to.Faces[static_cast<size_t>(card - 1)])
            return true;
    }
    return false;
}

// The piles on the table that must be drawn again when the table goes from one state to the other.
std::vector<std::string> ChangedPiles(const Session& s, const TableState& from, const TableState& to) {
    std::vector<std::string> changed;
    for (const std::string& name : PileNames()) {
        int x = 0, y = 0;
        if (!PilePosition(s, name, x, y))
            continue;
        const std::string& a = *from.Piles.Find(name);
        const std::string& b = *to.Piles.Find(name);
        // The stock shows whether another pass through it is allowed.
        const bool stockMark = name == "Mazzo" && from.RedealCount != to.RedealCount;
        if (stockMark || PileDiffers(a, b, from, to))
            changed.push_back(name);
    }
    return changed;
}

// Games that draw labels and marks of their own beside the piles (the selection, the columns that
// add up, the hand being built, the cribbage panel, the joker values) are drawn whole.
bool DrawnWhole(const Session& s) {
    const int family = Family(s);
    const int rule = s.Attr(attr::FoundationRule);
    return SelectionGame(s) || family == 64 || family == 74 || family == 76 || rule == 72 || rule == 75;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// Puts the table from `from` (as it stands) to `to` and shows it.
void ShowTable(Session& s, const TableState& from, const TableState& to) {
    TableView& view = View(s);
    const bool whole = DrawnWhole(s);
    const std::vector<std::string> changed = whole ? std::vector<std::string>{} : ChangedPiles(s, from, to);
    // Each pile is drawn afresh on the empty table, as a whole repaint draws it.
    for (const std::string& name : changed)
        view.ClearPile(name);
    RestoreTable(s, to);
    if (whole) {
        view.RedrawTable();
    } else {
        for (const std::string& name : changed) {
            view.RedrawPile(name, Surface::Both);
            if (PileKind(name) == kTableauKind)
                s.Game.TableBottom = static_cast<std::int16_t>(
                    std::max<int>(s.Game.TableBottom, s.PileBottomEdge(name) + s.Game.ScrollOffset));
            if (PileKind(name) == kFoundationKind && s.Game.HighlightFoundationsMark != 0)
                view.DrawFoundationHighlight(PileNumber(name) - 1);
        }
    }
    view.ShowScore(Trimmed(to.Score));
}

} // namespace

TableState CaptureTable(const Session& s) {
    TableState t;
    t.Piles = s.Piles;
    t.Faces.assign(kCardCount, '1');
    for (int n = 1; n <= kCardCount; ++n)
        if (s.Cards.CardIsHidden(n))
            t.Faces[static_cast<size_t>(n - 1)] = '0';
    t.Score = s.Params.ReadParam(param::Score, 6);
    t.MovesMade = s.Game.MovesMade;
    t.RedealCount = s.Game.RedealCount;
    t.CardsTurnedBack = s.Game.CardsTurnedBack;
    t.OnceUsed = s.Game.OnceUsed;
    t.DealCount = s.StateValues[DealCounter];
    return t;
}

void RestoreTable(Session& s, const TableState& t) {
    s.Piles = t.Piles;
    for (int n = 1; n <= kCardCount && static_cast<size_t>(n) <= t.Faces.size(); ++n)
        s.Cards.SetCardFace(n, t.Faces[static_cast<size_t>(n - 1)]);
    s.Params.WriteParam(param::Score, 6, t.Score);
    s.Game.MovesMade = t.MovesMade;
    s.Game.RedealCount = t.RedealCount;
    s.Game.CardsTurnedBack = t.CardsTurnedBack;
    s.Game.OnceUsed = t.OnceUsed;
    s.StateValues[DealCounter] = t.DealCount;
}

PlayerAction::PlayerAction(Session& s, InputKind kind)
    : s_(s), kind_(kind), outer_(s.History.ActionDepth++ == 0) {
    if (!outer_)
        return;
    start_.Before = CaptureTable(s);
    start_.Steps = s.History.Steps();
    start_.Events = s.History.Undo.Events;
    recorded_ = s.History.Recorded;
    generation_ = s.History.Generation;
}

PlayerAction::~PlayerAction() {
    MoveHistory& h = s_.History;
    --h.ActionDepth;
    if (!outer_)
        return;
    const bool moved = h.Generation == generation_ && h.Recorded != recorded_ && h.Steps() >= start_.Steps;
    // The release of a click whose press moved something belongs to the press's step.
    const bool joined = kind_ == InputKind::Release && h.PressStepOpen && !h.Actions.empty();
    if (moved && !joined) {
        // The selection belongs to the press that made it, not to the table taken back to.
        if (SelectionGame(s_))
            start_.Before.Piles.FoundationPiles[0].clear();
        h.Actions.push_back(std::move(start_));
    }
    if (moved)
        h.ClearRedo();
    h.PressStepOpen = kind_ == InputKind::Press && moved;
    Changed(s_);
}

bool SelectionOpen(const Session& s) {
    return SelectionGame(s) && !s.Piles.FoundationPiles[0].empty();
}

bool CanUndo(const Session& s) {
    return !s.History.Actions.empty() && CommandsFree(s);
}

bool CanRedo(const Session& s) {
    return !s.History.Undone.empty() && CommandsFree(s);
}

bool UndoAction(Session& s) {
    if (!CanUndo(s))
        return false;
    MoveHistory& h = s.History;
    UndoneAction done;
    done.Action = std::move(h.Actions.back());
    h.Actions.pop_back();
    done.After = CaptureTable(s);
    done.EventsAfter = h.Undo.Events;
    done.TailSteps = h.MoveTailToRedo(done.Action.Steps);
    h.Undo.Events = done.Action.Events;
    ShowTable(s, done.After, done.Action.Before);
    h.Undone.push_back(std::move(done));
    h.PressStepOpen = false;
    View(s).PlaySound("Undo", s.Params.Flag(param::SoundUndo));
    Changed(s);
    return true;
}

bool RedoAction(Session& s) {
    if (!CanRedo(s))
        return false;
    MoveHistory& h = s.History;
    UndoneAction done = std::move(h.Undone.back());
    h.Undone.pop_back();
    const TableState now = CaptureTable(s);
    h.MoveRedoTailBack(done.TailSteps);
    h.Undo.Events = done.EventsAfter;
    ShowTable(s, now, done.After);
    h.Actions.push_back(std::move(done.Action));
    h.PressStepOpen = false;
    View(s).PlaySound("Redo", s.Params.Flag(param::SoundRedo));
    Changed(s);
    return true;
}

} // namespace quillon
