#include "engine/Solver.h"

#include "engine/CardPlaces.h"
#include "engine/DealtRow.h"
#include "engine/DropTargets.h"
#include "engine/GameEnd.h"
#include "engine/LegalMoves.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/PickUp.h"
#include "engine/PointerInput.h"
#include "engine/SelectionSearch.h"
#include "engine/Stock.h"
#include "model/Cards.h"
#include "model/Session.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <queue>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace quillon {

namespace {

constexpr char kPileSeparator = '|';

// The card numbers whose faces can change in this game: the deck, and the jokers when it has any.
int FaceCount(const Session& s) {
    if (s.Attr(381) > 0)
        return kCardCount;
    return std::clamp(static_cast<int>(s.Attr(378)), 52, 208);
}

// Everything a move can change in a game: the piles, the faces of the cards, and the counters
// and flags the rules read. Written as one string so that many positions fit in memory.
std::string Snapshot(const Session& s) {
    std::string out;
    out.reserve(700);
    s.Piles.ForEach([&](const std::string& pile) {
        out += pile;
        out += kPileSeparator;
    });
    for (int n = 1, last = FaceCount(s); n <= last; ++n)
        out += s.Cards.CardIsHidden(n) ? '0' : '1';
    out += kPileSeparator;
    const TMainGame& g = s.Game;
    for (int v :
         {int(g.MovesMade), int(g.RedealCount), int(g.OnceUsed), int(g.StockPressed), int(g.GameStarted)})
        out += std::to_string(v) + ",";
    for (auto v : s.StateValues)
        out += std::to_string(v) + ",";
    for (auto f : s.StateFlags)
        out += char('0' + (f != 0));
    return out;
}

void Restore(Session& s, const std::string& snapshot) {
    size_t at = 0;
    auto next = [&]() {
        const size_t end = snapshot.find(kPileSeparator, at);
        std::string_view part(snapshot.data() + at, end - at);
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
    const std::string_view faces = next();
    for (int n = 1, last = static_cast<int>(faces.size()); n <= last; ++n)
        s.Cards.SetCardFace(n, faces[static_cast<size_t>(n - 1)]);
    const char* rest = snapshot.c_str() + at;
    auto number = [&]() {
        char* end = nullptr;
        const long v = std::strtol(rest, &end, 10);
        rest = end + 1; // the comma
        return v;
    };
    TMainGame& g = s.Game;
    g.MovesMade = static_cast<std::int16_t>(number());
    g.RedealCount = static_cast<std::int16_t>(number());
    g.OnceUsed = static_cast<std::int16_t>(number());
    g.StockPressed = static_cast<std::int16_t>(number());
    g.GameStarted = static_cast<std::int16_t>(number());
    for (auto& v : s.StateValues)
        v = static_cast<std::int32_t>(number());
    for (auto& f : s.StateFlags)
        f = static_cast<std::uint8_t>(*rest++ == '1');
    s.Game.DragCard = s.Game.RunEndCard = s.Game.DragMoved = 0;
    s.DragHeight = s.Metrics.CardHeight;
    // The search keeps no history of its own: each position starts from an empty one.
    s.History.Clear();
}

// True when the tableau pile's own building rule puts `card` on `below`, whatever their faces.
bool RuleBuilds(Session& s, int pileIndex, int below, int card) {
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

// True when `card` lies on `below` as the tableau pile's own building rule would put it there.
bool Builds(Session& s, int pileIndex, int below, int card) {
    if (below <= 0 || card <= 0 || s.Cards.CardIsHidden(below) || s.Cards.CardIsHidden(card))
        return false;
    return RuleBuilds(s, pileIndex, below, card);
}

// An ordering puzzle on a grid is won when its cells, from the first on, hold their cards: cell k
// card k + 1 or k + 14 (the same card of the second suit), as many cells as the score to win
// counts. Its distance from the win is the sum, over those cells, of the steps the nearest fitting
// card still has to travel along the grid: each slide moves one card one step, so no win lies
// nearer. -1 for every other game.
int PuzzleDistance(const Session& s) {
    const int width = s.Attr(attr::GridWidth);
    const int cells = TableauInPlay(s);
    if (s.Attr(attr::Family) != 34 || width <= 0 || cells <= 0)
        return -1;
    const int needed = std::clamp((s.Attr(attr::ScoreToWin) + s.Attr(attr::CardsInPlay) + 9) / 10, 0, cells);
    std::vector<int> where(kCardCount + 1, -1);
    for (int k = 0; k < cells; ++k) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(k)];
        if (const int c = PileCard(p, 0); c > 0 && c <= kCardCount)
            where[static_cast<size_t>(c)] = k;
    }
    int total = 0;
    // goal[cell]: the cell the card lying there must reach, when that card is the only one on the
    // board for its cell and fits no other; -1 otherwise.
    std::vector<int> goal(static_cast<size_t>(cells), -1);
    bool single = true;
    for (int k = 0; k < needed; ++k) {
        int best = 4 * cells; // no fitting card on the board: far, but still ordered by the rest
        int fitting = 0, from = -1;
        for (int c : {k + 1, k + 14}) {
            const int at = where[static_cast<size_t>(c)];
            if (at < 0)
                continue;
            ++fitting, from = at;
            best = std::min(best, std::abs(at / width - k / width) + std::abs(at % width - k % width));
            const int other = c - 1 == k ? c - 14 : c - 1; // the card's other cell
            single = single && !(other >= 0 && other < needed && other != k);
        }
        single = single && fitting == 1;
        if (from >= 0)
            goal[static_cast<size_t>(from)] = k;
        total += best;
    }
    if (!single)
        return total;
    // Two cards in their own row (or column) that must pass each other: one of them has to step
    // out of the line and back, two slides more than their distances. Of the cards of a line, all
    // but the longest run already in order must do so.
    auto conflicts = [&](bool rows) {
        const int lines = rows ? cells / width : width, along = rows ? width : cells / width;
        int extra = 0;
        for (int line = 0; line < lines; ++line) {
            std::vector<int> order; // where in the line each card must end, in the line's order
            for (int i = 0; i < along; ++i) {
                const int cell = rows ? line * width + i : i * width + line;
                const int g = cell < cells ? goal[static_cast<size_t>(cell)] : -1;
                if (g >= 0 && (rows ? g / width : g % width) == line)
                    order.push_back(rows ? g % width : g / width);
            }
            std::vector<int> longest(order.size(), 1); // the longest run in order ending at each
            int most = 0;
            for (size_t i = 0; i < order.size(); ++i) {
                for (size_t j = 0; j < i; ++j)
                    if (order[j] < order[i])
                        longest[i] = std::max(longest[i], longest[j] + 1);
                most = std::max(most, longest[i]);
            }
            extra += 2 * (static_cast<int>(order.size()) - most);
        }
        return extra;
    };
    return total + conflicts(true) + conflicts(false);
}

// The stock deals onto tableau piles: a deal mode names at least one of them.
bool StockFeedsTableau(const Session& s) {
    for (int i = 0; i < kTableauCount; ++i)
        if (s.Attr(attr::TableauDealMode + i) != 0)
            return true;
    return false;
}

// A card of either deck as the same card of the first deck; jokers and markers stay as they are.
int FirstDeckCard(int card) {
    return card >= 1 && card <= 104 ? (card - 1) % 52 + 1 : card;
}

// Reserves that build a sequence on a card (kings, alternate colours, up in suit).
bool ReserveBuilds(int kind) {
    return kind == 8 || kind == 107 || kind == 145;
}

// Every foundation climbs by one rule (in suit, or regardless of suit) from one start rank.
bool FoundationsClimbAlike(const Session& s) {
    const int n = FoundationsInPlay(s);
    const int base = s.Attr(attr::FoundationBase), rule = s.Attr(attr::FoundationRule);
    if (n == 0 || base < 1 || base > 13 || (rule != 0 && rule != 2 && rule != 82 && rule != 96))
        return false;
    for (int f = 0; f < n; ++f)
        if (s.Attr(attr::FoundationBase + f) != base || s.Attr(attr::FoundationDir + f) != 1 ||
            s.Attr(attr::FoundationRule + f) != rule)
            return false;
    return true;
}

// The cards lying out of turn in the piles that only store cards: the waste piles that take any
// card and build nothing (the games that sort a pack onto them), and the reserves that build
// nothing. Counted where every foundation climbs from one start rank by one rule: a card above
// one of a lower step in its suit (in any suit, where the foundations ignore suits) must leave
// that pile before the card below it can go home, and where nothing builds on the table it never
// can.
int StoredOutOfTurn(const Session& s) {
    if (!FoundationsClimbAlike(s))
        return 0;
    const int base = s.Attr(attr::FoundationBase), rule = s.Attr(attr::FoundationRule);
    auto step = [&](int c) { return (CardRank(c) - base + 13) % 13; };
    int count = 0;
    auto inPile = [&](const std::string& p) {
        for (int k = 0, size = PileSize(p); k < size; ++k) {
            const int low = PileCard(p, k);
            for (int j = k + 1; low > 0 && j < size; ++j) {
                const int high = PileCard(p, j);
                count += high > 0 && (rule == 2 || CardSuit(high) == CardSuit(low)) && step(high) > step(low);
            }
        }
    };
    for (int i = 0; i < TableauInPlay(s); ++i)
        if (const int r = s.Attr(attr::TableauRule + i); r == 17 || r == 18 || r == 19 || r == 33)
            inPile(s.Piles.TableauPiles[static_cast<size_t>(i)]);
    for (int j = 0; j < ReservesInPlay(s); ++j)
        if (!ReserveBuilds(s.Attr(attr::ReserveKind + j)))
            inPile(s.Piles.ReservePiles[static_cast<size_t>(j)]);
    return count;
}

// How far a position is from a win, as a person judges it: every card away from the
// foundations, every card lying on one it does not build on (it must move before the cards under
// it can), and every card held in a reserve. An ordering puzzle on a grid counts the steps its
// cards still have to travel; any other puzzle without foundations scores every position alike, so
// its search goes breadth first.
int Distance(Session& s) {
    if (const int puzzle = PuzzleDistance(s); puzzle >= 0)
        return puzzle;
    int home = 0, all = 0, breaks = 0, held = 0;
    for (const auto& p : s.Piles.FoundationPiles)
        home += PileSize(p);
    s.Piles.ForEach([&](const std::string& p) {
        for (int k = 0; k < PileSize(p); ++k)
            all += PileCard(p, k) > 0 ? 1 : 0;
    });
    if (home == 0 && FoundationsInPlay(s) == 0) {
        // A game played onto a second waste: every card still on the tableau.
        if (PileSize(s.Piles.StockPiles[2]) == 0)
            return 0;
        int left = 0;
        for (int i = 0; i < TableauInPlay(s); ++i)
            left += PileSize(s.Piles.TableauPiles[static_cast<size_t>(i)]);
        return left;
    }
    // Where only runs in suit move together, a change of suit breaks a run too.
    const bool inSuit = s.Attr(attr::RunOrder) == 10;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(i)];
        for (int k = 1; k < PileSize(p); ++k)
            breaks += Builds(s, i, PileCard(p, k - 1), PileCard(p, k)) &&
                              (!inSuit || CardSuit(PileCard(p, k - 1)) == CardSuit(PileCard(p, k)))
                          ? 0
                          : 1;
    }
    for (int i = 0; i < ReservesInPlay(s); ++i)
        held += PileSize(s.Piles.ReservePiles[static_cast<size_t>(i)]);
    // The cards that lie over the lowest card of each suit still out: they must move before
    // that card can go home.
    std::array<int, 8> lowest;
    lowest.fill(99);
    std::array<int, 8> over{};
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(i)];
        for (int k = 0; k < PileSize(p); ++k) {
            const int c = PileCard(p, k);
            if (c <= 0)
                continue;
            const size_t suit = static_cast<size_t>(CardSuit(c) & 7);
            if (CardRank(c) < lowest[suit]) {
                lowest[suit] = CardRank(c);
                over[suit] = PileSize(p) - 1 - k;
            }
        }
    }
    int blocking = 0;
    for (int n : over)
        blocking += n;
    // Where a stock is turned to a waste, a face-down card weighs more: the waste's cards wait for
    // the places that turning cards up opens. So it does where the stock deals onto the tableau:
    // every deal covers the piles again, and only cards turned up give the runs their room.
    int hidden = 0;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(i)];
        for (int k = 0; k < PileSize(p); ++k)
            hidden += s.Cards.CardIsHidden(PileCard(p, k)) ? 1 : 0;
    }
    const int hiddenWeight = s.Attr(attr::StockToWaste) == 1 || StockFeedsTableau(s) ? 3 : 0;
    // Where the passes through the stock are counted and the foundations climb alike, every card
    // still to come from the stock or lying on the waste weighs a little more: each has one
    // chance (or few) to be placed, and a position that has placed more of them is further on.
    // Where the waste turns over without limit, its cards can wait.
    const int waiting = s.Attr(attr::Passes) >= 0 && FoundationsClimbAlike(s)
                            ? PileSize(s.Piles.StockPiles[0]) + PileSize(s.Piles.StockPiles[1])
                            : 0;
    return 4 * (all - home) + 2 * breaks + held + blocking + hiddenWeight * hidden + waiting +
           2 * StoredOutOfTurn(s);
}

// What the search knows of the game before it starts: which piles may be taken in any order for
// the positions already seen, how the stock is played, and when a card may go home untested.
struct GameTraits {
    // Per tableau pile (and reserve): a class; piles of one class are interchangeable. -1: the
    // pile keeps its place (the stock deals to it, a fill rule names it).
    std::vector<int> tableauClass, reserveClass;
    bool keepsRedeals = false;       // the passes through the stock are counted
    bool cycleStock = false;         // the waste turns over without limit: cards reached by clicks
    bool clicksCards = false;        // a click on a tableau card plays it
    bool safeHome = false;           // foundations built up in suit from the ace
    bool anyHome = false;            // no tableau, no reserve building: nothing builds on a card kept back
    bool foundationsTopOnly = false; // only a foundation's top card can ever be played again
    bool freeRuns = false;           // any face-up run may be lifted, and no reserve holds a card
    bool homesAlike = false;         // every foundation is built by the same rule from the same rank
    bool decksAlike = false;         // two decks whose copies of a card no rule tells apart
    // Per card: the cards the tableau's rules build on it. Filled where those rules read only the
    // two cards (the plain rules); a card all of whose builders are home is needed by none.
    std::vector<std::vector<std::int16_t>> builders;
    bool dealsToTableau = false; // the stock deals onto the tableau, not to a waste
};

GameTraits Traits(Session& s) {
    GameTraits t;
    const int family = s.Attr(attr::Family);
    const bool stockFeedsTableau = StockFeedsTableau(s);
    const bool fixedPlaces = family != 0 || stockFeedsTableau || s.Attr(25) != 0 || s.Attr(27) != 0 ||
                             s.Attr(attr::GridWidth) != 0;
    std::vector<std::tuple<int, int, int, int, int>> classes;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const auto c = std::make_tuple(s.Attr(attr::TableauEmpty + i), s.Attr(attr::TableauDir + i),
                                       s.Attr(attr::TableauRule + i), s.Attr(attr::TableauWrap + i), 0);
        const auto at = std::find(classes.begin(), classes.end(), c);
        if (at == classes.end())
            classes.push_back(c);
        t.tableauClass.push_back(
            fixedPlaces ? -1
                        : static_cast<int>(std::find(classes.begin(), classes.end(), c) - classes.begin()));
    }
    bool reserveFed = false;
    for (int j = 0; j < kReserveCount; ++j)
        reserveFed |= s.Attr(attr::ReserveDealMode + j) != 0;
    for (int j = 0; j < ReservesInPlay(s); ++j)
        t.reserveClass.push_back(fixedPlaces || reserveFed ? -1 : s.Attr(attr::ReserveKind + j));
    t.keepsRedeals = s.Attr(attr::Passes) >= 0;
    t.dealsToTableau = stockFeedsTableau && s.Attr(attr::StockToWaste) != 1;
    t.cycleStock = s.Attr(attr::StockToWaste) == 1 && s.Attr(attr::Passes) < 0 &&
                   s.Attr(attr::RedealMode) <= 0 && family == 0;
    t.clicksCards = family == 2 || family == 12 || family == 15;
    t.foundationsTopOnly = s.Attr(19) == 0;
    t.freeRuns = s.Attr(14) == -1 && ReservesInPlay(s) == 0 && FoundationsInPlay(s) > 0 && !fixedPlaces;
    t.anyHome = FoundationsInPlay(s) > 0 && TableauInPlay(s) == 0 && family == 0;
    // Reserves that build a sequence on a card (kings, alternate colours, up in suit) need it kept.
    for (int j = 0; j < ReservesInPlay(s); ++j)
        t.anyHome &= !ReserveBuilds(s.Attr(attr::ReserveKind + j));
    t.homesAlike = true;
    for (int f = 1; f < FoundationsInPlay(s); ++f)
        t.homesAlike &= s.Attr(attr::FoundationBase + f) == s.Attr(attr::FoundationBase) &&
                        s.Attr(attr::FoundationDir + f) == s.Attr(attr::FoundationDir) &&
                        s.Attr(attr::FoundationRule + f) == s.Attr(attr::FoundationRule);
    // The rules of a plain building game read ranks and suits only; a rule that reads the card's
    // place in the pack (the card-order rules) or its deck (matching a card with its twin) does not.
    t.decksAlike =
        family == 0 && s.Attr(attr::CardsInPlay) > 52 && s.Attr(attr::CardsInPlay) <= 104 && s.Attr(381) == 0;
    for (int f = 0; f < FoundationsInPlay(s); ++f)
        t.decksAlike &= s.Attr(attr::FoundationRule + f) != 94 && s.Attr(attr::FoundationRule + f) != 95;
    for (int i = 0; i < TableauInPlay(s); ++i)
        t.decksAlike &= s.Attr(attr::TableauRule + i) != 94 && s.Attr(attr::TableauRule + i) != 95;
    bool plainRules = family == 0;
    for (int i = 0; i < TableauInPlay(s); ++i)
        plainRules &= s.Attr(attr::TableauRule + i) < 4;
    for (int j = 0; j < ReservesInPlay(s); ++j)
        plainRules &= !ReserveBuilds(s.Attr(attr::ReserveKind + j));
    if (plainRules && TableauInPlay(s) > 0) {
        const int last = FaceCount(s);
        t.builders.assign(static_cast<size_t>(last + 1), {});
        std::vector<std::tuple<int, int, int, int>> kinds; // the distinct rules of the piles
        std::vector<int> first;
        for (int i = 0; i < TableauInPlay(s); ++i) {
            const auto k = std::make_tuple(s.Attr(attr::TableauEmpty + i), s.Attr(attr::TableauDir + i),
                                           s.Attr(attr::TableauRule + i), s.Attr(attr::TableauWrap + i));
            if (std::find(kinds.begin(), kinds.end(), k) == kinds.end())
                kinds.push_back(k), first.push_back(i);
        }
        for (int c = 1; c <= last; ++c)
            for (int d = 1; d <= last; ++d)
                for (int i : first)
                    if (RuleBuilds(s, i, c, d)) {
                        t.builders[static_cast<size_t>(c)].push_back(static_cast<std::int16_t>(d));
                        break;
                    }
    }
    t.safeHome = FoundationsInPlay(s) > 0;
    for (int f = 0; f < FoundationsInPlay(s); ++f)
        t.safeHome &= s.Attr(attr::FoundationBase + f) == 1 && s.Attr(attr::FoundationDir + f) == 1 &&
                      s.Attr(attr::FoundationRule + f) == 0;
    return t;
}

// The position as a key for the positions already seen: the piles of one class sorted, so that
// positions differing only in the order of interchangeable piles count once.
std::uint64_t CanonicalKey(const Session& s, const GameTraits& t) {
    std::string key;
    key.reserve(500);
    // A pile as the key holds it: its content, or, where the two decks are alike, each card as
    // its card of the first deck and its face, so that the two copies of a card count as one.
    auto pile = [&](std::string& out, std::string_view p) {
        if (!t.decksAlike) {
            out.append(p);
            return;
        }
        for (int k = 0, n = PileSize(p); k < n; ++k) {
            const int c = PileCard(p, k);
            out.push_back(static_cast<char>(FirstDeckCard(c)));
            out.push_back(c > 0 && s.Cards.CardIsHidden(c) ? '0' : '1');
        }
    };
    // Of a pile whose lower cards can never be played again only the top card and the size count.
    auto topOnly = [&](const std::string& p) {
        key.push_back(static_cast<char>(PileSize(p)));
        if (p.size() >= 3)
            pile(key, std::string_view(p).substr(p.size() - 3));
        key.push_back(kPileSeparator);
    };
    const std::string &stock = s.Piles.StockPiles[0], &waste = s.Piles.StockPiles[1];
    std::string faces;
    if (!t.decksAlike)
        for (int n = 1, last = FaceCount(s); n <= last; ++n)
            faces += s.Cards.CardIsHidden(n) ? '0' : '1';
    if (t.cycleStock) {
        // Clicks turn the stock's top card onto the waste, and an empty stock takes the waste back
        // in the same order: the waste from its bottom on, then the stock from its top down, is
        // the one order every click keeps. Where it is split, and so which of those cards lie face
        // down, the search can change at will by clicking.
        std::string order = waste;
        for (int k = PileSize(stock) - 1; k >= 0; --k)
            order.append(stock, static_cast<size_t>(3 * k), 3);
        if (t.decksAlike) {
            for (int k = 0, n = PileSize(order); k < n; ++k) {
                const int c = PileCard(order, k);
                key.push_back(static_cast<char>(FirstDeckCard(c)));
            }
        } else {
            key.append(order);
            for (int k = 0, n = PileSize(order); k < n; ++k)
                if (const int c = PileCard(order, k); c > 0 && c <= static_cast<int>(faces.size()))
                    faces[static_cast<size_t>(c - 1)] = '-';
        }
    } else {
        pile(key, stock);
        key.push_back(kPileSeparator);
        pile(key, waste);
    }
    key.push_back(kPileSeparator);
    topOnly(s.Piles.StockPiles[2]);
    for (const auto& p : s.Piles.FoundationPiles)
        if (t.foundationsTopOnly)
            topOnly(p);
        else {
            pile(key, p);
            key.push_back(kPileSeparator);
        }
    auto piles = [&](const auto& contents, const std::vector<int>& cls) {
        std::vector<std::pair<int, std::string>> order;
        for (size_t i = 0; i < cls.size(); ++i) {
            order.emplace_back(cls[i] < 0 ? -1 - static_cast<int>(i) : cls[i], std::string());
            pile(order.back().second, contents[i]);
        }
        std::sort(order.begin(), order.end());
        for (const auto& [c, p] : order) {
            key.push_back(static_cast<char>(c));
            key.append(p).push_back(kPileSeparator);
        }
    };
    piles(s.Piles.TableauPiles, t.tableauClass);
    piles(s.Piles.ReservePiles, t.reserveClass);
    key += faces;
    if (t.keepsRedeals)
        key += std::to_string(s.Game.RedealCount);
    key += std::to_string(s.Game.OnceUsed);
    for (auto v : s.StateValues) {
        key.push_back(',');
        key += std::to_string(v);
    }
    for (auto f : s.StateFlags)
        key += char('0' + (f != 0));
    return std::hash<std::string>{}(key);
}

// A press and release on the stock, as the table gives them.
bool ClickStock(Session& s) {
    int x = 0, y = 0;
    if (!PilePosition(s, "Mazzo", x, y))
        return false;
    // A click that changed the table recorded a step; one on the stock alone is seen there too.
    const long recorded = s.History.Recorded;
    const std::string stock = s.Piles.StockPiles[0], waste = s.Piles.StockPiles[1];
    OnTablePress(s, kLeftButton, 0, x + 1, y + 1);
    OnTableRelease(s, x + 1, y + 1);
    return s.History.Recorded != recorded || s.Piles.StockPiles[0] != stock || s.Piles.StockPiles[1] != waste;
}

// A press and release on the top card of a tableau pile or reserve, where it shows on the table.
bool ClickCard(Session& s, int card) {
    const int loc = CardLocation(s, card);
    std::string pile;
    if (LocIsTableau(loc))
        pile = PileName("Fila", LocTableauIndex(loc) + 1);
    else if (LocIsReserve(loc))
        pile = PileName("Appogg", LocReserveIndex(loc) + 1);
    else
        return false;
    const std::string before = *s.Piles.Find(pile);
    const int skip = PileSize(before) - 1 - PileFind(before, card);
    const int left = CardPlaceX(s, pile, skip, false), top = CardPlaceY(s, pile, skip, false);
    for (int dy = 2; dy < s.Metrics.CardHeight; dy += 3)
        for (int dx = 2; dx < s.Metrics.CardWidth; dx += 5)
            if (HitTest(s, left + dx, top + dy, false).card == card) {
                OnTablePress(s, kLeftButton, 0, left + dx, top + dy);
                OnTableRelease(s, left + dx, top + dy);
                return *s.Piles.Find(pile) != before;
            }
    return false;
}

bool IsHomeMove(const std::string& to) {
    return PileKind(to) == kFoundationKind;
}

// Foundation moves that can never be wrong: the card's rank is at most one above every
// foundation's (nothing left out can still need it to build on), or it is an ace or a two, or
// every card the tableau's rules would build on it is home already.
// Without a tableau any card that a foundation takes goes there: no card kept back could take
// another on it. A card that foundations of different rules all take is left to the search.
// Played one after another until none is left; each is added to `moves`.
void PlaySafeHomeMoves(Session& s, const GameTraits& t, std::vector<SolverMove>& moves) {
    if (!t.safeHome && !t.anyHome)
        return;
    for (bool again = true; again && !SearchGameWon(s);) {
        again = false;
        int least = 99;
        for (int f = 0; f < FoundationsInPlay(s); ++f)
            least = std::min(least, PileSize(s.Piles.FoundationPiles[static_cast<size_t>(f)]));
        std::vector<int> tops;
        for (int i = 0; i < TableauInPlay(s); ++i)
            tops.push_back(PileTop(s.Piles.TableauPiles[static_cast<size_t>(i)]));
        for (int j = 0; j < ReservesInPlay(s); ++j)
            tops.push_back(PileTop(s.Piles.ReservePiles[static_cast<size_t>(j)]));
        tops.push_back(PileTop(s.Piles.StockPiles[1]));
        std::vector<bool> home;
        auto neededByNone = [&](int card) {
            if (t.builders.empty() || static_cast<size_t>(card) >= t.builders.size())
                return false;
            if (home.empty()) {
                home.assign(t.builders.size(), false);
                for (const auto& f : s.Piles.FoundationPiles)
                    for (int k = 0, n = PileSize(f); k < n; ++k)
                        if (const int c = PileCard(f, k); c > 0 && static_cast<size_t>(c) < home.size())
                            home[static_cast<size_t>(c)] = true;
            }
            for (int d : t.builders[static_cast<size_t>(card)])
                if (!home[static_cast<size_t>(d)])
                    return false;
            return true;
        };
        s.DragHeight = s.Metrics.CardHeight;
        for (int card : tops) {
            if (card <= 0 || s.Cards.CardIsHidden(card) ||
                (!t.anyHome && CardRank(card) > std::max(2, least + 1) && !neededByNone(card)))
                continue;
            // Where two foundations that are not alike both take the card, which one gets it is a
            // choice the search must try both ways (a card built down on one foundation may be
            // the one another needs next). Alike ones: the first that takes it.
            std::string to;
            int taking = 0;
            for (int f = 1; f <= FoundationsInPlay(s) && taking < (t.homesAlike ? 1 : 2); ++f)
                if (std::string name = PileName("Dest", f); PileAccepts(s, card, name)) {
                    if (++taking == 1)
                        to = std::move(name);
                }
            if (taking == 1 && DropOnNamedPile(s, card, to)) {
                moves.push_back({card, to});
                again = true;
            }
            if (again)
                break;
        }
    }
}

// The processor time this thread has used: a budget in seconds gives the same search on a busy
// machine as on an idle one.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
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
    // A foundation gives up only its top card, and only where the game lets a press lift it; the
    // waste only its top card, when the game lets it be taken; the stock none.
    if (LocIsFoundation(loc)) {
        const std::string& home = s.Piles.FoundationPiles[static_cast<size_t>(LocFoundationIndex(loc))];
        if (PileTop(home) != card || !FoundationCardLifts(s, card, PileSize(home)))
            return false;
    }
    if (loc == kLocWaste && (PileTop(s.Piles.StockPiles[1]) != card || s.Attr(attr::WasteLocked) != 0))
        return false;
    if (loc == kLocStock)
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

bool PlaySolverMove(Session& s, const SolverMove& move) {
    if (move.card == 0 && move.to == "Mazzo")
        return ClickStock(s);
    if (move.to == "Mazzo_Waste")
        return ClickCard(s, move.card);
    if (const int distance = RowMoveDistance(move.to))
        return PlayRowMove(s, move.card, distance);
    return DropOnNamedPile(s, move.card, move.to);
}

bool SearchGameWon(const Session& s) {
    return s.Flag(GameEndHandled) || s.Flag(GameWon);
}

namespace {

// A position a search may go on from: its snapshot, the moves that reach it from the position the
// search was asked about, and its distance from a win.
struct Line {
    std::string snapshot;
    std::vector<SolverMove> moves;
    int distance = 0;
};

// How one run of the search looks at positions.
struct RunOrder {
    bool dive = false;    // one line followed down, the nearest-looking move first
    bool noStock = false; // the stock is left alone: the run stays between two deals
    size_t keep = 0;      // the nearest positions seen, handed back to go on from
};

struct RunResult {
    bool won = false;
    bool exhausted = false;        // every position the run could reach was looked at
    bool stopped = false;          // the caller's stop answered
    std::vector<SolverMove> moves; // the win, from the run's first position
    std::vector<Line> best;        // with `keep`: the nearest positions seen, nearest first
};

// The runs of one search share the session, what is known of the game, and the budget.
struct Searcher {
    Session& s;
    const SolverBudget& budget;
    const GameTraits traits;
    const double started;
    long positions = 0; // expanded by every run so far
    bool ranked = false;
    int weight = 3;

    Searcher(Session& session, const SolverBudget& b, double start)
        : s(session), budget(b), traits(Traits(session)), started(start) {
        ranked = FoundationsInPlay(s) > 0 || PileSize(s.Piles.StockPiles[2]) > 0 || PuzzleDistance(s) >= 0;
        // A small ordering puzzle weighs its steps once against the moves made: as no win lies
        // nearer than its steps, the first win found is one of the shortest. A larger board weighs
        // them three times, which finds a win in far fewer positions, though not always the
        // shortest; a board larger than four by four weighs them eight times, close to a greedy
        // search, since its positions are too many for any search that still looks for short wins.
        const int cells = TableauInPlay(s);
        weight = PuzzleDistance(s) < 0 ? 3 : cells > 16 ? 8 : cells > 9 ? 3 : 1;
    }

    bool OutOfTime(double seconds) const { return budget.seconds > 0 && ThreadSeconds() - started > seconds; }

    RunResult Run(const std::string& start, const RunOrder& order, long limit, double seconds);
    RunResult ByDeals(const std::string& start, long limit, double seconds, long stretch);
};

// One search from the position `start`, until a win, the end of what it can reach, `limit`
// positions expanded by all runs together, or `seconds` of processor time since the search began.
// Positions are taken most promising first: least distance from a win (counted `weight` times)
// plus the moves made, among equals the newest, so that a promising line is followed down. A dive
// takes the deepest position first instead, and of the moves from one position the one to the
// nearest-looking position first, among equals in the order they were listed (home moves first,
// the stock last).
RunResult Searcher::Run(const std::string& start, const RunOrder& order, long limit, double seconds) {
    RunResult out;
    struct Node {
        std::string snapshot;
        int parent;
        std::vector<SolverMove> moves; // from the parent's position to this one
        int depth;
        int distance;
    };
    std::vector<Node> nodes;
    std::unordered_set<std::uint64_t> seen;
    using Entry = std::tuple<std::int64_t, int>;
    auto later = [](const Entry& a, const Entry& b) {
        return std::get<0>(a) != std::get<0>(b) ? std::get<0>(a) > std::get<0>(b)
                                                : std::get<1>(a) < std::get<1>(b);
    };
    std::priority_queue<Entry, std::vector<Entry>, decltype(later)> open(later);
    int sibling = 0; // moves tried so far from the position being expanded
    auto priority = [&](int depth, int distance) -> std::int64_t {
        if (order.dive)
            return std::int64_t(distance) * 4096 + sibling++ - (std::int64_t(depth) << 32);
        return ranked ? weight * distance + depth : depth;
    };
    Restore(s, start);
    nodes.push_back({start, -1, {}, 0, ranked ? Distance(s) : 0});
    seen.insert(CanonicalKey(s, traits));
    int won = SearchGameWon(s) ? 0 : -1;
    open.emplace(priority(0, nodes[0].distance), 0);

    // Plays `line` from the position `snapshot`; a new position is queued (or is the win).
    // `line` is played from `snapshot`, which `played` moves (already in the line) reached.
    // The position the session holds, when it is that of a snapshot: no need to restore it.
    const std::string* holds = nullptr;
    auto tryLine = [&](const std::string& snapshot, int parent, std::vector<SolverMove> line,
                       size_t played = 0) {
        if (holds != &snapshot)
            Restore(s, snapshot);
        holds = nullptr;
        for (size_t k = played; k < line.size(); ++k)
            if (!PlaySolverMove(s, line[k]))
                return;
        PlaySafeHomeMoves(s, traits, line);
        if (!seen.insert(CanonicalKey(s, traits)).second)
            return;
        const int depth = nodes[static_cast<size_t>(parent)].depth + 1;
        const int id = static_cast<int>(nodes.size());
        const int distance = ranked ? Distance(s) : 0;
        nodes.push_back({Snapshot(s), parent, std::move(line), depth, distance});
        if (SearchGameWon(s))
            won = id;
        else
            open.emplace(priority(depth, distance), id);
    };

    // Where any face-up run may be lifted, part of a run moved onto a pile whose top takes the
    // same cards as the card it leaves behind only swaps those two cards, and whatever either
    // could do the run on the other can do as well: worth a move only when the card left behind
    // can then go home.
    std::unordered_map<std::uint64_t, bool> alike;
    auto takeAlike = [&](int a, int x, int b, int y) {
        const std::uint64_t key =
            ((std::uint64_t(a) * 64 + std::uint64_t(b)) << 32) | (std::uint64_t(x) << 16) | std::uint64_t(y);
        if (const auto at = alike.find(key); at != alike.end())
            return at->second;
        bool same = true;
        for (int d = 1, last = FaceCount(s); d <= last && same; ++d)
            same = RuleBuilds(s, a, x, d) == RuleBuilds(s, b, y, d);
        alike.emplace(key, same);
        return same;
    };
    auto splitsRunIdly = [&](const LegalMove& m) {
        if (PileKind(m.from) != kTableauKind || PileKind(m.to) != kTableauKind)
            return false;
        const std::string* from = s.Piles.Find(m.from);
        const std::string* to = s.Piles.Find(m.to);
        if (!from || !to || to->empty())
            return false;
        const int at = PileFind(*from, m.card);
        const int a = PileNumber(m.from) - 1, b = PileNumber(m.to) - 1;
        if (at <= 0)
            return false;
        const int x = PileCard(*from, at - 1), y = PileTop(*to);
        if (!Builds(s, a, x, m.card) || !takeAlike(a, x, b, y))
            return false;
        s.DragHeight = s.Metrics.CardHeight;
        for (int f = 1; f <= FoundationsInPlay(s); ++f)
            if (PileAccepts(s, x, PileName("Dest", f)))
                return false;
        return true;
    };

    while (won < 0 && !open.empty()) {
        if (positions >= limit || ((positions & 63) == 0 && OutOfTime(seconds)))
            break;
        if (budget.stop && budget.stop()) {
            out.stopped = true;
            break;
        }
        ++positions;
        sibling = 0;
        const int here = std::get<1>(open.top());
        open.pop();
        const std::string snapshot = nodes[static_cast<size_t>(here)].snapshot;
        Restore(s, snapshot);
        holds = &snapshot;
        std::vector<LegalMove> legal = ListLegalMoves(s);
        // Moves home first, then the rest as the engine lists them.
        std::stable_partition(legal.begin(), legal.end(),
                              [](const LegalMove& m) { return IsHomeMove(m.to); });
        std::vector<int> tops;
        if (traits.clicksCards)
            for (int i = 0; i < TableauInPlay(s); ++i)
                if (const int c = PileTop(s.Piles.TableauPiles[static_cast<size_t>(i)]); c > 0)
                    tops.push_back(c);
        // A whole pile moved into an empty one of its kind changes nothing.
        std::erase_if(legal, [&](const LegalMove& m) {
            const std::string* from = s.Piles.Find(m.from);
            const std::string* to = s.Piles.Find(m.to);
            return PileKind(m.from) == kTableauKind && PileKind(m.to) == kTableauKind && to && to->empty() &&
                   from && PileFind(*from, m.card) == 0 &&
                   traits.tableauClass[static_cast<size_t>(PileNumber(m.from) - 1)] >= 0 &&
                   traits.tableauClass[static_cast<size_t>(PileNumber(m.from) - 1)] ==
                       traits.tableauClass[static_cast<size_t>(PileNumber(m.to) - 1)];
        });
        if (traits.freeRuns)
            std::erase_if(legal, [&](const LegalMove& m) { return splitsRunIdly(m); });
        for (const LegalMove& m : legal) {
            tryLine(snapshot, here, {{m.card, m.to}});
            if (won >= 0)
                break;
        }
        for (int card : tops) {
            if (won >= 0)
                break;
            tryLine(snapshot, here, {{card, "Mazzo_Waste"}});
        }
        if (won >= 0)
            break;
        if (order.noStock)
            continue;
        if (!traits.cycleStock) {
            tryLine(snapshot, here, {{0, "Mazzo"}});
            continue;
        }
        // A waste turned over without limit: every card the clicks bring to the top of the waste
        // is played from there, the clicks and the move together one step.
        Restore(s, snapshot);
        holds = nullptr;
        std::vector<SolverMove> clicks;
        std::vector<std::string> targets;
        for (int f = 1; f <= FoundationsInPlay(s); ++f)
            targets.push_back(PileName("Dest", f));
        for (int i = 1; i <= TableauInPlay(s); ++i)
            targets.push_back(PileName("Fila", i));
        // The piles that take each card of the stock and the waste, judged before any click: the
        // clicks only turn cards over, so the piles stay as they are. The clicks stop once every
        // card that some pile takes has been on top of the waste.
        s.DragHeight = s.Metrics.CardHeight;
        std::vector<std::vector<const std::string*>> takers(kCardCount + 1);
        int waiting = 0;
        for (int w = 0; w < 2; ++w) {
            const std::string& p = s.Piles.StockPiles[static_cast<size_t>(w)];
            for (int k = 0; k < PileSize(p); ++k) {
                const int card = PileCard(p, k);
                if (card <= 0 || card > kCardCount)
                    continue;
                for (const std::string& target : targets)
                    if (PileAccepts(s, card, target))
                        takers[static_cast<size_t>(card)].push_back(&target);
                waiting += takers[static_cast<size_t>(card)].empty() ? 0 : 1;
            }
        }
        clicks.reserve(2 * kCardCount + 2);
        const std::string firstStock = s.Piles.StockPiles[0], firstWaste = s.Piles.StockPiles[1];
        for (int k = 0; k < 2 * kCardCount && won < 0 && waiting > 0; ++k) {
            if (!ClickStock(s))
                break;
            clicks.push_back({0, "Mazzo"});
            if (s.Piles.StockPiles[0] == firstStock && s.Piles.StockPiles[1] == firstWaste)
                break;
            const int card = PileTop(s.Piles.StockPiles[1]);
            if (card <= 0 || card > kCardCount || takers[static_cast<size_t>(card)].empty())
                continue;
            --waiting;
            const std::string turned = Snapshot(s);
            for (const std::string* target : takers[static_cast<size_t>(card)]) {
                std::vector<SolverMove> line;
                line.reserve(clicks.size() + 8);
                line = clicks;
                line.push_back({card, *target});
                tryLine(turned, here, std::move(line), clicks.size());
                if (won >= 0)
                    break;
            }
            takers[static_cast<size_t>(card)].clear();
            Restore(s, turned);
        }
    }

    out.won = won >= 0;
    out.exhausted = won < 0 && open.empty();
    auto lineTo = [&](int k) {
        std::vector<int> chain;
        for (; k > 0; k = nodes[static_cast<size_t>(k)].parent)
            chain.push_back(k);
        std::vector<SolverMove> moves;
        for (auto at = chain.rbegin(); at != chain.rend(); ++at)
            for (const SolverMove& m : nodes[static_cast<size_t>(*at)].moves)
                moves.push_back(m);
        return moves;
    };
    if (won >= 0) {
        out.moves = lineTo(won);
    } else if (order.keep > 0) {
        std::vector<int> ids(nodes.size());
        for (size_t k = 0; k < ids.size(); ++k)
            ids[k] = static_cast<int>(k);
        const size_t n = std::min(order.keep, ids.size());
        std::partial_sort(
            ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(n), ids.end(), [&](int a, int b) {
                return nodes[static_cast<size_t>(a)].distance < nodes[static_cast<size_t>(b)].distance;
            });
        for (size_t k = 0; k < n; ++k) {
            Node& node = nodes[static_cast<size_t>(ids[k])];
            out.best.push_back({std::move(node.snapshot), lineTo(ids[k]), node.distance});
        }
    }
    return out;
}

constexpr size_t kKeep = 10; // positions dealt from, of each search between two deals
constexpr size_t kBeam = 20; // positions kept for the next deal

// A game whose stock deals onto the tableau, searched deal by deal, as a player plays it: from
// each position kept, the moves on the table (the stock left alone) are searched a while, and
// the nearest positions found are dealt from; of all the dealt positions the nearest few are
// kept for the next round. Once the stock is empty, the search from a kept position goes on to
// the end of its share. No round looks at every position, so a deal is never called lost here.
// `stretch` positions are searched from each kept position.
RunResult Searcher::ByDeals(const std::string& start, long limit, double seconds, long stretch) {
    RunResult out;
    std::vector<Line> round{{start, {}, 0}};
    while (!round.empty() && positions < limit && !OutOfTime(seconds)) {
        std::vector<Line> next;
        std::unordered_set<std::uint64_t> dealt;
        for (const Line& from : round) {
            Restore(s, from.snapshot);
            const bool last = PileSize(s.Piles.StockPiles[0]) == 0;
            RunOrder order;
            order.noStock = true;
            order.keep = last ? 0 : kKeep;
            RunResult r =
                Run(from.snapshot, order, std::min(limit, positions + (last ? 5 : 1) * stretch), seconds);
            if (r.stopped || r.won) {
                out.stopped = r.stopped;
                out.won = r.won;
                if (r.won) {
                    out.moves = from.moves;
                    out.moves.insert(out.moves.end(), r.moves.begin(), r.moves.end());
                }
                return out;
            }
            for (Line& kept : r.best) {
                Restore(s, kept.snapshot);
                std::vector<SolverMove> deal{{0, "Mazzo"}};
                if (!ClickStock(s))
                    continue;
                PlaySafeHomeMoves(s, traits, deal);
                if (!dealt.insert(CanonicalKey(s, traits)).second)
                    continue;
                Line line{Snapshot(s), from.moves, Distance(s)};
                line.moves.insert(line.moves.end(), kept.moves.begin(), kept.moves.end());
                line.moves.insert(line.moves.end(), deal.begin(), deal.end());
                if (SearchGameWon(s)) {
                    out.won = true;
                    out.moves = std::move(line.moves);
                    return out;
                }
                next.push_back(std::move(line));
            }
            if (positions >= limit || OutOfTime(seconds))
                break;
        }
        std::stable_sort(next.begin(), next.end(),
                         [](const Line& a, const Line& b) { return a.distance < b.distance; });
        if (next.size() > kBeam)
            next.resize(kBeam);
        round = std::move(next);
    }
    return out;
}

} // namespace

SolverResult SolveFromCurrentPosition(Session& s, const SolverBudget& budget,
                                      std::vector<SolverMove>& moves) {
    // Games played by pressing cards search their own moves: groups of cards and the stock.
    const double started = ThreadSeconds();
    if (PlaysBySelection(s)) {
        // Held to the same budget in seconds and the same stop as the search below.
        auto stop = [&] {
            return (budget.stop && budget.stop()) ||
                   (budget.seconds > 0 && ThreadSeconds() - started > budget.seconds);
        };
        SolverResult found;
        found.won = FindSelectionWin(s, budget.positions, moves, stop);
        found.seconds = ThreadSeconds() - started;
        return found;
    }
    // The search plays unseen and leaves no trace: no view, its own history, the parameters
    // (the score among them) put back at the end.
    TableView* const view = s.view;
    s.view = nullptr;
    MoveHistory history = std::move(s.History);
    s.History = MoveHistory{};
    // The whole search is one action of the player's: the presses and drops inside it keep no
    // table to take back, which would cost a copy of the table each.
    ++s.History.ActionDepth;
    const auto params = s.Params;
    const std::string start = Snapshot(s);
    Searcher search(s, budget, started);

    // The budget is shared by two searches. The first takes the most promising position first.
    // Where that spreads itself over many positions that look alike (two decks, one pass through
    // the stock), the second, given the other half, gets further: a dive, which plays one line
    // out as far as it goes before turning back, or, where the stock deals onto the tableau, a
    // search deal by deal. A game without foundations, searched breadth first for its shortest
    // win, dives in the moves' own order (a grid to fill is filled card by card). Ordering puzzles
    // keep the first search alone: it already goes by the steps their cards have left.
    const bool second = PuzzleDistance(s) < 0;
    RunResult r = search.Run(start, {}, second ? std::max(1L, budget.positions / 2) : budget.positions,
                             second ? budget.seconds / 2 : budget.seconds);
    if (second && !r.won && !r.exhausted && !r.stopped) {
        if (search.traits.dealsToTableau && search.ranked) {
            // The positions the rest of the budget affords, at the pace of the first search, are
            // spread over the rounds still to come, each with its kept positions.
            const double spent = ThreadSeconds() - started;
            double share = static_cast<double>(budget.positions - search.positions);
            if (budget.seconds > 0)
                share = std::min(share, static_cast<double>(search.positions) / std::max(spent, 1e-3) *
                                            (budget.seconds - spent));
            Restore(s, start);
            const int rounds = PileSize(s.Piles.StockPiles[0]) / std::max(1, TableauInPlay(s)) + 1;
            const long stretch =
                std::max(100L, static_cast<long>(share / (rounds * static_cast<double>(kBeam))));
            r = search.ByDeals(start, budget.positions, budget.seconds, stretch);
        } else {
            RunOrder dive;
            dive.dive = true;
            r = search.Run(start, dive, budget.positions, budget.seconds);
        }
    }

    Restore(s, start);
    s.History = std::move(history);
    s.Params = params;
    s.view = view;
    SolverResult result;
    result.won = r.won;
    result.exhausted = r.exhausted;
    result.positions = search.positions;
    result.seconds = ThreadSeconds() - started;
    moves = std::move(r.moves);
    return result;
}

bool FindWinningMoves(Session& s, long budget, std::vector<SolverMove>& moves) {
    return FindWinningMoves(s, budget, moves, {});
}

bool FindWinningMoves(Session& s, long budget, std::vector<SolverMove>& moves,
                      const std::function<bool()>& stop) {
    SolverBudget b;
    b.positions = budget;
    b.stop = stop;
    return SolveFromCurrentPosition(s, b, moves).won;
}

} // namespace quillon
