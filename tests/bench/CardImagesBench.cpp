// Loading every card picture of one size, as start-up does: the four suit strips cut into 52
// faces, the joker, the back, the mark, the shadows and the borders; for a screen of the program's
// pixels, and of 1.5 and 2 device pixels to each (the double-size pictures, scaled for 1.5).
#include "model/Session.h"
#include "platform/Files.h"
#include "table/ImageResources.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace quillon;

namespace {

std::string Folder() {
    if (const char* dir = std::getenv("QUILLON_PROGRAM_DIR"); dir && *dir)
        return WithSlash(dir);
    return ProgramFolder() + "../bin/";
}

void LoadCardImagesOfOneSize(benchmark::State& state) {
    static const char* letters[] = {"M", "B", "S", "X"};
    const char* letter = letters[state.range(0)];
    const qreal ratio = state.range(1) / 100.0;
    Session s;
    s.ProgramFolder = Folder();
    if (!OpenMainLibrary(s)) {
        state.SkipWithError("SOL.RGF not found; build the libraries first");
        return;
    }
    ImageResources images(s);
    s.Params.WriteParam(128, 1, letter);
    s.Params.WriteParam(24, 3, "001");
    s.Params.WriteParam(21, 3, "011");
    images.SetDeviceRatio(ratio);
    for (auto _ : state) {
        images.ApplyCardSettings();
        benchmark::DoNotOptimize(images.CardFaceImages[51].constBits());
    }
    if (images.CardFaceImages[0].isNull() || images.CardBackImage.isNull())
        state.SkipWithError("card images did not load");
    state.SetLabel(std::string(letter) + ", ratio " + std::to_string(state.range(1)) + " %");
}

BENCHMARK(LoadCardImagesOfOneSize)
    ->ArgsProduct({{0, 1, 2, 3}, {100, 150, 200}})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
