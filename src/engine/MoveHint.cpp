#include "engine/MoveHint.h"

#include "engine/CardPlaces.h"
#include "engine/DealtRow.h"
#include "engine/Engine.h"
#include "engine/LegalMoves.h"
#include "engine/PileHints.h"
#include "model/Cards.h"
#include "model/Session.h"

#include <array>

namespace quillon {

namespace {

constexpr int kAttrRedeals = 16;

// The stock can be clicked: it is on the table and holds cards, or it is empty and may be
// turned over again from a waste that holds cards.
bool StockCanMove(const Session& s) {
    if (s.Game.StockX[0] == kStockHidden)
        return false;
    if (!s.Piles.StockPiles[0].empty())
        return true;
    const int redeals = s.Attr(kAttrRedeals);
    const bool again = redeals == -1 || s.Game.RedealCount < redeals;
    return again && !(s.Piles.StockPiles[1].empty() && s.Piles.StockPiles[2].empty());
}

int FaceDownCards(const Session& s) {
    int n = 0;
    auto count = [&](const std::string& p) {
        for (int k = 0; k < PileSize(p); ++k) {
            const int card = PileCard(p, k);
            n += card > 0 && s.Cards.CardIsHidden(card) ? 1 : 0;
        }
    };
    for (const auto& p : s.Piles.TableauPiles)
        count(p);
    for (const auto& p : s.Piles.ReservePiles)
        count(p);
    return n;
}

int CardsHome(const Session& s) {
    int n = 0;
    for (const auto& p : s.Piles.FoundationPiles)
        n += PileSize(p);
    return n;
}

int EmptyPiles(const Session& s) {
    int n = 0;
    for (const auto& p : s.Piles.TableauPiles)
        n += p.empty() ? 1 : 0;
    for (const auto& p : s.Piles.ReservePiles)
        n += p.empty() ? 1 : 0;
    return n;
}

// How much a legal move helps, as a player judges it when no winning line is known: cards sent
// home, face-down cards turned up and piles emptied count most, and so does a tableau pile cleared
// (even when the game fills it again at once). A card taken off a face-up card and put on another
// pile, with nothing gained, only shuffles the table about and counts against the move.
int MoveValue(const Session& before, const Session& after, const LegalMove& m) {
    // A move along Accordion's row leaves one pile less on the table: as good as a card home.
    if (RowMoveDistance(m.to) != 0)
        return 100;
    int value = 0;
    value += 100 * (CardsHome(after) - CardsHome(before));
    value += 50 * (FaceDownCards(before) - FaceDownCards(after));
    const int emptyGain = EmptyPiles(after) - EmptyPiles(before);
    value += 20 * emptyGain;
    if (PileKind(m.from) == kWasteKind)
        value += 10;
    if (PileKind(m.to) == kReserveKind)
        value -= 15;
    if (PileKind(m.from) == kTableauKind) {
        const std::string* source = before.Piles.Find(m.from);
        const int depth = source ? PileFind(*source, m.card) : -1;
        const int below = depth > 0 ? PileCard(*source, depth - 1) : 0;
        if (depth == 0 && emptyGain <= 0)
            value += 20; // the pile was cleared and filled again
        else if (below > 0 && !before.Cards.CardIsHidden(below) && emptyGain <= 0 &&
                 FaceDownCards(before) == FaceDownCards(after) && CardsHome(after) == CardsHome(before))
            value -= 30;
    }
    return value;
}

} // namespace

void CopyPosition(const Session& from, Session& to) {
    InstallEngine(to);
    to.Params = from.Params;
    to.Cards = from.Cards;
    to.Piles = from.Piles;
    to.Game = from.Game;
    to.Metrics = from.Metrics;
    to.DragHeight = to.Metrics.CardHeight;
    to.TableauX = from.TableauX;
    to.TableauY = from.TableauY;
    to.GameAttr = from.GameAttr;
    to.SavedAttr = from.SavedAttr;
    to.StateFlags = from.StateFlags;
    to.GameTimes = from.GameTimes;
    to.StateValues = from.StateValues;
    to.JitterTable = from.JitterTable;
    to.ScreenWidth = from.ScreenWidth;
    to.ScreenHeight = from.ScreenHeight;
    to.TableWidth = from.TableWidth;
    to.AutoplayMenu = from.AutoplayMenu;
    to.Random = from.Random;
    // Nothing of the copy reaches a file, the window or the statistics.
    to.ProgramFolder.clear();
    to.DataFolder.clear();
    to.view = nullptr;
    to.Game.DragCard = 0;
    to.Game.RunEndCard = 0;
    to.Game.StockPressed = 0;
    PrepareForSearch(to);
}

std::string PileOfCard(const Session& s, int card) {
    static const std::array<const char*, 3> kStockNames{"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (size_t i = 0; i < kStockNames.size(); ++i)
        if (PileFind(s.Piles.StockPiles[i], card) >= 0)
            return kStockNames[i];
    auto look = [&](const char* prefix, const auto& piles) -> std::string {
        for (size_t i = 0; i < piles.size(); ++i)
            if (PileFind(piles[i], card) >= 0)
                return PileName(prefix, static_cast<int>(i) + 1);
        return {};
    };
    for (const std::string& name : {look("Dest", s.Piles.FoundationPiles), look("Fila", s.Piles.TableauPiles),
                                    look("Appogg", s.Piles.ReservePiles)})
        if (!name.empty())
            return name;
    return {};
}

MoveHint FindMoveHint(Session& s, long budget, const std::function<bool()>& stop) {
    MoveHint hint;
    if (!s.Flag(GameInPlay) || SearchGameWon(s))
        return hint;
    std::vector<SolverMove> line;
    if (budget > 0 && FindWinningMoves(s, budget, line, stop) && !line.empty()) {
        hint.kind = MoveHint::Kind::Winning;
        hint.card = line.front().card;
        hint.from = PileOfCard(s, hint.card);
        hint.to = line.front().to;
        return hint;
    }
    // No winning line within the budget: every legal move is tried on a copy of its own and the
    // one that helps most is suggested; a move the engine refuses is never suggested.
    int bestValue = 0;
    for (const LegalMove& m : ListLegalMoves(s)) {
        Session trial;
        CopyPosition(s, trial);
        if (!PlaySolverMove(trial, {m.card, m.to}))
            continue;
        const int value = SearchGameWon(trial) ? 1000000 : MoveValue(s, trial, m);
        if (hint.kind == MoveHint::Kind::None || value > bestValue) {
            hint.kind = MoveHint::Kind::Best;
            hint.card = m.card;
            hint.from = m.from;
            hint.to = m.to;
            bestValue = value;
        }
    }
    // A move that changes nothing worth having gives way to the stock when it can be clicked.
    if ((hint.kind == MoveHint::Kind::None || bestValue < 0) && StockCanMove(s)) {
        hint = {};
        hint.kind = MoveHint::Kind::Stock;
        hint.from = "Mazzo";
    }
    return hint;
}

std::string CardName(int card) {
    const int rank = CardRank(card);
    if (rank == 100)
        return "Joker";
    static const std::array<const char*, 14> kRanks{"",  "Ace", "2", "3",  "4",    "5",     "6",
                                                    "7", "8",   "9", "10", "Jack", "Queen", "King"};
    static const std::array<const char*, 4> kSuits{"Hearts", "Diamonds", "Clubs", "Spades"};
    const int suit = CardSuit(card);
    if (rank < 1 || rank > 13 || suit < 0 || suit > 3)
        return "card " + std::to_string(card);
    return std::string(kRanks[static_cast<size_t>(rank)]) + " of " + kSuits[static_cast<size_t>(suit)];
}

std::string PileDescription(const std::string& pile) {
    // A move along Accordion's row names the card it goes on by its place before the card.
    if (const int distance = RowMoveDistance(pile))
        return distance == kRowNear ? "the card next to it on the left" : "the card three places to its left";
    const std::string number = std::to_string(PileNumber(pile));
    switch (HintPileKind(pile)) {
    case kStockKind:
        return "the stock";
    case kWasteKind:
    case kSecondWasteKind:
        return "the waste";
    case kTableauKind:
        return "tableau " + number;
    case kFoundationKind:
        return "foundation " + number;
    case kReserveKind:
        return "reserve " + number;
    default:
        return pile;
    }
}

std::string MoveHintText(const MoveHint& hint) {
    switch (hint.kind) {
    case MoveHint::Kind::Winning:
    case MoveHint::Kind::Best:
        return "Move the " + CardName(hint.card) + " from " + PileDescription(hint.from) + " to " +
               PileDescription(hint.to) +
               (hint.kind == MoveHint::Kind::Winning ? " (it leads to a win)"
                                                     : " (no winning line was found)");
    case MoveHint::Kind::Stock:
        return "Click the stock";
    case MoveHint::Kind::None:
        break;
    }
    return "No move is possible";
}

} // namespace quillon
