// Cost of laying out one game: a Klondike-shaped table of stock, waste, four foundations and seven
// tableau piles at 1024 x 768 with "B" cards, as done at each deal and each window resize; and a
// card-place query, as done for every card drawn and every hit test.

#include "model/Session.h"
#include "table/PileLayout.h"

#include <benchmark/benchmark.h>

namespace {

void SetUpKlondike(quillon::Session& s) {
    using namespace quillon::layout_attr;
    auto set = [&](int n, int v) { s.GameAttr[static_cast<size_t>(n)] = static_cast<std::int16_t>(v); };
    set(StockCount, 2), set(HasStock, 1), set(StockToWaste, 1), set(StockRow, 1), set(StockArrangement, 5);
    set(FoundationCount, 4), set(FoundationRow, 1), set(FoundationArrangement, 7);
    set(TableauCount, 7), set(TableauRow, 2), set(TableauArrangement, 1), set(TableauFan, 1);
    s.Params.WriteParam(128, 1, "B");
}

void BM_LayoutKlondike(benchmark::State& state) {
    quillon::Session s;
    SetUpKlondike(s);
    for (auto _ : state) {
        s.ResetPilePositions();
        quillon::ComputeFanSteps(s);
        quillon::LayoutPiles(s, 0, 767, 1024, 768, {1024, 768});
        benchmark::DoNotOptimize(s.TableauX[6]);
    }
}
BENCHMARK(BM_LayoutKlondike);

// The reserve-overlap case lays out twice.
void BM_LayoutWithRerun(benchmark::State& state) {
    using namespace quillon::layout_attr;
    quillon::Session s;
    auto set = [&](int n, int v) { s.GameAttr[static_cast<size_t>(n)] = static_cast<std::int16_t>(v); };
    set(ReserveCount, 4), set(ReserveRow, 1), set(ReserveArrangement, 5);
    set(TableauCount, 6), set(TableauRow, 1), set(TableauArrangement, 2);
    s.Params.WriteParam(128, 1, "B");
    for (auto _ : state) {
        s.ResetPilePositions();
        quillon::ComputeFanSteps(s);
        quillon::LayoutPiles(s, 0, 767, 1024, 768, {1024, 768});
        benchmark::DoNotOptimize(s.TableauX[0]);
    }
}
BENCHMARK(BM_LayoutWithRerun);

void BM_CardPlaceOfLongPile(benchmark::State& state) {
    quillon::Session s;
    SetUpKlondike(s);
    quillon::ComputeFanSteps(s);
    quillon::LayoutPiles(s, 0, 767, 1024, 768, {1024, 768});
    for (int k = 1; k <= 19; ++k)
        s.Piles.TableauPiles[0] += quillon::CardText(k);
    for (auto _ : state) {
        benchmark::DoNotOptimize(quillon::PileCardY(s, "Fila1", 0, true));
        benchmark::DoNotOptimize(quillon::PileCardX(s, "Fila1", 0, true, 0));
    }
}
BENCHMARK(BM_CardPlaceOfLongPile);

} // namespace

BENCHMARK_MAIN();
