#include "engine/LegalMoves.h"

#include "engine/DealtRow.h"
#include "engine/MoveLegality.h"
#include "engine/PickUp.h"

#include <algorithm>

namespace quillon {

namespace {

std::string Name(const char* prefix, int index) {
    return prefix + std::to_string(index + 1);
}

// Height the drag image of a run from depth `depth` of tableau pile `pile` would have: from the
// top of that card to the bottom edge of the pile. Without a layout any height above one card
// marks the run.
int RunHeight(Session& s, int pile, int depth) {
    const std::string name = Name("Fila", pile);
    std::string& content = s.Piles.TableauPiles[static_cast<size_t>(pile)];
    const int bottom = s.PileBottomEdge(name);
    // The card's own top edge: the bottom edge of the pile cut just above it, less one card.
    const std::string whole = content;
    content.resize(static_cast<size_t>(3 * (depth + 1)));
    const int cardTop = s.PileBottomEdge(name) - s.Metrics.CardHeight;
    content = whole;
    return std::max(bottom - cardTop, s.Metrics.CardHeight + 1);
}

void AddTargets(Session& s, const std::string& from, int card, std::vector<LegalMove>& out) {
    for (int k = 0; k < TableauInPlay(s); ++k) {
        std::string to = Name("Fila", k);
        if (to != from && PileAccepts(s, card, to))
            out.push_back({from, card, to});
    }
    for (int k = 0; k < FoundationsInPlay(s); ++k) {
        std::string to = Name("Dest", k);
        if (PileAccepts(s, card, to))
            out.push_back({from, card, to});
    }
    for (int k = 0; k < ReservesInPlay(s); ++k) {
        std::string to = Name("Appogg", k);
        if (to != from && PileAccepts(s, card, to))
            out.push_back({from, card, to});
    }
}

} // namespace

std::vector<LegalMove> ListLegalMoves(Session& s) {
    const int savedHeight = s.DragHeight;
    const std::int16_t savedRunEnd = s.Game.RunEndCard;
    const int single = s.Metrics.CardHeight;
    std::vector<LegalMove> moves;

    for (int k = 0; k < TableauInPlay(s); ++k) {
        // A locked pile gives up no card: the press that would lift one does nothing.
        if (TableauPileLocked(s, k))
            continue;
        const std::string from = Name("Fila", k);
        const int size = PileSize(s.Piles.TableauPiles[static_cast<size_t>(k)]);
        for (int depth = 0; depth < size; ++depth) {
            const int card = PileCard(s.Piles.TableauPiles[static_cast<size_t>(k)], depth);
            if (s.Cards.CardIsHidden(card))
                continue;
            const bool top = depth == size - 1;
            // A card below the top is lifted with the cards above it, when they are in order.
            if (!top && !RunIsSequence(s, card, k))
                continue;
            s.DragHeight = top ? single : RunHeight(s, k, depth);
            if (!PickUpAllowed(s, card, false))
                continue;
            AddTargets(s, from, card, moves);
        }
    }

    s.DragHeight = single;
    const int reserveRule = s.Attr(attr::ReservePickUp);
    if (reserveRule != -14) {
        for (int k = 0; k < ReservesInPlay(s); ++k) {
            const std::string& content = s.Piles.ReservePiles[static_cast<size_t>(k)];
            const int card = content.empty() ? 0 : PileTop(content);
            if (s.Cards.CardIsHidden(card))
                continue;
            if (reserveRule == -15 && !CardIsFree(s, card))
                continue;
            s.Game.RunEndCard = static_cast<std::int16_t>(card);
            AddTargets(s, Name("Appogg", k), card, moves);
        }
    }

    const std::string& waste = s.Piles.StockPiles[1];
    if (!waste.empty() && s.Attr(attr::WasteLocked) == 0) {
        const int card = PileTop(waste);
        if (!s.Cards.CardIsHidden(card)) {
            s.Game.RunEndCard = static_cast<std::int16_t>(card);
            AddTargets(s, "Mazzo_Vis", card, moves);
        }
    }

    // The dealt row: each card onto the card one or three places before it, when they match.
    if (PlaysDealtRow(s)) {
        const std::string& row = s.Piles.TableauPiles[0];
        for (int k = 1; k < PileSize(row); ++k)
            for (int distance : {kRowNear, kRowFar})
                if (const int card = PileCard(row, k); RowMoveAllowed(s, card, distance))
                    moves.push_back({"Fila1", card, RowMoveName(distance)});
    }

    s.DragHeight = savedHeight;
    s.Game.RunEndCard = savedRunEnd;
    return moves;
}

std::string FormatMove(const LegalMove& move) {
    return move.from + " " + CardText(move.card) + " -> " + move.to;
}

std::string FormatMoves(const std::vector<LegalMove>& moves) {
    std::string text;
    for (const LegalMove& move : moves)
        text += FormatMove(move) + "\n";
    return text;
}

} // namespace quillon
