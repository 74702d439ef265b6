#include "engine/DealtRow.h"

#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/TableView.h"

namespace quillon {

namespace {

constexpr std::string_view kRowMovePrefix = "Row-";

const std::string& Row(const Session& s) {
    return s.Piles.TableauPiles[0];
}

} // namespace

bool PlaysDealtRow(const Session& s) {
    return s.Attr(attr::Family) == 19 && s.Attr(attr::TableauRule) != 129;
}

std::string RowMoveName(int distance) {
    return std::string(kRowMovePrefix) + std::to_string(distance);
}

int RowMoveDistance(std::string_view to) {
    if (to == RowMoveName(kRowNear))
        return kRowNear;
    if (to == RowMoveName(kRowFar))
        return kRowFar;
    return 0;
}

bool RowMoveAllowed(const Session& s, int card, int distance) {
    if (!PlaysDealtRow(s) || card <= 0 || (distance != kRowNear && distance != kRowFar))
        return false;
    const std::string& row = Row(s);
    const int own = PileFind(row, card);
    if (own - distance < 0)
        return false;
    const int x = PileCard(row, own - distance);
    return x > 0 && (CardRank(x) == CardRank(card) || CardSuit(x) == CardSuit(card));
}

bool MoveInRow(Session& s, int card, int distance) {
    if (!RowMoveAllowed(s, card, distance))
        return false;
    std::string& row = s.Piles.TableauPiles[0];
    const int own = PileFind(row, card);
    const int at = own - distance;
    const int covered = PileCard(row, at);
    RecordStep(s);
    row.replace(static_cast<size_t>(3 * at), 3, CardText(card));
    row.erase(static_cast<size_t>(3 * own), 3);
    s.Piles.StockPiles[2] += CardText(covered);
    View(s).RedrawPile("Fila1", Surface::Both);
    UpdateScore(s);
    ClearRedo(s);
    if (s.Game.MovesMade <= 1)
        ++s.Game.MovesMade;
    s.SetFlag(GameWon, WonTest(s));
    return true;
}

bool PlayRowMove(Session& s, int card, int distance) {
    if (!s.Flag(GameInPlay) || !MoveInRow(s, card, distance))
        return false;
    if (s.Game.GameStarted < 1)
        s.Game.GameStarted = 1;
    if (s.Flag(GameWon))
        EndGame(s);
    return true;
}

bool RowMoveRect(const Session& s, int card, int distance, TableRect& rect) {
    const std::string& row = Row(s);
    const int own = PileFind(row, card);
    if (own < 0 || own - distance < 0 || distance < 1)
        return false;
    const int skip = PileSize(row) - 1 - (own - distance);
    rect = CardRect(s, CardPlaceX(s, "Fila1", skip, false), CardPlaceY(s, "Fila1", skip, false));
    return true;
}

} // namespace quillon
