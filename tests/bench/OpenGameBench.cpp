// Showing the open-game dialog with a list of 200 games: the preparation of a showing (player box,
// the list of all games filled and its current game selected, the facts panel with the preview)
// and the dialog put on screen, offscreen. The first showing fills the list; later showings keep
// the filled list.
#include "model/Deal.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "select/OpenGame.h"
#include "table/ImageResources.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace quillon;

namespace {

std::string Folder() {
    if (const char* dir = std::getenv("QUILLON_PROGRAM_DIR"); dir && *dir)
        return WithSlash(dir);
    return ProgramFolder() + "../bin/";
}

// A session over the built program folder whose game list holds 200 games of every family.
struct Setup {
    RecordingDesktop desktop;
    Session s;
    std::unique_ptr<ImageResources> images;
    bool ok = false;
    Setup() {
        s.ProgramFolder = Folder();
        s.desktop = &desktop;
        ok = OpenMainLibrary(s);
        for (int n = 0; n < 200; ++n) {
            char line[80];
            std::snprintf(line, sizeof line, "%03d %03d40%cGame number %-38d", 2 + n % 26, n,
                          n % 7 ? '0' : '1', n);
            s.Game.GameList.push_back(line);
        }
        s.Params.WriteParam(kParamGame, kParamGameWidth, "0150");
        images = std::make_unique<ImageResources>(s);
    }
};

void Show(TfrmOpenGame& d) {
    d.PrepareShowing();
    d.show();
    QApplication::processEvents();
    d.hide();
}

void ShowDialogFirstTime(benchmark::State& state) {
    Setup setup;
    if (!setup.ok) {
        state.SkipWithError("SOL.RGF not found; build the libraries first");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto d = std::make_unique<TfrmOpenGame>(setup.s, *setup.images);
        state.ResumeTiming();
        Show(*d);
        state.PauseTiming();
        if (d->trvAllGames->topLevelItemCount() != 200 || d->SelectedGame() != 150)
            state.SkipWithError("the list was not filled");
        d.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ShowDialogFirstTime)->Unit(benchmark::kMillisecond);

void ShowDialogAgain(benchmark::State& state) {
    Setup setup;
    if (!setup.ok) {
        state.SkipWithError("SOL.RGF not found; build the libraries first");
        return;
    }
    TfrmOpenGame d(setup.s, *setup.images);
    Show(d);
    for (auto _ : state)
        Show(d);
}
BENCHMARK(ShowDialogAgain)->Unit(benchmark::kMillisecond);

void CreateDialog(benchmark::State& state) {
    Setup setup;
    if (!setup.ok) {
        state.SkipWithError("SOL.RGF not found; build the libraries first");
        return;
    }
    for (auto _ : state) {
        TfrmOpenGame d(setup.s, *setup.images);
        benchmark::DoNotOptimize(d.trvAllGames);
    }
}
BENCHMARK(CreateDialog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
