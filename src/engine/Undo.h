#pragma once
// Taking moves back and replaying them. One player action (a press, a release, a double click, a
// key, the autoplay command) is one step to take back, together with everything that followed it
// by itself: the cards turned up, autoplay, the automatic filling of empty piles. The move history
// keeps one snapshot per move; beside it each action keeps the whole table before it (faces,
// score and counters too), so that taking it back restores exactly the table the player saw.
// A new move forgets what was taken back.

#include "model/Session.h"

namespace quillon {

// Position 137: "2" switches taking moves back off; positions 151 and 146: the sounds.
namespace param {
constexpr int UndoEnabled = 137;
constexpr int SoundUndo = 151;
constexpr int SoundRedo = 146;
} // namespace param

// What an input is to the player: a press (or double click) and the release that ends it are one
// click, whatever either of them moved; anything else (a key, a command) stands alone.
enum class InputKind { Single, Press, Release };

// Marks one player action for its lifetime: when it recorded a move in the history, it becomes the
// last action to take back and nothing can be replayed any more. A release that follows a press
// which moved something adds its moves to the press's step. Actions inside another count with the
// outer one; an action during which a new game was dealt is not kept.
class PlayerAction {
public:
    explicit PlayerAction(Session& s, InputKind kind = InputKind::Single);
    ~PlayerAction();
    PlayerAction(const PlayerAction&) = delete;
    PlayerAction& operator=(const PlayerAction&) = delete;

private:
    Session& s_;
    InputKind kind_;
    bool outer_;
    UndoableAction start_;
    long recorded_ = 0;
    int generation_ = 0;
};

// The table as it stands now, and the table put back as a state describes it (nothing is drawn).
TableState CaptureTable(const Session& s);
void RestoreTable(Session& s, const TableState& state);

// A selection (selection and pairing games) has been started and not completed.
bool SelectionOpen(const Session& s);

// Can the last action be taken back, or the last action taken back be replayed? Never after the
// game has ended, while a move or an automatic sequence runs, while a selection is open, in the
// memory games, or when position 137 is "2".
bool CanUndo(const Session& s);
bool CanRedo(const Session& s);

// Takes back the last action, or replays the last action taken back: the table as it was, drawn
// again pile by pile (the whole table in games that draw labels and marks of their own), with its
// sound. False, changing nothing, when the command is not available.
bool UndoAction(Session& s);
bool RedoAction(Session& s);

} // namespace quillon
