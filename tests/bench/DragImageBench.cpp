// One frame of a drag over a 1280 x 1024 table: the drag picture moves a few pixels, the strips it
// and its shadow leave are restored from the table picture, the corners take on the new place and
// the shadow is drawn again. A single card and a run of five cards, with shadows on and off, on a
// screen of the program's pixels and on screens of 1.5 and 2 device pixels to each.
#include "model/Session.h"
#include "platform/Files.h"
#include "table/ImageResources.h"
#include "table/QtTableView.h"
#include "table/TableDrawing.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace quillon;

namespace {

std::string Folder() {
    if (const char* dir = std::getenv("QUILLON_PROGRAM_DIR"); dir && *dir)
        return WithSlash(dir);
    return ProgramFolder() + "../bin/";
}

void MoveDragImageFrame(benchmark::State& state) {
    const bool run = state.range(0) != 0;
    const bool shadows = state.range(1) != 0;
    const qreal ratio = state.range(2) / 100.0;
    Session s;
    s.ProgramFolder = Folder();
    if (!OpenMainLibrary(s)) {
        state.SkipWithError("SOL.RGF not found; build the libraries first");
        return;
    }
    ImageResources images(s);
    s.Params.WriteParam(128, 1, "B");
    s.Params.WriteParam(24, 3, "001");
    s.Params.WriteParam(21, 3, "011");
    s.Params.WriteParam(178, 1, shadows ? "Y" : "N");
    images.SetDeviceRatio(ratio);
    images.ApplyCardSettings();
    TableDrawing drawing(s, images);
    drawing.DeviceRatio = ratio;
    drawing.Resize(1280, 1024, 1280, 1024);
    drawing.TableImage.fill(0xFF008000);
    drawing.SetPlainBackground(0xFF008000);
    drawing.WindowImage.fill(0xFF008000);
    // Cards all over the table, so the restored strips and corners show real pictures.
    for (int y = 0; y + s.Metrics.CardHeight < 1024; y += 120)
        for (int x = 0; x + s.Metrics.CardWidth < 1280; x += 90)
            drawing.DrawCard(1 + (x + y) % 52, x, y, false, DrawTarget::Both, 0, 0);
    QtTableView view(s, drawing);
    s.DragHeight = run ? s.Metrics.CardHeight + 4 * 18 : s.Metrics.CardHeight;
    s.DragRect = {100, 100, 100 + s.Metrics.CardWidth, 100 + s.DragHeight};
    view.BuildDragImage(run ? 0 : 7);
    int x = 100, y = 100, dx = 3, dy = 2;
    for (auto _ : state) {
        x += dx, y += dy;
        if (x < 10 || x > 1100)
            dx = -dx;
        if (y < 10 || y > 800)
            dy = -dy;
        benchmark::DoNotOptimize(view.MoveDragImage(x, y, false, false));
    }
    state.SetLabel(std::string(run ? "run" : "card") + (shadows ? ", shadows" : ", no shadows") + ", ratio " +
                   std::to_string(state.range(2)) + " %");
}
BENCHMARK(MoveDragImageFrame)->ArgsProduct({{0, 1}, {0, 1}, {100, 150, 200}});

} // namespace

BENCHMARK_MAIN();
