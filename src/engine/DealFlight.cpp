#include "engine/DealFlight.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/TableView.h"

#include <algorithm>

namespace quillon {

namespace {

constexpr int kAttrPileAfterPile = 26, kAttrFamily = 54;
constexpr int kAttrFoundations = 374, kAttrTableaus = 375, kAttrReserves = 376;

bool OnTable(const Session& s, const std::string& pile, DealSource& source) {
    int x = 0, y = 0;
    if (!PilePosition(s, pile, x, y) || x < -9999)
        return false;
    source = {pile, x, y};
    return true;
}

int Cards(const Session& s, const std::string& pile) {
    const std::string* content = s.Piles.Find(pile);
    return content ? PileSize(*content) : 0;
}

} // namespace

std::vector<DealPlace> DealOrder(const Session& s) {
    std::vector<DealPlace> order;
    const int reserves = std::clamp(s.Attr(kAttrReserves), 0, 12);
    for (int i = 0; i < reserves; ++i) {
        if (s.Game.GetReserveX(i) < -9999)
            continue;
        const std::string name = PileName("Appogg", i + 1);
        for (int k = 0; k < Cards(s, name); ++k)
            order.push_back({name, k});
    }
    const int tableaus = std::clamp(s.Attr(kAttrTableaus), 0, 40);
    auto shown = [&](int i) { return s.GetTableauX(i) >= -9999; };
    if (s.Attr(kAttrPileAfterPile) != 0) {
        for (int i = 0; i < tableaus; ++i)
            if (shown(i))
                for (int k = 0; k < Cards(s, PileName("Fila", i + 1)); ++k)
                    order.push_back({PileName("Fila", i + 1), k});
        return order;
    }
    int longest = 0;
    for (int i = 0; i < tableaus; ++i)
        if (shown(i))
            longest = std::max(longest, Cards(s, PileName("Fila", i + 1)));
    for (int k = 0; k < longest; ++k)
        for (int i = 0; i < tableaus; ++i)
            if (shown(i) && k < Cards(s, PileName("Fila", i + 1)))
                order.push_back({PileName("Fila", i + 1), k});
    return order;
}

bool ChooseDealSource(const Session& s, DealSource& source) {
    if (DealOrder(s).empty())
        return false;
    if (Cards(s, "Mazzo") > 0 && OnTable(s, "Mazzo", source))
        return true;
    if (OnTable(s, "Mazzo_Vis", source))
        return true;
    if (std::clamp(s.Attr(kAttrReserves), 0, 12) > 0 && Cards(s, "Appogg1") <= 1 &&
        OnTable(s, "Appogg1", source))
        return true;
    if (OnTable(s, "Mazzo_Waste", source))
        return true;
    if (std::clamp(s.Attr(kAttrFoundations), 0, 16) > 0 && OnTable(s, "Dest1", source))
        return true;
    const int family = s.Attr(kAttrFamily);
    if (family == 46 || family == 74) {
        source = {"", -static_cast<int>(1.1 * s.Metrics.CardWidth), 0};
        return true;
    }
    if (OnTable(s, "Fila1", source))
        return true;
    source = {"", -static_cast<int>(1.1 * s.Metrics.CardWidth), 0};
    return true;
}

void FlyDealtCard(Session& s, const DealSource& from, int card, bool faceUp, int px, int py) {
    TableView& view = View(s);
    const int fx = from.x, fy = from.y;
    const int ox = s.Metrics.CardWidth / 7, oy = s.Metrics.CardHeight / 7;
    view.PauseBusy(2);
    if (faceUp) {
        // The card is turned up on the deck, then pushed off it.
        view.DrawCard(card, fx, fy, Surface::Window, -1);
        view.PauseBusy(2);
        view.DrawCard(-1, fx, fy, Surface::Window, -1);
        view.DrawCard(card, fx + ox, fy + oy, Surface::Window, -1);
    } else {
        view.DrawCard(-1, fx + ox, fy + oy, Surface::Window, -1);
    }
    view.PauseBusy(1);
    FlyCard(s, faceUp ? card : -1, fx + ox, fy + oy, px, py, true, false, true, true);
}

} // namespace quillon
