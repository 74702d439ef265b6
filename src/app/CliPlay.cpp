#include "app/CliPlay.h"

#include "engine/CardPlaces.h"
#include "engine/Solver.h"
#include "model/Cards.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include <algorithm>

namespace quillon::cli {

void PrepareHandPlay(Session& s) {
    LayoutForClientArea(s, 1024, 768, 'B');
    PrepareForSearch(s);
}

DragPoints DragPointsFor(const Session& s, int card, const std::string& to) {
    DragPoints p;
    // A click on the stock: pressed and let go just inside its corner.
    if (card == 0) {
        int x = 0, y = 0;
        if (to == "Mazzo" && PilePosition(s, "Mazzo", x, y))
            p.fromX = p.toX = x + 1, p.fromY = p.toY = y + 1;
        return p;
    }
    // Find the card's pile and how many cards lie above it.
    std::string from;
    int skip = 0;
    auto look = [&](const std::string& prefix, const auto& piles) {
        for (size_t i = 0; i < piles.size() && from.empty(); ++i) {
            const int at = PileFind(piles[i], card);
            if (at >= 0) {
                from = PileName(prefix, static_cast<int>(i) + 1);
                skip = PileSize(piles[i]) - 1 - at;
            }
        }
    };
    look("Fila", s.Piles.TableauPiles);
    look("Appogg", s.Piles.ReservePiles);
    look("Dest", s.Piles.FoundationPiles);
    // The waste and the second waste: a card played from there is pressed where it shows.
    for (const auto& [name, pile] : {std::pair{"Mazzo_Vis", 1}, std::pair{"Mazzo_Waste", 2}}) {
        const std::string& content = s.Piles.StockPiles[static_cast<size_t>(pile)];
        if (const int at = PileFind(content, card); from.empty() && at >= 0) {
            from = name;
            skip = PileSize(content) - 1 - at;
        }
    }
    if (from.empty())
        return p;
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    const int x = CardPlaceX(s, from, skip, false), y = CardPlaceY(s, from, skip, false);
    // A covered card shows only the strip down to the card above it; one the next card does not
    // overlap (a grid lays its cards side by side) shows whole.
    int shows = ch;
    if (skip > 0) {
        const int nextX = CardPlaceX(s, from, skip - 1, false), nextY = CardPlaceY(s, from, skip - 1, false);
        if (std::abs(nextX - x) < cw && nextY >= y && nextY - y < ch)
            shows = std::clamp(nextY - y, 1, ch);
    }
    const int grabX = cw / 2, grabY = shows / 2;
    p.fromX = x + grabX;
    p.fromY = y + grabY;
    p.toX = CardPlaceX(s, to, 0, true) + grabX;
    p.toY = CardPlaceY(s, to, 0, true) + grabY;
    return p;
}

bool PressPointFor(const Session& s, int card, int& x, int& y) {
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    for (const char* pile : {"Mazzo", "Mazzo_Vis"}) {
        if (card == 0 ? std::string(pile) != "Mazzo" : s.TopCard(pile) != card)
            continue;
        int px = 0, py = 0;
        if (!PilePosition(s, pile, px, py))
            return false;
        x = px + cw / 2, y = py + ch / 2;
        return true;
    }
    const DragPoints p = DragPointsFor(s, card, "Mazzo_Waste");
    x = p.fromX, y = p.fromY;
    return p.fromX != 0 || p.fromY != 0;
}

} // namespace quillon::cli
