#include "engine/CardPlaces.h"

#include "engine/MoveLegality.h"

#include <algorithm>

namespace quillon {

std::string PileName(std::string_view prefix, int number) {
    return std::string(prefix) + std::to_string(number);
}

bool PilePosition(const Session& s, std::string_view pile, int& x, int& y) {
    const int n = PileNumber(pile);
    const TMainGame& g = s.Game;
    switch (PileKind(pile)) {
    case kTableauKind:
        if (n < 1 || n > kTableauCount)
            return false;
        x = s.GetTableauX(n - 1), y = s.GetTableauY(n - 1);
        return s.TableauX[static_cast<size_t>(n - 1)] > -10000;
    case kFoundationKind:
        if (n < 1 || n > kFoundationCount)
            return false;
        x = g.GetFoundationX(n - 1), y = g.GetFoundationY(n - 1);
        return g.FoundationX[static_cast<size_t>(n - 1)] > -10000;
    case kReserveKind:
        if (n < 1 || n > kReserveCount)
            return false;
        x = g.GetReserveX(n - 1), y = g.GetReserveY(n - 1);
        return g.ReserveX[static_cast<size_t>(n - 1)] > -10000;
    default:
        break;
    }
    int k = pile == "Mazzo" ? 0 : pile == "Mazzo_Vis" ? 1 : pile == "Mazzo_Waste" ? 2 : -1;
    if (k < 0)
        return false;
    x = g.GetStockX(k), y = g.GetStockY(k);
    return g.StockX[static_cast<size_t>(k)] > -10000;
}

namespace {

// The fan mode of a pile: tableau attribute 3 (mode 11 splits into 2 and 10 when attribute 6 is
// 1), foundations 4, reserves 5; the stock group is not fanned.
int FanMode(const Session& s, std::string_view pile) {
    switch (PileKind(pile)) {
    case kTableauKind: {
        int mode = s.Attr(attr::TableauFan);
        if (mode == 11) {
            int n = PileNumber(pile);
            if (s.Attr(6) != 1)
                return 0;
            return n <= 7 ? 2 : 10;
        }
        return mode;
    }
    case kFoundationKind:
        return s.Attr(attr::FoundationFan);
    case kReserveKind:
        return s.Attr(attr::ReserveFan);
    default:
        return 0;
    }
}

// The cards a walk visits: all but the top `skip`, and unless `nextSlot` also not the last one.
int VisitedCards(std::string_view content, int skip, bool nextSlot) {
    int remaining = PileSize(content) - skip;
    if (remaining < 0)
        remaining = 0;
    return nextSlot ? remaining : std::max(remaining - 1, 0);
}

} // namespace

int CardPlaceY(const Session& s, std::string_view pile, int skip, bool nextSlot) {
    if (s.Play.PileCardY)
        return s.Play.PileCardY(s, pile, skip, nextSlot);
    int x = 0, y = 0;
    const std::string* content = s.Piles.Find(pile);
    if (!content || !PilePosition(s, pile, x, y))
        return y;
    const int mode = FanMode(s, pile);
    const int kind = PileKind(pile);
    const TMainGame& g = s.Game;
    const int visited = VisitedCards(*content, skip, nextSlot);
    if (mode == 7) {
        int remaining = PileSize(*content) - skip;
        if (remaining > 0 && PileSize(*content) > 1 && (skip > 0 || nextSlot))
            y += g.StepUpY;
        return y;
    }
    bool vertical = (kind == kTableauKind && (mode == 1 || mode == 12 || mode == 13)) ||
                    (kind == kFoundationKind && mode == 1) ||
                    (kind == kReserveKind && (mode == 1 || mode == 5 || mode == 13));
    if (!vertical)
        return y;
    for (int k = 0; k < visited; ++k) {
        int card = PileCard(*content, k);
        if (card < 0)
            continue;
        if (mode == 5)
            y += g.StepMode5;
        else if (mode == 12 && card == 0)
            y += g.StepUpY;
        else
            y += s.Cards.CardIsHidden(card) ? g.StepDownY : g.StepUpY;
    }
    return y;
}

int CardPlaceX(const Session& s, std::string_view pile, int skip, bool nextSlot) {
    const int pileIndex = PileKind(pile) == kTableauKind ? PileNumber(pile) - 1 : 0;
    if (s.Play.PileCardX)
        return s.Play.PileCardX(s, pile, skip, nextSlot, pileIndex);
    int x = 0, y = 0;
    const std::string* content = s.Piles.Find(pile);
    if (!content || !PilePosition(s, pile, x, y))
        return x;
    const int mode = FanMode(s, pile);
    const int kind = PileKind(pile);
    const TMainGame& g = s.Game;
    bool horizontal = mode == 2 || mode == 4 || (kind == kTableauKind && (mode == 6 || mode == 10));
    if (!horizontal)
        return x;
    const int visited = VisitedCards(*content, skip, nextSlot);
    for (int k = 0; k < visited; ++k) {
        int card = PileCard(*content, k);
        if (card < 0)
            continue;
        int step = s.Cards.CardIsHidden(card) ? g.StepDownX : g.StepUpX;
        if (mode == 2)
            x += step;
        else if (mode == 4)
            x += s.Metrics.CardWidth + g.RowGap;
        else if (mode == 6)
            x += g.StepMode6X;
        else
            x -= step;
    }
    return x;
}

TableRect CardRect(const Session& s, int x, int y) {
    return {x, y, x + s.Metrics.CardWidth, y + s.Metrics.CardHeight};
}

TableRect TopCardRect(const Session& s, std::string_view pile) {
    return CardRect(s, CardPlaceX(s, pile, 0, false), CardPlaceY(s, pile, 0, false));
}

bool AutoplayActive(const Session& s) {
    return s.Play.AutoplayActive && s.Play.AutoplayActive(s);
}

} // namespace quillon
