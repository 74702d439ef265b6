#pragma once
// The stock: a click on it deals cards to the waste, to the tableau or to the reserves, or, once
// it is exhausted, turns the waste over or gathers and shuffles cards for a new pass. The stock
// operations arrive through ExecuteMove as targets ("Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal",
// "Add_..." and "Fill_Tableaus") and are carried out here.

#include "model/Session.h"

#include <string>
#include <vector>

namespace quillon {

// Game attributes read by the stock.
namespace attr {
constexpr int StockFaceDown = 7;  // 1: the stock lies face down
constexpr int MarkerOnStock = 10; // the empty-stock marker is drawn over the stock
constexpr int StockToWaste = 11;  // a click turns cards to the waste (marker over the waste)
constexpr int Passes = 16;        // passes through the stock, -1 unlimited
constexpr int RedealMode = 17;    // 0 or less turn-over, 1 and more shuffled redeal
constexpr int DealWhenWasteEmpty = 18;
constexpr int CardsPerClick = 24;
constexpr int TableauDealMode = 295; // + i, i = 0..39
constexpr int SecondDealMode8 = 303;
constexpr int ReserveDealMode = 347; // + j, j = 0..11
constexpr int DealToSecondWaste = 371;
constexpr int StockPileCount = 373;
constexpr int RedealShape = 382; // + i: cards of pile i at a shuffled redeal
constexpr int RedealFaces = 422; // + i
} // namespace attr

// Parameter-string switches of the stock.
namespace param {
constexpr int SoundShuffle = 149;
constexpr int SoundStock = 176;
constexpr int RedealAnimation = 242;
constexpr int SoundRedealWithoutAnimation = 252;
} // namespace param

// History event codes of the stock.
constexpr int kEventStockDeal = 2;
constexpr int kEventShuffledRedeal = 3;

inline constexpr const char* kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";
inline constexpr const char* kOnlyOnePileLeft = "Only one pile left.  There are no more redeals.";
inline constexpr const char* kNoCardsToMove = "No cards available to move.";

// A click on the stock (or the space key); `topCard` is the stock's top card, 0 when empty.
void StockClick(Session& s, int topCard);

// The stock and deal targets of ExecuteMove; true when something moved. Installed as the
// session's StockMove seam by InstallStockHooks.
bool StockMove(Session& s, int card, const std::string& target);

// The empty-stock marker held down and let go.
void PressStockMarker(Session& s);
void ReleaseStockMarker(Session& s);
// The pointer slid off the pressed marker: it is let go and the release that follows does nothing.
void SlideOffStockMarker(Session& s);

// The shuffled redeal of the game's redeal mode (attribute 17).
void ShuffledRedeal(Session& s);

// The redeal shuffle: deterministic, so that a position can be replayed.
std::vector<int> ShuffleGathered(std::vector<int> gathered);

// Fills the session's StockMove and StockClick seams.
void InstallStockHooks(Session& s);

} // namespace quillon
