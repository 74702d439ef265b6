#include "engine/DropTargets.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/DealtRow.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/TableView.h"

#include <algorithm>
#include <vector>

namespace quillon {

namespace {

bool Within(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}
bool Inside(int x, int y, const TableRect& r) {
    return Within(x, r.left, r.right) && Within(y, r.top, r.bottom);
}

// The first edge of the dragged image found crossing the pile's rows by the 50-pixel sampling.
bool EdgeCrosses(const TableRect& d, const TableRect& p) {
    for (int y = d.top; y <= d.bottom; y += 50)
        if (Within(y, p.top, p.bottom))
            return true;
    return false;
}

int Family(const Session& s) {
    return s.Attr(attr::Family);
}

bool WasteInPlay(const Session& s) {
    return s.Attr(attr::WasteKind) != 4 && s.Game.StockX[1] > -10000;
}

// The rectangle a candidate pile offers to a drop: one card at its top card's place.
TableRect CandidateRect(const Session& s, int kind, int index) {
    switch (kind) {
    case kFoundationKind:
        return TopCardRect(s, PileName("Dest", index + 1));
    case kTableauKind:
        return TopCardRect(s, PileName("Fila", index + 1));
    case kReserveKind:
        return TopCardRect(s, PileName("Appogg", index + 1));
    case kWasteKind:
        return TopCardRect(s, "Mazzo_Vis");
    default:
        return {};
    }
}

std::string PileOfCandidate(int kind, int index) {
    switch (kind) {
    case kFoundationKind:
        return PileName("Dest", index + 1);
    case kTableauKind:
        return PileName("Fila", index + 1);
    case kReserveKind:
        return PileName("Appogg", index + 1);
    case kWasteKind:
        return "Mazzo_Vis";
    default:
        return {};
    }
}

// Flies the dragged image from where it lies to the place one more card takes on the pile.
void GlideTo(Session& s, int card, const std::string& pile, bool prepare, bool animate) {
    // With `prepare` (a card sent, not dragged) the card is still drawn at its place: it is
    // lifted off the table first, as a picked-up card is, so that its place shows what lies
    // under it. Its picture is built by the flight, or at once when the card does not fly.
    if (prepare)
        View(s).LiftCard(card);
    if (animate && ParamNotN(s, param::CardsAnimate)) {
        FlyCard(s, card, s.DragRect.left, s.DragRect.top, CardPlaceX(s, pile, 0, true),
                CardPlaceY(s, pile, 0, true), prepare, true, false, true);
    } else if (prepare) {
        View(s).BuildDragImage(card);
    }
}

// The dealt row of family 19: the positions of tableau pile 0 under the dragged image, largest
// overlap first, without the dropped card's own position.
std::vector<int> RowPositionsUnder(Session& s, int card, const TableRect& rect) {
    const std::string& row = s.Piles.TableauPiles[0];
    const int own = PileFind(row, card);
    std::vector<std::pair<int, int>> found; // (area, position)
    for (int k = 0; k < PileSize(row); ++k) {
        if (k == own || PileCard(row, k) <= 0)
            continue;
        const int skip = PileSize(row) - 1 - k;
        TableRect r = CardRect(s, CardPlaceX(s, "Fila1", skip, false), CardPlaceY(s, "Fila1", skip, false));
        if (RectsOverlap(rect, r))
            found.push_back({OverlapArea(rect, r), k});
    }
    std::sort(found.begin(), found.end(), [](auto& a, auto& b) { return a > b; });
    std::vector<int> positions;
    for (auto& f : found)
        positions.push_back(f.second);
    return positions;
}

// Family 19: the first card under the dragged image that matches the dropped card in rank or in
// suit decides; the move is made when that card lies one or three places before it.
bool RowDrop(Session& s, int card, const TableRect& rect) {
    const std::string& row = s.Piles.TableauPiles[0];
    const int own = PileFind(row, card);
    if (own < 0)
        return false;
    for (int p : RowPositionsUnder(s, card, rect)) {
        const int x = PileCard(row, p);
        if (CardRank(x) != CardRank(card) && CardSuit(x) != CardSuit(card))
            continue;
        return MoveInRow(s, card, own - p);
    }
    return false;
}

} // namespace

bool RectsOverlap(const TableRect& d, const TableRect& p) {
    if (Inside(d.left, d.top, p) || Inside(d.right, d.bottom, p) || Inside(d.right, d.top, p) ||
        Inside(d.left, d.bottom, p))
        return true;
    if (!Within(d.left, p.left, p.right) && !Within(d.right, p.left, p.right))
        return false;
    return EdgeCrosses(d, p);
}

int OverlapArea(const TableRect& d, const TableRect& p) {
    if (Inside(d.left, d.top, p))
        return (p.right - d.left) * (p.bottom - d.top);
    if (Inside(d.right, d.bottom, p))
        return (d.right - p.left) * (d.bottom - p.top);
    if (Inside(d.right, d.top, p))
        return (d.right - p.left) * (p.bottom - d.top);
    if (Inside(d.left, d.bottom, p))
        return (p.right - d.left) * (d.bottom - p.top);
    if (!Within(d.left, p.left, p.right) && !Within(d.right, p.left, p.right))
        return 0;
    if (EdgeCrosses(d, p))
        return Within(d.left, p.left, p.right) ? (p.right - d.left) * (d.bottom - d.top)
                                               : (d.right - p.left) * (d.bottom - d.top);
    return 0;
}

std::string CandidateKey(int area, int kind, int index) {
    // An area too large for its six digits still sorts as the largest.
    return FormatFixed(std::clamp(area, 0, 999999), 6) + FormatFixed(kind, 3) + FormatFixed(index, 3);
}

DropCandidates DropTargets(Session& s, const TableRect& rect) {
    std::vector<std::string> keys;
    auto consider = [&](int kind, int index, const TableRect& pile) {
        if (RectsOverlap(rect, pile))
            keys.push_back(CandidateKey(OverlapArea(rect, pile), kind, index));
    };
    for (int k = 0; k < FoundationsInPlay(s); ++k)
        consider(kFoundationKind, k, CandidateRect(s, kFoundationKind, k));
    const int fan = s.Attr(attr::TableauFan);
    if (fan == 9) {
        for (int k = 0; k < TableauInPlay(s); ++k) {
            const std::string name = PileName("Fila", k + 1);
            const int size = PileSize(s.Piles.TableauPiles[static_cast<size_t>(k)]);
            for (int c = 0; c < size; ++c)
                consider(kTableauKind, k,
                         CardRect(s, CardPlaceX(s, name, size - 1 - c, false),
                                  CardPlaceY(s, name, size - 1 - c, false)));
        }
    } else if (fan != 8) {
        for (int k = 0; k < TableauInPlay(s); ++k)
            consider(kTableauKind, k, CandidateRect(s, kTableauKind, k));
    }
    for (int k = 0; k < ReservesInPlay(s); ++k)
        consider(kReserveKind, k, CandidateRect(s, kReserveKind, k));
    if (WasteInPlay(s))
        consider(kWasteKind, 0, CandidateRect(s, kWasteKind, 0));

    std::sort(keys.begin(), keys.end());
    DropCandidates out;
    for (size_t k = 0; k < out.size() && k < keys.size(); ++k) {
        const std::string& key = keys[keys.size() - 1 - k];
        out[k] = {std::stoi(key.substr(6, 3)), std::stoi(key.substr(9, 3))};
    }
    return out;
}

bool DropOnPile(Session& s, int card, const TableRect& rect, int kind, int index, bool prepare, bool animate,
                bool autoplay) {
    const int n = index + 1;
    const std::string pile = PileOfCandidate(kind, index);
    switch (kind) {
    case kFoundationKind:
        if (n < 1 || n > kFoundationCount || !RectsOverlap(rect, CandidateRect(s, kind, index)) ||
            !PileAccepts(s, card, pile))
            return false;
        GlideTo(s, card, pile, prepare, animate);
        return ExecuteMove(s, card, autoplay ? PileName("Dest_Autoplay", n) : pile);
    case kTableauKind: {
        const int family = Family(s);
        if (family == 32 || family == 46 || family == 74)
            return false;
        if (n < 1 || n > kTableauCount || !RectsOverlap(rect, CandidateRect(s, kind, index)) ||
            !PileAccepts(s, card, pile))
            return false;
        GlideTo(s, card, pile, prepare, animate);
        const bool moved = ExecuteMove(s, card, pile);
        if (moved && family == 23)
            LogEvent(s, 1);
        return moved;
    }
    case kReserveKind: {
        int x = 0, y = 0;
        if (n < 1 || n > kReserveCount || !PilePosition(s, pile, x, y) ||
            !RectsOverlap(rect, CandidateRect(s, kind, index)) || !PileAccepts(s, card, pile))
            return false;
        GlideTo(s, card, pile, prepare, animate);
        return ExecuteMove(s, card, pile);
    }
    case kWasteKind: {
        if (!WasteInPlay(s) || !RectsOverlap(rect, CandidateRect(s, kind, 0)))
            return false;
        const int x = PileTop(s.Piles.StockPiles[1]);
        if (x < 1)
            return false;
        const int rc = CardRank(card), rx = CardRank(x);
        const bool adjoining = rc == rx + 1 || rc == rx - 1 || (rc == 1 && rx == 13) || (rc == 13 && rx == 1);
        if (!adjoining || CardSuit(card) != CardSuit(x) || s.Attr(attr::WasteBuildMode) != 2 ||
            !MoveCarriesSingleCard(s))
            return false;
        return ExecuteMove(s, card, "Stock02");
    }
    default:
        return false;
    }
}

bool ResolveDrop(Session& s, int card, const TableRect& rect, const DropOptions& options) {
    // The dealt row of family 19 finds its own candidates among the cards of the row.
    if (PlaysDealtRow(s) && options.target.kind < 0) {
        if (s.Attr(attr::FirstMoveToFoundation) == 1 && s.Game.MovesMade == 0)
            return false;
        const bool moved = RowDrop(s, card, rect);
        if (moved && !options.autoplay && s.Game.GameStarted < 1)
            s.Game.GameStarted = 1;
        return moved;
    }

    DropCandidates all;
    if (options.target.kind >= 0)
        all[0] = options.target;
    else
        all = DropTargets(s, rect);
    if (all[0].kind < 0)
        return false;

    std::vector<DropCandidate> list;
    for (const auto& c : all)
        if (c.kind >= 0)
            list.push_back(c);

    // Before the first move of some games only a tableau card may go, and only to a foundation.
    if (s.Attr(attr::FirstMoveToFoundation) == 1 && s.Game.MovesMade == 0) {
        if (!LocIsTableau(CardLocation(s, card)))
            return false;
        std::erase_if(list, [](const DropCandidate& c) { return c.kind != kFoundationKind; });
    }

    auto tryAll = [&] {
        for (const auto& c : list)
            if (DropOnPile(s, card, rect, c.kind, c.index, options.prepare, options.animate,
                           options.autoplay))
                return true;
        return false;
    };

    bool moved = false;
    if (s.Attr(attr::TableauRule) == 129) {
        bool droppedTableau = false;
        if (!s.Piles.StockPiles[0].empty())
            droppedTableau =
                std::erase_if(list, [](const DropCandidate& c) { return c.kind == kTableauKind; }) > 0;
        moved = tryAll();
        if (!moved && droppedTableau && (!options.named || all[0].index == 0))
            View(s).MessageBox(BoxKind::Information, "Information", kBuildAfterStockEmpty);
    } else {
        moved = tryAll();
    }
    if (moved && !options.autoplay && s.Game.GameStarted < 1)
        s.Game.GameStarted = 1;
    return moved;
}

bool SendCard(Session& s, int card, const TableRect& rect, bool single, bool toFoundations, bool toTableau,
              bool toReserves, bool autoplay, bool named) {
    if (s.Cards.CardIsHidden(card))
        return false;
    const int loc = CardLocation(s, card);
    if (single) {
        s.DragHeight = s.Metrics.CardHeight;
    } else {
        if (!LocIsTableau(loc))
            return false;
        s.DragHeight = s.PileBottomEdge(PileName("Fila", LocTableauIndex(loc) + 1)) - rect.top;
    }
    s.Game.DragCard = static_cast<std::int16_t>(card);
    s.Game.RunEndCard = 0;
    s.GrabOffsetX = s.GrabOffsetY = 0;
    s.DragRect = rect;
    s.Game.DragStartX = s.Game.DragStartY = 0;

    auto tryPile = [&](int kind, int index) {
        const TableRect at = CandidateRect(s, kind, index);
        DropOptions o;
        o.target = {kind, index};
        o.prepare = true;
        o.animate = true;
        o.autoplay = autoplay;
        o.named = named;
        return ResolveDrop(s, card, {at.left, at.top, at.left, at.top}, o);
    };

    bool moved = false;
    if (toFoundations && single) {
        // While the first foundations wait for a card that fixes every foundation's rank,
        // autoplay leaves them alone.
        const int base0 = s.Attr(attr::FoundationBase);
        const bool waiting = autoplay && (base0 == 92 || base0 == 93) && s.Piles.FoundationPiles[0].empty();
        const int rule = s.Attr(attr::FoundationSendRule);
        if (!waiting && (rule == 0 || rule == 1)) {
            for (int k = 0; k < FoundationsInPlay(s) && !moved; ++k) {
                if (s.Game.FoundationX[static_cast<size_t>(k)] <= -10000)
                    continue;
                if (rule == 1 && s.Piles.FoundationPiles[static_cast<size_t>(k)].empty())
                    continue;
                moved = tryPile(kFoundationKind, k);
            }
        }
    }
    if (toTableau && !moved) {
        const int own = LocIsTableau(loc) ? LocTableauIndex(loc) : -1;
        for (int pass = 0; pass < 2 && !moved; ++pass)
            for (int k = 0; k < TableauInPlay(s) && !moved; ++k) {
                const bool empty = s.Piles.TableauPiles[static_cast<size_t>(k)].empty();
                if (k == own || empty != (pass == 1) || s.TableauX[static_cast<size_t>(k)] <= -10000)
                    continue;
                moved = tryPile(kTableauKind, k);
            }
    }
    if (toReserves && single && !moved)
        for (int k = 0; k < ReservesInPlay(s) && !moved; ++k)
            if (s.Game.ReserveX[static_cast<size_t>(k)] > -10000)
                moved = tryPile(kReserveKind, k);
    if (toTableau && !moved && s.Game.StockX[1] > -10000)
        moved = tryPile(kWasteKind, 0);

    s.Game.DragCard = 0;
    s.Game.RunEndCard = 0;
    return moved;
}

} // namespace quillon
