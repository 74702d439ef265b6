#include "engine/Solver.h"

#include "engine/CardPlaces.h"
#include "engine/DropTargets.h"
#include "engine/GameEnd.h"
#include "engine/LegalMoves.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/PickUp.h"
#include "engine/SelectionSearch.h"
#include "model/Cards.h"
#include "model/Session.h"

#include <algorithm>
#include <cstdio>
#include <queue>
#include <unordered_map>

namespace quillon {

namespace {

constexpr char kPileSeparator = '|';

// Everything a drop can change in a game without a stock: the piles, the faces of the cards, and
// the counters the rules read. Written as one string so that many positions fit in memory.
std::string Snapshot(const Session& s) {
    std::string out;
    out.reserve(600);
    s.Piles.ForEach([&](const std::string& pile) {
        out += pile;
        out += kPileSeparator;
    });
    for (int n = 1; n <= kCardCount; ++n)
        out += s.Cards.CardIsHidden(n) ? '0' : '1';
    out += kPileSeparator;
    out += std::to_string(s.Game.MovesMade) + "," + std::to_string(s.Game.RedealCount) + "," +
           std::to_string(s.Game.OnceUsed);
    for (auto f : s.StateFlags)
        out += char('0' + (f != 0));
    return out;
}

void Restore(Session& s, const std::string& snapshot) {
    size_t at = 0;
    auto next = [&]() {
        const size_t end = snapshot.find(kPileSeparator, at);
        std::string part = snapshot.substr(at, end - at);
        at = end + 1;
        return part;
    };
    for (auto& p : s.Piles.StockPiles)
        p = next();
    for (auto& p : s.Piles.FoundationPiles)
        p = next();
    for (auto& p : s.Piles.TableauPiles)
        p = next();
    for (auto& p : s.Piles.ReservePiles)
        p = next();
    const std::string faces = next();
    for (int n = 1; n <= kCardCount; ++n)
        s.Cards.SetCardFace(n, faces[static_cast<size_t>(n - 1)]);
    const std::string rest = snapshot.substr(at);
    int moves = 0, redeals = 0, once = 0, used = 0;
    std::sscanf(rest.c_str(), "%d,%d,%d%n", &moves, &redeals, &once, &used);
    s.Game.MovesMade = static_cast<std::int16_t>(moves);
    s.Game.RedealCount = static_cast<std::int16_t>(redeals);
    s.Game.OnceUsed = static_cast<std::int16_t>(once);
    for (size_t k = 0; k < s.StateFlags.size() && used + k < rest.size(); ++k)
        s.StateFlags[k] = static_cast<std::uint8_t>(rest[static_cast<size_t>(used) + k] == '1');
}

// True when `card` lies on `below` as the tableau pile's own building rule would put it there.
bool Builds(Session& s, int pileIndex, int below, int card) {
    if (below <= 0 || card <= 0 || s.Cards.CardIsHidden(below) || s.Cards.CardIsHidden(card))
        return false;
    RuleQuery q;
    q.top = below;
    q.card = card;
    q.emptyValue = s.Attr(attr::TableauEmpty + pileIndex);
    q.stopRank = s.Attr(attr::FoundationBase);
    q.direction = s.Attr(attr::TableauDir + pileIndex);
    q.rule = s.Attr(attr::TableauRule + pileIndex);
    q.wrap = s.Attr(attr::TableauWrap + pileIndex) > 0;
    q.index = pileIndex;
    return RuleAccepts(s, q);
}

// How far a position is from a win, as a person judges it: every card away from the
// foundations, every card lying on one it does not build on (it must move before the cards under
// it can), and every card held in a reserve. A puzzle without foundations scores every position
// alike, so its search goes breadth first.
int Distance(Session& s) {
    int home = 0, all = 0, breaks = 0, held = 0;
    for (const auto& p : s.Piles.FoundationPiles)
        home += PileSize(p);
    s.Piles.ForEach([&](const std::string& p) {
        for (int k = 0; k < PileSize(p); ++k)
            all += PileCard(p, k) > 0 ? 1 : 0;
    });
    if (home == 0 && FoundationsInPlay(s) == 0)
        return 0;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(i)];
        for (int k = 1; k < PileSize(p); ++k)
            breaks += Builds(s, i, PileCard(p, k - 1), PileCard(p, k)) ? 0 : 1;
    }
    for (int i = 0; i < ReservesInPlay(s); ++i)
        held += PileSize(s.Piles.ReservePiles[static_cast<size_t>(i)]);
    return 4 * (all - home) + 2 * breaks + held;
}

} // namespace

void PrepareForSearch(Session& s) {
    s.Params.WriteParam(param::CardsAnimate, 1, "N");
    s.Game.DealDone = 1;
    s.SetFlag(GameInPlay, true);
    s.AutoplayMenu.Ticked = s.AutoplayMenu.ButtonsDown = false;
}

bool DropOnNamedPile(Session& s, int card, const std::string& to) {
    const std::string* content = s.Piles.Find(to);
    if (!content || card <= 0 || !s.Flag(GameInPlay))
        return false;
    const int loc = CardLocation(s, card);
    bool top = true;
    if (LocIsTableau(loc))
        top = PileTop(s.Piles.TableauPiles[static_cast<size_t>(LocTableauIndex(loc))]) == card;
    else if (LocIsReserve(loc))
        top = PileTop(s.Piles.ReservePiles[static_cast<size_t>(LocReserveIndex(loc))]) == card;
    s.DragHeight = top ? s.Metrics.CardHeight : s.Metrics.CardHeight + 20;
    // The press lifts the card, or the run above it, only when the game lets it be picked up.
    s.Game.RunEndCard = 0;
    if ((LocIsTableau(loc) || LocIsReserve(loc)) && !PickUpAllowed(s, card, content->empty()))
        return false;
    s.Game.DragCard = static_cast<std::int16_t>(card);
    const TableRect at = TopCardRect(s, to);
    s.DragRect = at;
    DropOptions o;
    const int kind = PileKind(to);
    o.target = {kind == kWasteKind ? kWasteKind : kind, kind == kWasteKind ? 0 : PileNumber(to) - 1};
    o.prepare = true;
    o.named = true;
    const bool moved = ResolveDrop(s, card, at, o);
    s.Game.DragCard = 0;
    if (moved && s.Flag(GameWon))
        EndGame(s);
    OnTableRelease(s, 0, 0);
    s.DragHeight = s.Metrics.CardHeight;
    return moved;
}

bool SearchGameWon(const Session& s) {
    return s.Flag(GameEndHandled) || s.Flag(GameWon);
}

bool FindWinningMoves(Session& s, long budget, std::vector<SolverMove>& moves) {
    // Games played by pressing cards search their own moves: groups of cards and the stock.
    if (PlaysBySelection(s))
        return FindSelectionWin(s, budget, moves);
    struct Node {
        std::string snapshot;
        int parent;
        SolverMove move;
        int depth;
    };
    std::vector<Node> nodes;
    std::unordered_map<std::string, int> seen;
    // The least distance from the deal through the position to a win first, then the oldest.
    using Entry = std::pair<int, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    const std::string start = Snapshot(s);
    nodes.push_back({start, -1, {}, 0});
    seen.emplace(start, 0);
    open.emplace(Distance(s), 0);
    int won = -1;
    while (!open.empty() && won < 0 && budget-- > 0) {
        const int here = open.top().second;
        open.pop();
        const std::string snapshot = nodes[static_cast<size_t>(here)].snapshot;
        const int depth = nodes[static_cast<size_t>(here)].depth;
        Restore(s, snapshot);
        s.DragHeight = s.Metrics.CardHeight;
        for (const LegalMove& m : ListLegalMoves(s)) {
            Restore(s, snapshot);
            if (!DropOnNamedPile(s, m.card, m.to))
                continue;
            std::string next = Snapshot(s);
            if (seen.count(next))
                continue;
            const int id = static_cast<int>(nodes.size());
            nodes.push_back({next, here, {m.card, m.to}, depth + 1});
            seen.emplace(std::move(next), id);
            if (SearchGameWon(s)) {
                won = id;
                break;
            }
            open.emplace(Distance(s) + depth + 1, id);
        }
    }
    Restore(s, start);
    if (won < 0)
        return false;
    moves.clear();
    for (int k = won; nodes[static_cast<size_t>(k)].parent >= 0; k = nodes[static_cast<size_t>(k)].parent)
        moves.push_back(nodes[static_cast<size_t>(k)].move);
    std::reverse(moves.begin(), moves.end());
    return true;
}

} // namespace quillon
