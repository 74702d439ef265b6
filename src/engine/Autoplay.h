#pragma once
// Automatic play: the fill rule of a game, which refills empty piles after every move, and the
// player's autoplay option, which carries the top cards of the reserves, the waste and the
// tableau to the foundations for as long as any fits. Also the per-game autoplay choice kept in
// the configuration file, and the autoplay command itself (menu item, toolbar buttons, F7).

#include "model/Session.h"

#include <string>

namespace quillon {

// Game attributes read by the fill rules and autoplay.
namespace attr {
constexpr int FillRule = 25;
constexpr int LockedColumns = 27; // locked tableau piles: attribute 27 x attribute 28
constexpr int LockedRows = 28;
} // namespace attr

// Where a filled card comes from.
constexpr int kFillFromStock = 0;
constexpr int kFillFromWaste = 1;
constexpr int kFillFromPile = -1;

// Applies the game's fill rule once.
void FillEmptyPiles(Session& s);

// One automatic fill move of `card` to `target` ("Fila3", "Appogg1"), flying from the stock, the
// waste or another pile's place (fromX, fromY); merged into the step of the move that caused it.
// Nothing happens for card < 1.
void FillMove(Session& s, const std::string& target, int source, int fromX, int fromY, int card,
              bool faceDown);

// Fill rule 16: the card leaves the stock and takes the empty slot `slot` of tableau pile
// `pileIndex`.
void FillSlot(Session& s, int pileIndex, int slot, int card);

// Plays cards to the foundations until nothing more fits; true when a sweep moved a card.
bool AutoFinish(Session& s);
// AutoFinish, then the fill rule and AutoFinish in turn while AutoFinish moves cards.
void AutoplaySteps(Session& s);

// The rectangle of a pile's top card where it lies on the table; all zero when the card is not
// the top card of a pile on the table.
TableRect CardPlace(const Session& s, int card);

// The per-game autoplay choice in section "Autoplay" of the configuration file.
void StoreAutoplayChoice(Session& s, int game);
void ApplyAutoplayChoice(Session& s, int game);

// The autoplay command: toggles the tick, moves the toolbar buttons, runs autoplay when it comes
// on during a game, and stores the choice for the current game.
void AutoplayCommand(Session& s);
// A new deal: with preference AutoPlay_All_Games 3 autoplay is switched off first.
void AutoplayBeforeNewDeal(Session& s);
// After a new deal: when autoplay is on, the 800 ms wait and then the autoplay steps.
void AutoplayAfterNewDeal(Session& s);
// At start-up: AutoPlay_All_Games 1 switches autoplay on when `autoPlay` is "Y"; 2 applies the
// current game's stored choice.
void AutoplayAtStartup(Session& s, const std::string& autoPlay);

// Fills the session's seams: the active test of the menu item, the fill after a release and the
// automatic finishing step.
void InstallAutoplayHooks(Session& s);

} // namespace quillon
