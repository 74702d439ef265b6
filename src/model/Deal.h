#pragma once
// A new game: the deal code, the deck it fixes, the deal into the piles of the game definition,
// and the start of a new game or of another game.

#include "model/Session.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The deck list while a game is dealt: card numbers, entry 0 is the next card to deal; 0 is an
// empty slot.
using DeckList = std::vector<int>;

// Parameter-string positions used by the deal.
constexpr int kParamGame = 62, kParamGameWidth = 4;
constexpr int kParamGameName = 189, kParamGameNameWidth = 50;
constexpr int kParamDealCode = 153, kParamDealCodeWidth = 15;
constexpr int kParamPlayer = 77, kParamPlayerWidth = 30;
constexpr int kParamScore = 122, kParamScoreWidth = 6;
constexpr int kDealCodeDigits = 13;

// True when `code` is one to thirteen decimal digits.
bool IsDealCode(std::string_view code);

// Draws a fresh deal code into position 153 (two draws of the session's generator).
void DrawDealCode(Session& s);

// The deck of the current deal code and game attributes 46, 49, 378 and 381. A deck size other
// than 52, 104, 156 or 208 is reported ("Error 01 - fnGameNumberCardsArray") and only jokers are
// placed.
DeckList BuildDeck(Session& s);

// The deck as the deal starts from it: the built deck without empty slots, after the deck filter
// of attribute 36.
DeckList DeckForDeal(Session& s);

// Empties the piles, builds the deck and deals it by the game definition, then runs the family
// arrangements. Cards left in the deck take no part in the game; they are returned for inspection.
DeckList DealGame(Session& s);

// The main window's caption for the current game and deal code.
std::string WindowTitle(const Session& s);

// What a new game asks of the window, the table and the play engine. Every operation does nothing
// by default, so the model can deal headless; the shell installs the real ones.
class NewGameSeams {
public:
    virtual ~NewGameSeams() = default;
    virtual void BeginBusy() {}                    // hourglass cursor
    virtual void EndBusy() {}                      // cursor restored
    virtual void SetCaption(const std::string&) {} // only called when the caption changes
    virtual std::string Caption() { return {}; }
    virtual void SwitchOffAllGamesAutoplay() {}  // autoplay kept off for a new game (preference 3)
    virtual void PrepareGameAndLayout() {}       // the card set and layout of a (re)loaded game
    virtual void ShowTime(const std::string&) {} // the time label
    virtual void ApplyRandomLooks() {}           // random background, cards and back; repaint
    virtual void ShowScore() {}
    // Draws or animates the deal and returns once it is shown; headless, the deal is done at once.
    virtual void ShowDeal(Session& s) { s.Game.DealDone = 1; }
    virtual double Now() { return 0; }          // the clock, as a date-time
    virtual void RunAutoplay() {}               // autoplay steps while they make progress
    virtual void RunGameEndTest() {}            // a game that can be lost at the deal
    virtual bool ConfirmQuit() { return true; } // "Quit this game?"
    virtual bool EndGame() { return false; }    // records the game in progress; true when won
    virtual void PlayerChanged() {}             // store UserDefault, refresh won/lost display
    virtual void EnableGameCommandsIfNeeded() {}
    virtual void ApplyAutoplayMemory() {} // the per-game autoplay choice
    virtual void ClearHistory() {}        // the move history of the previous game
};

// Starts a new game of the current game (position 62).
void NewGame(Session& s, NewGameSeams* seams = nullptr);
// Switches to a game and player and starts a new game; false when nothing happened.
bool OpenGame(Session& s, int number, const std::string& name, const std::string& player,
              NewGameSeams* seams = nullptr);

// Headless: reads the game list and the definition of game `number` from the program folder and
// deals it from `code`. False with a one-line reason when the file, the game or the code is bad.
bool LoadAndDeal(Session& s, int number, const std::string& code, std::string& error);

// One line per pile of the current game (stock, waste, second waste, foundations, tableau,
// reserves; a pile that is not part of the game is listed only when it holds cards): the name, a
// colon, then the cards bottom first as three digits, a face-down card followed by "d".
std::vector<std::string> DescribePiles(const Session& s);

} // namespace quillon
