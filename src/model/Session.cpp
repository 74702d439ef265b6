#include "model/Session.h"

#include "platform/Desktop.h"
#include "platform/ResourceLibrary.h"
#include "platform/SoundPlayer.h"

#include <algorithm>

namespace quillon {

// Attribute numbers read here.
constexpr int kAttrTableauFan = 3, kAttrFoundationFan = 4, kAttrReserveFan = 5;
constexpr int kAttrTableauCount = 375;

Session::Session() : ownDesktop_(std::make_unique<RecordingDesktop>()) {
    desktop = ownDesktop_.get();
    Game.CardImagesState = 2;
    Game.CardSetVariant = 4;
    Game.FoundationMark = -1;
    Game.RandomGameType = 2;
    Game.AutoPlayAllGames = 1;
    SetFlag(FirstActivationPending, true);
    ResetPilePositions();
}

Session::~Session() = default;

void Session::ResetPilePositions() {
    Game.StockX.fill(kStockHidden);
    Game.StockY.fill(kStockHidden);
    Game.FoundationX.fill(kFoundationHidden);
    Game.FoundationY.fill(kFoundationHidden);
    Game.ReserveX.fill(kReserveHidden);
    Game.ReserveY.fill(kReserveHidden);
    for (size_t i = 0; i < static_cast<size_t>(kTableauCount); ++i) {
        TableauX[i] = kTableauHidden;
        TableauY[i] = kTableauHidden;
    }
}

void Session::ResetForNewGame() {
    Game.DealDone = 0;
    Game.MovesMade = 0;
    Game.StockPressed = 0;
    Game.CardsTurnedBack = 0;
    Game.OnceUsed = 0;
    Game.FreshDeal = 0;
    Game.GameStarted = -1;
    Game.RedealCount = 1;
    StateValues[DealCounter] = 0;
    BuildJitterTable(JitterTable, [this](int n) { return Random.RandomInt(n); });
}

bool Session::IsTableauTop(int n) const {
    if (n < 1)
        return false; // an empty pile's "top" of 0 is no card
    int count = std::min(Attr(kAttrTableauCount), kTableauCount);
    for (int i = 0; i < count; ++i)
        if (PileTop(Piles.TableauPiles[static_cast<size_t>(i)]) == n)
            return true;
    return false;
}

int Session::PileBottomEdge(std::string_view name) const {
    const std::string* content = Piles.Find(name);
    int y = 0;
    int mode = 0;
    int n = PileNumber(name);
    if (!content || n < 1)
        return 0;
    switch (PileKind(name)) {
    case kTableauKind:
        y = GetTableauY(n - 1);
        mode = Attr(kAttrTableauFan);
        break;
    case kFoundationKind:
        y = Game.GetFoundationY(n - 1);
        mode = Attr(kAttrFoundationFan);
        break;
    case kReserveKind:
        y = Game.GetReserveY(n - 1);
        mode = Attr(kAttrReserveFan);
        break;
    default:
        return 0;
    }
    const int count = PileSize(*content);
    if (count == 0)
        return y + Metrics.CardHeight;
    for (int k = 0; k < count; ++k) {
        int card = PileCard(*content, k);
        if (card < 0)
            continue;
        if (k == count - 1) {
            y += Metrics.CardHeight;
            break;
        }
        switch (mode) {
        case 1:
        case 13:
            y += Cards.CardIsHidden(card) ? Game.StepDownY : Game.StepUpY;
            break;
        case 5:
            y += Game.StepMode5;
            break;
        case 12:
            // Card 0 (an empty slot) counts as face up here.
            y += (card != 0 && Cards.CardIsHidden(card)) ? Game.StepDownY : Game.StepUpY;
            break;
        default:
            break;
        }
    }
    if (mode == 7 && count > 1)
        y += Game.StepUpY;
    return y;
}

} // namespace quillon
