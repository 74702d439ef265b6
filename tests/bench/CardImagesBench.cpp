// Loading every card picture of one size, as start-up does: the four suit strips cut into 52
// faces, the joker, the back, the mark, the shadows and the borders.
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
    for (auto _ : state) {
        images.ApplyCardSettings();
        benchmark::DoNotOptimize(images.CardFaceImages[51].constBits());
    }
    if (images.CardFaceImages[0].isNull() || images.CardBackImage.isNull())
        state.SkipWithError("card images did not load");
    state.SetLabel(letter);
}

BENCHMARK(LoadCardImagesOfOneSize)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
