#pragma once
// Where cards lie on the table, as the play engine needs it for drops, flights and hit areas,
// and the switches of the parameter string that the moves read. Card places come from the pile
// layout through the session's seams; without a layout the stored pile positions and fan steps
// are walked here the same way.

#include "model/Session.h"

#include <string>
#include <string_view>

namespace quillon {

// Positions in the parameter string read by the moves.
namespace param {
constexpr int GameNumber = 62;     // width 4
constexpr int CardsAnimate = 67;   // "N": moves do not fly
constexpr int SpeedMoveCard = 74;  // width 2: pause in ms after each flight step
constexpr int Player = 77;         // width 30
constexpr int ScoringScheme = 120; // width 2
constexpr int Score = 122;         // width 6
constexpr int SoundAutoplay = 143;
constexpr int SoundGameWon = 144;
constexpr int DealCode = 153; // width 15
constexpr int SoundTableau = 177;
constexpr int CardsShadowed = 178;
constexpr int PilesHandPlaced = 179;
constexpr int SoundFaceUp = 180;
constexpr int SoundRedeal = 183;
constexpr int SoundFoundation = 184;
constexpr int ConfirmQuitGame = 185;
constexpr int AutomaticFaceUp = 239;
} // namespace param

// More game attributes read by the moves and the game end.
namespace attr {
constexpr int TableauFan = 3;
constexpr int FoundationFan = 4;
constexpr int ReserveFan = 5;
constexpr int FoundationSendRule = 22; // 0 every foundation, 1 only those holding cards
constexpr int FirstMoveToFoundation = 42;
constexpr int FillAfterFirstMove = 43;
constexpr int AutoFaceUpAllowed = 44;
constexpr int BonusCards = 48;
constexpr int ShortDeck = 49;
constexpr int ScoreToWin = 53;
constexpr int WasteBuildMode = 360;
constexpr int WasteKind = 361;
constexpr int CardsInPlay = 378;
constexpr int Jokers = 381;
} // namespace attr

// The parameter field is anything but "N" (a blank field counts as on).
inline bool ParamNotN(const Session& s, int position) {
    return s.Params.ReadParam(position, 1) != "N";
}

// "Fila" + 3 -> "Fila3".
std::string PileName(std::string_view prefix, int number);

// The place of a card of the named pile: leaving out the top `skip` cards, the remaining top
// card's place, or with `nextSlot` the place one more card would take.
int CardPlaceX(const Session& s, std::string_view pile, int skip, bool nextSlot);
int CardPlaceY(const Session& s, std::string_view pile, int skip, bool nextSlot);

// The pile's stored position (y less the scroll offset); false when the pile is not on the table
// or is no pile.
bool PilePosition(const Session& s, std::string_view pile, int& x, int& y);

// One card's rectangle with its top-left corner at (x, y).
TableRect CardRect(const Session& s, int x, int y);
// The rectangle of the pile's top card (its base place when empty).
TableRect TopCardRect(const Session& s, std::string_view pile);

// The Autoplay menu item is ticked and enabled.
bool AutoplayActive(const Session& s);

} // namespace quillon
