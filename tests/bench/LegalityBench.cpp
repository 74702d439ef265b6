// Cost of judging one card against every pile of the largest table: 40 tableau piles, 16
// foundations and 12 reserves, all in play.

#include "engine/MoveLegality.h"
#include "model/Session.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace quillon;

std::vector<std::string> PileNames() {
    std::vector<std::string> names;
    for (int k = 1; k <= kTableauCount; ++k)
        names.push_back("Fila" + std::to_string(k));
    for (int k = 1; k <= kFoundationCount; ++k)
        names.push_back("Dest" + std::to_string(k));
    for (int k = 1; k <= kReserveCount; ++k)
        names.push_back("Appogg" + std::to_string(k));
    return names;
}

// Four decks dealt round the tableau, every foundation started with its Ace, a few reserve cards.
void Deal(Session& s, int tableauRule, int stockLock) {
    auto set = [&](int n, int v) { s.GameAttr[static_cast<size_t>(n)] = static_cast<std::int16_t>(v); };
    set(attr::FoundationCount, 16);
    set(attr::TableauCount, 40);
    set(attr::ReserveCount, 12);
    set(attr::FoundationCapacity, 13);
    set(attr::TableauCapacity, -1);
    set(attr::StockLock, stockLock);
    set(attr::FoundationBase, 1);
    for (int k = 0; k < 16; ++k) {
        set(attr::FoundationBase + k, 1);
        set(attr::FoundationDir + k, 1);
        set(attr::FoundationRule + k, 0);
    }
    for (int k = 0; k < 40; ++k) {
        set(attr::TableauEmpty + k, 13);
        set(attr::TableauDir + k, 0);
        set(attr::TableauRule + k, tableauRule);
    }
    // Aces: card 1 + 13 * (suit + 4 * deck).
    for (int f = 0; f < 16; ++f)
        s.Piles.FoundationPiles[static_cast<size_t>(f)] = CardText(1 + 13 * f);
    int pile = 0;
    for (int card = 1; card <= 208; ++card) {
        if (CardRank(card) == 1)
            continue;
        if (card % 23 == 0 && card / 23 <= 12) {
            s.Piles.ReservePiles[static_cast<size_t>(card / 23 - 1)] = CardText(card);
            continue;
        }
        s.Piles.TableauPiles[static_cast<size_t>(pile)] += CardText(card);
        pile = (pile + 1) % 40;
    }
    s.Piles.StockPiles[0] = CardText(209);
    s.DragHeight = s.Metrics.CardHeight;
}

void Judge(benchmark::State& state, int tableauRule, int stockLock) {
    Session s;
    Deal(s, tableauRule, stockLock);
    const std::vector<std::string> names = PileNames();
    // The top card of tableau pile 40: found last when its place has to be searched.
    const int card = PileTop(s.Piles.TableauPiles[39]);
    int accepted = 0;
    for (auto _ : state) {
        for (const std::string& name : names)
            accepted += PileAccepts(s, card, name) ? 1 : 0;
        benchmark::DoNotOptimize(accepted);
    }
    state.counters["piles"] = static_cast<double>(names.size());
}

// Alternate colours down: the common case.
void BM_PileAcceptsAllPiles(benchmark::State& state) {
    Judge(state, 3, 0);
}
// A source-dependent rule and the stock lock: the card's place is searched for every pile.
void BM_PileAcceptsAllPilesWithSourceRule(benchmark::State& state) {
    Judge(state, 17, 1);
}

} // namespace

BENCHMARK(BM_PileAcceptsAllPiles);
BENCHMARK(BM_PileAcceptsAllPilesWithSourceRule);
BENCHMARK_MAIN();
