#include "engine/SelectionSearch.h"

#include "engine/Autoplay.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/PointerInput.h"
#include "engine/SelectionGames.h"
#include "engine/Solver.h"
#include "model/Cards.h"
#include "model/Session.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <unordered_set>

namespace quillon {

namespace {

int Family(const Session& s) {
    return s.Attr(attr::Family);
}
bool OneOf(int v, std::initializer_list<int> list) {
    return std::find(list.begin(), list.end(), v) != list.end();
}
bool Memory(const Session& s) {
    return OneOf(Family(s), {36, 37, 39});
}
bool Sum(const Session& s) {
    return OneOf(Family(s), {3, 4, 67});
}

// Where a card lies (the selection's copy left aside): the pile's name, empty when nowhere.
std::string PileOf(const Session& s, int card) {
    for (const char* name : {"Mazzo", "Mazzo_Vis"})
        if (PileFind(*s.Piles.Find(name), card) >= 0)
            return name;
    for (int k = 1; k <= TableauInPlay(s); ++k)
        if (PileFind(s.Piles.TableauPiles[static_cast<size_t>(k - 1)], card) >= 0)
            return PileName("Fila", k);
    for (int k = 2; k <= FoundationsInPlay(s); ++k)
        if (PileFind(s.Piles.FoundationPiles[static_cast<size_t>(k - 1)], card) >= 0)
            return PileName("Dest", k);
    for (int k = 1; k <= ReservesInPlay(s); ++k)
        if (PileFind(s.Piles.ReservePiles[static_cast<size_t>(k - 1)], card) >= 0)
            return PileName("Appogg", k);
    return {};
}

} // namespace

void PressSelectionCard(Session& s, int card) {
    const std::string pile = PileOf(s, card);
    if (pile == "Mazzo") {
        if (s.Attr(41) != 0)
            SelectionPress(s, kLeftButton, pile, card);
        else if (s.Play.StockClick)
            s.Play.StockClick(s);
    } else if (!pile.empty()) {
        SelectionPress(s, kLeftButton, pile, card);
    }
}

void PressSelectionStock(Session& s) {
    if (s.Attr(41) != 0)
        SelectionPress(s, kLeftButton, "Mazzo", s.TopCard("Mazzo"));
    else if (s.Play.StockClick)
        s.Play.StockClick(s);
    OnTableRelease(s, 0, 0);
}

namespace {

// Everything a press can change, as one text.
std::string Key(const Session& s) {
    std::string key;
    key.reserve(700);
    s.Piles.ForEach([&](const std::string& p) {
        key += p;
        key += '|';
    });
    for (int n = 1; n <= kCardCount; ++n)
        key += s.Cards.CardIsHidden(n) ? '0' : '1';
    key += '|' + std::to_string(s.Game.OnceUsed) + ',' + std::to_string(s.Game.CardsTurnedBack) + ',' +
           std::to_string(s.Game.RedealCount);
    return key;
}

struct Position {
    PileLists piles;
    std::string faces;
    std::int16_t once, turnedBack, redeals, moves, started, pressed;
    std::array<std::uint8_t, 10> flags;
    std::array<std::int32_t, 4> values;
    std::string score;
};

Position Save(const Session& s) {
    Position p{s.Piles,
               std::string(kCardCount, '1'),
               s.Game.OnceUsed,
               s.Game.CardsTurnedBack,
               s.Game.RedealCount,
               s.Game.MovesMade,
               s.Game.GameStarted,
               s.Game.StockPressed,
               s.StateFlags,
               s.StateValues,
               s.Params.ReadParam(param::Score, 6)};
    for (int n = 1; n <= kCardCount; ++n)
        p.faces[static_cast<size_t>(n - 1)] = s.Cards.CardIsHidden(n) ? '0' : '1';
    return p;
}

void Restore(Session& s, const Position& p) {
    s.Piles = p.piles;
    for (int n = 1; n <= kCardCount; ++n)
        s.Cards.SetCardFace(n, p.faces[static_cast<size_t>(n - 1)]);
    s.Game.OnceUsed = p.once, s.Game.CardsTurnedBack = p.turnedBack, s.Game.RedealCount = p.redeals;
    s.Game.MovesMade = p.moves, s.Game.GameStarted = p.started, s.Game.StockPressed = p.pressed;
    s.StateFlags = p.flags;
    s.StateValues = p.values;
    s.Params.WriteParam(param::Score, 6, p.score);
}

// The cards a press may select in a game that selects through SelectCard: face-up cards of the
// piles the family takes from.
std::vector<int> Candidates(const Session& s) {
    std::vector<int> out;
    const int family = Family(s);
    const bool tableauOnly = OneOf(family, {8, 20, 25, 26, 71, 75, 47, 57});
    // In squared piles only the top card shows, so only it can be pressed.
    const int fan = s.Attr(attr::TableauFan);
    const bool topsOnly = family == 14 || family == 16 || fan == 0 || fan == 3;
    auto add = [&](const std::string& pile, bool tops) {
        for (int k = 0; k < PileSize(pile); ++k) {
            const int c = PileCard(pile, k);
            if (c > 0 && !s.Cards.CardIsHidden(c) && (!tops || k == PileSize(pile) - 1))
                out.push_back(c);
        }
    };
    for (int k = 0; k < TableauInPlay(s); ++k)
        add(s.Piles.TableauPiles[static_cast<size_t>(k)], topsOnly);
    // Family 16 pairs the stock's top card too, when it lies face up.
    if (family == 16)
        add(s.Piles.StockPiles[0], true);
    if (tableauOnly && family != 41)
        return out;
    if (family == 41) {
        for (int k = 1; k < FoundationsInPlay(s); ++k)
            add(s.Piles.FoundationPiles[static_cast<size_t>(k)], true);
        return out;
    }
    for (int k = 0; k < ReservesInPlay(s); ++k)
        add(s.Piles.ReservePiles[static_cast<size_t>(k)], true);
    return out;
}

// Groups of up to `most` candidates (in table order) every prefix of which the rule accepts and
// which the rule then calls complete.
void Groups(Session& s, const std::vector<int>& cards, size_t most, std::vector<SelectionAction>& out) {
    std::vector<int> group;
    std::function<void(size_t)> extend = [&](size_t from) {
        for (size_t k = from; k < cards.size(); ++k) {
            group.push_back(cards[k]);
            const SelectionVerdict v = JudgeSelection(s, group);
            if (v == SelectionVerdict::Complete)
                out.push_back({group});
            else if (v == SelectionVerdict::Valid && group.size() < most)
                extend(k + 1);
            group.pop_back();
        }
    };
    extend(0);
}

// The cards a sum game may take now: free pyramid cards or pile tops, and the waste card; the
// stock's top card only joins a card already chosen.
std::vector<SelectionAction> SumActions(Session& s) {
    std::vector<SelectionAction> out;
    const int family = Family(s);
    const int target = family == 3 ? 14 : 13;
    std::vector<int> free;
    for (int k = 0; k < TableauInPlay(s); ++k) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(k)];
        for (int i = 0; i < PileSize(p); ++i) {
            const int c = PileCard(p, i);
            if (c <= 0)
                continue;
            if (family == 3 ? i == PileSize(p) - 1 : (family == 67 || IsFreePyramidCard(s, c)))
                free.push_back(c);
        }
    }
    if (int w = s.TopCard("Mazzo_Vis"); w > 0)
        free.push_back(w);
    const int stockTop = s.TopCard("Mazzo");
    std::string& sel = s.Piles.FoundationPiles[0];
    // Is `c` selectable with `first` (or nothing) already selected?
    auto selectable = [&](int c, int first) {
        const std::string kept = sel;
        sel = first > 0 ? CardText(first) : "";
        const bool ok = PileOf(s, c).rfind("Fila", 0) != 0 || family == 3 || IsFreePyramidCard(s, c);
        sel = kept;
        return ok;
    };
    for (size_t a = 0; a < free.size(); ++a) {
        const int ca = free[a];
        if (!selectable(ca, 0))
            continue;
        if (CardRank(ca) == target)
            out.push_back({{ca}});
        for (size_t b = 0; b < free.size(); ++b)
            if (b != a && CardRank(ca) + CardRank(free[b]) == target && (b > a || family == 67) &&
                selectable(free[b], ca))
                out.push_back({{ca, free[b]}});
        if (stockTop > 0 && CardRank(ca) + CardRank(stockTop) == target)
            out.push_back({{ca, stockTop}});
    }
    return out;
}

std::vector<SelectionAction> MemoryActions(Session& s) {
    std::vector<int> hidden;
    for (int k = 0; k < TableauInPlay(s); ++k) {
        const std::string& p = s.Piles.TableauPiles[static_cast<size_t>(k)];
        for (int i = 0; i < PileSize(p); ++i)
            if (int c = PileCard(p, i); c > 0 && s.Cards.CardIsHidden(c))
                hidden.push_back(c);
    }
    if (Family(s) == 36) {
        const std::string& seq = s.Piles.ReservePiles[0];
        for (int c : hidden)
            if ((seq.empty() && CardRank(c) == 1) ||
                (!seq.empty() && CardRank(c) == CardRank(PileTop(seq)) + 1))
                return {{{c}}};
        return {};
    }
    // With everything known, the first pair that matches is as good as any other.
    for (size_t a = 0; a < hidden.size(); ++a)
        for (size_t b = a + 1; b < hidden.size(); ++b)
            if (CardRank(hidden[a]) == CardRank(hidden[b]) &&
                (Family(s) != 37 || std::abs(hidden[a] - hidden[b]) == 52))
                return {{{hidden[a], hidden[b], hidden[a]}}};
    return {};
}

} // namespace

bool PlaysBySelection(const Session& s) {
    return IsSelectionGame(s) || Memory(s);
}

std::vector<SelectionAction> ListSelectionActions(Session& s) {
    std::vector<SelectionAction> out;
    if (Memory(s))
        return MemoryActions(s);
    const std::string kept = s.Piles.FoundationPiles[0];
    s.Piles.FoundationPiles[0].clear();
    if (Sum(s)) {
        out = SumActions(s);
    } else if (Family(s) != 33) {
        const int family = Family(s);
        // A court card of family 41 may take up to three number cards (2 + 3 + 6 for a Jack).
        const size_t most =
            OneOf(family, {1, 18, 24, 20, 41}) || !OneOf(family, {8, 14, 16, 17, 25, 26, 47, 57, 71, 75}) ? 4
            : OneOf(family, {17, 26})                                                                     ? 3
                                                                                                          : 2;
        Groups(s, Candidates(s), most, out);
        // Families 25 and 26 turn a face-down top card up with a press (when the game does not
        // turn it up by itself).
        if (family == 25 || family == 26)
            for (int k = 0; k < TableauInPlay(s); ++k)
                if (int top = PileTop(s.Piles.TableauPiles[static_cast<size_t>(k)]);
                    top > 0 && s.Cards.CardIsHidden(top))
                    out.push_back({{top}});
    }
    s.Piles.FoundationPiles[0] = kept;
    // The stock press, when it would change the table (family 16 only selects the stock's top
    // card with it, which the groups above already hold).
    if (Family(s) == 16)
        return out;
    const Position here = Save(s);
    const MoveHistory history = s.History;
    TableView* view = s.view;
    s.view = nullptr;
    const std::string before = Key(s);
    PressSelectionStock(s);
    if (Key(s) != before)
        out.push_back({});
    Restore(s, here);
    s.History = history;
    s.view = view;
    return out;
}

bool ApplySelectionAction(Session& s, const SelectionAction& action) {
    const std::string before = Key(s);
    if (action.cards.empty())
        PressSelectionStock(s);
    for (int c : action.cards) {
        if (!s.Flag(GameInPlay))
            break;
        PressSelectionCard(s, c);
    }
    return Key(s) != before;
}

std::string FormatSelectionAction(const SelectionAction& action) {
    if (action.cards.empty())
        return "Stock";
    std::string out = "Select";
    for (int c : action.cards)
        out += " " + CardText(c);
    return out;
}

namespace {

// Family 57: which row each card must end in so that every row meets its total (4 cards a row),
// found by trying the cards in turn; false when no split exists within the budget.
bool SplitIntoRows(const std::vector<int>& ranks, const std::array<int, 4>& targets, std::vector<int>& rowOf,
                   long& budget) {
    std::array<int, 4> sum{}, count{};
    rowOf.assign(ranks.size(), -1);
    // The high cards first: they fit fewest rows, so dead ends show early.
    std::vector<size_t> order(ranks.size());
    for (size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return ranks[a] > ranks[b]; });
    // Can every row still be closed: the cards left are at most `most` each.
    auto open = [&](int most) {
        for (size_t r = 0; r < 4; ++r) {
            const int need = targets[r] - sum[r], slots = 4 - count[r];
            if (need < slots || need > slots * most)
                return false;
        }
        return true;
    };
    std::function<bool(size_t)> place = [&](size_t at) -> bool {
        if (at == ranks.size())
            return sum == targets;
        if (--budget < 0)
            return false;
        const size_t k = order[at];
        const int next = at + 1 < ranks.size() ? ranks[order[at + 1]] : 0;
        for (size_t r = 0; r < 4; ++r) {
            if (count[r] == 4 || sum[r] + ranks[k] > targets[r])
                continue;
            // A row just like one tried before leads to the same positions.
            bool same = false;
            for (size_t q = 0; q < r; ++q)
                same = same || (targets[q] == targets[r] && sum[q] == sum[r] && count[q] == count[r]);
            if (same)
                continue;
            ++count[r];
            sum[r] += ranks[k];
            rowOf[k] = static_cast<int>(r);
            if ((next == 0 || open(next)) && place(at + 1))
                return true;
            --count[r];
            sum[r] -= ranks[k];
        }
        rowOf[k] = -1;
        return false;
    };
    return place(0);
}

// Family 57: the exchanges that bring every card into a row of the split, each a press on the two
// cards.
bool PlanRowTotals(Session& s, long budget, std::vector<SolverMove>& moves) {
    if (TableauInPlay(s) < 16)
        return false;
    std::vector<int> cards, ranks;
    for (int k = 0; k < 16; ++k) {
        const int c = PileCard(s.Piles.TableauPiles[static_cast<size_t>(k)], 0);
        if (c <= 0)
            return false;
        cards.push_back(c);
        ranks.push_back(CardRank(c));
    }
    const std::array<int, 4> targets = {s.Game.OnceUsed, s.Game.DealValues[0], s.Game.DealValues[1],
                                        s.Game.DealValues[2]};
    std::vector<int> rowOf;
    if (!SplitIntoRows(ranks, targets, rowOf, budget))
        return false;
    moves.clear();
    for (size_t i = 0; i < 16; ++i) {
        const int row = static_cast<int>(i / 4);
        if (rowOf[i] == row)
            continue;
        // A card of this row from further on; one that wants the other's row first.
        size_t pick = 16;
        for (size_t j = i + 1; j < 16; ++j) {
            if (rowOf[j] != row)
                continue;
            if (pick == 16)
                pick = j;
            if (static_cast<int>(j / 4) == rowOf[i]) {
                pick = j;
                break;
            }
        }
        if (pick == 16)
            return false;
        moves.push_back({cards[i], "Select"});
        moves.push_back({cards[pick], "Select"});
        std::swap(cards[i], cards[pick]);
        std::swap(rowOf[i], rowOf[pick]);
        // Another split may be met on the way: the game ends there.
        bool met = true;
        for (size_t r = 0; r < 4; ++r) {
            int total = 0;
            for (size_t k = 4 * r; k < 4 * r + 4; ++k)
                total += CardRank(cards[k]);
            met = met && total == targets[r];
        }
        if (met)
            break;
    }
    return !moves.empty();
}

} // namespace

bool FindSelectionWin(Session& s, long budget, std::vector<SolverMove>& moves,
                      const std::function<bool()>& stop) {
    if (Family(s) == 57)
        return PlanRowTotals(s, budget, moves);
    const Position start = Save(s);
    const MoveHistory history = s.History;
    auto record = s.Play.RecordGameResult;
    // Family 33 never moves a tableau card by a press: its tops go up by autoplay after each stock
    // click, so the search plays with autoplay on and the win it finds is replayed the same way.
    const Session::AutoplayCommandState autoplayMenu = s.AutoplayMenu;
    bool won = false;
    s.Play.RecordGameResult = [&won](Session&, int, const std::string&, bool, bool w) { won = won || w; };
    if (Family(s) == 33) {
        s.AutoplayMenu.Ticked = s.AutoplayMenu.Enabled = true;
        // The new deal's own autoplay, as the window runs it once the cards are dealt.
        AutoplaySteps(s);
    }
    std::unordered_set<std::string> seen;
    std::vector<SelectionAction> path;
    std::function<bool()> play = [&]() -> bool {
        // Won is what the end of the game recorded: a memory game's score may pass its mark before
        // the game ends.
        if (won)
            return true;
        // The caller's stop (a time limit, a player who moved on) is asked every 64 positions;
        // once it answers, the rest of the budget is dropped.
        if (stop && (budget & 63) == 0 && stop())
            budget = 0;
        if (--budget < 0 || !s.Flag(GameInPlay) || !seen.insert(Key(s)).second)
            return false;
        const Position here = Save(s);
        for (const SelectionAction& a : ListSelectionActions(s)) {
            s.History = MoveHistory{};
            if (ApplySelectionAction(s, a)) {
                path.push_back(a);
                if (play())
                    return true;
                path.pop_back();
            }
            Restore(s, here);
            won = false;
            if (budget < 0)
                return false;
        }
        return false;
    };
    const bool found = play();
    Restore(s, start);
    s.History = history;
    s.Play.RecordGameResult = record;
    s.AutoplayMenu = autoplayMenu;
    if (!found)
        return false;
    moves.clear();
    for (const SelectionAction& a : path) {
        if (a.cards.empty())
            moves.push_back({0, "Mazzo"});
        for (int c : a.cards)
            moves.push_back({c, "Select"});
    }
    // The last pair of a memory game ends the game as it is turned up: no press looks at it.
    if (Memory(s) && !path.empty() && path.back().cards.size() == 3)
        moves.pop_back();
    return true;
}

} // namespace quillon
