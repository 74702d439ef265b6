// replayfind: looks for a winning move list of a dealt game, for the recorded replays of the
// catalogue player. It reads the piles as "quillon-cli deal GAME CODE" prints them and searches a
// compact model of the game's rules (depth first, best moves first, positions seen once), then
// prints the moves as the replay table writes them: {card, "Pile"}, with {0, "Mazzo"} for a
// stock click. The recorded list is checked by replaying it through the program itself, so the
// model only needs to be right for the moves it finds.
//
//   quillon-cli deal 105 CODE | replayfind forty BUDGET
//   quillon-cli deal 106 CODE | replayfind spider BUDGET
//   quillon-cli deal 107 CODE | replayfind golf BUDGET
//
// A third argument gives the number of depth-first rounds (each later one with the move order
// shaken by the spread of the fourth argument); 0 asks for one best-first search instead, which
// expands the most advanced-looking position first.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

int Rank(int n) {
    return (n - 1) % 52 % 13 + 1;
}
int Suit(int n) {
    return (n - 1) % 52 / 13;
}

struct Pile {
    std::vector<int> cards;
    int down = 0; // face-down cards at the bottom
};

struct Move {
    int card;
    std::string to;
};

struct Position {
    std::vector<int> stock;    // top last
    std::vector<int> waste;    // top last (the second waste for Golf)
    std::vector<Pile> tableau; // 10 or 7 piles
    std::vector<std::vector<int>> foundations;
};

enum class Kind { Forty, Spider, Golf };

Position Read(std::istream& in) {
    Position p;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name.empty())
            continue;
        name.pop_back(); // the colon
        std::vector<int> cards;
        std::vector<bool> hidden;
        std::string w;
        while (words >> w) {
            cards.push_back(std::atoi(w.c_str()));
            hidden.push_back(w.back() == 'd');
        }
        if (name == "Mazzo")
            p.stock = cards;
        else if (name == "Mazzo_Vis" || name == "Mazzo_Waste")
            p.waste = cards.empty() ? p.waste : cards;
        else if (name.rfind("Dest", 0) == 0)
            p.foundations.push_back(cards);
        else if (name.rfind("Fila", 0) == 0) {
            Pile pile;
            pile.cards = cards;
            pile.down = static_cast<int>(std::count(hidden.begin(), hidden.end(), true));
            p.tableau.push_back(pile);
        }
    }
    return p;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

std::uint64_t Key(const Position& p) {
    std::vector<std::uint64_t> piles;
    for (const Pile& pile : p.tableau) {
        std::uint64_t h = static_cast<std::uint64_t>(pile.down) + 1;
        for (int c : pile.cards)
            h = Mix(h, static_cast<std::uint64_t>((c - 1) % 52 + 1)); // both decks alike
        piles.push_back(h);
    }
    std::sort(piles.begin(), piles.end());
    std::uint64_t h = p.stock.size() * 1000 + p.waste.size();
    for (auto v : piles)
        h = Mix(h, v);
    if (!p.waste.empty())
        h = Mix(h, static_cast<std::uint64_t>(p.waste.back()));
    for (const auto& f : p.foundations)
        h = Mix(h, f.size());
    return h;
}

void TurnUp(Pile& pile) {
    if (!pile.cards.empty() && pile.down >= static_cast<int>(pile.cards.size()))
        pile.down = static_cast<int>(pile.cards.size()) - 1;
}

struct Search {
    Kind kind = Kind::Forty;
    long budget = 0;
    unsigned noise = 0;       // random spread added to the move scores, for the restarts
    bool splitToGaps = false; // Spider: part of a run may go into a gap
    std::uint64_t seed = 1;
    std::unordered_set<std::uint64_t> seen;
    std::vector<Move> path;

    bool Won(const Position& p) const {
        if (!p.stock.empty())
            return false;
        if (kind == Kind::Forty && !p.waste.empty())
            return false;
        for (const Pile& pile : p.tableau)
            if (!pile.cards.empty())
                return false;
        return true;
    }

    // Spider: a king-to-ace run of one suit on top of a pile goes to the first empty foundation.
    void RemoveRun(Position& p, int i) {
        Pile& pile = p.tableau[static_cast<size_t>(i)];
        const int n = static_cast<int>(pile.cards.size());
        if (n < 13 || n - 13 < pile.down)
            return;
        const int top = pile.cards.back();
        for (int k = 0; k < 13; ++k) {
            const int c = pile.cards[static_cast<size_t>(n - 1 - k)];
            if (Rank(c) != k + 1 || Suit(c) != Suit(top))
                return;
        }
        for (auto& f : p.foundations)
            if (f.empty()) {
                f.assign(pile.cards.end() - 13, pile.cards.end());
                pile.cards.resize(static_cast<size_t>(n - 13));
                TurnUp(pile);
                return;
            }
    }

    int FoundationFor(const Position& p, int card) const {
        for (size_t k = 0; k < p.foundations.size(); ++k) {
            const auto& f = p.foundations[k];
            if (f.empty() ? Rank(card) == 1
                          : (Suit(f.back()) == Suit(card) && Rank(f.back()) + 1 == Rank(card)))
                return static_cast<int>(k);
        }
        return -1;
    }

    struct Try {
        int score;
        int from; // tableau pile, -1 waste, -2 stock
        int at;   // first card of the run
        int to;   // tableau pile, or 100 + foundation, or 200 the waste (Golf)
    };

    std::vector<Try> Moves(const Position& p) {
        std::vector<Try> out;
        const int n = static_cast<int>(p.tableau.size());
        if (kind == Kind::Golf) {
            const int w = p.waste.empty() ? 0 : p.waste.back();
            for (int i = 0; i < n; ++i) {
                const auto& c = p.tableau[static_cast<size_t>(i)].cards;
                if (c.empty() || w == 0 || std::abs(Rank(c.back()) - Rank(w)) != 1)
                    continue;
                // Cards that lead on to more plays first.
                int follow = 0;
                for (int j = 0; j < n; ++j)
                    if (j != i && !p.tableau[static_cast<size_t>(j)].cards.empty() &&
                        std::abs(Rank(p.tableau[static_cast<size_t>(j)].cards.back()) - Rank(c.back())) == 1)
                        ++follow;
                out.push_back({10 + follow, i, static_cast<int>(c.size()) - 1, 200});
            }
            if (!p.stock.empty())
                out.push_back({0, -2, 0, 200});
            return out;
        }
        bool anyEmpty = false;
        for (const Pile& pile : p.tableau)
            anyEmpty = anyEmpty || pile.cards.empty();
        for (int i = 0; i < n; ++i) {
            const Pile& src = p.tableau[static_cast<size_t>(i)];
            const int size = static_cast<int>(src.cards.size());
            if (size == 0)
                continue;
            // The lowest card that may be lifted with the run above it.
            int first = size - 1;
            if (kind == Kind::Spider)
                while (first - 1 >= src.down &&
                       Suit(src.cards[static_cast<size_t>(first - 1)]) ==
                           Suit(src.cards[static_cast<size_t>(first)]) &&
                       Rank(src.cards[static_cast<size_t>(first - 1)]) ==
                           Rank(src.cards[static_cast<size_t>(first)]) + 1)
                    --first;
            if (kind == Kind::Forty) {
                const int c = src.cards.back();
                if (FoundationFor(p, c) >= 0)
                    out.push_back({1000, i, size - 1, 100 + FoundationFor(p, c)});
            }
            for (int at = first; at < size; ++at) {
                const int c = src.cards[static_cast<size_t>(at)];
                const bool uncovers = at == src.down && at > 0;
                const bool empties = at == 0;
                const bool onNatural =
                    at > src.down && Rank(src.cards[static_cast<size_t>(at - 1)]) == Rank(c) + 1 &&
                    (kind == Kind::Spider || Suit(src.cards[static_cast<size_t>(at - 1)]) == Suit(c));
                const bool onSameSuit = at > src.down &&
                                        Suit(src.cards[static_cast<size_t>(at - 1)]) == Suit(c) &&
                                        Rank(src.cards[static_cast<size_t>(at - 1)]) == Rank(c) + 1;
                bool toEmptyDone = false;
                for (int j = 0; j < n; ++j) {
                    if (j == i)
                        continue;
                    const Pile& dst = p.tableau[static_cast<size_t>(j)];
                    if (dst.cards.empty()) {
                        if (toEmptyDone || empties)
                            continue;
                        toEmptyDone = true;
                        // Spider: in the search to the end, part of a run of one suit may be set
                        // aside in a gap, to be joined again elsewhere; otherwise only what frees
                        // something moves.
                        if (kind == Kind::Spider && at != first) {
                            if (splitToGaps)
                                out.push_back({10, i, at, j});
                            continue;
                        }
                        if (onNatural)
                            continue;
                        out.push_back({uncovers ? 300 : 50, i, at, j});
                        continue;
                    }
                    const int t = dst.cards.back();
                    if (Rank(t) != Rank(c) + 1)
                        continue;
                    const bool same = Suit(t) == Suit(c);
                    if (kind == Kind::Forty && !same)
                        continue;
                    if (onSameSuit)
                        continue; // from one natural place to another
                    if (kind == Kind::Spider && at != first && !same)
                        continue; // splitting a run is worth it only to join its own suit
                    if (kind == Kind::Spider && onNatural && !same)
                        continue;
                    int score = same ? 500 : 100;
                    if (uncovers)
                        score += 400;
                    if (empties)
                        score += 200;
                    score += static_cast<int>(src.cards.size()) - at; // longer runs first
                    out.push_back({score, i, at, j});
                }
            }
        }
        if (kind == Kind::Forty && !p.waste.empty()) {
            const int c = p.waste.back();
            if (FoundationFor(p, c) >= 0)
                out.push_back({1000, -1, 0, 100 + FoundationFor(p, c)});
            bool toEmptyDone = false;
            for (int j = 0; j < n; ++j) {
                const Pile& dst = p.tableau[static_cast<size_t>(j)];
                if (dst.cards.empty()) {
                    if (!toEmptyDone)
                        out.push_back({80, -1, 0, j});
                    toEmptyDone = true;
                } else if (Suit(dst.cards.back()) == Suit(c) && Rank(dst.cards.back()) == Rank(c) + 1) {
                    out.push_back({600, -1, 0, j});
                }
            }
        }
        if (!p.stock.empty() && !(kind == Kind::Spider && anyEmpty))
            out.push_back({kind == Kind::Forty ? 20 : 0, -2, 0, -1});
        if (noise)
            for (Try& t : out) {
                seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
                t.score += static_cast<int>((seed >> 33) % noise);
            }
        std::stable_sort(out.begin(), out.end(),
                         [](const Try& a, const Try& b) { return a.score > b.score; });
        // Forty Thieves: a card that can go home goes home; nothing else is tried beside it.
        if (kind == Kind::Forty && !out.empty() && out.front().to >= 100)
            out.resize(1);
        return out;
    }

    Move Apply(Position& p, const Try& t) {
        if (t.from == -2) {
            if (kind == Kind::Spider) {
                for (size_t k = 0; k < p.tableau.size() && !p.stock.empty(); ++k) {
                    p.tableau[k].cards.push_back(p.stock.back());
                    p.stock.pop_back();
                    RemoveRun(p, static_cast<int>(k));
                }
            } else {
                p.waste.push_back(p.stock.back());
                p.stock.pop_back();
            }
            return {0, "Mazzo"};
        }
        std::vector<int> run;
        if (t.from == -1) {
            run.push_back(p.waste.back());
            p.waste.pop_back();
        } else {
            Pile& src = p.tableau[static_cast<size_t>(t.from)];
            run.assign(src.cards.begin() + t.at, src.cards.end());
            src.cards.resize(static_cast<size_t>(t.at));
            TurnUp(src);
        }
        Move m{run.front(), ""};
        if (t.to == 200) {
            p.waste.push_back(run.front());
            m.to = "Mazzo_Waste";
        } else if (t.to >= 100) {
            p.foundations[static_cast<size_t>(t.to - 100)].push_back(run.front());
            m.to = "Dest" + std::to_string(t.to - 100 + 1);
        } else {
            auto& dst = p.tableau[static_cast<size_t>(t.to)].cards;
            dst.insert(dst.end(), run.begin(), run.end());
            m.to = "Fila" + std::to_string(t.to + 1);
            if (kind == Kind::Spider)
                RemoveRun(p, t.to);
        }
        if (kind == Kind::Spider && t.from >= 0)
            RemoveRun(p, t.from);
        return m;
    }

    size_t best = 0;
    bool Play(const Position& p) {
        size_t home = 0;
        for (const auto& f : p.foundations)
            home += f.size();
        best = std::max(best, home);
        if (Won(p))
            return true;
        if (--budget < 0 || !seen.insert(Key(p)).second)
            return false;
        for (const Try& t : Moves(p)) {
            Position next = p;
            path.push_back(Apply(next, t));
            if (Play(next))
                return true;
            path.pop_back();
            if (budget < 0)
                return false;
        }
        return false;
    }
};

// Best first: the position that looks most advanced is expanded next.
int Value(Kind kind, const Position& p) {
    int v = 0;
    for (const auto& f : p.foundations)
        v += 10 * static_cast<int>(f.size());
    for (const Pile& pile : p.tableau) {
        const auto& c = pile.cards;
        if (c.empty()) {
            v += 6;
            continue;
        }
        v -= 6 * pile.down;
        for (size_t k = static_cast<size_t>(pile.down); k < c.size(); ++k) {
            if (k > static_cast<size_t>(pile.down) && Rank(c[k - 1]) == Rank(c[k]) + 1)
                v += Suit(c[k - 1]) == Suit(c[k]) ? 3 : (kind == Kind::Spider ? 1 : 0);
            // A card lying above a lower card of its own suit must move before that one can go home.
            for (size_t j = 0; j < k && kind == Kind::Forty; ++j)
                if (Suit(c[j]) == Suit(c[k]) && Rank(c[j]) < Rank(c[k])) {
                    v -= 2;
                    break;
                }
        }
    }
    if (kind == Kind::Forty)
        v -= static_cast<int>(p.waste.size());
    else // Spider: a complete suit is worth far more than its thirteen cards, and dealing is progress
        v += 40 * static_cast<int>(std::count_if(p.foundations.begin(), p.foundations.end(),
                                                 [](const auto& f) { return !f.empty(); })) -
             static_cast<int>(p.stock.size()) / 2;
    return v;
}

bool BestFirst(Search& search, const Position& start, long budget) {
    struct Node {
        Position p;
        int parent;
        Move move;
    };
    std::vector<Node> nodes;
    std::vector<std::pair<int, int>> heap; // (value, node)
    nodes.push_back({start, -1, {0, ""}});
    heap.push_back({Value(search.kind, start), 0});
    search.seen.insert(Key(start));
    while (!heap.empty() && budget-- > 0) {
        std::pop_heap(heap.begin(), heap.end());
        const int at = heap.back().second;
        heap.pop_back();
        if (search.Won(nodes[static_cast<size_t>(at)].p)) {
            for (int k = at; nodes[static_cast<size_t>(k)].parent >= 0;
                 k = nodes[static_cast<size_t>(k)].parent)
                search.path.insert(search.path.begin(), nodes[static_cast<size_t>(k)].move);
            return true;
        }
        const Position here = nodes[static_cast<size_t>(at)].p;
        {
            size_t home = 0;
            for (const auto& f : here.foundations)
                home += f.size();
            search.best = std::max(search.best, home);
        }
        for (const auto& t : search.Moves(here)) {
            Position next = here;
            const Move m = search.Apply(next, t);
            if (!search.seen.insert(Key(next)).second)
                continue;
            nodes.push_back({next, at, m});
            heap.push_back({Value(search.kind, next), static_cast<int>(nodes.size()) - 1});
            std::push_heap(heap.begin(), heap.end());
        }
        // Positions already expanded keep only what the path needs.
        nodes[static_cast<size_t>(at)].p = Position{};
    }
    return false;
}

// Spider, deal by deal: between two deals from the stock a best-first search over the moves on
// the table (up to `cap` positions) keeps the `keep` best-looking positions from which the next
// deal may be made; the best of those from every kept position go on to the next deal (a beam of
// `beam` positions). The last stretch, with the stock used up, looks for the win itself.
int SpiderValue(const Position& p) {
    int v = 0;
    for (const auto& f : p.foundations)
        v += f.empty() ? 0 : 200;
    for (const Pile& pile : p.tableau) {
        const auto& c = pile.cards;
        if (c.empty()) {
            v += 25;
            continue;
        }
        v -= 12 * pile.down;
        for (size_t k = static_cast<size_t>(pile.down) + 1; k < c.size(); ++k)
            if (Rank(c[k - 1]) == Rank(c[k]) + 1)
                v += Suit(c[k - 1]) == Suit(c[k]) ? 6 : 1;
            else
                v -= 3; // a break that must be undone
    }
    return v;
}

struct Line {
    Position p;
    std::vector<Move> path;
};

// The best positions reachable from `start` without a deal; a won one comes back alone.
std::vector<Line> SpiderStretch(Search& search, const Line& start, long cap, size_t keep, bool& won) {
    struct Node {
        Position p;
        int parent;
        Move move;
        int value;
    };
    std::vector<Node> nodes;
    std::vector<std::pair<int, int>> heap;
    std::unordered_set<std::uint64_t> seen;
    nodes.push_back({start.p, -1, {0, ""}, SpiderValue(start.p)});
    heap.push_back({nodes[0].value, 0});
    seen.insert(Key(start.p));
    auto lineOf = [&](int at) {
        Line l{nodes[static_cast<size_t>(at)].p, {}};
        for (int k = at; nodes[static_cast<size_t>(k)].parent >= 0; k = nodes[static_cast<size_t>(k)].parent)
            l.path.insert(l.path.begin(), nodes[static_cast<size_t>(k)].move);
        l.path.insert(l.path.begin(), start.path.begin(), start.path.end());
        return l;
    };
    while (!heap.empty() && cap-- > 0) {
        std::pop_heap(heap.begin(), heap.end());
        const int at = heap.back().second;
        heap.pop_back();
        const Position here = nodes[static_cast<size_t>(at)].p;
        if (search.Won(here)) {
            won = true;
            return {lineOf(at)};
        }
        for (const auto& t : search.Moves(here)) {
            if (t.from == -2)
                continue;
            Position next = here;
            const Move m = search.Apply(next, t);
            if (!seen.insert(Key(next)).second)
                continue;
            nodes.push_back({next, at, m, SpiderValue(next)});
            heap.push_back({nodes.back().value, static_cast<int>(nodes.size()) - 1});
            std::push_heap(heap.begin(), heap.end());
        }
    }
    std::vector<int> order;
    for (size_t k = 0; k < nodes.size(); ++k) {
        bool canDeal = true;
        for (const Pile& pile : nodes[k].p.tableau)
            canDeal = canDeal && !pile.cards.empty();
        if (canDeal || nodes[k].p.stock.empty())
            order.push_back(static_cast<int>(k));
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return nodes[static_cast<size_t>(a)].value > nodes[static_cast<size_t>(b)].value;
    });
    std::vector<Line> out;
    for (size_t k = 0; k < order.size() && k < keep; ++k)
        out.push_back(lineOf(order[k]));
    return out;
}

bool SpiderByDeals(Search& search, const Position& start, long cap, size_t keep, size_t beam) {
    std::vector<Line> lines = {{start, {}}};
    for (int round = 0; round < 12 && !lines.empty(); ++round) {
        std::vector<Line> next;
        std::unordered_set<std::uint64_t> seen;
        for (const Line& l : lines) {
            bool won = false;
            std::vector<Line> got = SpiderStretch(search, l, cap, keep, won);
            if (won) {
                search.path = got.front().path;
                return true;
            }
            for (auto& g : got)
                if (seen.insert(Key(g.p)).second)
                    next.push_back(std::move(g));
        }
        std::stable_sort(next.begin(), next.end(),
                         [](const Line& a, const Line& b) { return SpiderValue(a.p) > SpiderValue(b.p); });
        if (next.size() > beam)
            next.resize(beam);
        std::fprintf(stderr, "deal %d: best value %d\n", round,
                     next.empty() ? 0 : SpiderValue(next.front().p));
        lines.clear();
        for (Line& l : next) {
            if (l.p.stock.empty()) {
                // The stock is used up and every card is known: a depth-first search to the end.
                search.splitToGaps = true;
                search.budget = cap * 5;
                search.seen.clear();
                search.path.clear();
                const bool won = search.Play(l.p);
                search.splitToGaps = false;
                if (won) {
                    search.path.insert(search.path.begin(), l.path.begin(), l.path.end());
                    return true;
                }
                continue;
            }
            Search::Try deal{0, -2, 0, -1};
            l.path.push_back(search.Apply(l.p, deal));
            lines.push_back(std::move(l));
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: replayfind forty|spider|golf BUDGET < deal\n");
        return 2;
    }
    const std::string game = argv[1];
    Search search;
    search.kind = game == "spider" ? Kind::Spider : game == "golf" ? Kind::Golf : Kind::Forty;
    search.budget = std::atol(argv[2]);
    const Position start = Read(std::cin);
    // Restarts with the move order shaken, each with the same budget.
    const long budget = search.budget;
    const int restarts = argc > 3 ? std::atoi(argv[3]) : 1;
    const unsigned noise = argc > 4 ? static_cast<unsigned>(std::atoi(argv[4])) : 0;
    bool won = false;
    int round = 0;
    if (restarts == 0) {
        won = BestFirst(search, start, budget);
        round = 1;
    } else if (restarts < 0) {
        // Spider deal by deal: -KEEP, with the beam in the fourth argument.
        won = SpiderByDeals(search, start, budget, static_cast<size_t>(-restarts),
                            static_cast<size_t>(std::max(1u, noise)));
        round = 1;
    }
    for (; round < restarts && !won; ++round) {
        search.budget = budget;
        search.seen.clear();
        search.path.clear();
        search.noise = round == 0 ? 0 : noise;
        search.seed = static_cast<std::uint64_t>(round) * 7919;
        won = search.Play(start);
    }
    std::fprintf(stderr, "most cards home: %zu\n", search.best);
    std::printf("%s after %d rounds, %zu moves\n", won ? "won" : "not won", round, search.path.size());
    if (!won)
        return 1;
    for (const Move& m : search.path)
        std::printf("{%d, \"%s\"}, ", m.card, m.to.c_str());
    std::printf("\n");
    return 0;
}
