// Loading a game definition from a catalogue of 200 games: the file is read once per load.

#include "model/Deal.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kGames = 200;

// A definition file of 200 games, every attribute set, in a private folder.
struct Catalogue {
    std::string folder;
    Catalogue() {
        std::string templ = (std::filesystem::temp_directory_path() / "qbenchXXXXXX").string();
        folder = quillon::WithSlash(mkdtemp(templ.data()));
        std::string text = "[Sect1]\r\n";
        for (int g = 0; g < kGames; ++g) {
            char head[16];
            std::snprintf(head, sizeof head, "%03d %03d400", g % 30, g + 1);
            std::string name = "Generated game " + std::to_string(g + 1);
            name.resize(50, ' ');
            text += quillon::Unshift(head + name) + "\r\n";
        }
        text += "[Sect2]\r\n";
        for (int a = 1; a <= 502; ++a) {
            std::string line = quillon::FormatFixed(a, 4) + std::string(12, ' ');
            for (int g = 0; g < kGames; ++g) {
                std::string cell = std::to_string(a == 378 ? 52 : (a * 7 + g) % 200 - 100);
                cell.resize(10, ' ');
                line += quillon::Unshift(cell) + " ";
            }
            text += line + "\r\n";
        }
        text += "[SectS]\r\n";
        quillon::WriteFileAtomic(folder + "GAMES.DAT", text);
    }
    ~Catalogue() { std::filesystem::remove_all(folder); }
};

Catalogue& Shared() {
    static Catalogue c;
    return c;
}

void BM_LoadGameDefinition(benchmark::State& state) {
    quillon::Session s;
    s.ProgramFolder = Shared().folder;
    quillon::ReadGameList(s);
    const int number = static_cast<int>(state.range(0));
    s.Params.WriteParam(62, 4, quillon::FormatFixed(number, 4));
    for (auto _ : state) {
        bool ok = quillon::LoadGameDefinition(s);
        benchmark::DoNotOptimize(ok);
        if (!ok)
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadGameDefinition)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ReadGameList(benchmark::State& state) {
    quillon::Session s;
    s.ProgramFolder = Shared().folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::ReadGameList(s));
}
BENCHMARK(BM_ReadGameList)->Unit(benchmark::kMillisecond);

void BM_ReadGameAttributes(benchmark::State& state) {
    quillon::Session s;
    s.ProgramFolder = Shared().folder;
    quillon::ReadGameList(s);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            quillon::ReadGameAttributes(s, 200, {497, 498, 499, 500, 501, 502, 378, 16, -1}));
}
BENCHMARK(BM_ReadGameAttributes)->Unit(benchmark::kMillisecond);

void BM_DealGame(benchmark::State& state) {
    quillon::Session s;
    s.GameAttr[378] = static_cast<std::int16_t>(state.range(0));
    s.GameAttr[375] = 10;
    for (int k = 0; k < 10; ++k)
        s.GameAttr[static_cast<size_t>(382 + k)] = static_cast<std::int16_t>(state.range(0) / 10);
    s.Params.WriteParam(153, 15, "3141592653589");
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::DealGame(s));
}
BENCHMARK(BM_DealGame)->Arg(52)->Arg(208)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
