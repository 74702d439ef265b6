#pragma once
// The session: everything the program holds for the whole run, owned in one object created at
// start-up and handed to whoever needs it. A test builds a fresh one with `Session s;`.

#include "model/Cards.h"
#include "model/GameState.h"
#include "model/MoveHistory.h"
#include "model/ParamString.h"
#include "model/PlaySeams.h"
#include "model/Random.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quillon {

class Desktop;
class ResourceLibrary;
class Session;
class SoundPlayer;
class TableView;

// The inputs of the building-rule evaluator: may `card` go on `top` (-1 for an empty pile) of a
// pile whose empty value, stop rank, direction, rule code and wrap are given.
struct RuleQuery {
    int top = -1;
    int card = 0;
    int emptyValue = 0;
    int stopRank = 0;
    int direction = 0;
    int rule = 0;
    bool toFoundation = false;
    bool wrap = false;
    int index = 0;
    bool placing = false;
};

// Operations of the play engine that model code calls back (the deal offers dealt cards to the
// foundations and scores them). The engine installs them; until then no rule accepts a card and
// scoring does nothing.
struct EngineHooks {
    bool (*RuleAccepts)(Session&, const RuleQuery&) = nullptr;
    void (*AddScore)(Session&, int points) = nullptr;
    // The Draw of pick-up rule -17: moves `card` to the top of its own tableau pile with the move
    // target `target` ("Fila" + two digits), flies it there, redraws the pile and logs the move.
    // Filled by the play code; until then the Draw does nothing.
    void (*DrawCard)(Session&, int card, const std::string& target) = nullptr;
};

// A rectangle in table coordinates; edges belong to it.
struct TableRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TableRect&) const = default;
};

// Pixel size of one card picture for the chosen card size, and the shadow width.
struct CardMetrics {
    int CardWidth = 71;
    int CardHeight = 96;
    int ShadowSize = 9;
};

class Session {
public:
    // A fresh session in its start-up state: blank parameter string with the configuration file
    // name, card table built, empty pile lists, game state with its start values.
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    ParamString Params;
    CardTable Cards;
    PileLists Piles;
    TMainGame Game;
    CardMetrics Metrics;
    RandomGenerator Random;

    // Height of the dragged image: the card height for a single card, from the top of the pressed
    // card to the bottom edge of its pile for a run. A move carries a single card unless this is
    // taller than one card (0, before any press, counts as a single card).
    int DragHeight = 0;
    // Where the dragged image lies on the table; the drop is decided from it. The grab offset is
    // the pointer position less the top-left corner of the picked-up card.
    TableRect DragRect;
    int GrabOffsetX = 0, GrabOffsetY = 0;
    // Top-left corner of a partly covered card shown whole until the release; (0, 0) when none.
    int PeekX = 0, PeekY = 0;
    // Which joker the label under the foundations shows (foundation, depth and pile), so an
    // unchanged joker is not drawn again.
    std::string JokerLabelKey;

    // The move history (undo and redo sides with their event logs).
    MoveHistory History;

    std::array<std::int16_t, 42> TableauX{}, TableauY{};
    std::array<std::int16_t, kAttrCount> GameAttr{};
    std::array<std::int16_t, kSavedAttrCount> SavedAttr{};
    std::array<std::uint8_t, 10> StateFlags{};
    std::array<double, 2> GameTimes{};
    std::array<std::int32_t, 4> StateValues{};
    JitterRows JitterTable{};

    // The program folder (read-only data beside the executable) and the per-user data folder,
    // each with a final "/".
    // Size of the screen the table was last laid out for (the layout sets it; fan mode 8 reads the width).
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    // Width of the table (the window's client area) the last layout spread the piles over.
    int TableWidth = 0;

    std::string ProgramFolder;
    std::string DataFolder;

    // Message boxes, links and the beep; never null (a silent recorder until the window sets its own).
    Desktop* desktop = nullptr;
    EngineHooks Hooks;
    // The autoplay command as the window shows it: the "Auto&play" menu item ticked and enabled,
    // and its two toolbar buttons held down.
    struct AutoplayCommandState {
        bool Ticked = false;
        bool Enabled = true;
        bool ButtonsDown = false;
    } AutoplayMenu;
    // Work the play engine hands to the stock, autoplay, statistics and layout code.
    PlaySeams Play;
    // The table on screen, as the play engine sees it; set by the window. Without one the engine
    // plays silently (nothing is drawn, no pause is taken, message boxes answer OK).
    TableView* view = nullptr;

    // The image and sound library "SOL.RGF", open for the whole run once start-up has loaded it,
    // and the player of the event sounds (made on the first sound).
    std::unique_ptr<ResourceLibrary> MainLibrary;
    std::unique_ptr<SoundPlayer> Sound;

    // Game attribute by number; 0 for numbers outside the array.
    int Attr(int n) const { return n >= 0 && n < kAttrCount ? GameAttr[static_cast<size_t>(n)] : 0; }
    bool Flag(StateFlag f) const { return StateFlags[f] != 0; }
    void SetFlag(StateFlag f, bool on) { StateFlags[f] = on ? 1 : 0; }

    int GetTableauX(int i) const { return TableauX.at(static_cast<size_t>(i)); }
    int GetTableauY(int i) const { return TableauY.at(static_cast<size_t>(i)) - Game.ScrollOffset; }

    // Sets every pile position to its "not shown" marker, before a layout.
    void ResetPilePositions();
    // The counters of the game in progress as a new deal leaves them, with a new jitter table.
    void ResetForNewGame();
    // Convenience for the top card of a pile (see PileLists::TopCard).
    int TopCard(std::string_view name) const { return Piles.TopCard(name); }
    // True when n is the top card of one of the current game's tableau piles.
    bool IsTableauTop(int n) const;
    // Screen y just below the lowest card of a pile (scroll offset removed), from its fan mode.
    int PileBottomEdge(std::string_view name) const;

private:
    std::unique_ptr<Desktop> ownDesktop_;
};

} // namespace quillon
