#include "PreviewLayout.h"

#include "engine/Engine.h"
#include "model/Cards.h"
#include "model/Deal.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include <algorithm>
#include <sstream>

namespace quillon {

namespace {

int CardPicture(const Session& s, int card) {
    if (s.Cards.CardIsHidden(card))
        return kPreviewBack;
    const int suit = CardSuit(card), rank = CardRank(card);
    if (suit < 0 || rank < 1 || rank > 13)
        return kPreviewJoker;
    return suit * 13 + rank;
}

} // namespace

std::vector<PreviewPiece> TablePieces(Session& s) {
    LayoutForClientArea(s, kPreviewLayoutWidth, kPreviewLayoutHeight, 'L');
    std::vector<PreviewPiece> pieces;
    std::istringstream places(FormatPilePositions(s));
    std::string name;
    int x = 0, y = 0;
    while (places >> name >> x >> y) {
        const std::string* content = nullptr;
        int pileIndex = 0, empty = kPreviewEmptyPosition;
        auto number = [&](size_t prefix) { return std::atoi(name.c_str() + prefix) - 1; };
        if (name == "Mazzo") {
            content = &s.Piles.StockPiles[0];
            empty = kPreviewEmptyStock;
        } else if (name == "Mazzo_Vis" || name == "Mazzo_Waste") {
            content = &s.Piles.StockPiles[name == "Mazzo_Vis" ? 1 : 2];
            empty = 0; // an empty waste shows the bare table
        } else if (name.rfind("Dest", 0) == 0) {
            content = &s.Piles.FoundationPiles.at(static_cast<size_t>(number(4)));
            empty = kPreviewEmptyFoundation;
        } else if (name.rfind("Fila", 0) == 0) {
            pileIndex = number(4);
            content = &s.Piles.TableauPiles.at(static_cast<size_t>(pileIndex));
        } else if (name.rfind("Appogg", 0) == 0) {
            content = &s.Piles.ReservePiles.at(static_cast<size_t>(number(6)));
        }
        if (!content)
            continue;
        const int size = PileSize(*content);
        if (size == 0) {
            if (empty)
                pieces.push_back({empty, x, y});
            continue;
        }
        for (int k = 0; k < size; ++k) {
            const int skip = size - 1 - k;
            pieces.push_back({CardPicture(s, PileCard(*content, k)),
                              PileCardX(s, name, skip, false, pileIndex), PileCardY(s, name, skip, false)});
        }
    }
    // A piece at the same place as a later one is wholly hidden by it.
    std::vector<PreviewPiece> shown;
    for (size_t i = 0; i < pieces.size(); ++i) {
        bool covered = false;
        for (size_t j = i + 1; j < pieces.size() && !covered; ++j)
            covered = pieces[j].x == pieces[i].x && pieces[j].y == pieces[i].y;
        if (!covered)
            shown.push_back(pieces[i]);
    }
    return shown;
}

PreviewPlan FitPreview(const std::vector<PreviewPiece>& table) {
    PreviewPlan plan;
    if (table.empty()) {
        plan.record = false;
        return plan;
    }
    int minX = table[0].x, maxX = minX, minY = table[0].y, maxY = minY;
    for (const PreviewPiece& p : table) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int spanX = maxX - minX, spanY = maxY - minY;
    double scale = 1.0;
    if (spanX > kPreviewRoomX)
        scale = std::min(scale, double(kPreviewRoomX) / spanX);
    if (spanY > kPreviewRoomY)
        scale = std::min(scale, double(kPreviewRoomY) / spanY);
    plan.scale = scale;
    plan.record = scale >= kSmallestRecordScale;
    if (!plan.record) {
        // The picture scales the cards with the places; it fills the preview area's width.
        plan.cardWidth = std::max(4, int(kPreviewCardWidth * scale * 1.6));
        plan.cardHeight = std::max(5, plan.cardWidth * kPreviewCardHeight / kPreviewCardWidth);
        const int roomX = kPreviewWidth - 2 * kPreviewOffsetX - plan.cardWidth;
        const int roomY = kPreviewHeight - 2 * kPreviewOffsetY - plan.cardHeight;
        const double s = std::min(spanX ? double(roomX) / spanX : 1.0, spanY ? double(roomY) / spanY : 1.0);
        const int left = kPreviewOffsetX + (roomX - int(spanX * s)) / 2;
        for (const PreviewPiece& p : table)
            plan.pieces.push_back({p.picture, left + int((p.x - minX) * s), int((p.y - minY) * s)});
        return plan;
    }
    const int left = (kPreviewRoomX - int(spanX * scale)) / 2;
    for (const PreviewPiece& p : table)
        plan.pieces.push_back({p.picture, left + int((p.x - minX) * scale), int((p.y - minY) * scale)});
    return plan;
}

bool PlanGamePreview(const std::string& programFolder, int number, PreviewPlan& plan, std::string& error) {
    Session s;
    s.ProgramFolder = programFolder;
    InstallEngine(s);
    if (!LoadAndDeal(s, number, kPreviewDealCode, error))
        return false;
    plan = FitPreview(TablePieces(s));
    return true;
}

} // namespace quillon
